// SPDX-License-Identifier: GPL-3.0-or-later
// One top-level window built from a window table: fields, captions, buttons,
// lines and pictures at their design rectangles, the focus chain, and the
// buttons' roles. Calculations run through press(); a fault is shown in one
// modal message box.
#pragma once

#include <QHash>
#include <QList>
#include <QWidget>
#include <functional>

#include "app/paste_note.h"
#include "common/marks.h"
#include "common/results_table.h"
#include "common/window_spec.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;

namespace ombrel {

class CalcWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CalcWindow(const WindowSpec& spec);
  const WindowSpec& spec() const { return spec_; }
  QLineEdit* field(const QString& name) const { return fields_.value(name); }
  // An input chosen from a list (ChoiceList), or nullptr.
  QComboBox* choice(const QString& name) const { return choices_.value(name); }
  // The text of any field: a text box's, or the item chosen in a list.
  QString text(const QString& name) const;
  // Results whose text an earlier run wrote and the last run did not write
  // again; drawn in grey italics until a run writes them or the user edits them.
  bool isStale(const QString& output) const { return marks_.stale(output.toStdString()); }
  // What the window says about a field's text (common/marks.h): how an input
  // is read, a result left over, out of date or impossible.
  FieldMark markOf(const QString& field) const;

  // The window's data as a table for a spreadsheet (common/results_table.h).
  QString dataTable() const;
  // Puts dataTable() on the clipboard: "复制本窗口数据" in every field's
  // context menu, and Ctrl+Shift+C anywhere in the window. A window without
  // fields has neither, and this action is null.
  QAction* copyAction() const { return copyAction_; }
  // "粘贴本窗口数据" in every field's context menu and Ctrl+Shift+V anywhere
  // in the window: the clipboard's table read back (readTable), its inputs
  // typed in, a note saying what was filled and what is read otherwise
  // (pasteTable). "复制全部窗口数据":
  // every window's table under its name. Null in a window without fields.
  QAction* pasteAction() const { return pasteAction_; }
  QAction* copyAllAction() const { return copyAllAction_; }
  void pasteTable();
  // Types the inputs given as the user would and leaves the note a paste
  // leaves, "已填入 2 个输入" with 撤销填入 taking them all back in one step:
  // what 反算's 填入 does.
  void fillInputs(const std::vector<std::pair<std::string, std::string>>& inputs);
  // The window's texts and marks, to keep; and a kept set shown again as it
  // was, every field's text and the marks, nothing calculated, the note
  // gone, under `title` (the magnetics check, one set a calculator).
  WindowSet windowSet() const;
  void showSet(const WindowSet& set, const QString& title);
  // What the copied table and 取自 call the window: its title where that
  // names more than its caption, else nothing (the caption).
  std::string titleIfOwn() const;
  // The note a paste leaves (app/paste_note.h), with 撤销粘贴; null before
  // the first paste.
  PasteNote* note() const { return note_; }

  // The context menu of a field, made by what its owner set (the Navigator:
  // app/field_menu.h), else Qt's own. The caller owns it.
  QMenu* contextMenu(QLineEdit* field);
  void setMenuMaker(std::function<QMenu*(CalcWindow&, QLineEdit*)> maker) { menuMaker_ = std::move(maker); }
  // Every calculator window that exists now, this one included, in the main
  // menu's order: what "取自" offers from and "复制全部窗口数据" copies; set by
  // the Navigator.
  void setPeers(std::function<QList<CalcWindow*>()> peers) { peers_ = std::move(peers); }
  const ResultMarks& marks() const { return marks_; }

 signals:
  void returnPressed(bool alsoShowMainForm);  // a 返回 button: hide this window
  void showWanted(QString window);
  void textsChanged();                  // a run ended, or a field's text changed outside a run
  void closing();            // title-bar close: the window is being discarded

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // A left click on a clickable label shows the window it names.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The window built from its table, step by step.
  void addDataActions();
  QWidget* makeControl(const Control& c);
  QWidget* makeLabel(const Control& c);
  QLineEdit* makeField(const Control& c);
  QComboBox* makeChoice(const Control& c);
  // A list's items for what the list it follows holds now, `wanted` chosen
  // where it is one of them, else the first the table names.
  void fillChoice(const Control& c, const QString& wanted);
  void nameFieldsByCaptions(const QHash<QString, QWidget*>& byName);
  void chainFocus(const QHash<QString, QWidget*>& byName);
  void buttonClicked(const Control& button);
  void calculate(const Control& button);
  // Every field's look, tooltip and accessible description for its text
  // and mark: inputs read otherwise underlined in dark amber, results left
  // over or out of date in grey italics, impossible ones bold, underlined,
  // dark red.
  void showMarks();
  // The inputs filled (a paste, 填入), and the note that says so and can take them back.
  void fillAndNote(const PastedTable& table, const QString& words, const QString& undoText);
  // The first input in the Tab order.
  QWidget* firstInput() const;

  const WindowSpec& spec_;
  QHash<QString, QLineEdit*> fields_;
  QHash<QString, QComboBox*> choices_;
  QHash<QString, QLabel*> captions_;  // by the field each names
  ResultMarks marks_;
  bool calculating_ = false;  // the marks are drawn once a run has ended
  std::function<QList<CalcWindow*>()> peers_;
  std::function<QMenu*(CalcWindow&, QLineEdit*)> menuMaker_;
  QHash<QObject*, QString> clickableLabels_;  // the window each opens
  QAction* copyAction_ = nullptr;
  QAction* pasteAction_ = nullptr;
  QAction* copyAllAction_ = nullptr;
  PasteNote* note_ = nullptr;
};

}  // namespace ombrel

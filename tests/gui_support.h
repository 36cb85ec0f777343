// SPDX-License-Identifier: GPL-3.0-or-later
// What the GUI tests share: a navigator with MainForm shown, menu commands
// chosen by their text, lookups and actions that fail the test at the
// caller's line instead of crashing it, a guard that dismisses every modal
// box, so that a test fails instead of waiting forever for a box nobody
// clicks, and Qt warnings that fail the test. For the tests of a field's
// context menu and the windows it opens: the clipboard, a menu's entry by
// its path, and every field of the open windows as the user sees it.
//
//   void init() { start(); }
//   void cleanup() { finish(); }        // fails on any box the test did not take
//   ...
//   CHOOSE(lg, "电感气隙计算");           // fails the test if no window opened
//   FIND(gap, QLineEdit, lg, "Text4");  // fails the test if lg has no such child
//   type(lg, "Text3", "");
//   click(lg, "Command1");
//   QCOMPARE(boxes().size(), 1);        // the fault box, already dismissed
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <source_location>

#include "app/calc_window.h"
#include "app/main_form.h"
#include "app/navigator.h"
#include "app/program.h"
#include "app/registry.h"

namespace ombrel::test {

// The offscreen platform's notes about what it cannot do (raise a window,
// pass size hints on, let a popup menu grab the keyboard). They say nothing
// about the program and are left out of the log; every other Qt warning
// fails a GUI test (GuiFixture::start).
inline const QStringList& offscreenNotes() {
  static const QStringList notes = {"This plugin does not support propagateSizeHints()",
                                    "This plugin does not support raise()",
                                    "This plugin does not support grabbing the keyboard"};
  return notes;
}
inline void quietOffscreenNotes() {
  static QtMessageHandler qtHandler = nullptr;
  static bool installed = false;
  if (installed) return;
  installed = true;
  qtHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!offscreenNotes().contains(message)) qtHandler(type, context, message);
  });
}

// Every 10 ms: a modal box on screen is recorded as "title|text|buttons" and
// dismissed, whatever kind of modal dialog it is.
class BoxGuard {
 public:
  BoxGuard() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { dismiss(); });
    timer_.start(10);
  }
  QStringList take() {
    QStringList seen;
    seen.swap(seen_);
    return seen;
  }
  // The next box is dismissed as soon as it is up, not at the next tick:
  // for a run that shows a great many.
  void dismissNextAtOnce() { QTimer::singleShot(0, &timer_, [this] { dismiss(); }); }

 private:
  void dismiss() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      QStringList buttons;
      for (QAbstractButton* b : box->buttons()) buttons << b->text();
      seen_ << box->windowTitle() + "|" + box->text() + "|" + buttons.join(",");
      if (QAbstractButton* b = box->buttons().value(0)) b->click();
      else box->reject();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      seen_ << QString("dialog %1|%2|").arg(modal->metaObject()->className(), modal->windowTitle());
      dialog->reject();
    } else {
      seen_ << QString("modal %1|%2|").arg(modal->metaObject()->className(), modal->windowTitle());
      modal->close();
    }
  }
  QTimer timer_;
  QStringList seen_;
};

// The first slots of a GUI test class, written once: the application set up
// once, each test started with a clipboard that holds nothing of ours and
// finished (failing on any box nobody expected).
#define OMBREL_GUI_TEST_SLOTS                                \
  void initTestCase() { ombrel::setUpApplication(*qApp); } \
  void init() {                                            \
    start();                                               \
    clearClipboard();                                      \
  }                                                        \
  void cleanup() { finish(); }

class GuiFixture {
 protected:
  void start(Navigator::Lookup lookup = &windowSpec) {
    quietOffscreenNotes();
    QTest::failOnWarning(QRegularExpression(".*"));
    guard_ = std::make_unique<BoxGuard>();
    nav_ = std::make_unique<Navigator>(lookup);
    ended_ = std::make_unique<QSignalSpy>(nav_.get(), &Navigator::nothingShown);
    nav_->mainForm().show();
  }
  void finish() {
    const QStringList unexpected = guard_ ? guard_->take() : QStringList();
    ended_.reset();
    nav_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    guard_.reset();
    QVERIFY2(unexpected.isEmpty(), qPrintable("boxes nobody expected: " + unexpected.join(" / ")));
  }

  // The boxes shown (and dismissed) since the last call.
  QStringList boxes() { return guard_->take(); }
  void dismissNextBoxAtOnce() { guard_->dismissNextAtOnce(); }

  QAction* command(const QString& text) {
    return nav_->mainForm().findChild<QAction*>(text);
  }

  // Chooses a menu command by its text; the window it showed, or nullptr.
  CalcWindow* choose(const QString& text) {
    QAction* action = command(text);
    if (!action) return nullptr;
    action->trigger();
    for (const MenuCommand& row : menuTree())
      if (QString::fromUtf8(row.command.data(), row.command.size()) == text)
        return nav_->window(QString::fromUtf8(row.window.data(), row.window.size()));
    return nullptr;
  }

  static QPushButton* push(QWidget* w, const char* name) {
    return w ? w->findChild<QPushButton*>(name) : nullptr;
  }
  static QLineEdit* edit(CalcWindow* w, const char* name) { return w ? w->field(name) : nullptr; }

  // The name of the control with the focus, then of the one after each of
  // `presses` Tab keys; it ends early where nothing has the focus.
  static QStringList tabOrder(int presses) {
    QStringList order;
    QWidget* focus = QApplication::focusWidget();
    for (int i = 0; focus; ++i) {
      order << focus->objectName();
      if (i == presses) break;
      QTest::keyClick(focus, Qt::Key_Tab);
      focus = QApplication::focusWidget();
    }
    return order;
  }

  // A mouse click on a button; a missing button fails the test at the caller's line.
  static void click(QWidget* w, const char* name, std::source_location at = std::source_location::current()) {
    QPushButton* b = push(w, name);
    if (!b) return QTest::qFail(qPrintable(QString("no button %1").arg(name)), at.file_name(), int(at.line()));
    QTest::mouseClick(b, Qt::LeftButton);
  }
  // A widget's tooltip as the user reads it: the rich text's plain text.
  static QString tipText(const QWidget* w) {
    if (!w) return QStringLiteral("<no widget>");
    QTextDocument doc;
    doc.setHtml(w->toolTip());
    return doc.toPlainText();
  }
  // The field's text (a list's: the item chosen), or a text no field shows.
  static QString text(CalcWindow* w, const char* name) {
    if (w && w->choice(QString::fromUtf8(name))) return w->text(QString::fromUtf8(name));
    QLineEdit* e = edit(w, name);
    return e ? e->text() : QString("<no field %1>").arg(name);
  }
  // Replaces the field's text by typing, as a user does; a missing field
  // fails the test at the caller's line.
  static void type(CalcWindow* w, const char* name, const QString& typed,
                   std::source_location at = std::source_location::current()) {
    QLineEdit* e = edit(w, name);
    if (!e) return QTest::qFail(qPrintable(QString("no field %1").arg(name)), at.file_name(), int(at.line()));
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, typed);
  }

  static QByteArray clipboardBytes() { return QGuiApplication::clipboard()->text().toUtf8(); }
  // A text no copy produces, so that a copy that does nothing is seen.
  static void clearClipboard() { QGuiApplication::clipboard()->setText(QStringLiteral("<nothing copied>")); }
  // The entry at the end of a path of menu texts, submenus followed.
  static QAction* entryAt(QMenu* menu, const QStringList& path) {
    for (const QString& step : path) {
      QAction* found = nullptr;
      for (QAction* a : menu ? menu->actions() : QList<QAction*>())
        if (a->text() == step) found = a;
      if (!found || step == path.last()) return found;
      menu = found->menu();
    }
    return nullptr;
  }
  // Everything a user could see of a field's text: the text, what it shows,
  // the cursor, the selection, the edit flags.
  static QString snapshot(QLineEdit* e) {
    if (!e) return QStringLiteral("<no field>");
    return QString("%1|%2|%3|%4|%5|%6|%7")
        .arg(e->text(), e->displayText())
        .arg(e->cursorPosition())
        .arg(e->selectedText())
        .arg(e->isModified())
        .arg(e->isUndoAvailable())
        .arg(e->isRedoAvailable());
  }
  // Every field of every window open now, hidden or shown.
  QMap<QString, QString> allFields() {
    const auto qs = [](const std::string& s) { return QString::fromStdString(s); };
    QMap<QString, QString> all;
    for (const WindowSpec* spec : builtWindows()) {
      CalcWindow* w = nav_->window(qs(spec->name));
      if (!w) continue;
      for (const Control& c : spec->controls)
        if (c.kind == ControlKind::Field) all[qs(spec->name + "." + c.name)] = snapshot(w->field(qs(c.name)));
    }
    return all;
  }

  std::unique_ptr<BoxGuard> guard_;
  std::unique_ptr<Navigator> nav_;
  std::unique_ptr<QSignalSpy> ended_;
};

}  // namespace ombrel::test

// Lookups for a test function: each declares `var` and fails the test at
// the caller's line when nothing was found.
//
// Chooses a menu command; the window it showed.
#define CHOOSE(var, commandText)                \
  ombrel::CalcWindow* var = choose(commandText); \
  QVERIFY2(var, qPrintable(QString("no window for ") + commandText))
// Opens a window by its name, as its menu command does.
#define OPEN(var, windowName)                         \
  ombrel::CalcWindow* var = nav_->open(windowName); \
  QVERIFY2(var, qPrintable(QString("no window ") + windowName))
// A child of a widget by its object name: FIND(note, QLabel, lout, "Label8").
#define FIND(var, Type, parent, childName)                                                \
  Type* var = (parent) ? (parent)->findChild<Type*>(childName) : nullptr; \
  QVERIFY2(var, qPrintable(QString("no %1 %2").arg(#Type, QString(childName))))

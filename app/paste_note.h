// SPDX-License-Identifier: GPL-3.0-or-later
// The note a paste leaves in its window: what was filled, what is read
// otherwise than it looks, or why nothing was (pasteNote,
// common/results_table.h), in the tooltip's colours below the field with the
// focus (or at the window's top), inside its window, announced to assistive
// technology as an alert; no modal box.
//
// Where the paste filled anything, the note offers "撤销粘贴" (after 填入,
// "撤销填入"), and Ctrl+Z anywhere in the window does the same while the note
// shows: every filled field gets back its text from before the paste, in one
// step, and the focus goes back where it was. The button never takes the
// focus itself. The note
// goes at the next key or click elsewhere in its window, when the window is
// deactivated, hidden or closed, and after 15 seconds at most; then each
// field's own undo works as before.
#pragma once

#include <QFrame>
#include <QPointer>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;

namespace ombrel {

class PasteNote : public QFrame {
 public:
  static constexpr int kShownForMs = 15000;

  // A child of `window`, hidden until say().
  explicit PasteNote(QWidget* window);
  // Shows `text` below `near` (a child of the window), or at the top where
  // null; `undo`, where given, takes the paste back, offered as `undoText`,
  // and gives the focus back to `focusBack` (where it still exists) with no
  // text selected.
  void say(const QString& text, const QWidget* near, std::function<void()> undo = {},
           const QString& undoText = QStringLiteral("撤销粘贴"), QWidget* focusBack = nullptr);
  QString text() const;
  // "撤销粘贴": the paste taken back, the note gone.
  void takeBack();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void go();

  QLabel* words_;
  QPushButton* undoButton_;
  QTimer* timer_;
  std::function<void()> undo_;
  QPointer<QWidget> focusBack_;
};

}  // namespace ombrel

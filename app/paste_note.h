// SPDX-License-Identifier: GPL-3.0-or-later
// The note a paste leaves in its window: what was filled, what is read
// otherwise than it looks, or why nothing was (pasteNote,
// common/results_table.h), in the tooltip's colours below the field with the
// focus (or at the window's top), inside its window, announced to assistive
// technology as an alert; no modal box.
//
// Where the paste filled anything, the note offers "撤销粘贴", and Ctrl+Z
// anywhere in the window does the same while the note shows: every filled
// field gets back its text from before the paste, in one step. The note
// goes at the next key or click elsewhere in its window, when the window is
// deactivated, hidden or closed, and after 15 seconds at most; then each
// field's own undo works as before.
#pragma once

#include <QFrame>
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
  // null; `undo`, where given, takes the paste back.
  void say(const QString& text, const QWidget* near, std::function<void()> undo = {});
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
};

}  // namespace ombrel

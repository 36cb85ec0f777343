// SPDX-License-Identifier: GPL-3.0-or-later
// The note a paste leaves in its window: a plain label in the tooltip's
// colours, below the field with the focus (or at the window's top), never
// outside the window, announced to assistive technology as an alert. It goes
// at the next key or click anywhere in its window; no modal box, no timer.
#pragma once

#include <QLabel>

namespace ombrel {

class PasteNote : public QLabel {
 public:
  // A child of `window`, hidden until say().
  explicit PasteNote(QWidget* window);
  // Shows `text` below `near` (a child of the window), or at the top where null.
  void say(const QString& text, const QWidget* near);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/paste_note.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <algorithm>

namespace ombrel {

PasteNote::PasteNote(QWidget* window) : QLabel(window) {
  setObjectName(QStringLiteral("note"));
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setFrameShape(QFrame::Box);
  setMargin(4);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::ToolTipBase);
  setForegroundRole(QPalette::ToolTipText);
  hide();
}

void PasteNote::say(const QString& text, const QWidget* near) {
  const QWidget* window = parentWidget();
  setText(text);
  setAccessibleName(text);
  const int w = std::min(window->width() - 8, fontMetrics().horizontalAdvance(text) + 16);
  setFixedWidth(w);
  adjustSize();
  QPoint at = near ? near->geometry().bottomLeft() + QPoint(0, 2) : QPoint(4, 4);
  at.setX(std::clamp(at.x(), 4, std::max(4, window->width() - width() - 4)));
  at.setY(std::clamp(at.y(), 4, std::max(4, window->height() - height() - 4)));
  move(at);
  raise();
  show();
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
  qApp->installEventFilter(this);
}

bool PasteNote::eventFilter(QObject* watched, QEvent* event) {
  const QWidget* window = parentWidget();
  if (isVisible() && (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) &&
      watched->isWidgetType() && (watched == window || window->isAncestorOf(static_cast<QWidget*>(watched)))) {
    hide();
    qApp->removeEventFilter(this);
  }
  return QLabel::eventFilter(watched, event);
}

}  // namespace ombrel

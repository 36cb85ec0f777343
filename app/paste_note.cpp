// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/paste_note.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace ombrel {

namespace {

bool onlyModifier(const QKeyEvent* key) {
  switch (key->key()) {
    case Qt::Key_Control: case Qt::Key_Shift: case Qt::Key_Alt: case Qt::Key_Meta: case Qt::Key_AltGr:
      return true;
    default:
      return false;
  }
}

}  // namespace

PasteNote::PasteNote(QWidget* window) : QFrame(window) {
  setObjectName(QStringLiteral("note"));
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::ToolTipBase);
  setForegroundRole(QPalette::ToolTipText);
  words_ = new QLabel(this);
  words_->setObjectName(QStringLiteral("noteText"));
  words_->setTextFormat(Qt::PlainText);
  words_->setWordWrap(true);
  words_->setForegroundRole(QPalette::ToolTipText);
  undoButton_ = new QPushButton(QStringLiteral("撤销粘贴"), this);
  undoButton_->setObjectName(QStringLiteral("undoPaste"));
  undoButton_->setAutoDefault(false);
  // Clicked, it leaves the focus where the user was: hidden with the focus,
  // it would hand it on to the next field, a result, its text selected.
  undoButton_->setFocusPolicy(Qt::NoFocus);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(5, 4, 4, 4);
  row->addWidget(words_, 1);
  row->addWidget(undoButton_, 0, Qt::AlignVCenter);
  timer_ = new QTimer(this);
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, &PasteNote::go);
  connect(undoButton_, &QPushButton::clicked, this, &PasteNote::takeBack);
  hide();
}

QString PasteNote::text() const { return words_->text(); }

void PasteNote::say(const QString& text, const QWidget* near, std::function<void()> undo, const QString& undoText,
                    QWidget* focusBack) {
  undoButton_->setText(undoText);
  focusBack_ = focusBack;
  const QWidget* window = parentWidget();
  undo_ = std::move(undo);
  undoButton_->setVisible(bool(undo_));
  words_->setText(text);
  setAccessibleName(text);
  // As wide as the words on one line, never wider than the window.
  const QMargins m = layout()->contentsMargins();
  const int button = undo_ ? undoButton_->sizeHint().width() + layout()->spacing() : 0;
  const int w = std::min(window->width() - 8,
                         words_->fontMetrics().horizontalAdvance(text) + 8 + button + m.left() + m.right());
  setFixedWidth(w);
  setFixedHeight(layout()->hasHeightForWidth() ? layout()->heightForWidth(w) : layout()->sizeHint().height());
  QPoint at = near ? near->geometry().bottomLeft() + QPoint(0, 2) : QPoint(4, 4);
  at.setX(std::clamp(at.x(), 4, std::max(4, window->width() - width() - 4)));
  at.setY(std::clamp(at.y(), 4, std::max(4, window->height() - height() - 4)));
  move(at);
  raise();
  show();
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
  timer_->start(kShownForMs);
  qApp->installEventFilter(this);
}

void PasteNote::takeBack() {
  const std::function<void()> undo = std::move(undo_);
  const QPointer<QWidget> back = focusBack_;
  go();
  if (undo) undo();
  if (back && back->isVisible()) {
    back->setFocus(Qt::OtherFocusReason);  // not Tab's reason: nothing is selected
    if (auto* edit = qobject_cast<QLineEdit*>(back.data())) edit->deselect();
  }
}

void PasteNote::go() {
  hide();
  timer_->stop();
  undo_ = nullptr;
  qApp->removeEventFilter(this);
}

bool PasteNote::eventFilter(QObject* watched, QEvent* event) {
  QWidget* window = parentWidget();
  if (!isVisible() || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  const QEvent::Type type = event->type();
  if (widget == window && (type == QEvent::WindowDeactivate || type == QEvent::Hide)) {
    go();
  } else if (type == QEvent::KeyPress && (widget == window || window->isAncestorOf(widget))) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (undo_ && key->matches(QKeySequence::Undo)) {
      takeBack();
      return true;  // the field with the focus undoes nothing of its own
    }
    if (!onlyModifier(key)) go();
  } else if (type == QEvent::MouseButtonPress && (widget == window || window->isAncestorOf(widget)) &&
             widget != this && !isAncestorOf(widget)) {
    go();
  }
  return false;
}

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/side_window.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/looks.h"

namespace ombrel {

SideWindow::SideWindow(Qt::WindowFlags frame, const QString& name, const QString& caption) : QWidget(nullptr, frame) {
  setObjectName(name);
  setWindowTitle(caption);
  setWindowIcon(QIcon(QStringLiteral(":/icons/ombrel.png")));
}

void SideWindow::goBack() {
  hide();
  emit hidden();
}

void SideWindow::closeEvent(QCloseEvent* event) {
  event->accept();  // hidden, kept for the next time
  emit hidden();
}

QPushButton* SideWindow::makeButton(const QString& text, const QString& name) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QPushButton* SideWindow::makeBackButton(const QString& name) {
  QPushButton* back = makeButton(QStringLiteral("返回"), name);
  connect(back, &QPushButton::clicked, this, &SideWindow::goBack);
  return back;
}

QLabel* SideWindow::makeStatus() {
  auto* status = new QLabel(this);
  status->setObjectName(QStringLiteral("status"));
  status->setTextFormat(Qt::PlainText);
  status->setWordWrap(true);
  return status;
}

QLineEdit* SideWindow::makeResultField(const QString& name, QWidget* parent, const QString& tip) {
  auto* edit = new QLineEdit(parent ? parent : this);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  tintAsResult(edit);
  edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0.000888888888888888")) + 16);
  if (!tip.isEmpty()) edit->setToolTip(tip);
  return edit;
}

}  // namespace ombrel

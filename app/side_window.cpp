// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/side_window.h"

#include <QCloseEvent>
#include <QIcon>

namespace ombrel {

SideWindow::SideWindow(Qt::WindowFlags frame) : QWidget(nullptr, frame) {
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

}  // namespace ombrel

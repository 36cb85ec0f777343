// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "app/fonts.h"
#include "app/looks.h"
#include "app/registry.h"

namespace ombrel {

MainForm::MainForm() : QMainWindow(nullptr, dialogFrame()) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Ombrel专业版  V2.0"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/ombrel.png")));
  setFont(songFont());

  // The menu bar belongs to the window, never to a desktop-wide menu.
  menuBar()->setNativeMenuBar(false);
  QMenu* menu = nullptr;
  for (const MenuCommand& row : menuTree()) {
    const QString title = qs(row.menu);
    if (!menu || menu->title() != title) {
      menu = menuBar()->addMenu(title);
      menu->setObjectName(title);
    }
    const QString text = qs(row.command), window = qs(row.window);
    QAction* action = menu->addAction(text);
    action->setObjectName(text);
    connect(action, &QAction::triggered, this, [this, window] { emit commandChosen(window); });
  }

  // Client area 8355 x 6030 twips below the menu bar.
  auto* client = new QWidget(this);
  client->setFixedSize(pixels(8355), pixels(6030));
  setCentralWidget(client);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainForm::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closing();
}

}  // namespace ombrel

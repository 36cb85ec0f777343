// SPDX-License-Identifier: GPL-3.0-or-later
// The floor: a bare Qt Widgets main window with the same menu, the same
// platform plugin and the same fonts, and nothing else. It reports when its
// event loop is first idle, and its peak memory, and quits.
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/fonts.h"
#include "app/registry.h"
#include "startup_common.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setFont(ombrel::songFont());
  QMainWindow window;
  QMenu* menu = nullptr;
  for (const ombrel::MenuCommand& row : ombrel::menuTree()) {
    const QString title = QString::fromUtf8(row.menu.data(), qsizetype(row.menu.size()));
    if (!menu || menu->title() != title) menu = window.menuBar()->addMenu(title);
    menu->addAction(QString::fromUtf8(row.command.data(), qsizetype(row.command.size())));
  }
  window.resize(557, 402);
  window.show();
  QTimer::singleShot(0, &app, [] {
    printPeakMemory();
    printIdle();
    QCoreApplication::quit();
  });
  return app.exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Ombrel: engineering calculators for switching power supply design.
#include <QApplication>

#include "app/navigator.h"
#include "app/program.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const auto navigator = ombrel::startProgram(app);
  return app.exec();
}

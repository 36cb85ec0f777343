// SPDX-License-Identifier: GPL-3.0-or-later
// Ombrel started exactly as main() starts it. With no argument it reports
// when the event loop is first idle and quits; with "all" it first opens
// every window of the registry once and reports its peak memory.
#include <QApplication>
#include <QTimer>
#include <cstring>

#include "app/calc_window.h"
#include "app/main_form.h"
#include "app/navigator.h"
#include "app/program.h"
#include "app/registry.h"
#include "startup_common.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const auto started = ombrel::startProgram(app);
  ombrel::Navigator& navigator = *started;
  const bool all = argc > 1 && std::strcmp(argv[1], "all") == 0;
  QTimer::singleShot(0, &app, [&] {
    if (all) {
      for (const ombrel::WindowSpec* spec : ombrel::builtWindows())
        navigator.open(QString::fromStdString(spec->name));
      QCoreApplication::processEvents();
      printPeakMemory();
    }
    printIdle();
    QCoreApplication::quit();
  });
  return app.exec();
}

// Ombrel: engineering calculators for switching power supply design.
#include <QApplication>

#include "app/main_form.h"
#include "app/navigator.h"
#include "app/program.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  ombrel::setUpApplication(app);
  ombrel::Navigator navigator;
  ombrel::endWhenNothingShown(app, navigator);
  navigator.mainForm().show();
  return app.exec();
}

// Ombrel: engineering calculators for switching power supply design.
#include <QApplication>

#include "app/fonts.h"
#include "app/main_form.h"
#include "app/navigator.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setFont(ombrel::songFont());
  // Hidden windows never keep the program running; the navigator says when
  // the last shown window has gone.
  app.setQuitOnLastWindowClosed(false);
  ombrel::Navigator navigator;
  QObject::connect(&navigator, &ombrel::Navigator::nothingShown, &app, &QApplication::quit);
  navigator.mainForm().show();
  return app.exec();
}

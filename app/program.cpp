// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/fonts.h"
#include "app/main_form.h"
#include "app/navigator.h"

namespace ombrel {

void setUpApplication(QApplication& app) {
  // The installed desktop entry is OMBREL_APP_ID.desktop (packaging/); by
  // this name window managers give the windows its icon and name.
  QGuiApplication::setDesktopFileName(QStringLiteral(OMBREL_APP_ID));
  app.setFont(songFont());
  // Debian ships qtbase_zh_CN in qt6-translations-l10n. Without it Qt's own
  // texts stay English; the program works on.
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(translator);
  else
    delete translator;
}

void endWhenNothingShown(QApplication& app, Navigator& navigator) {
  app.setQuitOnLastWindowClosed(false);
  QObject::connect(&navigator, &Navigator::nothingShown, &app, &QApplication::quit);
}

std::unique_ptr<Navigator> startProgram(QApplication& app) {
  setUpApplication(app);
  auto navigator = std::make_unique<Navigator>();
  endWhenNothingShown(app, *navigator);
  navigator->mainForm().show();
  return navigator;
}

}  // namespace ombrel

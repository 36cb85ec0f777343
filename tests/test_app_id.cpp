// SPDX-License-Identifier: GPL-3.0-or-later
// The program names its desktop entry by the application id the entry, the
// icon and the AppStream metadata are installed under, so that window
// managers match its windows to the entry.
#include <QApplication>
#include <QtTest>

#include "app/program.h"

class TestAppId : public QObject {
  Q_OBJECT
 private slots:
  void desktopFileNameIsTheApplicationId() {
    ombrel::setUpApplication(*qApp);
    // The installed files carry this name too (install_check.sh, installed_files.txt).
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.ombrel.Ombrel"));
  }
};

QTEST_MAIN(TestAppId)
#include "test_app_id.moc"

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
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.ombrel.Ombrel"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(OMBREL_APP_ID));
  }
};

QTEST_MAIN(TestAppId)
#include "test_app_id.moc"

// The number rules under a C locale whose decimal separator is the comma, as
// Qt sets it from the environment: nothing changes.
#include <QtTest>
#include <clocale>
#include <cstdio>

#include "common/number.h"
#include "exact.h"

using ombrel::NumberFromText;
using ombrel::TextFromNumber;

class TestLocale : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // LOCPATH points at a German locale built for this test.
    QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"), "the comma-decimal test locale is missing");
    QCOMPARE(QString(std::localeconv()->decimal_point), ",");
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.1f", 2.5);
    QCOMPARE(QString(buf), "2,5");  // the C library does follow the locale here
  }
  void unchanged_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("point") << "2.5" << 2.5 << "2.5";
    QTest::newRow("comma ends the number") << "1,5" << 1.0 << "1";
    QTest::newRow("exponent") << "1.5E-07" << 1.5e-7 << "1.5E-07";
    QTest::newRow("gap") << "0.1306285714285714" << 0.1306285714285714 << "0.130628571428571";
  }
  void unchanged() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE_BITS(NumberFromText(text.toStdString()), value);
    QCOMPARE(QString::fromStdString(TextFromNumber(value)), shown);
  }
};

QTEST_APPLESS_MAIN(TestLocale)
#include "test_locale.moc"

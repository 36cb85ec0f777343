// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules under a locale whose decimal separator is the comma. The
// test's environment names a German locale (LC_ALL, LOCPATH); the application
// object applies it to the C library, as the program's does at start-up.
// Nothing changes.
#include <QtTest>
#include <clocale>

#include "common/number.h"
#include "exact.h"

using ombrel::NumberFromText;
using ombrel::TextFromNumber;

class TestLocale : public QObject {
  Q_OBJECT

 private slots:
  // Without the comma in effect the rows below would prove nothing.
  void initTestCase() {
    QVERIFY2(QString(std::localeconv()->decimal_point) == ",",
             "the comma-decimal locale is not in effect (LC_ALL, LOCPATH)");
  }
  void unchanged_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("point") << "2.5" << 2.5 << "2.5";
    QTest::newRow("comma ends the number") << "1,5" << 1.0 << "1";
    QTest::newRow("point is no grouping") << "1.000" << 1.0 << "1";
    QTest::newRow("no grouping written") << "1234.5" << 1234.5 << "1234.5";
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

QTEST_GUILESS_MAIN(TestLocale)
#include "test_locale.moc"

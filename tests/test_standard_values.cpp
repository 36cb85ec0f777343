// SPDX-License-Identifier: GPL-3.0-or-later
// The standard values, headless: the nearest value of an E series in any
// decade, ties to the larger, and the series as the standard prints them.
// (The line a resistance's or capacitance's tooltip gives them is a row of
// the tooltips' table, test_results_table.cpp.)
#include <QtTest>
#include <map>
#include <optional>

#include "common/number.h"
#include "common/standard_values.h"

using namespace ombrel;

class TestStandardValues : public QObject {
  Q_OBJECT

 private slots:
  void standardValues_data();
  void standardValues();
  void seriesAsTheStandardPrintsThem();
};

// The nearest value of a series, in any decade; on a tie (ratios equal in
// double precision: √(2.2 × 3.3), √(2.0 × 2.2)) the larger. "≥E24": the
// smallest at or above it, for a minimum the design needs.
void TestStandardValues::standardValues_data() {
  QTest::addColumn<QString>("series");
  QTest::addColumn<QString>("value");
  QTest::addColumn<QString>("expected");
  QTest::newRow("E24 R3") << "E24" << "59.7781671933354" << "62";
  QTest::newRow("E12 R3") << "E12" << "59.7781671933354" << "56";
  QTest::newRow("E6 tie") << "E6" << "2.694438717061496" << "3.3";
  QTest::newRow("E24 tie") << "E24" << "2.0976176963403033" << "2.2";
  QTest::newRow("a decade down") << "E24" << "0.00198" << "0.002";
  QTest::newRow("up into the next decade") << "E96" << "0.0999" << "0.1";
  QTest::newRow("E12 to ten") << "E12" << "9.3" << "10";
  QTest::newRow("E96 picofarads") << "E96" << "4.1e-12" << "4.12E-12";
  QTest::newRow("far up") << "E24" << "1e300" << "1E+300";
  QTest::newRow("zero") << "E24" << "0" << "none";
  QTest::newRow("negative") << "E12" << "-5" << "none";
  QTest::newRow("beyond the range") << "E6" << "1e999" << "none";
  QTest::newRow("at least 155.6 uF, E24") << "≥E24" << "155.6" << "160";
  QTest::newRow("at least 155.6 uF, E12") << "≥E12" << "155.6" << "180";
  QTest::newRow("at least a value of the series") << "≥E24" << "82" << "82";
  QTest::newRow("at least, into the next decade") << "≥E12" << "8.21" << "10";
  QTest::newRow("at least zero") << "≥E24" << "0" << "none";
}

void TestStandardValues::standardValues() {
  QFETCH(QString, series);
  QFETCH(QString, value);
  QFETCH(QString, expected);
  const std::map<QString, ESeries> named = {
      {"E6", ESeries::E6}, {"E12", ESeries::E12}, {"E24", ESeries::E24}, {"E96", ESeries::E96}};
  const bool atLeast = series.startsWith("≥");
  const ESeries s = named.at(atLeast ? series.mid(1) : series);
  const double v = NumberFromText(value.toStdString());
  const std::optional<double> got = atLeast ? standardAtLeast(s, v) : nearestStandard(s, v);
  QCOMPARE(got ? QString::fromStdString(TextFromNumber(*got)) : QString("none"), expected);
}

// E24 differs from 10^(n/24) rounded to two figures in exactly eight values;
// E96 is 10^(n/96) rounded to three (worked out in Python with decimal).
void TestStandardValues::seriesAsTheStandardPrintsThem() {
  QStringList differ;
  const std::vector<std::string>& e24 = seriesValues(ESeries::E24);
  QCOMPARE(e24.size(), std::size_t(24));
  const char* rounded[] = {"1.0", "1.1", "1.2", "1.3", "1.5", "1.6", "1.8", "2.0", "2.2", "2.4", "2.6", "2.9",
                           "3.2", "3.5", "3.8", "4.2", "4.6", "5.1", "5.6", "6.2", "6.8", "7.5", "8.3", "9.1"};
  for (std::size_t n = 0; n < 24; ++n)
    if (e24[n] != rounded[n]) differ << QString::fromStdString(e24[n]);
  QCOMPARE(differ.join(' '), QString("2.7 3.0 3.3 3.6 3.9 4.3 4.7 8.2"));
  QCOMPARE(seriesValues(ESeries::E96).size(), std::size_t(96));
  QCOMPARE(QString::fromStdString(seriesValues(ESeries::E96)[57] + " " + seriesValues(ESeries::E96)[95]),
           QString("3.92 9.76"));
}

// A resistance's or a capacitance's result: its tooltip ends with the
// nearest values of E24 and E12 and how far each lies from it; a negative
// one has no such line.
QTEST_APPLESS_MAIN(TestStandardValues)
#include "test_standard_values.moc"

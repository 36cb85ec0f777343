// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's axes, headless: the ticks of a linear and of a logarithmic
// axis, the ends rounded out to ticks, and a value's place on the axis and
// back, out to the ends of the double range; the points each series marks.
// Expected texts worked out in Python.
#include <QtTest>
#include <set>

#include "app/chart_scale.h"
#include "common/number.h"
#include "exact.h"
#include "number_texts.h"

using namespace ombrel;
using ombrel::test::texts;

class TestChartScale : public QObject {
  Q_OBJECT

 private slots:
  void axes_data();
  void axes();
};

// Each row: the call, then its ticks (or fractions) as texts.
void TestChartScale::axes_data() {
  QTest::addColumn<QString>("call");
  QTest::addColumn<QString>("expected");
  QTest::newRow("0..10") << "linear 0 10 6" << "0 2 4 6 8 10";
  QTest::newRow("inside the ends") << "linear 0.13 0.87 5" << "0.2 0.4 0.6 0.8";
  QTest::newRow("through zero") << "linear -3 3 7" << "-3 -2 -1 0 1 2 3";
  QTest::newRow("narrow") << "linear 47 53 4" << "48 50 52";
  QTest::newRow("large") << "linear 1e15 3e15 5" << "1E+15 1.5E+15 2E+15 2.5E+15 3E+15";
  QTest::newRow("decades") << "log 1 1000" << "1 10 100 1000";
  QTest::newRow("within a decade and a half") << "log 3 40" << "5 10 20";
  QTest::newRow("inside one step") << "log 3 4" << "3 3.2 3.4 3.6 3.8 4";
  QTest::newRow("rounded out") << "rounded 0.13 0.87 6" << "0 1";
  QTest::newRow("one value") << "rounded 3 3 6" << "2 4";
  QTest::newRow("zero") << "rounded 0 0 6" << "-1 1";
  QTest::newRow("linear mapping") << "fraction 0 10 2.5 10" << "0.25 1";
  QTest::newRow("log mapping") << "fraction-log 1 100 10 1" << "0.5 0";
  // Ends further apart than the double range: nothing infinite, nothing NaN.
  QTest::newRow("rounded, beyond the range") << "rounded -1.7e308 1.7e308 6" << "-1.7E+308 1.7E+308";
  QTest::newRow("one value at the top") << "rounded 1.7e308 1.7e308 6" << "1.13333333333333E+308 1.79769313486232E+308";
  QTest::newRow("mapping beyond the range") << "fraction -1e308 1e308 0 1e308" << "0.5 1";
  QTest::newRow("ticks beyond the range") << "linear -1.7e308 1.7e308 5" << "-1E+308 0 1E+308";
  QTest::newRow("600 decades") << "log 1e-300 1e300" << "1E-300 1E-224 1E-148 1E-72 10000 1E+80 1E+156 1E+232";
  // Far from zero the multiples of a step lie beyond 2^53: counted, not looped.
  QTest::newRow("narrow, far from zero") << "linear 1e20 100000000000000032768 6"
                                         << "1E+20 1E+20 1E+20 1E+20 1E+20";
  // The points a series marks, none that another marks: one curve, two of five, twenty.
  QTest::newRow("marks, one curve") << "marks 31 1 0" << "0 3 6 9 12 15 18 21 24 27 30";
  QTest::newRow("marks, first of five") << "marks 31 5 0" << "0 5 10 15 20 25 30";
  QTest::newRow("marks, last of five") << "marks 31 5 4" << "4 9 14 19 24 29";
  QTest::newRow("marks, last of twenty") << "marks 31 20 19" << "19";
  QTest::newRow("marks, eighth of twenty on 400") << "marks 400 20 7" << "14 54 94 134 174 214 254 294 334 374";
}

void TestChartScale::axes() {
  QFETCH(QString, call);
  QFETCH(QString, expected);
  const QStringList a = call.split(' ');
  const auto n = [&a](int i) { return NumberFromText(a[i].toStdString()); };
  std::vector<double> got;
  if (a[0] == "linear") got = linearTicks(n(1), n(2), int(n(3)));
  if (a[0] == "log") got = logTicks(n(1), n(2));
  if (a[0] == "rounded") {
    const AxisScale s = roundedScale(n(1), n(2), int(n(3)));
    got = {s.lo, s.hi};
  }
  if (a[0] == "marks") {
    std::set<std::size_t> all;  // every series' marks: none twice, no fewer than the series
    for (std::size_t k = 0; k < std::size_t(n(2)); ++k)
      for (const std::size_t i : markedPoints(std::size_t(n(1)), std::size_t(n(2)), k)) {
        QVERIFY(all.insert(i).second);
        if (k == std::size_t(n(3))) got.push_back(double(i));
      }
    QVERIFY(all.size() >= std::size_t(n(2)));
  }
  if (a[0].startsWith("fraction")) {
    const AxisScale s{n(1), n(2), a[0].endsWith("log")};
    got = {s.fraction(n(3)), s.fraction(n(4))};
    QCOMPARE_BITS(s.valueAt(s.fraction(n(3))), n(3));
  }
  QCOMPARE(texts(got), expected);
}

QTEST_APPLESS_MAIN(TestChartScale)
#include "test_chart_scale.moc"

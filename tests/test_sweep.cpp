// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter sweep, headless: the points as texts (one row that pins the
// order of the operations), what the sweep window says of a bad range, the
// tables of a one-button window with a faulting point and of FlybackForm's
// two chained buttons, and what a sweep offers before it runs. Expected texts
// worked out in Python in the stated order.
#include <QtTest>

#include "app/registry.h"
#include "common/number.h"
#include "number_texts.h"
#include "sweep/sweep.h"

using namespace ombrel;
using ombrel::test::texts;

class TestSweep : public QObject {
  Q_OBJECT

 private slots:
  void points_data();
  void points();
  void table_data();
  void table();
  void offered();
};

void TestSweep::points_data() {
  QTest::addColumn<QStringList>("range");  // 从, 到, 点数, "log" or ""
  QTest::addColumn<QString>("expected");   // the x texts, or the message
  QTest::newRow("linear") << QStringList{"0.1", "0.7", "7", ""} << "0.1 0.2 0.3 0.4 0.5 0.6 0.7";
  // The ends exactly as typed: the formula alone would end at 0.000999999999999987.
  QTest::newRow("linear, ends as typed") << QStringList{"0.1", "0.001", "4", ""} << "0.1 0.067 0.034 0.001";
  // i ÷ (n − 1) × (to − from) + from gives ...429 at the seventh point, from × (1 − t) + to × t also ...572 at the second.
  QTest::newRow("linear, order pinned")
      << QStringList{"0.1", "0.003", "8", ""}
      << "0.1 0.0861428571428571 0.0722857142857143 0.0584285714285714 0.0445714285714286 0.0307142857142857 "
         "0.0168571428571428 0.003";
  // Cancellation would end at 0, below the range, and far below a small end take the wrong sign.
  QTest::newRow("cancellation") << QStringList{"1", "1e-17", "2", ""} << "1 1E-17";
  QTest::newRow("wrong sign") << QStringList{"2.051e102", "5100120", "7", ""}
                              << "2.051E+102 1.70916666666667E+102 1.36733333333333E+102 1.0255E+102 "
                                 "6.83666666666667E+101 3.41833333333333E+101 5100120";
  QTest::newRow("log, first end below a ratio beyond the range") << QStringList{"1.23e-250", "1e300", "2", "log"}
                                                                 << "1.23E-250 1E+300";
  QTest::newRow("downwards through zero") << QStringList{"3", "-3", "4", ""} << "3 1 -1 -3";
  QTest::newRow("thirds") << QStringList{" 1 ", "2", "4", ""} << "1 1.33333333333333 1.66666666666667 2";
  QTest::newRow("decades") << QStringList{"1", "1000", "4", "log"} << "1 10 100 1000";
  // exp(ln from + t ln(to ÷ from)) and from^(1 − t) × to^t give ...533.
  QTest::newRow("log, order pinned")
      << QStringList{"0.1", "3.3", "11", "log"}
      << "0.1 0.141857203450708 0.201234661708556 0.28546586347325 0.404953890729569 0.574456264653803 "
         "0.814907592085283 1.15600512083969 1.63987653617016 2.32628299425532 3.3";
  QTest::newRow("equal ends") << QStringList{"2", "2.0", "31", ""} << "「从」与「到」相同，无从扫描";
  QTest::newRow("not a number") << QStringList{"12V", "20", "31", ""} << "「从」不是数字";
  QTest::newRow("beyond range") << QStringList{"1", "1e999", "31", ""} << "「到」的数值超出范围";
  QTest::newRow("one point") << QStringList{"1", "2", "1", ""} << "「点数」须为 2 到 2000 之间的整数";
  QTest::newRow("too many") << QStringList{"1", "2", "2001", ""} << "「点数」须为 2 到 2000 之间的整数";
  QTest::newRow("fraction") << QStringList{"1", "2", "2.5", ""} << "「点数」须为 2 到 2000 之间的整数";
  QTest::newRow("log through zero") << QStringList{"-1", "10", "31", "log"} << "对数刻度要求「从」和「到」都大于零";
  // A whole text box of digits, read in one pass (no recursion), is beyond the range.
  QTest::newRow("32767 digits") << QStringList{QString(32767, '1'), "1", "3", ""} << "「从」的数值超出范围";
  QTest::newRow("32767 characters, no number") << QStringList{"1", QString(32766, '1') + "x", "3", ""}
                                                << "「到」不是数字";
  QTest::newRow("blanks inside") << QStringList{"1 000", "\t2000\r\n", " 3 ", ""} << "1000 1500 2000";
  // Ends further apart than the double range: from × (1 − t) + to × t.
  QTest::newRow("width beyond the range") << QStringList{"-1e308", "1e308", "3", ""} << "-1E+308 0 1E+308";
  QTest::newRow("ratio beyond the range") << QStringList{"1e-300", "1e300", "3", "log"} << "1E-300 1 1E+300";
  QTest::newRow("the top of the range") << QStringList{"1.7e308", "1.79769313486231E+308", "2", ""}
                                        << "1.7E+308 1.79769313486231E+308";
}

void TestSweep::points() {
  QFETCH(QStringList, range);
  QFETCH(QString, expected);
  const auto r = sweepRange(range[0].toStdString(), range[1].toStdString(), range[2].toStdString(), range[3] == "log");
  if (const std::string* message = std::get_if<std::string>(&r))
    QCOMPARE(QString::fromStdString(*message), expected);
  else
    QCOMPARE(texts(sweepPoints(std::get<SweepRange>(r))), expected);
}

void TestSweep::table_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("input");
  QTest::addColumn<QStringList>("range");
  QTest::addColumn<QStringList>("given");  // field=text, over the design texts
  QTest::addColumn<QString>("faults");  // how many, at which point
  QTest::addColumn<QByteArray>("expected");
  // No inductance: the gap divides by zero there and stays empty.
  QTest::newRow("lg through zero inductance") << "lg" << "Text3" << QStringList{"-1", "1", "3"} << QStringList{} << "1@1"
                                              << QByteArray("电感量(uH)\t气隙(mm)\n-1\t-73.152\n0\t\n1\t73.152\n");
  // The design, then the filter, which reads the frequency and the ripple.
  QTest::newRow("FlybackForm, both buttons") << "FlybackForm" << "Text8" << QStringList{"50", "100", "2"}
                                             << QStringList{} << "0@"
      << QByteArray("开关频率(Khz)\t初级电感量(uH)\t次级电感量(uH)\t初级圈数(T)\t次级圈数(T)\t磁隙宽度(mm)\t"
                    "初级电流平均值(A)\t初级电流峰值(A)\t初级电流有效值(A)\t导通时间(us)\t开关管耐压>(V)\t"
                    "反射电压(V)\t次级电流峰值(A)\t次级电流有效值(A)\t输出纹波电流p-p(A)\t输出纹波电压p-p(mV)\t"
                    "衰减倍数\t衰减后纹波p-p(mV)\n"
                    "50\t5486.34262399999\t29.0303999999999\t79.5020080321285\t5.78313253012048\t0.12009944540065\t"
                    "0.101030511214387\t0.360823254337096\t0.164560722959781\t8\t684.566666666667\t164.966666666667\t"
                    "4.96031746031747\t2.77068254836686\t2.21334678847371\t496.031746031747\t0.106157112526539\t"
                    "52.6572978802278\n"
                    "100\t2743.171312\t14.5152\t39.7510040160643\t2.89156626506024\t0.0600497227003253\t"
                    "0.101030511214387\t0.360823254337096\t0.164560722959781\t4\t684.566666666667\t164.966666666667\t"
                    "4.96031746031747\t2.77068254836686\t2.21334678847371\t496.031746031747\t0.0530785562632696\t"
                    "26.3286489401139\n");
  // 效率 0: the design faults at its first step, so the ripple a run left in
  // the window holds at no point and 衰减后纹波 stays empty; 衰减倍数 reads
  // inputs only: 100 ÷ 3 ÷ f ÷ 6.28.
  QTest::newRow("FlybackForm, a left-over ripple")
      << "FlybackForm" << "Text8" << QStringList{"50", "100", "2"}
      << QStringList{"Text3=0", "Text28=496.031746031747"} << "2@0"
      << QByteArray("开关频率(Khz)\t初级电感量(uH)\t次级电感量(uH)\t初级圈数(T)\t次级圈数(T)\t磁隙宽度(mm)\t"
                    "初级电流平均值(A)\t初级电流峰值(A)\t初级电流有效值(A)\t导通时间(us)\t开关管耐压>(V)\t"
                    "反射电压(V)\t次级电流峰值(A)\t次级电流有效值(A)\t输出纹波电流p-p(A)\t输出纹波电压p-p(mV)\t"
                    "衰减倍数\t衰减后纹波p-p(mV)\n"
                    "50\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t0.106157112526539\t\n"
                    "100\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t0.0530785562632696\t\n");
}

void TestSweep::table() {
  QFETCH(QString, window);
  QFETCH(QString, input);
  QFETCH(QStringList, range);
  QFETCH(QStringList, given);
  QFETCH(QString, faults);
  QFETCH(QByteArray, expected);
  const WindowSpec* spec = windowSpec(window.toStdString());
  QVERIFY(spec);
  const auto r = sweepRange(range[0].toStdString(), range[1].toStdString(), range[2].toStdString(), false);
  QVERIFY(std::holds_alternative<SweepRange>(r));
  std::map<std::string, std::string> texts;
  for (const QString& g : given) texts[g.section('=', 0, 0).toStdString()] = g.section('=', 1).toStdString();
  const Sweep s = sweep(*spec, texts, input.toStdString(), std::get<SweepRange>(r));
  QCOMPARE(QByteArray::fromStdString(sweepTable(*spec, input.toStdString(), s)), expected);
  QCOMPARE(QString("%1@%2").arg(s.faulted).arg(s.firstFault ? QString::number(*s.firstFault) : QString()), faults);
}

// What a sweep offers before it runs: the default range, the results the
// input reaches, and names that are not the sweep window's own labels.
void TestSweep::offered() {
  const auto range = [](const char* window, const char* input, const char* text) {
    const auto r = defaultRange(*windowSpec(window), input, text);
    if (const std::string* why = std::get_if<std::string>(&r)) return QString::fromStdString(*why);
    return QString::fromStdString(std::get<0>(r).first + " " + std::get<0>(r).second);
  };
  QCOMPARE(range("lg", "Text3", "560"), QString("280 1120"));
  QCOMPARE(range("FlybackForm", "Text1", "1e308"),
           QString("「输出功率（W）」的两倍超出双精度范围，没有默认范围：请填写「从」和「到」"));
  QCOMPARE(range("FlybackForm", "Text1", "1e999"),
           QString("「输出功率（W）」的数值超出范围，没有默认范围：请填写「从」和「到」"));
  const auto reach = [](const char* window, const char* input) {
    QString out;
    for (const std::string& r : windowSpec(window)->reach(input)) out += QString::fromStdString(r) + " ";
    return out;
  };
  // ESR reaches the ripple, the attenuation, and through both the ripple after the filter.
  QCOMPARE(reach("FlybackForm", "Text27"), QString("Text28 Text31 Text32 "));
  QCOMPARE(reach("lout", "Text2"), QString());
  // Output power reaches 初级电流平均值 and 输出纹波电流 straight, the rest only
  // through results read back (初级电流平均值 → 初级电流峰值 → …).
  QCOMPARE(reach("FlybackForm", "Text1"),
           QString("Text15 Text16 Text10 Text11 Text14 Text23 Text24 Text25 Text26 Text28 Text32 "));
  QCOMPARE(QString::fromStdString(sweepName(*windowSpec("TL431"), "Text8")), QString("从（输出电压范围(V)）"));
  QCOMPARE(QString::fromStdString(sweepName(*windowSpec("TL431"), "Text9")), QString("到（输出电压范围(V)）"));
  QCOMPARE(QString::fromStdString(sweepName(*windowSpec("huanlu"), "Text19")), QString("极点(khz)（右列）"));
}

QTEST_APPLESS_MAIN(TestSweep)
#include "test_sweep.moc"

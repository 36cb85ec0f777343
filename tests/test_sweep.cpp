// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter sweep and its chart's axes, headless: the points as texts
// (one row that pins the order of the operations), what the sweep window
// says of a bad range, the tables of a one-button window with a faulting
// point and of FlybackForm's two chained buttons, and the ticks and mapping
// of the axes. Expected texts worked out in Python in the stated order.
#include <QtTest>

#include "app/registry.h"
#include "exact.h"
#include "common/number.h"
#include "app/chart_scale.h"
#include "sweep/goal_seek.h"
#include "loop/loop_response.h"
#include "sweep/sweep.h"

using namespace ombrel;

namespace {

// r = x × (10 − x), from x = 4: rises to 25 at 5, then falls. s = y ÷ y,
// from y = 0, where it faults.
WindowSpec hill() {
  return {.name = "hill",
          .caption = "丘",
          .width = 9000,
          .height = 9000,
          .controls = {caption("L1", "x", {100, 100, 900, 255}, "X"), input("X", "4", {1100, 100, 1200, 345}),
                       caption("L2", "y", {100, 600, 900, 255}, "Y"), input("Y", "0", {1100, 600, 1200, 345}),
                       caption("L3", "r", {100, 1100, 900, 255}, "R"), output("R", {1100, 1100, 1200, 345}),
                       caption("L4", "s", {100, 1600, 900, 255}, "S"), output("S", {1100, 1600, 1200, 345}),
                       calculate("Command1", "计算", {}, {"R", "S"},
                                 [](Calc& c) {
                                   const Real x = c.read("X");
                                   c.write("R", x * (Real(10) - x));
                                   const Real y = c.read("Y");
                                   c.write("S", y / y);
                                 })},
          .focus = {}};
}

QString texts(const std::vector<double>& values) {
  QStringList out;
  for (double v : values) out << QString::fromStdString(TextFromNumber(v));
  return out.join(' ');
}

}  // namespace

class TestSweep : public QObject {
  Q_OBJECT

 private slots:
  void points_data();
  void points();
  void table_data();
  void table();
  void axes_data();
  void axes();
  void offered();
  void goalSeek_data();
  void goalSeek();
  void loopResponse_data();
  void loopResponse();
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

// Each row: the call, then its ticks (or fractions) as texts.
void TestSweep::axes_data() {
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
  QCOMPARE(QString::fromStdString(sweepName(*windowSpec("TL431"), "Text8")), QString("从（输出电压范围(V)）"));
  QCOMPARE(QString::fromStdString(sweepName(*windowSpec("TL431"), "Text9")), QString("到（输出电压范围(V)）"));
  QCOMPARE(QString::fromStdString(sweepName(*windowSpec("huanlu"), "Text19")), QString("极点(khz)（右列）"));
}

void TestSweep::axes() {
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
  if (a[0].startsWith("fraction")) {
    const AxisScale s{n(1), n(2), a[0].endsWith("log")};
    got = {s.fraction(n(3)), s.fraction(n(4))};
    QCOMPARE_BITS(s.valueAt(s.fraction(n(3))), n(3));
  }
  QCOMPARE(texts(got), expected);
}

QTEST_APPLESS_MAIN(TestSweep)
#include "test_sweep.moc"

// 反算 on a few windows. Iterative: the input found is compared with the one
// worked out in Python to one part in 10⁹, the result to one part in 10¹²
// (the input's 15 digits allow no closer); or the status, whole.
//   Flyback 初级圈数 ∝ 1 ÷ B: B = 0.3 × 79.5020080321285 ÷ 80 = 0.29813253012048
//   Forward 初级圈数 ∝ 1 ÷ B: B = 0.3 × 213.888888888889 ÷ 214 = 0.29984423676012
//   lg 气隙 = N² × 1.27e-3 × 144 ÷ 560 = 0.2: N = 24.747190690442345
//   lg 气隙 = 73.152 ÷ L = −0.1: L = −731.52, beyond the pole at L = 0, where it
//   faults; the values seen fall, jump and fall, so others might exist
void TestSweep::goalSeek_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QStringList>("first");   // result, target, input
  QTest::addColumn<QStringList>("second");  // the same, or none
  QTest::addColumn<QString>("expected");    // solved[,solved2] to 1e-9, or the status
  QTest::addColumn<QString>("achieved");    // achieved[,achieved2] to 1e-12
  QTest::addColumn<bool>("others");         // the status says others may give the target
  QTest::newRow("flyback turns by flux") << "FlybackForm" << QStringList{"Text12", "80", "Text6"} << QStringList{}
                                         << "0.29813253012048" << "80" << false;
  QTest::newRow("flyback both turns") << "FlybackForm" << QStringList{"Text12", "80", "Text6"}
                                      << QStringList{"Text13", "6", "Text9"} << "0.292681340160,0.392686219168"
                                      << "80,6" << false;
  QTest::newRow("forward turns by flux") << "ForwardForm" << QStringList{"Text6", "214", "Text4"} << QStringList{}
                                         << "0.29984423676012" << "214" << false;
  QTest::newRow("gap by turns") << "lg" << QStringList{"Text4", "0.2", "Text1"} << QStringList{}
                                << "24.747190690442345" << "0.2" << false;
  QTest::newRow("across a fault and a pole") << "lg" << QStringList{"Text4", "-0.1", "Text3"} << QStringList{}
                                             << "-731.52" << "-0.1" << true;
  QTest::newRow("never reaches 0") << "FlybackForm" << QStringList{"Text17", "0", "Text8"} << QStringList{}
      << "找不到使「导通时间(us)」等于 0 的「开关频率(Khz)」：在有限的取值中结果总在目标的同一侧" << "" << false;
  QTest::newRow("beyond every finite value") << "FlybackForm" << QStringList{"Text12", "1e300", "Text6"} << QStringList{}
      << "找不到使「初级圈数(T)」等于 1E+300 的「磁材饱和强度(T)」：在有限的取值中结果总在目标的同一侧" << "" << false;
  // 1 and 9 give 9: the one bracketed first (at the same distance, below), and others may exist.
  QTest::newRow("rises and falls") << "hill" << QStringList{"R", "9", "X"} << QStringList{} << "1" << "9" << true;
  QTest::newRow("a target that is no number") << "lg" << QStringList{"Text4", " ", "Text1"} << QStringList{}
                                              << "请填写目标值" << "" << false;
  QTest::newRow("faults where it starts") << "hill" << QStringList{"S", "1", "Y"} << QStringList{}
      << "「y」为当前值时「s」算不出（计算出错，或所依据的结果不成立），无从求解" << "" << false;
  // The outer search never crosses: it stops at the bound.
  QTest::newRow("the bound") << "FlybackForm" << QStringList{"Text12", "80", "Text6"}
                             << QStringList{"Text17", "0", "Text8"}
      << "找不到使「导通时间(us)」等于 0 的「开关频率(Khz)」：已计算 40000 次（上限）仍未找到，已停止" << "" << false;
  QTest::newRow("one input for both") << "hill" << QStringList{"R", "9", "X"} << QStringList{"S", "1", "X"}
                                      << "两个条件须调整不同的输入" << "" << false;
}

void TestSweep::goalSeek() {
  QFETCH(QString, window);
  QFETCH(QStringList, first);
  QFETCH(QStringList, second);
  QFETCH(QString, expected);
  QFETCH(QString, achieved);
  QFETCH(bool, others);
  static const WindowSpec hillSpec = hill();
  const WindowSpec& spec = window == "hill" ? hillSpec : *windowSpec(window.toStdString());
  const auto condition = [](const QStringList& c) {
    return GoalCondition{c[0].toStdString(), c[1].toStdString(), c[2].toStdString()};
  };
  const GoalSeek g = ombrel::goalSeek(spec, {}, condition(first),
                                      second.isEmpty() ? std::nullopt : std::optional(condition(second)));
  QVERIFY(g.presses <= (second.isEmpty() ? kOnePresses : kTwoPresses));
  if (achieved.isEmpty()) {
    QVERIFY(!g.found && g.solved.empty() && g.achieved.empty());
    QCOMPARE(QString::fromStdString(g.status), expected);
    return;
  }
  QVERIFY2(g.found, g.status.c_str());
  const auto near = [](const std::string& got, const QString& want, double within) {
    const double a = NumberFromText(got), b = want.toDouble();
    return std::fabs(a - b) <= within * std::fabs(b);
  };
  QVERIFY2(near(g.solved, expected.section(',', 0, 0), 1e-9), g.solved.c_str());
  QVERIFY2(near(g.achieved, achieved.section(',', 0, 0), 1e-12), g.achieved.c_str());
  if (!second.isEmpty()) {
    QVERIFY2(near(g.solved2, expected.section(',', 1), 1e-9), g.solved2.c_str());
    QVERIFY2(near(g.achieved2, achieved.section(',', 1), 1e-12), g.achieved2.c_str());
  }
  QCOMPARE(QString::fromStdString(g.status).contains("可能还有其他解"), others);
}

// The loop window's design after 计算 with its defaults, with its computed
// parts, with E24 parts (62 kΩ, 20 nF, 1.2 nF), and with a right-half-plane
// zero at 20 kHz. Worked out in Python from the model in its header: T at
// 1 kHz (to 1e-12, through the C library's atan, hypot and log10), fc and PM
// (bisected, to 1e-9).
void TestSweep::loopResponse_data() {
  QTest::addColumn<QString>("series");
  QTest::addColumn<QString>("frhp");
  QTest::addColumn<QList<double>>("expected");  // dB and ° at 1 kHz, fc kHz, PM °
  QTest::newRow("computed") << "" << "" << QList<double>{19.57216116337833, -88.79486198294214, 9.965159325358383, 90.73270207693956};
  QTest::newRow("E24") << "E24" << " " << QList<double>{19.808349868925028, -89.51327572147858, 9.820983524773967, 90.09094439555629};
  QTest::newRow("RHP zero") << "" << "20" << QList<double>{19.58300497630053, -91.65726720905387, 11.504406190614152, 60.734572351668774};
}

void TestSweep::loopResponse() {
  QFETCH(QString, series);
  QFETCH(QString, frhp);
  QFETCH(QList<double>, expected);
  const WindowSpec& spec = *windowSpec("huanlu");
  FieldStore fields(spec);
  QCOMPARE(QString::fromStdString(std::get<std::string>(loopParts(spec, fields, ResultMarks()))),
           QString("「电源增益」还没有算出：请先在环路控制窗口按「计算」"));
  QVERIFY(!press(*spec.find("Command1"), fields));
  LoopParts parts = std::get<LoopParts>(loopParts(spec, fields, ResultMarks()));
  if (series == "E24") parts = standardParts(parts, ESeries::E24);
  const auto zero = rhpZero(frhp.toStdString());
  const std::optional<double> fr = std::get<std::optional<double>>(zero);
  const LoopAt at = loopAt(parts, fr, 1);
  const std::optional<Crossover> c = crossover(parts, fr);
  QVERIFY(c);
  const auto near = [](double got, double want, double within) { return std::fabs(got - want) <= within * std::fabs(want); };
  QVERIFY2(near(at.loop.db, expected[0], 1e-12) && near(at.loop.deg, expected[1], 1e-12),
           qPrintable(QString("%1 dB %2°").arg(at.loop.db, 0, 'g', 17).arg(at.loop.deg, 0, 'g', 17)));
  QVERIFY2(near(c->fc, expected[2], 1e-9) && near(c->pm, expected[3], 1e-9),
           qPrintable(QString("%1 kHz %2°").arg(c->fc, 0, 'g', 17).arg(c->pm, 0, 'g', 17)));
  QCOMPARE(QString::fromStdString(std::get<std::string>(rhpZero("-3"))), QString("「右半平面零点(kHz)」须为有限的正数，或不填"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// 反算, headless: one result or two brought to their targets by one input
// each, on a few windows and on a window of the test's own whose result
// rises and falls and whose other result faults; across a fault and a pole;
// and in words where no input value gives the target, where the search
// stops at its bound and where the condition cannot be solved. Inputs stay
// where their quantity allows, points with an impossible result do not
// count, counts come out whole.
#include <QtTest>
#include <cmath>
#include <map>
#include <optional>

#include "app/registry.h"
#include "common/calc.h"
#include "common/number.h"
#include "sweep/goal_seek.h"

using namespace ombrel;

namespace {

// r = x × (10 − x), from x = 4: rises to 25 at 5, then falls. p = 1 ÷ (x − 5),
// a pole at 5. q = 1 ÷ (x − 5.3000000000000007), a pole no 15-digit x reaches,
// so no point there faults. t = z − x turns, from z = 100: impossible from x = z on.
// s = y ÷ y, from y = 0, where it faults.
WindowSpec hill() {
  return {.name = "hill",
          .caption = "丘",
          .width = 9000,
          .height = 9000,
          .controls = {caption("L1", "x", {100, 100, 900, 255}, "X"), input("X", "4", {1100, 100, 1200, 345}),
                       caption("L2", "y", {100, 600, 900, 255}, "Y"), input("Y", "0", {1100, 600, 1200, 345}),
                       caption("L3", "r", {100, 1100, 900, 255}, "R"), output("R", {1100, 1100, 1200, 345}),
                       caption("L4", "s", {100, 1600, 900, 255}, "S"), output("S", {1100, 1600, 1200, 345}),
                       caption("L5", "p", {100, 2100, 900, 255}, "P"), output("P", {1100, 2100, 1200, 345}),
                       caption("L8", "q", {100, 3600, 900, 255}, "Q"), output("Q", {1100, 3600, 1200, 345}),
                       caption("L6", "z", {100, 2600, 900, 255}, "Z"), input("Z", "100", {1100, 2600, 1200, 345}),
                       caption("L7", "t", {100, 3100, 900, 255}, "T"),
                       output("T", {1100, 3100, 1200, 345}).of(q::turns),
                       calculate("Command1", "计算", {}, {"R", "T", "P", "Q", "S"},
                                 [](Calc& c) {
                                   const Real x = c.read("X"), z = c.read("Z");
                                   c.write("R", x * (Real(10) - x));
                                   c.write("T", z - x);
                                   c.write("P", Real(1) / (x - Real(5)));
                                   c.write("Q", Real(1) / (x - Real(5.3000000000000007)));
                                   const Real y = c.read("Y");
                                   c.write("S", y / y);
                                 })},
          .focus = {}};
}

}  // namespace

class TestGoalSeek : public QObject {
  Q_OBJECT

 private slots:
  void goalSeek_data();
  void goalSeek();
  void offered();
};

// 反算 on a few windows. Iterative: the input found is compared with the one
// worked out in Python to one part in 10⁹, the result to one part in 10¹²
// (the input's 15 digits allow no closer); or the status, whole.
//   Flyback 初级圈数 ∝ 1 ÷ B: B = 0.3 × 79.5020080321285 ÷ 80 = 0.29813253012048
//   Forward 初级圈数 ∝ 1 ÷ B: B = 0.3 × 213.888888888889 ÷ 214 = 0.29984423676012
//   lg 气隙 = N × 1.27e-3 × N × 144 ÷ 560 ≤ 0.2, N whole: 24 (0.188105142857143;
//   25 gives 0.204107142857143)
//   hill p = 1 ÷ (x − 5) = −0.1: x = −5, beyond the pole at 5, where it
//   faults; the values seen fall, jump and fall, so others might exist
//   Flyback 初级圈数 = 23.8506024096386 ÷ B = 1E+300: B = 2.3850602409638553E-299
//   Flyback 初级圈数 = 198.755020080321 × D at most, D below 1 (1 divides by zero)
//   Flyback 初级圈数 50 by Vin,min, 次级圈数 9 by D: 1 − D = 9 × 50 × 83 × 0.3 ÷ (600 × 20),
//   D = 0.06625, Vin,min = 664.513890742174; at the 15-digit neighbours of
//   D = 0.06625 the inner solutions' last digits jitter: rises and falls
//   磁件复核 ETD34, Aw 187.55: Σ N × n × π × d² ÷ 4 ÷ Aw ≤ 0.4: N3 = 200 (0.399336544183315;
//   201 gives 0.400383462556278)
// An achieved text that is a whole number is compared as text.
void TestGoalSeek::goalSeek_data() {
  QTest::addColumn<QString>("window");  // and "Field=text" inputs after a colon
  QTest::addColumn<QStringList>("first");   // result, target, input
  QTest::addColumn<QStringList>("second");  // the same, or none
  QTest::addColumn<QString>("expected");    // solved[,solved2] to 1e-9, "=solved" as text, or the status
  QTest::addColumn<QString>("achieved");    // achieved[,achieved2] to 1e-12
  QTest::addColumn<bool>("others");         // the status says others may give the target
  QTest::newRow("flyback turns by flux") << "FlybackForm" << QStringList{"Text12", "80", "Text6"} << QStringList{}
                                         << "0.29813253012048" << "80" << false;
  // Only D = 0.392686219167996 gives 6 from 80, and there no B gives 80 (one
  // B step moves 初级圈数 by 3 in its 15th digit): near, not whole.
  QTest::newRow("flyback both turns") << "FlybackForm" << QStringList{"Text12", "80", "Text6"}
                                      << QStringList{"Text13", "6", "Text9"} << "0.292681340160,0.392686219168"
                                      << "80.0,6.0" << false;
  QTest::newRow("forward turns by flux") << "ForwardForm" << QStringList{"Text6", "214", "Text4"} << QStringList{}
                                         << "0.29984423676012" << "214" << false;
  QTest::newRow("gap by whole turns") << "lg" << QStringList{"Text4", "0.2", "Text1"} << QStringList{} << "24"
                                      << "0.188105142857143" << false;
  QTest::newRow("across a fault and a pole") << "hill" << QStringList{"P", "-0.1", "X"} << QStringList{}
                                             << "-5" << "-0.1" << true;
  QTest::newRow("an impossible target") << "FlybackForm" << QStringList{"Text17", "0", "Text8"} << QStringList{}
      << "「导通时间(us)」不能为 0：时间不能为零" << "" << false;
  QTest::newRow("near zero") << "FlybackForm" << QStringList{"Text12", "1e300", "Text6"} << QStringList{}
                             << "2.3850602409638553E-299" << "1E+300" << false;
  QTest::newRow("allowed range") << "FlybackForm" << QStringList{"Text12", "200", "Text9"} << QStringList{}
      << "找不到使「初级圈数(T)」等于 200 的「最大占空比」：它在 0 到 1 之间时结果最大约为 198.76" << "" << false;
  // 9 is the nearer crossing, where t is −1; from 6 down, 1 (t 7).
  QTest::newRow("impossible results skipped") << "hill:X=6,Z=8" << QStringList{"R", "9", "X"} << QStringList{}
                                              << "1" << "9" << true;
  QTest::newRow("a whole count target") << "FlybackForm" << QStringList{"Text12", "50", "Text4"}
                                        << QStringList{"Text13", "9", "Text9"} << "664.513890742174,0.06625"
                                        << "50,9" << true;
  QTest::newRow("a count input") << "winding:N1=40,d1=0.5,n1=3,I1=1.2,N2=6,d2=0.8,n2=4,I2=6,d3=0.5,I3=1"
                                 << QStringList{"Ku", "0.4", "N3"} << QStringList{} << "200" << "0.399336544183315"
                                 << false;
  QTest::newRow("dependent conditions") << "FlybackForm" << QStringList{"Text12", "20", "Text6"}
                                        << QStringList{"Text13", "3", "Text7"}
      << "在满足条件一时，「次级圈数(T)」不随「磁材横截面积(mm2)」变化，两个条件无法同时满足" << "" << false;
  // 1 and 9 give 9: the one bracketed first (at the same distance, below), and others may exist.
  QTest::newRow("rises and falls") << "hill" << QStringList{"R", "9", "X"} << QStringList{} << "1" << "9" << true;
  // r = 9.7 at x = 5 − √15.3 = 1.08847855687841077…, between the 15-digit
  // neighbours …841 (r 9.69999999999999, 1e-14 off) and …842
  // (r 9.70000000000007, 7e-14 off): the nearer one, as text. (Where r moves
  // less than its own last digit in a step of x, a neighbour shows the
  // target itself and no end is chosen.)
  QTest::newRow("the nearer end") << "hill" << QStringList{"R", "9.7", "X"} << QStringList{}
                                  << "=1.08847855687841" << "=9.69999999999999" << true;
  // q jumps from −∞ to +∞ at its pole and never is 0: no crossing, the pole no answer.
  QTest::newRow("a pole that does not fault") << "hill" << QStringList{"Q", "0", "X"} << QStringList{}
      << "找不到使「q」等于 0 的「x」：结果在目标两侧都有，但跨过目标处是跳变或算不出" << "" << false;
  QTest::newRow("a target that is no number") << "lg" << QStringList{"Text4", " ", "Text1"} << QStringList{}
                                              << "请填写目标值" << "" << false;
  QTest::newRow("faults where it starts") << "hill" << QStringList{"S", "1", "Y"} << QStringList{}
      << "「y」为当前值时「s」算不出（计算出错，或所依据的结果不成立），无从求解" << "" << false;
  // 初级电流平均值 = 20 ÷ η ÷ 175 ÷ 1.414 ≥ 0.0808244089715094: the outer
  // search never crosses, and nears η = 0 until it stops at the bound.
  QTest::newRow("the bound") << "FlybackForm" << QStringList{"Text12", "80", "Text6"}
                             << QStringList{"Text15", "0.05", "Text3"}
      << "找不到使「初级电流平均值(A)」等于 0.05 的「效率」：已计算 40000 次（上限）仍未找到，已停止" << "" << false;
  QTest::newRow("one input for both") << "hill" << QStringList{"R", "9", "X"} << QStringList{"S", "1", "X"}
                                      << "两个条件须调整不同的输入" << "" << false;
}

void TestGoalSeek::goalSeek() {
  QFETCH(QString, window);
  QFETCH(QStringList, first);
  QFETCH(QStringList, second);
  QFETCH(QString, expected);
  QFETCH(QString, achieved);
  QFETCH(bool, others);
  static const WindowSpec hillSpec = hill();
  const QString name = window.section(':', 0, 0);
  const WindowSpec& spec = name == "hill" ? hillSpec : *windowSpec(name.toStdString());
  std::map<std::string, std::string> texts;
  for (const QString& set : window.section(':', 1).split(',', Qt::SkipEmptyParts))
    texts[set.section('=', 0, 0).toStdString()] = set.section('=', 1).toStdString();
  const auto condition = [](const QStringList& c) {
    return GoalCondition{c[0].toStdString(), c[1].toStdString(), c[2].toStdString()};
  };
  const GoalSeek g = ombrel::goalSeek(spec, texts, condition(first),
                                      second.isEmpty() ? std::nullopt : std::optional(condition(second)));
  QVERIFY(g.presses <= (second.isEmpty() ? kOnePresses : kTwoPresses));
  if (achieved.isEmpty()) {
    QVERIFY(!g.found && g.solved.empty() && g.achieved.empty());
    QCOMPARE(QString::fromStdString(g.status), expected);
    return;
  }
  QVERIFY2(g.found, g.status.c_str());
  const auto near = [](const std::string& got, const QString& want, double within) {
    if (want.startsWith('=')) return got == want.mid(1).toStdString();  // as text, exactly
    bool whole = false;
    want.toLongLong(&whole);
    if (whole && within < 1e-9) return got == want.toStdString();
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

// What 反算 offers before it runs: every input that reaches the result, also
// through results it reads back (次级电流峰值 reads only results: 初级电流峰值,
// 初级圈数, 次级圈数); a count's target the whole number above, also where
// its fraction is below one half.
void TestGoalSeek::offered() {
  QString inputs;
  for (const std::string& i : goalInputs(*windowSpec("FlybackForm"), "Text23")) inputs += QString::fromStdString(i) + " ";
  QCOMPARE(inputs, QString("Text1 Text2 Text3 Text4 Text5 Text6 Text7 Text8 Text9 "));
  QCOMPARE(QString::fromStdString(defaultTarget(*windowSpec("FlybackForm"), "Text13", "5.3")), QString("6"));
}

QTEST_APPLESS_MAIN(TestGoalSeek)
#include "test_goal_seek.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// 反算, headless: one result or two brought to their targets by one input
// each, on a few windows and on a window of the test's own whose result
// rises and falls and whose other result faults; across a fault and a pole;
// and in words where no input value gives the target, where the search
// stops at its bound and where the condition cannot be solved.
#include <QtTest>
#include <cmath>
#include <optional>

#include "app/registry.h"
#include "common/calc.h"
#include "common/number.h"
#include "sweep/goal_seek.h"

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

}  // namespace

class TestGoalSeek : public QObject {
  Q_OBJECT

 private slots:
  void goalSeek_data();
  void goalSeek();
};

// 反算 on a few windows. Iterative: the input found is compared with the one
// worked out in Python to one part in 10⁹, the result to one part in 10¹²
// (the input's 15 digits allow no closer); or the status, whole.
//   Flyback 初级圈数 ∝ 1 ÷ B: B = 0.3 × 79.5020080321285 ÷ 80 = 0.29813253012048
//   Forward 初级圈数 ∝ 1 ÷ B: B = 0.3 × 213.888888888889 ÷ 214 = 0.29984423676012
//   lg 气隙 = N² × 1.27e-3 × 144 ÷ 560 = 0.2: N = 24.747190690442345
//   lg 气隙 = 73.152 ÷ L = −0.1: L = −731.52, beyond the pole at L = 0, where it
//   faults; the values seen fall, jump and fall, so others might exist
void TestGoalSeek::goalSeek_data() {
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

void TestGoalSeek::goalSeek() {
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

QTEST_APPLESS_MAIN(TestGoalSeek)
#include "test_goal_seek.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The loop's frequency response, headless: the loop window's parts after
// 计算, the loop gain at 1 kHz, the crossover and the phase margin with the
// computed parts, with E24 parts and with a right-half-plane zero, and what
// it says before 计算 and of a zero that is no positive number; the flyback's zero.
#include <QtTest>
#include <cmath>
#include <optional>

#include "app/registry.h"
#include "common/number.h"
#include "common/standard_values.h"
#include "exact.h"
#include "loop/loop_response.h"
#include "transformer/flyback_zero.h"

using namespace ombrel;

class TestLoopResponse : public QObject {
  Q_OBJECT

 private slots:
  void loopResponse_data();
  void loopResponse();
  void flybackZero_data();
  void flybackZero();
};

// The loop window's design after 计算 with its defaults, with its computed
// parts, with E24 parts (62 kΩ, 20 nF, 1.2 nF), and with a right-half-plane
// zero at 20 kHz. Worked out in Python from the model in its header: T at
// 1 kHz (to 1e-12, through the C library's atan, hypot and log10), fc and PM
// (bisected, to 1e-9).
void TestLoopResponse::loopResponse_data() {
  QTest::addColumn<QString>("series");
  QTest::addColumn<QString>("frhp");
  QTest::addColumn<QList<double>>("expected");  // dB and ° at 1 kHz, fc kHz, PM °
  QTest::newRow("computed") << "" << "" << QList<double>{19.57216116337833, -88.79486198294214, 9.965159325358383, 90.73270207693956};
  QTest::newRow("E24") << "E24" << " " << QList<double>{19.808349868925028, -89.51327572147858, 9.820983524773967, 90.09094439555629};
  QTest::newRow("RHP zero") << "" << "20" << QList<double>{19.58300497630053, -91.65726720905387, 11.504406190614152, 60.734572351668774};
}

void TestLoopResponse::loopResponse() {
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

// The flyback's zero from its defaults after 计算 (D 0.4, Vo 12 V, Ls 29.0303999999999 µH,
// Po 20 W), worked out in Python in the header's order: 35.525656940155336 kHz; or why not.
void TestLoopResponse::flybackZero_data() {
  QTest::addColumn<QString>("typed");  // after 计算; "-" for no 计算
  QTest::addColumn<QString>("expected");
  QTest::newRow("after 计算") << "" << "35.5256569401553";
  QTest::newRow("before 计算") << "-" << "「次级电感量(uH)」还没有算出：请先在反激变压器窗口按「计算」";
  QTest::newRow("a design changed") << "30" << "「次级电感量(uH)」是上次计算留下的或已过时的结果：请在反激变压器窗口重新按「计算」";
}

void TestLoopResponse::flybackZero() {
  QFETCH(QString, typed);
  QFETCH(QString, expected);
  const WindowSpec& spec = *windowSpec("FlybackForm");
  FieldStore fields(spec);
  ResultMarks marks;
  std::vector<Step> steps;
  if (typed != "-") marks.pressed(*spec.find("Command1"), press(*spec.find("Command1"), fields, &steps), steps);
  if (!typed.isEmpty() && typed != "-") fields.setText("Text1", typed.toStdString());  // 输出功率（W）
  const auto zero = flybackRhpZero({&spec, &fields, &marks});
  const FlybackZero* z = std::get_if<FlybackZero>(&zero);
  QCOMPARE(QString::fromStdString(z ? TextFromNumber(z->fr) : std::get<std::string>(zero)), expected);
  if (z) QCOMPARE_BITS(z->fr, 35.525656940155336);
}

QTEST_APPLESS_MAIN(TestLoopResponse)
#include "test_loop_response.moc"

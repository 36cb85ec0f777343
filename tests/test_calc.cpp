// SPDX-License-Identifier: GPL-3.0-or-later
// Checked arithmetic and the calculation step: faults stop a calculation at
// the first faulting operation, earlier outputs stay, later ones keep their texts.
#include <QtTest>
#include <functional>
#include <stdexcept>

#include "common/calc.h"
#include "common/number.h"
#include "common/powers.h"
#include "common/real.h"
#include "elementary_cases.h"
#include "exact.h"

using namespace ombrel;

Q_DECLARE_METATYPE(ombrel::FaultKind)

namespace {

// A three-output window: Text4 = a + b, Text5 = Text4 read back × 3,
// Text6 = Text5 ÷ c, Text7 = √Text6.
WindowSpec chain() {
  return {
      .name = "chain",
      .caption = "chain",
      .width = 3000,
      .height = 3000,
      .controls =
          {
              caption("Label1", "甲", {0, 0, 100, 100}, "Text1"),
              input("Text1", "1", {}),
              input("Text2", "2", {}),
              input("Text3", "4", {}),
              caption("Label4", "和(V)", {0, 0, 100, 100}, "Text4"),
              output("Text4", {}),
              caption("Label5", "三倍(V)", {0, 0, 100, 100}, "Text5"),
              output("Text5", {}),
              caption("Label6", "商(A)", {0, 0, 100, 100}, "Text6"),
              output("Text6", {}),
              caption("Label7", "根(A)", {0, 0, 100, 100}, "Text7"),
              output("Text7", {}),
              calculate("Command1", "计算", {}, {"Text4", "Text5", "Text6", "Text7"},
                        [](Calc& c) {
                          c.write("Text4", c.read("Text1") + c.read("Text2"));
                          c.write("Text5", c.read("Text4") * 3);
                          c.write("Text6", c.read("Text5") / c.read("Text3"));
                          c.write("Text7", power(c.read("Text6"), 0.5));
                        }),
              // A handler that writes an output it did not declare.
              calculate("Command3", "计算", {}, {"Text4"},
                        [](Calc& c) { c.write("Text5", c.read("Text1")); }),
          },
      .focus = {},
  };
}

QString at(const FieldStore& f, const char* name) { return QString::fromStdString(f.text(name)); }

}  // namespace

class TestCalc : public QObject {
  Q_OBJECT

 private slots:
  void operations_data();
  void operations();
  void outputsInOrder();
  void readBackGoesThroughText();
  void faultStopsAtTheFaultingOutput_data();
  void faultStopsAtTheFaultingOutput();
  void typedOutputSurvivesFaultAndIsOverwrittenLater();
  void pressingTwiceWritesTheSameTexts();
  void faultMessageNamesKindAndOutput();
  void undeclaredWriteIsAProgramError();
  void powersAreCorrectlyRounded_data();
  void powersAreCorrectlyRounded();
  void elementaryFunctionsAreCorrectlyRounded_data();
  void elementaryFunctionsAreCorrectlyRounded();
};

void TestCalc::operations_data() {
  QTest::addColumn<std::function<Real()>>("formula");
  QTest::addColumn<bool>("faults");
  QTest::addColumn<FaultKind>("kind");
  QTest::addColumn<double>("value");

  const auto ok = [](std::function<Real()> f, double v) {
    return std::make_tuple(f, false, FaultKind::Overflow, v);
  };
  const auto bad = [](std::function<Real()> f, FaultKind k) { return std::make_tuple(f, true, k, 0.0); };
  const auto row = [](const char* name, auto t) {
    QTest::newRow(name) << std::get<0>(t) << std::get<1>(t) << std::get<2>(t) << std::get<3>(t);
  };

  row("x / 0", bad([] { return Real(1) / 0; }, FaultKind::DivideByZero));
  row("-x / 0", bad([] { return Real(-5) / 0.0; }, FaultKind::DivideByZero));
  row("0 / 0", bad([] { return Real(0) / 0; }, FaultKind::InvalidOperation));
  row("x / -0", bad([] { return Real(2) / -0.0; }, FaultKind::DivideByZero));
  row("product overflows", bad([] { return Real(1e200) * 1e200; }, FaultKind::Overflow));
  row("sum overflows", bad([] { return Real(1.7e308) + 1.7e308; }, FaultKind::Overflow));
  row("difference overflows", bad([] { return Real(-1.7e308) - 1.7e308; }, FaultKind::Overflow));
  row("quotient overflows", bad([] { return Real(1e300) / 1e-300; }, FaultKind::Overflow));
  row("root of negative", bad([] { return power(Real(-4), 0.5); }, FaultKind::InvalidOperation));
  row("power overflows", bad([] { return power(Real(1e300), 2.0); }, FaultKind::Overflow));
  row("computed exponent overflows", bad([] { return power(Real(10), Real(1e5) / 40); }, FaultKind::Overflow));
  row("computed exponent, zero to a negative power",
      bad([] { return power(Real(0), Real(-3) / 40); }, FaultKind::DivideByZero));
  row("computed exponent of a negative base", bad([] { return power(Real(-10), Real(1) / 40); }, FaultKind::InvalidOperation));
  row("first fault wins", bad([] { return (Real(1) / 0) * 0; }, FaultKind::DivideByZero));
  row("underflow is no fault", ok([] { return Real(1e-200) * 1e-200; }, 0.0));
  row("root of zero", ok([] { return power(Real(0), 0.5); }, 0.0));
  row("root", ok([] { return power(Real(2.25), 0.5); }, 1.5));
  // 10^(-24 / 40) = 10^-0.6, the double nearest 0.251188643150958.
  row("computed exponent", ok([] { return power(Real(10), Real(-24) / 40); }, 0x1.0137987dd704cp-2));
  row("computed exponent underflows to 0", ok([] { return power(Real(10), Real(-1e5) / 40); }, 0.0));
  // Evaluated left to right; the turns multiplied first, 1.27 × 0.001 folded,
  // ÷ 1000 last, Ae ÷ L first or the turns × Ae paired give ...4fe, Ae ÷ L
  // leading or right to left ...4ff (tests/find_pins.py lg.Text4 --bits).
  row("left to right", ok([] { return Real(9) * 1.27 * 0.001 * 9 * 52 / 560; }, 0x1.3901c7fb134fdp-7));
  row("negation", ok([] { return -Real(3) + 1; }, -2.0));
}

void TestCalc::operations() {
  QFETCH(std::function<Real()>, formula);
  QFETCH(bool, faults);
  QFETCH(FaultKind, kind);
  QFETCH(double, value);
  try {
    const Real r = formula();
    QVERIFY2(!faults, "expected a fault");
    QCOMPARE_BITS(r.value(), value);
  } catch (const ArithmeticFault& fault) {
    QVERIFY2(faults, "unexpected fault");
    QCOMPARE(fault.kind, kind);
  }
}

void TestCalc::outputsInOrder() {
  const WindowSpec spec = chain();
  FieldStore f(spec);
  QVERIFY(!press(*spec.find("Command1"), f));
  QCOMPARE(at(f, "Text4"), "3");
  QCOMPARE(at(f, "Text5"), "9");
  QCOMPARE(at(f, "Text6"), "2.25");
  QCOMPARE(at(f, "Text7"), "1.5");
  QCOMPARE(f.written(), (std::vector<std::string>{"Text4", "Text5", "Text6", "Text7"}));
}

// 1/3 shows as 0.333333333333333; three times the shown value is
// 0.999999999999999, not 1.
void TestCalc::readBackGoesThroughText() {
  const WindowSpec spec = chain();
  FieldStore f(spec);
  f.setText("Text1", "0.333333333333333333");
  f.setText("Text2", "0");
  QVERIFY(!press(*spec.find("Command1"), f));
  QCOMPARE(at(f, "Text4"), "0.333333333333333");
  QCOMPARE(at(f, "Text5"), "0.999999999999999");
}

void TestCalc::faultStopsAtTheFaultingOutput_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("text");
  QTest::addColumn<FaultKind>("kind");
  QTest::addColumn<QString>("faultingOutput");
  QTest::addColumn<int>("written");

  QTest::newRow("third output divides by zero") << "Text3" << "" << FaultKind::DivideByZero << "Text6" << 2;
  QTest::newRow("fourth takes root of negative") << "Text3" << "-4" << FaultKind::InvalidOperation << "Text7" << 3;
  QTest::newRow("input beyond range") << "Text2" << "1e999" << FaultKind::Overflow << "Text4" << 0;
  QTest::newRow("negative input beyond range") << "Text1" << "-1e999" << FaultKind::Overflow << "Text4" << 0;
  QTest::newRow("first output overflows") << "Text1" << "1.7e308" << FaultKind::Overflow << "Text5" << 1;
}

void TestCalc::faultStopsAtTheFaultingOutput() {
  QFETCH(QString, field);
  QFETCH(QString, text);
  QFETCH(FaultKind, kind);
  QFETCH(QString, faultingOutput);
  QFETCH(int, written);

  const WindowSpec spec = chain();
  FieldStore f(spec);
  for (const char* out : {"Text4", "Text5", "Text6", "Text7"}) f.setText(out, "old");
  f.setText(field.toStdString(), text.toStdString());
  const std::size_t before = f.written().size();

  const std::optional<Fault> fault = press(*spec.find("Command1"), f);
  QVERIFY(fault);
  QCOMPARE(fault->kind, kind);
  QCOMPARE(QString::fromStdString(fault->output), faultingOutput);
  QCOMPARE(int(f.written().size() - before), written);
  const char* outputs[] = {"Text4", "Text5", "Text6", "Text7"};
  for (int i = written; i < 4; ++i) QCOMPARE(at(f, outputs[i]), "old");
  if (kind == FaultKind::Overflow && written == 0) QCOMPARE(QString::fromStdString(fault->field), field);
}

void TestCalc::typedOutputSurvivesFaultAndIsOverwrittenLater() {
  const WindowSpec spec = chain();
  FieldStore f(spec);
  f.setText("Text7", "typed");
  f.setText("Text3", "0");
  QVERIFY(press(*spec.find("Command1"), f));
  QCOMPARE(at(f, "Text7"), "typed");
  f.setText("Text3", "4");
  QVERIFY(!press(*spec.find("Command1"), f));
  QCOMPARE(at(f, "Text7"), "1.5");
}

void TestCalc::pressingTwiceWritesTheSameTexts() {
  const WindowSpec spec = chain();
  FieldStore f(spec);
  f.setText("Text1", "0.1");
  f.setText("Text3", "7");
  QVERIFY(!press(*spec.find("Command1"), f));
  const std::vector<std::string> first = {f.text("Text4"), f.text("Text5"), f.text("Text6"), f.text("Text7")};
  QVERIFY(!press(*spec.find("Command1"), f));
  QCOMPARE((std::vector<std::string>{f.text("Text4"), f.text("Text5"), f.text("Text6"), f.text("Text7")}), first);
}

void TestCalc::faultMessageNamesKindAndOutput() {
  const WindowSpec spec = chain();
  const QString zero = QString::fromStdString(faultMessage(spec, {FaultKind::DivideByZero, "Text6", ""}));
  QVERIFY2(zero.contains("除数为零") && zero.contains("商(A)"), qPrintable(zero));
  const QString range = QString::fromStdString(faultMessage(spec, {FaultKind::Overflow, "Text4", "Text1"}));
  QVERIFY2(range.contains("溢出") && range.contains("甲") && range.contains("和(V)"), qPrintable(range));
  const QString invalid = QString::fromStdString(faultMessage(spec, {FaultKind::InvalidOperation, "Text7", ""}));
  QVERIFY2(invalid.contains("无效运算") && invalid.contains("根(A)"), qPrintable(invalid));
}

void TestCalc::undeclaredWriteIsAProgramError() {
  const WindowSpec spec = chain();
  FieldStore f(spec);
  QVERIFY_THROWS_EXCEPTION(std::logic_error, press(*spec.find("Command3"), f));
  QCOMPARE(at(f, "Text5"), "");
}

// The powers are the correctly rounded ones, whatever the C library: the
// expected doubles are the nearest to the exact values, worked out with
// Python's decimal at 80 digits (float(Decimal(10) ** Decimal(y))); square
// roots are IEEE's. The last four x are where glibc's pow(x, 0.5) is one
// unit off. Every whole power of ten from 1e-300 to 1e300 is the double its
// decimal text reads as.
void TestCalc::powersAreCorrectlyRounded_data() {
  QTest::addColumn<double>("x");
  QTest::addColumn<double>("y");
  QTest::addColumn<double>("expected");
  QTest::newRow("10^-0.6") << 10.0 << -0.6 << 0.251188643150958;
  QTest::newRow("10^-0.7") << 10.0 << -0.7 << 0.19952623149688797;
  QTest::newRow("10^-1.5") << 10.0 << -1.5 << 0.03162277660168379;
  QTest::newRow("10^0.0025") << 10.0 << 0.0025 << 1.0057730630017383;
  QTest::newRow("10^7.3") << 10.0 << 7.3 << 19952623.149688788;
  QTest::newRow("10^-250.25") << 10.0 << -250.25 << 5.6234132519034905e-251;
  QTest::newRow("10^300.7") << 10.0 << 300.7 << 5.0118723362725914e+300;
  QTest::newRow("10^0.5") << 10.0 << 0.5 << std::sqrt(10.0);
  QTest::newRow("sqrt 1") << 0x1.4db97669723b7p-900 << 0.5 << 0x1.244a3f820bf6fp-450;
  QTest::newRow("sqrt 2") << 0x1.d1b06a1995492p+86 << 0.5 << 0x1.5946fd2f8b165p+43;
  QTest::newRow("sqrt 3") << 0x1.2265e53cb81d6p+671 << 0.5 << 0x1.81986a4ccfc05p+335;
  QTest::newRow("sqrt 4") << 0x1.fc12c94409e2bp-987 << 0.5 << 0x1.fe086cfd42a55p-494;
  QTest::newRow("beyond the range") << 10.0 << 400.0 << HUGE_VAL;
  QTest::newRow("below the range") << 10.0 << -400.0 << 0.0;
}

void TestCalc::powersAreCorrectlyRounded() {
  QFETCH(double, x);
  QFETCH(double, y);
  QFETCH(double, expected);
  QCOMPARE_BITS(power(x, y), expected);
  if (QTest::currentDataTag() != QString("10^0.5")) return;
  for (int k = -300; k <= 300; ++k)
    QCOMPARE_BITS(power(10, k), NumberFromText("1e" + std::to_string(k)));
  QVERIFY(std::isnan(power(-4, 0.5)));
}

// The elementary functions on the rows of tests/elementary_cases.txt: hard
// cases for correct rounding, whose exact value lies a tiny fraction of a
// unit from the midpoint of two doubles, and everyday values, all worked out
// apart from the program (mpmath at 400 bits and more, rounded to nearest).
void TestCalc::elementaryFunctionsAreCorrectlyRounded_data() {
  QTest::addColumn<QString>("function");
  QTest::addColumn<double>("x");
  QTest::addColumn<double>("y");
  QTest::addColumn<double>("expected");
  const std::vector<test::ElementaryCase> cases = test::elementaryCases(OMBREL_ELEMENTARY_CASES);
  QVERIFY(cases.size() >= 40);
  for (const test::ElementaryCase& c : cases)
    QTest::addRow("%s, line %d", c.function.c_str(), c.line)
        << QString::fromStdString(c.function) << c.x << c.y << c.expected;
}

void TestCalc::elementaryFunctionsAreCorrectlyRounded() {
  QFETCH(QString, function);
  QFETCH(double, x);
  QFETCH(double, y);
  QFETCH(double, expected);
  const double actual = test::elementaryFunctions().at(function.toStdString())(x, y);
  if (std::isnan(expected)) QVERIFY(std::isnan(actual));
  else QCOMPARE_BITS(actual, expected);
}

QTEST_APPLESS_MAIN(TestCalc)
#include "test_calc.moc"

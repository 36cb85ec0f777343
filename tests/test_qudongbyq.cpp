// The drive transformer window, headless. Its calculate button is Command2.
// The expected texts were worked out from the formula as written, apart from
// the program.
#include <QtTest>

#include "app/registry.h"
#include "calc_rows.h"

using namespace ombrel;

class TestQudongbyq : public QObject {
  Q_OBJECT

 private slots:
  void press_data();
  void press() { test::checkCalcRow(*windowSpec("qudongbyq")); }
};

void TestQudongbyq::press_data() {
  test::calcColumns();
  const auto row = [](const char* name, const char* steps, QStringList typed, QStringList written,
                      const char* fault = "") {
    QTest::newRow(name) << QString(steps) << typed << written << QString(fault);
  };

  // "18 V on a small core" and "15 V at 50 kHz" show other texts if the three
  // divisors are multiplied together first, the voltage is scaled first, or
  // the frequency divides first. (Folding 100000 × 0.25 into 25000 cannot
  // change the result: 0.25 is a power of two.)
  row("defaults", "Command2", {},
      {"Text5=12500"});
  row("18 V on a small core", "Command2", {"Text1=18", "Text2=25", "Text3=0.2", "Text4=21.2"},
      {"Text5=4245.28301886793"});
  row("15 V at 50 kHz", "Command2", {"Text2=50", "Text3=0.18", "Text4=8.8"},
      {"Text5=4734.84848484849"});
  row("double the frequency, half the turns", "Command2", {"Text2=40"},
      {"Text5=6250"});
  row("unit typed after the voltage", "Command2", {"Text1=15V"},
      {"Text5=12500"});
  row("empty voltage", "Command2", {"Text1="},
      {"Text5=0"});
  row("press twice", "Command2; Command2", {},
      {"Text5=12500", "Text5=12500"});
  row("typed output is overwritten", "Command2", {"Text5=abc"},
      {"Text5=12500"});
  row("empty frequency", "Command2", {"Text2="},
      {}, "DivideByZero@Text5");
  row("zero flux density", "Command2", {"Text3=0"},
      {}, "DivideByZero@Text5");
  row("zero core area", "Command2", {"Text4=0"},
      {}, "DivideByZero@Text5");
  row("zero voltage and flux density", "Command2", {"Text1=0", "Text3=0"},
      {}, "InvalidOperation@Text5");
  row("a fault keeps the old turns", "Command2; Text4=; Command2", {},
      {"Text5=12500"}, "DivideByZero@Text5");
  row("voltage beyond range", "Command2", {"Text1=-1e999"},
      {}, "Overflow@Text5");
  row("turns overflow", "Command2", {"Text1=1e300", "Text3=1e-10"},
      {}, "Overflow@Text5");
}

QTEST_APPLESS_MAIN(TestQudongbyq)
#include "test_qudongbyq.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The drive transformer window, headless. Its calculate button is Command2.
// The expected texts were worked out from the formula as written, apart from
// the program.
#include "calc_rows.h"

using namespace ombrel;

void test::rows() {
  const auto row = [](const char* name, const char* steps, QStringList typed, QStringList written,
                      const char* fault = "") {
    QTest::newRow(name) << QString(steps) << typed << written << QString(fault);
  };

  // Only the constant is 1000 where 100000 stood: 15 V at 20 kHz on 5 mm2
  // at 0.3 T needs 15 ÷ (4 × 20e3 × 0.3 × 5e-6) = 125 turns.
  // "12 V at 100 kHz, 0.3 T" shows 5.0761421319797 if the divisors are
  // multiplied together first, the voltage is scaled first, the frequency
  // or Ae divides first, or V × 1000 is divided by 4·f·B·Ae. (Folding
  // 1000 × 0.25 into 250 cannot change the result: 0.25 is a power of two.)
  row("defaults", "Command2", {},
      {"Text5=125"});
  row("12 V at 100 kHz on 19.7 mm2", "Command2", {"Text1=12", "Text2=100", "Text3=0.2", "Text4=19.7"},
      {"Text5=7.61421319796954"});
  row("12 V at 100 kHz, 0.3 T", "Command2", {"Text1=12", "Text2=100", "Text4=19.7"},
      {"Text5=5.07614213197969"});
  row("double the frequency, half the turns", "Command2", {"Text2=40"},
      {"Text5=62.5"});
  row("unit typed after the voltage", "Command2", {"Text1=15V"},
      {"Text5=125"});
  row("empty voltage", "Command2", {"Text1="},
      {"Text5=0"});
  row("press twice", "Command2; Command2", {},
      {"Text5=125", "Text5=125"});
  row("typed output is overwritten", "Command2", {"Text5=abc"},
      {"Text5=125"});
  row("empty frequency", "Command2", {"Text2="},
      {}, "DivideByZero@Text5");
  row("zero flux density", "Command2", {"Text3=0"},
      {}, "DivideByZero@Text5");
  row("zero core area", "Command2", {"Text4=0"},
      {}, "DivideByZero@Text5");
  row("zero voltage and flux density", "Command2", {"Text1=0", "Text3=0"},
      {}, "InvalidOperation@Text5");
  row("a fault keeps the old turns", "Command2; Text4=; Command2", {},
      {"Text5=125"}, "DivideByZero@Text5");
  row("voltage beyond range", "Command2", {"Text1=-1e999"},
      {}, "Overflow@Text5 reading Text1");
  // The fields are read B, Ae, f, V before any division: a text beyond the
  // double range is the fault, whatever divisor is zero, and of two such
  // texts the first read is named.
  row("voltage beyond range, zero frequency", "Command2", {"Text1=1e999", "Text2=0"},
      {}, "Overflow@Text5 reading Text1");
  row("flux density and voltage beyond range", "Command2", {"Text1=1e999", "Text3=1e999"},
      {}, "Overflow@Text5 reading Text3");
  row("turns overflow", "Command2", {"Text1=1e300", "Text3=1e-10"},
      {}, "Overflow@Text5");
}

OMBREL_ROW_TEST("qudongbyq")
#include "moc_calc_rows.cpp"

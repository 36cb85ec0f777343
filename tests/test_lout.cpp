// SPDX-License-Identifier: GPL-3.0-or-later
// The output inductor window, headless.
#include "calc_rows.h"

using namespace ombrel;

void test::rows() {
  const auto row = [](const char* name, QStringList typed, const char* written, const char* fault = "",
                      const char* steps = "Command1") {
    QTest::newRow(name) << steps << typed << (*written ? QStringList{written} : QStringList{}) << fault;
  };
  row("defaults", {}, "Text7=770");
  // 250 V, 9:1, 6 A at 100 kHz: 5000 moved behind the duty cycle, the
  // divisors paired, 0.2 and 1000 written out, or ÷ n moved behind × 5000
  // each show 106.481481481481; the duty cycle multiplied last shows the same
  // text as the written order here.
  row("order of operations", {"Text6=9", "Text1=250", "Text3=6", "Text4=100", "Text5=0.46"},
      "Text7=106.481481481482");
  // 400 V, 3:1, 10 A at 150 kHz: each of those reorderings, the duty cycle
  // multiplied last too, shows 204.444444444444 (found with tests/find_pins.py).
  row("order of operations, duty cycle last", {"Text6=3", "Text1=400", "Text3=10", "Text4=150", "Text5=0.46"},
      "Text7=204.444444444445");
  row("370 V, 4:1, 10 A at 65 kHz", {"Text6=4", "Text1=370", "Text3=10", "Text4=65", "Text5=0.45"},
      "Text7=320.192307692308");
  row("duty cycle doubled for a bridge", {"Text5=0.88"}, "Text7=1540");
  row("output voltage empty", {"Text2="}, "Text7=770");
  row("output voltage changed", {"Text2=48"}, "Text7=770");
  row("output voltage beyond range is never read", {"Text2=1e999"}, "Text7=770");
  row("empty input voltage", {"Text1="}, "Text7=0");
  row("zero duty cycle", {"Text5=0"}, "Text7=0");
  row("typed result is overwritten", {"Text7=1"}, "Text7=770");

  row("empty turns ratio", {"Text6="}, "", "DivideByZero@Text7");
  row("zero frequency", {"Text4=0"}, "", "DivideByZero@Text7");
  row("empty current", {"Text3="}, "", "DivideByZero@Text7");
  row("zero over zero", {"Text1=0", "Text6=0"}, "", "InvalidOperation@Text7");
  row("fault keeps the earlier result", {}, "Text7=770", "DivideByZero@Text7", "Command1; Text3=; Command1");
  row("product overflows", {"Text1=1e306"}, "", "Overflow@Text7");
  row("duty cycle beyond range", {"Text5=1e999"}, "", "Overflow@Text7");
  // Several fields beyond range: the box names the first one the step reads.
  row("beyond range, ratio named first", {"Text1=1e999", "Text3=1e999", "Text4=1e999", "Text5=1e999", "Text6=1e999"}, "", "Overflow@Text7 reading Text6");
  row("beyond range, duty cycle named before frequency", {"Text1=1e999", "Text4=1e999", "Text5=1e999"}, "", "Overflow@Text7 reading Text5");
  row("beyond range, frequency named before current", {"Text3=1e999", "Text4=1e999"}, "", "Overflow@Text7 reading Text4");
  row("beyond range, current named before input voltage", {"Text1=1e999", "Text3=1e999"}, "", "Overflow@Text7 reading Text3");
}

OMBREL_ROW_TEST("lout")
#include "moc_calc_rows.cpp"

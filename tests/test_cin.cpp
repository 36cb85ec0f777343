// SPDX-License-Identifier: GPL-3.0-or-later
// The input capacitor window, headless.
#include "calc_rows.h"

using namespace ombrel;

void test::rows() {
  const auto row = [](const char* name, QStringList typed, const char* written, const char* fault = "",
                      const char* steps = "Command1") {
    QTest::newRow(name) << steps << typed << (*written ? QStringList{written} : QStringList{}) << fault;
  };
  row("defaults", {}, "Text7=55.1181102362205");
  // A shorter hold-up time at 60 Hz needs less than the 55.1 uF at 50 Hz.
  row("60 Hz mains", {"Text1=60"}, "Text7=41.994750656168");
  // 60 W on 187 V mains at 60 Hz: 2P × 1000 formed first, 2000 × P, 1000 moved
  // behind η, η and the denominator paired, η divided last, the hold-up time
  // over a common denominator, 1.414² for 2, or 1000 × 2P written first: each
  // shows another last digit.
  row("order of operations", {"Text1=60", "Text2=4", "Text3=60", "Text4=0.88", "Text5=187", "Text6=90"},
      "Text7=9.55576006515559");
  row("100 W on 176 V holding 200 V", {"Text3=100", "Text4=0.85", "Text5=176", "Text6=200"},
      "Text7=75.0300120048019");
  row("empty load power", {"Text3="}, "Text7=0");
  row("bridge conducts half a period", {"Text2=10"}, "Text7=0");
  row("bridge conducts longer", {"Text2=12"}, "Text7=-15.748031496063");
  row("DC voltage above the rectified peak", {"Text6=130"}, "Text7=-142.857142857143");
  row("typed result is overwritten", {"Text7=100"}, "Text7=55.1181102362205");

  row("empty mains frequency", {"Text1="}, "", "DivideByZero@Text7");
  row("zero efficiency", {"Text4=0"}, "", "DivideByZero@Text7");
  row("both voltages zero", {"Text5=0", "Text6=0"}, "", "DivideByZero@Text7");
  row("DC voltage equal to the rectified peak", {"Text5=7", "Text6=9.899494936611665"}, "",
      "DivideByZero@Text7");
  row("zero over zero", {"Text2=10", "Text5=", "Text6="}, "", "InvalidOperation@Text7");
  row("fault keeps the earlier result", {}, "Text7=55.1181102362205", "DivideByZero@Text7",
      "Command1; Text4=; Command1");
  row("denominator overflows", {"Text5=1e200"}, "", "Overflow@Text7");
  // Several fields beyond range: the box names the first one the step reads.
  row("beyond range, frequency named first", {"Text6=1e999", "Text1=1e999", "Text4=1e999"}, "", "Overflow@Text7 reading Text1");
  row("beyond range, AC named before DC", {"Text6=1e999", "Text5=1e999"}, "", "Overflow@Text7 reading Text5");
}

OMBREL_ROW_TEST("cin")
#include "moc_calc_rows.cpp"

// SPDX-License-Identifier: GPL-3.0-or-later
// The copper-strip layer window, headless.
#include "calc_rows.h"

using namespace ombrel;

void test::rows() {
  const auto row = [](const char* name, QStringList typed, const char* written, const char* fault = "") {
    QTest::newRow(name) << "Command1" << typed << (*written ? QStringList{written} : QStringList{}) << fault;
  };
  row("defaults", {}, "Text5=0.062111801242236");
  row("30 A in 20 x 0.3 mm at 6 A/mm2", {"Text1=30", "Text2=20", "Text3=0.3", "Text4=6"}, "Text5=0.833333333333333");
  // Dividing by the cross-section w × t in one, or in any other order,
  // gives 4.44444444444444.
  row("order of operations", {"Text1=40", "Text2=12", "Text3=0.15", "Text4=5"}, "Text5=4.44444444444445");
  row("no current", {"Text1=0"}, "Text5=0");
  row("negative current", {"Text1=-2"}, "Text5=-0.062111801242236");
  row("two negative inputs", {"Text1=-2", "Text2=-23"}, "Text5=0.062111801242236");
  row("unit typed after width", {"Text2=23mm"}, "Text5=0.062111801242236");
  row("typed output is overwritten", {"Text5=abc"}, "Text5=0.062111801242236");

  row("zero width", {"Text2=0"}, "", "DivideByZero@Text5");
  row("zero density", {"Text4=0"}, "", "DivideByZero@Text5");
  row("empty thickness", {"Text3="}, "", "DivideByZero@Text5");
  row("no current, zero width", {"Text1=0", "Text2=0"}, "", "InvalidOperation@Text5");
  row("thickness beyond range", {"Text3=-1e999"}, "", "Overflow@Text5");
  row("quotient overflows", {"Text1=1e300", "Text3=1e-20"}, "", "Overflow@Text5");
}

OMBREL_ROW_TEST("tongdai")
#include "moc_calc_rows.cpp"

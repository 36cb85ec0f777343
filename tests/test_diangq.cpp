// SPDX-License-Identifier: GPL-3.0-or-later
// The inductor turns window, headless.
#include "calc_rows.h"

using namespace ombrel;

void test::rows() {
  const auto row = [](const char* name, QStringList typed, const char* written, const char* fault = "",
                      const char* steps = "Command1") {
    QTest::newRow(name) << steps << typed << (*written ? QStringList{written} : QStringList{}) << fault;
  };
  row("defaults, fractional turns", {}, "Text5=2.08333333333333");
  // 2.5 A, 68 uH, 60 mm2, 0.35 T: dividing by Ae × B at once, dividing by B
  // first, or dividing before multiplying each show 8.09523809523809.
  row("order of operations", {"Text1=2.5", "Text2=68", "Text3=60", "Text4=0.35"}, "Text5=8.0952380952381");
  row("12 A choke", {"Text1=12", "Text2=150", "Text3=173", "Text4=0.32"}, "Text5=32.514450867052");
  row("empty current", {"Text1="}, "Text5=0");
  row("zero inductance", {"Text2=0"}, "Text5=0");
  row("typed result is overwritten", {"Text5=2"}, "Text5=2.08333333333333");

  row("empty area", {"Text3="}, "", "DivideByZero@Text5");
  row("zero flux density", {"Text4=0"}, "", "DivideByZero@Text5");
  row("zero over zero", {"Text1=0", "Text3=0"}, "", "InvalidOperation@Text5");
  row("fault keeps the earlier result", {}, "Text5=2.08333333333333", "DivideByZero@Text5",
      "Command1; Text4=T; Command1");
  row("product overflows", {"Text1=1e200", "Text2=1e200"}, "", "Overflow@Text5");
  // Several fields beyond range: the box names the first one the step reads.
  row("beyond range, inductance named first", {"Text1=1e999", "Text2=1e999", "Text3=1e999"}, "", "Overflow@Text5 reading Text2");
  row("beyond range, flux density named before current", {"Text1=1e999", "Text4=1e999"}, "", "Overflow@Text5 reading Text4");
}

OMBREL_ROW_TEST("diangq")
#include "moc_calc_rows.cpp"

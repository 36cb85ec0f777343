// SPDX-License-Identifier: GPL-3.0-or-later
// The parallel-wire window, headless.
#include "calc_rows.h"

using namespace ombrel;

void test::rows() {
  const auto row = [](const char* name, QStringList typed, const char* written, const char* fault = "") {
    QTest::newRow(name) << "Command1" << typed << (*written ? QStringList{written} : QStringList{}) << fault;
  };
  row("defaults", {}, "Text5=0.888591901728844");
  row("12 A in 0.8 mm wire at 5 A/mm2", {"Text1=12", "Text2=0.8", "Text4=5"}, "Text5=4.77707006369427");
  // Dividing by the area 3.14 × d × d ÷ 4 in one, by the density last, or
  // folding 4 ÷ 3.14 or 3.14 ÷ 4 each give 5.41438873807142.
  row("order of operations", {"Text1=9", "Text2=0.55", "Text4=7"}, "Text5=5.41438873807143");
  row("no current", {"Text1=0"}, "Text5=0");
  row("negative current", {"Text1=-2"}, "Text5=-0.888591901728844");
  row("negative diameter enters squared", {"Text2=-0.64"}, "Text5=0.888591901728844");
  row("unit typed after current", {"Text1=2A"}, "Text5=0.888591901728844");
  row("typed output is overwritten", {"Text5=abc"}, "Text5=0.888591901728844");

  row("zero density", {"Text4=0"}, "", "DivideByZero@Text5");
  row("empty diameter", {"Text2="}, "", "DivideByZero@Text5");
  row("no current, zero density", {"Text1=0", "Text4=0"}, "", "InvalidOperation@Text5");
  row("no current, empty diameter", {"Text1=", "Text2="}, "", "InvalidOperation@Text5");
  row("current beyond range", {"Text1=1e999"}, "", "Overflow@Text5");
  row("quotient overflows", {"Text2=1e-200"}, "", "Overflow@Text5");
}

OMBREL_ROW_TEST("daoxian")
#include "moc_calc_rows.cpp"

// SPDX-License-Identifier: GPL-3.0-or-later
// The inductor air-gap window, headless.
#include "calc_rows.h"

using namespace ombrel;

void test::rows() {
  const auto row = [](const char* name, QStringList typed, const char* written, const char* fault = "") {
    QTest::newRow(name) << "Command1" << typed << (*written ? QStringList{written} : QStringList{}) << fault;
  };
  row("defaults", {}, "Text4=0.130628571428571");
  // Worked out from the formula in its written order; multiplying the turns
  // first, folding 1.27 × 0.001 into 0.00127, dividing by 1000 last or
  // dividing Ae by L first each give 0.11541512195122.
  row("order of operations", {"Text1=18", "Text2=230", "Text3=820"}, "Text4=0.115415121951219");
  row("small core", {"Text1=9", "Text2=52", "Text3=680"}, "Text4=0.0078665294117647");
  row("unit typed after inductance", {"Text3=560uH"}, "Text4=0.130628571428571");
  row("blanks around turns", {"Text1= 2 0 "}, "Text4=0.130628571428571");
  row("negative turns enter squared", {"Text1=-20"}, "Text4=0.130628571428571");
  row("negative area", {"Text2=-144"}, "Text4=-0.130628571428571");
  row("negative inductance", {"Text3=-560"}, "Text4=-0.130628571428571");
  row("empty turns", {"Text1="}, "Text4=0");
  row("empty area", {"Text2="}, "Text4=0");
  row("rounded at 15 digits", {"Text1=3", "Text2=2.5", "Text3=0.5"}, "Text4=0.05715");
  row("underflow shows 0", {"Text1=1e-200", "Text2=1", "Text3=1"}, "Text4=0");
  row("hex turns", {"Text1=&H14"}, "Text4=0.130628571428571");
  row("typed output is overwritten", {"Text4=abc"}, "Text4=0.130628571428571");

  row("empty inductance", {"Text3="}, "", "DivideByZero@Text4");
  row("zero inductance", {"Text3=0"}, "", "DivideByZero@Text4");
  row("inductance not a number", {"Text3=uH560"}, "", "DivideByZero@Text4");
  row("zero over zero", {"Text1=0", "Text3=0"}, "", "InvalidOperation@Text4");
  row("inductance beyond range", {"Text3=1e999"}, "", "Overflow@Text4");
  row("turns beyond range", {"Text1=-1e999"}, "", "Overflow@Text4");
  // The fields are read N, Ae, L before the formula runs: a text beyond range
  // is the fault even with a zero divisor, and the first of two is named.
  row("area beyond range, zero inductance", {"Text2=1e999", "Text3=0"}, "", "Overflow@Text4 reading Text2");
  row("inductance and turns beyond range", {"Text1=1e999", "Text3=1e999"}, "", "Overflow@Text4 reading Text1");
  row("product overflows", {"Text1=1e200"}, "", "Overflow@Text4");
}

OMBREL_ROW_TEST("lg")
#include "moc_calc_rows.cpp"

// SPDX-License-Identifier: GPL-3.0-or-later
// The copper-strip resistance window, headless.
#include "calc_rows.h"

using namespace ombrel;

void test::rows() {
  const auto row = [](const char* name, QStringList typed, QStringList written, const char* fault = "") {
    QTest::newRow(name) << "Command1" << typed << written << fault;
  };
  row("defaults", {}, {"Text3=340", "Text7=0.68"});
  // Three layers of 12 x 0.2 mm strip. Dividing by A × n in one, by n first,
  // multiplying 17 last or folding 0.017 × 1000 gives 5.43055555555556; the
  // drop with ÷ 1000 first or folded into × 0.001 is 0.0380138888888889.
  row("order of operations", {"Text1=2.3", "Text5=3", "Text6=7", "Text8=2.4"},
      {"Text3=5.43055555555555", "Text7=0.0380138888888888"});
  // From the unrounded resistance the drop would be 0.272.
  row("drop from the resistance shown", {"Text1=0.8", "Text6=15", "Text8=0.75"},
      {"Text3=18.1333333333333", "Text7=0.271999999999999"});
  row("no length", {"Text1=0"}, {"Text3=0", "Text7=0"});
  row("no current", {"Text6=0"}, {"Text3=340", "Text7=0"});
  row("typed outputs are overwritten", {"Text3=1", "Text7=x"}, {"Text3=340", "Text7=0.68"});

  row("zero cross-section", {"Text8=0"}, {}, "DivideByZero@Text3");
  row("empty layer count", {"Text5="}, {}, "DivideByZero@Text3");
  row("no length, zero cross-section", {"Text1=0", "Text8=0"}, {}, "InvalidOperation@Text3");
  row("length beyond range", {"Text1=1e999"}, {}, "Overflow@Text3");
  row("drop overflows", {"Text6=1e308"}, {"Text3=340"}, "Overflow@Text7");
}

OMBREL_ROW_TEST("td")
#include "moc_calc_rows.cpp"

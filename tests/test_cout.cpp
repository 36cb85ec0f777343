// SPDX-License-Identifier: GPL-3.0-or-later
// The output capacitor window, headless.
#include "calc_rows.h"

using namespace ombrel;

void test::rows() {
  const auto row = [](const char* name, QStringList typed, QStringList written, const char* fault = "",
                      const char* steps = "Command1") {
    QTest::newRow(name) << steps << typed << written << fault;
  };
  const QStringList defaults{"Text6=120", "Text7=21.6"};
  row("defaults", {}, defaults);
  // Between them these two rows show another last digit for each reordering:
  // the current times 1000000 not formed first, the divisors paired, 1000000
  // multiplied last, (1 - D) multiplied after a division, the product
  // expanded, the ripple divided first, 1000000 split in two.
  row("order of operations, 0.5 A", {"Text1=0.5", "Text3=0.42", "Text4=65", "Text5=150"},
      {"Text6=29.7435897435898", "Text7=21.6"});
  row("order of operations, 2.5 A", {"Text1=2.5", "Text3=0.47", "Text4=130", "Text5=150"},
      {"Text6=67.9487179487179", "Text7=21.6"});
  row("10 A at 5 V and 200 kHz", {"Text1=10", "Text2=5", "Text3=0.45", "Text4=200", "Text5=50"},
      {"Text6=550", "Text7=9"});
  row("3.3 V rating", {"Text2=3.3"}, {"Text6=120", "Text7=5.94"});
  row("half the ripple", {"Text5=50"}, {"Text6=240", "Text7=21.6"});
  row("empty current", {"Text1="}, {"Text6=0", "Text7=21.6"});
  row("duty ratio 1", {"Text3=1"}, {"Text6=0", "Text7=21.6"});
  row("duty ratio above 1", {"Text3=1.2"}, {"Text6=-40", "Text7=21.6"});
  row("negative output voltage", {"Text2=-5"}, {"Text6=120", "Text7=-9"});
  row("zero output voltage", {"Text2=0"}, {"Text6=120", "Text7=0"});
  row("typed results are overwritten", {"Text6=1", "Text7=2"}, defaults);

  row("empty frequency", {"Text4="}, {}, "DivideByZero@Text6");
  row("zero ripple", {"Text5=0"}, {}, "DivideByZero@Text6");
  row("zero over zero", {"Text1=0", "Text5=0"}, {}, "InvalidOperation@Text6");
  // A fault in the capacitance stops before the rating: neither changes.
  row("fault keeps both earlier results", {}, defaults, "DivideByZero@Text6", "Command1; Text4=; Command1");
  row("fault keeps both typed texts", {"Text6=x", "Text7=y", "Text5=mV"}, {}, "DivideByZero@Text6");
  row("output voltage beyond range", {"Text2=1e999"}, {"Text6=120"}, "Overflow@Text7");
  row("rating overflows", {"Text2=1e308"}, {"Text6=120"}, "Overflow@Text7");
  // Several fields beyond range: the box names the first one the step reads.
  row("beyond range, current named first", {"Text5=1e999", "Text1=1e999", "Text3=1e999"}, {}, "Overflow@Text6 reading Text1");
  row("beyond range, duty ratio named before frequency", {"Text4=1e999", "Text3=1e999"}, {}, "Overflow@Text6 reading Text3");
  row("beyond range, frequency named before ripple", {"Text5=1e999", "Text4=1e999"}, {}, "Overflow@Text6 reading Text4");
}

OMBREL_ROW_TEST("cout")
#include "moc_calc_rows.cpp"

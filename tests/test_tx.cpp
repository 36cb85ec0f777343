// SPDX-License-Identifier: GPL-3.0-or-later
// The copper-wire resistance window, headless.
#include "calc_rows.h"

using namespace ombrel;

void test::rows() {
  const auto row = [](const char* name, QStringList typed, QStringList written, const char* fault = "") {
    QTest::newRow(name) << "Command1" << typed << written << fault;
  };
  row("defaults", {},
      {"Text2=0.321536", "Text3=10.5742436305732", "Text7=0.105742436305732", "Text8=1.60768"});
  row("2.5 m of three 0.8 mm wires at 6 A", {"Text1=2.5", "Text4=0.8", "Text5=3", "Text6=6"},
      {"Text2=0.5024", "Text3=28.197983014862", "Text7=0.169187898089172", "Text8=1.5072"});
  // Multiplying 3.14 in before the second d (3.14 × d × d ÷ 4, d × d × 0.785
  // taken as d × (0.785 × d)) gives 0.329832704063643.
  row("order of the cross-section", {"Text4=0.648204481442857"},
      {"Text2=0.329832704063644", "Text3=10.3082561495901", "Text7=0.103082561495901",
       "Text8=1.64916352031822"});
  // Dividing by a × n in one, by n first, multiplying 17 last or folding
  // 0.017 × 1000 give 0.837863184572597; the unrounded cross-section gives
  // 0.837863184572595.
  row("order of the resistance", {"Text1=1.5", "Text4=1.60769284249585", "Text5=15"},
      {"Text2=2.02897087651272", "Text3=0.837863184572596", "Text7=0.00837863184572596",
       "Text8=30.4345631476908"});
  // The drop from the resistance unrounded, or with ÷ 1000 taken first or
  // folded into × 0.001, is 0.289919704207221; the total from the unrounded
  // cross-section is 0.439776938751526.
  row("drop and total from the texts shown", {"Text1=1.5", "Text4=0.374241031850956", "Text5=4", "Text6=5"},
      {"Text2=0.109944234687882", "Text3=57.9839408414441", "Text7=0.28991970420722",
       "Text8=0.439776938751528"});
  row("no length", {"Text1=0"}, {"Text2=0.321536", "Text3=0", "Text7=0", "Text8=1.60768"});
  row("no current", {"Text6=0"},
      {"Text2=0.321536", "Text3=10.5742436305732", "Text7=0", "Text8=1.60768"});
  row("fractional wire count", {"Text5=2.5"},
      {"Text2=0.321536", "Text3=21.1484872611465", "Text7=0.211484872611465", "Text8=0.80384"});
  row("negative diameter enters squared", {"Text4=-0.64"},
      {"Text2=0.321536", "Text3=10.5742436305732", "Text7=0.105742436305732", "Text8=1.60768"});
  row("typed outputs are overwritten", {"Text2=1", "Text3=x", "Text7=", "Text8=9"},
      {"Text2=0.321536", "Text3=10.5742436305732", "Text7=0.105742436305732", "Text8=1.60768"});

  row("zero diameter", {"Text4=0"}, {"Text2=0"}, "DivideByZero@Text3");
  row("empty diameter", {"Text4="}, {"Text2=0"}, "DivideByZero@Text3");
  row("no wires", {"Text5=0"}, {"Text2=0.321536"}, "DivideByZero@Text3");
  row("no length, zero diameter", {"Text1=0", "Text4=0"}, {"Text2=0"}, "InvalidOperation@Text3");
  row("no length, no wires", {"Text1=", "Text5="}, {"Text2=0.321536"}, "InvalidOperation@Text3");
  row("diameter beyond range", {"Text4=1e999"}, {}, "Overflow@Text2");
  row("cross-section overflows", {"Text4=1e200"}, {}, "Overflow@Text2");
  row("current beyond range", {"Text6=-1e999"}, {"Text2=0.321536", "Text3=10.5742436305732"},
      "Overflow@Text7");
}

OMBREL_ROW_TEST("tx")
#include "moc_calc_rows.cpp"

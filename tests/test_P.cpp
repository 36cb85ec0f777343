// SPDX-License-Identifier: GPL-3.0-or-later
// The PFC inductor window, headless.
#include "calc_rows.h"

using namespace ombrel;

void test::rows() {
  const auto row = [](const char* name, QStringList typed, QStringList written, const char* fault = "",
                      const char* steps = "Command1") {
    QTest::newRow(name) << steps << typed << written << fault;
  };
  const QStringList defaults{"Text7=1.28079710144928", "Text8=0.256159420289856", "Text5=4099.00990099008"};
  row("defaults", {}, defaults);
  // 200 W from 110 V mains into a 420 V bus at 50 kHz. Every reordering of the
  // peak current shows 2.79446640316206; 20 % of the unrounded peak would be
  // 0.558893280632411; the inductance from the unrounded ripple, or with 1000
  // or 250 moved forward or the divisors paired, shows 3757.42574257426.
  row("order of operations and read-back",
      {"Text1=200", "Text3=420", "Text4=50", "Text6=110"},
      {"Text7=2.79446640316205", "Text8=0.55889328063241", "Text5=3757.42574257427"});
  row("500 W at 90 V and 65 kHz", {"Text1=500", "Text2=0.95", "Text3=400", "Text4=65", "Text6=90"},
      {"Text7=8.26900584795322", "Text8=1.65380116959064", "Text5=930.257860950932"});
  row("efficiency typed as a percentage", {"Text2=92"},
      {"Text7=0.0128079710144928", "Text8=0.00256159420289856", "Text5=409900.990099008"});
  row("typed results are overwritten before they are read", {"Text7=999", "Text8=abc"}, defaults);
  row("results typed between presses change nothing", {}, defaults + defaults, "",
      "Command1; Text7=5; Text8=0; Command1");
  row("pressed twice", {}, defaults + defaults, "", "Command1; Command1");

  row("empty efficiency", {"Text2="}, {}, "DivideByZero@Text7");
  row("zero lowest mains", {"Text6=0"}, {}, "DivideByZero@Text7");
  row("zero over zero", {"Text1=0", "Text2=0"}, {}, "InvalidOperation@Text7");
  row("faulting peak keeps the earlier results", {}, defaults, "DivideByZero@Text7",
      "Command1; Text6=; Command1");
  row("empty frequency", {"Text4="}, {"Text7=1.28079710144928", "Text8=0.256159420289856"},
      "DivideByZero@Text5");
  row("empty power", {"Text1="}, {"Text7=0", "Text8=0"}, "DivideByZero@Text5");
  row("power beyond range", {"Text1=1e999"}, {}, "Overflow@Text7");
  row("peak overflows", {"Text1=1e308", "Text2=0.1"}, {}, "Overflow@Text7");
  row("bus voltage beyond range", {"Text3=-1e999"}, {"Text7=1.28079710144928", "Text8=0.256159420289856"},
      "Overflow@Text5");
  // Several fields beyond range: the box names the first one the step reads.
  row("beyond range, efficiency named before mains and power", {"Text1=1e999", "Text6=1e999", "Text2=1e999"}, {}, "Overflow@Text7 reading Text2");
  row("beyond range, mains named before power", {"Text1=1e999", "Text6=1e999"}, {}, "Overflow@Text7 reading Text6");
  row("beyond range, frequency named before bus voltage", {"Text3=1e999", "Text4=1e999"}, {"Text7=1.28079710144928", "Text8=0.256159420289856"}, "Overflow@Text5 reading Text4");
}

OMBREL_ROW_TEST("P")
#include "moc_calc_rows.cpp"

// SPDX-License-Identifier: GPL-3.0-or-later
// The TL431 window, headless: three calculators that share nothing. Expected
// texts were worked out from the formulas as written.
#include "calc_rows.h"

using namespace ombrel;

void test::rows() {
  const auto row = [](const char* name, const char* steps, QStringList typed, QStringList written,
                      const char* fault = "") { QTest::newRow(name) << steps << typed << written << fault; };

  // Estimate: R3 = 1 and R2 = 1.5 are written first and read back. Vout − 1 −
  // 1.5 is exact in doubles for any Vout of a supply, so no regrouping can
  // show in its text; the rows pin the constants and the read-back instead.
  const auto estimate = [&](const char* name, QStringList typed, const char* r1) {
    row(name, "Command1", typed, {"Text4=1", "Text3=1.5", QString("Text2=") + r1});
  };
  estimate("estimate: defaults", {}, "9.5");
  estimate("estimate: 24 V", {"Text1=24"}, "21.5");
  estimate("estimate: 5 V", {"Text1=5"}, "2.5");
  estimate("estimate: 3.3 V", {"Text1=3.3"}, "0.8");
  estimate("estimate: below the reference", {"Text1=2"}, "-0.5");
  estimate("estimate: empty voltage", {"Text1="}, "-2.5");
  estimate("estimate overwrites typed R2 and R3", {"Text3=7", "Text4=9", "Text2=100"}, "9.5");

  // Check: R3 at its full value, then at zero.
  row("check: defaults", "Command2", {}, {"Text8=10.7", "Text9=16.1666666666667"});
  row("check: 10k, 2.2k and a 2k trimmer", "Command2", {"Text5=10", "Text6=2.2", "Text7=2"},
      {"Text8=8.45238095238095", "Text9=13.8636363636364"});
  row("check: 39k, 4.7k and a 2k trimmer", "Command2", {"Text5=39", "Text6=4.7", "Text7=2"},
      {"Text8=17.0522388059701", "Text9=23.2446808510638"});
  row("check: no trimmer gives one voltage", "Command2", {"Text7=0"},
      {"Text8=16.1666666666667", "Text9=16.1666666666667"});
  // Dividing the sum first, regrouping it, adding R3 before R1, or folding
  // 2.5/(R3 + R2) give 2.74633123689727.
  row("check: order of the low end", "Command2", {"Text5=0.47", "Text6=0.47", "Text7=4.3"},
      {"Text8=2.74633123689728", "Text9=5"});
  // Dividing first, 2.5 + 2.5·R1/R2, 2.5·(1 + R1/R2) or folding 2.5/R2 give
  // 6.51960784313725.
  row("check: order of the high end", "Command2", {"Text6=5.1"},
      {"Text8=5.86065573770492", "Text9=6.51960784313726"});
  row("check: R2 and R3 zero", "Command2", {"Text6=0", "Text7=0"}, {}, "DivideByZero@Text8");
  // R1, R2, R3 are read in that order before either voltage is computed.
  row("check: trimmer beyond range, R2 zero", "Command2", {"Text6=0", "Text7=1e999"}, {},
      "Overflow@Text8 reading Text7");
  row("check: R1 and the trimmer beyond range", "Command2", {"Text5=1e999", "Text7=1e999"}, {},
      "Overflow@Text8 reading Text5");
  row("check: R2 and R3 empty", "Command2", {"Text6=", "Text7="}, {}, "DivideByZero@Text8");
  row("check: all three zero", "Command2", {"Text5=0", "Text6=0", "Text7=0"}, {},
      "InvalidOperation@Text8");
  row("check: R2 zero with a trimmer", "Command2", {"Text6=0"}, {"Text8=23"}, "DivideByZero@Text9");
  row("check: R2 zero after a good run", "Command2; Text6=0; Command2", {},
      {"Text8=10.7", "Text9=16.1666666666667", "Text8=23"}, "DivideByZero@Text9");

  // LED current: (Vout − 4.3)/R5.
  row("LED: defaults", "Command3", {}, {"Text12=16.3829787234043"});
  row("LED: 5 V, 220 Ω", "Command3", {"Text11=5", "Text10=0.22"}, {"Text12=3.18181818181818"});
  row("LED: 24 V, 2.2k", "Command3", {"Text11=24", "Text10=2.2"}, {"Text12=8.95454545454545"});
  row("LED: below 4.3 V", "Command3", {"Text11=3.3"}, {"Text12=-2.12765957446809"});
  // Vout/R5 − 4.3/R5, or multiplying by 1/R5, give 3.12765957446809.
  row("LED: order", "Command3", {"Text11=19", "Text10=4.7"}, {"Text12=3.12765957446808"});
  row("LED: zero R5", "Command3", {"Text10=0"}, {}, "DivideByZero@Text12");
  row("LED: empty R5", "Command3", {"Text10="}, {}, "DivideByZero@Text12");
  row("LED: 4.3 V over zero", "Command3", {"Text11=4.3", "Text10=0"}, {}, "InvalidOperation@Text12");
  row("LED: zero R5 after a good run", "Command3; Text10=0; Command3", {}, {"Text12=16.3829787234043"},
      "DivideByZero@Text12");

  // Each button writes its own group only.
  row("all three in turn", "Command1; Command2; Command3", {},
      {"Text4=1", "Text3=1.5", "Text2=9.5", "Text8=10.7", "Text9=16.1666666666667",
       "Text12=16.3829787234043"});
}

OMBREL_ROW_TEST("TL431")
#include "moc_calc_rows.cpp"

// SPDX-License-Identifier: GPL-3.0-or-later
// The differential-mode choke window, headless.
#include "calc_rows.h"

using namespace ombrel;

void test::rows() {
  const auto row = [](const char* name, QStringList typed, QStringList written, const char* fault = "") {
    QTest::newRow(name) << "Command1" << typed << written << fault;
  };
  row("defaults", {}, {"Text5=5.02377286301916", "Text6=1120.46882795112"});
  row("100 kHz, -40 dB", {"Text1=100", "Text2=-40"}, {"Text5=10", "Text6=562.898089171975"});
  // 10^(A × 0.025), 10^(1/40) raised to A, or (10^A)^(1/40) each give 8.47522526773652.
  row("order of the corner", {"Text1=60", "Text2=-34", "Text4=0.5"},
      {"Text5=8.47522526773653", "Text6=469.709251847225"});
  // Dividing by 3.14 × fc in one or by fc first, multiplying by 1000 last,
  // ζR ÷ (6.28 fc) × 1000 or folding 500 ÷ 3.14 give 982.238576437575; the
  // unrounded corner gives 982.238576437574; R × 1000 or ζ × 1000 taken first
  // show the same text as the written order here.
  row("order of the inductance", {"Text1=65", "Text2=-28", "Text3=100", "Text4=0.8"},
      {"Text5=12.9692050472977", "Text6=982.238576437576"});
  // Each of those, R × 1000 and ζ × 1000 first too, gives 419.185297019905
  // (found with tests/find_pins.py). R·ζ taken before the halving gives the
  // same double on every input: × 0.5 is exact.
  row("order of the inductance, R × 1000 first", {"Text1=40", "Text4=0.529"},
      {"Text5=10.0475457260383", "Text6=419.185297019906"});
  row("corner above fs", {"Text2=24"}, {"Text5=79.6214341106994", "Text6=70.6968036256877"});
  row("no attenuation", {"Text2=0"}, {"Text5=20", "Text6=281.449044585987"});
  row("negative switching frequency", {"Text1=-20"}, {"Text5=-5.02377286301916", "Text6=-1120.46882795112"});
  row("no damping", {"Text4=0"}, {"Text5=5.02377286301916", "Text6=0"});
  row("no test impedance", {"Text3="}, {"Text5=5.02377286301916", "Text6=0"});
  row("corner far below fs", {"Text2=-1e4"}, {"Text5=2E-249", "Text6=2.81449044585987E+252"});
  row("typed outputs are overwritten", {"Text5=1", "Text6=x"}, {"Text5=5.02377286301916", "Text6=1120.46882795112"});

  row("no switching frequency", {"Text1=0"}, {"Text5=0"}, "DivideByZero@Text6");
  row("empty switching frequency", {"Text1="}, {"Text5=0"}, "DivideByZero@Text6");
  row("no switching frequency, no damping", {"Text1=0", "Text4=0"}, {"Text5=0"}, "InvalidOperation@Text6");
  row("huge attenuation wanted", {"Text2=-1e5"}, {"Text5=0"}, "DivideByZero@Text6");
  row("huge gain overflows", {"Text2=1e5"}, {}, "Overflow@Text5");
  row("attenuation beyond range", {"Text2=-1e999"}, {}, "Overflow@Text5");
  row("impedance beyond range", {"Text3=1e999"}, {"Text5=5.02377286301916"}, "Overflow@Text6");
}

OMBREL_ROW_TEST("gongm")
#include "moc_calc_rows.cpp"

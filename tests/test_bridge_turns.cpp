// SPDX-License-Identifier: GPL-3.0-or-later
// The forward, half-bridge and full-bridge turns windows, headless. The three
// windows share one set of rows; where a text depends on the constant of the
// primary turns (500 in the half bridge in place of 1000), the row takes its
// window's. The expected texts were worked out from the formulas as written,
// apart from the program; the secondary reads the primary turns back through
// the text of Text6.
#include "calc_rows.h"

using namespace ombrel;

namespace {

void row(const char* window, const char* name, const char* steps, QStringList typed, QStringList written,
         const char* fault = "") {
  QTest::addRow("%s: %s", window, name) << QString(window) << QString(steps) << typed << written
                                        << QString(fault);
}

// What the rows expect of a window, by the constant of its primary turns:
// 1000 in the forward and full-bridge windows, 500 in the half bridge.
struct Turns {
  const char* window;
  QString primary;    // Text6=... with the defaults
  QString secondary;  // Text8=... on that primary
  QString at380V;     // Text8=... with Text1 = 380 on the old primary
  QString atDuty04;   // Text8=... with Text3 = 0.4 on the old primary
};

const Turns kWindows[] = {
    {"ForwardForm", "Text6=213.888888888889", "Text8=55.5555555555556", "Text8=61.4035087719299",
     "Text8=61.1111111111111"},
    {"HalfBridgeForm", "Text6=106.944444444444", "Text8=27.7777777777777", "Text8=30.7017543859648",
     "Text8=30.5555555555554"},
    {"FullBridgeForm", "Text6=213.888888888889", "Text8=55.5555555555556", "Text8=61.4035087719299",
     "Text8=61.1111111111111"},
};

// The rows every turns window shares, its constant's texts filled in.
void turnsRows(const Turns& t) {
  const char* w = t.window;
  row(w, "defaults, primary", "Command1", {}, {t.primary});
  row(w, "defaults, both", "Command1; Command3", {}, {t.primary, t.secondary});
  row(w, "secondary before primary", "Command3", {}, {"Text8=0"});
  row(w, "secondary reads the edited primary turns", "Command1; Text6=100; Command3", {},
      {t.primary, "Text8=25.974025974026"});
  row(w, "secondary on typed primary turns", "Command3", {"Text6=214"}, {"Text8=55.5844155844156"});
  row(w, "new input voltage with the old primary turns", "Command1; Text1=380; Command3", {},
      {t.primary, t.at380V});
  row(w, "new duty cycle with the old primary turns", "Command1; Text3=0.4; Command3", {},
      {t.primary, t.atDuty04});
  row(w, "unit typed after the voltage", "Command1; Command3", {"Text1=420V"}, {t.primary, t.secondary});
  row(w, "empty frequency", "Command1", {"Text2="}, {}, "DivideByZero@Text6");
  row(w, "zero flux density", "Command1", {"Text4=0"}, {}, "DivideByZero@Text6");
  row(w, "zero core area", "Command1", {"Text5=0"}, {}, "DivideByZero@Text6");
  row(w, "zero voltage and frequency", "Command1", {"Text1=0", "Text2=0"}, {}, "InvalidOperation@Text6");
  row(w, "a primary fault keeps both old results", "Command1; Command3; Text2=; Command1", {},
      {t.primary, t.secondary}, "DivideByZero@Text6");
  row(w, "secondary without input voltage", "Command1; Text1=; Command3", {}, {t.primary},
      "DivideByZero@Text8");
  row(w, "secondary without duty cycle", "Command1; Text3=0; Command3", {}, {t.primary}, "DivideByZero@Text8");
  row(w, "secondary with nothing in it", "Command3", {"Text1="}, {}, "InvalidOperation@Text8");
  row(w, "voltage beyond range", "Command1", {"Text1=1e999"}, {}, "Overflow@Text6");
  // Each button reads all its fields before it divides: the text beyond the
  // double range is named, whatever divisor is zero.
  row(w, "core area beyond range, zero frequency", "Command1", {"Text2=0", "Text5=1e999"},
      {}, "Overflow@Text6 reading Text5");
  row(w, "output voltage beyond range, zero duty cycle", "Command3", {"Text3=0", "Text7=1e999"},
      {}, "Overflow@Text8 reading Text7");
}

}  // namespace

void test::rows() {
  for (const Turns& t : kWindows) turnsRows(t);
  // "primary pinned" shows another Text6 if Vin × D is taken first, the
  // divisors are multiplied together, or 1000 (500) moves to the end;
  // "secondary pinned" another Text8 if Vin × D is taken first or Np ÷ Vin
  // before the product.
  for (const char* w : {"ForwardForm", "FullBridgeForm"}) {
    row(w, "primary pinned", "Command1; Command3", {"Text1=385", "Text2=25", "Text3=0.48", "Text4=0.18", "Text5=83", "Text7=48"},
        {"Text6=494.779116465864", "Text8=128.5140562249"});
    row(w, "secondary pinned", "Command1; Command3", {"Text1=315", "Text2=100", "Text3=0.42", "Text4=0.28", "Text5=118", "Text7=28"},
        {"Text6=40.0423728813559", "Text8=8.47457627118643"});
  }
  row("HalfBridgeForm", "primary pinned", "Command1; Command3", {"Text1=315", "Text2=25", "Text3=0.42", "Text4=0.28", "Text5=118", "Text7=12"},
      {"Text6=80.0847457627119", "Text8=7.26392251815981"});
  row("HalfBridgeForm", "secondary pinned", "Command1; Command3", {"Text1=435", "Text2=65", "Text3=0.46", "Text4=0.15", "Text5=52", "Text7=24"},
      {"Text6=197.337278106509", "Text8=23.6686390532545"});
}

OMBREL_ROW_TEST("")
#include "moc_calc_rows.cpp"

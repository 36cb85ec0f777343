// SPDX-License-Identifier: GPL-3.0-or-later
// The figures every build computes alike, whatever its compiler, its
// optimisation and its platform, to the last digit:
// - every calculator's results and faults for its design texts and for 200
//   sets of inputs from a fixed seed, each button pressed in table order;
// - every standard core shape's C1, C2, le, Ae, Ve and Amin, exactly, and
//   the wires of both series;
// - the Bode table of the loop window's design, with and without a
//   right-half-plane zero and E24 parts, and of a few loops from the seed,
//   with their crossovers;
// - the elementary functions on a few thousand arguments from the seed, and
//   on the hard cases of tests/elementary_cases.txt.
// A double is written exactly (the shortest text that reads back as it);
// a field's text as the window shows it. The texts, one a line, go to
// same_figures.txt in the working folder, and their SHA-256 is printed as
// the digest. A build given another build's list (OMBREL_FIGURES_REFERENCE:
// the -O0, clang and sanitizer builds the -O2 build's, the Windows build the
// Linux build's) fails at the first figure that differs, and names it.
#include <QCryptographicHash>
#include <QtTest>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/registry.h"
#include "common/calc.h"
#include "common/marks.h"
#include "common/number.h"
#include "common/powers.h"
#include "common/spacing.h"
#include "loop/loop_fields.h"
#include "loop/loop_response.h"
#include "parts/parts.h"
#include "parts/shipped.h"
#include "elementary_cases.h"

using namespace ombrel;

namespace {

// splitmix64: the same numbers on every platform.
class Seed {
 public:
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15u);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
  double unit() { return static_cast<double>(next() >> 11) * 0x1p-53; }  // [0, 1)
  double between(double lo, double hi) { return lo + unit() * (hi - lo); }
  // Evenly in the exponent: 2^low to 2^(high + 1).
  // (Each draw a statement of its own: the order of a call's arguments is
  // the compiler's.)
  double magnitude(int lowExponent, int highExponent) {
    const double m = 1 + unit();
    const int e = lowExponent + below(highExponent - lowExponent + 1);
    return std::ldexp(m, e);
  }

 private:
  std::uint64_t state_ = 20261208;
};

std::string exact(double x) {
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, x).ptr;
  return std::string(text, end);
}

std::string hex(double x) {
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, x, std::chars_format::hex).ptr;
  return std::string(text, end);
}

// One figure a line: a fault box's line breaks are written as " / ".
class Figures {
 public:
  void add(std::string line) {
    for (std::size_t at; (at = line.find('\n')) != std::string::npos;) line.replace(at, 1, " / ");
    lines.push_back(std::move(line));
  }
  std::vector<std::string> lines;
};

// A window pressed as a user would: every calculate button in table order.
void pressAll(const WindowSpec& spec, FieldStore& store, const std::string& label, Figures& out) {
  for (const Control& c : spec.controls) {
    if (c.kind != ControlKind::Button || c.buttonRole != ButtonRole::Calculate) continue;
    const std::optional<Fault> fault = press(c, store);
    if (fault) out.add(label + " " + c.name + " " + faultMessage(spec, *fault));
  }
  for (const std::string& result : spec.results()) out.add(label + " " + result + "=" + store.text(result));
}

// An input's text near its design text: 20 % to 5 times it, now and then
// zero, negative, blank or left as designed; a list's item by the seed.
std::string nearDesign(const Control& field, const FieldStore& store, Seed& seed) {
  if (field.isChoice()) {
    const ChoiceList& list = *field.choices;
    const std::vector<std::string>& items = list.itemsFor(list.follows.empty() ? "" : store.text(list.follows));
    return items.empty() ? field.text : items[seed.below(static_cast<int>(items.size()))];
  }
  const double design = NumberFromText(field.text);
  switch (seed.below(16)) {
    case 0: return field.text;
    case 1: return "0";
    case 2: return "";
    case 3: return TextFromNumber(-design);
    default: break;
  }
  const double base = std::isfinite(design) && design != 0 ? design : 1;
  return TextFromNumber(base * (20 + seed.below(481)) / 100);
}

void calculators(Figures& out) {
  Seed seed;
  for (const WindowSpec* spec : builtWindows()) {
    FieldStore design(*spec);
    pressAll(*spec, design, spec->name + " design", out);
    const std::vector<std::string> results = spec->results();
    for (int set = 0; set < 200; ++set) {
      FieldStore store(*spec);
      for (const Control& c : spec->controls)
        if (c.kind == ControlKind::Field && std::find(results.begin(), results.end(), c.name) == results.end())
          store.setText(c.name, nearDesign(c, store, seed));
      pressAll(*spec, store, spec->name + " #" + std::to_string(set), out);
    }
  }
}

void parts(Figures& out) {
  for (const std::vector<PartEntry>& wires : {iecWires(), awgWires()})
    for (const PartEntry& w : wires) out.add("wire " + w.label + " " + w.text);
  for (const CoreShape& shape : standardShapes()) {
    const EffectiveParameters p = effectiveParameters(shape);
    out.add("core " + shape.family + " " + shape.name + " " + shape.subtype + " C1=" + exact(p.c1) +
            " C2=" + exact(p.c2) + " le=" + exact(p.le) + " Ae=" + exact(p.ae) + " Ve=" + exact(p.ve) +
            " Amin=" + exact(p.amin) + " " + p.error);
  }
}

void bode(Figures& out) {
  const WindowSpec& spec = *windowSpec("huanlu");
  Seed seed;
  for (int loop = 0; loop < 4; ++loop) {
    FieldStore store(spec);
    if (loop > 0)
      for (const char* input : {loop_fields::kSwitching, loop_fields::kR1})
        store.setText(input, nearDesign(*spec.find(input), store, seed));
    ResultMarks marks;
    for (const Control& c : spec.controls)
      if (c.kind == ControlKind::Button && c.buttonRole == ButtonRole::Calculate) {
        std::vector<Step> steps;
        const std::optional<Fault> fault = press(c, store, &steps);
        marks.pressed(c, fault, steps);
      }
    const auto parts = loopParts(spec, store, marks);
    const std::string label = "bode " + std::to_string(loop);
    if (const auto* why = std::get_if<std::string>(&parts)) {
      out.add(label + " " + *why);
      continue;
    }
    const LoopParts& computed = std::get<LoopParts>(parts);
    for (const std::optional<double> frhp : {std::optional<double>(), std::optional<double>(20.0)}) {
      std::istringstream table(bodeTable(computed, standardParts(computed, ESeries::E24), frhp,
                                         bodeFrequencies(computed)));
      for (std::string line; std::getline(table, line);) out.add(label + " " + line);
      if (const std::optional<Crossover> c = crossover(computed, frhp))
        out.add(label + " fc=" + exact(c->fc) + " PM=" + exact(c->pm));
    }
  }
  for (const double f : spacedPoints(0.001, 1e6, 61, true)) out.add("log point " + exact(f));
}

// The elementary functions, each on arguments across its domain, and the
// powers of the formulas.
struct Arguments {
  const char* function;
  std::function<double(Seed&)> x, y;
};

void elementary(Figures& out) {
  const auto any = [](Seed& s) {
    const double sign = s.below(2) ? -1 : 1;
    return sign * s.magnitude(-1074, 1023);
  };
  const auto positive = [](Seed& s) { return s.magnitude(-1074, 1023); };
  const auto between = [](double lo, double hi) { return [=](Seed& s) { return s.between(lo, hi); }; };
  const auto none = [](Seed&) { return 0.0; };
  const std::vector<Arguments> arguments = {
      {"exp", between(-746, 710), none},         {"log", positive, none},
      {"log10", positive, none},                 {"pow", [](Seed& s) { return s.magnitude(-30, 30); }, between(-30, 30)},
      {"sin", any, none},                        {"cos", any, none},
      {"tan", between(-100, 100), none},         {"asin", between(-1, 1), none},
      {"acos", between(-1, 1), none},            {"atan", any, none},
      {"atan2", any, any},                       {"hypot", any, any},
      {"sinh", between(-711, 711), none},        {"cosh", between(-711, 711), none},
      {"tanh", between(-20, 20), none},          {"tgamma", between(-180, 172), none},
  };
  Seed seed;
  for (const Arguments& a : arguments) {
    const test::Elementary& f = test::elementaryFunctions().at(a.function);
    for (int i = 0; i < 250; ++i) {
      const double x = a.x(seed), y = a.y(seed);
      out.add(std::string(a.function) + " " + hex(x) + " " + hex(y) + " " + hex(f(x, y)));
    }
  }
  for (int i = 0; i < 250; ++i) {
    const double x = seed.below(2) ? 10 : seed.between(0, 1000), y = seed.between(-330, 310);
    out.add("power " + hex(x) + " " + hex(y) + " " + hex(power(x, y)));
  }
  for (const test::ElementaryCase& c : test::elementaryCases(OMBREL_ELEMENTARY_CASES))
    out.add("case " + c.function + " " + hex(c.x) + " " + hex(c.y) + " " +
            hex(test::elementaryFunctions().at(c.function)(c.x, c.y)));
}

}  // namespace

class TestSameFigures : public QObject {
  Q_OBJECT
 private slots:
  void figuresAreTheSame();
};

void TestSameFigures::figuresAreTheSame() {
  Figures figures;
  calculators(figures);
  parts(figures);
  bode(figures);
  elementary(figures);

  QCryptographicHash digest(QCryptographicHash::Sha256);
  std::ofstream list("same_figures.txt", std::ios::binary);
  for (const std::string& line : figures.lines) {
    list << line << '\n';
    digest.addData(QByteArray::fromStdString(line + '\n'));
  }
  list.close();
  QVERIFY2(list.good(), "same_figures.txt not written");
  qInfo("%zu figures, digest %s", figures.lines.size(), digest.result().toHex().constData());
  // Every part of the table is there: a window, a core, a Bode row, a hard case.
  for (const char* part : {"FlybackForm #199 ", "core ", "bode 0 频率(kHz)", "case exp "})
    QVERIFY2(std::any_of(figures.lines.begin(), figures.lines.end(),
                         [&](const std::string& l) { return l.rfind(part, 0) == 0; }),
             part);

  const std::string reference = OMBREL_FIGURES_REFERENCE;
  if (reference.empty()) return;
  std::ifstream other(reference, std::ios::binary);
  QVERIFY2(other.good(), ("no reference list " + reference).c_str());
  std::size_t n = 0;
  for (std::string line; std::getline(other, line); ++n) {
    QVERIFY2(n < figures.lines.size(), ("this build has no figure " + std::to_string(n + 1) + ": " + line).c_str());
    QVERIFY2(figures.lines[n] == line, ("figure " + std::to_string(n + 1) + " differs: the reference build's \"" +
                                        line + "\", this build's \"" + figures.lines[n] + "\"")
                                           .c_str());
  }
  QCOMPARE(n, figures.lines.size());
}

QTEST_APPLESS_MAIN(TestSameFigures)
#include "test_same_figures.moc"

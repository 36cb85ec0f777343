// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop/loop_response.h"

#include <cmath>
#include <numbers>

#include "common/elementary.h"
#include "common/number.h"
#include "common/powers.h"
#include "common/spacing.h"
#include "loop/loop_fields.h"

namespace ombrel {

namespace {

namespace lf = loop_fields;

constexpr double pi = std::numbers::pi;

double db(double magnitude) { return 20 * cr::log10(magnitude); }
double deg(double radians) { return radians * 180 / pi; }

// |T| and, where asked, ∠T at f kHz: each factor's magnitude and phase. The
// magnitudes are the same products either way; the crossover's search needs
// only them.
struct Polar {
  bool phases = true;
  double mag = 1, phase = 0;
  void times(double m, double p) { mag *= m, phase += p; }
  double angle(double x) const { return phases ? cr::atan(x) : 0; }
};

Polar stage(const LoopParts& p, std::optional<double> frhp, double f, bool phases) {
  Polar s{phases};
  s.times(std::fabs(p.g), p.g < 0 ? pi : 0);
  s.times(cr::hypot(1, f / p.fz), s.angle(f / p.fz));
  s.times(1 / cr::hypot(1, f / p.fp), -s.angle(f / p.fp));
  if (frhp) s.times(cr::hypot(1, f / *frhp), -s.angle(f / *frhp));
  return s;
}

Polar compensator(const LoopParts& p, double f, bool phases) {
  // Ω and F: kΩ × 1e3, nF × 1e-9; ω in rad/s from f in kHz.
  const double w = 2 * pi * f * 1e3, r1 = p.r1 * 1e3, r3 = p.r3 * 1e3, c1 = p.c1 * 1e-9, c2 = p.c2 * 1e-9;
  const double zero = w * r3 * c1, pole = w * r3 * c1 * c2 / (c1 + c2);
  Polar c{phases};
  c.times(cr::hypot(1, zero), c.angle(zero));
  c.times(1 / (w * r1 * (c1 + c2)), -pi / 2);
  c.times(1 / cr::hypot(1, pole), -c.angle(pole));
  return c;
}

// T = Gps · Gc from the two factors.
Polar product(Polar s, const Polar& c) {
  s.times(c.mag, c.phase);
  return s;
}

Polar loop(const LoopParts& p, std::optional<double> frhp, double f, bool phases = true) {
  return product(stage(p, frhp, f, phases), compensator(p, f, phases));
}

}  // namespace

std::variant<LoopParts, std::string> loopParts(const WindowSpec& spec, const Fields& fields, const ResultMarks& marks) {
  LoopParts p;
  const std::pair<const char*, double*> read[] = {{lf::kGain, &p.g}, {lf::kPole, &p.fp}, {lf::kZero, &p.fz},
                                                  {lf::kR1, &p.r1}, {lf::kR3, &p.r3}, {lf::kC1, &p.c1},
                                                  {lf::kC2, &p.c2}, {lf::kSwitching, &p.fs}};
  for (const auto& [field, value] : read) {
    const Control* c = spec.find(field);
    if (!c) return std::string("不是环路控制窗口");
    const std::string name = spec.placedCaption(field, "「", "」");
    const std::string text = fields.text(field);
    const FieldMark mark = marks.mark(spec, fields, field);
    if (c->fieldRole == FieldRole::Output && IsBlank(text))
      return name + "还没有算出：请先在环路控制窗口按「计算」";
    if (c->fieldRole == FieldRole::Output && mark.look != Look::Plain)
      return name + "是" + (mark.look == Look::Impossible ? "不合理的结果" : "上次计算留下的或已过时的结果") +
             "：请在环路控制窗口重新按「计算」";
    *value = NumberFromText(text);
    if (!(*value > 0 && std::isfinite(*value)) && std::string(field) != lf::kGain)
      return name + "须为有限的正数";
    if (!std::isfinite(*value) || *value == 0) return name + "须为有限的非零数";
  }
  return p;
}

LoopParts standardParts(LoopParts parts, ESeries series) {
  for (double* v : {&parts.r3, &parts.c1, &parts.c2})
    if (const std::optional<double> n = nearestStandard(series, *v)) *v = *n;
  return parts;
}

std::variant<std::optional<double>, std::string> rhpZero(const std::string& text) {
  if (IsBlank(text)) return std::optional<double>();
  const double f = NumberFromText(text);
  if (!(f > 0 && std::isfinite(f))) return std::string("「右半平面零点(kHz)」须为有限的正数，或不填");
  return std::optional<double>(f);
}

LoopAt loopAt(const LoopParts& parts, std::optional<double> frhp, double f) {
  const Polar s = stage(parts, frhp, f, true), c = compensator(parts, f, true), t = product(s, c);
  return {{db(t.mag), deg(t.phase)}, {db(s.mag), deg(s.phase)}, {db(c.mag), deg(c.phase)}};
}

std::optional<Crossover> crossover(const LoopParts& parts, std::optional<double> frhp) {
  // Fifty points a decade from 1e-6 kHz up; the first step where |T| falls
  // through 1, then halved (geometrically) until its ends are neighbours.
  double lo = 1e-6;
  if (!(loop(parts, frhp, lo, false).mag >= 1)) return std::nullopt;
  for (int k = 1; k <= 750; ++k) {
    const double hi = power(10, -6 + k / 50.0);
    if (loop(parts, frhp, hi, false).mag >= 1) {
      lo = hi;
      continue;
    }
    double a = lo, b = hi;
    for (int n = 0; n < 200; ++n) {
      const double mid = std::sqrt(a) * std::sqrt(b);
      if (!(mid > a && mid < b)) break;
      (loop(parts, frhp, mid, false).mag >= 1 ? a : b) = mid;
    }
    return Crossover{a, 180 + deg(loop(parts, frhp, a).phase)};
  }
  return std::nullopt;
}

std::vector<double> bodeFrequencies(const LoopParts& parts) {
  return spacedPoints(parts.fp / 10, parts.fs * 10, 400, true);
}

std::vector<BodeRow> bodeRows(const LoopParts& computed, const std::optional<LoopParts>& standard,
                              std::optional<double> frhp, const std::vector<double>& frequencies) {
  std::vector<BodeRow> rows;
  rows.reserve(frequencies.size());
  for (const double f : frequencies)
    rows.push_back({f, loopAt(computed, frhp, f), standard ? std::optional(loopAt(*standard, frhp, f)) : std::nullopt});
  return rows;
}

std::string bodeTable(const std::vector<BodeRow>& rows) {
  std::string table =
      "频率(kHz)\t|T|(dB)\t∠T(°)\t标准值 |T|(dB)\t标准值 ∠T(°)\t功率级(dB)\t功率级(°)\t补偿器(dB)\t补偿器(°)\n";
  for (const BodeRow& row : rows) {
    const LoopAt& a = row.computed;
    const std::optional<Gain> cells[] = {a.loop, row.standard ? std::optional(row.standard->loop) : std::nullopt,
                                         a.stage, a.compensator};
    table += TextFromNumber(row.f);
    for (const std::optional<Gain>& g : cells)
      table += g ? "\t" + TextFromNumber(g->db) + "\t" + TextFromNumber(g->deg) : std::string("\t\t");
    table += "\n";
  }
  return table;
}

std::string bodeTable(const LoopParts& computed, const std::optional<LoopParts>& standard, std::optional<double> frhp,
                      const std::vector<double>& frequencies) {
  return bodeTable(bodeRows(computed, standard, frhp, frequencies));
}

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep/goal_seek.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "common/marks.h"
#include "common/number.h"
#include "common/quantity.h"
#include "sweep/sweep.h"

namespace ombrel {

namespace {

// The value an input's text holds: x written by TextFromNumber and read back.
double snap(double x) { return NumberFromText(TextFromNumber(x)); }

// The largest value an input's text can hold and read back finite.
double largest() {
  static const double value = NumberFromText("1.79769313486231E+308");
  return value;
}

bool above(double r, double t) { return r > t; }

// A result as a function of one input value: its value where it counts.
using Result = std::function<std::optional<double>(double)>;

struct Crossing {
  std::optional<double> x;
  bool startFails = false, gaveUp = false, others = false;
};

class Search {
 public:
  Search(double target, const Result& result, int budget) : t_(target), result_(result), budget_(budget) {}

  Crossing from(double x0) {
    const std::optional<double> r0 = at(x0);
    if (!r0) {
      c_.startFails = !c_.gaveUp;
      return c_;
    }
    if (*r0 == t_) return done(x0);
    struct Side {
      double sign, x, r;
      bool open;
    } sides[2] = {{1, x0, *r0, true}, {-1, x0, *r0, true}};
    double d = std::max(std::fabs(x0 != 0 ? x0 : 1) / 1024, std::numeric_limits<double>::denorm_min());
    while ((sides[0].open || sides[1].open) && !c_.gaveUp) {
      for (Side& s : sides) {
        if (!s.open) continue;
        double x = snap(x0 + s.sign * d);
        if (!std::isfinite(x) || std::fabs(x) >= largest()) {  // the last finite value, then this side ends
          x = s.sign * largest();
          s.open = false;
        }
        if (x == s.x) continue;
        const std::optional<double> r = at(x);
        if (!r) continue;
        if (*r == t_) return done(x);
        if (above(*r, t_) != above(s.r, t_))
          if (const std::optional<double> found = bisect(s.x, s.r, x, *r)) return done(*found);
        s.x = x;
        s.r = *r;
      }
      d *= 2;
      if (!std::isfinite(d)) sides[0].open = sides[1].open = false;
    }
    return done(std::nullopt);
  }

  int left() const { return budget_; }

 private:
  std::optional<double> at(double x) {
    if (budget_ <= 0) {
      c_.gaveUp = true;
      return std::nullopt;
    }
    --budget_;
    std::optional<double> r = result_(x);
    if (r && !std::isfinite(*r)) r.reset();
    if (r) seen_.emplace_back(x, *r);
    return r;
  }

  // lo is the end nearer the start. Probes in order where the middle does not count.
  std::optional<double> bisect(double lo, double rlo, double hi, double rhi) {
    const double nearest = std::min(std::fabs(rlo - t_), std::fabs(rhi - t_));
    for (;;) {
      const bool oneSign = (lo > 0 && hi > 0) || (lo < 0 && hi < 0);
      const double ratio = std::fabs(hi) / std::fabs(lo);
      double mid = oneSign && (ratio > 2 || ratio < 0.5)
                       ? std::copysign(std::sqrt(std::fabs(lo)) * std::sqrt(std::fabs(hi)), lo)
                       : lo / 2 + hi / 2;
      mid = snap(mid);
      if (!std::isfinite(mid) || mid == lo || mid == hi) break;
      std::optional<double> r = at(mid);
      for (const double share : {0.25, 0.75, 0.125, 0.875, 0.375, 0.625}) {
        if (r || c_.gaveUp) break;
        const double probe = snap(lo + (hi - lo) * share);
        if (probe != lo && probe != hi && std::isfinite(probe)) r = at(mid = probe);
      }
      if (!r) return std::nullopt;  // nothing counts inside: no crossing to be found here
      if (*r == t_) return mid;
      if (above(*r, t_) == above(rlo, t_))
        lo = mid, rlo = *r;
      else
        hi = mid, rhi = *r;
    }
    const bool loNearer = std::fabs(rlo - t_) <= std::fabs(rhi - t_);
    // The result jumped across the target (a pole): no crossing.
    if (std::min(std::fabs(rlo - t_), std::fabs(rhi - t_)) > nearest) return std::nullopt;
    return loNearer ? lo : hi;
  }

  Crossing done(std::optional<double> x) {
    c_.x = x;
    std::sort(seen_.begin(), seen_.end());
    bool rises = false, falls = false;
    for (std::size_t k = 1; k < seen_.size(); ++k) {
      rises = rises || seen_[k].second > seen_[k - 1].second;
      falls = falls || seen_[k].second < seen_[k - 1].second;
    }
    c_.others = rises && falls;
    return c_;
  }

  double t_;
  const Result& result_;
  int budget_;
  Crossing c_;
  std::vector<std::pair<double, double>> seen_;
};

std::string quoted(const WindowSpec& spec, const std::string& field) { return spec.placedCaption(field, "「", "」"); }

// A target's value, or why there is none; `note` gets how it was read where
// it is not plainly a number.
std::optional<double> targetValue(const std::string& text, std::string& note, std::string& why) {
  if (IsBlank(text)) {
    why = "请填写目标值";
    return std::nullopt;
  }
  const double t = NumberFromText(text);
  if (!std::isfinite(t)) {
    why = "目标值超出双精度范围";
    return std::nullopt;
  }
  if (const std::optional<std::string> read = readNote(text)) note += "目标值" + *read + "；";
  return t;
}

std::string noCrossing(const WindowSpec& spec, const GoalCondition& g, double t, const Crossing& c, int limit) {
  const std::string what = "找不到使" + quoted(spec, g.result) + "等于 " + TextFromNumber(t) + " 的" + quoted(spec, g.input);
  if (c.gaveUp) return what + "：已计算 " + std::to_string(limit) + " 次（上限）仍未找到，已停止";
  return what + "：在有限的取值中结果总在目标的同一侧";
}

}  // namespace

GoalSeek goalSeek(const WindowSpec& spec, const std::map<std::string, std::string>& texts, const GoalCondition& first,
                  const std::optional<GoalCondition>& second) {
  GoalSeek out;
  const auto field = [&spec](const std::string& name, FieldRole role) {
    const Control* c = spec.find(name);
    return c && c->kind == ControlKind::Field && c->fieldRole == role && !c->isChoice();
  };
  for (const GoalCondition* g : {&first, second ? &*second : nullptr})
    if (g && (!field(g->result, FieldRole::Output) || !field(g->input, FieldRole::Input))) {
      out.status = "没有这个结果或输入";
      return out;
    }
  if (second && second->input == first.input) {
    out.status = "两个条件须调整不同的输入";
    return out;
  }
  const FieldStore start = startingTexts(spec, texts);
  std::string note, why;
  const std::optional<double> t1 = targetValue(first.target, note, why);
  const std::optional<double> t2 = second ? targetValue(second->target, note, why) : std::optional<double>(0);
  const double x1 = NumberFromText(start.text(first.input));
  const double x2 = second ? NumberFromText(start.text(second->input)) : 0;
  for (const GoalCondition* g : {&first, second ? &*second : nullptr})
    if (g && why.empty() && !std::isfinite(NumberFromText(start.text(g->input))))
      why = quoted(spec, g->input) + "的数值超出范围，无从求解";
  if (!why.empty()) {
    out.status = note + why;
    return out;
  }

  // The window pressed with the inputs at these values. Past the bound the
  // window is not pressed and nothing counts; one press stays for the answer.
  const int limit = second ? kTwoPresses : kOnePresses;
  const auto pressed = [&](double v1, std::optional<double> v2, bool answer = false) -> std::optional<Pressed> {
    if (out.presses >= limit - (answer ? 0 : 1)) return std::nullopt;
    std::vector<std::pair<std::string, std::string>> set = {{first.input, TextFromNumber(v1)}};
    if (v2) set.emplace_back(second->input, TextFromNumber(*v2));
    ++out.presses;
    return pressAt(spec, start, set);
  };
  const auto valueOf = [](const std::optional<Pressed>& p, const std::string& result) -> std::optional<double> {
    if (!p || !p->counting.count(result)) return std::nullopt;
    return NumberFromText(p->fields.text(result));
  };
  const auto spent = [&] { return out.presses >= limit - 1; };
  // The first condition solved with the second input at v2 (if any); each
  // solution kept, by v2.
  std::map<double, double> solutions;
  const auto inner = [&](std::optional<double> v2) {
    const Result r = [&](double v) { return valueOf(pressed(v, v2), first.result); };
    Crossing c = Search(*t1, r, kOnePresses).from(x1);
    c.gaveUp = c.gaveUp || spent();
    if (c.x && v2) solutions[*v2] = *c.x;
    return c;
  };

  Crossing c1, c2;
  std::optional<double> v2;
  if (!second) {
    c1 = inner(std::nullopt);
  } else {
    const Result r2 = [&](double v) -> std::optional<double> {
      const Crossing c = inner(v);
      return c.x ? valueOf(pressed(*c.x, v), second->result) : std::nullopt;
    };
    c2 = Search(*t2, r2, limit).from(x2);
    c2.gaveUp = c2.gaveUp || spent();
    v2 = c2.x;
    if (v2) c1.x = solutions.at(*v2), c1.others = false;
  }
  const bool found = c1.x && (!second || v2);
  if (!found) {
    if (second && !v2) {
      out.status = note + (c2.startFails ? "在当前的" + quoted(spec, second->input) + "下，第一个条件无解或" +
                                               quoted(spec, second->result) + "算不出，无从求解"
                                         : noCrossing(spec, *second, *t2, c2, limit));
    } else if (c1.startFails) {
      out.status = note + quoted(spec, first.input) + "为当前值时" + quoted(spec, first.result) +
                   "算不出（计算出错，或所依据的结果不成立），无从求解";
    } else {
      out.status = note + noCrossing(spec, first, *t1, c1, limit);
    }
    return out;
  }
  const std::optional<Pressed> there = pressed(*c1.x, v2, true);
  out.found = true;
  out.solved = TextFromNumber(*c1.x);
  out.achieved = there->fields.text(first.result);
  std::string status = note + "已求得：" + quoted(spec, first.input) + "为 " + out.solved;
  if (second) {
    out.solved2 = TextFromNumber(*v2);
    out.achieved2 = there->fields.text(second->result);
    status += "、" + quoted(spec, second->input) + "为 " + out.solved2;
  }
  status += " 时，" + quoted(spec, first.result) + "为 " + out.achieved;
  if (second) status += "、" + quoted(spec, second->result) + "为 " + out.achieved2;
  if (c1.others || c2.others) status += "；结果随输入有升有降，可能还有其他解";
  out.status = status + "（计算 " + std::to_string(out.presses) + " 次）";
  return out;
}

std::vector<std::string> goalInputs(const WindowSpec& spec, const std::string& result) {
  std::vector<std::string> inputs;
  for (const FieldGroup& g : spec.fieldGroups())
    for (const Control* f : g.fields)
      if (f->fieldRole == FieldRole::Input && !f->isChoice()) {
        const std::vector<std::string> reach = spec.reach(f->name);
        if (std::find(reach.begin(), reach.end(), result) != reach.end()) inputs.push_back(f->name);
      }
  return inputs;
}

std::string defaultTarget(const WindowSpec& spec, const std::string& result, const std::string& text) {
  const Control* c = spec.find(result);
  const QuantityKind kind = c ? c->quantity.kind : QuantityKind::None;
  const bool count = kind == QuantityKind::Turns || kind == QuantityKind::Wires || kind == QuantityKind::Layers;
  const double value = NumberFromText(text);
  if (!count || !IsPlainNumber(text) || !std::isfinite(value)) return text;
  return TextFromNumber(std::ceil(value));
}

}  // namespace ombrel

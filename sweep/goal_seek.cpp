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

constexpr double kTiniest = std::numeric_limits<double>::denorm_min();

// The next value the input's text holds from x, up (+1) or down (−1): the
// 15th digit one more or less, the decade crossed where it carries:
//   0.298132530120482, +1 -> 0.298132530120483     1, −1 -> 0.999999999999999
// A step of a 10¹⁵th of |x| is at most that digit's place, so the first
// sum that reads back as another value is the neighbour.
double neighbour(double x, int way) {
  if (x == 0) return way * kTiniest;
  const double unit = std::max(std::fabs(x) * 1e-15, kTiniest);
  double y = x;
  for (int m = 1; m <= 100 && y == x; ++m) y = snap(x + way * m * unit);
  return y;
}

// A value to five significant figures, for a status that says "about":
//   198.755020080321 -> "198.76"
std::string about(double value) { return significantFigures(value, 5); }

// The values an input may take as its text holds them: its quantity's range
// (allowedRange) within the largest finite text; a count, the whole numbers
// from 1. An open end is approached, never pressed; an end of the quantity's
// own is approached where it does not count there (a duty cycle of 1 divides
// by zero: 0.999999999999999 still counts). The largest text is tried and
// ends the search.
struct Domain {
  Interval range;   // the quantity's own
  Interval bounds;  // what the search may try: the range within the largest text; a count from 1
  bool lowNear = false, highNear = false, whole = false;

  double snap(double x) const { return whole ? std::nearbyint(x) : ombrel::snap(x); }
  bool holds(double x) const { return bounds.holds(x); }
  // Where a blank or impossible start begins: the smallest allowed value,
  // just inside an open end; 0 where there is no smallest.
  double first() const { return bounds.lowOpen ? neighbour(bounds.low, 1) : lowNear ? bounds.low : 0; }
  // "在 0 到 1 之间", "大于 0", "不小于 0", "取正整数", "取有限值"
  std::string words() const {
    if (whole) return "取正整数";
    const bool lowEnd = std::isfinite(range.low), highEnd = std::isfinite(range.high);
    if (lowEnd && highEnd) return "在 " + TextFromNumber(range.low) + " 到 " + TextFromNumber(range.high) + " 之间";
    if (lowEnd) return (range.lowOpen ? "大于 " : "不小于 ") + TextFromNumber(range.low);
    if (highEnd) return (range.highOpen ? "小于 " : "不大于 ") + TextFromNumber(range.high);
    return "取有限值";
  }
};

Domain domainOf(const Control& input) {
  Domain d;
  d.range = allowedRange(input.quantity.kind);
  d.whole = isCount(input.quantity.kind);
  d.lowNear = std::isfinite(d.range.low);
  d.highNear = std::isfinite(d.range.high);
  d.bounds = {d.lowNear ? d.range.low : -largest(), d.highNear ? d.range.high : largest(),
              d.lowNear && d.range.lowOpen, d.highNear && d.range.highOpen};
  if (d.whole) d.bounds.low = 1, d.bounds.lowOpen = false;
  return d;
}

bool above(double r, double t) { return r > t; }

// A result as a function of one input value: its value where it counts.
using Result = std::function<std::optional<double>(double)>;

struct Crossing {
  std::optional<double> x;
  bool startFails = false, gaveUp = false, others = false;
  bool flat = false;                   // the result stays where it is (see Search)
  std::optional<double> least, most;   // the results seen
};

class Search {
 public:
  // `flat`: stop, and say so, once the result has stayed within 10⁻¹² of
  // itself at eight points or more, the steps grown to the start's own size.
  Search(double target, const Result& result, int budget, const Domain& domain, bool flat = false)
      : t_(target), result_(result), budget_(budget), domain_(domain), flat_(flat) {}

  // From x0; `moved`: the start is not the input's own value, so where it does
  // not count the search steps on until a point does.
  Crossing from(double x0, bool moved) {
    const std::optional<double> r0 = at(x0);
    if (!r0 && !moved) {
      c_.startFails = !c_.gaveUp;
      return c_;
    }
    if (r0 && *r0 == t_) return done(x0);
    const Interval& b = domain_.bounds;
    Side sides[2] = {{1, b.high, b.highOpen, domain_.highNear, x0, x0, r0},
                     {-1, b.low, b.lowOpen, domain_.lowNear, x0, x0, r0}};
    for (Side& s : sides) s.going = x0 != s.end;
    double d = std::max(std::fabs(x0 != 0 ? x0 : 1) / 1024, kTiniest);
    while ((sides[0].going || sides[1].going) && !c_.gaveUp) {
      for (Side& s : sides) {
        if (!s.going) continue;
        const std::optional<double> x = next(s, x0, d);
        if (!x) {
          s.going = false;
          continue;
        }
        if (*x == s.last) continue;
        const bool end = *x == s.end;
        if (!end) s.last = *x;
        const std::optional<double> r = at(*x);
        if (!r) {
          if (!end && s.r && !s.gap)
            if (const std::optional<double> found = edge(s, *x)) return done(*found);
          s.gap = true;
          continue;
        }
        s.gap = false;
        if (end) s.going = false;
        if (*r == t_) return done(*x);
        if (s.r && above(*r, t_) != above(*s.r, t_))
          if (const std::optional<double> found = bisect(s.x, *s.r, *x, *r)) return done(*found);
        s.x = *x;
        s.r = *r;
      }
      d *= 2;
      if (flat_ && d > std::fabs(x0) && stays()) {
        c_.flat = true;
        return done(std::nullopt);
      }
    }
    return done(std::nullopt);
  }

 private:
  struct Side {
    double sign, end;
    bool endOpen, near;
    double last;               // the last point tried short of the end
    double x;                  // the last point that counted, and its result
    std::optional<double> r;
    bool going = true, nearing = false;
    bool gap = false;          // the last point tried did not count
  };

  // Where a side passes from a point that counts to one that does not (a
  // fault, or a result impossible there: the secondary turns 0 at an output
  // voltage of 0), the edge between them is approached by halving, at most
  // 60 times, each point that counts checked for a crossing: the target may
  // lie just short of the edge. The side goes on from the last point that
  // counted.
  std::optional<double> edge(Side& s, double bad) {
    double good = s.x, rgood = *s.r;
    for (int k = 0; k < 60 && !c_.gaveUp; ++k) {
      const double mid = domain_.snap(good / 2 + bad / 2);
      if (!std::isfinite(mid) || mid == good || mid == bad) break;
      const std::optional<double> r = at(mid);
      if (!r) {
        bad = mid;
        continue;
      }
      if (*r == t_) return mid;
      if (above(*r, t_) != above(rgood, t_)) return bisect(good, rgood, mid, *r);
      good = mid;
      rgood = *r;
    }
    s.x = good;
    s.r = rgood;
    return std::nullopt;
  }

  // The next point of a side: outward by d, doubling; at or past its end, the
  // end itself where it is closed, then halfway from the last point to an end
  // of the quantity's own, until the two are neighbours. None: the side is done.
  std::optional<double> next(Side& s, double x0, double d) const {
    if (!s.nearing) {
      const double step = x0 + s.sign * d;  // an infinity would read back as 0
      const double x = std::isfinite(step) ? domain_.snap(step) : step;
      if (std::isfinite(x) && s.sign * (s.end - x) > 0) return x;
      s.nearing = true;
      if (!s.endOpen) return s.end;
    }
    if (!s.near) return std::nullopt;
    const double x = domain_.snap(s.last / 2 + s.end / 2);
    if (!std::isfinite(x) || x == s.last || x == s.end) return std::nullopt;
    return x;
  }

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

  bool stays() const {
    if (seen_.size() < 8) return false;
    const double r0 = seen_.front().second;
    return std::all_of(seen_.begin(), seen_.end(), [r0](const auto& p) {
      return std::fabs(p.second - r0) <= 1e-12 * std::max(std::fabs(p.second), std::fabs(r0));
    });
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
      mid = domain_.snap(mid);
      if (!std::isfinite(mid) || mid == lo || mid == hi) break;
      std::optional<double> r = at(mid);
      for (const double share : {0.25, 0.75, 0.125, 0.875, 0.375, 0.625}) {
        if (r || c_.gaveUp) break;
        const double probe = domain_.snap(lo + (hi - lo) * share);
        if (probe != lo && probe != hi && std::isfinite(probe)) r = at(mid = probe);
      }
      if (!r) return std::nullopt;  // nothing counts inside: no crossing to be found here
      if (*r == t_) return mid;
      if (above(*r, t_) == above(rlo, t_))
        lo = mid, rlo = *r;
      else
        hi = mid, rhi = *r;
    }
    // The result jumped across the target (a pole): no crossing.
    if (std::min(std::fabs(rlo - t_), std::fabs(rhi - t_)) > nearest) return std::nullopt;
    // A count: the one whose result does not pass the target.
    if (domain_.whole) return above(rlo, t_) ? hi : lo;
    return std::fabs(rlo - t_) <= std::fabs(rhi - t_) ? lo : hi;
  }

  Crossing done(std::optional<double> x) {
    c_.x = x;
    std::sort(seen_.begin(), seen_.end());
    bool rises = false, falls = false;
    for (std::size_t k = 0; k < seen_.size(); ++k) {
      const double r = seen_[k].second;
      if (!c_.least || r < *c_.least) c_.least = r;
      if (!c_.most || r > *c_.most) c_.most = r;
      if (k == 0) continue;
      rises = rises || r > seen_[k - 1].second;
      falls = falls || r < seen_[k - 1].second;
    }
    c_.others = rises && falls;
    return c_;
  }

  double t_;
  const Result& result_;
  int budget_;
  const Domain& domain_;
  bool flat_;
  Crossing c_;
  std::vector<std::pair<double, double>> seen_;
};

// A count's target met as the whole number itself: x where its result shows
// `want`, else the nearest of its neighbours in the input's 15 digits, four
// on each side, that does; x where none does.
double showing(double x, const Result& result, const std::string& want, const Domain& domain) {
  const auto shows = [&](double v) {
    if (!std::isfinite(v) || !domain.holds(v)) return false;
    const std::optional<double> r = result(v);
    return r && TextFromNumber(*r) == want;
  };
  if (shows(x)) return x;
  double up = x, down = x;
  for (int k = 0; k < 4; ++k) {
    if (shows(up = neighbour(up, 1))) return up;
    if (shows(down = neighbour(down, -1))) return down;
  }
  return x;
}

std::string quoted(const WindowSpec& spec, const std::string& field) { return spec.placedCaption(field, "「", "」"); }

// A target's value, or why there is none; `note` gets how it was read where
// it is not plainly a number.
std::optional<double> targetValue(const WindowSpec& spec, const GoalCondition& g, std::string& note, std::string& why) {
  const std::string& text = g.target;
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
  if (const std::optional<std::string> no = impossibleBecause(spec.find(g.result)->quantity, t)) {
    why = quoted(spec, g.result) + "不能为 " + TextFromNumber(t) + "：" + *no;
    return std::nullopt;
  }
  return t;
}

std::string noCrossing(const WindowSpec& spec, const GoalCondition& g, double t, const Crossing& c, int limit,
                       const Domain& domain) {
  const std::string what = "找不到使" + quoted(spec, g.result) + "等于 " + TextFromNumber(t) + " 的" + quoted(spec, g.input);
  if (c.gaveUp) return what + "：已计算 " + std::to_string(limit) + " 次（上限）仍未找到，已停止";
  const std::string where = "：它" + domain.words() + "时";
  if (!c.least) return what + where + quoted(spec, g.result) + "都算不出（计算出错，或有结果不合理）";
  if (*c.most < t) return what + where + "结果最大约为 " + about(*c.most);
  if (*c.least > t) return what + where + "结果最小约为 " + about(*c.least);
  return what + "：结果在目标两侧都有，但跨过目标处是跳变或算不出";
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
  const std::optional<double> t1 = targetValue(spec, first, note, why);
  const std::optional<double> t2 =
      second && why.empty() ? targetValue(spec, *second, note, why) : std::optional<double>(0);
  for (const GoalCondition* g : {&first, second ? &*second : nullptr})
    if (g && why.empty() && !std::isfinite(NumberFromText(start.text(g->input))))
      why = quoted(spec, g->input) + "的数值超出范围，无从求解";
  if (!why.empty()) {
    out.status = note + why;
    return out;
  }
  // Each input searched where its quantity allows; a blank or impossible
  // start moved to the smallest allowed value.
  const Domain dom1 = domainOf(*spec.find(first.input));
  const Domain dom2 = second ? domainOf(*spec.find(second->input)) : Domain{};
  bool moved1 = false, moved2 = false;
  const auto startOf = [&start](const std::string& input, const Domain& dom, bool& moved) {
    const std::string& text = start.text(input);
    const double x = dom.whole ? dom.snap(NumberFromText(text)) : NumberFromText(text);
    moved = IsBlank(text) || !dom.holds(x);
    return moved ? dom.first() : x;
  };
  const double x1 = startOf(first.input, dom1, moved1);
  const double x2 = second ? startOf(second->input, dom2, moved2) : 0;
  // A count's whole target is met as the whole number, where the input is no count.
  const auto wanted = [&spec](const GoalCondition& g, double t, const Domain& dom) -> std::optional<std::string> {
    if (dom.whole || !isCount(spec.find(g.result)->quantity.kind) || t != std::floor(t)) return std::nullopt;
    return TextFromNumber(t);
  };
  const std::optional<std::string> want1 = wanted(first, *t1, dom1);
  const std::optional<std::string> want2 = second ? wanted(*second, *t2, dom2) : std::nullopt;

  std::vector<const Control*> results;
  for (const std::string& r : spec.results()) results.push_back(spec.find(r));
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
  // A result's value where it counts and no result of the window is
  // impossible (impossibleText, as the marks say 不合理); `impossible` says
  // which one last kept a point out.
  std::string impossible;
  const auto valueOf = [&](const std::optional<Pressed>& p, const std::string& result) -> std::optional<double> {
    if (!p || !p->counting.count(result)) return std::nullopt;
    for (const Control* r : results)
      if (p->counting.count(r->name))
        if (const std::optional<std::string> no = impossibleText(r->quantity, p->fields.text(r->name))) {
          impossible = quoted(spec, r->name) + "不合理（" + *no + "）";
          return std::nullopt;
        }
    return NumberFromText(p->fields.text(result));
  };
  const auto spent = [&] { return out.presses >= limit - 1; };
  // The first condition solved with the second input at v2 (if any); each
  // solution kept, by v2.
  std::map<double, double> solutions;
  const auto inner = [&](std::optional<double> v2) {
    const Result r = [&](double v) { return valueOf(pressed(v, v2), first.result); };
    Crossing c = Search(*t1, r, kOnePresses, dom1).from(x1, moved1);
    c.gaveUp = c.gaveUp || spent();
    if (c.x && want1) c.x = showing(*c.x, r, *want1, dom1);
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
    c2 = Search(*t2, r2, limit, dom2, true).from(x2, moved2);
    c2.gaveUp = c2.gaveUp || spent();
    if (c2.x && want2) c2.x = showing(*c2.x, r2, *want2, dom2);
    v2 = c2.x;
    if (v2) c1.x = solutions.at(*v2), c1.others = false;
  }
  const bool found = c1.x && (!second || v2);
  if (!found) {
    if (second && c2.flat) {
      out.status = note + "在满足条件一时，" + quoted(spec, second->result) + "不随" + quoted(spec, second->input) +
                   "变化，两个条件无法同时满足";
    } else if (second && !v2) {
      out.status = note + (c2.startFails ? "在当前的" + quoted(spec, second->input) + "下，第一个条件无解或" +
                                               quoted(spec, second->result) + "算不出，无从求解"
                                         : noCrossing(spec, *second, *t2, c2, limit, dom2));
    } else if (c1.startFails) {
      out.status = note + quoted(spec, first.input) + "为当前值时" +
                   (impossible.empty() ? quoted(spec, first.result) + "算不出（计算出错，或所依据的结果不成立）"
                                       : impossible) +
                   "，无从求解";
    } else {
      out.status = note + noCrossing(spec, first, *t1, c1, limit, dom1);
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
  // What a whole count could not give.
  const auto unmet = [&](const GoalCondition& g, double t, const Domain& dom, const std::optional<std::string>& want,
                          const std::string& achieved) {
    if (want && achieved != *want)
      status += "；在相邻的输入值中找不到使" + quoted(spec, g.result) + "正好为 " + *want + " 的值";
    if (dom.whole && NumberFromText(achieved) != t)
      status += "；" + quoted(spec, g.input) + "只取整数，这是结果不超过 " + TextFromNumber(t) + " 的最近一个";
  };
  unmet(first, *t1, dom1, want1, out.achieved);
  if (second) unmet(*second, *t2, dom2, want2, out.achieved2);
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
  const bool count = c && isCount(c->quantity.kind);
  const double value = NumberFromText(text);
  if (!count || !IsPlainNumber(text) || !std::isfinite(value)) return text;
  return TextFromNumber(std::ceil(value));
}

}  // namespace ombrel

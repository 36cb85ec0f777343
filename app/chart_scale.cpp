// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chart_scale.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/elementary.h"
#include "common/powers.h"

namespace ombrel {

namespace {

// The smallest 1-2-5 step that spans [lo, hi] in at most `most` ticks. A
// span beyond the double range is worked out on halves.
double roundStep(double lo, double hi, int most) {
  if (!std::isfinite(lo) || !std::isfinite(hi)) return std::numeric_limits<double>::infinity();
  if (!std::isfinite(hi - lo)) return 2 * roundStep(lo / 2, hi / 2, most);
  const double span = hi - lo;
  double decade = power(10, std::floor(cr::log10(span / std::max(most - 1, 1))));
  if (!(decade > 0)) decade = std::numeric_limits<double>::denorm_min();  // a span in the last bits
  for (;; decade *= 10)
    for (const double m : {1.0, 2.0, 5.0}) {
      const double step = m * decade;
      if (std::floor(hi / step) - std::ceil(lo / step) + 1 <= most) return step;
    }
}

}  // namespace

double AxisScale::fraction(double value) const {
  if (log) return (cr::log10(value) - cr::log10(lo)) / (cr::log10(hi) - cr::log10(lo));
  // Ends further apart than the double range reaches: the same on halves.
  if (!std::isfinite(hi - lo) || !std::isfinite(value - lo))
    return (value / 2 - lo / 2) / (hi / 2 - lo / 2);
  return (value - lo) / (hi - lo);
}

double AxisScale::valueAt(double f) const {
  if (log) return power(10, cr::log10(lo) + f * (cr::log10(hi) - cr::log10(lo)));
  if (!std::isfinite(hi - lo)) return lo * (1 - f) + hi * f;
  return lo + f * (hi - lo);
}

std::vector<double> linearTicks(double lo, double hi, int most) {
  std::vector<double> ticks;
  if (!(lo < hi) || !std::isfinite(lo) || !std::isfinite(hi)) return ticks;
  const double step = roundStep(lo, hi, most);
  // Counted, not stepped: beyond 2^53 a multiple plus one is the same multiple.
  const double first = std::ceil(lo / step), count = std::floor(hi / step) - first + 1;
  for (int j = 0; j < count && j <= std::max(most, 1); ++j) {
    const double k = first + j;
    ticks.push_back(k == 0 ? 0.0 : k * step);
  }
  return ticks;
}

std::vector<double> logTicks(double lo, double hi) {
  std::vector<double> decades, steps;
  if (!(0 < lo && lo < hi) || !std::isfinite(hi)) return decades;
  for (double e = std::floor(cr::log10(lo)); e <= std::ceil(cr::log10(hi)); ++e) {
    const double decade = power(10, e);  // correctly rounded on every platform: 1E-300 is 1E-300
    for (const double m : {1.0, 2.0, 5.0}) {
      const double v = m * decade;
      if (v < lo || v > hi) continue;
      steps.push_back(v);
      if (m == 1.0) decades.push_back(v);
    }
  }
  if (decades.size() > 8) {  // every k-th decade, at most 8
    const std::size_t k = (decades.size() + 7) / 8;
    std::vector<double> some;
    for (std::size_t i = 0; i < decades.size(); i += k) some.push_back(decades[i]);
    return some;
  }
  if (decades.size() >= 2) return decades;
  if (steps.size() >= 2) return steps;
  return linearTicks(lo, hi, 6);
}

AxisScale roundedScale(double lo, double hi, int most) {
  if (!std::isfinite(lo) || !std::isfinite(hi)) return {0, 1, false};
  constexpr double top = std::numeric_limits<double>::max();
  if (!(lo < hi)) {
    const double room = lo == 0 ? 1 : std::fabs(lo) / 3;
    lo = std::max(lo - room, -top);
    hi = std::min(hi + room, top);
  }
  if (!(lo < hi)) lo -= 1, hi += 1;  // a third of the smallest doubles is nothing
  const double step = roundStep(lo, hi, most - 1);
  const AxisScale widened{std::floor(lo / step) * step, std::ceil(hi / step) * step, false};
  // Ends widened beyond the double range stay where the data ends.
  if (!std::isfinite(widened.lo) || !std::isfinite(widened.hi)) return {lo, hi, false};
  return widened;
}

std::vector<std::size_t> markedPoints(std::size_t points, std::size_t series, std::size_t k) {
  std::vector<std::size_t> marked;
  if (k >= series) return marked;
  const std::size_t apart = std::max<std::size_t>(1, (points + 12 * series - 1) / (12 * series));
  for (std::size_t i = k * apart; i < points; i += series * apart) marked.push_back(i);
  return marked;
}

}  // namespace ombrel

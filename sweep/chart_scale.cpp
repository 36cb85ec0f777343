// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep/chart_scale.h"

#include <cmath>

namespace ombrel {

namespace {

// The smallest 1-2-5 step that spans [lo, hi] in at most `most` ticks.
double roundStep(double lo, double hi, int most) {
  const double span = hi - lo;
  double decade = std::pow(10.0, std::floor(std::log10(span / std::max(most - 1, 1))));
  for (;; decade *= 10)
    for (const double m : {1.0, 2.0, 5.0}) {
      const double step = m * decade;
      if (std::floor(hi / step) - std::ceil(lo / step) + 1 <= most) return step;
    }
}

}  // namespace

double AxisScale::fraction(double value) const {
  if (log) return (std::log10(value) - std::log10(lo)) / (std::log10(hi) - std::log10(lo));
  return (value - lo) / (hi - lo);
}

double AxisScale::valueAt(double f) const {
  if (log) return std::pow(10.0, std::log10(lo) + f * (std::log10(hi) - std::log10(lo)));
  return lo + f * (hi - lo);
}

std::vector<double> linearTicks(double lo, double hi, int most) {
  std::vector<double> ticks;
  if (!(lo < hi) || !std::isfinite(hi - lo)) return ticks;
  const double step = roundStep(lo, hi, most);
  for (double k = std::ceil(lo / step); k <= std::floor(hi / step); ++k) ticks.push_back(k == 0 ? 0.0 : k * step);
  return ticks;
}

std::vector<double> logTicks(double lo, double hi) {
  std::vector<double> decades, steps;
  if (!(0 < lo && lo < hi) || !std::isfinite(hi)) return decades;
  for (double e = std::floor(std::log10(lo)); e <= std::ceil(std::log10(hi)); ++e) {
    const double decade = std::pow(10.0, e);
    for (const double m : {1.0, 2.0, 5.0}) {
      const double v = m * decade;
      if (v < lo || v > hi) continue;
      steps.push_back(v);
      if (m == 1.0) decades.push_back(v);
    }
  }
  if (decades.size() >= 2) return decades;
  if (steps.size() >= 2) return steps;
  return linearTicks(lo, hi, 6);
}

AxisScale roundedScale(double lo, double hi, int most) {
  if (!(lo < hi)) {
    const double room = lo == 0 ? 1 : std::fabs(lo) / 3;
    lo -= room;
    hi += room;
  }
  const double step = roundStep(lo, hi, most - 1);
  return {std::floor(lo / step) * step, std::ceil(hi / step) * step, false};
}

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/spacing.h"

#include <algorithm>
#include <cmath>

#include "common/elementary.h"
#include "common/powers.h"

namespace ombrel {

std::vector<double> spacedPoints(double from, double to, int count, bool log) {
  std::vector<double> x;
  if (count < 2) return x;
  x.reserve(static_cast<std::size_t>(count));
  const double last = count - 1;
  const double lo = std::min(from, to), hi = std::max(from, to);
  // The usual formulas where their intermediate values stay finite.
  const bool linearFits = std::isfinite(last * (to - from));
  const bool logFits = std::isfinite(to / from) && to / from > 0;
  for (int i = 0; i < count; ++i) {
    const double t = i / last;
    const bool usual = log ? logFits : linearFits;
    double v;
    if (log)
      v = usual ? from * power(to / from, t) : power(10, cr::log10(from) + t * (cr::log10(to) - cr::log10(from)));
    else
      v = usual ? from + i * (to - from) / last : from * (1 - t) + to * t;
    // The ends are the ends as typed; a point between them that rounding or
    // cancellation carried past one (1 to 1e-17 gives 0 last) stays within.
    x.push_back(i == 0 ? from : i == count - 1 ? to : std::clamp(v, lo, hi));
  }
  return x;
}

}  // namespace ombrel

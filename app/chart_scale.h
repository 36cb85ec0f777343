// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic of a chart's axes, Qt-free: where a value falls along an
// axis, round values for its ticks, and which points each series marks.
#pragma once

#include <cstddef>
#include <vector>

namespace ombrel {

struct AxisScale {
  double lo = 0, hi = 1;  // the values at the two ends
  bool log = false;       // logarithmic: lo and hi above zero

  // 0 at lo, 1 at hi, linear in the value or in its logarithm, finite for
  // finite ends however far apart:
  //   {0, 10}: 2.5 -> 0.25;  {1, 100, log}: 10 -> 0.5;  {-1e308, 1e308}: 0 -> 0.5
  double fraction(double value) const;
  // The value at a fraction; fraction(valueAt(f)) == f up to rounding.
  double valueAt(double fraction) const;
};

// Round ticks inside [lo, hi] (lo < hi): multiples of a step of 1, 2 or 5
// times a power of ten, the smallest step that gives at most `most` ticks:
//   (0, 10, 6) -> 0 2 4 6 8 10      (0.13, 0.87, 5) -> 0.2 0.4 0.6 0.8
//   (-3, 3, 7) -> -3 -2 -1 0 1 2 3  (47, 53, 4) -> 48 50 52
std::vector<double> linearTicks(double lo, double hi, int most);

// Ticks for a logarithmic axis over [lo, hi] (0 < lo < hi): the decades
// inside it (every k-th where more than 8 fall inside, 1E-300 1E-225 ...); where fewer than two decades fall inside, 1, 2 and 5 times the
// powers of ten, and where those are fewer than two too, linearTicks:
//   (1, 1000) -> 1 10 100 1000   (3, 40) -> 5 10 20   (3, 4) -> linearTicks(3, 4, 6)
std::vector<double> logTicks(double lo, double hi);

// The ends of an axis for data over [lo, hi], widened to the round ticks
// around them (at most `most` ticks); a single value gets room around it;
// ends that would widen beyond the double range stay at the data:
//   (0.13, 0.87, 6) -> 0 1     (3, 3, 6) -> 2 4     (0, 0, 6) -> -1 1
//   (-1.7e308, 1.7e308, 6) -> -1.7E+308 1.7E+308
AxisScale roundedScale(double lo, double hi, int most);

// The points the k-th of `series` marked series marks along `points` points:
// about a dozen a series, spread evenly, and none that another series marks,
// so that curves lying on each other all show their marks. With
// m = ⌈points ÷ (12 × series)⌉, series k marks every (series × m)-th point
// from k × m on: the series take turns, m points apart. Where there are
// fewer points than series, the last series mark none:
//   (31, 1, 0) -> 0 3 6 9 12 15 18 21 24 27 30    (31, 5, 2) -> 2 7 12 17 22 27
//   (400, 2, 1) -> 17 51 85 … 391 (twelve)         (31, 20, 19) -> 19
//   (400, 20, 7) -> 14 54 94 … 374 (ten)           (3, 5, 4) -> none
std::vector<std::size_t> markedPoints(std::size_t points, std::size_t series, std::size_t k);

}  // namespace ombrel

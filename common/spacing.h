// SPDX-License-Identifier: GPL-3.0-or-later
// Points evenly spaced between two ends, on a linear or a logarithmic scale:
// a sweep's points, a plot's frequencies.
//
//   x_i = from + i × (to − from) ÷ (count − 1)        linear
//   x_i = from × (to ÷ from)^(i ÷ (count − 1))        logarithmic
//
// (where (count − 1) × (to − from) or to ÷ from would overflow, the same
// points as from × (1 − t) + to × t and 10^(lg from + t × (lg to − lg from)),
// t = i ÷ (count − 1)); the first point is from and the last to exactly,
// and every point between is kept within them. The powers and logarithms
// are the number rules' (common/powers.h), so the points are the same on
// every platform:
//   0, 10, 3            -> 0 5 10
//   1, 100, 3, log      -> 1 10 100
//   1, 1e-17, 2         -> 1 1e-17 (the formula alone would end at 0)
//   count below 2       -> no point
#pragma once

#include <vector>

namespace ombrel {

// For a logarithmic scale both ends are above zero.
std::vector<double> spacedPoints(double from, double to, int count, bool log);

}  // namespace ombrel

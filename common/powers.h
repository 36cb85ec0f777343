// SPDX-License-Identifier: GPL-3.0-or-later
// The powers the formulas use, correctly rounded, so that every platform's
// C library gives the same last digit (their pow functions differ by up to
// about a hundred units in the last place for large negative exponents):
//
//   power(x, 0.5)  = the square root of x, correctly rounded (IEEE sqrt)
//   power(10, y)   = 10^y, computed in double-double arithmetic (about 32
//                    digits) and rounded once to the nearest double:
//                    power(10, -250) == 1e-250, power(10, 0.5) == sqrt(10)
//   any other      = cr::pow(x, y) (common/elementary.h):
//                    power(2, 10) == 1024, power(100, 0.25) == sqrt(10)
//
// Edge cases follow C's pow: power(-4, 0.5) is NaN, power(10, 400) is +inf,
// power(10, -400) is 0, power(10, -320) == 1e-320 (a subnormal, rounded once).
#pragma once

namespace ombrel {

double power(double x, double y);

}  // namespace ombrel

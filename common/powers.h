// SPDX-License-Identifier: GPL-3.0-or-later
// The powers the formulas use, correctly rounded, so that every platform's
// C library gives the same last digit (their pow functions differ by up to
// about a hundred units in the last place for large negative exponents):
//
//   power(x, 0.5)  = the square root of x, correctly rounded (IEEE sqrt)
//   power(10, y)   = 10^y, computed in double-double arithmetic (about 32
//                    digits) and rounded once to the nearest double:
//                    power(10, -250) == 1e-250, power(10, 0.5) == sqrt(10)
//   x above zero   = e^(y ln x), both in double-double and rounded once:
//                    power(2, 10) == 1024, power(100, 0.25) == sqrt(10)
//   lg(x)          = log10 x, in double-double and rounded once:
//                    lg(1000) == 3, lg(2) == 0.30102999566398120
//
// Edge cases follow std::pow and std::log10: power(-4, 0.5) is NaN,
// power(10, 400) is +inf, power(10, -400) is 0, lg(0) is −inf. A result that is a subnormal number may be one unit
// in its last place away from the correctly rounded one.
#pragma once

namespace ombrel {

double power(double x, double y);
double lg(double x);

}  // namespace ombrel

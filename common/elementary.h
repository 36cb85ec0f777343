// SPDX-License-Identifier: GPL-3.0-or-later
// The elementary functions the formulas and the drawings use, each correctly
// rounded: the result is the double nearest the exact value (ties to even),
// worked out by MPFR at 53 bits. Every platform's C library rounds some
// arguments to the other neighbour (glibc's and the MinGW runtime's differ in
// the last bit of a few Ae, Ve and Bode points); these never do, so a figure
// is the same to its last digit wherever it is computed. Program code calls
// these, never std::sin, std::pow and their kin (a test reads the sources).
//
//   cr::exp(1)            == 2.718281828459045   (0x1.5bf0a8b145769p+1)
//   cr::log(10)           == 2.302585092994046
//   cr::log10(2)          == 0.3010299956639812
//   cr::pow(2.5, 0.826)   == 2.131564345211645
//   cr::sin(3.141592653589793) == 1.2246467991473532e-16   (π is a double away)
//   cr::atan2(1, -1)      == 2.356194490192345   (3π/4)
//   cr::hypot(3, 4)       == 5
//   cr::gamma(0.5)        == 1.772453850905516   (√π)
//   cr::gamma(2.7)        == 1.5446858458505939
//
// A result beyond the doubles is rounded as the doubles round it, once:
//
//   cr::exp(-745)         == 5e-324              (the least subnormal)
//   cr::exp(-745.2)       == 0
//   cr::exp(710)          == +inf
//
// Edge cases are C's (IEEE 754 and C's Annex F), with NaN for a domain error:
// cr::log(0) == −inf, cr::log(-1) is NaN, cr::pow(-8, 1.0 / 3) is NaN,
// cr::pow(-2, 3) == -8, cr::pow(0, -1) == +inf, cr::gamma(-1) is NaN,
// cr::atan2(0, -1) == π rounded. Square roots are IEEE's own (std::sqrt is
// correctly rounded everywhere); common/powers.h builds on these.
#pragma once

#include <string>

namespace ombrel::cr {

double exp(double x);
double log(double x);
double log10(double x);
double pow(double x, double y);
double sin(double x);
double cos(double x);
double tan(double x);
double asin(double x);
double acos(double x);
double atan(double x);
double atan2(double y, double x);
double hypot(double x, double y);
double sinh(double x);
double cosh(double x);
double tanh(double x);
double gamma(double x);  // Γ(x)

// The libraries that compute them, as linked: "MPFR 4.2.0, GMP 6.2.1".
std::string libraries();

}  // namespace ombrel::cr

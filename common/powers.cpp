// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/powers.h"

#include <cmath>

#include "common/elementary.h"

namespace ombrel {

namespace {

// A double-double: the unevaluated sum hi + lo, |lo| ≤ half an ulp of hi.
// Only + − × ÷ of doubles, none fused (the program is built with
// -ffp-contract=off), so every platform computes the same bits.
struct DD {
  double hi, lo;
};

DD quickTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

DD twoSum(double a, double b) {
  const double s = a + b, bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// Dekker's exact product, by splitting each factor into 26-bit halves.
DD twoProduct(double a, double b) {
  const double split = 134217729.0;  // 2^27 + 1
  const double ca = split * a, ah = ca - (ca - a), al = a - ah;
  const double cb = split * b, bh = cb - (cb - b), bl = b - bh;
  const double p = a * b;
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

DD add(DD a, DD b) {
  DD s = twoSum(a.hi, b.hi);
  const DD t = twoSum(a.lo, b.lo);
  s.lo += t.hi;
  s = quickTwoSum(s.hi, s.lo);
  s.lo += t.lo;
  return quickTwoSum(s.hi, s.lo);
}

DD multiply(DD a, DD b) {
  DD p = twoProduct(a.hi, b.hi);
  p.lo += a.hi * b.lo + a.lo * b.hi;
  return quickTwoSum(p.hi, p.lo);
}

DD divide(DD a, double b) {
  const double q1 = a.hi / b;
  const DD p = twoProduct(q1, b);
  DD s = twoSum(a.hi, -p.hi);
  s.lo -= p.lo;
  s.lo += a.lo;
  const double q2 = (s.hi + s.lo) / b;
  return quickTwoSum(q1, q2);
}

DD scale(DD a, int e) { return {std::ldexp(a.hi, e), std::ldexp(a.lo, e)}; }

// ln 10 and ln 2 to about 32 digits.
constexpr DD kLn10{2.302585092994045901e+00, -2.170756223382249351e-16};
constexpr DD kLn2{6.931471805599452862e-01, 2.319046813846299558e-17};

// e^t for a double-double t of moderate size, to about 32 digits: t = k ln 2
// + r, r shrunk by 2^10, the Taylor series of e^r − 1, then squared back.
DD exponential(DD t, int& k) {
  k = static_cast<int>(std::nearbyint(t.hi / kLn2.hi));
  DD r = add(t, multiply({-static_cast<double>(k), 0}, kLn2));
  r = scale(r, -10);
  // e^r − 1 = r (1 + r/2 (1 + r/3 (1 + ... r/12))): |r| < 3.4e-4.
  DD s{1, 0};
  for (int n = 12; n >= 2; --n) s = add({1, 0}, divide(multiply(r, s), n));
  s = multiply(r, s);
  for (int i = 0; i < 10; ++i) s = add(scale(s, 1), multiply(s, s));  // (1 + s)^2 − 1
  return add({1, 0}, s);
}

}  // namespace

double power(double x, double y) {
  if (y == 0.5) return std::sqrt(x);
  // 10^y for results from 1e-307 to 1e308, the normal doubles; the rest,
  // subnormal or beyond, and every other base, are MPFR's.
  if (x != 10 || !(y >= -307 && y <= 308)) return cr::pow(x, y);
  int k = 0;
  const DD e = exponential(multiply({y, 0}, kLn10), k);
  // Rounded once: hi is the nearest double to hi + lo; then scaled by 2^k.
  return std::ldexp(e.hi + e.lo, k);
}

}  // namespace ombrel

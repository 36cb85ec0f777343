// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/elementary.h"

#include <mpfr.h>

namespace ombrel::cr {

namespace {

using Unary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
using Binary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);

// While a function runs, MPFR's exponents span exactly the doubles': 2^-1074
// (the least subnormal) to just below 2^1024. A result beyond them overflows
// to infinity or underflows as the doubles do; mpfr_subnormalize then rounds
// a subnormal result to the bits a double keeps, once.
class DoubleRange {
 public:
  DoubleRange() : emin_(mpfr_get_emin()), emax_(mpfr_get_emax()) {
    mpfr_set_emin(-1073);
    mpfr_set_emax(1024);
  }
  ~DoubleRange() {
    mpfr_set_emin(emin_);
    mpfr_set_emax(emax_);
  }
  DoubleRange(const DoubleRange&) = delete;
  DoubleRange& operator=(const DoubleRange&) = delete;

 private:
  mpfr_exp_t emin_, emax_;
};

// A 53-bit MPFR number on the stack; a double converts to it exactly.
struct Number {
  explicit Number(double x) { mpfr_set_d(value, x, MPFR_RNDN); }
  Number() = default;
  Number(const Number&) = delete;
  Number& operator=(const Number&) = delete;
  mp_limb_t limbs[(53 - 1) / GMP_NUMB_BITS + 1] = {};
  mpfr_t value = {{53, 1, __MPFR_EXP_NAN, limbs}};
};

double rounded(Number& result, int ternary) {
  mpfr_subnormalize(result.value, ternary, MPFR_RNDN);
  return mpfr_get_d(result.value, MPFR_RNDN);  // exact: it has a double's bits
}

double apply(Unary f, double x) {
  const DoubleRange range;
  Number in(x), out;
  return rounded(out, f(out.value, in.value, MPFR_RNDN));
}

double apply(Binary f, double x, double y) {
  const DoubleRange range;
  Number a(x), b(y), out;
  return rounded(out, f(out.value, a.value, b.value, MPFR_RNDN));
}

}  // namespace

double exp(double x) { return apply(mpfr_exp, x); }
double log(double x) { return apply(mpfr_log, x); }
double log10(double x) { return apply(mpfr_log10, x); }
double pow(double x, double y) { return apply(mpfr_pow, x, y); }
double sin(double x) { return apply(mpfr_sin, x); }
double cos(double x) { return apply(mpfr_cos, x); }
double tan(double x) { return apply(mpfr_tan, x); }
double asin(double x) { return apply(mpfr_asin, x); }
double acos(double x) { return apply(mpfr_acos, x); }
double atan(double x) { return apply(mpfr_atan, x); }
double atan2(double y, double x) { return apply(mpfr_atan2, y, x); }
double hypot(double x, double y) { return apply(mpfr_hypot, x, y); }
double sinh(double x) { return apply(mpfr_sinh, x); }
double cosh(double x) { return apply(mpfr_cosh, x); }
double tanh(double x) { return apply(mpfr_tanh, x); }
double gamma(double x) { return apply(mpfr_gamma, x); }

std::string libraries() { return std::string("MPFR ") + mpfr_get_version() + ", GMP " + gmp_version; }

}  // namespace ombrel::cr

// SPDX-License-Identifier: GPL-3.0-or-later
// Checked double arithmetic for the calculation handlers.
//
// Every operation on a Real is tested as it happens, so a formula stops at its
// first faulting operation, whatever the optimisation level:
//
//   Real(1) / 0                  -> ArithmeticFault{DivideByZero}
//   Real(0) / 0                  -> ArithmeticFault{InvalidOperation}
//   Real(1e200) * 1e200          -> ArithmeticFault{Overflow}
//   power(Real(-4), 0.5)           -> ArithmeticFault{InvalidOperation}
//   power(Real(10), Real(1e5) / 40) -> ArithmeticFault{Overflow}
//   Real(1e-200) * 1e-200        -> 0 (underflow is no fault)
//
// Operands are always finite: a field that reads as an infinity faults when
// it is read, and every operation that would produce a non-finite value
// faults instead. The operations are the plain IEEE ones; build without
// contraction (-ffp-contract=off) so that a * b + c is never fused.
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

#include "common/elementary.h"
#include "common/powers.h"

namespace ombrel {

enum class FaultKind { DivideByZero, Overflow, InvalidOperation };

// Thrown by the first faulting operation of a formula. `field` names the
// input field whose text read beyond the double range, when that was the cause.
// `words`, where given, say why in the data's terms, for the fault box:
// "TDK N87 的损耗数据只有 …，不含 2000000 kHz".
struct ArithmeticFault : std::runtime_error {
  explicit ArithmeticFault(FaultKind k, std::string f = {}, std::string w = {})
      : std::runtime_error("arithmetic fault"), kind(k), field(std::move(f)), words(std::move(w)) {}
  FaultKind kind;
  std::string field;
  std::string words;
};

class Real {
 public:
  Real(double v) : v_(v) {}  // NOLINT: constants of a formula convert implicitly
  double value() const { return v_; }

  friend Real operator+(Real a, Real b) { return checked(a.v_ + b.v_); }
  friend Real operator-(Real a, Real b) { return checked(a.v_ - b.v_); }
  friend Real operator*(Real a, Real b) { return checked(a.v_ * b.v_); }
  friend Real operator/(Real a, Real b) {
    if (b.v_ == 0) throw ArithmeticFault(a.v_ == 0 ? FaultKind::InvalidOperation : FaultKind::DivideByZero);
    return checked(a.v_ / b.v_);
  }
  friend Real operator-(Real a) { return Real(-a.v_); }
  // Square roots are written as power(x, 0.5). Correctly rounded, the same
  // on every platform (common/powers.h).
  friend Real power(Real x, double exponent) {
    if (x.v_ == 0 && exponent < 0) throw ArithmeticFault(FaultKind::DivideByZero);
    return checked(ombrel::power(x.v_, exponent));
  }
  // A power whose exponent is itself computed, as in 10^(A / 40).
  friend Real power(Real x, Real exponent) { return power(x, exponent.v_); }
  // A computed value as a Real, checked: NaN is an invalid operation, an
  // infinity an overflow.
  static Real checked(double r) {
    if (std::isnan(r)) throw ArithmeticFault(FaultKind::InvalidOperation);
    if (std::isinf(r)) throw ArithmeticFault(FaultKind::Overflow);
    return Real(r);
  }

 private:
  double v_;
};

// The elementary functions of a Real, correctly rounded (common/elementary.h)
// and checked as its operations are:
//   cr::sinh(Real(800)) -> ArithmeticFault{Overflow}
//   cr::gamma(Real(-1)) -> ArithmeticFault{InvalidOperation} (a pole)
namespace cr {
inline Real sin(Real x) { return Real::checked(cr::sin(x.value())); }
inline Real cos(Real x) { return Real::checked(cr::cos(x.value())); }
inline Real sinh(Real x) { return Real::checked(cr::sinh(x.value())); }
inline Real cosh(Real x) { return Real::checked(cr::cosh(x.value())); }
inline Real gamma(Real x) { return Real::checked(cr::gamma(x.value())); }
}  // namespace cr

}  // namespace ombrel

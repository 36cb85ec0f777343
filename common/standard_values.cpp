// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/standard_values.h"

#include <cmath>

#include "common/number.h"

namespace ombrel {

std::string seriesName(ESeries series) {
  switch (series) {
    case ESeries::E6: return "E6";
    case ESeries::E12: return "E12";
    case ESeries::E24: return "E24";
    case ESeries::E96: return "E96";
  }
  return "";
}

const std::vector<std::string>& seriesValues(ESeries series) {
  // IEC 60063, Table 1.
  static const std::vector<std::string> e6 = {"1.0", "1.5", "2.2", "3.3", "4.7", "6.8"};
  static const std::vector<std::string> e12 = {"1.0", "1.2", "1.5", "1.8", "2.2", "2.7",
                                               "3.3", "3.9", "4.7", "5.6", "6.8", "8.2"};
  static const std::vector<std::string> e24 = {"1.0", "1.1", "1.2", "1.3", "1.5", "1.6", "1.8", "2.0",
                                               "2.2", "2.4", "2.7", "3.0", "3.3", "3.6", "3.9", "4.3",
                                               "4.7", "5.1", "5.6", "6.2", "6.8", "7.5", "8.2", "9.1"};
  // IEC 60063, Table 2.
  static const std::vector<std::string> e96 = {
      "1.00", "1.02", "1.05", "1.07", "1.10", "1.13", "1.15", "1.18", "1.21", "1.24", "1.27", "1.30",
      "1.33", "1.37", "1.40", "1.43", "1.47", "1.50", "1.54", "1.58", "1.62", "1.65", "1.69", "1.74",
      "1.78", "1.82", "1.87", "1.91", "1.96", "2.00", "2.05", "2.10", "2.15", "2.21", "2.26", "2.32",
      "2.37", "2.43", "2.49", "2.55", "2.61", "2.67", "2.74", "2.80", "2.87", "2.94", "3.01", "3.09",
      "3.16", "3.24", "3.32", "3.40", "3.48", "3.57", "3.65", "3.74", "3.83", "3.92", "4.02", "4.12",
      "4.22", "4.32", "4.42", "4.53", "4.64", "4.75", "4.87", "4.99", "5.11", "5.23", "5.36", "5.49",
      "5.62", "5.76", "5.90", "6.04", "6.19", "6.34", "6.49", "6.65", "6.81", "6.98", "7.15", "7.32",
      "7.50", "7.68", "7.87", "8.06", "8.25", "8.45", "8.66", "8.87", "9.09", "9.31", "9.53", "9.76"};
  switch (series) {
    case ESeries::E6: return e6;
    case ESeries::E12: return e12;
    case ESeries::E24: return e24;
    case ESeries::E96: return e96;
  }
  return e24;
}

namespace {

// The series' values in the decades around `value` (its neighbours cover a
// value near a power of ten), in increasing order: each its printed digits
// with an exponent, read as every number is. None for a number that is not
// positive and finite.
std::vector<double> candidates(ESeries series, double value) {
  std::vector<double> all;
  if (!(value > 0 && std::isfinite(value))) return all;
  int exponent = 0;
  std::frexp(value, &exponent);
  const int ten = static_cast<int>(std::floor((exponent - 1) * 0.30102999566398119521));
  for (int d = ten - 2; d <= ten + 2; ++d)
    for (const std::string& digits : seriesValues(series)) {
      const double c = NumberFromText(digits + "E" + std::to_string(d));
      if (c > 0 && std::isfinite(c)) all.push_back(c);
    }
  return all;
}

}  // namespace

std::optional<double> nearestStandard(ESeries series, double value) {
  std::optional<double> best;
  double bestRatio = INFINITY;
  for (const double c : candidates(series, value)) {
    const double ratio = c >= value ? c / value : value / c;
    if (ratio < bestRatio || (ratio == bestRatio && best && c > *best)) {
      bestRatio = ratio;
      best = c;
    }
  }
  return best;
}

std::optional<double> standardAtLeast(ESeries series, double value) {
  for (const double c : candidates(series, value))
    if (c >= value) return c;
  return std::nullopt;
}

namespace {

// A deviation in percent to a tenth, with its sign: 3.66 -> "+3.7", -6.32 -> "−6.3".
std::string percent(double deviation) {
  const long long tenths = std::llround(std::fabs(deviation) * 10);
  const std::string sign = tenths == 0 ? "" : deviation > 0 ? "+" : "−";
  return sign + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace

std::optional<std::string> standardValuesLine(const std::string& text, const Quantity& quantity, bool atLeast) {
  const QuantityKind k = quantity.kind;
  if (k != QuantityKind::Resistance && k != QuantityKind::Capacitance && k != QuantityKind::Inductance)
    return std::nullopt;
  const double value = NumberFromText(text);
  if (!IsPlainNumber(text) || !(value > 0 && std::isfinite(value))) return std::nullopt;
  std::string line = atLeast ? "标准值（不小于计算值）：" : "标准值：";
  for (const ESeries series : {ESeries::E24, ESeries::E12}) {
    const std::optional<double> found = atLeast ? standardAtLeast(series, value) : nearestStandard(series, value);
    if (!found) return std::nullopt;
    const double nearest = *found;
    line += (series == ESeries::E24 ? "" : "，") + seriesName(series) + " " + TextFromNumber(nearest) + " " +
            quantity.unit + "（" + percent((nearest / value - 1) * 100) + " %）";
  }
  return line;
}

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
// Doubles compared bit for bit. QCOMPARE on two doubles is fuzzy (equal
// within about 1e-12 relative, and anything near 0 equals 0), which hides
// exactly the last-digit mistakes an exact calculator must not make.
//
//   QCOMPARE_BITS(NumberFromText("0.1"), 0.1);        // passes
//   QCOMPARE_BITS(std::nextafter(0.1, 1.0), 0.1);    // fails, prints both as hex floats
//   QCOMPARE_BITS(-0.0, 0.0);                         // fails: the sign bit differs
#pragma once

#include <QtTest>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

namespace ombrel::test {

inline std::string hexFloat(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%a", v);
  return buf;
}

// The inverse: "-0x1.8p+1" -> -3, "inf" -> +inf, "nan" -> NaN.
inline double fromHexFloat(std::string text) {
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) text.erase(0, 1);
  if (text.rfind("0x", 0) == 0) text.erase(0, 2);
  double v = std::numeric_limits<double>::quiet_NaN();
  std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::hex);
  return negative ? -v : v;
}

inline bool sameBits(double actual, double expected, const char* actualText, const char* expectedText,
                     const char* file, int line) {
  if (std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected)) return true;
  const std::string message = std::string("Doubles differ in their bits.\n   Actual   (") + actualText +
                              "): " + hexFloat(actual) + "\n   Expected (" + expectedText +
                              "): " + hexFloat(expected);
  QTest::qFail(message.c_str(), file, line);
  return false;
}

}  // namespace ombrel::test

#define QCOMPARE_BITS(actual, expected)                                                          \
  do {                                                                                           \
    if (!ombrel::test::sameBits((actual), (expected), #actual, #expected, __FILE__, __LINE__)) \
      return;                                                                                    \
  } while (false)

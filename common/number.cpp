// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/number.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>
#include <vector>

namespace ombrel {
namespace {

// The blanks NumberFromText drops inside a number: all but the carriage
// return, which ends the number instead.
bool droppedInNumber(char ch) { return IsBlankChar(ch) && ch != '\r'; }
bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

int digitValue(char ch) {
  if (isDigit(ch)) return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return 99;
}

// "&H1F" / "&O17": digits of the base after the two-letter prefix, read as
// an exact binary integer and rounded once, half to even, to the nearest
// double (a digit-by-digit sum in doubles would round at every step and can
// end one step off for values wider than 53 bits). Beyond the double range
// the value is an infinity.
double readPrefixed(std::string_view s, int base) {
  const int bitsPerDigit = base == 16 ? 4 : 3;
  std::vector<bool> bits;  // most significant first, leading zeros dropped
  for (char ch : s) {
    const int d = digitValue(ch);
    if (d >= base) break;
    for (int b = bitsPerDigit - 1; b >= 0; --b) {
      const bool bit = (d >> b) & 1;
      if (bit || !bits.empty()) bits.push_back(bit);
    }
    if (bits.size() > 1100) return std::numeric_limits<double>::infinity();
  }
  if (bits.empty()) return 0;
  // The leading 53 bits, then round half to even on the rest.
  std::uint64_t mantissa = 0;
  const std::size_t kept = std::min<std::size_t>(bits.size(), 53);
  for (std::size_t i = 0; i < kept; ++i) mantissa = (mantissa << 1) | bits[i];
  if (bits.size() > 53) {
    const bool half = bits[53];
    bool sticky = false;
    for (std::size_t i = 54; i < bits.size() && !sticky; ++i) sticky = bits[i];
    if (half && (sticky || (mantissa & 1))) ++mantissa;  // 2^53 after a carry is still exact
  }
  return std::ldexp(static_cast<double>(mantissa), static_cast<int>(bits.size() - kept));
}

// Reads sign, digits with at most one point, and an optional exponent from
// the start of s, and hands the accepted part to std::from_chars, which
// rounds correctly. Only a D exponent needs a copy (as an E exponent).
double readDecimal(std::string_view s) {
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  const std::size_t start = i;
  if (i == s.size() || !(isDigit(s[i]) || s[i] == '.')) return 0;  // also keeps out "inf" and "nan"

  // Most texts are a plain number that std::from_chars reads whole; what it
  // leaves is an exponent in D or a value beyond the range, read below.
  {
    double value = 0;
    const auto [ptr, ec] = std::from_chars(s.data() + start, s.data() + s.size(), value,
                                           std::chars_format::general);
    if (ec == std::errc::invalid_argument) return 0;
    if (ec == std::errc() && (ptr == s.data() + s.size() || (*ptr != 'D' && *ptr != 'd')))
      return negative ? -value : value;
  }

  bool point = false;
  bool nonZeroDigit = false;
  long long intDigits = 0, fracDigits = 0;
  long long firstInt = -1, firstFrac = 0;  // where the first significant digit stands
  for (; i < s.size(); ++i) {
    const char ch = s[i];
    if (isDigit(ch)) {
      if (ch != '0' && !nonZeroDigit) {
        nonZeroDigit = true;
        if (point) firstFrac = fracDigits + 1;
        else firstInt = intDigits;
      }
      ++(point ? fracDigits : intDigits);
    } else if (ch == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!nonZeroDigit) return 0;
  // The power of ten that the first significant digit stands for.
  const long long magnitude = firstInt >= 0 ? intDigits - firstInt - 1 : -firstFrac;
  std::size_t end = i;

  long long exp10 = 0;
  bool dExponent = false;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    bool expNegative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) expNegative = s[j++] == '-';
    const std::size_t digitsStart = j;
    while (j < s.size() && isDigit(s[j])) {
      if (exp10 < 1'000'000'000) exp10 = exp10 * 10 + (s[j] - '0');  // long exponents saturate
      ++j;
    }
    if (j > digitsStart) {
      dExponent = s[i] == 'D' || s[i] == 'd';
      end = j;
      if (expNegative) exp10 = -exp10;
    } else {
      exp10 = 0;
    }
  }

  std::string copy;
  std::string_view number = s.substr(start, end - start);
  if (dExponent) {
    copy.assign(number);
    copy[copy.find_first_of("Dd")] = 'e';
    number = copy;
  }
  double value = 0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                         std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Beyond the double range one way or the other: the power of ten of the
    // first significant digit plus the exponent tells which.
    value = (magnitude + exp10 > 0) ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc()) {
    value = 0;
  }
  return negative ? -value : value;
}

}  // namespace

bool IsPlainNumber(std::string_view text) {
  std::size_t i = 0, end = text.size();
  while (i < end && IsBlankChar(text[i])) ++i;
  while (end > i && IsBlankChar(text[end - 1])) --end;
  if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < end && isDigit(text[i])) ++i, ++digits;
  if (i < end && text[i] == '.')
    for (++i; i < end && isDigit(text[i]); ++i) ++digits;
  if (digits == 0) return false;
  if (i < end && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t exponentStart = i;
    while (i < end && isDigit(text[i])) ++i;
    if (i == exponentStart) return false;
  }
  return i == end;
}

double NumberFromText(std::string_view text) {
  // Blanks are dropped wherever they stand; most texts have none.
  std::string copy;
  std::string_view s = text;
  bool blanks = false;
  for (char ch : text) blanks = blanks || droppedInNumber(ch);
  if (blanks) {
    copy.reserve(text.size());
    for (char ch : text)
      if (!droppedInNumber(ch)) copy += ch;
    s = copy;
  }

  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return readPrefixed(s.substr(2), 16);
    if (s[1] == 'O' || s[1] == 'o') return readPrefixed(s.substr(2), 8);
    return 0;
  }
  return readDecimal(s);
}

std::string TextFromNumber(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (value == 0) return "0";

  // [-]d.dddddddddddddde±XX[X]: the value rounded correctly to 15 significant digits.
  char sci[40];
  const char* const sciEnd = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific, 14).ptr;
  const bool negative = sci[0] == '-';
  const char* p = sci + (negative ? 1 : 0);
  char digits[15];  // no point
  digits[0] = p[0];
  std::memcpy(digits + 1, p + 2, 14);
  int exp10 = 0;
  for (const char* q = p + 18; q < sciEnd; ++q) exp10 = exp10 * 10 + (*q - '0');
  if (p[17] == '-') exp10 = -exp10;
  int count = 15;
  while (count > 1 && digits[count - 1] == '0') --count;

  char out[40];
  char* o = out;
  if (negative) *o++ = '-';
  if (exp10 >= 15 || exp10 < -4) {
    *o++ = digits[0];
    if (count > 1) {
      *o++ = '.';
      std::memcpy(o, digits + 1, std::size_t(count - 1));
      o += count - 1;
    }
    *o++ = 'E';
    *o++ = exp10 < 0 ? '-' : '+';
    const int magnitude = exp10 < 0 ? -exp10 : exp10;
    if (magnitude < 10) *o++ = '0';
    o = std::to_chars(o, out + sizeof out, magnitude).ptr;
  } else if (exp10 < 0) {
    *o++ = '0';
    *o++ = '.';
    for (int i = -1; i > exp10; --i) *o++ = '0';
    std::memcpy(o, digits, std::size_t(count));
    o += count;
  } else {
    const int intLen = exp10 + 1;
    for (int i = 0; i < intLen; ++i) *o++ = i < count ? digits[i] : '0';
    if (count > intLen) {
      *o++ = '.';
      std::memcpy(o, digits + intLen, std::size_t(count - intLen));
      o += count - intLen;
    }
  }
  return std::string(out, o);
}

std::string significantFigures(double value, int digits) {
  // The exact binary value rounded in the exponent form the number rules
  // read back, then written as every figure is.
  char rounded[40];
  const auto done = std::to_chars(rounded, rounded + sizeof rounded, value, std::chars_format::scientific, digits - 1);
  return TextFromNumber(NumberFromText(std::string_view(rounded, std::size_t(done.ptr - rounded))));
}

bool IsBlankChar(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

bool IsBlank(std::string_view text) { return std::all_of(text.begin(), text.end(), IsBlankChar); }

}  // namespace ombrel

#include "common/number.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>
#include <vector>

namespace ombrel {
namespace {

bool isBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\n'; }
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
// the start of s. The accepted part is copied into a canonical form that
// std::from_chars reads with correct rounding.
double readDecimal(std::string_view s) {
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

  std::string mantissa;
  bool point = false;
  bool anyDigit = false;
  bool nonZeroDigit = false;
  long long intDigits = 0;
  long long leadingIntDigit = -1;   // index of the first non-zero digit before the point
  long long leadingFracDigit = -1;  // or its index after the point
  for (; i < s.size(); ++i) {
    const char ch = s[i];
    if (isDigit(ch)) {
      if (ch != '0' && !nonZeroDigit) {
        nonZeroDigit = true;
        if (point)
          leadingFracDigit = static_cast<long long>(mantissa.size()) - intDigits - 1;
        else
          leadingIntDigit = intDigits;
      }
      anyDigit = true;
      mantissa += ch;
      if (!point) ++intDigits;
    } else if (ch == '.' && !point) {
      point = true;
      mantissa += ch;
    } else {
      break;
    }
  }
  if (!anyDigit || !nonZeroDigit) return 0;

  std::string exponent;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    std::string sign;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) sign = s[j++];
    std::string digits;
    while (j < s.size() && isDigit(s[j])) digits += s[j++];
    if (!digits.empty()) exponent = "e" + sign + digits;
  }

  const std::string text = mantissa + exponent;
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value,
                                         std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Beyond the double range one way or the other: the position of the first
    // significant digit plus the exponent tells which.
    long long exp10 = 0;
    if (!exponent.empty()) {
      const bool expNegative = exponent[1] == '-';
      const std::size_t start = (exponent[1] == '-' || exponent[1] == '+') ? 2 : 1;
      const std::string_view digits = std::string_view(exponent).substr(start);
      // Long exponents saturate; only the direction matters here.
      for (char ch : digits) {
        exp10 = exp10 * 10 + (ch - '0');
        if (exp10 > 1'000'000'000) break;
      }
      if (expNegative) exp10 = -exp10;
    }
    // The first significant digit stands for 10^magnitude.
    const long long magnitude =
        leadingIntDigit >= 0 ? intDigits - leadingIntDigit - 1 : -(leadingFracDigit + 1);
    value = (magnitude + exp10 > 0) ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc()) {
    value = 0;
  }
  return negative ? -value : value;
}

}  // namespace

double NumberFromText(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char ch : text)
    if (!isBlank(ch)) s += ch;

  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return readPrefixed(std::string_view(s).substr(2), 16);
    if (s[1] == 'O' || s[1] == 'o') return readPrefixed(std::string_view(s).substr(2), 8);
    return 0;
  }
  return readDecimal(s);
}

std::string TextFromNumber(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (value == 0) return "0";

  // d.dddddddddddddde+XX: the value rounded correctly to 15 significant digits.
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  std::string sci(buf, result.ptr);

  std::string sign;
  if (sci[0] == '-') {
    sign = "-";
    sci.erase(0, 1);
  }
  const std::size_t e = sci.find('e');
  const int exp10 = std::stoi(sci.substr(e + 1));
  std::string digits = sci.substr(0, 1) + sci.substr(2, e - 2);  // 15 digits, no point
  // The few doubles just below the largest one would round up to a text that
  // reads back beyond the double range; they show the largest 15-digit value
  // that reads back, so a later step can use what the field shows.
  if (exp10 == 308 && digits > "179769313486231") digits = "179769313486231";
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  if (exp10 >= 15 || exp10 < -4) {
    std::string text = sign + digits.substr(0, 1);
    if (digits.size() > 1) text += "." + digits.substr(1);
    const int magnitude = exp10 < 0 ? -exp10 : exp10;
    text += exp10 < 0 ? "E-" : "E+";
    if (magnitude < 10) text += "0";
    text += std::to_string(magnitude);
    return text;
  }
  if (exp10 < 0) return sign + "0." + std::string(static_cast<std::size_t>(-exp10 - 1), '0') + digits;
  const std::size_t intLen = static_cast<std::size_t>(exp10) + 1;
  if (digits.size() <= intLen) return sign + digits + std::string(intLen - digits.size(), '0');
  return sign + digits.substr(0, intLen) + "." + digits.substr(intLen);
}

}  // namespace ombrel

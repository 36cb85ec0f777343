// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the number rules.
//
// Any bytes are a field text. Checked on every input:
// - NumberFromText never crashes and never reports to the sanitizers;
// - a finite value's TextFromNumber is plainly a number and reads back to
//   the same 15-digit value, or, from 1.797693134862315E+308 up, to an
//   infinity of its sign (an overflow when a calculation reads it);
// - a text that IsPlainNumber accepts reads as the same value with a letter
//   after it (the plain number is the whole leading number);
// - an "&H"/"&O" text reads as the double nearest to its exact value, the
//   same double as its decimal spelling;
// - the first eight bytes taken as a double: a finite one's text reads back
//   to the same 15-digit value as well; and its nearest standard value in
//   each E series exists exactly for a positive finite double, within a
//   factor √1.5 of it (E6's widest step), as does a result's tooltip line
//   for the text.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/number.h"
#include "common/standard_values.h"
#include "fuzz_support.h"

using ombrel::NumberFromText;
using ombrel::IsPlainNumber;
using ombrel::TextFromNumber;

namespace {

using ombrel::fuzz::fail;

void nearestWithinAStep(double value) {
  for (const auto series : {ombrel::ESeries::E6, ombrel::ESeries::E12, ombrel::ESeries::E24, ombrel::ESeries::E96}) {
    const std::optional<double> nearest = ombrel::nearestStandard(series, value);
    if (nearest.has_value() != (value > 0 && std::isfinite(value))) fail("a nearest value, or none", TextFromNumber(value));
    // Near the top of the range the next decade is beyond it, and near the
    // bottom the standard values themselves round coarsely: there the nearest
    // stands further off.
    if (nearest && value > 1e-300 && value < 1e307 && !(*nearest / value <= 1.2248 && value / *nearest <= 1.2248))
      fail("a nearest value further than a step", TextFromNumber(value) + " " + TextFromNumber(*nearest));
  }
}

void readsBackTo15Digits(double value) {
  if (!std::isfinite(value)) return;
  const std::string shown = TextFromNumber(value);
  if (!IsPlainNumber(shown)) fail("written text not plain", shown);
  const double back = NumberFromText(shown);
  if (std::fabs(value) > 1.797693134862315e308) {  // the double nearest lies below the decimal
    if (back != (value < 0 ? -HUGE_VAL : HUGE_VAL)) fail("top of the range reads back finite", shown);
    return;
  }
  if (TextFromNumber(back) != shown) fail("15-digit read-back", shown);
}

void plainIsWholeNumber(std::string_view text) {
  if (!IsPlainNumber(text)) return;
  const double value = NumberFromText(text), lettered = NumberFromText(std::string(text) + "x");
  if (std::memcmp(&value, &lettered, sizeof value) != 0) fail("plain number not read whole", text);
}

// The exact decimal spelling of a string of base-8 or base-16 digits.
std::string decimalOf(std::string_view digits, int base) {
  std::vector<std::uint32_t> limbs{0};  // base 1e9, least significant first
  for (char ch : digits) {
    const int d = std::isdigit(static_cast<unsigned char>(ch)) ? ch - '0' : (std::tolower(ch) - 'a' + 10);
    std::uint64_t carry = static_cast<std::uint64_t>(d);
    for (std::uint32_t& limb : limbs) {
      const std::uint64_t v = static_cast<std::uint64_t>(limb) * base + carry;
      limb = static_cast<std::uint32_t>(v % 1000000000);
      carry = v / 1000000000;
    }
    if (carry) limbs.push_back(static_cast<std::uint32_t>(carry));
  }
  std::string out = std::to_string(limbs.back());
  char buf[16];
  for (std::size_t i = limbs.size() - 1; i-- > 0;) {
    std::snprintf(buf, sizeof buf, "%09u", limbs[i]);
    out += buf;
  }
  return out;
}

void prefixedReadsLikeItsDecimal(std::string_view text) {
  std::string s;
  for (char ch : text)
    if (ch != ' ' && ch != '\t' && ch != '\n') s += ch;
  if (s.size() < 2 || s[0] != '&') return;
  const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : (s[1] == 'O' || s[1] == 'o') ? 8 : 0;
  if (!base) return;
  std::size_t end = 2;
  while (end < s.size()) {
    const char ch = s[end];
    const bool ok = base == 16 ? std::isxdigit(static_cast<unsigned char>(ch)) : (ch >= '0' && ch <= '7');
    if (!ok) break;
    ++end;
  }
  std::string_view digits = std::string_view(s).substr(2, end - 2);
  while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
  if (digits.size() > 400) return;  // far beyond the double range either way
  const std::string decimal = digits.empty() ? "0" : decimalOf(digits, base);
  double expected = 0;
  const auto [p, ec] = std::from_chars(decimal.data(), decimal.data() + decimal.size(), expected);
  if (ec == std::errc::result_out_of_range) expected = HUGE_VAL;
  const double actual = NumberFromText(text);
  if (std::memcmp(&actual, &expected, sizeof actual) != 0) fail("&H/&O nearest double", text);
}

void check(std::string_view text) {
  const double value = NumberFromText(text);
  readsBackTo15Digits(value);
  prefixedReadsLikeItsDecimal(text);
  plainIsWholeNumber(text);
}

}  // namespace

// The inputs worth trying on every run, whatever the corpus holds.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  check(std::string(1 << 20, '7'));                            // 1 MB of digits
  check("0." + std::string(1 << 20, '0') + "1");
  check("&H" + std::string(100, 'F'));                         // 100 hex digits
  check("&H200000000000018");
  check("&O" + std::string(400, '7'));
  check("1e999999");
  check("-1e999999999999999999999");
  check("\xff\xfe\x80 12");                                    // invalid UTF-8
  check("\xef\xbc\x91\xef\xbc\x92");                           // full-width digits
  check("4.9406564584124654e-324");
  check("1.7976931348623157e308");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  check(text);
  if (size >= 8) {
    double value;
    std::memcpy(&value, data, sizeof value);
    readsBackTo15Digits(value);
    nearestWithinAStep(value);
  }
  const std::string line(text);
  if (ombrel::standardValuesLine(line, ombrel::q::resistance_kOhm).has_value() !=
      (IsPlainNumber(line) && NumberFromText(line) > 0 && std::isfinite(NumberFromText(line))))
    fail("a standard-value line where the text is no positive finite number, or none where it is", line);
  return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the sweep range: sweepRange and sweepPoints.
//
// The first byte's lowest bit is the logarithmic flag; the rest, split at its
// first two unit separators ('\x1f'), are the texts 从, 到 and 点数 (a text
// without its piece is empty; the third runs to the end). Checked on every
// input:
// - no crash, no sanitizer report;
// - the result is a message, one of those the sweep window shows, or a range
//   with finite, different ends, 2 to 2000 points, and a logarithmic one
//   only with both ends above zero;
// - an end the range accepts reads as NumberFromText reads its text with the
//   blanks (space, tab, line feed, carriage return) removed;
// - the range's points are exactly `points` values, all finite, each within
//   the ends, in order from 从 towards 到 (non-decreasing when 从 < 到,
//   non-increasing otherwise), the first of them 从 itself.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/number.h"
#include "sweep/sweep.h"
#include "fuzz_support.h"

using ombrel::NumberFromText;
using ombrel::SweepRange;
using ombrel::TextFromNumber;

namespace {

using ombrel::fuzz::fail;

// The texts shortened for a message: their first characters and their length.
std::string shown(const std::string& from, const std::string& to, const std::string& points, bool log) {
  auto cut = [](const std::string& s) {
    return (s.size() > 60 ? s.substr(0, 60) + "...(" + std::to_string(s.size()) + " bytes)" : s);
  };
  return "从 \"" + cut(from) + "\" 到 \"" + cut(to) + "\" 点数 \"" + cut(points) + "\"" + (log ? " log" : "");
}

std::string bare(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text)
    if (ch != ' ' && ch != '\t' && ch != '\n' && ch != '\r') out += ch;
  return out;
}

bool sameDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool knownMessage(const std::string& m) {
  static const char* const messages[] = {
      "「从」不是数字", "「从」的数值超出范围", "「到」不是数字", "「到」的数值超出范围",
      "「点数」须为 2 到 2000 之间的整数", "「从」与「到」相同，无从扫描", "对数刻度要求「从」和「到」都大于零",
  };
  return std::find(std::begin(messages), std::end(messages), m) != std::end(messages);
}

void check(const std::string& from, const std::string& to, const std::string& points, bool log) {
  const auto result = ombrel::sweepRange(from, to, points, log);
  const std::string where = shown(from, to, points, log);
  if (const std::string* message = std::get_if<std::string>(&result)) {
    if (message->empty()) fail("empty message", where);
    if (!knownMessage(*message)) fail(("unknown message " + *message).c_str(), where);
    return;
  }
  const SweepRange& r = std::get<SweepRange>(result);
  if (!std::isfinite(r.from) || !std::isfinite(r.to)) fail("range end not finite", where);
  if (r.from == r.to) fail("range ends equal", where);
  if (r.points < 2 || r.points > 2000) fail("points outside 2 to 2000", where + " -> " + std::to_string(r.points));
  if (r.log != log) fail("log flag not kept", where);
  if (r.log && !(r.from > 0 && r.to > 0)) fail("log range with an end not above zero", where);
  if (!sameDouble(r.from, NumberFromText(bare(from)))) fail("从 reads otherwise than NumberFromText", where);
  if (!sameDouble(r.to, NumberFromText(bare(to)))) fail("到 reads otherwise than NumberFromText", where);

  const std::vector<double> x = ombrel::sweepPoints(r);
  const std::string range = where + " -> [" + TextFromNumber(r.from) + ", " + TextFromNumber(r.to) + "] " +
                            std::to_string(r.points) + (r.log ? " log" : "");
  if (x.size() != static_cast<std::size_t>(r.points))
    fail("number of points", range + ": " + std::to_string(x.size()) + " points");
  const double lo = std::min(r.from, r.to), hi = std::max(r.from, r.to);
  char at[128];
  for (std::size_t i = 0; i < x.size(); ++i) {
    std::snprintf(at, sizeof at, ": x[%zu] = %.17g", i, x[i]);
    if (!std::isfinite(x[i])) fail("point not finite", range + at);
    if (x[i] < lo || x[i] > hi) fail("point outside the range", range + at);
    if (i > 0 && (r.from < r.to ? x[i] < x[i - 1] : x[i] > x[i - 1])) {
      std::snprintf(at, sizeof at, ": x[%zu] = %.17g, x[%zu] = %.17g", i - 1, x[i - 1], i, x[i]);
      fail("points out of order", range + at);
    }
  }
  if (x.front() != r.from) {
    std::snprintf(at, sizeof at, ": x[0] = %.17g, from = %.17g", x.front(), r.from);
    fail("first point is not 从", range + at);
  }
}

}  // namespace

// The inputs worth trying on every run, whatever the corpus holds.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string digits1 = std::string(32767, '1');    // a 32767-character paste
  const std::string digitsMB = std::string(1 << 20, '7');  // 1 MB of digits
  for (bool log : {false, true}) {
    check(digits1, "10", "31", log);
    check("1", digits1, "31", log);
    check("1", "10", digits1, log);
    check(digitsMB, "1", "2", log);
    check("0." + digitsMB, "1", "2000", log);
    check("1", "2", digitsMB, log);
    check(" 1 " + std::string(1 << 20, ' ') + "0 ", "1\t0\r\n0", "3 1", log);
    check("1e400", "10", "31", log);
    check("1", "-1e400", "31", log);
    check("-1e308", "1e308", "2000", log);
    check("1e308", "-1e308", "2000", log);
    check("1e-300", "1e300", "2000", log);
    check("1e300", "1e-300", "2000", log);
    check("4.9406564584124654e-324", "1.7976931348623157e308", "2000", log);
    check("1.7976931348623157e308", "4.9406564584124654e-324", "1999", log);
    check("-1.7e308", "1.7e308", "2000", log);
    check("-1.79769313486231E+308", "1.79769313486231E+308", "2000", log);
    check("1.79769313486231E+308", "-1.79769313486231E+308", "3", log);
    check("1.7e308", "1.79769313486231E+308", "2000", log);
    check("1.79769313486232E+308", "1", "2", log);  // beyond the double range
    check("0.1", "0.3", "2000", log);
    check("3", "10", "2000", log);
    check("1", "1.0000000000000002", "2000", log);
    check("-0", "0", "2", log);
    check("0", "1", "2.5", log);
    check("0", "1", "1e3", log);
    check("0", "1", "2e3", log);
    check("0", "1", "2000.0000000000001", log);
    check("\xff\xfe\x80 12", "\xef\xbc\x91", std::string("\x00\x01\x02", 3), log);  // garbage bytes
    check(std::string("1\0" "2", 3), "abc", "", log);
    check("&H10", "1.5D2", "12E", log);
    check("", "", "", log);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const bool log = data[0] & 1;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string texts[3];
  std::size_t start = 0;
  for (int k = 0; k < 3 && start <= rest.size(); ++k) {
    const std::size_t end = k < 2 ? std::min(rest.find('\x1f', start), rest.size()) : rest.size();
    texts[k] = std::string(rest.substr(start, end - start));
    start = end + 1;
  }
  check(texts[0], texts[1], texts[2], log);
  return 0;
}

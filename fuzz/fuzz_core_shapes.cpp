// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the data file of standard core shapes:
// parseCoreShapes, and effectiveParameters on every shape it reads.
//
// Any bytes are the data file. Checked on every input:
// - no crash, no sanitizer report;
// - every shape has a family and a name, and every dimension is finite;
// - every error starts with "line N: ", N a line of the file, the errors in
//   the order of their lines, one a line at most;
// - the shapes and errors together are no more than the lines (a line is a
//   line feed, or the end of a file that has none there);
// - for every shape, effectiveParameters gives either an error that starts
//   with the shape's name and ": ", all its figures 0, or C1, C2, le, Ae, Ve
//   and Amin finite and above zero, le == C1·C1/C2, Ae == C1/C2 and
//   Ve == le·Ae to the bit. For E, EFD and ETD, where every section's area
//   is one of the uniform ones or the mean of two of them, Ae, a mean of the
//   sections' areas, is no smaller than Amin: Amin <= Ae·(1 + 1e-12). (PQ,
//   RM and EP have yoke sections thinner than their legs, so Ae may be less.)
// - the core list made of the shapes read (coreChoices) names each entry
//   once, without blanks or control characters, as "name\tAe text mm²",
//   its text a plain number
//   above zero;
// - the same bytes as the core shape window's texts (computeShape): the
//   first byte the family and RM drawing, the rest the letters' texts split
//   at tabs. Either a fault in words and no results, or six results, each a
//   plain number above zero ("1.79769313486232E+308", the one text beyond
//   the range, aside).
// Checked once, at start-up: the data file as shipped (OMBREL_CORE_SHAPES)
// reads without an error to 188 shapes, each with its figures, the same with
// "\r\n" endings; and the inputs below: nesting 100000 deep, 1 MB strings,
// NUL bytes, invalid UTF-8, numbers beyond the double range, -0.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>
#include <string>
#include <string_view>

#include "parts/core_form.h"
#include "parts/core_list.h"
#include "parts/core_shapes.h"
#include "parts/shape_file.h"
#include "common/number.h"
#include "fuzz_support.h"

using ombrel::CoreShape;
using ombrel::CoreShapeTable;
using ombrel::EffectiveParameters;

namespace {

using ombrel::fuzz::fail;
using ombrel::fuzz::checkErrorLines;
using ombrel::fuzz::linesIn;
using ombrel::fuzz::shippedFile;
using ombrel::fuzz::withCrlf;

std::string figures(const EffectiveParameters& p) {
  char shown[256];
  std::snprintf(shown, sizeof shown, ": C1 %a C2 %a le %a Ae %a Ve %a Amin %a", p.c1, p.c2, p.le, p.ae, p.ve,
                p.amin);
  return shown;
}

EffectiveParameters checkParameters(const CoreShape& shape) {
  const EffectiveParameters p = effectiveParameters(shape);
  if (!p.error.empty()) {
    if (p.error.compare(0, shape.name.size() + 2, shape.name + ": ") != 0) fail("error not naming the shape", p.error);
    if (p.c1 != 0 || p.c2 != 0 || p.le != 0 || p.ae != 0 || p.ve != 0 || p.amin != 0)
      fail("figures beside an error", p.error + figures(p));
    return p;
  }
  for (double v : {p.c1, p.c2, p.le, p.ae, p.ve, p.amin})
    if (!std::isfinite(v) || !(v > 0)) fail("figure not finite and above zero", shape.name + figures(p));
  if (p.le != p.c1 * p.c1 / p.c2 || p.ae != p.c1 / p.c2 || p.ve != p.le * p.ae)
    fail("le, Ae, Ve not C1²/C2, C1/C2, le·Ae", shape.name + figures(p));
  const bool uniformMeans = shape.family == "e" || shape.family == "efd" || shape.family == "etd";
  if (uniformMeans && !(p.amin <= p.ae * (1 + 1e-12))) fail("Amin above Ae", shape.name + figures(p));
  return p;
}

bool plainAboveZero(const std::string& text) {
  const double value = ombrel::NumberFromText(text);
  return ombrel::IsPlainNumber(text) && value > 0 && (std::isfinite(value) || text == "1.79769313486232E+308");
}

void checkList(const std::vector<CoreShape>& shapes) {
  std::vector<std::string> names;
  for (const ombrel::CoreChoice& c : ombrel::coreChoices({}, shapes)) {
    if (c.name.empty() || std::any_of(c.name.begin(), c.name.end(), [](char ch) {
          return ch == ' ' || static_cast<unsigned char>(ch) < 0x20;
        }))
      fail("entry name empty, or with a blank or a control character", c.name);
    if (c.entry.label != c.name + "\tAe " + c.entry.text + " mm²") fail("entry label", c.entry.label);
    if (!plainAboveZero(c.entry.text)) fail("entry text", c.entry.text);
    names.push_back(c.name);
  }
  std::sort(names.begin(), names.end());
  if (std::adjacent_find(names.begin(), names.end()) != names.end()) fail("entry named twice", "");
}

void checkWindow(std::string_view bytes) {
  if (bytes.empty()) return;
  const auto& families = ombrel::shapeFamilies();
  const unsigned char pick = static_cast<unsigned char>(bytes[0]);
  const ombrel::ShapeFamily& family = families[pick % families.size()];
  const std::string drawing = ombrel::rmDrawings()[(pick / families.size()) % ombrel::rmDrawings().size()].subtype;
  std::map<std::string, std::string> texts;
  bytes.remove_prefix(1);
  for (const ombrel::ShapeLetter& l : family.letters) {
    const std::size_t tab = std::min(bytes.find('\t'), bytes.size());
    texts[l.letter] = std::string(bytes.substr(0, tab));
    bytes.remove_prefix(std::min(tab + 1, bytes.size()));
  }
  const ombrel::ShapeOutcome got = ombrel::computeShape(family.family, drawing, texts);
  if (got.fault.empty() == got.results.empty()) fail("a fault and results, or neither", got.fault);
  if (!got.fault.empty()) return;
  if (got.results.size() != ombrel::shapeResultNames().size()) fail("not six results", family.family);
  for (const std::string& r : got.results)
    if (!plainAboveZero(r)) fail("result not a plain number above zero", r);
}

CoreShapeTable check(std::string_view ndjson) {
  const CoreShapeTable table = ombrel::parseCoreShapes(ndjson);
  for (const CoreShape& shape : table.shapes) {
    if (shape.family.empty()) fail("shape without a family", shape.name);
    if (shape.name.empty()) fail("shape without a name", shape.family);
    for (const auto& [letter, value] : shape.dimensions)
      if (!std::isfinite(value)) fail("dimension not finite", shape.name + " " + letter);
    checkParameters(shape);
  }
  checkErrorLines(table.errors, ndjson, 0);
  const std::size_t lines = linesIn(ndjson);
  if (table.shapes.size() + table.errors.size() > lines)
    fail("more shapes and errors than lines", std::to_string(table.shapes.size()) + " shapes, " +
                                                  std::to_string(table.errors.size()) + " errors, " +
                                                  std::to_string(lines) + " lines");
  return table;
}

// A shape line with the given letters, each {"nominal": figure}.
std::string line(std::string_view family, std::string_view name, std::string_view dimensions) {
  return "{\"family\":\"" + std::string(family) + "\",\"name\":\"" + std::string(name) + "\",\"dimensions\":{" +
         std::string(dimensions) + "}}\n";
}

const char* const e13 =
    R"("A":{"nominal":0.0127},"B":{"nominal":0.0065},"C":{"nominal":0.0037},)"
    R"("D":{"nominal":0.0047},"E":{"nominal":0.0092},"F":{"nominal":0.0036})";

}  // namespace

// The data file as shipped, and the inputs worth trying on every run,
// whatever the corpus holds.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string shipped = shippedFile(OMBREL_CORE_SHAPES);
  const CoreShapeTable table = check(shipped);
  if (!table.errors.empty()) fail("data file as shipped", table.errors.front());
  if (table.shapes.size() != 188) fail("data file as shipped has not 188 shapes", std::to_string(table.shapes.size()));
  for (const CoreShape& shape : table.shapes)
    if (const EffectiveParameters p = checkParameters(shape); !p.error.empty()) fail("data file as shipped", p.error);
  const CoreShapeTable crlfTable = check(withCrlf(shipped));
  if (!crlfTable.errors.empty() || crlfTable.shapes.size() != table.shapes.size())
    fail("data file with \"\\r\\n\" endings", crlfTable.errors.empty() ? "shapes lost" : crlfTable.errors.front());

  if (check(line("e", "E 13", e13)).shapes.size() != 1) fail("a plain E core", "not read");
  // Nesting far beyond the limit, as a member skipped, a dimension, the line.
  const std::string deep(100000, '['), deepObjects = [] {
    std::string s;
    for (int k = 0; k < 100000; ++k) s += "{\"a\":";
    return s;
  }();
  if (!check("{\"x\":" + deep + std::string(100000, ']') + ",\"family\":\"e\",\"name\":\"E\",\"dimensions\":{" + e13 +
             "}}")
           .shapes.empty())
    fail("100000 deep", "read");
  check("{\"x\":" + deepObjects + "1" + std::string(100000, '}') + "}");
  check(line("e", "E", std::string("\"A\":{\"note\":") + deep + "}"));
  check(deep);
  check(std::string(100000, '{'));
  check(std::string(100000, '"'));
  // 1 MB strings: a name, a skipped member, a letter, a string left open.
  const std::string mb(1 << 20, 'x');
  if (check(line("e", mb, e13)).shapes.size() != 1) fail("a 1 MB name", "not read");
  check("{\"note\":\"" + mb + "\"," + line("e", "E", e13).substr(1));
  check(line("e", "E", std::string(e13) + ",\"" + mb + "\":{\"nominal\":1}"));
  check("{\"name\":\"" + mb);
  check(std::string(1 << 20, '\n'));
  check(std::string(1 << 20, ' '));
  // NUL bytes, invalid UTF-8.
  static const char nuls[] = "{\"family\":\"e\",\"name\":\"E\0 1\",\0\"dimensions\":{}}\n\0\n{\0}";
  check(std::string(nuls, sizeof nuls - 1));
  check(std::string(1000, '\0'));
  check(line("e", "\xff\xfe\x80\xc3\x28\xed\xa0\x80", e13));
  check("\xef\xbb\xbf" + line("e", "E", e13));
  check("{\"name\":\"\\ud800\\u0041\"}\n{\"name\":\"\\udc00\"}\n{\"name\":\"\\u00\"}\n{\"name\":\"\\uD83D\\uDE00\"}");
  // Numbers: beyond the double range, -0, the smallest, long, malformed.
  for (const char* figure : {"1e999", "-1e999", "1e-999", "-0", "-0.0", "0", "4.9e-324", "1.7976931348623157e308",
                             "00.1", "1.", ".1", "-", "1e", "+1", "0x10", "NaN", "Infinity"}) {
    const std::string f = std::string("{\"nominal\":") + figure + "}";
    check(line("e", "E", std::string(e13) + ",\"A\":" + f));
    check(line("pq", "PQ", "\"A\":{\"nominal\":0.021},\"B\":{\"nominal\":0.0081},\"C\":{\"nominal\":0.014},"
                           "\"D\":{\"nominal\":0.0052},\"E\":{\"nominal\":0.018},\"F\":" + f +
                               ",\"G\":{\"minimum\":0.012}"));
  }
  check(line("e", "E", std::string(e13) + ",\"A\":{\"nominal\":0." + std::string(100000, '1') + "}"));
  // Sizes far apart: the figures of the path under- and overflow. Windows
  // and legs 1e-171 mm wide in a core 1e16 mm deep: le and Ae are above
  // zero, Ve = le·Ae is not.
  check(line("e", "E", R"("A":{"nominal":4e-174},"B":{"nominal":2e-174},"C":{"nominal":1e13},)"
                       R"("D":{"nominal":1e-174},"E":{"nominal":2e-174},"F":{"nominal":1e-174})"));
  for (const char* a : {"1e-150", "1e-100", "1e100", "1e150", "1e300"})
    for (const char* c : {"1e-150", "1e-100", "1e100", "1e150", "1e300", "0.0037"}) {
      check(line("e", "E", std::string("\"A\":{\"nominal\":") + a + "},\"B\":{\"nominal\":" + a +
                               "},\"C\":{\"nominal\":" + c + "},\"D\":{\"nominal\":0.0047},\"E\":{\"nominal\":0.0092},"
                               "\"F\":{\"nominal\":0.0036}"));
    }
  checkList(table.shapes);
  // Names that name no entry: blanks, a tab, an ETD with no size before its slash, a control character.
  for (const char* name : {" ", "   ", "E\\t1", "/3", "\\u0001"})
    checkList(check(line("e", name, e13) + line("etd", name, e13)).shapes);
  // The window: every family with its usual texts, 32767 digits, a letter
  // first, beyond the range, empty.
  for (std::size_t f = 0; f < ombrel::shapeFamilies().size() * ombrel::rmDrawings().size(); ++f)
    for (const std::string& text : {std::string("10"), std::string(32767, '7'), "x" + std::string(32766, '7'),
                                    std::string("1e999"), std::string("1e-200"), std::string(), std::string("&H10")}) {
      std::string bytes(1, char(f));
      for (int k = 0; k < 9; ++k) bytes += (k == 3 ? text : std::string("1") + std::to_string(k)) + "\t";
      checkWindow(bytes);
    }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  checkList(check(bytes).shapes);
  checkWindow(bytes);
  return 0;
}

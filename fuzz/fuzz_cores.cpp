// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the data files of cores and of wires' overall
// diameters: parseCores and parseWireDiameters on the same bytes.
//
// Any bytes are the data file. Checked on every input:
// - no crash, no sanitizer report;
// - every core in the table has a name, a family among coreFamilies(), Ae,
//   le and Ve finite and above zero, and a source;
// - no name stands twice;
// - every error starts with "line N: ", N a line of the file after the
//   header, the errors in the order of their lines;
// - the cores and errors together are no more than the lines after the
//   header (a line is a line feed, or the end of a file that has none there).
// - every wire size read has both diameters finite, the overall above the
//   copper; each grade's sizes in order; overallDiameter of any copper
//   diameter, of every grade and triple-insulated, is finite and above it
//   (the copper itself for a grade without sizes), and at a size listed,
//   that size's overall;
// - the wire table's errors start with "line N: ", in the order of the lines.
// Checked once, at start-up: the data files as shipped (OMBREL_CORES_CSV,
// OMBREL_WIRES_CSV) read without an error, to at least 16 cores and to 87
// wire sizes, the same with "\r\n" endings.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "parts/parts.h"
#include "fuzz_support.h"

using ombrel::Core;
using ombrel::CoreTable;

namespace {

using ombrel::fuzz::fail;
using ombrel::fuzz::checkErrorLines;
using ombrel::fuzz::linesIn;
using ombrel::fuzz::shippedFile;
using ombrel::fuzz::withCrlf;

CoreTable check(std::string_view csv) {
  const CoreTable table = ombrel::parseCores(csv);
  const auto& families = ombrel::coreFamilies();
  std::set<std::string> names;
  for (const Core& core : table.cores) {
    if (core.name.empty()) fail("core without a name", core.source);
    if (std::find(families.begin(), families.end(), core.family) == families.end())
      fail("core of a family not listed", core.name + " " + core.family);
    for (double figure : {core.ae, core.le, core.ve})
      if (!std::isfinite(figure) || !(figure > 0)) {
        char shown[160];
        std::snprintf(shown, sizeof shown, ": Ae %.17g, le %.17g, Ve %.17g", core.ae, core.le, core.ve);
        fail("figure not finite and above zero", core.name + shown);
      }
    if (core.source.empty()) fail("core without a source", core.name);
    if (!names.insert(core.name).second) fail("name twice", core.name);
  }
  checkErrorLines(table.errors, csv, 1);
  const std::size_t lines = linesIn(csv);
  if (table.cores.size() + table.errors.size() + 1 > std::max<std::size_t>(lines, 1))
    fail("more cores and errors than lines after the header",
         std::to_string(table.cores.size()) + " cores, " + std::to_string(table.errors.size()) + " errors, " +
             std::to_string(lines) + " lines");
  return table;
}

}  // namespace

ombrel::WireTable checkWires(std::string_view csv) {
  const ombrel::WireTable table = ombrel::parseWireDiameters(csv);
  for (int grade = 1; grade <= 3; ++grade) {
    const auto& sizes = table.grades[grade - 1];
    for (std::size_t i = 0; i < sizes.size(); ++i) {
      const ombrel::WireSize& w = sizes[i];
      if (!std::isfinite(w.overall) || !(w.overall > w.copper)) fail("a wire size not above its copper", std::to_string(w.copper));
      if (i > 0 && sizes[i - 1].copper > w.copper) fail("wire sizes out of order", std::to_string(w.copper));
      if (ombrel::overallDiameter(table, grade, w.copper) != w.overall && (i == 0 || sizes[i - 1].copper != w.copper))
        fail("a listed size not its overall", std::to_string(w.copper));
    }
    for (int g : {0, grade})
      for (const double d : {1e-9, 0.05, 0.1, 0.53, 1.0, 2.5, 3.0, 100.0}) {
        const double od = ombrel::overallDiameter(table, g, d);
        const bool listed = g == 0 || !sizes.empty();  // a grade without sizes adds nothing
        if (!std::isfinite(od) || !(listed ? od > d : od == d))
          fail("an overall diameter not above the copper", std::to_string(d));
      }
  }
  checkErrorLines(table.errors, csv, 1);
  return table;
}

// The data file as shipped, and the inputs worth trying on every run,
// whatever the corpus holds.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string shipped = shippedFile(OMBREL_CORES_CSV);
  const CoreTable table = check(shipped);
  if (!table.errors.empty()) fail("data file as shipped", table.errors.front());
  if (table.cores.size() < 16) fail("data file as shipped has fewer than 16 cores", OMBREL_CORES_CSV);
  // A figure of 309 digits reads as an infinity: no figure.
  if (!check("h\nBIG,EE,1" + std::string(309, '0') + ",1,1,s,u\n").cores.empty()) fail("an infinite figure", "BIG");
  const CoreTable crlfTable = check(withCrlf(shipped));
  if (!crlfTable.errors.empty() || crlfTable.cores.size() != table.cores.size())
    fail("data file with \"\\r\\n\" endings", crlfTable.errors.empty() ? "cores lost" : crlfTable.errors.front());

  const std::string header = "name,family,ae_mm2,le_mm,ve_mm3,source,url\n";
  check(header + std::string(1 << 20, 'N') + ",EE,97.1,78.6,7630,s,u\n");  // a 1 MB name
  check(header + "ETD34,ETD,97.1,78.6,7630,\"" + std::string(1 << 20, 's') + "\",u\n");
  check(std::string(1 << 20, 'x'));                                          // a 1 MB header, no line feed
  check(header + std::string(100000, ',') + "\n");
  check(header + std::string(100000, '\n'));
  check(header + std::string(100000, '"'));
  check(header + "ETD34,ETD,97.1,78.6,7630,\"TDK, 2022,u\nRM4,RM,13,22,286,s,u\n");  // unterminated quotes
  check(header + "\"ETD34,ETD,97.1,78.6,7630,s,u");
  check(header + "ETD34,ETD,97.1,78.6,7630,\"\"\"\",u\r\nRM4,RM,13,22,286,s,u\r\n\r\n");
  check(header + "ETD34,ETD,97.1,78.6,7630,s,u\rRM4,RM,13,22,286,s,u\r");
  static const char nuls[] = "ET\0D34,ETD,97.1,78.6,7630,s,u\n\0,\0,\0,\0\nRM4\0,RM,13,22,286,s,u";
  check(header + std::string(nuls, sizeof nuls - 1));  // NUL bytes
  check(std::string(1000, '\0'));
  check(header + "ETD34,ETD,97.1,78.6,7630,s,u\nETD34,ETD,97.1,78.6,7630,s,u\n");
  check(header + "X1,ETD,97.1,,7630,s,u\nX2,PQ,0,1,1,s,u\nX3,EE,1.,1,1,s,u\nX4,EE,1e3,1,1,s,u\nX5,EE,-1,1,1,s,u\n");
  check(header + "X6,EE,0.0000000001,1,1,s,u\nX7,EE,1,1,1,,u\nX8,ee,1,1,1,s,u\n,EE,1,1,1,s,u\n");
  check("\xff\xfe\x80,\xef\xbc\x91\n\xc3\x28,EE,1,1,1,s,u\n");  // invalid UTF-8
  const std::string wires = shippedFile(OMBREL_WIRES_CSV);
  const ombrel::WireTable wireTable = checkWires(wires);
  const std::size_t sizes = wireTable.grades[0].size() + wireTable.grades[1].size() + wireTable.grades[2].size();
  if (!wireTable.errors.empty() || sizes != 87) fail("wire file as shipped", wireTable.errors.empty() ? "sizes lost" : wireTable.errors.front());
  if (!checkWires(withCrlf(wires)).errors.empty()) fail("wire file with \"\\r\\n\" endings", "errors");
  checkWires("h\n0.5,1,0.4\n0.5,1,0.6\n0.5,1,0.7\n0.4,4,1\n,1,1\n1e999,1,2\n0.5,1," + std::string(400, '9') + "\n");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  check(bytes);
  checkWires(bytes);
  return 0;
}

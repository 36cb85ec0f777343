// SPDX-License-Identifier: GPL-3.0-or-later
// Standard parts a field can be filled from: the makers' ferrite cores from
// their data file (data/cores.csv, compiled in as :/data/cores.csv) and round
// copper wires from their series. Choosing one puts its figure into the
// field as text, through TextFromNumber, as if typed. Qt-free.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ombrel {

struct Core {
  std::string name;    // "ETD34"
  std::string family;  // one of coreFamilies()
  double ae = 0;       // effective cross-section, mm²
  double le = 0;       // effective magnetic path length, mm
  double ve = 0;       // effective volume, mm³
  std::string source;  // the standard or datasheet the figures come from
};

// The families in menu order, each shape family's submenu (parts/core_families.h)
// with EI after EE: EE EI EFD ETD PQ RM EP.
const std::vector<std::string>& coreFamilies();

// The data file: a header line, then one core a line,
//   name,family,ae_mm2,le_mm,ve_mm3,source,url
// a field holding a comma in double quotes ("" for a quote). Figures are
// plain decimals ("97.1", "7630"). A line that breaks these rules (a field
// missing or one too many, a figure that is no plain decimal, not above zero
// or beyond the double range, a family not listed, a name already used) is left out and named in
// `errors`:
//   "ETD34,ETD,97.1,78.6,7630,\"TDK, 2022\",https://..." -> ETD34, Ae 97.1
//   "X1,ETD,97.1,,7630,s,u" -> error "line 3: X1: le is no figure"
struct CoreTable {
  std::vector<Core> cores;
  std::vector<std::string> errors;
};
CoreTable parseCores(std::string_view csv);

// A menu entry and the text it puts into the field.
struct PartEntry {
  std::string label;  // "ETD34\tAe 97.1 mm²", "0.112 mm", "AWG24\t0.5106 mm"
  std::string text;   // "97.1", "0.112", "0.5106"
};

// A core's entry: its name, a tab, its Ae: ("PQ20/16", "64.3") -> "PQ20/16\tAe 64.3 mm²"
// typing "64.3"; a maker's core with its Ae as printed.
PartEntry coreEntry(const std::string& name, const std::string& ae);
PartEntry coreEntry(const Core& core);
// The nominal copper diameters of the IEC series for winding wires (R20,
// 0.100 to 2.500 mm), smallest first.
std::vector<PartEntry> iecWires();
// The maximum overall diameter of round enamelled copper wire by IEC
// 60317-0-1 (data/wire-overall-diameters.csv, compiled in): a header, then
//   nominal_mm,grade,overall_max_mm      "0.500,1,0.544"
// one row a copper diameter and grade (1, 2 or 3), figures plain decimals
// above zero. A line that breaks these rules is left out and named:
//   "0.5,4,0.6" -> "line 2: 0.5: grade is not 1, 2 or 3"
struct WireSize {
  double copper = 0, overall = 0;  // mm
};
struct WireTable {
  std::vector<WireSize> grades[3];  // grade 1, 2, 3; each by copper diameter, smallest first
  std::vector<std::string> errors;
};
WireTable parseWireDiameters(std::string_view csv);

// A wire's overall diameter in mm: enamelled of grade 1 to 3, the table's at
// a size it lists; between two sizes, the copper diameter plus the enamel
// (overall − copper) interpolated linearly by copper diameter; outside the
// table, plus the nearest size's enamel. Triple-insulated (grade 0): copper
// plus three extruded layers of 38.1 µm, 0.229 mm:
//   (1, 0.5) -> 0.544   (1, 0.53) -> 0.53 + 0.044 + (0.054 − 0.044) × 0.03 ÷ 0.06
//   (1, 0.05) -> 0.05 + 0.017   (0, 0.5) -> 0.729
double overallDiameter(const WireTable& table, int grade, double copper);

// AWG 10 to 40: d = 0.127 mm × 92^((36 − n) ÷ 39), rounded to 4 significant
// digits as wire tables print it: AWG24 -> 0.5106, AWG10 -> 2.588, AWG40 -> 0.07987.
std::vector<PartEntry> awgWires();

}  // namespace ombrel

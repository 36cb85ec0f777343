// SPDX-License-Identifier: GPL-3.0-or-later
#include "parts/parts.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "common/elementary.h"
#include "common/number.h"
#include "parts/core_families.h"

namespace ombrel {

namespace {

// One line's fields, double quotes around a field that holds a comma.
std::vector<std::string> csvFields(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char ch = line[i];
    if (quoted) {
      if (ch == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else if (ch == '"') {
        quoted = false;
      } else {
        fields.back() += ch;
      }
    } else if (ch == '"') {
      quoted = true;
    } else if (ch == ',') {
      fields.emplace_back();
    } else {
      fields.back() += ch;
    }
  }
  return fields;
}

// Digits with at most one point inside, above zero; anything else is no figure.
bool figure(const std::string& text, double& value) {
  const auto point = std::count(text.begin(), text.end(), '.');
  const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
  if (text.empty() || !digits || point > 1 || text.front() == '.' || text.back() == '.') return false;
  value = NumberFromText(text);
  return value > 0 && std::isfinite(value);  // 309 digits read as an infinity
}

// Each data line of a CSV file after its header, with its number from 1 and
// its fields, a line's "\r" before its line feed taken off; empty lines are
// passed over.
template <class Row>
void forEachRow(std::string_view csv, const Row& row) {
  std::size_t number = 0;
  while (!csv.empty()) {
    const std::size_t end = std::min(csv.find('\n'), csv.size());
    std::string_view line = csv.substr(0, end);
    csv.remove_prefix(std::min(end + 1, csv.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (++number == 1 || line.empty()) continue;  // the header
    row(number, csvFields(line));
  }
}

}  // namespace

const std::vector<std::string>& coreFamilies() {
  static const std::vector<std::string> families = [] {
    std::vector<std::string> menus;
    for (const ShapeFamily& f : shapeFamilies()) {
      menus.push_back(f.menu);
      if (f.family == "e") menus.push_back("EI");  // the makers' E and I pairs, after the E cores
    }
    return menus;
  }();
  return families;
}

CoreTable parseCores(std::string_view csv) {
  CoreTable table;
  std::set<std::string> names;
  forEachRow(csv, [&](std::size_t number, const std::vector<std::string>& f) {
    const std::string where = "line " + std::to_string(number) + ": " + f[0];
    if (f.size() < 6 || f.size() > 7) {
      table.errors.push_back(where + (f.size() < 6 ? ": fields missing" : ": fields beyond the url"));
      return;
    }
    Core core{f[0], f[1], 0, 0, 0, f[5]};
    const char* bad = core.name.empty() ? "no name"
                      : std::find(coreFamilies().begin(), coreFamilies().end(), core.family) == coreFamilies().end()
                          ? "no such family"
                      : !figure(f[2], core.ae) ? "Ae is no figure"
                      : !figure(f[3], core.le) ? "le is no figure"
                      : !figure(f[4], core.ve) ? "Ve is no figure"
                      : core.source.empty()    ? "no source"
                      : names.count(core.name) ? "named twice"
                                               : nullptr;
    if (bad) {
      table.errors.push_back(where + ": " + bad);
      return;
    }
    names.insert(core.name);
    table.cores.push_back(std::move(core));
  });
  return table;
}

WireTable parseWireDiameters(std::string_view csv) {
  WireTable table;
  forEachRow(csv, [&](std::size_t number, const std::vector<std::string>& f) {
    const std::string where = "line " + std::to_string(number) + ": " + f[0] + ": ";
    WireSize size;
    const int grade = f.size() == 3 && (f[1] == "1" || f[1] == "2" || f[1] == "3") ? f[1][0] - '0' : 0;
    const char* bad = f.size() != 3                 ? "not three fields"
                      : !figure(f[0], size.copper)  ? "the copper diameter is no figure"
                      : grade == 0                  ? "grade is not 1, 2 or 3"
                      : !figure(f[2], size.overall) ? "the overall diameter is no figure"
                      : size.overall <= size.copper ? "the overall diameter is not above the copper's"
                                                    : nullptr;
    if (bad) {
      table.errors.push_back(where + bad);
      return;
    }
    table.grades[grade - 1].push_back(size);
  });
  for (auto& sizes : table.grades)
    std::stable_sort(sizes.begin(), sizes.end(), [](const WireSize& a, const WireSize& b) { return a.copper < b.copper; });
  return table;
}

double overallDiameter(const WireTable& table, int grade, double copper) {
  if (grade < 1 || grade > 3) return copper + 0.229;
  const std::vector<WireSize>& sizes = table.grades[grade - 1];
  if (sizes.empty()) return copper;
  const auto enamel = [](const WireSize& s) { return s.overall - s.copper; };
  if (!(copper > sizes.front().copper)) return copper == sizes.front().copper ? sizes.front().overall : copper + enamel(sizes.front());
  for (std::size_t i = 1; i < sizes.size(); ++i) {
    const WireSize &a = sizes[i - 1], &b = sizes[i];
    if (copper > b.copper) continue;
    if (copper == b.copper) return b.overall;
    return copper + (enamel(a) + (enamel(b) - enamel(a)) * (copper - a.copper) / (b.copper - a.copper));
  }
  return copper + enamel(sizes.back());
}

PartEntry coreEntry(const std::string& name, const std::string& ae) { return {name + "\tAe " + ae + " mm²", ae}; }

PartEntry coreEntry(const Core& core) { return coreEntry(core.name, TextFromNumber(core.ae)); }

std::vector<PartEntry> iecWires() {
  // The R20 series of preferred numbers, a decade from 1.00.
  static const char* const r20[] = {"1.00", "1.12", "1.25", "1.40", "1.60", "1.80", "2.00",
                                    "2.24", "2.50", "2.80", "3.15", "3.55", "4.00", "4.50",
                                    "5.00", "5.60", "6.30", "7.10", "8.00", "9.00"};
  std::vector<PartEntry> wires;
  for (const char* decade : {"0.1", "1"}) {
    for (const char* step : r20) {
      const double d = NumberFromText(step) * NumberFromText(decade);
      if (d > 2.5) break;
      // Wire tables print three decimals: 0.100, 1.120.
      std::string label = TextFromNumber(d);
      if (label.find('.') == std::string::npos) label += '.';
      label.append(3 - (label.size() - label.find('.') - 1), '0');
      wires.push_back({label + " mm", TextFromNumber(d)});
    }
  }
  return wires;
}

std::vector<PartEntry> awgWires() {
  std::vector<PartEntry> wires;
  for (int n = 10; n <= 40; ++n) {
    const double d = 0.127 * cr::pow(92.0, (36.0 - n) / 39.0);
    const std::string text = significantFigures(d, 4);
    wires.push_back({"AWG" + std::to_string(n) + "\t" + text + " mm", text});
  }
  return wires;
}

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "parts/core_list.h"

#include <algorithm>
#include <map>
#include <set>

#include "common/number.h"

namespace ombrel {

namespace {

// Where a computed figure comes from.
const char* const computedBy = "按 IEC 60205 由 IEC 63093 标称尺寸计算";

// The numbers of a designation in their order: "E 25.4/6.3" -> 25.4, 6.3;
// "RM 6-S" -> 6; "EI12.5" -> 12.5.
std::vector<double> sizeOf(const std::string& name) {
  std::vector<double> numbers;
  std::size_t i = 0;
  while (i < name.size()) {
    if (name[i] < '0' || name[i] > '9') {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < name.size() && ((name[i] >= '0' && name[i] <= '9') || name[i] == '.')) ++i;
    numbers.push_back(NumberFromText(name.substr(start, i - start)));
  }
  return numbers;
}

std::string figures(const std::string& ae, const std::string& le, const std::string& ve) {
  return "Ae " + ae + " mm²\nle " + le + " mm\nVe " + ve + " mm³";
}

// A maker's row: its figures as printed, and its data sheet named by the
// maker, the first word of the source ("TDK Electronics data sheet ..." -> "TDK").
std::string printed(const Core& row) {
  return figures(TextFromNumber(row.ae), TextFromNumber(row.le), TextFromNumber(row.ve));
}
std::string dataSheet(const Core& row) {
  return row.source.substr(0, row.source.find(' ')) + " 数据手册\n（" + row.source + "）";
}

}  // namespace

std::string menuFamily(const std::string& shapeFamily) {
  const ShapeFamily* f = ombrel::shapeFamily(shapeFamily);
  return f ? f->menu : std::string();
}

std::string choiceName(const CoreShape& shape) {
  std::string name;
  for (char c : shape.name)
    if (c != ' ') name += c;
  // ETD, EFD and EP go by the first number of the designation alone.
  if (const ShapeFamily* f = shapeFamily(shape.family); f && f->namedBySize) name = name.substr(0, name.find('/'));
  return name;
}

std::vector<CoreChoice> coreChoices(const std::vector<Core>& makers, const std::vector<CoreShape>& shapes) {
  std::map<std::string, const Core*> byName;
  for (const Core& row : makers) byName.emplace(row.name, &row);
  std::set<std::string> named;
  std::vector<CoreChoice> list;
  for (const CoreShape& shape : shapes) {
    const std::string family = menuFamily(shape.family), name = choiceName(shape);
    const EffectiveParameters p = effectiveParameters(shape);
    // A name of blanks, or holding a tab or another control character, names no entry.
    const bool nameless =
        name.empty() || std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (family.empty() || nameless || !p.error.empty() || !named.insert(name).second) continue;
    CoreChoice choice{family, name, {}, shape.name + "\n", &shape};
    const std::string amin = "Amin " + significantFigures(p.amin, 3) + " mm²";
    const auto row = byName.find(name);
    if (row != byName.end() && row->second->family == family) {
      const Core& maker = *row->second;
      choice.entry = coreEntry(maker);
      choice.tooltip += printed(maker) + "\n" + amin + "\nAe、le、Ve：" + dataSheet(maker) + "\nAmin：" + computedBy;
    } else {
      const std::string ae = significantFigures(p.ae, 3);
      choice.entry = coreEntry(name, ae);
      choice.tooltip += figures(ae, significantFigures(p.le, 3), significantFigures(p.ve, 3)) + "\n" + amin + "\n" + computedBy;
    }
    list.push_back(std::move(choice));
  }
  for (const Core& maker : makers)
    if (!named.count(maker.name)) {
      named.insert(maker.name);
      list.push_back({maker.family, maker.name, coreEntry(maker),
                      maker.name + "\n" + printed(maker) + "\nAmin：数据手册未给出\n" + dataSheet(maker), nullptr});
    }
  const std::vector<std::string>& order = coreFamilies();
  auto rank = [&](const CoreChoice& c) { return std::find(order.begin(), order.end(), c.family) - order.begin(); };
  std::stable_sort(list.begin(), list.end(), [&](const CoreChoice& a, const CoreChoice& b) {
    if (rank(a) != rank(b)) return rank(a) < rank(b);
    const std::vector<double> sa = sizeOf(a.name), sb = sizeOf(b.name);
    if (sa != sb) return sa < sb;
    return a.name < b.name;
  });
  return list;
}

}  // namespace ombrel

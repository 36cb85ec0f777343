// SPDX-License-Identifier: GPL-3.0-or-later
#include "parts/winding_cores.h"

#include <algorithm>

#include "common/number.h"
#include "parts/core_families.h"
#include "parts/core_form.h"
#include "parts/core_list.h"

namespace ombrel {
namespace {

WindowCore windowCore(const CoreShape& shape) {
  const std::map<std::string, std::string> texts = dimensionTexts(shape);
  const auto mm = [&texts](const char* letter) {
    const auto it = texts.find(letter);
    return it == texts.end() ? 0.0 : NumberFromText(it->second);
  };
  WindowCore core{mm("D"), mm("E"), mm("F"), 0, true};
  if (shape.family == "e") core = {core.d, core.e, core.f, mm("C"), false};
  if (shape.family == "efd") core = {core.d, core.e, core.f, mm("F2"), false};
  // The core shape window's figures of the shape: C1, C2, le, Ae, Ve, Amin.
  const ShapeOutcome p = computeShape(shape.family, rmDrawingOf(shape), texts);
  if (p.results.size() == 6) {
    core.le = NumberFromText(p.results[2]);
    core.ae = NumberFromText(p.results[3]);
    core.ve = NumberFromText(p.results[4]);
  }
  if (const ShapeFamily* f = shapeFamily(shape.family)) {
    core.width = mm(f->boxWidth.c_str());
    core.height = 2 * mm("B");
    core.boxDepth = mm(f->boxDepth.c_str());
  }
  return core;
}

}  // namespace

WindowCore WindingCores::find(const std::string& family, const std::string& shape) const {
  const auto it = cores.find({family, shape});
  return it == cores.end() ? WindowCore{} : it->second;
}

WindingCores windingCores(const std::vector<CoreShape>& standard) {
  WindingCores l;
  l.shapes.follows = "family";
  for (const CoreChoice& choice : coreChoices({}, standard)) {
    if (!choice.shape) continue;
    std::vector<std::string>& names = l.shapes.items[choice.family];
    if (names.empty()) l.families.items[""].push_back(choice.family);
    names.push_back(choice.name);
    const WindowCore core = windowCore(*choice.shape);
    l.cores[{choice.family, choice.name}] = core;
    const auto mm = [](const char* letter, double value) { return std::string(letter) + " " + TextFromNumber(value) + " mm"; };
    std::string tip = choice.shape->name + "，一个半磁芯的平均尺寸：" + mm("D", core.d) + "，" + mm("E", core.e) + "，" +
                      mm("F", core.f);
    if (!core.round) tip += "，" + mm(choice.shape->family == "efd" ? "F2" : "C", core.depth);
    l.shapes.tips[choice.name] = tip;
  }
  for (const ShapeFamily& f : shapeFamilies()) {
    const auto it = l.shapes.items.find(f.menu);
    if (it == l.shapes.items.end()) continue;
    const bool usual = std::find(it->second.begin(), it->second.end(), f.usualShape) != it->second.end();
    l.shapes.first[f.menu] = usual ? f.usualShape : it->second.front();
  }
  return l;
}

}  // namespace ombrel

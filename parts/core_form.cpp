// SPDX-License-Identifier: GPL-3.0-or-later
#include "parts/core_form.h"

#include <cmath>

#include "common/calc.h"
#include "common/number.h"

namespace ombrel {

const std::vector<RmDrawing>& rmDrawings() {
  static const std::vector<RmDrawing> drawings = {
      {"1", "底板在槽口处切成直角缺口"}, {"3", "底板在槽口处切成直边"}, {"4", "底板从柱端切到中柱"}};
  return drawings;
}

std::string rmDrawingOf(const CoreShape& shape) { return shape.subtype == "2" ? "1" : shape.subtype; }

bool leftOut(const ShapeLetter& letter, const std::string& text) {
  return letter.optional && IsBlank(text);
}

std::string letterCaption(const ShapeLetter& letter) {
  return letter.letter + "(mm)" + (letter.optional ? "（可不填）" : "");
}

std::map<std::string, std::string> dimensionTexts(const CoreShape& shape) {
  std::map<std::string, std::string> texts;
  if (const ShapeFamily* f = shapeFamily(shape.family))
    for (const ShapeLetter& l : f->letters)
      if (const auto d = shape.dimensions.find(l.letter); d != shape.dimensions.end())
        texts[l.letter] = TextFromNumber(d->second * shape.mmPerUnit);
  return texts;
}

const std::vector<std::string>& shapeResultNames() {
  static const std::vector<std::string> names = {"C1", "C2", "le", "Ae", "Ve", "Amin"};
  return names;
}

const std::vector<std::string>& shapeResultCaptions() {
  static const std::vector<std::string> captions = {"C1(mm⁻¹)", "C2(mm⁻³)", "le(mm)", "Ae(mm²)", "Ve(mm³)", "Amin(mm²)"};
  return captions;
}

ShapeOutcome computeShape(const std::string& family, const std::string& rmDrawing,
                          const std::map<std::string, std::string>& texts) {
  const std::string keep = "\n结果各项保持原来的内容。";
  const ShapeFamily* f = shapeFamily(family);
  if (!f) return {{}, "没有这一类磁芯：" + family + keep};
  CoreShape shape{family, f->caption, family == "rm" ? rmDrawing : "", {}, 1};
  for (const ShapeLetter& l : f->letters) {
    const auto t = texts.find(l.letter);
    const std::string text = t == texts.end() ? std::string() : t->second;
    if (leftOut(l, text)) continue;
    const double value = NumberFromText(text);
    if (!std::isfinite(value)) return {{}, faultWords(FaultKind::Overflow, "“" + l.letter + "(mm)”") + "。" + keep};
    shape.dimensions[l.letter] = value;
  }
  const EffectiveParameters p = effectiveParameters(shape);
  if (!p.error.empty())
    return {{},
            "这些尺寸算不出有效参数：磁路中有一段的长度或截面积不是正数，或超出双精度范围。\n"
            "请核对各尺寸（例如 D 须小于 B，F 须小于 E）；结果各项保持原来的内容。"};
  return {{TextFromNumber(p.c1), TextFromNumber(p.c2), TextFromNumber(p.le), TextFromNumber(p.ae),
           TextFromNumber(p.ve), TextFromNumber(p.amin)},
          {}};
}

}  // namespace ombrel

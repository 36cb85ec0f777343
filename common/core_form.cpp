// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core_form.h"

#include <cmath>

#include "common/number.h"

namespace ombrel {

namespace {

// The letters every family shares, with the meaning that differs by family.
ShapeLetter a(const char* meaning) { return {"A", false, meaning}; }
const ShapeLetter B{"B", false, "半磁芯的高：底面到柱端"};
const ShapeLetter C{"C", false, "磁芯的深（厚）"};
const ShapeLetter D{"D", false, "窗口高：柱端到磁轭内表面"};

}  // namespace

const std::vector<ShapeFamily>& shapeFamilies() {
  static const std::vector<ShapeFamily> families = {
      {"e", "E",
       {a("总宽：两外柱外侧之间"), B, C, D, {"E", false, "窗口宽：两外柱内侧之间"}, {"F", false, "中柱宽"}}},
      {"efd", "EFD",
       {a("总宽：两外柱外侧之间"), B, C, D, {"E", false, "窗口宽：两外柱内侧之间"}, {"F", false, "中柱宽"},
        {"F2", false, "中柱厚：扁中柱在深度方向的尺寸"},
        {"K", true, "中柱偏离：中柱到磁芯下侧面的距离；不填则按 0"},
        {"q", true, "中柱四角 45° 倒角的边长；不填则按 0"}}},
      {"etd", "ETD",
       {a("总宽：两外柱外侧之间"), B, C, D, {"E", false, "绕线孔径：外柱内侧圆弧的直径"}, {"F", false, "圆中柱直径"}}},
      {"pq", "PQ",
       {a("总宽：两外柱外侧之间"), B, C, D, {"E", false, "绕线孔径：外柱内侧圆弧的直径"}, {"F", false, "圆中柱直径"},
        {"G", true, "槽口宽：外柱两端切平处之间；不填则外柱占满深度"},
        {"J", true, "底板伸入槽口处的宽；须与 L 同填，不填则底板止于外柱"},
        {"L", true, "底板伸入槽口处的深；须与 J 同填，不填则底板止于外柱"}}},
      {"rm", "RM",
       {a("两外柱外侧之间的宽"), B, {"C", false, "槽口一侧底板的宽"}, D,
        {"E", false, "绕线孔径：外柱内侧圆弧的直径"}, {"F", false, "圆中柱直径"},
        {"G", false, "槽口宽：两外柱之间的开口"}, {"H", true, "中柱孔径；不填则中柱无孔"},
        {"J", false, "外形方框的边长（外柱在其对角线上）"}}},
      {"ep", "EP",
       {a("总宽"), B, C, D, {"E", false, "绕线孔径：绕线空间圆弧的直径"}, {"F", false, "圆中柱直径"},
        {"K", true, "前面到中柱轴线的距离；不填则中柱贴着前面"}}},
  };
  return families;
}

const ShapeFamily* shapeFamily(const std::string& family) {
  for (const ShapeFamily& f : shapeFamilies())
    if (f.family == family) return &f;
  return nullptr;
}

const std::vector<RmDrawing>& rmDrawings() {
  static const std::vector<RmDrawing> drawings = {
      {"1", "底板在槽口处切成直角缺口"}, {"3", "底板在槽口处切成直边"}, {"4", "底板从柱端切到中柱"}};
  return drawings;
}

std::string rmDrawingOf(const CoreShape& shape) { return shape.subtype == "2" ? "1" : shape.subtype; }

bool leftOut(const ShapeLetter& letter, const std::string& text) {
  return letter.optional && text.find_first_not_of(" \t\r\n") == std::string::npos;
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
    if (!std::isfinite(value)) return {{}, "运算出错：溢出（“" + l.letter + "(mm)”的数值超出范围）。" + keep};
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

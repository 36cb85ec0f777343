// SPDX-License-Identifier: GPL-3.0-or-later
#include "parts/core_families.h"

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
      {"e", "E", "EE", false, "E25/13/7",
       {a("总宽：两外柱外侧之间"), B, C, D, {"E", false, "窗口宽：两外柱内侧之间"}, {"F", false, "中柱宽"}}},
      {"efd", "EFD", "EFD", true, "EFD20",
       {a("总宽：两外柱外侧之间"), B, C, D, {"E", false, "窗口宽：两外柱内侧之间"}, {"F", false, "中柱宽"},
        {"F2", false, "中柱厚：扁中柱在深度方向的尺寸"},
        {"K", true, "中柱偏离：中柱到磁芯下侧面的距离；不填则按 0"},
        {"q", true, "中柱四角 45° 倒角的边长；不填则按 0"}}},
      {"etd", "ETD", "ETD", true, "ETD34",
       {a("总宽：两外柱外侧之间"), B, C, D, {"E", false, "绕线孔径：外柱内侧圆弧的直径"}, {"F", false, "圆中柱直径"}}},
      {"pq", "PQ", "PQ", false, "PQ20/16",
       {a("总宽：两外柱外侧之间"), B, C, D, {"E", false, "绕线孔径：外柱内侧圆弧的直径"}, {"F", false, "圆中柱直径"},
        {"G", true, "槽口宽：外柱两端切平处之间；不填则外柱占满深度"},
        {"J", true, "底板伸入槽口处的宽；须与 L 同填，不填则底板止于外柱"},
        {"L", true, "底板伸入槽口处的深；须与 J 同填，不填则底板止于外柱"}}},
      {"rm", "RM", "RM", false, "RM10/I",
       {a("两外柱外侧之间的宽"), B, {"C", false, "槽口一侧底板的宽"}, D,
        {"E", false, "绕线孔径：外柱内侧圆弧的直径"}, {"F", false, "圆中柱直径"},
        {"G", false, "槽口宽：两外柱之间的开口"}, {"H", true, "中柱孔径；不填则中柱无孔"},
        {"J", false, "外形方框的边长（外柱在其对角线上）"}}},
      {"ep", "EP", "EP", true, "EP13",
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

}  // namespace ombrel

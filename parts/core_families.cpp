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
       {a("总宽：两外柱外侧之间"), B, C, D, {"E", false, "窗口宽：两外柱内侧之间"}, {"F", false, "中柱宽"}},
       // E 42/21/15, seen from the front.
       {.A = 42, .B = 21, .C = 15, .D = 15, .E = 30, .F = 12, .face = SketchFace::E}},
      {"efd", "EFD", "EFD", true, "EFD20",
       {a("总宽：两外柱外侧之间"), B, C, D, {"E", false, "窗口宽：两外柱内侧之间"}, {"F", false, "中柱宽"},
        {"F2", false, "中柱厚：扁中柱在深度方向的尺寸"},
        {"K", true, "中柱偏离：中柱到磁芯下侧面的距离；不填则按 0"},
        {"q", true, "中柱四角 45° 倒角的边长；不填则按 0"}},
       // EFD 25, its face deeper, its windows wider and its centre leg
       // further from the back, so that F2, K and q show; seen from the front.
       {.A = 25, .B = 12.5, .C = 11.5, .D = 9.3, .E = 20, .F = 10, .F2 = 6, .K = 1.8, .q = 1.4, .face = SketchFace::E}},
      {"etd", "ETD", "ETD", true, "ETD34",
       {a("总宽：两外柱外侧之间"), B, C, D, {"E", false, "绕线孔径：外柱内侧圆弧的直径"}, {"F", false, "圆中柱直径"}},
       // ETD 34, cut through the centre leg.
       {.A = 34.2, .B = 17.3, .C = 11, .D = 12.1, .E = 26.3, .F = 10.6, .cut = true, .face = SketchFace::Etd}},
      {"pq", "PQ", "PQ", false, "PQ20/16",
       {a("总宽：两外柱外侧之间"), B, C, D, {"E", false, "绕线孔径：外柱内侧圆弧的直径"}, {"F", false, "圆中柱直径"},
        {"G", true, "槽口宽：外柱两端切平处之间；不填则外柱占满深度"},
        {"J", true, "底板伸入槽口处的宽；须与 L 同填，不填则底板止于外柱"},
        {"L", true, "底板伸入槽口处的深；须与 J 同填，不填则底板止于外柱"}},
       // PQ 26/20, cut.
       {.A = 26.5, .B = 10.1, .C = 19, .D = 5.75, .E = 22.5, .F = 12, .G = 16, .J = 7.3, .L = 13.9, .cut = true,
        .face = SketchFace::Pq}},
      {"rm", "RM", "RM", false, "RM10/I",
       {a("两外柱外侧之间的宽"), B, {"C", false, "槽口一侧底板的宽"}, D,
        {"E", false, "绕线孔径：外柱内侧圆弧的直径"}, {"F", false, "圆中柱直径"},
        {"G", false, "槽口宽：两外柱之间的开口"}, {"H", true, "中柱孔径；不填则中柱无孔"},
        {"J", false, "外形方框的边长（外柱在其对角线上）"}},
       // RM 10, cut.
       {.A = 27.85, .B = 9.3, .C = 12.4, .D = 6.35, .E = 21.65, .F = 10.7, .G = 10.9, .H = 5.5, .J = 24.15,
        .cut = true, .face = SketchFace::Rm},
       "J", "J"},
      {"ep", "EP", "EP", true, "EP13",
       {a("总宽"), B, C, D, {"E", false, "绕线孔径：绕线空间圆弧的直径"}, {"F", false, "圆中柱直径"},
        {"K", true, "前面到中柱轴线的距离；不填则中柱贴着前面"}},
       // EP 20, its bore a little wider; cut.
       {.A = 24, .B = 10.7, .C = 15, .D = 7.15, .E = 17, .F = 8.4, .K = 4.5, .cut = true, .face = SketchFace::Ep}},
  };
  return families;
}

const ShapeFamily* shapeFamily(const std::string& family) {
  for (const ShapeFamily& f : shapeFamilies())
    if (f.family == family) return &f;
  return nullptr;
}

}  // namespace ombrel

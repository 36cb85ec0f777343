// SPDX-License-Identifier: GPL-3.0-or-later
// 电感气隙计算: the air gap that makes N turns on a core of cross-section Ae
// give the inductance L, the gap alone setting the inductance.
#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel::windows {

WindowSpec lg() {
  return {
      .name = "lg",
      .caption = "电感气隙计算",
      .width = 3375,
      .height = 3840,
      .controls =
          {
              caption("Label1", "圈数", {240, 300, 1560, 255}, "Text1"),
              input("Text1", "20", {1800, 240, 1335, 375})
                  .of(q::turns)
                  .withMeaning("电感绕组的圈数 N"),
              caption("Label2", "有效截面积（mm2）", {240, 780, 1560, 255}, "Text2"),
              input("Text2", "144", {1800, 720, 1335, 375})
                  .of(q::area_mm2)
                  .withMeaning("磁芯的有效截面积 Ae，单位 mm²")
                  .offering(PartList::Cores),
              caption("Label3", "电感量(uH)", {240, 1260, 1560, 255}, "Text3"),
              input("Text3", "560", {1800, 1200, 1335, 375})
                  .of(q::inductance_uH)
                  .withMeaning("所需的电感量 L，单位 uH"),
              calculate("Command1", "计算", {1140, 1800, 1095, 405}, {"Text4"},
                        [](Calc& c) {
                          // 1.27 × 0.001 is the permeability of free space in uH/mm,
                          // so with Ae in mm2 and L in uH the gap comes out in mm.
                          const Real n = c.read("Text1"), ae = c.read("Text2"), l = c.read("Text3");
                          c.write("Text4", n * 1.27 * 0.001 * n * ae / l);
                        }),
              caption("Label4", "气隙(mm)", {240, 2580, 960, 255}, "Text4"),
              output("Text4", {1260, 2520, 1875, 375})
                  .of(q::length_mm)
                  .withFormula("「气隙(mm)」 = 「圈数」 × 1.27 × 0.001 × 「圈数」 × 「有效截面积（mm2）」 ÷ 「电感量(uH)」\n"
                               "其中 1.27 × 0.001 代表真空磁导率（uH/mm）"),
              button("Command2", "返回", {1140, 3120, 1095, 405}, ButtonRole::Return),
          },
      .focus = {"Text1", "Text2", "Text3", "Command1", "Text4", "Command2"},
  };
}

}  // namespace ombrel::windows

// SPDX-License-Identifier: GPL-3.0-or-later
// 电感圈数计算: the turns that keep the core below the given flux density at
// the peak current, N = Ipk × L / (Ae × B). The 10^-6 of uH and of mm2 cancel.
// Fractional turns are shown as computed.
#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel::windows {

WindowSpec diangq() {
  return {
      .name = "diangq",
      .caption = "电感圈数计算",
      .width = 4035,
      .height = 3870,
      .controls =
          {
              caption("Label1", "峰值电流（A）", {120, 225, 1800, 255}, "Text1"),
              input("Text1", "3", {1980, 180, 1335, 345})
                  .of(q::current_A)
                  .withMeaning("流过电感的峰值电流 Ipk，单位 A"),
              caption("Label2", "电感量（uH）", {120, 675, 1800, 255}, "Text2"),
              input("Text2", "30", {1980, 630, 1335, 345})
                  .of(q::inductance_uH)
                  .withMeaning("所需的电感量 L，单位 uH"),
              caption("Label3", "有效面积（mm2）", {120, 1125, 1800, 255}, "Text3"),
              input("Text3", "144", {1980, 1080, 1335, 345})
                  .of(q::area_mm2)
                  .withMeaning("磁芯的有效截面积 Ae，单位 mm²")
                  .offering(PartList::Cores),
              caption("Label4", "最大磁饱和强度（T）", {120, 1575, 1800, 255}, "Text4"),
              input("Text4", "0.3", {1980, 1530, 1335, 345})
                  .of(q::flux_T)
                  .withMeaning("磁芯允许的最大磁通密度 B，单位 T"),
              calculate("Command1", "计算", {1470, 2070, 1095, 405}, {"Text5"},
                        [](Calc& c) {
                          const Real inductance = c.read("Text2");
                          const Real area = c.read("Text3");
                          const Real flux = c.read("Text4");
                          const Real peak = c.read("Text1");
                          c.write("Text5", peak * inductance / area / flux);
                        }),
              caption("Label5", "圈数 ", {120, 2685, 1800, 255}, "Text5"),
              output("Text5", {1980, 2640, 1875, 375})
                  .of(q::turns)
                  .withFormula("「圈数」 = 「峰值电流（A）」 × 「电感量（uH）」 ÷ 「有效面积（mm2）」 ÷ 「最大磁饱和强度（T）」\n"
                               "uH 与 mm2 的 10⁻⁶ 相互抵消，不另乘系数"),
              button("Command2", "返回", {1470, 3240, 1095, 405}, ButtonRole::Return),
          },
      .focus = {"Text1", "Text2", "Text3", "Text4", "Command1", "Text5", "Command2"},
  };
}

}  // namespace ombrel::windows

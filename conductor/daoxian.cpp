// SPDX-License-Identifier: GPL-3.0-or-later
// 导线计算: how many round copper wires in parallel carry a current at a
// given current density. The count is shown as computed, not rounded up.
#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel::windows {

WindowSpec daoxian() {
  return {
      .name = "daoxian",
      .caption = "导线计算",
      .width = 6240,
      .height = 1950,
      .controls =
          {
              caption("Label1", "通过电流(A)", {120, 300, 1440, 255}, "Text1"),
              input("Text1", "2", {1620, 240, 1095, 375})
                  .of(q::current_A)
                  .withMeaning("导线中通过的电流 I，单位 A"),
              // The diameter in mm, whatever the caption's unit says.
              caption("Label2", "导线直径(mm2)", {120, 840, 1440, 255}, "Text2"),
              input("Text2", "0.64", {1620, 780, 1095, 375})
                  .of(q::length_mm)
                  .withMeaning("单根导线的直径 d，单位 mm（标题写作 mm2）")
                  .offering(PartList::Wires),
              caption("Label4", "电流密度(A/mm2)", {120, 1380, 1440, 255}, "Text4"),
              input("Text4", "7", {1620, 1320, 1095, 375})
                  .of(q::currentDensity_A_mm2)
                  .withMeaning("允许的电流密度 J，单位 A/mm²"),
              caption("Label5", "导线根数", {2940, 300, 900, 255}, "Text5"),
              output("Text5", {3900, 240, 2100, 375})
                  .of(q::wires)
                  .withFormula("「导线根数」 = 「通过电流(A)」 × 4 ÷ 「电流密度(A/mm2)」 ÷ 3.14 ÷ 「导线直径(mm2)」"
                               " ÷ 「导线直径(mm2)」\n"
                               "单根导线截面积为 3.14 × 直径 × 直径 ÷ 4（π 取 3.14），「导线直径(mm2)」按直径（mm）计"),
              calculate("Command1", "计算", {3000, 1305, 1095, 405}, {"Text5"},
                        [](Calc& c) {
                          const Real I = c.read("Text1"), J = c.read("Text4"), d = c.read("Text2");
                          // The current over the density and over one wire's
                          // cross-section, 3.14 × d × d ÷ 4.
                          c.write("Text5", I * 4 / J / 3.14 / d / d);
                        }),
              button("Command2", "返回", {4500, 1305, 1095, 405}, ButtonRole::Return),
          },
      .focus = {"Text1", "Text2", "Text4", "Text5", "Command1", "Command2"},
  };
}

}  // namespace ombrel::windows

// SPDX-License-Identifier: GPL-3.0-or-later
// 铜带计算: how many layers of flat copper strip in parallel carry a current
// at a given current density. The count is shown as computed, not rounded up.
#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel::windows {

WindowSpec tongdai() {
  return {
      .name = "tongdai",
      .caption = "铜带计算",
      .width = 6330,
      .height = 2745,
      .controls =
          {
              caption("Label1", "通过电流(A)", {120, 300, 1440, 255}, "Text1"),
              input("Text1", "2", {1620, 240, 1095, 375})
                  .of(q::current_A)
                  .withMeaning("铜带中通过的电流 I，单位 A"),
              caption("Label2", "铜带宽度(mm)", {120, 840, 1440, 255}, "Text2"),
              input("Text2", "23", {1620, 780, 1095, 375})
                  .of(q::length_mm)
                  .withMeaning("铜带的宽度 w，单位 mm"),
              caption("Label3", "铜带厚度(mm)", {120, 1380, 1440, 255}, "Text3"),
              input("Text3", "0.2", {1620, 1320, 1095, 375})
                  .of(q::length_mm)
                  .withMeaning("铜带的厚度 t，单位 mm"),
              caption("Label4", "电流密度(A/mm2)", {120, 1920, 1440, 255}, "Text4"),
              input("Text4", "7", {1620, 1860, 1095, 375})
                  .of(q::currentDensity_A_mm2)
                  .withMeaning("允许的电流密度 J，单位 A/mm²"),
              caption("Label5", "铜带层数", {2940, 300, 900, 255}, "Text5"),
              output("Text5", {3900, 240, 2100, 375})
                  .of(q::layers)
                  .withFormula("「铜带层数」 = 「通过电流(A)」 ÷ 「铜带宽度(mm)」 ÷ 「电流密度(A/mm2)」 ÷ 「铜带厚度(mm)」"),
              calculate("Command1", "计算", {3000, 1575, 1095, 405}, {"Text5"},
                        [](Calc& c) {
                          const Real w = c.read("Text2"), J = c.read("Text4"), t = c.read("Text3"),
                                     I = c.read("Text1");
                          // The current over the width, the density and the thickness.
                          c.write("Text5", I / w / J / t);
                        }),
              button("Command2", "返回", {4500, 1575, 1095, 405}, ButtonRole::Return),
          },
      // Tab runs from the buttons back up the fields; the window opens on 返回.
      .focus = {"Command2", "Command1", "Text5", "Text4", "Text2", "Text1", "Text3"},
  };
}

}  // namespace ombrel::windows

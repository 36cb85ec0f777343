// SPDX-License-Identifier: GPL-3.0-or-later
// 铜带电阻计算: the resistance of a copper strip winding of n layers in
// parallel over its length, and the voltage drop at a current. Copper at
// 20 ℃ has a resistivity of 17 mΩ·mm²/m. Laid out like the wire window, whose
// captions (铜线) it keeps.
#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel::windows {

WindowSpec td() {
  return {
      .name = "td",
      .caption = "铜带电阻计算",
      .width = 4530,
      .height = 4635,
      .controls =
          {
              label("Label9", "在20℃时铜的电阻计算", {240, 180, 4050, 345}).withFont(10.5).centredText(),
              caption("Label1", "铜带长度（m）", {240, 780, 1680, 255}, "Text1"),
              input("Text1", "10", {1980, 720, 1335, 375})
                  .of(q::length_m)
                  .withMeaning("铜带的长度 L，单位 m"),
              caption("Label5", "并绕层数", {240, 1260, 1680, 255}, "Text5"),
              input("Text5", "1", {1980, 1200, 1335, 375})
                  .of(q::layers)
                  .withMeaning("并联绕制的铜带层数 n"),
              caption("Label6", "通过电流(A)", {240, 1740, 1680, 255}, "Text6"),
              input("Text6", "2", {1980, 1680, 1335, 375})
                  .of(q::current_A)
                  .withMeaning("铜带中通过的电流 I，单位 A"),
              caption("Label8", "总根铜线面积(mm2)", {240, 2220, 1680, 255}, "Text8"),
              input("Text8", "0.5", {1980, 2160, 1335, 375})
                  .of(q::area_mm2)
                  .withMeaning("铜带导体的截面积 A，单位 mm²；电阻按 A 乘并绕层数的总截面计算"),
              calculate("Command1", "铜带计算", {840, 2700, 1095, 405}, {"Text3", "Text7"},
                        [](Calc& c) {
                          // The resistance in mΩ of the whole cross-section.
                          const Real L = c.read("Text1"), A = c.read("Text8"), n = c.read("Text5");
                          c.write("Text3", L * 17 / A / n);
                          // mΩ times A, in V, from the resistance as shown.
                          const Real R = c.read("Text3"), I = c.read("Text6");
                          c.write("Text7", I * R / 1000);
                        }),
              button("Command2", "返回", {2400, 2700, 1095, 405}, ButtonRole::Return),
              caption("Label3", "铜线电阻值(mΩ)", {240, 3420, 1560, 255}, "Text3"),
              output("Text3", {1920, 3360, 2280, 375})
                  .of(q::resistance_mOhm)
                  .withFormula("「铜线电阻值(mΩ)」 = 「铜带长度（m）」 × 17 ÷ 「总根铜线面积(mm2)」 ÷ 「并绕层数」\n"
                               "其中 17 为 20℃时铜的电阻率（mΩ·mm2/m）"),
              caption("Label7", "铜线电压降（V）", {240, 3960, 1560, 255}, "Text7"),
              output("Text7", {1920, 3900, 2280, 375})
                  .of(q::voltage_V)
                  .withFormula("「铜线电压降（V）」 = 「通过电流(A)」 × 「铜线电阻值(mΩ)」 ÷ 1000\n"
                               "mΩ × A 除以 1000 得 V"),
          },
      // The window opens on 铜带计算.
      .focus = {"Command1", "Text1", "Text3", "Text5", "Text6", "Text7", "Text8", "Command2"},
  };
}

}  // namespace ombrel::windows

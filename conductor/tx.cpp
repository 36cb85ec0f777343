// SPDX-License-Identifier: GPL-3.0-or-later
// 20℃时铜的电阻计算: a bundle of n round copper wires in parallel: the
// cross-section of one wire and of the bundle, the bundle's resistance over
// its length and the voltage drop at a current. Copper at 20 ℃ has a
// resistivity of 17 mΩ·mm²/m. The one window without the program icon.
#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel::windows {

WindowSpec tx() {
  WindowSpec spec{
      .name = "tx",
      .caption = "20℃时铜的电阻计算",
      .width = 4815,
      .height = 5880,
      .controls =
          {
              label("Label9", "在20℃时铜的电阻计算", {240, 180, 4335, 345}).withFont(10.5).centredText(),
              caption("Label1", "铜线长度（m）", {240, 780, 1560, 255}, "Text1"),
              input("Text1", "1", {1920, 720, 1335, 375})
                  .of(q::length_m)
                  .withMeaning("铜线的长度 L，单位 m"),
              caption("Label4", "铜线直径(mm)", {240, 1260, 1560, 255}, "Text4"),
              input("Text4", "0.64", {1920, 1200, 1335, 375})
                  .of(q::length_mm)
                  .withMeaning("单根铜线的直径 d，单位 mm")
                  .offering(PartList::Wires),
              caption("Label5", "并绕根数", {240, 1740, 1560, 255}, "Text5"),
              input("Text5", "5", {1920, 1680, 1335, 375})
                  .of(q::wires)
                  .withMeaning("并联绕制的铜线根数 n"),
              caption("Label6", "通过电流(A)", {240, 2220, 1560, 255}, "Text6"),
              input("Text6", "10", {1920, 2160, 1335, 375})
                  .of(q::current_A)
                  .withMeaning("铜线中通过的电流 I，单位 A"),
              calculate("Command1", "铜线计算", {960, 2700, 1095, 405}, {"Text2", "Text3", "Text7", "Text8"},
                        [](Calc& c) {
                          // One wire's cross-section, 3.14 × (d ÷ 2)², in mm².
                          const Real d = c.read("Text4");
                          c.write("Text2", d * 0.5 * 0.5 * d * 3.14);
                          // The bundle's resistance in mΩ from the cross-section as shown.
                          const Real L = c.read("Text1"), a = c.read("Text2"), n = c.read("Text5");
                          c.write("Text3", L * 17 / a / n);
                          // mΩ times A, in V, from the resistance as shown.
                          const Real R = c.read("Text3"), I = c.read("Text6");
                          c.write("Text7", I * R / 1000);
                          // The bundle's cross-section, so that it agrees with one wire's as shown.
                          const Real wires = c.read("Text5"), one = c.read("Text2");
                          c.write("Text8", one * wires);
                        }),
              button("Command2", "返回", {2520, 2700, 1095, 405}, ButtonRole::Return),
              caption("Label2", "单根铜线面积(mm2)", {240, 3420, 1680, 255}, "Text2"),
              output("Text2", {2040, 3360, 2400, 375})
                  .of(q::area_mm2)
                  .withFormula("「单根铜线面积(mm2)」 = 「铜线直径(mm)」 × 0.5 × 0.5 × 「铜线直径(mm)」 × 3.14\n"
                               "π 取 3.14"),
              caption("Label8", "总根铜线面积(mm2)", {240, 3960, 1680, 255}, "Text8"),
              output("Text8", {2040, 3900, 2400, 375})
                  .of(q::area_mm2)
                  .withFormula("「总根铜线面积(mm2)」 = 「单根铜线面积(mm2)」 × 「并绕根数」"),
              caption("Label3", "铜线电阻值(mΩ)", {240, 4500, 1680, 255}, "Text3"),
              output("Text3", {2040, 4440, 2400, 375})
                  .of(q::resistance_mOhm)
                  .withFormula("「铜线电阻值(mΩ)」 = 「铜线长度（m）」 × 17 ÷ 「单根铜线面积(mm2)」 ÷ 「并绕根数」\n"
                               "其中 17 为 20℃时铜的电阻率（mΩ·mm2/m）"),
              caption("Label7", "铜线电压降（V）", {240, 5040, 1680, 255}, "Text7"),
              output("Text7", {2040, 4980, 2400, 375})
                  .of(q::voltage_V)
                  .withFormula("「铜线电压降（V）」 = 「通过电流(A)」 × 「铜线电阻值(mΩ)」 ÷ 1000\n"
                               "mΩ × A 除以 1000 得 V"),
          },
      // The window opens on 铜线计算; Tab then runs through the fields by number.
      .focus = {"Command1", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8",
                "Command2"},
  };
  spec.icon = false;
  return spec;
}

}  // namespace ombrel::windows

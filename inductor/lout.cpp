// SPDX-License-Identifier: GPL-3.0-or-later
// 输出电感: the output choke behind the secondary of a forward-type converter,
// for a ripple of 20 % of the output current. The user doubles the duty cycle
// for half- and full-bridge supplies, as the note says; the window never does.
#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel::windows {

WindowSpec lout() {
  return {
      .name = "lout",
      .caption = "输出电感",
      .width = 4155,
      .height = 5385,
      .controls =
          {
              caption("Label6", "变压器变比（初：次）", {180, 225, 1860, 255}, "Text6"),
              input("Text6", "8", {2100, 180, 1815, 345})
                  .of(q::turnsRatio)
                  .withMeaning("变压器的变比 n：初级圈数 ÷ 次级圈数"),
              caption("Label1", "初级最低直流电压(V)", {180, 645, 1860, 255}, "Text1"),
              input("Text1", "280", {2100, 600, 1815, 345})
                  .of(q::voltage_V)
                  .withMeaning("变压器初级上最低的直流输入电压 Vin,min，单位 V"),
              // Shown for the designer's reference; the calculation never reads it.
              caption("Label2", "直流输出电压(V)", {180, 1065, 1860, 255}, "Text2"),
              input("Text2", "12", {2100, 1020, 1815, 345})
                  .of(q::voltage_V)
                  .withMeaning("直流输出电压，单位 V，只作记录"),
              caption("Label3", "直流输出电流(A)", {180, 1485, 1860, 255}, "Text3"),
              input("Text3", "5", {2100, 1440, 1815, 345})
                  .of(q::current_A)
                  .withMeaning("直流输出电流 Iout，单位 A"),
              caption("Label4", "开关频率(Khz)", {180, 1905, 1860, 255}, "Text4"),
              input("Text4", "20", {2100, 1860, 1815, 345})
                  .of(q::frequency_kHz)
                  .withMeaning("开关频率 f，单位 kHz"),
              caption("Label5", "最大占空比", {180, 2325, 1860, 255}, "Text5"),
              input("Text5", "0.44", {2100, 2280, 1815, 345})
                  .of(q::dutyCycle)
                  .withMeaning("最大占空比 D（0 到 1）；半桥和全桥填占空比的 2 倍"),

              calculate("Command1", "计算", {780, 2820, 1095, 405}, {"Text7"},
                        [](Calc& c) {
                          // 5000 = 10^6 / (10^3 × 0.2): kHz to Hz, the 20 % ripple
                          // current and H to uH in one factor.
                          const Real ratio = c.read("Text6");
                          const Real duty = c.read("Text5");
                          const Real frequency = c.read("Text4");
                          const Real current = c.read("Text3");
                          const Real lowestInput = c.read("Text1");
                          c.write("Text7", lowestInput / ratio * 5000 * duty / frequency / current);
                        }),
              button("Command2", "返回", {2280, 2820, 1095, 405}, ButtonRole::Return),

              caption("Label7", "所需要的电感量(uH)", {180, 3420, 1860, 255}, "Text7"),
              output("Text7", {180, 3720, 3735, 375})
                  .of(q::inductance_uH)
                  .asMinimum()
                  .withFormula("「所需要的电感量(uH)」 = 「初级最低直流电压(V)」 ÷ 「变压器变比（初：次）」 × 5000\n    "
                               "× 「最大占空比」 ÷ 「开关频率(Khz)」 ÷ 「直流输出电流(A)」\n"
                               "其中 5000 = 10⁶ ÷ (10³ × 0.2)：纹波电流取输出电流的 20%，并含单位换算"),
              label("Label8", "本程序适合正激式电源，半桥和全桥，计算半桥和全桥时要把最大占空比乘2",
                    {180, 4320, 3735, 780})
                  .wrapped(),
          },
      .focus = {"Text6", "Text1", "Text2", "Text3", "Text4", "Text5", "Command1", "Command2", "Text7"},
  };
}

}  // namespace ombrel::windows

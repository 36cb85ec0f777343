// SPDX-License-Identifier: GPL-3.0-or-later
// PFC电感: the boost inductor of a power-factor-correction stage. The peak
// line current at the lowest mains, a ripple of 20 % of it, and the
// inductance that gives that ripple at the bus voltage and switching frequency.
#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel::windows {

WindowSpec P() {
  return {
      .name = "P",
      .caption = "PFC电感",
      .width = 6690,
      .height = 3000,
      .controls =
          {
              // Inputs in the left column.
              caption("Label1", "输出功率（W）", {120, 300, 1560, 255}, "Text1"),
              input("Text1", "150", {1740, 240, 1095, 375})
                  .of(q::power_W)
                  .withMeaning("PFC 级的输出功率 Pout，单位 W"),
              caption("Label2", "效率", {120, 780, 1560, 255}, "Text2"),
              input("Text2", "0.92", {1740, 720, 1095, 375})
                  .of(q::efficiency)
                  .withMeaning("PFC 级的效率 η，输出功率与输入功率之比（如 0.92）"),
              caption("Label3", "输出电压（V）", {120, 1260, 1560, 255}, "Text3"),
              input("Text3", "420", {1740, 1200, 1095, 375})
                  .of(q::voltage_V)
                  .withMeaning("PFC 级输出的直流母线电压 Vout，单位 V"),
              caption("Label4", "开关频率(Khz)", {120, 1740, 1560, 255}, "Text4"),
              input("Text4", "100", {1740, 1680, 1095, 375})
                  .of(q::frequency_kHz)
                  .withMeaning("开关频率 f，单位 kHz"),
              caption("Label6", "最低交流输入（V）", {120, 2220, 1560, 255}, "Text6"),
              input("Text6", "180", {1740, 2160, 1095, 375})
                  .of(q::voltage_V)
                  .withMeaning("最低交流输入电压 Vac,min（有效值），单位 V"),

              // Results in the right column, fields twice as wide.
              caption("Label7", "电感峰值电流(A)", {3060, 300, 1440, 255}, "Text7"),
              output("Text7", {4500, 240, 2070, 375})
                  .of(q::current_A)
                  .withFormula("「电感峰值电流(A)」 = 「输出功率（W）」 ÷ 「效率」 ÷ 「最低交流输入（V）」 × 1.414\n"
                               "其中 1.414 取 √2，交流有效值化为峰值"),
              caption("Label8", "电感增量电流(A)", {3060, 780, 1440, 255}, "Text8"),
              output("Text8", {4500, 720, 2070, 375})
                  .of(q::current_A)
                  .withFormula("「电感增量电流(A)」 = 「电感峰值电流(A)」 × 0.2\n"
                               "增量（纹波）电流取峰值电流的 20%"),
              caption("Label5", "电感量(uH)", {3060, 1260, 1440, 255}, "Text5"),
              output("Text5", {4500, 1200, 2070, 375})
                  .of(q::inductance_uH)
                  .asMinimum()
                  .withFormula("「电感量(uH)」 = 「输出电压（V）」 ÷ 「开关频率(Khz)」 ÷ 「电感增量电流(A)」 ÷ 4 × 1000\n"
                               "其中 1000 为 Khz 与 uH 的单位换算系数"),

              calculate("Command1", "计算", {3720, 2145, 1095, 405}, {"Text7", "Text8", "Text5"},
                        [](Calc& c) {
                          // Peak line current: input power over the lowest RMS
                          // mains, times 1.414 for the peak.
                          const Real efficiency = c.read("Text2");
                          const Real lowestMains = c.read("Text6");
                          const Real power = c.read("Text1");
                          c.write("Text7", power / efficiency / lowestMains * 1.414);

                          // The ripple is taken as 20 % of the peak, as shown.
                          c.write("Text8", c.read("Text7") * 0.2);

                          // With f in kHz, the 1000 gives uH.
                          const Real frequency = c.read("Text4");
                          const Real ripple = c.read("Text8");
                          const Real bus = c.read("Text3");
                          c.write("Text5", bus / frequency / ripple / 4 * 1000);
                        }),
              button("Command2", "返回", {5250, 2145, 1095, 405}, ButtonRole::Return),
          },
      .focus = {"Text1", "Text2", "Text3", "Text4", "Text6", "Text7", "Text8", "Text5", "Command1",
                "Command2"},
  };
}

}  // namespace ombrel::windows

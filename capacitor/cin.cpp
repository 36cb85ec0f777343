// SPDX-License-Identifier: GPL-3.0-or-later
// 输入电容: the bulk capacitor behind the mains bridge. It carries the input
// power through the part of each half-period in which the bridge does not
// conduct, while its voltage falls from the peak of the lowest mains to the
// lowest DC voltage.
#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel::windows {

WindowSpec cin() {
  return {
      .name = "cin",
      .caption = "输入电容",
      .width = 3960,
      .height = 4590,
      .controls =
          {
              caption("Label1", "交流电网频率(Hz)", {180, 300, 1680, 255}, "Text1"),
              input("Text1", "50", {1920, 240, 1335, 375})
                  .of(q::frequency_Hz)
                  .withMeaning("交流电网频率 f，单位 Hz（50 或 60）"),
              caption("Label2", "整流桥响应时间(mS)", {180, 780, 1680, 255}, "Text2"),
              input("Text2", "3", {1920, 720, 1335, 375})
                  .of(q::time_ms)
                  .withMeaning("每半个电网周期内整流桥导通、给电容充电的时间 t，单位 ms"),
              caption("Label3", "带载功率(W)", {180, 1260, 1680, 255}, "Text3"),
              input("Text3", "20", {1920, 1200, 1335, 375})
                  .of(q::power_W)
                  .withMeaning("变换器所带的负载功率 P，单位 W"),
              caption("Label4", "效率", {180, 1740, 1680, 255}, "Text4"),
              input("Text4", "0.8", {1920, 1680, 1335, 375})
                  .of(q::efficiency)
                  .withMeaning("变换器的效率 η，输出功率与输入功率之比（如 0.8）"),
              caption("Label5", "最低交流输入(V)", {180, 2220, 1680, 255}, "Text5"),
              input("Text5", "85", {1920, 2160, 1335, 375})
                  .of(q::voltage_V)
                  .withMeaning("最低交流输入电压 Vac（有效值），单位 V"),
              caption("Label6", "最低直流输出(V)", {180, 2700, 1680, 255}, "Text6"),
              input("Text6", "90", {1920, 2640, 1335, 375})
                  .of(q::voltage_V)
                  .withMeaning("滤波电容上允许的最低直流电压 Vdc，单位 V"),
              calculate("Command1", "计算", {720, 3240, 1095, 405}, {"Text7"},
                        [](Calc& c) {
                          const Real mains = c.read("Text1");
                          const Real conduction = c.read("Text2");
                          const Real power = c.read("Text3");
                          const Real efficiency = c.read("Text4");
                          const Real lowestAc = c.read("Text5");
                          const Real lowestDc = c.read("Text6");
                          // Hold-up time in ms: half a mains period less the
                          // bridge's conduction time. The 1000 turns W·ms/V2 into uF.
                          const Real holdUp = 500 / mains - conduction;
                          const Real numerator = holdUp * (2 * power) * 1000 / efficiency;
                          // The square of the rectified peak less that of the lowest DC.
                          const Real denominator = 2 * lowestAc * lowestAc - lowestDc * lowestDc;
                          c.write("Text7", numerator / denominator);
                        }),
              button("Command2", "返回", {2160, 3240, 1095, 405}, ButtonRole::Return),
              caption("Label7", "整流滤电容波(uF)", {180, 3960, 1680, 255}, "Text7"),
              output("Text7", {1920, 3900, 1800, 375})
                  .of(q::capacitance_uF)
                  .asMinimum()
                  .withFormula("「整流滤电容波(uF)」 = (500 ÷ 「交流电网频率(Hz)」 − 「整流桥响应时间(mS)」)\n    "
                               "× (2 × 「带载功率(W)」) × 1000 ÷ 「效率」\n    "
                               "÷ (2 × 「最低交流输入(V)」 × 「最低交流输入(V)」 − 「最低直流输出(V)」 × 「最低直流输出(V)」)\n"
                               "500 ÷ 电网频率为半个电网周期（mS）；1000 为单位换算系数"),
          },
      .focus = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Command1", "Command2", "Text7"},
  };
}

}  // namespace ombrel::windows

// SPDX-License-Identifier: GPL-3.0-or-later
// 驱动变压器: the turns of a gate-drive transformer winding from the drive
// voltage, the switching frequency and the core's flux density and area.
// The constant is 1000 for the units the captions name (V, kHz, T, mm2),
// the same unit factor as the forward window's.
#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel::windows {

WindowSpec qudongbyq() {
  return {
      .name = "qudongbyq",
      .caption = "驱动变压器",
      .width = 3405,
      .height = 4170,
      .controls =
          {
              caption("Label1", "电压（V）", {180, 285, 1560, 255}, "Text1"),
              input("Text1", "15", {1800, 240, 1335, 345})
                  .of(q::voltage_V)
                  .withMeaning("加在驱动变压器初级上的驱动电压 V（方波幅值），单位 V"),
              caption("Label2", "开关频率（KHz）", {180, 765, 1560, 255}, "Text2"),
              input("Text2", "20", {1800, 720, 1335, 345})
                  .of(q::frequency_kHz)
                  .withMeaning("开关频率 f，单位 kHz"),
              caption("Label3", "最大磁饱和强度（T）", {60, 1245, 1710, 255}, "Text3"),
              input("Text3", "0.3", {1800, 1200, 1335, 345})
                  .of(q::flux_T)
                  .withMeaning("磁芯允许的最大磁通密度 B，单位 T"),
              caption("Label4", "有效截面积（mm2）", {180, 1725, 1560, 255}, "Text4"),
              input("Text4", "5", {1800, 1680, 1335, 345})
                  .of(q::area_mm2)
                  .withMeaning("磁芯的有效截面积 Ae，单位 mm²")
                  .offering(PartList::Cores),
              // Here the calculate button is Command2 and 返回 is Command1.
              calculate("Command2", "计算", {1155, 2280, 1095, 405}, {"Text5"},
                        [](Calc& c) {
                          // The winding sees ±B, a swing of 2B in half a period:
                          // N = V ÷ (4·f·B·Ae). With V in volts, f in kHz, B in
                          // tesla and Ae in mm2 the unit factor is 10^6 ÷ 10^3.
                          const Real b = c.read("Text3"), ae = c.read("Text4"), f = c.read("Text2"),
                                     v = c.read("Text1");
                          c.write("Text5", v / b / ae / f * 1000 * 0.25);
                        }),
              caption("Label5", "圈数", {180, 2925, 960, 255}, "Text5"),
              output("Text5", {1260, 2880, 1875, 345})
                  .of(q::turns)
                  .withFormula("「圈数」 = 「电压（V）」 ÷ 「最大磁饱和强度（T）」 ÷ 「有效截面积（mm2）」 ÷ 「开关频率（KHz）」"
                               " × 1000 × 0.25\n"
                               "1000 即 10⁶ ÷ 10³：截面积以 mm2、频率以 KHz 计时的单位换算\n"
                               "0.25 即 1 ÷ 4：磁通在半个周期内从 −B 摆到 +B，摆幅为 2B"),
              button("Command1", "返回", {1155, 3480, 1095, 405}, ButtonRole::Return),
          },
      .focus = {"Text1", "Text2", "Text3", "Text4", "Command2", "Text5", "Command1"},
  };
}

}  // namespace ombrel::windows

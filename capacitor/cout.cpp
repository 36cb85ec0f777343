// SPDX-License-Identifier: GPL-3.0-or-later
// 输出电容: the charge the output current carries during the off part (1 - D)
// of one switching period, over the allowed ripple, in uF; then the voltage
// rating the capacitor should have, 1.8 times the output voltage.
#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel::windows {

WindowSpec cout() {
  return {
      .name = "cout",
      .caption = "输出电容",
      .width = 6150,
      .height = 3870,
      .controls =
          {
              caption("Label1", "输出电流(A)", {180, 480, 1260, 255}, "Text1"),
              input("Text1", "2", {1500, 420, 1095, 375})
                  .of(q::current_A)
                  .withMeaning("输出电流 Iout，单位 A"),
              caption("Label2", "输出电压(V)", {180, 1110, 1260, 255}, "Text2"),
              input("Text2", "12", {1500, 1050, 1095, 375})
                  .of(q::voltage_V)
                  .withMeaning("输出电压 Vout，单位 V"),
              caption("Label3", "最大占空比", {180, 1740, 1260, 255}, "Text3"),
              input("Text3", "0.4", {1500, 1680, 1095, 375})
                  .of(q::dutyCycle)
                  .withMeaning("最大占空比 D，导通时间占开关周期的比例（0 到 1）"),
              caption("Label4", "开关频率(KHz)", {180, 2370, 1260, 255}, "Text4"),
              input("Text4", "100", {1500, 2310, 1095, 375})
                  .of(q::frequency_kHz)
                  .withMeaning("开关频率 fs，单位 kHz"),
              caption("Label5", "输出纹波(mV)", {180, 3000, 1260, 255}, "Text5"),
              input("Text5", "100", {1500, 2940, 1095, 375})
                  .of(q::voltage_mV)
                  .withMeaning("允许的输出纹波电压 ΔV（峰峰值），单位 mV"),

              caption("Label6", "所需容量(uF)", {2940, 1425, 1200, 255}, "Text6"),
              output("Text6", {4200, 1365, 1800, 375})
                  .of(q::capacitance_uF)
                  .asMinimum()
                  .withFormula("「所需容量(uF)」 = (1 − 「最大占空比」) × (「输出电流(A)」 × 1000000)"
                               " ÷ 「开关频率(KHz)」 ÷ 「输出纹波(mV)」\n"
                               "其中 1000000 把 A ÷ (KHz × mV) 换算为 uF"),
              caption("Label7", "所需耐压(V)", {2940, 2055, 1200, 255}, "Text7"),
              output("Text7", {4200, 1995, 1800, 375})
                  .of(q::voltage_V)
                  .withFormula("「所需耐压(V)」 = 「输出电压(V)」 × 1.8"),

              calculate("Command1", "计算", {3240, 2925, 1095, 405}, {"Text6", "Text7"},
                        [](Calc& c) {
                          // The 1000000 turns A / (kHz × mV) into uF.
                          const Real current = c.read("Text1");
                          const Real duty = c.read("Text3");
                          const Real frequency = c.read("Text4");
                          const Real ripple = c.read("Text5");
                          const Real offPart = 1 - duty;
                          c.write("Text6", offPart * (current * 1000000) / frequency / ripple);

                          c.write("Text7", c.read("Text2") * 1.8);
                        }),
              button("Command2", "返回", {4770, 2925, 1095, 405}, ButtonRole::Return),
          },
      .focus = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Command1", "Command2"},
  };
}

}  // namespace ombrel::windows

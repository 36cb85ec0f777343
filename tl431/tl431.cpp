// SPDX-License-Identifier: GPL-3.0-or-later
// TL431电阻计算: the feedback of an isolated supply through a TL431 (2.5 V
// reference) and an optocoupler. Three calculators that share nothing: a
// divider estimate for a wanted output voltage, the output range a trimmed
// divider covers, and the optocoupler's LED current.
#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel::windows {

namespace {

// Output fields show one blank until their group first calculates.
constexpr const char* kBlank = " ";

}  // namespace

WindowSpec TL431() {
  WindowSpec spec{
      .name = "TL431",
      .caption = "TL431电阻计算",
      .width = 6510,
      .height = 7005,
      .controls =
          {
              // 分压估计: a divider carrying 1 mA with 2.5 V across R2 + R3.
              label("Label1", "分压估计", {240, 150, 1200, 255}),
              caption("Label2", "输出电压(V)", {240, 540, 1050, 255}, "Text1"),
              input("Text1", "12", {1320, 480, 1335, 345})
                  .of(q::voltage_V)
                  .withMeaning("想要得到的输出电压，单位 V"),
              calculate("Command1", "计算", {1080, 975, 1095, 405}, {"Text4", "Text3", "Text2"},
                        [](Calc& c) {
                          c.write("Text4", 1);
                          c.write("Text3", 1.5);
                          const Real vout = c.read("Text1"), r3 = c.read("Text4"), r2 = c.read("Text3");
                          c.write("Text2", vout - r3 - r2);
                        }),
              caption("Label3", "R1(K)", {240, 1560, 1050, 255}, "Text2"),
              output("Text2", {1320, 1500, 1800, 345}, kBlank)
                  .of(q::resistance_kOhm)
                  .withFormula("「R1(K)」（分压估计） = 「输出电压(V)」（分压估计） − 「R3(K)」（分压估计）"
                               " − 「R2(K)」（分压估计）"),
              caption("Label4", "R2(K)", {240, 1995, 1050, 255}, "Text3"),
              output("Text3", {1320, 1935, 1800, 345}, kBlank)
                  .of(q::resistance_kOhm)
                  .withFormula("「R2(K)」（分压估计） = 1.5\n"
                               "R2 + R3 共 2.5K，上有 TL431 的 2.5V 基准电压，分压电流为 1mA"),
              caption("Label5", "R3(K)", {240, 2430, 1050, 255}, "Text4"),
              output("Text4", {1320, 2370, 1800, 345}, kBlank)
                  .of(q::resistance_kOhm)
                  .withFormula("「R3(K)」（分压估计） = 1\n"
                               "R2 + R3 共 2.5K，上有 TL431 的 2.5V 基准电压，分压电流为 1mA"),

              // 分压验证: the output range as R3 runs from its full value to zero.
              label("Label6", "分压验证", {240, 3090, 1200, 255}),
              caption("Label7", "R1(K)", {240, 3480, 1050, 255}, "Text5"),
              input("Text5", "8.2", {1320, 3420, 1335, 345})
                  .of(q::resistance_kOhm)
                  .withMeaning("分压器上端的电阻 R1，单位 kΩ"),
              caption("Label8", "R2(K)", {240, 3915, 1050, 255}, "Text6"),
              input("Text6", "1.5", {1320, 3855, 1335, 345})
                  .of(q::resistance_kOhm)
                  .withMeaning("分压器下端的固定电阻 R2，单位 kΩ"),
              caption("Label9", "R3(K)", {240, 4350, 1050, 255}, "Text7"),
              input("Text7", "1", {1320, 4290, 1335, 345})
                  .of(q::resistance_kOhm)
                  .withMeaning("分压器下端的可调电阻 R3 的全值，单位 kΩ"),
              calculate("Command2", "计算", {1080, 4770, 1095, 405}, {"Text8", "Text9"},
                        [](Calc& c) {
                          // R3 at its full value ...
                          {
                            const Real r1 = c.read("Text5"), r2 = c.read("Text6"), r3 = c.read("Text7");
                            c.write("Text8", (r2 + r1 + r3) * 2.5 / (r3 + r2));
                          }
                          // ... and at zero.
                          const Real r1 = c.read("Text5"), r2 = c.read("Text6");
                          c.write("Text9", (r2 + r1) * 2.5 / r2);
                        }),
              label("Label10", "输出电压范围(V)", {240, 5340, 1800, 255}),
              caption("Label11", "从", {240, 5730, 450, 255}, "Text8"),
              output("Text8", {720, 5670, 1800, 345}, kBlank)
                  .of(q::voltage_V)
                  .withFormula("「从」 = (「R2(K)」（分压验证） + 「R1(K)」（分压验证） + 「R3(K)」（分压验证）) × 2.5\n    "
                               "÷ (「R3(K)」（分压验证） + 「R2(K)」（分压验证）)\n"
                               "R3 取全值时的输出电压；2.5 为 TL431 的基准电压（V）"),
              caption("Label12", "到", {240, 6165, 450, 255}, "Text9"),
              output("Text9", {720, 6105, 1800, 345}, kBlank)
                  .of(q::voltage_V)
                  .withFormula("「到」 = (「R2(K)」（分压验证） + 「R1(K)」（分压验证）) × 2.5 ÷ 「R2(K)」（分压验证）\n"
                               "R3 调到零时的输出电压；2.5 为 TL431 的基准电压（V）"),

              // 光耦电流: 4.3 V stand across the LED and the TL431 together.
              label("Label13", "光耦电流", {3450, 150, 1200, 255}),
              caption("Label14", "输出电压(V)", {3450, 510, 1110, 255}, "Text11"),
              input("Text11", "12", {4560, 450, 1335, 345})
                  .of(q::voltage_V)
                  .withMeaning("电源的输出电压，单位 V"),
              caption("Label15", "R5(K)", {3450, 930, 1110, 255}, "Text10"),
              input("Text10", "0.47", {4560, 870, 1335, 345})
                  .of(q::resistance_kOhm)
                  .withMeaning("与光耦发光管串联的限流电阻 R5，单位 kΩ"),
              calculate("Command3", "计算", {4335, 1305, 1095, 405}, {"Text12"},
                        [](Calc& c) {
                          // V over kΩ gives mA.
                          const Real vout = c.read("Text11"), r5 = c.read("Text10");
                          c.write("Text12", (vout - 4.3) / r5);
                        }),
              caption("Label16", "光耦电流(mA)", {3450, 1860, 1110, 255}, "Text12"),
              output("Text12", {4560, 1800, 1800, 345}, kBlank)
                  .of(q::current_mA)
                  .withFormula("「光耦电流(mA)」 = (「输出电压(V)」（光耦电流） − 4.3) ÷ 「R5(K)」\n"
                               "4.3V 为光耦发光管与 TL431 上的压降之和；V ÷ K 得 mA"),

              button("Command4", "返回", {4830, 2325, 1095, 405}, ButtonRole::Return),
              // The feedback circuit, at its own size.
              picture("Image1", ":/pictures/tl431.svg", {4380, 2790, 1995, 4170}, false),
          },
      .focus = {"Text1", "Command1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Command2",
                "Text8", "Text9", "Text11", "Text10", "Command3", "Text12", "Command4"},
  };
  group(spec.controls, "Label1", 1, 120, 60, 3300, 2820);
  group(spec.controls, "Label6", 5, 120, 3000, 3300, 6600);
  group(spec.controls, "Label13", 9, 3375, 60, 6450, 2235);
  return spec;
}

}  // namespace ombrel::windows

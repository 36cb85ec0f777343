// SPDX-License-Identifier: GPL-3.0-or-later
// 差模电感 and 共模电感: the choke of a second-order LC stage of an EMI filter.
// The corner frequency is the one from which a fall of 40 dB a decade reaches
// the wanted attenuation A (negative dB) at the switching frequency; the
// inductance follows from the corner, the damping factor and the test
// impedance. The common-mode window also gives the capacitor that resonates
// with that inductance at the corner.
//
// The two windows are one description: they differ in caption, size, the
// inductance (ζR ÷ 2πfc for differential mode, ζR ÷ πfc for common mode),
// the capacitance row with its note, and their focus order.
#include <string>
#include <utility>
#include <vector>

#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel::windows {
namespace {

// fc in kHz, from fs in kHz.
void cornerFrequency(Calc& c) {
  const Real A = c.read("Text2"), fs = c.read("Text1");
  c.write("Text5", fs * power(Real(10), A / 40));
}

// ζ·R ÷ (2π·fc) in uH with fc as shown, π as 3.14.
void differentialInductance(Calc& c) {
  const Real zeta = c.read("Text4"), R = c.read("Text3"), fc = c.read("Text5");
  c.write("Text6", zeta * 0.5 * R * 1000 / 3.14 / fc);
}

// ζ·R ÷ (π·fc) in uH with fc as shown, π as 3.14.
void commonModeInductance(Calc& c) {
  const Real R = c.read("Text3"), fc = c.read("Text5"), zeta = c.read("Text4");
  c.write("Text6", zeta * R * 1000 / 3.14 / fc);
}

// 1 ÷ (4π²·fc²·L) in uF, fc in kHz and L in uH as shown.
void capacitance(Calc& c) {
  const Real fc = c.read("Text5"), L = c.read("Text6");
  c.write("Text7", Real(1e6) / 3.14 / 3.14 / 4 / fc / fc / L);
}

struct Choke {
  const char* name;
  const char* caption;
  int width, height;
  Handler steps;       // the calculation, in order
  const char* inductance;  // the inductance's formula
  bool withCapacitor;  // the capacitance row and the note under 返回
  std::vector<std::string> focus;
};

WindowSpec choke(Choke p) {
  const int middle = p.width / 2;
  std::vector<std::string> writes = {"Text5", "Text6"};
  if (p.withCapacitor) writes.push_back("Text7");
  std::vector<Control> controls = {
      caption("Label1", "开关频率(KHz)", {240, 300, 1560, 255}, "Text1"),
      input("Text1", "20", {1920, 240, 1335, 375})
                  .of(q::frequency_kHz)
                  .withMeaning("开关频率 fs，单位 kHz：要在这个频率上得到所要的衰减"),
      caption("Label2", "衰减dB", {240, 780, 1560, 255}, "Text2"),
      input("Text2", "-24", {1920, 720, 1335, 375})
                  .of(q::attenuation_dB)
                  .withMeaning("在开关频率上所要的衰减 A，单位 dB，衰减写作负数（如 -24）"),
      caption("Label3", "测试阻抗(R)", {240, 1260, 1560, 255}, "Text3"),
      input("Text3", "50", {1920, 1200, 1335, 375})
                  .of(q::resistance_Ohm)
                  .withMeaning("测试阻抗 R（线路阻抗稳定网络为 50），单位 Ω"),
      caption("Label4", "阻尼因数", {240, 1740, 1560, 255}, "Text4"),
      input("Text4", "0.707", {1920, 1680, 1335, 375})
                  .of(q::dampingFactor)
                  .withMeaning("滤波器的阻尼因数 ζ，无单位（0.707 时幅频特性最平坦）"),
      calculate("Command1", "计算", {middle - 548, 2220, 1095, 405}, writes, std::move(p.steps)),
      caption("Label5", "转折频率（KHz）", {240, 2880, 1560, 255}, "Text5"),
      output("Text5", {1920, 2820, 2280, 375})
          .of(q::frequency_kHz)
          .withFormula("「转折频率（KHz）」 = 「开关频率(KHz)」 × 10^(「衰减dB」 ÷ 40)\n"
                       "按每十倍频 40dB 的衰减，从转折频率降到开关频率处的「衰减dB」"),
      caption("Label6", "电感数值（uH）", {240, 3360, 1560, 255}, "Text6"),
      output("Text6", {1920, 3300, 2280, 375}).of(q::inductance_uH).withFormula(p.inductance),
  };
  int below = 3300 + 375;
  if (p.withCapacitor) {
    controls.push_back(caption("Label7", "电容数值（uF）", {240, 3840, 1560, 255}, "Text7"));
    controls.push_back(output("Text7", {1920, 3780, 2280, 375})
                           .of(q::capacitance_uF)
                           .withFormula("「电容数值（uF）」 = 1000000 ÷ 3.14 ÷ 3.14 ÷ 4 ÷ 「转折频率（KHz）」"
                                        " ÷ 「转折频率（KHz）」 ÷ 「电感数值（uH）」\n"
                                        "即 1 ÷ (4π² × 转折频率² × 电感)，π 取 3.14，1000000 为单位换算系数"));
    below = 3780 + 375;
  }
  controls.push_back(button("Command2", "返回", {middle - 548, below + 285, 1095, 405}, ButtonRole::Return));
  if (p.withCapacitor)
    controls.push_back(label("Label8",
                             "注意：在现实设计中为了保证电容的漏电和交流容抗不超标，电容不一定选用软件的计算数值，"
                             "但是为了保证EMI的特性，电容缩小几倍，则电相应感扩大几倍",
                             {middle - 1748, below + 285 + 405 + 195, 3495, 855})
                           .wrapped());
  return {.name = p.name,
          .caption = p.caption,
          .width = p.width,
          .height = p.height,
          .controls = std::move(controls),
          .focus = std::move(p.focus)};
}

}  // namespace

WindowSpec gongm() {
  // Tab runs bottom-up; the window opens on 返回.
  const auto steps = [](Calc& c) {
    cornerFrequency(c);
    differentialInductance(c);
  };
  return choke({"gongm", "差模电感", 4530, 4815, steps,
                "「电感数值（uH）」 = 「阻尼因数」 × 0.5 × 「测试阻抗(R)」 × 1000 ÷ 3.14 ÷ 「转折频率（KHz）」\n"
                "即 阻尼因数 × 测试阻抗 ÷ (2π × 转折频率)，π 取 3.14，1000 为单位换算系数",
                false,
                {"Command2", "Text6", "Text5", "Command1", "Text4", "Text3", "Text2", "Text1"}});
}

WindowSpec chamo() {
  const auto steps = [](Calc& c) {
    cornerFrequency(c);
    commonModeInductance(c);
    capacitance(c);
  };
  return choke({"chamo", "共模电感", 5205, 6105, steps,
                "「电感数值（uH）」 = 「阻尼因数」 × 「测试阻抗(R)」 × 1000 ÷ 3.14 ÷ 「转折频率（KHz）」\n"
                "即 阻尼因数 × 测试阻抗 ÷ (π × 转折频率)，π 取 3.14，1000 为单位换算系数",
                true,
                {"Text1", "Text2", "Text3", "Text4", "Command1", "Text5", "Text6", "Text7", "Command2"}});
}

}  // namespace ombrel::windows

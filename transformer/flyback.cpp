// SPDX-License-Identifier: GPL-3.0-or-later
// 反激变压器: the transformer of an off-line flyback converter from its design
// conditions (inductances, turns, gap, currents, voltages, ripple), and beside
// it a small calculator for the LC post-filter behind the output capacitor.
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/calc.h"
#include "common/number.h"
#include "common/window_spec.h"
#include "transformer/flyback_fields.h"

namespace ombrel::windows {
namespace {

namespace ff = flyback_fields;

// A group caption in the larger bold face, just above its frame, towards its middle.
Control heading(std::string name, std::string text, int x1, int x2, int frameTop) {
  const int w = 1560;
  return label(std::move(name), std::move(text), {(x1 + x2 - w) / 2, frameTop - 390, w, 360})
      .withFont(12, true)
      .centredText();
}

struct Row {
  const char* field;
  const char* caption;
  Quantity quantity;        // what the field holds
  const char* defaultText;  // nullptr: an output, empty at first
  const char* about;        // an input's meaning, or an output's formula
  PartList parts = PartList::None;  // an input's list of parts
};

// One column of caption + field rows inside a group, from y0 down in steps of dy.
// Each caption is Label<n> for the field Text<n>.
void rows(std::vector<Control>& controls, std::initializer_list<Row> list, int captionX, int captionW,
          int fieldX, int fieldW, int y0, int dy) {
  int y = y0;
  for (const Row& r : list) {
    const std::string field = r.field;
    controls.push_back(caption("Label" + field.substr(4), r.caption, {captionX, y + 45, captionW, 255}, field));
    controls.push_back(r.defaultText
                           ? input(field, r.defaultText, {fieldX, y, fieldW, 345})
                                 .of(r.quantity)
                                 .withMeaning(r.about)
                                 .offering(r.parts)
                           : output(field, {fieldX, y, fieldW, 345}).of(r.quantity).withFormula(r.about));
    y += dy;
  }
}

// The design: fifteen steps in this order. Each later step reads the earlier
// results back through their fields, as shown to 15 digits. A step reads its
// fields into named values first, in the order of its formula, so that the
// field named by an overflow fault does not depend on the compiler.
void design(Calc& c) {
  // Input current averaged over the period at the crest of the lowest mains.
  {
    const Real pout = c.read(ff::kPower), eta = c.read("Text3"), vacMin = c.read("Text4");
    c.write("Text15", pout / eta / vacMin / 1.414);
  }
  // Peak primary current; K is the ramp as a fraction of the peak.
  {
    const Real iavg = c.read("Text15"), d = c.read(ff::kDuty), k = c.read("Text5");
    c.write("Text16", iavg / d / (1 - k * 0.5));
  }
  // On-time in us from the frequency in kHz.
  {
    const Real d = c.read(ff::kDuty), f = c.read("Text8");
    c.write("Text17", d / f * 1000);
  }
  // Primary inductance in uH.
  {
    const Real ton = c.read("Text17"), vacMin = c.read("Text4"), ipk = c.read("Text16");
    c.write("Text10", ton * vacMin * 1.414 / ipk);
  }
  // Primary turns: us × V over mm2 × T gives turns directly.
  {
    const Real vacMin = c.read("Text4"), ton = c.read("Text17"), ae = c.read("Text7"), bmax = c.read("Text6");
    c.write("Text12", vacMin * ton * 1.414 / ae / bmax);
  }
  // Secondary turns, no diode drop on the output voltage.
  {
    const Real np = c.read("Text12"), vout = c.read(ff::kOutputVoltage), d = c.read(ff::kDuty),
               vacMin = c.read("Text4");
    c.write("Text13", np * vout * (1 - d) / 1.414 / vacMin / d);
  }
  // Secondary inductance.
  {
    const Real ns = c.read("Text13"), lp = c.read("Text10"), np = c.read("Text12");
    c.write(ff::kSecondaryInductance, ns * ns * lp / np / np);
  }
  // Air gap in mm: 0.4 × 3.14 × 0.001 is the permeability of free space in uH/mm.
  {
    const Real np = c.read("Text12"), ae = c.read("Text7"), lp = c.read("Text10");
    c.write("Text14", np * np * ae / lp * 0.4 * 3.14 * 0.001);
  }
  // Reflected voltage.
  {
    const Real np = c.read("Text12"), vout = c.read(ff::kOutputVoltage), ns = c.read("Text13");
    c.write("Text19", np * vout / ns);
  }
  // The switch must stand the reflected voltage and the margin on top of the
  // crest of the highest mains.
  {
    const Real vr = c.read("Text19"), margin = c.read("Text21"), vacMax = c.read("Text20");
    c.write("Text18", (vr + margin) + vacMax * 1.4);
  }
  // Secondary peak current.
  {
    const Real ipk = c.read("Text16"), np = c.read("Text12"), ns = c.read("Text13");
    c.write("Text23", ipk * np / ns);
  }
  // RMS of a trapezoid whose ramp is K of its peak, over D and over 1 - D.
  {
    const Real k = c.read("Text5"), d = c.read(ff::kDuty), ipk = c.read("Text16");
    c.write("Text24", power(((k * k / 3 - k) + 1) * d, 0.5) * ipk);
  }
  {
    const Real k = c.read("Text5"), d = c.read(ff::kDuty), isPk = c.read("Text23");
    c.write("Text25", power(((k * k / 3 - k) + 1) * (1 - d), 0.5) * isPk);
  }
  // Ripple current into the output capacitor.
  {
    const Real isRms = c.read("Text25"), pout = c.read(ff::kPower), vout = c.read(ff::kOutputVoltage);
    c.write("Text26", power(isRms * isRms - pout * pout / vout / vout, 0.5));
  }
  // Ripple voltage across the ESR: mΩ × A gives mV.
  {
    const Real esr = c.read("Text27"), isPk = c.read("Text23");
    c.write("Text28", esr * isPk);
  }
}

// The post-filter: ESR over the reactance 2πfL of the filter inductor; with
// mΩ, uH and kHz the unit factors cancel.
void filter(Calc& c) {
  {
    const Real esr = c.read("Text27"), lf = c.read("Text22"), f = c.read("Text8");
    c.write("Text31", esr / lf / f / 6.28);
  }
  const Real ripple = c.read("Text28"), attenuation = c.read("Text31");
  c.write("Text32", ripple * attenuation);
}

// The ripple factor K where it is plainly a number between 0 and 1, below 1:
// the inductance formula assumes a current rising from zero, K = 1.
std::optional<double> rippleBelowOne(const Fields& f) {
  const std::string k = f.text("Text5");
  if (!IsPlainNumber(k) || !(NumberFromText(k) > 0 && NumberFromText(k) < 1)) return std::nullopt;
  return NumberFromText(k);
}

// 初级电感量 is ton × Vin ÷ Ipk, the inductance at which the current rises
// from zero, while Ipk and the RMS currents are those of a ripple of K × Ipk:
// that needs ton × Vin ÷ (K × Ipk), and the core then sees Bmax ÷ K at the
// peak. Only said; the window's figures stay the design's own.
//   K 0.6, L 5486.34262399999, B 0.3 -> "…应为 9143.90437333332 uH，…÷ 0.6 = 0.5 T"
// The words break after 不符 so that the tooltip stays narrower than a screen.
std::optional<std::string> peakFlux(const Fields& f, double k) {
  const std::string b = f.text("Text6");
  if (!IsPlainNumber(b)) return std::nullopt;
  return "「磁材饱和强度(T)」÷ " + TextFromNumber(k) + " = " + TextFromNumber(NumberFromText(b) / k) + " T";
}

std::optional<std::string> inductanceCheck(const Fields& f) {
  const std::optional<double> k = rippleBelowOne(f);
  const std::string l = f.text("Text10");
  if (!k || !IsPlainNumber(l)) return std::nullopt;
  const std::optional<std::string> peak = peakFlux(f, *k);
  const std::string ks = TextFromNumber(*k);
  return "按此电感量，电流从零升起（纹波为峰值的 100 %），与「电流波形系数」" + ks + " 不符；\n纹波为 " + ks +
         " 时初级电感量应为 " + TextFromNumber(NumberFromText(l) / *k) + " uH" +
         (peak ? "，此时峰值磁通密度为" + *peak : std::string());
}

std::optional<std::string> fluxCheck(const Fields& f) {
  const std::optional<double> k = rippleBelowOne(f);
  const std::optional<std::string> peak = k ? peakFlux(f, *k) : std::nullopt;
  if (!peak) return std::nullopt;
  return "「初级电感量(uH)」按电流从零升起计算；纹波为「电流波形系数」" + TextFromNumber(*k) + " 时，峰值磁通密度为" + *peak;
}

Control& named(std::vector<Control>& controls, const std::string& name) {
  for (Control& c : controls)
    if (c.name == name) return c;
  throw std::logic_error("no control " + name);
}

}  // namespace

WindowSpec FlybackForm() {
  std::vector<Control> controls;

  // Design conditions, left column.
  controls.push_back(heading("Label41", "设计条件：", 240, 3120, 720));
  group(controls, "Label41", 1, 240, 720, 3120, 6960);
  rows(controls,
       {{ff::kPower, "输出功率（W）", q::power_W, "20",
         "变换器的输出功率 Pout，单位 W"},
        {ff::kOutputVoltage, "输出电压（V）", q::voltage_V, "12",
         "输出直流电压 Vout，单位 V（不计二极管压降）"},
        {"Text3", "效率", q::efficiency, "0.8",
         "变换器的效率 η，输出功率与输入功率之比（如 0.8）"},
        {"Text4", "最低交流输入（V）", q::voltage_V, "175",
         "最低交流输入电压 Vac,min（有效值），单位 V"},
        {"Text20", "最高交流输入（V）", q::voltage_V, "264",
         "最高交流输入电压 Vac,max（有效值），单位 V"},
        {"Text21", "安全击穿电压余量（V）", q::voltage_V, "150",
         "开关管耐压在关断电压之上留出的余量（含漏感尖峰），单位 V"},
        {"Text5", "电流波形系数", q::rippleFactor, "0.6",
         "电流斜坡占峰值电流的比例 K，无单位（1 为从零开始的三角波）"},
        {"Text6", "磁材饱和强度(T)", q::flux_T, "0.3",
         "磁芯允许的最大磁通密度 Bmax，单位 T"},
        {"Text7", "磁材横截面积(mm2)", q::area_mm2, "83",
         "磁芯的有效截面积 Ae，单位 mm²", PartList::Cores},
        {"Text8", "开关频率(Khz)", q::frequency_kHz, "50",
         "开关频率 f，单位 kHz"},
        {ff::kDuty, "最大占空比", q::dutyCycle, "0.4",
         "最大占空比 D，导通时间占开关周期的比例（0 到 1）"}},
       330, 1950, 2310, 720, 900, 540);

  // Transformer and primary parameters, middle column.
  controls.push_back(heading("Label42", "变压器参数：", 3240, 6720, 720));
  group(controls, "Label42", 5, 3240, 720, 6720, 3360);
  rows(controls,
       {{"Text10", "初级电感量(uH)", q::inductance_uH, nullptr,
         "「初级电感量(uH)」 = 「导通时间(us)」 × 「最低交流输入（V）」 × 1.414 ÷ 「初级电流峰值(A)」\n"
         "其中 1.414 取 √2"},
        {ff::kSecondaryInductance, "次级电感量(uH)", q::inductance_uH, nullptr,
         "「次级电感量(uH)」 = 「次级圈数(T)」 × 「次级圈数(T)」 × 「初级电感量(uH)」 ÷ 「初级圈数(T)」 ÷ 「初级圈数(T)」"},
        {"Text12", "初级圈数(T)", q::turns, nullptr,
         "「初级圈数(T)」 = 「最低交流输入（V）」 × 「导通时间(us)」 × 1.414 ÷ 「磁材横截面积(mm2)」 ÷ 「磁材饱和强度(T)」\n"
         "其中 1.414 取 √2"},
        {"Text13", "次级圈数(T)", q::turns, nullptr,
         "「次级圈数(T)」 = 「初级圈数(T)」 × 「输出电压（V）」 × (1 − 「最大占空比」) ÷ 1.414 ÷ 「最低交流输入（V）」"
         " ÷ 「最大占空比」\n"
         "其中 1.414 取 √2；输出电压不计二极管压降"},
        {"Text14", "磁隙宽度(mm)", q::length_mm, nullptr,
         "「磁隙宽度(mm)」 = 「初级圈数(T)」 × 「初级圈数(T)」 × 「磁材横截面积(mm2)」 ÷ 「初级电感量(uH)」"
         " × 0.4 × 3.14 × 0.001\n"
         "其中 0.4 × 3.14 × 0.001 代表真空磁导率（uH/mm），π 取 3.14"}},
       3360, 1560, 4935, 1710, 900, 480);
  controls.push_back(heading("Label43", "初级参数：", 3240, 6720, 3960));
  group(controls, "Label43", 9, 3240, 3960, 6720, 6960);
  rows(controls,
       {{"Text15", "初级电流平均值(A)", q::current_A, nullptr,
         "「初级电流平均值(A)」 = 「输出功率（W）」 ÷ 「效率」 ÷ 「最低交流输入（V）」 ÷ 1.414\n"
         "其中 1.414 取 √2"},
        {"Text16", "初级电流峰值(A)", q::current_A, nullptr,
         "「初级电流峰值(A)」 = 「初级电流平均值(A)」 ÷ 「最大占空比」 ÷ (1 − 「电流波形系数」 × 0.5)"},
        {"Text24", "初级电流有效值(A)", q::current_A, nullptr,
         "「初级电流有效值(A)」 = √(((「电流波形系数」 × 「电流波形系数」 ÷ 3 − 「电流波形系数」) + 1) × 「最大占空比」)\n    "
         "× 「初级电流峰值(A)」"},
        {"Text17", "导通时间(us)", q::time_us, nullptr,
         "「导通时间(us)」 = 「最大占空比」 ÷ 「开关频率(Khz)」 × 1000"},
        {"Text18", "开关管耐压>(V)", q::voltage_V, nullptr,
         "「开关管耐压>(V)」 = (「反射电压(V)」 + 「安全击穿电压余量（V）」) + 「最高交流输入（V）」 × 1.4\n"
         "其中 1.4 为最高交流输入的峰值系数"},
        {"Text19", "反射电压(V)", q::voltage_V, nullptr,
         "「反射电压(V)」 = 「初级圈数(T)」 × 「输出电压（V）」 ÷ 「次级圈数(T)」"}},
       3360, 1560, 4935, 1710, 4140, 480);

  // Secondary and filter parameters, right column.
  controls.push_back(heading("Label44", "次极参数：", 6840, 10680, 720));
  group(controls, "Label44", 13, 6840, 720, 10680, 3360);
  rows(controls,
       {{"Text23", "次级电流峰值(A)", q::current_A, nullptr,
         "「次级电流峰值(A)」 = 「初级电流峰值(A)」 × 「初级圈数(T)」 ÷ 「次级圈数(T)」"},
        {"Text25", "次级电流有效值(A)", q::current_A, nullptr,
         "「次级电流有效值(A)」 = √(((「电流波形系数」 × 「电流波形系数」 ÷ 3 − 「电流波形系数」) + 1)\n    "
         "× (1 − 「最大占空比」)) × 「次级电流峰值(A)」"},
        {"Text26", "输出纹波电流p-p(A)", q::current_A, nullptr,
         "「输出纹波电流p-p(A)」 = √(「次级电流有效值(A)」 × 「次级电流有效值(A)」\n    "
         "− 「输出功率（W）」 × 「输出功率（W）」 ÷ 「输出电压（V）」 ÷ 「输出电压（V）」)\n"
         "此式给出的是纹波电流的有效值（RMS），而非峰峰值：输出电容的纹波电流额定值即按有效值给出"},
        {"Text28", "输出纹波电压p-p(mV)", q::voltage_mV, nullptr,
         "「输出纹波电压p-p(mV)」 = 「输出电容ESR(moh)」 × 「次级电流峰值(A)」\n"
         "mΩ × A 得 mV"}},
       6960, 1800, 8820, 1740, 960, 600);
  controls.push_back(heading("Label45", "滤波器参数：", 6840, 10680, 3960));
  group(controls, "Label45", 17, 6840, 3960, 10680, 6960);
  rows(controls,
       {{"Text22", "输出电感柱(uH)", q::inductance_uH, "3",
         "输出 LC 滤波器中电感的电感量 Lf，单位 uH"},
        {"Text27", "输出电容ESR(moh)", q::resistance_mOhm, "100",
         "输出电容的等效串联电阻 ESR，单位 mΩ"},
        {"Text31", "衰减倍数", q::attenuation_ratio, nullptr,
         "「衰减倍数」 = 「输出电容ESR(moh)」 ÷ 「输出电感柱(uH)」 ÷ 「开关频率(Khz)」 ÷ 6.28\n"
         "其中 6.28 取 2π：ESR 与滤波电感感抗 2πfL 之比"},
        {"Text32", "衰减后纹波p-p(mV)", q::voltage_mV, nullptr,
         "「衰减后纹波p-p(mV)」 = 「输出纹波电压p-p(mV)」 × 「衰减倍数」"}},
       6960, 1800, 8820, 1740, 4140, 480);

  named(controls, "Text10").check = inductanceCheck;
  named(controls, "Text6").check = fluxCheck;

  controls.push_back(calculate("Command1", "计算", {4988, 7095, 1095, 405},
                               {"Text15", "Text16", "Text17", "Text10", "Text12", "Text13", ff::kSecondaryInductance,
                                "Text14", "Text19", "Text18", "Text23", "Text24", "Text25", "Text26", "Text28"},
                               &design)
                         .withFont(10.5));
  controls.push_back(button("Command2", "返回", {6600, 7095, 1095, 405}, ButtonRole::Return));
  // The filter's own 计算, inside its group below Text32.
  controls.push_back(calculate("Command3", "计算", {8220, 6180, 1095, 405}, {"Text31", "Text32"}, &filter));

  return {
      .name = ff::kWindow,
      .caption = "反激变压器",
      .width = 11070,
      .height = 7620,
      .controls = std::move(controls),
      .focus = {"Text28", "Text26", "Text25", "Text23", "Command2", "Text22", "Text27", "Text31", "Text32",
                "Text24", "Text21", "Text20", "Command1", "Text19", "Text18", "Text17", "Text16", "Text15",
                "Text14", "Text13", "Text12", "Text11", "Text10", "Text9",  "Text8",  "Text7",  "Text6",
                "Text5",  "Text4",  "Text3",  "Text2",  "Text1",  "Command3"},
  };
}

}  // namespace ombrel::windows

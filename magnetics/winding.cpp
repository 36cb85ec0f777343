// SPDX-License-Identifier: GPL-3.0-or-later
// 磁件复核: whether a transformer's or inductor's windings fit the window of
// a standard core and the copper loss they make, and the core's loss from
// its material's data, whether it saturates at the working temperature, the
// total loss and the temperature it reaches. A window table like the
// calculators' (common/window_spec.h), made from the standard shapes and
// the power ferrites: the core chosen from two lists (family, then shape,
// named as "选择磁芯" names them), the material from a third, the
// conditions, three winding rows and the results. Qt-free. Its lists and the
// core's and material's figures come from the data as shipped
// (parts/winding_cores.h, parts/materials.h, parts/shipped.h).
//
// The window of the pair, bare, without a coil former:
//   bw = (E − F) ÷ 2, hw = 2 × D, Aw = bw × hw
//     ETD34: E 26.3, F 10.8, D 12.1 -> Aw 187.55 mm²
// The mean length of a turn in a winding that fills the window:
//   round centre leg (ETD, PQ, RM, EP): MLT = π × (E + F) ÷ 2
//     ETD34 -> 58.2765437240907 mm
//   rectangular centre leg, F by its depth (EE: C, EFD: F2):
//   MLT = 2 × (F + depth) + π × bw
//     E25/13/7: F 7.25, C 7.2, E 17.9 -> 2 × 14.45 + π × 5.325 = 45.6289808803656 mm
// A row counts when its turns are not blank; the others' results are emptied.
//   a = n × π × d² ÷ 4 (mm²), Ku = Σ N × a ÷ Aw, J = I ÷ a
//   ρ = 1 ÷ 58 × (1 + 0.00393 × (T − 20)) Ω·mm²/m (annealed copper, IEC 60028)
//   δ = √(ρ ÷ 10⁶ ÷ (π × f × 1000 × μ0)) × 1000 mm, μ0 = 4π × 10⁻⁷ H/m, f in kHz
//   d ÷ (2δ); Rdc = ρ × N × MLT ÷ 1000 ÷ a × 1000 mΩ; P = I² × Rdc ÷ 1000 W
//     ETD34, 100 kHz, 100 ℃, 40 × (3 × 0.5 mm) at 1.2 A and 6 × (4 × 0.8 mm) at 6 A
//       -> Ku 0.189953, δ 0.239591 mm, J 2.03718 and 2.98416 A/mm²,
//          Rdc 89.6814 and 3.94108 mΩ, P 0.129141 and 0.141879 W, 0.27102 W in all
// Marked 超限 (common/marks.h): Ku above 「窗口利用系数上限」, J above
// 「电流密度上限(A/mm²)」, d ÷ (2δ) above 1.
//
// The core, at 工作温度 T and 开关频率 f (× 1000 Hz), for a winding voltage
// rectangular with duty D and a flux swing ΔB peak to peak:
//   Ae, le, Ve: the shape's by IEC 60205, as the core shape window gives them
//   Bsat: the material's saturation flux density at T, linear between the
//     data's temperatures, the nearest one's beyond them
//   Bpeak: 「峰值磁通密度(T)」 as given, or ΔB where it is blank; 超限 above Bsat
//   Pv = ct × ki × ΔB^β × f^α × (D^(1−α) + (1−D)^(1−α)) ÷ 1000 kW/m³, the
//     improved generalised Steinmetz equation (Venkatachalam, Sullivan,
//     Abdallah, Tacca, IEEE COMPEL 2002) on the data's range that holds f,
//     ki = k ÷ ((2π)^(α−1) × 2^(β−α) × 2√π × Γ((α+1)/2) ÷ Γ(α/2+1)),
//     ct = ct0 − ct1 × T + ct2 × T²; no range holds f: a fault, in words;
//     ct below zero: Pv negative, 不合理
//   Pcore = Pv × Ve ÷ 10⁶ W, Ploss = 总铜损 + Pcore
//   At = 2 × (W × H + W × T + H × T) ÷ 100 cm², the box that encloses the
//     set (parts/core_families.h boxWidth, boxDepth)
//   ΔT = 450 × (Ploss ÷ At)^0.826 ℃ in still air (McLyman, Transformer and
//     Inductor Design Handbook), 估算温度 = 环境温度 + ΔT, 超限 above T
//     ETD34, TDK N87, 100 kHz, ΔB 0.2 T, D 0.5, 100 ℃ -> Bsat 0.3898,
//       Pv 50.2634606959378, At 38.5272
// A fault (a zero wire, a zero frequency) ends the run as a calculator's does;
// a shape not in the list reads as no core: Aw 0, then Ku divides by zero.
#include <cmath>
#include <memory>
#include <numbers>
#include <string>

#include "common/calc.h"
#include "common/window_spec.h"
#include "parts/materials.h"
#include "parts/parts.h"
#include "parts/shipped.h"
#include "parts/winding_cores.h"

namespace ombrel::windows {
namespace {

constexpr double kPi = std::numbers::pi;

// Layout, twips: five columns, each a caption and its field. The windings
// stand in the left three, 窗口与铜损 below them; the conditions and the
// core's results in the right two.
constexpr int kCol[] = {120, 4080, 8040, 12000, 15960};
constexpr int kColumn = 3960, kCaptionX = 120, kFieldX = 2100, kFieldW = 1800, kFieldH = 345;
constexpr int kTop = 510, kPitch = 435;          // the conditions' rows
constexpr int kRowsTop = 510, kRowPitch = 420;   // the winding rows
constexpr int kWindingTop = 60, kWindingBottom = 6840;
constexpr int kResultsTop = 7440;                // 窗口与铜损
constexpr int kCoreTop = 4170;                   // 磁芯损耗与温升
constexpr int kRight = kCol[4] + kColumn;

Control captionAt(const std::string& name, const std::string& text, int column, int y, const std::string& field) {
  return caption(name, text, {kCol[column] + kCaptionX, y + 60, kFieldX - kCaptionX - 60, 255}, field);
}
Rect fieldAt(int column, int y) { return {kCol[column] + kFieldX, y, kFieldW, kFieldH}; }

// 「圈数」（绕组1）
std::string rowName(const char* caption, int row) {
  return "「" + std::string(caption) + "」（绕组" + std::to_string(row) + "）";
}

// A row's copper area a = n × π × d² ÷ 4, in mm².
Real copperArea(Real n, Real d) { return n * kPi * (d * d) / 4; }

// Copper's resistivity at T ℃, Ω·mm²/m.
Real resistivity(Real t) { return Real(1) / 58 * (1 + 0.00393 * (t - 20)); }

// Whole numbers of turns and layers (exact: a double's floor and ceiling are).
Real floor(Real x) { return Real(std::floor(x.value())); }
Real ceil(Real x) { return Real(std::ceil(x.value())); }

// The kinds of wire a row's list offers: enamel of grade 1 to 3, then
// triple-insulated wire (grade 0 to overallDiameter).
constexpr const char* kWireKinds[] = {"1级漆包线", "2级漆包线", "3级漆包线", "三层绝缘线"};
int wireGrade(const std::string& kind) {
  for (int grade = 1; grade <= 3; ++grade)
    if (kind == kWireKinds[grade - 1]) return grade;
  return 0;
}

// Dowell's factor Rac ÷ Rdc of m layers of round wire d made foil: h = d ×
// √(π/4), η = turns a layer × strands × d ÷ breadth, Δ = h ÷ δ × √η.
Real dowell(Real d, Real delta, Real perLayer, Real wires, Real breadth, Real m) {
  const Real h = d * power(Real(kPi) / 4, 0.5);
  const Real eta = perLayer * wires * d / breadth;
  const Real x = h / delta * power(eta, 0.5);
  const Real skin = (cr::sinh(2 * x) + cr::sin(2 * x)) / (cr::cosh(2 * x) - cr::cos(2 * x));
  const Real proximity = 2 * (m * m - 1) / 3 * (cr::sinh(x) - cr::sin(x)) / (cr::cosh(x) + cr::cos(x));
  return x * (skin + proximity);
}

// The kinds of wire, each with what it adds to the copper.
ChoiceList wireKinds() {
  ChoiceList l;
  l.items[""].assign(std::begin(kWireKinds), std::end(kWireKinds));
  for (int grade = 1; grade <= 3; ++grade)
    l.tips[kWireKinds[grade - 1]] =
        "IEC 60317-0-1 的 " + std::to_string(grade) + " 级漆包圆铜线：外径取该级的最大外径";
  l.tips[kWireKinds[3]] = "三层挤出绝缘（各 38.1 µm）的圆铜线：外径 = 线径 + 0.229 mm";
  return l;
}

void addRow(std::vector<Control>& cs, int row) {
  const int col = row - 1;
  const std::string k = std::to_string(row);
  const std::string a = rowName("股数", row) + " × π × " + rowName("线径(mm)", row) + "² ÷ 4";
  const std::string counts = "\n" + rowName("圈数", row) + "为空时本绕组不计，结果为空";
  const auto y = [](int i) { return kRowsTop + i * kRowPitch; };
  int n = 0;
  const auto label = [&](const char* text, const std::string& field) {
    cs.push_back(captionAt("Label" + std::to_string(100 * row + n), text, col, y(n), field));
    return fieldAt(col, y(n++));
  };
  cs.push_back(ombrel::label("Label" + std::to_string(100 * row + 99), "绕组" + k,
                             {kCol[col] + kCaptionX, kWindingTop + 90, 1200, 255}));
  cs.push_back(input("N" + k, "", label("圈数", "N" + k))
                   .of(q::turns)
                   .blankMeaning("不计此绕组")
                   .withMeaning("这一绕组的圈数，无单位；为空时本绕组不计"));
  cs.push_back(input("d" + k, "", label("线径(mm)", "d" + k))
                   .offering(PartList::Wires)
                   .of(q::length_mm)
                   .withMeaning("每股导线的铜线直径（不含漆皮），单位 mm"));
  cs.push_back(input("n" + k, "1", label("股数", "n" + k))
                   .of(q::wires)
                   .withMeaning("并绕的股数，无单位"));
  cs.push_back(input("g" + k, "1级漆包线", label("导线", "g" + k))
                   .choosing(wireKinds())
                   .withMeaning("导线的种类：1、2、3 级漆包线（IEC 60317-0-1），或三层绝缘线；定导线的外径"));
  cs.push_back(input("I" + k, "", label("电流有效值(A)", "I" + k))
                   .of(q::current_A)
                   .withMeaning("这一绕组电流的有效值，单位 A"));
  cs.push_back(output("od" + k, label("外径(mm)", "od" + k))
                   .of(q::length_mm)
                   .withFormula(rowName("外径(mm)", row) + " = " + rowName("线径(mm)", row) + " + 漆膜，按" +
                                rowName("导线", row) + "：\n"
                                "  漆包线：IEC 60317-0-1 该级的最大外径；表中两档线径之间，漆膜（外径 − 线径）\n"
                                "  按线径直线插值，表外取最近一档的漆膜\n"
                                "  三层绝缘线：+ 0.229 mm（三层挤出绝缘，各 38.1 µm）" + counts));
  cs.push_back(output("tpl" + k, label("每层圈数", "tpl" + k))
                   .of(q::turns)
                   .withFormula(rowName("每层圈数", row) + " = floor(「骨架内宽(mm)」 ÷ (" + rowName("股数", row) +
                                " × " + rowName("外径(mm)", row) + "))\n一层并排绕得下的整圈数，向下取整" + counts));
  cs.push_back(output("m" + k, label("层数", "m" + k))
                   .of(q::layers)
                   .withFormula(rowName("层数", row) + " = ceil(" + rowName("圈数", row) + " ÷ " +
                                rowName("每层圈数", row) + ")\n向上取整：最后一层可不满" + counts));
  cs.push_back(output("J" + k, label("电流密度(A/mm²)", "J" + k))
                   .of(q::currentDensity_A_mm2)
                   .limitedBy("jmax", "电流密度超过 {} A/mm²，导线发热偏多；可加粗线径或增加股数")
                   .withFormula(rowName("电流密度(A/mm²)", row) + " = " + rowName("电流有效值(A)", row) +
                                " ÷ (" + a + ")" + counts));
  cs.push_back(output("dskin" + k, label("线径/两倍集肤深度", "dskin" + k))
                   .of(q::skinRatio)
                   .limitedBy(1, "线径超过两倍集肤深度，交流电阻明显高于直流电阻；可改用多股细线")
                   .withFormula(rowName("线径/两倍集肤深度", row) + " = " + rowName("线径(mm)", row) +
                                " ÷ (2 × 「集肤深度(mm)」)" + counts));
  cs.push_back(output("Rdc" + k, label("直流电阻(mΩ)", "Rdc" + k))
                   .of(q::resistance_mOhm)
                   .withFormula(rowName("直流电阻(mΩ)", row) + " = ρ × " + rowName("圈数", row) +
                                " × 「平均匝长(mm)」 ÷ 1000\n    ÷ (" + a + ") × 1000\n"
                                "  ρ = 1 ÷ 58 × (1 + 0.00393 × (「工作温度(℃)」 − 20))\n"
                                "ρ 为铜在工作温度下的电阻率，Ω·mm²/m：退火铜 20 ℃ 时 1/58，"
                                "温度系数 0.00393/℃（IEC 60028）；\n÷ 1000 把 mm 化为 m，× 1000 把 Ω 化为 mΩ" +
                                counts));
  cs.push_back(output("P" + k, label("直流铜损(W)", "P" + k))
                   .of(q::power_W)
                   .withFormula(rowName("直流铜损(W)", row) + " = " + rowName("电流有效值(A)", row) + " × " +
                                rowName("电流有效值(A)", row) + " × " + rowName("直流电阻(mΩ)", row) +
                                " ÷ 1000\n只算直流电阻上的损耗" + counts));
  cs.push_back(output("Fr" + k, label("交流电阻系数", "Fr" + k))
                   .of(q::acFactor)
                   .withFormula(rowName("交流电阻系数", row) + " = Δ × ((sinh 2Δ + sin 2Δ) ÷ (cosh 2Δ − cos 2Δ)\n"
                                "    + 2 × (m² − 1) ÷ 3 × (sinh Δ − sin Δ) ÷ (cosh Δ + cos Δ))\n"
                                "  Δ = h ÷ 「集肤深度(mm)」 × √η，h = " + rowName("线径(mm)", row) + " × √(π ÷ 4)\n"
                                "  η = " + rowName("每层圈数", row) + " × " + rowName("股数", row) + " × " +
                                rowName("线径(mm)", row) + " ÷ 「骨架内宽(mm)」\n"
                                "  m = " + rowName("层数", row) + "\n"
                                "Dowell 公式（P. L. Dowell，Effects of eddy currents in transformer windings，\n"
                                "Proc. IEE 113(8)，1966）：圆线化为同截面的方线，再按铜占层宽的比例 η 化为箔；\n"
                                "按开关频率、以全部有效值电流计，电流中直流成分大时高估损耗" + counts));
  cs.push_back(output("Rac" + k, label("交流电阻(mΩ)", "Rac" + k))
                   .of(q::resistance_mOhm)
                   .withFormula(rowName("交流电阻(mΩ)", row) + " = " + rowName("交流电阻系数", row) + " × " +
                                rowName("直流电阻(mΩ)", row) + counts));
  cs.push_back(output("Pac" + k, label("交流铜损(W)", "Pac" + k))
                   .of(q::power_W)
                   .withFormula(rowName("交流铜损(W)", row) + " = " + rowName("电流有效值(A)", row) + " × " +
                                rowName("电流有效值(A)", row) + " × " + rowName("交流电阻(mΩ)", row) + " ÷ 1000" +
                                counts));
}

// One row's results, in the table's order. Each step reads the turns first:
// where they are blank, the result is emptied.
void rowResults(Calc& c, int row) {
  const std::string k = std::to_string(row);
  const std::string nName = "N" + k, dName = "d" + k, wiresName = "n" + k, iName = "I" + k;
  const auto step = [&c, &nName](const std::string& result, const auto& compute) {
    if (c.given(nName))
      c.write(result, compute());
    else
      c.clear(result);
  };
  step("od" + k, [&] {
    const std::string kind = c.choice("g" + k);
    const Real d = c.read(dName);
    return Real::checked(overallDiameter(wireDiameters(), wireGrade(kind), d.value()));
  });
  step("tpl" + k, [&] {
    const Real bw = c.read("bw"), wires = c.read(wiresName), od = c.read("od" + k);
    const Real turns = floor(bw / (wires * od));
    if (!(turns.value() >= 1))
      throw ArithmeticFault(FaultKind::InvalidOperation, {},
                            "一层绕不下一整圈：" + rowName("股数", row) + " × " + rowName("外径(mm)", row) +
                                " 大于「骨架内宽(mm)」");
    return turns;
  });
  step("m" + k, [&] {
    const Real n = c.read(nName), perLayer = c.read("tpl" + k);
    return ceil(n / perLayer);
  });
  step("J" + k, [&] {
    const Real i = c.read(iName), wires = c.read(wiresName), d = c.read(dName);
    return i / copperArea(wires, d);
  });
  step("dskin" + k, [&] {
    const Real d = c.read(dName), delta = c.read("delta");
    return d / (2 * delta);
  });
  step("Rdc" + k, [&] {
    const Real t = c.read("temp"), n = c.read(nName), mlt = c.read("MLT"), wires = c.read(wiresName),
               d = c.read(dName);
    return resistivity(t) * n * mlt / 1000 / copperArea(wires, d) * 1000;
  });
  step("P" + k, [&] {
    const Real i = c.read(iName), r = c.read("Rdc" + k);
    return i * i * r / 1000;
  });
  step("Fr" + k, [&] {
    const Real d = c.read(dName), delta = c.read("delta"), perLayer = c.read("tpl" + k), wires = c.read(wiresName),
               bw = c.read("bw"), m = c.read("m" + k);
    return dowell(d, delta, perLayer, wires, bw, m);
  });
  step("Rac" + k, [&] {
    const Real fr = c.read("Fr" + k), rdc = c.read("Rdc" + k);
    return fr * rdc;
  });
  step("Pac" + k, [&] {
    const Real i = c.read(iName), r = c.read("Rac" + k);
    return i * i * r / 1000;
  });
}

constexpr int kResultsBottom = kResultsTop + 2 * kPitch + 465;
constexpr int kButtonsTop = kResultsBottom - 405;
// The order of their steps, and the window's reading order, two a line (the
// peak first in its line, under the group's heading, which names its place).
constexpr const char* kCoreResults[] = {"Ae", "le", "Ve", "Bpeak", "Bsat", "Pv", "Pcore", "Ploss", "At", "dT", "Test"};
constexpr const char* kCoreLayout[] = {"Ae", "le", "Ve", "Bsat", "Bpeak", "Pv", "Pcore", "Ploss", "At", "dT", "Test"};
constexpr const char* kRowResults[] = {"od", "tpl", "m", "J", "dskin", "Rdc", "P", "Fr", "Rac", "Pac"};
constexpr const char* kBpkIn = "「峰值磁通密度(T)」（磁芯与工作条件）";
constexpr const char* kBpkOut = "「峰值磁通密度(T)」（磁芯损耗与温升）";

// The materials' list, in the data's order, each with its figures as tooltip.
ChoiceList materialList() {
  ChoiceList l;
  for (const CoreMaterial& m : standardMaterials()) {
    l.items[""].push_back(m.label());
    l.tips[m.label()] = materialTip(m);
  }
  return l;
}

// The chosen material, or a fault that says there is none of that name.
const CoreMaterial& materialOf(Calc& c) {
  const std::string name = c.choice("material");
  const CoreMaterial* m = standardMaterial(name);
  if (!m) throw ArithmeticFault(FaultKind::InvalidOperation, {}, "没有这种磁芯材料：" + name);
  return *m;
}

void addCoreResults(std::vector<Control>& cs) {
  cs.push_back(label("Label50", "磁芯损耗与温升", {kCol[3] + kCaptionX, kCoreTop - 390, 2400, 255}));
  const std::string shape = "\n「磁芯系列」「磁芯型号」的标准尺寸（取平均值）按 IEC 60205 算出，与“磁芯有效参数”窗口相同";
  const std::string range = "\n系数取材料数据中含 f 的频段（不低于其最低频率、低于其最高频率）；\n没有这样的频段时无法计算";
  struct Result {
    const char* name;
    const char* caption;
    Quantity quantity;
    std::string formula;
  };
  const Result results[] = {
      {"Ae", "有效截面积(mm²)", q::area_mm2, "「有效截面积(mm²)」 = Ae" + shape},
      {"le", "有效磁路长度(mm)", q::length_mm, "「有效磁路长度(mm)」 = le" + shape},
      {"Ve", "有效体积(mm³)", q::volume_mm3, "「有效体积(mm³)」 = Ve" + shape},
      {"Bsat", "饱和磁通密度(T)", q::flux_T,
       "「饱和磁通密度(T)」 = 「磁芯材料」在「工作温度(℃)」时的饱和磁通密度\n"
       "在材料数据的温度点之间按直线插值，超出各点时取最近一点的值（约 1200 A/m 下的磁通密度）"},
      {"Bpeak", "峰值磁通密度(T)", q::flux_T,
       std::string(kBpkOut) + " = " + kBpkIn + "\n" + kBpkIn + "为空时 = 「磁通摆幅ΔB(T)」"},
      {"Pv", "单位体积损耗(kW/m³)", q::lossDensity_kW_m3,
       "「单位体积损耗(kW/m³)」 = ct × ki × 「磁通摆幅ΔB(T)」^β × f^α\n"
       "    × (「占空比」^(1 − α) + (1 − 「占空比」)^(1 − α)) ÷ 1000\n"
       "  ki = k ÷ ((2π)^(α − 1) × 2^(β − α) × 2√π × Γ((α + 1) ÷ 2) ÷ Γ(α ÷ 2 + 1))\n"
       "  ct = ct0 − ct1 × 「工作温度(℃)」 + ct2 × 「工作温度(℃)」²\n"
       "  f = 「开关频率(kHz)」 × 1000 Hz\n"
       "绕组电压为矩形波时的改进广义 Steinmetz 公式（iGSE：Venkatachalam、Sullivan、\n"
       "Abdallah、Tacca，IEEE COMPEL 2002）；k、α、β、ct0、ct1、ct2 为「磁芯材料」的\n"
       "Steinmetz 系数，÷ 1000 把 W/m³ 化为 kW/m³" +
           range},
      {"Pcore", "磁芯损耗(W)", q::power_W,
       "「磁芯损耗(W)」 = 「单位体积损耗(kW/m³)」 × 「有效体积(mm³)」 ÷ 1000000\nkW/m³ × mm³ = 10⁻⁶ W"},
      {"Ploss", "总损耗(W)", q::power_W, "「总损耗(W)」 = 「总铜损(W)」 + 「磁芯损耗(W)」"},
      {"At", "散热面积(cm²)", q::area_cm2,
       "「散热面积(cm²)」 = 2 × (W × H + W × T + H × T) ÷ 100\n"
       "包住整副磁芯的方盒的表面积，W、H、T 为其宽、高、深（mm）：\n"
       "EE、EFD、ETD、PQ、EP 为 A、2 × B、C，RM 为 J、2 × B、J，\n"
       "取「磁芯系列」「磁芯型号」的标准尺寸（平均值）；÷ 100 把 mm² 化为 cm²"},
      {"dT", "温升(℃)", q::temperatureRise_C,
       "「温升(℃)」 = 450 × (「总损耗(W)」 ÷ 「散热面积(cm²)」)^0.826\n"
       "自然对流下表面功率密度（W/cm²）与温升的经验关系\n"
       "（McLyman，Transformer and Inductor Design Handbook）"},
      {"Test", "估算温度(℃)", q::temperature_C, "「估算温度(℃)」 = 「环境温度(℃)」 + 「温升(℃)」"},
  };
  for (std::size_t i = 0; i < std::size(results); ++i) {
    const Result& r = results[i];
    const int column = 3 + static_cast<int>(i % 2), y = kCoreTop + static_cast<int>(i / 2) * kPitch;
    cs.push_back(captionAt("Label" + std::to_string(51 + i), r.caption, column, y, r.name));
    Control out = output(r.name, fieldAt(column, y)).of(r.quantity).withFormula(r.formula);
    if (std::string(r.name) == "Bpeak")
      out = std::move(out).limitedBy("Bsat", "峰值磁通密度超过 {material} 在 {temp} ℃ 时的饱和磁通密度 {} T，磁芯会饱和");
    if (std::string(r.name) == "Pv")
      out = std::move(out).impossibleMeaning("{material} 的损耗数据在 {temp} ℃ 时不适用：温度系数为负，算出的损耗小于零");
    if (std::string(r.name) == "Test")
      out = std::move(out).limitedBy(
          "temp", "估算温度超过所设工作温度 {} ℃：损耗是按 {} ℃ 算的，请提高「工作温度(℃)」重算，或减小损耗");
    cs.push_back(std::move(out));
  }
}

// The core's steps, after the copper's: each reads its fields in the
// formula's order, then computes.
template <class CoreOf>
void coreSteps(Calc& c, const CoreOf& coreOf) {
  c.write("Ae", coreOf(c).ae);
  c.write("le", coreOf(c).le);
  c.write("Ve", coreOf(c).ve);
  if (c.given("Bpk")) {
    const Real b = c.read("Bpk");
    c.write("Bpeak", b);
  } else {
    const Real db = c.read("dB");
    c.write("Bpeak", db);
  }
  {
    const Real t = c.read("temp");
    c.write("Bsat", atTemperature(materialOf(c).saturation, t.value()));
  }
  {
    const Real db = c.read("dB"), f = c.read("freq"), d = c.read("duty"), t = c.read("temp");
    const CoreMaterial& m = materialOf(c);
    const Real hz = f * 1000;
    const SteinmetzRange* r = steinmetzRange(m, hz.value());
    if (!r) throw ArithmeticFault(FaultKind::InvalidOperation, {}, outsideRanges(m, hz.value()));
    const Real a = r->alpha, b = r->beta;
    const Real ki = r->k / (power(2 * kPi, a - 1) * power(Real(2), b - a) * (2 * power(Real(kPi), 0.5)) *
                            cr::gamma((a + 1) / 2) / cr::gamma(a / 2 + 1));
    const Real ct = r->ct0 - r->ct1 * t + r->ct2 * t * t;
    c.write("Pv", ct * ki * power(db, b) * power(hz, a) * (power(d, 1 - a) + power(1 - d, 1 - a)) / 1000);
  }
  {
    const Real pv = c.read("Pv"), ve = c.read("Ve");
    c.write("Pcore", pv * ve / 1000000);
  }
  {
    const Real copper = c.read("Ptotal"), coreLoss = c.read("Pcore");
    c.write("Ploss", copper + coreLoss);
  }
  {
    const WindowCore core = coreOf(c);
    const Real w = core.width, h = core.height, d = core.boxDepth;
    c.write("At", 2 * (w * h + w * d + h * d) / 100);
  }
  {
    const Real loss = c.read("Ploss"), area = c.read("At");
    c.write("dT", 450 * power(loss / area, 0.826));
  }
  {
    const Real ambient = c.read("tamb"), rise = c.read("dT");
    c.write("Test", ambient + rise);
  }
}

}  // namespace

WindowSpec winding() {
  WindingCores l = windingCores(standardShapes());
  const auto cores = std::make_shared<const WindingCores>(l);
  // The core chosen, or none (all figures 0) for a text not in the lists.
  const auto coreOf = [cores](Calc& c) {
    const std::string family = c.choice("family"), shape = c.choice("shape");
    return cores->find(family, shape);
  };
  const std::string coreWords = "\nE、F、D 为「磁芯系列」「磁芯型号」一个半磁芯的平均尺寸（mm）：E 窗口宽（或中柱孔径），"
                                "F 中柱宽（或直径），D 窗口高";

  std::vector<Control> cs;
  cs.push_back(label("Label1", "磁芯与工作条件", {kCol[3] + kCaptionX, 150, 2400, 255}));
  cs.push_back(captionAt("Label2", "磁芯系列", 3, kTop, "family"));
  cs.push_back(input("family", "ETD", fieldAt(3, kTop))
                   .choosing(std::move(l.families))
                   .withMeaning("磁芯的系列，与“选择磁芯”的分类相同"));
  cs.push_back(captionAt("Label3", "磁芯型号", 4, kTop, "shape"));
  cs.push_back(input("shape", "ETD34", fieldAt(4, kTop))
                   .choosing(std::move(l.shapes))
                   .withMeaning("这一系列的标准磁芯，尺寸取标准图纸的平均值"));
  cs.push_back(captionAt("Label4", "开关频率(kHz)", 4, kTop + 1 * kPitch, "freq"));
  cs.push_back(input("freq", "100", fieldAt(4, kTop + 1 * kPitch))
                   .of(q::frequency_kHz)
                   .withMeaning("绕组电流的开关频率，单位 kHz；用于集肤深度"));
  cs.push_back(captionAt("Label5", "工作温度(℃)", 3, kTop + 2 * kPitch, "temp"));
  cs.push_back(input("temp", "100", fieldAt(3, kTop + 2 * kPitch))
                   .of(q::temperature_C)
                   .withMeaning("绕组与磁芯工作时的温度，单位 ℃：铜的电阻率、磁芯材料的饱和磁通密度与损耗都按它算；"
                                "默认 100 ℃ 为满载时常见的温度"));
  cs.push_back(captionAt("Label6", "窗口利用系数上限", 3, kTop + 5 * kPitch, "kumax"));
  cs.push_back(input("kumax", "0.4", fieldAt(3, kTop + 5 * kPitch))
                   .of(q::fillFactor)
                   .withMeaning("铜截面积之和占裸窗口面积的上限，无单位；默认 0.4 取自磁性元件设计教科书，"
                                "为带骨架与绝缘绕制时的常见值"));
  cs.push_back(captionAt("Label7", "电流密度上限(A/mm²)", 4, kTop + 4 * kPitch, "jmax"));
  cs.push_back(input("jmax", "5", fieldAt(4, kTop + 4 * kPitch))
                   .of(q::currentDensity_A_mm2)
                   .withMeaning("导线电流密度的上限，单位 A/mm²；默认 5 取自半导体厂商的反激电源应用笔记，"
                                "小变压器散热好，常取到 6~10"));
  cs.push_back(captionAt("Label70", "磁芯材料", 3, kTop + 1 * kPitch, "material"));
  cs.push_back(input("material", "TDK N87", fieldAt(3, kTop + 1 * kPitch))
                   .choosing(materialList())
                   .withMeaning("磁芯的铁氧体材料：饱和磁通密度与损耗数据取自材料数据"));
  cs.push_back(captionAt("Label71", "磁通摆幅ΔB(T)", 3, kTop + 3 * kPitch, "dB"));
  cs.push_back(input("dB", "0.2", fieldAt(3, kTop + 3 * kPitch))
                   .of(q::flux_T)
                   .withMeaning("一个开关周期内磁通密度的峰峰值摆幅，单位 T"));
  cs.push_back(captionAt("Label72", "占空比", 4, kTop + 3 * kPitch, "duty"));
  cs.push_back(input("duty", "0.5", fieldAt(4, kTop + 3 * kPitch))
                   .of(q::dutyCycle)
                   .withMeaning("绕组电压为正的时间占开关周期的比例，0 到 1 之间（不含两端）"));
  cs.push_back(captionAt("Label73", "峰值磁通密度(T)", 3, kTop + 4 * kPitch, "Bpk"));
  cs.push_back(input("Bpk", "", fieldAt(3, kTop + 4 * kPitch))
                   .of(q::flux_T)
                   .blankMeaning("按 ΔB 计")
                   .withMeaning("磁芯中磁通密度的峰值，单位 T；不填则按磁通摆幅 ΔB 计（反激断续、电感电流从零升起时如此）"));
  cs.push_back(captionAt("Label74", "环境温度(℃)", 4, kTop + 2 * kPitch, "tamb"));
  cs.push_back(input("tamb", "40", fieldAt(4, kTop + 2 * kPitch))
                   .of(q::temperature_C)
                   .withMeaning("磁件周围空气的温度，单位 ℃"));
  cs.push_back(captionAt("Label75", "骨架壁厚(mm)", 4, kTop + 5 * kPitch, "wall"));
  cs.push_back(input("wall", "1", fieldAt(4, kTop + 5 * kPitch))
                   .of(q::length_mm)
                   .withMeaning("骨架的壁厚，单位 mm：两端挡板与套在中柱上的管壁都按它算"));
  cs.push_back(captionAt("Label76", "挡墙宽(mm)", 3, kTop + 6 * kPitch, "margin"));
  cs.push_back(input("margin", "0", fieldAt(3, kTop + 6 * kPitch))
                   .of(q::length_mm)
                   .withMeaning("绕组宽度两端各留的挡墙（胶带）宽，单位 mm；安规要求的爬电距离常靠它"));
  cs.push_back(captionAt("Label77", "绕组间绝缘(mm)", 4, kTop + 6 * kPitch, "tape"));
  cs.push_back(input("tape", "0.1", fieldAt(4, kTop + 6 * kPitch))
                   .of(q::length_mm)
                   .withMeaning("每个绕组外面包的绝缘胶带的厚度，单位 mm"));
  for (int row = 1; row <= 3; ++row) addRow(cs, row);

  cs.push_back(label("Label40", "窗口与铜损", {kCol[0] + kCaptionX, kResultsTop - 390, 2400, 255}));
  const int r1 = kResultsTop, r2 = kResultsTop + kPitch, r3 = kResultsTop + 2 * kPitch;
  cs.push_back(captionAt("Label41", "窗口面积(mm²)", 0, r1, "Aw"));
  cs.push_back(output("Aw", fieldAt(0, r1))
                   .of(q::area_mm2)
                   .withFormula("「窗口面积(mm²)」 = (E − F) ÷ 2 × (2 × D)\n"
                                "一对磁芯的裸窗口：宽 (E − F) ÷ 2，高 2 × D，不计骨架" + coreWords));
  cs.push_back(captionAt("Label42", "平均匝长(mm)", 1, r1, "MLT"));
  cs.push_back(output("MLT", fieldAt(1, r1))
                   .of(q::length_mm)
                   .withFormula("「平均匝长(mm)」 = π × (E + F) ÷ 2（圆中柱：ETD、PQ、RM、EP）\n"
                                "  或 2 × (F + 深) + π × ((E − F) ÷ 2)（方中柱：EE 的深为 C，EFD 的深为 F2）\n"
                                "绕满窗口的绕组的一匝，绕在窗口宽度的中间" + coreWords));
  cs.push_back(captionAt("Label43", "窗口利用系数", 2, r1, "Ku"));
  cs.push_back(output("Ku", fieldAt(2, r1))
                   .of(q::fillFactor)
                   .limitedBy("kumax", "窗口利用系数超过 {}，绕组可能绕不下")
                   .withFormula("「窗口利用系数」 = (" + rowName("圈数", 1) + " × a1 + " + rowName("圈数", 2) +
                                " × a2 + " + rowName("圈数", 3) + " × a3) ÷ 「窗口面积(mm²)」\n" +
                                "  a1 = " + rowName("股数", 1) + " × π × " + rowName("线径(mm)", 1) + "² ÷ 4\n" +
                                "  a2 = " + rowName("股数", 2) + " × π × " + rowName("线径(mm)", 2) + "² ÷ 4\n" +
                                "  a3 = " + rowName("股数", 3) + " × π × " + rowName("线径(mm)", 3) + "² ÷ 4\n" +
                                "a 为各绕组的铜截面积，mm²；圈数为空的绕组不计"));
  cs.push_back(captionAt("Label44", "集肤深度(mm)", 0, r2, "delta"));
  cs.push_back(output("delta", fieldAt(0, r2))
                   .of(q::length_mm)
                   .withFormula("「集肤深度(mm)」 = √(ρ ÷ 1000000 ÷ (π × 「开关频率(kHz)」 × 1000 × μ0)) × 1000\n"
                                "  ρ = 1 ÷ 58 × (1 + 0.00393 × (「工作温度(℃)」 − 20))\n"
                                "ρ 为铜的电阻率，Ω·mm²/m（÷ 1000000 化为 Ω·m）；μ0 = 4 × π × 10⁻⁷ H/m；"
                                "× 1000 把 kHz 化为 Hz，结果由 m 化为 mm"));
  cs.push_back(captionAt("Label46", "骨架内宽(mm)", 1, r2, "bw"));
  cs.push_back(output("bw", fieldAt(1, r2))
                   .of(q::length_mm)
                   .withFormula("「骨架内宽(mm)」 = 2 × D − 2 × 「骨架壁厚(mm)」 − 2 × 「挡墙宽(mm)」\n"
                                "沿中柱方向可绕线的宽度：窗口高减去两端挡板与挡墙" + coreWords));
  cs.push_back(captionAt("Label47", "窗口深度(mm)", 2, r2, "hw"));
  cs.push_back(output("hw", fieldAt(2, r2))
                   .of(q::length_mm)
                   .withFormula("「窗口深度(mm)」 = (E − F) ÷ 2 − 「骨架壁厚(mm)」\n"
                                "从骨架管壁外到窗口外沿，绕组可叠的厚度" + coreWords));
  cs.push_back(captionAt("Label48", "绕组厚度(mm)", 0, r3, "build"));
  cs.push_back(output("build", fieldAt(0, r3))
                   .of(q::length_mm)
                   .limitedBy("hw", "绕组厚度超过窗口深度，绕不下；可减少圈数、换细线或选大一号磁芯")
                   .withFormula("「绕组厚度(mm)」 = " + rowName("层数", 1) + " × " + rowName("外径(mm)", 1) +
                                " + 「绕组间绝缘(mm)」\n    + " + rowName("层数", 2) + " × " + rowName("外径(mm)", 2) +
                                " + 「绕组间绝缘(mm)」\n    + " + rowName("层数", 3) + " × " + rowName("外径(mm)", 3) +
                                " + 「绕组间绝缘(mm)」\n" + rowName("圈数", 1) + "、" +
                                rowName("圈数", 2) + "、" + rowName("圈数", 3) + "为空的绕组不计"));
  cs.push_back(captionAt("Label49", "漏感(uH)", 1, r3, "Lk"));
  cs.push_back(output("Lk", fieldAt(1, r3))
                   .of(q::inductance_uH)
                   .withFormula("「漏感(uH)」 = μ0 × " + rowName("圈数", 1) + "² × 「平均匝长(mm)」 ÷ 1000\n"
                                "    × (b1 ÷ 3 + b2 ÷ 3 + 「绕组间绝缘(mm)」) ÷ 1000 ÷ (「骨架内宽(mm)」 ÷ 1000) × 1000000\n"
                                "  b1 = " + rowName("层数", 1) + " × " + rowName("外径(mm)", 1) + "，b2 = " +
                                rowName("层数", 2) + " × " + rowName("外径(mm)", 2) + "\n"
                                "绕组 1、2 之间、折算到绕组 1 的漏感，μ0 = 4π × 10⁻⁷ H/m，长度化为 m，× 1000000 化为 uH；\n"
                                "分层绕组的漏感公式（变压器设计教科书，如 McLyman 的手册）；\n" + rowName("圈数", 2) +
                                "为空时（只有一个绕组）为空"));
  cs.push_back(captionAt("Label45", "总铜损(W)", 2, r3, "Ptotal"));
  cs.push_back(output("Ptotal", fieldAt(2, r3))
                   .of(q::power_W)
                   .withFormula("「总铜损(W)」 = " + rowName("交流铜损(W)", 1) + " + " + rowName("交流铜损(W)", 2) + " + " +
                                rowName("交流铜损(W)", 3) + "\n为空的铜损按 0 计"));

  addCoreResults(cs);

  std::vector<std::string> writes = {"Aw", "MLT", "Ku", "delta", "bw", "hw"};
  for (const char* k : {"1", "2", "3"})
    for (const char* result : kRowResults) writes.push_back(result + std::string(k));
  for (const char* result : {"build", "Lk", "Ptotal"}) writes.push_back(result);
  for (const char* result : kCoreResults) writes.push_back(result);
  cs.push_back(calculate("Command1", "计算", {kRight - 2415, kButtonsTop, 1095, 405}, writes, [coreOf](Calc& c) {
    {
      const WindowCore core = coreOf(c);
      c.write("Aw", (Real(core.e) - core.f) / 2 * (2 * Real(core.d)));
    }
    {
      const WindowCore core = coreOf(c);
      c.write("MLT", core.round ? kPi * (Real(core.e) + core.f) / 2
                                : 2 * (Real(core.f) + core.depth) + kPi * ((Real(core.e) - core.f) / 2));
    }
    {
      Real copper = 0;
      for (const char* k : {"1", "2", "3"}) {
        const std::string turns = std::string("N") + k;
        if (!c.given(turns)) continue;
        const Real n = c.read(turns), wires = c.read(std::string("n") + k), d = c.read(std::string("d") + k);
        copper = copper + n * copperArea(wires, d);
      }
      const Real aw = c.read("Aw");
      c.write("Ku", copper / aw);
    }
    {
      const Real t = c.read("temp"), f = c.read("freq");
      c.write("delta", power(resistivity(t) / 1000000 / (kPi * f * 1000 * (4 * kPi * 1e-7)), 0.5) * 1000);
    }
    {
      const WindowCore core = coreOf(c);
      const Real wall = c.read("wall"), margin = c.read("margin");
      const Real bw = 2 * Real(core.d) - 2 * wall - 2 * margin;
      if (!(bw.value() > 0))
        throw ArithmeticFault(FaultKind::InvalidOperation, {},
                              "骨架内宽不大于零：2 × 「骨架壁厚(mm)」 + 2 × 「挡墙宽(mm)」占满了窗口高 2 × D");
      c.write("bw", bw);
    }
    {
      const WindowCore core = coreOf(c);
      const Real wall = c.read("wall");
      c.write("hw", (Real(core.e) - core.f) / 2 - wall);
    }
    for (int row = 1; row <= 3; ++row) rowResults(c, row);
    {
      Real build = 0;
      for (const char* k : {"1", "2", "3"}) {
        if (!c.given(std::string("N") + k)) continue;
        const Real m = c.read(std::string("m") + k), od = c.read(std::string("od") + k), tape = c.read("tape");
        build = build + (m * od + tape);
      }
      c.write("build", build);
    }
    if (c.given("N1") && c.given("N2")) {
      const Real n1 = c.read("N1"), mlt = c.read("MLT"), m1 = c.read("m1"), od1 = c.read("od1"), m2 = c.read("m2"),
                 od2 = c.read("od2"), tape = c.read("tape"), bw = c.read("bw");
      const Real b1 = m1 * od1, b2 = m2 * od2;
      c.write("Lk", 4 * kPi * 1e-7 * (n1 * n1) * (mlt / 1000) * ((b1 / 3 + b2 / 3 + tape) / 1000) / (bw / 1000) *
                        1000000);
    } else {
      c.clear("Lk");
    }
    {
      const Real p1 = c.read("Pac1"), p2 = c.read("Pac2"), p3 = c.read("Pac3");
      c.write("Ptotal", p1 + p2 + p3);
    }
    coreSteps(c, coreOf);
  }));
  cs.push_back(button("Command2", "返回", {kRight - 1095, kButtonsTop, 1095, 405}, ButtonRole::Return));

  WindowSpec spec{.name = "winding",
                  .caption = "磁件复核",
                  .width = kRight + 120,
                  .height = kResultsBottom + 165,
                  .controls = std::move(cs),
                  .focus = {"family", "shape", "material", "freq", "temp", "tamb", "dB", "duty", "Bpk", "jmax",
                            "kumax", "wall", "margin", "tape"}};
  for (const char* k : {"1", "2", "3"})
    for (const char* f : {"N", "d", "n", "g", "I", "od", "tpl", "m", "J", "dskin", "Rdc", "P", "Fr", "Rac", "Pac"})
      spec.focus.push_back(f + std::string(k));
  for (const char* f : {"Aw", "MLT", "Ku", "delta", "bw", "hw", "build", "Lk", "Ptotal"}) spec.focus.push_back(f);
  for (const char* f : kCoreLayout) spec.focus.push_back(f);
  for (const char* f : {"Command1", "Command2"}) spec.focus.push_back(f);
  group(spec.controls, "Label1", 1, kCol[3], 60, kRight, kTop + 6 * kPitch + 465);
  for (int row = 1; row <= 3; ++row)
    group(spec.controls, "Label" + std::to_string(100 * row + 99), 1 + 4 * row, kCol[row - 1] + (row == 1 ? 0 : 60),
          kWindingTop, kCol[row - 1] + kColumn - 60, kWindingBottom);
  group(spec.controls, "Label40", 17, kCol[0], kResultsTop - 480, kCol[2] + kColumn - 60, kResultsBottom);
  group(spec.controls, "Label50", 21, kCol[3], kCoreTop - 480, kRight, kCoreTop + 5 * kPitch + 465);
  return spec;
}

}  // namespace ombrel::windows

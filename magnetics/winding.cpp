// SPDX-License-Identifier: GPL-3.0-or-later
// 绕组复核: whether a transformer's or inductor's windings fit the window of
// a standard core, and the copper loss they make. A window table like the
// calculators' (common/window_spec.h), made from the standard shapes: the
// core chosen from two lists (family, then shape, named as "选择磁芯" names
// them), the conditions, three winding rows and the results. Qt-free. Its
// lists and the core's figures come from the standard shapes as shipped
// (parts/winding_cores.h, parts/shipped.h).
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
// A fault (a zero wire, a zero frequency) ends the run as a calculator's does;
// a shape not in the list reads as no core: Aw 0, then Ku divides by zero.
#include <memory>
#include <numbers>
#include <string>

#include "common/calc.h"
#include "common/window_spec.h"
#include "parts/shipped.h"
#include "parts/winding_cores.h"

namespace ombrel::windows {
namespace {

constexpr double kPi = std::numbers::pi;

// Layout, twips: three columns, each a caption and its field.
constexpr int kCol[] = {120, 4200, 8280};
constexpr int kColumn = 3960, kCaptionX = 120, kFieldX = 2100, kFieldW = 1800, kFieldH = 345;
constexpr int kTop = 510, kPitch = 435;    // the conditions' rows
constexpr int kRowsTop = 2040, kRowPitch = 420;  // the winding rows
constexpr int kResultsTop = 6030;

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

void addRow(std::vector<Control>& cs, int row) {
  const int col = row - 1;
  const std::string k = std::to_string(row);
  const std::string a = rowName("股数", row) + " × π × " + rowName("线径(mm)", row) + "² ÷ 4";
  const std::string counts = "\n" + rowName("圈数", row) + "为空时本绕组不计，结果为空";
  const auto y = [](int i) { return kRowsTop + i * kRowPitch; };
  int n = 0;
  const auto label = [&](const char* text, const std::string& field) {
    cs.push_back(captionAt("Label" + std::to_string(10 * row + n), text, col, y(n), field));
    return fieldAt(col, y(n++));
  };
  cs.push_back(ombrel::label("Label" + std::to_string(10 * row + 9), "绕组" + k,
                             {kCol[col] + kCaptionX, 1650, 1200, 255}));
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
  cs.push_back(input("I" + k, "", label("电流有效值(A)", "I" + k))
                   .of(q::current_A)
                   .withMeaning("这一绕组电流的有效值，单位 A"));
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
                                "  ρ = 1 ÷ 58 × (1 + 0.00393 × (「绕组温度(℃)」 − 20))\n"
                                "ρ 为铜在绕组温度下的电阻率，Ω·mm²/m：退火铜 20 ℃ 时 1/58，"
                                "温度系数 0.00393/℃（IEC 60028）；\n÷ 1000 把 mm 化为 m，× 1000 把 Ω 化为 mΩ" +
                                counts));
  cs.push_back(output("P" + k, label("铜损(W)", "P" + k))
                   .of(q::power_W)
                   .withFormula(rowName("铜损(W)", row) + " = " + rowName("电流有效值(A)", row) + " × " +
                                rowName("电流有效值(A)", row) + " × " + rowName("直流电阻(mΩ)", row) +
                                " ÷ 1000\n只算直流电阻上的损耗；线径超过两倍集肤深度时交流损耗更大" + counts));
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
  cs.push_back(label("Label1", "磁芯与工作条件", {kCol[0] + kCaptionX, 150, 2400, 255}));
  cs.push_back(captionAt("Label2", "磁芯系列", 0, kTop, "family"));
  cs.push_back(input("family", "ETD", fieldAt(0, kTop))
                   .choosing(std::move(l.families))
                   .withMeaning("磁芯的系列，与“选择磁芯”的分类相同"));
  cs.push_back(captionAt("Label3", "磁芯型号", 1, kTop, "shape"));
  cs.push_back(input("shape", "ETD34", fieldAt(1, kTop))
                   .choosing(std::move(l.shapes))
                   .withMeaning("这一系列的标准磁芯，尺寸取标准图纸的平均值"));
  cs.push_back(captionAt("Label4", "开关频率(kHz)", 2, kTop, "freq"));
  cs.push_back(input("freq", "100", fieldAt(2, kTop))
                   .of(q::frequency_kHz)
                   .withMeaning("绕组电流的开关频率，单位 kHz；用于集肤深度"));
  cs.push_back(captionAt("Label5", "绕组温度(℃)", 0, kTop + kPitch, "temp"));
  cs.push_back(input("temp", "100", fieldAt(0, kTop + kPitch))
                   .of(q::temperature_C)
                   .withMeaning("绕组工作时的温度，单位 ℃；铜的电阻率随温度升高，默认 100 ℃ 为满载时常见的绕组温度"));
  cs.push_back(captionAt("Label6", "窗口利用系数上限", 1, kTop + kPitch, "kumax"));
  cs.push_back(input("kumax", "0.4", fieldAt(1, kTop + kPitch))
                   .of(q::fillFactor)
                   .withMeaning("铜截面积之和占裸窗口面积的上限，无单位；默认 0.4 取自磁性元件设计教科书，"
                                "为带骨架与绝缘绕制时的常见值"));
  cs.push_back(captionAt("Label7", "电流密度上限(A/mm²)", 2, kTop + kPitch, "jmax"));
  cs.push_back(input("jmax", "5", fieldAt(2, kTop + kPitch))
                   .of(q::currentDensity_A_mm2)
                   .withMeaning("导线电流密度的上限，单位 A/mm²；默认 5 取自半导体厂商的反激电源应用笔记，"
                                "小变压器散热好，常取到 6~10"));
  for (int row = 1; row <= 3; ++row) addRow(cs, row);

  cs.push_back(label("Label40", "窗口与铜损", {kCol[0] + kCaptionX, 5640, 2400, 255}));
  const int r1 = kResultsTop, r2 = kResultsTop + kPitch;
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
                                "  ρ = 1 ÷ 58 × (1 + 0.00393 × (「绕组温度(℃)」 − 20))\n"
                                "ρ 为铜的电阻率，Ω·mm²/m（÷ 1000000 化为 Ω·m）；μ0 = 4 × π × 10⁻⁷ H/m；"
                                "× 1000 把 kHz 化为 Hz，结果由 m 化为 mm"));
  cs.push_back(captionAt("Label45", "总铜损(W)", 1, r2, "Ptotal"));
  cs.push_back(output("Ptotal", fieldAt(1, r2))
                   .of(q::power_W)
                   .withFormula("「总铜损(W)」 = " + rowName("铜损(W)", 1) + " + " + rowName("铜损(W)", 2) + " + " +
                                rowName("铜损(W)", 3) + "\n为空的铜损按 0 计"));

  std::vector<std::string> writes = {"Aw", "MLT", "Ku", "delta"};
  for (const char* k : {"1", "2", "3"})
    for (const char* result : {"J", "dskin", "Rdc", "P"}) writes.push_back(result + std::string(k));
  writes.push_back("Ptotal");
  cs.push_back(calculate("Command1", "计算", {9600, 7050, 1095, 405}, writes, [coreOf](Calc& c) {
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
    for (int row = 1; row <= 3; ++row) rowResults(c, row);
    {
      const Real p1 = c.read("P1"), p2 = c.read("P2"), p3 = c.read("P3");
      c.write("Ptotal", p1 + p2 + p3);
    }
  }));
  cs.push_back(button("Command2", "返回", {10920, 7050, 1095, 405}, ButtonRole::Return));

  WindowSpec spec{.name = "winding",
                  .caption = "绕组复核",
                  .width = 12360,
                  .height = 7620,
                  .controls = std::move(cs),
                  .focus = {"family", "shape", "freq", "temp", "kumax", "jmax"}};
  for (const char* k : {"1", "2", "3"})
    for (const char* f : {"N", "d", "n", "I", "J", "dskin", "Rdc", "P"}) spec.focus.push_back(f + std::string(k));
  for (const char* f : {"Aw", "MLT", "Ku", "delta", "Ptotal", "Command1", "Command2"}) spec.focus.push_back(f);
  group(spec.controls, "Label1", 1, 120, 60, 12240, 1440);
  for (int row = 1; row <= 3; ++row)
    group(spec.controls, "Label" + std::to_string(10 * row + 9), 1 + 4 * row, kCol[row - 1], 1560,
          kCol[row - 1] + kColumn, 5430);
  group(spec.controls, "Label40", 17, 120, 5550, 12240, 6930);
  return spec;
}

}  // namespace ombrel::windows

// SPDX-License-Identifier: GPL-3.0-or-later
// 正激变压器, 半桥变压器 and 全桥变压器: primary turns from the volt-seconds of
// one on-time over the flux of the core, secondary turns from the primary
// turns as the field shows them. The three windows differ only in their name,
// caption, size, the primary's constant and what 返回 does.
#include <string>
#include <utility>
#include <vector>

#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel::windows {
namespace {

struct Turns {
  const char* name;
  const char* caption;
  int width, height;  // client area, twips
  // 1000 = 10^6 / 10^3 from Ae in mm2 and f in kHz; the half bridge's primary
  // sees half the bus voltage, so it takes 500.
  double factor;
  const char* factorText;  // the factor as the primary's formula shows it
  const char* factorNote;  // what it stands for
  ButtonRole returnRole;
};

// Laid out for the narrowest of the three (6090 twips); the wider ones spread
// their x positions over their own width.
constexpr int kDesignWidth = 6090;

WindowSpec turnsWindow(const Turns& t) {
  const auto x = [&t](int twips) { return twips * t.width / kDesignWidth; };
  const auto rect = [&x](int left, int y, int w, int h) { return Rect{x(left), y, x(left + w) - x(left), h}; };
  const double factor = t.factor;

  std::vector<Control> controls = {
      // Left column: the core and drive, the primary 计算 and its result.
      caption("Label1", "输入电压（V）", rect(120, 285, 1740, 255), "Text1"),
      input("Text1", "420", rect(1890, 240, 930, 345))
                  .of(q::voltage_V)
                  .withMeaning("变压器初级所接的直流输入（母线）电压 Vin，单位 V"),
      caption("Label2", "开关频率（KHz）", rect(120, 765, 1740, 255), "Text2"),
      input("Text2", "20", rect(1890, 720, 930, 345))
                  .of(q::frequency_kHz)
                  .withMeaning("开关频率 f，单位 kHz"),
      caption("Label3", "最大占空比", rect(120, 1245, 1740, 255), "Text3"),
      input("Text3", "0.44", rect(1890, 1200, 930, 345))
                  .of(q::dutyCycle)
                  .withMeaning("最大占空比 D，导通时间占开关周期的比例（0 到 1）"),
      caption("Label4", "最大磁饱和强度（T）", rect(120, 1725, 1740, 255), "Text4"),
      input("Text4", "0.3", rect(1890, 1680, 930, 345))
                  .of(q::flux_T)
                  .withMeaning("磁芯允许的最大磁通密度 B，单位 T"),
      caption("Label5", "磁材有效截面（mm2）", rect(120, 2205, 1740, 255), "Text5"),
      input("Text5", "144", rect(1890, 2160, 930, 345))
                  .of(q::area_mm2)
                  .withMeaning("磁芯的有效截面积 Ae，单位 mm²")
                  .offering(PartList::Cores),
      calculate("Command1", "计算", rect(1080, 2760, 1095, 405), {"Text6"},
                [factor](Calc& c) {
                  const Real vin = c.read("Text1"), d = c.read("Text3"), f = c.read("Text2"), b = c.read("Text4"),
                             ae = c.read("Text5");
                  c.write("Text6", vin * factor * d / f / b / ae);
                }),
      caption("Label6", "初级圈数", rect(120, 3465, 780, 255), "Text6"),
      output("Text6", rect(960, 3420, 1860, 345))
          .of(q::turns)
          .withFormula(std::string("「初级圈数」 = 「输入电压（V）」 × ") + t.factorText +
                       " × 「最大占空比」 ÷ 「开关频率（KHz）」 ÷ 「最大磁饱和强度（T）」 ÷ 「磁材有效截面（mm2）」\n" +
                       t.factorNote),

      line("Line1", x(2955), 120, x(2955), t.height - 240),

      // Right column, level with the Text4 and Text5 rows: the output side.
      caption("Label7", "输出电压（V）", rect(3075, 1725, 1200, 255), "Text7"),
      input("Text7", "48", rect(4305, 1680, 1095, 345))
                  .of(q::voltage_V)
                  .withMeaning("输出直流电压 Vout，单位 V"),
      caption("Label8", "次级圈数", rect(3075, 2205, 1200, 255), "Text8"),
      output("Text8", rect(4305, 2160, 1695, 345))
          .of(q::turns)
          .withFormula("「次级圈数」 = 「输出电压（V）」 × 「初级圈数」 ÷ 「输入电压（V）」 ÷ 「最大占空比」"),
      // The primary turns come in as the text of Text6, edited or not.
      calculate("Command3", "计算", rect(4305, 2760, 1095, 405), {"Text8"},
                [](Calc& c) {
                  const Real np = c.read("Text6"), vin = c.read("Text1"), d = c.read("Text3"), vout = c.read("Text7");
                  c.write("Text8", vout * np / vin / d);
                }),
      button("Command2", "返回", rect(4905, t.height - 765, 1095, 405), t.returnRole),
  };

  return {
      .name = t.name,
      .caption = t.caption,
      .width = t.width,
      .height = t.height,
      .controls = std::move(controls),
      .focus = {"Text1", "Text2", "Text3", "Text4", "Text5", "Command1", "Text6", "Text7", "Text8", "Command3",
                "Command2"},
  };
}

constexpr const char* kUnits = "其中 1000 为 mm2 与 KHz 的单位换算系数";
constexpr const char* kHalfUnits = "其中 500 为单位换算系数 1000 的一半：半桥初级只承受一半输入电压";

}  // namespace

WindowSpec ForwardForm() {
  return turnsWindow({"ForwardForm", "正激变压器", 6345, 5085, 1000, "1000", kUnits, ButtonRole::ReturnShowMain});
}

WindowSpec HalfBridgeForm() {
  return turnsWindow({"HalfBridgeForm", "半桥变压器", 6600, 5055, 500, "500", kHalfUnits, ButtonRole::Return});
}

WindowSpec FullBridgeForm() {
  return turnsWindow({"FullBridgeForm", "全桥变压器", 6090, 5010, 1000, "1000", kUnits, ButtonRole::Return});
}

}  // namespace ombrel::windows

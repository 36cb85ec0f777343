// 驱动变压器: the turns of a gate-drive transformer winding from the drive
// voltage, the switching frequency and the core's flux density and area.
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
              input("Text1", "15", {1800, 240, 1335, 345}),
              caption("Label2", "开关频率（KHz）", {180, 765, 1560, 255}, "Text2"),
              input("Text2", "20", {1800, 720, 1335, 345}),
              caption("Label3", "最大磁饱和强度", {180, 1245, 1560, 255}, "Text3"),
              input("Text3", "0.3", {1800, 1200, 1335, 345}),
              caption("Label4", "有效截面积（mm2）", {180, 1725, 1560, 255}, "Text4"),
              input("Text4", "5", {1800, 1680, 1335, 345}),
              // Here the calculate button is Command2 and 返回 is Command1.
              calculate("Command2", "计算", {1155, 2280, 1095, 405}, {"Text5"},
                        [](Calc& c) {
                          // 10^5 / 4 from V, kHz, T and mm2.
                          c.write("Text5", c.read("Text1") / c.read("Text3") / c.read("Text4") / c.read("Text2") *
                                               100000 * 0.25);
                        }),
              caption("Label5", "圈数", {180, 2925, 960, 255}, "Text5"),
              output("Text5", {1260, 2880, 1875, 345})
                  .withFormula("「圈数」 = 「电压（V）」 ÷ 「最大磁饱和强度」 ÷ 「有效截面积（mm2）」 ÷ 「开关频率（KHz）」"
                               " × 100000 × 0.25\n"
                               "其中 100000 × 0.25 即 10⁵ ÷ 4，含 V、KHz、T、mm2 的单位换算"),
              button("Command1", "返回", {1155, 3480, 1095, 405}, ButtonRole::Return),
          },
      .focus = {"Text1", "Text2", "Text3", "Text4", "Command2", "Text5", "Command1"},
  };
}

}  // namespace ombrel::windows

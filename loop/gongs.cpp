// SPDX-License-Identifier: GPL-3.0-or-later
// 公式: how to find the ESR of the output capacitor that 环路控制 asks for,
// with the two relations that give it from a measured Q or a published
// loss-angle tangent. Shown only from the line in 环路控制.
#include "common/window_spec.h"

namespace ombrel::windows {

WindowSpec gongs() {
  return {
      .name = "gongs",
      .caption = "公式",
      .width = 5340,
      .height = 5955,
      .controls =
          {
              label("Label1",
                    "电容的esr可以用LCR数字电桥测试，测出电容的Q值就可以，或者查电容生产厂家提供的损耗角正切值",
                    {360, 240, 4620, 1080})
                  .withFont(12)
                  .wrapped(),
              picture("Image2", ":/pictures/gongs.svg", {517, 1500, 4305, 3300}, false),
              button("Command1", "返回", {2122, 5220, 1095, 405}, ButtonRole::Return),
          },
      .focus = {"Command1"},
  };
}

}  // namespace ombrel::windows

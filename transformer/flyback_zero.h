// SPDX-License-Identifier: GPL-3.0-or-later
// The flyback window's design seen from its loop: the right-half-plane zero
// that the loop's frequency response (loop/loop_response.h) can take from it.
// Qt-free; the Bode window offers it on its zero's menu.
#pragma once

#include <string>
#include <variant>

#include "common/marks.h"

namespace ombrel {

// The right-half-plane zero of the flyback window's design in continuous
// conduction, from its 最大占空比 D, 输出电压（V） Vo, 次级电感量(uH) Ls and
// 输出功率（W） Po (the fields transformer/flyback_fields.h names), as the
// window reads them; Ls in µH taken in H, the zero in Hz given in kHz:
//   fr = (1 − D) × (1 − D) × Vo × Vo ÷ (2 × π × D × (Ls × 1e-6) × Po) ÷ 1000
// Only from a 次级电感量 that is current; else why not:
//   the window's defaults after 计算 -> 35.5256569401553 kHz
//   no flyback window -> "反激变压器窗口没有打开"
//   before 计算       -> "「次级电感量(uH)」还没有算出：请先在反激变压器窗口按「计算」"
//   a design changed  -> "「次级电感量(uH)」是上次计算留下的或已过时的结果：请在反激变压器窗口重新按「计算」"
struct FlybackZero {
  double fr = 0;        // kHz
  std::string figures;  // the formula and the figures it took, lines for a tooltip
};
std::variant<FlybackZero, std::string> flybackRhpZero(const WindowTexts& flyback);

}  // namespace ombrel

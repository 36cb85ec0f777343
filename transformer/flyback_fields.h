// SPDX-License-Identifier: GPL-3.0-or-later
// The flyback window and the fields of it that other rooms read (the loop's
// right-half-plane zero, transformer/flyback_zero.h), named once for all: the
// window's table (transformer/flyback.cpp) defines and writes them under
// these names.
#pragma once

namespace ombrel::flyback_fields {

inline constexpr char kWindow[] = "FlybackForm";          // 反激变压器
inline constexpr char kPower[] = "Text1";                 // 输出功率（W）, an input
inline constexpr char kOutputVoltage[] = "Text2";         // 输出电压（V）, an input
inline constexpr char kDuty[] = "Text9";                  // 最大占空比, an input
inline constexpr char kSecondaryInductance[] = "Text11";  // 次级电感量(uH)

}  // namespace ombrel::flyback_fields

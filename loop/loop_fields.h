// SPDX-License-Identifier: GPL-3.0-or-later
// The loop window's fields that its frequency response reads
// (loop/loop_response.h), named once for both: the window's table
// (loop/huanlu.cpp) defines and writes them under these names.
#pragma once

namespace ombrel::loop_fields {

inline constexpr char kSwitching[] = "Text6";  // 开关频率(kHz), an input
inline constexpr char kR1[] = "Text13";        // R1(K), an input
inline constexpr char kGain[] = "Text14";      // 电源增益
inline constexpr char kPole[] = "Text16";      // 极点(khz)（左列）: the output pole
inline constexpr char kZero[] = "Text19";      // 极点(khz)（右列）: the ESR zero
inline constexpr char kC2[] = "Text12";        // C2(nF)=
inline constexpr char kC1[] = "Text1";         // C1(nF)=
inline constexpr char kR3[] = "Text2";         // R3(K)=

}  // namespace ombrel::loop_fields

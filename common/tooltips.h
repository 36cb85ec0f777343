// SPDX-License-Identifier: GPL-3.0-or-later
// The tooltips of a window's fields, shown on the field and on its caption.
//
// An input says what it is, then which results read it, from the formulas;
// a text that is not plainly a number first says how it is read (its mark's
// note, common/marks.h):
//   lg Text1    -> "磁芯上绕线的圈数 N\n用于：「气隙(mm)」"
//   lout Text2  -> "直流输出电压（V），只作记录\n不参与计算"
//   lg Text1 "20abc" -> "按 20 读取\n磁芯上绕线的圈数 N\n用于：「气隙(mm)」"
// An input whose text is wider than its field starts with that whole text,
// as an output does; an input its table checks ends with the check's words:
//   lg Text1 "79.5020080321285" (wider) -> "79.5020080321285\n磁芯上绕线的圈数 N\n用于：…"
//   FlybackForm Text6, 「电流波形系数」 0.6 -> "…\n用于：…\n验算：……= 0.5 T"
// An output starts with its whole text, so that a value wider than its field
// can be read, then its formula; a marked result (left over, out of date,
// impossible) says so on that first line after its text; a field with no
// text (or blanks only) starts with the formula:
//   "0.25\n「气隙(mm)」 = ..."
//   "0.25（上次计算的结果，本次计算未更新）\n「气隙(mm)」 = ..."
// A resistance, capacitance or inductance ends with its nearest standard
// values (common/standard_values.h), a minimum the design needs with those
// at or above it:
//   "59.7781671933354\n「R3(K)=」 = ...\n标准值：E24 62 kΩ（+3.7 %），E12 56 kΩ（−6.3 %）"
#pragma once

#include <string>

#include "common/window_spec.h"

namespace ombrel {

// `wider`: the field's text where it is wider than the field, else empty;
// `check`: the words of the input's check, else empty.
std::string inputTip(const WindowSpec& spec, const Control& input, const std::string& note = {},
                     const std::string& wider = {}, const std::string& check = {});
std::string outputTip(const Control& output, const std::string& text, const std::string& note = {});

}  // namespace ombrel

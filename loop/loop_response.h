// SPDX-License-Identifier: GPL-3.0-or-later
// The frequency response of the loop window's design (环路控制), Qt-free; the
// Bode window (app/bode_window.h) draws and copies it. The fields it reads are
// named in loop/loop_fields.h. The model, as the loop window
// sizes it after a vendor's application note on type-II compensation of a
// current-mode converter:
//
//   power stage   Gps(s) = G · (1 + s/ωz) ÷ (1 + s/ωp) [· (1 − s/ωr)]
//   compensator   Gc(s)  = (1 + s·R3·C1) ÷ (s·R1·(C1 + C2) · (1 + s·R3·C1·C2 ÷ (C1 + C2)))
//   loop          T = Gps · Gc
//
// with ωp = 2π·fp (the output pole), ωz = 2π·fz (the output capacitor's ESR
// zero), ωr = 2π·fr a right-half-plane zero where one is given, and the
// inverting amplifier's sign left out, as the modulator inverts again. The
// phase is the sum of each factor's own, continuous in frequency, from the
// integrator's −90° at low frequency. The crossover fc is the lowest
// frequency where |T| falls through 1, bisected to neighbouring doubles (its
// text has the 15 digits TextFromNumber writes); the phase margin PM =
// 180° + ∠T(j2π·fc).
//   The loop window's defaults after 计算: fc 9.965 kHz, PM 90.73°
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "common/calc.h"
#include "common/marks.h"
#include "common/standard_values.h"
#include "common/window_spec.h"

namespace ombrel {

// kHz, kΩ and nF, as the loop window's fields hold them.
struct LoopParts {
  double g = 0, fp = 0, fz = 0, r1 = 0, r3 = 0, c1 = 0, c2 = 0, fs = 0;
};

// The parts from the loop window's texts, or why there is nothing to draw:
// a result not yet computed, left over, out of date or impossible, or a
// value that is no positive finite number.
//   before 计算 -> "「电源增益」还没有算出：请先在环路控制窗口按「计算」"
std::variant<LoopParts, std::string> loopParts(const WindowSpec& spec, const Fields& fields, const ResultMarks& marks);

// R3, C1 and C2 replaced by their nearest values of the series; R1 as typed.
LoopParts standardParts(LoopParts parts, ESeries series);

// The right-half-plane zero's text: none where empty, else a positive finite
// frequency in kHz, or why not ("「右半平面零点」须为正数").
std::variant<std::optional<double>, std::string> rhpZero(const std::string& text);

struct Gain {
  double db = 0, deg = 0;
};
struct LoopAt {
  Gain loop, stage, compensator;
};
// At f kHz.
LoopAt loopAt(const LoopParts& parts, std::optional<double> frhp, double f);

struct Crossover {
  double fc = 0;  // kHz
  double pm = 0;  // degrees
};
// None where |T| never falls through 1 between 1e-6 and 1e9 kHz.
std::optional<Crossover> crossover(const LoopParts& parts, std::optional<double> frhp);

// The plot's frequencies in kHz: fp ÷ 10 to 10 · fs, logarithmic, 400 points.
std::vector<double> bodeFrequencies(const LoopParts& parts);

// The response as a table for a spreadsheet, as "复制数据" copies it: a
// header, then a line a frequency, tab-separated, every number by
// TextFromNumber: f, then the gain and the phase of T with the computed
// parts, of T with the `standard` parts (two empty cells where none are
// chosen), of the power stage and of the compensator. Every line ends with
// a line feed.
//   no frequencies -> the header alone, "频率(kHz)\t|T|(dB)\t∠T(°)\t标准值 |T|(dB)\t
//                     标准值 ∠T(°)\t功率级(dB)\t功率级(°)\t补偿器(dB)\t补偿器(°)\n" (one line)
//   G 1, fp 1, fz 100, R1 10, R3 10, C1 10, C2 1, fs 100, no standard parts, no fr, {1}
//     -> the header, then "1\t1.62960679186717\t-105.554328604855\t\t\t-3.00986568387119\t
//        -44.4270613023165\t4.63947247573835\t-61.1272673025383\n" (one line)
std::string bodeTable(const LoopParts& computed, const std::optional<LoopParts>& standard, std::optional<double> frhp,
                      const std::vector<double>& frequencies);

// The same from the response worked out once, as the Bode window draws it:
// at each frequency, the loop with the computed parts and, where given, with
// the standard ones.
struct BodeRow {
  double f = 0;
  LoopAt computed;
  std::optional<LoopAt> standard;
};
std::vector<BodeRow> bodeRows(const LoopParts& computed, const std::optional<LoopParts>& standard,
                              std::optional<double> frhp, const std::vector<double>& frequencies);
std::string bodeTable(const std::vector<BodeRow>& rows);

}  // namespace ombrel

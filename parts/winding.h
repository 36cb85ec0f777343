// SPDX-License-Identifier: GPL-3.0-or-later
// 绕组复核: whether a transformer's or inductor's windings fit the window of
// a standard core, and the copper loss they make. A window table like the
// calculators' (common/window_spec.h), made from the standard shapes: the
// core chosen from two lists (family, then shape, named as "选择磁芯" names
// them), the conditions, three winding rows and the results. Qt-free.
//
// The core's figures are its shape's mean dimensions in mm, one half-core,
// through the number rules (parts/core_form.h dimensionTexts: 0.0263 m -> 26.3).
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
#pragma once

#include <vector>

#include "common/window_spec.h"
#include "parts/core_shapes.h"

namespace ombrel {

// The winding check's table (object name "winding", caption "绕组复核"),
// its lists made from `shapes` (those of parts/core_families.h that can be
// computed). Starts at ETD34.
WindowSpec windingWindow(const std::vector<CoreShape>& shapes);

}  // namespace ombrel

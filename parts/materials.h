// SPDX-License-Identifier: GPL-3.0-or-later
// Power ferrites: their initial permeability and saturation flux density by
// temperature, and the Steinmetz coefficients of their core loss by
// frequency range, read from the data file as shipped (data/README.md tells
// where it comes from) by the house's JSON reader (parts/json_reader.h):
// Qt-free, bounded, the figures by the number rules. Qt-free.
//
// One JSON object a line; of it are read "name", "manufacturerInfo"'s
// "name", "permeability"'s "initial" and "saturation" as points
// {"temperature": ℃, "value" or "magneticFluxDensity": figure}, and the
// "steinmetz" entry of "volumetricLosses"'s "default" with its "ranges"
// {"minimumFrequency", "maximumFrequency" (Hz), "k", "alpha", "beta",
// "ct0", "ct1", "ct2"}; every other member is skipped. A line that lacks
// one of them, or is no JSON, is left out and named:
//   {"name": "N87", "manufacturerInfo": {"name": "TDK"}, ...}  -> "TDK N87"
//   {"name": "X", "manufacturerInfo": {"name": "Y"}}           -> "line 1: Y X: no saturation points"
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ombrel {

struct TemperaturePoint {
  double temperature = 0;  // ℃
  double value = 0;
};

// Pv = k × f^alpha × B^beta × (ct0 − ct1 × T + ct2 × T²) W/m³ with B the
// peak flux density in T, f in Hz, T in ℃, for minimumHz ≤ f < maximumHz.
struct SteinmetzRange {
  double minimumHz = 0, maximumHz = 0, k = 0, alpha = 0, beta = 0, ct0 = 0, ct1 = 0, ct2 = 0;
};

struct CoreMaterial {
  std::string maker, name;                     // "TDK", "N87"
  std::vector<TemperaturePoint> permeability;  // initial, lowest temperature first
  std::vector<TemperaturePoint> saturation;    // T, lowest temperature first
  std::vector<SteinmetzRange> ranges;          // as the file gives them
  std::string label() const { return maker + " " + name; }  // "TDK N87": the check's list
};

struct CoreMaterialTable {
  std::vector<CoreMaterial> materials;
  std::vector<std::string> errors;
};
CoreMaterialTable parseCoreMaterials(std::string_view ndjson);

// A figure at a temperature: linear between the two points around it,
// b0 + (b1 − b0) × (t − t0) ÷ (t1 − t0); beyond the points, the nearest one's:
//   N87 saturation {25: 0.49525, 100: 0.3898} at 100 -> 0.3898, at 62.5 -> 0.442525, at 150 -> 0.3898
double atTemperature(const std::vector<TemperaturePoint>& points, double t);

// The range that holds f Hz, or null: N87 at 100000 -> 1 to 150000; at 0.5 -> null.
const SteinmetzRange* steinmetzRange(const CoreMaterial& m, double hz);

// The list's tooltip of a material:
//   (μi 2308.5 at 25 ℃, between 20 and 30, to four figures, ties to even)
//   "TDK N87：初始磁导率 2308（25 ℃）；饱和磁通密度 0.4953 T（25 ℃），0.3898 T（100 ℃）；
//    损耗数据 0.001～150 kHz，150～1000 kHz，1000～1000000 kHz"
std::string materialTip(const CoreMaterial& m);

// Where f Hz lies outside every range, in words: "TDK N87 的损耗数据只有
// 0.001～150 kHz，150～1000 kHz，1000～1000000 kHz，不含 2000000 kHz".
std::string outsideRanges(const CoreMaterial& m, double hz);

}  // namespace ombrel

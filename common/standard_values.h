// SPDX-License-Identifier: GPL-3.0-or-later
// The preferred values of resistors, capacitors and inductors: the E series
// of IEC 60063 (Table 1: E6, E12 and E24 to two figures; Table 2: E96 to
// three), as the standard lists them. E24's 2.7 3.0 3.3 3.6 3.9 4.3 4.7 and
// 8.2 are not the rounded values of 10^(n/24), and E96 is no refinement of
// E24. Qt-free.
//
// The nearest value of a series to a positive finite number is the one
// whose ratio to it is nearest 1, on a logarithmic scale, in any decade; on
// a tie, the larger:
//   E24, 59.7781671933354 -> 62      E12, 59.7781671933354 -> 56
//   E24, 0.00198 -> 0.002            E6, 1.2247448713915889 (√1.5) -> 1.5
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/quantity.h"

namespace ombrel {

enum class ESeries { E6, E12, E24, E96 };

// A series' name ("E24") and its values in one decade as the standard
// prints them: "1.0", "1.1", ... for E24, "1.00", "1.02", ... for E96.
std::string seriesName(ESeries series);
const std::vector<std::string>& seriesValues(ESeries series);

// The nearest value, none for a number that is not positive and finite.
std::optional<double> nearestStandard(ESeries series, double value);
// The smallest value at or above it, for a result the design needs at least:
//   E24, 82.65 -> 91    E12, 82.65 -> 100    E24, 82 -> 82    E24, 9.2 -> 10
std::optional<double> standardAtLeast(ESeries series, double value);

// The tooltip line of a resistance, capacitance or inductance result: its
// nearest E24 and E12 values in its unit and their deviation to a tenth of a
// percent; none for another quantity or a text that is not a positive
// finite number:
//   "59.7781671933354", kΩ -> "标准值：E24 62 kΩ（+3.7 %），E12 56 kΩ（−6.3 %）"
// For a minimum the design needs (`atLeast`), the values at or above it:
//   "82.65", uF -> "标准值（不小于计算值）：E24 91 uF（+10.1 %），E12 100 uF（+21.0 %）"
std::optional<std::string> standardValuesLine(const std::string& text, const Quantity& quantity,
                                              bool atLeast = false);

}  // namespace ombrel

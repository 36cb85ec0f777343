// SPDX-License-Identifier: GPL-3.0-or-later
// A parameter sweep: one input of a window stepped over a range, every
// calculate button pressed at each point, the results collected as texts.
// Qt-free; the sweep window (app/sweep_window.h) shows and copies it.
//
//   x_i = from + i × (to − from) ÷ (points − 1)        linear
//   x_i = from × (to ÷ from)^(i ÷ (points − 1))        logarithmic
//
// Each point starts from the window's field texts as given, puts
// TextFromNumber(x_i) into the swept input, and presses every calculate
// button in table order, as a user would (FlybackForm: design, then filter).
// A result is the output's text after that, or nothing where no press wrote
// it at this point (a fault stopped its button before it).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "common/window_spec.h"

namespace ombrel {

struct SweepRange {
  double from = 0, to = 0;
  int points = 0;
  bool log = false;
};

// The range from the sweep window's three texts, or what is wrong with them:
//   "1", "10", "31", linear -> {1, 10, 31}
//   "1", "1", "31"          -> "「从」与「到」相同，无从扫描"
//   "abc", "10", "31"       -> "「从」不是数字"
//   "0", "10", "31", log    -> "对数刻度要求「从」和「到」都大于零"
//   "1", "10", "2.5"        -> "「点数」须为 2 到 2000 之间的整数"
// A number is a whole text that reads as one (blanks aside), within the double range.
std::variant<SweepRange, std::string> sweepRange(const std::string& from, const std::string& to,
                                                 const std::string& points, bool log);

// x_0 ... x_{points-1} as above, in double precision in that order.
std::vector<double> sweepPoints(const SweepRange& range);

struct Sweep {
  std::vector<std::string> results;  // output fields, group by group in reading order
  std::vector<std::string> xTexts;   // TextFromNumber(x_i): what the input held
  std::vector<double> x;
  // texts[i][k]: results[k] at point i; empty where not computed there.
  std::vector<std::vector<std::string>> texts;
  int faulted = 0;                  // points where some press faulted
  std::optional<std::size_t> firstFault;  // the first of them
};

// `texts` holds the window's field texts (missing fields: their design texts).
Sweep sweep(const WindowSpec& spec, const std::map<std::string, std::string>& texts, const std::string& input,
            const SweepRange& range);

// The sweep as a table for a spreadsheet: the input's name, then each
// result's (WindowSpec::placedCaption), tab-separated; then a line a point: the x text, then each
// result's text (empty where not computed). Every line ends with a line feed.
std::string sweepTable(const WindowSpec& spec, const std::string& input, const Sweep& sweep);

}  // namespace ombrel

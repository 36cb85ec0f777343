// SPDX-License-Identifier: GPL-3.0-or-later
// A parameter sweep: one input of a window stepped over a range, every
// calculate button pressed at each point, the results collected as texts.
// Qt-free; the sweep window (app/sweep_window.h) shows and copies it.
//
// The points are evenly spaced from the range's start to its end, linear or
// logarithmic (common/spacing.h).
//
// Each point starts from the window's field texts as given, puts
// TextFromNumber(x_i) into the swept input, and presses every calculate
// button in table order, as a user would (FlybackForm: design, then filter).
// A result counts at a point when its step wrote it there from fields that
// were inputs or results counting at that point (Calc records what each step
// read); otherwise it is empty there: a fault stopped its button before it,
// or it was computed from a result that an earlier run left in the window
// (FlybackForm with 效率 0: the design faults, so 衰减后纹波, which reads the
// ripple, is empty; 衰减倍数, from inputs only, stands).
#pragma once

#include <map>
#include <optional>
#include <set>
#include <utility>
#include <string>
#include <variant>
#include <vector>

#include "common/calc.h"
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
//   "1e400", "10", "31"     -> "「从」的数值超出范围"
//   "0", "10", "31", log    -> "对数刻度要求「从」和「到」都大于零"
//   "1", "10", "2.5"        -> "「点数」须为 2 到 2000 之间的整数"
// A number is a text that, its blanks removed wherever they stand, is plainly
// one (IsPlainNumber), read by NumberFromText. One pass over each text, no
// recursion: any length is safe.
std::variant<SweepRange, std::string> sweepRange(const std::string& from, const std::string& to,
                                                 const std::string& points, bool log);

// x_0 ... x_{points-1} (common/spacing.h), in double precision in that order: finite,
// within the ends, and in order from `from` to `to`:
//   1, 1e-17, 2 points -> 1 1e-17 (the formula alone would end at 0)
std::vector<double> sweepPoints(const SweepRange& range);

// The texts 从 and 到 that a new sweep of `input` starts with: half and
// twice the value its text reads as, or, where that is no finite number,
// why no range is offered:
//   lg Text3 "560"   -> {"280", "1120"}
//   FlybackForm Text1 "1e308" -> "「输出功率（W）」的两倍超出双精度范围，没有默认范围：请填写「从」和「到」"
std::variant<std::pair<std::string, std::string>, std::string> defaultRange(const WindowSpec& spec,
                                                                           const std::string& input,
                                                                           const std::string& text);

// A field's name in the sweep, its placed caption; where that is the text of
// one of the sweep window's own labels (从, 到, 点数), the label it stands
// under follows as its place:  TL431 Text8 -> "从（输出电压范围(V)）".
std::string sweepName(const WindowSpec& spec, const std::string& field);

// The texts a pressed copy of the window starts from: the design texts, then
// each field's text in `texts` where it has one; a name that is no field's
// is passed over:
//   lg, {{"Text1", "25"}, {"Command1", "x"}} -> Text1 "25", Text2 "144", Text3 "560", Text4 ""
FieldStore startingTexts(const WindowSpec& spec, const std::map<std::string, std::string>& texts);

// The window pressed as a user would at one point: from `start`, the inputs
// `set` given their texts, then every calculate button in table order. What
// counts there: the inputs, and each result its step wrote there from fields
// that count (see above).
struct Pressed {
  FieldStore fields;
  std::set<std::string> counting;
  bool faulted = false;
};
Pressed pressAt(const WindowSpec& spec, const FieldStore& start,
                const std::vector<std::pair<std::string, std::string>>& set);

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
// result's (sweepName), tab-separated; then a line a point: the x text, then each
// result's text (empty where not computed). Every line ends with a line feed.
std::string sweepTable(const WindowSpec& spec, const std::string& input, const Sweep& sweep);

}  // namespace ombrel

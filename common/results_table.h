// SPDX-License-Identifier: GPL-3.0-or-later
// A window's data as a table that pastes into a spreadsheet.
//
// The table: the window caption on the first line; then, group by group
// (WindowSpec::fieldGroups), the group's heading on a line of its own where
// it has one, and one line per field: its caption, a tab, its text exactly as
// the field holds it, a tab, and its role: "输入", "结果", or for a result
// left over from an earlier run "结果（上次计算）". Every line ends with a line
// feed. Nothing is read as a number.
//   lg after 计算:  "电感气隙计算\n圈数\t20\t输入\n...\n气隙(mm)\t0.25...\t结果\n"
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/calc.h"
#include "common/marks.h"
#include "common/window_spec.h"

namespace ombrel {

std::string resultsTable(const WindowSpec& spec, const Fields& fields, const ResultMarks& marks = ResultMarks());

// The windows' tables in the order given, each under "【caption】".
std::string allTables(const std::vector<WindowTexts>& windows);

struct PastedTable {
  std::vector<std::pair<std::string, std::string>> inputs;  // field, text; each input once, in the text's order
  int skipped = 0;                                          // lines not empty that filled no input
};
PastedTable readTable(const WindowSpec& spec, std::string_view text);

}  // namespace ombrel

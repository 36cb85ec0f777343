// SPDX-License-Identifier: GPL-3.0-or-later
// A window's data as a table that pastes into a spreadsheet, and which of its
// results are left over from an earlier run.
//
// The table: the window caption on the first line; then, group by group
// (WindowSpec::fieldGroups), the group's heading on a line of its own where
// it has one, and one line per field: its caption, a tab, its text exactly as
// the field holds it, a tab, and its role: "输入", "结果", or for a result
// left over from an earlier run "结果（上次计算）". Every line ends with a line
// feed. Nothing is read as a number.
//   lg after 计算:  "电感气隙计算\n圈数\t20\t输入\n...\n气隙(mm)\t0.25...\t结果\n"
#pragma once

#include <optional>
#include <set>
#include <string>

#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel {

// The results whose text an earlier run wrote and the last run of their
// button did not write again, because it faulted at or before them. A run
// that writes a result clears its mark; so does the user editing it, and
// what the user typed is no run's result: a later fault does not mark it.
// Results no run has written yet are never marked.
//   Command1 writes A B C; it runs cleanly, then faults at B: B and C marked.
//   The user edits C: C no longer marked. It faults at B again: B marked, C not.
class ResultMarks {
 public:
  void pressed(const Control& button, const std::optional<Fault>& fault);
  void edited(const std::string& field);
  bool stale(const std::string& field) const { return stale_.count(field) > 0; }
  const std::set<std::string>& stale() const { return stale_; }

 private:
  std::set<std::string> written_;  // holding the text a run wrote
  std::set<std::string> stale_;
};

std::string resultsTable(const WindowSpec& spec, const Fields& fields, const std::set<std::string>& stale = {});

}  // namespace ombrel

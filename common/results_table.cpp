// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/results_table.h"

#include <algorithm>

namespace ombrel {

void ResultMarks::pressed(const Control& button, const std::optional<Fault>& fault) {
  const auto end = fault ? std::find(button.writes.begin(), button.writes.end(), fault->output) : button.writes.end();
  for (auto it = button.writes.begin(); it != end; ++it) {
    written_.insert(*it);
    stale_.erase(*it);
  }
  for (auto it = end; it != button.writes.end(); ++it)
    if (written_.count(*it)) stale_.insert(*it);
}

void ResultMarks::edited(const std::string& field) {
  written_.erase(field);
  stale_.erase(field);
}

std::string resultsTable(const WindowSpec& spec, const Fields& fields, const std::set<std::string>& stale) {
  std::string table = spec.caption + "\n";
  for (const FieldGroup& group : spec.fieldGroups()) {
    if (!group.heading.empty()) table += group.heading + "\n";
    for (const Control* field : group.fields) {
      const std::string role = field->fieldRole == FieldRole::Input ? "输入"
                               : stale.count(field->name)         ? "结果（上次计算）"
                                                                  : "结果";
      table += spec.captionOf(field->name) + "\t" + fields.text(field->name) + "\t" + role + "\n";
    }
  }
  return table;
}

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/results_table.h"


namespace ombrel {

std::string resultsTable(const WindowSpec& spec, const Fields& fields, const ResultMarks& marks) {
  std::string table = spec.caption + "\n";
  for (const FieldGroup& group : spec.fieldGroups()) {
    if (!group.heading.empty()) table += group.heading + "\n";
    for (const Control* field : group.fields) {
      const std::string role = marks.mark(spec, fields, field->name).role;
      table += spec.captionOf(field->name) + "\t" + fields.text(field->name) + "\t" + role + "\n";
    }
  }
  return table;
}

}  // namespace ombrel

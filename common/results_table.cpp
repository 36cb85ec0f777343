#include "common/results_table.h"

namespace ombrel {

std::string resultsTable(const WindowSpec& spec, const Fields& fields) {
  std::string table = spec.caption + "\n";
  for (const Control* field : spec.fieldsInScreenOrder())
    table += spec.captionOf(field->name) + "\t" + fields.text(field->name) + "\n";
  return table;
}

}  // namespace ombrel

// A window's data as a table that pastes into a spreadsheet: the window
// caption on the first line, then one line per field in screen order (see
// WindowSpec::fieldsInScreenOrder): its caption, a tab, and its text exactly
// as the field holds it. Every line ends with a line feed. Nothing is read as
// a number.
#pragma once

#include <string>

#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel {

std::string resultsTable(const WindowSpec& spec, const Fields& fields);

}  // namespace ombrel

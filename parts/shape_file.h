// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of the standard core shapes' data file, compiled into the
// program as :/data/core-shapes.ndjson (data/README.md tells where it comes
// from). It is written by hand rather than taken from a JSON library: the
// engine's rooms are Qt-free, so Qt's JSON classes are out; it reads any
// bytes in one bounded pass, skipping members nested up to 32 deep without
// recursion, so no line however long or deep can overflow the stack; and
// its figures go through the number rules (NumberFromText), as every number
// of the program does, never through the C library's locale.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "parts/core_shapes.h"

namespace ombrel {

// The data file: one JSON object a line,
//   {"family": "pq", "name": "PQ 20/16", "familySubtype": "1",
//    "dimensions": {"A": {"minimum": 0.0201, "maximum": 0.0209}, "J": {"nominal": 0.0048}}, ...}
// Other members are skipped whatever they hold, up to 32 levels deep. Any
// bytes are read: a line that is no such object (no family, name or
// dimensions, a dimension without a figure, bad JSON) is left out and named
// in `errors`; blank lines are skipped:
//   {"family":"e","name":"E 5","dimensions":{"A":{"nominal":0.005}}} -> E 5, A 0.005
//   {"family":"e","name":"E 5","dimensions":{"A":{}}}  -> "line 1: E 5: A has no figure"
//   {"family":"e","name":"E 5"                         -> "line 1: E 5: bad JSON at byte 27"
struct CoreShapeTable {
  std::vector<CoreShape> shapes;
  std::vector<std::string> errors;
};
CoreShapeTable parseCoreShapes(std::string_view ndjson);

}  // namespace ombrel

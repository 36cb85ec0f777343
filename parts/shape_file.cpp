// SPDX-License-Identifier: GPL-3.0-or-later
#include "parts/shape_file.h"

#include <algorithm>
#include <cmath>

#include "common/number.h"
#include "parts/json_reader.h"

namespace ombrel {

namespace {

// {"minimum": .., "maximum": .., "nominal": ..}: the mean of the limits, the
// nominal, or the one limit there is. False (and no error) when it holds no
// figure; the reader is marked bad on broken JSON.
bool dimension(JsonReader& in, double& value) {
  double limit[3];
  bool given[3] = {false, false, false};
  const std::string_view keys[3] = {"minimum", "maximum", "nominal"};
  if (!in.expect('{')) return false;
  if (!in.take('}')) {
    do {
      std::string key;
      if (!in.string(&key) || !in.expect(':')) return false;
      const auto k = std::find(keys, keys + 3, key) - keys;
      if (k < 3 ? !in.number(&limit[k]) : !in.skipValue()) return false;
      if (k < 3) given[k] = true;
    } while (in.take(','));
    if (!in.expect('}')) return false;
  }
  if (given[0] && given[1]) {
    value = (limit[0] + limit[1]) / 2;
  } else if (given[2] || given[0] || given[1]) {
    value = limit[given[2] ? 2 : given[0] ? 0 : 1];
  } else {
    return false;
  }
  return true;
}

// One line: the shape, or the reason it is none.
std::string readShape(std::string_view line, CoreShape& shape) {
  JsonReader in(line);
  std::string noFigure;
  bool hasDimensions = false;
  if (in.expect('{') && !in.take('}')) {
    do {
      std::string key;
      if (!in.string(&key) || !in.expect(':')) break;
      if (key == "family" || key == "name" || key == "familySubtype") {
        in.string(key == "family" ? &shape.family : key == "name" ? &shape.name : &shape.subtype);
      } else if (key != "dimensions") {
        in.skipValue();
      } else if (in.expect('{') && !in.take('}')) {
        hasDimensions = true;
        do {
          std::string letter;
          double value = 0;
          if (!in.string(&letter) || !in.expect(':')) break;
          if (dimension(in, value)) {
            shape.dimensions[letter] = value;
          } else if (noFigure.empty()) {
            noFigure = letter;
          }
        } while (!in.bad() && in.take(','));
        in.expect('}');
      }
    } while (!in.bad() && in.take(','));
    in.expect('}');
  }
  const std::string who = shape.name.empty() ? "" : shape.name + ": ";
  if (in.bad() || !in.atEnd()) return who + "bad JSON at byte " + std::to_string(in.where());
  if (shape.family.empty()) return who + "no family";
  if (shape.name.empty()) return "no name";
  if (!noFigure.empty()) return who + noFigure + " has no figure";
  if (!hasDimensions) return who + "no dimensions";
  return {};
}

}  // namespace

CoreShapeTable parseCoreShapes(std::string_view ndjson) {
  CoreShapeTable table;
  readLines(ndjson, table.shapes, table.errors, readShape);
  return table;
}

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "parts/shipped.h"

#include "parts/parts.h"
#include "parts/shape_file.h"

namespace ombrel {

// Written by the build from the data files (parts/embed.cmake).
namespace shipped {
extern const unsigned char kCoreShapes[];
extern const std::size_t kCoreShapesSize;
extern const unsigned char kCores[];
extern const std::size_t kCoresSize;
extern const unsigned char kCoreMaterials[];
extern const std::size_t kCoreMaterialsSize;
extern const unsigned char kWireDiameters[];
extern const std::size_t kWireDiametersSize;
}  // namespace shipped

std::string_view shippedCoreShapes() {
  return {reinterpret_cast<const char*>(shipped::kCoreShapes), shipped::kCoreShapesSize};
}

std::string_view shippedCoreMaterials() {
  return {reinterpret_cast<const char*>(shipped::kCoreMaterials), shipped::kCoreMaterialsSize};
}

std::string_view shippedWireDiameters() {
  return {reinterpret_cast<const char*>(shipped::kWireDiameters), shipped::kWireDiametersSize};
}

std::string_view shippedCores() { return {reinterpret_cast<const char*>(shipped::kCores), shipped::kCoresSize}; }

const std::vector<CoreShape>& standardShapes() {
  static const CoreShapeTable table = parseCoreShapes(shippedCoreShapes());
  return table.shapes;
}

const std::vector<CoreChoice>& coreChoiceList() {
  static const CoreTable makers = parseCores(shippedCores());
  static const std::vector<CoreChoice> list = coreChoices(makers.cores, standardShapes());
  return list;
}

const CoreShape* standardShape(const std::string& family, const std::string& name) {
  for (const CoreChoice& c : coreChoiceList())
    if (c.shape && c.shape->family == family && c.name == name) return c.shape;
  return nullptr;
}

const std::vector<CoreMaterial>& standardMaterials() {
  static const CoreMaterialTable table = parseCoreMaterials(shippedCoreMaterials());
  return table.materials;
}

const WireTable& wireDiameters() {
  static const WireTable table = parseWireDiameters(shippedWireDiameters());
  return table;
}

const CoreMaterial* standardMaterial(const std::string& label) {
  for (const CoreMaterial& m : standardMaterials())
    if (m.label() == label) return &m;
  return nullptr;
}

}  // namespace ombrel

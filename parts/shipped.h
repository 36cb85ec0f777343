// SPDX-License-Identifier: GPL-3.0-or-later
// The standard parts' data files as shipped, compiled into the program
// (data/core-shapes.ndjson, data/cores.csv, data/core-materials.ndjson and
// data/wire-overall-diameters.csv, copied unchanged) and each read once, at its first use, by the bounded
// readers of parts/shape_file.h, parts/parts.h and parts/materials.h.
// Qt-free: the magnetics check's lists, "选择磁芯" and the core shape window
// all take them from here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "parts/core_list.h"
#include "parts/materials.h"
#include "parts/parts.h"

namespace ombrel {

// The data files' bytes as shipped.
std::string_view shippedCoreShapes();
std::string_view shippedCores();
std::string_view shippedCoreMaterials();
std::string_view shippedWireDiameters();

// The standard core shapes, and the cores "选择磁芯" offers from both files.
const std::vector<CoreShape>& standardShapes();
const std::vector<CoreChoice>& coreChoiceList();
// The standard shape of a family by its list name, or null:
// ("pq", "PQ20/16") -> PQ 20/16; ("pq", "ETD34") -> null.
const CoreShape* standardShape(const std::string& family, const std::string& name);

// The power ferrites, in the file's order, and one by its label, or null:
// "TDK N87" -> N87; "N87" -> null.
const std::vector<CoreMaterial>& standardMaterials();
const CoreMaterial* standardMaterial(const std::string& label);

// The enamelled wires' overall diameters by grade (parts/parts.h).
const WireTable& wireDiameters();

}  // namespace ombrel

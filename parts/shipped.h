// SPDX-License-Identifier: GPL-3.0-or-later
// The standard parts' data files as shipped, compiled into the program
// (data/core-shapes.ndjson and data/cores.csv, copied unchanged) and each
// read once, at its first use, by the bounded readers of parts/shape_file.h
// and parts/parts.h. Qt-free: the winding check's lists, "选择磁芯" and the
// core shape window all take them from here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "parts/core_list.h"

namespace ombrel {

// The data files' bytes as shipped.
std::string_view shippedCoreShapes();
std::string_view shippedCores();

// The standard core shapes, and the cores "选择磁芯" offers from both files.
const std::vector<CoreShape>& standardShapes();
const std::vector<CoreChoice>& coreChoiceList();
// The standard shape of a family by its list name, or null:
// ("pq", "PQ20/16") -> PQ 20/16; ("pq", "ETD34") -> null.
const CoreShape* standardShape(const std::string& family, const std::string& name);

}  // namespace ombrel

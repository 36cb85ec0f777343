// SPDX-License-Identifier: GPL-3.0-or-later
// The standard parts' data files compiled into the program, each read once
// at its first use: the standard core shapes (:/data/core-shapes.ndjson,
// parts/shape_file.h) and the makers' cores (:/data/cores.csv,
// parts/parts.h), and the cores "选择磁芯" offers from both
// (parts/core_list.h). The field menu and the core shape window take them
// from here.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "parts/core_list.h"

namespace ombrel {

const std::vector<CoreShape>& standardShapes();
const std::vector<CoreChoice>& coreChoiceList();
// The standard shape of a family by its list name, or null:
// ("pq", "PQ20/16") -> PQ 20/16; ("pq", "ETD34") -> null.
const CoreShape* standardShape(const std::string& family, const QString& name);

}  // namespace ombrel

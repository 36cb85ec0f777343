// SPDX-License-Identifier: GPL-3.0-or-later
// The standard parts' data files compiled into the program, each read once
// at its first use: the standard core shapes (:/data/core-shapes.ndjson,
// parts/shape_file.h) and the makers' cores (:/data/cores.csv,
// parts/parts.h), the cores "选择磁芯" offers from both
// (parts/core_list.h), and the winding check's table made from the shapes
// (parts/winding.h). The field menu and the core shape window take them
// from here.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "common/window_spec.h"
#include "parts/core_list.h"

namespace ombrel {

const std::vector<CoreShape>& standardShapes();
const std::vector<CoreChoice>& coreChoiceList();
// The standard shape of a family by its list name, or null:
// ("pq", "PQ20/16") -> PQ 20/16; ("pq", "ETD34") -> null.
const CoreShape* standardShape(const std::string& family, const QString& name);

// The winding check's table (绕组复核), its lists the standard shapes'.
const WindowSpec& windingSpec();

}  // namespace ombrel

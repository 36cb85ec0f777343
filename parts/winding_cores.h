// SPDX-License-Identifier: GPL-3.0-or-later
// What the winding check (magnetics/winding.cpp) needs of the standard
// parts: its two lists, family then shape, named as "选择磁芯" names them,
// and each shape's figures. Qt-free.
//
// The core's figures are its shape's mean dimensions in mm, one half-core,
// through the number rules (parts/core_form.h dimensionTexts: 0.0263 m -> 26.3):
//   ETD34 -> D 12.1, E 26.3, F 10.8, round centre leg
//   E25/13/7 -> D 8.95, E 17.9, F 7.25, rectangular centre leg of depth C 7.2
//   EFD25 -> rectangular, its depth F2
// Each family's list starts at its usual shape (parts/core_families.h), or
// its first where that is missing; each shape's tooltip gives its figures:
//   "E 25/13/7，一个半磁芯的平均尺寸：D 8.95 mm，E 17.9 mm，F 7.25 mm，C 7.2 mm"
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/window_spec.h"
#include "parts/core_shapes.h"

namespace ombrel {

// What the window needs of a core, in mm: D, E, F and the depth of a
// rectangular centre leg (0 for a round one); the set's effective
// parameters as the core shape window gives them (parts/core_form.h), in
// mm², mm and mm³; and the box that encloses the set (parts/core_families.h
// boxWidth, boxDepth: width, 2 × B high, depth):
//   ETD34 -> Ae "97.0961610839914" ... box 34.2 × 34.6 × 10.8
// No core: every figure 0.
struct WindowCore {
  double d = 0, e = 0, f = 0, depth = 0;
  bool round = true;
  double ae = 0, le = 0, ve = 0;
  double width = 0, height = 0, boxDepth = 0;
};

struct WindingCores {
  ChoiceList families, shapes;  // shapes follows "family"
  // By family caption ("EE") and shape name ("E25/13/7").
  std::map<std::pair<std::string, std::string>, WindowCore> cores;
  // The figures of a shape, or no core for a name not in the lists.
  WindowCore find(const std::string& family, const std::string& shape) const;
};

// Every shape of `shapes` that "选择磁芯" offers computed, by family,
// smallest first.
WindingCores windingCores(const std::vector<CoreShape>& shapes);

}  // namespace ombrel

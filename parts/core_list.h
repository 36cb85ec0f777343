// SPDX-License-Identifier: GPL-3.0-or-later
// The cores "选择磁芯" offers: every standard shape of the data set
// (parts/core_shapes.h) and every maker's row of data/cores.csv
// (parts/parts.h), a submenu a family, smallest first. Qt-free.
//
// An entry is named by the shape's IEC designation without blanks; ETD, EFD
// and EP by their size alone, as designers say them:
//   "E 25/13/7" -> "E25/13/7"   "PQ 20/16" -> "PQ20/16"   "RM 14/I" -> "RM14/I"
//   "ETD 34/17/11" -> "ETD34"   "EFD 25/13/9" -> "EFD25"  "EP 20" -> "EP20"
// A maker's row of the same name gives the entry its figures, the data
// sheet's Ae typed as printed ("ETD34\tAe 97.1 mm²" types "97.1"); every
// other shape offers the Ae computed by IEC 60205, rounded to three
// significant figures ("PQ20/16\tAe 64.3 mm²" types "64.3"). A maker's row
// with no shape (EI12.5: E and I halves are no pair of shapes) is an entry of
// its own. Where the data set names a shape twice, the first one stands; a
// shape whose name is blanks, or holds a control character, is left out.
#pragma once

#include <string>
#include <vector>

#include "parts/core_families.h"
#include "parts/core_shapes.h"
#include "parts/parts.h"

namespace ombrel {

struct CoreChoice {
  std::string family;     // the submenu: one of coreFamilies()
  std::string name;       // "PQ20/16"
  PartEntry entry;        // "PQ20/16\tAe 64.3 mm²" and "64.3"
  std::string tooltip;    // the shape, Ae, le, Ve and Amin, and where they come from
  const CoreShape* shape = nullptr;  // the standard shape, null for a maker's row alone
};

// The submenu of a shape's family (parts/core_families.h): "e" -> "EE", "efd" -> "EFD"; "" for none.
std::string menuFamily(const std::string& shapeFamily);
// "EFD 25/13/9" -> "EFD25", "E 25/13/7" -> "E25/13/7" (see above).
std::string choiceName(const CoreShape& shape);
// Every entry, families in menu order, sizes ascending within each (by the
// designation's numbers, then by name: RM4, RM4/I, RM4/ILP, RM4/8, RM5, ...).
// A shape whose parameters cannot be computed is left out. `shapes` must
// outlive the list.
std::vector<CoreChoice> coreChoices(const std::vector<Core>& makers, const std::vector<CoreShape>& shapes);

}  // namespace ombrel

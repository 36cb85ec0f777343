// SPDX-License-Identifier: GPL-3.0-or-later
// The core shape window ("磁芯有效参数"), Qt-free: a family's letters
// (parts/core_families.h) as fields, a standard shape's dimensions as texts
// in mm, and the set's effective parameters worked out from texts typed in mm
// (parts/core_shapes.h).
//
// Texts are read by the number rules, as every field is: "20abc" is 20, an
// empty text 0. A letter the family can do without (PQ's G, J and L, EFD's K
// and q, RM's H, EP's K) is left out while its text is empty. The results,
// each through TextFromNumber, or the words of the fault and no results:
//   E, A 25.05 B 12.55 C 7.2 D 8.95 E 17.9 F 7.25 (E 25/13/7 as shown)
//     -> C1 "1.11422569641659", C2 "0.0214948869722633", le "57.7578707046492",
//        Ae "51.8367785722423", Ve "2993.9819545211", Amin "51.48"
//   "7.2mm" for C     -> read as 7.2, the same results
//   "1e999" in D      -> "运算出错：溢出（“D(mm)”的数值超出范围）。\n结果各项保持原来的内容。"
//   D 13, above B     -> "这些尺寸算不出有效参数：…" (a yoke of no height)
//   PQ with G, J, L empty -> the legs run the full depth, the plate ends at them
#pragma once

#include <map>
#include <string>
#include <vector>

#include "parts/core_families.h"
#include "parts/core_shapes.h"

namespace ombrel {

// The RM drawings, by the way the base plate is cut at the slots:
// "1" (also for "2", the same cut), "3", "4", each with its caption.
struct RmDrawing {
  std::string subtype;
  std::string caption;
};
const std::vector<RmDrawing>& rmDrawings();
// The drawing a shape is computed with: RM's familySubtype, "2" as "1".
std::string rmDrawingOf(const CoreShape& shape);

// Whether a letter goes without a figure: one the family can do without,
// its text empty or blanks ("G", " " -> true; "G", "0" -> false; "A", "" -> false).
bool leftOut(const ShapeLetter& letter, const std::string& text);
// A dimension's caption: "A(mm)", "G(mm)（可不填）".
std::string letterCaption(const ShapeLetter& letter);
// A standard shape's letters of its family as texts in mm: 0.0201 m -> "20.1".
std::map<std::string, std::string> dimensionTexts(const CoreShape& shape);

// The results in the window's order, and their captions.
const std::vector<std::string>& shapeResultNames();     // "C1", "C2", "le", "Ae", "Ve", "Amin"
const std::vector<std::string>& shapeResultCaptions();  // "C1(mm⁻¹)", ..., "Amin(mm²)"

struct ShapeOutcome {
  std::vector<std::string> results;  // one text for each of shapeResultNames(), or none on a fault
  std::string fault;                 // what the fault box says, "" when computed
};
// `texts` by letter; a letter missing from it is an empty text.
ShapeOutcome computeShape(const std::string& family, const std::string& rmDrawing,
                          const std::map<std::string, std::string>& texts);

}  // namespace ombrel

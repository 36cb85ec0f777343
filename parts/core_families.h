// SPDX-License-Identifier: GPL-3.0-or-later
// The families of standard core shapes Ombrel computes, described once: the
// name the shape data gives each, its captions, how its entries are named,
// the shape the core shape window starts from, the letters of its drawing
// with what each means and whether it may stay empty, and the sketch the
// core shape window draws of it. The geometry
// (parts/core_shapes.h), the core list, the core shape window and its
// drawing all go by this table. Qt-free.
//   "e"   -> caption "E",   submenu "EE",  "E 25/13/7" named "E25/13/7",   starts at E25/13/7
//   "efd" -> caption "EFD", submenu "EFD", "EFD 25/13/9" named "EFD25",    starts at EFD20
//   "pq"  -> letters A B C D E F, then G J L (may stay empty)
#pragma once

#include <string>
#include <vector>

namespace ombrel {

struct ShapeLetter {
  std::string letter;   // "F2"; the field's object name
  bool optional = false;  // the family can do without it
  std::string meaning;  // the field's tooltip
};

// The sketch of a family in the core shape window (app/core_drawing.h): one
// representative core's dimensions in mm (the drawing says what a letter
// means, not how big it is), whether its profile is a cut through the
// centre leg's axis or seen from the front, and its open face.
enum class SketchFace { E, Etd, Pq, Rm, Ep };
struct FamilySketch {
  double A, B, C, D, E, F;
  double F2 = 0, G = 0, H = 0, J = 0, K = 0, L = 0, q = 0;
  bool cut = false;
  SketchFace face = SketchFace::E;
};

struct ShapeFamily {
  std::string family;      // "pq", as the data file names it
  std::string caption;     // "PQ": the core shape window's list
  std::string menu;        // "PQ": the submenu of "选择磁芯" ("EE" for E)
  bool namedBySize = false;  // ETD, EFD and EP go by their size alone: "ETD34"
  std::string usualShape;  // the entry the core shape window starts from: a size designers often use
  std::vector<ShapeLetter> letters;
  FamilySketch sketch;
  // The box that encloses the assembled set, for its cooling surface: its
  // width and depth by these letters, its height 2 × B. E, EFD, ETD, PQ and
  // EP: A, 2 × B, C; RM: the outline square J by J, 2 × B high.
  std::string boxWidth = "A", boxDepth = "C";
};

// E, EFD, ETD, PQ, RM, EP, in the core list's order.
const std::vector<ShapeFamily>& shapeFamilies();
// The family the data file names so, or null: "pq" -> PQ, "t" -> null.
const ShapeFamily* shapeFamily(const std::string& family);

}  // namespace ombrel

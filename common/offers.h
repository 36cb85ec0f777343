// SPDX-License-Identifier: GPL-3.0-or-later
// "取自": the values other windows hold that an input can take, chosen by
// quantity. Qt-free; app/field_menu.h puts them in the input's context menu.
//
// For an input, each other window (in the order given: the main menu's)
// offers its fields, inputs and results alike, whose quantity is the
// input's, kind and unit both, and whose text is plainly a finite number, in
// reading order (WindowSpec::fieldGroups). An entry is the field's caption
// (with its place where two fields share a caption), a tab, its text as
// shown, and a marked result's words after it, so that the user sees what is
// taken; choosing it types the text alone.
//   lg Text3 (电感量, uH), FlybackForm calculated ->
//     {"反激变压器", {"初级电感量(uH)\t5486.34262399999", ...}}
//   a turns field is offered turns, never a flux density in T;
//   an empty field, " " or "20abc" is offered nowhere.
#pragma once

#include <string>
#include <vector>

#include "common/calc.h"
#include "common/marks.h"
#include "common/quantity.h"
#include "common/window_spec.h"

namespace ombrel {

struct Offer {
  std::string label;  // "初级电感量(uH)\t5486.34262399999"
  std::string text;   // "5486.34262399999"
};

struct OfferGroup {
  std::string caption;  // the window's
  std::vector<Offer> offers;
};

// The windows that offer anything, each with its offers; none: the input
// has nothing to take.
std::vector<OfferGroup> offersFor(const Quantity& quantity, const std::vector<WindowTexts>& others);

}  // namespace ombrel

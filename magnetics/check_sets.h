// SPDX-License-Identifier: GPL-3.0-or-later
// The magnetics check keeps one set of its texts for each calculator it is
// opened from: a forward converter's check runs at the forward's 20 kHz
// with its own wires, the flyback's at the flyback's 50 kHz. Qt-free; the
// navigator shows the set (app/navigator.h).
//
//   opened from ForwardForm the first time -> the design texts, 开关频率 "20"
//     (the calculator's first input in kHz), title "磁件复核 — 正激变压器"
//   then from FlybackForm  -> the forward's set kept as it stands; the design
//     texts, 开关频率 "50"
//   then from ForwardForm again -> the forward's set as it was left
//   from the calculator it shows already -> nothing changes
// The turns are typed in from the field at every opening, by the navigator.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "common/calc.h"
#include "common/marks.h"
#include "common/window_spec.h"

namespace ombrel {

class CheckSets {
 public:
  // The set to show when `check` is opened from `calculator`, whose texts
  // are `texts`; `now` is the set the check shows, kept as its owner's.
  // Nothing where the calculator owns it already.
  std::optional<WindowSet> open(const WindowSpec& check, const WindowSpec& calculator, const Fields& texts,
                                WindowSet now);
  // "磁件复核 — 正激变压器"; the caption alone before any opening.
  std::string title(const WindowSpec& check) const;
  // The check closed: every set goes with it.
  void forget();

 private:
  std::string owner_, ownerCaption_;
  std::map<std::string, WindowSet> sets_;
};

}  // namespace ombrel

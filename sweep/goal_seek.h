// SPDX-License-Identifier: GPL-3.0-or-later
// 反算 (goal seek): the value of an input that gives a result the value a
// designer wants, found by pressing the window's own buttons on a copy of its
// texts, as the sweep does (pressAt): every value shown is one the window
// itself computes, and a value counts only where the result counts there.
// Qt-free; the goal seek window (app/goal_seek_window.h) shows it.
//
// One condition: result R = target T by input X.
// - From X's current value x0 the search steps outward on both sides, first
//   by |x0| ÷ 1024 (1 ÷ 1024 where x0 is 0), the distance doubling each step,
//   across zero to the other sign and on to the largest finite double, until
//   two counting points on one side lie on either side of T.
// - Then it bisects (at the geometric mean while both ends have one sign and
//   differ more than twofold, else at the middle) until the two ends are
//   neighbours as the input's text can hold them (TextFromNumber's 15
//   digits), and gives the end whose result lies nearer T. On a monotonic
//   result that is the closest value the input's text can give. Where the
//   result jumps across T (a pole) the bracket is dropped and the search
//   goes on outward.
//   FlybackForm defaults, 初级圈数(T) = 80 by 磁材饱和强度(T): 0.298132530120482
// - Where the points seen rise and fall, others may give T as well; the
//   status says so.
//
// Two conditions, solved together: for each value of the second input the
// outer search tries, the first condition is solved as above (no solution
// there is a point that does not count), and the outer search brackets and
// bisects the second result at those inner solutions.
//
// Bounded: one condition presses the window at most kOnePresses times, two
// at most kTwoPresses in all (FlybackForm: about 7 µs a press); then the
// status says the search gave up.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/window_spec.h"

namespace ombrel {

inline constexpr int kOnePresses = 6000;
inline constexpr int kTwoPresses = 40000;

struct GoalCondition {
  std::string result;  // an output field
  std::string target;  // its wanted value, as typed: read by the number rules
  std::string input;   // the input field varied
};

struct GoalSeek {
  bool found = false;
  std::string solved, solved2;      // the inputs' texts found (TextFromNumber)
  std::string achieved, achieved2;  // the results' texts there
  std::string status;               // in words, found or not
  int presses = 0;                  // how often the window was pressed
};

// `texts` holds the window's field texts (missing ones: their design texts).
// Any texts and targets are taken; nothing throws.
GoalSeek goalSeek(const WindowSpec& spec, const std::map<std::string, std::string>& texts,
                  const GoalCondition& first, const std::optional<GoalCondition>& second = std::nullopt);

// The inputs that reach a result through the formulas (WindowSpec::reach followed
// backwards), in reading order:
//   lg Text4 (气隙) -> Text1 Text2 Text3; an input chosen from a list is never one
std::vector<std::string> goalInputs(const WindowSpec& spec, const std::string& result);

// The target a result starts with: its text as shown; for a count (turns,
// wires, layers) the whole number above it, a whole number staying:
//   turns "79.5020080321285" -> "80"   turns "6" -> "6"   current "2.77" -> "2.77"
std::string defaultTarget(const WindowSpec& spec, const std::string& result, const std::string& text);

}  // namespace ombrel

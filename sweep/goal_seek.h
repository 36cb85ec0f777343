// SPDX-License-Identifier: GPL-3.0-or-later
// 反算 (goal seek): the value of an input that gives a result the value a
// designer wants, found by pressing the window's own buttons on a copy of its
// texts, as the sweep does (pressAt): every value shown is one the window
// itself computes, and a value counts only where the result counts there.
// Qt-free; the goal seek window (app/goal_seek_window.h) shows it.
//
// One condition: result R = target T by input X.
// - X stays where its quantity allows (allowedRange: a turns count, a size,
//   a frequency above 0; a duty cycle from 0 to 1; a voltage anywhere
//   finite). A target R's quantity cannot take is said at once:
//   "「导通时间(us)」不能为 0：时间不能为零".
// - A point counts where R counts (pressAt) and no result counting there is
//   impossible (impossibleText, the rule of the 不合理 mark): no negative
//   secondary turns on the way to a primary.
// - From X's current value x0 (blank or impossible: the smallest allowed
//   value, just inside an open end, stepping on until a point counts) the
//   search steps outward on both sides, first by |x0| ÷ 1024 (1 ÷ 1024
//   where x0 is 0), the distance doubling each step. At an end of X's range
//   it tries a closed end, then halves the way to it (an open end, or one
//   that does not count: D = 1 divides by zero, 0.999999999999999 does not);
//   the largest finite text ends a side. Where a side passes from a point
//   that counts to one that does not, it halves the way to that edge, the
//   target may lie just short of it. Until two counting points on one side
//   lie on either side of T.
// - Then it bisects (at the geometric mean while both ends have one sign and
//   differ more than twofold, else at the middle) until the two ends are
//   neighbours as the input's text can hold them (TextFromNumber's 15
//   digits), and gives the end whose result lies nearer T. On a monotonic
//   result that is the closest value the input's text can give. Where the
//   result jumps across T (a pole) the bracket is dropped and the search
//   goes on outward.
//   FlybackForm defaults, 初级圈数(T) = 80 by 磁材饱和强度(T): 0.298132530120482
// - A count X (turns, wires, layers) takes whole values from 1; it gives the
//   count next to the crossing whose result does not pass T:
//   lg 气隙 = 0.2 by 圈数: 24 (0.188105142857143; 25 gives 0.204…)
// - A count R with a whole T, by an X that is no count: of the value found
//   and its four neighbours each side, the nearest whose R shows T itself
//   ("80", not "79.9999999999999"); the status says where none does.
// - No crossing: the status gives X's range and the result's extreme seen,
//   to five figures: "…：它在 0 到 1 之间时结果最大约为 198.76".
// - Where the points seen rise and fall, others may give T as well; the
//   status says so.
//
// Two conditions, solved together: for each value of the second input the
// outer search tries, the first condition is solved as above (no solution
// there is a point that does not count), and the outer search brackets and
// bisects the second result at those inner solutions. Where the second
// result stays within 10⁻¹² of itself at eight points or more, the steps
// grown to the second input's own size, it does not depend on that input
// once the first condition holds, and the status says so at once:
//   初级圈数 20 by B, 次级圈数 3 by Ae (both scale both turns alike) ->
//   "在满足条件一时，「次级圈数(T)」不随「磁材横截面积(mm2)」变化，两个条件无法同时满足"
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

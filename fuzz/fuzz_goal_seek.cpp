// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for 反算: goalSeek on any window of the registry, any of
// its results and inputs, any targets and any field texts.
//
// The first bytes pick the window, the result, the input and, one input in
// eight, a second result and input; the rest, cut at 0x1f bytes, is the
// target, the second target and the inputs' texts in table order. Checked on
// every input:
// - no crash, no sanitizer report, and no more presses than the bound;
// - a solution is the inputs' texts as TextFromNumber writes them, and the
//   window pressed there (pressAt) shows exactly the results it reports;
// - each input found lies where its quantity allows (allowedRange), a count
//   whole; no result counting there is impossible (impossibleText); a count's
//   whole target by an input that is no count is shown as the whole number,
//   or the status says it cannot be;
// - no solution leaves the inputs and results empty and says why;
// - the inputs offered for a result all reach it; a count's default target
//   is a whole number at or above its text;
// - in the loop window, its frequency response from the texts after 计算:
//   the right-half-plane zero's text (the second target's) is taken exactly
//   when empty or a positive finite number; a crossover lies where |T| is 1
//   (0 dB to 1e-6), and every point drawn is finite.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <map>
#include <optional>
#include <variant>
#include <vector>

#include "app/registry.h"
#include "common/number.h"
#include "fuzz_support.h"
#include "common/calc.h"
#include "common/marks.h"
#include "common/quantity.h"
#include "sweep/goal_seek.h"
#include "loop/loop_response.h"
#include "sweep/sweep.h"

using namespace ombrel;
using ombrel::fuzz::fail;

namespace {

std::vector<std::string> pieces(std::string_view rest) {
  std::vector<std::string> out(1);
  for (char c : rest)
    if (c == '\x1f')
      out.emplace_back();
    else
      out.back() += c;
  return out;
}

void loopResponseHolds(const WindowSpec& spec, const std::map<std::string, std::string>& texts, const std::string& zeroText) {
  const auto zero = rhpZero(zeroText);
  const double z = NumberFromText(zeroText);
  if (std::holds_alternative<std::string>(zero) != !(IsBlank(zeroText) || (z > 0 && std::isfinite(z))))
    fail("the zero's text", zeroText);
  const std::optional<double> fr = std::holds_alternative<std::string>(zero) ? std::nullopt : std::get<0>(zero);
  FieldStore fields(spec);
  for (const auto& [field, text] : texts) fields.setText(field, text);
  for (const Control& c : spec.controls)
    if (c.kind == ControlKind::Button && c.buttonRole == ButtonRole::Calculate) press(c, fields);
  const auto read = loopParts(spec, fields, ResultMarks());
  if (!std::holds_alternative<LoopParts>(read)) return;
  for (const ESeries series : {ESeries::E6, ESeries::E96}) {
    const LoopParts p = standardParts(std::get<LoopParts>(read), series);
    if (const std::optional<Crossover> c = crossover(p, fr)) {
      const double db = loopAt(p, fr, c->fc).loop.db;
      if (!(c->fc > 0 && std::isfinite(c->fc) && std::isfinite(c->pm) && db >= 0 && db < 1e-6))
        fail("a crossover not at 0 dB", std::to_string(c->fc) + " " + std::to_string(db));
    }
    for (const double f : bodeFrequencies(p))
      if (!std::isfinite(f)) fail("a frequency not finite", std::to_string(f));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<const WindowSpec*> windows = builtWindows();
  if (size < 6) return 0;
  const WindowSpec& spec = *windows[data[0] % windows.size()];
  const std::vector<std::string> results = spec.results();
  if (results.empty()) return 0;
  const std::vector<std::string> parts = pieces(std::string_view(reinterpret_cast<const char*>(data + 6), size - 6));
  std::map<std::string, std::string> texts;
  std::size_t k = 2;
  for (const Control& c : spec.controls)
    if (c.kind == ControlKind::Field && c.fieldRole == FieldRole::Input && k < parts.size()) texts[c.name] = parts[k++];

  const auto condition = [&](std::uint8_t r, std::uint8_t i, const std::string& target) -> std::optional<GoalCondition> {
    const std::string result = results[r % results.size()];
    const std::vector<std::string> inputs = goalInputs(spec, result);
    for (const std::string& in : inputs) {
      const std::vector<std::string> reach = spec.reach(in);
      if (std::find(reach.begin(), reach.end(), result) == reach.end()) fail("offered an input that does not reach", in);
    }
    if (inputs.empty()) return std::nullopt;
    return GoalCondition{result, target, inputs[i % inputs.size()]};
  };
  const std::optional<GoalCondition> first = condition(data[1], data[2], parts[0]);
  std::optional<GoalCondition> second;
  if (data[3] % 8 == 0) second = condition(data[4], data[5], parts.size() > 1 ? parts[1] : "");
  if (!first) return 0;

  const std::string shown = parts.size() > 1 ? parts[1] : "";
  const std::string target = defaultTarget(spec, first->result, shown);
  if (target != shown && !(NumberFromText(target) >= NumberFromText(shown) &&
                           NumberFromText(target) == std::floor(NumberFromText(target))))
    fail("a count's target", target);

  if (spec.frequencyResponse) loopResponseHolds(spec, texts, parts.size() > 1 ? parts[1] : "");
  const GoalSeek g = goalSeek(spec, texts, *first, second);
  if (g.presses > (second ? kTwoPresses : kOnePresses)) fail("pressed beyond the bound", std::to_string(g.presses));
  if (!g.found) {
    if (!g.solved.empty() || !g.achieved.empty() || g.status.empty()) fail("no solution, yet", g.solved + g.status);
    return 0;
  }
  if (TextFromNumber(NumberFromText(g.solved)) != g.solved) fail("solved, not as written", g.solved);
  FieldStore start(spec);
  for (const auto& [field, text] : texts) start.setText(field, text);
  std::vector<std::pair<std::string, std::string>> set = {{first->input, g.solved}};
  if (second && second->input != first->input) set.emplace_back(second->input, g.solved2);
  const Pressed there = pressAt(spec, start, set);
  if (there.fields.text(first->result) != g.achieved) fail("achieved is not what the window shows", g.achieved);
  if (second && there.fields.text(second->result) != g.achieved2) fail("achieved2 is not what the window shows", g.achieved2);
  for (const auto& [input, text] : set) {
    const QuantityKind kind = spec.find(input)->quantity.kind;
    const double v = NumberFromText(text);
    if (!allowedRange(kind).holds(v) || (isCount(kind) && v != std::floor(v)))
      fail("solved where the input cannot be", text);
  }
  for (const std::string& r : spec.results())
    if (there.counting.count(r) && impossibleText(spec.find(r)->quantity, there.fields.text(r)))
      fail("an impossible result at the solution", r + " " + there.fields.text(r));
  const auto whole = [&](const GoalCondition& c, const std::string& achieved) {
    const double t = NumberFromText(c.target);
    const bool said = g.status.find("正好为 " + TextFromNumber(t)) != std::string::npos;
    if (isCount(spec.find(c.result)->quantity.kind) && !isCount(spec.find(c.input)->quantity.kind) &&
        t == std::floor(t) && achieved != TextFromNumber(t) && !said)
      fail("a count's whole target neither shown nor said", achieved);
  };
  whole(*first, g.achieved);
  if (second) whole(*second, g.achieved2);
  return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep/sweep.h"

#include <cmath>
#include <algorithm>
#include <set>

#include "common/calc.h"
#include "common/number.h"
#include "common/spacing.h"

namespace ombrel {

namespace {

// A range end or the number of points: the text, its blanks removed wherever
// they stand, is plainly a number. Returns the value, or what is wrong.
std::variant<double, std::string> rangeNumber(const std::string& text, const std::string& name) {
  std::string bare;
  bare.reserve(text.size());
  for (char c : text)
    if (!IsBlankChar(c)) bare += c;
  if (!IsPlainNumber(bare)) return "「" + name + "」不是数字";
  const double value = NumberFromText(bare);
  if (!std::isfinite(value)) return "「" + name + "」的数值超出范围";
  return value;
}

// The sweep window's own labels, which no result may be named like.
bool sweepLabel(const std::string& text) { return text == "从" || text == "到" || text == "点数"; }

}  // namespace

std::variant<SweepRange, std::string> sweepRange(const std::string& from, const std::string& to,
                                                 const std::string& points, bool log) {
  SweepRange range;
  range.log = log;
  const auto f = rangeNumber(from, "从");
  if (const std::string* message = std::get_if<std::string>(&f)) return *message;
  const auto t = rangeNumber(to, "到");
  if (const std::string* message = std::get_if<std::string>(&t)) return *message;
  const auto n = rangeNumber(points, "点数");
  const double count = std::holds_alternative<double>(n) ? std::get<double>(n) : 0;
  if (!(count >= 2 && count <= 2000 && count == std::floor(count))) return "「点数」须为 2 到 2000 之间的整数";
  range.from = std::get<double>(f);
  range.to = std::get<double>(t);
  if (range.from == range.to) return "「从」与「到」相同，无从扫描";
  if (log && !(range.from > 0 && range.to > 0)) return "对数刻度要求「从」和「到」都大于零";
  range.points = static_cast<int>(count);
  return range;
}

std::vector<double> sweepPoints(const SweepRange& r) { return spacedPoints(r.from, r.to, r.points, r.log); }

std::variant<std::pair<std::string, std::string>, std::string> defaultRange(const WindowSpec& spec,
                                                                           const std::string& input,
                                                                           const std::string& text) {
  const std::string name = "「" + spec.placedCaption(input) + "」";
  const std::string fill = "，没有默认范围：请填写「从」和「到」";
  const double value = NumberFromText(text);
  if (!std::isfinite(value)) return name + "的数值超出范围" + fill;
  const double from = 0.5 * value, to = 2 * value;
  if (!std::isfinite(to)) return name + "的两倍超出双精度范围" + fill;
  return std::pair{TextFromNumber(from), TextFromNumber(to)};
}

std::string sweepName(const WindowSpec& spec, const std::string& field) {
  const std::string name = spec.placedCaption(field);
  if (!sweepLabel(name)) return name;
  const Control* above = nullptr;
  for (const Control& c : spec.controls)
    if (c.kind == ControlKind::Label && c.buddy == field) above = spec.headingOf(c);
  return name + "（" + (above ? above->text : std::string("结果")) + "）";
}

FieldStore startingTexts(const WindowSpec& spec, const std::map<std::string, std::string>& texts) {
  FieldStore start(spec);
  for (const Control& c : spec.controls)
    if (const auto given = texts.find(c.name); c.kind == ControlKind::Field && given != texts.end())
      start.setText(c.name, given->second);
  return start;
}

Pressed pressAt(const WindowSpec& spec, const FieldStore& start,
                const std::vector<std::pair<std::string, std::string>>& set) {
  Pressed at{start, {}, false};
  for (const auto& [field, text] : set) at.fields.setText(field, text);
  for (const Control& c : spec.controls)
    if (c.kind == ControlKind::Field && c.fieldRole == FieldRole::Input) at.counting.insert(c.name);
  for (const Control& b : spec.controls) {
    if (b.kind != ControlKind::Button || b.buttonRole != ButtonRole::Calculate) continue;
    std::vector<Step> steps;
    at.faulted = press(b, at.fields, &steps).has_value() || at.faulted;
    for (const Step& step : steps) {
      const bool fresh = step.written && std::all_of(step.reads.begin(), step.reads.end(),
                                                     [&](const std::string& f) { return at.counting.count(f) > 0; });
      if (fresh)
        at.counting.insert(step.output);
      else
        at.counting.erase(step.output);
    }
  }
  return at;
}

Sweep sweep(const WindowSpec& spec, const std::map<std::string, std::string>& texts, const std::string& input,
            const SweepRange& range) {
  Sweep s;
  const FieldStore start = startingTexts(spec, texts);
  s.results = spec.results();
  s.x = sweepPoints(range);
  for (std::size_t i = 0; i < s.x.size(); ++i) {
    s.xTexts.push_back(TextFromNumber(s.x[i]));
    const Pressed at = pressAt(spec, start, {{input, s.xTexts.back()}});
    if (at.faulted && !s.firstFault) s.firstFault = i;
    s.faulted += at.faulted;
    std::vector<std::string>& row = s.texts.emplace_back();
    for (const std::string& r : s.results) row.push_back(at.counting.count(r) ? at.fields.text(r) : "");
  }
  return s;
}

std::string sweepTable(const WindowSpec& spec, const std::string& input, const Sweep& s) {
  std::string table = sweepName(spec, input);
  for (const std::string& r : s.results) table += "\t" + sweepName(spec, r);
  table += "\n";
  for (std::size_t i = 0; i < s.xTexts.size(); ++i) {
    table += s.xTexts[i];
    for (const std::string& text : s.texts[i]) table += "\t" + text;
    table += "\n";
  }
  return table;
}

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep/sweep.h"

#include <cmath>
#include <algorithm>
#include <regex>

#include "common/calc.h"
#include "common/number.h"

namespace ombrel {

namespace {

// A whole text that is one decimal number, blanks aside.
bool wholeNumber(const std::string& text, double& value) {
  std::string bare;
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') bare += c;
  static const std::regex number(R"([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
  if (!std::regex_match(bare, number)) return false;
  value = NumberFromText(bare);
  return std::isfinite(value);
}

}  // namespace

std::variant<SweepRange, std::string> sweepRange(const std::string& from, const std::string& to,
                                                 const std::string& points, bool log) {
  SweepRange range;
  range.log = log;
  double count = 0;
  if (!wholeNumber(from, range.from)) return "「从」不是数字";
  if (!wholeNumber(to, range.to)) return "「到」不是数字";
  if (!wholeNumber(points, count) || count < 2 || count > 2000 || count != std::floor(count))
    return "「点数」须为 2 到 2000 之间的整数";
  if (range.from == range.to) return "「从」与「到」相同，无从扫描";
  if (log && !(range.from > 0 && range.to > 0)) return "对数刻度要求「从」和「到」都大于零";
  range.points = static_cast<int>(count);
  return range;
}

std::vector<double> sweepPoints(const SweepRange& r) {
  std::vector<double> x;
  x.reserve(static_cast<std::size_t>(r.points));
  const double last = r.points - 1;
  for (int i = 0; i < r.points; ++i)
    x.push_back(r.log ? r.from * std::pow(r.to / r.from, i / last) : r.from + i * (r.to - r.from) / last);
  return x;
}

Sweep sweep(const WindowSpec& spec, const std::map<std::string, std::string>& texts, const std::string& input,
            const SweepRange& range) {
  Sweep s;
  FieldStore start(spec);  // the design texts, then those given
  for (const Control& c : spec.controls)
    if (const auto given = texts.find(c.name); c.kind == ControlKind::Field && given != texts.end())
      start.setText(c.name, given->second);
  for (const FieldGroup& g : spec.fieldGroups())
    for (const Control* f : g.fields)
      if (f->fieldRole == FieldRole::Output) s.results.push_back(f->name);
  std::vector<const Control*> buttons;
  for (const Control& c : spec.controls)
    if (c.kind == ControlKind::Button && c.buttonRole == ButtonRole::Calculate) buttons.push_back(&c);

  s.x = sweepPoints(range);
  for (std::size_t i = 0; i < s.x.size(); ++i) {
    FieldStore fields = start;
    s.xTexts.push_back(TextFromNumber(s.x[i]));
    fields.setText(input, s.xTexts.back());
    const auto pressed = static_cast<std::ptrdiff_t>(fields.written().size());
    bool faulted = false;
    for (const Control* b : buttons) faulted = press(*b, fields).has_value() || faulted;
    if (faulted && !s.firstFault) s.firstFault = i;
    s.faulted += faulted;
    // What the presses wrote at this point; the rest was not computed here.
    const std::vector<std::string>& written = fields.written();
    std::vector<std::string>& row = s.texts.emplace_back();
    for (const std::string& r : s.results)
      row.push_back(std::find(written.begin() + pressed, written.end(), r) != written.end() ? fields.text(r) : "");
  }
  return s;
}

std::string sweepTable(const WindowSpec& spec, const std::string& input, const Sweep& s) {
  std::string table = spec.placedCaption(input);
  for (const std::string& r : s.results) table += "\t" + spec.placedCaption(r);
  table += "\n";
  for (std::size_t i = 0; i < s.xTexts.size(); ++i) {
    table += s.xTexts[i];
    for (const std::string& text : s.texts[i]) table += "\t" + text;
    table += "\n";
  }
  return table;
}

}  // namespace ombrel

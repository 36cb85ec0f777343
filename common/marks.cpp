// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/marks.h"

#include <algorithm>
#include <cmath>

#include "common/number.h"

namespace ombrel {

std::optional<std::string> readNote(const std::string& text) {
  const double value = NumberFromText(text);
  if (!std::isfinite(value)) return "超出双精度范围，读取时报溢出";
  if (IsPlainNumber(text)) return std::nullopt;
  return "按 " + TextFromNumber(value) + " 读取";
}

namespace {

// A mark's words with the figures they name: each "{}" the limit `bound`,
// each "{name}" the text of the window's field of that name:
//   "超过 {material} 在 {temp} ℃ 时的 {} T", 0.3898, material "TDK N87", temp "100"
//     -> "超过 TDK N87 在 100 ℃ 时的 0.3898 T"
std::string filled(std::string words, const WindowSpec& spec, const Fields& fields, double bound) {
  for (std::size_t at = words.find('{'); at != std::string::npos; at = words.find('{', at)) {
    const std::size_t end = words.find('}', at);
    if (end == std::string::npos) break;
    const std::string name = words.substr(at + 1, end - at - 1);
    const std::string text = name.empty() ? TextFromNumber(bound) : spec.find(name) ? fields.text(name) : "{" + name + "}";
    words.replace(at, end - at + 1, text);
    at += text.size();
  }
  return words;
}

// What passing the result's limit means, where its text is above it.
std::optional<std::string> pastLimit(const WindowSpec& spec, const Control& result, const Fields& fields,
                                     const std::string& text) {
  const Limit& limit = result.limit;
  if (limit.empty() || !IsPlainNumber(text)) return std::nullopt;
  const double bound = limit.field.empty() ? limit.value : NumberFromText(fields.text(limit.field));
  if (!std::isfinite(bound) || !(NumberFromText(text) > bound)) return std::nullopt;
  return filled(limit.words, spec, fields, bound);
}

}  // namespace

void ResultMarks::pressed(const Control& button, const std::optional<Fault>& fault, const std::vector<Step>& steps) {
  const auto end = fault ? std::find(button.writes.begin(), button.writes.end(), fault->output) : button.writes.end();
  for (auto it = button.writes.begin(); it != end; ++it) {
    Source& source = written_[*it];
    source = {};
    for (const Step& step : steps)
      if (step.written && step.output == *it) source = {step.reads, step.texts};
    stale_.erase(*it);
    manual_.erase(*it);
  }
  for (auto it = end; it != button.writes.end(); ++it)
    if (written_.count(*it)) stale_.insert(*it);
}

void ResultMarks::edited(const std::string& field) {
  written_.erase(field);
  stale_.erase(field);
  manual_.insert(field);
}

std::optional<std::string> ResultMarks::fromManual(const Fields& fields, const std::string& field,
                                                   std::set<std::string>& visiting) const {
  const auto it = written_.find(field);
  if (it == written_.end() || !visiting.insert(field).second) return std::nullopt;
  for (const std::string& read : it->second.reads)
    if (manual(read) && !IsBlank(fields.text(read))) return read;
  for (const std::string& read : it->second.reads)
    if (const auto root = fromManual(fields, read, visiting)) return root;
  return std::nullopt;
}

std::optional<std::string> ResultMarks::outOfDate(const WindowSpec& spec, const Fields& fields,
                                                  const std::string& field) const {
  std::set<std::string> visiting;
  return outOfDate(spec, fields, field, visiting);
}

std::optional<std::string> ResultMarks::outOfDate(const WindowSpec& spec, const Fields& fields,
                                                  const std::string& field, std::set<std::string>& visiting) const {
  const auto it = written_.find(field);
  if (it == written_.end() || !visiting.insert(field).second) return std::nullopt;
  const Source& source = it->second;
  for (std::size_t i = 0; i < source.reads.size(); ++i)
    if (fields.text(source.reads[i]) != source.texts[i])
      return spec.placedCaption(source.reads[i], "「", "」") + "已改变";
  for (const std::string& read : source.reads) {
    if (stale(read)) return "由上次计算留下的" + spec.placedCaption(read, "「", "」") + "算出";
    if (outOfDate(spec, fields, read, visiting)) return "由已过时的" + spec.placedCaption(read, "「", "」") + "算出";
  }
  return std::nullopt;
}

FieldMark ResultMarks::mark(const WindowSpec& spec, const Fields& fields, const std::string& field) const {
  const Control* c = spec.find(field);
  if (!c || c->kind != ControlKind::Field) return {};
  if (c->fieldRole == FieldRole::Input) {
    const std::string text = fields.text(field);
    if (c->isChoice() || (!c->blank.empty() && IsBlank(text))) return {Look::Plain, {}, "输入", {}};
    const std::optional<std::string> note = readNote(text);
    if (!note) return {Look::Plain, {}, "输入", {}};
    return {Look::ReadAs, *note, "输入（" + *note + "）", *note};
  }
  const std::optional<std::string> old = outOfDate(spec, fields, field);
  if (stale(field)) {
    FieldMark m{Look::Stale, "（上次计算的结果，本次计算未更新）", "结果（上次计算）", "上次计算的结果，本次计算未更新"};
    if (old) {
      m.note += "（已过时：" + *old + "）";
      m.description += "；已过时：" + *old;
    }
    return m;
  }
  if (old) return {Look::Stale, "（已过时：" + *old + "）", "结果（已过时）", "已过时：" + *old};
  const std::string text = fields.text(field);
  if (manual(field) && !IsBlank(text))
    return {Look::Manual, "（手动输入：不是计算得出的结果）", "结果（手动输入）", "手动输入：不是计算得出的结果"};
  std::set<std::string> visiting;
  if (const auto root = fromManual(fields, field, visiting)) {
    const std::string words = "由手动输入的" + spec.placedCaption(*root, "「", "」") + "算出";
    return {Look::Manual, "（" + words + "）", "结果（由手动输入算出）", words};
  }
  if (written_.count(field)) {
    if (auto why = impossibleText(c->quantity, text)) {
      if (!c->impossibleWords.empty()) why = filled(c->impossibleWords, spec, fields, 0);
      return {Look::Impossible, "（不合理：" + *why + "）", "结果（不合理）", "不合理：" + *why};
    }
    if (const auto why = pastLimit(spec, *c, fields, text))
      return {Look::OverLimit, "（超限：" + *why + "）", "结果（超限）", "超限：" + *why};
    if (const auto words = c->check ? c->check(fields) : std::nullopt)
      return {Look::Checked, "（验算：" + *words + "）", "结果（验算）", "验算：" + *words, "（验算）"};
  }
  return {Look::Plain, {}, "结果", {}};
}

}  // namespace ombrel

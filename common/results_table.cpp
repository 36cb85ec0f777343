// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/results_table.h"

#include <algorithm>
#include <optional>
#include <set>

#include "common/number.h"

namespace ombrel {

namespace {

// A text as a cell: as it stands, or, where it holds a tab, a line end or
// starts with a quote, in double quotes with its quotes doubled, as a
// spreadsheet writes such a cell.
std::string cell(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" ");
  const bool quote = text.find_first_of("\t\r\n") != std::string::npos ||
                     (first != std::string::npos && text[first] == '"');
  if (!quote) return text;
  std::string quoted = "\"";
  for (char ch : text) quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
  return quoted + "\"";
}

}  // namespace

std::string resultsTable(const WindowSpec& spec, const Fields& fields, const ResultMarks& marks,
                         const std::string& title) {
  const std::string& name = title.empty() ? spec.caption : title;
  std::string table = "【" + name + "】\n" + name + "\n";
  for (const FieldGroup& group : spec.fieldGroups()) {
    if (!group.heading.empty()) table += group.heading + "\n";
    for (const Control* field : group.fields) {
      const std::string role = marks.mark(spec, fields, field->name).role;
      table += spec.captionOf(field->name) + "\t" + cell(fields.text(field->name)) + "\t" + role + "\n";
    }
  }
  return table;
}

std::string allTables(const std::vector<WindowTexts>& windows) {
  std::string all;
  for (const WindowTexts& w : windows)
    if (w.spec && w.fields)
      all += resultsTable(*w.spec, *w.fields, w.marks ? *w.marks : ResultMarks(), w.title);
  return all;
}

namespace {

std::string trimmedCell(std::string_view s) {
  while (!s.empty() && IsBlankChar(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlankChar(s.back())) s.remove_suffix(1);
  return std::string(s);
}

// The lines of tab-separated cells, a quoted cell read whole. One pass.
std::vector<std::vector<std::string>> cellsOf(std::string_view text) {
  std::vector<std::vector<std::string>> lines;
  std::vector<std::string> line(1);
  bool quoted = false, atCellStart = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (quoted) {
      if (ch != '"') {
        line.back() += ch;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        line.back() += '"';
        ++i;
      } else {
        quoted = false;
      }
      continue;
    }
    if (ch == '"' && atCellStart) {
      quoted = true;
      atCellStart = false;
    } else if (ch == '\t') {
      line.emplace_back();
      atCellStart = true;
    } else if (ch == '\n' || (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
      if (ch == '\r') ++i;
      lines.push_back(std::move(line));
      line.assign(1, std::string());
      atCellStart = true;
    } else {
      line.back() += ch;
      atCellStart = atCellStart && IsBlankChar(ch);
    }
  }
  if (line.size() > 1 || !line.front().empty()) lines.push_back(std::move(line));
  return lines;
}

// "【反激变压器】" -> "反激变压器"; anything else -> nothing.
std::optional<std::string> sectionName(const std::string& cell) {
  static const std::string open = "【", close = "】";
  if (cell.size() < open.size() + close.size() || cell.compare(0, open.size(), open) != 0 ||
      cell.compare(cell.size() - close.size(), close.size(), close) != 0)
    return std::nullopt;
  return trimmedCell(std::string_view(cell).substr(open.size(), cell.size() - open.size() - close.size()));
}

}  // namespace

PastedTable readTable(const WindowSpec& spec, std::string_view text) {
  std::vector<std::vector<std::string>> lines = cellsOf(text);
  // Sections: this window's alone, where the text names windows.
  bool sectioned = false, inside = true;
  std::vector<std::string> headings;
  for (const FieldGroup& g : spec.fieldGroups())
    if (!g.heading.empty()) headings.push_back(trimmedCell(g.heading));
  PastedTable pasted;
  std::string heading;
  bool own = false;  // the text names this window
  std::vector<std::string> others;  // the other windows it names, in order, each once
  std::set<std::string> named;
  for (const std::vector<std::string>& cells : lines) {
    const std::string first = trimmedCell(cells.front());
    if (const auto section = sectionName(first)) {
      if (!sectioned) pasted = {}, sectioned = true;  // what came before named no window
      // The window's caption, or its caption and what it was opened from:
      // "磁件复核 — 正激变压器" is the check's too.
      inside = *section == spec.caption || section->rfind(spec.caption + " — ", 0) == 0;
      own = own || inside;
      if (!inside && named.insert(*section).second) others.push_back(*section);
      heading.clear();
      continue;
    }
    if (!inside) continue;
    if (first.empty() && cells.size() < 2) continue;  // an empty line
    if (std::find(headings.begin(), headings.end(), first) != headings.end()) {
      heading = first;
      ++pasted.skipped;
      continue;
    }
    const Control* field = spec.fieldNamed({first, {}});
    if (!field && !heading.empty()) field = spec.fieldNamed({first, heading});
    if (!field) {  // "R1(K)（分压验证）", the place written after the caption
      static const std::string open = "（", close = "）";
      const std::size_t at = first.rfind(open);
      if (at != std::string::npos && at > 0 && first.size() > close.size() &&
          first.compare(first.size() - close.size(), close.size(), close) == 0)
        field = spec.fieldNamed({first.substr(0, at), first.substr(at + open.size(), first.size() - at - open.size() - close.size())});
    }
    if (!field || field->fieldRole != FieldRole::Input || cells.size() < 2) {
      ++pasted.skipped;
      continue;
    }
    const std::string value = trimmedCell(cells[1]);
    const auto same = std::find_if(pasted.inputs.begin(), pasted.inputs.end(),
                                   [field](const auto& in) { return in.first == field->name; });
    if (same != pasted.inputs.end())
      same->second = value;
    else
      pasted.inputs.emplace_back(field->name, value);
  }
  if (sectioned && !own) pasted.otherWindows = std::move(others);
  return pasted;
}

std::string pasteNote(const WindowSpec& spec, const PastedTable& pasted) {
  if (!pasted.otherWindows.empty()) {
    const std::size_t named = std::min<std::size_t>(pasted.otherWindows.size(), 3);
    std::string from;
    for (std::size_t k = 0; k < named; ++k) from += (k ? "、「" : "「") + pasted.otherWindows[k] + "」";
    if (named < pasted.otherWindows.size()) from += "等 " + std::to_string(pasted.otherWindows.size()) + " 个窗口";
    return "表格来自" + from + "，不是本窗口的数据";
  }
  if (pasted.inputs.empty()) return "剪贴板中没有本窗口的输入";
  std::string note =
      "已填入 " + std::to_string(pasted.inputs.size()) + " 个输入，跳过 " + std::to_string(pasted.skipped) + " 行";
  std::string readAs;
  for (const auto& [field, text] : pasted.inputs) {
    const Control* c = spec.find(field);
    std::optional<std::string> reading;
    if (c && c->isChoice()) {
      bool listed = false;
      for (const auto& [by, items] : c->choices->items)
        listed = listed || std::find(items.begin(), items.end(), text) != items.end();
      if (!listed) reading = "没有「" + text + "」这一项";
    } else if (!(c && !c->blank.empty() && IsBlank(text))) {
      reading = readNote(text);
    }
    if (reading) readAs += (readAs.empty() ? "" : "，") + spec.placedCaption(field, "「", "」") + *reading;
  }
  return readAs.empty() ? note : note + "；其中" + readAs;
}

PasteStep applyPaste(const PastedTable& pasted, Fields& fields) {
  PasteStep step;
  for (const auto& [field, text] : pasted.inputs) {
    std::string before = fields.text(field);
    fields.setText(field, text);
    // What the field took: a text box may hold less than was pasted.
    step.fills.push_back({field, std::move(before), fields.text(field)});
  }
  return step;
}

void undoPaste(const PasteStep& step, Fields& fields) {
  std::vector<const PasteStep::Fill*> taken;
  for (auto fill = step.fills.rbegin(); fill != step.fills.rend(); ++fill)  // the last fill first
    if (fields.text(fill->field) == fill->pasted) {
      fields.setText(fill->field, fill->before);
      taken.push_back(&*fill);
    }
  for (auto fill = taken.rbegin(); fill != taken.rend(); ++fill)  // in order, where a later one moved it
    if (fields.text((*fill)->field) != (*fill)->before) fields.setText((*fill)->field, (*fill)->before);
}

}  // namespace ombrel

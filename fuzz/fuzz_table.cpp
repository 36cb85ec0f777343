// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for a table pasted into a window: readTable.
//
// The first byte picks a window of the registry; the rest is the clipboard's
// text, any bytes. Checked on every input:
// - no crash, no sanitizer report;
// - every field filled is an input of the window, filled once, its text
//   without blanks at either end;
// - the skipped lines are no more than the text's line ends plus one;
// - the window's own copy with those inputs typed in reads back to the same
//   inputs with the same texts (one format, written and read in one place),
//   and so does a copy of it between two other windows' sections;
// - the note names every filled input read otherwise than it looks, with
//   its reading, or says that nothing was filled and why; a text naming only
//   other windows fills nothing;
// - the paste typed into the window's fields and taken back in one step
//   leaves every field with its text from before.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/registry.h"
#include "common/calc.h"
#include "common/marks.h"
#include "common/results_table.h"

using namespace ombrel;

namespace {

[[noreturn]] void fail(const WindowSpec& spec, const std::string& what) {
  std::fprintf(stderr, "invariant broken in %s: %.300s\n", spec.name.c_str(), what.c_str());
  std::abort();
}

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void check(const WindowSpec& spec, std::string_view text) {
  const PastedTable pasted = readTable(spec, text);
  std::vector<std::string> seen;
  for (const auto& [field, value] : pasted.inputs) {
    const Control* c = spec.find(field);
    if (!c || c->kind != ControlKind::Field || c->fieldRole != FieldRole::Input) fail(spec, "filled " + field);
    if (std::find(seen.begin(), seen.end(), field) != seen.end()) fail(spec, field + " filled twice");
    seen.push_back(field);
    if (!value.empty() && (blank(value.front()) || blank(value.back()))) fail(spec, field + " keeps its blanks");
  }
  if (pasted.skipped < 0 || std::size_t(pasted.skipped) > std::size_t(std::count(text.begin(), text.end(), '\n')) + 1)
    fail(spec, "skipped " + std::to_string(pasted.skipped));

  const std::string note = pasteNote(spec, pasted);
  if (!pasted.otherWindows.empty() && (!pasted.inputs.empty() || note.rfind("表格来自", 0) != 0))
    fail(spec, "another window's table filled something or said " + note);
  if (pasted.otherWindows.empty() && pasted.inputs.empty() && note != "剪贴板中没有本窗口的输入") fail(spec, note);
  for (const auto& [field, value] : pasted.inputs)
    if (const auto reading = readNote(value);
        reading && note.find(spec.placedCaption(field, "「", "」") + *reading) == std::string::npos)
      fail(spec, field + " read otherwise, not in the note: " + note);

  FieldStore store(spec);
  const FieldStore design(spec);
  const PasteStep step = applyPaste(pasted, store);
  for (const auto& [field, value] : pasted.inputs)
    if (store.text(field) != value) fail(spec, field + " not filled");
  FieldStore undone = store;
  undoPaste(step, undone);
  for (const Control& c : spec.controls)
    if (c.kind == ControlKind::Field && undone.text(c.name) != design.text(c.name)) fail(spec, c.name + " not taken back");
  auto expected = pasted.inputs;
  std::sort(expected.begin(), expected.end());
  // In sections: a window before it and one after it, with their design texts.
  static const std::vector<const WindowSpec*> windows = builtWindows();
  const std::size_t at = std::size_t(std::find(windows.begin(), windows.end(), &spec) - windows.begin());
  FieldStore before(*windows[(at + windows.size() - 1) % windows.size()]),
      after(*windows[(at + 1) % windows.size()]);
  const std::vector<WindowTexts> all = {{windows[(at + windows.size() - 1) % windows.size()], &before, nullptr},
                                        {&spec, &store, nullptr},
                                        {windows[(at + 1) % windows.size()], &after, nullptr}};
  for (const std::string& copy : {resultsTable(spec, store), allTables(all)}) {
    auto back = readTable(spec, copy).inputs;
    back.erase(std::remove_if(back.begin(), back.end(),
                              [&](const auto& in) {
                                return std::none_of(expected.begin(), expected.end(),
                                                    [&](const auto& e) { return e.first == in.first; });
                              }),
               back.end());
    std::sort(back.begin(), back.end());
    if (back != expected) fail(spec, "the copy did not read back");
  }
}

}  // namespace

// The inputs worth trying on every run, whatever the corpus holds.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  for (const WindowSpec* spec : builtWindows()) {
    check(*spec, std::string(1 << 20, '\t'));
    check(*spec, std::string(1 << 20, '"'));
    check(*spec, std::string(1 << 18, '\n') + "\r\n\r");
    check(*spec, "【" + spec->caption + "】\n" + std::string(100000, 'x') + "\t1\n\"" + std::string(100000, '\t'));
    check(*spec, std::string("\0\0\t\0\n", 5));
    std::string sections;  // a hundred thousand windows named, none of them this one
    for (int k = 0; k < 100000; ++k) sections += "【" + std::to_string(k) + "】\n";
    check(*spec, sections);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<const WindowSpec*> windows = builtWindows();
  if (size < 1 || windows.empty()) return 0;
  check(*windows[data[0] % windows.size()], std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  return 0;
}

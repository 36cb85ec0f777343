// SPDX-License-Identifier: GPL-3.0-or-later
// A window's data as a table that pastes into a spreadsheet, and such a
// table pasted back.
//
// The table: "【caption】" on the first line, the window caption on the
// next; then, group by group (WindowSpec::fieldGroups), the group's heading
// on a line of its own where it has one, and one line per field: its
// caption, a tab, its text exactly as the field holds it, a tab, and its
// role: "输入", "结果", or for a result left over from an earlier run
// "结果（上次计算）". Every line ends with a line feed. Nothing is read as a
// number. The copy of several windows is their tables one after another.
//   lg after 计算:  "【电感气隙计算】\n电感气隙计算\n圈数\t20\t输入\n...\n气隙(mm)\t0.25...\t结果\n"
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/calc.h"
#include "common/marks.h"
#include "common/window_spec.h"

namespace ombrel {

// `title`, where given, names the window in place of its caption, the one
// line under 【】 and the next: "【磁件复核 — 反激变压器】\n磁件复核 — 反激变压器\n...".
std::string resultsTable(const WindowSpec& spec, const Fields& fields, const ResultMarks& marks = ResultMarks(),
                         const std::string& title = {});

// The windows' tables in the order given.
std::string allTables(const std::vector<WindowTexts>& windows);

// A table read back for a window, in one pass over any bytes: lines of
// tab-separated cells (a cell in double quotes may hold tabs, line ends and
// doubled quotes), each line whose first cell names an input of the window
// filling it with its second cell. Where the text names windows ("【反激变压器】"
// lines), only this window's section is read; a text that names windows but
// not this one fills nothing and names them:
//   lg, "圈数\t25\n电感量(uH)\t560\n"         -> Text1=25 Text3=560
//   lg, "【反激变压器】\n效率\t0.8\n"           -> nothing; otherWindows 反激变压器
struct PastedTable {
  std::vector<std::pair<std::string, std::string>> inputs;  // field, text; each input once, in the text's order
  int skipped = 0;                                          // lines not empty that filled no input
  std::vector<std::string> otherWindows;  // the windows the text names, where it does not name this one
};
PastedTable readTable(const WindowSpec& spec, std::string_view text);

// What the note after a paste says: what was filled and skipped, then every
// input whose pasted text is read otherwise than it looks, with its reading
// (readNote, common/marks.h); or why nothing was filled:
//   "已填入 6 个输入，跳过 3 行"
//   "已填入 6 个输入，跳过 3 行；其中「效率」按 80 读取，「磁材横截面积(mm2)」按 1 读取"
//   "已填入 2 个输入，跳过 0 行；其中「磁芯型号」没有「XYZ」这一项"   (a list takes its own items only)
//   "剪贴板中没有本窗口的输入"
//   "表格来自「反激变压器」，不是本窗口的数据"   (three names at most, then "等 5 个窗口")
std::string pasteNote(const WindowSpec& spec, const PastedTable& pasted);

// A paste as one step that can be taken back: each input it filled, with
// the text it held before and the text it took.
struct PasteStep {
  struct Fill {
    std::string field, before, pasted;
  };
  std::vector<Fill> fills;
};
// Puts the pasted texts into `fields`, in the table's order.
PasteStep applyPaste(const PastedTable& pasted, Fields& fields);
// Gives every field the paste filled its text from before the paste, where
// it still holds the pasted text (one changed since keeps its own); the last
// fill first, then once more in order for those a later one moved again (a
// list whose items follow another list's).
void undoPaste(const PasteStep& step, Fields& fields);

}  // namespace ombrel

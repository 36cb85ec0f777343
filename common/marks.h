// SPDX-License-Identifier: GPL-3.0-or-later
// What a window says about its fields' texts beyond the texts themselves.
// The texts, the number rules, the faults and the results stay as they are;
// a mark only says what a text means. Qt-free: CalcWindow draws the marks,
// resultsTable writes them into the copied table.
//
// How an input was read. A text that is not plainly a number (IsPlainNumber),
// or is beyond the double range, says how the calculation reads it:
//   "20abc" -> "按 20 读取"    "" -> "按 0 读取"    "1e999" -> "超出双精度范围，读取时报溢出"
//   " 144 ", "-0.5", "1.5E-07" -> no mark
//
// Which results are left over. A result whose text an earlier run wrote and
// the last run of its button did not write again, because it faulted at or
// before it (Command1 writes A B C; clean, then a fault at B: B and C).
//
// Which results are out of date. A result a run wrote is current until a
// field its step read (Calc records the reads and the texts it saw) holds
// another text ("「圈数」已改变"; the same text again makes it current
// again), or a field it read is now left over ("由上次计算留下的「X」算出")
// or out of date itself ("由已过时的「X」算出"), along the chain.
//
// Which results are impossible. A current result whose quantity cannot take
// its value (impossibleBecause): "电容量不能为负".
//
// Which results are past their limit. A current result above the limit its
// table gives it (Control::limit), read now from that input by the number
// rules: "超限：窗口利用系数超过 0.4，绕组可能绕不下". At the limit, below
// it, or with a limit beyond the double range: no mark.
//
// Which results rest on the user's figures. A result whose text the user
// typed or pasted, not a run, and is not blank, is typed by hand:
// "（手动输入：不是计算得出的结果）". A current result whose step read it, or
// read a result that rests on it, says so: "由手动输入的「输出纹波电压p-p(mV)」算出".
//
// Which results a check questions. A current result whose table gives it a
// check (Control::check) that has words for the texts now:
// "（验算：按此电感量，电流从零升起……）".
//
// An input chosen from a list carries no mark, nor a blank one whose table
// says what blank means there (Control::blank: a winding row not counted).
//
// A run that writes a result makes it current and takes its 手动输入 mark
// away; the user typing over a result makes it the user's text, no run's. A
// left-over result keeps its own words, first, when it is also out of date;
// then out of date, by hand, impossible, past its limit, checked.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/calc.h"
#include "common/window_spec.h"

namespace ombrel {

// How the calculation reads a text that is not plainly a finite number;
// nothing for one that is.
std::optional<std::string> readNote(const std::string& text);

// How a field is drawn, by its mark.
enum class Look {
  Plain,
  ReadAs,      // an input whose text is not plainly a number
  Stale,       // a result left over or out of date
  Impossible,  // a current result its quantity cannot take
  OverLimit,   // a current result above the limit its table gives it
  Manual,      // a result typed by hand, or computed from one
  Checked,     // a current result its table's check has words for
};

struct FieldMark {
  Look look = Look::Plain;
  // An input: its tooltip's first line ("按 20 读取"). A result: the words
  // after its text on its tooltip's first line ("（已过时：「圈数」已改变）").
  std::string note;
  // The copied table's third column: "输入", "输入（按 20 读取）", "结果",
  // "结果（上次计算）", "结果（已过时）", "结果（不合理）", "结果（超限）",
  // "结果（手动输入）", "结果（由手动输入算出）", "结果（验算）".
  std::string role;
  // The mark in words for assistive technology; empty without a mark.
  std::string description;
  // Where the note is too long for a menu entry (a check's words), the
  // short form 取自 shows instead: "（验算）".
  std::string brief = {};
};

class ResultMarks {
 public:
  // A run of a calculate button: what each of its steps read (press's
  // record), and the fault that ended it.
  void pressed(const Control& button, const std::optional<Fault>& fault, const std::vector<Step>& steps = {});
  // The user typed, pasted or picked a text into a result.
  void edited(const std::string& field);

  bool stale(const std::string& field) const { return stale_.count(field) > 0; }
  // Typed or pasted by the user into a result, since no run wrote it.
  bool manual(const std::string& field) const { return manual_.count(field) > 0; }
  const std::set<std::string>& stale() const { return stale_; }
  // Why a result is out of date, given the texts the fields hold now.
  std::optional<std::string> outOfDate(const WindowSpec& spec, const Fields& fields, const std::string& field) const;
  // The mark of any field of the window.
  FieldMark mark(const WindowSpec& spec, const Fields& fields, const std::string& field) const;

 private:
  std::optional<std::string> outOfDate(const WindowSpec& spec, const Fields& fields, const std::string& field,
                                       std::set<std::string>& visiting) const;
  struct Source {  // what the step that wrote a result read, and the texts it saw
    std::vector<std::string> reads, texts;
  };
  // The result typed by hand that a current result rests on, through what its
  // step read: the first found, nearest first.
  std::optional<std::string> fromManual(const Fields& fields, const std::string& field,
                                        std::set<std::string>& visiting) const;
  std::map<std::string, Source> written_;  // results holding a text a run wrote
  std::set<std::string> stale_;
  std::set<std::string> manual_;  // results holding a text the user gave
};

// A window as it stands: its table, its texts and, where it has run, its
// marks (results_table's allTables and 取自's offersFor read windows so).
// `title`: the window's own where it names more than its table's caption
// ("磁件复核 — 反激变压器"); empty: the caption.
struct WindowTexts {
  const WindowSpec* spec = nullptr;
  const Fields* fields = nullptr;
  const ResultMarks* marks = nullptr;
  std::string title = {};
  const std::string& name() const { return title.empty() ? spec->caption : title; }
};

// A window's texts by field and its marks, kept to be shown again as they were.
struct WindowSet {
  std::map<std::string, std::string> texts;
  ResultMarks marks;
};

}  // namespace ombrel

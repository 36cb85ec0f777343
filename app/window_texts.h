// SPDX-License-Identifier: GPL-3.0-or-later
// Calculator windows as the Qt-free code reads them: a window's text boxes
// as the calculation step, the marks and the copied table see them, and live
// windows as WindowTexts (common/marks.h) for "取自" and the copy of all
// windows.
#pragma once

#include <QList>
#include <QString>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "common/calc.h"
#include "common/marks.h"

class QLineEdit;

namespace ombrel {

class CalcWindow;

// A window's text boxes as Fields. A text written by the program shows from
// its first character: a result is set, an input typed as the user would
// (typeAsUser) where the fields are made `AsUser`.
class WidgetFields : public Fields {
 public:
  enum Writing { Set, AsUser };
  explicit WidgetFields(const CalcWindow& window, Writing writing = Set) : window_(window), writing_(writing) {}
  std::string text(const std::string& name) const override;
  void setText(const std::string& name, const std::string& text) override;

 private:
  QLineEdit* box(const std::string& name) const;
  const CalcWindow& window_;
  Writing writing_;
};

// Live windows as the Qt-free code reads them (common/marks.h WindowTexts):
// each one's table, text boxes and marks, for as long as this object lives.
class WindowsAsTexts {
 public:
  explicit WindowsAsTexts(const QList<CalcWindow*>& windows);
  const std::vector<WindowTexts>& all() const { return texts_; }

 private:
  std::deque<WidgetFields> fields_;  // stays where it is as it grows
  std::vector<WindowTexts> texts_;
};

// Every field's text of a window by its name (a list's: its chosen item), as
// a pressed copy of it starts from (sweep/sweep.h startingTexts).
std::map<std::string, std::string> fieldTexts(const CalcWindow& window);

// Types `text` into a field as the user would, for every text the program
// puts into an input (取自, a part picked, 填入 Ae, a pasted table): the
// whole text replaced, undoable, nothing calculated; the cursor at its
// beginning, so that a text wider than the field shows from its first
// character, focused or not.
void typeAsUser(QLineEdit* field, const QString& text);

// The tables of these windows, each under its name, as "复制全部窗口数据" copies them.
QString allWindowsTable(const QList<CalcWindow*>& windows);

}  // namespace ombrel

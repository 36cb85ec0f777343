// SPDX-License-Identifier: GPL-3.0-or-later
// Calculator windows as the Qt-free code reads them: a window's text boxes
// as the calculation step, the marks and the copied table see them, and live
// windows as WindowTexts (common/marks.h) for "取自" and the copy of all
// windows.
#pragma once

#include <QList>
#include <QString>
#include <deque>
#include <string>
#include <vector>

#include "common/calc.h"
#include "common/marks.h"

class QLineEdit;

namespace ombrel {

class CalcWindow;

// A window's text boxes as Fields. A text written by the program shows from
// its first character.
class WidgetFields : public Fields {
 public:
  explicit WidgetFields(const CalcWindow& window) : window_(window) {}
  std::string text(const std::string& name) const override;
  void setText(const std::string& name, const std::string& text) override;

 private:
  QLineEdit* box(const std::string& name) const;
  const CalcWindow& window_;
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

// The tables of these windows, each under its name, as "复制全部窗口数据" copies them.
QString allWindowsTable(const QList<CalcWindow*>& windows);

}  // namespace ombrel

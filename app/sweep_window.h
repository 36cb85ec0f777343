// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep window ("参数扫描 — " + the calculator's caption): one input of
// a calculator stepped over a range, every result of the window drawn
// against it, and the table copied for a spreadsheet. The computation is
// sweep/sweep.h; this is its Qt face. Unlike the calculator windows it is no
// window of the design: Enter in its three fields calculates.
#pragma once

#include <QPointer>
#include <map>
#include <set>
#include <string>

#include "app/side_window.h"
#include "sweep/sweep.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace ombrel {

class CalcWindow;
class Chart;

class SweepWindow : public SideWindow {
  Q_OBJECT

 public:
  SweepWindow();

  // A new sweep of `input` of the calculator `source`: its caption, the
  // range 0.5 × to 2 × the input's value over 31 points (or, where that is
  // no finite range, empty fields and why), the results the input reaches
  // checked (or the choice made in an earlier sweep of this input), and the
  // first chart. Nothing of an earlier sweep stays.
  void start(CalcWindow* source, const std::string& input);
  // Sweeps over the range as the three fields give it, from the
  // calculator's texts as they stand now (or as they stood when it closed).
  void calculate();
  // The last sweep as a table for a spreadsheet (sweep/sweep.h); before a
  // sweep has run, the header line alone.
  QString table() const;
  QAction* copyAction() const { return copy_; }
  Chart* chart() const { return chart_; }

 private:
  void redraw();
  void checkAll(Qt::CheckState state);
  // The checked results, kept for the window and input while the program runs.
  void rememberChoice();

  const WindowSpec* spec_ = nullptr;
  QPointer<CalcWindow> source_;
  std::map<std::string, std::string> texts_;
  std::string input_;
  Sweep sweep_;
  SweepRange range_;
  std::map<std::string, std::set<std::string>> choices_;  // "window.input" -> checked results

  QLabel* swept_;
  QLineEdit *from_, *to_, *points_;
  QCheckBox* log_;
  QListWidget* results_;
  Chart* chart_;
  QLabel* status_;
  QAction* copy_;
};

}  // namespace ombrel

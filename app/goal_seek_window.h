// SPDX-License-Identifier: GPL-3.0-or-later
// The goal seek window ("反算"): a result of a calculator set to a wanted
// value by solving for one of its inputs, and optionally a second result by
// a second input at once. The solving is sweep/goal_seek.h; this is its Qt
// face. It takes the calculator's texts when 求解 is pressed and never
// changes them, except by 填入, which types the inputs found as the user
// would. Like the sweep window it is no window of the design: Enter in a
// target solves.
#pragma once

#include <QPointer>
#include <QString>
#include <string>

#include "app/side_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ombrel {

class CalcWindow;

class GoalSeekWindow : public SideWindow {
  Q_OBJECT

 public:
  GoalSeekWindow();

  // 反算 of `result` of the calculator `source`: the target its text (a
  // count's whole number above it), the inputs that reach it, no second
  // condition, nothing solved yet.
  void start(CalcWindow* source, const QString& result);
  void solve();
  void fill();

 private:
  QComboBox* makeInputs(const char* name);
  void chooseSecond();
  // The inputs reaching `result` into `box`, but `other`; the choice kept where it can be.
  void listInputs(QComboBox* box, const std::string& result, const QString& other);
  // Marks and what 填入 can do, after any change.
  void refresh();

  QPointer<CalcWindow> source_;
  QMetaObject::Connection sourceClosing_;
  std::string result_;
  bool solved_ = false;
  QString solvedInput_, solvedInput2_;  // the inputs the values shown were found for

  QLabel *title_, *firstResult_, *status_;
  QLineEdit *target_, *target2_, *solved1_, *solved2_, *achieved1_, *achieved2_;
  QComboBox *input_, *result2_, *input2_;
  QPushButton* fill_;
};

}  // namespace ombrel

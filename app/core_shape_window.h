// SPDX-License-Identifier: GPL-3.0-or-later
// The core shape window ("磁芯有效参数"): a core's effective parameters from
// its own dimensions. The family, a drawing of its half-core with the
// letters, a field a letter in mm (filled from a standard shape or typed),
// and on 计算 the set's C1, C2, le, Ae, Ve and Amin; "填入 Ae" types Ae into
// the field the window was opened from, as "选择磁芯" does. The computation
// is parts/core_form.h; this is its Qt face. Like the sweep window it is no
// window of the design: it keeps the calculators' ways (texts read by the
// number rules and marked, a fault in one box, results kept on a fault and
// greyed when out of date) and Enter in a field calculates.
#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <string>

#include "app/side_window.h"

class QComboBox;
class QFormLayout;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ombrel {

class CalcWindow;
class CoreDrawing;

class CoreShapeWindow : public SideWindow {
  Q_OBJECT

 public:
  CoreShapeWindow();

  // Opened from `field` of `source`: where "填入 Ae" types. The family, the
  // dimensions and the results stay as they were left.
  void start(CalcWindow* source, const QString& field);
  // A family ("e" ... "ep"): its letters shown, its drawing, and the
  // dimensions of its usual standard shape; the results emptied.
  void chooseFamily(const std::string& family);
  // A standard shape of the family by its list name ("PQ20/16"): its
  // dimensions typed in (and its RM drawing chosen).
  void chooseShape(const QString& name);
  void calculate();
  void fillAe();

  QLineEdit* dimension(const QString& letter) const { return dimensions_.value(letter); }
  QLineEdit* result(const QString& name) const { return results_.value(name); }

 private:
  // The window's parts, made once: the family, shape and RM drawing lists;
  // a field a letter of any family; the results; the buttons.
  QLayout* makeChoosers();
  QWidget* makeDimensions();
  QWidget* makeResults();
  QLayout* makeButtons();
  std::string family() const;
  // Marks, tooltips and what "填入 Ae" can do, after any change.
  void refresh();
  void outOfDate();

  QPointer<CalcWindow> source_;
  QMetaObject::Connection sourceClosing_;
  QString field_;
  bool current_ = false;  // the results are those of the dimensions shown
  QString target_;        // where Ae goes, in words

  QComboBox *family_, *shape_, *drawing_;
  QLabel* drawingCaption_;
  CoreDrawing* picture_;
  QFormLayout* letters_;
  QHash<QString, QLineEdit*> dimensions_;
  QHash<QString, QLineEdit*> results_;
  QLabel *targetLabel_, *status_;
  QPushButton* fill_;
};

}  // namespace ombrel

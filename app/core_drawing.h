// SPDX-License-Identifier: GPL-3.0-or-later
// The sketch beside the core shape window's dimension fields: which distance
// each letter stands for.
#pragma once

#include <QString>
#include <QWidget>

namespace ombrel {

// One half of a core of a family of shapeFamilies() (parts/core_families.h),
// named by its key there in any letter case ("pq", "PQ"), drawn as a
// designer's sketch: the profile through the legs (B, D, E, F, and RM's hole
// H), and the open face, looking at the legs' ends (A, C and the family's own
// letters), one above the other or side by side, whichever draws larger in
// the widget. Each letter stands beside a thin line with arrowheads that
// spans its distance. The proportions are fixed, one
// representative core a family, not the dimensions typed: the drawing says
// what a letter means, not how big it is.
class CoreDrawing : public QWidget {
  Q_OBJECT

 public:
  explicit CoreDrawing(QWidget* parent = nullptr);

  // A key that names no family of the table draws nothing but the frame.
  void setFamily(const QString& family);
  QString family() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString family_;
};

}  // namespace ombrel

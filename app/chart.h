// SPDX-License-Identifier: GPL-3.0-or-later
// A small line chart of our own, drawn with QPainter: series of points
// against one x axis (linear or logarithmic), round ticks, a legend, and
// the nearest point's texts where the mouse rests. A point without a value
// leaves a gap in its line. One y axis in the series' unit, or, with
// several series of different units, each series drawn over its own range
// (0 % at its least value, 100 % at its greatest), as the legend then says.
// The legend beside the plot wraps long names and scrolls when it is taller
// than the chart. A value beyond the double range is drawn as a gap.
// The tick and mapping arithmetic is sweep/chart_scale.h.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QLabel;
class QScrollArea;

namespace ombrel {

class Chart : public QWidget {
 public:
  struct Series {
    QString name;
    std::vector<std::optional<double>> y;  // one a point of the x axis; none: a gap
    std::vector<QString> yTexts;           // as shown where the mouse rests
  };

  explicit Chart(QWidget* parent = nullptr);

  // The x axis: its title, its points and their texts, and its kind.
  void setX(const QString& title, std::vector<double> x, std::vector<QString> xTexts, bool log);
  // Each series over its own range (true), or all on one y axis in their unit.
  void setSeries(std::vector<Series> series, bool ownRanges);
  // The point the mouse rests on, as "x text | series name: y text", or empty.
  QString hovered() const { return hovered_; }
  // The legend as rich text: each series' colour, name and, with own ranges, its range.
  QString legendText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRectF plotArea() const;
  // Screen position, inside `area`, of a point with a value.
  QPointF at(const QRectF& area, std::size_t series, std::size_t point) const;

  QString xTitle_;
  std::vector<double> x_;
  std::vector<QString> xTexts_;
  bool log_ = false, ownRanges_ = false;
  std::vector<Series> series_;
  std::vector<std::pair<double, double>> ranges_;  // each series' least and greatest value
  double yLo_ = 0, yHi_ = 1;  // the shared y axis
  QString hovered_;
  QScrollArea* legendView_;
  QLabel* legend_;
  std::optional<std::pair<std::size_t, std::size_t>> hoverPoint_;
};

// The colour of the n-th series: distinct, dark enough on white.
QColor seriesColour(std::size_t n);

}  // namespace ombrel

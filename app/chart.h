// SPDX-License-Identifier: GPL-3.0-or-later
// A small line chart of our own, drawn with QPainter: series of points
// against one x axis (linear or logarithmic), round ticks, a legend, and
// every series' value at the nearest point where the mouse rests, in a box
// inside the plot. Each series keeps its colour, dashes and the shape of its
// marks whatever else is drawn, and marks points no other drawn series
// marks. A point without a value leaves a gap in its line. One y axis in the series' unit, or, with
// several series of different units, each series drawn over its own range
// (0 % at its least value, 100 % at its greatest), as the legend then says.
// The legend beside the plot wraps long names and scrolls when it is taller
// than the chart. A value beyond the double range is drawn as a gap.
// The tick, mapping and mark arithmetic is app/chart_scale.h.
#pragma once

#include <QString>
#include <QWidget>
#include <cmath>
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
    std::size_t look = 0;                  // its colour, line and marks (seriesLook), whatever else is drawn
    bool light = false;                    // a thin, pale line without marks: a part of another series
  };

  explicit Chart(QWidget* parent = nullptr);

  // The x axis: its title, its points and their texts, and its kind.
  void setX(const QString& title, std::vector<double> x, std::vector<QString> xTexts, bool log);
  // The y axis' title with its unit, along the axis; none at first.
  void setYTitle(const QString& title);
  // Each series over its own range (true), or all on one y axis in their unit.
  void setSeries(std::vector<Series> series, bool ownRanges);
  // Dashed guide lines at these y values (the shared axis widened to show
  // them) and x values; a new setSeries clears them.
  void setGuides(std::vector<double> ys, std::vector<double> xs);
  // Where the mouse rests, the nearest point's x and every series' value
  // there, as "x title = x text | name = y text | ...", or empty.
  QString hovered() const { return hovered_; }
  // The box those texts are drawn in, inside the plot; empty where the mouse rests on none.
  QRectF readoutBox() const;
  // The legend as rich text: each series' line and marks as a picture, its
  // name and, with own ranges, its range.
  QString legendText() const;
  // Where each axis label is drawn, measured: inside the chart, clear of the legend.
  std::vector<QRectF> labelBoxes() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRectF plotArea() const;
  // The y axis' ticks over the plot's height, and their labels.
  std::vector<std::pair<double, QString>> yTicks(double height) const;
  // Each tick of both axes: where its grid line runs (x or y on the
  // screen), its label and the label's box.
  struct TickLabel {
    bool alongX;
    double at;
    QString text;
    QRectF box;
  };
  std::vector<TickLabel> tickLabels(const QRectF& area) const;
  // Screen position, inside `area`, of a point with a value.
  QPointF at(const QRectF& area, std::size_t series, std::size_t point) const;
  // Where a series' point under the mouse is drawn, where it has one.
  std::optional<QPointF> hoveredAt(const QRectF& area, std::size_t series) const;

  QString xTitle_, yTitle_;
  std::vector<double> x_;
  std::vector<QString> xTexts_;
  bool log_ = false, ownRanges_ = false;
  std::vector<Series> series_;
  std::vector<std::pair<double, double>> ranges_;  // each series' least and greatest value
  double yLo_ = 0, yHi_ = 1;  // the shared y axis
  QString hovered_;
  QScrollArea* legendView_;
  QLabel* legend_;
  std::optional<std::size_t> hoverPoint_;  // the x point the mouse rests nearest
  std::vector<double> guideYs_, guideXs_;
  double dataLo_ = INFINITY, dataHi_ = -INFINITY;  // the series' least and greatest values
  // The shared y axis over the values and the guides.
  void scaleY();
};

// The colour of the n-th series: distinct, dark enough on white.
QColor seriesColour(std::size_t n);

// How the n-th series is drawn: its colour, its line's dashes and the shape
// of its marks, so that curves lying on each other stay told apart. The
// pairs of dashes and shapes repeat only after 30 series.
struct SeriesLook {
  QColor colour;
  Qt::PenStyle line;
  int mark;  // 0 circle, 1 square, 2 triangle, 3 diamond, 4 triangle down, 5 cross
};
SeriesLook seriesLook(std::size_t n);

}  // namespace ombrel

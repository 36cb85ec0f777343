// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chart.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "app/looks.h"
#include "common/number.h"
#include "sweep/chart_scale.h"

namespace ombrel {

namespace {

QString tickText(double v) { return qs(TextFromNumber(v)); }

constexpr int kLegendWidth = 190;

// A series whose values differ only in their last digits is drawn flat:
// stretched over its own range, the rounding noise would fill the plot.
bool flat(double lo, double hi) { return hi / 2 - lo / 2 <= 0.5e-9 * std::max(std::fabs(lo), std::fabs(hi)); }

bool finite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

}  // namespace

QColor seriesColour(std::size_t n) {
  static const QColor colours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
                                   QColor(0x94, 0x67, 0xbd), QColor(0xff, 0x7f, 0x0e), QColor(0x8c, 0x56, 0x4b),
                                   QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f), QColor(0xbc, 0xbd, 0x22),
                                   QColor(0x17, 0xbe, 0xcf)};
  if (n < std::size(colours)) return colours[n];
  // Beyond them, hues a golden angle apart, two shades alternating: no two alike.
  const double hue = std::fmod(0.05 + double(n) * 0.6180339887498949, 1.0);
  return QColor::fromHsvF(float(hue), 0.85f, n % 2 ? 0.55f : 0.72f);
}

Chart::Chart(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setMinimumSize(480, 300);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  // The legend beside the plot, wrapped, and scrolled where it is taller than the chart.
  legendView_ = new QScrollArea(this);
  legendView_->setObjectName(QStringLiteral("legend"));
  legendView_->setFrameShape(QFrame::NoFrame);
  legendView_->setWidgetResizable(true);
  legendView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  legend_ = new QLabel(legendView_);
  legend_->setTextFormat(Qt::RichText);
  legend_->setWordWrap(true);
  legend_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  legend_->setAutoFillBackground(true);
  legend_->setBackgroundRole(QPalette::Base);
  legendView_->setWidget(legend_);
}

void Chart::resizeEvent(QResizeEvent*) {
  const QRectF area = plotArea();
  legendView_->setGeometry(int(area.right()) + 12, int(area.top()), kLegendWidth + 4, int(height() - area.top() - 4));
}

QString Chart::legendText() const { return legend_->text(); }

void Chart::setX(const QString& title, std::vector<double> x, std::vector<QString> xTexts, bool log) {
  xTitle_ = title;
  x_ = std::move(x);
  xTexts_ = std::move(xTexts);
  log_ = log;
  update();
}

void Chart::setSeries(std::vector<Series> series, bool ownRanges) {
  series_ = std::move(series);
  ownRanges_ = ownRanges;
  ranges_.clear();
  double lo = INFINITY, hi = -INFINITY;
  for (Series& s : series_) {
    auto& [least, greatest] = ranges_.emplace_back(INFINITY, -INFINITY);
    for (auto& y : s.y) {
      if (y && !std::isfinite(*y)) y.reset();  // a text beyond the range is drawn as a gap
      if (y) least = std::min(least, *y), greatest = std::max(greatest, *y);
    }
    lo = std::min(lo, least);
    hi = std::max(hi, greatest);
  }
  const AxisScale shared = std::isfinite(lo) ? roundedScale(lo, hi, 7) : AxisScale{0, 1, false};
  yLo_ = ownRanges_ ? 0 : shared.lo;
  yHi_ = ownRanges_ ? 1 : shared.hi;
  hovered_.clear();
  hoverPoint_.reset();
  // The legend: a line of colour, the name, and with own ranges the range
  // that 0 % and 100 % stand for; names and ranges wrap, never cut.
  QString legend;
  if (ownRanges_ && !series_.empty())
    legend += QStringLiteral("<p>各结果按自身范围归一化：</p>");
  for (std::size_t n = 0; n < series_.size(); ++n) {
    legend += QStringLiteral("<p style=\"margin-bottom:4px\"><span style=\"color:%1\">■■</span> %2")
                  .arg(seriesColour(n).name(), series_[n].name.toHtmlEscaped());
    const auto [lo, hi] = ranges_[n];
    if (ownRanges_ && std::isfinite(lo))
      legend += QStringLiteral("<br>") + (flat(lo, hi) ? QStringLiteral("不变，") + tickText(lo)
                                                        : tickText(lo) + QStringLiteral(" … ") + tickText(hi));
    legend += QStringLiteral("</p>");
  }
  legend_->setText(legend);
  legendView_->setVisible(!series_.empty());
  update();
}

QRectF Chart::plotArea() const {
  const QFontMetrics fm(font());
  const double left = fm.horizontalAdvance(QStringLiteral("-1.23456E+15")) + 16;
  return QRectF(left, 12, std::max(10.0, width() - left - kLegendWidth - 16),
                std::max(10.0, height() - 12 - 2.6 * fm.height() - 8));
}

QPointF Chart::at(const QRectF& area, std::size_t n, std::size_t i) const {
  const AxisScale xs{x_.front(), x_.back(), log_};
  double y = *series_[n].y[i];
  if (ownRanges_) {
    const auto [lo, hi] = ranges_[n];
    y = flat(lo, hi) ? 0.5 : AxisScale{lo, hi, false}.fraction(y);
  }
  const AxisScale ys{yLo_, yHi_, false};
  return {area.left() + xs.fraction(x_[i]) * area.width(), area.bottom() - ys.fraction(y) * area.height()};
}

void Chart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF area = plotArea();
  const QFontMetrics fm(font());
  const QColor text = palette().color(QPalette::Text), grid(0xdd, 0xdd, 0xdd);

  // Ticks and grid: x over the swept range, y over the shared axis or 0..100 %.
  if (x_.size() >= 2 && x_.front() != x_.back()) {
    const double lo = std::min(x_.front(), x_.back()), hi = std::max(x_.front(), x_.back());
    const AxisScale xs{x_.front(), x_.back(), log_};
    const int most = std::max(2, int(area.width() / (fm.horizontalAdvance(QStringLiteral("0.000000")) + 12)));
    for (const double t : log_ ? logTicks(lo, hi) : linearTicks(lo, hi, most)) {
      const double px = area.left() + xs.fraction(t) * area.width();
      p.setPen(grid);
      p.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
      p.setPen(text);
      const QString label = tickText(t);
      p.drawText(QPointF(px - fm.horizontalAdvance(label) / 2.0, area.bottom() + fm.ascent() + 4), label);
    }
  }
  const AxisScale ys{yLo_, yHi_, false};
  for (const double t : linearTicks(yLo_, yHi_, std::max(2, int(area.height() / (2.2 * fm.height()))))) {
    const double py = area.bottom() - ys.fraction(t) * area.height();
    p.setPen(grid);
    p.drawLine(QPointF(area.left(), py), QPointF(area.right(), py));
    p.setPen(text);
    const QString label = ownRanges_ ? tickText(t * 100) + QStringLiteral("%") : tickText(t);
    p.drawText(QPointF(area.left() - 6 - fm.horizontalAdvance(label), py + fm.ascent() / 2.0 - 1), label);
  }
  p.setPen(text);
  p.drawRect(area);
  p.drawText(QRectF(area.left(), area.bottom() + fm.height() + 6, area.width(), fm.height() + 4),
             Qt::AlignHCenter | Qt::AlignTop, xTitle_ + (log_ ? QStringLiteral("（对数刻度）") : QString()));

  // The lines, broken where a point has no value, and the points themselves.
  p.save();
  p.setClipRect(area.adjusted(-3, -3, 3, 3));
  for (std::size_t n = 0; n < series_.size(); ++n) {
    QPen pen(seriesColour(n), 2);
    p.setPen(pen);
    QPainterPath path;
    bool open = false;
    for (std::size_t i = 0; i < x_.size() && i < series_[n].y.size(); ++i) {
      if (!series_[n].y[i]) {
        open = false;
        continue;
      }
      const QPointF pt = at(area, n, i);
      if (!finite(pt)) {  // nothing the painter cannot place
        open = false;
        continue;
      }
      if (open)
        path.lineTo(pt);
      else
        path.moveTo(pt);
      open = true;
      if (x_.size() <= 60) p.drawEllipse(pt, 2.0, 2.0);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
  p.restore();

  // Where the mouse rests: the point ringed, its texts in a box beside it.
  if (hoverPoint_) {
    const QPointF pt = at(area, hoverPoint_->first, hoverPoint_->second);
    p.setPen(QPen(seriesColour(hoverPoint_->first), 2));
    p.setBrush(palette().color(QPalette::Base));
    p.drawEllipse(pt, 5.0, 5.0);
    const QStringList lines = hovered_.split(QStringLiteral(" | "));
    double w = 0;
    for (const QString& line : lines) w = std::max<double>(w, fm.horizontalAdvance(line));
    QRectF box(pt + QPointF(10, 10), QSizeF(w + 12, lines.size() * fm.height() + 8));
    if (box.right() > width()) box.moveRight(pt.x() - 10);
    if (box.bottom() > height()) box.moveBottom(pt.y() - 10);
    p.setPen(text);
    p.setBrush(palette().color(QPalette::ToolTipBase));
    p.drawRect(box);
    p.setPen(palette().color(QPalette::ToolTipText));
    for (int i = 0; i < lines.size(); ++i)
      p.drawText(QPointF(box.left() + 6, box.top() + 4 + fm.ascent() + i * fm.height()), lines[i]);
  }
}

void Chart::mouseMoveEvent(QMouseEvent* event) {
  const QPointF m = event->position();
  const QRectF area = plotArea();
  std::optional<std::pair<std::size_t, std::size_t>> best;
  double bestDistance = 24 * 24;  // within 24 pixels
  if (x_.size() >= 2 && x_.front() != x_.back())
    for (std::size_t n = 0; n < series_.size(); ++n)
      for (std::size_t i = 0; i < x_.size() && i < series_[n].y.size(); ++i) {
        if (!series_[n].y[i]) continue;
        const QPointF d = at(area, n, i) - m;
        if (!finite(d)) continue;
        const double distance = d.x() * d.x() + d.y() * d.y();
        if (distance < bestDistance) bestDistance = distance, best = std::pair{n, i};
      }
  if (best == hoverPoint_) return;
  hoverPoint_ = best;
  hovered_ = best ? QStringLiteral("%1 = %2 | %3 = %4")
                        .arg(xTitle_, xTexts_[best->second], series_[best->first].name,
                             series_[best->first].yTexts[best->second])
                  : QString();
  update();
}

void Chart::leaveEvent(QEvent*) {
  hoverPoint_.reset();
  hovered_.clear();
  update();
}

}  // namespace ombrel

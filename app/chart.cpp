// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chart.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "app/looks.h"
#include "common/number.h"
#include "app/chart_scale.h"

namespace ombrel {

namespace {

QString tickText(double v) { return qs(TextFromNumber(v)); }

constexpr int kLegendWidth = 190;

// A series whose values differ only in their last digits is drawn flat:
// stretched over its own range, the rounding noise would fill the plot.
bool flat(double lo, double hi) { return hi / 2 - lo / 2 <= 0.5e-9 * std::max(std::fabs(lo), std::fabs(hi)); }

bool finite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

QPen linePen(const SeriesLook& look) { return QPen(look.colour, 2, look.line, Qt::FlatCap, Qt::RoundJoin); }

// A light series' pen: one pixel, its colour half transparent.
QPen lightened(QPen pen, bool light) {
  if (!light) return pen;
  QColor pale = pen.color();
  pale.setAlphaF(0.45f);
  pen.setColor(pale);
  pen.setWidthF(1);
  return pen;
}

// A series' mark at c, about 7 pixels across, filled in its colour.
void drawMark(QPainter& p, QPointF c, const SeriesLook& look) {
  const double r = 3.5;
  p.save();
  p.setPen(QPen(look.colour, 1.2));
  p.setBrush(look.colour);
  switch (look.mark) {
    case 0: p.drawEllipse(c, r, r); break;
    case 1: p.drawRect(QRectF(c - QPointF(r * 0.85, r * 0.85), QSizeF(1.7 * r, 1.7 * r))); break;
    case 2: p.drawPolygon(QPolygonF{c + QPointF(0, -r), c + QPointF(r, r * 0.8), c + QPointF(-r, r * 0.8)}); break;
    case 3: p.drawPolygon(QPolygonF{c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r), c + QPointF(-r, 0)}); break;
    case 4: p.drawPolygon(QPolygonF{c + QPointF(0, r), c + QPointF(r, -r * 0.8), c + QPointF(-r, -r * 0.8)}); break;
    default:
      p.setPen(QPen(look.colour, 2));
      p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
      p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
  }
  p.restore();
}

// A series' line with one mark (a light one's thin and pale, without), as a
// picture the legend's rich text holds.
QString sampleOf(const SeriesLook& look, bool light) {
  constexpr int w = 34, h = 12, scale = 2;
  QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(lightened(linePen(look), light));
    p.drawLine(QPointF(1, h / 2.0), QPointF(w - 1, h / 2.0));
    if (!light) drawMark(p, QPointF(w / 2.0, h / 2.0), look);
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return QStringLiteral("<img src=\"data:image/png;base64,%1\" width=\"%2\" height=\"%3\">")
      .arg(QString::fromLatin1(png.toBase64()))
      .arg(w)
      .arg(h);
}

}  // namespace

QColor seriesColour(std::size_t n) {
  // Ten light and clear, then ten dark ones of other hues: a window's
  // results (seventeen at most) each have a colour unlike the others.
  static const QColor colours[] = {
      QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c), QColor(0x94, 0x67, 0xbd),
      QColor(0xff, 0x7f, 0x0e), QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f),
      QColor(0xbc, 0xbd, 0x22), QColor(0x17, 0xbe, 0xcf), QColor(0x1a, 0x23, 0x7e), QColor(0x7b, 0x1e, 0x1e),
      QColor(0x00, 0x69, 0x5c), QColor(0xb8, 0x86, 0x0b), QColor(0x4a, 0x14, 0x8c), QColor(0x22, 0x22, 0x22),
      QColor(0xc2, 0x18, 0x5b), QColor(0x55, 0x6b, 0x2f), QColor(0x45, 0x5a, 0x64), QColor(0xe6, 0x51, 0x00)};
  if (n < std::size(colours)) return colours[n];
  // Beyond them, hues a golden angle apart, two shades alternating: no two alike.
  const double hue = std::fmod(0.05 + double(n) * 0.6180339887498949, 1.0);
  return QColor::fromHsvF(float(hue), 0.85f, n % 2 ? 0.55f : 0.72f);
}

SeriesLook seriesLook(std::size_t n) {
  static const Qt::PenStyle lines[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};
  return {seriesColour(n), lines[n % std::size(lines)], int(n % 6)};
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

void Chart::setYTitle(const QString& title) {
  yTitle_ = title;  // the plot narrows on the left to make room for it
  update();
}

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
  dataLo_ = lo;
  dataHi_ = hi;
  guideYs_.clear();
  guideXs_.clear();
  scaleY();
  hovered_.clear();
  hoverPoint_.reset();
  // The legend: a line of colour, the name, and with own ranges the range
  // that 0 % and 100 % stand for; names and ranges wrap, never cut.
  QString legend;
  if (ownRanges_ && !series_.empty())
    legend += QStringLiteral("<p>各结果按自身范围归一化：</p>");
  for (std::size_t n = 0; n < series_.size(); ++n) {
    legend += QStringLiteral("<p style=\"margin-bottom:4px\">%1 %2")
                  .arg(sampleOf(seriesLook(series_[n].look), series_[n].light), series_[n].name.toHtmlEscaped());
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

void Chart::setGuides(std::vector<double> ys, std::vector<double> xs) {
  guideYs_ = std::move(ys);
  guideXs_ = std::move(xs);
  scaleY();
  update();
}

void Chart::scaleY() {
  double lo = dataLo_, hi = dataHi_;
  for (const double y : guideYs_)
    if (std::isfinite(y) && std::isfinite(lo)) lo = std::min(lo, y), hi = std::max(hi, y);
  const AxisScale shared = std::isfinite(lo) ? roundedScale(lo, hi, 7) : AxisScale{0, 1, false};
  yLo_ = ownRanges_ ? 0 : shared.lo;
  yHi_ = ownRanges_ ? 1 : shared.hi;
}

QRectF Chart::plotArea() const {
  const QFontMetrics fm(font());
  const double height = std::max(10.0, this->height() - 12 - 2.6 * fm.height() - 8);
  // Room for the widest y label, and never less than a long one takes.
  double labels = fm.horizontalAdvance(QStringLiteral("-1.23456E+15"));
  for (const auto& [t, label] : yTicks(height)) labels = std::max<double>(labels, fm.horizontalAdvance(label));
  const double left = labels + 16 + (yTitle_.isEmpty() ? 0 : fm.height() + 4);
  return QRectF(left, 12, std::max(10.0, width() - left - kLegendWidth - 16), height);
}

std::vector<Chart::TickLabel> Chart::tickLabels(const QRectF& area) const {
  const QFontMetrics fm(font());
  std::vector<TickLabel> labels;
  if (x_.size() >= 2 && x_.front() != x_.back()) {
    const double lo = std::min(x_.front(), x_.back()), hi = std::max(x_.front(), x_.back());
    const AxisScale xs{x_.front(), x_.back(), log_};
    const int most = std::max(2, int(area.width() / (fm.horizontalAdvance(QStringLiteral("0.000000")) + 12)));
    for (const double t : log_ ? logTicks(lo, hi) : linearTicks(lo, hi, most)) {
      const double px = area.left() + xs.fraction(t) * area.width();
      // Centred under its tick; at the ends moved in so that neither the
      // widget's edge nor the legend cuts it.
      const QString text = tickText(t);
      const double w = fm.horizontalAdvance(text);
      const double x = std::clamp(px - w / 2, 2.0, std::max(2.0, area.right() + 10 - w));
      labels.push_back({true, px, text, QRectF(x, area.bottom() + 4, w, fm.height())});
    }
  }
  const AxisScale ys{yLo_, yHi_, false};
  for (const auto& [t, text] : yTicks(area.height())) {
    const double py = area.bottom() - ys.fraction(t) * area.height();
    const double w = fm.horizontalAdvance(text);
    labels.push_back({false, py, text, QRectF(area.left() - 6 - w, py - fm.ascent() / 2.0 - 1, w, fm.height())});
  }
  return labels;
}

std::vector<QRectF> Chart::labelBoxes() const {
  std::vector<QRectF> boxes;
  for (const TickLabel& tick : tickLabels(plotArea())) boxes.push_back(tick.box);
  return boxes;
}

std::vector<std::pair<double, QString>> Chart::yTicks(double height) const {
  const QFontMetrics fm(font());
  std::vector<std::pair<double, QString>> ticks;
  for (const double t : linearTicks(yLo_, yHi_, std::max(2, int(height / (2.2 * fm.height())))))
    ticks.emplace_back(t, ownRanges_ ? tickText(t * 100) + QStringLiteral("%") : tickText(t));
  return ticks;
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
  for (const TickLabel& tick : tickLabels(area)) {
    p.setPen(grid);
    if (tick.alongX)
      p.drawLine(QPointF(tick.at, area.top()), QPointF(tick.at, area.bottom()));
    else
      p.drawLine(QPointF(area.left(), tick.at), QPointF(area.right(), tick.at));
    p.setPen(text);
    p.drawText(QPointF(tick.box.left(), tick.box.top() + fm.ascent()), tick.text);
  }
  p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1, Qt::DashLine));
  if (!ownRanges_)
    for (const double y : guideYs_)
      if (const double at = area.bottom() - AxisScale{yLo_, yHi_, false}.fraction(y) * area.height();
          at >= area.top() && at <= area.bottom())
        p.drawLine(QPointF(area.left(), at), QPointF(area.right(), at));
  if (x_.size() >= 2 && x_.front() != x_.back())
    for (const double x : guideXs_)
      if (const double at = area.left() + AxisScale{x_.front(), x_.back(), log_}.fraction(x) * area.width();
          at >= area.left() && at <= area.right())
        p.drawLine(QPointF(at, area.top()), QPointF(at, area.bottom()));
  p.setPen(text);
  p.drawRect(area);
  p.drawText(QRectF(area.left(), area.bottom() + fm.height() + 6, area.width(), fm.height() + 4),
             Qt::AlignHCenter | Qt::AlignTop, xTitle_ + (log_ ? QStringLiteral("（对数刻度）") : QString()));
  if (!yTitle_.isEmpty()) {  // along the axis, reading upwards, at the chart's left edge
    p.save();
    p.translate(2, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-area.height() / 2, 0, area.height(), fm.height() + 2), Qt::AlignHCenter | Qt::AlignTop,
               yTitle_);
    p.restore();
  }

  // The lines, broken where a point has no value, each in its colour and
  // dashes, and about a dozen of its marks at points no other series marks
  // (markedPoints), so that curves on each other show all their marks.
  p.save();
  p.setClipRect(area.adjusted(-5, -5, 5, 5));
  const auto marked = std::count_if(series_.begin(), series_.end(), [](const Series& s) { return !s.light; });
  std::vector<QPainterPath> paths(series_.size());
  std::vector<std::vector<QPointF>> marks(series_.size());
  for (std::size_t n = 0, turn = 0; n < series_.size(); ++n) {
    std::vector<bool> marksAt(x_.size());
    if (!series_[n].light)
      for (const std::size_t i : markedPoints(x_.size(), std::size_t(marked), turn++)) marksAt[i] = true;
    bool open = false;
    for (std::size_t i = 0; i < x_.size() && i < series_[n].y.size(); ++i) {
      const QPointF pt = series_[n].y[i] ? at(area, n, i) : QPointF(NAN, NAN);
      if (!finite(pt)) {  // a gap, or nothing the painter can place
        open = false;
        continue;
      }
      if (open)
        paths[n].lineTo(pt);
      else
        paths[n].moveTo(pt);
      open = true;
      if (marksAt[i]) marks[n].push_back(pt);
    }
  }
  // Solid lines under dashed ones, dashed under dotted: a line lying on
  // another shows through its gaps. The marks over all lines.
  std::vector<std::size_t> order(series_.size());
  for (std::size_t n = 0; n < order.size(); ++n) order[n] = n;
  std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
    return seriesLook(series_[a].look).line < seriesLook(series_[b].look).line;
  });
  p.setBrush(Qt::NoBrush);
  for (const std::size_t n : order) {
    p.setPen(lightened(linePen(seriesLook(series_[n].look)), series_[n].light));
    p.drawPath(paths[n]);
  }
  for (std::size_t n = 0; n < series_.size(); ++n)
    for (const QPointF& pt : marks[n]) drawMark(p, pt, seriesLook(series_[n].look));
  p.restore();

  // Where the mouse rests: every series' point at that x ringed, the texts
  // in a box beside the nearest, kept inside the plot (the legend would
  // cover what stands beyond its right edge).
  if (hoverPoint_) {
    for (std::size_t n = 0; n < series_.size(); ++n)
      if (const std::optional<QPointF> pt = hoveredAt(area, n)) {
        p.setPen(QPen(seriesLook(series_[n].look).colour, 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(*pt, 6.0, 6.0);
      }
    const QRectF box = readoutBox();
    p.setPen(text);
    p.setBrush(palette().color(QPalette::ToolTipBase));
    p.drawRect(box);
    p.setPen(palette().color(QPalette::ToolTipText));
    const QStringList lines = hovered_.split(QStringLiteral(" | "));
    for (int i = 0; i < lines.size(); ++i)
      p.drawText(QPointF(box.left() + 6, box.top() + 4 + fm.ascent() + i * fm.height()), lines[i]);
  }
}

std::optional<QPointF> Chart::hoveredAt(const QRectF& area, std::size_t n) const {
  if (!hoverPoint_ || *hoverPoint_ >= series_[n].y.size() || !series_[n].y[*hoverPoint_]) return std::nullopt;
  const QPointF pt = at(area, n, *hoverPoint_);
  return finite(pt) ? std::optional(pt) : std::nullopt;
}

QRectF Chart::readoutBox() const {
  if (!hoverPoint_) return {};
  const QRectF area = plotArea();
  std::optional<QPointF> anchor;
  for (std::size_t n = 0; n < series_.size() && !anchor; ++n) anchor = hoveredAt(area, n);
  const QPointF pt = anchor.value_or(area.center());
  const QFontMetrics fm(font());
  const QStringList lines = hovered_.split(QStringLiteral(" | "));
  double w = 0;
  for (const QString& line : lines) w = std::max<double>(w, fm.horizontalAdvance(line));
  // Below and right of the point, or above and left of it where the plot
  // ends there; never beyond the plot's edges, and where it is wider or
  // taller than the plot, from its left or top edge.
  QRectF box(pt + QPointF(10, 10), QSizeF(w + 12, lines.size() * fm.height() + 8));
  if (box.right() > area.right()) box.moveRight(pt.x() - 10);
  if (box.bottom() > area.bottom()) box.moveBottom(pt.y() - 10);
  box.moveRight(std::min(box.right(), area.right()));
  box.moveBottom(std::min(box.bottom(), area.bottom()));
  box.moveLeft(std::max(box.left(), area.left()));
  box.moveTop(std::max(box.top(), area.top()));
  return box;
}

void Chart::mouseMoveEvent(QMouseEvent* event) {
  const QPointF m = event->position();
  const QRectF area = plotArea();
  std::optional<std::size_t> best;
  double bestDistance = 24 * 24;  // within 24 pixels of a drawn point
  if (x_.size() >= 2 && x_.front() != x_.back())
    for (std::size_t n = 0; n < series_.size(); ++n)
      for (std::size_t i = 0; i < x_.size() && i < series_[n].y.size(); ++i) {
        if (!series_[n].y[i]) continue;
        const QPointF d = at(area, n, i) - m;
        if (!finite(d)) continue;
        const double distance = d.x() * d.x() + d.y() * d.y();
        if (distance < bestDistance) bestDistance = distance, best = i;
      }
  if (best == hoverPoint_) return;
  hoverPoint_ = best;
  hovered_.clear();
  if (best) {
    hovered_ = QStringLiteral("%1 = %2").arg(xTitle_, xTexts_[*best]);
    for (const Series& s : series_)
      hovered_ += QStringLiteral(" | %1 = %2")
                      .arg(s.name, *best < s.y.size() && s.y[*best] ? s.yTexts[*best] : QStringLiteral("（无）"));
  }
  update();
}

void Chart::leaveEvent(QEvent*) {
  hoverPoint_.reset();
  hovered_.clear();
  update();
}

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/fonts.h"
#include "app/looks.h"
#include "parts/core_families.h"

namespace ombrel {

namespace {

// Pixels: the first dimension line off the outline, the next ones further
// out, the extension lines' gap from the outline and their overshoot, the
// arrowheads, the letter's gap from its line, and the space between the views.
constexpr double kLevel = 10, kStep = 15, kExtGap = 2, kExtOver = 3;
constexpr double kArrow = 6, kLabelGap = 3, kViewGap = 14;

const QColor kDimColour(0x1c, 0x3c, 0x96);

double dot(const QPointF& a, const QPointF& b) { return a.x() * b.x() + a.y() * b.y(); }

// A distance marked on the drawing, between the points a and b (model mm,
// y down) seen square to `along`. Its line runs through `at`, moved `px`
// pixels to the right of `along` as seen on the screen (down for a line
// running right, right for one running up). The letter stands on the side
// `side` of the line (+1 that way, −1 the other, 0 on the line itself) at
// the fraction `t` of it; below 0 or above 1 it stands past that end.
struct Dim {
  QString letter;
  QPointF a, b, along, at;
  double px = 0;
  int side = 1;
  double t = 0.5;
};

// A horizontal distance, its line at the height y; px > 0 moves it down.
Dim across(const QString& letter, QPointF a, QPointF b, double y, double px, int side, double t = 0.5) {
  return {letter, a, b, {1, 0}, {0, y}, px, side, t};
}

// A vertical distance, its line at x; px > 0 moves it right.
Dim upright(const QString& letter, QPointF a, QPointF b, double x, double px, int side, double t = 0.5) {
  return {letter, a, b, {0, -1}, {x, 0}, px, side, t};
}

// One view: the core's outline (filled light grey; hatched when it is a
// cut), the faces nearer the eye (a shade darker), the centre lines (each
// drawn a few pixels past its ends) and the dimensions.
struct View {
  QPainterPath body, faces;
  bool cut = false;
  std::vector<QLineF> axes;
  std::vector<Dim> dims;
};

// A dimension on the screen: its line's ends (where the arrowheads point),
// the extension lines and the line itself, and the letter's box.
struct Placed {
  QPointF p, q;
  std::vector<QLineF> lines;
  QRectF label;
  bool outside = false;  // too short for the arrowheads inside: they point in from outside
};

Placed place(const Dim& d, const QTransform& m, const QSizeF& size) {
  Placed r;
  const QPointF n(-d.along.y(), d.along.x());
  const QPointF a = m.map(d.a), b = m.map(d.b), at = m.map(d.at);
  r.p = a + n * (dot(at - a, n) + d.px);
  r.q = b + n * (dot(at - b, n) + d.px);
  for (const auto& [from, to] : {std::pair{a, r.p}, std::pair{b, r.q}}) {
    const double gap = dot(to - from, n), sign = gap > 0 ? 1 : -1;
    if (std::fabs(gap) > kExtGap + 1)
      r.lines.emplace_back(from + n * (sign * kExtGap), to + n * (sign * kExtOver));
  }
  const double length = QLineF(r.p, r.q).length();
  const QPointF w = length > 0 ? (r.q - r.p) / length : d.along;
  r.outside = length < 2 * kArrow + 6;
  const double stub = r.outside ? kArrow + 5 : 0;
  r.lines.emplace_back(r.p - w * stub, r.q + w * stub);
  // Half the letter's box along the line and across it.
  const double along = std::fabs(w.x()) * size.width() / 2 + std::fabs(w.y()) * size.height() / 2;
  const double across = std::fabs(n.x()) * size.width() / 2 + std::fabs(n.y()) * size.height() / 2;
  const double past = d.side ? along + kLabelGap : stub + along + kLabelGap;
  QPointF c = d.t < 0 ? r.p - w * past : d.t > 1 ? r.q + w * past : r.p + (r.q - r.p) * d.t;
  c += n * (d.side * (across + kLabelGap));
  r.label = QRectF(c - QPointF(size.width() / 2, size.height() / 2), size);
  return r;
}

// A centre line on the screen, drawn a few pixels past the part it halves.
QLineF stretched(const QLineF& line) {
  const QPointF u = (line.p2() - line.p1()) / std::max(1e-9, line.length());
  return {line.p1() - u * 4, line.p2() + u * 4};
}

QPolygonF arrowhead(const QPointF& tip, const QPointF& pointing) {
  const QPointF side(-pointing.y() * 2.2, pointing.x() * 2.2);
  return QPolygonF{tip, tip - pointing * kArrow + side, tip - pointing * kArrow - side};
}

QPainterPath polygon(const QPolygonF& points) {
  QPainterPath path;
  path.addPolygon(points);
  path.closeSubpath();
  return path;
}

// a − b, worked out a hundred times larger: the painter path's boolean
// operations flatten arcs to a tolerance in its own units, and in mm a
// circle would come out a polygon.
QPainterPath minus(const QPainterPath& a, const QPainterPath& b) {
  const QTransform up = QTransform::fromScale(100, 100), down = QTransform::fromScale(0.01, 0.01);
  return down.map(up.map(a).subtracted(up.map(b)));
}

QPainterPath circle(QPointF centre, double diameter) {
  QPainterPath path;
  path.addEllipse(centre, diameter / 2, diameter / 2);
  return path;
}

QPainterPath box(double left, double top, double right, double bottom) {
  QPainterPath path;
  path.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized());
  return path;
}

// The proportions a family's sketch is drawn with, in mm, by the letters of
// its drawing (a letter the family has not is 0): its row of shapeFamilies().
using Sketch = FamilySketch;

// The profile through the legs, the open face up: the outer legs from E/2
// to A/2, the centre leg F wide, the yoke B − D high under the windows, and
// a hole H through the centre leg where H > 0. The base is at y = 0, the
// legs' ends at y = −B. B at the left, D inside the right window, F and E
// (and H) over the legs' ends.
View profile(const Sketch& s, bool cut) {
  const double a = s.A, b = s.B, d = s.D, e = s.E, f = s.F, hole = s.H;
  const double h = b - d;
  View v;
  v.body = polygon({{-a / 2, 0}, {a / 2, 0}, {a / 2, -b}, {e / 2, -b}, {e / 2, -h}, {f / 2, -h}, {f / 2, -b},
                    {-f / 2, -b}, {-f / 2, -h}, {-e / 2, -h}, {-e / 2, -b}, {-a / 2, -b}});
  if (hole > 0) v.body = minus(v.body, box(-hole / 2, 1, hole / 2, -b - 1));
  v.cut = cut;
  v.axes = {QLineF(0, 0, 0, -b)};
  const double top = hole > 0 ? kStep : 0;
  v.dims = {upright("B", {-a / 2, 0}, {-a / 2, -b}, -a / 2, -kLevel, -1),
            upright("D", {e / 2, -h}, {e / 2, -b}, e / 2, -4, -1),
            across("F", {-f / 2, -b}, {f / 2, -b}, -b, -kLevel - top, -1),
            across("E", {-e / 2, -b}, {e / 2, -b}, -b, -kLevel - kStep - top, -1)};
  if (hole > 0) v.dims.push_back(across("H", {-hole / 2, -b}, {hole / 2, -b}, -b, -kLevel, -1));
  return v;
}

// A under the open face (`below` pixels further down) and C at its right:
// the face spans −A/2 … A/2 and −C/2 … C/2, the front below.
void widthAndDepth(View& v, double a, double c, double below = 0) {
  v.dims.push_back(across("A", {-a / 2, c / 2}, {a / 2, c / 2}, c / 2, kLevel + below, 1));
  v.dims.push_back(upright("C", {a / 2, c / 2}, {a / 2, -c / 2}, a / 2, kLevel, 1));
}

// The open face of E and EFD cores: the outer legs' ends and, for EFD
// (F2 > 0), a flat centre leg F wide and F2 deep, K from the back face (at
// the top), its corners cut by q at 45°.
View eFace(const Sketch& s) {
  const double a = s.A, c = s.C, e = s.E, f = s.F, f2 = s.F2, k = s.K, q = s.q;
  View v;
  v.body = box(-a / 2, -c / 2, a / 2, c / 2);
  v.faces = box(-a / 2, -c / 2, -e / 2, c / 2);
  v.faces.addPath(box(e / 2, -c / 2, a / 2, c / 2));
  widthAndDepth(v, a, c);
  if (f2 <= 0) {
    v.faces.addPath(box(-f / 2, -c / 2, f / 2, c / 2));
    return v;
  }
  const double y0 = -c / 2 + k, y1 = y0 + f2;  // the centre leg's back and front faces
  v.faces.addPath(polygon({{-f / 2 + q, y0}, {f / 2 - q, y0}, {f / 2, y0 + q}, {f / 2, y1 - q},
                           {f / 2 - q, y1}, {-f / 2 + q, y1}, {-f / 2, y1 - q}, {-f / 2, y0 + q}}));
  // F2 across the leg's own face; K in the window at its right, the letter
  // beside the leg; q at the leg's front left corner, the letter in front of it.
  v.dims.push_back(upright("F2", {-f / 4, y1}, {-f / 4, y0}, -f / 4, 0, 1));
  v.dims.push_back(upright("K", {f / 2 - q, y0}, {f / 2, -c / 2}, f / 2, 4, 1, -1));
  v.dims.push_back(upright("q", {-f / 2 + q, y1}, {-f / 2, y1 - q}, -f / 2, -4, -1, -1));
  return v;
}

// Round centre leg F at the middle of the face, with its centre lines.
void roundLeg(View& v, QPointF centre, double f, double hole = 0) {
  v.faces.addPath(hole > 0 ? minus(circle(centre, f), circle(centre, hole)) : circle(centre, f));
  v.axes.push_back(QLineF(centre.x() - f / 2, centre.y(), centre.x() + f / 2, centre.y()));
  v.axes.push_back(QLineF(centre.x(), centre.y() - f / 2, centre.x(), centre.y() + f / 2));
}

View etdFace(const Sketch& s) {
  const double a = s.A, c = s.C, e = s.E, f = s.F;
  View v;
  v.body = box(-a / 2, -c / 2, a / 2, c / 2);
  v.faces = minus(v.body, circle({}, e));
  roundLeg(v, {}, f);
  widthAndDepth(v, a, c);
  return v;
}

// PQ: the outer legs between the bore E and the outline, cut off square at
// the slot G; the base plate runs from the legs' tips on the bore to its
// corners (±J/2, ±L/2) and from there in toward the centre leg.
View pqFace(const Sketch& s) {
  const double a = s.A, c = s.C, e = s.E, f = s.F, g = s.G, j = s.J, l = s.L;
  View v;
  const double tip = std::sqrt(e * e - g * g) / 2;  // the legs' tips on the bore
  v.body = box(-a / 2, -c / 2, a / 2, c / 2);
  for (const double s : {-1.0, 1.0})
    v.body = minus(v.body, polygon(
        {{g / 2, s * (c / 2 + 1)}, {g / 2, s * tip}, {j / 2, s * l / 2}, {0, 0}, {-j / 2, s * l / 2},
         {-g / 2, s * tip}, {-g / 2, s * (c / 2 + 1)}}));
  v.faces = minus(minus(box(-a / 2, -c / 2, a / 2, c / 2), circle({}, e)),
                  box(-g / 2, -c / 2 - 1, g / 2, c / 2 + 1));
  roundLeg(v, {}, f);
  const double lx = -(f / 2 + 0.3 * (e - f) / 2);  // L in the left part of the bore
  v.dims = {across("G", {-g / 2, -c / 2}, {g / 2, -c / 2}, -c / 2, -kLevel, -1),
            across("J", {-j / 2, l / 2}, {j / 2, l / 2}, c / 2, kLevel, 1),
            upright("L", {-j / 2, l / 2}, {-j / 2, -l / 2}, lx, 0, -1)};
  widthAndDepth(v, a, c, kStep);
  return v;
}

// RM: the square J turned to put the legs on its diagonal and cut to A
// across the legs; the legs end at the slot G, the plate is cut straight at
// C/2 between them. J is marked at the upper right, square to the outline's
// sides, G between the legs' ends in the upper slot, its letter off the
// centre line.
View rmFace(const Sketch& s) {
  const double a = s.A, c = s.C, e = s.E, f = s.F, g = s.G, hole = s.H, j = s.J;
  View v;
  const double d = j / std::sqrt(2.0);  // the square's half diagonal
  const double flat = d - a / 2, end = d - g / 2, tip = std::sqrt(e * e - g * g) / 2;
  const double gy = (tip + 2 * end) / 3;  // G's line, near the legs' outer corners
  for (const double s : {-1.0, 1.0}) {
    const QPainterPath leg =
        polygon({{s * g / 2, -end}, {s * a / 2, -flat}, {s * a / 2, flat}, {s * g / 2, end}});
    v.body += leg;
    v.faces.addPath(minus(leg, circle({}, e)));
  }
  v.body += box(-g / 2 - 0.01, -c / 2, g / 2 + 0.01, c / 2);
  roundLeg(v, {}, f, hole);
  v.dims = {across("A", {-a / 2, flat}, {a / 2, flat}, end, kLevel, 1),
            upright("C", {-g / 2, c / 2}, {-g / 2, -c / 2}, -g / 2, -4, -1),
            across("G", {-g / 2, -gy}, {g / 2, -gy}, -gy, 0, 1, 0.3),
            Dim{"J", {-g / 2, -end}, {a / 2, flat}, QPointF(1, 1) / std::sqrt(2.0), {d / 2, -d / 2},
                -kLevel, -1}};
  return v;
}

// EP: the block A × C, the winding space a bore E closed by a half circle
// at the back and open to the front, its axis K behind the front face.
View epFace(const Sketch& s) {
  const double a = s.A, c = s.C, e = s.E, f = s.F, k = s.K;
  View v;
  const QPointF axis(0, c / 2 - k);
  v.body = box(-a / 2, -c / 2, a / 2, c / 2);
  v.faces = minus(minus(v.body, circle(axis, e)), box(-e / 2, axis.y(), e / 2, c / 2 + 1));
  roundLeg(v, axis, f);
  const double kx = f / 2 + 0.25 * (e - f) / 2;
  v.axes[0].setP2(QPointF(kx, axis.y()));  // the across centre line carried out to K's line
  v.dims = {upright("K", {kx, c / 2}, {kx, axis.y()}, kx, 0, 1)};
  widthAndDepth(v, a, c);
  return v;
}

View faceOf(const Sketch& s) {
  switch (s.face) {
    case SketchFace::E: return eFace(s);
    case SketchFace::Etd: return etdFace(s);
    case SketchFace::Pq: return pqFace(s);
    case SketchFace::Rm: return rmFace(s);
    case SketchFace::Ep: return epFace(s);
  }
  return eFace(s);
}

// The two views of a family of shapeFamilies(), named by its key there in
// any letter case, as its sketch there says; none for a key the table has not.
std::vector<View> viewsOf(const QString& family) {
  const ShapeFamily* f = shapeFamily(family.toLower().toStdString());
  if (!f) return {};
  return {profile(f->sketch, f->sketch.cut), faceOf(f->sketch)};
}

// Everything a view draws at `scale` pixels a mm, its model origin at the
// screen's (0, 0): the box to leave room for.
QRectF extent(const View& v, double scale, const QFontMetricsF& fm) {
  const QTransform m = QTransform::fromScale(scale, scale);
  QRectF r = m.map(v.body).boundingRect();
  for (const Dim& d : v.dims) {
    const Placed placed = place(d, m, fm.tightBoundingRect(d.letter).size());
    r = r.united(placed.label);
    for (const QLineF& line : placed.lines) r = r.united(QRectF(line.p1(), line.p2()).normalized());
  }
  // The arrowheads' width; the centre lines' ends may reach into the margins.
  return r.adjusted(-2, -2, 2, 2);
}

// The two views' origins and their scale: the larger of one above the other
// (the open face under the profile, their axes in line) and side by side.
struct Layout {
  double scale = 0;
  QPointF origins[2];
};

Layout arrange(const std::vector<View>& views, const QRectF& room, const QFontMetricsF& fm) {
  Layout best;
  for (const bool stacked : {true, false}) {
    auto fits = [&](double s, QPointF* origins) {
      const QRectF e0 = extent(views[0], s, fm), e1 = extent(views[1], s, fm);
      if (stacked) {
        const double left = std::max(-e0.left(), -e1.left()), right = std::max(e0.right(), e1.right());
        const double height = e0.height() + kViewGap + e1.height();
        if (origins) {
          const double x = room.center().x() + (left - right) / 2, top = room.center().y() - height / 2;
          origins[0] = {x, top - e0.top()};
          origins[1] = {x, top + e0.height() + kViewGap - e1.top()};
        }
        return left + right <= room.width() && height <= room.height();
      }
      const double width = e0.width() + kViewGap + e1.width();
      if (origins) {
        const double left = room.center().x() - width / 2;
        origins[0] = {left - e0.left(), room.center().y() - e0.center().y()};
        origins[1] = {left + e0.width() + kViewGap - e1.left(), room.center().y() - e1.center().y()};
      }
      return width <= room.width() && std::max(e0.height(), e1.height()) <= room.height();
    };
    double lo = 0, hi = 64;
    for (int n = 0; n < 40; ++n) (fits((lo + hi) / 2, nullptr) ? lo : hi) = (lo + hi) / 2;
    if (lo > best.scale * 1.02 || best.scale == 0) {
      best.scale = lo;
      fits(lo, best.origins);
    }
  }
  return best;
}

}  // namespace

CoreDrawing::CoreDrawing(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("drawing"));
  setAccessibleName(QStringLiteral("磁芯尺寸示意图"));
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  setMinimumSize(260, 190);
}

void CoreDrawing::setFamily(const QString& family) {
  family_ = family;
  update();
}

QString CoreDrawing::family() const { return family_; }

QSize CoreDrawing::sizeHint() const { return {300, 220}; }

void CoreDrawing::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink = palette().color(QPalette::Text);
  p.fillRect(rect(), palette().color(QPalette::Base));
  p.setPen(QPen(palette().color(QPalette::Mid), 1));
  p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  const std::vector<View> views = viewsOf(family_);
  if (views.size() != 2) return;

  const QFont font = songFont(9, true);
  const QFontMetricsF fm(font, this);
  const Layout at = arrange(views, QRectF(rect()).adjusted(6, 6, -6, -6), fm);
  const QColor paper = palette().color(QPalette::Base);
  // Greys some of the way from the paper to the ink.
  const QColor light = mixed(paper, ink, 0.09), shade = mixed(paper, ink, 0.26), hatch = mixed(paper, ink, 0.4);
  p.setFont(font);
  for (int i = 0; i < 2; ++i) {
    const View& v = views[std::size_t(i)];
    const QTransform m(at.scale, 0, 0, at.scale, at.origins[i].x(), at.origins[i].y());
    const QPainterPath body = m.map(v.body), faces = m.map(v.faces);
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawPath(body);
    if (v.cut) {  // the cut faces hatched at 45°
      p.save();
      p.setClipPath(body);
      p.setPen(QPen(hatch, 0.7));
      const QRectF r = body.boundingRect();
      for (double x = r.left() - r.height(); x < r.right(); x += 6)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
      p.restore();
    }
    p.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.setBrush(shade);
    p.drawPath(faces);

    // Centre lines, a little past the part they halve.
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 0.8, Qt::DashDotLine));
    for (const QLineF& axis : v.axes) p.drawLine(stretched(m.map(axis)));

    for (const Dim& d : v.dims) {
      const QRectF tight = fm.tightBoundingRect(d.letter);
      const Placed placed = place(d, m, tight.size());
      p.setPen(QPen(kDimColour, 0.9));
      for (const QLineF& line : placed.lines) p.drawLine(line);
      const QPointF w = (placed.q - placed.p) / std::max(1e-9, QLineF(placed.p, placed.q).length());
      const double inward = placed.outside ? 1 : -1;
      p.setPen(Qt::NoPen);
      p.setBrush(kDimColour);
      p.drawPolygon(arrowhead(placed.p, w * inward));
      p.drawPolygon(arrowhead(placed.q, w * -inward));
      p.setPen(kDimColour);
      p.drawText(placed.label.topLeft() - tight.topLeft(), d.letter);
    }
  }
}

}  // namespace ombrel

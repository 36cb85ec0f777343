// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's window icon: a gapped E-core with a winding, on a
// blue tile. Usage: ombrel_make_icon resources/ombrel.png
// resources/ombrel.svg is the same drawing in the same units; a change here
// goes there too (the test icon_same_design compares them).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc < 2) return 2;
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  QPainterPath tile;
  tile.addRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
  p.fillPath(tile, QColor(0x1f, 0x4e, 0x8c));

  // The core: back and three legs above, the same below, a gap between.
  const QColor ferrite(0xd9, 0xdf, 0xe8);
  p.setPen(Qt::NoPen);
  p.setBrush(ferrite);
  p.drawRect(QRectF(5, 5, 22, 4));
  p.drawRect(QRectF(5, 23, 22, 4));
  for (double x : {5.0, 14.0, 23.0}) {
    p.drawRect(QRectF(x, 9, 4, 5.5));
    p.drawRect(QRectF(x, 17.5, 4, 5.5));
  }
  // The winding on the centre leg, in copper.
  p.setPen(QPen(QColor(0xf0, 0x9a, 0x3e), 1.6, Qt::SolidLine, Qt::RoundCap));
  for (double y : {10.5, 13.0, 19.0, 21.5}) p.drawLine(QPointF(11.5, y), QPointF(20.5, y));
  p.end();
  return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

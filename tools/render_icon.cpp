// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the scalable icon into a square PNG of the given size, for the
// icon theme: ombrel_render_icon resources/ombrel.svg 48 ombrel-48.png
// A size WIDTHxHEIGHT renders any picture at that size, for a build without
// Qt Svg: ombrel_render_icon resources/huanlu.svg 604x650 huanlu@2x.png
// With --compare REFERENCE.png instead of an output file it renders at the
// reference's size and fails when any channel of any pixel differs by more
// than 16 of 255, so the SVG and the drawn 32 x 32 icon stay one design. (The
// tile's rounded corners come out up to 14 apart in alpha: the SVG arc and
// QPainterPath's rounded rectangle are slightly different curves; every
// other pixel is within 2.)
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

namespace {

QImage render(QSvgRenderer& svg, int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
  svg.render(&p, QRectF(0, 0, width, height));
  p.end();
  return image;
}

int compare(QSvgRenderer& svg, const QString& referenceFile) {
  QImage reference(referenceFile);
  if (reference.isNull() || reference.width() != reference.height()) {
    std::fprintf(stderr, "cannot read a square image from %s\n", qPrintable(referenceFile));
    return 1;
  }
  reference = reference.convertToFormat(QImage::Format_ARGB32);
  const QImage image = render(svg, reference.width(), reference.width());
  int worst = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb a = image.pixel(x, y), b = reference.pixel(x, y);
      for (int d : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b),
                    qAlpha(a) - qAlpha(b)})
        worst = std::max(worst, std::abs(d));
    }
  std::printf("largest channel difference: %d of 255\n", worst);
  return worst <= 16 ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Text needs the font database of an application object; the offscreen
  // platform gives one on a build machine without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s ICON.svg SIZE|WxH OUT.png | %s ICON.svg --compare REF.png\n",
                 argv[0], argv[0]);
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  if (qstrcmp(argv[2], "--compare") == 0) return compare(svg, QString::fromLocal8Bit(argv[3]));
  const QList<QByteArray> size = QByteArray(argv[2]).split('x');
  const int width = size.front().toInt(), height = size.back().toInt();
  if (width <= 0 || height <= 0 || size.size() > 2) return 2;
  return render(svg, width, height).save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}

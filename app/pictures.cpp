// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#ifdef OMBREL_HAVE_SVG
#include <QSvgRenderer>
#endif

#include "app/fonts.h"

namespace ombrel {

namespace {

#ifdef OMBREL_HAVE_SVG
// A vector picture drawn into its whole box, crisp at any screen scale. The
// renderer is the widget's child, so the picture can be checked by finding it.
class SvgPicture : public QWidget {
 public:
  SvgPicture(const QString& resource, QWidget* parent) : QWidget(parent) {
    // The pictures name one Song face; where it is missing, their labels
    // take the faces the windows' own texts use.
    static const bool substituted = [] {
      QStringList faces = songFont().families();
      faces.removeAll(QStringLiteral("AR PL UMing CN"));
      QFont::insertSubstitutions(QStringLiteral("AR PL UMing CN"), faces);
      return true;
    }();
    Q_UNUSED(substituted);
    renderer_ = new QSvgRenderer(resource, this);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    renderer_->render(&painter, QRectF(rect()));
  }

 private:
  QSvgRenderer* renderer_ = nullptr;
};
#else
// Without Qt Svg: the picture rendered at build time from the same SVG, at
// its box's size and twice that, the one that suits the screen drawn into
// the whole box. ":/pictures/huanlu.svg" -> ":/pictures/huanlu.png", "...@2x.png".
class SvgPicture : public QWidget {
 public:
  SvgPicture(const QString& resource, QWidget* parent) : QWidget(parent) {
    const QString base = resource.chopped(4);
    one_ = QPixmap(base + QStringLiteral(".png"));
    two_ = QPixmap(base + QStringLiteral("@2x.png"));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), devicePixelRatioF() > 1 ? two_ : one_);
  }

 private:
  QPixmap one_, two_;
};
#endif

}  // namespace

QWidget* makePicture(const QString& resource, bool stretch, QWidget* parent) {
  // Drawn to fill its box whether stretched or at its own size: the box of
  // an own-size picture is that size.
  if (resource.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) return new SvgPicture(resource, parent);
  auto* image = new QLabel(parent);
  image->setPixmap(QPixmap(resource));
  image->setScaledContents(stretch);
  return image;
}

}  // namespace ombrel

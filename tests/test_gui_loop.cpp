// The loop, ESR hint and TL431 windows on the offscreen platform: the line
// that opens the hint window, the TL431 window's blank outputs and the three
// pictures. (Their calculations, focus and 返回 are swept over every window
// in test_gui_windows.)
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QSvgRenderer>
#include <QtTest>

#include "app/program.h"
#include "gui_support.h"

using namespace ombrel;

class TestGuiLoop : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init() { start(); }
  void cleanup() { finish(); }

  void esrLineShowsOneHintWindow();
  void tl431OutputsStartAsOneBlank();
  void picturesLoadAtTheirBoxSizes_data();
  void picturesLoadAtTheirBoxSizes();

 private:
  int instances(const QString& name) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) count += w->objectName() == name;
    return count;
  }
};


void TestGuiLoop::initTestCase() { setUpApplication(*qApp); }

void TestGuiLoop::esrLineShowsOneHintWindow() {
  CHOOSE(huanlu, "电流型控制环路");
  FIND(line, QLabel, huanlu, "Label22");
  QCOMPARE(line->text(), "我怎样知道电容的ESR？请点击");
  QCOMPARE(line->cursor().shape(), Qt::PointingHandCursor);
  QCOMPARE(nav_->window("gongs"), nullptr);  // created on first use

  QTest::mouseClick(line, Qt::LeftButton);
  CalcWindow* gongs = nav_->window("gongs");
  QVERIFY(gongs && gongs->isVisible());
  QCOMPARE(gongs->windowTitle(), "公式");
  QVERIFY(huanlu->isVisible());
  QTest::mouseClick(line, Qt::LeftButton);  // shown already: stays shown, still one
  QCOMPARE(nav_->window("gongs"), gongs);
  QCOMPARE(instances("gongs"), 1);

  click(gongs, "Command1");
  QVERIFY(!gongs->isVisible());
  QVERIFY(huanlu->isVisible());
  QTest::mouseClick(line, Qt::LeftButton);
  QCOMPARE(nav_->window("gongs"), gongs);
  QVERIFY(gongs->isVisible());
  QCOMPARE(instances("gongs"), 1);
}

void TestGuiLoop::tl431OutputsStartAsOneBlank() {
  CHOOSE(tl431, "TL431计算");
  for (const char* out : {"Text2", "Text3", "Text4", "Text8", "Text9", "Text12"})
    QCOMPARE(text(tl431, out), " ");
}

void TestGuiLoop::picturesLoadAtTheirBoxSizes_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("picture");
  QTest::addColumn<QSize>("size");  // pixels
  QTest::newRow("huanlu, stretched") << "huanlu" << "Image1" << QSize(302, 325);
  QTest::newRow("gongs, own size") << "gongs" << "Image2" << QSize(287, 220);
  QTest::newRow("TL431, own size") << "TL431" << "Image1" << QSize(133, 278);
}

void TestGuiLoop::picturesLoadAtTheirBoxSizes() {
  QFETCH(QString, window);
  QFETCH(QString, picture);
  QFETCH(QSize, size);
  OPEN(w, window);
  FIND(image, QWidget, w, picture);
  QCOMPARE(image->size(), size);
  auto* renderer = image->findChild<QSvgRenderer*>();
  QVERIFY(renderer);
  QVERIFY(renderer->isValid());
  QCOMPARE(renderer->defaultSize(), size);  // drawn at its design size, not scaled out of shape
  // Something is drawn: dark strokes on the picture's white ground.
  const QImage shot = image->grab().toImage();
  int ink = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) ink += qGray(shot.pixel(x, y)) < 96;
  QVERIFY2(ink > 200, qPrintable(QString::number(ink)));
  QCOMPARE(qGray(shot.pixel(1, 1)), 255);
}

QTEST_MAIN(TestGuiLoop)
#include "test_gui_loop.moc"

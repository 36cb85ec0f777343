// The loop, ESR hint and TL431 windows on the offscreen platform: the line
// that opens the hint window, the TL431 window's blank outputs, faults as the
// user sees them, and the three pictures.
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
  void hidingTheLoopWindowLeavesTheHintShown();
  void loopCalculatesAndStopsAtAFault();
  void tl431OutputsStartAsOneBlank();
  void tl431CheckFaultsAtTheHighEnd();
  void picturesLoadAtTheirBoxSizes_data();
  void picturesLoadAtTheirBoxSizes();

 private:
  int instances(const QString& name) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) count += w->objectName() == name;
    return count;
  }
};


void TestGuiLoop::initTestCase() {
  test::quietOffscreenNotes();
  setUpApplication(*qApp);
}

void TestGuiLoop::esrLineShowsOneHintWindow() {
  CHOOSE(huanlu, "电流型控制环路");
  auto* line = huanlu->findChild<QLabel*>("Label22");
  QVERIFY(line);
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

void TestGuiLoop::hidingTheLoopWindowLeavesTheHintShown() {
  CHOOSE(huanlu, "电流型控制环路");
  QTest::mouseClick(huanlu->findChild<QLabel*>("Label22"), Qt::LeftButton);
  CalcWindow* gongs = nav_->window("gongs");
  QVERIFY(gongs);
  click(huanlu, "Command2");
  QVERIFY(!huanlu->isVisible());
  QVERIFY(gongs->isVisible());
  QVERIFY(nav_->mainForm().close());
  QCOMPARE(ended_->count(), 0);  // the hint window alone keeps the program running
  click(gongs, "Command1");
  QCOMPARE(ended_->count(), 1);
}

void TestGuiLoop::loopCalculatesAndStopsAtAFault() {
  CHOOSE(huanlu, "电流型控制环路");
  QCOMPARE(huanlu->findChild<QLabel*>("Label1")->text(), "C1(nF)=");
  click(huanlu, "Command1");
  QCOMPARE(text(huanlu, "Text1"), "19.6560057821746");
  type(huanlu, "Text3", "400");
  type(huanlu, "Text9", "0");
  click(huanlu, "Command1");
  const QStringList seen = boxes();
  QCOMPARE(seen.size(), 1);
  QVERIFY2(seen[0].contains("除数为零") && seen[0].contains("极点(khz)"), qPrintable(seen[0]));
  QCOMPARE(text(huanlu, "Text14"), "7.80125");  // fresh
  QCOMPARE(text(huanlu, "Text18"), "9.4587405864445");
  QCOMPARE(text(huanlu, "Text19"), "2.25866196864977");  // the earlier run's
  QCOMPARE(text(huanlu, "Text1"), "19.6560057821746");
}

void TestGuiLoop::tl431OutputsStartAsOneBlank() {
  CHOOSE(tl431, "TL431计算");
  for (const char* out : {"Text2", "Text3", "Text4", "Text8", "Text9", "Text12"})
    QCOMPARE(text(tl431, out), " ");
  click(tl431, "Command3");
  QCOMPARE(text(tl431, "Text12"), "16.3829787234043");
  for (const char* out : {"Text2", "Text3", "Text4", "Text8", "Text9"}) QCOMPARE(text(tl431, out), " ");
  type(tl431, "Text3", "4.7");
  click(tl431, "Command1");
  QCOMPARE(text(tl431, "Text4"), "1");
  QCOMPARE(text(tl431, "Text3"), "1.5");
  QCOMPARE(text(tl431, "Text2"), "9.5");
  QCOMPARE(text(tl431, "Text8"), " ");
}

void TestGuiLoop::tl431CheckFaultsAtTheHighEnd() {
  CHOOSE(tl431, "TL431计算");
  type(tl431, "Text6", "0");
  click(tl431, "Command2");
  const QStringList seen = boxes();
  QCOMPARE(seen.size(), 1);
  QVERIFY2(seen[0].contains("除数为零") && seen[0].contains("“到”"), qPrintable(seen[0]));
  QCOMPARE(text(tl431, "Text8"), "23");
  QCOMPARE(text(tl431, "Text9"), " ");
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
  CalcWindow* w = nav_->open(window);
  QVERIFY(w);
  auto* image = w->findChild<QWidget*>(picture);
  QVERIFY(image);
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

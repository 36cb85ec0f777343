// The transformer windows for real, on the offscreen platform: opened from
// their menu commands, typed into, pressed, and their fault boxes taken.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "app/calc_window.h"
#include "app/program.h"
#include "gui_support.h"

using namespace ombrel;

class TestGuiTransformer : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init() { start(); }
  void cleanup() { finish(); }

  void flybackDesignAndFilter();
  void flybackFaultStopsAtTheReflectedVoltage();
  void flybackFilterFault();
  void flybackFocusAndFaces();
  void flybackGroupFrames();
  void turnsWindows_data();
  void turnsWindows();
  void turnsSecondaryReadsEditedPrimary();
  void turnsFault();
  void turnsColumnsAndDivider();
  void forwardReturnShowsMainForm();
  void otherReturnsOnlyHide();
  void driveTransformer();
};


void TestGuiTransformer::initTestCase() {
  test::quietOffscreenNotes();
  setUpApplication(*qApp);
}

void TestGuiTransformer::flybackDesignAndFilter() {
  CHOOSE(fly, "反激电源");
  QCOMPARE(fly->windowTitle(), "反激变压器");
  QCOMPARE(text(fly, "Text1"), "20");
  QCOMPARE(text(fly, "Text21"), "150");
  QCOMPARE(text(fly, "Text27"), "100");
  QCOMPARE(text(fly, "Text10"), "");
  click(fly, "Command1");
  QCOMPARE(text(fly, "Text10"), "5486.34262399999");
  QCOMPARE(text(fly, "Text11"), "29.0303999999999");
  QCOMPARE(text(fly, "Text14"), "0.12009944540065");
  QCOMPARE(text(fly, "Text18"), "684.566666666667");
  QCOMPARE(text(fly, "Text26"), "2.21334678847371");
  QCOMPARE(text(fly, "Text28"), "496.031746031747");
  QCOMPARE(text(fly, "Text31"), "");  // the filter has its own button
  click(fly, "Command3");
  QCOMPARE(text(fly, "Text31"), "0.106157112526539");
  QCOMPARE(text(fly, "Text32"), "52.6572978802278");
  // A new frequency reaches the filter at once, the ripple only with the next design.
  type(fly, "Text8", "100");
  click(fly, "Command3");
  QCOMPARE(text(fly, "Text31"), "0.0530785562632696");
  QCOMPARE(text(fly, "Text32"), "26.3286489401139");
  QCOMPARE(text(fly, "Text28"), "496.031746031747");
  QCOMPARE(boxes(), QStringList());
}

void TestGuiTransformer::flybackFaultStopsAtTheReflectedVoltage() {
  CHOOSE(fly, "反激电源");
  click(fly, "Command1");
  type(fly, "Text9", "1");
  click(fly, "Command1");
  const QStringList seen = boxes();
  QCOMPARE(seen.size(), 1);
  QVERIFY2(seen[0].contains("除数为零") && seen[0].contains("反射电压(V)"), qPrintable(seen[0]));
  QCOMPARE(text(fly, "Text17"), "20");
  QCOMPARE(text(fly, "Text13"), "0");
  QCOMPARE(text(fly, "Text11"), "0");
  QCOMPARE(text(fly, "Text14"), "0.120099445400651");
  QCOMPARE(text(fly, "Text19"), "164.966666666667");  // from the design before
  QCOMPARE(text(fly, "Text28"), "496.031746031747");
  QVERIFY(fly->isVisible());
}

void TestGuiTransformer::flybackFilterFault() {
  CHOOSE(fly, "反激电源");
  click(fly, "Command3");
  QCOMPARE(text(fly, "Text31"), "0.106157112526539");
  QCOMPARE(text(fly, "Text32"), "0");  // no ripple computed yet
  type(fly, "Text22", "");
  click(fly, "Command3");
  const QStringList seen = boxes();
  QCOMPARE(seen.size(), 1);
  QVERIFY2(seen[0].contains("除数为零") && seen[0].contains("衰减倍数"), qPrintable(seen[0]));
  QCOMPARE(text(fly, "Text31"), "0.106157112526539");
  QCOMPARE(text(fly, "Text15"), "");
}

void TestGuiTransformer::flybackFocusAndFaces() {
  CHOOSE(fly, "反激电源");
  QVERIFY(QTest::qWaitForWindowActive(fly));
  QVERIFY(QApplication::focusWidget());
  const QStringList expected = {
      "Text28", "Text26", "Text25", "Text23", "Command2", "Text22", "Text27", "Text31", "Text32",
      "Text24", "Text21", "Text20", "Command1", "Text19", "Text18", "Text17", "Text16", "Text15",
      "Text14", "Text13", "Text12", "Text11", "Text10", "Text9",  "Text8",  "Text7",  "Text6",
      "Text5",  "Text4",  "Text3",  "Text2",  "Text1",  "Command3", "Text28"};
  QCOMPARE(tabOrder(int(expected.size()) - 1), expected);

  QStringList headings;
  for (QLabel* label : fly->findChildren<QLabel*>())
    if (label->font().pointSizeF() == 12.0 && label->font().bold()) headings << label->text();
  headings.sort();
  QStringList groups = {"设计条件：", "变压器参数：", "初级参数：", "次极参数：", "滤波器参数："};
  groups.sort();
  QCOMPARE(headings, groups);
  QCOMPARE(push(fly, "Command1")->font().pointSizeF(), 10.5);
  QCOMPARE(push(fly, "Command2")->text(), "返回");
  QCOMPARE(push(fly, "Command3")->text(), "计算");
  // 计算 centred at the bottom, 返回 to its right, the filter's 计算 below Text32.
  QVERIFY(qAbs(push(fly, "Command1")->geometry().center().x() - fly->width() / 2) <= 2);
  QVERIFY(push(fly, "Command2")->x() > push(fly, "Command1")->geometry().right());
  QVERIFY(push(fly, "Command3")->y() > edit(fly, "Text32")->geometry().bottom());
}

// The groups sit in frames of thin lines at the twips the design gives.
void TestGuiTransformer::flybackGroupFrames() {
  CHOOSE(fly, "反激电源");
  const QImage shot = fly->grab().toImage();
  const QColor ink = fly->palette().color(QPalette::WindowText);
  struct Frame {
    int x1, y1, x2, y2;
  };
  const Frame frames[] = {{240, 720, 3120, 6960},
                          {3240, 720, 6720, 3360},
                          {3240, 3960, 6720, 6960},
                          {6840, 720, 10680, 3360},
                          {6840, 3960, 10680, 6960}};
  for (const Frame& f : frames) {
    const int x1 = pixels(f.x1), y1 = pixels(f.y1), x2 = pixels(f.x2), y2 = pixels(f.y2);
    const int mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    QCOMPARE(shot.pixelColor(mx, y1), ink);
    QCOMPARE(shot.pixelColor(mx, y2), ink);
    QCOMPARE(shot.pixelColor(x1, my), ink);
    QCOMPARE(shot.pixelColor(x2, my), ink);
  }
}

void TestGuiTransformer::turnsWindows_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("primary");
  QTest::addColumn<QString>("secondary");
  QTest::newRow("forward") << "正激电源" << "正激变压器" << "213.888888888889" << "55.5555555555556";
  QTest::newRow("half bridge") << "半桥电源" << "半桥变压器" << "106.944444444444" << "27.7777777777777";
  QTest::newRow("full bridge") << "全桥电源" << "全桥变压器" << "213.888888888889" << "55.5555555555556";
}

void TestGuiTransformer::turnsWindows() {
  QFETCH(QString, command);
  QFETCH(QString, caption);
  QFETCH(QString, primary);
  QFETCH(QString, secondary);
  CHOOSE(w, command);
  QCOMPARE(w->windowTitle(), caption);
  QCOMPARE(text(w, "Text1"), "420");
  QCOMPARE(text(w, "Text7"), "48");
  click(w, "Command3");  // before the primary: Text6 is empty
  QCOMPARE(text(w, "Text8"), "0");
  click(w, "Command1");
  QCOMPARE(text(w, "Text6"), primary);
  QCOMPARE(text(w, "Text8"), "0");
  click(w, "Command3");
  QCOMPARE(text(w, "Text8"), secondary);
}

void TestGuiTransformer::turnsSecondaryReadsEditedPrimary() {
  CHOOSE(half, "半桥电源");
  click(half, "Command1");
  type(half, "Text6", "100");
  click(half, "Command3");
  QCOMPARE(text(half, "Text8"), "25.974025974026");
  QCOMPARE(text(half, "Text6"), "100");
}

void TestGuiTransformer::turnsFault() {
  CHOOSE(full, "全桥电源");
  click(full, "Command1");
  type(full, "Text5", "0");
  click(full, "Command1");
  QStringList seen = boxes();
  QCOMPARE(seen.size(), 1);
  QVERIFY2(seen[0].contains("除数为零") && seen[0].contains("初级圈数"), qPrintable(seen[0]));
  QCOMPARE(text(full, "Text6"), "213.888888888889");
  type(full, "Text3", "");
  click(full, "Command3");
  seen = boxes();
  QCOMPARE(seen.size(), 1);
  QVERIFY2(seen[0].contains("除数为零") && seen[0].contains("次级圈数"), qPrintable(seen[0]));
  QCOMPARE(text(full, "Text8"), "");
}

// Inputs and the primary on the left, the output side on the right, a
// vertical line between them.
void TestGuiTransformer::turnsColumnsAndDivider() {
  for (const char* command : {"正激电源", "半桥电源", "全桥电源"}) {
    CHOOSE(w, command);
    const int divider = edit(w, "Text1")->geometry().right() + 1;
    int lineX = -1;
    const QImage shot = w->grab().toImage();
    const QColor ink = w->palette().color(QPalette::WindowText);
    for (int x = divider; x < edit(w, "Text7")->x() && lineX < 0; ++x)
      if (shot.pixelColor(x, w->height() / 2) == ink && shot.pixelColor(x, 20) == ink) lineX = x;
    QVERIFY2(lineX > 0, command);
    for (const char* left : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
      QVERIFY(edit(w, left)->geometry().right() < lineX);
    QVERIFY(push(w, "Command1")->geometry().right() < lineX);
    QVERIFY(edit(w, "Text7")->x() > lineX && edit(w, "Text8")->x() > lineX);
    QVERIFY(push(w, "Command3")->x() > lineX && push(w, "Command2")->x() > lineX);
    QCOMPARE(edit(w, "Text7")->y(), edit(w, "Text4")->y());
    QCOMPARE(edit(w, "Text8")->y(), edit(w, "Text5")->y());
    QCOMPARE(push(w, "Command3")->y(), push(w, "Command1")->y());
    QVERIFY(edit(w, "Text6")->y() > push(w, "Command1")->y());
    QVERIFY(edit(w, "Text6")->width() > edit(w, "Text1")->width());
    QVERIFY(push(w, "Command2")->y() > edit(w, "Text6")->y());
    QVERIFY(push(w, "Command2")->geometry().right() > w->width() * 3 / 4);
  }
}

void TestGuiTransformer::forwardReturnShowsMainForm() {
  CHOOSE(forward, "正激电源");
  type(forward, "Text1", "380");
  click(forward, "Command1");
  QVERIFY(nav_->mainForm().close());
  QVERIFY(!nav_->mainForm().isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  click(forward, "Command2");
  QVERIFY(!forward->isVisible());
  QVERIFY(nav_->mainForm().isVisible());
  QCOMPARE(nav_->mainForm().menuBar()->actions().size(), 7);
  QCOMPARE(ended_->count(), 0);
  CHOOSE(again, "正激电源");
  QCOMPARE(again, forward);
  QCOMPARE(text(again, "Text1"), "380");
  QCOMPARE(text(again, "Text6"), "193.518518518519");
}

// Every other transformer window's 返回 hides it and leaves MainForm alone.
void TestGuiTransformer::otherReturnsOnlyHide() {
  const struct {
    const char* command;
    const char* returnButton;
  } windows[] = {{"反激电源", "Command2"}, {"半桥电源", "Command2"}, {"全桥电源", "Command2"},
                 {"驱动变压器", "Command1"}};
  CHOOSE(lastOpen, "电感气隙计算");  // keeps the program running
  QVERIFY(nav_->mainForm().close());
  for (const auto& row : windows) {
    CHOOSE(w, row.command);
    click(w, row.returnButton);
    QVERIFY2(!w->isVisible(), row.command);
    QVERIFY2(!nav_->mainForm().isVisible(), row.command);
  }
  QVERIFY(lastOpen->isVisible());
  QCOMPARE(ended_->count(), 0);
}

void TestGuiTransformer::driveTransformer() {
  CHOOSE(drive, "驱动变压器");
  QCOMPARE(drive->windowTitle(), "驱动变压器");
  QCOMPARE(push(drive, "Command2")->text(), "计算");
  QCOMPARE(push(drive, "Command1")->text(), "返回");
  click(drive, "Command2");
  QCOMPARE(text(drive, "Text5"), "12500");
  type(drive, "Text2", "40");
  click(drive, "Command2");
  QCOMPARE(text(drive, "Text5"), "6250");
  type(drive, "Text4", "");
  click(drive, "Command2");
  const QStringList seen = boxes();
  QCOMPARE(seen.size(), 1);
  QVERIFY2(seen[0].contains("除数为零") && seen[0].contains("圈数"), qPrintable(seen[0]));
  QCOMPARE(text(drive, "Text5"), "6250");
  click(drive, "Command1");
  QVERIFY(!drive->isVisible());
  CHOOSE(again, "驱动变压器");
  QCOMPARE(text(again, "Text5"), "6250");
  QCOMPARE(text(again, "Text4"), "");
}

QTEST_MAIN(TestGuiTransformer)
#include "test_gui_transformer.moc"

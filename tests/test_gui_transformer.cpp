// The transformer windows' faces on the offscreen platform: the flyback
// window's headings, buttons and group frames, and the two columns of the
// turns windows. (Their calculations, focus and 返回 are swept over every
// window in test_gui_windows.)
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "app/calc_window.h"
#include "app/program.h"
#include "exact.h"
#include "gui_support.h"

using namespace ombrel;

class TestGuiTransformer : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init() { start(); }
  void cleanup() { finish(); }

  void flybackFaces();
  void flybackGroupFrames();
  void turnsColumnsAndDivider();
};

void TestGuiTransformer::initTestCase() { setUpApplication(*qApp); }

void TestGuiTransformer::flybackFaces() {
  CHOOSE(fly, "反激电源");
  QStringList headings;
  for (QLabel* label : fly->findChildren<QLabel*>())
    if (label->font().pointSizeF() == 12.0 && label->font().bold()) headings << label->text();
  headings.sort();
  QStringList groups = {"设计条件：", "变压器参数：", "初级参数：", "次极参数：", "滤波器参数："};
  groups.sort();
  QCOMPARE(headings, groups);
  FIND(design, QPushButton, fly, "Command1");
  FIND(back, QPushButton, fly, "Command2");
  FIND(filter, QPushButton, fly, "Command3");
  FIND(ripple, QLineEdit, fly, "Text32");
  QCOMPARE_BITS(design->font().pointSizeF(), 10.5);
  // 计算 centred at the bottom, 返回 to its right, the filter's 计算 below Text32.
  QVERIFY(qAbs(design->geometry().center().x() - fly->width() / 2) <= 2);
  QVERIFY(back->x() > design->geometry().right());
  QVERIFY(filter->y() > ripple->geometry().bottom());
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

// Inputs and the primary on the left, the output side on the right, a
// vertical line between them.
void TestGuiTransformer::turnsColumnsAndDivider() {
  for (const char* command : {"正激电源", "半桥电源", "全桥电源"}) {
    CHOOSE(w, command);
    QHash<QString, QRect> at;
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Command1",
                             "Command2", "Command3"}) {
      FIND(control, QWidget, w, name);
      at[name] = control->geometry();
    }
    int lineX = -1;
    const QImage shot = w->grab().toImage();
    const QColor ink = w->palette().color(QPalette::WindowText);
    for (int x = at["Text1"].right() + 1; x < at["Text7"].x() && lineX < 0; ++x)
      if (shot.pixelColor(x, w->height() / 2) == ink && shot.pixelColor(x, 20) == ink) lineX = x;
    QVERIFY2(lineX > 0, command);
    for (const char* left : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Command1"})
      QVERIFY2(at[left].right() < lineX, left);
    for (const char* right : {"Text7", "Text8", "Command2", "Command3"}) QVERIFY2(at[right].x() > lineX, right);
    QCOMPARE(at["Text7"].y(), at["Text4"].y());
    QCOMPARE(at["Text8"].y(), at["Text5"].y());
    QCOMPARE(at["Command3"].y(), at["Command1"].y());
    QVERIFY(at["Text6"].y() > at["Command1"].y());
    QVERIFY(at["Text6"].width() > at["Text1"].width());
    QVERIFY(at["Command2"].y() > at["Text6"].y());
    QVERIFY(at["Command2"].right() > w->width() * 3 / 4);
  }
}

QTEST_MAIN(TestGuiTransformer)
#include "test_gui_transformer.moc"

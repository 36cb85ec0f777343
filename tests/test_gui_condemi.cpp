// The wire, strip, resistance and choke windows on the offscreen platform:
// the headings, the note and the icons. (Their calculations, focus and 返回
// are swept over every window in test_gui_windows.)
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "app/program.h"
#include "exact.h"
#include "gui_support.h"

using namespace ombrel;

class TestGuiCondemi : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init() { start(); }
  void cleanup() { finish(); }

  void headingsNoteAndIcons();
};

void TestGuiCondemi::initTestCase() { setUpApplication(*qApp); }

void TestGuiCondemi::headingsNoteAndIcons() {
  CHOOSE(tx, "铜线电阻");
  CHOOSE(td, "铜带电阻");
  for (CalcWindow* w : {tx, td}) {
    FIND(heading, QLabel, w, "Label9");
    FIND(caption, QLabel, w, "Label1");
    QCOMPARE(heading->text(), "在20℃时铜的电阻计算");
    QCOMPARE_BITS(heading->font().pointSizeF(), 10.5);
    QVERIFY(!heading->font().bold());
    QCOMPARE_BITS(caption->font().pointSizeF(), 9.0);
  }

  CHOOSE(chamo, "共模扼流圈");
  FIND(note, QLabel, chamo, "Label8");
  FIND(back, QPushButton, chamo, "Command2");
  QVERIFY(note->wordWrap());
  QCOMPARE(note->size(), QSize(233, 57));
  // Several lines, and all of them inside the note's rectangle.
  QVERIFY(note->heightForWidth(note->width()) > 2 * note->fontMetrics().height());
  QVERIFY(note->heightForWidth(note->width()) <= note->height());
  QVERIFY(note->geometry().top() > back->geometry().bottom());

  QVERIFY(tx->windowIcon().isNull());
  CHOOSE(wires, "铜线计算");
  CHOOSE(strip, "铜带计算");
  CHOOSE(gongm, "差模扼流圈");
  for (CalcWindow* w : {td, chamo, wires, strip, gongm}) QVERIFY2(!w->windowIcon().isNull(), qPrintable(w->objectName()));
}

QTEST_MAIN(TestGuiCondemi)
#include "test_gui_condemi.moc"

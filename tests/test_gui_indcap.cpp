// The layout of the PFC and output inductor windows on the offscreen
// platform. (Their calculations, focus and 返回 are swept over every window
// in test_gui_windows.)
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/calc_window.h"
#include "app/main_form.h"
#include "app/navigator.h"
#include "app/program.h"
#include "gui_support.h"

using namespace ombrel;

class TestGuiIndcap : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  void initTestCase() { setUpApplication(*qApp); }
  void init() { start(); }
  void cleanup() { finish(); }

  void pfcLayout();
  void outputInductorLayout();
};

void TestGuiIndcap::pfcLayout() {
  CHOOSE(p, "PFC电感");
  QHash<QString, QRect> at;
  for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Command1",
                           "Command2"}) {
    FIND(control, QWidget, p, name);
    at[name] = control->geometry();
  }
  const QStringList inputs{"Text1", "Text2", "Text3", "Text4", "Text6"};
  const QStringList outputs{"Text7", "Text8", "Text5"};
  for (int i = 0; i + 1 < inputs.size(); ++i) QVERIFY(at[inputs[i]].y() < at[inputs[i + 1]].y());
  for (int i = 0; i + 1 < outputs.size(); ++i) QVERIFY(at[outputs[i]].y() < at[outputs[i + 1]].y());
  // Results in the right column, about twice as wide as the inputs.
  const QRect input = at["Text1"];
  for (const QString& o : outputs) {
    QVERIFY(at[o].x() > input.right());
    QVERIFY(at[o].width() >= 18 * input.width() / 10 && at[o].width() <= 22 * input.width() / 10);
  }
  // The buttons side by side below the results, level with the last input row.
  const QRect calc = at["Command1"], back = at["Command2"];
  QCOMPARE(calc.y(), back.y());
  QVERIFY(calc.x() < back.x());
  QVERIFY(calc.x() > input.right());
  QVERIFY(calc.y() > at["Text5"].bottom());
  QVERIFY(qAbs(calc.center().y() - at["Text6"].center().y()) <= 2);
}

void TestGuiIndcap::outputInductorLayout() {
  CHOOSE(lout, "输出电感");
  FIND(resultCaption, QLabel, lout, "Label7");
  FIND(note, QLabel, lout, "Label8");
  FIND(result, QLineEdit, lout, "Text7");
  FIND(duty, QLineEdit, lout, "Text5");
  FIND(calc, QPushButton, lout, "Command1");
  FIND(back, QPushButton, lout, "Command2");
  // The caption on its own line directly above the wide result field.
  QVERIFY(resultCaption->geometry().bottom() < result->y());
  QVERIFY(result->width() > 2 * duty->width() * 9 / 10);
  QVERIFY(result->y() > calc->geometry().bottom());
  QCOMPARE(calc->y(), back->y());
  // The note last, word-wrapped over more than one line, all of it shown.
  QVERIFY(note->y() > result->geometry().bottom());
  QVERIFY(note->wordWrap());
  QCOMPARE(note->text(), "本程序适合正激式电源，半桥和全桥，计算半桥和全桥时要把最大占空比乘2");
  const int needed = note->heightForWidth(note->width());
  QVERIFY(needed > note->fontMetrics().height());
  QVERIFY(needed <= note->height());
  QVERIFY(note->geometry().bottom() < lout->height());
}

QTEST_MAIN(TestGuiIndcap)
#include "test_gui_indcap.moc"

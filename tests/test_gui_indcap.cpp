// The inductor and capacitor windows for real, on the offscreen platform:
// opened from their menu commands, typed into, pressed and checked.
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

  void typeAndCalculate_data();
  void typeAndCalculate();
  void faultBoxes_data();
  void faultBoxes();
  void pfcLayout();
  void outputInductorLayout();
  void returnAfterMainFormClosedEnds_data();
  void returnAfterMainFormClosedEnds();

 private:
  // Types "Field=text" pairs, as a user does.
  static void typeAll(CalcWindow* w, const QStringList& pairs) {
    for (const QString& p : pairs) type(w, p.section('=', 0, 0).toUtf8().constData(), p.section('=', 1));
  }
};

void TestGuiIndcap::typeAndCalculate_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("P defaults") << "PFC电感" << QStringList{}
                              << QStringList{"Text7=1.28079710144928", "Text8=0.256159420289856",
                                             "Text5=4099.00990099008"};
  QTest::newRow("P typed") << "PFC电感" << QStringList{"Text1=200", "Text3=420", "Text4=50", "Text6=110", "Text7=9"}
                           << QStringList{"Text7=2.79446640316205", "Text8=0.55889328063241",
                                          "Text5=3757.42574257427"};
  QTest::newRow("lout defaults") << "输出电感" << QStringList{} << QStringList{"Text7=770", "Text2=12"};
  QTest::newRow("lout Text2 ignored") << "输出电感" << QStringList{"Text2=abc", "Text5=0.88"}
                                      << QStringList{"Text7=1540", "Text2=abc"};
  QTest::newRow("diangq defaults") << "电感圈数计算" << QStringList{} << QStringList{"Text5=2.08333333333333"};
  QTest::newRow("diangq typed") << "电感圈数计算" << QStringList{"Text1=2.5", "Text2=68", "Text3=60", "Text4=0.35"}
                                << QStringList{"Text5=8.0952380952381"};
  QTest::newRow("cin defaults") << "输入电容" << QStringList{} << QStringList{"Text7=55.1181102362205"};
  QTest::newRow("cin 60 Hz") << "输入电容" << QStringList{"Text1=60"} << QStringList{"Text7=41.994750656168"};
  QTest::newRow("cout defaults") << "输出电容" << QStringList{} << QStringList{"Text6=120", "Text7=21.6"};
  QTest::newRow("cout typed") << "输出电容" << QStringList{"Text1=10", "Text2=5", "Text3=0.45", "Text4=200", "Text5=50"}
                              << QStringList{"Text6=550", "Text7=9"};
}

void TestGuiIndcap::typeAndCalculate() {
  QFETCH(QString, command);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  CHOOSE(w, command);
  QVERIFY(w->isVisible());
  typeAll(w, typed);
  click(w, "Command1");
  for (const QString& s : shown)
    QCOMPARE(text(w, s.section('=', 0, 0).toUtf8().constData()), s.section('=', 1));
  QCOMPARE(push(w, "Command1")->text(), "计算");
  click(w, "Command2");
  QVERIFY(!w->isVisible());
  QCOMPARE(choose(command), w);  // shown again as it was left
  for (const QString& s : shown)
    QCOMPARE(text(w, s.section('=', 0, 0).toUtf8().constData()), s.section('=', 1));
}

// One press with the defaults, then a faulting one: the box names the kind of
// fault and the output not computed; results before it are new, it and the
// later ones keep their texts.
void TestGuiIndcap::faultBoxes_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("words");
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("P frequency empty") << "PFC电感" << QStringList{"Text4=", "Text1=300", "Text5=L"}
                                     << "除数为零|电感量(uH)"
                                     << QStringList{"Text7=2.56159420289855", "Text8=0.51231884057971", "Text5=L"};
  QTest::newRow("P efficiency empty") << "PFC电感" << QStringList{"Text2="} << "除数为零|电感峰值电流(A)"
                                      << QStringList{"Text7=1.28079710144928", "Text8=0.256159420289856",
                                                     "Text5=4099.00990099008"};
  QTest::newRow("lout ratio zero") << "输出电感" << QStringList{"Text6=0"} << "除数为零|所需要的电感量(uH)"
                                   << QStringList{"Text7=770"};
  QTest::newRow("diangq zero over zero") << "电感圈数计算" << QStringList{"Text1=0", "Text3=0"} << "无效运算|圈数"
                                         << QStringList{"Text5=2.08333333333333"};
  QTest::newRow("cin frequency empty") << "输入电容" << QStringList{"Text1="} << "除数为零|整流滤电容波(uF)"
                                       << QStringList{"Text7=55.1181102362205"};
  QTest::newRow("cout ripple empty") << "输出电容" << QStringList{"Text5=", "Text2=24"} << "除数为零|所需容量(uF)"
                                     << QStringList{"Text6=120", "Text7=21.6"};
  QTest::newRow("cout voltage beyond range") << "输出电容" << QStringList{"Text2=1e999", "Text1=1"}
                                             << "溢出|输出电压(V)|所需耐压(V)"
                                             << QStringList{"Text6=60", "Text7=21.6"};
}

void TestGuiIndcap::faultBoxes() {
  QFETCH(QString, command);
  QFETCH(QStringList, typed);
  QFETCH(QString, words);
  QFETCH(QStringList, shown);
  CHOOSE(w, command);
  click(w, "Command1");
  QCOMPARE(boxes(), QStringList());
  typeAll(w, typed);
  click(w, "Command1");
  const QStringList seen = boxes();
  QCOMPARE(seen.size(), 1);
  for (const QString& word : words.split('|')) QVERIFY2(seen[0].contains(word), qPrintable(seen[0]));
  for (const QString& s : shown)
    QCOMPARE(text(w, s.section('=', 0, 0).toUtf8().constData()), s.section('=', 1));
  QVERIFY(w->isVisible());
}

void TestGuiIndcap::pfcLayout() {
  CHOOSE(p, "PFC电感");
  const QStringList inputs{"Text1", "Text2", "Text3", "Text4", "Text6"};
  const QStringList outputs{"Text7", "Text8", "Text5"};
  for (int i = 0; i + 1 < inputs.size(); ++i)
    QVERIFY(edit(p, qPrintable(inputs[i]))->y() < edit(p, qPrintable(inputs[i + 1]))->y());
  for (int i = 0; i + 1 < outputs.size(); ++i)
    QVERIFY(edit(p, qPrintable(outputs[i]))->y() < edit(p, qPrintable(outputs[i + 1]))->y());
  // Results in the right column, about twice as wide as the inputs.
  QLineEdit* input = edit(p, "Text1");
  for (const QString& o : outputs) {
    QLineEdit* out = edit(p, qPrintable(o));
    QVERIFY(out->x() > input->geometry().right());
    QVERIFY(out->width() >= 18 * input->width() / 10 && out->width() <= 22 * input->width() / 10);
  }
  // The buttons side by side below the results, level with the last input row.
  QPushButton* calc = push(p, "Command1");
  QPushButton* back = push(p, "Command2");
  QCOMPARE(calc->y(), back->y());
  QVERIFY(calc->x() < back->x());
  QVERIFY(calc->x() > input->geometry().right());
  QVERIFY(calc->y() > edit(p, "Text5")->geometry().bottom());
  QVERIFY(qAbs(calc->geometry().center().y() - edit(p, "Text6")->geometry().center().y()) <= 2);
}

void TestGuiIndcap::outputInductorLayout() {
  CHOOSE(lout, "输出电感");
  auto* resultCaption = lout->findChild<QLabel*>("Label7");
  auto* note = lout->findChild<QLabel*>("Label8");
  QVERIFY(resultCaption && note);
  QLineEdit* result = edit(lout, "Text7");
  // The caption on its own line directly above the wide result field.
  QVERIFY(resultCaption->geometry().bottom() < result->y());
  QVERIFY(result->width() > 2 * edit(lout, "Text5")->width() * 9 / 10);
  QVERIFY(result->y() > push(lout, "Command1")->geometry().bottom());
  QCOMPARE(push(lout, "Command1")->y(), push(lout, "Command2")->y());
  // The note last, word-wrapped over more than one line, all of it shown.
  QVERIFY(note->y() > result->geometry().bottom());
  QVERIFY(note->wordWrap());
  QCOMPARE(note->text(), "本程序适合正激式电源，半桥和全桥，计算半桥和全桥时要把最大占空比乘2");
  const int needed = note->heightForWidth(note->width());
  QVERIFY(needed > note->fontMetrics().height());
  QVERIFY(needed <= note->height());
  QVERIFY(note->geometry().bottom() < lout->height());
}

void TestGuiIndcap::returnAfterMainFormClosedEnds_data() {
  QTest::addColumn<QString>("command");
  for (const char* c : {"PFC电感", "输出电感", "电感圈数计算", "输入电容", "输出电容"}) QTest::newRow(c) << c;
}

void TestGuiIndcap::returnAfterMainFormClosedEnds() {
  QFETCH(QString, command);
  CHOOSE(w, command);
  QVERIFY(nav_->mainForm().close());
  QVERIFY(w->isVisible());
  QCOMPARE(ended_->count(), 0);
  click(w, "Command1");  // still usable
  QCOMPARE(boxes(), QStringList());
  click(w, "Command2");
  QVERIFY(!w->isVisible());
  QCOMPARE(ended_->count(), 1);
}

QTEST_MAIN(TestGuiIndcap)
#include "test_gui_indcap.moc"

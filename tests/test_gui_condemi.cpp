// The wire, strip, resistance and choke windows for real, on the offscreen
// platform: opened from their menu commands, a calculation and a fault box in
// each, the keyboard focus order, the headings, the note and the icons.
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "app/program.h"
#include "gui_support.h"

using namespace ombrel;

class TestGuiCondemi : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init() { start(); }
  void cleanup() { finish(); }

  void calculateThenFault_data();
  void calculateThenFault();
  void focusOrder_data();
  void focusOrder();
  void headingsNoteAndIcons();
};


void TestGuiCondemi::initTestCase() {
  test::quietOffscreenNotes();
  setUpApplication(*qApp);
}

// Inputs typed, one press of the calculate button and the outputs shown;
// then inputs that fault, the one box that says so, and the outputs after it:
// those written before the fault are new, the rest keep their texts.
void TestGuiCondemi::calculateThenFault_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<QStringList>("faulting");
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("output");
  QTest::addColumn<QStringList>("afterFault");

  QTest::newRow("daoxian") << "铜线计算" << QStringList{"Text1=9", "Text2=0.55"}
                           << QStringList{"Text5=5.41438873807143"} << QStringList{"Text4=0"} << "除数为零"
                           << "导线根数" << QStringList{"Text5=5.41438873807143"};
  QTest::newRow("tongdai") << "铜带计算" << QStringList{"Text1=30", "Text2=20", "Text3=0.3", "Text4=6"}
                           << QStringList{"Text5=0.833333333333333"} << QStringList{"Text1=0", "Text2="}
                           << "无效运算" << "铜带层数" << QStringList{"Text5=0.833333333333333"};
  QTest::newRow("tx") << "铜线电阻" << QStringList{}
                      << QStringList{"Text2=0.321536", "Text3=10.5742436305732", "Text7=0.105742436305732",
                                     "Text8=1.60768"}
                      << QStringList{"Text4=0"} << "除数为零" << "铜线电阻值(mΩ)"
                      << QStringList{"Text2=0", "Text3=10.5742436305732", "Text7=0.105742436305732",
                                     "Text8=1.60768"};
  QTest::newRow("td") << "铜带电阻" << QStringList{"Text1=2.3", "Text5=3", "Text6=7", "Text8=2.4"}
                      << QStringList{"Text3=5.43055555555555", "Text7=0.0380138888888888"}
                      << QStringList{"Text8="} << "除数为零" << "铜线电阻值(mΩ)"
                      << QStringList{"Text3=5.43055555555555", "Text7=0.0380138888888888"};
  QTest::newRow("gongm") << "差模扼流圈" << QStringList{}
                         << QStringList{"Text5=5.02377286301916", "Text6=1120.46882795112"}
                         << QStringList{"Text2=1e5"} << "溢出" << "转折频率（KHz）"
                         << QStringList{"Text5=5.02377286301916", "Text6=1120.46882795112"};
  QTest::newRow("chamo") << "共模扼流圈" << QStringList{"Text1=100", "Text2=-40"}
                         << QStringList{"Text5=10", "Text6=1125.79617834395", "Text7=0.225227254299588"}
                         << QStringList{"Text4=0"} << "除数为零" << "电容数值（uF）"
                         << QStringList{"Text5=10", "Text6=0", "Text7=0.225227254299588"};
}

void TestGuiCondemi::calculateThenFault() {
  QFETCH(QString, command);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  QFETCH(QStringList, faulting);
  QFETCH(QString, kind);
  QFETCH(QString, output);
  QFETCH(QStringList, afterFault);

  CHOOSE(w, command);
  const auto typeAll = [&](const QStringList& assignments) {
    for (const QString& a : assignments)
      type(w, a.section('=', 0, 0).toUtf8().constData(), a.section('=', 1));
  };
  const auto check = [&](const QStringList& expected) {
    for (const QString& e : expected) {
      const QString field = e.section('=', 0, 0);
      QCOMPARE(field + "=" + text(w, field.toUtf8().constData()), e);
    }
  };
  typeAll(typed);
  click(w, "Command1");
  check(shown);
  QCOMPARE(boxes(), QStringList());

  typeAll(faulting);
  click(w, "Command1");
  const QStringList seen = boxes();
  QCOMPARE(seen.size(), 1);
  QVERIFY2(seen[0].contains(kind) && seen[0].contains("“" + output + "”"), qPrintable(seen[0]));
  check(afterFault);
  QVERIFY(w->isVisible());
}

// The first focus as the window opens, then each Tab, round to the start.
void TestGuiCondemi::focusOrder_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QStringList>("order");
  QTest::newRow("daoxian") << "铜线计算"
                           << QStringList{"Text1", "Text2", "Text4", "Text5", "Command1", "Command2"};
  QTest::newRow("tongdai") << "铜带计算"
                           << QStringList{"Command2", "Command1", "Text5", "Text4", "Text2", "Text1", "Text3"};
  QTest::newRow("tx") << "铜线电阻"
                      << QStringList{"Command1", "Text1", "Text2", "Text3", "Text4",
                                     "Text5",    "Text6", "Text7", "Text8", "Command2"};
  QTest::newRow("td") << "铜带电阻"
                      << QStringList{"Command1", "Text1", "Text3", "Text5", "Text6", "Text7", "Text8", "Command2"};
  QTest::newRow("gongm") << "差模扼流圈"
                         << QStringList{"Command2", "Text6", "Text5", "Command1", "Text4", "Text3", "Text2", "Text1"};
  QTest::newRow("chamo") << "共模扼流圈"
                         << QStringList{"Text1", "Text2", "Text3", "Text4", "Command1",
                                        "Text5", "Text6", "Text7", "Command2"};
}

void TestGuiCondemi::focusOrder() {
  QFETCH(QString, command);
  QFETCH(QStringList, order);
  CHOOSE(w, command);
  QVERIFY(QTest::qWaitForWindowActive(w));
  QVERIFY(QApplication::focusWidget());
  QCOMPARE(tabOrder(int(order.size())), order + QStringList{order.front()});
}

void TestGuiCondemi::headingsNoteAndIcons() {
  CHOOSE(tx, "铜线电阻");
  CHOOSE(td, "铜带电阻");
  for (CalcWindow* w : {tx, td}) {
    auto* heading = w->findChild<QLabel*>("Label9");
    QVERIFY(heading);
    QCOMPARE(heading->text(), "在20℃时铜的电阻计算");
    QCOMPARE(heading->font().pointSizeF(), 10.5);
    QVERIFY(!heading->font().bold());
    QCOMPARE(w->findChild<QLabel*>("Label1")->font().pointSizeF(), 9.0);
  }
  QCOMPARE(push(tx, "Command1")->text(), "铜线计算");
  QCOMPARE(push(td, "Command1")->text(), "铜带计算");

  CHOOSE(chamo, "共模扼流圈");
  auto* note = chamo->findChild<QLabel*>("Label8");
  QVERIFY(note);
  QVERIFY(note->wordWrap());
  QCOMPARE(note->size(), QSize(233, 57));
  // Several lines, and all of them inside the note's rectangle.
  QVERIFY(note->heightForWidth(note->width()) > 2 * note->fontMetrics().height());
  QVERIFY(note->heightForWidth(note->width()) <= note->height());
  QVERIFY(note->geometry().top() > push(chamo, "Command2")->geometry().bottom());

  QVERIFY(tx->windowIcon().isNull());
  CHOOSE(wires, "铜线计算");
  CHOOSE(strip, "铜带计算");
  CHOOSE(gongm, "差模扼流圈");
  for (CalcWindow* w : {td, chamo, wires, strip, gongm}) QVERIFY2(!w->windowIcon().isNull(), qPrintable(w->objectName()));
}

QTEST_MAIN(TestGuiCondemi)
#include "test_gui_condemi.moc"

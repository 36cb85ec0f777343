// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows say about their texts, for real on the offscreen
// platform: every input of every window marked when its text is not plainly
// a number; a result out of date when an input it used changes, and current
// again when the input is changed back; the filter's result computed from a
// left-over ripple; an impossible capacitance. Each mark shows in the look,
// the tooltip, the copied table and the accessible description.
#include <QtTest>

#include "app/program.h"
#include "gui_support.h"

using namespace ombrel;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The copied table's line of a field: "caption\ttext\trole".
QString tableLine(CalcWindow* w, const QString& caption) {
  for (const QString& line : w->dataTable().split('\n'))
    if (line.section('\t', 0, 0) == caption) return line;
  return QStringLiteral("<no line %1>").arg(caption);
}

}  // namespace

class TestGuiMarks : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  void initTestCase() { setUpApplication(*qApp); }
  void init() { start(); }
  void cleanup() { finish(); }

  void everyInputSaysHowItIsRead();
  void resultOutOfDateUntilItsInputIsBack();
  void filterFromALeftOverRipple();
  void impossibleCapacitance();
  void rippleTypedByHand();
  void inductanceCheckedAgainstItsRipple();
};

// "20abc" reads as 20 in every input of every window: underlined, the
// tooltip's first line and the accessible description say so; typed back,
// the plain number carries no mark.
void TestGuiMarks::everyInputSaysHowItIsRead() {
  int inputs = 0;
  for (const WindowSpec* spec : builtWindows()) {
    OPEN(w, spec->name.c_str());
    for (const Control& c : spec->controls) {
      if (c.kind != ControlKind::Field || c.fieldRole != FieldRole::Input || c.isChoice()) continue;
      FIND(e, QLineEdit, w, qs(c.name));
      const QString where = qs(spec->name + "." + c.name);
      type(w, c.name.c_str(), "20abc");
      QVERIFY2(e->font().underline(), qPrintable(where));
      QCOMPARE(tipText(e).section('\n', 0, 1), "按 20 读取\n" + qs(c.meaning));
      QCOMPARE(e->accessibleDescription(), QString("按 20 读取"));
      type(w, c.name.c_str(), c.text.empty() ? QString("20") : qs(c.text));
      QVERIFY2(!e->font().underline() && e->accessibleDescription().isEmpty(), qPrintable(where));
      ++inputs;
    }
  }
  QCOMPARE(inputs, 126);  // the check's 23 among them, its six lists not
}

// The gap computed, then the turns changed: out of date, grey italics, the
// reason first in its tooltip and in the table; the turns typed back: current.
void TestGuiMarks::resultOutOfDateUntilItsInputIsBack() {
  CHOOSE(lg, "电感气隙计算");
  click(lg, "Command1");
  FIND(gap, QLineEdit, lg, "Text4");
  QVERIFY(!gap->font().italic());
  type(lg, "Text1", "25");
  QVERIFY(gap->font().italic());
  QCOMPARE(tipText(gap).section('\n', 0, 0), gap->text() + "（已过时：「圈数」已改变）");
  QCOMPARE(tableLine(lg, "气隙(mm)"), "气隙(mm)\t" + gap->text() + "\t结果（已过时）");
  QCOMPARE(gap->accessibleDescription(), QString("已过时：「圈数」已改变"));
  type(lg, "Text1", "20");
  QVERIFY(!gap->font().italic() && gap->accessibleDescription().isEmpty());
  QCOMPARE(tableLine(lg, "气隙(mm)"), "气隙(mm)\t" + gap->text() + "\t结果");
}

// After the design faults, the filter multiplies the ripple left from the
// first run by a fresh attenuation: its result says so.
void TestGuiMarks::filterFromALeftOverRipple() {
  CHOOSE(fly, "反激电源");
  click(fly, "Command1");
  type(fly, "Text9", "1");
  click(fly, "Command1");
  QCOMPARE(boxes().size(), 1);
  click(fly, "Command3");
  FIND(after, QLineEdit, fly, "Text32");
  FIND(attenuation, QLineEdit, fly, "Text31");
  QVERIFY(after->font().italic() && !attenuation->font().italic());
  QCOMPARE(tipText(after).section('\n', 0, 0),
           after->text() + "（已过时：由上次计算留下的「输出纹波电压p-p(mV)」算出）");
  QCOMPARE(tableLine(fly, "衰减后纹波p-p(mV)"), "衰减后纹波p-p(mV)\t" + after->text() + "\t结果（已过时）");
}

// 130 V of DC from 85 V of AC: the formula gives a negative capacitance,
// which is shown as computed, marked bold and underlined in its own colour.
void TestGuiMarks::impossibleCapacitance() {
  CHOOSE(cin, "输入电容");
  type(cin, "Text6", "130");
  click(cin, "Command1");
  FIND(c, QLineEdit, cin, "Text7");
  QCOMPARE(c->text(), QString("-142.857142857143"));
  QVERIFY(c->font().bold() && c->font().underline() && !c->font().italic());
  QCOMPARE(tipText(c).section('\n', 0, 0), QString("-142.857142857143（不合理：电容量不能为负）"));
  QCOMPARE(c->accessibleDescription(), QString("不合理：电容量不能为负"));
  QCOMPARE(tableLine(cin, "整流滤电容波(uF)"), QString("整流滤电容波(uF)\t-142.857142857143\t结果（不合理）"));
  FIND(power, QLineEdit, cin, "Text3");
  QVERIFY(c->palette().color(QPalette::Text) != power->palette().color(QPalette::Text));
}

// 5 typed into the ripple voltage, a result: typed by hand, on its own
// ground; the filter's result from it says so; the design's 计算 writes it
// again and the mark goes.
void TestGuiMarks::rippleTypedByHand() {
  CHOOSE(fly, "反激电源");
  click(fly, "Command1");
  FIND(ripple, QLineEdit, fly, "Text28");
  FIND(after, QLineEdit, fly, "Text32");
  const QColor tint = ripple->palette().color(QPalette::Base);
  type(fly, "Text28", "5");
  QVERIFY(ripple->palette().color(QPalette::Base) != tint);
  QCOMPARE(tipText(ripple).section('\n', 0, 0), QString("5（手动输入：不是计算得出的结果）"));
  QCOMPARE(tableLine(fly, "输出纹波电压p-p(mV)"), QString("输出纹波电压p-p(mV)\t5\t结果（手动输入）"));
  click(fly, "Command3");
  QCOMPARE(tipText(after).section('\n', 0, 0), after->text() + "（由手动输入的「输出纹波电压p-p(mV)」算出）");
  QCOMPARE(after->accessibleDescription(), QString("由手动输入的「输出纹波电压p-p(mV)」算出"));
  QCOMPARE(tableLine(fly, "衰减后纹波p-p(mV)"), "衰减后纹波p-p(mV)\t" + after->text() + "\t结果（由手动输入算出）");
  click(fly, "Command1");
  QCOMPARE(ripple->palette().color(QPalette::Base), tint);
  QCOMPARE(tableLine(fly, "输出纹波电压p-p(mV)"), "输出纹波电压p-p(mV)\t" + ripple->text() + "\t结果");
}

// With 电流波形系数 0.6 the primary inductance is the one of a current rising
// from zero: marked 验算 with what a ripple of 0.6 needs, 5486.34262399999 ÷
// 0.6 and 0.3 T ÷ 0.6 (Python: 9143.90437333332, 0.5); the flux density's
// tooltip gives the peak too. With K = 1 there is nothing to say.
void TestGuiMarks::inductanceCheckedAgainstItsRipple() {
  CHOOSE(fly, "反激电源");
  click(fly, "Command1");
  FIND(l, QLineEdit, fly, "Text10");
  FIND(b, QLineEdit, fly, "Text6");
  QVERIFY(l->font().overline() && !l->font().underline());
  QCOMPARE(tipText(l).section('\n', 0, 1),
           QString("5486.34262399999（验算：按此电感量，电流从零升起（纹波为峰值的 100 %），与「电流波形系数」0.6 不符；\n"
                   "纹波为 0.6 时初级电感量应为 9143.90437333332 uH，此时峰值磁通密度为「磁材饱和强度(T)」÷ 0.6 = 0.5 T）"));
  QCOMPARE(tableLine(fly, "初级电感量(uH)"), QString("初级电感量(uH)\t5486.34262399999\t结果（验算）"));
  QCOMPARE(tipText(b).section('\n', -1),
           QString("验算：「初级电感量(uH)」按电流从零升起计算；纹波为「电流波形系数」0.6 时，"
                   "峰值磁通密度为「磁材饱和强度(T)」÷ 0.6 = 0.5 T"));
  FIND(ripple, QLineEdit, fly, "Text26");
  QVERIFY(tipText(ripple).contains("有效值（RMS）"));
  type(fly, "Text5", "1");
  click(fly, "Command1");
  QVERIFY(!l->font().overline());
  QCOMPARE(tableLine(fly, "初级电感量(uH)"), "初级电感量(uH)\t" + l->text() + "\t结果");
  QVERIFY(!tipText(b).contains("验算"));
}

QTEST_MAIN(TestGuiMarks)
#include "test_gui_marks.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Copying, pasting and tooltips, for real on the offscreen platform: the
// clipboard after calculations, byte for byte (the table of each window is
// test_results_table's), grouped and with results left from an earlier run
// marked, on screen as well; the tooltips and the tint of every field and its
// caption; the context menu's entries and Ctrl+Shift+C; a table pasted back,
// its note and its undo; a figure typed in from another window (取自) or from
// the lists of parts; every input showing its text from the first character
// however it was typed; and no field text changed by copying.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <set>
#include <tuple>

#include "app/looks.h"
#include "app/program.h"
#include "app/core_shape_window.h"
#include "gui_support.h"

using namespace ombrel;

namespace {


QString qs(const std::string& s) { return QString::fromStdString(s); }

// Whether a field shows its text from the first character: the cursor at
// the beginning, drawn at the left of the field once it has painted.
QString notFromTheStart(QLineEdit* e) {
  (void)e->grab();
  const int x = e->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
  if (e->cursorPosition() == 0 && x > -6 && x < 12) return {};
  return QString("%1 shows %2 from %3, cursor at x %4").arg(e->objectName(), e->text()).arg(e->cursorPosition()).arg(x);
}

// The entry of a menu and its submenus whose text, after its tab, is the longest.
QAction* longestEntry(QMenu* menu) {
  QAction* best = nullptr;
  for (QAction* a : menu ? menu->actions() : QList<QAction*>()) {
    QAction* found = a->menu() ? longestEntry(a->menu()) : a;
    if (found && found->isEnabled() && (!best || found->text().section('\t', 1).size() > best->text().section('\t', 1).size()))
      best = found;
  }
  return best;
}

}  // namespace

class TestGuiCopy : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  OMBREL_GUI_TEST_SLOTS

  void copiedTable();
  void leftOverResultsAreMarked();
  void fieldsExplainThemselves();
  void tooltipShowsTheFormula();
  void contextMenuHasTheEntry();
  void contextMenuPopsUpAndCopies();
  void ctrlShiftCCopies();
  void partsFromTheContextMenu();
  void takenFromAnotherWindow();
  void pastedBack();
  void hintWindowHasNoCopy();
  void fieldTextsUnchanged();
  void typedTextsShowFromTheStart();
  void pasteSaysWhatItReadAndTakesBack();
  void noteGoesWhenTheUserMovesOn();

 private:
  // The popup on screen, if any, as a menu.
  static QMenu* popupMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
  // A right click on the field pops up its menu; choosing the copy entry
  // copies and closes it.
  static void copyFromContextMenu(QLineEdit* field) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), field->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(field, &event);
    QPointer<QMenu> menu;
    QTRY_VERIFY((menu = popupMenu()));
    QAction* copy = entry(menu);
    QVERIFY(copy);
    copy->trigger();
    menu->close();
    QTRY_VERIFY(!popupMenu());
  }
  static QAction* entry(QMenu* menu) {
    if (!menu) return nullptr;
    for (QAction* a : menu->actions())
      if (a->text() == QStringLiteral("复制本窗口数据")) return a;
    return nullptr;
  }
};

// Two of its buttons pressed in the window, then its copy action: the
// clipboard holds the table of what the window shows, group by group under
// its headings, blanks of the group not calculated included.
void TestGuiCopy::copiedTable() {
  CHOOSE(w, "TL431计算");
  type(w, "Text1", "5");
  click(w, "Command1");
  click(w, "Command3");
  QVERIFY(w->copyAction());
  QVERIFY(w->copyAction());
  w->copyAction()->trigger();
  QCOMPARE(clipboardBytes(), QByteArray("【TL431电阻计算】\nTL431电阻计算\n"
                                        "分压估计\n"
                                        "输出电压(V)\t5\t输入\n"
                                        "R1(K)\t2.5\t结果\n"
                                        "R2(K)\t1.5\t结果\n"
                                        "R3(K)\t1\t结果\n"
                                        "分压验证\n"
                                        "R1(K)\t8.2\t输入\n"
                                        "R2(K)\t1.5\t输入\n"
                                        "R3(K)\t1\t输入\n"
                                        "从\t \t结果\n"
                                        "到\t \t结果\n"
                                        "光耦电流\n"
                                        "输出电压(V)\t12\t输入\n"
                                        "R5(K)\t0.47\t输入\n"
                                        "光耦电流(mA)\t16.3829787234043\t结果\n"));
}

// The design with its defaults, then with a duty cycle of 1: step 9 divides
// by zero, so the reflected voltage and every later result are left from the
// first run: grey italics, their tooltips and the table say so, while the
// results written again look as before. The filter never ran: not marked.
// A clean run clears every mark.
void TestGuiCopy::leftOverResultsAreMarked() {
  CHOOSE(w, "反激电源");
  click(w, "Command1");
  type(w, "Text9", "1");
  click(w, "Command1");
  QCOMPARE(boxes().size(), 1);
  QVERIFY(w->copyAction());
  w->copyAction()->trigger();
  QCOMPARE(clipboardBytes(), QByteArray("【反激变压器】\n反激变压器\n"
                                        "设计条件：\n"
                                        "输出功率（W）\t20\t输入\n"
                                        "输出电压（V）\t12\t输入\n"
                                        "效率\t0.8\t输入\n"
                                        "最低交流输入（V）\t175\t输入\n"
                                        "最高交流输入（V）\t264\t输入\n"
                                        "安全击穿电压余量（V）\t150\t输入\n"
                                        "电流波形系数\t0.6\t输入\n"
                                        "磁材饱和强度(T)\t0.3\t输入\n"
                                        "磁材横截面积(mm2)\t83\t输入\n"
                                        "开关频率(Khz)\t50\t输入\n"
                                        "最大占空比\t1\t输入\n"
                                        "变压器参数：\n"
                                        "初级电感量(uH)\t34289.6413999998\t结果（验算）\n"
                                        "次级电感量(uH)\t0\t结果（不合理）\n"
                                        "初级圈数(T)\t198.755020080321\t结果\n"
                                        "次级圈数(T)\t0\t结果（不合理）\n"
                                        "磁隙宽度(mm)\t0.120099445400651\t结果\n"
                                        "初级参数：\n"
                                        "初级电流平均值(A)\t0.101030511214387\t结果\n"
                                        "初级电流峰值(A)\t0.144329301734839\t结果\n"
                                        "初级电流有效值(A)\t0.164560722959781\t结果（上次计算）\n"
                                        "导通时间(us)\t20\t结果\n"
                                        "开关管耐压>(V)\t684.566666666667\t结果（上次计算）\n"
                                        "反射电压(V)\t164.966666666667\t结果（上次计算）\n"
                                        "次极参数：\n"
                                        "次级电流峰值(A)\t4.96031746031747\t结果（上次计算）\n"
                                        "次级电流有效值(A)\t2.77068254836686\t结果（上次计算）\n"
                                        "输出纹波电流p-p(A)\t2.21334678847371\t结果（上次计算）\n"
                                        "输出纹波电压p-p(mV)\t496.031746031747\t结果（上次计算）\n"
                                        "滤波器参数：\n"
                                        "输出电感柱(uH)\t3\t输入\n"
                                        "输出电容ESR(moh)\t100\t输入\n"
                                        "衰减倍数\t\t结果\n"
                                        "衰减后纹波p-p(mV)\t\t结果\n"));
  FIND(fresh, QLineEdit, w, "Text10");
  FIND(left, QLineEdit, w, "Text19");
  QVERIFY(!fresh->font().italic() && left->font().italic());
  QVERIFY(fresh->palette().color(QPalette::Text) != left->palette().color(QPalette::Text));
  QCOMPARE(fresh->palette().color(QPalette::Base), left->palette().color(QPalette::Base));
  // Left over, and out of date too: the turns it was computed from are no longer those shown.
  QVERIFY2(tipText(left).startsWith("164.966666666667（上次计算的结果，本次计算未更新）（已过时：「初级圈数(T)」已改变）\n"
                                    "「反射电压(V)」 = "), qPrintable(tipText(left)));
  FIND(caption, QLabel, w, "Label19");
  QCOMPARE(caption->toolTip(), left->toolTip());
  // Typed over, a left-over result is the user's text: no longer left over
  // but typed by hand, on its own ground; the others keep their marks.
  FIND(voltage, QLineEdit, w, "Text18");
  type(w, "Text23", "5");
  FIND(typed, QLineEdit, w, "Text23");
  QVERIFY(!typed->font().italic() && !w->isStale("Text23"));
  QCOMPARE(w->markOf("Text23").look, Look::Manual);
  QVERIFY(typed->palette().color(QPalette::Base) != left->palette().color(QPalette::Base));
  QVERIFY(left->font().italic() && w->isStale("Text19") && voltage->font().italic() && w->isStale("Text18"));
  QCOMPARE(tipText(typed).section('\n', 0, 0), QString("5（手动输入：不是计算得出的结果）"));
  QCOMPARE(typed->accessibleDescription(), QString("手动输入：不是计算得出的结果"));
  // Drawn as set: the empty filter result shows its tint, an input the plain ground.
  FIND(filter, QLineEdit, w, "Text31");
  FIND(power, QLineEdit, w, "Text1");
  QCOMPARE(filter->grab().toImage().pixel(filter->width() - 4, filter->height() / 2),
           filter->palette().color(QPalette::Base).rgb());
  QCOMPARE(power->grab().toImage().pixel(power->width() - 4, power->height() / 2),
           power->palette().color(QPalette::Base).rgb());

  type(w, "Text9", "0.4");
  click(w, "Command1");
  QVERIFY(!left->font().italic());
  QCOMPARE(left->palette().color(QPalette::Text), w->palette().color(QPalette::Text));
  QCOMPARE(tipText(left).section('\n', 0, 0), QString("164.966666666667"));
  QVERIFY(w->copyAction());
  w->copyAction()->trigger();
  QVERIFY(!clipboardBytes().contains("上次计算"));
}

// Every field of every window explains itself, and its caption label
// carries the same tooltip. An input: its meaning, then the results that
// read it or that none does. An output: its whole text, then its formula,
// which begins with its own caption; each formula line fits a screen 1024
// pixels wide with room to spare; markup typed into it stays text. All
// outputs share one tinted ground and all inputs another, in every window.
void TestGuiCopy::fieldsExplainThemselves() {
  const QFontMetrics metrics(QToolTip::font());
  std::set<QRgb> inputGround, outputGround;
  int outputs = 0;
  for (const WindowSpec* spec : builtWindows()) {
    CalcWindow* w = nav_->open(qs(spec->name));
    QVERIFY2(w, spec->name.c_str());
    for (const Control& c : spec->controls) {
      if (c.kind != ControlKind::Field || c.isChoice()) continue;  // a list's items explain themselves
      const QString where = qs(spec->name + "." + c.name);
      QLineEdit* e = w->field(qs(c.name));
      QVERIFY2(e, qPrintable(where));
      QLabel* label = nullptr;
      for (const Control& l : spec->controls)
        if (l.kind == ControlKind::Label && l.buddy == c.name) label = w->findChild<QLabel*>(qs(l.name));
      QVERIFY2(label, qPrintable(where));
      QCOMPARE(label->toolTip(), e->toolTip());
      const bool input = c.fieldRole == FieldRole::Input;
      (input ? inputGround : outputGround).insert(e->palette().color(QPalette::Base).rgb());
      if (input) {
        // After how a blank input is read, where it is blank.
        const QString note = qs(w->markOf(qs(c.name)).note);
        const QString tip = tipText(e).mid(note.isEmpty() ? 0 : note.size() + 1);
        QVERIFY2(tip.startsWith(qs(c.meaning) + "\n"), qPrintable(where + ": " + tip));
        QVERIFY2(tip.section('\n', 1).startsWith("用于：「") || tip.section('\n', 1) == "不参与计算", qPrintable(where));
        continue;
      }
      ++outputs;
      QCOMPARE(tipText(e), qs(c.formula));
      QVERIFY2(tipText(e).startsWith("「" + label->text().trimmed() + "」"), qPrintable(where));
      for (const QString& line : qs(c.formula).split('\n'))
        QVERIFY2(metrics.horizontalAdvance(line) <= 800, qPrintable(where + ": too wide: " + line));
      const QString typed = "<b>-1.79769313486231E+308</b>";
      type(w, c.name.c_str(), typed);
      QCOMPARE(tipText(e), typed + "（手动输入：不是计算得出的结果）\n" + qs(c.formula));
      QCOMPARE(tipText(label), tipText(e));
    }
  }
  QCOMPARE(outputs, 111);  // the check's 50 among them
  QCOMPARE(outputGround.size(), std::size_t(1));
  QCOMPARE(inputGround.size(), std::size_t(1));
  QVERIFY(*outputGround.begin() != *inputGround.begin());
}

// Hovering shows the formula as Qt's tooltip, on the field and on its
// caption (no result yet: the formula alone).
void TestGuiCopy::tooltipShowsTheFormula() {
  CHOOSE(lg, "电感气隙计算");
  QVERIFY(QTest::qWaitForWindowExposed(lg));
  const QString gap = "「气隙(mm)」 = 「圈数」 × 1.27 × 0.001 × 「圈数」 × 「有效截面积（mm2）」 ÷ 「电感量(uH)」\n"
                      "其中 1.27 × 0.001 代表真空磁导率（uH/mm）";
  for (QWidget* target : {static_cast<QWidget*>(edit(lg, "Text4")), lg->findChild<QWidget*>("Label4")}) {
    QVERIFY(target);
    const QPoint at(5, 5);
    QHelpEvent help(QEvent::ToolTip, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QTextDocument shown;
    shown.setHtml(QToolTip::text());
    QCOMPARE(shown.toPlainText(), gap);
    QToolTip::hideText();
  }
  // A resistance or capacitance result ends with its nearest standard values:
  // R1 9.5 kΩ -> E24 9.1 (−4.2 %), E12 10 (+5.3 %); R3 59.78 kΩ -> 62 (+3.7 %), 56 (−6.3 %).
  CHOOSE(tl, "TL431计算");
  click(tl, "Command1");
  QVERIFY2(tipText(edit(tl, "Text2")).endsWith("\n标准值：E24 9.1 kΩ（−4.2 %），E12 10 kΩ（+5.3 %）"),
           qPrintable(tipText(edit(tl, "Text2"))));
  CHOOSE(loop, "电流型控制环路");
  click(loop, "Command1");
  QVERIFY(tipText(edit(loop, "Text2")).endsWith("\n标准值：E24 62 kΩ（+3.7 %），E12 56 kΩ（−6.3 %）"));
  QVERIFY(!tipText(edit(loop, "Text14")).contains("标准值"));  // 电源增益 is no part
}

// The entry follows Qt's own entries in a field's menu; triggering it copies.
void TestGuiCopy::contextMenuHasTheEntry() {
  CHOOSE(cin, "输入电容");
  click(cin, "Command1");
  for (const char* name : {"Text1", "Text7"}) {
    FIND(field, QLineEdit, cin, name);
    std::unique_ptr<QMenu> menu(cin->contextMenu(field));
    const QList<QAction*> actions = menu->actions();
    QVERIFY(actions.size() > 3);
    QAction* copy = entry(menu.get());
    QVERIFY(copy);
    // After the copy entry: the paste, the copy of every window, and for an input 取自 and the sweep, for a result 反算.
    const bool input = QString(name) == "Text1";
    QStringList tail;
    for (qsizetype i = actions.indexOf(copy) + 1; i < actions.size(); ++i) tail << actions.at(i)->text();
    const QStringList expected = input ? QStringList{"粘贴本窗口数据", "复制全部窗口数据", "取自", "参数扫描…"}
                                       : QStringList{"粘贴本窗口数据", "复制全部窗口数据", "反算…"};
    QCOMPARE(tail, expected);
    QVERIFY(actions.at(actions.indexOf(copy) - 1)->isSeparator());
    QVERIFY(copy->isEnabled());
    QCOMPARE(copy->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    clearClipboard();
    copy->trigger();
    QCOMPARE(clipboardBytes(), cin->dataTable().toUtf8());
    QVERIFY(clipboardBytes().startsWith("【输入电容】\n输入电容\n交流电网频率(Hz)\t50\t输入\n"));
  }
}

// A right click pops up the menu, as Qt's own; choosing the entry copies and
// closes it.
void TestGuiCopy::contextMenuPopsUpAndCopies() {
  CHOOSE(td, "铜带电阻");
  QVERIFY(QTest::qWaitForWindowExposed(td));
  click(td, "Command1");
  FIND(field, QLineEdit, td, "Text3");
  copyFromContextMenu(field);
  if (QTest::currentTestFailed()) return;
  QCOMPARE(clipboardBytes(), QByteArray("【铜带电阻计算】\n铜带电阻计算\n"
                                        "铜带长度（m）\t10\t输入\n"
                                        "并绕层数\t1\t输入\n"
                                        "通过电流(A)\t2\t输入\n"
                                        "总根铜线面积(mm2)\t0.5\t输入\n"
                                        "铜线电阻值(mΩ)\t340\t结果\n"
                                        "铜线电压降（V）\t0.68\t结果\n"));
}

// Ctrl+Shift+C copies wherever the focus is in the window: an input, an
// output, a button.
void TestGuiCopy::ctrlShiftCCopies() {
  CHOOSE(tx, "铜线电阻");
  QVERIFY(QTest::qWaitForWindowActive(tx));
  click(tx, "Command1");
  const QByteArray table = tx->dataTable().toUtf8();
  QVERIFY(table.endsWith("铜线电压降（V）\t0.105742436305732\t结果\n"));
  for (QWidget* target : {static_cast<QWidget*>(edit(tx, "Text1")), static_cast<QWidget*>(edit(tx, "Text7")),
                          static_cast<QWidget*>(push(tx, "Command2"))}) {
    QVERIFY(target);
    clearClipboard();
    target->setFocus();
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(clipboardBytes(), table);
  }
  // Ctrl+C alone stays the field's own copy of its selection.
  clearClipboard();
  FIND(current, QLineEdit, tx, "Text6");
  current->setFocus();
  current->selectAll();
  QTest::keyClick(current, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(clipboardBytes(), QByteArray("10"));
}

// The fields that ask for a core's cross-section offer the cores, those that
// ask for a round wire's diameter the wires, and no other field offers any.
// Choosing one types its figure into the field and calculates nothing.
void TestGuiCopy::partsFromTheContextMenu() {
  QStringList cores, wires;
  for (const WindowSpec* spec : builtWindows()) {
    CalcWindow* w = nav_->open(qs(spec->name));
    QVERIFY2(w, spec->name.c_str());
    for (const Control& c : spec->controls) {
      if (c.kind != ControlKind::Field || c.isChoice()) continue;  // a list has no menu of its own
      FIND(field, QLineEdit, w, qs(c.name));
      std::unique_ptr<QMenu> menu(w->contextMenu(field));
      if (entryAt(menu.get(), {"选择磁芯"})) cores << qs(spec->name + "." + c.name);
      if (entryAt(menu.get(), {"选择线径"})) wires << qs(spec->name + "." + c.name);
      QVERIFY(!menu->actions().isEmpty());
      QCOMPARE(menu->actions().last()->text(), spec->frequencyResponse          ? QString("频率响应…")
                                               : c.fieldRole == FieldRole::Input ? QString("参数扫描…")
                                                                                 : QString("反算…"));
    }
  }
  QCOMPARE(cores, (QStringList{"FlybackForm.Text7", "ForwardForm.Text5", "FullBridgeForm.Text5",
                               "HalfBridgeForm.Text5", "diangq.Text3", "lg.Text2", "qudongbyq.Text4"}));
  QCOMPARE(wires, (QStringList{"daoxian.Text2", "tx.Text4", "winding.d1", "winding.d2", "winding.d3"}));

  CHOOSE(lg, "电感气隙计算");
  FIND(ae, QLineEdit, lg, "Text2");
  std::unique_ptr<QMenu> menu(lg->contextMenu(ae));
  // A maker's core, its Ae as printed; a shape no maker's row lists, its Ae
  // computed, to three figures.
  const std::tuple<QString, QString, QString, QString> picks[] = {
      {"ETD", "ETD34\tAe 97.1 mm²", "97.1", "TDK 数据手册"},
      {"PQ", "PQ20/16\tAe 64.3 mm²", "64.3", "按 IEC 60205 由 IEC 63093 标称尺寸计算"}};
  for (const auto& [family, label, typed, source] : picks) {
    QAction* core = entryAt(menu.get(), {"选择磁芯", family, label});
    QVERIFY2(core, qPrintable(label));
    QVERIFY(core->toolTip().contains(source));
    core->trigger();
    QCOMPARE(ae->text(), typed);
    QCOMPARE(text(lg, "Text4"), QString());
    QVERIFY(ae->isUndoAvailable());
  }

  CHOOSE(tx, "铜线电阻");
  FIND(d, QLineEdit, tx, "Text4");
  menu.reset(tx->contextMenu(d));
  QAction* awg24 = entryAt(menu.get(), {"选择线径", "AWG", "AWG24\t0.5106 mm"});
  QVERIFY(awg24);
  awg24->trigger();
  QCOMPARE(d->text(), QString("0.5106"));
  QAction* iec = entryAt(menu.get(), {"选择线径", "IEC", "0.112 mm"});
  QVERIFY(iec);
  iec->trigger();
  QCOMPARE(d->text(), QString("0.112"));
  QCOMPARE(text(tx, "Text2"), QString());
}

// "取自" on the air-gap window: nothing to take while it is the only window;
// with the flyback window calculated, its primary inductance, turns and
// core area typed in by three choices, then 计算 there. The flyback window
// does not change.
void TestGuiCopy::takenFromAnotherWindow() {
  const auto takeFrom = [](CalcWindow* w, const char* name) -> QMenu* {
    QLineEdit* field = w ? w->field(name) : nullptr;
    if (!field) return nullptr;
    QMenu* menu = w->contextMenu(field);
    for (QAction* a : menu->actions())
      if (a->text() == QStringLiteral("取自") && a->menu()) return a->menu();
    return nullptr;
  };
  CHOOSE(lg, "电感气隙计算");
  QMenu* from = takeFrom(lg, "Text1");
  QVERIFY(from);
  std::unique_ptr<QMenu> owner(qobject_cast<QMenu*>(from->parent()));
  QCOMPARE(from->actions().size(), 1);
  QCOMPARE(from->actions().first()->text(), QString("（没有同单位的数值）"));
  QVERIFY(!from->actions().first()->isEnabled());

  CHOOSE(fly, "反激电源");
  click(fly, "Command1");
  const QMap<QString, QString> before = allFields();
  for (const auto& [field, caption, value] : {std::tuple{"Text3", "初级电感量(uH)", "5486.34262399999"},
                                             std::tuple{"Text1", "初级圈数(T)", "79.5020080321285"},
                                             std::tuple{"Text2", "磁材横截面积(mm2)", "83"}}) {
    from = takeFrom(lg, field);
    QVERIFY(from);
    owner.reset(qobject_cast<QMenu*>(from->parent()));
    QCOMPARE(from->actions().size(), 1);  // the flyback window alone offers
    QMenu* window = from->actions().first()->menu();
    QVERIFY(window && window->title() == QString("反激变压器"));
    QAction* entry = nullptr;
    for (QAction* a : window->actions())
      if (a->text() == QString(caption) + "\t" + value || a->text().startsWith(QString(caption) + "\t" + value + "（"))
        entry = a;  // a marked result's words follow its text
    QVERIFY2(entry, caption);
    entry->trigger();
    QCOMPARE(text(lg, field), QString(value));
    FIND(e, QLineEdit, lg, field);
    QVERIFY(e->isUndoAvailable());
  }
  QCOMPARE(text(lg, "Text4"), QString());  // nothing calculated until 计算
  QCOMPARE(allFields().value("FlybackForm.Text10"), before.value("FlybackForm.Text10"));
  click(lg, "Command1");
  // 79.5020080321285 × 1.27 × 0.001 × 79.5020080321285 × 83 ÷ 5486.34262399999
  QCOMPARE(text(lg, "Text4"), QString("0.121438133486326"));
}

// Every window: inputs typed, copied, the window discarded and opened
// afresh, the table pasted (Ctrl+Shift+V in the first, the menu entry in the
// rest): the inputs are back exactly, the results empty until 计算, and a note
// says what was filled until the next key. A spreadsheet's cells fill what
// they name; a clipboard naming nothing of the window changes no field. The
// copy of every window names each.
void TestGuiCopy::pastedBack() {
  bool first = true;
  for (const WindowSpec* spec : builtWindows()) {
    OPEN(w, spec->name.c_str());
    if (!w->copyAction()) continue;  // the hint window has no fields
    int inputs = 0, lists = 0;  // a list is pasted back too, with the item it holds
    for (const Control& c : spec->controls)
      if (c.kind == ControlKind::Field && c.fieldRole == FieldRole::Input && !c.isChoice())
        type(w, c.name.c_str(), QString("%1.%2").arg(++inputs).arg(spec->name.size()));
      else if (c.kind == ControlKind::Field && c.isChoice())
        ++lists;
    w->copyAction()->trigger();
    QVERIFY(w->close());
    OPEN(fresh, spec->name.c_str());
    if (first) {
      QVERIFY(QTest::qWaitForWindowActive(fresh));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
      first = false;
    } else {
      QVERIFY(fresh->pasteAction());
      fresh->pasteAction()->trigger();
    }
    int k = 0;
    for (const Control& c : spec->controls)
      if (c.kind == ControlKind::Field)
        QCOMPARE(qs(spec->name + "." + c.name + "=") + text(fresh, c.name.c_str()),
                 qs(spec->name + "." + c.name + "=") +
                     (c.fieldRole == FieldRole::Input && !c.isChoice() ? QString("%1.%2").arg(++k).arg(spec->name.size())
                                                                        : qs(c.text)));
    QVERIFY(fresh->note() && fresh->note()->isVisible());
    QVERIFY2(fresh->note()->text().startsWith(QString("已填入 %1 个输入，跳过 ").arg(inputs + lists)),
             qPrintable(fresh->note()->text()));
    QCOMPARE(fresh->note()->accessibleName(), fresh->note()->text());
  }
  CHOOSE(lg, "电感气隙计算");
  FIND(turns, QLineEdit, lg, "Text1");
  QTest::keyClick(turns, Qt::Key_Home);
  QVERIFY(lg->note() && !lg->note()->isVisible());  // gone at the next key

  QGuiApplication::clipboard()->setText("圈数\t 30 \r\n\"电感量(uH)\"\t\"700\"\r\n气隙(mm)\t9");
  QVERIFY(lg->pasteAction() && lg->copyAllAction());
  lg->pasteAction()->trigger();
  QCOMPARE(text(lg, "Text1") + " " + text(lg, "Text3") + " " + text(lg, "Text4"), QString("30 700 "));
  QCOMPARE(lg->note()->text(), QString("已填入 2 个输入，跳过 1 行"));
  QVERIFY(turns->isUndoAvailable());

  const QMap<QString, QString> before = allFields();
  QGuiApplication::clipboard()->setText("型号\tETD34\n\n");
  lg->pasteAction()->trigger();
  QCOMPARE(lg->note()->text(), QString("剪贴板中没有本窗口的输入"));
  QCOMPARE(allFields(), before);

  lg->copyAllAction()->trigger();
  const QString all = QGuiApplication::clipboard()->text();
  QVERIFY2(all.startsWith("【反激变压器】\n反激变压器\n") && all.contains("\n【电感气隙计算】\n电感气隙计算\n圈数\t30\t输入\n"),
           qPrintable(all.left(200)));
  QCOMPARE(boxes(), QStringList());
}

// The ESR hint has no fields: no entry, no shortcut.
void TestGuiCopy::hintWindowHasNoCopy() {
  CHOOSE(loop, "电流型控制环路");
  CalcWindow* hint = nav_->open("gongs");
  QVERIFY(hint);
  QVERIFY(QTest::qWaitForWindowActive(hint));
  QCOMPARE(hint->copyAction(), nullptr);
  QVERIFY(hint->findChildren<QAction*>().isEmpty());
  QTest::keyClick(hint, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(clipboardBytes(), QByteArray("<nothing copied>"));
}

// Copying by menu and by key, and the tooltips, leave every field of every
// window as it was, shown or hidden: text, display, cursor, selection, flags.
void TestGuiCopy::fieldTextsUnchanged() {
  CHOOSE(fly, "反激电源");
  click(fly, "Command1");
  CHOOSE(loop, "电流型控制环路");
  click(loop, "Command1");
  type(loop, "Text9", "150 mR");
  FIND(esr, QLineEdit, loop, "Text9");
  esr->setSelection(3, 3);
  click(loop, "Command2");  // hidden, texts kept
  QVERIFY(!loop->isVisible());
  CHOOSE(tl, "TL431计算");
  click(tl, "Command3");
  QVERIFY(QTest::qWaitForWindowActive(tl));
  const QMap<QString, QString> before = allFields();
  QCOMPARE(before.size(), 30 + 19 + 12);

  FIND(r1, QLineEdit, tl, "Text2");
  QTest::keyClick(r1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  QVERIFY(clipboardBytes().startsWith("【TL431电阻计算】\nTL431电阻计算\n"));
  FIND(field, QLineEdit, tl, "Text12");
  copyFromContextMenu(field);
  if (QTest::currentTestFailed()) return;
  for (CalcWindow* w : {loop, fly}) {
    QVERIFY(w->copyAction());
    QVERIFY(w->copyAction());
  w->copyAction()->trigger();
  }
  QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(field, &help);
  QTRY_VERIFY(QToolTip::isVisible());
  QToolTip::hideText();

  QCOMPARE(allFields(), before);
}

QTEST_MAIN(TestGuiCopy)
#include "test_gui_copy.moc"

// Every input of every window, typed into by each way the program types: a
// pasted table, 取自, a picked part and 填入 Ae. Each shows its text from the
// first character, focused or not, and where the text is wider than the
// field its tooltip starts with it whole. An empty input says in grey that
// it reads as 0.
void TestGuiCopy::typedTextsShowFromTheStart() {
  const QString digits = "1.23456789012345";
  std::vector<CalcWindow*> windows;
  for (const WindowSpec* spec : builtWindows()) {
    OPEN(w, spec->name.c_str());
    windows.push_back(w);
    for (const Control& c : spec->controls)
      if (c.kind == ControlKind::Button && c.buttonRole == ButtonRole::Calculate) {
        dismissNextBoxAtOnce();
        click(w, c.name.c_str());
      }
  }
  boxes();
  int typed = 0;
  for (CalcWindow* w : windows) {
    if (!w->copyAction()) continue;
    std::vector<QLineEdit*> inputs;
    for (const Control& c : w->spec().controls)
      if (c.kind == ControlKind::Field && c.fieldRole == FieldRole::Input && !c.isChoice())
        inputs.push_back(w->field(qs(c.name)));
    for (QLineEdit* e : inputs) {
      const std::string blank = w->spec().find(e->objectName().toStdString())->blank;
      QCOMPARE(e->placeholderText(), blank.empty() ? QString("按 0 读取") : qs(blank));
      e->setText(digits);
    }
    w->copyAction()->trigger();
    for (QLineEdit* e : inputs) e->setText(QString());
    w->pasteAction()->trigger();
    for (QLineEdit* e : inputs) {
      QVERIFY2(notFromTheStart(e).isEmpty(), qPrintable(w->objectName() + ": pasted, " + notFromTheStart(e)));
      if (widerThanField(e))
        QVERIFY2(e->toolTip().startsWith("<p style=\"white-space:pre\">" + digits + "\n"), qPrintable(e->toolTip()));
      ++typed;
      std::unique_ptr<QMenu> menu(w->contextMenu(e));
      for (const QString& way : {QString("取自"), QString("选择磁芯"), QString("选择线径")})
        if (QAction* entry = longestEntry(entryAt(menu.get(), {way}) ? entryAt(menu.get(), {way})->menu() : nullptr)) {
          if (entry->text() == "按尺寸计算…") {
            entry->trigger();
            CoreShapeWindow* shape = nav_->coreShapeWindow();
            QVERIFY(shape);
            click(shape, "calculate");
            click(shape, "fillAe");
            QCOMPARE(e->text(), shape->result("Ae")->text());
            click(shape, "back");
          } else {
            entry->trigger();
          }
          QVERIFY2(notFromTheStart(e).isEmpty(), qPrintable(w->objectName() + ": " + way + ", " + notFromTheStart(e)));
          ++typed;
        }
    }
  }
  QVERIFY2(typed > 200, qPrintable(QString::number(typed)));  // every input pasted into, most taken from elsewhere
  QCOMPARE(boxes(), QStringList());
}

// A spreadsheet's cells read otherwise than they look are named in the
// note with their readings; 撤销粘贴, or Ctrl+Z while the note shows, gives
// every filled field its text back in one step; once the note has gone, each
// field's own undo works. Another window's table fills nothing and says so.
void TestGuiCopy::pasteSaysWhatItReadAndTakesBack() {
  CHOOSE(fly, "反激电源");
  const auto texts = [](CalcWindow* w) {
    QStringList all;
    for (const Control& c : w->spec().controls)
      if (c.kind == ControlKind::Field) all << w->field(qs(c.name))->text();
    return all;
  };
  const QStringList before = texts(fly);
  QGuiApplication::clipboard()->setText("效率\t80%\n磁材横截面积(mm2)\t1,234\n输出功率（W）\t２０\n");
  fly->pasteAction()->trigger();
  QCOMPARE(fly->note()->text(), QString("已填入 3 个输入，跳过 0 行；其中「效率」按 80 读取，「磁材横截面积(mm2)」按 1 读取，"
                                        "「输出功率（W）」按 0 读取"));
  QCOMPARE(text(fly, "Text3"), QString("80%"));
  click(fly->note(), "undoPaste");
  QVERIFY(!fly->note()->isVisible());
  QCOMPARE(texts(fly), before);
  // Taken back, the focus is where the user was, nothing selected; from a
  // result, at the first input of the Tab order (输出电感柱), never a result.
  QVERIFY(QTest::qWaitForWindowActive(fly));
  for (const auto& [at, back] : {std::pair{"Text3", "Text3"}, {"Text28", "Text22"}}) {
    fly->field(at)->setFocus();
    fly->pasteAction()->trigger();
    click(fly->note(), "undoPaste");
    const auto* now = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QCOMPARE(now ? now->objectName() + (now->hasSelectedText() ? " selected" : "") : QString("none"), QString(back));
  }

  fly->field("Text3")->setFocus();
  fly->pasteAction()->trigger();
  QTest::keyClick(fly->field("Text3"), Qt::Key_Z, Qt::ControlModifier);
  QVERIFY(!fly->note()->isVisible());
  QCOMPARE(texts(fly), before);

  fly->pasteAction()->trigger();
  QTest::keyClick(fly->field("Text3"), Qt::Key_End);  // the note goes; the field's own undo is back
  QVERIFY(!fly->note()->isVisible());
  QTest::keyClick(fly->field("Text3"), Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(text(fly, "Text3") + " " + text(fly, "Text7"), QString("0.8 1,234"));

  fly->copyAction()->trigger();
  CHOOSE(cout, "输出电容");
  const QStringList coutBefore = texts(cout);
  cout->pasteAction()->trigger();
  QCOMPARE(cout->note()->text(), QString("表格来自「反激变压器」，不是本窗口的数据"));
  QVERIFY(!cout->note()->findChild<QPushButton*>("undoPaste")->isVisibleTo(cout->note()));
  QCOMPARE(texts(cout), coutBefore);
}

// A note stays inside its window and goes when its window is left, hidden
// or after 15 seconds; a click on it (its 撤销粘贴) does not take it away first.
void TestGuiCopy::noteGoesWhenTheUserMovesOn() {
  OPEN(tx, "tx");
  CHOOSE(lg, "电感气隙计算");
  QVERIFY(QTest::qWaitForWindowActive(lg));
  QGuiApplication::clipboard()->setText("圈数\t3x\n");
  const auto paste = [lg] {
    lg->pasteAction()->trigger();
    return lg->note() && lg->note()->isVisible() && lg->rect().contains(lg->note()->geometry());
  };
  QVERIFY(paste());
  nav_->open("tx");
  QTRY_VERIFY(!lg->note()->isVisible());  // another window active
  nav_->open("lg");
  QVERIFY(QTest::qWaitForWindowActive(lg));
  QVERIFY(paste());
  auto* timer = lg->note()->findChild<QTimer*>();
  QVERIFY(timer && timer->isActive() && timer->interval() == 15000);
  timer->start(1);
  QTRY_VERIFY(!lg->note()->isVisible());
  QVERIFY(paste());
  click(lg, "Command2");  // 返回
  QVERIFY(!lg->note()->isVisible());
  QCOMPARE(tx->isVisible(), true);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Formulas in tooltips and a window's data copied as a table, for real on the
// offscreen platform: the clipboard after calculations, byte for byte (the
// table of each window is test_results_table's), grouped and with results
// left from an earlier run marked, on screen as well; the tooltips and the
// tint of every field and its caption; the context menu's entry and
// Ctrl+Shift+C; and no field text changed by either.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollArea>
#include <QPointer>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <set>
#include <tuple>

#include "app/bode_window.h"
#include "app/chart.h"
#include "app/looks.h"
#include "app/program.h"
#include "app/core_shape_window.h"
#include "app/goal_seek_window.h"
#include "app/sweep_window.h"
#include "gui_support.h"

using namespace ombrel;

namespace {


QString qs(const std::string& s) { return QString::fromStdString(s); }

QByteArray clipboardBytes() { return QGuiApplication::clipboard()->text().toUtf8(); }

// A text no copy produces, so that a copy that does nothing is seen.
// The entry at the end of a path of menu texts, submenus followed.
QAction* entryAt(QMenu* menu, const QStringList& path) {
  for (const QString& step : path) {
    QAction* found = nullptr;
    for (QAction* a : menu ? menu->actions() : QList<QAction*>())
      if (a->text() == step) found = a;
    if (!found || step == path.last()) return found;
    menu = found->menu();
  }
  return nullptr;
}

void clearClipboard() { QGuiApplication::clipboard()->setText(QStringLiteral("<nothing copied>")); }

// Whether a field shows its text from the first character: the cursor at
// the beginning, drawn at the left of the field once it has painted.
QString notFromTheStart(QLineEdit* e) {
  (void)e->grab();
  const int x = e->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
  if (e->cursorPosition() == 0 && x > -6 && x < 12) return {};
  return QString("%1 shows %2 from %3, cursor at x %4").arg(e->objectName(), e->text()).arg(e->cursorPosition()).arg(x);
}

// The mouse moved over `area` of the chart until it rests on a point.
void restMouse(Chart* chart, const QRect& area) {
  for (int x = area.left(); x < area.right() && chart->hovered().isEmpty(); x += 3)
    for (int y = area.top(); y < area.bottom() && chart->hovered().isEmpty(); y += 3)
      QTest::mouseMove(chart, QPoint(x, y));
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

// Everything a user could see of a field's text: the text, what it shows,
// the cursor, the selection, the edit flags.
QString snapshot(QLineEdit* e) {
  if (!e) return QStringLiteral("<no field>");
  return QString("%1|%2|%3|%4|%5|%6|%7")
      .arg(e->text(), e->displayText())
      .arg(e->cursorPosition())
      .arg(e->selectedText())
      .arg(e->isModified())
      .arg(e->isUndoAvailable())
      .arg(e->isRedoAvailable());
}

}  // namespace

class TestGuiCopy : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init() {
    start();
    clearClipboard();
  }
  void cleanup() { finish(); }

  void copiedTable();
  void leftOverResultsAreMarked();
  void fieldsExplainThemselves();
  void tooltipShowsTheFormula();
  void contextMenuHasTheEntry();
  void contextMenuPopsUpAndCopies();
  void ctrlShiftCCopies();
  void partsFromTheContextMenu();
  void coreFromItsDimensions();
  void takenFromAnotherWindow();
  void pastedBack();
  void sweepFromTheContextMenu();
  void sweepReadsWhatWasTyped();
  void newSweepShowsOnlyItsOwn();
  void sweepChecksWhatTheInputReaches();
  void hintWindowHasNoCopy();
  void fieldTextsUnchanged();
  void typedTextsShowFromTheStart();
  void pasteSaysWhatItReadAndTakesBack();
  void noteGoesWhenTheUserMovesOn();
  void coincidingCurvesToldApart();
  void goalSeekSolvesAndFills();
  void frequencyResponseFollowsTheLoop();
  void windingCheckFromTurns();

 private:
  // Every field of every window open now, hidden or shown.
  QMap<QString, QString> allFields() {
    QMap<QString, QString> all;
    for (const WindowSpec* spec : builtWindows()) {
      CalcWindow* w = nav_->window(qs(spec->name));
      if (!w) continue;
      for (const Control& c : spec->controls)
        if (c.kind == ControlKind::Field) all[qs(spec->name + "." + c.name)] = snapshot(w->field(qs(c.name)));
    }
    return all;
  }
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
  // "参数扫描…" chosen in the field's context menu: the sweep window, or
  // nullptr where the field, the entry or the window is missing.
  SweepWindow* sweepFrom(CalcWindow* w, const char* name) {
    QLineEdit* field = w ? w->field(name) : nullptr;
    if (!field) return nullptr;
    std::unique_ptr<QMenu> menu(w->contextMenu(field));
    if (menu->actions().isEmpty() || menu->actions().last()->text() != QStringLiteral("参数扫描…")) return nullptr;
    menu->actions().last()->trigger();
    return nav_->sweepWindow();
  }
  static QAction* entry(QMenu* menu) {
    if (!menu) return nullptr;
    for (QAction* a : menu->actions())
      if (a->text() == QStringLiteral("复制本窗口数据")) return a;
    return nullptr;
  }
};

void TestGuiCopy::initTestCase() { setUpApplication(*qApp); }

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
                                        "初级电感量(uH)\t34289.6413999998\t结果\n"
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
  // Typed over, a left-over result is the user's text: its mark goes, the others keep theirs.
  FIND(voltage, QLineEdit, w, "Text18");
  type(w, "Text23", "5");
  FIND(typed, QLineEdit, w, "Text23");
  QVERIFY(!typed->font().italic() && !w->isStale("Text23"));
  QCOMPARE(typed->palette().color(QPalette::Text), fresh->palette().color(QPalette::Text));
  QVERIFY(left->font().italic() && w->isStale("Text19") && voltage->font().italic() && w->isStale("Text18"));
  QCOMPARE(tipText(typed).section('\n', 0, 0), QString("5"));
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
  QCOMPARE(left->palette().color(QPalette::Text), fresh->palette().color(QPalette::Text));
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
      if (c.kind != ControlKind::Field) continue;
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
        const QString tip = tipText(e);
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
      QCOMPARE(tipText(e), typed + "\n" + qs(c.formula));
      QCOMPARE(tipText(label), tipText(e));
    }
  }
  QCOMPARE(outputs, 61);
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
      if (c.kind != ControlKind::Field) continue;
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
  QCOMPARE(wires, (QStringList{"daoxian.Text2", "tx.Text4"}));

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

// "按尺寸计算…" from the air-gap window's Ae: the core shape window, the
// dimensions of E 25/13/7 typed as it shows them, 计算 (figures from
// tests/core_list_pins.py), 填入 Ae; then a text beyond the range, a box,
// the results kept and greyed; then the air-gap window closed.
void TestGuiCopy::coreFromItsDimensions() {
  CHOOSE(lg, "电感气隙计算");
  FIND(ae, QLineEdit, lg, "Text2");
  std::unique_ptr<QMenu> menu(lg->contextMenu(ae));
  QAction* own = entryAt(menu.get(), {"选择磁芯", "按尺寸计算…"});
  QVERIFY(own);
  own->trigger();
  menu.reset();  // a child of the field, gone with lg below
  CoreShapeWindow* shape = nav_->coreShapeWindow();
  QVERIFY(shape && shape->isVisible());
  QCOMPARE(shape->objectName(), QString("coreshape"));
  QCOMPARE(shape->windowTitle(), QString("磁芯有效参数"));
  FIND(target, QLabel, shape, "target");
  QCOMPARE(target->text(), QString("「填入 Ae」填到：「有效截面积（mm2）」（电感气隙计算）"));
  FIND(family, QComboBox, shape, "family");
  family->setCurrentIndex(family->findText("E"));
  FIND(fill, QPushButton, shape, "fillAe");
  QVERIFY(!fill->isEnabled());
  const QStringList typed = {"A=25.05", "B=12.55", "C=7.2", "D=8.95", "E=17.9", "F=7.25"};
  for (const QString& pair : typed) {
    FIND(field, QLineEdit, shape, pair.section('=', 0, 0));
    QVERIFY(field->isVisibleTo(shape));
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, pair.section('=', 1));
  }
  FIND(shapeList, QComboBox, shape, "shape");
  QCOMPARE(shapeList->currentText(), QString("（自行填写）"));  // typed, no standard shape's
  click(shape, "calculate");
  const QStringList results = {"C1=1.11422569641659", "C2=0.0214948869722633", "le=57.7578707046492",
                               "Ae=51.8367785722423", "Ve=2993.9819545211", "Amin=51.48"};
  for (const QString& pair : results) QCOMPARE(shape->result(pair.section('=', 0, 0))->text(), pair.section('=', 1));
  QVERIFY(fill->isEnabled());
  const QString gap = text(lg, "Text4");
  click(shape, "fillAe");
  QCOMPARE(ae->text(), QString("51.8367785722423"));
  QVERIFY(ae->isUndoAvailable());
  QCOMPARE(text(lg, "Text4"), gap);

  // A fault: the box, the results kept and marked out of date, nothing to fill.
  QLineEdit* d = shape->dimension("D");
  d->selectAll();
  QTest::keyClicks(d, "1e999");
  QVERIFY(d->font().underline());  // read otherwise: marked
  click(shape, "calculate");
  QCOMPARE(boxes(), QStringList{"计算错误|运算出错：溢出（“D(mm)”的数值超出范围）。\n结果各项保持原来的内容。|确定"});
  QCOMPARE(shape->result("Ae")->text(), QString("51.8367785722423"));
  QVERIFY(shape->result("Ae")->font().italic());
  QVERIFY(!fill->isEnabled());

  // Its window gone, the core shape window has nowhere to fill.
  QVERIFY(lg->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCOMPARE(target->text(), QString("打开本窗口的计算窗口已关闭，「填入 Ae」无处可填"));  // says so at once
  d->setText("8.95");
  click(shape, "calculate");
  QVERIFY(!fill->isEnabled());
  click(shape, "back");
  QVERIFY(!shape->isVisible());
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
      if (a->text() == QString(caption) + "\t" + value) entry = a;
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
    int inputs = 0;
    for (const Control& c : spec->controls)
      if (c.kind == ControlKind::Field && c.fieldRole == FieldRole::Input)
        type(w, c.name.c_str(), QString("%1.%2").arg(++inputs).arg(spec->name.size()));
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
                     (c.fieldRole == FieldRole::Input ? QString("%1.%2").arg(++k).arg(spec->name.size()) : qs(c.text)));
    QVERIFY(fresh->note() && fresh->note()->isVisible());
    QVERIFY2(fresh->note()->text().startsWith(QString("已填入 %1 个输入，跳过 ").arg(inputs)),
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

// "参数扫描…" in an input's menu opens the one sweep window beside its
// calculator with the range 0.5 × to 2 × the input over 31 points; Enter in
// 点数 sweeps anew, Ctrl+Shift+C copies the table, a bad range leaves the
// chart and says why, the mouse on a line names its point, and the
// calculator's fields never change. 返回 hides it, and with nothing else
// shown the program ends.
void TestGuiCopy::sweepFromTheContextMenu() {
  const auto sweepOf = [this](CalcWindow* w, const char* name) { return sweepFrom(w, name); };
  CHOOSE(lg, "电感气隙计算");
  click(lg, "Command1");
  const QMap<QString, QString> before = allFields();
  SweepWindow* sweep = sweepOf(lg, "Text3");
  QVERIFY(sweep && sweep->isVisible());
  QCOMPARE(sweep->objectName(), QString("sweep"));
  QCOMPARE(sweep->windowTitle(), QString("参数扫描 — 电感气隙计算"));
  FIND(from, QLineEdit, sweep, "from");
  FIND(to, QLineEdit, sweep, "to");
  FIND(points, QLineEdit, sweep, "points");
  QCOMPARE(from->text() + " " + to->text() + " " + points->text(), QString("280 1120 31"));
  FIND(status, QLabel, sweep, "status");
  QCOMPARE(status->text(), QString("31 个点，全部算出。"));

  points->setText("3");
  QTest::keyClick(points, Qt::Key_Return);
  QVERIFY(QTest::qWaitForWindowActive(sweep));
  clearClipboard();
  QTest::keyClick(points, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(clipboardBytes(), QByteArray("电感量(uH)\t气隙(mm)\n280\t0.261257142857143\n"
                                        "700\t0.104502857142857\n1120\t0.0653142857142857\n"));
  Chart* chart = sweep->chart();
  QVERIFY(chart);
  restMouse(chart, chart->rect().adjusted(chart->width() / 8, 8, -chart->width() / 3, -chart->height() / 6));
  QVERIFY2(chart->hovered().startsWith("电感量(uH) = "), qPrintable(chart->hovered()));

  from->setText("abc");
  QTest::keyClick(from, Qt::Key_Return);
  QVERIFY(status->text().startsWith("「从」不是数字"));
  QCOMPARE(sweep->table().count('\n'), 4);  // the last sweep stays
  QCOMPARE(allFields(), before);

  // A second sweep, of another window, takes the same window.
  CHOOSE(tl, "TL431计算");
  QCOMPARE(sweepOf(tl, "Text1"), sweep);
  QCOMPARE(sweep->windowTitle(), QString("参数扫描 — TL431电阻计算"));
  QVERIFY(sweep->table().startsWith("输出电压(V)（分压估计）\tR1(K)（分压估计）\tR2(K)（分压估计）"));

  for (CalcWindow* w : {lg, tl}) w->close();
  QVERIFY(nav_->mainForm().close());
  QCOMPARE(ended_->count(), 0);  // the sweep is still shown
  click(sweep, "back");
  QVERIFY(!sweep->isVisible());
  QCOMPARE(ended_->count(), 1);
}

// A sweep starts from the texts the user typed: 圈数 30 instead of 20 gives
// 30 × 1.27 × 0.001 × 30 × 144 ÷ l at each inductance.
void TestGuiCopy::sweepReadsWhatWasTyped() {
  CHOOSE(lg, "电感气隙计算");
  type(lg, "Text1", "30");
  SweepWindow* sweep = sweepFrom(lg, "Text3");
  QVERIFY(sweep);
  FIND(points, QLineEdit, sweep, "points");
  points->setText("3");
  click(sweep, "calculate");
  QCOMPARE(sweep->table(), QString("电感量(uH)\t气隙(mm)\n280\t0.587828571428571\n700\t0.235131428571429\n"
                                   "1120\t0.146957142857143\n"));
  QCOMPARE(text(lg, "Text4"), QString());  // the window itself calculated nothing
}

// A new sweep whose input has no finite default range shows nothing of the
// sweep before it: empty fields, why, no curves, a copy of the header alone.
void TestGuiCopy::newSweepShowsOnlyItsOwn() {
  CHOOSE(tl, "TL431计算");
  SweepWindow* sweep = sweepFrom(tl, "Text1");
  QVERIFY(sweep);
  QVERIFY(sweep->chart() && !sweep->chart()->legendText().isEmpty());
  CHOOSE(fly, "反激电源");
  type(fly, "Text1", "1e308");
  QCOMPARE(sweepFrom(fly, "Text1"), sweep);
  FIND(from, QLineEdit, sweep, "from");
  FIND(to, QLineEdit, sweep, "to");
  FIND(status, QLabel, sweep, "status");
  QCOMPARE(from->text() + to->text(), QString());
  QCOMPARE(status->text(), QString("「输出功率（W）」的两倍超出双精度范围，没有默认范围：请填写「从」和「到」。"));
  QCOMPARE(sweep->chart()->legendText(), QString());
  QVERIFY(sweep->table().startsWith("输出功率（W）\t初级电感量(uH)\t"));
  QCOMPARE(sweep->table().count('\n'), 1);
  // 1e400 is beyond the range, in the calculators' words.
  from->setText("1e400");
  to->setText("1");
  click(sweep, "calculate");
  QCOMPARE(status->text(), QString("「从」的数值超出范围。"));
  // Ranges wider than the double range draw, every result at once, with no
  // warning from the painter (a warning fails the test).
  FIND(log, QCheckBox, sweep, "log");
  click(sweep, "all");
  for (const QStringList& range : {QStringList{"5e307", "1e308", ""}, QStringList{"-1e308", "1e308", ""},
                                   QStringList{"1e-300", "1e300", "log"}}) {
    from->setText(range[0]);
    to->setText(range[1]);
    log->setChecked(range[2] == "log");
    click(sweep, "calculate");
    QVERIFY2(status->text().startsWith("31 个点"), qPrintable(status->text()));
    QVERIFY(!sweep->chart()->grab().isNull());
    QCOMPARE(sweep->table().count('\n'), 32);
  }
  QCOMPARE(boxes(), QStringList());
}

// The results the swept input reaches are checked at first; 全选 and 全不选
// check all or none; a choice stays for the next sweep of that input. The
// legend shows every drawn result whole, each in a colour of its own.
void TestGuiCopy::sweepChecksWhatTheInputReaches() {
  CHOOSE(fly, "反激电源");
  SweepWindow* sweep = sweepFrom(fly, "Text27");
  QVERIFY(sweep);
  FIND(results, QListWidget, sweep, "results");
  const auto checked = [results] {
    QStringList names;
    for (int k = 0; k < results->count(); ++k)
      if (results->item(k)->checkState() == Qt::Checked) names << results->item(k)->text();
    return names;
  };
  QCOMPARE(checked(), (QStringList{"输出纹波电压p-p(mV)", "衰减倍数", "衰减后纹波p-p(mV)"}));
  click(sweep, "none");
  QCOMPARE(checked(), QStringList());
  QCOMPARE(sweep->chart()->legendText(), QString());
  click(sweep, "all");
  QCOMPARE(checked().size(), results->count());
  // Every name and range in the legend, whole; the legend laid out in full.
  const QString legend = sweep->chart()->legendText();
  for (int k = 0; k < results->count(); ++k)
    QVERIFY2(legend.contains(results->item(k)->text().toHtmlEscaped()), qPrintable(results->item(k)->text()));
  FIND(view, QScrollArea, sweep->chart(), "legend");
  QVERIFY(view->widget());
  QTRY_VERIFY2(view->widget()->height() >= view->widget()->heightForWidth(view->widget()->width()),
               qPrintable(QString("%1 < %2, width %3").arg(view->widget()->height()).arg(view->widget()->heightForWidth(view->widget()->width())).arg(view->widget()->width())));
  // Each result its own colour, and its own dashes and marks as well.
  std::set<QRgb> colours;
  std::set<std::pair<int, int>> styles;
  for (std::size_t n = 0; n < std::size_t(results->count()); ++n) {
    colours.insert(seriesLook(n).colour.rgb());
    styles.emplace(int(seriesLook(n).line), seriesLook(n).mark);
  }
  QCOMPARE(colours.size() + styles.size(), 2 * std::size_t(results->count()));

  results->item(0)->setCheckState(Qt::Unchecked);
  const QStringList chosen = checked();
  QVERIFY(sweepFrom(fly, "Text8"));
  QVERIFY(checked() != chosen);
  QVERIFY(sweepFrom(fly, "Text27"));
  QCOMPARE(checked(), chosen);
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

// 绕组复核… in a turns field's menu, after 取自 on an input and before 反算…
// on a result, opens the winding check with those turns; a core chosen from
// the lists, a current taken from the flyback window, 计算: the results and
// the 超限 mark, and a new core makes the window's results out of date.
void TestGuiCopy::windingCheckFromTurns() {
  CHOOSE(lg, "电感气隙计算");
  std::unique_ptr<QMenu> input(lg->contextMenu(lg->field("Text1")));
  const QList<QAction*> inputEntries = input->actions();
  QCOMPARE(inputEntries.at(inputEntries.size() - 3)->text(), QString("取自"));
  QCOMPARE(inputEntries.at(inputEntries.size() - 2)->text(), QString("绕组复核…"));
  CHOOSE(flyback, "反激电源");
  click(flyback, "Command1");
  std::unique_ptr<QMenu> menu(flyback->contextMenu(flyback->field("Text12")));
  const QList<QAction*> entries = menu->actions();
  QCOMPARE(entries.last()->text(), QString("反算…"));
  QCOMPARE(entries.at(entries.size() - 2)->text(), QString("绕组复核…"));
  entries.at(entries.size() - 2)->trigger();
  CalcWindow* check = nav_->window("winding");
  QVERIFY(check && check->isVisible() && check->windowTitle() == "绕组复核");
  QCOMPARE(check->field("N1")->text(), flyback->field("Text12")->text());
  FIND(family, QComboBox, check, "family");
  FIND(shape, QComboBox, check, "shape");
  family->setCurrentIndex(family->findText("EE"));
  QCOMPARE(shape->currentText(), QString("E25/13/7"));  // the family's usual shape
  QCOMPARE(shape->itemData(shape->currentIndex(), Qt::ToolTipRole).toString(),
           QString("E 25/13/7，一个半磁芯的平均尺寸：D 8.95 mm，E 17.9 mm，F 7.25 mm，C 7.2 mm"));
  for (const auto& [field, text] : {std::pair{"freq", "65"}, {"temp", "25"}, {"N1", "60"}, {"d1", "0.3"},
                                    {"I1", "0.5"}, {"N2", "10"}, {"d2", "0.3"}})
    type(check, field, text);
  std::unique_ptr<QMenu> current(check->contextMenu(check->field("I2")));
  QAction* taken = nullptr;
  if (QAction* from = entryAt(current.get(), {"取自", "反激变压器"}))
    for (QAction* a : from->menu()->actions())
      if (a->text().startsWith("初级电流有效值(A)\t")) taken = a;
  QVERIFY(taken);
  taken->trigger();
  QCOMPARE(check->field("I2")->text(), flyback->field("Text24")->text());
  click(check, "Command1");
  QCOMPARE(check->field("J1")->text(), QString("7.07355302630646"));
  QCOMPARE(check->field("Aw")->text(), QString("95.3175"));
  QVERIFY(!check->field("J2")->text().isEmpty() && check->field("J3")->text().isEmpty());
  const FieldMark over = check->markOf("J1");
  QCOMPARE(over.look, Look::OverLimit);
  QCOMPARE(check->field("J1")->accessibleDescription(),
           QString("超限：电流密度超过 5 A/mm²，导线发热偏多；可加粗线径或增加股数"));
  QVERIFY(check->field("J1")->font().bold() && check->field("J1")->font().underline());
  QVERIFY(check->field("J1")->toolTip().contains("7.07355302630646（超限："));
  QCOMPARE(check->markOf("dskin1").look, Look::Plain);
  shape->setCurrentIndex(shape->findText("E30/15/7"));
  QCOMPARE(check->markOf("Aw").look, Look::Stale);
  QVERIFY(check->field("Aw")->toolTip().contains("「磁芯型号」已改变"));
  // Its table pasted back over another core, and the paste taken back.
  QGuiApplication::clipboard()->setText(check->dataTable());
  family->setCurrentIndex(family->findText("PQ"));
  check->pasteTable();
  QCOMPARE(family->currentText() + " " + shape->currentText(), QString("EE E30/15/7"));
  QVERIFY2(!check->note()->text().contains("磁芯"), qPrintable(check->note()->text()));
  FIND(undo, QPushButton, check->note(), "undoPaste");
  undo->click();
  QCOMPARE(family->currentText() + " " + shape->currentText(), QString("PQ PQ20/16"));
  QCOMPARE(boxes(), QStringList());
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
      if (c.kind == ControlKind::Field && c.fieldRole == FieldRole::Input) inputs.push_back(w->field(qs(c.name)));
    for (QLineEdit* e : inputs) {
      QCOMPARE(e->placeholderText(), QString("按 0 读取"));
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

// Two results of the same shape, each over its own range, lie on each
// other: they differ in colour, dashes and marks, which the legend shows and
// which stay when other results are ticked; the mouse shows both values;
// axis labels stand whole inside the chart, clear of the legend.
void TestGuiCopy::coincidingCurvesToldApart() {
  CHOOSE(fly, "反激电源");
  SweepWindow* sweep = sweepFrom(fly, "Text8");
  QVERIFY(sweep);
  FIND(results, QListWidget, sweep, "results");
  const QStringList two = {"初级圈数(T)", "衰减倍数"};
  const auto pictureOf = [sweep](const QString& name) {
    const QString legend = sweep->chart()->legendText();
    const int at = legend.indexOf(name.toHtmlEscaped());
    return at < 0 ? QString() : legend.left(at).section("<img", -1);
  };
  for (int k = 0; k < results->count(); ++k)
    results->item(k)->setCheckState(two.contains(results->item(k)->text()) ? Qt::Checked : Qt::Unchecked);
  const QString first = pictureOf(two[0]), second = pictureOf(two[1]);
  QVERIFY(!first.isEmpty() && !second.isEmpty() && first != second);
  click(sweep, "all");
  QCOMPARE(pictureOf(two[0]), first);
  QCOMPARE(pictureOf(two[1]), second);
  for (int k = 0; k < results->count(); ++k)
    results->item(k)->setCheckState(two.contains(results->item(k)->text()) ? Qt::Checked : Qt::Unchecked);
  Chart* chart = sweep->chart();
  restMouse(chart, QRect(chart->width() / 4, 0, chart->width(), chart->height()));
  QVERIFY2(chart->hovered().contains(" | 初级圈数(T) = ") && chart->hovered().contains(" | 衰减倍数 = "),
           qPrintable(chart->hovered()));

  FIND(from, QLineEdit, sweep, "from");
  FIND(to, QLineEdit, sweep, "to");
  FIND(log, QCheckBox, sweep, "log");
  FIND(legend, QScrollArea, chart, "legend");
  from->setText("1e-300");
  to->setText("1e300");
  log->setChecked(true);
  click(sweep, "calculate");
  const std::vector<QRectF> labels = chart->labelBoxes();
  QVERIFY(labels.size() > 4);
  for (const QRectF& box : labels)
    QVERIFY2(QRectF(chart->rect()).contains(box) && !box.intersects(QRectF(legend->geometry())),
             qPrintable(QString("%1,%2 %3x%4").arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height())));
}

// 反算 from a result's context menu, as a designer uses it: the flyback's
// primary turns made 80 by the flux density, then both turns whole by the
// flux density and the duty cycle, filled in and calculated; the forward
// window's target shown whole; a target no input value gives, in words,
// with no box. The calculator's fields change only by 填入. Iterative: the
// tolerances are those worked out for the solver (test_sweep).
void TestGuiCopy::goalSeekSolvesAndFills() {
  const auto near = [](const QString& got, double want, double within) {
    return std::fabs(got.toDouble() - want) <= within * std::fabs(want);
  };
  const auto seekFrom = [this](CalcWindow* w, const char* result) -> GoalSeekWindow* {
    std::unique_ptr<QMenu> menu(w->contextMenu(w->field(result)));
    if (menu->actions().isEmpty() || menu->actions().last()->text() != QStringLiteral("反算…")) return nullptr;
    menu->actions().last()->trigger();
    return nav_->goalSeekWindow();
  };
  const auto pick = [](GoalSeekWindow* seek, const char* box, const QString& text) {
    auto* combo = seek->findChild<QComboBox*>(box);
    QVERIFY2(combo && combo->findText(text) >= 0, box);
    combo->setCurrentIndex(combo->findText(text));
  };
  CHOOSE(fly, "反激电源");
  click(fly, "Command1");
  std::unique_ptr<QMenu> inputMenu(fly->contextMenu(fly->field("Text6")));
  QVERIFY(!entryAt(inputMenu.get(), {"反算…"}));  // inputs have none
  GoalSeekWindow* seek = seekFrom(fly, "Text12");
  QVERIFY(seek && seek->isVisible() && seek->objectName() == "goalseek" && seek->windowTitle() == "反算");
  FIND(title, QLabel, seek, "title");
  QCOMPARE(title->text(), QString("「初级圈数(T)」（反激变压器）"));
  FIND(target, QLineEdit, seek, "target");
  FIND(solved, QLineEdit, seek, "solved");
  FIND(achieved, QLineEdit, seek, "achieved");
  FIND(status, QLabel, seek, "status");
  QCOMPARE(target->text(), QString("80"));
  pick(seek, "input", "磁材饱和强度(T)");
  const QMap<QString, QString> before = allFields();
  click(seek, "Command1");
  QVERIFY2(near(solved->text(), 0.298132530120482, 1e-9), qPrintable(solved->text()));
  QVERIFY2(near(achieved->text(), 80, 1e-12), qPrintable(achieved->text()));
  QCOMPARE(allFields(), before);  // solving changes no field of the calculator
  click(seek, "Command2");
  QCOMPARE(text(fly, "Text6"), solved->text());
  click(fly, "Command1");
  QVERIFY2(near(text(fly, "Text12"), 80, 1e-12), qPrintable(text(fly, "Text12")));

  // Both turns whole: 80 and the secondary's default, 6 (from 5.78…).
  fly->field("Text6")->setText("0.3");
  click(fly, "Command1");
  QCOMPARE(seekFrom(fly, "Text12"), seek);
  pick(seek, "input", "磁材饱和强度(T)");
  pick(seek, "result2", "次级圈数(T)");
  FIND(target2, QLineEdit, seek, "target2");
  QCOMPARE(target2->text(), QString("6"));
  pick(seek, "input2", "最大占空比");
  click(seek, "Command1");
  FIND(solved2, QLineEdit, seek, "solved2");
  FIND(achieved2, QLineEdit, seek, "achieved2");
  QVERIFY2(near(solved->text(), 0.292681340160, 1e-9) && near(solved2->text(), 0.392686219168, 1e-9),
           qPrintable(status->text()));
  QVERIFY(near(achieved->text(), 80, 1e-12) && near(achieved2->text(), 6, 1e-12));
  click(seek, "Command2");
  click(fly, "Command1");
  QVERIFY(near(text(fly, "Text12"), 80, 1e-12) && near(text(fly, "Text13"), 6, 1e-12));

  // No value of the frequency gives no on-time: said in words, nothing filled.
  seekFrom(fly, "Text17");
  target->setText("0");
  pick(seek, "input", "开关频率(Khz)");
  click(seek, "Command1");
  QCOMPARE(status->text(), QString("找不到使「导通时间(us)」等于 0 的「开关频率(Khz)」：在有限的取值中结果总在目标的同一侧"));
  QVERIFY(solved->text().isEmpty() && !seek->findChild<QPushButton*>("Command2")->isEnabled());

  CHOOSE(fwd, "正激电源");
  click(fwd, "Command1");
  QCOMPARE(seekFrom(fwd, "Text6"), seek);
  QCOMPARE(target->text(), QString("214"));
  pick(seek, "input", "最大磁饱和强度（T）");
  click(seek, "Command1");
  QVERIFY2(near(solved->text(), 0.299844236760125, 1e-9), qPrintable(solved->text()));
  QVERIFY(fwd->close());  // the calculator gone: nothing to fill
  QVERIFY(!seek->findChild<QPushButton*>("Command2")->isEnabled());
  QCOMPARE(boxes(), QStringList());
}

// The loop window's frequency response from its menus: nothing until 计算,
// then the crossover and phase margin worked out in Python (test_sweep), with
// the computed parts, E24 parts and a 20 kHz right-half-plane zero; an edit
// in the loop window puts the plot out of date at once.
void TestGuiCopy::frequencyResponseFollowsTheLoop() {
  const auto near = [](const QString& got, double want) { return std::fabs(got.toDouble() - want) <= 1e-9 * want; };
  CHOOSE(lg, "电感气隙计算");
  std::unique_ptr<QMenu> other(lg->contextMenu(lg->field("Text1")));
  QVERIFY(!entryAt(other.get(), {"频率响应…"}));
  CHOOSE(loop, "电流型控制环路");
  for (const char* field : {"Text13", "Text2"}) {
    std::unique_ptr<QMenu> menu(loop->contextMenu(loop->field(field)));
    QCOMPARE(menu->actions().last()->text(), QString("频率响应…"));
  }
  std::unique_ptr<QMenu> menu(loop->contextMenu(loop->field("Text2")));
  menu->actions().last()->trigger();
  BodeWindow* bode = nav_->bodeWindow();
  QVERIFY(bode && bode->isVisible() && bode->windowTitle() == "环路频率响应");
  FIND(fc, QLineEdit, bode, "fc");
  FIND(pm, QLineEdit, bode, "pm");
  FIND(status, QLabel, bode, "status");
  QCOMPARE(status->text(), QString("「电源增益」还没有算出：请先在环路控制窗口按「计算」"));
  QVERIFY(fc->text().isEmpty());
  click(loop, "Command1");
  QVERIFY2(near(fc->text(), 9.965159325358383) && near(pm->text(), 90.73270207693956), qPrintable(fc->text()));
  FIND(series, QComboBox, bode, "series");
  series->setCurrentIndex(series->findText("E24"));
  QCOMPARE(bode->findChild<QLineEdit*>("R3")->text() + " " + bode->findChild<QLineEdit*>("C1")->text() +
               " " + bode->findChild<QLineEdit*>("C2")->text(),
           QString("62 20 1.2"));
  QVERIFY2(near(fc->text(), 9.820983524773967) && near(pm->text(), 90.09094439555629), qPrintable(fc->text()));
  series->setCurrentIndex(0);
  bode->findChild<QLineEdit*>("frhp")->setText("20");
  QVERIFY2(near(fc->text(), 11.504406190614152) && near(pm->text(), 60.734572351668774), qPrintable(fc->text()));
  click(bode, "copy");
  QVERIFY(QGuiApplication::clipboard()->text().startsWith("频率(kHz)\t|T|(dB)\t∠T(°)"));
  QCOMPARE(QGuiApplication::clipboard()->text().count('\n'), 401);
  type(loop, "Text13", "5");  // R1 changed: R3 and the rest out of date
  QVERIFY(fc->text().isEmpty() && status->text().endsWith("请在环路控制窗口重新按「计算」"));
  QCOMPARE(boxes(), QStringList());
}

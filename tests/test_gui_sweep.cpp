// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep window, for real on the offscreen platform: opened from an
// input's context menu beside its calculator, its default range, Enter and
// Ctrl+Shift+C, what it says of a bad range or of an input with no default
// range, the results it checks and draws, the legend and the mouse on a
// curve, and the calculator's fields never changed by it.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollArea>
#include <QtTest>
#include <set>

#include "app/chart.h"
#include "app/looks.h"
#include "app/program.h"
#include "app/sweep_window.h"
#include "gui_support.h"

using namespace ombrel;

namespace {

// The mouse moved over `area` of the chart until it rests on a point.
void restMouse(Chart* chart, const QRect& area) {
  for (int x = area.left(); x < area.right() && chart->hovered().isEmpty(); x += 3)
    for (int y = area.top(); y < area.bottom() && chart->hovered().isEmpty(); y += 3)
      QTest::mouseMove(chart, QPoint(x, y));
}

}  // namespace

class TestGuiSweep : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  OMBREL_GUI_TEST_SLOTS

  void sweepFromTheContextMenu();
  void sweepReadsWhatWasTyped();
  void newSweepShowsOnlyItsOwn();
  void sweepChecksWhatTheInputReaches();
  void coincidingCurvesToldApart();

 private:
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
};

// "参数扫描…" in an input's menu opens the one sweep window beside its
// calculator with the range 0.5 × to 2 × the input over 31 points; Enter in
// 点数 sweeps anew, Ctrl+Shift+C copies the table, a bad range leaves the
// chart and says why, the mouse on a line names its point, and the
// calculator's fields never change. 返回 hides it, and with nothing else
// shown the program ends.
void TestGuiSweep::sweepFromTheContextMenu() {
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
void TestGuiSweep::sweepReadsWhatWasTyped() {
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
void TestGuiSweep::newSweepShowsOnlyItsOwn() {
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
void TestGuiSweep::sweepChecksWhatTheInputReaches() {
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

// Two results of the same shape, each over its own range, lie on each
// other: they differ in colour, dashes and marks, which the legend shows and
// which stay when other results are ticked; the mouse shows both values;
// axis labels and the mouse's readout stand whole inside the chart, clear of
// the legend.
void TestGuiSweep::coincidingCurvesToldApart() {
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
  std::vector<QRectF> labels = chart->labelBoxes();
  for (int x = chart->width() / 2; x < legend->x(); x += 16) {  // the readout wherever the mouse rests
    QTest::mouseMove(chart, QPoint(1, 1));
    restMouse(chart, QRect(x, 0, 16, chart->height()));
    if (!chart->hovered().isEmpty()) labels.push_back(chart->readoutBox());
  }
  QVERIFY(labels.size() > 12);
  for (const QRectF& box : labels)
    QVERIFY2(QRectF(chart->rect()).contains(box) && !box.intersects(QRectF(legend->geometry())),
             qPrintable(QString("%1,%2 %3x%4").arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height())));
}

QTEST_MAIN(TestGuiSweep)
#include "test_gui_sweep.moc"

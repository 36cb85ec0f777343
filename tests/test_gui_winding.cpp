// SPDX-License-Identifier: GPL-3.0-or-later
// The winding check window, for real on the offscreen platform: opened
// from a turns field's context menu, a core chosen from the lists, a current
// taken from another window, its results and marks, and its table pasted
// back and taken back.
#include <QComboBox>
#include <QMenu>
#include <QtTest>

#include "app/looks.h"
#include "app/program.h"
#include "gui_support.h"

using namespace ombrel;

class TestGuiWinding : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  OMBREL_GUI_TEST_SLOTS

  void windingCheckFromTurns();
  void oneCheckACalculator();
};

// 磁件复核… in a turns field's menu, after 取自 on an input and before 反算…
// on a result, opens the winding check with those turns; a core chosen from
// the lists, a current taken from the flyback window, 计算: the results and
// the 超限 mark, and a new core makes the window's results out of date.
void TestGuiWinding::windingCheckFromTurns() {
  CHOOSE(lg, "电感气隙计算");
  std::unique_ptr<QMenu> input(lg->contextMenu(lg->field("Text1")));
  const QList<QAction*> inputEntries = input->actions();
  QCOMPARE(inputEntries.at(inputEntries.size() - 3)->text(), QString("取自"));
  QCOMPARE(inputEntries.at(inputEntries.size() - 2)->text(), QString("磁件复核…"));
  CHOOSE(flyback, "反激电源");
  click(flyback, "Command1");
  std::unique_ptr<QMenu> menu(flyback->contextMenu(flyback->field("Text12")));
  const QList<QAction*> entries = menu->actions();
  QCOMPARE(entries.last()->text(), QString("反算…"));
  QCOMPARE(entries.at(entries.size() - 2)->text(), QString("磁件复核…"));
  entries.at(entries.size() - 2)->trigger();
  CalcWindow* check = nav_->window("winding");
  QVERIFY(check && check->isVisible() && check->windowTitle() == "磁件复核 — 反激变压器");
  QCOMPARE(check->field("freq")->text(), flyback->field("Text8")->text());
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

// Opened from the forward converter's turns, the check shows the forward's
// own set at its 20 kHz, named so in its title, its copied table and 取自;
// opened from the flyback again, the flyback's set as it was left, its
// results and marks with it.
void TestGuiWinding::oneCheckACalculator() {
  CHOOSE(flyback, "反激电源");
  click(flyback, "Command1");
  const auto openFrom = [](CalcWindow* w, const char* turns) {
    std::unique_ptr<QMenu> menu(w->contextMenu(w->field(turns)));
    for (QAction* a : menu->actions())
      if (a->text() == "磁件复核…") a->trigger();
  };
  openFrom(flyback, "Text12");
  CalcWindow* check = nav_->window("winding");
  QVERIFY(check);
  FIND(material, QComboBox, check, "material");
  material->setCurrentIndex(material->findText("Ferroxcube 3C95"));
  QVERIFY(material->itemData(material->currentIndex(), Qt::ToolTipRole).toString().startsWith("Ferroxcube 3C95："));
  type(check, "d1", "0.5");
  type(check, "Bpk", "0.5");
  click(check, "Command1");
  QCOMPARE(check->markOf("Bpeak").look, Look::OverLimit);
  QCOMPARE(check->field("Bpeak")->accessibleDescription(),
           QString("超限：峰值磁通密度超过 Ferroxcube 3C95 在 100 ℃ 时的饱和磁通密度 0.41 T，磁芯会饱和"));
  const QString flybackTemperature = check->field("Test")->text();

  CHOOSE(forward, "正激电源");
  click(forward, "Command1");
  QVERIFY(!forward->field("Text6")->text().isEmpty());
  openFrom(forward, "Text6");
  QCOMPARE(nav_->window("winding"), check);
  QCOMPARE(check->windowTitle(), QString("磁件复核 — 正激变压器"));
  QCOMPARE(check->field("freq")->text(), QString("20"));
  QCOMPARE(check->field("d1")->text() + material->currentText() + check->field("Test")->text(), QString("TDK N87"));
  QCOMPARE(check->field("N1")->text(), forward->field("Text6")->text());
  QVERIFY(check->dataTable().startsWith("【磁件复核 — 正激变压器】\n磁件复核 — 正激变压器\n"));
  CHOOSE(lg, "电感气隙计算");
  std::unique_ptr<QMenu> take(lg->contextMenu(lg->field("Text1")));
  QVERIFY(entryAt(take.get(), {"取自", "磁件复核 — 正激变压器"}));

  openFrom(flyback, "Text12");
  QCOMPARE(check->windowTitle(), QString("磁件复核 — 反激变压器"));
  QCOMPARE(material->currentText() + " " + check->field("d1")->text() + " " + check->field("Test")->text(),
           "Ferroxcube 3C95 0.5 " + flybackTemperature);
  QCOMPARE(check->markOf("Bpeak").look, Look::OverLimit);
  QCOMPARE(boxes(), QStringList());
}

QTEST_MAIN(TestGuiWinding)
#include "test_gui_winding.moc"

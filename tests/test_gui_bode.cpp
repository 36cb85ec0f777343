// SPDX-License-Identifier: GPL-3.0-or-later
// The loop's frequency response window, for real on the offscreen
// platform: opened from the loop window's menus, inside the screen, its
// crossover and phase margin with computed and E24 parts and a right-half-plane
// zero, typed or from the flyback, its copied table, and out of date as soon
// as the loop window changes.
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QtTest>
#include <cmath>

#include "app/bode_window.h"
#include "app/program.h"
#include "gui_support.h"

using namespace ombrel;

class TestGuiBode : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  OMBREL_GUI_TEST_SLOTS

  void frequencyResponseFollowsTheLoop();
};

// The loop window's frequency response from its menus: nothing until 计算,
// then the crossover and phase margin worked out in Python
// (test_loop_response), with the computed parts, E24 parts and a 20 kHz
// right-half-plane zero; an edit in the loop window puts the plot out of
// date at once.
void TestGuiBode::frequencyResponseFollowsTheLoop() {
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
  // 980 × 800 shrunk to the 800 × 800 screen, 返回 on it.
  QVERIFY(bode->screen()->availableGeometry().contains(bode->frameGeometry()));
  FIND(back, QPushButton, bode, "back");
  QVERIFY(bode->rect().contains(back->geometry()));
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
  // The zero of the flyback's design (test_loop_response): why not before it is open, then typed.
  std::unique_ptr<QMenu> zero(bode->zeroMenu());
  QCOMPARE(zero->actions().last()->text(), QString("由「反激变压器」算出（反激变压器窗口没有打开）"));
  QVERIFY(!zero->actions().last()->isEnabled());
  CHOOSE(fly, "反激电源");
  click(fly, "Command1");
  zero.reset(bode->zeroMenu());
  QVERIFY(zero->actions().last()->toolTip().contains("「次级电感量(uH)」 Ls = 29.0303999999999"));
  zero->actions().last()->trigger();
  QCOMPARE(bode->findChild<QLineEdit*>("frhp")->text(), QString("35.5256569401553"));
  click(bode, "copy");
  QVERIFY(QGuiApplication::clipboard()->text().startsWith("频率(kHz)\t|T|(dB)\t∠T(°)"));
  QCOMPARE(QGuiApplication::clipboard()->text().count('\n'), 401);
  type(loop, "Text13", "5");  // R1 changed: R3 and the rest out of date
  QVERIFY(fc->text().isEmpty() && status->text().endsWith("请在环路控制窗口重新按「计算」"));
  QCOMPARE(boxes(), QStringList());
}

QTEST_MAIN(TestGuiBode)
#include "test_gui_bode.moc"

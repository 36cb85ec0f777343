// SPDX-License-Identifier: GPL-3.0-or-later
// The 反算 window, for real on the offscreen platform: opened from a
// result's context menu, one and two results brought to their targets,
// filled into the calculator and calculated there, condition two switched
// off, and a target no input value gives, said in words.
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QtTest>
#include <cmath>

#include "app/goal_seek_window.h"
#include "app/program.h"
#include "gui_support.h"

using namespace ombrel;

class TestGuiGoalSeek : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  OMBREL_GUI_TEST_SLOTS

  void goalSeekSolvesAndFills();
};

// 反算 from a result's context menu, as a designer uses it: the flyback's
// primary turns made 80 by the flux density, then both turns whole by the
// flux density and the duty cycle, filled in and calculated, then condition
// two switched off; the forward window's target shown whole; a target no
// input value gives, in words, with no box. The calculator's fields change only by 填入. Iterative: the
// tolerances are those worked out for the solver (test_goal_seek).
void TestGuiGoalSeek::goalSeekSolvesAndFills() {
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
  // Filled as a paste fills, its note taking both back in one step.
  const QString fluxBefore = text(fly, "Text6"), dutyBefore = text(fly, "Text9");
  click(seek, "Command2");
  QVERIFY(fly->note() && fly->note()->isVisible());
  QCOMPARE(fly->note()->text(), QString("已填入 2 个输入"));
  QPushButton* undoFill = fly->note()->findChild<QPushButton*>("undoPaste");
  QVERIFY(undoFill && undoFill->text() == QString("撤销填入"));
  QTest::mouseClick(undoFill, Qt::LeftButton);
  QCOMPARE(text(fly, "Text6") + " " + text(fly, "Text9"), fluxBefore + " " + dutyBefore);
  click(seek, "Command2");
  click(fly, "Command1");
  QVERIFY(near(text(fly, "Text12"), 80, 1e-12) && near(text(fly, "Text13"), 6, 1e-12));
  // Condition two switched off: its values go, and half a solution is none to fill in.
  pick(seek, "result2", "（无）");
  QVERIFY(target2->text().isEmpty() && solved2->text().isEmpty() && achieved2->text().isEmpty());
  QVERIFY(!solved->text().isEmpty() && !seek->findChild<QPushButton*>("Command2")->isEnabled());

  // No on-time is no time: said in words, nothing filled.
  seekFrom(fly, "Text17");
  target->setText("0");
  pick(seek, "input", "开关频率(Khz)");
  click(seek, "Command1");
  QCOMPARE(status->text(), QString("「导通时间(us)」不能为 0：时间不能为零"));
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

QTEST_MAIN(TestGuiGoalSeek)
#include "test_gui_goal_seek.moc"

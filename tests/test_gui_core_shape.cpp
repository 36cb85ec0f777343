// SPDX-License-Identifier: GPL-3.0-or-later
// The core shape window, for real on the offscreen platform: opened from
// the air-gap window's Ae, a core's figures from its dimensions, 填入 Ae, a
// fault's box with the results kept, and the window it fills closed.
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QtTest>

#include "app/core_shape_window.h"
#include "app/program.h"
#include "gui_support.h"

using namespace ombrel;

class TestGuiCoreShape : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  OMBREL_GUI_TEST_SLOTS

  void coreFromItsDimensions();
};

// "按尺寸计算…" from the air-gap window's Ae: the core shape window, the
// dimensions of E 25/13/7 typed as it shows them, 计算 (figures from
// tests/core_list_pins.py), 填入 Ae; then a text beyond the range, a box,
// the results kept and greyed; then the air-gap window closed.
void TestGuiCoreShape::coreFromItsDimensions() {
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

QTEST_MAIN(TestGuiCoreShape)
#include "test_gui_core_shape.moc"

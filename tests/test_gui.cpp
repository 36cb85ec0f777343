// The Qt shell for real, on the offscreen platform: the menu tree, window
// sizes and frames, the window slots and their lifecycle, typing, clicks,
// the fault box and the end of the program.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <memory>

#include <QStyle>
#include <QStyleOptionFrame>

#include "app/calc_window.h"
#include "app/fonts.h"
#include "app/main_form.h"
#include "app/navigator.h"
#include "app/program.h"
#include "app/registry.h"
#include "common/calc.h"
#include "gui_support.h"

using namespace ombrel;

namespace {

// Stand-ins for behaviour no real window shows alone: a second calculator
// with a clickable label, and the window that label opens, which has no icon.
WindowSpec twin() {
  return {.name = "twin",
          .caption = "双倍",
          .width = 4500,
          .height = 4500,
          .controls = {caption("Label1", "输入(V)", {120, 120, 1200, 255}, "Text1"),
                       input("Text1", "3", {1400, 120, 1200, 330}),
                       caption("Label2", "输出(V)", {120, 600, 1200, 255}, "Text2"),
                       output("Text2", {1400, 600, 1200, 330}),
                       calculate("Command1", "计算", {120, 1200, 1095, 405}, {"Text2"},
                                 [](Calc& c) { c.write("Text2", c.read("Text1") * 2); }),
                       button("Command2", "返回", {1400, 1200, 1095, 405}, ButtonRole::Return),
                       label("Label9", "请点击", {120, 2000, 1200, 255}).opening("hint"),
                       label("Label5", "分组：", {120, 2500, 1500, 330}).withFont(12, true),
                       label("Label6", "注意：很长的说明文字在框内自动换行。", {120, 2900, 1500, 720}).wrapped(),
                       line("Line1", 0, 3900, 4500, 3900),
                       picture("Image1", ":/icons/ombrel.png", {3000, 2500, 960, 960}, true)},
          .focus = {"Text1", "Text2", "Command1", "Command2"}};
}

WindowSpec hint() {
  WindowSpec spec{.name = "hint",
                  .caption = "提示",
                  .width = 2000,
                  .height = 2000,
                  .controls = {button("Command1", "返回", {300, 300, 1095, 405}, ButtonRole::Return)},
                  .focus = {"Command1"}};
  spec.icon = false;
  return spec;
}

const WindowSpec* lookup(std::string_view name) {
  static const WindowSpec specs[] = {twin(), hint()};
  for (const WindowSpec& spec : specs)
    if (spec.name == name) return &spec;
  return windowSpec(name);
}

}  // namespace

class TestGui : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void menuTree();
  void mainFormFrameAndClientArea();
  void windowSizesAndFrames();
  void captionsRenderInAChineseFont();
  void captionsFitTheirRectangles();
  void outputFieldsShowAWholeResult();
  void qtTextsAreChinese();
  void accessibleRolesAndNames();
  void objectNamesAndCaptionBuddies();
  void oneInstancePerClass();
  void returnKeepsTypedAndComputedTexts();
  void closeDiscardsTexts();
  void twoWindowsSideBySide();
  void typingAndCalculating();
  void faultShowsExactlyOneBox();
  void enterAndEscapePressNothing();
  void focusOrder();
  void clickableLabelOpensWindow();
  void windowIcons();
  void headingsNotesLinesAndPictures();
  void closingMainFormLeavesCalculatorsOpen();
  void mainFormSurvivesBeingClosed();
  void forwardReturnShowsMainFormAgain();
  void programEndsWhenNothingIsShown();
  void eventLoopEndsWithTheLastShownWindow();
};


void TestGui::initTestCase() {
  test::quietOffscreenNotes();
  setUpApplication(*qApp);
}

void TestGui::init() { start(&lookup); }

void TestGui::cleanup() { finish(); }

// The menus and commands as shown, and the window each command opens, with
// the caption and client size of its table (the registry sweep holds those
// to the design).
void TestGui::menuTree() {
  QMenuBar* bar = nav_->mainForm().menuBar();
  QStringList shown;
  for (QAction* menuAction : bar->actions()) {
    QMenu* menu = menuAction->menu();
    QVERIFY(menu);
    QVERIFY(menuAction->isEnabled() && menuAction->isVisible());
    for (QAction* action : menu->actions()) {
      QVERIFY2(!action->isSeparator(), "no separators");
      QVERIFY(!action->menu());
      QVERIFY(!action->isCheckable());
      QVERIFY(action->shortcut().isEmpty());
      QVERIFY(action->isEnabled() && action->isVisible());
      QCOMPARE(action->objectName(), action->text());
      action->trigger();
      CalcWindow* opened = nullptr;
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* calc = qobject_cast<CalcWindow*>(w); calc && calc->isVisible()) opened = calc;
      QVERIFY2(opened, qPrintable(action->text() + " opened nothing"));
      const WindowSpec* spec = lookup(opened->objectName().toStdString());
      QVERIFY(spec);
      QCOMPARE(opened->windowTitle(), QString::fromStdString(spec->caption));
      QCOMPARE(opened->size(), QSize(pixels(spec->width), pixels(spec->height)));
      shown << menu->title() + "/" + action->text() + " " + opened->objectName();
      opened->hide();
    }
  }
  const QStringList expected = {
      "变压器设计/反激电源 FlybackForm",   "变压器设计/正激电源 ForwardForm",
      "变压器设计/半桥电源 HalfBridgeForm", "变压器设计/全桥电源 FullBridgeForm",
      "变压器设计/驱动变压器 qudongbyq",   "电感设计/PFC电感 P",
      "电感设计/输出电感 lout",            "电感设计/电感圈数计算 diangq",
      "电感设计/电感气隙计算 lg",          "电容设计/输入电容 cin",
      "电容设计/输出电容 cout",            "环路控制/电流型控制环路 huanlu",
      "导线计算/铜线计算 daoxian",         "导线计算/铜带计算 tongdai",
      "电阻计算/铜线电阻 tx",              "电阻计算/铜带电阻 td",
      "电阻计算/TL431计算 TL431",          "EMI设计/差模扼流圈 gongm",
      "EMI设计/共模扼流圈 chamo",
  };
  QCOMPARE(shown, expected);
  QCOMPARE(bar->actions().size(), 7);
  QVERIFY(!shown.join("").contains('&'));  // no access keys
}

void TestGui::mainFormFrameAndClientArea() {
  MainForm& main = nav_->mainForm();
  QVERIFY(QTest::qWaitForWindowExposed(&main));
  QCOMPARE(main.objectName(), "MainForm");
  QCOMPARE(main.windowTitle(), "Ombrel专业版  V2.0");
  QWidget* client = main.centralWidget();
  QCOMPARE(client->size(), QSize(557, 402));
  QVERIFY(client->children().isEmpty());
  QVERIFY(client->y() >= main.menuBar()->geometry().bottom());
  QCOMPARE(main.height(), client->y() + 402);
  QCOMPARE(main.minimumSize(), main.maximumSize());
  QCOMPARE(main.windowType(), Qt::Dialog);
  const Qt::WindowFlags flags = main.windowFlags();
  QVERIFY(flags & Qt::WindowCloseButtonHint);
  QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

// Every window of the registry as built: client size, title and a fixed dialog frame.
void TestGui::windowSizesAndFrames() {
  for (const WindowSpec* spec : builtWindows()) {
    CalcWindow* w = nav_->open(QString::fromStdString(spec->name));
    QVERIFY2(w, spec->name.c_str());
    QCOMPARE(w->objectName(), QString::fromStdString(spec->name));
    QCOMPARE(w->size(), QSize(pixels(spec->width), pixels(spec->height)));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QCOMPARE(w->windowTitle(), QString::fromStdString(spec->caption));
    QCOMPARE(w->windowType(), Qt::Dialog);
    QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
  }
}

// Every caption, default text, button and menu text is drawn from a font
// that has its characters: no empty boxes on a fresh machine.
void TestGui::captionsRenderInAChineseFont() {
  QStringList texts;
  for (QAction* a : nav_->mainForm().menuBar()->findChildren<QAction*>()) texts << a->text();
  for (QMenu* m : nav_->mainForm().menuBar()->findChildren<QMenu*>()) texts << m->title();
  texts << nav_->mainForm().windowTitle();
  QList<QWidget*> widgets;
  for (const WindowSpec* spec : builtWindows()) {
    CalcWindow* w = nav_->open(QString::fromStdString(spec->name));
    QVERIFY2(w, spec->name.c_str());
    for (QWidget* child : w->findChildren<QWidget*>())
      if (qobject_cast<QLabel*>(child) || qobject_cast<QPushButton*>(child)) widgets << child;
  }
  for (QWidget* w : widgets) {
    const QString text = qobject_cast<QLabel*>(w) ? static_cast<QLabel*>(w)->text()
                                                   : static_cast<QPushButton*>(w)->text();
    const QFontMetrics metrics(w->font());
    for (const QChar ch : text)
      QVERIFY2(ch.isSpace() || metrics.inFont(ch), qPrintable(w->objectName() + ": " + text));
  }
  const QFontMetrics menuMetrics(nav_->mainForm().menuBar()->font());
  for (const QString& text : texts)
    for (const QChar ch : text) QVERIFY2(ch.isSpace() || menuMetrics.inFont(ch), qPrintable(text));
  QCOMPARE(QFontInfo(songFont()).pointSizeF(), 9.0);
}

// No caption is cut off in the font this machine draws it with.
void TestGui::captionsFitTheirRectangles() {
  for (const WindowSpec* spec : builtWindows()) {
    CalcWindow* w = nav_->open(QString::fromStdString(spec->name));
    QVERIFY2(w, spec->name.c_str());
    for (QLabel* label : w->findChildren<QLabel*>()) {
      if (label->wordWrap() || label->text().isEmpty()) continue;
      QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width() &&
                   label->fontMetrics().height() <= label->height(),
               qPrintable(w->objectName() + "." + label->objectName()));
    }
    for (QPushButton* button : w->findChildren<QPushButton*>())
      QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(),
               qPrintable(w->objectName() + "." + button->objectName()));
  }
}

// Every output field shows a whole 17-character result without scrolling,
// in the font it is drawn with: the text fits the box's contents less the
// margins the line edit keeps on either side.
void TestGui::outputFieldsShowAWholeResult() {
  const QStringList results = {"0.130628571428571", "-5486.34262399999", "1.23456789012346E+15",
                               "-0.0653142857142857"};
  for (const WindowSpec* spec : builtWindows()) {
    CalcWindow* w = nav_->open(QString::fromStdString(spec->name));
    QVERIFY2(w, spec->name.c_str());
    for (const Control& c : spec->controls) {
      if (c.kind != ControlKind::Field || c.fieldRole != FieldRole::Output) continue;
      QLineEdit* e = w->field(QString::fromStdString(c.name));
      QVERIFY2(e, c.name.c_str());
      QStyleOptionFrame frame;
      frame.initFrom(e);
      frame.rect = e->rect();
      frame.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, e) : 0;
      const QRect contents = e->style()->subElementRect(QStyle::SE_LineEditContents, &frame, e);
      const QMargins margins = e->textMargins();
      const int room = contents.width() - margins.left() - margins.right() - 2 * 2;  // 2 px each side
      for (const QString& result : results) {
        if (result.size() > 17) continue;
        QVERIFY2(e->fontMetrics().horizontalAdvance(result) <= room,
                 qPrintable(QString("%1.%2 is %3 px wide inside, \"%4\" needs %5")
                                .arg(w->objectName(), e->objectName())
                                .arg(room)
                                .arg(result)
                                .arg(e->fontMetrics().horizontalAdvance(result))));
      }
    }
  }
}

// Qt's own texts are Simplified Chinese: the fault box's button and a field's
// context menu.
void TestGui::qtTextsAreChinese() {
  CHOOSE(lg, "电感气隙计算");
  type(lg, "Text3", "0");
  click(lg, "Command1");
  const QStringList seen = boxes();
  QCOMPARE(seen.size(), 1);
  QCOMPARE(seen[0].section('|', 2), "确定");
  std::unique_ptr<QMenu> menu(edit(lg, "Text1")->createStandardContextMenu());
  QStringList texts;
  for (QAction* a : menu->actions())
    if (!a->isSeparator()) texts << a->text();
  QVERIFY(texts.size() >= 6);
  const QRegularExpression chinese("[\\x{4e00}-\\x{9fff}]");
  for (const QString& t : texts) QVERIFY2(t.contains(chinese), qPrintable(texts.join(", ")));
}

// Assistive technology announces every calculator window as a dialog and
// each field by its caption; MainForm is a frame.
void TestGui::accessibleRolesAndNames() {
  QAccessibleInterface* main = QAccessible::queryAccessibleInterface(&nav_->mainForm());
  QVERIFY(main);
  QCOMPARE(main->role(), QAccessible::Window);
  for (const WindowSpec* spec : builtWindows()) {
    CalcWindow* w = nav_->open(QString::fromStdString(spec->name));
    QVERIFY2(w, spec->name.c_str());
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(w);
    QVERIFY(window);
    QCOMPARE(window->role(), QAccessible::Dialog);
    QCOMPARE(window->text(QAccessible::Name), QString::fromStdString(spec->caption));
    for (const Control& c : spec->controls) {
      if (c.kind != ControlKind::Field) continue;
      QAccessibleInterface* field = QAccessible::queryAccessibleInterface(w->field(QString::fromStdString(c.name)));
      QVERIFY2(field, c.name.c_str());
      QCOMPARE(field->role(), QAccessible::EditableText);
      QCOMPARE(field->text(QAccessible::Name), QString::fromStdString(spec->captionOf(c.name)));
    }
  }
}

void TestGui::objectNamesAndCaptionBuddies() {
  CHOOSE(lg, "电感气隙计算");
  QCOMPARE(lg->objectName(), "lg");
  QCOMPARE(lg->windowTitle(), "电感气隙计算");
  const QStringList captions = {"圈数", "有效截面积（mm2）", "电感量(uH)", "气隙(mm)"};
  const QStringList defaults = {"20", "144", "560", ""};
  for (int i = 0; i < 4; ++i) {
    auto* field = lg->findChild<QLineEdit*>(QString("Text%1").arg(i + 1));
    QVERIFY(field);
    QVERIFY(!field->isReadOnly());
    QCOMPARE(field->text(), defaults[i]);
    QCOMPARE(field->accessibleName(), captions[i]);
    auto* caption = lg->findChild<QLabel*>(QString("Label%1").arg(i + 1));
    QVERIFY(caption);
    QCOMPARE(caption->text(), captions[i]);
    QCOMPARE(caption->buddy(), field);
    QVERIFY(caption->geometry().right() < field->geometry().left());  // caption at the left
  }
  QVERIFY(push(lg, "Command1") && push(lg, "Command2"));
  QCOMPARE(push(lg, "Command1")->text(), "计算");
  QCOMPARE(push(lg, "Command2")->text(), "返回");
  // One column: inputs, 计算, the gap row, then 返回.
  QVERIFY(push(lg, "Command1")->y() > edit(lg, "Text3")->y());
  QVERIFY(edit(lg, "Text4")->y() > push(lg, "Command1")->y());
  QVERIFY(push(lg, "Command2")->y() > edit(lg, "Text4")->y());
}

void TestGui::oneInstancePerClass() {
  CHOOSE(first, "电感气隙计算");
  type(first, "Text1", "7");
  CHOOSE(second, "电感气隙计算");
  QCOMPARE(second, first);
  QCOMPARE(text(second, "Text1"), "7");
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) count += w->objectName() == "lg";
  QCOMPARE(count, 1);
}

void TestGui::returnKeepsTypedAndComputedTexts() {
  CHOOSE(lg, "电感气隙计算");
  type(lg, "Text1", "25");
  click(lg, "Command1");
  QCOMPARE(text(lg, "Text4"), "0.204107142857143");
  click(lg, "Command2");
  QVERIFY(!lg->isVisible());
  QCOMPARE(ended_->count(), 0);  // MainForm is still shown
  QCOMPARE(choose("电感气隙计算"), lg);
  QVERIFY(lg->isVisible());
  QCOMPARE(text(lg, "Text1"), "25");
  QCOMPARE(text(lg, "Text4"), "0.204107142857143");
}

void TestGui::closeDiscardsTexts() {
  CHOOSE(opened, "电感气隙计算");
  QPointer<CalcWindow> lg = opened;
  type(lg, "Text3", "100");
  click(lg, "Command1");
  QVERIFY(lg->close());
  QCOMPARE(nav_->window("lg"), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(lg.isNull());
  CHOOSE(fresh, "电感气隙计算");
  QCOMPARE(text(fresh, "Text3"), "560");
  QCOMPARE(text(fresh, "Text4"), "");
}

void TestGui::twoWindowsSideBySide() {
  CHOOSE(lg, "电感气隙计算");
  CalcWindow* other = nav_->open("twin");
  QVERIFY(other);
  QVERIFY(lg->isVisible() && other->isVisible());
  click(other, "Command1");
  QCOMPARE(text(other, "Text2"), "6");
  QCOMPARE(text(lg, "Text4"), "");
  click(lg, "Command1");
  QCOMPARE(text(lg, "Text4"), "0.130628571428571");
  QCOMPARE(text(other, "Text1"), "3");
  QCOMPARE(text(other, "Text2"), "6");
}

void TestGui::typingAndCalculating() {
  CHOOSE(lg, "电感气隙计算");
  QLineEdit* inductance = edit(lg, "Text3");
  QVERIFY(inductance);
  inductance->setFocus();
  QTest::keyClick(inductance, Qt::Key_End);
  QTest::keyClicks(inductance, "uH");
  QCOMPARE(inductance->text(), "560uH");
  click(lg, "Command1");
  QCOMPARE(text(lg, "Text4"), "0.130628571428571");
  // A long result shows its leading digits.
  QCOMPARE(edit(lg, "Text4")->cursorPosition(), 0);
  QTest::keyClick(inductance, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(inductance, "-1 120");
  click(lg, "Command1");
  QCOMPARE(text(lg, "Text4"), "-0.0653142857142857");
}

void TestGui::faultShowsExactlyOneBox() {
  CHOOSE(lg, "电感气隙计算");
  click(lg, "Command1");
  QCOMPARE(text(lg, "Text4"), "0.130628571428571");
  type(lg, "Text3", "");
  click(lg, "Command1");
  QStringList seen = boxes();
  QCOMPARE(seen.size(), 1);
  QVERIFY2(seen[0].contains("除数为零") && seen[0].contains("气隙(mm)"), qPrintable(seen[0]));
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
  QCOMPARE(text(lg, "Text4"), "0.130628571428571");
  QVERIFY(lg->isVisible());
  // The window works on after the box.
  type(lg, "Text3", "1e999");
  click(lg, "Command1");
  seen = boxes();
  QCOMPARE(seen.size(), 1);
  QVERIFY2(seen[0].contains("溢出") && seen[0].contains("电感量(uH)"), qPrintable(seen[0]));
  type(lg, "Text3", "280");
  click(lg, "Command1");
  QCOMPARE(text(lg, "Text4"), "0.261257142857143");
}

void TestGui::enterAndEscapePressNothing() {
  CHOOSE(lg, "电感气隙计算");
  for (QPushButton* b : lg->findChildren<QPushButton*>()) {
    QVERIFY(!b->isDefault());
    QVERIFY(!b->autoDefault());
  }
  type(lg, "Text3", "");
  QTest::keyClick(edit(lg, "Text3"), Qt::Key_Return);
  QTest::keyClick(edit(lg, "Text3"), Qt::Key_Enter);
  QTest::keyClick(edit(lg, "Text3"), Qt::Key_Escape);
  QTest::keyClick(lg, Qt::Key_Escape);
  QCOMPARE(boxes(), QStringList());
  QCOMPARE(text(lg, "Text4"), "");
  QVERIFY(lg->isVisible());
}

void TestGui::focusOrder() {
  CHOOSE(lg, "电感气隙计算");
  QVERIFY(QTest::qWaitForWindowActive(lg));
  QVERIFY(QApplication::focusWidget());
  QCOMPARE(tabOrder(6), QStringList({"Text1", "Text2", "Text3", "Command1", "Text4", "Command2", "Text1"}));
}

void TestGui::clickableLabelOpensWindow() {
  CalcWindow* other = nav_->open("twin");
  QVERIFY(other);
  auto* label = other->findChild<QLabel*>("Label9");
  QVERIFY(label);
  QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(label, Qt::LeftButton);
  CalcWindow* opened = nav_->window("hint");
  QVERIFY(opened && opened->isVisible());
  click(other, "Command2");  // hiding the opener leaves it open
  QVERIFY(opened->isVisible());
  click(opened, "Command1");
  QVERIFY(!opened->isVisible());
  QTest::mouseClick(label, Qt::LeftButton);
  QCOMPARE(nav_->window("hint"), opened);
  QVERIFY(opened->isVisible());
}

void TestGui::windowIcons() {
  QVERIFY(!nav_->mainForm().windowIcon().isNull());
  CHOOSE(lg, "电感气隙计算");
  QVERIFY(!lg->windowIcon().isNull());
  QCOMPARE(lg->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
  CalcWindow* hinted = nav_->open("hint");
  QVERIFY(hinted);
  QVERIFY(hinted->windowIcon().isNull());
}

void TestGui::headingsNotesLinesAndPictures() {
  CalcWindow* other = nav_->open("twin");
  QVERIFY(other);
  auto* heading = other->findChild<QLabel*>("Label5");
  auto* note = other->findChild<QLabel*>("Label6");
  auto* image = other->findChild<QLabel*>("Image1");
  QVERIFY(heading && note && image);
  QCOMPARE(heading->font().pointSizeF(), 12.0);
  QVERIFY(heading->font().bold());
  QCOMPARE(other->findChild<QLabel*>("Label1")->font().pointSizeF(), 9.0);
  QVERIFY(note->wordWrap());
  QVERIFY(note->heightForWidth(note->width()) > QFontMetrics(note->font()).height());  // more than one line
  QVERIFY(!image->pixmap().isNull());
  QVERIFY(image->hasScaledContents());
  QCOMPARE(image->geometry(), QRect(200, 167, 64, 64));
  // The line is drawn across the window at y = 3900 twips = 260 pixels.
  const QImage shot = other->grab().toImage();
  const QColor ink = other->palette().color(QPalette::WindowText);
  QCOMPARE(shot.pixelColor(10, 260), ink);
  QCOMPARE(shot.pixelColor(290, 260), ink);
  QVERIFY(shot.pixelColor(10, 250) != ink);
}

void TestGui::closingMainFormLeavesCalculatorsOpen() {
  CHOOSE(lg, "电感气隙计算");
  QVERIFY(nav_->mainForm().close());
  QVERIFY(!nav_->mainForm().isVisible());
  QVERIFY(lg->isVisible());
  QCOMPARE(ended_->count(), 0);
  click(lg, "Command1");
  QCOMPARE(text(lg, "Text4"), "0.130628571428571");
}

// Closing MainForm hides it; it is never deleted, so ForwardForm's 返回 can
// show it again, also after deferred deletions have run.
void TestGui::mainFormSurvivesBeingClosed() {
  QPointer<MainForm> main = &nav_->mainForm();
  QVERIFY(main->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!main.isNull());
  QVERIFY(!main->testAttribute(Qt::WA_DeleteOnClose));
}

void TestGui::forwardReturnShowsMainFormAgain() {
  CHOOSE(forward, "正激电源");
  QVERIFY(nav_->mainForm().close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  click(forward, "Command2");
  QVERIFY(!forward->isVisible());
  QVERIFY(nav_->mainForm().isVisible());
  QCOMPARE(ended_->count(), 0);
  QCOMPARE(nav_->mainForm().menuBar()->actions().size(), 7);
}

void TestGui::programEndsWhenNothingIsShown() {
  CHOOSE(lg, "电感气隙计算");
  CalcWindow* other = nav_->open("twin");
  QVERIFY(other);
  click(other, "Command2");  // hidden, not shown
  QVERIFY(nav_->mainForm().close());
  QCOMPARE(ended_->count(), 0);
  click(lg, "Command2");
  QCOMPARE(ended_->count(), 1);

  // Closing instead of hiding the last shown window ends it as well.
  cleanup();
  init();
  CHOOSE(again, "电感气隙计算");
  QVERIFY(nav_->mainForm().close());
  QCOMPARE(ended_->count(), 0);
  QVERIFY(again->close());
  QCOMPARE(ended_->count(), 1);

  // And MainForm alone.
  cleanup();
  init();
  QVERIFY(nav_->mainForm().close());
  QCOMPARE(ended_->count(), 1);
}

// The program as main() wires it: the event loop ends when MainForm is closed
// and the last shown calculator is hidden. A loop that never ends fails here
// after five seconds instead of hanging.
void TestGui::eventLoopEndsWithTheLastShownWindow() {
  endWhenNothingShown(*qApp, *nav_);
  CHOOSE(lg, "电感气隙计算");
  QTimer::singleShot(0, qApp, [this] { nav_->mainForm().close(); });
  QTimer::singleShot(50, qApp, [lg] { click(lg, "Command2"); });
  QTimer failsafe;
  failsafe.setSingleShot(true);
  connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  failsafe.start(5000);
  QCOMPARE(QCoreApplication::exec(), 0);
  QVERIFY(!lg->isVisible());
  QVERIFY(!nav_->mainForm().isVisible());
}

QTEST_MAIN(TestGui)
#include "test_gui.moc"

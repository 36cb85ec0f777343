// The Qt shell for real, on the offscreen platform: the menu tree, window
// sizes and frames, the window slots and their lifecycle, typing, clicks,
// the fault box and the end of the program.
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

#include "app/calc_window.h"
#include "app/fonts.h"
#include "app/main_form.h"
#include "app/navigator.h"
#include "app/registry.h"
#include "common/calc.h"

using namespace ombrel;

namespace {

// Stand-ins for behaviour whose real windows come later: a ForwardForm whose
// 返回 also shows MainForm, a second calculator with a clickable label, and
// the window that label opens, which has no icon.
WindowSpec forwardStandIn() {
  return {.name = "ForwardForm",
          .caption = "正激变压器",
          .width = 6345,
          .height = 5085,
          .controls = {button("Command2", "返回", {300, 300, 1095, 405}, ButtonRole::ReturnShowMain)},
          .focus = {"Command2"}};
}

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
  static const WindowSpec specs[] = {forwardStandIn(), twin(), hint()};
  for (const WindowSpec& spec : specs)
    if (spec.name == name) return &spec;
  return windowSpec(name);
}

// Dismisses every modal message box that appears while it lives, keeping its text.
class BoxWatcher {
 public:
  BoxWatcher() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts << box->windowTitle() + "|" + box->text();
        box->button(QMessageBox::Ok)->click();
      }
    });
    timer_.start(10);
  }
  QStringList texts;

 private:
  QTimer timer_;
};

}  // namespace

class TestGui : public QObject {
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
  void commandOfUnbuiltWindowDoesNothing();
  void closingMainFormLeavesCalculatorsOpen();
  void forwardReturnShowsMainFormAgain();
  void programEndsWhenNothingIsShown();

 private:
  CalcWindow* choose(const QString& command);
  QAction* command(const QString& text);
  QPushButton* push(CalcWindow* w, const char* name) { return w->findChild<QPushButton*>(name); }

  std::unique_ptr<Navigator> nav_;
  std::unique_ptr<QSignalSpy> ended_;
};

namespace {
QtMessageHandler qtHandler = nullptr;
// The offscreen platform cannot raise windows or pass size hints on; its
// notes about that say nothing about the program.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!message.startsWith("This plugin does not support")) qtHandler(type, context, message);
}
}  // namespace

void TestGui::initTestCase() {
  qtHandler = qInstallMessageHandler(quietOffscreen);
  QApplication::setFont(songFont());
}

void TestGui::init() {
  nav_ = std::make_unique<Navigator>(&lookup);
  ended_ = std::make_unique<QSignalSpy>(nav_.get(), &Navigator::nothingShown);
  nav_->mainForm().show();
}

void TestGui::cleanup() {
  ended_.reset();
  nav_.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QAction* TestGui::command(const QString& text) {
  return nav_->mainForm().menuBar()->findChild<QAction*>(text);
}

CalcWindow* TestGui::choose(const QString& text) {
  QAction* action = command(text);
  if (!action) return nullptr;
  action->trigger();
  for (const MenuCommand& row : ombrel::menuTree())
    if (QString::fromUtf8(row.command.data(), row.command.size()) == text)
      return nav_->window(QString::fromUtf8(row.window.data(), row.window.size()));
  return nullptr;
}

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
      shown << menu->title() + "/" + action->text();
    }
  }
  const QStringList expected = {
      "变压器设计/反激电源",   "变压器设计/正激电源", "变压器设计/半桥电源", "变压器设计/全桥电源",
      "变压器设计/驱动变压器", "电感设计/PFC电感",    "电感设计/输出电感",   "电感设计/电感圈数计算",
      "电感设计/电感气隙计算", "电容设计/输入电容",   "电容设计/输出电容",   "环路控制/电流型控制环路",
      "导线计算/铜线计算",     "导线计算/铜带计算",   "电阻计算/铜线电阻",   "电阻计算/铜带电阻",
      "电阻计算/TL431计算",    "EMI设计/差模扼流圈",  "EMI设计/共模扼流圈",
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
  const Qt::WindowFlags flags = main.windowFlags();
  QVERIFY(flags & Qt::WindowCloseButtonHint);
  QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

void TestGui::windowSizesAndFrames() {
  for (const WindowSpec* spec : builtWindows()) {
    CalcWindow* w = nav_->open(QString::fromStdString(spec->name));
    QVERIFY(w);
    QCOMPARE(w->size(), QSize(pixels(spec->width), pixels(spec->height)));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QCOMPARE(w->windowTitle(), QString::fromStdString(spec->caption));
    QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
  }
  CalcWindow* lg = nav_->window("lg");
  QCOMPARE(lg->size(), QSize(225, 256));
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
    for (QLabel* label : w->findChildren<QLabel*>()) {
      if (label->wordWrap() || label->text().isEmpty()) continue;
      QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
               qPrintable(w->objectName() + "." + label->objectName()));
    }
    for (QPushButton* button : w->findChildren<QPushButton*>())
      QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(),
               qPrintable(w->objectName() + "." + button->objectName()));
  }
}

void TestGui::objectNamesAndCaptionBuddies() {
  CalcWindow* lg = choose("电感气隙计算");
  QVERIFY(lg);
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
    QCOMPARE(caption->text(), captions[i]);
    QCOMPARE(caption->buddy(), field);
    QVERIFY(caption->geometry().right() < field->geometry().left());  // caption at the left
  }
  QCOMPARE(push(lg, "Command1")->text(), "计算");
  QCOMPARE(push(lg, "Command2")->text(), "返回");
  // One column: inputs, 计算, the gap row, then 返回.
  QVERIFY(push(lg, "Command1")->y() > lg->field("Text3")->y());
  QVERIFY(lg->field("Text4")->y() > push(lg, "Command1")->y());
  QVERIFY(push(lg, "Command2")->y() > lg->field("Text4")->y());
}

void TestGui::oneInstancePerClass() {
  CalcWindow* first = choose("电感气隙计算");
  first->field("Text1")->setText("7");
  CalcWindow* second = choose("电感气隙计算");
  QCOMPARE(second, first);
  QCOMPARE(second->field("Text1")->text(), "7");
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) count += w->objectName() == "lg";
  QCOMPARE(count, 1);
}

void TestGui::returnKeepsTypedAndComputedTexts() {
  CalcWindow* lg = choose("电感气隙计算");
  QLineEdit* turns = lg->field("Text1");
  turns->selectAll();
  QTest::keyClicks(turns, "25");
  QTest::mouseClick(push(lg, "Command1"), Qt::LeftButton);
  const QString gap = lg->field("Text4")->text();
  QCOMPARE(gap, "0.204107142857143");
  QTest::mouseClick(push(lg, "Command2"), Qt::LeftButton);
  QVERIFY(!lg->isVisible());
  QCOMPARE(ended_->count(), 0);  // MainForm is still shown
  QCOMPARE(choose("电感气隙计算"), lg);
  QVERIFY(lg->isVisible());
  QCOMPARE(lg->field("Text1")->text(), "25");
  QCOMPARE(lg->field("Text4")->text(), gap);
}

void TestGui::closeDiscardsTexts() {
  QPointer<CalcWindow> lg = choose("电感气隙计算");
  lg->field("Text3")->setText("100");
  QTest::mouseClick(push(lg, "Command1"), Qt::LeftButton);
  QVERIFY(lg->close());
  QCOMPARE(nav_->window("lg"), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(lg.isNull());
  CalcWindow* fresh = choose("电感气隙计算");
  QVERIFY(fresh);
  QCOMPARE(fresh->field("Text3")->text(), "560");
  QCOMPARE(fresh->field("Text4")->text(), "");
}

void TestGui::twoWindowsSideBySide() {
  CalcWindow* lg = choose("电感气隙计算");
  CalcWindow* other = nav_->open("twin");
  QVERIFY(lg->isVisible() && other->isVisible());
  QTest::mouseClick(push(other, "Command1"), Qt::LeftButton);
  QCOMPARE(other->field("Text2")->text(), "6");
  QCOMPARE(lg->field("Text4")->text(), "");
  QTest::mouseClick(push(lg, "Command1"), Qt::LeftButton);
  QCOMPARE(lg->field("Text4")->text(), "0.130628571428571");
  QCOMPARE(other->field("Text1")->text(), "3");
  QCOMPARE(other->field("Text2")->text(), "6");
}

void TestGui::typingAndCalculating() {
  CalcWindow* lg = choose("电感气隙计算");
  QLineEdit* inductance = lg->field("Text3");
  inductance->setFocus();
  QTest::keyClick(inductance, Qt::Key_End);
  QTest::keyClicks(inductance, "uH");
  QCOMPARE(inductance->text(), "560uH");
  QTest::mouseClick(push(lg, "Command1"), Qt::LeftButton);
  QCOMPARE(lg->field("Text4")->text(), "0.130628571428571");
  // A long result shows its leading digits.
  QCOMPARE(lg->field("Text4")->cursorPosition(), 0);
  QTest::keyClick(inductance, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(inductance, "-1 120");
  QTest::mouseClick(push(lg, "Command1"), Qt::LeftButton);
  QCOMPARE(lg->field("Text4")->text(), "-0.0653142857142857");
}

void TestGui::faultShowsExactlyOneBox() {
  CalcWindow* lg = choose("电感气隙计算");
  QTest::mouseClick(push(lg, "Command1"), Qt::LeftButton);
  QCOMPARE(lg->field("Text4")->text(), "0.130628571428571");
  lg->field("Text3")->clear();
  {
    BoxWatcher watcher;
    QTest::mouseClick(push(lg, "Command1"), Qt::LeftButton);
    QCOMPARE(watcher.texts.size(), 1);
    QVERIFY2(watcher.texts[0].contains("除数为零") && watcher.texts[0].contains("气隙(mm)"),
             qPrintable(watcher.texts[0]));
  }
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
  QCOMPARE(lg->field("Text4")->text(), "0.130628571428571");
  QVERIFY(lg->isVisible());
  // The window works on after the box.
  lg->field("Text3")->setText("1e999");
  {
    BoxWatcher watcher;
    QTest::mouseClick(push(lg, "Command1"), Qt::LeftButton);
    QCOMPARE(watcher.texts.size(), 1);
    QVERIFY2(watcher.texts[0].contains("溢出") && watcher.texts[0].contains("电感量(uH)"),
             qPrintable(watcher.texts[0]));
  }
  lg->field("Text3")->setText("280");
  QTest::mouseClick(push(lg, "Command1"), Qt::LeftButton);
  QCOMPARE(lg->field("Text4")->text(), "0.261257142857143");
}

void TestGui::enterAndEscapePressNothing() {
  CalcWindow* lg = choose("电感气隙计算");
  for (QPushButton* b : lg->findChildren<QPushButton*>()) {
    QVERIFY(!b->isDefault());
    QVERIFY(!b->autoDefault());
  }
  lg->field("Text3")->clear();
  BoxWatcher watcher;
  QTest::keyClick(lg->field("Text3"), Qt::Key_Return);
  QTest::keyClick(lg->field("Text3"), Qt::Key_Enter);
  QTest::keyClick(lg->field("Text3"), Qt::Key_Escape);
  QTest::keyClick(lg, Qt::Key_Escape);
  QCOMPARE(watcher.texts.size(), 0);
  QCOMPARE(lg->field("Text4")->text(), "");
  QVERIFY(lg->isVisible());
}

void TestGui::focusOrder() {
  CalcWindow* lg = choose("电感气隙计算");
  QVERIFY(QTest::qWaitForWindowActive(lg));
  QStringList order{QApplication::focusWidget()->objectName()};
  for (int i = 0; i < 6; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    order << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(order, QStringList({"Text1", "Text2", "Text3", "Command1", "Text4", "Command2", "Text1"}));
}

void TestGui::clickableLabelOpensWindow() {
  CalcWindow* other = nav_->open("twin");
  auto* label = other->findChild<QLabel*>("Label9");
  QTest::mouseClick(label, Qt::LeftButton);
  CalcWindow* opened = nav_->window("hint");
  QVERIFY(opened && opened->isVisible());
  QTest::mouseClick(push(other, "Command2"), Qt::LeftButton);  // hiding the opener leaves it open
  QVERIFY(opened->isVisible());
  QTest::mouseClick(push(opened, "Command1"), Qt::LeftButton);
  QVERIFY(!opened->isVisible());
  QTest::mouseClick(label, Qt::LeftButton);
  QCOMPARE(nav_->window("hint"), opened);
  QVERIFY(opened->isVisible());
}

void TestGui::windowIcons() {
  QVERIFY(!nav_->mainForm().windowIcon().isNull());
  CalcWindow* lg = choose("电感气隙计算");
  QVERIFY(!lg->windowIcon().isNull());
  QCOMPARE(lg->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
  QVERIFY(nav_->open("hint")->windowIcon().isNull());
}

void TestGui::headingsNotesLinesAndPictures() {
  CalcWindow* other = nav_->open("twin");
  auto* heading = other->findChild<QLabel*>("Label5");
  QCOMPARE(heading->font().pointSizeF(), 12.0);
  QVERIFY(heading->font().bold());
  QCOMPARE(other->findChild<QLabel*>("Label1")->font().pointSizeF(), 9.0);
  auto* note = other->findChild<QLabel*>("Label6");
  QVERIFY(note->wordWrap());
  QVERIFY(note->heightForWidth(note->width()) > QFontMetrics(note->font()).height());  // more than one line
  auto* image = other->findChild<QLabel*>("Image1");
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

void TestGui::commandOfUnbuiltWindowDoesNothing() {
  const int before = QApplication::topLevelWidgets().size();
  for (const MenuCommand& row : ombrel::menuTree()) {
    const QString window = QString::fromUtf8(row.window.data(), row.window.size());
    if (lookup(row.window)) continue;
    command(QString::fromUtf8(row.command.data(), row.command.size()))->trigger();
    QCOMPARE(nav_->window(window), nullptr);
  }
  QCOMPARE(QApplication::topLevelWidgets().size(), before);
  QVERIFY(nav_->mainForm().isVisible());
}

void TestGui::closingMainFormLeavesCalculatorsOpen() {
  CalcWindow* lg = choose("电感气隙计算");
  QVERIFY(nav_->mainForm().close());
  QVERIFY(!nav_->mainForm().isVisible());
  QVERIFY(lg->isVisible());
  QCOMPARE(ended_->count(), 0);
  QTest::mouseClick(push(lg, "Command1"), Qt::LeftButton);
  QCOMPARE(lg->field("Text4")->text(), "0.130628571428571");
}

void TestGui::forwardReturnShowsMainFormAgain() {
  CalcWindow* forward = choose("正激电源");
  QVERIFY(forward);
  QVERIFY(nav_->mainForm().close());
  QTest::mouseClick(push(forward, "Command2"), Qt::LeftButton);
  QVERIFY(!forward->isVisible());
  QVERIFY(nav_->mainForm().isVisible());
  QCOMPARE(ended_->count(), 0);
  QCOMPARE(nav_->mainForm().menuBar()->actions().size(), 7);
}

void TestGui::programEndsWhenNothingIsShown() {
  CalcWindow* lg = choose("电感气隙计算");
  CalcWindow* other = nav_->open("twin");
  QTest::mouseClick(push(other, "Command2"), Qt::LeftButton);  // hidden, not shown
  QVERIFY(nav_->mainForm().close());
  QCOMPARE(ended_->count(), 0);
  QTest::mouseClick(push(lg, "Command2"), Qt::LeftButton);
  QCOMPARE(ended_->count(), 1);

  // Closing instead of hiding the last shown window ends it as well.
  cleanup();
  init();
  CalcWindow* again = choose("电感气隙计算");
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

QTEST_MAIN(TestGui)
#include "test_gui.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt shell for real, on the offscreen platform: the menu tree, window
// sizes and frames, fonts and Qt's translation, the window slots and their
// lifecycle, and the end of the program. (Every window's calculations, focus
// chain and 返回 are swept in test_gui_windows.)
#include <QAccessible>
#include <QComboBox>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <memory>

#include <QStyle>
#include <QStyleOptionFrame>

#include "app/calc_window.h"
#include "app/fonts.h"
#include "app/looks.h"
#include "app/main_form.h"
#include "app/navigator.h"
#include "app/program.h"
#include "app/registry.h"
#include "common/calc.h"
#include "exact.h"
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

// The frame every window asks the window manager for, and nothing more: a
// customised dialog frame with a title, its system menu and close button, of
// fixed size; no minimise, maximise or help button.
constexpr Qt::WindowFlags kDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                         Qt::MSWindowsFixedSizeDialogHint;

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
  void aboutBoxNamesTheLibraries();
  void windowSizesAndFrames();
  void textsAskForTheSongFont();
  void captionsFitTheirRectangles();
  void outputFieldsShowAWholeResult();
  void qtTextsComeFromItsChineseTranslation();
  void accessibleRolesAndNames();
  void objectNamesAndCaptionBuddies();
  void oneInstancePerClass();
  void closeDiscardsTexts();
  void twoWindowsSideBySide();
  void enterAndEscapePressNothing();
  void clickableLabelOpensWindow();
  void windowIcons();
  void headingsNotesLinesAndPictures();
  void closingMainFormLeavesCalculatorsOpen();
  void mainFormSurvivesBeingClosed();
  void minimisedWindowComesBack();
  void programEndsWhenNothingIsShown();
  void eventLoopEndsWithTheLastShownWindow();
};


void TestGui::initTestCase() { setUpApplication(*qApp); }

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
  QCOMPARE(shown, expected);  // texts without '&': no access keys
  QCOMPARE(bar->actions().size(), 7);
}

void TestGui::mainFormFrameAndClientArea() {
  MainForm& main = nav_->mainForm();
  QVERIFY(QTest::qWaitForWindowExposed(&main));
  QCOMPARE(main.objectName(), "MainForm");
  QCOMPARE(main.windowTitle(), "Ombrel专业版  V2.0");
  QWidget* client = main.centralWidget();
  QVERIFY(client);
  QCOMPARE(client->size(), QSize(557, 402));
  QVERIFY(client->children().isEmpty());
  QVERIFY(client->y() >= main.menuBar()->geometry().bottom());
  QCOMPARE(main.height(), client->y() + 402);
  QCOMPARE(main.minimumSize(), main.maximumSize());
  QCOMPARE(int(main.windowFlags()), int(kDialogFrame));
}

// A right click in the client area offers the about box: not modal, one at a
// time, naming the program, its licence and the libraries it is built on.
void TestGui::aboutBoxNamesTheLibraries() {
  MainForm& main = nav_->mainForm();
  QVERIFY(QTest::qWaitForWindowExposed(&main));
  QMessageBox* first = nullptr;
  for (int time = 0; time < 2; ++time) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), main.centralWidget()->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(main.centralWidget(), &event);
    QPointer<QMenu> menu;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().front()->text(), "关于 Ombrel…");
    menu->actions().front()->trigger();
    menu->close();
    auto* box = main.findChild<QMessageBox*>("AboutBox");
    QVERIFY(box && box->isVisible() && !box->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    if (!first) first = box;
    QCOMPARE(box, first);
    QCOMPARE(box->windowTitle(), "关于 Ombrel");
    const QString text = box->text() + box->informativeText();
    for (const QString& name : {QStringLiteral("Ombrel专业版  V2.0"), QStringLiteral("GNU 通用公共许可证第 3 版"),
                                QStringLiteral("Qt ") + qVersion(), QStringLiteral("MPFR 4."), QStringLiteral("GMP 6.")})
      QVERIFY2(text.contains(name), qPrintable(name + " not in " + text));
  }
  first->close();
  QTRY_VERIFY(!main.findChild<QMessageBox*>("AboutBox"));
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
    QCOMPARE(int(w->windowFlags()), int(kDialogFrame));
  }
}

// Every text of the program asks for the Song face, then the Song and Ming
// faces Debian ships (the package depends on AR PL UMing), at the size and
// weight of its table: MainForm's menus and every label, field and button of
// every window. Which of those faces a machine has is the install check's.
void TestGui::textsAskForTheSongFont() {
  const QStringList song = songFont().families();
  QCOMPARE(song.mid(0, 2), QStringList({"SimSun", "宋体"}));
  QVERIFY2(song.contains("AR PL UMing CN"), qPrintable(song.join(", ")));
  QCOMPARE(QApplication::font().families(), song);
  QCOMPARE(nav_->mainForm().menuBar()->font().families(), song);
  for (QMenu* m : nav_->mainForm().menuBar()->findChildren<QMenu*>()) QCOMPARE(m->font().families(), song);
  for (const WindowSpec* spec : builtWindows()) {
    OPEN(w, QString::fromStdString(spec->name));
    for (const Control& c : spec->controls) {
      if (c.kind != ControlKind::Label && c.kind != ControlKind::Field && c.kind != ControlKind::Button) continue;
      FIND(widget, QWidget, w, QString::fromStdString(c.name));
      const QFont font = widget->font();
      QVERIFY2(font.families() == song, qPrintable(w->objectName() + "." + widget->objectName()));
      QCOMPARE_BITS(font.pointSizeF(), c.font.points);
      QCOMPARE(font.bold(), c.font.bold);
    }
  }
}

namespace {

// Every window of the registry, opened.
QList<CalcWindow*> everyWindow(Navigator& nav) {
  QList<CalcWindow*> all;
  for (const WindowSpec* spec : builtWindows()) all << nav.open(QString::fromStdString(spec->name));
  return all;
}

}  // namespace

// No caption is cut off in the font this machine draws it with.
void TestGui::captionsFitTheirRectangles() {
  for (CalcWindow* w : everyWindow(*nav_)) {
    QVERIFY(w);
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
// in the fonts it is drawn with (italic when left from an earlier run): the
// text fits the box's contents less the margins the line edit keeps on
// either side.
void TestGui::outputFieldsShowAWholeResult() {
  const QStringList results = {"0.130628571428571", "-5486.34262399999", "-1.2345678901E+15",
                               "-2.814490446E+252"};
  for (CalcWindow* w : everyWindow(*nav_)) {
    QVERIFY(w);
    for (const Control& c : w->spec().controls) {
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
      for (const bool italic : {false, true}) {
        QFont font = e->font();
        font.setItalic(italic);
        const QFontMetrics metrics(font);
        for (const QString& result : results)
          QVERIFY2(metrics.horizontalAdvance(result) <= room,
                   qPrintable(QString("%1.%2 is %3 px wide inside, \"%4\" needs %5")
                                  .arg(w->objectName(), e->objectName())
                                  .arg(room)
                                  .arg(result)
                                  .arg(metrics.horizontalAdvance(result))));
      }
    }
  }
}

// Qt's own texts (the buttons of the fault box, a field's context menu) come
// from the Simplified Chinese translation of qtbase in Qt's translations,
// which the program loads and installs.
void TestGui::qtTextsComeFromItsChineseTranslation() {
  const QList<QTranslator*> loaded = qApp->findChildren<QTranslator*>();
  QCOMPARE(loaded.size(), 1);
  const QTranslator* qtbase = loaded.front();
  QCOMPARE(qtbase->language(), "zh_CN");
  QCOMPARE(QFileInfo(qtbase->filePath()).fileName(), "qtbase_zh_CN.qm");
  QCOMPARE(QFileInfo(qtbase->filePath()).absolutePath(),
           QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).absolutePath());
  const QString ok = qtbase->translate("QPlatformTheme", "OK");
  QVERIFY(!ok.isEmpty());
  QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), ok);  // installed
}

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
      const QString name = QString::fromStdString(c.name);
      QAccessibleInterface* field = QAccessible::queryAccessibleInterface(
          c.isChoice() ? static_cast<QObject*>(w->choice(name)) : w->field(name));
      QVERIFY2(field, c.name.c_str());
      QCOMPARE(field->role(), c.isChoice() ? QAccessible::ComboBox : QAccessible::EditableText);
      // A list is announced by the item chosen; its caption is its accessible name.
      QCOMPARE(c.isChoice() ? w->choice(name)->accessibleName() : field->text(QAccessible::Name),
               QString::fromStdString(spec->captionOf(c.name)));
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
  // One column: inputs, 计算, the gap row, then 返回.
  FIND(calculate, QPushButton, lg, "Command1");
  FIND(back, QPushButton, lg, "Command2");
  FIND(inductance, QLineEdit, lg, "Text3");
  FIND(gap, QLineEdit, lg, "Text4");
  QVERIFY(calculate->y() > inductance->y());
  QVERIFY(gap->y() > calculate->y());
  QVERIFY(back->y() > gap->y());
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

void TestGui::enterAndEscapePressNothing() {
  CHOOSE(lg, "电感气隙计算");
  for (QPushButton* b : lg->findChildren<QPushButton*>()) {
    QVERIFY(!b->isDefault());
    QVERIFY(!b->autoDefault());
  }
  type(lg, "Text3", "");
  FIND(inductance, QLineEdit, lg, "Text3");
  QTest::keyClick(inductance, Qt::Key_Return);
  QTest::keyClick(inductance, Qt::Key_Enter);
  QTest::keyClick(inductance, Qt::Key_Escape);
  QTest::keyClick(lg, Qt::Key_Escape);
  QCOMPARE(boxes(), QStringList());
  QCOMPARE(text(lg, "Text4"), "");
  QVERIFY(lg->isVisible());
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
  QCOMPARE_BITS(heading->font().pointSizeF(), 12.0);
  QVERIFY(heading->font().bold());
  FIND(caption, QLabel, other, "Label1");
  QCOMPARE_BITS(caption->font().pointSizeF(), 9.0);
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

// A window minimised with its title-bar button comes back with its texts,
// raised and with the keyboard, whenever it is shown: by its menu command,
// by the ESR line of the loop window, and MainForm by ForwardForm's 返回.
void TestGui::minimisedWindowComesBack() {
  const auto minimise = [](QWidget* w) {
    w->showMinimized();
    QTRY_VERIFY(w->isMinimized());
  };
  const auto cameBack = [](QWidget* w) {
    QVERIFY(w->isVisible());
    QVERIFY(!w->isMinimized());
    QTRY_VERIFY(w->isActiveWindow());
  };
  CHOOSE(gap, "电感气隙计算");
  type(gap, "Text1", "30");
  click(gap, "Command1");
  minimise(gap);
  QCOMPARE(choose("电感气隙计算"), gap);
  cameBack(gap);
  QCOMPARE(text(gap, "Text1"), "30");
  QCOMPARE(text(gap, "Text4"), "0.293914285714286");

  CHOOSE(loop, "电流型控制环路");
  auto* esr = loop->findChild<QLabel*>("Label22");
  QVERIFY(esr);
  QTest::mouseClick(esr, Qt::LeftButton);
  CalcWindow* hintWindow = nav_->window("gongs");
  QVERIFY(hintWindow);
  minimise(hintWindow);
  QTest::mouseClick(esr, Qt::LeftButton);
  cameBack(hintWindow);

  CHOOSE(forward, "正激电源");
  minimise(&nav_->mainForm());
  click(forward, "Command2");
  cameBack(&nav_->mainForm());
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

// SPDX-License-Identifier: GPL-3.0-or-later
// A long random session over every window of the registry, with a fixed
// seed: menu commands, typing and pasting random texts (long ones up to a
// text box's limit, and ones that are no number), every button, the
// clickable labels, every entry of every field's context menu (Qt's own,
// 选择磁芯 with 按尺寸计算…, 选择线径, 复制本窗口数据, 粘贴本窗口数据 and its
// note's 撤销粘贴 or Ctrl+Z, 参数扫描…), the sweep
// window (its three fields, 对数刻度, the result check boxes, 全选, 全不选, 计算,
// 复制数据, 返回, the mouse over the chart), the core shape window (its family,
// standard shapes and RM drawings, its fields, 计算, 填入 Ae, 返回, title-bar
// close), the goal seek window from 反算… (its targets, inputs and second
// result, 求解, 填入, 返回, title-bar close), the frequency response window
// from 频率响应… (its RHP zero, typed, pasted or from its menu with
// 由「反激变压器」算出, series, charts, 复制数据, 返回, close), 返回,
// title-bar close, the about box from MainForm's client area and closing
// MainForm.
// Fault boxes are dismissed as they come.
//
// Checked after every action:
// - a calculate button shows at most one box, titled as a calculation fault
//   ("计算错误"); any other box (a program error among them) fails the run,
//   and the sweep window and the context menus show none at all;
// - every shown window still answers: nothing modal is left, and every
//   hundredth step each shown window paints;
// - a sweep never changes a calculator's fields, the core shape window none
//   but the one it fills, and that one with its Ae;
// - never two windows of one class;
// - a window shown again by its menu command shows the texts it had when it
//   was hidden; one created afresh shows its design texts;
// - a calculation never writes an input, and every output afterwards holds
//   its old text or a text that TextFromNumber wrote;
// - the program would end exactly when a close or a 返回 leaves no window
//   shown (the sweep and core shape windows count as shown).
//
// A second test pastes a whole text box of digits, and one of letters, into
// every field of every window, of the sweep window, of the core shape window
// and the goal seek window's target, and calculates.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <array>
#include <map>
#include <memory>
#include <random>

#include "app/chart.h"
#include "app/program.h"
#include "app/bode_window.h"
#include "app/core_shape_window.h"
#include "app/goal_seek_window.h"
#include "app/sweep_window.h"
#include "common/calc.h"
#include "common/number.h"
#include "gui_support.h"

using namespace ombrel;

namespace {

using Texts = std::map<QString, QString>;

// A text box holds at most this many characters (QLineEdit's maxLength).
constexpr int kBoxLimit = 32767;

Texts textsOf(CalcWindow* w) {
  Texts t;
  for (const Control& c : w->spec().controls)
    if (c.kind == ControlKind::Field) {
      const QString name = QString::fromStdString(c.name);
      t[name] = w->field(name) || w->choice(name) ? w->text(name) : QStringLiteral("<no field>");
    }
  return t;
}

// The core shape window's dimension fields its family shows (the results are read-only).
QList<QLineEdit*> dimensionsShown(CoreShapeWindow* shape) {
  QList<QLineEdit*> shown;
  for (QLineEdit* e : shape->findChildren<QLineEdit*>())
    if (e->isVisibleTo(shape) && !e->isReadOnly()) shown << e;
  return shown;
}

// Every entry a menu leads to, submenus followed; separators left out.
void leaves(QMenu* menu, QList<QAction*>& out) {
  for (QAction* a : menu->actions()) {
    if (a->isSeparator()) continue;
    if (a->menu())
      leaves(a->menu(), out);
    else
      out << a;
  }
}

Texts designTexts(const WindowSpec& spec) {
  Texts t;
  for (const Control& c : spec.controls)
    if (c.kind == ControlKind::Field) t[QString::fromStdString(c.name)] = QString::fromStdString(c.text);
  return t;
}

bool isWrittenNumber(const QString& text) {
  const std::string s = text.toStdString();
  // The top of the range is written correctly rounded and reads back as an overflow.
  if (s == "1.79769313486232E+308" || s == "-1.79769313486232E+308") return true;
  return s != "inf" && s != "-inf" && s != "nan" && TextFromNumber(NumberFromText(s)) == s;
}

}  // namespace

class TestTorture : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  void initTestCase() {
    test::quietOffscreenNotes();
    setUpApplication(*qApp);
  }
  void init() { start(); }
  void cleanup() { finish(); }
  void randomSession();
  void longPasteEverywhere();

 private:
  QString randomText();
  void paste(QLineEdit* e, const QString& text);
  // Pasted, or set as a program would, at random.
  void typeOrPaste(QLineEdit* e, const QString& text) {
    if (pick(2))
      paste(e, text);
    else
      e->setText(text);
  }
  // One random action on the sweep window, which is shown.
  void sweepAction(SweepWindow* sweep);
  // One random action on the core shape window, which is shown.
  void coreShapeAction(CoreShapeWindow* shape);
  // One random action on the goal seek window, which is shown.
  void goalSeekAction(GoalSeekWindow* seek);
  // One random action on the frequency response window, which is shown.
  void bodeAction(BodeWindow* bode);
  std::mt19937 rng_{20261207};
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
};

void TestTorture::paste(QLineEdit* e, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  e->setFocus();
  QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
}

void TestTorture::sweepAction(SweepWindow* sweep) {
  const auto field = [sweep](const char* name) { return sweep->findChild<QLineEdit*>(name); };
  switch (pick(9)) {
    case 0:
    case 1: {  // type or paste into 从, 到 or 点数
      QLineEdit* e = field(std::array{"from", "to", "points"}[std::size_t(pick(3))]);
      QVERIFY(e);
      typeOrPaste(e, pick(4) == 0 ? QString::number(pick(2100)) : randomText());
      if (pick(2)) QTest::keyClick(e, Qt::Key_Return);
      break;
    }
    case 2: {
      QCheckBox* log = sweep->findChild<QCheckBox*>("log");
      QVERIFY(log);
      log->click();
      break;
    }
    case 3: {  // a result's check box
      QListWidget* results = sweep->findChild<QListWidget*>("results");
      QVERIFY(results);
      if (results->count() == 0) break;
      QListWidgetItem* item = results->item(pick(results->count()));
      item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
      break;
    }
    case 4: click(sweep, pick(2) ? "all" : "none"); break;
    case 5: click(sweep, "calculate"); break;
    case 6: {
      click(sweep, "copy");
      QVERIFY2(!QGuiApplication::clipboard()->text().isEmpty(), "the sweep copied nothing");
      break;
    }
    case 7: {  // the mouse over the chart
      Chart* chart = sweep->chart();
      QVERIFY(chart);
      for (int i = 0; i < 5; ++i) QTest::mouseMove(chart, QPoint(pick(chart->width()), pick(chart->height())));
      break;
    }
    default: click(sweep, "back"); break;
  }
}

void TestTorture::coreShapeAction(CoreShapeWindow* shape) {
  const auto combo = [shape](const char* name) { return shape->findChild<QComboBox*>(name); };
  switch (pick(8)) {
    case 0:
    case 1: {  // type or paste into a letter the family shows
      const QList<QLineEdit*> shown = dimensionsShown(shape);
      QVERIFY(!shown.isEmpty());
      QLineEdit* e = shown[pick(int(shown.size()))];
      typeOrPaste(e, pick(3) == 0 ? QString::number(pick(40) + 1) : randomText());
      if (pick(3) == 0) {  // Enter calculates
        dismissNextBoxAtOnce();
        QTest::keyClick(e, Qt::Key_Return);
      }
      break;
    }
    case 2:
    case 3: {  // a family, a standard shape or an RM drawing
      QComboBox* box = combo(std::array{"family", "shape", "drawing"}[std::size_t(pick(3))]);
      QVERIFY(box);
      if (box->isVisibleTo(shape) && box->count() > 0) box->setCurrentIndex(pick(box->count()));
      break;
    }
    case 4:
    case 5: {
      dismissNextBoxAtOnce();
      click(shape, "calculate");
      for (const char* r : {"C1", "C2", "le", "Ae", "Ve", "Amin"}) {
        const QString text = shape->result(r)->text();
        QVERIFY2(text.isEmpty() || isWrittenNumber(text), qPrintable(QString(r) + " shows " + text));
      }
      break;
    }
    case 6: click(shape, "fillAe"); break;
    default:
      if (pick(2)) click(shape, "back");
      else QVERIFY(shape->close());
      break;
  }
  // A calculation shows at most one box, a calculation fault.
  const QStringList shown = boxes();
  QVERIFY2(shown.size() <= 1, qPrintable(shown.join(" / ")));
  for (const QString& box : shown) QVERIFY2(box.startsWith("计算错误|"), qPrintable(box.left(200)));
}

void TestTorture::goalSeekAction(GoalSeekWindow* seek) {
  switch (pick(8)) {
    case 0:
    case 1: {  // type or paste a target
      QLineEdit* e = seek->findChild<QLineEdit*>(pick(2) ? "target" : "target2");
      QVERIFY(e);
      typeOrPaste(e, pick(3) == 0 ? QString::number(pick(200)) : randomText());
      if (pick(4) == 0) QTest::keyClick(e, Qt::Key_Return);
      break;
    }
    case 2:
    case 3: {  // an input, or a second result now and then
      QComboBox* box = seek->findChild<QComboBox*>(std::array{"input", "input2", "input", "result2"}[std::size_t(pick(4))]);
      QVERIFY(box);
      const int was = box->currentIndex();
      if (box->count() > 0) box->setCurrentIndex(box->objectName() == "result2" && pick(2) ? 0 : pick(box->count()));
      if (box->objectName() == "result2" && was > 0 && box->currentIndex() == 0)  // (无): condition two's values gone
        for (const char* field : {"target2", "solved2", "achieved2"})
          QVERIFY2(seek->findChild<QLineEdit*>(field)->text().isEmpty(), field);
      break;
    }
    case 4:
    case 5: click(seek, "Command1"); break;
    case 6: click(seek, "Command2"); break;
    default:
      if (pick(2)) click(seek, "Command3");
      else QVERIFY(seek->close());
      QVERIFY(!seek->isVisible());
      break;
  }
  QCOMPARE(boxes(), QStringList());  // 反算 says everything in words
}

void TestTorture::bodeAction(BodeWindow* bode) {
  switch (pick(7)) {
    case 0:
    case 1: {  // the right-half-plane zero, typed or pasted
      QLineEdit* e = bode->findChild<QLineEdit*>("frhp");
      QVERIFY(e);
      typeOrPaste(e, pick(3) == 0 ? QString::number(pick(100)) : randomText());
      break;
    }
    case 2: {
      QComboBox* series = bode->findChild<QComboBox*>("series");
      QVERIFY(series);
      series->setCurrentIndex(pick(series->count()));
      break;
    }
    case 3: {  // the mouse over a chart
      Chart* chart = pick(2) ? bode->gain() : bode->phase();
      for (int i = 0; i < 5; ++i) QTest::mouseMove(chart, QPoint(pick(chart->width()), pick(chart->height())));
      break;
    }
    case 4:
      click(bode, "copy");
      QCOMPARE(QGuiApplication::clipboard()->text(), bode->table());
      break;
    case 5: {  // an entry of the zero's context menu: Qt's own, or the zero of the flyback window's design
      std::unique_ptr<QMenu> menu(bode->zeroMenu());
      QList<QAction*> entries;
      leaves(menu.get(), entries);
      QVERIFY(entries.back()->text().startsWith("由「反激变压器」算出"));
      QAction* entry = pick(2) ? entries.back() : entries[pick(int(entries.size()))];
      if (!entry->isEnabled()) break;
      entry->trigger();
      if (entry == entries.back())
        QVERIFY2(isWrittenNumber(bode->findChild<QLineEdit*>("frhp")->text()), "the flyback's zero typed otherwise");
      break;
    }
    default:
      if (pick(2)) click(bode, "back");
      else QVERIFY(bode->close());
      QVERIFY(!bode->isVisible());
      break;
  }
  QCOMPARE(boxes(), QStringList());
}

QString TestTorture::randomText() {
  static const char* fixed[] = {"", "0", "abc", "1e999", "-1e999", "1e-400", "&H7FF", "&O777", "１２", "1,5",
                                " 1 000 ", "12V", "-0", ".5", "1.2.3", "&H", "--3", "0.1", "1e308", "-2.5e-7",
                                "\t\n", "NaN", "inf", "+", "1D3", "9999999999999999999999", "5e307", "-1e308",
                                "1e-300", "1e300", "1.79769313486232E+308", "2000", "2"};
  switch (pick(7)) {
    case 6: {  // up to a whole text box: digits, or digits with something else in them
      QString s(pick(kBoxLimit) + 1, QChar('0' + pick(10)));
      if (pick(2)) s[pick(int(s.size()))] = QChar(char16_t(0x20 + pick(0x60)));
      return s;
    }
    case 0: return fixed[pick(int(std::size(fixed)))];
    case 1: return QString::number(std::uniform_real_distribution<double>(-1000, 1000)(rng_), 'g', pick(17) + 1);
    case 2: return QString::number(pick(2000) - 100);
    case 3: return QString(pick(3000) + 100, QChar('0' + pick(10)));  // very long
    case 4: {
      QString s;
      for (int i = pick(30); i > 0; --i) s += QChar(char16_t(0x20 + pick(0x60)));
      return s;
    }
    default: return QString::number(std::uniform_real_distribution<double>(0, 5)(rng_), 'e', pick(15));
  }
}

void TestTorture::randomSession() {
  const auto& tree = menuTree();
  std::map<QString, Texts> hiddenTexts;  // window name -> its texts when it was hidden
  // The calculator windows that exist.
  const auto calcWindows = [this] {
    QList<CalcWindow*> all;
    for (const WindowSpec* spec : builtWindows())
      if (CalcWindow* w = nav_->window(QString::fromStdString(spec->name))) all << w;
    return all;
  };
  const auto shownWindows = [&] {
    QList<CalcWindow*> shown;
    for (CalcWindow* w : calcWindows())
      if (w->isVisible()) shown << w;
    return shown;
  };
  const auto sweepShown = [this] { return nav_->sweepWindow() && nav_->sweepWindow()->isVisible(); };
  const auto coreShapeShown = [this] { return nav_->coreShapeWindow() && nav_->coreShapeWindow()->isVisible(); };
  const auto goalSeekShown = [this] { return nav_->goalSeekWindow() && nav_->goalSeekWindow()->isVisible(); };
  const auto bodeShown = [this] { return nav_->bodeWindow() && nav_->bodeWindow()->isVisible(); };
  const auto anythingShown = [&] {
    return nav_->mainForm().isVisible() || !shownWindows().isEmpty() || sweepShown() || coreShapeShown() ||
           goalSeekShown() || bodeShown();
  };
  const auto allTexts = [&] {
    std::map<QString, Texts> all;
    for (CalcWindow* w : calcWindows()) all[w->objectName()] = textsOf(w);
    return all;
  };

  // Every field that changed holds one of the texts a side window may type.
  const auto onlyWrote = [&](std::map<QString, Texts>& before, const QStringList& typed, const char* who) {
    for (auto& [window, texts] : allTexts())
      for (auto& [field, text] : texts)
        if (text != before[window][field])
          QVERIFY2(typed.contains(text), qPrintable(QString(who) + " wrote " + text.left(40) + " into " + window + "." + field));
  };
  int calculations = 0, faults = 0, ends = 0, menuEntries = 0, sweepActions = 0, coreShapeActions = 0,
      goalSeekActions = 0, bodeActions = 0, windingChecks = 0;
  for (int step = 0; step < 20000; ++step) {
    const QList<CalcWindow*> shown = shownWindows();
    const int kind = pick(100);
    const int endsBefore = ended_->count();
    bool mayEnd = false;

    if (sweepShown() && pick(5) == 0) {  // the sweep window
      const std::map<QString, Texts> before = allTexts();
      const bool wasShown = sweepShown();
      sweepAction(nav_->sweepWindow());
      if (QTest::currentTestFailed()) return;
      ++sweepActions;
      QVERIFY2(allTexts() == before, "a sweep changed a calculator's fields");
      mayEnd = wasShown && !sweepShown();
    } else if (bodeShown() && pick(5) == 0) {  // the frequency response window
      const std::map<QString, Texts> before = allTexts();
      bodeAction(nav_->bodeWindow());
      if (QTest::currentTestFailed()) return;
      ++bodeActions;
      QVERIFY2(allTexts() == before, "the frequency response changed a calculator's fields");
      mayEnd = !bodeShown();
    } else if (goalSeekShown() && pick(5) == 0) {  // the goal seek window
      std::map<QString, Texts> before = allTexts();
      GoalSeekWindow* seek = nav_->goalSeekWindow();
      goalSeekAction(seek);
      if (QTest::currentTestFailed()) return;
      ++goalSeekActions;
      // Only 填入 writes, and only the inputs found.
      onlyWrote(before, {seek->findChild<QLineEdit*>("solved")->text(), seek->findChild<QLineEdit*>("solved2")->text()},
                "反算");
      if (QTest::currentTestFailed()) return;
      // 填入 into a calculator hidden by 返回: it shows that when it comes back.
      for (auto& [window, texts] : allTexts())
        if (hiddenTexts.count(window)) hiddenTexts[window] = texts;
      mayEnd = !goalSeekShown();
    } else if (coreShapeShown() && pick(5) == 0) {  // the core shape window
      std::map<QString, Texts> before = allTexts();
      CoreShapeWindow* shape = nav_->coreShapeWindow();
      coreShapeAction(shape);
      if (QTest::currentTestFailed()) return;
      ++coreShapeActions;
      // Only 填入 Ae writes, and only Ae into the field it was opened from.
      onlyWrote(before, {shape->result("Ae")->text()}, "the core shape window");
      if (QTest::currentTestFailed()) return;
      // 填入 Ae into a calculator hidden by 返回, as 反算's 填入.
      for (auto& [window, texts] : allTexts())
        if (hiddenTexts.count(window)) hiddenTexts[window] = texts;
      mayEnd = !coreShapeShown();
    } else if (kind < 15 || shown.isEmpty()) {  // a menu command
      if (!nav_->mainForm().isVisible() && shown.isEmpty()) nav_->mainForm().show();  // the program again
      const MenuCommand& row = tree[pick(int(tree.size()))];
      const QString name = QString::fromUtf8(row.window.data(), row.window.size());
      CalcWindow* before = nav_->window(name);
      const bool wasHidden = before && !before->isVisible();
      QAction* action = command(QString::fromUtf8(row.command.data(), row.command.size()));
      QVERIFY(action);
      action->trigger();
      CalcWindow* w = nav_->window(name);
      QVERIFY(w && w->isVisible());
      if (before) {
        QCOMPARE(w, before);
        if (wasHidden) {
          QString diff;
          for (const auto& [f, t] : textsOf(w))
            if (hiddenTexts[name][f] != t) diff += f + ": " + hiddenTexts[name][f].left(30) + " -> " + t.left(30) + "; ";
          QVERIFY2(textsOf(w) == hiddenTexts[name], qPrintable(name + " came back changed: " + diff));
        }
      } else {
        QVERIFY2(textsOf(w) == designTexts(w->spec()), qPrintable(name + " not created with its design texts"));
      }
    } else {
      CalcWindow* w = shown[pick(int(shown.size()))];
      const WindowSpec& spec = w->spec();
      const QString name = w->objectName();
      if (kind < 45) {  // type or paste into a field
        std::vector<const Control*> fields;
        for (const Control& c : spec.controls)
          if (c.kind == ControlKind::Field) fields.push_back(&c);
        if (fields.empty()) continue;
        const QString field = QString::fromStdString(fields[pick(int(fields.size()))]->name);
        if (QComboBox* list = w->choice(field)) {  // a list: an item chosen
          if (list->count()) list->setCurrentIndex(pick(list->count()));
          continue;
        }
        QLineEdit* e = w->field(field);
        QVERIFY(e);
        const QString text = randomText();
        e->setFocus();
        if (pick(3) == 0) {
          paste(e, text);
        } else if (text.size() <= 24) {
          e->selectAll();
          QTest::keyClick(e, Qt::Key_Delete);
          bool ascii = true;
          for (QChar ch : text) ascii = ascii && ch.unicode() >= 0x20 && ch.unicode() < 0x7f;
          if (ascii) {
            QTest::keyClicks(e, text);
          } else {  // as an input method commits it
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(e, &commit);
          }
        } else {
          e->setText(text);
        }
      } else if (kind < 52) {  // an entry of a field's context menu, submenus followed
        std::vector<const Control*> fields;
        for (const Control& c : spec.controls)
          if (c.kind == ControlKind::Field && !c.isChoice()) fields.push_back(&c);
        if (fields.empty()) continue;
        const Control& f = *fields[std::size_t(pick(int(fields.size())))];
        QLineEdit* e = w->field(QString::fromStdString(f.name));
        QVERIFY(e);
        if (pick(2)) e->selectAll();
        std::unique_ptr<QMenu> menu(w->contextMenu(e));
        QVERIFY(menu);
        QList<QAction*> entries;
        leaves(menu.get(), entries);
        QVERIFY2(!entries.isEmpty(), qPrintable(name + " " + f.name.c_str() + ": an empty menu"));
        QAction* entry = entries[pick(int(entries.size()))];
        // 按尺寸计算… is one of some two hundred core entries: chosen more often.
        if (pick(3) == 0)
          for (QAction* a : entries)
            if (a->text() == QStringLiteral("按尺寸计算…")) entry = a;
        // 磁件复核… is one entry among many in a turns field's menu: chosen more often.
        if (pick(3) == 0)
          for (QAction* a : entries)
            if (a->text() == QStringLiteral("磁件复核…")) entry = a;
        // 频率响应… is in one window's menus only: chosen more often there.
        if (spec.frequencyResponse && pick(2) == 0) entry = entries.back();
        const Texts others = textsOf(w);
        const QString chosen = entry->text();
        if (entry->isEnabled()) entry->trigger();
        ++menuEntries;
        if (chosen == QStringLiteral("按尺寸计算…")) {
          QVERIFY2(coreShapeShown(), qPrintable(name + " " + f.name.c_str() + ": no core shape window"));
          QCOMPARE(textsOf(w), others);
        } else if (chosen == QStringLiteral("参数扫描…")) {
          QVERIFY2(sweepShown(), qPrintable(name + " " + f.name.c_str() + ": no sweep window"));
          QCOMPARE(textsOf(w), others);
        } else if (chosen == QStringLiteral("频率响应…")) {
          QVERIFY2(bodeShown(), qPrintable(name + " " + f.name.c_str() + ": no frequency response window"));
          QCOMPARE(textsOf(w), others);
        } else if (chosen == QStringLiteral("磁件复核…")) {
          CalcWindow* check = nav_->window(QStringLiteral("winding"));
          QVERIFY2(check && check->isVisible(), qPrintable(name + " " + f.name.c_str() + ": no winding check"));
          QCOMPARE(textsOf(w), others);
          if (IsPlainNumber(others.at(QString::fromStdString(f.name)).toStdString()))
            QCOMPARE(check->field("N1")->text(), others.at(QString::fromStdString(f.name)));
          ++windingChecks;
        } else if (chosen == QStringLiteral("反算…")) {
          QVERIFY2(goalSeekShown(), qPrintable(name + " " + f.name.c_str() + ": no goal seek window"));
          QCOMPARE(textsOf(w), others);
        } else if (chosen == QStringLiteral("复制本窗口数据")) {
          QCOMPARE(QGuiApplication::clipboard()->text(), w->dataTable());
        } else if (chosen == QStringLiteral("粘贴本窗口数据") && w->note() && w->note()->isVisible() && pick(2)) {
          // The paste taken back, by its button or Ctrl+Z: every field as before it.
          QPushButton* undo = w->note()->findChild<QPushButton*>("undoPaste");
          QVERIFY(undo);
          if (!undo->isVisibleTo(w->note())) {
            QCOMPARE(textsOf(w), others);  // nothing filled, nothing to take back
          } else {
            if (pick(2))
              undo->click();
            else
              QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(textsOf(w), others);
            QVERIFY(!w->note()->isVisible());
          }
        }
      } else if (kind < 85) {  // a button
        std::vector<const Control*> buttons;
        for (const Control& c : spec.controls)
          if (c.kind == ControlKind::Button) buttons.push_back(&c);
        if (buttons.empty()) continue;
        const Control& b = *buttons[std::size_t(pick(int(buttons.size())))];
        const Texts before = textsOf(w);
        dismissNextBoxAtOnce();
        click(w, b.name.c_str());
        // The guard records each box as "title|text|buttons".
        QStringList titles;
        for (const QString& box : boxes()) titles << box.section('|', 0, 0);
        const bool calculate = b.buttonRole == ButtonRole::Calculate;
        QVERIFY2(titles.size() <= (calculate ? 1 : 0),
                 qPrintable(name + " " + b.name.c_str() + " showed: " + titles.join(", ")));
        if (!titles.isEmpty())
          QVERIFY2(titles.front() == QString::fromStdString(faultTitle()),
                   qPrintable(name + " " + b.name.c_str() + " showed a box titled " + titles.front()));
        if (calculate) {
          ++calculations;
          faults += int(titles.size());
          const Texts after = textsOf(w);
          for (const Control& c : spec.controls) {
            if (c.kind != ControlKind::Field) continue;
            const QString f = QString::fromStdString(c.name);
            if (c.fieldRole == FieldRole::Input)
              QVERIFY2(after.at(f) == before.at(f), qPrintable(name + "." + f + " input written"));
            else
              // A winding row that does not count empties its results.
              QVERIFY2(after.at(f) == before.at(f) || isWrittenNumber(after.at(f)) ||
                           (name == "winding" && after.at(f).isEmpty()),
                       qPrintable(name + "." + f + " shows " + after.at(f)));
          }
        } else if (b.buttonRole == ButtonRole::Return || b.buttonRole == ButtonRole::ReturnShowMain) {
          QVERIFY(!w->isVisible());
          hiddenTexts[name] = before;
          if (b.buttonRole == ButtonRole::ReturnShowMain) QVERIFY(nav_->mainForm().isVisible());
          mayEnd = true;
        }
      } else if (kind < 88) {  // a clickable label
        for (QLabel* label : w->findChildren<QLabel*>())
          if (label->cursor().shape() == Qt::PointingHandCursor) {
            QTest::mouseClick(label, Qt::LeftButton);
            for (const Control& c : spec.controls)
              if (c.name == label->objectName().toStdString()) {
                CalcWindow* opened = nav_->window(QString::fromStdString(c.opens));
                QVERIFY(opened && opened->isVisible());
              }
          }
      } else if (kind < 96) {  // the title-bar close button
        QVERIFY(w->close());
        QCOMPARE(nav_->window(name), nullptr);
        hiddenTexts.erase(name);
        mayEnd = true;
      } else if (kind == 96) {  // the about box from MainForm's client area, then closed
        QWidget* client = nav_->mainForm().centralWidget();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(9, 9), client->mapToGlobal(QPoint(9, 9)));
        QApplication::sendEvent(client, &event);
        QPointer<QMenu> menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu) {
          menu->actions().front()->trigger();
          menu->close();
          QPointer<QMessageBox> about = nav_->mainForm().findChild<QMessageBox*>("AboutBox");
          QVERIFY(about && !about->isModal());
          about->close();
        }
      } else {  // close MainForm
        if (nav_->mainForm().isVisible()) {
          QVERIFY(nav_->mainForm().close());
          mayEnd = true;
        }
      }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(boxes().size(), 0);
    // Every shown window still answers: nothing modal left, and each paints.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    if (step % 100 == 0) {
      QList<QWidget*> showing;
      for (CalcWindow* w : shownWindows()) showing << w;
      if (sweepShown()) showing << nav_->sweepWindow();
      if (coreShapeShown()) showing << nav_->coreShapeWindow();
      if (goalSeekShown()) showing << nav_->goalSeekWindow();
      if (bodeShown()) showing << nav_->bodeWindow();
      for (QWidget* w : showing) QVERIFY2(!w->grab().isNull(), qPrintable(w->objectName() + " does not paint"));
    }

    // Never two windows of one class.
    std::map<QString, int> count;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (qobject_cast<CalcWindow*>(top)) QVERIFY2(++count[top->objectName()] == 1, qPrintable(top->objectName()));
    // The program ends exactly when a close or a 返回 leaves nothing shown.
    const bool endedNow = ended_->count() > endsBefore;
    QCOMPARE(endedNow, mayEnd && !anythingShown());
    ends += int(endedNow);
  }
  qInfo("%d calculations, %d of them faulted; %d context-menu entries, %d sweep actions, %d core shape actions, "
        "%d goal seek actions, %d frequency response actions, %d winding checks opened; the program ended %d times",
        calculations, faults, menuEntries, sweepActions, coreShapeActions, goalSeekActions, bodeActions, windingChecks,
        ends);
  QVERIFY(calculations > 1000 && faults > 100 && ends > 10 && menuEntries > 1000 && sweepActions > 100 &&
          coreShapeActions > 100 && goalSeekActions > 50 && bodeActions > 20 && windingChecks > 10);
}

// A whole text box into every field of every window, then every calculate
// button: digits give a number beyond the double range, an overflow box;
// with a letter first, the text reads as 0. The sweep window takes the same
// in each of its fields and says what is wrong, in words, with no box.
void TestTorture::longPasteEverywhere() {
  const QString digits(kBoxLimit, '7'), letters = "x" + QString(kBoxLimit - 1, '7');
  int overflows = 0;
  for (const WindowSpec* each : builtWindows()) {
    CalcWindow* w = nav_->open(QString::fromStdString(each->name));
    QVERIFY(w);
    const WindowSpec* spec = &w->spec();
    for (const Control& c : spec->controls) {
      if (c.kind != ControlKind::Field || c.isChoice()) continue;
      QLineEdit* e = w->field(QString::fromStdString(c.name));
      QVERIFY(e);
      for (const QString& text : {letters, digits}) {
        paste(e, text);
        QCOMPARE(e->text().size(), kBoxLimit);
        for (const Control& b : spec->controls)
          if (b.kind == ControlKind::Button && b.buttonRole == ButtonRole::Calculate) {
            dismissNextBoxAtOnce();
            click(w, b.name.c_str());
          }
        for (const QString& box : boxes()) {
          QVERIFY2(box.startsWith("计算错误|"), qPrintable(box.left(200)));
          overflows += box.contains("的数值超出范围");
        }
        QVERIFY(w->isVisible());
      }
      // The next field starts from the design text again.
      paste(e, QString::fromStdString(c.text));
    }
    // The sweep window, from the first input of this window.
    for (const Control& c : spec->controls) {
      if (c.kind != ControlKind::Field || c.fieldRole != FieldRole::Input || c.isChoice()) continue;
      SweepWindow* sweep = nav_->sweep(w, QString::fromStdString(c.name));
      QVERIFY(sweep && sweep->isVisible());
      for (const char* name : {"from", "to", "points"})
        for (const QString& text : {digits, letters}) {
          QLineEdit* e = sweep->findChild<QLineEdit*>(name);
          QVERIFY(e);
          paste(e, text);
          click(sweep, "calculate");
          QLabel* status = sweep->findChild<QLabel*>("status");
          QVERIFY(status);
          const QString expected = QString(name) == "points" ? "「点数」须为 2 到 2000 之间的整数"
                                   : text == digits          ? QString("「%1」的数值超出范围").arg(name == QString("from") ? "从" : "到")
                                                             : QString("「%1」不是数字").arg(name == QString("from") ? "从" : "到");
          QVERIFY2(status->text().startsWith(expected), qPrintable(status->text()));
          paste(e, "1");
        }
      break;
    }
  }
  // The core shape window, opened from a core field, each family's letters.
  CalcWindow* lg = nav_->open(QStringLiteral("lg"));
  QVERIFY(lg);
  CoreShapeWindow* shape = nav_->coreShape(lg, QStringLiteral("Text2"));
  QVERIFY(shape && shape->isVisible());
  auto* family = shape->findChild<QComboBox*>("family");
  QVERIFY(family);
  for (int f = 0; f < family->count(); ++f) {
    family->setCurrentIndex(f);
    const QList<QLineEdit*> shown = dimensionsShown(shape);
    QVERIFY(!shown.isEmpty());
    for (QLineEdit* e : shown) {
      const QString before = e->text();
      for (const QString& text : {digits, letters}) {
        paste(e, text);
        QCOMPARE(e->text().size(), kBoxLimit);
        dismissNextBoxAtOnce();
        click(shape, "calculate");
        for (const QString& box : boxes()) {
          QVERIFY2(box.startsWith("计算错误|"), qPrintable(box.left(200)));
          overflows += box.contains("的数值超出范围");
        }
      }
      paste(e, before);
    }
  }
  // The goal seek window's targets: a whole box of digits is beyond the
  // double range, one of letters reads as 0; either is said in words.
  GoalSeekWindow* seek = nav_->goalSeek(lg, QStringLiteral("Text4"));
  QVERIFY(seek && seek->isVisible());
  auto* second = seek->findChild<QComboBox*>("result2");
  QVERIFY(second && second->count() == 1);  // lg has one result
  for (const QString& text : {digits, letters}) {
    paste(seek->findChild<QLineEdit*>("target"), text);
    click(seek, "Command1");
    const QString status = seek->findChild<QLabel*>("status")->text();
    QVERIFY2(status.startsWith(text == digits ? "目标值超出双精度范围" : "目标值按 0 读取"), qPrintable(status));
  }
  // The frequency response's right-half-plane zero: neither box is a positive finite number.
  CalcWindow* loop = nav_->open(QStringLiteral("huanlu"));
  QVERIFY(loop);
  click(loop, "Command1");
  BodeWindow* bode = nav_->bode(loop);
  for (const QString& text : {digits, letters}) {
    paste(bode->findChild<QLineEdit*>("frhp"), text);
    QCOMPARE(bode->findChild<QLabel*>("status")->text(), QString("「右半平面零点(kHz)」须为有限的正数，或不填"));
  }
  QCOMPARE(boxes(), QStringList());
  QVERIFY2(overflows > 100, qPrintable(QString::number(overflows)));
}

QTEST_MAIN(TestTorture)
#include "test_torture.moc"

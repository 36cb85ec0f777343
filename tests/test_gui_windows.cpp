// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program for real, on the offscreen platform, against
// its table: each calculate button, pressed on the texts of the window's
// headless rows, shows in every field what press() computes from the same
// texts, and a fault shows one box with faultMessage(); results left from an
// earlier run are marked, on screen, in their tooltips and in the copied
// table; the Tab chain follows the table's focus list; 返回 hides its window
// by its role in the table.
#include <QMenuBar>
#include <QPointer>
#include <QtTest>
#include <set>

#include "app/program.h"
#include "calc_rows.h"
#include "common/calc.h"
#include "gui_support.h"

using namespace ombrel;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Presses in one window: texts typed, then steps as in tests/calc_rows.h
// ("Command1; Text8=100; Command3"), named after the headless rows of that
// window whose texts they type. `faults` lists every press that ends in a
// fault, in order, as "Kind@Output"; `place` is a word that box must show
// as well.
struct Presses {
  const char* window;
  const char* name;
  const char* steps;
  QStringList typed;
  QStringList faults = {};
  const char* place = "";
};

const std::vector<Presses>& presses() {
  static const std::vector<Presses> rows = {
      {"FlybackForm", "100 W at 48 V", "Command1; Command3",
       {"Text1=100", "Text2=48", "Text3=0.75", "Text4=110", "Text20=253", "Text21=80", "Text5=0.6", "Text6=0.2",
        "Text7=21.2", "Text8=65", "Text9=0.33", "Text27=80", "Text22=3.3"}},
      {"FlybackForm", "a fault leaves the earlier texts", "Command1; Text9=1; Command1", {}, {"DivideByZero@Text19"}},
      {"ForwardForm", "primary pinned", "Command1; Command3",
       {"Text1=385", "Text2=25", "Text3=0.48", "Text4=0.18", "Text5=83", "Text7=48"}},
      {"ForwardForm", "a primary fault keeps both old results", "Command1; Command3; Text2=; Command1", {},
       {"DivideByZero@Text6"}},
      {"HalfBridgeForm", "secondary reads the edited primary turns", "Command1; Text6=100; Command3", {}},
      {"HalfBridgeForm", "secondary without input voltage", "Command1; Text1=; Command3", {}, {"DivideByZero@Text8"}},
      {"FullBridgeForm", "secondary pinned", "Command1; Command3",
       {"Text1=315", "Text2=100", "Text3=0.42", "Text4=0.28", "Text5=118", "Text7=28"}},
      {"FullBridgeForm", "zero voltage and frequency", "Command1", {"Text1=0", "Text2=0"}, {"InvalidOperation@Text6"}},
      {"qudongbyq", "12 V at 100 kHz on 19.7 mm2", "Command2", {"Text1=12", "Text2=100", "Text3=0.2", "Text4=19.7"}},
      {"qudongbyq", "a fault keeps the old turns", "Command2; Text4=; Command2", {}, {"DivideByZero@Text5"}},
      {"P", "order of operations and read-back", "Command1", {"Text1=200", "Text3=420", "Text4=50", "Text6=110"}},
      {"P", "beyond range, frequency named before bus voltage", "Command1", {"Text3=1e999", "Text4=1e999"},
       {"Overflow@Text5"}},
      {"lout", "order of operations", "Command1", {"Text6=9", "Text1=250", "Text3=6", "Text4=100", "Text5=0.46"}},
      {"lout", "fault keeps the earlier result", "Command1; Text3=; Command1", {}, {"DivideByZero@Text7"}},
      {"diangq", "order of operations", "Command1", {"Text1=2.5", "Text2=68", "Text3=60", "Text4=0.35"}},
      {"diangq", "zero over zero", "Command1", {"Text1=0", "Text3=0"}, {"InvalidOperation@Text5"}},
      {"lg", "order of operations", "Command1", {"Text1=18", "Text2=230", "Text3=820"}},
      // Two boxes, then the window works on.
      {"lg", "empty inductance, inductance beyond range, unit typed after inductance",
       "Command1; Text3=; Command1; Text3=1e999; Command1; Text3=560uH; Command1", {},
       {"DivideByZero@Text4", "Overflow@Text4"}},
      {"cin", "order of operations", "Command1",
       {"Text1=60", "Text2=4", "Text3=60", "Text4=0.88", "Text5=187", "Text6=90"}},
      {"cin", "fault keeps the earlier result", "Command1; Text4=; Command1", {}, {"DivideByZero@Text7"}},
      {"cout", "order of operations, 2.5 A", "Command1", {"Text1=2.5", "Text3=0.47", "Text4=130", "Text5=150"}},
      {"cout", "output voltage beyond range", "Command1", {"Text2=1e999"}, {"Overflow@Text7"}},
      {"huanlu", "24 V 3 A at 100 kHz, 1.25 V reference", "Command1",
       {"Text3=150", "Text4=24", "Text5=1.25", "Text6=100", "Text7=36", "Text8=6", "Text9=80", "Text10=3",
        "Text11=680", "Text13=22"}},
      // The pole's caption stands twice in the window: the box says which.
      {"huanlu", "zero output capacitance", "Command1; Text11=0; Command1", {}, {"DivideByZero@Text16"}, "（左列）"},
      {"TL431", "estimate: 3.3 V, check: order of the low end, LED: order", "Command1; Command2; Command3",
       {"Text1=3.3", "Text5=0.47", "Text6=0.47", "Text7=4.3", "Text11=19", "Text10=4.7"}},
      {"TL431", "check: R2 zero after a good run", "Command2; Text6=0; Command2", {}, {"DivideByZero@Text9"}},
      {"daoxian", "order of operations", "Command1", {"Text1=9", "Text2=0.55", "Text4=7"}},
      {"daoxian", "zero density", "Command1; Text4=0; Command1", {}, {"DivideByZero@Text5"}},
      {"tongdai", "30 A in 20 x 0.3 mm at 6 A/mm2", "Command1", {"Text1=30", "Text2=20", "Text3=0.3", "Text4=6"}},
      {"tongdai", "no current, zero width", "Command1; Text1=0; Text2=0; Command1", {}, {"InvalidOperation@Text5"}},
      {"tx", "drop and total from the texts shown", "Command1",
       {"Text1=1.5", "Text4=0.374241031850956", "Text5=4", "Text6=5"}},
      {"tx", "zero diameter", "Command1; Text4=0; Command1", {}, {"DivideByZero@Text3"}},
      {"td", "order of operations", "Command1", {"Text1=2.3", "Text5=3", "Text6=7", "Text8=2.4"}},
      {"td", "drop overflows", "Command1; Text6=1e308; Command1", {}, {"Overflow@Text7"}},
      {"gongm", "order of the inductance", "Command1", {"Text1=65", "Text2=-28", "Text3=100", "Text4=0.8"}},
      {"gongm", "huge gain overflows", "Command1; Text2=1e5; Command1", {}, {"Overflow@Text5"}},
      {"chamo", "order of the capacitance", "Command1", {"Text1=20", "Text2=-60", "Text3=25", "Text4=0.6"}},
      {"chamo", "no damping", "Command1; Text4=0; Command1", {}, {"DivideByZero@Text7"}},
      {"winding", "ETD34 with two windings, the third not counted", "Command1",
       {"N1=40", "d1=0.5", "n1=3", "I1=1.2", "N2=6", "d2=0.8", "n2=4", "I2=6"}},
      {"winding", "no frequency", "Command1; freq=0; Command1", {"N1=40", "d1=0.5", "I1=1"},
       {"DivideByZero@delta"}},
  };
  return rows;
}

QStringList stepsOf(const Presses& p) {
  QStringList steps;
  for (const QString& s : QString(p.steps).split(';')) steps << s.trimmed();
  return steps;
}

// The Tab order of the design, worked out by hand for these windows: their
// tables must give it.
const QMap<QString, QStringList> kDesignFocus = {
    {"lg", {"Text1", "Text2", "Text3", "Command1", "Text4", "Command2"}},
    {"FlybackForm", {"Text28", "Text26", "Text25", "Text23", "Command2", "Text22", "Text27", "Text31", "Text32",
                     "Text24", "Text21", "Text20", "Command1", "Text19", "Text18", "Text17", "Text16", "Text15",
                     "Text14", "Text13", "Text12", "Text11", "Text10", "Text9", "Text8", "Text7", "Text6", "Text5",
                     "Text4", "Text3", "Text2", "Text1", "Command3"}},
    {"daoxian", {"Text1", "Text2", "Text4", "Text5", "Command1", "Command2"}},
    {"tongdai", {"Command2", "Command1", "Text5", "Text4", "Text2", "Text1", "Text3"}},
    {"tx", {"Command1", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Command2"}},
    {"td", {"Command1", "Text1", "Text3", "Text5", "Text6", "Text7", "Text8", "Command2"}},
    {"gongm", {"Command2", "Text6", "Text5", "Command1", "Text4", "Text3", "Text2", "Text1"}},
    {"chamo", {"Text1", "Text2", "Text3", "Text4", "Command1", "Text5", "Text6", "Text7", "Command2"}},
};

}  // namespace

class TestGuiWindows : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  void initTestCase() { setUpApplication(*qApp); }
  void init() { start(); }
  void cleanup() { finish(); }

  void everyCalculateButtonIsPressed();
  void calculate_data();
  void calculate();
  void focusChain_data() { windowRows(); }
  void focusChain();
  void returnButton_data() { windowRows(); }
  void returnButton();

 private:
  // Each output is left over exactly when `stale` holds it; every field
  // shows the mark the Qt-free marks give for the same texts and presses
  // (`marks` on `store`): its look, its tooltip's first line, the role
  // column of the copied table.
  static void checkMarks(CalcWindow* w, const WindowSpec& spec, const std::set<std::string>& stale,
                         const ResultMarks& marks, const FieldStore& store) {
    for (const Control& c : spec.controls) {
      if (c.kind != ControlKind::Field || c.isChoice()) continue;  // a list carries no mark
      const FieldMark want = marks.mark(spec, store, c.name);
      QLineEdit* e = edit(w, c.name.c_str());
      QVERIFY2(e, c.name.c_str());
      if (c.fieldRole == FieldRole::Output)
        QCOMPARE(qs(c.name) + (w->isStale(qs(c.name)) ? " marked" : ""),
                 qs(c.name) + (stale.count(c.name) ? " marked" : ""));
      QCOMPARE(qs(c.name) + (e->font().italic() ? " italic" : ""),
               qs(c.name) + (want.look == Look::Stale ? " italic" : ""));
      QCOMPARE(qs(c.name + " " + want.description), qs(c.name) + " " + e->accessibleDescription());
      const QString first = tipText(e).section('\n', 0, 0);
      if (c.fieldRole == FieldRole::Input && !want.note.empty()) QCOMPARE(first, qs(want.note));
      if (c.fieldRole == FieldRole::Output && !e->text().trimmed().isEmpty())
        QCOMPARE(first, (e->text() + qs(want.note)).section('\n', 0, 0));
    }
    QStringList roles, expected;
    for (const QString& line : w->dataTable().split('\n'))
      if (line.count('\t') == 2) roles << line.section('\t', 2);
    for (const FieldGroup& g : spec.fieldGroups())
      for (const Control* f : g.fields) expected << qs(marks.mark(spec, store, f->name).role);
    QCOMPARE(roles, expected);
  }
  static void windowRows() {
    QTest::addColumn<QString>("window");
    for (const WindowSpec* spec : builtWindows()) QTest::newRow(spec->name.c_str()) << qs(spec->name);
  }
};

// The rows press every calculate button of every window, and in every
// window that has one some row ends in a fault box. (gongs has none.)
void TestGuiWindows::everyCalculateButtonIsPressed() {
  QStringList missing;
  for (const WindowSpec* spec : builtWindows()) {
    bool hasButton = false, faults = false;
    for (const Control& c : spec->controls) {
      if (c.kind != ControlKind::Button || c.buttonRole != ButtonRole::Calculate) continue;
      hasButton = true;
      bool pressed = false;
      for (const Presses& p : presses())
        if (p.window == spec->name) {
          pressed = pressed || stepsOf(p).contains(qs(c.name));
          faults = faults || !p.faults.isEmpty();
        }
      if (!pressed) missing << qs(spec->name + "." + c.name);
    }
    if (hasButton && !faults) missing << qs(spec->name + ": no fault box");
  }
  QCOMPARE(missing, QStringList());
}

void TestGuiWindows::calculate_data() {
  QTest::addColumn<int>("row");
  for (std::size_t i = 0; i < presses().size(); ++i)
    QTest::newRow(qPrintable(QString("%1: %2").arg(presses()[i].window, presses()[i].name))) << int(i);
}

// The texts are typed into the window and into a FieldStore alike; each
// button is clicked in the window and pressed on the store. Every field of
// the window then shows the store's text, every result written shows its
// leading digits, and each fault showed one box with its message.
void TestGuiWindows::calculate() {
  QFETCH(int, row);
  const Presses& p = presses()[row];
  const WindowSpec* spec = windowSpec(p.window);
  QVERIFY(spec);
  OPEN(w, p.window);
  FieldStore store(*spec);
  std::set<std::string> written;  // by a press, and not typed into since
  std::set<std::string> stale;    // written earlier, not by the last press of its button
  ResultMarks marks;               // the Qt-free marks of the same texts and presses
  const auto typeBoth = [&](const QString& assignment) {
    const QString field = assignment.section('=', 0, 0), typed = assignment.section('=', 1);
    type(w, qPrintable(field), typed);
    store.setText(field.toStdString(), typed.toStdString());
    written.erase(field.toStdString());
    stale.erase(field.toStdString());
    const Control* typedInto = spec->find(field.toStdString());
    if (typedInto && typedInto->fieldRole == FieldRole::Output) marks.edited(field.toStdString());
  };
  for (const QString& t : p.typed) typeBoth(t);
  QStringList faults, messages;
  for (const QString& step : stepsOf(p)) {
    if (step.contains('=')) {
      typeBoth(step);
      continue;
    }
    const Control* button = spec->find(step.toStdString());
    QVERIFY2(button && button->buttonRole == ButtonRole::Calculate, qPrintable(step));
    FIND(push, QPushButton, w, qPrintable(step));
    QCOMPARE(push->text(), p.window == std::string("tx")   ? "铜线计算"
                           : p.window == std::string("td") ? "铜带计算"
                                                           : "计算");
    const std::size_t before = store.written().size();
    std::vector<Step> steps;
    const std::optional<Fault> fault = press(*button, store, &steps);
    marks.pressed(*button, fault, steps);
    const std::set<std::string> now(store.written().begin() + std::ptrdiff_t(before), store.written().end());
    for (const std::string& out : button->writes)
      if (now.count(out))
        stale.erase(out);
      else if (written.count(out))
        stale.insert(out);
    written.insert(now.begin(), now.end());
    QTest::mouseClick(push, Qt::LeftButton);
    checkMarks(w, *spec, stale, marks, store);
    if (QTest::currentTestFailed()) return;
    if (fault) {
      faults << test::faultText(*fault);
      messages << qs(faultTitle() + "|" + faultMessage(*spec, *fault));
    }
  }
  QCOMPARE(faults, p.faults);
  QStringList shown;
  for (const QString& box : boxes()) {
    QCOMPARE(box.section('|', 0, 0), QString("计算错误"));  // the box's title, in the program's own words
    shown << box.section('|', 0, 1);
  }
  QCOMPARE(shown, messages);
  if (*p.place) QVERIFY2(shown.join("").contains(p.place), qPrintable(shown.join("")));
  for (const Control& c : spec->controls) {
    if (c.kind != ControlKind::Field) continue;
    QCOMPARE(qs(c.name + "=") + text(w, c.name.c_str()), qs(c.name + "=" + store.text(c.name)));
    if (!written.count(c.name)) continue;
    FIND(field, QLineEdit, w, qs(c.name));
    QCOMPARE(field->cursorPosition(), 0);
  }
  QVERIFY(w->isVisible());
}

// The focus starts on the first control of the table's focus list and each
// Tab goes to the next, round to the first again.
void TestGuiWindows::focusChain() {
  QFETCH(QString, window);
  const WindowSpec* spec = windowSpec(window.toStdString());
  QVERIFY(spec);
  QStringList order;
  for (const std::string& name : spec->focus) order << qs(name);
  if (kDesignFocus.contains(window)) QCOMPARE(order, kDesignFocus.value(window));
  QVERIFY(!order.isEmpty());
  OPEN(w, window);
  QVERIFY(QTest::qWaitForWindowActive(w));
  QCOMPARE(tabOrder(int(order.size())), order + QStringList{order.front()});
}

// With MainForm closed the window alone keeps the program running. Its
// 返回 hides it: a Return button leaves nothing shown and the program ends;
// ReturnShowMain shows MainForm again, menus and all, and the program goes
// on. The window was hidden, not discarded: the next open brings back the
// same window with every text as it was left.
void TestGuiWindows::returnButton() {
  QFETCH(QString, window);
  const WindowSpec* spec = windowSpec(window.toStdString());
  QVERIFY(spec);
  const Control* back = nullptr;
  for (const Control& c : spec->controls)
    if (c.kind == ControlKind::Button &&
        (c.buttonRole == ButtonRole::Return || c.buttonRole == ButtonRole::ReturnShowMain))
      back = &c;
  QVERIFY(back);
  OPEN(w, window);
  for (const Control& c : spec->controls)
    if (c.kind == ControlKind::Button && c.buttonRole == ButtonRole::Calculate) click(w, c.name.c_str());
  QMap<QString, QString> texts;
  for (const Control& c : spec->controls)
    if (c.kind == ControlKind::Field && !c.isChoice()) {
      if (texts.isEmpty()) type(w, c.name.c_str(), "typed");
      texts[qs(c.name)] = text(w, c.name.c_str());
    }

  QPointer<MainForm> main = &nav_->mainForm();
  QVERIFY(main->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY2(main, "closing MainForm deleted it");
  QCOMPARE(ended_->count(), 0);
  click(w, back->name.c_str());
  QVERIFY(!w->isVisible());
  const bool showsMain = back->buttonRole == ButtonRole::ReturnShowMain;
  QCOMPARE(main->isVisible(), showsMain);
  if (showsMain) QCOMPARE(main->menuBar()->actions().size(), 7);
  QCOMPARE(ended_->count(), showsMain ? 0 : 1);

  QCOMPARE(nav_->open(window), w);
  QVERIFY(w->isVisible());
  for (auto it = texts.cbegin(); it != texts.cend(); ++it)
    QCOMPARE(it.key() + "=" + text(w, qPrintable(it.key())), it.key() + "=" + it.value());
}

QTEST_MAIN(TestGuiWindows)
#include "test_gui_windows.moc"

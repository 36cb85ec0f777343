// SPDX-License-Identifier: GPL-3.0-or-later
// A long random session over every window of the registry, with a fixed
// seed: menu commands, typing and pasting random texts (long ones and ones
// that are no number), every button, the clickable labels, 返回, title-bar
// close and closing MainForm. Fault boxes are dismissed as they come.
//
// Checked after every action:
// - a calculate button shows at most one box, titled as a calculation fault
//   ("计算错误"); any other box (a program error among them) fails the run;
// - never two windows of one class;
// - a window shown again by its menu command shows the texts it had when it
//   was hidden; one created afresh shows its design texts;
// - a calculation never writes an input, and every output afterwards holds
//   its old text or a text that TextFromNumber wrote;
// - the program would end exactly when a close or a 返回 leaves no window shown.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <map>
#include <random>

#include "app/program.h"
#include "common/calc.h"
#include "common/number.h"
#include "gui_support.h"

using namespace ombrel;

namespace {

using Texts = std::map<QString, QString>;

Texts textsOf(CalcWindow* w) {
  Texts t;
  for (const Control& c : w->spec().controls)
    if (c.kind == ControlKind::Field) t[QString::fromStdString(c.name)] = w->field(QString::fromStdString(c.name))->text();
  return t;
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

 private:
  QString randomText();
  std::mt19937 rng_{20261207};
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
};

QString TestTorture::randomText() {
  static const char* fixed[] = {"", "0", "abc", "1e999", "-1e999", "1e-400", "&H7FF", "&O777", "１２", "1,5",
                                " 1 000 ", "12V", "-0", ".5", "1.2.3", "&H", "--3", "0.1", "1e308", "-2.5e-7",
                                "\t\n", "NaN", "inf", "+", "1D3", "9999999999999999999999"};
  switch (pick(6)) {
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
  const auto shownWindows = [this] {
    QList<CalcWindow*> shown;
    for (const WindowSpec* spec : builtWindows())
      if (CalcWindow* w = nav_->window(QString::fromStdString(spec->name)); w && w->isVisible()) shown << w;
    return shown;
  };
  const auto anythingShown = [&] { return nav_->mainForm().isVisible() || !shownWindows().isEmpty(); };

  int calculations = 0, faults = 0, ends = 0;
  for (int step = 0; step < 20000; ++step) {
    const QList<CalcWindow*> shown = shownWindows();
    const int kind = pick(100);
    const int endsBefore = ended_->count();
    bool mayEnd = false;

    if (kind < 15 || shown.isEmpty()) {  // a menu command
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
        if (wasHidden) QVERIFY2(textsOf(w) == hiddenTexts[name], qPrintable(name + " came back changed"));
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
        QLineEdit* e = w->field(QString::fromStdString(fields[pick(int(fields.size()))]->name));
        QVERIFY(e);
        const QString text = randomText();
        e->setFocus();
        if (pick(3) == 0) {
          QGuiApplication::clipboard()->setText(text);
          QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
          QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
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
      } else if (kind < 85) {  // a button
        std::vector<const Control*> buttons;
        for (const Control& c : spec.controls)
          if (c.kind == ControlKind::Button) buttons.push_back(&c);
        const Control& b = *buttons[pick(int(buttons.size()))];
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
              QVERIFY2(after.at(f) == before.at(f) || isWrittenNumber(after.at(f)),
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
      } else {  // close MainForm
        if (nav_->mainForm().isVisible()) {
          QVERIFY(nav_->mainForm().close());
          mayEnd = true;
        }
      }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(boxes().size(), 0);

    // Never two windows of one class.
    std::map<QString, int> count;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (qobject_cast<CalcWindow*>(top)) QVERIFY2(++count[top->objectName()] == 1, qPrintable(top->objectName()));
    // The program ends exactly when a close or a 返回 leaves nothing shown.
    const bool endedNow = ended_->count() > endsBefore;
    QCOMPARE(endedNow, mayEnd && !anythingShown());
    ends += int(endedNow);
  }
  qInfo("%d calculations, %d of them faulted; the program ended %d times", calculations, faults, ends);
  QVERIFY(calculations > 1000 && faults > 100 && ends > 10);
}

QTEST_MAIN(TestTorture)
#include "test_torture.moc"

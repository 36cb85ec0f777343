// SPDX-License-Identifier: GPL-3.0-or-later
// Calculator tests as data rows: the texts typed, the buttons pressed, and
// every field the presses write, in the order they write them, with the text
// each one shows. A row names its fault, if the last press ends in one. A row
// file is its rows, the window they press, and the moc output of this header:
//
//   void ombrel::test::rows() {
//     QTest::newRow("defaults") << "Command1" << QStringList{}
//                               << QStringList{"Text4=0.130628571428571"} << "";
//     QTest::newRow("zero inductance") << "Command1" << QStringList{"Text3=0"}
//                                      << QStringList{} << "DivideByZero@Text4";
//   }
//   OMBREL_ROW_TEST("lg")
//   #include "moc_calc_rows.cpp"
//
// "steps" is a list of button names separated by ';'. A step of the form
// "Text8=100" types that text between two presses: "Command1; Text8=100; Command3".
// Every press but the last must succeed. "written" lists each field write of
// the presses as "Field=text", in order: a write missing from it, one too
// many, or one out of order fails the row. So does an input being written,
// since no calculation writes its inputs. A fault "Kind@Output" also checks
// that the message box text names that output's caption; written
// "Overflow@Text7 reading Text2" it also checks which field, read beyond the
// double range, the box names.
#pragma once

#include <QtTest>
#include <string>
#include <utility>

#include "app/registry.h"
#include "common/calc.h"
#include "common/window_spec.h"

Q_DECLARE_METATYPE(ombrel::FaultKind)

namespace ombrel::test {

inline void calcColumns() {
  QTest::addColumn<QString>("steps");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("written");
  QTest::addColumn<QString>("fault");
}

inline QString faultText(const Fault& f) {
  const char* kind = f.kind == FaultKind::DivideByZero ? "DivideByZero"
                     : f.kind == FaultKind::Overflow   ? "Overflow"
                                                       : "InvalidOperation";
  return QString(kind) + "@" + QString::fromStdString(f.output);
}

// Runs the current row of a test whose data function called calcColumns().
inline void checkCalcRow(const WindowSpec& spec) {
  QFETCH(QString, steps);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, written);
  QFETCH(QString, fault);

  FieldStore fields(spec);
  const auto type = [&](const QString& assignment) {
    const qsizetype eq = assignment.indexOf('=');
    QVERIFY2(eq > 0, qPrintable("not Field=text: " + assignment));
    const std::string name = assignment.left(eq).trimmed().toStdString();
    const Control* field = spec.find(name);
    QVERIFY2(field && field->kind == ControlKind::Field, qPrintable("no field " + assignment));
    fields.setText(name, assignment.mid(eq + 1).toStdString());
  };
  for (const QString& t : typed) type(t);

  QStringList actual;
  std::optional<Fault> lastFault;
  const QStringList list = steps.split(';', Qt::SkipEmptyParts);
  for (qsizetype i = 0; i < list.size(); ++i) {
    const QString step = list[i].trimmed();
    if (step.contains('=')) {
      type(step);
      continue;
    }
    const Control* button = spec.find(step.toStdString());
    QVERIFY2(button && button->kind == ControlKind::Button && button->buttonRole == ButtonRole::Calculate,
             qPrintable("no calculate button " + step));
    const std::size_t before = fields.written().size();
    lastFault = press(*button, fields);
    for (std::size_t w = before; w < fields.written().size(); ++w) {
      const std::string& name = fields.written()[w];
      QVERIFY2(spec.find(name)->fieldRole == FieldRole::Output, ("wrote input " + name).c_str());
      actual << QString::fromStdString(name + "=" + fields.text(name));
    }
    if (i + 1 < list.size() && lastFault)
      QFAIL(qPrintable("an earlier press faulted: " + faultText(*lastFault)));
  }
  QCOMPARE(actual, written);
  QString actualFault = lastFault ? faultText(*lastFault) : QString();
  if (lastFault && fault.contains(" reading ")) actualFault += " reading " + QString::fromStdString(lastFault->field);
  QCOMPARE(actualFault, fault);
  if (lastFault) {
    // The box names each field as the formulas do, “caption” with its place
    // where that caption text stands beside several fields: read with the
    // formulas' own rules (captionNames, fieldNamed), the field read beyond
    // range, if any, and then the output must be picked out exactly.
    std::string message = faultMessage(spec, *lastFault);
    for (const auto& [quote, bracket] : {std::pair{"“", "「"}, std::pair{"”", "」"}})
      for (std::size_t at; (at = message.find(quote)) != std::string::npos;)
        message.replace(at, std::string(quote).size(), bracket);
    const std::vector<CaptionName> names = captionNames(message);
    const auto fieldOf = [&](const CaptionName& name) -> std::string {
      const Control* field = spec.fieldNamed(name);
      return field ? field->name : "(no single field for “" + name.caption + "”（" + name.place + "）)";
    };
    // Words of the step's own may name inputs too, each one field.
    if (!lastFault->words.empty())
      for (const CaptionName& name : names) QVERIFY2(spec.fieldNamed(name), qPrintable(QString::fromStdString(fieldOf(name))));
    else
      QCOMPARE(names.size(), std::size_t(lastFault->field.empty() ? 1 : 2));
    QCOMPARE(fieldOf(names.back()), lastFault->output);
    if (!lastFault->field.empty()) QCOMPARE(fieldOf(names.front()), lastFault->field);
  }
}

// What a row file defines: its rows, and with OMBREL_ROW_TEST the window
// they press ("" where a first column "window" names it in each row).
void rows();
extern const char* const rowWindow;

// The one test class of every row file. It lives here rather than in a
// macro: moc does not see the slots of a class that a macro declares, and the
// test would run no row. Each row file has moc run on this header by
// including "moc_calc_rows.cpp".
class RowTest : public QObject {
  Q_OBJECT

 private slots:
  void press_data() {
    if (!*rowWindow) QTest::addColumn<QString>("window");
    calcColumns();
    rows();
  }
  void press() {
    std::string name = rowWindow;
    if (name.empty()) {
      QFETCH(QString, window);
      name = window.toStdString();
    }
    const WindowSpec* spec = windowSpec(name);
    QVERIFY2(spec, ("no window " + name).c_str());
    checkCalcRow(*spec);
  }
};

template <class Test>
int exec(int argc, char** argv) {
  Test test;
  return QTest::qExec(&test, argc, argv);
}

// Runs the rows, then any test classes of the file's own.
template <class... Own>
int runRows(int argc, char** argv) {
  int failed = exec<RowTest>(argc, argv);
  ((failed |= exec<Own>(argc, argv)), ...);
  return failed;
}

}  // namespace ombrel::test

// A row file's main() and the window its rows press; any further arguments
// are test classes of the file's own, run after the rows.
#define OMBREL_ROW_TEST(window, ...)                      \
  const char* const ombrel::test::rowWindow = window;     \
  int main(int argc, char** argv) { return ombrel::test::runRows<__VA_ARGS__>(argc, argv); }

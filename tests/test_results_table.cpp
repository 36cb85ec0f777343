// SPDX-License-Identifier: GPL-3.0-or-later
// The copied table and the naming of captions in formulas, headless: screen
// order of the fields, the table's bytes for one window of each subsystem,
// and how a named caption finds its field.
#include <QtTest>
#include <algorithm>
#include <list>
#include <map>

#include "app/registry.h"
#include "common/calc.h"
#include "common/marks.h"
#include "common/results_table.h"
#include "common/number.h"
#include "common/tooltips.h"
#include "common/window_spec.h"

using namespace ombrel;

namespace {

// Two captions "极点" side by side, two "R1" under two headings, a caption
// with a trailing blank.
WindowSpec twins() {
  return {.name = "twins",
          .caption = "双",
          .width = 9000,
          .height = 9000,
          .controls = {label("Label1", "甲组", {100, 100, 900, 255}),
                       caption("Label2", "R1", {100, 500, 900, 255}, "Text2"),
                       input("Text2", "1", {1100, 500, 1200, 345}),
                       label("Label3", "乙组", {100, 1000, 900, 255}),
                       caption("Label4", "R1", {100, 1400, 900, 255}, "Text4"),
                       input("Text4", "2", {1100, 1400, 1200, 345}),
                       caption("Label5", "极点", {4000, 2000, 900, 255}, "Text5"),
                       output("Text5", {5000, 2000, 1200, 345}),
                       caption("Label6", "极点", {100, 2000, 900, 255}, "Text6"),
                       output("Text6", {1100, 2000, 1200, 345}),
                       caption("Label7", "圈数 ", {100, 2500, 900, 255}, "Text7"),
                       output("Text7", {1100, 2500, 1200, 345})},
          .focus = {}};
}

// Command1 writes A = 1 ÷ X (a capacitance, uF), then B = A × 2 (turns);
// Command2 writes C = B + Y (a voltage). X starts at 2, Y at 1.
WindowSpec chain() {
  std::vector<Control> controls;
  for (const char* name : {"X", "Y", "A", "B", "C"}) {
    const bool in = name[0] == 'X' || name[0] == 'Y';
    controls.push_back(caption(std::string("L") + name, name, {100, 500 * int(controls.size()), 900, 255}, name));
    const Rect at{1100, 500 * int(controls.size() - 1), 1200, 345};
    controls.push_back(in ? input(name, name[0] == 'X' ? "2" : "1", at) : output(name, at));
  }
  controls[5].quantity = q::capacitance_uF;
  controls[7].quantity = q::turns;
  controls[9].quantity = q::voltage_V;
  controls.push_back(calculate("Command1", "计算", {}, {"A", "B"}, [](Calc& c) {
    const Real x = c.read("X");
    c.write("A", Real(1) / x);
    const Real a = c.read("A");
    c.write("B", a * 2);
  }));
  controls.push_back(calculate("Command2", "计算", {}, {"C"}, [](Calc& c) {
    const Real b = c.read("B"), y = c.read("Y");
    c.write("C", b + y);
  }));
  return {.name = "chain", .caption = "链", .width = 9000, .height = 9000, .controls = controls, .focus = {}};
}

QStringList names(const std::vector<CaptionName>& list) {
  QStringList out;
  for (const CaptionName& n : list) out << QString::fromStdString(n.caption + "|" + n.place);
  return out;
}

}  // namespace

class TestResultsTable : public QObject {
  Q_OBJECT

 private slots:
  void captionNamesInAFormula_data();
  void captionNamesInAFormula();
  void namedCaptionFindsItsField_data();
  void namedCaptionFindsItsField();
  void screenOrder_data();
  void screenOrder();
  void tableAfterCalculating_data();
  void tableAfterCalculating();
  void tableKeepsTextsAsTheyAre();
  void readNotes_data();
  void readNotes();
  void marks_data();
  void marks();
  void tableReadBack_data();
  void tableReadBack();
  void pasteTakenBack();
  void everyWindowReadsBackItsInputs();
  void leftOverResults_data();
  void leftOverResults();
  void tooltips_data();
  void tooltips();
};

void TestResultsTable::captionNamesInAFormula_data() {
  QTest::addColumn<QString>("formula");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("plain") << "「气隙(mm)」 = 「圈数」 × 1.27 ÷ 「电感量(uH)」"
                         << QStringList{"气隙(mm)|", "圈数|", "电感量(uH)|"};
  QTest::newRow("places") << "「极点(khz)」（左列） = 1000 ÷ 「R1(K)」（分压估计）\n注：「极点(khz)」（右列）"
                          << QStringList{"极点(khz)|左列", "R1(K)|分压估计", "极点(khz)|右列"};
  QTest::newRow("a bracket after a blank is no place") << "「a」 （b） × 「c」" << QStringList{"a|", "c|"};
  QTest::newRow("brackets inside a caption") << "「有效截面积（mm2）」（x）" << QStringList{"有效截面积（mm2）|x"};
  QTest::newRow("unterminated") << "「a」 = 「b × 2" << QStringList{"a|", "b × 2|「"};
  QTest::newRow("none") << "x = 1" << QStringList{};
}

void TestResultsTable::captionNamesInAFormula() {
  QFETCH(QString, formula);
  QFETCH(QStringList, expected);
  QCOMPARE(names(captionNames(formula.toStdString())), expected);
}

void TestResultsTable::namedCaptionFindsItsField_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("place");
  QTest::addColumn<QString>("field");  // empty: no single field
  QTest::newRow("left column") << "极点" << "左列" << "Text6";
  QTest::newRow("right column") << "极点" << "右列" << "Text5";
  QTest::newRow("ambiguous without place") << "极点" << "" << "";
  QTest::newRow("under the first heading") << "R1" << "甲组" << "Text2";
  QTest::newRow("under the second heading") << "R1" << "乙组" << "Text4";
  QTest::newRow("no such heading") << "R1" << "丙组" << "";
  QTest::newRow("a place where none is needed") << "圈数" << "左列" << "";
  QTest::newRow("blanks around a caption do not count") << "圈数" << "" << "Text7";
  QTest::newRow("no such caption") << "电压" << "" << "";
  QTest::newRow("a heading is no caption") << "甲组" << "" << "";
}

void TestResultsTable::namedCaptionFindsItsField() {
  QFETCH(QString, caption);
  QFETCH(QString, place);
  QFETCH(QString, field);
  static const WindowSpec spec = twins();
  const Control* found = spec.fieldNamed({caption.toStdString(), place.toStdString()});
  QCOMPARE(found ? QString::fromStdString(found->name) : QString(), field);
}

void TestResultsTable::screenOrder_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QStringList>("order");
  // The optocoupler group's first field stands 30 twips above the estimate's,
  // its result 135 twips above R2's: one line each, left to right.
  QTest::newRow("TL431") << "TL431"
                         << QStringList{"Text1", "Text11", "Text10", "Text2", "Text3", "Text12",
                                        "Text4", "Text5",  "Text6",  "Text7", "Text8",  "Text9"};
  QTest::newRow("huanlu") << "huanlu"
                          << QStringList{"Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
                                         "Text9",  "Text10", "Text11", "Text13", "Text14", "Text17",
                                         "Text15", "Text18", "Text16", "Text19", "Text12", "Text1", "Text2"};
  QTest::newRow("lout") << "lout" << QStringList{"Text6", "Text1", "Text2", "Text3", "Text4", "Text5", "Text7"};
  QTest::newRow("cout") << "cout" << QStringList{"Text1", "Text2", "Text6", "Text3", "Text7", "Text4", "Text5"};
  QTest::newRow("twins") << "twins" << QStringList{"Text2", "Text4", "Text6", "Text5", "Text7"};
  QTest::newRow("gongs") << "gongs" << QStringList{};
}

void TestResultsTable::screenOrder() {
  QFETCH(QString, window);
  QFETCH(QStringList, order);
  static const WindowSpec local = twins();
  const WindowSpec* spec = window == "twins" ? &local : windowSpec(window.toStdString());
  QVERIFY(spec);
  QStringList got;
  for (const Control* c : spec->fieldsInScreenOrder()) got << QString::fromStdString(c->name);
  QCOMPARE(got, order);
}

// One window of each subsystem: texts typed, buttons pressed, then its
// table byte for byte: the caption, then caption TAB text TAB role per field,
// in lines from the top, each line left to right, or group by group.
void TestResultsTable::tableAfterCalculating_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("buttons");
  QTest::addColumn<QByteArray>("expected");

  QTest::newRow("ForwardForm") << "ForwardForm" << QStringList{} << QStringList{"Command1", "Command3"}
                               << QByteArray("【正激变压器】\n正激变压器\n"
                                             "输入电压（V）\t420\t输入\n"
                                             "开关频率（KHz）\t20\t输入\n"
                                             "最大占空比\t0.44\t输入\n"
                                             "最大磁饱和强度（T）\t0.3\t输入\n"
                                             "输出电压（V）\t48\t输入\n"
                                             "磁材有效截面（mm2）\t144\t输入\n"
                                             "次级圈数\t55.5555555555556\t结果\n"
                                             "初级圈数\t213.888888888889\t结果\n");
  QTest::newRow("lg") << "lg" << QStringList{"Text1=33"} << QStringList{"Command1"}
                      << QByteArray("【电感气隙计算】\n电感气隙计算\n"
                                    "圈数\t33\t输入\n"
                                    "有效截面积（mm2）\t144\t输入\n"
                                    "电感量(uH)\t560\t输入\n"
                                    "气隙(mm)\t0.355636285714286\t结果\n");
  QTest::newRow("cout") << "cout" << QStringList{} << QStringList{"Command1"}
                        << QByteArray("【输出电容】\n输出电容\n"
                                      "输出电流(A)\t2\t输入\n"
                                      "输出电压(V)\t12\t输入\n"
                                      "所需容量(uF)\t120\t结果\n"
                                      "最大占空比\t0.4\t输入\n"
                                      "所需耐压(V)\t21.6\t结果\n"
                                      "开关频率(KHz)\t100\t输入\n"
                                      "输出纹波(mV)\t100\t输入\n");
  QTest::newRow("huanlu") << "huanlu" << QStringList{} << QStringList{"Command1"}
                          << QByteArray("【环路控制】\n环路控制\n"
                                        "初级直流电压(v)\t300\t输入\n"
                                        "输出电压(v)\t5\t输入\n"
                                        "运放参考电压(V)\t2.5\t输入\n"
                                        "开关频率(kHz)\t50\t输入\n"
                                        "变压器初级圈数(T)\t60\t输入\n"
                                        "变压器次级圈数((T)\t3\t输入\n"
                                        "输出电容esr(mR)\t150\t输入\n"
                                        "输出电流(A)\t2\t输入\n"
                                        "输出电容总容量(uF)\t470\t输入\n"
                                        "R1(K)\t4.7\t输入\n"
                                        "电源增益\t5.80166666666667\t结果\n"
                                        "Rlaod(r)\t2.5\t结果\n"
                                        "穿越频率(khz)\t10\t结果\n"
                                        "需要提升的增益\t12.7187589773054\t结果\n"
                                        "极点(khz)\t0.135519718118986\t结果\n"
                                        "极点(khz)\t2.25866196864977\t结果\n"
                                        "C2(nF)=\t1.17936034693048\t结果\n"
                                        "C1(nF)=\t19.6560057821746\t结果\n"
                                        "R3(K)=\t59.7781671933354\t结果\n");
  // Grouped under its three headings; the estimate's R1 R2 R3 are results,
  // the check's are inputs.
  QTest::newRow("TL431") << "TL431" << QStringList{} << QStringList{"Command1", "Command2", "Command3"}
                         << QByteArray("【TL431电阻计算】\nTL431电阻计算\n"
                                       "分压估计\n"
                                       "输出电压(V)\t12\t输入\n"
                                       "R1(K)\t9.5\t结果\n"
                                       "R2(K)\t1.5\t结果\n"
                                       "R3(K)\t1\t结果\n"
                                       "分压验证\n"
                                       "R1(K)\t8.2\t输入\n"
                                       "R2(K)\t1.5\t输入\n"
                                       "R3(K)\t1\t输入\n"
                                       "从\t10.7\t结果\n"
                                       "到\t16.1666666666667\t结果\n"
                                       "光耦电流\n"
                                       "输出电压(V)\t12\t输入\n"
                                       "R5(K)\t0.47\t输入\n"
                                       "光耦电流(mA)\t16.3829787234043\t结果\n");
  QTest::newRow("tx") << "tx" << QStringList{} << QStringList{"Command1"}
                      << QByteArray("【20℃时铜的电阻计算】\n20℃时铜的电阻计算\n"
                                    "铜线长度（m）\t1\t输入\n"
                                    "铜线直径(mm)\t0.64\t输入\n"
                                    "并绕根数\t5\t输入\n"
                                    "通过电流(A)\t10\t输入\n"
                                    "单根铜线面积(mm2)\t0.321536\t结果\n"
                                    "总根铜线面积(mm2)\t1.60768\t结果\n"
                                    "铜线电阻值(mΩ)\t10.5742436305732\t结果\n"
                                    "铜线电压降（V）\t0.105742436305732\t结果\n");
  QTest::newRow("chamo") << "chamo" << QStringList{} << QStringList{"Command1"}
                         << QByteArray("【共模电感】\n共模电感\n"
                                       "开关频率(KHz)\t20\t输入\n"
                                       "衰减dB\t-24\t输入\n"
                                       "测试阻抗(R)\t50\t输入\n"
                                       "阻尼因数\t0.707\t输入\n"
                                       "转折频率（KHz）\t5.02377286301916\t结果\n"
                                       "电感数值（uH）\t2240.93765590225\t结果\n"
                                       "电容数值（uF）\t0.44832292470371\t结果\n");
}

void TestResultsTable::tableAfterCalculating() {
  QFETCH(QString, window);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, buttons);
  QFETCH(QByteArray, expected);
  const WindowSpec* spec = windowSpec(window.toStdString());
  QVERIFY(spec);
  FieldStore fields(*spec);
  for (const QString& t : typed) fields.setText(t.section('=', 0, 0).toStdString(), t.section('=', 1).toStdString());
  for (const QString& b : buttons) {
    const Control* button = spec->find(b.toStdString());
    QVERIFY2(button, qPrintable(b));
    QVERIFY2(!press(*button, fields), qPrintable(b + " faulted"));
  }
  QCOMPARE(QByteArray::fromStdString(resultsTable(*spec, fields)), expected);
}

// Texts go into the table as they stand: blanks, text that is no number,
// an empty field; a caption keeps its blank. An input that is not plainly a
// number says how it is read.
void TestResultsTable::tableKeepsTextsAsTheyAre() {
  const WindowSpec spec = twins();
  FieldStore fields(spec);
  fields.setText("Text2", " 12V ");
  fields.setText("Text4", "abc");
  fields.setText("Text6", "");
  QCOMPARE(QByteArray::fromStdString(resultsTable(spec, fields)),
           QByteArray("【双】\n双\nR1\t 12V \t输入（按 12 读取）\nR1\tabc\t输入（按 0 读取）\n极点\t\t结果\n极点\t\t结果\n"
                      "圈数 \t\t结果\n"));
}

// Button 1 writes A B C, button 2 writes D. Each step: "1" a clean run of
// button 1, "1@B" a run that faults at B, "edit C" the user typing into C.
// Expected: the marked results after the last step.
void TestResultsTable::leftOverResults_data() {
  QTest::addColumn<QStringList>("steps");
  QTest::addColumn<QStringList>("marked");
  QTest::newRow("never computed") << QStringList{"1@A"} << QStringList{};
  QTest::newRow("clean, then fault at B") << QStringList{"1", "1@B"} << QStringList{"B", "C"};
  QTest::newRow("a clean run clears") << QStringList{"1", "1@B", "1"} << QStringList{};
  QTest::newRow("a later partial run clears what it writes") << QStringList{"1", "1@A", "1@C"} << QStringList{"C"};
  QTest::newRow("only what was computed") << QStringList{"1@C", "1@A"} << QStringList{"A", "B"};
  QTest::newRow("typed over: not marked, not marked again")
      << QStringList{"1", "1@B", "edit C", "1@B"} << QStringList{"B"};
  QTest::newRow("other buttons untouched") << QStringList{"1", "2", "1@A", "2@D", "edit D"}
                                           << QStringList{"A", "B", "C"};
}

void TestResultsTable::leftOverResults() {
  QFETCH(QStringList, steps);
  QFETCH(QStringList, marked);
  const Control one = calculate("Command1", "计算", {}, {"A", "B", "C"}, nullptr);
  const Control two = calculate("Command2", "计算", {}, {"D"}, nullptr);
  ResultMarks marks;
  for (const QString& step : steps) {
    if (step.startsWith("edit ")) {
      marks.edited(step.mid(5).toStdString());
      continue;
    }
    std::optional<Fault> fault;
    if (step.contains('@')) fault = Fault{FaultKind::DivideByZero, step.section('@', 1).toStdString(), {}};
    marks.pressed(step.startsWith('1') ? one : two, fault);
  }
  QStringList got;
  for (const std::string& f : marks.stale()) got << QString::fromStdString(f);
  QCOMPARE(got, marked);
  for (const char* f : {"A", "B", "C", "D"}) QCOMPARE(marks.stale(f), marked.contains(f));
  // The copied table says which results are left over.
  const WindowSpec spec{.name = "w",
                        .caption = "窗",
                        .controls = {caption("L1", "甲", {0, 0, 900, 255}, "A"), output("A", {1000, 0, 900, 345}, "1"),
                                     caption("L2", "乙", {0, 500, 900, 255}, "B"), output("B", {1000, 500, 900, 345}, "2")},
                        .focus = {}};
  const FieldStore fields(spec);
  QCOMPARE(QByteArray::fromStdString(resultsTable(spec, fields, marks)),
           QByteArray("【窗】\n窗\n甲\t1\t") + (marked.contains("A") ? "结果（上次计算）" : "结果") + "\n乙\t2\t" +
               (marked.contains("B") ? "结果（上次计算）" : "结果") + "\n");
}

// A table read back into a window: its own copy, a spreadsheet's, sections,
// lines to skip. Expected: the inputs filled as "field=text", how many lines
// were skipped, and the note the paste leaves.
void TestResultsTable::tableReadBack_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<QString>("expected");
  QTest::addColumn<QString>("note");
  QTest::newRow("a spreadsheet's copy") << "lg" << QByteArray("圈数\t 25 \r\n\"有效截面积（mm2）\"\t\"144\"\r\n\r\n电感量(uH)\t560")
                                        << "Text1=25 Text2=144 Text3=560 | 0" << "已填入 3 个输入，跳过 0 行";
  QTest::newRow("results, headings, unknown lines skipped")
      << "lg" << QByteArray("电感气隙计算\n圈数\t30\t输入\n气隙(mm)\t9\t结果\n线径\t1\n\n") << "Text1=30 | 3"
      << "已填入 1 个输入，跳过 3 行";
  // Blanks, tabs and line ends are dropped before reading: 25"x reads as 25.
  QTest::newRow("a quoted cell holds a tab, a line end and a quote")
      << "lg" << QByteArray("圈数\t\"2\t5\n\"\"x\"\n电感量(uH)\t7") << "Text1=2\t5\n\"x Text3=7 | 0"
      << "已填入 2 个输入，跳过 0 行；其中「圈数」按 25 读取";
  // The same caption under two headings: the heading above it decides, or its place after it.
  QTest::newRow("places by heading") << "TL431"
      << QByteArray("分压估计\n输出电压(V)\t5\nR1(K)\t9\n分压验证\nR1(K)\t8x\n光耦电流\n输出电压(V)\t15\n")
      << "Text1=5 Text5=8x Text11=15 | 4" << "已填入 3 个输入，跳过 4 行；其中「R1(K)」（分压验证）按 8 读取";
  QTest::newRow("places written") << "TL431" << QByteArray("输出电压(V)（光耦电流）\t24\nR1(K)\t1\n")
                                  << "Text11=24 | 1" << "已填入 1 个输入，跳过 1 行";
  // Two windows, one caption: each takes its own section only.
  QTest::newRow("sections") << "td"
      << QByteArray("通过电流(A)\t1\n【20℃时铜的电阻计算】\n通过电流(A)\t2\n【铜带电阻计算】\n铜带电阻计算\n通过电流(A)\t3\n【x】\n并绕层数\t4\n")
      << "Text6=3 | 1" << "已填入 1 个输入，跳过 1 行";
  QTest::newRow("nothing of this window") << "lg" << QByteArray("\xff\xfe\t\"\n\n\t\t") << " | 1"
                                          << "剪贴板中没有本窗口的输入";
  // A spreadsheet's 80 %, thousands comma and full-width digits, each named with its reading.
  QTest::newRow("read otherwise") << "FlybackForm"
      << QByteArray("效率\t80%\n磁材横截面积(mm2)\t1,234\n输出功率（W）\t２０\n")
      << "Text3=80% Text7=1,234 Text1=２０ | 0"
      << "已填入 3 个输入，跳过 0 行；其中「效率」按 80 读取，「磁材横截面积(mm2)」按 1 读取，「输出功率（W）」按 0 读取";
  QTest::newRow("an empty cell, an overflow") << "lg" << QByteArray("圈数\t\n电感量(uH)\t1e999\n")
      << "Text1= Text3=1e999 | 0"
      << "已填入 2 个输入，跳过 0 行；其中「圈数」按 0 读取，「电感量(uH)」超出双精度范围，读取时报溢出";
  // Another window's copy fills nothing, though it shares a caption.
  QTest::newRow("another window's table") << "cout"
      << QByteArray("【反激变压器】\n反激变压器\n最大占空比\t0.45\t输入\n") << " | 0"
      << "表格来自「反激变压器」，不是本窗口的数据";
  QTest::newRow("four other windows") << "lg" << QByteArray("【甲】\n【乙】\n圈数\t5\n【丙】\n【丁】\n【甲】\n") << " | 0"
                                      << "表格来自「甲」、「乙」、「丙」等 4 个窗口，不是本窗口的数据";
}

void TestResultsTable::tableReadBack() {
  QFETCH(QString, window);
  QFETCH(QByteArray, text);
  QFETCH(QString, expected);
  QFETCH(QString, note);
  const WindowSpec& spec = *windowSpec(window.toStdString());
  const PastedTable pasted = readTable(spec, text.toStdString());
  QStringList got;
  for (const auto& [field, value] : pasted.inputs) got << QString::fromStdString(field + "=" + value);
  QCOMPARE(got.join(' ') + " | " + QString::number(pasted.skipped), expected);
  QCOMPARE(QString::fromStdString(pasteNote(spec, pasted)), note);
}

// A paste taken back in one step: each field it filled gets its text from
// before, except one changed since, which keeps its own.
void TestResultsTable::pasteTakenBack() {
  const WindowSpec& spec = *windowSpec("lg");
  FieldStore fields(spec);
  const PasteStep step = applyPaste(readTable(spec, "圈数\t30\n电感量(uH)\t700\n圈数\t31\n"), fields);
  QCOMPARE(QString::fromStdString(fields.text("Text1") + " " + fields.text("Text3")), QString("31 700"));
  fields.setText("Text3", "800");
  undoPaste(step, fields);
  QCOMPARE(QString::fromStdString(fields.text("Text1") + " " + fields.text("Text2") + " " + fields.text("Text3")),
           QString("20 144 800"));
}

// The program's own copy of every window, alone or with every other window
// in sections, gives back exactly its inputs, a tab and a quote included.
void TestResultsTable::everyWindowReadsBackItsInputs() {
  std::list<FieldStore> stores;
  std::vector<WindowTexts> all;
  for (const WindowSpec* spec : builtWindows()) {
    FieldStore& store = stores.emplace_back(*spec);
    int k = 0;
    for (const Control& c : spec->controls)
      if (c.kind == ControlKind::Field && c.fieldRole == FieldRole::Input)
        store.setText(c.name, ++k == 2 ? "\"7\t8\"" : spec->name + "." + std::to_string(k));
    all.push_back({spec, &store, nullptr});
  }
  const std::string everything = allTables(all);
  for (const WindowTexts& w : all)
    for (const std::string& text : {resultsTable(*w.spec, *w.fields), everything}) {
      std::vector<std::pair<std::string, std::string>> expected;
      for (const FieldGroup& g : w.spec->fieldGroups())
        for (const Control* f : g.fields)
          if (f->fieldRole == FieldRole::Input) expected.emplace_back(f->name, w.fields->text(f->name));
      auto got = readTable(*w.spec, text).inputs;
      std::sort(got.begin(), got.end());
      std::sort(expected.begin(), expected.end());
      QVERIFY2(got == expected, w.spec->name.c_str());
    }
}

// How an input is read where its text is not plainly a number.
void TestResultsTable::readNotes_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("note");
  QTest::newRow("a unit after it") << "20abc" << "按 20 读取";
  QTest::newRow("empty") << "" << "按 0 读取";
  QTest::newRow("a comma") << "1,5" << "按 1 读取";
  QTest::newRow("full-width digits") << "２０" << "按 0 读取";
  QTest::newRow("a spreadsheet row") << "25\t12\n0.8" << "按 25120.8 读取";
  QTest::newRow("beyond the range") << "1e999" << "超出双精度范围，读取时报溢出";
  QTest::newRow("hexadecimal") << "&H10" << "按 16 读取";
  for (const char* plain : {"144", " 144 ", "-0.5", "1.5E-07"}) QTest::newRow(plain) << plain << "";
}

void TestResultsTable::readNotes() {
  QFETCH(QString, text);
  QFETCH(QString, note);
  QCOMPARE(QString::fromStdString(readNote(text.toStdString()).value_or("")), note);
}

// Steps: "1" or "2" presses that button, "X=4" types into a field (into a
// result: the user's text). Expected: each result's role and the words of
// its mark.
void TestResultsTable::marks_data() {
  QTest::addColumn<QStringList>("steps");
  QTest::addColumn<QStringList>("expected");
  const QString plain = "结果|";
  QTest::newRow("clean") << QStringList{"1", "2"} << QStringList{plain, plain, plain};
  QTest::newRow("an input changed, along the chain")
      << QStringList{"1", "2", "X=4"}
      << QStringList{"结果（已过时）|（已过时：「X」已改变）", "结果（已过时）|（已过时：由已过时的「A」算出）",
                     "结果（已过时）|（已过时：由已过时的「B」算出）"};
  QTest::newRow("changed back") << QStringList{"1", "2", "X=4", "X=2"} << QStringList{plain, plain, plain};
  QTest::newRow("the other button's input") << QStringList{"1", "2", "Y=3"}
                                            << QStringList{plain, plain, "结果（已过时）|（已过时：「Y」已改变）"};
  QTest::newRow("rewritten by a run") << QStringList{"1", "2", "X=4", "1"}
                                      << QStringList{plain, plain, "结果（已过时）|（已过时：「B」已改变）"};
  // X = 0 faults at A: A and B are left over, A out of date too, and C read B.
  QTest::newRow("left over first, then read")
      << QStringList{"1", "X=0", "1", "2"}
      << QStringList{"结果（上次计算）|（上次计算的结果，本次计算未更新）（已过时：「X」已改变）",
                     "结果（上次计算）|（上次计算的结果，本次计算未更新）（已过时：由上次计算留下的「A」算出）",
                     "结果（已过时）|（已过时：由上次计算留下的「B」算出）"};
  QTest::newRow("impossible") << QStringList{"X=-4", "1"}
                              << QStringList{"结果（不合理）|（不合理：电容量不能为负）",
                                             "结果（不合理）|（不合理：圈数不能为负）", plain};
  QTest::newRow("impossible only when current")
      << QStringList{"X=-4", "1", "X=2"}
      << QStringList{"结果（已过时）|（已过时：「X」已改变）", "结果（已过时）|（已过时：由已过时的「A」算出）", plain};
  const QString byHand = "结果（手动输入）|（手动输入：不是计算得出的结果）";
  QTest::newRow("typed over") << QStringList{"1", "2", "B=-7"}
                              << QStringList{plain, byHand, "结果（已过时）|（已过时：「B」已改变）"};
  // C computed from a B typed by hand says so, impossible or not; a run
  // that writes B takes both marks away; typed blank, B is no figure.
  QTest::newRow("typed by hand, then read")
      << QStringList{"1", "B=-7", "2"}
      << QStringList{plain, byHand, "结果（由手动输入算出）|（由手动输入的「B」算出）"};
  QTest::newRow("written again") << QStringList{"1", "B=-7", "2", "1", "2"} << QStringList{plain, plain, plain};
  QTest::newRow("typed blank") << QStringList{"1", "B=", "2"} << QStringList{plain, plain, plain};
}

void TestResultsTable::marks() {
  QFETCH(QStringList, steps);
  QFETCH(QStringList, expected);
  const WindowSpec spec = chain();
  FieldStore fields(spec);
  ResultMarks marks;
  for (const QString& step : steps) {
    if (step.contains('=')) {
      const std::string field = step.section('=', 0, 0).toStdString();
      fields.setText(field, step.section('=', 1).toStdString());
      if (spec.find(field)->fieldRole == FieldRole::Output) marks.edited(field);
      continue;
    }
    const Control& button = *spec.find("Command" + step.toStdString());
    std::vector<Step> record;
    const std::optional<Fault> fault = press(button, fields, &record);
    marks.pressed(button, fault, record);
  }
  QStringList got;
  for (const char* r : {"A", "B", "C"}) {
    const FieldMark m = marks.mark(spec, fields, r);
    got << QString::fromStdString(m.role + "|" + m.note);
  }
  QCOMPARE(got, expected);
}

// An input: its meaning, then the results that read it, named as formulas
// name them, or that none does. An output: its whole text first, marked when
// left over, then its formula; blanks only: the formula alone (the GUI tests
// check the other outputs' tooltips).
void TestResultsTable::tooltips_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("stale");
  QTest::addColumn<QString>("expected");  // the formula stands for itself as %F
  QTest::newRow("lg input") << "lg" << "Text1" << "" << false << "电感绕组的圈数 N\n用于：「气隙(mm)」";
  QTest::newRow("read by no formula") << "lout" << "Text2" << "" << false
                                      << "直流输出电压，单位 V，只作记录\n不参与计算";
  QTest::newRow("two results of one caption") << "huanlu" << "Text11" << "" << false
                                               << "输出电容的总容量 Cout，单位 uF\n"
                                                  "用于：「极点(khz)」（左列）、「极点(khz)」（右列）";
  QTest::newRow("in the order computed") << "FlybackForm" << "Text5" << "" << false
                                         << "电流斜坡占峰值电流的比例 K，无单位（1 为从零开始的三角波）\n"
                                            "用于：「初级电流峰值(A)」、「初级电流有效值(A)」、「次级电流有效值(A)」";
  QTest::newRow("left over") << "lg" << "Text4" << "0.25" << true
                             << "0.25（上次计算的结果，本次计算未更新）\n%F";
  QTest::newRow("blank output") << "TL431" << "Text2" << " " << false << "%F";
  // 62 ÷ 59.7781671933354 − 1 = +3.72 %, 56 ÷ 59.7781671933354 − 1 = −6.32 %.
  QTest::newRow("a resistance's standard values") << "huanlu" << "Text2" << "59.7781671933354" << false
      << "59.7781671933354\n%F\n标准值：E24 62 kΩ（+3.7 %），E12 56 kΩ（−6.3 %）";
  // 20 ÷ 19.6560057821746 − 1 = +1.75 %, 18 ÷ … − 1 = −8.42 %.
  QTest::newRow("a capacitance's") << "huanlu" << "Text1" << "19.6560057821746" << false
      << "19.6560057821746\n%F\n标准值：E24 20 nF（+1.8 %），E12 18 nF（−8.4 %）";
  QTest::newRow("no line for a negative one") << "huanlu" << "Text1" << "-19.6" << false << "-19.6\n%F";
  // A minimum the design needs: 160 ÷ 155.6 − 1 = +2.83 %, 180 ÷ 155.6 − 1 = +15.68 %.
  QTest::newRow("at or above a minimum") << "cin" << "Text7" << "155.6" << false
      << "155.6\n%F\n标准值（不小于计算值）：E24 160 uF（+2.8 %），E12 180 uF（+15.7 %）";
}

void TestResultsTable::tooltips() {
  QFETCH(QString, window);
  QFETCH(QString, field);
  QFETCH(QString, text);
  QFETCH(bool, stale);
  QFETCH(QString, expected);
  const WindowSpec* spec = windowSpec(window.toStdString());
  QVERIFY(spec);
  const Control* c = spec->find(field.toStdString());
  QVERIFY(c);
  const std::string tip = c->fieldRole == FieldRole::Input ? inputTip(*spec, *c)
                                                           : outputTip(*c, text.toStdString(), stale ? "（上次计算的结果，本次计算未更新）" : "");
  QCOMPARE(QString::fromStdString(tip), expected.replace("%F", QString::fromStdString(c->formula)));
}

QTEST_APPLESS_MAIN(TestResultsTable)
#include "test_results_table.moc"

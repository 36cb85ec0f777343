// SPDX-License-Identifier: GPL-3.0-or-later
// The winding check, headless, on the standard shapes as shipped: the window
// and mean turn of one shape of each family, the copper figures, rows that
// pin the order of each formula, the faults, and the 超限 marks at and past
// each limit. Expected texts worked out in Python from the formulas as
// written, the shapes' mean dimensions read from the data file.
#include "calc_rows.h"
#include "common/marks.h"
#include "common/results_table.h"
#include "app/registry.h"
#include "magnetics/check_sets.h"

using namespace ombrel;

namespace {

const WindowSpec& spec() { return *windowSpec("winding"); }

// Every write of a press, space-separated, an empty result as "J2=".
QStringList writes(const char* list) { return QString(list).split(' ', Qt::SkipEmptyParts); }

// The results of rows that do not count.
constexpr const char* kRow1Empty = "od1= tpl1= m1= J1= dskin1= Rdc1= P1= Fr1= Rac1= Pac1= ";
constexpr const char* kRow2Empty = "od2= tpl2= m2= J2= dskin2= Rdc2= P2= Fr2= Rac2= Pac2= ";
constexpr const char* kRow3Empty = "od3= tpl3= m3= J3= dskin3= Rdc3= P3= Fr3= Rac3= Pac3= ";

}  // namespace

class TestWinding : public QObject {
  Q_OBJECT

 private slots:
  void press_data();
  void press() { test::checkCalcRow(spec()); }
  void pins_data();
  void pins();
  void marks();
  void oneSetACalculator();
};

void TestWinding::press_data() {
  test::calcColumns();
  const auto row = [](const char* name, QStringList typed, QString written, const char* fault = "") {
    QTest::newRow(name) << "Command1" << typed << writes(qPrintable(written)) << fault;
  };
  const QString noRows = QString(kRow1Empty) + kRow2Empty + kRow3Empty + "build=0 Lk= Ptotal=0";
  // The skin depth at 100 kHz and 100 ℃, and ETD34's bobbin: 2 × 12.1 − 2 × 1, (26.3 − 10.8) ÷ 2 − 1.
  const char* at100 = "delta=0.239590674451787 bw=22.2 hw=6.75 ";
  // ETD34's Ae, le and Ve, and TDK N87 at 100 kHz, ΔB 0.2 T, D 0.5, 100 ℃.
  const QString kEtd34 = "Ae=97.2584566634811 le=80.0715882617327 Ve=7787.63909692983 ";
  const QString n87 = "Bpeak=0.2 Bsat=0.3898 Pv=50.2634606959378 ";
  // Grade 1: 0.544 and 0.855 over all; 13 turns of 3 × 0.544 in 22.2 mm, 4
  // layers; 6 of 4 × 0.855, one layer; 4 × 0.544 + 0.1 + 0.855 + 0.1 = 3.231.
  row("ETD34, two windings", {"N1=40", "d1=0.5", "n1=3", "I1=1.2", "N2=6", "d2=0.8", "n2=4", "I2=6"},
      QString("Aw=187.55 MLT=58.2765437240907 Ku=0.189952869590553 ") + at100 +
          "od1=0.544 tpl1=13 m1=4 J1=2.03718327157626 dskin1=1.04344628843352 Rdc1=89.6813609195403 "
          "P1=0.129141159724138 Fr1=12.6350887740433 Rac1=1133.13195659541 Pac1=1.63171001749739 "
          "od2=0.855 tpl2=6 m2=1 J2=2.98415518297304 dskin2=1.66951406149363 Rdc2=3.94107543103448 "
          "P2=0.141878715517241 Fr2=2.752043679942 Rac2=10.8460117321531 Pac2=0.390456422357512 " +
          kRow3Empty + "build=3.231 Lk=5.86035651097688 Ptotal=2.0221664398549 " + kEtd34 + n87 +
          "Pcore=0.391433691662681 Ploss=2.41360013151758 At=38.5272 dT=45.6509854824239 Test=85.6509854824239");
  row("E25/13/7, 65 kHz, 25 ℃",
      {"family=EE", "shape=E25/13/7", "freq=65", "temp=25", "N1=60", "d1=0.3", "I1=0.5"},
      QString("Aw=95.3175 MLT=45.6289808803656 Ku=0.0444949781765806 delta=0.261742965345327 bw=15.9 hw=4.325 "
              "od1=0.333142857142857 tpl1=47 m1=2 J1=7.07355302630646 dskin1=0.573081304409078 "
              "Rdc1=680.899097490897 P1=0.170224774372724 Fr1=1.34203156148619 Rac1=913.788079020246 "
              "Pac1=0.228447019755061 ") +
          kRow2Empty + kRow3Empty + "build=0.766285714285714 Lk= Ptotal=0.228447019755061 " +
          "Ae=51.8367785722423 le=57.7578707046492 Ve=2993.9819545211 Bpeak=0.2 Bsat=0.49525 Pv=75.8110494412855 "
          "Pcore=0.226976913980516 Ploss=0.455423933735577 At=19.7967 dT=19.956223158326 Test=59.956223158326");
  // The window and mean turn of each family; no row counts, turns of blanks and line ends neither.
  // With them each family's Ae, le and Ve as the core shape window gives them,
  // and the box the set fills: A × 2B × C (EFD 20 × 20 × 6.65, PQ 20.5 ×
  // 16.2 × 14, EP 12.5 × 12.85 × 8.8), RM J × 2B × J (24.15 × 18.6 × 24.15).
  row("EFD20, F2 deep", {"family=EFD", "shape=EFD20", "N1= \t\r\n"},
      "Aw=50.05 MLT=35.2101761241668 Ku=0 delta=0.239590674451787 bw=13.4 hw=2.25 " + noRows +
          " Ae=30.7162762727443 le=47.1984304400669 Ve=1449.760029037 " + n87 +
          "Pcore=0.0728699562380429 Ploss=0.0728699562380429 At=13.32 dT=6.09308297377446 Test=46.0930829737745");
  row("PQ20/16", {"family=PQ", "shape=PQ20/16"},
      "Aw=47.38 MLT=42.0973415581032 Ku=0 delta=0.239590674451787 bw=8.3 hw=3.6 " + noRows +
          " Ae=64.2561458701428 le=37.3026452538709 Ve=2396.92421477492 " + n87 +
          "Pcore=0.120477706060481 Ploss=0.120477706060481 At=16.918 dT=7.5757415227266 Test=47.5757415227266");
  row("RM10/I", {"family=RM", "shape=RM10/I"},
      "Aw=69.5325 MLT=50.8152611718149 Ku=0 delta=0.239590674451787 bw=10.7 hw=4.475 " + noRows +
          " Ae=98.468166083678 le=44.8693580498512 Ve=4418.20340052076 " + n87 +
          "Pcore=0.222074192968734 Ploss=0.222074192968734 At=29.63205 dT=7.90214102119486 Test=47.9021410211949");
  row("EP13", {"family=EP", "shape=EP13"},
      "Aw=25.99 MLT=22.5409272895068 Ku=0 delta=0.239590674451787 bw=7.2 hw=1.825 " + noRows +
          " Ae=19.9157331847106 le=24.1898911261368 Ve=481.759417435339 " + n87 +
          "Pcore=0.0242148955431591 Ploss=0.0242148955431591 At=7.6741 dT=3.86751551171386 Test=43.8675155117139");

  // The core's loss: another duty, the second range of N87, a temperature
  // between two of DMR90's saturation points and one beyond them, a
  // frequency no range holds, DMR90's negative temperature factor at 140 ℃
  // (a loss below zero, so no temperature rise), the peak given.
  const QString etd34 = "Aw=187.55 MLT=58.2765437240907 Ku=0 " + (at100 + noRows) + " " + kEtd34;
  row("D 0.3", {"duty=0.3"},
      etd34 + "Bpeak=0.2 Bsat=0.3898 Pv=53.899304650456 Pcore=0.419748332193223 Ploss=0.419748332193223 "
              "At=38.5272 dT=10.7635987367683 Test=50.7635987367683");
  row("N87 at 300 kHz", {"freq=300", "dB=0.1"},
      "Aw=187.55 MLT=58.2765437240907 Ku=0 delta=0.138327740390063 bw=22.2 hw=6.75 " + noRows + " " + kEtd34 +
          "Bpeak=0.1 Bsat=0.3898 Pv=65.0899075523969 Pcore=0.506896708870594 Ploss=0.506896708870594 "
          "At=38.5272 dT=12.5785935964183 Test=52.5785935964183");
  row("DMR90 at 90 ℃", {"material=DMEGC DMR90", "temp=90"},
      "Aw=187.55 MLT=58.2765437240907 Ku=0 delta=0.235981663210726 bw=22.2 hw=6.75 " + noRows + " " + kEtd34 +
          "Bpeak=0.2 Bsat=0.449 Pv=40.9828739712099 Pcore=0.319159831642742 Ploss=0.319159831642742 "
          "At=38.5272 dT=8.58379620184767 Test=48.5837962018477");
  row("DMR90 at 160 ℃ and 1000000 kHz", {"material=DMEGC DMR90", "temp=160", "freq=1000000"},
      "Aw=187.55 MLT=58.2765437240907 Ku=0 delta=0.00260195631707441 bw=22.2 hw=6.75 " + noRows + " " + kEtd34 +
          "Bpeak=0.2 Bsat=0.378", "InvalidOperation@Pv");
  row("DMR90 at 1200 kHz and 140 ℃", {"material=DMEGC DMR90", "temp=140", "freq=1200", "dB=0.05"},
      "Aw=187.55 MLT=58.2765437240907 Ku=0 delta=0.0731830324907525 bw=22.2 hw=6.75 " + noRows + " " + kEtd34 +
          "Bpeak=0.05 Bsat=0.378 Pv=-115.751685594115 Pcore=-0.901432352268259 Ploss=-0.901432352268259 "
          "At=38.5272", "InvalidOperation@dT");
  row("3C95 at 25 ℃, peak 0.6 T, 25 ℃ around", {"material=Ferroxcube 3C95", "temp=25", "Bpk=0.6", "tamb=25"},
      "Aw=187.55 MLT=58.2765437240907 Ku=0 delta=0.2110239250418 bw=22.2 hw=6.75 " + noRows + " " + kEtd34 +
          "Bpeak=0.6 Bsat=0.53 Pv=59.6878499296926 Pcore=0.464827433724154 Ploss=0.464827433724154 "
          "At=38.5272 dT=11.7098569380875 Test=36.7098569380875");

  // A bare wire of 0 mm is 0.017 over its enamel (0.100's): 1305 turns a layer.
  row("zero wire", {"N1=40", "d1=0", "I1=1"},
      QString("Aw=187.55 MLT=58.2765437240907 Ku=0 ") + at100 + "od1=0.017 tpl1=1305 m1=1", "DivideByZero@J1");
  // No room on the bobbin: walls and margins fill 2 × D; ten strands of 2.5 mm wider than a layer.
  row("no breadth left", {"margin=11.1"}, "Aw=187.55 MLT=58.2765437240907 Ku=0 delta=0.239590674451787",
      "InvalidOperation@bw");
  row("no whole turn in a layer", {"N1=1", "d1=2.5", "n1=10"},
      QString("Aw=187.55 MLT=58.2765437240907 Ku=0.261729593240952 ") + at100 + "od1=2.578", "InvalidOperation@tpl1");
  row("zero frequency", {"freq=0"}, "Aw=187.55 MLT=58.2765437240907 Ku=0", "DivideByZero@delta");
  row("frequency beyond range", {"freq=1e999"}, "Aw=187.55 MLT=58.2765437240907 Ku=0",
      "Overflow@delta reading freq");
  row("a shape not in the lists", {"shape=ETD99", "N1=1", "d1=1"}, "Aw=0 MLT=0", "DivideByZero@Ku");
}

// One row a formula, found by a search over plausible inputs (ETD34, the
// first winding alone): each reordering named shows another text. Aw and MLT
// have none to pin: their factors 2 are exact and their sums commute.
void TestWinding::pins_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("expected");
  const auto pin = [](const char* name, const char* typed, const char* field, const char* expected) {
    QTest::newRow(name) << QString(typed).split(' ') << field << expected;
  };
  // ρ × 10⁻⁶ for ρ ÷ 1000000, or the units folded into ÷ 10⁹: 0.0994019719750383.
  pin("δ, 1000000", "temp=20 freq=442", "delta", "0.0994019719750384");
  // f × 1000 taken first, or ρ's bracket multiplied out: 0.177428286507622.
  pin("δ, f × 1000", "temp=26 freq=142", "delta", "0.177428286507621");
  // Without ÷ 1000 × 1000, a first, N × MLT first, or π first in a.
  // (A wall of −3 mm widens the bobbin to hold the 23 strands in a layer; Rdc does not read it.)
  pin("Rdc", "temp=27 freq=80 N1=45 d1=1.15 n1=23 I1=1.5 wall=-3", "Rdc1", "1.94469261966371");
  // d² × π ÷ 4 × n, I ÷ n first, or 4 × I ÷ (n π d²).
  pin("J", "temp=97 freq=219 N1=64 d1=0.47 n1=29 I1=3.4", "J1", "0.675764420177573");
  // π taken out of a, N × n first, or N ÷ Aw first.
  pin("Ku", "temp=71 freq=48 N1=57 d1=0.58 n1=7 I1=3", "Ku", "0.56208461170138");
  // Rdc ÷ 1000 first, I × (I × Rdc), or I × I × (Rdc ÷ 1000).
  pin("P", "temp=93 freq=171 N1=22 d1=0.76 n1=2 I1=5.5", "P1", "0.948436408817103");
  // Dowell's factor on ETD34 at 100 ℃, one strand of grade 1: Δ small, near
  // 1 and large, one layer and six. Each text changes where Δ is worked out
  // as h × √η ÷ δ or h × (√η ÷ δ), x × skin term taken first, or 2(m² − 1)
  // × ratio ÷ 3 (worked out in Python, sinh, cosh, sin and cos correctly rounded).
  pin("Fr, Δ 0.187", "freq=30 N1=10 d1=0.1", "Fr1", "1.00010853943747");
  pin("Fr, Δ 1.01", "freq=175 N1=20 d1=0.22", "Fr1", "1.08931689387279");
  pin("Fr, Δ 15.3, 3 layers", "freq=305 N1=20 d1=2.5", "Fr1", "97.0813720932108");
  pin("Fr, one layer", "freq=172 N1=20 d1=0.5", "Fr1", "2.25110581505101");
  pin("Fr, six layers", "freq=172 N1=240 d1=0.5", "Fr1", "53.8073095423869");
  // Over all: between 0.500 (0.544) and 0.560 (0.606), the enamel
  // interpolated; below and above the table, the nearest size's; three
  // extruded layers add 0.229.
  pin("od between sizes", "N1=1 d1=0.53", "od1", "0.575");
  pin("od below the table", "N1=1 d1=0.05 g1=2级漆包线", "od1", "0.075");
  pin("od above the table", "N1=1 d1=3 g1=3级漆包线", "od1", "3.156");
  pin("od triple-insulated", "N1=1 d1=0.5 g1=三层绝缘线", "od1", "0.729");
  // 200 turns of 2 × 1.0 mm: 10 a layer, 20 layers of 1.062 and the tape, far over the 6.75 mm.
  pin("build over the window", "N1=200 d1=1 n1=2", "build", "21.34");
}

void TestWinding::pins() {
  QFETCH(QStringList, typed);
  QFETCH(QString, field);
  QFETCH(QString, expected);
  FieldStore fields(spec());
  for (const QString& t : typed) fields.setText(t.section('=', 0, 0).toStdString(), t.section('=', 1).toStdString());
  QVERIFY(!ombrel::press(*spec().find("Command1"), fields));
  QCOMPARE(QString::fromStdString(fields.text(field.toStdString())), expected);
}

// Marked 超限 above the limit, not at it; the limit is read now, the mark
// follows it without a new run; the words, the table's role; a list no mark.
void TestWinding::marks() {
  FieldStore fields(spec());
  for (const auto& [f, t] : {std::pair{"N1", "40"}, {"d1", "0.5"}, {"n1", "3"}, {"I1", "1.2"}, {"N2", "6"},
                             {"d2", "0.8"}, {"n2", "4"}, {"I2", "6"}})
    fields.setText(f, t);
  const Control& button = *spec().find("Command1");
  std::vector<Step> steps;
  ResultMarks marks;
  marks.pressed(button, ombrel::press(button, fields, &steps), steps);
  const auto note = [&](const char* field) { return QString::fromStdString(marks.mark(spec(), fields, field).note); };
  const QString thick = "（超限：线径超过两倍集肤深度，交流电阻明显高于直流电阻；可改用多股细线）";
  QCOMPARE(note("dskin1"), thick);
  QCOMPARE(note("dskin2"), thick);
  QCOMPARE(marks.mark(spec(), fields, "dskin2").look, Look::OverLimit);
  for (const char* plain : {"Ku", "J1", "J2", "Rdc1", "Ptotal", "J3"}) QCOMPARE(note(plain), QString());
  const struct {
    const char *limit, *text, *field, *note;
  } cases[] = {
      {"kumax", "0.189952869590553", "Ku", ""},
      {"kumax", "0.18", "Ku", "（超限：窗口利用系数超过 0.18，绕组可能绕不下）"},
      {"jmax", "2.98415518297304", "J2", ""},
      {"jmax", "2.9A", "J2", "（超限：电流密度超过 2.9 A/mm²，导线发热偏多；可加粗线径或增加股数）"},
      {"jmax", "1e999", "J2", ""},
  };
  for (const auto& c : cases) {
    fields.setText(c.limit, c.text);
    QCOMPARE(note(c.field), QString(c.note));
  }
  fields.setText("jmax", "2.9");
  QCOMPARE(marks.mark(spec(), fields, "J2").role, std::string("结果（超限）"));
  QVERIFY(resultsTable(spec(), fields, marks).find("电流密度(A/mm²)\t2.98415518297304\t结果（超限）\n") !=
          std::string::npos);
  // Blank turns mean a row not counted, no 0 read; a blank wire is read as 0.
  QCOMPARE(marks.mark(spec(), fields, "N3").look, Look::Plain);
  QCOMPARE(marks.mark(spec(), fields, "d3").note, std::string("按 0 读取"));
  QCOMPARE(marks.mark(spec(), fields, "shape").role, std::string("输入"));
  // A pasted list takes its own items only; blank turns are no 0 read.
  QCOMPARE(QString::fromStdString(pasteNote(spec(), readTable(spec(), "磁芯系列\tEE\n磁芯型号\tXYZ\n绕组1\n圈数\t \n"))),
           QString("已填入 3 个输入，跳过 1 行；其中「磁芯型号」没有「XYZ」这一项"));
  QCOMPARE(marks.mark(spec(), fields, "shape").look, Look::Plain);

  // The core: a peak above the material's saturation at 工作温度 (N87 at
  // 50 ℃: 0.49525 − 0.10545 × 25 ÷ 75 = 0.4601 T), a temperature reached
  // above the one the losses were worked out at, and a negative loss.
  const auto core = [&](std::vector<std::pair<const char*, const char*>> typed) {
    fields = FieldStore(spec());
    for (const auto& [f, t] : typed) fields.setText(f, t);
    marks = ResultMarks();
    steps.clear();
    marks.pressed(button, ombrel::press(button, fields, &steps), steps);
  };
  core({{"N1", "40"}, {"d1", "0.5"}, {"n1", "3"}, {"I1", "1.2"}, {"temp", "50"}, {"Bpk", "0.6"}});
  QCOMPARE(note("Bpeak"), "（超限：峰值磁通密度超过 TDK N87 在 50 ℃ 时的饱和磁通密度 0.4601 T，磁芯会饱和）");
  QCOMPARE(note("Test"), "（超限：估算温度超过所设工作温度 50 ℃：损耗是按 50 ℃ 算的，请提高「工作温度(℃)」重算，或减小损耗）");
  for (const char* plain : {"Bsat", "Pv", "dT"}) QCOMPARE(note(plain), QString());
  core({{"N1", "200"}, {"d1", "1"}, {"n1", "2"}});
  QCOMPARE(note("build"), "（超限：绕组厚度超过窗口深度，绕不下；可减少圈数、换细线或选大一号磁芯）");
  core({{"material", "DMEGC DMR90"}, {"temp", "140"}, {"freq", "1200"}, {"dB", "0.05"}});
  QCOMPARE(note("Pv"), "（不合理：DMEGC DMR90 的损耗数据在 140 ℃ 时不适用：温度系数为负，算出的损耗小于零）");
  QCOMPARE(note("Bpeak"), QString());
  // No range holds the frequency: the fault says so in the data's terms.
  core({{"freq", "0.0005"}});
  const std::optional<Fault> fault = ombrel::press(button, fields);
  QVERIFY(fault);
  QCOMPARE(QString::fromStdString(faultMessage(spec(), *fault)),
           "运算出错：TDK N87 的损耗数据只有 0.001～150 kHz，150～1000 kHz，1000～1000000 kHz，不含 0.0005 kHz。\n"
           "无法计算“单位体积损耗(kW/m³)”，该项及其后各项保持原来的内容。");
}

// One set of the check's texts a calculator: the first at the calculator's
// switching frequency, the next opening from it as it was left.
void TestWinding::oneSetACalculator() {
  const WindowSpec &forward = *windowSpec("ForwardForm"), &flyback = *windowSpec("FlybackForm");
  FieldStore forwardTexts(forward), flybackTexts(flyback);
  CheckSets sets;
  QCOMPARE(sets.title(spec()), "磁件复核");
  std::optional<WindowSet> shown = sets.open(spec(), forward, forwardTexts, {});
  QVERIFY(shown);
  QCOMPARE(shown->texts.at("freq"), "20");
  QCOMPARE(shown->texts.at("material"), "TDK N87");
  QCOMPARE(sets.title(spec()), "磁件复核 — 正激变压器");
  QVERIFY(!sets.open(spec(), forward, forwardTexts, *shown));
  shown->texts["d1"] = "0.63";
  flybackTexts.setText("Text8", "65");
  shown = sets.open(spec(), flyback, flybackTexts, *shown);
  QCOMPARE(shown->texts.at("freq"), "65");
  QCOMPARE(shown->texts.at("d1"), "");
  QCOMPARE(sets.title(spec()), "磁件复核 — 反激变压器");
  shown = sets.open(spec(), forward, forwardTexts, *shown);
  QCOMPARE(shown->texts.at("d1"), "0.63");
  QCOMPARE(shown->texts.at("freq"), "20");
  sets.forget();
  QCOMPARE(sets.title(spec()), "磁件复核");
}

int main(int argc, char** argv) {
  TestWinding test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_winding.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The loop compensation window, headless. Expected texts were worked out from
// the formulas as written, in their order, with every earlier result taken
// back through its 15-digit text.
#include "calc_rows.h"

using namespace ombrel;

namespace {

// The nine outputs in the order they are written.
QStringList outputs(const QStringList& texts) {
  static const char* names[] = {"Text14", "Text15", "Text17", "Text16", "Text18",
                                "Text19", "Text12", "Text2",  "Text1"};
  QStringList written;
  for (qsizetype i = 0; i < texts.size(); ++i) written << QString("%1=%2").arg(names[i], texts[i]);
  return written;
}

const QStringList kDefaults = {"5.80166666666667", "10", "2.5", "0.135519718118986", "12.7187589773054",
                               "2.25866196864977", "1.17936034693048", "59.7781671933354",
                               "19.6560057821746"};

}  // namespace

void test::rows() {
  const auto row = [](const char* name, QStringList typed, QStringList texts, const char* fault = "") {
    QTest::newRow(name) << "Command1" << typed << outputs(texts) << fault;
  };
  // R3 is K read back as shown times R1: 59.7781671933354; the unrounded K
  // would give 59.7781671933353.
  row("defaults", {}, kDefaults);
  row("12 V 5 A at 65 kHz",
      {"Text3=380", "Text4=12", "Text6=65", "Text7=40", "Text8=4", "Text9=30", "Text10=5", "Text11=2200",
       "Text13=10"},
      {"14.2551578947368", "13", "2.4", "0.0301582706041305", "30.2388232514178", "2.41266164833044",
       "0.21826246164161", "302.388232514178", "17.4609969313288"});
  row("24 V 3 A at 100 kHz, 1.25 V reference",
      {"Text3=150", "Text4=24", "Text5=1.25", "Text6=100", "Text7=36", "Text8=6", "Text9=80", "Text10=3",
       "Text11=680", "Text13=22"},
      {"14.112", "20", "8", "0.0292712626451855", "48.4172335600906", "2.92712626451855",
       "0.0510712217718588", "1065.17913832199", "5.10712217718589"});

  // Rows that pin the order of each formula (tests/find_pins.py finds them
  // and names the reorderings). The gain: Ns taken first, the divisors
  // multiplied together (all three, or Np·Vref), Np before Vin, Vin before Ns,
  // or the square grouped with Ns; each gives another last digit in one of
  // these two rows, but ÷ Vref before ÷ Np gives the same text in both.
  row("gain: divisors one by one, Vin first",
      {"Text3=100", "Text4=19", "Text5=1.24", "Text6=65", "Text7=60", "Text8=6", "Text9=30", "Text10=5",
       "Text11=220", "Text13=22"},
      {"5.29112903225807", "13", "3.8", "0.190473288026087", "12.8991448864502", "24.1266164833044",
       "0.0232573556341035", "283.781187501904", "2.94593171365312"});
  row("gain: the square first, then Ns",
      {"Text3=310", "Text4=3.3", "Text5=1.25", "Text6=132", "Text7=40", "Text8=9", "Text9=20", "Text10=4.5",
       "Text11=470", "Text13=4.7"},
      {"54.6183232258065", "26.4", "0.733333333333333", "0.461999039041999", "1.0462235496274",
       "16.9399647648733", "1.91163733669757", "4.91725068324878", "70.0933690122442"});
  // Each of those reorderings of the gain, ÷ Vref before ÷ Np too, gives
  // 18.4640384024578; any other order or grouping of the ESR zero's divisors
  // 1.79258886400776, and of C1's 62.5560319909804.
  row("3.3 V 15 A from 350 V: gain, ESR zero and C1 in every order",
      {"Text3=350", "Text4=3.3", "Text5=1.24", "Text7=45", "Text10=15", "Text9=189"},
      {"18.4640384024577", "10", "0.22", "1.53999679680666", "0.351684710487586", "1.79258886400775",
       "53.7413183922512", "1.65291813929165", "62.5560319909803"});
  // The pole: 1000/6.28 folded, 6.28 moved first, Rload·Cout·6.28 as one
  // divisor or Cout·6.28 paired give ...636; dividing by Cout before Rload
  // gives ...516 below; Rload·Cout paired gives the same text in both.
  row("pole: 1000 over Rload, Cout, 6.28 in turn",
      {"Text3=100", "Text4=48", "Text5=2.5", "Text6=65", "Text7=40", "Text8=6", "Text9=30", "Text10=1.5",
       "Text11=680", "Text13=4.7"},
      {"1.6224", "13", "32", "0.00731781566129637", "1094.97435897436", "7.80567003871612",
       "0.00396395175498035", "5146.37948717949", "4.22821520531237"});
  row("pole: Rload before Cout",
      {"Text3=400", "Text4=48", "Text5=1.24", "Text6=100", "Text7=72", "Text8=5", "Text9=150", "Text10=2",
       "Text11=680", "Text13=33"},
      {"17.3476702508961", "20", "24", "0.00975708754839515", "118.159497520661", "1.56113400774322",
       "0.0261587866888875", "3899.26341818181", "4.18540587022199"});
  // Each of those reorderings of the pole, Rload·Cout paired too, gives
  // 0.0281477192305218; any other order or grouping of C2's four divisors
  // gives 0.778228141285468.
  row("12 V 7 A at 150 kHz: pole and C2 in every order",
      {"Text4=12", "Text10=7", "Text11=3300", "Text6=150", "Text13=3.3"},
      {"5.5296", "30", "1.71428571428571", "0.0281477192305219", "192.745535714285", "0.321688219777392",
       "0.778228141285469", "636.060267857141", "8.89403590040532"});
  // fc/(fp·G) or fc/G/fp give 4.51604550552797.
  row("added gain: fc over fp, then over G",
      {"Text3=400", "Text4=5", "Text5=1.25", "Text6=66", "Text7=45", "Text8=3", "Text9=30", "Text10=3",
       "Text11=680", "Text13=33"},
      {"20.8033333333333", "13.2", "1.66666666666667", "0.14050206069689", "4.51604550552798",
       "7.80567003871612", "0.136885648611184", "149.029501682423", "7.6047582561769"});
  // Any other order or grouping of 10⁶ over Cout, ESR and 6.28 gives
  // 6.77598590594932, except ÷ 6.28 ÷ ESR ÷ Cout (pinned by the 350 V row).
  row("ESR zero: 10^6 over Cout, ESR, 6.28 in turn", {"Text9=50"},
      {"5.80166666666667", "10", "2.5", "0.135519718118986", "12.7187589773054", "6.77598590594931",
       "0.393120115643492", "59.7781671933354", "19.6560057821746"});
  // Dividing by K or 6.28 first, by fz, R1, K, 6.28 in turn, by R1·K or by
  // all four at once gives 0.0186478566791247; keeping R1 first, the other
  // orders that start with fz, or 6.28·fz paired show the same text here
  // (the 150 kHz row pins every order).
  row("C2: 1000 over R1, K, 6.28, fz in turn",
      {"Text3=150", "Text4=3.3", "Text5=2.5", "Text6=100", "Text7=36", "Text8=4", "Text9=20", "Text10=2",
       "Text11=470", "Text13=33"},
      {"6.37656", "20", "1.65", "0.205332906240888", "15.2751326734164", "16.9399647648733",
       "0.0186478566791248", "504.079378222741", "1.5384481760278"});
  // Any other order of C1's three divisors, or all three at once, gives
  // 120.987896444953; fp·R3 or R3·6.28 paired shows the same text here
  // (the 350 V row pins them).
  row("C1: 1000 over fp, R3, 6.28 in turn",
      {"Text3=380", "Text4=5", "Text5=1.24", "Text6=65", "Text7=45", "Text8=7", "Text9=80", "Text10=3",
       "Text11=1000", "Text13=4.7"},
      {"46.4240237691002", "13", "1.66666666666667", "0.0955414012738851", "2.93095375238096",
       "1.99044585987261", "5.80741902935775", "13.7754826361905", "120.987896444954"});

  row("input below output: the gain keeps its sign", {"Text3=3"},
      {"0.0266666666666667", "10", "2.5", "0.135519718118986", "2767.125", "2.25866196864977",
       "0.00542078872475946", "13005.4875", "0.0903464787459911"});
  row("negative reference flips the signs", {"Text5=-2.5"},
      {"-5.80166666666667", "10", "2.5", "0.135519718118986", "-12.7187589773054", "2.25866196864977",
       "-1.17936034693048", "-59.7781671933354", "-19.6560057821746"});
  row("text typed into the outputs has no effect",
      {"Text14=1", "Text15=abc", "Text17=9", "Text16=7", "Text18=3", "Text19=2", "Text12=x", "Text2=5",
       "Text1=4"},
      kDefaults);
  row("units typed after the numbers", {"Text3=300V", "Text6=50kHz", "Text11=470uF"}, kDefaults);

  // Faults, at the step each input reaches first.
  row("zero input voltage", {"Text3=0"}, {}, "DivideByZero@Text14");
  row("empty primary turns", {"Text7="}, {}, "DivideByZero@Text14");
  row("zero reference", {"Text5=0"}, {}, "DivideByZero@Text14");
  row("zero input and output voltage", {"Text3=0", "Text4=0"}, {}, "InvalidOperation@Text14");
  row("input voltage beyond range", {"Text3=1e999"}, {}, "Overflow@Text14");
  // Vin, Vout, Ns, Np, Vref are read before the gain is computed.
  row("reference beyond range, zero input voltage", {"Text3=0", "Text5=1e999"}, {},
      "Overflow@Text14 reading Text5");
  row("primary turns and reference beyond range", {"Text5=1e999", "Text7=1e999"}, {},
      "Overflow@Text14 reading Text7");
  row("gain overflows", {"Text3=1e200"}, {}, "Overflow@Text14");
  row("zero output current", {"Text10=0"}, {"5.80166666666667", "10"}, "DivideByZero@Text17");
  row("zero output voltage", {"Text4=0"}, {"6", "10", "0"}, "DivideByZero@Text16");
  row("zero output capacitance", {"Text11=0"}, {"5.80166666666667", "10", "2.5"}, "DivideByZero@Text16");
  row("capacitance beyond range", {"Text11=1e999"}, {"5.80166666666667", "10", "2.5"}, "Overflow@Text16");
  row("zero secondary turns", {"Text8=0"}, {"0", "10", "2.5", "0.135519718118986"}, "DivideByZero@Text18");
  row("input equals output", {"Text4=300"}, {"0", "10", "150", "0.00225866196864977"},
      "DivideByZero@Text18");
  row("zero ESR", {"Text9=0"}, kDefaults.mid(0, 5), "DivideByZero@Text19");
  row("zero R1", {"Text13=0"}, kDefaults.mid(0, 6), "DivideByZero@Text12");
  row("zero switching frequency", {"Text6=0"},
      {"5.80166666666667", "0", "2.5", "0.135519718118986", "0", "2.25866196864977"},
      "DivideByZero@Text12");

  // A fault after a good run: the steps before it are fresh, the rest keep
  // the earlier run's texts (they are not written again).
  QTest::newRow("zero ESR after a good run")
      << "Command1; Text9=0; Command1" << QStringList{} << outputs(kDefaults) + outputs(kDefaults.mid(0, 5))
      << "DivideByZero@Text19";
  QTest::newRow("zero secondary turns after a good run")
      << "Command1; Text8=0; Command1" << QStringList{}
      << outputs(kDefaults) + outputs({"0", "10", "2.5", "0.135519718118986"}) << "DivideByZero@Text18";
  QTest::newRow("twice with the same inputs")
      << "Command1; Command1" << QStringList{} << outputs(kDefaults) + outputs(kDefaults) << "";
}

OMBREL_ROW_TEST("huanlu")
#include "moc_calc_rows.cpp"

// SPDX-License-Identifier: GPL-3.0-or-later
// The common-mode choke window, headless, and its inductance against the
// differential-mode window's.
#include <cmath>

#include "calc_rows.h"
#include "common/number.h"

using namespace ombrel;

class TestChamo : public QObject {
  Q_OBJECT

 private slots:
  void twiceTheDifferentialInductance_data();
  void twiceTheDifferentialInductance();
};

void test::rows() {
  const auto row = [](const char* name, QStringList typed, QStringList written, const char* fault = "") {
    QTest::newRow(name) << "Command1" << typed << written << fault;
  };
  row("defaults", {}, {"Text5=5.02377286301916", "Text6=2240.93765590225", "Text7=0.44832292470371"});
  row("100 kHz, -40 dB", {"Text1=100", "Text2=-40"},
      {"Text5=10", "Text6=1125.79617834395", "Text7=0.225227254299588"});
  // 10^(A × 0.025), 10^(1/40) raised to A, or (10^A)^(1/40) each give 8.47522526773652.
  row("order of the corner", {"Text1=60", "Text2=-34", "Text4=0.5"},
      {"Text5=8.47522526773653", "Text6=939.41850369445", "Text7=0.37576740147778"});
  // Dividing by 3.14 × fc in one or by fc first, multiplying by 1000 last,
  // folding 1000 ÷ 3.14 or the unrounded corner each give 3794.56163084848;
  // R × 1000 or ζ × 1000 taken first show the same text as the written order.
  row("order of the inductance", {"Text1=20", "Text2=-36", "Text4=0.6"},
      {"Text5=2.51785082358833", "Text6=3794.56163084849", "Text7=1.05404489745791"});
  // Each of those, R × 1000 and ζ × 1000 first too, gives 5242.18145197731
  // (found with tests/find_pins.py; ζ·R and R·ζ are the same product).
  row("order of the inductance, R × 1000 first", {"Text2=-44", "Text4=0.523"},
      {"Text5=1.58865646944856", "Text6=5242.18145197732", "Text7=1.91649932986166"});
  // One divisor 4 × 3.14 × 3.14 × fc × fc × L, folding 39.4384 or 9.8596,
  // dividing by fc × fc in one, by L first, or the unrounded corner or
  // inductance each give 8.3924566352664; dividing by L between the two
  // corners shows the same text as the written order here.
  row("order of the capacitance", {"Text1=20", "Text2=-60", "Text3=25", "Text4=0.6"},
      {"Text5=0.632455532033676", "Text6=7553.21097173976", "Text7=8.39245663526639"});
  // Each of those, L between the corners too, and dividing by fc × fc × L in
  // one or by 3.14 × 3.14 in one give 0.0799083113410787, the unrounded
  // corner 0.0799083113410789 (found with tests/find_pins.py). Dividing by 4
  // first gives the same double on every input: ÷ 4 is exact.
  row("order of the capacitance, L between the corners", {"Text1=132", "Text4=0.601"},
      {"Text5=33.1569008959265", "Text6=288.62961964709", "Text7=0.0799083113410786"});
  row("corner above fs", {"Text2=24"},
      {"Text5=79.6214341106994", "Text6=141.393607251375", "Text7=0.0282872642040648"});
  row("no attenuation", {"Text2=0"}, {"Text5=20", "Text6=562.898089171975", "Text7=0.112613627149794"});
  row("negative switching frequency", {"Text1=-20"},
      {"Text5=-5.02377286301916", "Text6=-2240.93765590225", "Text7=-0.44832292470371"});
  row("typed outputs are overwritten", {"Text5=1", "Text6=x", "Text7=7"},
      {"Text5=5.02377286301916", "Text6=2240.93765590225", "Text7=0.44832292470371"});

  row("no switching frequency", {"Text1=0"}, {"Text5=0"}, "DivideByZero@Text6");
  row("no switching frequency, no impedance", {"Text1=", "Text3=0"}, {"Text5=0"}, "InvalidOperation@Text6");
  row("no damping", {"Text4=0"}, {"Text5=5.02377286301916", "Text6=0"}, "DivideByZero@Text7");
  row("no test impedance", {"Text3="}, {"Text5=5.02377286301916", "Text6=0"}, "DivideByZero@Text7");
  row("huge attenuation wanted", {"Text2=-1e5"}, {"Text5=0"}, "DivideByZero@Text6");
  row("huge gain overflows", {"Text2=1e5"}, {}, "Overflow@Text5");
  row("attenuation beyond range", {"Text2=1e999"}, {}, "Overflow@Text5");
  row("capacitance overflows", {"Text2=-1e4"}, {"Text5=2E-249", "Text6=5.62898089171975E+252"},
      "Overflow@Text7");
}

// The same inputs in both choke windows: the corner texts agree, and the
// common-mode inductance is twice the differential one up to the rounding of
// its last digit (the two formulas differ only by the exact factor 0.5).
void TestChamo::twiceTheDifferentialInductance_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("differential");
  QTest::addColumn<QString>("commonMode");
  QTest::newRow("defaults, last digit rounds up") << QStringList{} << "1120.46882795112" << "2240.93765590225";
  QTest::newRow("100 kHz, exactly twice") << QStringList{"Text1=100", "Text2=-40"} << "562.898089171975"
                                          << "1125.79617834395";
  QTest::newRow("no attenuation, last digit rounds up") << QStringList{"Text2=0"} << "281.449044585987"
                                                        << "562.898089171975";
  QTest::newRow("65 kHz, twice drops a digit") << QStringList{"Text1=65", "Text2=-28", "Text3=100", "Text4=0.8"}
                                               << "982.238576437576" << "1964.47715287515";
  QTest::newRow("corner of 2.5 kHz") << QStringList{"Text1=20", "Text2=-36", "Text4=0.6"} << "1897.28081542424"
                                     << "3794.56163084849";
  QTest::newRow("corner of 0.63 kHz") << QStringList{"Text1=20", "Text2=-60", "Text3=25", "Text4=0.6"}
                                      << "3776.60548586988" << "7553.21097173976";
}

void TestChamo::twiceTheDifferentialInductance() {
  QFETCH(QStringList, typed);
  QFETCH(QString, differential);
  QFETCH(QString, commonMode);
  const auto inductance = [&](const char* window, QString& corner) {
    const WindowSpec& spec = *windowSpec(window);
    FieldStore fields(spec);
    for (const QString& t : typed) fields.setText(t.section('=', 0, 0).toStdString(), t.section('=', 1).toStdString());
    const std::optional<Fault> fault = press(*spec.find("Command1"), fields);
    if (fault) QTest::qFail(qPrintable(QString(window) + " faulted"), __FILE__, __LINE__);
    corner = QString::fromStdString(fields.text("Text5"));
    return QString::fromStdString(fields.text("Text6"));
  };
  QString dmCorner, cmCorner;
  const QString dm = inductance("gongm", dmCorner);
  const QString cm = inductance("chamo", cmCorner);
  QCOMPARE(dm, differential);
  QCOMPARE(cm, commonMode);
  QCOMPARE(cmCorner, dmCorner);
  // Within one unit of the 15th significant digit of the common-mode text:
  // the two texts are whole multiples of that unit (or of a tenth of it), so
  // half a unit of slack covers the rounding of this check's own doubles.
  const double twice = 2 * NumberFromText(dm.toStdString()), shown = NumberFromText(cm.toStdString());
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(shown))) - 14);
  QVERIFY2(std::fabs(shown - twice) <= 1.5 * unit, qPrintable(cm + " is not twice " + dm));
}

OMBREL_ROW_TEST("chamo", TestChamo)
#include "moc_calc_rows.cpp"
#include "test_chamo.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The lists of parts a field can be filled from, headless: the data file of
// cores as shipped (complete rows, no name twice, le × Ae within 15 % of Ve,
// figures checked against their datasheets), the rules of the data file, and
// the wire series.
#include <QFile>
#include <QtTest>
#include <cmath>

#include "common/number.h"
#include "exact.h"
#include "parts/materials.h"
#include "parts/parts.h"
#include "parts/shipped.h"

using namespace ombrel;

class TestParts : public QObject {
  Q_OBJECT

 private slots:
  void dataFile();
  void dataFileFigures_data();
  void dataFileFigures();
  void dataFileRules_data();
  void dataFileRules();
  void wires();
  void significant_data();
  void significant();
  void materials();
  void materialLines_data();
  void materialLines();
};

namespace {

CoreTable shipped() {
  QFile file(QStringLiteral(OMBREL_CORES_CSV));
  if (!file.open(QIODevice::ReadOnly)) return {{}, {"cannot read " OMBREL_CORES_CSV}};
  return parseCores(file.readAll().toStdString());
}

}  // namespace

// Every line reads; every family of the menu but PQ has parts; each part's
// effective volume agrees with le × Ae, which catches a typed digit.
void TestParts::dataFile() {
  const CoreTable table = shipped();
  QCOMPARE(QString::fromStdString(table.errors.empty() ? "" : table.errors.front()), QString());
  QVERIFY(table.cores.size() >= 16);
  QStringList families;
  for (const Core& core : table.cores) {
    if (!families.contains(QString::fromStdString(core.family))) families << QString::fromStdString(core.family);
    const double ratio = core.le * core.ae / core.ve;
    QVERIFY2(ratio > 0.85 && ratio < 1.15, (core.name + ": le × Ae is not Ve").c_str());
    QVERIFY2(core.source.find(' ') != std::string::npos, (core.name + ": no source named").c_str());
  }
  QCOMPARE(families, (QStringList{"EE", "EI", "EFD", "ETD", "RM", "EP"}));
}

// Parts looked up in the datasheet the row names.
void TestParts::dataFileFigures_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("figures");  // Ae le Ve
  QTest::newRow("ETD29, Ferroxcube 2008") << "ETD29" << "76 72 5470";
  QTest::newRow("RM10 without centre hole, EPCOS 2017") << "RM10/I" << "98 44 4310";
  QTest::newRow("ETD34, TDK 2022") << "ETD34" << "97.1 78.6 7630";
}

void TestParts::dataFileFigures() {
  QFETCH(QString, name);
  QFETCH(QString, figures);
  const CoreTable table = shipped();  // held: a range-for keeps no temporary's member alive
  for (const Core& core : table.cores)
    if (core.name == name.toStdString()) {
      QCOMPARE(QString("%1 %2 %3").arg(core.ae).arg(core.le).arg(core.ve), figures);
      QCOMPARE(QString::fromStdString(coreEntry(core).label), name + "\tAe " + figures.section(' ', 0, 0) + " mm²");
      return;
    }
  QFAIL("not in the data file");
}

// One line after the header: the cores read from it, or the error.
void TestParts::dataFileRules_data() {
  QTest::addColumn<QString>("line");
  QTest::addColumn<QString>("expected");  // name|Ae|source, or the error
  QTest::newRow("quoted comma") << "A1,EE,12.4,29.7,369,\"Maker, \"\"E13\"\" 2008\",u" << "A1|12.4|Maker, \"E13\" 2008";
  QTest::newRow("no url") << "A1,EP,1,2,3,s" << "A1|1|s";
  QTest::newRow("field missing") << "A1,EE,12.4,29.7,369" << "line 2: A1: fields missing";
  QTest::newRow("empty figure") << "A1,EE,12.4,,369,s,u" << "line 2: A1: le is no figure";
  QTest::newRow("comma decimal") << "A1,EE,12,4,29.7,369,s,u" << "line 2: A1: fields beyond the url";
  QTest::newRow("zero") << "A1,EE,0,29.7,369,s,u" << "line 2: A1: Ae is no figure";
  QTest::newRow("unit typed") << "A1,EE,12.4mm2,29.7,369,s,u" << "line 2: A1: Ae is no figure";
  QTest::newRow("beyond the double range") << "A1,EE,1" + QString(309, '0') + ",29.7,369,s,u"
                                           << "line 2: A1: Ae is no figure";
  QTest::newRow("family") << "A1,UU,12.4,29.7,369,s,u" << "line 2: A1: no such family";
  QTest::newRow("twice") << "A1,EE,1,2,3,s\r\nA1,EI,1,2,3,s" << "A1|1|s;line 3: A1: named twice";
}

void TestParts::dataFileRules() {
  QFETCH(QString, line);
  QFETCH(QString, expected);
  const CoreTable table = parseCores(("name,family,ae_mm2,le_mm,ve_mm3,source,url\n" + line).toStdString());
  QStringList got;
  for (const Core& c : table.cores) got << QString::fromStdString(c.name + "|" + coreEntry(c).text + "|" + c.source);
  for (const std::string& e : table.errors) got << QString::fromStdString(e);
  QCOMPARE(got.join(';'), expected);
}

// The IEC series whole; AWG from its definition, worked out in Python
// ("%.4g" % (0.127 * 92 ** ((36 - n) / 39))).
// Figures to so many significant digits, rounded from the double itself:
// 1.125 is exact, a tie, and goes to the even digit.
void TestParts::significant_data() {
  QTest::addColumn<double>("value");
  QTest::addColumn<int>("digits");
  QTest::addColumn<QString>("expected");
  QTest::newRow("up") << 64.2643 << 3 << "64.3";
  QTest::newRow("zeros written") << 2397.4 << 3 << "2400";
  QTest::newRow("carried into the next decade") << 0.99951 << 3 << "1";
  QTest::newRow("down") << 12.449 << 3 << "12.4";
  QTest::newRow("small") << 0.000123456 << 3 << "0.000123";
  QTest::newRow("exponent") << 1.23456e-7 << 3 << "1.23E-07";
  QTest::newRow("large") << 1234567890123456789.0 << 3 << "1.23E+18";
  QTest::newRow("exact tie") << 1.125 << 3 << "1.12";
  QTest::newRow("AWG24") << 0.51064 << 4 << "0.5106";
}

void TestParts::significant() {
  QFETCH(double, value);
  QFETCH(int, digits);
  QFETCH(QString, expected);
  QCOMPARE(QString::fromStdString(significantFigures(value, digits)), expected);
}

void TestParts::wires() {
  QStringList iec;
  for (const PartEntry& w : iecWires()) iec << QString::fromStdString(w.label + "=" + w.text);
  QCOMPARE(iec.join(' '),
           "0.100 mm=0.1 0.112 mm=0.112 0.125 mm=0.125 0.140 mm=0.14 0.160 mm=0.16 0.180 mm=0.18 0.200 mm=0.2 "
           "0.224 mm=0.224 0.250 mm=0.25 0.280 mm=0.28 0.315 mm=0.315 0.355 mm=0.355 0.400 mm=0.4 0.450 mm=0.45 "
           "0.500 mm=0.5 0.560 mm=0.56 0.630 mm=0.63 0.710 mm=0.71 0.800 mm=0.8 0.900 mm=0.9 1.000 mm=1 "
           "1.120 mm=1.12 1.250 mm=1.25 1.400 mm=1.4 1.600 mm=1.6 1.800 mm=1.8 2.000 mm=2 2.240 mm=2.24 "
           "2.500 mm=2.5");
  QStringList awg;
  for (const PartEntry& w : awgWires()) {
    QCOMPARE(QString::fromStdString(w.label), QString::fromStdString(w.label.substr(0, w.label.find('\t')) + "\t" +
                                                                     w.text + " mm"));
    awg << QString::fromStdString(w.label.substr(0, w.label.find('\t')) + "=" + w.text);
  }
  QCOMPARE(awg.join(' '),
           "AWG10=2.588 AWG11=2.305 AWG12=2.053 AWG13=1.828 AWG14=1.628 AWG15=1.45 AWG16=1.291 AWG17=1.15 "
           "AWG18=1.024 AWG19=0.9116 AWG20=0.8118 AWG21=0.7229 AWG22=0.6438 AWG23=0.5733 AWG24=0.5106 "
           "AWG25=0.4547 AWG26=0.4049 AWG27=0.3606 AWG28=0.3211 AWG29=0.2859 AWG30=0.2546 AWG31=0.2268 "
           "AWG32=0.2019 AWG33=0.1798 AWG34=0.1601 AWG35=0.1426 AWG36=0.127 AWG37=0.1131 AWG38=0.1007 "
           "AWG39=0.08969 AWG40=0.07987");
}

// The power ferrites as shipped: every line read, in the file's order, the
// figures as the file gives them, saturation sorted by temperature (3C90's
// stands 100 ℃ first), and the frequency ranges each loss formula holds.
void TestParts::materials() {
  const CoreMaterialTable table = parseCoreMaterials(shippedCoreMaterials());
  QCOMPARE(table.errors, std::vector<std::string>());
  QCOMPARE(table.materials.size(), std::size_t(22));
  QCOMPARE(table.materials.front().label(), "TDK N87");
  QCOMPARE(table.materials.back().label(), "TDG TD3");
  const CoreMaterial& n87 = *standardMaterial("TDK N87");
  QCOMPARE(n87.ranges.size(), std::size_t(3));
  QCOMPARE_BITS(n87.ranges[1].minimumHz, 150000.0);
  QCOMPARE_BITS(n87.ranges[0].k, 1.0500401833658675);
  QCOMPARE_BITS(atTemperature(n87.saturation, 100), 0.38980000000000004);
  QCOMPARE_BITS(atTemperature(n87.saturation, 62.5), 0.49525 + (0.38980000000000004 - 0.49525) * 37.5 / 75);
  QCOMPARE_BITS(atTemperature(n87.saturation, -40), 0.49525);
  const CoreMaterial& c90 = *standardMaterial("Ferroxcube 3C90");
  QCOMPARE_BITS(c90.saturation.front().temperature, 25.0);
  QVERIFY(!standardMaterial("N87"));
  QVERIFY(!steinmetzRange(n87, 0.5) && !steinmetzRange(n87, 1e9));
  QCOMPARE(steinmetzRange(n87, 150000), &n87.ranges[1]);
  QCOMPARE(QString::fromStdString(materialTip(n87)), "TDK N87：初始磁导率 2308（25 ℃）；饱和磁通密度 0.4953 T（25 ℃），0.3898 T（100 ℃）；"
                             "损耗数据 0.001～150 kHz，150～1000 kHz，1000～1000000 kHz");
}

// Lines the reader leaves out, each named; others skipped whatever they hold.
void TestParts::materialLines_data() {
  QTest::addColumn<QString>("line");
  QTest::addColumn<QString>("expected");  // the label, or the error
  const QString sat = R"("saturation": [{"magneticFluxDensity": 0.5, "temperature": 25}])";
  const QString ranges = R"("volumetricLosses": {"default": [{"method": "roshen"}, {"method": "steinmetz", "ranges": )"
                         R"([{"minimumFrequency": 1, "maximumFrequency": 2, "k": 1, "alpha": 1, "beta": 2, "ct0": 1, "ct1": 0, "ct2": 0}]}]})";
  const QString who = R"({"name": "X", "manufacturerInfo": {"name": "Y", "extra": [1, {"a": null}]}, )";
  QTest::newRow("whole") << who + sat + ", " + ranges + "}" << "Y X";
  QTest::newRow("no saturation") << who + ranges + "}" << "line 1: Y X: no saturation points";
  QTest::newRow("no Steinmetz") << who + sat + "}" << "line 1: Y X: no Steinmetz ranges";
  QTest::newRow("a range short") << who + sat + ", " + QString(ranges).replace(R"(, "ct2": 0)", "") + "}"
                                 << "line 1: Y X: a Steinmetz range without ct2";
  QTest::newRow("a point short") << who + R"("saturation": [{"magneticFluxDensity": 0.5}]})"
                                 << "line 1: Y X: saturation: a point without temperature";
  QTest::newRow("no name") << R"({"manufacturerInfo": {"name": "Y"}})" << "line 1: no name or maker";
  QTest::newRow("cut short") << who + sat << "line 1: Y X: bad JSON at byte 140";
  QTest::newRow("a figure beyond the range") << who + R"("saturation": [{"magneticFluxDensity": 1e999, "temperature": 25}]})"
                                             << "line 1: Y X: bad JSON at byte 116";
}

void TestParts::materialLines() {
  QFETCH(QString, line);
  QFETCH(QString, expected);
  const std::string text = "\n" + line.toStdString() + "\n";
  const CoreMaterialTable t = parseCoreMaterials(std::string_view(text).substr(1));
  QCOMPARE(t.materials.empty() ? QString::fromStdString(t.errors.at(0)) : QString::fromStdString(t.materials[0].label()),
           expected);
}

QTEST_APPLESS_MAIN(TestParts)
#include "test_parts.moc"

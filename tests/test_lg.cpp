// The inductor air-gap window, headless: its table's texts and its calculation.
#include <QtTest>

#include "app/registry.h"
#include "common/calc.h"

using namespace ombrel;

Q_DECLARE_METATYPE(ombrel::FaultKind)

class TestLg : public QObject {
  Q_OBJECT

 private slots:
  void designTexts();
  void gap_data();
  void gap();
  void faults_data();
  void faults();

 private:
  const WindowSpec& spec() { return *windowSpec("lg"); }
};

void TestLg::designTexts() {
  QVERIFY(windowSpec("lg"));
  QCOMPARE(QString::fromStdString(spec().caption), "电感气隙计算");
  FieldStore f(spec());
  QCOMPARE(f.text("Text1"), "20");
  QCOMPARE(f.text("Text2"), "144");
  QCOMPARE(f.text("Text3"), "560");
  QCOMPARE(f.text("Text4"), "");
  QCOMPARE(spec().captionOf("Text1"), "圈数");
  QCOMPARE(spec().captionOf("Text2"), "有效截面积（mm2）");
  QCOMPARE(spec().captionOf("Text3"), "电感量(uH)");
  QCOMPARE(spec().captionOf("Text4"), "气隙(mm)");
  QCOMPARE(spec().find("Command1")->text, "计算");
  QCOMPARE(spec().find("Command2")->text, "返回");
}

void TestLg::gap_data() {
  QTest::addColumn<QString>("turns");
  QTest::addColumn<QString>("area");
  QTest::addColumn<QString>("inductance");
  QTest::addColumn<QString>("gap");

  QTest::newRow("defaults") << "20" << "144" << "560" << "0.130628571428571";
  QTest::newRow("unit typed after inductance") << "20" << "144" << "560uH" << "0.130628571428571";
  QTest::newRow("blanks around turns") << " 2 0 " << "144" << "560" << "0.130628571428571";
  QTest::newRow("negative turns enter squared") << "-20" << "144" << "560" << "0.130628571428571";
  QTest::newRow("negative area") << "20" << "-144" << "560" << "-0.130628571428571";
  QTest::newRow("negative inductance") << "20" << "144" << "-560" << "-0.130628571428571";
  QTest::newRow("empty turns") << "" << "144" << "560" << "0";
  QTest::newRow("empty area") << "20" << "" << "560" << "0";
  QTest::newRow("rounded at 15 digits") << "3" << "2.5" << "0.5" << "0.05715";
  QTest::newRow("exact result") << "7" << "83" << "1" << "5.16509";
  QTest::newRow("underflow shows 0") << "1e-200" << "1" << "1" << "0";
  QTest::newRow("hex turns") << "&H14" << "144" << "560" << "0.130628571428571";
}

void TestLg::gap() {
  QFETCH(QString, turns);
  QFETCH(QString, area);
  QFETCH(QString, inductance);
  QFETCH(QString, gap);
  FieldStore f(spec());
  f.setText("Text1", turns.toStdString());
  f.setText("Text2", area.toStdString());
  f.setText("Text3", inductance.toStdString());
  QVERIFY(!press(*spec().find("Command1"), f));
  QCOMPARE(QString::fromStdString(f.text("Text4")), gap);
  // The inputs are never written.
  QCOMPARE(QString::fromStdString(f.text("Text1")), turns);
  QCOMPARE(QString::fromStdString(f.text("Text3")), inductance);
}

void TestLg::faults_data() {
  QTest::addColumn<QString>("turns");
  QTest::addColumn<QString>("inductance");
  QTest::addColumn<FaultKind>("kind");

  QTest::newRow("empty inductance") << "20" << "" << FaultKind::DivideByZero;
  QTest::newRow("zero inductance") << "20" << "0" << FaultKind::DivideByZero;
  QTest::newRow("inductance not a number") << "20" << "uH560" << FaultKind::DivideByZero;
  QTest::newRow("zero over zero") << "0" << "0" << FaultKind::InvalidOperation;
  QTest::newRow("inductance beyond range") << "20" << "1e999" << FaultKind::Overflow;
  QTest::newRow("turns beyond range") << "-1e999" << "560" << FaultKind::Overflow;
  QTest::newRow("product overflows") << "1e200" << "560" << FaultKind::Overflow;
}

void TestLg::faults() {
  QFETCH(QString, turns);
  QFETCH(QString, inductance);
  QFETCH(FaultKind, kind);
  FieldStore f(spec());
  f.setText("Text4", "0.5");  // an earlier result stays
  f.setText("Text1", turns.toStdString());
  f.setText("Text3", inductance.toStdString());
  const std::optional<Fault> fault = press(*spec().find("Command1"), f);
  QVERIFY(fault);
  QCOMPARE(fault->kind, kind);
  QCOMPARE(fault->output, "Text4");
  QCOMPARE(f.text("Text4"), "0.5");
  const QString message = QString::fromStdString(faultMessage(spec(), *fault));
  QVERIFY2(message.contains("气隙(mm)"), qPrintable(message));
}

QTEST_APPLESS_MAIN(TestLg)
#include "test_lg.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules: field text to double and double to field text.
#include <QtTest>
#include <cmath>
#include <limits>
#include <string>

#include "common/number.h"
#include "exact.h"

using ombrel::NumberFromText;
using ombrel::TextFromNumber;
using ombrel::IsPlainNumber;

class TestNumber : public QObject {
  Q_OBJECT

 private slots:
  void numberFromText_data();
  void numberFromText();
  void numberFromTextBeyondRange_data();
  void numberFromTextBeyondRange();
  void textFromNumber_data();
  void textFromNumber();
  void roundTripThroughText_data();
  void roundTripThroughText();
  void plainNumber_data();
  void plainNumber();
};

void TestNumber::numberFromText_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<double>("expected");

  QTest::newRow("empty") << "" << 0.0;
  QTest::newRow("letters") << "abc" << 0.0;
  QTest::newRow("two leading blanks") << "  12" << 12.0;
  QTest::newRow("unit after number") << "12V" << 12.0;
  QTest::newRow("watts") << "20W" << 20.0;
  QTest::newRow("blank inside") << "1 000" << 1000.0;
  QTest::newRow("minus") << "-3" << -3.0;
  QTest::newRow("plus") << "+2.5" << 2.5;
  QTest::newRow("leading point") << ".5" << 0.5;
  QTest::newRow("comma is no separator") << "1,5" << 1.0;
  QTest::newRow("exponent") << "1.5e3" << 1500.0;
  QTest::newRow("negative exponent") << "2E-3" << 0.002;
  QTest::newRow("hex") << "&H10" << 16.0;
  QTest::newRow("octal") << "&O17" << 15.0;
  QTest::newRow("second point ends number") << "1.2.3" << 1.2;
  QTest::newRow("tabs and line feeds dropped") << "\t1\n2 .\t5" << 12.5;
  QTest::newRow("lower-case hex") << "&hff" << 255.0;
  QTest::newRow("hex stops at non-digit") << "&H1fz9" << 31.0;
  QTest::newRow("octal stops at 8") << "&O178" << 15.0;
  // Wider than 53 bits: rounded once, to the same double as the decimal
  // spelling of the exact value.
  QTest::newRow("wide hex rounds up") << "&H200000000000018" << 144115188075855896.0;
  QTest::newRow("wide hex, tie to even") << "&H20000000000001" << 9007199254740993.0;
  QTest::newRow("wide hex, all ones") << "&HFFFFFFFFFFFFFFFF" << 18446744073709551615.0;
  QTest::newRow("wide octal") << ("&O" + QString(30, '7')) << 1237940039285380274899124223.0;
  QTest::newRow("hex without digits") << "&H" << 0.0;
  QTest::newRow("unknown prefix") << "&X10" << 0.0;
  QTest::newRow("sign before prefix") << "-&H10" << 0.0;
  QTest::newRow("lone sign") << "-" << 0.0;
  QTest::newRow("two signs") << "--3" << 0.0;
  QTest::newRow("lone point") << "." << 0.0;
  QTest::newRow("trailing point") << "5." << 5.0;
  QTest::newRow("exponent letter without digits") << "12E" << 12.0;
  QTest::newRow("exponent sign without digits") << "12e+" << 12.0;
  QTest::newRow("exponent with plus") << "1e+3" << 1000.0;
  QTest::newRow("point ends exponent") << "1.5e3.2" << 1500.0;
  QTest::newRow("D exponent") << "1.5D2" << 150.0;
  QTest::newRow("leading uH text") << "560uH" << 560.0;
  QTest::newRow("full-width digits are no digits") << "１２" << 0.0;
  QTest::newRow("correctly rounded") << "0.1000000000000000055511151231257827" << 0.1;
  QTest::newRow("many digits") << "123456789012345678901234567890" << 1.2345678901234568e29;
  QTest::newRow("zero with huge exponent") << "0e999" << 0.0;
  QTest::newRow("below the smallest double") << "1e-999" << 0.0;
  QTest::newRow("tiny fraction") << ("0." + QString(400, '0') + "1") << 0.0;
  QTest::newRow("smallest subnormal") << "4.9406564584124654e-324" << 4.9406564584124654e-324;
  QTest::newRow("largest double") << "1.7976931348623157e308" << 1.7976931348623157e308;
}

void TestNumber::numberFromText() {
  QFETCH(QString, text);
  QFETCH(double, expected);
  QCOMPARE_BITS(NumberFromText(text.toStdString()), expected);
}

void TestNumber::numberFromTextBeyondRange_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<double>("expected");
  const double inf = std::numeric_limits<double>::infinity();
  QTest::newRow("1e999") << "1e999" << inf;
  QTest::newRow("-1e999") << "-1e999" << -inf;
  QTest::newRow("400 digits") << QString(400, '9') << inf;
  QTest::newRow("just above the largest double") << "1.8e308" << inf;
  QTest::newRow("huge exponent digits") << "2e99999999999999999999" << inf;
  QTest::newRow("fraction with huge exponent") << "0.001e999" << inf;
  QTest::newRow("long hex") << ("&H" + QString(300, 'F')) << inf;
  QTest::newRow("the largest double as shown") << "1.79769313486232E+308" << inf;
}

void TestNumber::numberFromTextBeyondRange() {
  QFETCH(QString, text);
  QFETCH(double, expected);
  QCOMPARE_BITS(NumberFromText(text.toStdString()), expected);
}

void TestNumber::textFromNumber_data() {
  QTest::addColumn<double>("value");
  QTest::addColumn<QString>("expected");

  QTest::newRow("zero") << 0.0 << "0";
  QTest::newRow("negative zero") << -0.0 << "0";
  QTest::newRow("three") << 3.0 << "3";
  QTest::newRow("two and a half") << 2.50 << "2.5";
  QTest::newRow("negative") << -2.5 << "-2.5";
  QTest::newRow("half") << 0.5 << "0.5";
  QTest::newRow("one third") << 1.0 / 3 << "0.333333333333333";
  QTest::newRow("two thirds") << 2.0 / 3 << "0.666666666666667";
  QTest::newRow("gap example") << 0.1306285714285714 << "0.130628571428571";
  QTest::newRow("15 digits stay plain") << 123456789012345.0 << "123456789012345";
  QTest::newRow("16 digits go to exponent") << 1234567890123456.0 << "1.23456789012346E+15";
  QTest::newRow("1e15") << 1e15 << "1E+15";
  QTest::newRow("rounding carries into 1e15") << 999999999999999.9 << "1E+15";
  QTest::newRow("largest plain") << 999999999999999.0 << "999999999999999";
  QTest::newRow("0.0001 stays plain") << 0.0001 << "0.0001";
  // The double just below 0.0001 rounds up to it: the switch to exponent
  // form is judged on the rounded value, not the raw one.
  QTest::newRow("rounds up to 0.0001") << std::nextafter(1e-4, 0.0) << "0.0001";
  QTest::newRow("0.00001 in exponent form") << 0.00001 << "1E-05";
  QTest::newRow("small with mantissa") << 1.5e-7 << "1.5E-07";
  QTest::newRow("negative small") << -1.5e-7 << "-1.5E-07";
  QTest::newRow("three exponent digits") << 1e-300 << "1E-300";
  // Correctly rounded, even where the text reads back beyond the range.
  QTest::newRow("largest double") << 1.7976931348623157e308 << "1.79769313486232E+308";
  QTest::newRow("largest double, negative") << -1.7976931348623157e308 << "-1.79769313486232E+308";
  // The double nearest 1.797693134862315e308 lies below it; the next one up rounds up.
  QTest::newRow("top sliver starts") << std::nextafter(1.797693134862315e308, HUGE_VAL) << "1.79769313486232E+308";
  QTest::newRow("below the top sliver") << 1.797693134862315e308 << "1.79769313486231E+308";
  QTest::newRow("smallest subnormal") << 4.9406564584124654e-324 << "4.94065645841247E-324";
  QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
  QTest::newRow("read-back gap") << 0.05714999999999999 << "0.05715";
  QTest::newRow("trailing zeros in integer") << 1200.0 << "1200";
  QTest::newRow("fraction below 1") << 0.0123 << "0.0123";
  // Exact binary ties at the 16th digit go to the even neighbour.
  QTest::newRow("tie to even, plain down") << 123456789012346.5 << "123456789012346";
  QTest::newRow("tie to even, plain up") << 123456789012345.5 << "123456789012346";
  QTest::newRow("tie to even, exponent down") << 1000000000000005.0 << "1E+15";
  QTest::newRow("tie to even, exponent up") << 1000000000000015.0 << "1.00000000000002E+15";
  QTest::newRow("just above a tie") << 0.12345678901234551 << "0.123456789012346";
  // Just below a tie at the 16th digit: the exact binary values are
  // 0.12345678901234549695..., 123.45678901234549584... and 9.99999999999999467...
  // Rounding a 17-digit or shortest text again would carry the last digit up.
  QTest::newRow("just below a tie") << 0.1234567890123455 << "0.123456789012345";
  QTest::newRow("just below a tie, integer part") << 123.4567890123455 << "123.456789012345";
  QTest::newRow("just below a tie, no carry to 10") << 9.999999999999995 << "9.99999999999999";
  QTest::newRow("infinity never written") << std::numeric_limits<double>::infinity() << "inf";
}

void TestNumber::textFromNumber() {
  QFETCH(double, value);
  QFETCH(QString, expected);
  QCOMPARE(QString::fromStdString(TextFromNumber(value)), expected);
}

// What a field shows reads back as the same 15-digit value.
// A read-back works with the 15-digit value as shown.
void TestNumber::roundTripThroughText_data() {
  QTest::addColumn<double>("value");
  QTest::addColumn<double>("back");
  QTest::newRow("one third") << 1.0 / 3 << 0.333333333333333;
  QTest::newRow("huge") << 1.2345678901234567e300 << 1.23456789012346e300;
  QTest::newRow("tiny") << -9.87654321098765e-250 << -9.87654321098765e-250;
  QTest::newRow("integer") << 42.0 << 42.0;
  QTest::newRow("flyback inductance") << 5486.342623999991 << 5486.34262399999;
  QTest::newRow("below the top sliver") << 1.797693134862314e308 << 1.79769313486231e308;
}

void TestNumber::roundTripThroughText() {
  QFETCH(double, value);
  QFETCH(double, back);
  const std::string shown = TextFromNumber(value);
  QCOMPARE_BITS(NumberFromText(shown), back);
  QCOMPARE(TextFromNumber(back), shown);
}

// Which texts are plainly a number; the rest read by the rules above.
void TestNumber::plainNumber_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("plain");
  for (const char* text : {"144", " 144 ", "\t-0.5\r\n", "1.5E-07", "+.5", "5.", "1e999", "0e+0"})
    QTest::newRow(text) << text << true;
  for (const char* text : {"", "  ", "abc", "20abc", "1,5", "1 000", "&H10", "1.5D2", "12E", "1e+", "１２", ".", "-",
                           "+-1", "1.2.3", "inf", "nan", "25\t12\n0.8"})
    QTest::newRow(text) << QString::fromUtf8(text) << false;
  QTest::newRow("a whole text box of digits") << QString(32767, '9') << true;
  QTest::newRow("a whole text box, one letter at the end") << QString(32766, '9') + "x" << false;
}

void TestNumber::plainNumber() {
  QFETCH(QString, text);
  QFETCH(bool, plain);
  QCOMPARE(IsPlainNumber(text.toStdString()), plain);
}

QTEST_APPLESS_MAIN(TestNumber)
#include "test_number.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// "取自", headless: which fields of which windows an input is offered, from
// the windows' texts after their 计算 (or their design texts).
#include <QtTest>
#include <list>

#include "app/registry.h"
#include "common/calc.h"
#include "common/marks.h"
#include "common/offers.h"

using namespace ombrel;

class TestOffers : public QObject {
  Q_OBJECT

 private slots:
  void offers_data();
  void offers();
};

// Each row: the input ("window.field"), the other windows (a trailing "+"
// presses their first 计算 after typing, "++" also before it; "=" types a
// text), and the offers as "caption: label | label; caption: ...".
void TestOffers::offers_data() {
  QTest::addColumn<QString>("input");
  QTest::addColumn<QStringList>("others");
  QTest::addColumn<QString>("expected");
  // Turns, never the flux density in T; the flyback's results only once computed.
  QTest::newRow("turns") << "lg.Text1" << QStringList{"FlybackForm+", "diangq"}
                         << "反激变压器: 初级圈数(T)\t79.5020080321285 | 次级圈数(T)\t5.78313253012048";
  QTest::newRow("nothing computed yet") << "lg.Text1" << QStringList{"FlybackForm", "diangq"} << "";
  // A diameter in mm whatever its caption says, and any other length in mm.
  QTest::newRow("diameter") << "daoxian.Text2" << QStringList{"tx", "lg+"}
                            << "20℃时铜的电阻计算: 铜线直径(mm)\t0.64; 电感气隙计算: 气隙(mm)\t0.130628571428571";
  // Inputs too; an empty text, " " and one that is not plainly a number are not offered.
  QTest::newRow("texts that are no number") << "lg.Text2" << QStringList{"diangq=Text3=", "qudongbyq=Text4=20abc", "FlybackForm"}
                                            << "反激变压器: 磁材横截面积(mm2)\t83";
  // 最大占空比 1 faults at the reflected voltage: the currents computed before
  // it are current, those after it left over and out of date, offered with their words.
  QTest::newRow("marked results") << "diangq.Text1" << QStringList{"FlybackForm=Text9=1++"}
                                  << "反激变压器: 初级电流平均值(A)\t0.101030511214387 | 初级电流峰值(A)\t0.144329301734839 | "
                                     "初级电流有效值(A)\t0.164560722959781（上次计算的结果，本次计算未更新）（已过时：「最大占空比」已改变） | "
                                     "次级电流峰值(A)\t4.96031746031747（上次计算的结果，本次计算未更新）（已过时：「初级电流峰值(A)」已改变） | "
                                     "次级电流有效值(A)\t2.77068254836686（上次计算的结果，本次计算未更新）（已过时：「最大占空比」已改变） | "
                                     "输出纹波电流p-p(A)\t2.21334678847371（上次计算的结果，本次计算未更新）"
                                     "（已过时：由上次计算留下的「次级电流有效值(A)」算出）";
  QTest::newRow("TL431's blank results") << "huanlu.Text13" << QStringList{"TL431"}
                                         << "TL431电阻计算: R1(K)（分压验证）\t8.2 | R2(K)（分压验证）\t1.5 | "
                                            "R3(K)（分压验证）\t1 | R5(K)\t0.47";
}

void TestOffers::offers() {
  QFETCH(QString, input);
  QFETCH(QStringList, others);
  QFETCH(QString, expected);
  const WindowSpec* target = windowSpec(input.section('.', 0, 0).toStdString());
  QVERIFY(target && target->find(input.section('.', 1).toStdString()));
  std::list<FieldStore> stores;
  std::list<ResultMarks> marks;
  std::vector<WindowTexts> texts;
  for (const QString& other : others) {
    const WindowSpec* spec = windowSpec(other.section(QRegularExpression("[+=]"), 0, 0).toStdString());
    QVERIFY2(spec, qPrintable(other));
    FieldStore& store = stores.emplace_back(*spec);
    ResultMarks& marked = marks.emplace_back();
    const Control* first = nullptr;
    for (const Control& c : spec->controls)
      if (!first && c.kind == ControlKind::Button && c.buttonRole == ButtonRole::Calculate) first = &c;
    const auto pressFirst = [&] {
      std::vector<Step> steps;
      const auto fault = press(*first, store, &steps);
      marked.pressed(*first, fault, steps);
    };
    if (other.endsWith("++")) pressFirst();
    if (other.contains('='))
      store.setText(other.section('=', 1, 1).toStdString(), other.section('=', 2).remove('+').toStdString());
    if (other.endsWith('+')) pressFirst();
    texts.push_back({spec, &store, &marked});
  }
  QStringList got;
  for (const OfferGroup& g : offersFor(target->find(input.section('.', 1).toStdString())->quantity, texts)) {
    QStringList labels;
    for (const Offer& o : g.offers) labels << QString::fromStdString(o.label);
    got << QString::fromStdString(g.caption) + ": " + labels.join(" | ");
  }
  QCOMPARE(got.join("; "), expected);
}

QTEST_APPLESS_MAIN(TestOffers)
#include "test_offers.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Where a window beside a calculator stands, headless; worked out by hand.
#include <QtTest>

#include "app/placement.h"

using namespace ombrel;

class TestPlacement : public QObject {
  Q_OBJECT

 private slots:
  void beside_data();
  void beside();
};

// The calculator's frame, the window's size, the room and where the window goes.
void TestPlacement::beside_data() {
  for (const char* column : {"from", "size", "room", "expected"}) QTest::addColumn<QString>(column);
  QTest::newRow("moved in") << "1200 500 160 100" << "400 300" << "0 0 1366 768" << "966 468 400 300";
  QTest::newRow("below a panel") << "0 0 300 200" << "400 300" << "0 30 1366 738" << "308 30 400 300";
  QTest::newRow("moved up") << "0 220 560 554" << "980 800" << "0 0 1366 1000" << "386 200 980 800";
  QTest::newRow("shortened") << "0 0 560 554" << "980 800" << "0 0 1366 768" << "386 0 980 768";
  QTest::newRow("a small screen") << "0 0 560 554" << "980 800" << "0 0 800 600" << "0 0 800 600";
}

void TestPlacement::beside() {
  QFETCH(QString, from);
  QFETCH(QString, size);
  QFETCH(QString, room);
  QFETCH(QString, expected);
  const auto box = [](const QString& text) {
    const QStringList n = (text.count(' ') == 1 ? "0 0 " + text : text).split(' ');
    return Box{n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()};
  };
  const Box at = placedBeside(box(from), box(size), box(room));
  QCOMPARE(QString("%1 %2 %3 %4").arg(at.x).arg(at.y).arg(at.width).arg(at.height), expected);
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "test_placement.moc"

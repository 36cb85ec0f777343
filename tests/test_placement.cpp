// SPDX-License-Identifier: GPL-3.0-or-later
// Where a window beside a calculator stands, headless: beside it, inside
// the screen's room, shrunk to a small screen. Worked out by hand.
#include <QtTest>

#include "app/placement.h"

using namespace ombrel;

class TestPlacement : public QObject {
  Q_OBJECT

 private slots:
  void beside_data();
  void beside();
};

// Each row: the calculator's frame, the window's size, the room, and where
// the window goes, as "x y width height".
void TestPlacement::beside_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<QString>("size");
  QTest::addColumn<QString>("room");
  QTest::addColumn<QString>("expected");
  QTest::newRow("room to the right") << "100 100 300 200" << "400 300" << "0 0 1366 768" << "408 100 400 300";
  QTest::newRow("moved in from the right and the bottom") << "1200 500 160 100" << "400 300" << "0 0 1366 768"
                                                           << "966 468 400 300";
  QTest::newRow("below a panel") << "0 0 300 200" << "400 300" << "0 30 1366 738" << "308 30 400 300";
  // The frequency response beside the loop window on a 1000-pixel screen, and on smaller ones.
  QTest::newRow("moved up") << "0 220 560 554" << "980 800" << "0 0 1366 1000" << "386 200 980 800";
  QTest::newRow("shortened") << "0 0 560 554" << "980 800" << "0 0 1366 768" << "386 0 980 768";
  QTest::newRow("narrowed and shortened") << "0 0 560 554" << "980 800" << "0 0 800 600" << "0 0 800 600";
  QTest::newRow("a second screen") << "1500 100 300 200" << "400 300" << "1366 0 1920 1080" << "1808 100 400 300";
}

void TestPlacement::beside() {
  QFETCH(QString, from);
  QFETCH(QString, size);
  QFETCH(QString, room);
  QFETCH(QString, expected);
  const auto box = [](const QString& text) {
    const QStringList n = text.split(' ');
    return n.size() == 2 ? Box{0, 0, n[0].toInt(), n[1].toInt()}
                         : Box{n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()};
  };
  const Box at = placedBeside(box(from), box(size), box(room));
  QCOMPARE(QString("%1 %2 %3 %4").arg(at.x).arg(at.y).arg(at.width).arg(at.height), expected);
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "test_placement.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The faces of particular windows on the offscreen platform, as their
// layouts are described in words: the flyback window's headings, buttons and
// group frames, the two columns of the turns windows, the PFC and output
// inductor layouts, the line that opens the ESR hint, the TL431 window's
// blank outputs, the pictures, and the conductor and choke windows' headings,
// note and icons. (Calculations, focus and 返回 are swept over every window
// in test_gui_windows.)
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#ifdef OMBREL_HAVE_SVG
#include <QSvgRenderer>
#endif
#include <QtTest>

#include "app/calc_window.h"
#include "app/looks.h"
#include "app/main_form.h"
#include "app/navigator.h"
#include "app/program.h"
#include "exact.h"
#include "gui_support.h"

using namespace ombrel;

class TestGuiFaces : public QObject, public test::GuiFixture {
  Q_OBJECT

 private slots:
  void initTestCase() { setUpApplication(*qApp); }
  void init() { start(); }
  void cleanup() { finish(); }

  void flybackFaces();
  void flybackGroupFrames();
  void turnsColumnsAndDivider();
  void pfcLayout();
  void outputInductorLayout();
  void esrLineShowsOneHintWindow();
  void tl431OutputsStartAsOneBlank();
  void picturesLoadAtTheirBoxSizes_data();
  void picturesLoadAtTheirBoxSizes();
  void headingsNoteAndIcons();

 private:
  int instances(const QString& name) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) count += w->objectName() == name;
    return count;
  }
};

void TestGuiFaces::flybackFaces() {
  CHOOSE(fly, "反激电源");
  QStringList headings;
  for (QLabel* label : fly->findChildren<QLabel*>())
    if (label->font().pointSizeF() == 12.0 && label->font().bold()) headings << label->text();
  headings.sort();
  QStringList groups = {"设计条件：", "变压器参数：", "初级参数：", "次极参数：", "滤波器参数："};
  groups.sort();
  QCOMPARE(headings, groups);
  FIND(design, QPushButton, fly, "Command1");
  FIND(back, QPushButton, fly, "Command2");
  FIND(filter, QPushButton, fly, "Command3");
  FIND(ripple, QLineEdit, fly, "Text32");
  QCOMPARE_BITS(design->font().pointSizeF(), 10.5);
  // 计算 centred at the bottom, 返回 to its right, the filter's 计算 below Text32.
  QVERIFY(qAbs(design->geometry().center().x() - fly->width() / 2) <= 2);
  QVERIFY(back->x() > design->geometry().right());
  QVERIFY(filter->y() > ripple->geometry().bottom());
}

// The groups sit in frames of thin lines at the twips the design gives.
void TestGuiFaces::flybackGroupFrames() {
  CHOOSE(fly, "反激电源");
  const QImage shot = fly->grab().toImage();
  const QColor ink = fly->palette().color(QPalette::WindowText);
  struct Frame {
    int x1, y1, x2, y2;
  };
  const Frame frames[] = {{240, 720, 3120, 6960},
                          {3240, 720, 6720, 3360},
                          {3240, 3960, 6720, 6960},
                          {6840, 720, 10680, 3360},
                          {6840, 3960, 10680, 6960}};
  for (const Frame& f : frames) {
    const int x1 = pixels(f.x1), y1 = pixels(f.y1), x2 = pixels(f.x2), y2 = pixels(f.y2);
    const int mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    QCOMPARE(shot.pixelColor(mx, y1), ink);
    QCOMPARE(shot.pixelColor(mx, y2), ink);
    QCOMPARE(shot.pixelColor(x1, my), ink);
    QCOMPARE(shot.pixelColor(x2, my), ink);
  }
}

// Inputs and the primary on the left, the output side on the right, a
// vertical line between them.
void TestGuiFaces::turnsColumnsAndDivider() {
  for (const char* command : {"正激电源", "半桥电源", "全桥电源"}) {
    CHOOSE(w, command);
    QHash<QString, QRect> at;
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Command1",
                             "Command2", "Command3"}) {
      FIND(control, QWidget, w, name);
      at[name] = control->geometry();
    }
    int lineX = -1;
    const QImage shot = w->grab().toImage();
    const QColor ink = w->palette().color(QPalette::WindowText);
    for (int x = at["Text1"].right() + 1; x < at["Text7"].x() && lineX < 0; ++x)
      if (shot.pixelColor(x, w->height() / 2) == ink && shot.pixelColor(x, 20) == ink) lineX = x;
    QVERIFY2(lineX > 0, command);
    for (const char* left : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Command1"})
      QVERIFY2(at[left].right() < lineX, left);
    for (const char* right : {"Text7", "Text8", "Command2", "Command3"}) QVERIFY2(at[right].x() > lineX, right);
    QCOMPARE(at["Text7"].y(), at["Text4"].y());
    QCOMPARE(at["Text8"].y(), at["Text5"].y());
    QCOMPARE(at["Command3"].y(), at["Command1"].y());
    QVERIFY(at["Text6"].y() > at["Command1"].y());
    QVERIFY(at["Text6"].width() > at["Text1"].width());
    QVERIFY(at["Command2"].y() > at["Text6"].y());
    QVERIFY(at["Command2"].right() > w->width() * 3 / 4);
  }
}

void TestGuiFaces::pfcLayout() {
  CHOOSE(p, "PFC电感");
  QHash<QString, QRect> at;
  for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Command1",
                           "Command2"}) {
    FIND(control, QWidget, p, name);
    at[name] = control->geometry();
  }
  const QStringList inputs{"Text1", "Text2", "Text3", "Text4", "Text6"};
  const QStringList outputs{"Text7", "Text8", "Text5"};
  for (int i = 0; i + 1 < inputs.size(); ++i) QVERIFY(at[inputs[i]].y() < at[inputs[i + 1]].y());
  for (int i = 0; i + 1 < outputs.size(); ++i) QVERIFY(at[outputs[i]].y() < at[outputs[i + 1]].y());
  // Results in the right column, about twice as wide as the inputs.
  const QRect input = at["Text1"];
  for (const QString& o : outputs) {
    QVERIFY(at[o].x() > input.right());
    QVERIFY(at[o].width() >= 18 * input.width() / 10 && at[o].width() <= 22 * input.width() / 10);
  }
  // The buttons side by side below the results, level with the last input row.
  const QRect calc = at["Command1"], back = at["Command2"];
  QCOMPARE(calc.y(), back.y());
  QVERIFY(calc.x() < back.x());
  QVERIFY(calc.x() > input.right());
  QVERIFY(calc.y() > at["Text5"].bottom());
  QVERIFY(qAbs(calc.center().y() - at["Text6"].center().y()) <= 2);
}

void TestGuiFaces::outputInductorLayout() {
  CHOOSE(lout, "输出电感");
  FIND(resultCaption, QLabel, lout, "Label7");
  FIND(note, QLabel, lout, "Label8");
  FIND(result, QLineEdit, lout, "Text7");
  FIND(duty, QLineEdit, lout, "Text5");
  FIND(calc, QPushButton, lout, "Command1");
  FIND(back, QPushButton, lout, "Command2");
  // The caption on its own line directly above the wide result field.
  QVERIFY(resultCaption->geometry().bottom() < result->y());
  QVERIFY(result->width() > 2 * duty->width() * 9 / 10);
  QVERIFY(result->y() > calc->geometry().bottom());
  QCOMPARE(calc->y(), back->y());
  // The note last, word-wrapped over more than one line, all of it shown.
  QVERIFY(note->y() > result->geometry().bottom());
  QVERIFY(note->wordWrap());
  QCOMPARE(note->text(), "本程序适合正激式电源，半桥和全桥，计算半桥和全桥时要把最大占空比乘2");
  const int needed = note->heightForWidth(note->width());
  QVERIFY(needed > note->fontMetrics().height());
  QVERIFY(needed <= note->height());
  QVERIFY(note->geometry().bottom() < lout->height());
}

void TestGuiFaces::esrLineShowsOneHintWindow() {
  CHOOSE(huanlu, "电流型控制环路");
  FIND(line, QLabel, huanlu, "Label22");
  QCOMPARE(line->text(), "我怎样知道电容的ESR？请点击");
  QCOMPARE(line->cursor().shape(), Qt::PointingHandCursor);
  QCOMPARE(nav_->window("gongs"), nullptr);  // created on first use

  QTest::mouseClick(line, Qt::LeftButton);
  CalcWindow* gongs = nav_->window("gongs");
  QVERIFY(gongs && gongs->isVisible());
  QCOMPARE(gongs->windowTitle(), "公式");
  QVERIFY(huanlu->isVisible());
  QTest::mouseClick(line, Qt::LeftButton);  // shown already: stays shown, still one
  QCOMPARE(nav_->window("gongs"), gongs);
  QCOMPARE(instances("gongs"), 1);

  click(gongs, "Command1");
  QVERIFY(!gongs->isVisible());
  QVERIFY(huanlu->isVisible());
  QTest::mouseClick(line, Qt::LeftButton);
  QCOMPARE(nav_->window("gongs"), gongs);
  QVERIFY(gongs->isVisible());
  QCOMPARE(instances("gongs"), 1);
}

void TestGuiFaces::tl431OutputsStartAsOneBlank() {
  CHOOSE(tl431, "TL431计算");
  for (const char* out : {"Text2", "Text3", "Text4", "Text8", "Text9", "Text12"})
    QCOMPARE(text(tl431, out), " ");
}

void TestGuiFaces::picturesLoadAtTheirBoxSizes_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("picture");
  QTest::addColumn<QSize>("size");  // pixels
  QTest::newRow("huanlu, stretched") << "huanlu" << "Image1" << QSize(302, 325);
  QTest::newRow("gongs, own size") << "gongs" << "Image2" << QSize(287, 220);
  QTest::newRow("TL431, own size") << "TL431" << "Image1" << QSize(133, 278);
}

void TestGuiFaces::picturesLoadAtTheirBoxSizes() {
  QFETCH(QString, window);
  QFETCH(QString, picture);
  QFETCH(QSize, size);
  OPEN(w, window);
  FIND(image, QWidget, w, picture);
  QCOMPARE(image->size(), size);
#ifdef OMBREL_HAVE_SVG
  auto* renderer = image->findChild<QSvgRenderer*>();
  QVERIFY(renderer);
  QVERIFY(renderer->isValid());
  QCOMPARE(renderer->defaultSize(), size);  // drawn at its design size, not scaled out of shape
#endif
  // Something is drawn: dark strokes on the picture's white ground.
  const QImage shot = image->grab().toImage();
  int ink = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) ink += qGray(shot.pixel(x, y)) < 96;
  QVERIFY2(ink > 200, qPrintable(QString::number(ink)));
  QCOMPARE(qGray(shot.pixel(1, 1)), 255);
}

void TestGuiFaces::headingsNoteAndIcons() {
  CHOOSE(tx, "铜线电阻");
  CHOOSE(td, "铜带电阻");
  for (CalcWindow* w : {tx, td}) {
    FIND(heading, QLabel, w, "Label9");
    FIND(caption, QLabel, w, "Label1");
    QCOMPARE(heading->text(), "在20℃时铜的电阻计算");
    QCOMPARE_BITS(heading->font().pointSizeF(), 10.5);
    QVERIFY(!heading->font().bold());
    QCOMPARE_BITS(caption->font().pointSizeF(), 9.0);
  }

  CHOOSE(chamo, "共模扼流圈");
  FIND(note, QLabel, chamo, "Label8");
  FIND(back, QPushButton, chamo, "Command2");
  QVERIFY(note->wordWrap());
  QCOMPARE(note->size(), QSize(233, 57));
  // Several lines, and all of them inside the note's rectangle.
  QVERIFY(note->heightForWidth(note->width()) > 2 * note->fontMetrics().height());
  QVERIFY(note->heightForWidth(note->width()) <= note->height());
  QVERIFY(note->geometry().top() > back->geometry().bottom());

  QVERIFY(tx->windowIcon().isNull());
  CHOOSE(wires, "铜线计算");
  CHOOSE(strip, "铜带计算");
  CHOOSE(gongm, "差模扼流圈");
  for (CalcWindow* w : {td, chamo, wires, strip, gongm}) QVERIFY2(!w->windowIcon().isNull(), qPrintable(w->objectName()));
}

QTEST_MAIN(TestGuiFaces)
#include "test_gui_faces.moc"

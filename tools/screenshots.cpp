// SPDX-License-Identifier: GPL-3.0-or-later
// Renders MainForm and every built calculator window (after one press of its
// first 计算 button) into PNG files, one output's formula tooltip over its
// window (tooltip.png), an input's tooltip (input-tooltip.png), the three
// marks (mark-read.png, mark-out-of-date.png, mark-impossible.png), the flyback
// window after a fault with its left-over results marked (left-over.png), a
// field's context menu with the copy entry (context-menu.png), the list of
// cores a core's cross-section offers, its PQ list and an entry's tooltip
// (core-menu.png), the core shape window for a PQ and an RM core
// (core-shape.png, core-shape-rm.png), "取自" on the air-gap
// window's inductance (take-from.png), the note a paste leaves (paste-note.png,
// and naming the cells read otherwise, paste-read-as.png), an empty input
// (mark-empty.png), five coinciding sweep curves (sweep-coinciding.png),
// 反算 of both of FlybackForm's turns (goalseek.png), the loop's frequency
// response with E24 parts and with a right-half-plane zero (bode.png,
// bode-rhp.png), the winding check of an ETD34 transformer with its marks
// (winding.png), the flyback's inductance checked against its ripple
// (mark-check.png), a result typed by hand and one computed from it
// (mark-manual.png), a sweep of FlybackForm's
// switching frequency (sweep.png, sweep-all.png), and writes
// windows.md, a page that shows every window under its menu and command. Run it on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen ombrel_screenshots docs
// The output directory is created if it is missing.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>
#include <QToolTip>
#include <cstdio>

#include "app/calc_window.h"
#include "app/fonts.h"
#include "app/looks.h"
#include "app/window_texts.h"
#include "app/main_form.h"
#include "app/navigator.h"
#include "app/program.h"
#include "app/registry.h"
#include "app/chart.h"
#include "app/core_shape_window.h"
#include "app/bode_window.h"
#include "app/goal_seek_window.h"
#include "app/placement.h"
#include "app/sweep_window.h"

namespace {

using ombrel::qs;

// The mouse moved over the chart, from the column `fromX` on, until it rests on a point.
void restMouse(ombrel::Chart* chart, int fromX) {
  for (int x = fromX; x < chart->width() && chart->hovered().isEmpty(); x += 2)
    for (int y = 0; y < chart->height() && chart->hovered().isEmpty(); y += 2) {
      QMouseEvent move(QEvent::MouseMove, QPointF(x, y), chart->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(chart, &move);
    }
}

bool save(const QPixmap& pixmap, const QDir& out, const QString& file) {
  if (pixmap.save(out.filePath(file))) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(out.filePath(file)));
  return false;
}

// A window with popups (tooltip or menus) over it, as the screen shows them:
// each grabbed and painted at its screen position on a white ground.
QPixmap withPopup(QWidget* window, const QList<QWidget*>& popups) {
  QRect all(window->mapToGlobal(QPoint(0, 0)), window->size());
  for (QWidget* popup : popups) all = all.united(QRect(popup->mapToGlobal(QPoint(0, 0)), popup->size()));
  all.adjust(-8, -8, 8, 8);
  QPixmap picture(all.size());
  picture.fill(Qt::white);
  QPainter painter(&picture);
  for (QWidget* w : QList<QWidget*>{window} + popups)
    painter.drawPixmap(w->mapToGlobal(QPoint(0, 0)) - all.topLeft(), w->grab());
  return picture;
}
QPixmap withPopup(QWidget* window, QWidget* popup) { return withPopup(window, QList<QWidget*>{popup}); }

// Opens the submenu of the entry with this text beside it, as hovering does.
QMenu* openSubmenu(QMenu* menu, const QString& text) {
  for (QAction* a : menu->actions())
    if (a->text() == text && a->menu()) {
      menu->setActiveAction(a);
      const QRect at = menu->actionGeometry(a);
      a->menu()->popup(menu->mapToGlobal(at.topRight()));
      return a->menu();
    }
  return nullptr;
}

// A window beside `from` at the size it has on a 1366 × 768 screen (the
// offscreen screen is smaller), from the size it is made at.
void asOnLaptop(QWidget* window, const QWidget* from, const QSize& made) {
  const QSize frame = from->frameGeometry().size() - from->size();
  const QRect near = from->frameGeometry();
  const ombrel::Box at = ombrel::placedBeside({near.x(), near.y(), near.width(), near.height()},
                                             {0, 0, made.width() + frame.width(), made.height() + frame.height()},
                                             {0, 0, 1366, 768});
  window->resize(at.width - frame.width(), at.height - frame.height());
}

QWidget* shownToolTip() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->inherits("QTipLabel") && w->isVisible()) return w;
  return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  ombrel::setUpApplication(app);
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  if (!QDir().mkpath(dir)) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
    return 1;
  }
  const QDir out(dir);
  ombrel::Navigator navigator;
  navigator.mainForm().show();
  app.processEvents();
  if (!save(navigator.mainForm().grab(), out, QStringLiteral("mainform.png"))) return 1;

  for (const ombrel::WindowSpec* spec : ombrel::builtWindows()) {
    const QString name = qs(spec->name);
    ombrel::CalcWindow* window = navigator.open(name);
    for (const ombrel::Control& c : spec->controls) {
      if (c.buttonRole == ombrel::ButtonRole::Calculate && c.kind == ombrel::ControlKind::Button) {
        window->findChild<QPushButton*>(qs(c.name))->click();
        break;
      }
    }
    app.processEvents();
    if (!save(window->grab(), out, name + QStringLiteral(".png"))) return 1;
  }

  // A tooltip over a window, as hovering at the field's middle shows it.
  const auto tipOver = [&app, &out](ombrel::CalcWindow* window, QLineEdit* field, const QString& file) {
    QToolTip::showText(field->mapToGlobal(QPoint(field->width() / 3, field->height() / 2)), field->toolTip(), field);
    app.processEvents();
    QWidget* shown = shownToolTip();
    const bool saved = shown && save(withPopup(window, shown), out, file);
    QToolTip::hideText();
    return saved;
  };
  // The air gap's formula, as hovering over the result shows it.
  ombrel::CalcWindow* lg = navigator.window(QStringLiteral("lg"));
  QLineEdit* gap = lg->field(QStringLiteral("Text4"));
  if (!tipOver(lg, gap, QStringLiteral("tooltip.png"))) return 1;
  ombrel::CalcWindow* flyback = navigator.window(QStringLiteral("FlybackForm"));
  if (!tipOver(flyback, flyback->field(QStringLiteral("Text5")), QStringLiteral("input-tooltip.png"))) return 1;

  // The marks: an input that reads otherwise than it looks (mark-read.png),
  // the gap out of date once the turns changed (mark-out-of-date.png), an
  // impossible capacitance (mark-impossible.png). lg is set back after.
  QLineEdit* turns = lg->field(QStringLiteral("Text1"));
  turns->setText(QStringLiteral("20匝"));
  if (!tipOver(lg, turns, QStringLiteral("mark-read.png"))) return 1;
  turns->setText(QStringLiteral("25"));
  if (!tipOver(lg, gap, QStringLiteral("mark-out-of-date.png"))) return 1;
  turns->setText(QStringLiteral("20"));
  ombrel::CalcWindow* cin = navigator.window(QStringLiteral("cin"));
  cin->field(QStringLiteral("Text6"))->setText(QStringLiteral("130"));
  cin->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  if (!tipOver(cin, cin->field(QStringLiteral("Text7")), QStringLiteral("mark-impossible.png"))) return 1;
  cin->field(QStringLiteral("Text6"))->setText(QStringLiteral("90"));

  // A duty cycle of 1 stops the design at the reflected voltage: the fault
  // box is closed as it opens, and the results left from the first press
  // show marked, one of them with its tooltip.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  closer.start(20);
  flyback->field(QStringLiteral("Text9"))->setText(QStringLiteral("1"));
  flyback->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  closer.stop();
  if (!flyback->isStale(QStringLiteral("Text19"))) {
    std::fprintf(stderr, "the flyback fault left nothing marked\n");
    return 1;
  }
  if (!tipOver(flyback, flyback->field(QStringLiteral("Text19")), QStringLiteral("left-over.png"))) return 1;

  // A sweep of the switching frequency, the primary turns alone drawn, the
  // mouse resting on a point.
  flyback->field(QStringLiteral("Text9"))->setText(QStringLiteral("0.4"));
  ombrel::SweepWindow* sweep = navigator.sweep(flyback, QStringLiteral("Text8"));
  asOnLaptop(sweep, flyback, QSize(960, 600));
  auto* results = sweep->findChild<QListWidget*>(QStringLiteral("results"));
  for (int k = 0; k < results->count(); ++k)
    results->item(k)->setCheckState(results->item(k)->text() == QStringLiteral("初级圈数(T)") ? Qt::Checked
                                                                                              : Qt::Unchecked);
  app.processEvents();
  ombrel::Chart* chart = sweep->chart();
  restMouse(chart, chart->width() / 3);
  app.processEvents();
  if (!save(sweep->grab(), out, QStringLiteral("sweep.png"))) return 1;
  // Every result at once (全选), each over its own range.
  sweep->findChild<QPushButton*>(QStringLiteral("all"))->click();
  app.processEvents();
  if (!save(sweep->grab(), out, QStringLiteral("sweep-all.png"))) return 1;
  // Five results of the same shape, each over its own range: their curves
  // lie on each other, told apart by dashes and marks, each marking points
  // of its own; the mouse shows every value.
  const QStringList sameShape = {QStringLiteral("初级电感量(uH)"), QStringLiteral("初级圈数(T)"),
                                 QStringLiteral("次级圈数(T)"), QStringLiteral("导通时间(us)"),
                                 QStringLiteral("衰减倍数")};
  for (int k = 0; k < results->count(); ++k)
    results->item(k)->setCheckState(sameShape.contains(results->item(k)->text()) ? Qt::Checked : Qt::Unchecked);
  app.processEvents();
  restMouse(chart, chart->width() / 4);
  app.processEvents();
  if (!save(sweep->grab(), out, QStringLiteral("sweep-coinciding.png"))) return 1;
  sweep->hide();

  // 反算: both turns whole at once, by the flux density and the duty cycle.
  flyback->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  ombrel::GoalSeekWindow* seek = navigator.goalSeek(flyback, QStringLiteral("Text12"));
  const auto choose = [seek](const char* box, const QString& text) {
    auto* combo = seek->findChild<QComboBox*>(QString::fromLatin1(box));
    combo->setCurrentIndex(combo->findText(text));
  };
  choose("input", QStringLiteral("磁材饱和强度(T)"));
  choose("result2", QStringLiteral("次级圈数(T)"));
  choose("input2", QStringLiteral("最大占空比"));
  seek->solve();
  app.processEvents();
  if (!save(seek->grab(), out, QStringLiteral("goalseek.png"))) return 1;
  seek->hide();

  // 磁件复核 from the flyback's primary turns: an ETD34 with two windings,
  // 140 turns of 3 × 0.5 mm in eleven layers, too thick for the window, its
  // AC resistance many times the DC; its core of Ferroxcube 3C95 at a peak
  // of 0.45 T, above what 3C95 holds at 100 ℃.
  ombrel::CalcWindow* check = navigator.openFrom(flyback, ombrel::fieldOpened().front(), QStringLiteral("Text12"));
  auto* material = check->findChild<QComboBox*>(QStringLiteral("material"));
  material->setCurrentIndex(material->findText(QStringLiteral("Ferroxcube 3C95")));
  for (const auto& [field, text] : {std::pair{"freq", "100"}, {"N1", "140"}, {"d1", "0.5"}, {"n1", "3"}, {"I1", "1.2"},
                                    {"N2", "6"}, {"d2", "0.8"}, {"n2", "4"}, {"I2", "6"}, {"Bpk", "0.45"}})
    ombrel::typeAsUser(check->field(QString::fromLatin1(field)), QString::fromLatin1(text));
  check->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  app.processEvents();
  if (!save(check->grab(), out, QStringLiteral("winding.png"))) return 1;
  check->hide();

  // The loop window's frequency response: computed and E24 parts, then a
  // right-half-plane zero at 20 kHz with the computed parts.
  ombrel::CalcWindow* loop = navigator.open(QStringLiteral("huanlu"));
  loop->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  ombrel::BodeWindow* bode = navigator.bode(loop);
  asOnLaptop(bode, loop, QSize(980, 800));
  auto* series = bode->findChild<QComboBox*>(QStringLiteral("series"));
  series->setCurrentIndex(series->findText(QStringLiteral("E24")));
  app.processEvents();
  restMouse(bode->gain(), bode->gain()->width() / 3);
  app.processEvents();
  if (!save(bode->grab(), out, QStringLiteral("bode.png"))) return 1;
  series->setCurrentIndex(0);
  bode->findChild<QLineEdit*>(QStringLiteral("frhp"))->setText(QStringLiteral("20"));
  app.processEvents();
  if (!save(bode->grab(), out, QStringLiteral("bode-rhp.png"))) return 1;
  bode->findChild<QLineEdit*>(QStringLiteral("frhp"))->clear();
  bode->hide();
  loop->hide();

  // The result's context menu: Qt's entries and the copy entry.
  QMenu* menu = lg->contextMenu(gap);
  menu->popup(gap->mapToGlobal(QPoint(gap->width() / 2, gap->height() / 2)));
  app.processEvents();
  if (!save(withPopup(lg, menu), out, QStringLiteral("context-menu.png"))) return 1;
  menu->close();
  delete menu;

  // A core chosen from the list a core's cross-section offers.
  QLineEdit* ae = lg->field(QStringLiteral("Text2"));
  const QPoint lgWasAt = lg->pos();
  lg->move(0, 0);  // room on the right for the submenus
  menu = lg->contextMenu(ae);
  menu->popup(ae->mapToGlobal(QPoint(ae->width() / 2, ae->height() / 2)));
  app.processEvents();
  QMenu* families = openSubmenu(menu, QStringLiteral("选择磁芯"));
  app.processEvents();
  // ETD (the screen is too short for the 33 PQ sizes): computed and the
  // makers' figures side by side, and the tooltip of a maker's entry.
  QMenu* etd = families ? openSubmenu(families, QStringLiteral("ETD")) : nullptr;
  app.processEvents();
  QAction* etd34 = nullptr;
  for (QAction* a : etd ? etd->actions() : QList<QAction*>())
    if (a->text().startsWith(QStringLiteral("ETD34\t"))) etd34 = a;
  if (etd34) {
    etd->setActiveAction(etd34);
    QToolTip::showText(families->mapToGlobal(QPoint(-160, families->height() + 8)), etd34->toolTip(), etd);
  }
  app.processEvents();
  QWidget* tip = shownToolTip();
  if (!etd34 || !tip || !save(withPopup(lg, {menu, families, etd, tip}), out, QStringLiteral("core-menu.png")))
    return 1;
  QToolTip::hideText();
  menu->close();
  delete menu;
  lg->move(lgWasAt);

  // A core's effective parameters from its own dimensions, opened from the
  // same field: a PQ 20/16 calculated, then an RM 10/I.
  ombrel::CoreShapeWindow* shape = navigator.coreShape(lg, QStringLiteral("Text2"));
  shape->chooseFamily("pq");
  shape->calculate();
  app.processEvents();
  if (!save(shape->grab(), out, QStringLiteral("core-shape.png"))) return 1;
  shape->chooseFamily("rm");
  shape->calculate();
  app.processEvents();
  if (!save(shape->grab(), out, QStringLiteral("core-shape-rm.png"))) return 1;
  shape->hide();

  // "取自" on the inductance, the flyback window calculated again.
  flyback->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  QLineEdit* inductance = lg->field(QStringLiteral("Text3"));
  const QPoint lgAt = lg->pos();
  lg->move(0, 0);  // room on the right for the submenus
  menu = lg->contextMenu(inductance);
  menu->popup(lg->mapToGlobal(QPoint(12, inductance->geometry().center().y())));
  app.processEvents();
  QMenu* from = openSubmenu(menu, QStringLiteral("取自"));
  app.processEvents();
  QMenu* windowMenu = from ? openSubmenu(from, QStringLiteral("反激变压器")) : nullptr;
  app.processEvents();
  if (!windowMenu || !save(withPopup(lg, {menu, from, windowMenu}), out, QStringLiteral("take-from.png"))) return 1;
  menu->close();
  delete menu;
  lg->move(lgAt);

  // A design brought back: the flyback window's table pasted into it, with the note.
  flyback->copyAction()->trigger();
  flyback->field(QStringLiteral("Text1"))->setFocus();
  flyback->pasteAction()->trigger();
  app.processEvents();
  if (!save(flyback->grab(), out, QStringLiteral("paste-note.png"))) return 1;
  flyback->note()->hide();
  // A spreadsheet's cells read otherwise than they look, named in the note
  // with their readings; then the paste taken back.
  QGuiApplication::clipboard()->setText(
      QStringLiteral("输出功率（W）\t２０\n效率\t80%\n磁材横截面积(mm2)\t1,234\n开关频率(Khz)\t65\n"));
  flyback->field(QStringLiteral("Text1"))->setFocus();
  flyback->pasteAction()->trigger();
  app.processEvents();
  if (!save(flyback->grab(), out, QStringLiteral("paste-read-as.png"))) return 1;
  flyback->note()->takeBack();
  // An empty input reads as 0, and says so in grey.
  QLineEdit* lgTurns = lg->field(QStringLiteral("Text1"));
  const QString turnsWere = lgTurns->text();
  lgTurns->clear();
  gap->setFocus();
  app.processEvents();
  if (!save(lg->grab(), out, QStringLiteral("mark-empty.png"))) return 1;
  lgTurns->setText(turnsWere);

  // The flyback's primary inductance checked against its ripple factor
  // (mark-check.png); a ripple voltage typed by hand and the filter's result
  // computed from it (mark-manual.png).
  flyback->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  if (!tipOver(flyback, flyback->field(QStringLiteral("Text10")), QStringLiteral("mark-check.png"))) return 1;
  ombrel::typeAsUser(flyback->field(QStringLiteral("Text28")), QStringLiteral("5"));
  flyback->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
  if (!tipOver(flyback, flyback->field(QStringLiteral("Text32")), QStringLiteral("mark-manual.png"))) return 1;

  // The gallery: every window under its menu and command, then the windows
  // that another window opens.
  QFile page(out.filePath(QStringLiteral("windows.md")));
  if (!page.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(page.fileName()));
    return 1;
  }
  QTextStream md(&page);
  md << "# The windows\n\n"
        "Every window of the program as `ombrel_screenshots` draws it on the offscreen\n"
        "platform, each calculator after one press of its first 计算 button: menus left\n"
        "to right, commands top to bottom (menu → command → window caption).\n\n"
        "![" << navigator.mainForm().windowTitle() << "](mainform.png)\n";
  QStringList listed;
  for (const ombrel::MenuCommand& row : ombrel::menuTree()) {
    const ombrel::WindowSpec* spec = ombrel::windowSpec(row.window);
    if (!spec) continue;
    const QString caption = qs(spec->caption);
    md << "\n## " << qs(row.menu) << " → " << qs(row.command) << " → " << caption << "\n\n"
       << "![" << caption << "](" << qs(row.window) << ".png)\n";
    listed << qs(row.window);
  }
  for (const ombrel::WindowSpec* spec : ombrel::builtWindows()) {
    const QString name = qs(spec->name);
    if (listed.contains(name)) continue;
    const QString caption = qs(spec->caption);
    // Where it opens from: the menu path of another window, then the
    // clickable label or button there.
    QString from;
    for (const ombrel::WindowSpec* other : ombrel::builtWindows())
      for (const ombrel::Control& c : other->controls) {
        if (c.opens != spec->name) continue;
        for (const ombrel::MenuCommand& row : ombrel::menuTree())
          if (row.window == other->name) from = qs(row.menu) + " → " + qs(row.command) + " → ";
        from += qs(other->caption + " → “" + c.text + "”");
      }
    for (const ombrel::FieldOpened& o : ombrel::fieldOpened())
      if (o.window == spec->name)
        from = qs("任一" + ombrel::kindName(o.from) + "字段的右键菜单 → “" + std::string(o.entry) + "”");
    md << "\n## " << (from.isEmpty() ? QString() : from + " → ") << caption << "\n\n"
       << "![" << caption << "](" << name << ".png)\n";
  }
  md << "\n## Formulas and copying\n\n"
        "Hovering over a result or its caption shows how it is computed:\n\n"
        "![The air gap's formula](tooltip.png)\n\n"
        "An input's tooltip says what it is and which results read it:\n\n"
        "![The tooltip of 电流波形系数](input-tooltip.png)\n\n"
        "Results are drawn on a light tint. After a fault, the results the run\n"
        "could not compute keep the previous run's texts in grey italics until a\n"
        "run writes them again or they are typed over; their tooltips say so:\n\n"
        "![The flyback window after a fault](left-over.png)\n\n"
        "Every field's context menu copies the window's data as a table, group\n"
        "by group, with a column that tells inputs, results and left-over results\n"
        "apart (also Ctrl+Shift+C):\n\n"
        "![The context menu of a field](context-menu.png)\n\n"
        "A field that asks for a core's cross-section offers the standard cores\n"
        "(\"选择磁芯\"), one for a round wire's diameter the IEC and AWG wire series\n"
        "(\"选择线径\"); choosing one types its figure into the field:\n\n"
        "![The cores offered for a core's cross-section](core-menu.png)\n\n"
        "\"参数扫描…\" in an input's context menu sweeps it over a range and draws\n"
        "how the results move (here the primary turns against the switching\n"
        "frequency; with several results checked, each over its own range):\n\n"
        "![A sweep of the switching frequency](sweep.png)\n\n"
        "![Every result of the sweep](sweep-all.png)\n";
  return md.status() == QTextStream::Ok && page.flush() ? 0 : 1;
}

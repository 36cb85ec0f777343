// SPDX-License-Identifier: GPL-3.0-or-later
// The program as main() puts it together, driven through a scripted session
// of every window: each menu command, typing into every field, every button
// (fault boxes dismissed), the clickable labels, 返回 and the title-bar close
// button; then a core and a wire picked from their lists, a window copied
// and pasted back, the magnetics check of an ETD34 with its core's loss,
// turns taken from the flyback window,
// a sweep from a context menu calculated, copied and left by 返回, the loop's
// frequency response with its right-half-plane zero taken from the flyback, the
// about box; then MainForm closed. It ends as the program does, when nothing is shown, and
// prints how many windows it opened and used and what the lists, the copy
// and the sweep gave. The file-and-network check runs it under strace.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <set>
#include <string>

#include "app/calc_window.h"
#include "app/main_form.h"
#include "app/navigator.h"
#include "app/program.h"
#include "app/registry.h"
#include "app/bode_window.h"
#include "app/core_shape_window.h"
#include "app/goal_seek_window.h"
#include "app/sweep_window.h"

using namespace ombrel;

namespace {

void clickEverything(CalcWindow* w) {
  for (QLineEdit* e : w->findChildren<QLineEdit*>()) e->setText(e->text() + QStringLiteral("0"));
  for (const Control& c : w->spec().controls) {
    if (c.kind == ControlKind::Button && c.buttonRole == ButtonRole::Calculate) {
      QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->reject();
      });
      w->findChild<QPushButton*>(QString::fromStdString(c.name))->click();
    }
    if (c.kind == ControlKind::Label && !c.opens.empty()) {  // a click, as the user opens gongs
      QMouseEvent release(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                          Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(w->findChild<QLabel*>(QString::fromStdString(c.name)), &release);
    }
  }
}

// The entry at the end of a path of menu texts, submenus followed.
QAction* entryAt(QMenu* menu, const QStringList& path) {
  QAction* found = nullptr;
  for (const QString& step : path) {
    found = nullptr;
    for (QAction* a : menu ? menu->actions() : QList<QAction*>())
      if (a->text() == step) found = a;
    if (!found) return nullptr;
    menu = found->menu();
  }
  return found;
}

// Picks a core and a wire, copies a window, sweeps, and fills Ae from a
// core's dimensions, as a user does through the context menus; what each
// gave, in one line.
std::string partsCopyAndSweep(Navigator& navigator) {
  CalcWindow* lg = navigator.open(QStringLiteral("lg"));
  CalcWindow* tx = navigator.open(QStringLiteral("tx"));
  if (!lg || !tx) return "no window";
  std::unique_ptr<QMenu> menu(lg->contextMenu(lg->field(QStringLiteral("Text2"))));
  QAction* core = entryAt(menu.get(), {QStringLiteral("选择磁芯"), QStringLiteral("ETD"), QStringLiteral("ETD34\tAe 97.1 mm²")});
  if (core) core->trigger();
  const std::string picked = lg->field(QStringLiteral("Text2"))->text().toStdString();
  menu.reset(tx->contextMenu(tx->field(QStringLiteral("Text4"))));
  QAction* wire = entryAt(menu.get(), {QStringLiteral("选择线径"), QStringLiteral("AWG"), QStringLiteral("AWG24\t0.5106 mm")});
  if (wire) wire->trigger();
  QAction* copy = entryAt(menu.get(), {QStringLiteral("复制本窗口数据")});
  if (copy) copy->trigger();
  const qsizetype copied = QGuiApplication::clipboard()->text().size();
  if (tx->pasteAction()) tx->pasteAction()->trigger();
  const std::string pasted = tx->note() ? tx->note()->text().toStdString() : "no note";
  // A spreadsheet's cell read otherwise than it looks, named in the note; the paste taken back.
  const QString wireBefore = tx->field(QStringLiteral("Text4"))->text();
  QGuiApplication::clipboard()->setText(QStringLiteral("铜线直径(mm)\t0,64\n"));
  if (tx->pasteAction()) tx->pasteAction()->trigger();
  const std::string readAs = tx->note() ? tx->note()->text().toStdString() : "no note";
  if (QPushButton* undo = tx->findChild<QPushButton*>(QStringLiteral("undoPaste"))) undo->click();
  const bool undone = tx->field(QStringLiteral("Text4"))->text() == wireBefore;
  menu.reset(lg->contextMenu(lg->field(QStringLiteral("Text1"))));
  QAction* taken = entryAt(menu.get(), {QStringLiteral("取自"), QStringLiteral("反激变压器")});
  if (taken && taken->menu() && !taken->menu()->actions().isEmpty()) taken->menu()->actions().first()->trigger();
  const std::string turns = lg->field(QStringLiteral("Text1"))->text().toStdString();
  lg->field(QStringLiteral("Text1"))->setText(QStringLiteral("20"));
  menu.reset(lg->contextMenu(lg->field(QStringLiteral("Text3"))));
  QAction* sweepEntry = entryAt(menu.get(), {QStringLiteral("参数扫描…")});
  if (sweepEntry) sweepEntry->trigger();
  SweepWindow* sweep = navigator.sweepWindow();
  if (!sweep) return "no sweep window";
  sweep->findChild<QLineEdit*>(QStringLiteral("points"))->setText(QStringLiteral("200"));
  sweep->findChild<QPushButton*>(QStringLiteral("calculate"))->click();
  sweep->findChild<QPushButton*>(QStringLiteral("copy"))->click();
  const qsizetype lines = QGuiApplication::clipboard()->text().count(QLatin1Char('\n'));
  sweep->findChild<QPushButton*>(QStringLiteral("back"))->click();
  // A core from its own dimensions: 按尺寸计算…, a PQ 20/16, 计算, 填入 Ae.
  menu.reset(lg->contextMenu(lg->field(QStringLiteral("Text2"))));
  QAction* byDimensions = entryAt(menu.get(), {QStringLiteral("选择磁芯"), QStringLiteral("按尺寸计算…")});
  if (byDimensions) byDimensions->trigger();
  CoreShapeWindow* shape = navigator.coreShapeWindow();
  if (!shape) return "no core shape window";
  shape->findChild<QComboBox*>(QStringLiteral("family"))->setCurrentIndex(3);  // PQ, at its PQ20/16
  shape->findChild<QPushButton*>(QStringLiteral("calculate"))->click();
  shape->findChild<QPushButton*>(QStringLiteral("fillAe"))->click();
  const std::string filled = lg->field(QStringLiteral("Text2"))->text().toStdString();
  shape->findChild<QPushButton*>(QStringLiteral("back"))->click();
  // 反算: the flyback's primary turns made 80 by its flux density, and filled in.
  CalcWindow* fly = navigator.open(QStringLiteral("FlybackForm"));
  if (!fly) return "no flyback window";
  fly->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  menu.reset(fly->contextMenu(fly->field(QStringLiteral("Text12"))));
  QAction* seekEntry = entryAt(menu.get(), {QStringLiteral("反算…")});
  if (seekEntry) seekEntry->trigger();
  GoalSeekWindow* seek = navigator.goalSeekWindow();
  if (!seek) return "no goal seek window";
  auto* input = seek->findChild<QComboBox*>(QStringLiteral("input"));
  input->setCurrentIndex(input->findData(QStringLiteral("Text6")));
  seek->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  seek->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
  const std::string solved = fly->field(QStringLiteral("Text6"))->text().toStdString();
  auto* second = seek->findChild<QComboBox*>(QStringLiteral("result2"));  // a second condition, then (无)
  second->setCurrentIndex(second->findData(QStringLiteral("Text13")));
  second->setCurrentIndex(0);
  seek->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
  // 磁件复核 from the flyback's primary turns: an ETD34 with two windings.
  menu.reset(fly->contextMenu(fly->field(QStringLiteral("Text12"))));
  QAction* windingEntry = entryAt(menu.get(), {QStringLiteral("磁件复核…")});
  if (windingEntry) windingEntry->trigger();
  CalcWindow* check = navigator.window(QStringLiteral("winding"));
  if (!check) return "no winding check";
  for (const auto& [field, text] : {std::pair{"N1", "40"}, {"d1", "0.5"}, {"n1", "3"}, {"I1", "1.2"}, {"N2", "6"},
                                    {"d2", "0.8"}, {"n2", "4"}, {"I2", "6"}})
    check->field(QString::fromLatin1(field))->setText(QString::fromLatin1(text));
  // Its core's loss from the material's data, at the flyback's switching frequency (500 kHz typed above).
  auto* material = check->findChild<QComboBox*>(QStringLiteral("material"));
  material->setCurrentIndex(material->findText(QStringLiteral("Ferroxcube 3C95")));
  check->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  int over = 0;
  for (const char* result : {"Ku", "J1", "J2", "dskin1", "dskin2"})
    over += check->markOf(QString::fromLatin1(result)).look == Look::OverLimit;
  const std::string copper = check->field(QStringLiteral("Ptotal"))->text().toStdString() + " W, 超限 " +
                             std::to_string(over) + ", core " + check->field(QStringLiteral("Pcore"))->text().toStdString() +
                             " W, " + check->field(QStringLiteral("Test"))->text().toStdString() + " ℃";
  check->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
  // The loop's frequency response with E24 parts.
  CalcWindow* loop = navigator.open(QStringLiteral("huanlu"));
  if (!loop) return "no loop window";
  loop->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  menu.reset(loop->contextMenu(loop->field(QStringLiteral("Text2"))));
  QAction* bodeEntry = entryAt(menu.get(), {QStringLiteral("频率响应…")});
  if (bodeEntry) bodeEntry->trigger();
  BodeWindow* bode = navigator.bodeWindow();
  if (!bode) return "no frequency response window";
  auto* series = bode->findChild<QComboBox*>(QStringLiteral("series"));
  series->setCurrentIndex(series->findText(QStringLiteral("E24")));
  const std::string crossing = bode->findChild<QLineEdit*>(QStringLiteral("fc"))->text().left(5).toStdString();
  // Its right-half-plane zero from the flyback design, computed again at the flux density 反算 found.
  fly->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  menu.reset(bode->zeroMenu());
  QAction* zeroEntry = entryAt(menu.get(), {QStringLiteral("由「反激变压器」算出")});
  if (zeroEntry) zeroEntry->trigger();
  const std::string zero = bode->findChild<QLineEdit*>(QStringLiteral("frhp"))->text().toStdString();
  bode->findChild<QPushButton*>(QStringLiteral("back"))->click();
  return "took " + turns + ", core " + picked + ", wire " +
         tx->field(QStringLiteral("Text4"))->text().toStdString() + ", copied " + std::to_string(copied) +
         " characters, " + pasted + ", " + readAs + (undone ? " 已撤销" : " 未撤销") + ", swept " + std::to_string(lines - 1) + " points, filled Ae " + filled + ", solved " + solved + ", crossover " + crossing + ", zero " + zero + ", copper " + copper;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const auto started = startProgram(app);
  Navigator& navigator = *started;

  QTimer::singleShot(0, &app, [&navigator] {
    std::set<std::string> used;  // the windows a menu command or a label opened
    for (QAction* action : navigator.mainForm().findChildren<QAction*>()) {
      if (action->menu() || action->text().isEmpty()) continue;
      action->trigger();
      for (const WindowSpec* spec : builtWindows()) {
        CalcWindow* w = navigator.window(QString::fromStdString(spec->name));
        if (!w || !w->isVisible()) continue;
        used.insert(spec->name);
        clickEverything(w);
        for (const Control& c : spec->controls)
          if (c.kind == ControlKind::Button &&
              (c.buttonRole == ButtonRole::Return || c.buttonRole == ButtonRole::ReturnShowMain))
            w->findChild<QPushButton*>(QString::fromStdString(c.name))->click();
      }
    }
    std::printf("session: %s\n", partsCopyAndSweep(navigator).c_str());
    // The about box, as MainForm's context menu opens it, read and closed.
    navigator.mainForm().showAbout();
    if (auto* about = navigator.mainForm().findChild<QMessageBox*>("AboutBox")) {
      std::printf("session: about box, %d characters\n", int((about->text() + about->informativeText()).size()));
      about->close();
    }
    // Every window once more, then each one closed with its title-bar button.
    for (const WindowSpec* spec : builtWindows()) navigator.open(QString::fromStdString(spec->name));
    std::printf("session: %zu windows opened\n", used.size());
    std::fflush(stdout);
    navigator.mainForm().close();
    for (const WindowSpec* spec : builtWindows())
      if (CalcWindow* w = navigator.window(QString::fromStdString(spec->name))) w->close();
  });
  // A session that never ends is a failure, not a hang.
  QTimer::singleShot(60000, &app, [] { QCoreApplication::exit(3); });
  return app.exec();
}

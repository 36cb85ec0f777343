// SPDX-License-Identifier: GPL-3.0-or-later
// The program as main() puts it together, driven through a scripted session
// of every window: each menu command, typing into every field, every button
// (fault boxes dismissed), the clickable labels, 返回 and the title-bar close
// button, then MainForm closed. It ends as the program does, when nothing is
// shown, and prints how many windows it opened and used. The file-and-network
// check runs it under strace.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <set>
#include <string>

#include "app/calc_window.h"
#include "app/main_form.h"
#include "app/navigator.h"
#include "app/program.h"
#include "app/registry.h"

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

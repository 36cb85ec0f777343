// Renders MainForm and every built calculator window (after one press of its
// first 计算 button) into PNG files. Run it on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen ombrel_screenshots docs
#include <QApplication>
#include <QDir>
#include <QPushButton>

#include "app/calc_window.h"
#include "app/fonts.h"
#include "app/main_form.h"
#include "app/navigator.h"
#include "app/program.h"
#include "app/registry.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  ombrel::setUpApplication(app);
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  ombrel::Navigator navigator;
  navigator.mainForm().show();
  app.processEvents();
  if (!navigator.mainForm().grab().save(out.filePath(QStringLiteral("mainform.png")))) return 1;

  for (const ombrel::WindowSpec* spec : ombrel::builtWindows()) {
    const QString name = QString::fromStdString(spec->name);
    ombrel::CalcWindow* window = navigator.open(name);
    for (const ombrel::Control& c : spec->controls) {
      if (c.buttonRole == ombrel::ButtonRole::Calculate && c.kind == ombrel::ControlKind::Button) {
        window->findChild<QPushButton*>(QString::fromStdString(c.name))->click();
        break;
      }
    }
    app.processEvents();
    if (!window->grab().save(out.filePath(name + QStringLiteral(".png")))) return 1;
  }
  return 0;
}

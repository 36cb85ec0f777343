// Renders MainForm and every built calculator window (after one press of its
// first 计算 button) into PNG files, one output's formula tooltip over its
// window (tooltip.png) and a field's context menu with the copy entry
// (context-menu.png), and writes windows.md, a page that shows every window
// under its menu and command. Run it on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen ombrel_screenshots docs
// The output directory is created if it is missing.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTextStream>
#include <QToolTip>
#include <cstdio>

#include "app/calc_window.h"
#include "app/fonts.h"
#include "app/main_form.h"
#include "app/navigator.h"
#include "app/program.h"
#include "app/registry.h"

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

bool save(const QPixmap& pixmap, const QDir& out, const QString& file) {
  if (pixmap.save(out.filePath(file))) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(out.filePath(file)));
  return false;
}

// A window with a popup (tooltip or menu) over it, as the screen shows them:
// both grabbed and painted at their screen positions on a white ground.
QPixmap withPopup(QWidget* window, QWidget* popup) {
  const QRect w(window->mapToGlobal(QPoint(0, 0)), window->size());
  const QRect p(popup->mapToGlobal(QPoint(0, 0)), popup->size());
  const QRect all = w.united(p).adjusted(-8, -8, 8, 8);
  QPixmap picture(all.size());
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.drawPixmap(w.topLeft() - all.topLeft(), window->grab());
  painter.drawPixmap(p.topLeft() - all.topLeft(), popup->grab());
  return picture;
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
    const QString name = QString::fromStdString(spec->name);
    ombrel::CalcWindow* window = navigator.open(name);
    for (const ombrel::Control& c : spec->controls) {
      if (c.buttonRole == ombrel::ButtonRole::Calculate && c.kind == ombrel::ControlKind::Button) {
        window->findChild<QPushButton*>(QString::fromStdString(c.name))->click();
        break;
      }
    }
    app.processEvents();
    if (!save(window->grab(), out, name + QStringLiteral(".png"))) return 1;
  }

  // The air gap's formula, as hovering over the result shows it.
  ombrel::CalcWindow* lg = navigator.window(QStringLiteral("lg"));
  QLineEdit* gap = lg->field(QStringLiteral("Text4"));
  QToolTip::showText(gap->mapToGlobal(QPoint(gap->width() / 3, gap->height() / 2)), gap->toolTip(), gap);
  app.processEvents();
  QWidget* tip = shownToolTip();
  if (!tip || !save(withPopup(lg, tip), out, QStringLiteral("tooltip.png"))) return 1;
  QToolTip::hideText();

  // The result's context menu: Qt's entries and the copy entry.
  QMenu* menu = lg->contextMenu(gap);
  menu->popup(gap->mapToGlobal(QPoint(gap->width() / 2, gap->height() / 2)));
  app.processEvents();
  if (!save(withPopup(lg, menu), out, QStringLiteral("context-menu.png"))) return 1;
  menu->close();
  delete menu;

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
    const QString caption = QString::fromStdString(spec->caption);
    md << "\n## " << qs(row.menu) << " → " << qs(row.command) << " → " << caption << "\n\n"
       << "![" << caption << "](" << qs(row.window) << ".png)\n";
    listed << qs(row.window);
  }
  for (const ombrel::WindowSpec* spec : ombrel::builtWindows()) {
    const QString name = QString::fromStdString(spec->name);
    if (listed.contains(name)) continue;
    const QString caption = QString::fromStdString(spec->caption);
    // Where it opens from: the menu path of another window, then the
    // clickable label or button there.
    QString from;
    for (const ombrel::WindowSpec* other : ombrel::builtWindows())
      for (const ombrel::Control& c : other->controls) {
        if (c.opens != spec->name) continue;
        for (const ombrel::MenuCommand& row : ombrel::menuTree())
          if (row.window == other->name) from = qs(row.menu) + " → " + qs(row.command) + " → ";
        from += QString::fromStdString(other->caption + " → “" + c.text + "”");
      }
    md << "\n## " << (from.isEmpty() ? QString() : from + " → ") << caption << "\n\n"
       << "![" << caption << "](" << name << ".png)\n";
  }
  md << "\n## Formulas and copying\n\n"
        "Hovering over a result or its caption shows how it is computed:\n\n"
        "![The air gap's formula](tooltip.png)\n\n"
        "Every field's context menu copies the window's data as a table (also\n"
        "Ctrl+Shift+C):\n\n"
        "![The context menu of a field](context-menu.png)\n";
  return md.status() == QTextStream::Ok && page.flush() ? 0 : 1;
}

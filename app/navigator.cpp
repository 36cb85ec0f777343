// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navigator.h"

#include "app/bode_window.h"
#include "app/calc_window.h"
#include "app/core_shape_window.h"
#include "app/field_menu.h"
#include "app/goal_seek_window.h"
#include "app/looks.h"
#include "app/main_form.h"
#include "app/placement.h"
#include "app/registry.h"
#include "app/sweep_window.h"
#include "app/window_texts.h"
#include "common/number.h"
#include "transformer/flyback_fields.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

namespace ombrel {

Navigator::Navigator(Lookup lookup)
    : lookup_(lookup), main_(std::make_unique<MainForm>()) {
  connect(main_.get(), &MainForm::commandChosen, this, [this](const QString& name) { open(name); });
  connect(main_.get(), &MainForm::closing, this, [this] { endIfNothingShown(main_.get()); });
  openers_ = openers();
}

// The entries of the fields' menus that open a window beside the calculator,
// in the order they stand: one row a window.
MenuOpeners Navigator::openers() {
  using Where = MenuOpener::Where;
  MenuOpeners rows = {{QStringLiteral("按尺寸计算…"), Where::CoreList,
                       [](const CalcWindow&, const Control& c) { return c.parts == PartList::Cores; },
                       [this](CalcWindow& w, const QString& field) { coreShape(&w, field); }}};
  // The windows a field's menu opens in their slots, the field's text typed in.
  for (const FieldOpened& o : fieldOpened())
    rows.push_back({qs(o.entry), Where::Field,
                    [o](const CalcWindow& w, const Control& c) {
                      return c.quantity.kind == o.from && w.spec().name != o.window;
                    },
                    [this, o](CalcWindow& w, const QString& field) { openFrom(&w, o, field); }});
  rows.push_back({QStringLiteral("参数扫描…"), Where::Field,
                  [](const CalcWindow&, const Control& c) { return c.fieldRole == FieldRole::Input; },
                  [this](CalcWindow& w, const QString& input) { sweep(&w, input); }});
  rows.push_back({QStringLiteral("反算…"), Where::Field,
                  [](const CalcWindow&, const Control& c) { return c.fieldRole == FieldRole::Output; },
                  [this](CalcWindow& w, const QString& result) { goalSeek(&w, result); }});
  rows.push_back({QStringLiteral("频率响应…"), Where::Field,
                  [](const CalcWindow& w, const Control&) { return w.spec().frequencyResponse; },
                  [this](CalcWindow& w, const QString&) { bode(&w); }});
  return rows;
}

QList<CalcWindow*> Navigator::peers() const {
  QList<CalcWindow*> windows;
  for (std::string_view name : dataWindows())
    if (CalcWindow* w = window(qs(name))) windows << w;
  return windows;
}

Navigator::~Navigator() {
  for (auto& [name, window] : slots_) delete window;
}

CalcWindow* Navigator::open(const QString& name) {
  CalcWindow* slot = made(name);
  if (slot) present(slot);
  return slot;
}

CalcWindow* Navigator::made(const QString& name) {
  if (CalcWindow* existing = window(name)) return existing;
  const WindowSpec* spec = lookup_(name.toStdString());
  if (!spec) return nullptr;
  CalcWindow*& slot = slots_[name];
  slot = new CalcWindow(*spec);
  CalcWindow* created = slot;
  connect(created, &CalcWindow::returnPressed, this,
          [this, created](bool alsoShowMainForm) { hide(created, alsoShowMainForm); });
  connect(created, &CalcWindow::showWanted, this, [this](const QString& other) { open(other); });
  connect(created, &CalcWindow::closing, this, [this, created] { discard(created); });
  // The windows that exist now, in the main menu's order, those a field's
  // menu opens last: what "取自" offers from and "复制全部窗口数据" copies.
  created->setPeers([this] { return peers(); });
  created->setMenuMaker(
      [this](CalcWindow& w, QLineEdit* field) { return fieldMenu(w, field, peers(), openers_); });
  return created;
}

void Navigator::present(QWidget* window) {
  // A window minimised with its title-bar button comes back as it was left:
  // without a task bar the user would have no other way to reach it.
  if (window->windowState() & Qt::WindowMinimized)
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();  // shown already: nothing changes
  window->raise();
  window->activateWindow();  // and takes the keyboard, also where no window manager does it
}

template <class Window, class... Args>
Window* Navigator::beside(std::unique_ptr<Window>& slot, CalcWindow* from, const Args&... args) {
  if (!slot) {
    slot = std::make_unique<Window>();
    const SideWindow* created = slot.get();
    sideWindows_.push_back(created);
    connect(slot.get(), &SideWindow::hidden, this, [this, created] { endIfNothingShown(created); });
  }
  slot->start(from, args...);
  placeBeside(slot.get(), from);
  present(slot.get());
  return slot.get();
}

void Navigator::placeBeside(QWidget* window, const QWidget* from) {
  const QScreen* screen = from->screen();
  if (!screen) return;
  const auto box = [](const QRect& r) { return Box{r.x(), r.y(), r.width(), r.height()}; };
  const Box near = box(from->frameGeometry()), room = box(screen->availableGeometry());
  // Its title bar and borders: those it has, or, before it first shows,
  // those of the calculator it goes beside.
  const QSize frame =
      (window->frameGeometry().size() - window->size()).expandedTo(from->frameGeometry().size() - from->size());
  const auto framed = [&frame](const QSize& size) {
    return Box{0, 0, size.width() + frame.width(), size.height() + frame.height()};
  };
  // Shrunk to the room where larger, as far as its layout lets it (a window
  // that fits keeps its size, or takes the one it asks for when first
  // shown); placed at the size it then has.
  const Box fitted = placedBeside(near, framed(window->size()), room);
  if (const QSize fits = window->size().boundedTo(QSize(fitted.width, fitted.height) - frame); fits != window->size())
    window->resize(fits);
  const Box at = placedBeside(near, framed(window->size()), room);
  window->move(at.x, at.y);
}

SweepWindow* Navigator::sweep(CalcWindow* from, const QString& input) {
  return beside(sweep_, from, input.toStdString());
}

CoreShapeWindow* Navigator::coreShape(CalcWindow* from, const QString& field) {
  return beside(coreShape_, from, field);
}

GoalSeekWindow* Navigator::goalSeek(CalcWindow* from, const QString& result) { return beside(goalSeek_, from, result); }

BodeWindow* Navigator::bode(CalcWindow* from) {
  const std::function<CalcWindow*()> flyback = [this] { return window(qs(flyback_fields::kWindow)); };
  return beside(bode_, from, flyback);
}

CalcWindow* Navigator::openFrom(CalcWindow* from, const FieldOpened& opened, const QString& field) {
  CalcWindow* to = made(qs(opened.window));
  if (!to) return nullptr;
  if (from && from != to) {
    // The calculator's own set of the window's texts, kept from its last
    // opening, or a first one at the calculator's switching frequency.
    CheckSets& sets = checkSets_[to->objectName()];
    if (const std::optional<WindowSet> set = sets.open(to->spec(), from->spec(), WidgetFields(*from), to->windowSet()))
      to->showSet(*set, qs(sets.title(to->spec())));
    const QString text = from->text(field);
    if (QLineEdit* into = to->field(qs(opened.into)); into && IsPlainNumber(text.toStdString()))
      typeAsUser(into, text);
    placeBeside(to, from);
  }
  present(to);
  return to;
}

CalcWindow* Navigator::window(const QString& name) const {
  const auto it = slots_.find(name);
  return it == slots_.end() ? nullptr : it->second;
}

void Navigator::hide(CalcWindow* window, bool alsoShowMainForm) {
  window->hide();
  if (alsoShowMainForm) present(main_.get());  // MainForm again, even after it was closed
  endIfNothingShown(window);
}

void Navigator::discard(CalcWindow* window) {
  checkSets_.erase(window->objectName());
  slots_.erase(window->objectName());
  window->deleteLater();
  endIfNothingShown(window);
}

void Navigator::endIfNothingShown(const QWidget* going) {
  if (main_.get() != going && main_->isVisible()) return;
  for (const auto& [name, window] : slots_)
    if (window != going && window->isVisible()) return;
  for (const SideWindow* side : sideWindows_)
    if (side != going && side->isVisible()) return;
  emit nothingShown();
}

}  // namespace ombrel

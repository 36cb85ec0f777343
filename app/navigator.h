// SPDX-License-Identifier: GPL-3.0-or-later
// The window slots: one per calculator window class, empty until its menu
// command first creates the window. 返回 hides a window with its texts; the
// title-bar close button discards it. When a close or a 返回 leaves no window
// of the program shown, nothingShown() tells the program to end.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "app/field_menu.h"
#include "app/registry.h"
#include "magnetics/check_sets.h"

namespace ombrel {

class BodeWindow;
class CalcWindow;
class CoreShapeWindow;
class GoalSeekWindow;
class MainForm;
class SideWindow;
class SweepWindow;

class Navigator : public QObject {
  Q_OBJECT

 public:
  // Where window tables come from: the registry, or a test's own tables.
  using Lookup = const WindowSpec* (*)(std::string_view name);
  explicit Navigator(Lookup lookup = &windowSpec);
  ~Navigator() override;

  MainForm& mainForm() { return *main_; }
  // Open window: create it into its slot if empty, then show it. Returns
  // nullptr for a window that is not built yet (the command does nothing).
  CalcWindow* open(const QString& name);
  // The window in a slot, or nullptr while the slot is empty.
  CalcWindow* window(const QString& name) const;
  // The windows beside the calculators (app/side_window.h), each one for the
  // program. The sweep window: a new sweep replaces its content; shown
  // beside the calculator it sweeps.
  SweepWindow* sweep(CalcWindow* from, const QString& input);
  SweepWindow* sweepWindow() const { return sweep_.get(); }
  // The core shape window: shown again with what it held, beside the
  // calculator it fills.
  CoreShapeWindow* coreShape(CalcWindow* from, const QString& field);
  CoreShapeWindow* coreShapeWindow() const { return coreShape_.get(); }
  // The goal seek window (反算): started anew for each result, beside its calculator.
  GoalSeekWindow* goalSeek(CalcWindow* from, const QString& result);
  GoalSeekWindow* goalSeekWindow() const { return goalSeek_.get(); }
  // The loop window's frequency response: follows the loop window it was opened from.
  BodeWindow* bode(CalcWindow* from);
  BodeWindow* bodeWindow() const { return bode_.get(); }
  // A window a field's menu opens (fieldOpened(): the winding check), in its
  // slot: shown beside `from`, the text of `from`'s `field` typed into its
  // input when it is a plain number.
  CalcWindow* openFrom(CalcWindow* from, const FieldOpened& opened, const QString& field);

 signals:
  void nothingShown();

 private:
  void hide(CalcWindow* window, bool alsoShowMainForm);
  void discard(CalcWindow* window);
  void present(QWidget* window);
  // The calculator window in the slot `name`, created from its table if
  // empty; nullptr for a name that is no window.
  CalcWindow* made(const QString& name);
  // The windows that exist now, in dataWindows() order.
  QList<CalcWindow*> peers() const;
  // The field menus' entries that open the windows beside the calculators.
  MenuOpeners openers();
  // Beside `from`, inside the available area of the screen it stands on,
  // and shrunk to that area where larger (app/placement.h).
  static void placeBeside(QWidget* window, const QWidget* from);
  // The side window in `slot`, created at its first use, started with
  // `args` and shown beside the calculator `from`, on the screen it stands on.
  template <class Window, class... Args>
  Window* beside(std::unique_ptr<Window>& slot, CalcWindow* from, const Args&... args);
  void endIfNothingShown(const QWidget* going);

  Lookup lookup_;
  std::unique_ptr<MainForm> main_;
  std::map<QString, CalcWindow*> slots_;
  std::unique_ptr<SweepWindow> sweep_;
  std::unique_ptr<CoreShapeWindow> coreShape_;
  std::unique_ptr<GoalSeekWindow> goalSeek_;
  std::unique_ptr<BodeWindow> bode_;
  MenuOpeners openers_;
  std::vector<const SideWindow*> sideWindows_;  // those created, for endIfNothingShown
  // Each window a field's menu opens keeps one set of texts a calculator.
  std::map<QString, CheckSets> checkSets_;
};

}  // namespace ombrel

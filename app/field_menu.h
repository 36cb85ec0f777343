// SPDX-License-Identifier: GPL-3.0-or-later
// The context menu of a calculator window's field: Qt's own entries for a
// line edit, then what the field offers ("选择磁芯" or "选择线径"), then
// "复制本窗口数据", "粘贴本窗口数据", "复制全部窗口数据", for an input "取自"
// (the values of its quantity the other windows hold, common/offers.h), and
// last the entries that open a window beside the calculator, from the table
// its owner gives (MenuOpener), in table order. Choosing a part or a value
// types its text into the field as the user would: the whole text replaced,
// undoable, nothing calculated.
#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <vector>

#include "common/window_spec.h"

class QLineEdit;
class QMenu;

namespace ombrel {

class CalcWindow;

// An entry that opens a window beside the calculator: its text, where it
// stands, the fields it is offered for, and what it opens. The Navigator's
// table, in order:
//   "按尺寸计算…"  last in "选择磁芯"      core fields    the core shape window
//   "磁件复核…"    after 取自 / the copy   turns fields   the winding check
//   "参数扫描…"                            inputs         the sweep window
//   "反算…"                                results        the 反算 window
//   "频率响应…"                            the loop's     the Bode window
struct MenuOpener {
  enum class Where { CoreList, Field };
  QString text;
  Where where = Where::Field;
  std::function<bool(const CalcWindow& window, const Control& field)> offered;
  std::function<void(CalcWindow& window, const QString& field)> open;
};
using MenuOpeners = std::vector<MenuOpener>;

// The menu for `field` of `window`, with "取自" offering from `others` (the
// calculator windows that exist now, in the main menu's order; `window`
// itself is left out). The caller owns it.
QMenu* fieldMenu(CalcWindow& window, QLineEdit* field, const QList<CalcWindow*>& others, const MenuOpeners& openers);

}  // namespace ombrel

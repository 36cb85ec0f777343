// SPDX-License-Identifier: GPL-3.0-or-later
// The context menu of a calculator window's field: Qt's own entries for a
// line edit, then what the field offers ("选择磁芯", its last entry
// "按尺寸计算…" opening the core shape window, or "选择线径"), then
// "复制本窗口数据", "粘贴本窗口数据", "复制全部窗口数据", and for an input "取自" (the values of its quantity the
// other windows hold, common/offers.h) and "参数扫描…", for a result "反算…";
// in the loop window, last, "频率响应…". Choosing a part or a
// value types its text into the field as the user would: the whole text
// replaced, undoable, nothing calculated.
#pragma once

#include <QList>

class QLineEdit;
class QMenu;

namespace ombrel {

class CalcWindow;

// The menu for `field` of `window`, with "取自" offering from `others` (the
// calculator windows that exist now, in the main menu's order; `window`
// itself is left out). The caller owns it.
QMenu* fieldMenu(CalcWindow& window, QLineEdit* field, const QList<CalcWindow*>& others);

}  // namespace ombrel

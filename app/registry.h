// SPDX-License-Identifier: GPL-3.0-or-later
// The windows of the program and MainForm's menu tree: nineteen commands,
// each naming the window it shows; gongs, which huanlu opens; and the
// winding check, which a turns field's menu opens. Above the calculators
// (transformer/ ... emi/) and magnetics/, which stand on the parts.
#pragma once

#include <string_view>
#include <vector>

#include "common/window_spec.h"

namespace ombrel {

struct MenuCommand {
  std::string_view menu;     // menu title on MainForm's menu bar
  std::string_view command;  // command text in that menu
  std::string_view window;   // name of the window it shows
};

// The menus left to right, their commands top to bottom.
const std::vector<MenuCommand>& menuTree();

// A window that a field's context menu opens rather than a menu command: the
// entry's text, the kind of the fields whose menus hold it (not the
// window's own), and the input the field's text is typed into when it is a
// plain number.
//   {"winding", "磁件复核…", Turns, "N1"}: 初级圈数(T) 80 -> the check, 圈数 of 绕组1 80
struct FieldOpened {
  std::string_view window;
  std::string_view entry;
  QuantityKind from;
  std::string_view into;
};
const std::vector<FieldOpened>& fieldOpened();

// The windows whose fields "取自" offers and "复制全部窗口数据" copies, in the
// main menu's order, then those fieldOpened() names:
//   FlybackForm ForwardForm ... gongm chamo winding
std::vector<std::string_view> dataWindows();

// The table of a window, or nullptr for a name that is no window.
const WindowSpec* windowSpec(std::string_view name);

// Every built window, the ones on no menu included, by name.
std::vector<const WindowSpec*> builtWindows();

}  // namespace ombrel

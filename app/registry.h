// SPDX-License-Identifier: GPL-3.0-or-later
// The windows of the program and MainForm's menu tree: nineteen commands,
// each naming the window it shows, and gongs, which huanlu opens.
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

// The table of a window, or nullptr for a name that is no window.
const WindowSpec* windowSpec(std::string_view name);

// Every built window, the ones on no menu included.
std::vector<const WindowSpec*> builtWindows();

}  // namespace ombrel

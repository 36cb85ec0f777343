// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/registry.h"

#include <algorithm>
#include <map>
#include <string>

namespace ombrel {

namespace windows {
// transformer/
WindowSpec FlybackForm();
WindowSpec ForwardForm();
WindowSpec HalfBridgeForm();
WindowSpec FullBridgeForm();
WindowSpec qudongbyq();

// inductor/
WindowSpec lg();
WindowSpec P();
WindowSpec lout();
WindowSpec diangq();

// capacitor/
// (declarations of the capacitor windows)
WindowSpec cin();
WindowSpec cout();

// loop/ and tl431/
WindowSpec huanlu();
WindowSpec gongs();
WindowSpec TL431();

// conductor/ and emi/
WindowSpec daoxian();
WindowSpec tongdai();
WindowSpec tx();
WindowSpec td();
WindowSpec gongm();
WindowSpec chamo();

// magnetics/
WindowSpec winding();
}  // namespace windows

namespace {

using Factory = WindowSpec (*)();

// One line a window: its name and the function that describes it.
const std::map<std::string, Factory, std::less<>> kWindows = {
    // transformer/
    {"FlybackForm", &windows::FlybackForm},
    {"ForwardForm", &windows::ForwardForm},
    {"HalfBridgeForm", &windows::HalfBridgeForm},
    {"FullBridgeForm", &windows::FullBridgeForm},
    {"qudongbyq", &windows::qudongbyq},

    // inductor/
    {"lg", &windows::lg},
    {"P", &windows::P},
    {"lout", &windows::lout},
    {"diangq", &windows::diangq},

    // capacitor/
    {"cin", &windows::cin},
    {"cout", &windows::cout},

    // loop/ and tl431/
    {"huanlu", &windows::huanlu},
    {"gongs", &windows::gongs},
    {"TL431", &windows::TL431},

    // conductor/ and emi/
    {"daoxian", &windows::daoxian},
    {"tongdai", &windows::tongdai},
    {"tx", &windows::tx},
    {"td", &windows::td},
    {"gongm", &windows::gongm},
    {"chamo", &windows::chamo},

    // magnetics/
    {"winding", &windows::winding},

};

}  // namespace

const std::vector<MenuCommand>& menuTree() {
  static const std::vector<MenuCommand> tree = {
      {"变压器设计", "反激电源", "FlybackForm"},
      {"变压器设计", "正激电源", "ForwardForm"},
      {"变压器设计", "半桥电源", "HalfBridgeForm"},
      {"变压器设计", "全桥电源", "FullBridgeForm"},
      {"变压器设计", "驱动变压器", "qudongbyq"},
      {"电感设计", "PFC电感", "P"},
      {"电感设计", "输出电感", "lout"},
      {"电感设计", "电感圈数计算", "diangq"},
      {"电感设计", "电感气隙计算", "lg"},
      {"电容设计", "输入电容", "cin"},
      {"电容设计", "输出电容", "cout"},
      {"环路控制", "电流型控制环路", "huanlu"},
      {"导线计算", "铜线计算", "daoxian"},
      {"导线计算", "铜带计算", "tongdai"},
      {"电阻计算", "铜线电阻", "tx"},
      {"电阻计算", "铜带电阻", "td"},
      {"电阻计算", "TL431计算", "TL431"},
      {"EMI设计", "差模扼流圈", "gongm"},
      {"EMI设计", "共模扼流圈", "chamo"},
  };
  return tree;
}

const std::vector<FieldOpened>& fieldOpened() {
  static const std::vector<FieldOpened> windows = {
      {"winding", "磁件复核…", QuantityKind::Turns, "N1"},
  };
  return windows;
}

const WindowSpec* windowSpec(std::string_view name) {
  // Built once; the tables hold their handlers and never change.
  static const std::map<std::string, WindowSpec, std::less<>> specs = [] {
    std::map<std::string, WindowSpec, std::less<>> m;
    for (const auto& [windowName, make] : kWindows) m.emplace(windowName, make());
    return m;
  }();
  const auto it = specs.find(name);
  return it == specs.end() ? nullptr : &it->second;
}

std::vector<std::string_view> dataWindows() {
  std::vector<std::string_view> names;
  const auto add = [&names](std::string_view name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  };
  for (const MenuCommand& row : menuTree()) add(row.window);
  for (const FieldOpened& opened : fieldOpened()) add(opened.window);
  return names;
}

std::vector<const WindowSpec*> builtWindows() {
  std::vector<const WindowSpec*> all;
  for (const auto& entry : kWindows) all.push_back(windowSpec(entry.first));
  return all;
}

}  // namespace ombrel

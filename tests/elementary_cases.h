// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of tests/elementary_cases.txt, and each function by its name
// there. A row: the function, its argument or two (pow x y, atan2 y x,
// hypot x y) and the correctly rounded result, as hexadecimal literals:
//   exp 0x1p+0 0x1.5bf0a8b145769p+1   -> {"exp", 1, 0, e rounded, false}
#pragma once

#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/elementary.h"
#include "exact.h"

namespace ombrel::test {

struct ElementaryCase {
  std::string function;
  double x = 0, y = 0, expected = 0;
  int line = 0;
};

inline std::vector<ElementaryCase> elementaryCases(const char* path) {
  std::vector<ElementaryCase> cases;
  std::ifstream file(path);
  int number = 0;
  for (std::string line; std::getline(file, line);) {
    ++number;
    std::istringstream row(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string w; row >> w;) words.push_back(w);
    if (words.size() < 3) continue;
    ElementaryCase c{words[0], fromHexFloat(words[1]), 0, fromHexFloat(words.back()), number};
    if (words.size() == 4) c.y = fromHexFloat(words[2]);
    cases.push_back(c);
  }
  return cases;
}

using Elementary = std::function<double(double, double)>;
inline const std::map<std::string, Elementary>& elementaryFunctions() {
  static const std::map<std::string, Elementary> functions = {
      {"exp", [](double x, double) { return cr::exp(x); }},
      {"log", [](double x, double) { return cr::log(x); }},
      {"log10", [](double x, double) { return cr::log10(x); }},
      {"pow", [](double x, double y) { return cr::pow(x, y); }},
      {"sin", [](double x, double) { return cr::sin(x); }},
      {"cos", [](double x, double) { return cr::cos(x); }},
      {"tan", [](double x, double) { return cr::tan(x); }},
      {"asin", [](double x, double) { return cr::asin(x); }},
      {"acos", [](double x, double) { return cr::acos(x); }},
      {"atan", [](double x, double) { return cr::atan(x); }},
      {"atan2", [](double y, double x) { return cr::atan2(y, x); }},
      {"hypot", [](double x, double y) { return cr::hypot(x, y); }},
      {"sinh", [](double x, double) { return cr::sinh(x); }},
      {"cosh", [](double x, double) { return cr::cosh(x); }},
      {"tanh", [](double x, double) { return cr::tanh(x); }},
      {"tgamma", [](double x, double) { return cr::gamma(x); }},
  };
  return functions;
}

}  // namespace ombrel::test

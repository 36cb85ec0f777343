// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/tooltips.h"

#include "common/number.h"
#include "common/standard_values.h"

namespace ombrel {

std::string inputTip(const WindowSpec& spec, const Control& input, const std::string& note, const std::string& wider,
                     const std::string& check) {
  std::string tip = (wider.empty() ? std::string() : wider + "\n") + (note.empty() ? std::string() : note + "\n") +
                    input.meaning + "\n";
  const std::vector<std::string> outputs = spec.usedBy(input.name);
  if (outputs.empty()) tip += "不参与计算";
  else tip += "用于：";
  for (std::size_t i = 0; i < outputs.size(); ++i) tip += (i ? "、" : "") + spec.placedCaption(outputs[i], "「", "」");
  return tip + (check.empty() ? std::string() : "\n验算：" + check);
}

std::string outputTip(const Control& output, const std::string& text, const std::string& note) {
  if (IsBlank(text)) return output.formula;
  const std::optional<std::string> standard = standardValuesLine(text, output.quantity, output.minimum);
  return text + note + "\n" + output.formula + (standard ? "\n" + *standard : std::string());
}

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as texts, as the program writes them, joined by blanks: how the
// headless tests of the sweep's points and the chart's ticks compare a list
// of doubles with one line worked out elsewhere.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "common/number.h"

namespace ombrel::test {

inline QString texts(const std::vector<double>& values) {
  QStringList out;
  for (double v : values) out << QString::fromStdString(TextFromNumber(v));
  return out.join(' ');
}

}  // namespace ombrel::test

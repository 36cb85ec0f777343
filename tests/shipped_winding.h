// SPDX-License-Identifier: GPL-3.0-or-later
// The winding check's table made from the standard shapes as shipped
// (OMBREL_CORE_SHAPES, the data file's path), read once.
#pragma once

#include <QFile>
#include <QtGlobal>

#include "parts/shape_file.h"
#include "parts/winding.h"

namespace ombrel::test {

inline const WindowSpec& shippedWinding() {
  static const WindowSpec spec = [] {
    QFile file(OMBREL_CORE_SHAPES);
    if (!file.open(QIODevice::ReadOnly)) qFatal("no %s", OMBREL_CORE_SHAPES);
    return windingWindow(parseCoreShapes(file.readAll().toStdString()).shapes);
  }();
  return spec;
}

}  // namespace ombrel::test

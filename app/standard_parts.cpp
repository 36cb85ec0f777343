// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/standard_parts.h"

#include <QByteArray>
#include <QFile>

#include "app/looks.h"
#include "parts/parts.h"
#include "parts/shape_file.h"
#include "parts/winding.h"

namespace ombrel {

namespace {

QByteArray resource(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

const std::vector<CoreShape>& standardShapes() {
  static const CoreShapeTable table = parseCoreShapes(resource(QStringLiteral(":/data/core-shapes.ndjson")).toStdString());
  return table.shapes;
}

const std::vector<CoreChoice>& coreChoiceList() {
  static const CoreTable makers = parseCores(resource(QStringLiteral(":/data/cores.csv")).toStdString());
  static const std::vector<CoreChoice> list = coreChoices(makers.cores, standardShapes());
  return list;
}

const CoreShape* standardShape(const std::string& family, const QString& name) {
  for (const CoreChoice& c : coreChoiceList())
    if (c.shape && c.shape->family == family && qs(c.name) == name) return c.shape;
  return nullptr;
}

const WindowSpec& windingSpec() {
  static const WindowSpec spec = windingWindow(standardShapes());
  return spec;
}

}  // namespace ombrel

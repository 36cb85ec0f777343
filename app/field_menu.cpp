// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/field_menu.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <vector>

#include "app/calc_window.h"
#include "common/offers.h"
#include "common/parts.h"

namespace ombrel {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The cores of the data file compiled into the program, read once.
const CoreTable& cores() {
  static const CoreTable table = [] {
    QFile file(QStringLiteral(":/data/cores.csv"));
    return parseCores(file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string());
  }();
  return table;
}

// Choosing an entry puts its text into the field as typing would: it replaces
// the whole text, can be undone, and calculates nothing.
void addEntry(QMenu* menu, QLineEdit* field, const std::string& label, const std::string& entryText) {
  QAction* action = menu->addAction(qs(label));
  const QString text = qs(entryText);
  QObject::connect(action, &QAction::triggered, field, [field, text] {
    field->selectAll();
    field->insert(text);
  });
}

// "选择磁芯" with a submenu a family, or "选择线径" with the IEC and AWG series.
void addParts(QMenu* menu, QLineEdit* field, PartList list) {
  if (list == PartList::Cores) {
    QMenu* byFamily = menu->addMenu(QStringLiteral("选择磁芯"));
    for (const std::string& family : coreFamilies()) {
      QMenu* parts = byFamily->addMenu(qs(family));
      for (const Core& core : cores().cores)
        if (core.family == family) {
          const PartEntry entry = coreEntry(core);
          addEntry(parts, field, entry.label, entry.text);
        }
      parts->setEnabled(!parts->isEmpty());
    }
  } else if (list == PartList::Wires) {
    QMenu* wires = menu->addMenu(QStringLiteral("选择线径"));
    QMenu* iec = wires->addMenu(QStringLiteral("IEC"));
    for (const PartEntry& wire : iecWires()) addEntry(iec, field, wire.label, wire.text);
    QMenu* awg = wires->addMenu(QStringLiteral("AWG"));
    for (const PartEntry& wire : awgWires()) addEntry(awg, field, wire.label, wire.text);
  }
}


// "取自": a submenu a window, an entry a value; or one disabled entry.
void addOffers(QMenu* menu, QLineEdit* field, const Quantity& quantity, const QList<CalcWindow*>& others) {
  QMenu* from = menu->addMenu(QStringLiteral("取自"));
  const std::vector<OfferGroup> groups = offersFor(quantity, WindowsAsTexts(others).all());
  for (const OfferGroup& g : groups) {
    QMenu* window = from->addMenu(qs(g.caption));
    for (const Offer& offer : g.offers) addEntry(window, field, offer.label, offer.text);
  }
  if (groups.empty()) from->addAction(QStringLiteral("（没有同单位的数值）"))->setEnabled(false);
}

}  // namespace

QMenu* fieldMenu(CalcWindow& window, QLineEdit* field, const QList<CalcWindow*>& others) {
  QMenu* menu = field->createStandardContextMenu();
  const Control* c = window.spec().find(field->objectName().toStdString());
  if (c && c->parts != PartList::None) {
    menu->addSeparator();
    addParts(menu, field, c->parts);
  }
  if (window.copyAction()) {
    menu->addSeparator();
    menu->addAction(window.copyAction());
    menu->addAction(window.pasteAction());
    menu->addAction(window.copyAllAction());
  }
  if (c && c->fieldRole == FieldRole::Input) {
    QList<CalcWindow*> rest = others;
    rest.removeAll(&window);
    addOffers(menu, field, c->quantity, rest);
    const QString input = field->objectName();
    QObject::connect(menu->addAction(QStringLiteral("参数扫描…")), &QAction::triggered, &window,
                     [&window, input] { emit window.sweepWanted(input); });
  }
  return menu;
}

}  // namespace ombrel

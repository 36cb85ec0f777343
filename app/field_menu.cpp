// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/field_menu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <vector>

#include "app/calc_window.h"
#include "app/looks.h"
#include "app/standard_parts.h"
#include "app/window_texts.h"
#include "common/offers.h"
#include "parts/parts.h"

namespace ombrel {
namespace {

// Choosing an entry puts its text into the field as typing would
// (typeAsUser): it replaces the whole text, can be undone, calculates nothing.
void addEntry(QMenu* menu, QLineEdit* field, const std::string& label, const std::string& entryText) {
  QAction* action = menu->addAction(qs(label));
  const QString text = qs(entryText);
  QObject::connect(action, &QAction::triggered, field, [field, text] { typeAsUser(field, text); });
}

// "选择磁芯" with a submenu a family, or "选择线径" with the IEC and AWG series.
void addParts(QMenu* menu, CalcWindow& window, QLineEdit* field, PartList list) {
  if (list == PartList::Cores) {
    QMenu* byFamily = menu->addMenu(QStringLiteral("选择磁芯"));
    for (const std::string& family : coreFamilies()) {
      QMenu* parts = byFamily->addMenu(qs(family));
      parts->setToolTipsVisible(true);
      for (const CoreChoice& core : coreChoiceList())
        if (core.family == family) {
          addEntry(parts, field, core.entry.label, core.entry.text);
          // Rich text, so that a long source wraps.
          parts->actions().back()->setToolTip(QStringLiteral("<p>") +
                                              qs(core.tooltip).toHtmlEscaped().replace('\n', QStringLiteral("<br>")) +
                                              QStringLiteral("</p>"));
        }
      parts->setEnabled(!parts->isEmpty());
    }
    byFamily->addSeparator();
    QObject::connect(byFamily->addAction(QStringLiteral("按尺寸计算…")), &QAction::triggered, &window,
                     [&window, name = field->objectName()] { emit window.coreShapeWanted(name); });
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
    addParts(menu, window, field, c->parts);
  }
  if (window.copyAction()) {
    menu->addSeparator();
    menu->addAction(window.copyAction());
    menu->addAction(window.pasteAction());
    menu->addAction(window.copyAllAction());
  }
  // A winding's turns open the winding check, except in the check itself.
  const QString name = field->objectName();
  const auto addWinding = [&] {
    if (c->quantity.kind != QuantityKind::Turns || window.spec().name == "winding") return;
    QObject::connect(menu->addAction(QStringLiteral("绕组复核…")), &QAction::triggered, &window,
                     [&window, name] { emit window.windingWanted(name); });
  };
  if (c && c->fieldRole == FieldRole::Input) {
    QList<CalcWindow*> rest = others;
    rest.removeAll(&window);
    addOffers(menu, field, c->quantity, rest);
    addWinding();
    const QString input = field->objectName();
    QObject::connect(menu->addAction(QStringLiteral("参数扫描…")), &QAction::triggered, &window,
                     [&window, input] { emit window.sweepWanted(input); });
  } else if (c && c->fieldRole == FieldRole::Output) {
    addWinding();
    const QString result = field->objectName();
    QObject::connect(menu->addAction(QStringLiteral("反算…")), &QAction::triggered, &window,
                     [&window, result] { emit window.goalSeekWanted(result); });
  }
  if (window.spec().frequencyResponse)
    QObject::connect(menu->addAction(QStringLiteral("频率响应…")), &QAction::triggered, &window,
                     [&window] { emit window.bodeWanted(); });
  return menu;
}

}  // namespace ombrel

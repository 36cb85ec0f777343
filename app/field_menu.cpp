// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/field_menu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <vector>

#include "app/calc_window.h"
#include "app/looks.h"
#include "parts/shipped.h"
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

// The openers of `where` offered for the field, in table order.
void addOpeners(QMenu* menu, CalcWindow& window, const Control& c, const MenuOpeners& openers, MenuOpener::Where where) {
  for (const MenuOpener& o : openers)
    if (o.where == where && o.offered(window, c))
      QObject::connect(menu->addAction(o.text), &QAction::triggered, &window,
                       [&window, open = o.open, name = qs(c.name)] { open(window, name); });
}

// "选择磁芯" with a submenu a family, the openers of the core list last, or
// "选择线径" with the IEC and AWG series.
void addParts(QMenu* menu, CalcWindow& window, QLineEdit* field, const Control& c, const MenuOpeners& openers) {
  const PartList list = c.parts;
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
    addOpeners(byFamily, window, c, openers, MenuOpener::Where::CoreList);
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

QMenu* fieldMenu(CalcWindow& window, QLineEdit* field, const QList<CalcWindow*>& others, const MenuOpeners& openers) {
  QMenu* menu = field->createStandardContextMenu();
  const Control* c = window.spec().find(field->objectName().toStdString());
  if (!c) return menu;
  if (c->parts != PartList::None) {
    menu->addSeparator();
    addParts(menu, window, field, *c, openers);
  }
  if (window.copyAction()) {
    menu->addSeparator();
    menu->addAction(window.copyAction());
    menu->addAction(window.pasteAction());
    menu->addAction(window.copyAllAction());
  }
  if (c->fieldRole == FieldRole::Input) {
    QList<CalcWindow*> rest = others;
    rest.removeAll(&window);
    addOffers(menu, field, c->quantity, rest);
  }
  addOpeners(menu, window, *c, openers, MenuOpener::Where::Field);
  return menu;
}

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/offers.h"

#include <cmath>

#include "common/number.h"

namespace ombrel {

std::vector<OfferGroup> offersFor(const Quantity& quantity, const std::vector<WindowTexts>& others) {
  std::vector<OfferGroup> groups;
  if (quantity.kind == QuantityKind::None) return groups;
  for (const WindowTexts& w : others) {
    if (!w.spec || !w.fields) continue;
    OfferGroup group{w.name(), {}};
    for (const FieldGroup& g : w.spec->fieldGroups())
      for (const Control* f : g.fields) {
        if (!(f->quantity == quantity)) continue;
        const std::string text = w.fields->text(f->name);
        if (!IsPlainNumber(text) || !std::isfinite(NumberFromText(text))) continue;
        const FieldMark mark = w.marks ? w.marks->mark(*w.spec, *w.fields, f->name) : FieldMark{};
        const std::string note = mark.brief.empty() ? mark.note : mark.brief;
        group.offers.push_back({w.spec->placedCaption(f->name) + "\t" + text + note, text});
      }
    if (!group.offers.empty()) groups.push_back(std::move(group));
  }
  return groups;
}

}  // namespace ombrel

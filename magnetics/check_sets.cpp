// SPDX-License-Identifier: GPL-3.0-or-later
#include "magnetics/check_sets.h"

#include "common/number.h"

namespace ombrel {

namespace {

// The check's design texts, with the switching frequency the calculator
// works at where it has one: its first input in kHz, plainly a number.
WindowSet firstSet(const WindowSpec& check, const WindowSpec& calculator, const Fields& texts) {
  WindowSet set;
  for (const Control& c : check.controls)
    if (c.kind == ControlKind::Field) set.texts[c.name] = c.text;
  for (const Control& c : calculator.controls)
    if (c.kind == ControlKind::Field && c.fieldRole == FieldRole::Input && c.quantity == q::frequency_kHz) {
      if (const std::string f = texts.text(c.name); IsPlainNumber(f))
        for (const Control& own : check.controls)
          if (own.kind == ControlKind::Field && own.fieldRole == FieldRole::Input && own.quantity == q::frequency_kHz)
            set.texts[own.name] = f;
      break;
    }
  return set;
}

}  // namespace

std::optional<WindowSet> CheckSets::open(const WindowSpec& check, const WindowSpec& calculator, const Fields& texts,
                                         WindowSet now) {
  if (calculator.name == owner_) return std::nullopt;
  if (!owner_.empty()) sets_[owner_] = std::move(now);
  owner_ = calculator.name;
  ownerCaption_ = calculator.caption;
  const auto kept = sets_.find(owner_);
  return kept != sets_.end() ? kept->second : firstSet(check, calculator, texts);
}

std::string CheckSets::title(const WindowSpec& check) const {
  return ownerCaption_.empty() ? check.caption : check.caption + " — " + ownerCaption_;
}

void CheckSets::forget() {
  owner_.clear();
  ownerCaption_.clear();
  sets_.clear();
}

}  // namespace ombrel

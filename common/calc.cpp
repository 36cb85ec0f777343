// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/calc.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "common/number.h"

namespace ombrel {

FieldStore::FieldStore(const WindowSpec& spec) {
  for (const Control& c : spec.controls)
    if (c.kind == ControlKind::Field) texts_[c.name] = c.text;
}

std::string FieldStore::text(const std::string& field) const {
  const auto it = texts_.find(field);
  if (it == texts_.end()) throw std::logic_error("no field " + field);
  return it->second;
}

void FieldStore::setText(const std::string& field, const std::string& text) {
  const auto it = texts_.find(field);
  if (it == texts_.end()) throw std::logic_error("no field " + field);
  it->second = text;
  written_.push_back(field);
}

Calc::Calc(Fields& fields, const std::vector<std::string>& writes, std::vector<Step>* steps)
    : fields_(fields), writes_(writes), steps_(steps) {}

std::string Calc::readText(const std::string& field) {
  std::string text = fields_.text(field);
  if (steps_ && std::find(reads_.begin(), reads_.end(), field) == reads_.end()) {
    reads_.push_back(field);
    texts_.push_back(text);
  }
  return text;
}

Real Calc::read(const std::string& field) {
  const double value = NumberFromText(readText(field));
  if (!std::isfinite(value)) throw ArithmeticFault(FaultKind::Overflow, field);
  return Real(value);
}

std::string Calc::choice(const std::string& field) { return readText(field); }

bool Calc::given(const std::string& field) { return !IsBlank(readText(field)); }

void Calc::write(const std::string& field, Real value) { put(field, TextFromNumber(value.value())); }

void Calc::clear(const std::string& field) { put(field, {}); }

void Calc::put(const std::string& field, const std::string& text) {
  if (next_ >= writes_.size() || writes_[next_] != field)
    throw std::logic_error("handler writes " + field + " out of its declared order");
  fields_.setText(field, text);
  ++next_;
  if (steps_) steps_->push_back({field, std::move(reads_), std::move(texts_), true});
  reads_.clear();
  texts_.clear();
}

const std::string& Calc::current() const {
  static const std::string none;
  return next_ < writes_.size() ? writes_[next_] : none;
}

void Calc::faulted() {
  if (steps_) steps_->push_back({current(), std::move(reads_), std::move(texts_), false});
  reads_.clear();
  texts_.clear();
}

std::optional<Fault> press(const Control& button, Fields& fields, std::vector<Step>* steps) {
  if (button.kind != ControlKind::Button || button.buttonRole != ButtonRole::Calculate || !button.handler)
    throw std::logic_error(button.name + " is not a calculate button");
  Calc c(fields, button.writes, steps);
  try {
    button.handler(c);
  } catch (const ArithmeticFault& fault) {
    c.faulted();
    return Fault{fault.kind, c.current(), fault.field, fault.words};
  }
  return std::nullopt;
}

std::string faultTitle() { return "计算错误"; }

std::string faultKindText(FaultKind kind) {
  switch (kind) {
    case FaultKind::DivideByZero: return "除数为零";
    case FaultKind::Overflow: return "溢出";
    case FaultKind::InvalidOperation: return "无效运算";
  }
  return "运算错误";
}

namespace {

// A field's caption in quotes; where the same caption stands beside several
// fields, its place follows, as in the formulas: “极点(khz)”（左列）.
std::string quotedCaption(const WindowSpec& spec, const std::string& field) {
  std::string text = "“" + spec.captionOf(field) + "”";
  const std::string place = spec.placeOf(field);
  if (!place.empty()) text += "（" + place + "）";
  return text;
}

}  // namespace

std::string faultWords(FaultKind kind, const std::string& quotedField) {
  std::string text = "运算出错：" + faultKindText(kind);
  if (!quotedField.empty()) text += "（" + quotedField + "的数值超出范围）";
  return text;
}

std::string faultMessage(const WindowSpec& spec, const Fault& fault) {
  const std::string why = fault.words.empty()
                              ? faultWords(fault.kind, fault.field.empty() ? std::string() : quotedCaption(spec, fault.field))
                              : "运算出错：" + fault.words;
  return why + "。\n无法计算" + quotedCaption(spec, fault.output) + "，该项及其后各项保持原来的内容。";
}

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transformer/flyback_zero.h"

#include <cmath>
#include <numbers>

#include "common/number.h"
#include "transformer/flyback_fields.h"

namespace ombrel {

namespace {

namespace ff = flyback_fields;

constexpr double pi = std::numbers::pi;

}  // namespace

std::variant<FlybackZero, std::string> flybackRhpZero(const WindowTexts& flyback) {
  if (!flyback.spec || !flyback.fields) return std::string("反激变压器窗口没有打开");
  const WindowSpec& spec = *flyback.spec;
  const Fields& fields = *flyback.fields;
  if (spec.name != ff::kWindow) return std::string("不是反激变压器窗口");
  const std::string ls = spec.placedCaption(ff::kSecondaryInductance, "「", "」");
  if (IsBlank(fields.text(ff::kSecondaryInductance))) return ls + "还没有算出：请先在反激变压器窗口按「计算」";
  const Look look = flyback.marks ? flyback.marks->mark(spec, fields, ff::kSecondaryInductance).look : Look::Plain;
  if (look == Look::Stale || look == Look::Impossible)
    return ls + "是" + (look == Look::Impossible ? "不合理的结果" : "上次计算留下的或已过时的结果") +
           "：请在反激变压器窗口重新按「计算」";
  const double d = NumberFromText(fields.text(ff::kDuty)), vo = NumberFromText(fields.text(ff::kOutputVoltage)),
               l = NumberFromText(fields.text(ff::kSecondaryInductance)), po = NumberFromText(fields.text(ff::kPower));
  const double fr = (1 - d) * (1 - d) * vo * vo / (2 * pi * d * (l * 1e-6) * po) / 1000;
  if (!(fr > 0 && std::isfinite(fr))) return std::string("由反激变压器窗口的数值算不出有限的正频率");
  const auto figure = [&spec](const char* field, const char* symbol, double value) {
    return spec.placedCaption(field, "「", "」") + " " + symbol + " = " + TextFromNumber(value);
  };
  return FlybackZero{fr, "fr = (1 − D)² × Vo² ÷ (2π × D × Ls × Po)，Ls 由 µH 换算为 H，fr 由 Hz 换算为 kHz\n" +
                             figure(ff::kDuty, "D", d) + "，" + figure(ff::kOutputVoltage, "Vo", vo) + "，\n" +
                             figure(ff::kSecondaryInductance, "Ls", l) + "，" + figure(ff::kPower, "Po", po) +
                             "\nfr = " + TextFromNumber(fr) + " kHz"};
}

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/quantity.h"

#include <cmath>
#include <limits>

#include "common/number.h"

namespace ombrel {

std::string kindName(QuantityKind kind) {
  switch (kind) {
    case QuantityKind::None: return "未定";
    case QuantityKind::Current: return "电流";
    case QuantityKind::Voltage: return "电压";
    case QuantityKind::Power: return "功率";
    case QuantityKind::Frequency: return "频率";
    case QuantityKind::Time: return "时间";
    case QuantityKind::Inductance: return "电感量";
    case QuantityKind::Capacitance: return "电容量";
    case QuantityKind::Resistance: return "电阻";
    case QuantityKind::Turns: return "圈数";
    case QuantityKind::FluxDensity: return "磁通密度";
    case QuantityKind::Area: return "面积";
    case QuantityKind::Length: return "长度";
    case QuantityKind::CurrentDensity: return "电流密度";
    case QuantityKind::Wires: return "根数";
    case QuantityKind::Layers: return "层数";
    case QuantityKind::Efficiency: return "效率";
    case QuantityKind::DutyCycle: return "占空比";
    case QuantityKind::RippleFactor: return "电流波形系数";
    case QuantityKind::TurnsRatio: return "变比";
    case QuantityKind::Attenuation: return "衰减";
    case QuantityKind::DampingFactor: return "阻尼因数";
    case QuantityKind::Gain: return "增益";
    case QuantityKind::Temperature: return "温度";
    case QuantityKind::TemperatureRise: return "温升";
    case QuantityKind::Volume: return "体积";
    case QuantityKind::LossDensity: return "单位体积损耗";
    case QuantityKind::FillFactor: return "窗口利用系数";
    case QuantityKind::SkinRatio: return "线径与两倍集肤深度之比";
    case QuantityKind::AcFactor: return "交流电阻系数";
  }
  return "未定";
}

bool isCount(QuantityKind kind) {
  return kind == QuantityKind::Turns || kind == QuantityKind::Wires || kind == QuantityKind::Layers;
}

bool Interval::holds(double value) const {
  return (value > low || (value == low && !lowOpen)) && (value < high || (value == high && !highOpen));
}

Interval allowedRange(QuantityKind kind) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  switch (kind) {
    case QuantityKind::Turns:
    case QuantityKind::Wires:
    case QuantityKind::Layers:
    case QuantityKind::Inductance:
    case QuantityKind::Capacitance:
    case QuantityKind::Resistance:
    case QuantityKind::Area:
    case QuantityKind::Length:
    case QuantityKind::Time:
    case QuantityKind::Frequency:
    case QuantityKind::FluxDensity:
    case QuantityKind::Volume:
      return {0, inf, true, false};
    case QuantityKind::Current:
    case QuantityKind::Power:
    case QuantityKind::FillFactor:
    case QuantityKind::SkinRatio:
    case QuantityKind::LossDensity:
    case QuantityKind::AcFactor:
      return {0, inf, false, false};
    case QuantityKind::DutyCycle:
    case QuantityKind::Efficiency:
      return {0, 1, false, false};
    default:
      return {-inf, inf, false, false};
  }
}

std::optional<std::string> impossibleBecause(const Quantity& q, double value) {
  const Interval allowed = allowedRange(q.kind);
  if (std::isnan(value) || allowed.holds(value)) return std::nullopt;
  const std::string name = kindName(q.kind);
  if (allowed.high == 1) return name + "须在 0 到 1 之间";
  return name + (value < 0 ? "不能为负" : "不能为零");
}

std::optional<std::string> impossibleText(const Quantity& q, const std::string& text) {
  if (!IsPlainNumber(text)) return std::nullopt;
  return impossibleBecause(q, NumberFromText(text));
}

}  // namespace ombrel

// SPDX-License-Identifier: GPL-3.0-or-later
// What a field holds: a kind of quantity and the unit its number is in,
// stated in the window table from what the field means (a caption's unit is
// spelled loosely, "(T)" is turns in one window and tesla in another, and
// 导线直径(mm2) is a diameter in mm). Two fields hold the same quantity when
// kind and unit are both the same.
//
//   lg Text1 (圈数)           -> turns
//   lg Text3 (电感量(uH))     -> inductance, uH
//   daoxian Text2 (导线直径(mm2)) -> length, mm
//   chamo Text2 (衰减dB)      -> attenuation, dB;  FlybackForm Text31 (衰减倍数) -> attenuation, 倍
#pragma once

#include <optional>
#include <string>

namespace ombrel {

enum class QuantityKind {
  None,  // not stated (a table that forgot it; the registry sweep fails)
  Current,
  Voltage,
  Power,
  Frequency,
  Time,
  Inductance,
  Capacitance,
  Resistance,
  Turns,
  FluxDensity,
  Area,
  Length,
  CurrentDensity,
  Wires,   // a number of wires wound together
  Layers,  // a number of strip layers
  Temperature,
  TemperatureRise,  // a difference of temperatures: 温升
  Volume,
  LossDensity,  // a core's loss per volume
  // Without a unit, each by name:
  Efficiency,
  DutyCycle,
  RippleFactor,  // current ramp as a share of the peak current
  TurnsRatio,
  Attenuation,  // in dB, or as a ratio (倍)
  DampingFactor,
  Gain,
  FillFactor,  // the share of a core's window its copper fills
  SkinRatio,   // a wire's diameter over twice the skin depth
  AcFactor,    // a winding's AC resistance over its DC resistance
};

struct Quantity {
  QuantityKind kind = QuantityKind::None;
  std::string unit;  // as the meanings write it: "A", "kHz", "mm²", "kΩ"; empty where there is none

  bool operator==(const Quantity&) const = default;
};

// The quantity's name in words: "电流", "电容量", "占空比".
std::string kindName(QuantityKind kind);

// Whether the quantity is a count, a whole number: turns, wires, layers.
bool isCount(QuantityKind kind);

// The values a quantity can take, each end open or closed. An infinite end
// holds its infinity: a text beyond the double range is the calculation's
// overflow to report, not a value of the wrong sign.
struct Interval {
  double low, high;
  bool lowOpen, highOpen;
  bool holds(double value) const;
};

// The one table of what a quantity allows, read by its impossible values
// (impossibleBecause) and by 反算, which searches inside it. Only the sign and
// range the quantity itself forbids, no engineering limit:
//   turns, wires, layers, inductance, capacitance, resistance, area, length,
//   time, frequency, flux density, volume -> above 0:  (0, +inf)
//   current, power, fill factor, skin ratio,
//   loss density, AC resistance factor    -> 0 or above: [0, +inf)
//   duty cycle, efficiency                  -> [0, 1]
//   voltage, temperature, gain, any other   -> (-inf, +inf)
Interval allowedRange(QuantityKind kind);

// Why a value cannot be one of this quantity, or nothing where it can, by
// allowedRange:
//   capacitance -1 -> "电容量不能为负";  turns 0 -> "圈数不能为零";
//   duty cycle 1.2 -> "占空比须在 0 到 1 之间";  flux density 0 -> "磁通密度不能为零";
//   current 0 -> nothing
std::optional<std::string> impossibleBecause(const Quantity& q, double value);

// The same of a field's text: a plainly written number (IsPlainNumber) the
// quantity cannot take; nothing for any other text. What marks a result
// 不合理, and what keeps 反算 from a point:
//   turns "-2" -> "圈数不能为负"   turns "abc" -> nothing   turns "3" -> nothing
std::optional<std::string> impossibleText(const Quantity& q, const std::string& text);

// The quantities the window tables use, named for reading them there:
// .of(q::current_A), .of(q::turns).
namespace q {
inline const Quantity current_A{QuantityKind::Current, "A"};
inline const Quantity current_mA{QuantityKind::Current, "mA"};
inline const Quantity voltage_V{QuantityKind::Voltage, "V"};
inline const Quantity voltage_mV{QuantityKind::Voltage, "mV"};
inline const Quantity power_W{QuantityKind::Power, "W"};
inline const Quantity frequency_kHz{QuantityKind::Frequency, "kHz"};
inline const Quantity frequency_Hz{QuantityKind::Frequency, "Hz"};
inline const Quantity time_us{QuantityKind::Time, "us"};
inline const Quantity time_ms{QuantityKind::Time, "ms"};
inline const Quantity inductance_uH{QuantityKind::Inductance, "uH"};
inline const Quantity capacitance_uF{QuantityKind::Capacitance, "uF"};
inline const Quantity capacitance_nF{QuantityKind::Capacitance, "nF"};
inline const Quantity resistance_mOhm{QuantityKind::Resistance, "mΩ"};
inline const Quantity resistance_Ohm{QuantityKind::Resistance, "Ω"};
inline const Quantity resistance_kOhm{QuantityKind::Resistance, "kΩ"};
inline const Quantity turns{QuantityKind::Turns, ""};
inline const Quantity flux_T{QuantityKind::FluxDensity, "T"};
inline const Quantity area_mm2{QuantityKind::Area, "mm²"};
inline const Quantity length_mm{QuantityKind::Length, "mm"};
inline const Quantity length_m{QuantityKind::Length, "m"};
inline const Quantity currentDensity_A_mm2{QuantityKind::CurrentDensity, "A/mm²"};
inline const Quantity wires{QuantityKind::Wires, ""};
inline const Quantity layers{QuantityKind::Layers, ""};
inline const Quantity temperature_C{QuantityKind::Temperature, "℃"};
inline const Quantity temperatureRise_C{QuantityKind::TemperatureRise, "℃"};
inline const Quantity volume_mm3{QuantityKind::Volume, "mm³"};
inline const Quantity area_cm2{QuantityKind::Area, "cm²"};
inline const Quantity lossDensity_kW_m3{QuantityKind::LossDensity, "kW/m³"};
inline const Quantity fillFactor{QuantityKind::FillFactor, ""};
inline const Quantity skinRatio{QuantityKind::SkinRatio, ""};
inline const Quantity acFactor{QuantityKind::AcFactor, ""};
inline const Quantity efficiency{QuantityKind::Efficiency, ""};
inline const Quantity dutyCycle{QuantityKind::DutyCycle, ""};
inline const Quantity rippleFactor{QuantityKind::RippleFactor, ""};
inline const Quantity turnsRatio{QuantityKind::TurnsRatio, ""};
inline const Quantity attenuation_dB{QuantityKind::Attenuation, "dB"};
inline const Quantity attenuation_ratio{QuantityKind::Attenuation, "倍"};
inline const Quantity dampingFactor{QuantityKind::DampingFactor, ""};
inline const Quantity gain{QuantityKind::Gain, ""};
}  // namespace q

}  // namespace ombrel

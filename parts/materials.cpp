// SPDX-License-Identifier: GPL-3.0-or-later
#include "parts/materials.h"

#include <algorithm>
#include <array>
#include <map>
#include <span>

#include "common/number.h"
#include "parts/json_reader.h"

namespace ombrel {

namespace {

// {"key": value, ...}, each value read by `member`, which takes the key.
template <class Member>
bool members(JsonReader& in, const Member& member) {
  if (!in.expect('{')) return false;
  if (in.take('}')) return true;
  do {
    std::string key;
    if (!in.string(&key) || !in.expect(':') || !member(key)) return false;
  } while (in.take(','));
  return in.expect('}');
}

// [value, ...], each read by `item`.
template <class Item>
bool items(JsonReader& in, const Item& item) {
  if (!in.expect('[')) return false;
  if (in.take(']')) return true;
  do {
    if (!item()) return false;
  } while (in.take(','));
  return in.expect(']');
}

using Figures = std::map<std::string, double, std::less<>>;

// An object's figures under `keys`; other members skipped.
bool figures(JsonReader& in, Figures& out, std::span<const std::string_view> keys) {
  return members(in, [&](const std::string& key) {
    return std::find(keys.begin(), keys.end(), key) == keys.end() ? in.skipValue() : in.number(&out[key]);
  });
}

bool list(JsonReader& in, std::vector<Figures>& out, std::span<const std::string_view> keys) {
  return items(in, [&] { return figures(in, out.emplace_back(), keys); });
}

// Points by temperature, lowest first, or the figure they lack.
std::string points(const std::vector<Figures>& read, std::string_view valueKey, std::vector<TemperaturePoint>& out) {
  for (const Figures& f : read) {
    const auto t = f.find("temperature"), v = f.find(valueKey);
    if (t == f.end()) return "a point without temperature";
    if (v == f.end()) return "a point without " + std::string(valueKey);
    out.push_back({t->second, v->second});
  }
  std::stable_sort(out.begin(), out.end(),
                   [](const TemperaturePoint& a, const TemperaturePoint& b) { return a.temperature < b.temperature; });
  return {};
}

constexpr std::array<std::string_view, 2> kPermeabilityKeys = {"temperature", "value"};
constexpr std::array<std::string_view, 2> kSaturationKeys = {"temperature", "magneticFluxDensity"};
constexpr std::array<std::string_view, 8> kRangeKeys = {"minimumFrequency", "maximumFrequency", "k",   "alpha",
                                                        "beta",             "ct0",              "ct1", "ct2"};

// One line: the material, or why it is none.
std::string readMaterial(std::string_view line, CoreMaterial& m) {
  JsonReader in(line);
  std::vector<Figures> mu, sat, ranges;
  const auto steinmetz = [&] {  // one method of "default": its ranges if it is Steinmetz's
    std::string method;
    std::vector<Figures> read;
    const bool ok = members(in, [&](const std::string& key) {
      if (key == "method") return in.string(&method);
      if (key == "ranges") return list(in, read, kRangeKeys);
      return in.skipValue();
    });
    if (method == "steinmetz") ranges.insert(ranges.end(), read.begin(), read.end());
    return ok;
  };
  members(in, [&](const std::string& key) {
    if (key == "name") return in.string(&m.name);
    if (key == "manufacturerInfo")
      return members(in, [&](const std::string& k) { return k == "name" ? in.string(&m.maker) : in.skipValue(); });
    if (key == "permeability")
      return members(in, [&](const std::string& k) {
        return k == "initial" ? list(in, mu, kPermeabilityKeys) : in.skipValue();
      });
    if (key == "saturation") return list(in, sat, kSaturationKeys);
    if (key == "volumetricLosses")
      return members(in, [&](const std::string& k) { return k == "default" ? items(in, steinmetz) : in.skipValue(); });
    return in.skipValue();
  });
  const std::string who = m.maker.empty() && m.name.empty() ? "" : m.label() + ": ";
  if (in.bad() || !in.atEnd()) return who + "bad JSON at byte " + std::to_string(in.where());
  if (m.name.empty() || m.maker.empty()) return "no name or maker";
  if (const std::string why = points(mu, "value", m.permeability); !why.empty()) return who + "permeability: " + why;
  if (const std::string why = points(sat, "magneticFluxDensity", m.saturation); !why.empty())
    return who + "saturation: " + why;
  if (m.saturation.empty()) return who + "no saturation points";
  if (ranges.empty()) return who + "no Steinmetz ranges";
  for (const Figures& f : ranges) {
    SteinmetzRange r;
    double* to[] = {&r.minimumHz, &r.maximumHz, &r.k, &r.alpha, &r.beta, &r.ct0, &r.ct1, &r.ct2};
    for (std::size_t i = 0; i < kRangeKeys.size(); ++i) {
      const auto it = f.find(kRangeKeys[i]);
      if (it == f.end()) return who + "a Steinmetz range without " + std::string(kRangeKeys[i]);
      *to[i] = it->second;
    }
    m.ranges.push_back(r);
  }
  return {};
}

std::string kHz(double hz) { return TextFromNumber(hz / 1000); }

std::string rangesText(const CoreMaterial& m) {
  std::string text;
  for (const SteinmetzRange& r : m.ranges)
    text += (text.empty() ? "" : "，") + kHz(r.minimumHz) + "～" + kHz(r.maximumHz) + " kHz";
  return text;
}

}  // namespace

CoreMaterialTable parseCoreMaterials(std::string_view ndjson) {
  CoreMaterialTable table;
  readLines(ndjson, table.materials, table.errors, readMaterial);
  return table;
}

double atTemperature(const std::vector<TemperaturePoint>& points, double t) {
  if (points.empty()) return 0;
  if (!(t > points.front().temperature)) return points.front().value;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const TemperaturePoint &a = points[i - 1], &b = points[i];
    if (t > b.temperature) continue;
    if (t == b.temperature || b.temperature == a.temperature) return b.value;
    return a.value + (b.value - a.value) * (t - a.temperature) / (b.temperature - a.temperature);
  }
  return points.back().value;
}

const SteinmetzRange* steinmetzRange(const CoreMaterial& m, double hz) {
  for (const SteinmetzRange& r : m.ranges)
    if (r.minimumHz <= hz && hz < r.maximumHz) return &r;
  return nullptr;
}

std::string materialTip(const CoreMaterial& m) {
  std::string tip = m.label() + "：";
  if (!m.permeability.empty()) tip += "初始磁导率 " + significantFigures(atTemperature(m.permeability, 25), 4) + "（25 ℃）；";
  tip += "饱和磁通密度 " + significantFigures(atTemperature(m.saturation, 25), 4) + " T（25 ℃），" +
         significantFigures(atTemperature(m.saturation, 100), 4) + " T（100 ℃）；损耗数据 " + rangesText(m);
  return tip;
}

std::string outsideRanges(const CoreMaterial& m, double hz) {
  return m.label() + " 的损耗数据只有 " + rangesText(m) + "，不含 " + kHz(hz) + " kHz";
}

}  // namespace ombrel

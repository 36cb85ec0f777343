// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the data file of power ferrites: parseCoreMaterials,
// and each material's figures as the magnetics check reads them.
//
// Any bytes are the data file. Checked on every input:
// - no crash, no sanitizer report;
// - every material has a maker and a name, saturation points and Steinmetz
//   ranges, every figure finite, its points in order of temperature;
// - atTemperature at any temperature lies between the lowest and the highest
//   point's value; steinmetzRange finds only a range that holds the frequency;
// - every error starts with "line N: ", in the order of the lines, and the
//   materials and errors together are no more than the lines;
// - the tooltip and the words for a frequency no range holds name the material.
// Checked once, at start-up: the data file as shipped (OMBREL_CORE_MATERIALS)
// reads without an error to 22 materials, the same with "\r\n" endings, and
// a line nested 100000 deep is left out, not read.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "parts/materials.h"

using namespace ombrel;
using ombrel::fuzz::fail;

namespace {

CoreMaterialTable check(std::string_view ndjson) {
  const CoreMaterialTable table = parseCoreMaterials(ndjson);
  for (const CoreMaterial& m : table.materials) {
    if (m.maker.empty() || m.name.empty()) fail("material without maker or name", m.label());
    if (m.saturation.empty() || m.ranges.empty()) fail("material without saturation or ranges", m.label());
    for (const auto* points : {&m.saturation, &m.permeability})
      for (std::size_t i = 0; i < points->size(); ++i) {
        const TemperaturePoint& p = (*points)[i];
        if (!std::isfinite(p.temperature) || !std::isfinite(p.value)) fail("figure not finite", m.label());
        if (i > 0 && (*points)[i - 1].temperature > p.temperature) fail("points out of order", m.label());
      }
    const auto [lo, hi] = std::minmax_element(m.saturation.begin(), m.saturation.end(),
                                              [](const auto& a, const auto& b) { return a.value < b.value; });
    for (const double t : {-1e308, -40.0, 0.0, 25.0, 62.5, 100.0, 1e308}) {
      const double b = atTemperature(m.saturation, t);
      if (!(b >= lo->value && b <= hi->value)) fail("saturation outside its points", m.label());
    }
    for (const double hz : {0.5, 1.0, 1e5, 1.5e5, 1e9, 1e300})
      if (const SteinmetzRange* r = steinmetzRange(m, hz); r && !(r->minimumHz <= hz && hz < r->maximumHz))
        fail("a range that does not hold the frequency", m.label());
    if (materialTip(m).rfind(m.label(), 0) != 0 || outsideRanges(m, 2e9).rfind(m.label(), 0) != 0)
      fail("words that do not name the material", m.label());
  }
  fuzz::checkErrorLines(table.errors, ndjson, 0);
  if (table.materials.size() + table.errors.size() > std::max<std::size_t>(fuzz::linesIn(ndjson), 1))
    fail("more materials and errors than lines", std::to_string(table.errors.size()));
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string shipped = fuzz::shippedFile(OMBREL_CORE_MATERIALS);
  const CoreMaterialTable table = check(shipped);
  if (!table.errors.empty()) fail("data file as shipped", table.errors.front());
  if (table.materials.size() != 22) fail("data file as shipped has not 22 materials", std::to_string(table.materials.size()));
  const CoreMaterialTable crlf = check(fuzz::withCrlf(shipped));
  if (!crlf.errors.empty() || crlf.materials.size() != 22) fail("data file with \"\\r\\n\" endings", "not the same");
  const std::string line = shipped.substr(0, shipped.find('\n') - 1);  // N87, its closing brace cut off
  if (!check(line + ",\"x\":" + std::string(100000, '[') + std::string(100000, ']') + "}").materials.empty())
    fail("100000 deep", "read");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  check(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}

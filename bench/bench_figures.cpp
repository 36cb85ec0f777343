// SPDX-License-Identifier: GPL-3.0-or-later
// The two computations heaviest in elementary functions, with Google
// Benchmark:
//   the Bode window's redraw: the loop window's design, its E24 parts and a
//   right-half-plane zero at 20 kHz: the crossover, the table 复制数据
//   copies and the points drawn, 400 frequencies         (target ≤ 20 ms)
//   the core list's first build: every standard shape's Ae, le, Ve and Amin
//   and the makers' cores matched to them                (target ≤ 50 ms)
#include <benchmark/benchmark.h>

#include "common/standard_values.h"
#include "loop/loop_response.h"
#include "parts/core_list.h"
#include "parts/parts.h"
#include "parts/shape_file.h"
#include "parts/shipped.h"

namespace {

void bodeRedraw(benchmark::State& state) {
  // The loop window's design after 计算, as the Bode window reads it.
  const ombrel::LoopParts computed{8.4, 0.339, 10.6, 10, 8.2, 18.9, 0.31, 100};
  const ombrel::LoopParts standard = ombrel::standardParts(computed, ombrel::ESeries::E24);
  for (auto _ : state) {
    const std::optional<ombrel::Crossover> cross = ombrel::crossover(standard, 20.0);
    const std::vector<double> f = ombrel::bodeFrequencies(computed);
    const std::vector<ombrel::BodeRow> rows = ombrel::bodeRows(computed, standard, 20.0, f);
    const std::string table = ombrel::bodeTable(rows);
    benchmark::DoNotOptimize(cross);
    benchmark::DoNotOptimize(table.data());
  }
}
BENCHMARK(bodeRedraw)->Unit(benchmark::kMillisecond);

void coreListFirstBuild(benchmark::State& state) {
  const ombrel::CoreTable makers = ombrel::parseCores(ombrel::shippedCores());
  for (auto _ : state) {
    const std::vector<ombrel::CoreShape> shapes = ombrel::parseCoreShapes(ombrel::shippedCoreShapes()).shapes;
    const std::vector<ombrel::CoreChoice> list = ombrel::coreChoices(makers.cores, shapes);
    benchmark::DoNotOptimize(list.data());
  }
}
BENCHMARK(coreListFirstBuild)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

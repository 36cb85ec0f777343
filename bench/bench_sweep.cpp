// SPDX-License-Identifier: GPL-3.0-or-later
// A sweep of 2000 points over FlybackForm (switching frequency 25 to
// 100 kHz, both its calculate buttons at every point), with Google
// Benchmark. Target: well under 100 ms on the 2-core development machine.
#include <benchmark/benchmark.h>

#include "app/registry.h"
#include "sweep/sweep.h"

namespace {

void flybackSweep2000(benchmark::State& state) {
  const ombrel::WindowSpec* spec = ombrel::windowSpec("FlybackForm");
  const ombrel::SweepRange range{25, 100, 2000, false};
  for (auto _ : state) {
    const ombrel::Sweep s = ombrel::sweep(*spec, {}, "Text8", range);
    benchmark::DoNotOptimize(s.texts.data());
  }
}
BENCHMARK(flybackSweep2000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules against the standard library's floor, and one press of
// the flyback design, with Google Benchmark. Prints the ratios at the end:
//   TextFromNumber ÷ std::to_chars at 15 significant digits   (target ≤ 2)
//   NumberFromText ÷ std::from_chars                           (target ≤ 2)
// on the same realistic mix of field texts and results.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/registry.h"
#include "common/calc.h"
#include "common/number.h"

namespace {

// Results as the windows show them, and texts as designers type them.
const std::vector<double>& results() {
  static const std::vector<double> v = {0.101030511214387, 0.360823254337096, 8, 5486.342623999991,
                                        79.50200803212851, 5.783132530120482, 29.03039999999992,
                                        0.1200994454006502, 164.9666666666667, 684.5666666666667,
                                        4.960317460317466, 0.1645607229597812, 2.770682548366862,
                                        2.213346788473711, 496.0317460317466, 1.5e-7, 1234567890123456.0,
                                        -0.0653142857142857, 770, 0.44832292470371};
  return v;
}
const std::vector<std::string>& texts() {
  static const std::vector<std::string> v = {"20", "12", "0.8", "175", "264", "150", "0.6", "0.3", "83",
                                             "50", "0.4", "3", "100", "5486.34262399999", "79.5020080321285",
                                             "0.130628571428571", "1.5E-07", "-24", "0.707", "4.7"};
  return v;
}

void textFromNumber(benchmark::State& state) {
  std::size_t n = 0;
  for (auto _ : state)
    for (double v : results()) n += ombrel::TextFromNumber(v).size();
  benchmark::DoNotOptimize(n);
}
BENCHMARK(textFromNumber);

void toChars15(benchmark::State& state) {
  std::size_t n = 0;
  char buf[64];
  for (auto _ : state)
    for (double v : results()) {
      const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
      n += std::string(buf, r.ptr).size();  // a string, as a field text is
    }
  benchmark::DoNotOptimize(n);
}
BENCHMARK(toChars15);

void numberFromText(benchmark::State& state) {
  double sum = 0;
  for (auto _ : state)
    for (const std::string& t : texts()) sum += ombrel::NumberFromText(t);
  benchmark::DoNotOptimize(sum);
}
BENCHMARK(numberFromText);

void fromChars(benchmark::State& state) {
  double sum = 0;
  for (auto _ : state)
    for (const std::string& t : texts()) {
      double v = 0;
      std::from_chars(t.data(), t.data() + t.size(), v);
      sum += v;
    }
  benchmark::DoNotOptimize(sum);
}
BENCHMARK(fromChars);

// The fifteen steps of the flyback design through field texts.
void flybackPress(benchmark::State& state) {
  const ombrel::WindowSpec& spec = *ombrel::windowSpec("FlybackForm");
  ombrel::FieldStore fields(spec);
  for (auto _ : state) benchmark::DoNotOptimize(ombrel::press(*spec.find("Command1"), fields));
  if (fields.text("Text28") != "496.031746031747") state.SkipWithError("wrong result");
}
BENCHMARK(flybackPress);

// Keeps each benchmark's time per iteration for the ratios.
class Recorder : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> nanoseconds;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Recorder recorder;
  benchmark::RunSpecifiedBenchmarks(&recorder);
  auto& ns = recorder.nanoseconds;
  if (ns.count("textFromNumber") && ns.count("toChars15"))
    std::printf("TextFromNumber / std::to_chars(15 digits): %.2f (target <= 2)\n", ns["textFromNumber"] / ns["toChars15"]);
  if (ns.count("numberFromText") && ns.count("fromChars"))
    std::printf("NumberFromText / std::from_chars:          %.2f (target <= 2)\n", ns["numberFromText"] / ns["fromChars"]);
  if (ns.count("flybackPress")) std::printf("flyback design, one press:                 %.0f ns\n", ns["flybackPress"]);
  benchmark::Shutdown();
  return 0;
}

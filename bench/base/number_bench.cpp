// Speed of the number-text pair: formatting with %g, round-trip text and
// parsing, over a spread of magnitudes like those in the program's tables.
#include <benchmark/benchmark.h>

#include <vector>

#include "framework/base/NumberText.h"

namespace {

std::vector<double> Samples() {
  std::vector<double> values;
  double v = 1.0 / 3.0;
  for (int i = 0; i < 256; ++i) {
    values.push_back(v);
    v *= (i % 2) ? -7.3 : 0.11;  // mixes signs and magnitudes
    if (v == 0 || v > 1e200 || v < -1e200) v = 2.0 / 7.0;
  }
  return values;
}

std::vector<CString> Texts() {
  std::vector<CString> texts;
  for (double v : Samples()) texts.push_back(FormatRoundTrip(v));
  return texts;
}

void BM_FormatNumberG(benchmark::State& state) {
  const std::vector<double> values = Samples();
  size_t i = 0;
  for (auto _ : state) {
    CString text = FormatNumber("%g", values[i++ & 255]);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FormatNumberG);

void BM_FormatRoundTrip(benchmark::State& state) {
  const std::vector<double> values = Samples();
  size_t i = 0;
  for (auto _ : state) {
    CString text = FormatRoundTrip(values[i++ & 255]);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FormatRoundTrip);

void BM_ParseDouble(benchmark::State& state) {
  const std::vector<CString> texts = Texts();
  size_t i = 0;
  for (auto _ : state) {
    double value = 0;
    NumberParse result = ParseDouble(texts[i++ & 255], value);
    benchmark::DoNotOptimize(result);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_ParseDouble);

}  // namespace

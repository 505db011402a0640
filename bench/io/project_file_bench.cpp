// Writing and reading a project with 10,000 lab points.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/io/StrengthFile.h"

namespace {

const int kPoints = 10000;

void FillLabPoints(CStrengthFile& file) {
  std::vector<double> x(kPoints), y(kPoints);
  for (int i = 0; i < kPoints; ++i) {
    x[i] = i * 0.0137 + 1.0 / 3.0;  // values that need all their digits
    y[i] = 30.0 + i * 0.291 + 1.0 / 7.0;
  }
  file.m_hoekBrown.SetLabData(kPoints, x.data(), y.data());
}

void BM_FormatProject(benchmark::State& state) {
  CStrengthFile file;
  FillLabPoints(file);
  size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = file.FormatProject("3.015");
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}
BENCHMARK(BM_FormatProject)->Unit(benchmark::kMillisecond);

void BM_ReadProjectText(benchmark::State& state) {
  CStrengthFile source;
  FillLabPoints(source);
  const std::string text = source.FormatProject("3.015");
  for (auto _ : state) {
    CStrengthFile file;
    if (!file.ReadFromText("bench.kel", text.data(), text.size()))
      state.SkipWithError("read failed");
    benchmark::DoNotOptimize(file.m_hoekBrown.GetLabCount());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadProjectText)->Unit(benchmark::kMillisecond);

// The whole save and open, through the disk (safe save included).
void BM_WriteProjectFile(benchmark::State& state) {
  CStrengthFile file;
  FillLabPoints(file);
  for (auto _ : state) {
    if (!file.Write("bench-io.kel", "3.015")) state.SkipWithError("write failed");
  }
  std::remove("bench-io.kel");
}
BENCHMARK(BM_WriteProjectFile)->Unit(benchmark::kMillisecond);

void BM_ReadProjectFile(benchmark::State& state) {
  CStrengthFile source;
  FillLabPoints(source);
  if (!source.Write("bench-io-read.kel", "3.015")) state.SkipWithError("write failed");
  for (auto _ : state) {
    CStrengthFile file;
    if (!file.Read("bench-io-read.kel")) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(file.m_hoekBrown.GetLabCount());
  }
  std::remove("bench-io-read.kel");
}
BENCHMARK(BM_ReadProjectFile)->Unit(benchmark::kMillisecond);

}  // namespace

// Layout and scene building for the benchmark chart: the work a draw does before any GDI call.
#include <benchmark/benchmark.h>

#include "bench/chart/bench_chart.h"
#include "chart/core/ChartModel.h"
#include "chart/core/ChartScene.h"
#include "tests/chart/core_fakeenv.h"

namespace {

using namespace qxchart;

struct BenchChart {
  FakeEnvironment env{kBenchWidth, kBenchHeight};
  ChartModel model{&env};
  BenchData data;

  BenchChart() { SetUpBenchChart(model, data); }
};

void BM_ChartLayout(benchmark::State& state) {
  BenchChart c;
  for (auto _ : state) benchmark::DoNotOptimize(c.model.Layout());
}
BENCHMARK(BM_ChartLayout);

void BM_ChartLayoutAndScene(benchmark::State& state) {
  BenchChart c;
  Scene scene;
  for (auto _ : state) {
    const ChartLayout l = c.model.Layout();
    BuildScene(c.model, l, &scene);
    benchmark::DoNotOptimize(scene.items.data());
  }
  state.counters["items"] = static_cast<double>(scene.items.size());
}
BENCHMARK(BM_ChartLayoutAndScene);

}  // namespace

#include <benchmark/benchmark.h>

#include "core/criteria/HoekBrownCriterion.h"

static void BM_Placeholder(benchmark::State& state) {
  CHoekBrownCriterion hb;
  for (auto _ : state) benchmark::DoNotOptimize(hb.BuildPrincipalEnvelope(100));
}
BENCHMARK(BM_Placeholder);

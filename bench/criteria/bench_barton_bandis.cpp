// Barton-Bandis envelope builds (500 rows) and the two fits on 5, 20 and
// 1000 points.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "core/criteria/BartonBandisCriterion.h"

namespace {
const double kDeg = 3.14159265358979323846 / 180.0;

// Exact points of phib 30, JRC 8, JCS 50 over sigN 0.5-10, with a small
// alternating offset so the fits have something to minimise.
void SetData(CBartonBandisCriterion& m, int n) {
  std::vector<double> x(n), y(n);
  for (int i = 0; i < n; i++) {
    x[i] = 0.5 + 9.5 * i / (n - 1.0);
    y[i] = x[i] * std::tan(CBartonBandisCriterion::Theta(30, 8, 50, x[i]) * kDeg) *
           (1.0 + 0.01 * ((i % 3) - 1));
  }
  m.SetLabData(n, x.data(), y.data());
}
}  // namespace

static void BM_BartonBandisPrincipalEnvelope500(benchmark::State& state) {
  CBartonBandisCriterion m;
  m.SetSig3Max(10.0);
  for (auto _ : state) benchmark::DoNotOptimize(m.BuildPrincipalEnvelope(500));
}
BENCHMARK(BM_BartonBandisPrincipalEnvelope500);

static void BM_BartonBandisShearEnvelope500(benchmark::State& state) {
  CBartonBandisCriterion m;
  for (auto _ : state) benchmark::DoNotOptimize(m.BuildShearEnvelope(500));
}
BENCHMARK(BM_BartonBandisShearEnvelope500);

static void BM_BartonBandisEquivalentMC(benchmark::State& state) {
  CBartonBandisCriterion m;
  double c, phi;
  for (auto _ : state) benchmark::DoNotOptimize(m.CalcEquivalentMC(&c, &phi));
}
BENCHMARK(BM_BartonBandisEquivalentMC);

static void BM_BartonBandisFitLM(benchmark::State& state) {
  CBartonBandisCriterion m;
  SetData(m, (int)state.range(0));
  for (auto _ : state) {
    double jrc = 0, jcs = 0, sum = 0;
    benchmark::DoNotOptimize(m.FitShearData(30.0, &jrc, &jcs, &sum));
  }
}
BENCHMARK(BM_BartonBandisFitLM)->Arg(5)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);

static void BM_BartonBandisFitSimplex(benchmark::State& state) {
  CBartonBandisCriterion m;
  SetData(m, (int)state.range(0));
  for (auto _ : state) {
    double jrc = 0, jcs = 0, sum = 0;
    benchmark::DoNotOptimize(m.FitShearDataSimplex(30.0, &jrc, &jcs, &sum));
  }
}
BENCHMARK(BM_BartonBandisFitSimplex)->Arg(5)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);

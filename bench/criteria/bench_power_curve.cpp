// Power-curve envelope builds (500 rows) and the four fits on 5, 20 and
// 1000 points.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "core/criteria/PowerCurveCriterion.h"

namespace {
// Points of a = 1.2, d = 0.3, b = 0.75 (tangent circles for triaxial data)
// over normal stresses 0.2-10, with a small alternating offset.
void SetData(CPowerCurveCriterion& m, int dataType, int n) {
  std::vector<double> x(n), y(n);
  for (int i = 0; i < n; i++) {
    const double t = 0.2 + 9.8 * i / (n - 1.0);
    const double noise = 1.0 + 0.01 * ((i % 3) - 1);
    if (dataType == DATA_DIRECT_SHEAR) {
      x[i] = t;
      y[i] = 1.2 * std::pow(t + 0.3, 0.75) * noise;
    } else {
      CPowerCurveCriterion::TangentCircle(1.2, 0.3, 0.75, t, &y[i], &x[i]);
      y[i] *= noise;
    }
  }
  m.SetDataType(dataType);
  m.SetLabData(n, x.data(), y.data());
}

typedef BOOL (CPowerCurveCriterion::*Fit)(double*, double*, double*, double*);

void RunFit(benchmark::State& state, Fit fit, int dataType) {
  CPowerCurveCriterion m;
  SetData(m, dataType, (int)state.range(0));
  for (auto _ : state) {
    double a = 0, d = 0, b = 0, sum = 0;
    benchmark::DoNotOptimize((m.*fit)(&a, &d, &b, &sum));
  }
}
}  // namespace

static void BM_PowerCurvePrincipalEnvelope500(benchmark::State& state) {
  CPowerCurveCriterion m;
  m.SetParameters(1.2, 0.3, 0.75);
  m.SetSig3Max(10.0);
  for (auto _ : state) benchmark::DoNotOptimize(m.BuildPrincipalEnvelope(500));
}
BENCHMARK(BM_PowerCurvePrincipalEnvelope500);

static void BM_PowerCurveShearEnvelope500(benchmark::State& state) {
  CPowerCurveCriterion m;
  m.SetParameters(1.2, 0.3, 0.75);
  for (auto _ : state) benchmark::DoNotOptimize(m.BuildShearEnvelope(500));
}
BENCHMARK(BM_PowerCurveShearEnvelope500);

static void BM_PowerCurveFitShearLM(benchmark::State& state) {
  RunFit(state, &CPowerCurveCriterion::FitShearDataLM, DATA_DIRECT_SHEAR);
}
BENCHMARK(BM_PowerCurveFitShearLM)->Arg(5)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);

static void BM_PowerCurveFitShearSimplex(benchmark::State& state) {
  RunFit(state, &CPowerCurveCriterion::FitShearDataSimplex, DATA_DIRECT_SHEAR);
}
BENCHMARK(BM_PowerCurveFitShearSimplex)->Arg(5)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);

static void BM_PowerCurveFitTriaxialLM(benchmark::State& state) {
  RunFit(state, &CPowerCurveCriterion::FitTriaxialDataLM, DATA_TRIAXIAL);
}
BENCHMARK(BM_PowerCurveFitTriaxialLM)->Arg(5)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);

static void BM_PowerCurveFitTriaxialSimplex(benchmark::State& state) {
  RunFit(state, &CPowerCurveCriterion::FitTriaxialDataSimplex, DATA_TRIAXIAL);
}
BENCHMARK(BM_PowerCurveFitTriaxialSimplex)
    ->Arg(5)
    ->Arg(20)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond);

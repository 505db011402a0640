// Envelope builds and fits of the Hoek-Brown and Mohr-Coulomb models.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "core/criteria/HoekBrownCriterion.h"
#include "core/criteria/MohrCoulombCriterion.h"

namespace {
// Points on a Hoek-Brown curve with a little scatter, sig3 from 0 to 20.
void LabPoints(int n, std::vector<double>* x, std::vector<double>* y) {
  x->clear();
  y->clear();
  for (int i = 0; i < n; i++) {
    const double s3 = 20.0 * i / (n - 1.0);
    const double noise = 0.3 * std::sin(7.0 * i);
    x->push_back(s3);
    y->push_back(s3 + 30.0 * std::sqrt(10.0 * s3 / 30.0 + 1.0) + noise);
  }
}

void RockMassPoints(int n, std::vector<double>* x, std::vector<double>* y) {
  double mb, s, a;
  CHoekBrownCriterion::RockMassConstants(12.0, 45.0, 0.5, &mb, &s, &a);
  x->clear();
  y->clear();
  for (int i = 0; i < n; i++) {
    const double s3 = 15.0 * i / (n - 1.0);
    x->push_back(s3);
    y->push_back(s3 + 50.0 * std::pow(mb * s3 / 50.0 + s, a) + 0.05 * std::sin(3.0 * i));
  }
}

void ShearPoints(int n, std::vector<double>* x, std::vector<double>* y) {
  x->clear();
  y->clear();
  for (int i = 0; i < n; i++) {
    const double sn = 5.0 * i / (n - 1.0);
    x->push_back(sn);
    y->push_back(1.0 + sn * std::tan(0.6) + 0.02 * std::sin(5.0 * i));
  }
}
}  // namespace

static void BM_HoekBrownPrincipalEnvelope(benchmark::State& state) {
  CHoekBrownCriterion hb;
  for (auto _ : state) benchmark::DoNotOptimize(hb.BuildPrincipalEnvelope((int)state.range(0)));
}
BENCHMARK(BM_HoekBrownPrincipalEnvelope)->Arg(10)->Arg(100)->Arg(500);

static void BM_HoekBrownShearCurve(benchmark::State& state) {
  // The shear plot of Hoek-Brown goes through CalcTauAtSigN per point.
  CHoekBrownCriterion hb;
  const int n = (int)state.range(0);
  for (auto _ : state) {
    double sum = 0;
    for (int i = 0; i < n; i++) {
      double tau = 0;
      hb.CalcTauAtSigN(-0.05 + 20.0 * i / (n - 1.0), &tau);
      sum += tau;
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_HoekBrownShearCurve)->Arg(10)->Arg(100)->Arg(500);

static void BM_MohrCoulombPrincipalEnvelope(benchmark::State& state) {
  CMohrCoulombCriterion mc;
  for (auto _ : state) benchmark::DoNotOptimize(mc.BuildPrincipalEnvelope((int)state.range(0)));
}
BENCHMARK(BM_MohrCoulombPrincipalEnvelope)->Arg(10)->Arg(100)->Arg(500);

static void BM_MohrCoulombShearEnvelope(benchmark::State& state) {
  CMohrCoulombCriterion mc;
  for (auto _ : state) benchmark::DoNotOptimize(mc.BuildShearEnvelope((int)state.range(0)));
}
BENCHMARK(BM_MohrCoulombShearEnvelope)->Arg(10)->Arg(100)->Arg(500);

template <int kMethod>
static void BM_HoekBrownLabFit(benchmark::State& state) {
  CHoekBrownCriterion hb;
  std::vector<double> x, y;
  LabPoints((int)state.range(0), &x, &y);
  hb.SetLabData((int)x.size(), x.data(), y.data());
  for (auto _ : state) {
    double mi = 0, sigci = 0, res = 0;
    BOOL ok = kMethod == 0   ? hb.FitLabDataLM(&mi, &sigci, &res)
              : kMethod == 1 ? hb.FitLabDataSimplex(&mi, &sigci, &res)
                             : hb.FitLabDataLinear(&mi, &sigci, &res);
    benchmark::DoNotOptimize(ok);
  }
}
BENCHMARK_TEMPLATE(BM_HoekBrownLabFit, 0)->Arg(5)->Arg(20)->Arg(1000);
BENCHMARK_TEMPLATE(BM_HoekBrownLabFit, 1)->Arg(5)->Arg(20)->Arg(1000);
BENCHMARK_TEMPLATE(BM_HoekBrownLabFit, 2)->Arg(5)->Arg(20)->Arg(1000);

template <int kMethod>
static void BM_HoekBrownRockMassFit(benchmark::State& state) {
  CHoekBrownCriterion hb;
  std::vector<double> x, y;
  RockMassPoints((int)state.range(0), &x, &y);
  hb.SetRockMassData((int)x.size(), x.data(), y.data());
  for (auto _ : state) {
    double mi = 0, GSI = 0, mb, s, a, res = 0;
    BOOL ok = kMethod == 0 ? hb.FitRockMassDataLM(&mi, &GSI, &mb, &s, &a, &res, 50.0, 0.5)
                           : hb.FitRockMassDataSimplex(&mi, &GSI, &mb, &s, &a, &res, 50.0, 0.5);
    benchmark::DoNotOptimize(ok);
  }
}
BENCHMARK_TEMPLATE(BM_HoekBrownRockMassFit, 0)->Arg(5)->Arg(20)->Arg(1000);
BENCHMARK_TEMPLATE(BM_HoekBrownRockMassFit, 1)->Arg(5)->Arg(20)->Arg(1000);

template <int kKind>
static void BM_MohrCoulombFit(benchmark::State& state) {
  // 0 triaxial LM, 1 triaxial linear, 2 shear LM, 3 shear linear.
  CMohrCoulombCriterion mc;
  std::vector<double> x, y;
  if (kKind < 2)
    LabPoints((int)state.range(0), &x, &y);
  else
    ShearPoints((int)state.range(0), &x, &y);
  mc.SetLabData((int)x.size(), x.data(), y.data());
  for (auto _ : state) {
    double c, phi, sigt, sum;
    BOOL ok = kKind == 0   ? mc.FitTriaxialDataLM(&c, &phi, &sigt, &sum)
              : kKind == 1 ? mc.FitTriaxialDataLinear(&c, &phi, &sigt, &sum)
              : kKind == 2 ? mc.FitShearDataLM(&c, &phi, &sigt, &sum)
                           : mc.FitShearDataLinear(&c, &phi, &sigt, &sum);
    benchmark::DoNotOptimize(ok);
  }
}
BENCHMARK_TEMPLATE(BM_MohrCoulombFit, 0)->Arg(5)->Arg(20)->Arg(1000);
BENCHMARK_TEMPLATE(BM_MohrCoulombFit, 1)->Arg(5)->Arg(20)->Arg(1000);
BENCHMARK_TEMPLATE(BM_MohrCoulombFit, 2)->Arg(5)->Arg(20)->Arg(1000);
BENCHMARK_TEMPLATE(BM_MohrCoulombFit, 3)->Arg(5)->Arg(20)->Arg(1000);

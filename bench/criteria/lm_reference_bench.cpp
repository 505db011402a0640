// The five-point Hoek-Brown lab fit by Levenberg-Marquardt against MINPACK's lmder (cminpack) on
// the same points, from the same start values, to the same optimum. The fit is timed whole (start
// values, iteration, stored residuals); lmder is given its start values. The counters print both
// times and their ratio (target: the fit at most as slow as lmder).
#include <benchmark/benchmark.h>
#include <cminpack.h>

#include <chrono>
#include <cmath>
#include <vector>

#include "core/criteria/HoekBrownCriterion.h"

namespace {

struct Points {
  std::vector<double> x, y;
};

// Five triaxial points of sigci 30, mi 10 with a little scatter, sig3 from 0 to 20.
Points LabPoints() {
  Points p;
  for (int i = 0; i < 5; i++) {
    const double s3 = 20.0 * i / 4.0;
    p.x.push_back(s3);
    p.y.push_back(s3 + 30.0 * std::sqrt(10.0 * s3 / 30.0 + 1.0) + 0.3 * std::sin(7.0 * i));
  }
  return p;
}

// lmder's callback: residuals model - y, or the Jacobian (column-major).
int Residuals(void* data, int m, int, const double* a, double* fvec, double* fjac, int ldfjac,
              int iflag) {
  const Points* p = static_cast<const Points*>(data);
  for (int i = 0; i < m; i++) {
    double yfit = 0.0, dyda[2];
    CHoekBrownCriterion::LabModelDerivs(p->x[(size_t)i], a, &yfit, dyda);
    if (iflag == 1) {
      fvec[i] = yfit - p->y[(size_t)i];
    } else {
      fjac[i] = dyda[0];
      fjac[i + ldfjac] = dyda[1];
    }
  }
  return 0;
}

}  // namespace

static void BM_HoekBrownLabFitAgainstLmder(benchmark::State& state) {
  Points points = LabPoints();
  CHoekBrownCriterion hb;
  hb.SetLabData(5, points.x.data(), points.y.data());
  const double start[2] = {10.0, hb.LabStartSigci()};
  const int kCalls = 2000;
  double fitSeconds = 0.0, lmderSeconds = 0.0;
  double mi = 0, sigci = 0, residuals = 0, a[2] = {0, 0};
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    for (int k = 0; k < kCalls; k++) benchmark::DoNotOptimize(hb.FitLabDataLM(&mi, &sigci, &residuals));
    const auto t1 = std::chrono::steady_clock::now();
    for (int k = 0; k < kCalls; k++) {
      double fvec[5], fjac[10], wa[5 * 2 + 5 * 2 + 5];
      int ipvt[2];
      a[0] = start[0];
      a[1] = start[1];
      benchmark::DoNotOptimize(lmder1(Residuals, &points, 5, 2, a, fvec, fjac, 5,
                                      std::sqrt(dpmpar(1)), ipvt, wa, (int)(sizeof wa / sizeof *wa)));
    }
    const auto t2 = std::chrono::steady_clock::now();
    fitSeconds += std::chrono::duration<double>(t1 - t0).count();
    lmderSeconds += std::chrono::duration<double>(t2 - t1).count();
  }
  const double calls = static_cast<double>(state.iterations()) * kCalls;
  state.counters["fit_ns"] = 1e9 * fitSeconds / calls;
  state.counters["lmder_ns"] = 1e9 * lmderSeconds / calls;
  state.counters["ratio"] = fitSeconds / lmderSeconds;
  // The same optimum, or the comparison means nothing.
  if (std::fabs(mi - a[0]) > 1e-6 * mi || std::fabs(sigci - a[1]) > 1e-6 * sigci)
    state.SkipWithError("the fit and lmder reached different optima");
  state.SetLabel("target: ratio <= 1.0");
}
BENCHMARK(BM_HoekBrownLabFitAgainstLmder)->Unit(benchmark::kMicrosecond);

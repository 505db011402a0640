// A change of method in a fit session with 1000 grid rows: the rows are read into the model, the
// model is fitted by the new method and the chart data are built. (The dialog adds the grid's
// text and the chart's drawing; see the dialog timing under Wine.)
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "fitdialogs/logic/BartonBandisFitSession.h"
#include "fitdialogs/logic/HoekBrownFitSession.h"
#include "fitdialogs/logic/MohrCoulombFitSession.h"
#include "fitdialogs/logic/PowerCurveFitSession.h"
#include "fitdialogs/logic/RockMassFitSession.h"

namespace {

const int kRows = 1000;

// Rows of y = f(x) over x in [lo, hi] with a small alternating scatter.
template <class F>
std::vector<FitRowText> Rows(double lo, double hi, F f) {
  std::vector<FitRowText> rows;
  for (int i = 0; i < kRows; ++i) {
    const double x = lo + (hi - lo) * i / (kRows - 1.0);
    const double y = f(x) * (1.0 + 0.01 * ((i % 3) - 1));
    CString a, b;
    a.Format("%.9g", x);
    b.Format("%.9g", y);
    rows.push_back({a, b});
  }
  return rows;
}

std::vector<FitRowText> IntactRows() {
  return Rows(0.0, 20.0, [](double s) { return s + 50.0 * std::sqrt(10.0 * s / 50.0 + 1.0); });
}

void RunMethods(benchmark::State& state, CFitSession& session,
                const std::vector<FitRowText>& rows) {
  session.SetTestCount(kRows);
  const int methods = static_cast<int>(session.MethodNames().size());
  int method = 0;
  for (auto _ : state) {
    session.SetMethod(method);
    benchmark::DoNotOptimize(session.Recompute(rows));
    method = (method + 1) % methods;
  }
}

}  // namespace

static void BM_HoekBrownChangeOfMethod(benchmark::State& state) {
  CHoekBrownCriterion model;
  CHoekBrownFitSession session(model);
  RunMethods(state, session, IntactRows());
}
BENCHMARK(BM_HoekBrownChangeOfMethod)->Unit(benchmark::kMillisecond);

static void BM_RockMassChangeOfMethod(benchmark::State& state) {
  CHoekBrownCriterion model;
  CRockMassFitSession session(model);
  session.SetInputs(50.0, 0.0);
  RunMethods(state, session, Rows(0.5, 10.0, [](double s) {
               return s + 50.0 * std::pow(1.6767724875 * s / 50.0 + 0.0038659201, 0.5057335599);
             }));
}
BENCHMARK(BM_RockMassChangeOfMethod)->Unit(benchmark::kMillisecond);

static void BM_MohrCoulombChangeOfMethod(benchmark::State& state) {
  CMohrCoulombCriterion model;
  CMohrCoulombFitSession session(model);
  RunMethods(state, session, Rows(0.0, 20.0, [](double s) { return 5.0 + 3.0 * s; }));
}
BENCHMARK(BM_MohrCoulombChangeOfMethod)->Unit(benchmark::kMillisecond);

static void BM_BartonBandisChangeOfMethod(benchmark::State& state) {
  CBartonBandisCriterion model;
  CBartonBandisFitSession session(model);
  session.SetPhir(30.0);
  RunMethods(state, session, Rows(0.5, 10.0, [](double s) {
               return s * std::tan((30.0 + 8.0 * std::log10(50.0 / s)) * 3.14159265358979 / 180.0);
             }));
}
BENCHMARK(BM_BartonBandisChangeOfMethod)->Unit(benchmark::kMillisecond);

static void BM_PowerCurveChangeOfMethod(benchmark::State& state) {
  CPowerCurveCriterion model;
  CPowerCurveFitSession session(model);
  session.SetDataType(DATA_DIRECT_SHEAR);
  RunMethods(state, session, Rows(0.2, 10.0, [](double s) { return 1.2 * std::pow(s + 0.3, 0.75); }));
}
BENCHMARK(BM_PowerCurveChangeOfMethod)->Unit(benchmark::kMillisecond);

static void BM_PowerCurveTriaxialChangeOfMethod(benchmark::State& state) {
  CPowerCurveCriterion model;
  CPowerCurveFitSession session(model);
  std::vector<FitRowText> rows;
  for (int i = 0; i < kRows; ++i) {
    double sig1, sig3;
    CPowerCurveCriterion::TangentCircle(1.2, 0.3, 0.75, 0.2 + 9.8 * i / (kRows - 1.0), &sig1, &sig3);
    CString a, b;
    a.Format("%.9g", sig3);
    b.Format("%.9g", sig1 * (1.0 + 0.01 * ((i % 3) - 1)));
    rows.push_back({a, b});
  }
  RunMethods(state, session, rows);
}
BENCHMARK(BM_PowerCurveTriaxialChangeOfMethod)->Unit(benchmark::kMillisecond);

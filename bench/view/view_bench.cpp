// Rebuilding both plots of a document, as every document update does, at the default 100
// points per curve, for each criterion with lab data shown.
#include <benchmark/benchmark.h>

#include <memory>

#include "tests/chart/core_fakeenv.h"
#include "tests/view/view_test_support.h"
#include "view/PlotBuilder.h"

namespace {

using namespace qxchart;

struct NoHooks : PlotBuildHooks {
  void SetChartFonts(int) override {}
  void ResetSamplers() override {}
  void RefreshSamplers(int) override {}
};

}  // namespace

static void BM_DocumentUpdateRebuildsBothPlots(benchmark::State& state) {
  viewtest::Models m;
  const double x[] = {0, 2, 4, 6, 8}, y[] = {30, 45, 55, 63, 70};
  m.hoekBrown.SetLabData(5, x, y);
  m.mohrCoulomb.SetLabData(5, x, y);
  m.powerCurve.SetLabData(5, x, y);
  const double sx[] = {0.5, 1, 2, 3}, sy[] = {0.6, 1.1, 1.9, 2.6};
  m.bartonBandis.SetLabData(4, sx, sy);
  const PlotDocument doc = m.Doc(static_cast<int>(state.range(0)));

  FakeEnvironment principalEnv(480, 700), shearEnv(720, 700);
  ChartModel principal(&principalEnv), shear(&shearEnv);
  std::unique_ptr<ChartData> principalData, shearData;
  PlotViewState view;
  view.plotTestData = true;
  PlotDisplay display;
  NoHooks hooks;
  for (auto _ : state) {
    PlotBuildContext c{doc, display, view, 100, hooks};
    BuildPrincipalPlot(principal, principalData, c);
    BuildNormalShearPlot(shear, principal, shearData, c);
    benchmark::DoNotOptimize(shearData.get());
  }
}
BENCHMARK(BM_DocumentUpdateRebuildsBothPlots)
    ->Arg(CRITERION_HOEK_BROWN)
    ->Arg(CRITERION_MOHR_COULOMB)
    ->Arg(CRITERION_BARTON_BANDIS)
    ->Arg(CRITERION_POWER_CURVE);

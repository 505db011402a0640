// Rebuilding both plots of a document, as every document update does, at the default 100
// points per curve, for each criterion with lab data shown.
#include <benchmark/benchmark.h>

#include <memory>

#include "view/PlotBuilder.h"

namespace {

using namespace qxchart;

// A chart environment of a fixed size with 7 x 14 pixel characters.
class BenchEnvironment : public ChartEnvironment {
 public:
  BenchEnvironment(int w, int h) : m_w(w), m_h(h) {}
  void ClientSize(int* w, int* h) const override {
    *w = m_w;
    *h = m_h;
  }
  const TextMeasure& NumberMeasure() const override { return m_measure; }
  const TextMeasure& TitleMeasure() const override { return m_measure; }
  const TextMeasure& AreaMeasure(void*) const override { return m_measure; }
  void OnChanged() override {}

 private:
  int m_w, m_h;
  FixedTextMeasure m_measure{7, 14};
};

struct NoHooks : PlotBuildHooks {
  void SetChartFonts(int) override {}
  void ResetSamplers() override {}
  void RefreshSamplers(int) override {}
};

}  // namespace

static void BM_DocumentUpdateRebuildsBothPlots(benchmark::State& state) {
  CHoekBrownCriterion hb;
  CMohrCoulombCriterion mc;
  CBartonBandisCriterion bb;
  CPowerCurveCriterion pc;
  const double x[] = {0, 2, 4, 6, 8}, y[] = {30, 45, 55, 63, 70};
  hb.SetLabData(5, x, y);
  mc.SetLabData(5, x, y);
  pc.SetLabData(5, x, y);
  const double sx[] = {0.5, 1, 2, 3}, sy[] = {0.6, 1.1, 1.9, 2.6};
  bb.SetLabData(4, sx, sy);
  PlotDocument doc;
  doc.criterion = static_cast<int>(state.range(0));
  doc.redrawHint = 2;
  doc.hoekBrown = &hb;
  doc.mohrCoulomb = &mc;
  doc.bartonBandis = &bb;
  doc.powerCurve = &pc;

  BenchEnvironment principalEnv(480, 700), shearEnv(720, 700);
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

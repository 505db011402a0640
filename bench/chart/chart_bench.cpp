// Layout and scene building for a chart of two data objects with 500 points each, at
// 1000 x 700 pixels: the work a draw does before any GDI call.
#include <benchmark/benchmark.h>

#include <cmath>

#include "chart/core/chartmodel.h"
#include "chart/core/chartscene.h"

namespace {

using namespace qxchart;

class BenchEnvironment : public ChartEnvironment {
 public:
  void ClientSize(int* w, int* h) const override {
    *w = 1000;
    *h = 700;
  }
  const TextMeasure& NumberMeasure() const override { return m_measure; }
  const TextMeasure& TitleMeasure() const override { return m_measure; }
  const TextMeasure& AreaMeasure(void*) const override { return m_measure; }
  void OnChanged() override {}

 private:
  FixedTextMeasure m_measure{7, 14};
};

struct BenchChart {
  BenchEnvironment env;
  ChartModel model{&env};
  std::unique_ptr<ChartData> a = ChartData::Create(2, 1, 500);
  std::unique_ptr<ChartData> b = ChartData::Create(2, 1, 500);

  BenchChart() {
    for (int i = 0; i < 500; ++i) {
      const double x = i * 0.1;
      a->SetX(0, i, x);
      a->SetY(0, i, 50 + 40 * std::sin(x));
      b->SetX(0, i, x);
      b->SetY(0, i, 50 + 30 * std::cos(x));
    }
    ChartStyle s;
    s.pointSymbol = kSymbolBox;
    model.SetDataStyle(1, 0, s);
    s.linePattern = kLineDashed;
    model.SetDataStyle(2, 0, s);
    model.SetData(prop::kData, a.get());
    model.SetData(prop::kData2, b.get());
    model.SetInt(prop::kXGridAuto, 1);
    model.SetInt(prop::kYGridAuto, 1);
  }
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

// The chart the benchmarks draw: two data objects of 500 points each at 1000 x 700 pixels,
// data 1 a solid line with box markers, data 2 a dashed one, grid at the ticks, axis titles.
#ifndef QUARVEX_BENCH_CHART_BENCH_CHART_H
#define QUARVEX_BENCH_CHART_BENCH_CHART_H

#include <cmath>
#include <memory>

#include "chart/core/ChartData.h"
#include "chart/core/ChartIds.h"
#include "chart/core/ChartStyle.h"

namespace qxchart {

constexpr int kBenchWidth = 1000;
constexpr int kBenchHeight = 700;
constexpr int kBenchPoints = 500;

struct BenchData {
  std::unique_ptr<ChartData> first = ChartData::Create(ChartData::kTypeGeneral, 1, kBenchPoints);
  std::unique_ptr<ChartData> second = ChartData::Create(ChartData::kTypeGeneral, 1, kBenchPoints);

  BenchData() {
    for (int i = 0; i < kBenchPoints; ++i) {
      const double x = i * 0.1;
      first->SetX(0, i, x);
      first->SetY(0, i, 50 + 40 * std::sin(x));
      second->SetX(0, i, x);
      second->SetY(0, i, 50 + 30 * std::cos(x));
    }
  }
};

// For the portable model and the chart handle alike.
template <typename C>
void SetUpBenchChart(C& chart, const BenchData& data) {
  ChartStyle s;
  s.pointSymbol = kSymbolBox;
  chart.SetDataStyle(1, 0, s);
  s.linePattern = kLineDashed;
  chart.SetDataStyle(2, 0, s);
  chart.SetData(prop::kData, data.first.get());
  chart.SetData(prop::kData2, data.second.get());
  chart.SetInt(prop::kXGridAuto, 1);
  chart.SetInt(prop::kYGridAuto, 1);
  chart.SetString(prop::kXTitle, "Minor principal stress (MPa)");
  chart.SetString(prop::kYTitle, "Major principal stress (MPa)");
}

}  // namespace qxchart

#endif

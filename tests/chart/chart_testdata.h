// Data objects for tests: one set from lists of x and y values (a NaN makes a hole).
#ifndef QUARVEX_TESTS_CHART_CHART_TESTDATA_H
#define QUARVEX_TESTS_CHART_CHART_TESTDATA_H

#include <initializer_list>
#include <memory>

#include "chart/core/ChartData.h"

namespace qxchart {

inline std::unique_ptr<ChartData> OneSet(std::initializer_list<double> xs,
                                         std::initializer_list<double> ys) {
  auto d = ChartData::Create(ChartData::kTypeGeneral, 1, static_cast<int>(xs.size()));
  int i = 0;
  for (double x : xs) d->SetX(0, i++, x);
  i = 0;
  for (double y : ys) d->SetY(0, i++, y);
  return d;
}

}  // namespace qxchart

#endif

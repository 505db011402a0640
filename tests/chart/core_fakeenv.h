// A chart environment without a window: a settable size, 7 x 14 pixel characters.
#ifndef QUARVEX_TESTS_CHART_CORE_FAKEENV_H
#define QUARVEX_TESTS_CHART_CORE_FAKEENV_H

#include "chart/core/ChartModel.h"

namespace qxchart {

class FakeEnvironment : public ChartEnvironment {
 public:
  FakeEnvironment(int w, int h) : width(w), height(h) {}
  void ClientSize(int* w, int* h) const override {
    *w = width;
    *h = height;
  }
  const TextMeasure& NumberMeasure() const override { return numbers; }
  const TextMeasure& TitleMeasure() const override { return titles; }
  const TextMeasure& AreaMeasure(void*) const override { return numbers; }
  void OnChanged() override { ++changes; }

  int width;
  int height;
  int changes = 0;
  FixedTextMeasure numbers{7, 14};
  FixedTextMeasure titles{8, 16};
};

}  // namespace qxchart

#endif

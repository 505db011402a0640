// Builds the principal-stress and the normal-shear plot into their charts: the data sets and
// their styles, axis lines, titles, grid and frame, and, when the axes may move, the ranges
// with equal stress per pixel, cropped, with one tick step for both axes.
#pragma once

#include <memory>

#include "chart/core/ChartData.h"
#include "chart/core/ChartModel.h"
#include "view/PlotInputs.h"
#include "view/PlotViewState.h"

// What the builders leave to the window that shows the charts.
class PlotBuildHooks {
 public:
  // Sets the chart font for the view's size: 1 principal chart, 2 shear chart.
  virtual void SetChartFonts(int which) = 0;
  // The document's criterion changed since this view last plotted.
  virtual void ResetSamplers() = 0;
  // Last step of a build: the samplers follow the new axes (1 principal, 2 shear).
  virtual void RefreshSamplers(int which) = 0;

 protected:
  ~PlotBuildHooks() = default;
};

struct PlotBuildContext {
  const PlotDocument& doc;
  const PlotDisplay& display;
  PlotViewState& state;
  int pointCount;
  PlotBuildHooks& hooks;
};

// Each build replaces the chart's data object: the new one is attached before the old one
// (held in data) is freed.
void BuildPrincipalPlot(qxchart::ChartModel& chart, std::unique_ptr<qxchart::ChartData>& data,
                        const PlotBuildContext& context);

// principal: the principal chart, whose y range and tick steps the shear plot follows when
// the principal plot is shown.
void BuildNormalShearPlot(qxchart::ChartModel& chart, const qxchart::ChartModel& principal,
                          std::unique_ptr<qxchart::ChartData>& data,
                          const PlotBuildContext& context);

// The chart's current corners in pixels (see ScaleToEqualStress).
CornerPixels ChartCorners(const qxchart::ChartModel& chart);

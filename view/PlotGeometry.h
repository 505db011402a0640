// Window-free rules of the chart view's layout: where the two charts go, how many points a
// curve has, the chart font, when the axes may move and how the two axes share one step.
#pragma once

#include <string>

// A rectangle in view-client pixels.
struct PlotRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const PlotRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

struct PlotArrangement {
  PlotRect principal;
  PlotRect shear;
};

// Both plots (or neither): the principal chart takes 40% of the width (truncated), the shear
// chart the rest. One plot takes the whole rectangle; the other gets zero width at the left.
PlotArrangement ArrangePlots(const PlotRect& client, bool showPrincipal, bool showShear);

// Points per envelope curve: the override when above 0, else the setting 0..5 mapped to
// 10, 20, 50, 100, 200, 500 (100 for any other value).
int GetPlotPointCount(int override, int pointCountIndex);

// The chart font's point size for a view of the given client size: the setting scaled by
// 0.375 below a mean dimension of 100 pixels, then 0.5, 0.625, 0.75, 0.875 by steps of 100,
// and 1 from 500 on (truncated).
int ChartFontPointSize(int clientWidth, int clientHeight, int fontPointSize);

// "Face,Size" with ",Bold" (weight 700 or more) and ",Italic"; at most 255 characters.
std::string ChartFontText(const std::string& face, int pointSize, int weight, bool italic);

// A rebuild may choose the axes afresh only while they are unlocked, and for a full redraw
// (hint 2) or, in surface zoom, for a parameter redraw (hint 1).
bool AxesMayMove(bool locked, int redrawHint, bool surfaceMode);

// The tick step and label decimals of an axis.
struct AxisStep {
  double step = 1.0;
  int precision = 0;
};

// Both axes take the smaller of the two steps (x when equal), with its decimals.
AxisStep EqualAxisStep(const AxisStep& x, const AxisStep& y);

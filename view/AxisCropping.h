// Axis cropping: in surface zoom each axis maximum is cut down to the smallest whole number of
// steps that still covers the chart's own data extent, and the plot area gives up the freed
// pixels so that the scale stays as it was. The freed width goes to the margins by the plot
// justification.
#pragma once

namespace qxchart {
class ChartModel;
}

// The cropped maximum of an axis from min to max: trunc(cover / step + 0.9999999) x step.
// Returns false (no crop) when that is not below max, when it would not leave the axis any
// length above min, or for a step that is not positive and finite.
bool CroppedAxisMax(double cover, double min, double max, double step, double* cropped);

struct PlotMargins {
  int bottom = 0, left = 0, right = 0, top = 0;
};

// The margins after freeing dx pixels of width and dy of height: the plot moves right by
// trunc(justify x 0.25 x dx) (justify 0 left .. 4 right, brought into that range), the rest of
// the width goes to the right margin and the height to the top margin.
PlotMargins CroppedMargins(const PlotMargins& margins, int dx, int dy, int justify);

// Which chart is cropped: the two write their margins in different orders.
enum class CropChart { kPrincipal, kNormalShear };

// Crops the chart's axes when enabled (the plot shown, "crop" on, surface zoom), and always
// writes the margins back.
void CropChartAxes(qxchart::ChartModel& chart, CropChart which, bool enabled, int justify);

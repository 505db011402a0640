#include "view/AxisCropping.h"

#include <cmath>

#include "chart/core/ChartModel.h"
#include "view/PlotInputs.h"

using namespace qxchart;

bool CroppedAxisMax(double cover, double min, double max, double step, double* cropped) {
  if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(cover) || !std::isfinite(max))
    return false;
  const double steps = std::trunc(cover / step + 0.9999999);
  if (!std::isfinite(steps)) return false;
  const double c = steps * step;
  if (!(c < max) || !(c > min)) return false;
  *cropped = c;
  return true;
}

PlotMargins CroppedMargins(const PlotMargins& m, int dx, int dy, int justify) {
  const int shift = static_cast<int>(ClampJustify(justify) * 0.25 * dx);
  PlotMargins out = m;
  out.left = m.left + shift;
  out.right = m.right - shift + dx;
  out.top = m.top + dy;
  return out;
}

void CropChartAxes(ChartModel& chart, CropChart which, bool enabled, int justify) {
  PlotMargins m;
  chart.GetInt(prop::kMarginBottom, &m.bottom);
  chart.GetInt(prop::kMarginLeft, &m.left);
  chart.GetInt(prop::kMarginRight, &m.right);
  chart.GetInt(prop::kMarginTop, &m.top);
  int dx = 0, dy = 0;
  if (enabled) {
    double cover = 0, min = 0, max = 0, step = 0, c = 0;
    chart.GetDouble(prop::kDataYMax, &cover);
    chart.GetDouble(prop::kYMin, &min);
    chart.GetDouble(prop::kYMax, &max);
    chart.GetDouble(prop::kYTickSpacing, &step);
    if (CroppedAxisMax(cover, min, max, step, &c)) {
      const ChartMapResult at = chart.Unmap(0.0, c);
      const ChartMapResult top = chart.Unmap(0.0, max);
      if (at.valid && top.valid) {
        chart.SetDouble(prop::kYMax, c);
        dy = at.pixelY - top.pixelY;
      }
    }
    chart.GetDouble(prop::kDataXMax, &cover);
    chart.GetDouble(prop::kXMin, &min);
    chart.GetDouble(prop::kXMax, &max);
    chart.GetDouble(prop::kXTickSpacing, &step);
    if (CroppedAxisMax(cover, min, max, step, &c)) {
      const ChartMapResult at = chart.Unmap(c, 0.0);
      const ChartMapResult right = chart.Unmap(max, 0.0);
      if (at.valid && right.valid) {
        chart.SetDouble(prop::kXMax, c);
        dx = right.pixelX - at.pixelX;
      }
    }
  }
  const PlotMargins out = CroppedMargins(m, dx, dy, justify);
  if (which == CropChart::kPrincipal) {
    chart.SetInt(prop::kMarginLeft, out.left);
    chart.SetInt(prop::kMarginRight, out.right);
    chart.SetInt(prop::kMarginTop, out.top);
    chart.SetInt(prop::kMarginBottom, out.bottom);
  } else {
    chart.SetInt(prop::kMarginTop, out.top);
    chart.SetInt(prop::kMarginBottom, out.bottom);
    chart.SetInt(prop::kMarginLeft, out.left);
    chart.SetInt(prop::kMarginRight, out.right);
  }
}

#include "fitdialogs/logic/FitPlot.h"

#include <algorithm>
#include <cmath>

namespace {

qxchart::ChartStyle LineStyle(int pattern, int r, int g, int b) {
  qxchart::ChartStyle style;
  style.linePattern = pattern;
  style.lineColor = qxchart::ChartRgb(r, g, b);
  style.pointColor = style.lineColor;
  style.pointSymbol = qxchart::kSymbolNone;
  return style;
}

}  // namespace

qxchart::ChartStyle PointsStyle() {
  qxchart::ChartStyle style = LineStyle(qxchart::kLineNone, 0, 0, 255);
  style.pointSymbol = qxchart::kSymbolBox;
  style.pointSize = 3;
  return style;
}

qxchart::ChartStyle EnvelopeStyle() {
  return LineStyle(qxchart::kLineSolid, 255, 0, 0);
}

qxchart::ChartStyle MogiStyle() {
  return LineStyle(qxchart::kLineLongDash, 0, 255, 0);
}

void FitExtents::Add(double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  if (!any) {
    any = true;
    xMin = std::min(0.0, x);
    xMax = x;
    yMax = y;
    return;
  }
  xMin = std::min(xMin, x);
  xMax = std::max(xMax, x);
  yMax = std::max(yMax, y);
}

FitAxes EqualScaleAxes(const FitExtents& extents, double aspectRatio) {
  const double aspect = std::isfinite(aspectRatio) && aspectRatio > 0.0 ? aspectRatio : 1.0;
  const double xMin = extents.any ? extents.xMin : 0.0;
  double span = extents.any ? extents.xMax - extents.xMin : 0.0;
  double yMax = extents.any ? extents.yMax : 0.0;
  if (!(span > 0.0) || !std::isfinite(span)) span = 0.0;
  if (!(yMax > 0.0) || !std::isfinite(yMax)) yMax = 0.0;
  if (span == 0.0 && yMax == 0.0) yMax = 1.0;  // a point at the origin, or nothing

  FitAxes axes;
  const double w = span / aspect;
  axes.xMin = xMin;
  axes.yMin = 0.0;
  if (w > yMax) {
    axes.xMax = xMin + span;
    axes.yMax = w;
  } else {
    axes.xMax = xMin + yMax * aspect;
    axes.yMax = yMax;
  }
  // Ends too far apart in size for their difference to show (one point at -1e40): any range
  // that can be drawn is better than none.
  if (!(axes.xMax > axes.xMin)) axes.xMax = axes.xMin + std::max(1.0, std::fabs(axes.xMin));
  if (!(axes.yMax > 0.0) || !std::isfinite(axes.yMax)) axes.yMax = 1.0;
  if (!std::isfinite(axes.xMax)) axes.xMax = std::max(axes.xMin, 0.0) + 1.0;
  return axes;
}

FitSeries MogiLineSeries(double yAxisMax) {
  FitSeries line;
  line.x = {0.0, yAxisMax * kMogiSlope};
  line.y = {0.0, yAxisMax};
  line.style = MogiStyle();
  return line;
}

SpacingChange EqualNumberSpacing(double xStep, double yStep, int xPrecision, int yPrecision) {
  SpacingChange change;
  const bool usable = std::isfinite(xStep) && std::isfinite(yStep) && xStep > 0.0 && yStep > 0.0;
  if (!usable || xStep == yStep) return change;
  if (xStep < yStep) {
    change.axis = 0;
    change.step = yStep;
    change.precision = yPrecision;
  } else {
    change.axis = 1;
    change.step = xStep;
    change.precision = xPrecision;
  }
  return change;
}

double PrincipalEnvelopeEnd(const EnvelopePoint* rows, int n, double maxSig3, double maxSig1) {
  for (int i = 1; i < n && rows != nullptr; ++i) {
    const double previous = rows[i - 1].sig3;
    if (rows[i].sig1 > maxSig1 && previous > maxSig3) return previous;
  }
  return std::max(maxSig3, 0.0);
}

double ShearEnvelopeEnd(const EnvelopePoint* rows, int n, double maxSigN, double maxTau) {
  for (int i = 1; i < n && rows != nullptr; ++i) {
    const double previous = rows[i - 1].sigN;
    if (rows[i].tau > maxTau && previous > maxSigN) return previous;
  }
  return maxSigN;
}

FitSeries EnvelopeSeries(const EnvelopePoint* rows, int n, bool shear) {
  FitSeries series;
  series.style = EnvelopeStyle();
  for (int i = 0; i < n && rows != nullptr; ++i) {
    series.x.push_back(shear ? rows[i].sigN : rows[i].sig3);
    series.y.push_back(shear ? rows[i].tau : rows[i].sig1);
  }
  return series;
}

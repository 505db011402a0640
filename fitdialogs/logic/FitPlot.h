// The chart of a fit dialog as data: the measured points, the fitted envelope and Mogi's line,
// each with its style, the axis ends that give both axes the same scale, and the arithmetic
// behind them. The dialog hands a FitPlot to its chart window as it stands.
#pragma once

#include <vector>

#include "chart/core/ChartStyle.h"
#include "core/criteria/StrengthCriterion.h"
#include "framework/base/CString.h"

// Mogi's line: sig3 = sig1 / 3.4.
constexpr double kMogiSlope = 0.29411764705882354;
// Rows of every plotted envelope.
constexpr int kEnvelopeRows = 100;

struct FitSeries {
  std::vector<double> x;
  std::vector<double> y;
  qxchart::ChartStyle style;
};

struct FitAxes {
  double xMin = 0.0;
  double xMax = 1.0;
  double yMin = 0.0;
  double yMax = 1.0;
};

struct FitPlot {
  std::vector<FitSeries> series;  // points first, then the envelope, then Mogi's line
  int pointsPerSeries = 0;        // room of each series in the chart: max(points, 100)
  FitAxes axes;
  CString xTitle;
  CString yTitle;
  // No series: the chart shows nothing.
  bool IsEmpty() const { return series.empty(); }
};

// Styles: measured points as blue boxes without a line, the envelope as a solid red line,
// Mogi's line as a long-dashed green line.
qxchart::ChartStyle PointsStyle();
qxchart::ChartStyle EnvelopeStyle();
qxchart::ChartStyle MogiStyle();

// What the plotted values cover: x from min(0, smallest) to the largest, y up to the largest.
// Values that are not finite are left out.
struct FitExtents {
  bool any = false;
  double xMin = 0.0;
  double xMax = 0.0;
  double yMax = 0.0;
  void Add(double x, double y);
};

// Axis ends that give one unit the same length on both axes for a plot area of the given
// width/height ratio, with the y axis from 0: the x axis covers the extents when that makes the
// y axis reach past the largest y, else the y axis ends at the largest y and the x axis is
// lengthened. Empty or collapsed extents and an unusable ratio still give a usable range.
FitAxes EqualScaleAxes(const FitExtents& extents, double aspectRatio);

// Mogi's line from the origin to the top of the y axis.
FitSeries MogiLineSeries(double yAxisMax);

// Equal number spacing: the axis with the smaller spacing takes the larger spacing and the
// other axis's precision. axis is 0 (x), 1 (y) or -1 (nothing to change).
struct SpacingChange {
  int axis = -1;
  double step = 0.0;
  int precision = 0;
};
SpacingChange EqualNumberSpacing(double xStep, double yStep, int xPrecision, int yPrecision);

// Where a principal envelope drawn to the largest measured sig1 should end: the sig3 of the row
// before the first row whose sig1 passes maxSig1 while that row's sig3 passes maxSig3; without
// such a row, maxSig3 (at least 0).
double PrincipalEnvelopeEnd(const EnvelopePoint* rows, int n, double maxSig3, double maxSig1);
// The same for a shear envelope: the normal stress of the row before the first row whose shear
// stress passes maxTau while that row's normal stress passes maxSigN; without one, maxSigN.
double ShearEnvelopeEnd(const EnvelopePoint* rows, int n, double maxSigN, double maxTau);

// The envelope rows as a series: (sig3, sig1) or (sigN, tau).
FitSeries EnvelopeSeries(const EnvelopePoint* rows, int n, bool shear);

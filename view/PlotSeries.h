// The point sets of the two plots: test data, the failure envelope, the equivalent
// Mohr-Coulomb line, the Mogi line (principal plot) and one Mohr circle per triaxial test
// (shear plot), each with the style its kind is drawn in.
#pragma once

#include <memory>
#include <vector>

#include "chart/core/ChartData.h"
#include "chart/core/ChartStyle.h"
#include "view/PlotInputs.h"

enum class SeriesKind { kTestData, kEnvelope, kMohrCoulombLine, kMogiLine, kMohrCircle };

// One set of the data object: only the points it has; the rest of the set stays empty.
struct PlotSeries {
  SeriesKind kind;
  std::vector<double> x;
  std::vector<double> y;
  void Add(double px, double py) {
    x.push_back(px);
    y.push_back(py);
  }
};

// Everything one plot shows, in set order.
struct PlotSeriesSet {
  int points = 0;  // points per set of the data object
  std::vector<PlotSeries> series;
  // The lowest y the axes must reach: the envelope at its upper end, raised by the test data
  // inside the envelope's range (sig1 on the principal plot, tau on the shear plot).
  double yLimit = 0.0;
};

struct SeriesOptions {
  int pointCount = 100;  // envelope rows
  bool plotTestData = false;
  bool mohrCoulombOverlay = false;
  bool showMogi = false;
};

// Sets: test data (triaxial data only), envelope, Mohr-Coulomb line (counted but empty for the
// Mohr-Coulomb criterion), Mogi line.
PlotSeriesSet PrincipalSeries(const PlotDocument& doc, const SeriesOptions& options);

// Sets: direct-shear test data, envelope, Mohr-Coulomb line, then one Mohr circle per
// triaxial test (the first tests, when there are more than a data object can hold).
PlotSeriesSet NormalShearSeries(const PlotDocument& doc, const SeriesOptions& options);

// The upper half of the Mohr circle through sig3 and sig1 in n points (n >= 2), evenly spaced
// in normal stress; heights below the rounding noise (r^2 - (x - m)^2 < 1e-5) are 0.
PlotSeries MohrCircle(double sig3, double sig1, int n);

// The style a set of this kind is drawn in, from the chart's current style of the set (whose
// point size and fill stay unless the kind sets them). shearTests: the test data of the shear
// plot, drawn smaller.
qxchart::ChartStyle SeriesStyle(SeriesKind kind, bool shearTests, const qxchart::ChartStyle& current,
                                const PlotDisplay& display);

// A data object holding the sets (null when there is nothing to hold).
std::unique_ptr<qxchart::ChartData> MakeChartData(const PlotSeriesSet& set);

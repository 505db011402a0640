// The data extents of a plot (what must be visible) and their turning into axis ranges with
// the same stress per pixel on both axes, so that circles stay round and slopes keep their
// angles.
#pragma once

#include "view/PlotInputs.h"

// xMin, xMax and yMax of a plot; "unset" until widened. The y axis starts at 0 (or at -d on a
// power-curve principal plot), so there is no yMin. pixelRatio is the plot area's width over
// its height in pixels, as last measured.
struct PlotExtents {
  double xMin;
  double xMax;
  double yMax;
  double pixelRatio = 1.0;

  PlotExtents() { Reset(); }
  void Reset();
  // Widens the record by the point (x, y) and the lower x bound xLow.
  void Widen(double x, double y, double xLow);
  // Finite, with xMin < xMax and yMax > 0: something the axes can show.
  bool IsUsable() const;
  // The three values without the pixel ratio (what Lock Axes keeps).
  void CopyValuesFrom(const PlotExtents& other);
};

// The view state the extents depend on.
struct ExtentsMode {
  bool surfaceMode = true;
  bool mohrCoulombOverlay = false;
  double zoomFactor = 1.0;
  bool locked = false;
  const PlotExtents* lockedCopy = nullptr;  // used while locked
};

// The principal plot's extents. sig1Limit (from the test data) raises the Hoek-Brown surface
// extent. Hoek-Brown in extents mode covers three extreme parameter sets at the document's
// sigci; the other criteria have one mode.
void ComputePrincipalExtents(const PlotDocument& doc, const ExtentsMode& mode, double sig1Limit,
                             PlotExtents* extents);

// The normal-shear plot's extents. principalYMax, when the principal plot is shown, starts the
// y extent so that this plot is never lower than the principal one (pass nullptr otherwise).
void ComputeNormalShearExtents(const PlotDocument& doc, const ExtentsMode& mode, double tauLimit,
                               const double* principalYMax, PlotExtents* extents);

// Axis ranges of a chart.
struct AxisRanges {
  double xMin = 0.0;
  double xMax = 1.0;
  double yMin = 0.0;
  double yMax = 1.0;
};

// Pixels of the chart's current corners: p1 = (x min, y min), p2 = (x max, y max),
// p3 = (x min, y max); valid is false when the chart could not map one of them.
struct CornerPixels {
  bool valid = false;
  int p1x = 0, p1y = 0, p2x = 0, p2y = 0, p3x = 0, p3y = 0;
};

// Ranges with equal stress per pixel: the y range 0..yMax and as much x as the plot's shape
// gives, or the x range xMin..xMax and as much y. With keepXRange (the shear plot of
// direct-shear data) the x range is always xMin..xMax. Returns false, with out at 0..1 and the
// pixel ratio untouched, when the corners are unmappable, the plot has no height or width, or
// the extents are not usable.
bool ScaleToEqualStress(const CornerPixels& corners, bool keepXRange, PlotExtents* extents,
                        AxisRanges* out);

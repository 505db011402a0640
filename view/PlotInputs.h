// What the view's plots and results text read: the document's models and criterion, the
// display settings and colours, taken as plain values so that the drawing rules need no window
// and no application object.
#pragma once

#include "chart/core/ChartIds.h"
#include "core/criteria/BartonBandisCriterion.h"
#include "core/criteria/HoekBrownCriterion.h"
#include "core/criteria/MohrCoulombCriterion.h"
#include "core/criteria/PowerCurveCriterion.h"

// The document as the plots see it. The models belong to the document; the pointers are
// never null while a plot is built.
struct PlotDocument {
  int criterion = CRITERION_HOEK_BROWN;  // FailureCriterion
  int redrawHint = 1;                    // 1 or 2: see AxesMayMove
  CHoekBrownCriterion* hoekBrown = nullptr;
  CMohrCoulombCriterion* mohrCoulomb = nullptr;
  CBartonBandisCriterion* bartonBandis = nullptr;
  CPowerCurveCriterion* powerCurve = nullptr;

  // The model of the current criterion (Hoek-Brown for an unknown criterion value).
  CStrengthCriterion* Active() const;
  int DataType() const;
  // Hoek-Brown with its parameters from rock-mass data.
  bool UsesRockMassData() const;
  // The power curve's d: its envelope starts at sig3 = -d.
  double PowerCurveD() const;
  // c and phi (degrees) of the equivalent Mohr-Coulomb line of a curved criterion; false, with
  // both 0, for Mohr-Coulomb itself.
  bool EquivalentLine(double* c, double* phi) const;
};

// The equivalent Mohr-Coulomb line of c and phi (degrees): sig1 at sig3 on the principal plot,
// tau at sigN on the shear plot.
double EquivalentLineSig1(double c, double phiDeg, double sig3);
double EquivalentLineTau(double c, double phiDeg, double sigN);

// Display settings and colours of the plots.
struct PlotDisplay {
  int lineWidth = 1;
  int axesLineWidth = 1;
  int fontPointSize = 8;
  int pointCountIndex = 3;  // 0..5: 10, 20, 50, 100, 200, 500 points per curve
  bool gridOverlay = true;
  bool boundingBox = false;
  bool showMogi = false;
  bool crop = true;
  int justify = 0;  // 0 left .. 4 right
  bool grayscale = false;
  qxchart::ChartColor hbColor = qxchart::ChartRgb(255, 0, 0);
  qxchart::ChartColor mcColor = qxchart::ChartRgb(0, 0, 255);
  qxchart::ChartColor hbColorGray = qxchart::ChartRgb(0, 0, 0);
  qxchart::ChartColor mcColorGray = qxchart::ChartRgb(128, 128, 128);
};

// Justification and decimal places come from the registry: out-of-range values are brought
// into range where they are read.
int ClampJustify(int justify);
int ClampDecimalPlaces(int decimals);

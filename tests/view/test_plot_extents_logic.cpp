// Plot extents per criterion and zoom mode, and their scaling to equal stress per pixel.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "tests/view/view_test_support.h"
#include "view/PlotExtents.h"

namespace {

using viewtest::Models;

PlotExtents Extents(double xMin, double xMax, double yMax) {
  PlotExtents e;
  e.xMin = xMin;
  e.xMax = xMax;
  e.yMax = yMax;
  return e;
}

// A plot area of w x h pixels at (50, 20).
CornerPixels Plot(int w, int h) {
  CornerPixels c;
  c.valid = true;
  c.p1x = 50, c.p1y = 20 + h;  // (x min, y min)
  c.p2x = 50 + w, c.p2y = 20;  // (x max, y max)
  c.p3x = 50, c.p3y = 20;      // (x min, y max)
  return c;
}

TEST(AxisScaling, EqualStressPerPixel) {
  PlotExtents e = Extents(-1, 10, 40);
  AxisRanges r;
  ASSERT_TRUE(ScaleToEqualStress(Plot(400, 400), false, &e, &r));
  EXPECT_DOUBLE_EQ(r.xMin, -1);
  EXPECT_DOUBLE_EQ(r.xMax, 39);
  EXPECT_DOUBLE_EQ(r.yMin, 0);
  EXPECT_DOUBLE_EQ(r.yMax, 40);
  EXPECT_DOUBLE_EQ(e.pixelRatio, 1.0);

  ASSERT_TRUE(ScaleToEqualStress(Plot(100, 800), false, &e, &r));
  EXPECT_DOUBLE_EQ(e.pixelRatio, 0.125);
  EXPECT_DOUBLE_EQ(r.xMin, -1);
  EXPECT_DOUBLE_EQ(r.xMax, 10);
  EXPECT_DOUBLE_EQ(r.yMax, 88);

  // The shear plot of direct-shear data keeps its x range whatever the shape.
  ASSERT_TRUE(ScaleToEqualStress(Plot(400, 400), true, &e, &r));
  EXPECT_DOUBLE_EQ(r.xMax, 10);
  EXPECT_DOUBLE_EQ(r.yMax, 11);
}

TEST(AxisScaling, StopsWithoutShapeOrSomethingToShow) {
  AxisRanges r;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    CornerPixels corners;
    PlotExtents extents;
    const char* what;
  } cases[] = {
      {CornerPixels(), Extents(-1, 10, 40), "unmappable corners"},
      {Plot(400, 0), Extents(-1, 10, 40), "no height"},
      {Plot(0, 400), Extents(-1, 10, 40), "no width"},
      {Plot(-20, 400), Extents(-1, 10, 40), "margins wider than the chart"},
      {Plot(400, 400), PlotExtents(), "unset extents"},
      {Plot(400, 400), Extents(5, 5, 40), "no x extent"},
      {Plot(400, 400), Extents(10, -1, 40), "an envelope running backwards"},
      {Plot(400, 400), Extents(-1, 10, 0), "no y extent"},
      {Plot(400, 400), Extents(nan, 10, 40), "not a number"},
      {Plot(400, 400), Extents(-1, HUGE_VAL, 40), "infinite"},
  };
  for (Case& c : cases) {
    c.extents.pixelRatio = 3.0;
    r.xMax = 77;
    EXPECT_FALSE(ScaleToEqualStress(c.corners, false, &c.extents, &r)) << c.what;
    EXPECT_EQ(r.xMin, 0) << c.what;
    EXPECT_EQ(r.xMax, 1) << c.what;
    EXPECT_EQ(r.yMax, 1) << c.what;
    EXPECT_EQ(c.extents.pixelRatio, 3.0) << c.what;
  }
}

TEST(PlotExtents, HoekBrownZoomModes) {
  Models m;
  m.hoekBrown.SetParameters(50, 12, 60, 0.2);
  PlotDocument doc = m.Doc(CRITERION_HOEK_BROWN);
  ExtentsMode surface;
  PlotExtents e;
  ComputePrincipalExtents(doc, surface, 0.0, &e);
  const double sig3max = m.hoekBrown.GetSig3Max();
  EXPECT_DOUBLE_EQ(e.xMax, sig3max);
  EXPECT_DOUBLE_EQ(e.yMax, m.hoekBrown.GetSig1(sig3max));
  EXPECT_DOUBLE_EQ(e.xMin, m.hoekBrown.GetMinSig3());
  // Test data above the envelope raise it.
  ComputePrincipalExtents(doc, surface, 1e4, &e);
  EXPECT_DOUBLE_EQ(e.yMax, 1e4);

  // Extents mode: three extreme parameter sets at the same sigci and sig3max, whatever mi,
  // GSI and D are.
  ExtentsMode extents;
  extents.surfaceMode = false;
  PlotExtents a, b;
  ComputePrincipalExtents(doc, extents, 1e4, &a);
  m.hoekBrown.SetParameters(50, 3, 20, 0.9);
  m.hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, sig3max, 0.026, 50);
  ComputePrincipalExtents(doc, extents, 0.0, &b);
  EXPECT_DOUBLE_EQ(a.xMin, b.xMin);
  EXPECT_DOUBLE_EQ(a.xMax, b.xMax);
  EXPECT_DOUBLE_EQ(a.yMax, b.yMax);
  CHoekBrownCriterion strongest;
  strongest.SetParameters(50, 50, 100, 0);
  EXPECT_DOUBLE_EQ(a.yMax, strongest.GetSig1(sig3max));

  // Zoom scales the three values; a lock puts its copy in place.
  extents.zoomFactor = 0.95;
  ComputePrincipalExtents(doc, extents, 0.0, &b);
  EXPECT_DOUBLE_EQ(b.xMin, 0.95 * a.xMin);
  EXPECT_DOUBLE_EQ(b.xMax, 0.95 * a.xMax);
  EXPECT_DOUBLE_EQ(b.yMax, 0.95 * a.yMax);
  const PlotExtents locked = Extents(-2, 3, 4);
  extents.locked = true;
  extents.lockedCopy = &locked;
  ComputePrincipalExtents(doc, extents, 0.0, &b);
  EXPECT_EQ(b.xMin, -2);
  EXPECT_EQ(b.xMax, 3);
  EXPECT_EQ(b.yMax, 4);
}

TEST(PlotExtents, OtherCriteria) {
  Models m;
  ExtentsMode mode;
  PlotExtents e;
  // Mohr-Coulomb with direct-shear data: the principal stresses of the circle at signmax.
  m.mohrCoulomb.SetDataType(DATA_DIRECT_SHEAR);
  ComputePrincipalExtents(m.Doc(CRITERION_MOHR_COULOMB), mode, 0.0, &e);
  const double sn = m.mohrCoulomb.GetSignMax();
  EXPECT_DOUBLE_EQ(e.xMax, m.mohrCoulomb.GetSig3FromShear(sn));
  EXPECT_DOUBLE_EQ(e.yMax, m.mohrCoulomb.GetSig1FromShear(sn));
  ComputeNormalShearExtents(m.Doc(CRITERION_MOHR_COULOMB), mode, 0.0, nullptr, &e);
  EXPECT_DOUBLE_EQ(e.xMax, sn);
  EXPECT_DOUBLE_EQ(e.yMax, m.mohrCoulomb.GetTau(sn));
  EXPECT_DOUBLE_EQ(e.xMin, m.mohrCoulomb.GetMinSigN());

  // Power curve: x from -d; the overlay line raises y.
  m.powerCurve.SetParameters(1.5, 2.0, 0.6);
  ComputePrincipalExtents(m.Doc(CRITERION_POWER_CURVE), mode, 0.0, &e);
  EXPECT_DOUBLE_EQ(e.xMin, -2.0);
  const double plain = e.yMax;
  mode.mohrCoulombOverlay = true;
  ComputePrincipalExtents(m.Doc(CRITERION_POWER_CURVE), mode, 0.0, &e);
  EXPECT_GE(e.yMax, plain);

  // Barton-Bandis starts at 0; its shear extent reaches signmax.
  mode.mohrCoulombOverlay = false;
  ComputeNormalShearExtents(m.Doc(CRITERION_BARTON_BANDIS), mode, 0.0, nullptr, &e);
  EXPECT_EQ(e.xMin, 0.0);
  EXPECT_DOUBLE_EQ(e.xMax, m.bartonBandis.GetSignMax());

  // The shear plot is never lower than the principal plot's y range.
  const double principalTop = 1e3;
  ComputeNormalShearExtents(m.Doc(CRITERION_BARTON_BANDIS), mode, 0.0, &principalTop, &e);
  EXPECT_EQ(e.yMax, 1e3);

  // An unknown criterion leaves the record unset.
  PlotDocument odd = m.Doc(CRITERION_HOEK_BROWN);
  odd.criterion = 9;
  ComputePrincipalExtents(odd, mode, 0.0, &e);
  EXPECT_FALSE(e.IsUsable());
}

}  // namespace

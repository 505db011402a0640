// Chart arithmetic of the fit dialogs.
#include <gtest/gtest.h>

#include <cmath>

#include "fitdialogs/logic/FitPlot.h"

namespace {
FitExtents Extents(std::initializer_list<std::pair<double, double>> points) {
  FitExtents e;
  for (const auto& p : points) e.Add(p.first, p.second);
  return e;
}

// One unit has the same length on both axes of a plot area of width/height = aspect.
void ExpectEqualScales(const FitAxes& axes, double aspect) {
  EXPECT_NEAR((axes.xMax - axes.xMin) / aspect, axes.yMax - axes.yMin,
              1e-12 * (axes.yMax - axes.yMin));
}
}  // namespace

TEST(FitPlot, ExtentsStartAtZeroAndSkipValuesThatAreNotFinite) {
  const FitExtents e = Extents({{5, 40}, {15, 68}, {NAN, 1e9}, {1e9, INFINITY}});
  EXPECT_TRUE(e.any);
  EXPECT_EQ(0.0, e.xMin);
  EXPECT_EQ(15.0, e.xMax);
  EXPECT_EQ(68.0, e.yMax);
  EXPECT_EQ(-3.0, Extents({{-3, 10}, {2, 20}}).xMin);
}

TEST(FitPlot, EqualScalesInBothBranches) {
  // Wide data: the x axis covers the data and the y axis reaches past the largest y.
  const FitAxes wide = EqualScaleAxes(Extents({{-2, 1}, {30, 10}}), 1.5);
  EXPECT_EQ(-2.0, wide.xMin);
  EXPECT_EQ(30.0, wide.xMax);
  EXPECT_EQ(0.0, wide.yMin);
  EXPECT_NEAR(32.0 / 1.5, wide.yMax, 1e-12);
  ExpectEqualScales(wide, 1.5);
  // Tall data: the y axis ends at the largest y and the x axis is lengthened.
  const FitAxes tall = EqualScaleAxes(Extents({{5, 40}, {15, 68}}), 0.75);
  EXPECT_EQ(0.0, tall.xMin);
  EXPECT_EQ(68.0, tall.yMax);
  EXPECT_NEAR(68.0 * 0.75, tall.xMax, 1e-12);
  ExpectEqualScales(tall, 0.75);
  // A point at the origin: a y axis of 1 with equal scales.
  const FitAxes origin = EqualScaleAxes(Extents({{0, 0}}), 2.0);
  EXPECT_EQ(2.0, origin.xMax);
  EXPECT_EQ(1.0, origin.yMax);
  // A plot area without a usable width/height is drawn as a square one.
  const FitAxes square = EqualScaleAxes(Extents({{5, 40}, {15, 68}}), 1.0);
  for (double aspect : {0.0, -1.0, double(NAN)}) {
    const FitAxes axes = EqualScaleAxes(Extents({{5, 40}, {15, 68}}), aspect);
    EXPECT_EQ(square.xMax, axes.xMax) << aspect;
    EXPECT_EQ(square.yMax, axes.yMax) << aspect;
  }
}

TEST(FitPlot, DegenerateRangesStillGiveUsableAxes) {
  const FitExtents cases[] = {Extents({}), Extents({{0, 0}}), Extents({{4, 4}}),
                              Extents({{3, -5}, {3, -1}}), Extents({{-4, -8}, {-1, -2}}),
                              Extents({{-5e40, 6}}), Extents({{1e308, 1e308}, {-1e308, 1}})};
  for (const FitExtents& e : cases) {
    for (double aspect : {1.2, 0.0, -1.0, double(NAN)}) {
      const FitAxes axes = EqualScaleAxes(e, aspect);
      EXPECT_TRUE(std::isfinite(axes.xMin) && std::isfinite(axes.xMax) && std::isfinite(axes.yMax));
      EXPECT_LT(axes.xMin, axes.xMax);
      EXPECT_EQ(0.0, axes.yMin);
      EXPECT_LT(axes.yMin, axes.yMax);
    }
  }
}

TEST(FitPlot, MogiLineEndsAtTheTopOfTheYAxis) {
  const FitSeries mogi = MogiLineSeries(68.0);
  ASSERT_EQ(2u, mogi.x.size());
  EXPECT_EQ(0.0, mogi.x[0]);
  EXPECT_EQ(0.0, mogi.y[0]);
  EXPECT_EQ(68.0 * 0.29411764705882354, mogi.x[1]);
  EXPECT_EQ(68.0, mogi.y[1]);
  EXPECT_EQ(qxchart::kLineLongDash, mogi.style.linePattern);
  EXPECT_EQ(qxchart::ChartRgb(0, 255, 0), mogi.style.lineColor);
}

TEST(FitPlot, SmallerNumberSpacingIsRaisedToTheLarger) {
  SpacingChange c = EqualNumberSpacing(5.0, 20.0, 0, 1);
  EXPECT_EQ(0, c.axis);
  EXPECT_EQ(20.0, c.step);
  EXPECT_EQ(1, c.precision);
  c = EqualNumberSpacing(0.5, 0.2, 1, 2);
  EXPECT_EQ(1, c.axis);
  EXPECT_EQ(0.5, c.step);
  EXPECT_EQ(1, c.precision);
  EXPECT_EQ(-1, EqualNumberSpacing(10.0, 10.0, 0, 0).axis);
  EXPECT_EQ(-1, EqualNumberSpacing(0.0, 10.0, 0, 0).axis);
  EXPECT_EQ(-1, EqualNumberSpacing(10.0, 0.0, 0, 0).axis);
  EXPECT_EQ(-1, EqualNumberSpacing(NAN, 10.0, 0, 0).axis);
}

TEST(FitPlot, EnvelopeEndSearches) {
  // Rows (sig3, sig1): sig3 0..9, sig1 = 10 + 5 sig3.
  std::vector<EnvelopePoint> rows;
  for (int i = 0; i < 10; ++i) rows.push_back({10.0 + 5.0 * i, 1.0 * i, 2.0 * i, 3.0 * i});
  // sig1 passes 38 at row 6 (40); the previous sig3 (5) is past the largest sig3 (4): end 5.
  EXPECT_EQ(5.0, PrincipalEnvelopeEnd(rows.data(), 10, 4.0, 38.0));
  // The previous sig3 must pass the largest sig3 too: here only from row 8 on.
  EXPECT_EQ(7.0, PrincipalEnvelopeEnd(rows.data(), 10, 6.5, 38.0));
  // Both must be passed, not only reached: sig1 40 at row 6, sig3 5 at row 5.
  EXPECT_EQ(6.0, PrincipalEnvelopeEnd(rows.data(), 10, 4.0, 40.0));
  EXPECT_EQ(6.0, PrincipalEnvelopeEnd(rows.data(), 10, 5.0, 38.0));
  // No row qualifies: the largest sig3, at least 0.
  EXPECT_EQ(4.0, PrincipalEnvelopeEnd(rows.data(), 10, 4.0, 100.0));
  EXPECT_EQ(0.0, PrincipalEnvelopeEnd(rows.data(), 10, -2.0, 100.0));
  EXPECT_EQ(0.0, PrincipalEnvelopeEnd(nullptr, 0, -2.0, 100.0));
  // Shear rows (sigN, tau) = (2i, 3i): tau passes 10 at row 4, previous sigN 6 > 5.
  EXPECT_EQ(6.0, ShearEnvelopeEnd(rows.data(), 10, 5.0, 10.0));
  EXPECT_EQ(8.0, ShearEnvelopeEnd(rows.data(), 10, 5.0, 12.0));
  EXPECT_EQ(8.0, ShearEnvelopeEnd(rows.data(), 10, 6.0, 10.0));
  EXPECT_EQ(-3.0, ShearEnvelopeEnd(rows.data(), 10, -3.0, 1000.0));  // no floor at 0
}

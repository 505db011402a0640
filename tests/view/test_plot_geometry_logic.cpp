// Placement of the two charts, points per curve, the chart font, when axes may move and one
// step for both axes.
#include <gtest/gtest.h>

#include "view/PlotGeometry.h"

namespace {

PlotRect Rect(int l, int t, int r, int b) {
  PlotRect p;
  p.left = l, p.top = t, p.right = r, p.bottom = b;
  return p;
}

TEST(PlotGeometry, ArrangeSplitsFortySixty) {
  const PlotRect client = Rect(0, 0, 1001, 500);
  PlotArrangement a = ArrangePlots(client, true, true);
  EXPECT_EQ(a.principal, Rect(0, 0, 400, 500));  // trunc(400.4)
  EXPECT_EQ(a.shear, Rect(400, 0, 1001, 500));
  // Neither shown takes the same branch.
  EXPECT_EQ(ArrangePlots(client, false, false).principal, a.principal);

  a = ArrangePlots(client, false, true);
  EXPECT_EQ(a.principal, Rect(0, 0, 0, 500));
  EXPECT_EQ(a.shear, client);
  a = ArrangePlots(client, true, false);
  EXPECT_EQ(a.principal, client);
  EXPECT_EQ(a.shear.Width(), 0);
  EXPECT_EQ(a.shear.left, 0);

  // An offset rectangle splits from its own left edge.
  a = ArrangePlots(Rect(10, 5, 110, 50), true, true);
  EXPECT_EQ(a.principal.right, 50);
  EXPECT_EQ(a.shear.left, 50);
}

TEST(PlotGeometry, PointsPerCurve) {
  const int expected[] = {10, 20, 50, 100, 200, 500};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(GetPlotPointCount(-1, i), expected[i]);
  EXPECT_EQ(GetPlotPointCount(-1, 6), 100);
  EXPECT_EQ(GetPlotPointCount(0, -3), 100);
  EXPECT_EQ(GetPlotPointCount(37, 5), 37);  // the printing override wins
}

TEST(PlotGeometry, ChartFontFollowsTheViewSize) {
  EXPECT_EQ(ChartFontPointSize(150, 150, 8), 4);
  EXPECT_EQ(ChartFontPointSize(99, 99, 8), 3);  // 3.0
  EXPECT_EQ(ChartFontPointSize(100, 100, 8), 4);
  EXPECT_EQ(ChartFontPointSize(199, 200, 8), 4);  // mean 199 in integer division
  EXPECT_EQ(ChartFontPointSize(200, 200, 8), 5);
  EXPECT_EQ(ChartFontPointSize(300, 300, 8), 6);
  EXPECT_EQ(ChartFontPointSize(400, 400, 8), 7);
  EXPECT_EQ(ChartFontPointSize(499, 500, 8), 7);
  EXPECT_EQ(ChartFontPointSize(500, 500, 8), 8);
  EXPECT_EQ(ChartFontPointSize(3000, 2000, 10), 10);

  EXPECT_EQ(ChartFontText("Arial", 8, 400, false), "Arial,8");
  EXPECT_EQ(ChartFontText("Arial", 7, 700, true), "Arial,7,Bold,Italic");
  EXPECT_EQ(ChartFontText("Times New Roman", 12, 699, true), "Times New Roman,12,Italic");
  EXPECT_EQ(ChartFontText(std::string(400, 'x'), 8, 400, false).size(), 255u);
}

TEST(PlotGeometry, AxesMoveOnlyUnlockedForAFullRedrawOrInSurfaceZoom) {
  for (bool locked : {false, true})
    for (int hint : {0, 1, 2, 3})
      for (bool surface : {false, true}) {
        const bool expected = !locked && (hint == 2 || (hint == 1 && surface));
        EXPECT_EQ(AxesMayMove(locked, hint, surface), expected)
            << locked << " " << hint << " " << surface;
      }
}

TEST(PlotGeometry, TheSmallerStepServesBothAxes) {
  const AxisStep x{5.0, 0}, y{2.5, 1};
  EXPECT_EQ(EqualAxisStep(x, y).step, 2.5);
  EXPECT_EQ(EqualAxisStep(x, y).precision, 1);
  EXPECT_EQ(EqualAxisStep(y, x).step, 2.5);
  const AxisStep same{2.5, 2};
  EXPECT_EQ(EqualAxisStep(same, y).precision, 2);  // x wins a tie
}

}  // namespace

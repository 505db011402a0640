// Axis cropping: the cropped maximum, the margins by justification, and on a chart: the scale
// stays as it was.
#include <gtest/gtest.h>

#include <memory>

#include "chart/core/ChartModel.h"
#include "tests/chart/core_fakeenv.h"
#include "view/AxisCropping.h"

namespace {

using namespace qxchart;

TEST(AxisCropping, CroppedMaximum) {
  double c = 0;
  ASSERT_TRUE(CroppedAxisMax(33, 0, 50, 10, &c));
  EXPECT_DOUBLE_EQ(c, 40);
  ASSERT_TRUE(CroppedAxisMax(30, 0, 50, 10, &c));  // a whole number of steps
  EXPECT_DOUBLE_EQ(c, 30);
  // Less than 1e-7 of a step over a whole number still counts as that number.
  ASSERT_TRUE(CroppedAxisMax(30.0000005, 0, 50, 10, &c));
  EXPECT_DOUBLE_EQ(c, 30);
  ASSERT_TRUE(CroppedAxisMax(30.00001, 0, 50, 10, &c));
  EXPECT_DOUBLE_EQ(c, 40);

  c = -1;
  EXPECT_FALSE(CroppedAxisMax(45, 0, 50, 10, &c));  // 50 is already the cover
  EXPECT_FALSE(CroppedAxisMax(55, 0, 50, 10, &c));
  EXPECT_FALSE(CroppedAxisMax(33, 0, 50, 0, &c));   // no step: no crop, no division
  EXPECT_FALSE(CroppedAxisMax(33, 0, 50, -5, &c));
  EXPECT_FALSE(CroppedAxisMax(0, 0, 50, 10, &c));   // nothing left above the minimum
  EXPECT_FALSE(CroppedAxisMax(-60, -5, 50, 10, &c));
  EXPECT_EQ(c, -1);
}

TEST(AxisCropping, FreedWidthFollowsTheJustification) {
  PlotMargins m;
  m.bottom = 30, m.left = 40, m.right = 10, m.top = 15;
  PlotMargins left = CroppedMargins(m, 61, 7, 0);
  EXPECT_EQ(left.left, 40);
  EXPECT_EQ(left.right, 71);
  EXPECT_EQ(left.top, 22);
  EXPECT_EQ(left.bottom, 30);
  PlotMargins centre = CroppedMargins(m, 61, 7, 2);
  EXPECT_EQ(centre.left, 70);  // trunc(30.5)
  EXPECT_EQ(centre.right, 41);
  PlotMargins right = CroppedMargins(m, 61, 7, 4);
  EXPECT_EQ(right.left, 101);
  EXPECT_EQ(right.right, 10);
  // A damaged setting is kept inside left..right.
  EXPECT_EQ(CroppedMargins(m, 61, 7, 9).left, 101);
  EXPECT_EQ(CroppedMargins(m, 61, 7, -3).left, 40);
}

// A 600 x 400 chart of data reaching (33, 27) with ranges 0..50 x 0..50 and steps of 10.
class CropChartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    chart.SetEnvironment(&env);
    data = ChartData::Create(ChartData::kTypeGeneral, 1, 2);
    data->SetX(0, 0, 0), data->SetY(0, 0, 0);
    data->SetX(0, 1, 33), data->SetY(0, 1, 27);
    chart.SetData(prop::kData, data.get());
    chart.SetDouble(prop::kXMin, 0);
    chart.SetDouble(prop::kXMax, 50);
    chart.SetDouble(prop::kYMin, 0);
    chart.SetDouble(prop::kYMax, 50);
    chart.SetDouble(prop::kXTickSpacing, 10);
    chart.SetDouble(prop::kYTickSpacing, 10);
  }
  double Scale(bool x) {
    const ChartMapResult a = chart.Unmap(0, 0), b = chart.Unmap(20, 20);
    return x ? (b.pixelX - a.pixelX) / 20.0 : (a.pixelY - b.pixelY) / 20.0;
  }
  FakeEnvironment env{600, 400};
  ChartModel chart;
  std::unique_ptr<ChartData> data;
};

TEST_F(CropChartTest, TheScaleStays) {
  const double sx = Scale(true), sy = Scale(false);
  const ChartMapResult origin = chart.Unmap(0, 0);
  CropChartAxes(chart, CropChart::kPrincipal, true, 0);
  double xMax = 0, yMax = 0;
  chart.GetDouble(prop::kXMax, &xMax);
  chart.GetDouble(prop::kYMax, &yMax);
  EXPECT_EQ(xMax, 40);
  EXPECT_EQ(yMax, 30);
  EXPECT_NEAR(Scale(true), sx, 0.06);
  EXPECT_NEAR(Scale(false), sy, 0.06);
  // Left justification: the plot stays where it was.
  EXPECT_EQ(chart.Unmap(0, 0).pixelX, origin.pixelX);
  EXPECT_EQ(chart.Unmap(0, 0).pixelY, origin.pixelY);
}

TEST_F(CropChartTest, RightJustificationMovesThePlotByTheFreedWidth) {
  const ChartMapResult before = chart.Unmap(40, 0), end = chart.Unmap(50, 0);
  CropChartAxes(chart, CropChart::kNormalShear, true, 4);
  EXPECT_NEAR(chart.Unmap(40, 0).pixelX, end.pixelX, 1);
  EXPECT_NE(chart.Unmap(40, 0).pixelX, before.pixelX);
}

TEST_F(CropChartTest, OffOnlyWritesTheMarginsBack) {
  int margins[4];
  const int ids[4] = {prop::kMarginBottom, prop::kMarginLeft, prop::kMarginRight, prop::kMarginTop};
  for (int i = 0; i < 4; ++i) chart.GetInt(ids[i], &margins[i]);
  CropChartAxes(chart, CropChart::kPrincipal, false, 4);
  double xMax = 0;
  chart.GetDouble(prop::kXMax, &xMax);
  EXPECT_EQ(xMax, 50);
  for (int i = 0; i < 4; ++i) {
    int now = 0;
    chart.GetInt(ids[i], &now);
    EXPECT_EQ(now, margins[i]);
  }
}

}  // namespace

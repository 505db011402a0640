// Building the two plots into charts without windows: data, titles, grid, equal scales,
// locked and degenerate axes, the shear plot following the principal one, and what each view
// remembers of its own plots.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "tests/chart/core_fakeenv.h"
#include "tests/view/view_test_support.h"
#include "view/PlotBuilder.h"

namespace {

using namespace qxchart;
using viewtest::Models;

struct CountingHooks : PlotBuildHooks {
  int fonts = 0, resets = 0, refreshes = 0;
  void SetChartFonts(int) override { ++fonts; }
  void ResetSamplers() override { ++resets; }
  void RefreshSamplers(int) override { ++refreshes; }
};

// One view: its two charts, their data and its state.
struct TestView {
  FakeEnvironment principalEnv{420, 500}, shearEnv{630, 500};
  ChartModel principal{&principalEnv}, shear{&shearEnv};
  std::unique_ptr<ChartData> principalData, shearData;
  PlotViewState state;
  PlotDisplay display;
  CountingHooks hooks;

  void Build(const PlotDocument& doc) {
    PlotBuildContext c{doc, display, state, 100, hooks};
    if (state.showPrincipalPlot) BuildPrincipalPlot(principal, principalData, c);
    if (state.showShearPlot) BuildNormalShearPlot(shear, principal, shearData, c);
  }
};

double Get(const ChartModel& chart, int id) {
  double v = 0;
  chart.GetDouble(id, &v);
  return v;
}

// Pixels per stress unit along x and y.
void Scales(const ChartModel& chart, double* sx, double* sy) {
  const ChartMapResult a = chart.Unmap(0, 0), b = chart.Unmap(10, 10);
  ASSERT_TRUE(a.valid && b.valid);
  *sx = (b.pixelX - a.pixelX) / 10.0;
  *sy = (a.pixelY - b.pixelY) / 10.0;
}

TEST(PlotBuilder, PrincipalPlotDataTitlesGridAndEqualScales) {
  Models m;
  viewtest::LabOnEnvelope(&m.hoekBrown, {0, 2, 5});
  TestView v;
  v.state.plotTestData = true;
  v.display.gridOverlay = false;
  v.display.boundingBox = true;
  v.Build(m.Doc(CRITERION_HOEK_BROWN));

  ChartData* data = nullptr;
  v.principal.GetData(prop::kData, &data);
  ASSERT_EQ(data, v.principalData.get());
  EXPECT_EQ(data->Sets(), 2);  // test data and envelope
  std::string title;
  v.principal.GetString(prop::kXTitle, &title);
  EXPECT_EQ(title, "Minor principal stress (MPa)");
  v.principal.GetString(prop::kYTitle, &title);
  EXPECT_EQ(title, "Major principal stress (MPa)");
  v.shear.GetString(prop::kXTitle, &title);
  EXPECT_EQ(title, "Normal stress (MPa)");
  EXPECT_EQ(Get(v.principal, prop::kXGridSpacing), 0.0);
  EXPECT_EQ(Get(v.principal, prop::kYGridSpacing), 0.0);
  int frame = 0;
  v.principal.GetInt(prop::kFrame, &frame);
  EXPECT_EQ(frame, 1);
  EXPECT_EQ(v.hooks.fonts, 2);
  EXPECT_EQ(v.hooks.refreshes, 2);

  // Equal stress per pixel on both axes, one step for both, from 0 up.
  double sx = 0, sy = 0;
  Scales(v.principal, &sx, &sy);
  EXPECT_NEAR(sx, sy, 0.11);
  Scales(v.shear, &sx, &sy);
  EXPECT_NEAR(sx, sy, 0.11);
  EXPECT_EQ(Get(v.principal, prop::kXTickSpacing), Get(v.principal, prop::kYTickSpacing));
  EXPECT_EQ(Get(v.principal, prop::kYMin), 0.0);
  // The envelope's end and every test point are inside the ranges.
  const double sig3max = m.hoekBrown.GetSig3Max();
  EXPECT_GE(Get(v.principal, prop::kXMax), sig3max);
  EXPECT_GE(Get(v.principal, prop::kYMax), m.hoekBrown.GetSig1(sig3max));
  // The shear plot starts no lower than the principal plot's top and takes its steps.
  EXPECT_EQ(Get(v.shear, prop::kXTickSpacing), Get(v.principal, prop::kYTickSpacing));
}

TEST(PlotBuilder, LockedOrParameterRedrawsKeepTheAxes) {
  Models m;
  TestView v;
  v.Build(m.Doc(CRITERION_MOHR_COULOMB));
  const double xMax = Get(v.principal, prop::kXMax), yMax = Get(v.principal, prop::kYMax);
  m.mohrCoulomb.SetParameters(3, 40, -1);  // a stronger envelope

  v.state.ToggleLock();
  v.Build(m.Doc(CRITERION_MOHR_COULOMB, 2));
  EXPECT_EQ(Get(v.principal, prop::kXMax), xMax);
  EXPECT_EQ(Get(v.principal, prop::kYMax), yMax);
  v.state.ToggleLock();

  v.state.ResetZoom(false);  // extents zoom: a parameter redraw keeps the axes
  v.Build(m.Doc(CRITERION_MOHR_COULOMB, 1));
  EXPECT_EQ(Get(v.principal, prop::kYMax), yMax);
  v.Build(m.Doc(CRITERION_MOHR_COULOMB, 2));  // a full redraw does not
  EXPECT_GT(Get(v.principal, prop::kYMax), yMax);
}

TEST(PlotBuilder, APlotWithoutRoomKeepsItsLastRanges) {
  Models m;
  TestView v;
  v.principalEnv.width = 0;  // before the view has a size
  v.Build(m.Doc(CRITERION_MOHR_COULOMB));
  EXPECT_EQ(Get(v.principal, prop::kXMin), 0.0);
  EXPECT_EQ(Get(v.principal, prop::kXMax), 1.0);
  EXPECT_EQ(Get(v.principal, prop::kYMax), 1.0);

  v.principalEnv.width = 420;
  v.Build(m.Doc(CRITERION_MOHR_COULOMB));
  ASSERT_TRUE(v.state.hasPrincipalRanges);
  const AxisRanges good = v.state.principalRanges;
  EXPECT_GT(good.yMax, 1.0);
  v.principalEnv.width = 0;  // the view shrinks away: the plot keeps what it had
  v.Build(m.Doc(CRITERION_MOHR_COULOMB));
  EXPECT_EQ(Get(v.principal, prop::kXMax), good.xMax);
  EXPECT_EQ(Get(v.principal, prop::kYMax), good.yMax);
  // So does an envelope that runs backwards.
  v.principalEnv.width = 420;
  m.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, -50, 0.026, 50);
  v.Build(m.Doc(CRITERION_MOHR_COULOMB));
  EXPECT_EQ(Get(v.principal, prop::kXMin), good.xMin);
  EXPECT_LE(Get(v.principal, prop::kXMax), good.xMax);  // cropped at most
  EXPECT_GT(Get(v.principal, prop::kXMax), good.xMin);
}

TEST(PlotBuilder, PowerCurvePrincipalPlotStartsBelowZero) {
  Models m;
  m.powerCurve.SetParameters(1.5, 2.0, 0.6);
  TestView v;
  v.Build(m.Doc(CRITERION_POWER_CURVE));
  EXPECT_EQ(Get(v.principal, prop::kYMin), -2.0);
  EXPECT_EQ(Get(v.shear, prop::kYMin), 0.0);
}

TEST(PlotBuilder, ShearPlotAloneTakesItsOwnSteps) {
  Models m;
  TestView v;
  v.state.ShowPlots(false, true);
  v.principal.SetDouble(prop::kXTickSpacing, 1234.0);  // stale values of a hidden chart
  v.principal.SetDouble(prop::kYTickSpacing, 1234.0);
  v.Build(m.Doc(CRITERION_HOEK_BROWN));
  const double x = Get(v.shear, prop::kXTickSpacing), y = Get(v.shear, prop::kYTickSpacing);
  EXPECT_EQ(x, y);
  EXPECT_LT(x, 1234.0);
  EXPECT_LT(x, Get(v.shear, prop::kXMax));
}

TEST(PlotBuilder, EachViewRemembersItsOwnCriterion) {
  Models m;
  TestView first, second;
  first.Build(m.Doc(CRITERION_HOEK_BROWN));
  second.Build(m.Doc(CRITERION_MOHR_COULOMB));
  EXPECT_EQ(first.hooks.resets, 0);
  EXPECT_EQ(second.hooks.resets, 0);
  // A change of the first document's criterion resets only the first view's samplers.
  first.Build(m.Doc(CRITERION_BARTON_BANDIS));
  second.Build(m.Doc(CRITERION_MOHR_COULOMB));
  EXPECT_EQ(first.hooks.resets, 1);
  EXPECT_EQ(second.hooks.resets, 0);
}

TEST(PlotBuilder, RebuildsReplaceTheDataObject) {
  Models m;
  TestView v;
  v.Build(m.Doc(CRITERION_BARTON_BANDIS));
  const ChartData* before = v.shearData.get();
  v.state.mohrCoulombOverlay = true;
  v.Build(m.Doc(CRITERION_BARTON_BANDIS));
  ChartData* attached = nullptr;
  v.shear.GetData(prop::kData, &attached);
  EXPECT_EQ(attached, v.shearData.get());
  EXPECT_NE(attached, before);
  EXPECT_EQ(attached->Sets(), 2);
  // The layout still reads well after the old object went (the sanitizers watch this).
  EXPECT_TRUE(v.shear.Layout().valid);
}

}  // namespace

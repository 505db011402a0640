#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/core/ChartModel.h"
#include "chart/core/ChartScale.h"
#include "tests/chart/chart_testdata.h"
#include "tests/chart/core_fakeenv.h"

namespace qxchart {
namespace {

using namespace prop;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

double Get(const ChartModel& m, int id) {
  double v = kNaN;
  EXPECT_TRUE(m.GetDouble(id, &v)) << std::hex << id;
  return v;
}

int GetI(const ChartModel& m, int id) {
  int v = -12345;
  EXPECT_TRUE(m.GetInt(id, &v)) << std::hex << id;
  return v;
}

// One set: (0,0) (10,37) hole (20,123) (33,60).
std::unique_ptr<ChartData> SampleData() {
  return OneSet({0, 10, kNaN, 20, 33}, {0, 37, 500, 123, 60});
}

void SetMargins(ChartModel& m, int bottom, int left, int right, int top) {
  ASSERT_TRUE(m.SetInt(kMarginBottom, bottom));
  ASSERT_TRUE(m.SetInt(kMarginLeft, left));
  ASSERT_TRUE(m.SetInt(kMarginRight, right));
  ASSERT_TRUE(m.SetInt(kMarginTop, top));
}

TEST(ChartData, BoundsChecksAndHoles) {
  EXPECT_EQ(ChartData::Create(1, 1, 1), nullptr);
  EXPECT_EQ(ChartData::Create(2, 0, 5), nullptr);
  EXPECT_EQ(ChartData::Create(2, 5, 0), nullptr);
  EXPECT_EQ(ChartData::Create(2, 10000, 100000), nullptr);  // past the size limit

  auto d = SampleData();
  EXPECT_FALSE(d->SetX(1, 0, 1.0));
  EXPECT_FALSE(d->SetY(0, 5, 1.0));
  EXPECT_FALSE(d->SetX(-1, 0, 1.0));
  EXPECT_TRUE(std::isnan(d->X(0, 7)));
  EXPECT_FALSE(d->IsPoint(0, 2));
  d->SetY(0, 4, std::numeric_limits<double>::infinity());  // not finite: a hole too
  const DataBounds b = d->Bounds();
  ASSERT_TRUE(b.any);
  EXPECT_EQ(b.xMin, 0);
  EXPECT_EQ(b.xMax, 20);
  EXPECT_EQ(b.yMax, 123);  // the 500 of the hole does not count

  ChartModel m;
  m.SetData(kData, d.get());
  EXPECT_EQ(Get(m, kDataXMin), 0);
  EXPECT_EQ(Get(m, kDataXMax), 20);
  EXPECT_EQ(Get(m, kDataYMax), 123);
}

TEST(ChartModel, DestroyingAttachedDataDetachesIt) {
  FakeEnvironment env(400, 300);
  ChartModel a(&env), b(&env);
  auto d = SampleData();
  a.SetData(kData, d.get());
  a.SetData(kData2, d.get());
  b.SetData(kData, d.get());
  a.SetData(kData2, nullptr);  // still held as primary data
  d.reset();
  ChartData* p = reinterpret_cast<ChartData*>(1);
  ASSERT_TRUE(a.GetData(kData, &p));
  EXPECT_EQ(p, nullptr);
  ASSERT_TRUE(b.GetData(kData, &p));
  EXPECT_EQ(p, nullptr);
  EXPECT_FALSE(a.Unmap(1, 1).valid);  // automatic ranges and no data

  // A chart that goes first leaves the data object nothing to call.
  auto d2 = SampleData();
  {
    ChartModel c(&env);
    c.SetData(kData, d2.get());
  }
  d2.reset();
}

TEST(ChartModel, KindsAreKeptApart) {
  ChartModel m;
  EXPECT_FALSE(m.SetInt(kXMin, 1));
  EXPECT_FALSE(m.SetDouble(kFrame, 1.0));
  EXPECT_FALSE(m.SetColor(kFrame, 0));
  EXPECT_FALSE(m.SetString(kXMin, "x"));
  EXPECT_FALSE(m.SetData(kXAxisStyle, nullptr));
  EXPECT_FALSE(m.SetStyle(kData, ChartStyle()));
  EXPECT_FALSE(m.SetInt(0x1234, 1));
  double d;
  int i;
  EXPECT_FALSE(m.GetInt(kXMax, &i));
  EXPECT_FALSE(m.GetDouble(kXPrecision, &d));
  // Values out of their domain change nothing.
  EXPECT_FALSE(m.SetDouble(kDataXMin, 3.0));  // read only
  EXPECT_FALSE(m.SetDouble(kXMin, kNaN));
  EXPECT_FALSE(m.SetDouble(kXTickSpacing, 0.0));
  EXPECT_FALSE(m.SetDouble(kXGridSpacing, -1.0));
  EXPECT_FALSE(m.SetInt(kXPrecision, 16));
  EXPECT_FALSE(m.SetInt(kMarginLeft, -1));
  EXPECT_EQ(GetI(m, kXRangeAuto), 1);
  EXPECT_EQ(GetI(m, kXSpacingAuto), 1);
  EXPECT_EQ(GetI(m, kMarginLeftAuto), 1);
  // Accepted settings read back.
  ASSERT_TRUE(m.SetInt(kY2Option4302, 2));
  EXPECT_EQ(GetI(m, kY2Option4302), 2);
  ASSERT_TRUE(m.SetString(kYTitle, "Major principal stress (MPa)"));
  std::string s;
  ASSERT_TRUE(m.GetString(kYTitle, &s));
  EXPECT_EQ(s, "Major principal stress (MPa)");
  ChartStyle st;
  st.lineWidth = 3;
  ASSERT_TRUE(m.SetStyle(kXAxisStyle, st));
  ChartStyle back;
  ASSERT_TRUE(m.GetStyle(kXAxisStyle, &back));
  EXPECT_EQ(back.lineWidth, 3);
  ASSERT_TRUE(m.GetStyle(kYAxisStyle, &back));
  EXPECT_EQ(back.lineWidth, 1);
  // Data styles: get returns the current record, set replaces it; bad indices refused.
  ASSERT_TRUE(m.GetDataStyle(2, 4, &back));
  back.linePattern = kLineDashed;
  ASSERT_TRUE(m.SetDataStyle(2, 4, back));
  ChartStyle again;
  ASSERT_TRUE(m.GetDataStyle(2, 4, &again));
  EXPECT_TRUE(again == back);
  ASSERT_TRUE(m.GetDataStyle(1, 4, &again));
  EXPECT_NE(again.linePattern, kLineDashed);
  EXPECT_FALSE(m.SetDataStyle(3, 0, back));
  EXPECT_FALSE(m.SetDataStyle(1, -1, back));
  EXPECT_FALSE(m.CallAction(3));
  EXPECT_TRUE(m.CallAction(kActionResetZoom));
}

TEST(ChartModel, ExplicitMarginsAndRangesMapExactly) {
  FakeEnvironment env(400, 300);
  ChartModel m(&env);
  SetMargins(m, 50, 100, 50, 50);  // plot 100..350 x 50..250
  m.SetDouble(kXMin, 0);
  m.SetDouble(kXMax, 10);
  m.SetDouble(kYMin, 0);
  m.SetDouble(kYMax, 20);

  ChartMapResult r = m.Unmap(4, 5);
  ASSERT_TRUE(r.valid);
  EXPECT_EQ(r.pixelX, 200);
  EXPECT_EQ(r.pixelY, 200);
  EXPECT_EQ(r.region, kRegionPlotArea);
  r = m.Unmap(10, 20);
  EXPECT_EQ(r.pixelX, 350);
  EXPECT_EQ(r.pixelY, 50);
  r = m.Unmap(0, 0);
  EXPECT_EQ(r.pixelX, 100);
  EXPECT_EQ(r.pixelY, 250);

  r = m.Map(200, 200);
  ASSERT_TRUE(r.valid);
  EXPECT_EQ(r.region, kRegionPlotArea);
  EXPECT_DOUBLE_EQ(r.x, 4);
  EXPECT_DOUBLE_EQ(r.y, 5);
  EXPECT_EQ(m.Map(10, 10).region, kRegionChartArea);
  EXPECT_EQ(m.Map(-1, 10).region, kRegionOutside);
  EXPECT_EQ(m.Map(400, 10).region, kRegionOutside);

  // Round trips through every pixel column of the plot.
  for (int px = 100; px <= 350; px += 7) {
    const ChartMapResult d = m.Map(px, 123);
    const ChartMapResult p = m.Unmap(d.x, d.y);
    EXPECT_EQ(p.pixelX, px);
    EXPECT_EQ(p.pixelY, 123);
  }
  // Far away points are refused rather than wrapped.
  EXPECT_FALSE(m.Unmap(1e300, 0).valid);
  EXPECT_EQ(m.Unmap(1e300, 0).x, kUnmappable);
  EXPECT_EQ(GetI(m, kMarginLeft), 100);
}

TEST(ChartModel, UnmapFailsWithoutALayout) {
  FakeEnvironment env(400, 300);
  ChartModel m(&env);
  EXPECT_FALSE(m.Unmap(1, 1).valid);  // no data, automatic ranges
  EXPECT_EQ(m.Unmap(1, 1).y, kUnmappable);
  auto d = SampleData();
  m.SetData(kData, d.get());
  EXPECT_TRUE(m.Unmap(1, 1).valid);
  EXPECT_FALSE(m.Unmap(kNaN, 1).valid);

  m.SetDouble(kXMin, 5);
  m.SetDouble(kXMax, 5);  // min >= max
  EXPECT_FALSE(m.Unmap(1, 1).valid);
  EXPECT_FALSE(m.Map(1, 1).valid);
  m.SetDouble(kXMax, 6);
  EXPECT_TRUE(m.Unmap(1, 1).valid);

  env.width = 0;  // zero-size window
  EXPECT_FALSE(m.Unmap(1, 1).valid);
  env.width = 400;
  SetMargins(m, 200, 0, 0, 100);  // no room left
  EXPECT_FALSE(m.Unmap(1, 1).valid);
}

TEST(ChartModel, AutomaticRangesStepsAndPrecisions) {
  FakeEnvironment env(400, 300);
  ChartModel m(&env);
  auto d = SampleData();
  m.SetData(kData, d.get());
  const double xs = Get(m, kXTickSpacing), ys = Get(m, kYTickSpacing);
  EXPECT_EQ(NiceStepAtLeast(xs), xs);
  EXPECT_EQ(NiceStepAtLeast(ys), ys);
  EXPECT_EQ(Get(m, kYMin), 0);
  EXPECT_GE(Get(m, kYMax), 123);
  EXPECT_LE(Get(m, kXMin), 0);
  EXPECT_GE(Get(m, kXMax), 20);
  EXPECT_EQ(std::fmod(Get(m, kYMax), ys), 0);
  EXPECT_EQ(std::fmod(Get(m, kXMax), xs), 0);
  // Labels fit: each y step at least two text lines, each x step wider than the labels.
  const ChartLayout l = m.Layout();
  EXPECT_GE(ys / (l.y.max - l.y.min) * l.plot.Height(), 28);
  EXPECT_GE(xs / (l.x.max - l.x.min) * l.plot.Width(), 7 * 3);

  // The step is worked out again for explicit ranges.
  m.SetDouble(kXMin, 0);
  m.SetDouble(kXMax, 0.5);
  m.SetDouble(kYMin, 0);
  m.SetDouble(kYMax, 3000);
  EXPECT_LT(Get(m, kXTickSpacing), 0.5);
  EXPECT_GT(GetI(m, kXPrecision), 0);
  EXPECT_GE(Get(m, kYTickSpacing), 100);
  EXPECT_EQ(GetI(m, kYPrecision), 0);
  EXPECT_EQ(Get(m, kXMax), 0.5);
  EXPECT_EQ(GetI(m, kXRangeAuto), 0);

  // Set clears auto; precision follows an explicit step while it is automatic.
  ASSERT_TRUE(m.SetDouble(kXTickSpacing, 0.25));
  EXPECT_EQ(GetI(m, kXSpacingAuto), 0);
  EXPECT_EQ(Get(m, kXTickSpacing), 0.25);
  EXPECT_EQ(GetI(m, kXPrecision), 2);
  ASSERT_TRUE(m.SetInt(kXPrecision, 4));
  EXPECT_EQ(GetI(m, kXPrecisionAuto), 0);
  ASSERT_TRUE(m.SetInt(kMarginTop, 77));
  EXPECT_EQ(GetI(m, kMarginTopAuto), 0);

  // The ten flags bring everything back.
  for (int id :
       {kYSpacingAuto, kXSpacingAuto, kXRangeAuto, kYRangeAuto, kMarginTopAuto, kMarginBottomAuto,
        kMarginLeftAuto, kMarginRightAuto, kXPrecisionAuto, kYPrecisionAuto})
    ASSERT_TRUE(m.SetInt(id, 1));
  EXPECT_EQ(Get(m, kXTickSpacing), xs);
  EXPECT_EQ(Get(m, kYMax), l.y.max);
  EXPECT_EQ(GetI(m, kMarginTop), l.margins.top);
  EXPECT_EQ(GetI(m, kXPrecision), StepPrecision(xs));

  // The fit dialogs' four flags alone also restore ranges, spacing and precision.
  m.SetDouble(kXTickSpacing, 0.5);
  m.SetInt(kXPrecision, 3);
  m.SetDouble(kYMax, 9);
  for (int id : {kYSpacingAuto, kXSpacingAuto, kXRangeAuto, kYRangeAuto}) m.SetInt(id, 1);
  EXPECT_EQ(Get(m, kXTickSpacing), xs);
  EXPECT_EQ(GetI(m, kXPrecision), StepPrecision(xs));
  EXPECT_EQ(Get(m, kYMax), l.y.max);

  // A flag set to 0 keeps the value it had; new data no longer move it.
  m.SetInt(kYRangeAuto, 0);
  d->SetY(0, 1, 1000);
  EXPECT_EQ(Get(m, kYMax), l.y.max);
  m.SetInt(kYRangeAuto, 1);
  EXPECT_GE(Get(m, kYMax), 1000);
}

TEST(ChartModel, GridAndSecondRange) {
  FakeEnvironment env(400, 300);
  ChartModel m(&env);
  auto d = SampleData();
  m.SetData(kData, d.get());
  EXPECT_EQ(Get(m, kXGridSpacing), 0);  // no grid until asked
  m.SetInt(kXGridAuto, 1);
  m.SetInt(kYGridAuto, 1);
  EXPECT_EQ(Get(m, kXGridSpacing), Get(m, kXTickSpacing));
  EXPECT_EQ(Get(m, kYGridSpacing), Get(m, kYTickSpacing));
  m.SetDouble(kXGridSpacing, 5);
  EXPECT_EQ(GetI(m, kXGridAuto), 0);
  EXPECT_EQ(Get(m, kXGridSpacing), 5);
  m.SetInt(kYGridAuto, 0);
  EXPECT_EQ(Get(m, kYGridSpacing), 0);

  // y2 follows y until set; the sampler's order (min, then max) works.
  EXPECT_EQ(Get(m, kY2Max), Get(m, kYMax));
  m.SetDouble(kY2Min, 0);
  m.SetDouble(kY2Max, 50);
  EXPECT_EQ(Get(m, kY2Max), 50);
  EXPECT_EQ(Get(m, kY2Min), 0);
  m.SetInt(kYRangeAuto, 1);
  EXPECT_EQ(Get(m, kY2Max), Get(m, kYMax));
}

TEST(ChartModel, AutomaticMarginsIgnoreRangesAndLabels) {
  FakeEnvironment env(400, 300);
  ChartModel m(&env);
  auto d = SampleData();
  m.SetData(kData, d.get());
  const ChartLayout a = m.Layout();
  m.SetDouble(kYMax, 123456789.0);
  m.SetDouble(kXMin, -0.000123);
  m.SetInt(kXPrecision, 9);
  const ChartLayout b = m.Layout();
  EXPECT_EQ(a.plot.left, b.plot.left);
  EXPECT_EQ(a.plot.right, b.plot.right);
  EXPECT_EQ(a.plot.top, b.plot.top);
  EXPECT_EQ(a.plot.bottom, b.plot.bottom);
  // They follow the font.
  env.numbers = FixedTextMeasure(10, 20);
  EXPECT_GT(m.Layout().margins.left, a.margins.left);
  // A tiny window keeps half its size for the plot.
  env.width = 60;
  env.height = 40;
  const ChartLayout t = m.Layout();
  EXPECT_LE(t.margins.left + t.margins.right, 30);
  EXPECT_LE(t.margins.top + t.margins.bottom, 20);
}

// The cropping of the axis maxima: the plot shrinks by the freed pixels and keeps its scale.
TEST(ChartModel, CroppingKeepsTheScale) {
  for (int justify : {0, 2, 4}) {
    FakeEnvironment env(500, 400);
    ChartModel m(&env);
    auto d = SampleData();
    m.SetData(kData, d.get());
    m.SetDouble(kXMin, 0);
    m.SetDouble(kXMax, 100);
    m.SetDouble(kYMin, 0);
    m.SetDouble(kYMax, 300);
    const int bottom = GetI(m, kMarginBottom), left = GetI(m, kMarginLeft);
    const int right = GetI(m, kMarginRight), top = GetI(m, kMarginTop);
    const double sx = Get(m, kXTickSpacing), sy = Get(m, kYTickSpacing);
    const ChartMapResult p0 = m.Unmap(0, 0), p1 = m.Unmap(sx, sy);

    int dx = 0, dy = 0;
    double v = Get(m, kDataYMax), M = Get(m, kYMax);
    double c = std::trunc(v / sy + 0.9999999) * sy;
    ASSERT_LT(c, M);
    dy = m.Unmap(0, c).pixelY - m.Unmap(0, M).pixelY;
    m.SetDouble(kYMax, c);
    v = Get(m, kDataXMax);
    M = Get(m, kXMax);
    c = std::trunc(v / sx + 0.9999999) * sx;
    ASSERT_LT(c, M);
    dx = m.Unmap(M, 0).pixelX - m.Unmap(c, 0).pixelX;
    m.SetDouble(kXMax, c);
    const int shift = static_cast<int>(justify * 0.25 * dx);
    m.SetInt(kMarginLeft, left + shift);
    m.SetInt(kMarginRight, right - shift + dx);
    m.SetInt(kMarginTop, top + dy);
    m.SetInt(kMarginBottom, bottom);

    const ChartMapResult q0 = m.Unmap(0, 0), q1 = m.Unmap(sx, sy);
    ASSERT_TRUE(q0.valid && q1.valid);
    EXPECT_EQ(q0.pixelX, p0.pixelX + shift) << justify;
    EXPECT_EQ(q0.pixelY, p0.pixelY);
    EXPECT_NEAR(q1.pixelX - q0.pixelX, p1.pixelX - p0.pixelX, 1) << justify;
    EXPECT_NEAR(q1.pixelY - q0.pixelY, p1.pixelY - p0.pixelY, 1) << justify;
  }
}

TEST(ChartModel, TextAreasAndChangeSignals) {
  FakeEnvironment env(400, 300);
  ChartModel m(&env);
  const int before = env.changes;
  ChartTextArea* a = m.CreateTextArea();
  EXPECT_FALSE(a->Shown());  // no lines yet
  EXPECT_TRUE(a->SetInt(kAreaAttach, 1));
  EXPECT_TRUE(a->SetInt(kAreaBorder, 5));
  EXPECT_TRUE(a->SetColor(kBackground, ChartRgb(255, 251, 240)));
  EXPECT_TRUE(a->SetInt(kAreaAdjust, 4));
  EXPECT_TRUE(a->SetInt(kAreaShown, 1));
  EXPECT_TRUE(a->SetDouble(kAreaX, 3.5));
  EXPECT_FALSE(a->SetDouble(kAreaX, kNaN));
  EXPECT_FALSE(a->SetInt(kAreaX, 3));
  EXPECT_FALSE(a->SetDouble(kAreaAnchor, 3));
  const char* lines[] = {"sig3=1,sig1=2", "c=1,phi=30", nullptr};
  EXPECT_TRUE(a->SetLines(kAreaLines, lines));
  EXPECT_TRUE(a->Shown());
  EXPECT_EQ(a->Lines().size(), 2u);
  EXPECT_TRUE(a->SetLines(kAreaLines, nullptr));
  EXPECT_FALSE(a->Shown());
  EXPECT_GT(env.changes, before);

  ChartModel other(&env);
  EXPECT_FALSE(other.DestroyTextArea(a));
  EXPECT_TRUE(m.DestroyTextArea(a));
  EXPECT_FALSE(m.DestroyTextArea(a));
  m.CreateTextArea();  // freed with the chart
}

}  // namespace
}  // namespace qxchart

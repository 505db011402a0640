#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/core/ChartClip.h"
#include "chart/core/ChartFontDesc.h"
#include "chart/core/ChartScale.h"
#include "chart/core/ChartStyle.h"

namespace qxchart {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ChartScale, NiceStepsAndPrecisions) {
  struct Case {
    double minStep, nice;
    int precision;
  } cases[] = {{1, 1, 0},          {1.1, 2, 0},   {2.01, 5, 0},    {5, 5, 0},
               {7, 10, 0},         {0.3, 0.5, 1}, {0.12, 0.2, 1},  {0.011, 0.02, 2},
               {0.00012, 2e-4, 4}, {430, 500, 0}, {1.5e6, 2e6, 0}, {0.0999999, 0.1, 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(NiceStepAtLeast(c.minStep), c.nice) << c.minStep;
    EXPECT_EQ(StepPrecision(c.nice), c.precision) << c.nice;
  }
  EXPECT_EQ(StepPrecision(0.25), 2);
  EXPECT_EQ(StepPrecision(2.5e-7), 8);
  EXPECT_EQ(StepPrecision(1e-20), kMaxPrecision);
  EXPECT_EQ(StepPrecision(0), 0);
  EXPECT_EQ(NiceStepAtLeast(0), 1);
  EXPECT_EQ(NiceStepAtLeast(kNaN), 1);
}

TEST(ChartScale, TicksAndLabels) {
  EXPECT_EQ(TickValue(3, 0.1), 0.3);  // not 0.30000000000000004
  EXPECT_EQ(TickValue(7, 0.02), 0.14);
  EXPECT_EQ(TickValue(-4, 2.5), -10.0);

  TickIndices t = TicksInRange(-1, 39, 10, 100);
  EXPECT_EQ(t.first, 0);
  EXPECT_EQ(t.last, 3);
  // Ends that are multiples (up to rounding) count.
  t = TicksInRange(0.1 * 3, 0.9, 0.1, 100);
  EXPECT_EQ(t.first, 3);
  EXPECT_EQ(t.last, 9);
  EXPECT_EQ(TicksInRange(0, 1e9, 1, 1000).count, 0);  // too many
  EXPECT_EQ(TicksInRange(0, 1, 0, 1000).count, 0);

  EXPECT_EQ(FormatTickLabel(-0.0001, 2), "0.00");
  EXPECT_EQ(FormatTickLabel(-0.0, 0), "0");
  EXPECT_EQ(FormatTickLabel(1234.5, 1), "1234.5");
  EXPECT_EQ(FormatTickLabel(-12.5, 1), "-12.5");
  EXPECT_EQ(FormatTickLabel(0.3, 3), "0.300");
  EXPECT_EQ(FormatTickLabel(kNaN, 1), "");
}

TEST(ChartScale, ChooseTickStepUsesTheFitTest) {
  // 400 px for 0..100, labels need 60 px: at least 15 units per tick -> 20.
  double step = ChooseTickStep(0, 100, 400, 28, [](double s) { return s * 4 >= 60; });
  EXPECT_EQ(step, 20);
  // Nothing fits: one interval over the range.
  step = ChooseTickStep(0, 100, 400, 28, [](double) { return false; });
  EXPECT_GE(step, 100);
  // No pixels: about five intervals.
  EXPECT_EQ(ChooseTickStep(0, 100, 0, 28, nullptr), 20);
}

TEST(ChartScale, AutoRangesRoundOutward) {
  auto ten = [](double, double) { return 10.0; };
  AxisRange r;
  ASSERT_TRUE(AutoRange(0.3, 37, kNaN, kNaN, true, ten, &r));
  EXPECT_EQ(r.lo, 0);
  EXPECT_EQ(r.hi, 40);
  ASSERT_TRUE(AutoRange(5, 37, kNaN, kNaN, true, ten, &r));  // y starts at 0
  EXPECT_EQ(r.lo, 0);
  ASSERT_TRUE(AutoRange(12, 37, kNaN, kNaN, false, ten, &r));  // x does not
  EXPECT_EQ(r.lo, 10);
  ASSERT_TRUE(AutoRange(-3, 40, kNaN, kNaN, true, ten, &r));  // data below 0; 40 stays 40
  EXPECT_EQ(r.lo, -10);
  EXPECT_EQ(r.hi, 40);
  // One explicit end is kept; the other still rounds.
  ASSERT_TRUE(AutoRange(0, 37, -2.5, kNaN, true, ten, &r));
  EXPECT_EQ(r.lo, -2.5);
  EXPECT_EQ(r.hi, 40);
  // Data all below an explicit minimum still give a usable range.
  ASSERT_TRUE(AutoRange(1, 2, 5, kNaN, false, ten, &r));
  EXPECT_GT(r.hi, 5);
  // Equal data widen.
  ASSERT_TRUE(AutoRange(0, 0, kNaN, kNaN, true, ten, &r));
  EXPECT_EQ(r.lo, 0);
  EXPECT_GT(r.hi, 0);
  // No data, or an explicit range that is not one.
  EXPECT_FALSE(AutoRange(kNaN, kNaN, kNaN, kNaN, true, ten, &r));
  EXPECT_FALSE(AutoRange(0, 1, 5, 5, true, ten, &r));
  EXPECT_FALSE(AutoRange(0, 1, -1e308, 1e308, true, ten, &r));  // span overflows
  ASSERT_TRUE(AutoRange(kNaN, kNaN, 2, 3, true, ten, &r));      // explicit needs no data
}

TEST(ChartClip, SegmentsAndHugeCoordinates) {
  const RectD r{0, 0, 10, 10};
  PointD a{1, 1}, b{9, 9};
  bool ma = true, mb = true;
  ASSERT_TRUE(ClipSegment(&a, &b, r, &ma, &mb));
  EXPECT_FALSE(ma);
  EXPECT_FALSE(mb);
  EXPECT_EQ(b.x, 9);

  a = {-10, 5};
  b = {20, 5};
  ASSERT_TRUE(ClipSegment(&a, &b, r, &ma, &mb));
  EXPECT_TRUE(ma && mb);
  EXPECT_EQ(a.x, 0);
  EXPECT_EQ(b.x, 10);

  a = {-5, 20};
  b = {20, 15};
  EXPECT_FALSE(ClipSegment(&a, &b, r));

  // Extremes whose difference overflows a double still end up inside, finite.
  a = {-1e308, -1e308};
  b = {1.7e308, 1.7e308};
  ASSERT_TRUE(ClipSegment(&a, &b, r));
  for (double v : {a.x, a.y, b.x, b.y}) {
    EXPECT_GE(v, 0);
    EXPECT_LE(v, 10);
  }
  // Large but sane values clip accurately.
  a = {-1e12, 5 - 1e12};
  b = {1e12, 5 + 1e12};
  ASSERT_TRUE(ClipSegment(&a, &b, r));
  EXPECT_NEAR(a.x, 0, 1e-3);
  EXPECT_NEAR(a.y, 5, 1e-3);
  EXPECT_NEAR(b.x, 5, 1e-3);
  EXPECT_NEAR(b.y, 10, 1e-3);
}

TEST(ChartClip, PolylinesBreakAtHolesAndEdges) {
  const RectD r{0, 0, 10, 10};
  // In, in, hole, in, in, out, in.
  const double x[] = {1, 2, kNaN, 4, 5, 20, 6};
  const double y[] = {1, 2, 3, 4, 5, 5, 5};
  std::vector<PolyRun> runs;
  ClipPolyline(x, y, 7, r, &runs);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].size(), 2u);
  ASSERT_EQ(runs[1].size(), 3u);  // 4, 5, edge
  EXPECT_EQ(runs[1][2].x, 10);
  ASSERT_EQ(runs[2].size(), 2u);  // edge, 6
  EXPECT_EQ(runs[2][0].x, 10);
  EXPECT_EQ(runs[2][1].x, 6);

  // A lone point between holes draws no line.
  const double lx[] = {kNaN, 3, kNaN};
  const double ly[] = {1, 1, 1};
  runs.clear();
  ClipPolyline(lx, ly, 3, r, &runs);
  EXPECT_TRUE(runs.empty());
}

TEST(ChartClip, DashesFollowThePatternAcrossCorners) {
  const PolyRun run{{0, 0}, {10, 0}, {10, 10}};
  // Solid lines and no line have no dashes; every dashed pattern alternates on and off.
  EXPECT_EQ(DashFor(kLineSolid).count, 0);
  EXPECT_EQ(DashFor(kLineNone).count, 0);
  for (int p : {kLineLongDash, kLineDotted, kLineDashed, kLineDashDot}) {
    const DashPattern d = DashFor(p);
    EXPECT_TRUE(d.count >= 2 && d.count % 2 == 0) << p;
    for (int i = 0; i < d.count; ++i) EXPECT_GT(d.lengths[i], 0) << p;
  }
  std::vector<PolyRun> pieces;
  DashRun(run, DashFor(kLineSolid).lengths, DashFor(kLineSolid).count, 1.0, &pieces);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].size(), 3u);

  const DashPattern dashed = DashFor(kLineDashed);
  ASSERT_EQ(dashed.count, 2);
  const double* pattern = dashed.lengths;
  ASSERT_EQ(pattern[0], 6);
  ASSERT_EQ(pattern[1], 4);
  pieces.clear();
  DashRun(run, pattern, 2, 1.0, &pieces);
  // on 0-6, off 6-10, on 10,0 -> 10,6, off to 10,10.
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].front().x, 0);
  EXPECT_EQ(pieces[0].back().x, 6);
  ASSERT_EQ(pieces[1].size(), 2u);
  EXPECT_EQ(pieces[1][0].x, 10);
  EXPECT_EQ(pieces[1][0].y, 0);
  EXPECT_EQ(pieces[1][1].y, 6);

  // A dash that turns the corner keeps the corner point.
  pieces.clear();
  const double longOn[] = {15, 2};
  DashRun(run, longOn, 2, 1.0, &pieces);
  ASSERT_GE(pieces.size(), 1u);
  ASSERT_EQ(pieces[0].size(), 3u);
  EXPECT_EQ(pieces[0][2].y, 5);

  // Scaled pattern (unit 2): on 0-12 covers the corner.
  pieces.clear();
  DashRun(run, pattern, 2, 2.0, &pieces);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].back().y, 2);
}

TEST(ChartFontDesc, ParsesAndRejects) {
  FontDesc f;
  ASSERT_TRUE(ParseFontDesc("Arial,7", &f));
  EXPECT_EQ(f.face, "Arial");
  EXPECT_EQ(f.points, 7);
  EXPECT_FALSE(f.bold || f.italic);
  ASSERT_TRUE(ParseFontDesc("Times New Roman,12,Bold,Italic", &f));
  EXPECT_EQ(f.face, "Times New Roman");
  EXPECT_TRUE(f.bold && f.italic);
  ASSERT_TRUE(ParseFontDesc("Courier New,9,italic", &f));
  EXPECT_TRUE(f.italic && !f.bold);

  const FontDesc before = f;
  for (const char* bad :
       {"", ",8", "Arial", "Arial,", "Arial,0", "Arial,501", "Arial,8x", "Arial,-3",
        "Arial,8,Heavy", "An extremely long face name that never ends,8"})
    EXPECT_FALSE(ParseFontDesc(bad, &f)) << bad;
  EXPECT_FALSE(ParseFontDesc(nullptr, &f));
  EXPECT_TRUE(f == before);

  EXPECT_EQ(FontPixelHeight(9), 12);
  EXPECT_EQ(FontPixelHeight(7), 9);
}

}  // namespace
}  // namespace qxchart

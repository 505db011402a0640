// The GSI chart sheets: the hit test over the whole of both pictures, tooltips, the typed
// value and the dialog's placement.
#include <gtest/gtest.h>

#include <climits>

#include "picktables/GsiChartSheet.h"

namespace {

const CGsiChartSheet& General() { return GsiChartSheet(GSI_SHEET_GENERAL); }
const CGsiChartSheet& Flysch() { return GsiChartSheet(GSI_SHEET_FLYSCH); }

bool Excluded(const CGsiChartSheet& s, int x, int y) {
  for (const GsiRect& r : s.excluded)
    if (r.Contains(x, y)) return true;
  return false;
}

TEST(GsiChartSheet, SheetsAsTheChartsDrawThem) {
  EXPECT_STREQ(General().name, "General");
  EXPECT_EQ(General().width, 542);
  EXPECT_EQ(General().height, 530);
  EXPECT_EQ(General().ContourCount(), 19);
  EXPECT_EQ(General().ContourValue(0), 95);
  EXPECT_EQ(General().ContourValue(18), 5);
  EXPECT_STREQ(Flysch().name, "Flysch");
  EXPECT_EQ(Flysch().width, 756);
  EXPECT_EQ(Flysch().height, 437);
  EXPECT_EQ(Flysch().ContourCount(), 14);
  EXPECT_EQ(Flysch().ContourValue(0), 70);
  EXPECT_EQ(Flysch().ContourValue(13), 5);
  EXPECT_EQ(&GsiChartSheet(7), &General());  // an unknown index falls back to the first sheet
}

TEST(GsiChartSheet, APointOnAContourGivesItsValue) {
  for (int sheet = 0; sheet < GSI_SHEET_COUNT; ++sheet) {
    const CGsiChartSheet& s = GsiChartSheet(sheet);
    int tested = 0;
    for (int i = 0; i < s.ContourCount(); ++i) {
      const GsiSegment& c = s.contours[i];
      const int x = (c.x1 + c.x2) / 2;
      double yc = 0;
      ASSERT_TRUE(s.ContourY(i, x, &yc));
      const int y = static_cast<int>(yc);
      if (!s.plot.Contains(x, y) || Excluded(s, x, y)) continue;
      EXPECT_EQ(s.HitTest(x, y), s.ContourValue(i)) << s.name << " contour " << i;
      ++tested;
    }
    EXPECT_GE(tested, s.ContourCount() - 2) << s.name;
  }
}

TEST(GsiChartSheet, CornersEdgesAndExcludedAreas) {
  EXPECT_EQ(General().HitTest(273, 87), 100);  // top-left corner of the plot
  EXPECT_EQ(Flysch().HitTest(477, 64), 75);
  EXPECT_EQ(General().HitTest(539, 527), 0);  // bottom-right corner: 0, which a click ignores
  EXPECT_EQ(Flysch().HitTest(753, 419), 0);
  // Right and bottom edges lie outside the plot, as does everything left of it.
  EXPECT_EQ(General().HitTest(540, 300), -1);
  EXPECT_EQ(General().HitTest(400, 528), -1);
  EXPECT_EQ(General().HitTest(272, 300), -1);
  EXPECT_EQ(Flysch().HitTest(754, 200), -1);
  EXPECT_EQ(Flysch().HitTest(600, 420), -1);
  // Excluded areas give nothing even where contours pass through them.
  EXPECT_EQ(General().HitTest(300, 500), -1);
  EXPECT_EQ(General().HitTest(500, 100), -1);
  EXPECT_EQ(Flysch().HitTest(520, 380), -1);
  EXPECT_EQ(Flysch().HitTest(589, 331), -1);
  EXPECT_GT(Flysch().HitTest(590, 331), 0);  // the excluded area's right edge is outside it
}

// Every pixel of both pictures: values only inside the plot and outside the excluded areas,
// between 0 and the top-left corner's value, never rising to the right or downwards, and
// between the values of the contours on either side.
TEST(GsiChartSheet, WholeChartSweep) {
  for (int sheet = 0; sheet < GSI_SHEET_COUNT; ++sheet) {
    const CGsiChartSheet& s = GsiChartSheet(sheet);
    const int top = s.ContourValue(0) + s.step;
    std::vector<int> values(s.width * s.height);
    for (int y = 0; y < s.height; ++y)
      for (int x = 0; x < s.width; ++x) values[y * s.width + x] = s.HitTest(x, y);
    int defined = 0;
    for (int y = 0; y < s.height; ++y) {
      for (int x = 0; x < s.width; ++x) {
        const int v = values[y * s.width + x];
        const bool inside = s.plot.Contains(x, y) && !Excluded(s, x, y);
        ASSERT_EQ(v >= 0, inside) << s.name << " at " << x << "," << y;
        if (!inside) continue;
        ++defined;
        ASSERT_LE(v, top) << s.name << " at " << x << "," << y;
        if (x + 1 < s.width && values[y * s.width + x + 1] >= 0) {
          ASSERT_LE(values[y * s.width + x + 1], v) << s.name << " right of " << x << "," << y;
        }
        if (y + 1 < s.height && values[(y + 1) * s.width + x] >= 0) {
          ASSERT_LE(values[(y + 1) * s.width + x], v) << s.name << " below " << x << "," << y;
        }
        // Between its neighbouring contours.
        int above = -1, below = -1;
        double yAbove = -1e300, yBelow = 1e300;
        for (int i = 0; i < s.ContourCount(); ++i) {
          double yc = 0;
          s.ContourY(i, x, &yc);
          if (yc < y && yc > yAbove) {
            yAbove = yc;
            above = i;
          }
          if (yc > y && yc < yBelow) {
            yBelow = yc;
            below = i;
          }
        }
        const int high = above >= 0 ? s.ContourValue(above) : top;
        const int low = below >= 0 ? s.ContourValue(below) : 0;
        ASSERT_LE(v, high) << s.name << " at " << x << "," << y;
        ASSERT_GE(v, low) << s.name << " at " << x << "," << y;
      }
    }
    EXPECT_GT(defined, s.plot.Width() * s.plot.Height() / 2) << s.name;
  }
}

TEST(GsiChartSheet, DegenerateSheetsGiveNoValue) {
  CGsiChartSheet s = General();
  s.contours.clear();
  EXPECT_EQ(s.HitTest(300, 200), -1);
  // A vertical contour cannot be evaluated; it is passed over rather than divided by.
  s.contours = {{300, 90, 300, 500}};
  EXPECT_EQ(s.HitTest(400, 200), -1);
  s.contours = {{300, 90, 300, 500}, {273, 300, 539, 300}};
  EXPECT_EQ(s.HitTest(400, 300), 5);
  // Above the only usable contour: between it and the top-left corner's value.
  int v = s.HitTest(400, 200);
  EXPECT_GT(v, 5);
  EXPECT_LE(v, 15);
}

TEST(GsiChartSheet, TipText) {
  EXPECT_EQ(General().TipText(273, 87), "100");
  EXPECT_EQ(General().TipText(300, 40), "Very rough, fresh unweathered surfaces");
  EXPECT_EQ(General().TipText(450, 40),
            "Slickensided, highly weathered surfaces with compact\n"
            "coatings or fillings or angular fragments");
  EXPECT_EQ(Flysch().TipText(720, 30),
            "Very smooth slickensided or highly weathered surfaces\n"
            "with soft clay coatings or fillings");
  EXPECT_EQ(General().TipText(328, 40), "");  // between two headings
  EXPECT_EQ(General().TipText(539, 527), "");  // a value of 0 is not shown
  EXPECT_EQ(General().TipText(300, 500), "");  // excluded
  CGsiChartSheet s = General();
  s.columns = {{{0, 0, 100, 100}, "first"}, {{50, 50, 150, 150}, "second"}};
  EXPECT_EQ(s.TipText(60, 60), "second");  // the last column holding the point
  EXPECT_EQ(s.TipText(10, 10), "first");
}

TEST(GsiChartSheet, LeadingInteger) {
  EXPECT_EQ(LeadingInteger("55"), 55);
  EXPECT_EQ(LeadingInteger("55.7"), 55);
  EXPECT_EQ(LeadingInteger("  -3x"), -3);
  EXPECT_EQ(LeadingInteger("+12"), 12);
  EXPECT_EQ(LeadingInteger("abc"), 0);
  EXPECT_EQ(LeadingInteger(""), 0);
  EXPECT_EQ(LeadingInteger(nullptr), 0);
  EXPECT_EQ(LeadingInteger("99999999999"), INT_MAX);
  EXPECT_EQ(LeadingInteger("-99999999999999999999999"), INT_MIN);
}

TEST(GsiChartSheet, DialogLayoutCentresOnTheAnchorAndStaysInTheWorkArea) {
  const GsiRect work{0, 0, 1280, 1000};
  // The chart grows from 100 x 50 to the picture; the dialog by the same amounts, then it is
  // centred on the anchor with truncated halves.
  GsiDialogLayout l = LayoutToChart(work, {100, 100, 901, 700}, {10, 20, 130, 100},
                                    {13, 40, 113, 90}, 545, 533);
  EXPECT_EQ(l.chart.right - l.chart.left, 545);
  EXPECT_EQ(l.chart.bottom - l.chart.top, 533);
  EXPECT_EQ(l.chart.left, 13);
  EXPECT_EQ(l.dialog.right - l.dialog.left, 120 + 445);
  EXPECT_EQ(l.dialog.bottom - l.dialog.top, 80 + 483);
  EXPECT_EQ(l.dialog.left, 100 + (801 - 565) / 2);
  EXPECT_EQ(l.dialog.top, 100 + (600 - 563) / 2);
  // Off the left and top edges it is pushed in; too big, the right and bottom edges win.
  l = LayoutToChart(work, {-500, -500, 0, 0}, {0, 0, 200, 100}, {0, 0, 200, 100}, 200, 100);
  EXPECT_EQ(l.dialog.left, 0);
  EXPECT_EQ(l.dialog.top, 0);
  l = LayoutToChart(work, {1200, 900, 1400, 1100}, {0, 0, 200, 100}, {0, 0, 200, 100}, 200, 100);
  EXPECT_EQ(l.dialog.right, 1280);
  EXPECT_EQ(l.dialog.bottom, 1000);
  l = LayoutToChart({0, 0, 300, 200}, {0, 0, 300, 200}, {0, 0, 400, 300}, {0, 0, 400, 300}, 400,
                    300);
  EXPECT_EQ(l.dialog.left, -100);  // wider than the work area: its right edge is kept inside
  EXPECT_EQ(l.dialog.top, -100);
}

}  // namespace

#include <gtest/gtest.h>

#include <limits>

#include "chart/core/ChartScene.h"
#include "tests/chart/chart_testdata.h"
#include "tests/chart/core_fakeenv.h"

namespace qxchart {
namespace {

using namespace prop;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

int CountRules(const Scene& s, ChartColor color) {
  int n = 0;
  for (const SceneItem& it : s.items) n += it.kind == SceneKind::Rule && it.color == color;
  return n;
}

TEST(ChartScene, OrderGridFrameHolesAndSecondRange) {
  FakeEnvironment env(400, 300);
  ChartModel m(&env);
  m.SetInt(kMarginBottom, 50);
  m.SetInt(kMarginLeft, 100);
  m.SetInt(kMarginRight, 50);
  m.SetInt(kMarginTop, 50);
  m.SetDouble(kXMin, 0);
  m.SetDouble(kXMax, 10);
  m.SetDouble(kYMin, 0);
  m.SetDouble(kYMax, 10);
  m.SetDouble(kXTickSpacing, 2);
  m.SetDouble(kYTickSpacing, 5);
  m.SetInt(kFrame, 0);
  auto d = OneSet({0, 4, kNaN, 6, 1e300}, {0, 4, kNaN, 6, 5});
  auto d2 = OneSet({5, 5}, {0, 50});
  m.SetData(kData, d.get());
  m.SetData(kData2, d2.get());
  m.SetDouble(kY2Min, 0);
  m.SetDouble(kY2Max, 50);

  Scene s;
  BuildScene(m, m.Layout(), &s);
  ASSERT_FALSE(s.items.empty());
  EXPECT_EQ(s.items.front().kind, SceneKind::FillRect);  // background first
  EXPECT_EQ(CountRules(s, kGridColor), 0);               // no grid asked for

  std::vector<const SceneItem*> lines;
  for (const SceneItem& it : s.items) {
    if (it.kind == SceneKind::Polyline) lines.push_back(&it);
  }
  // Data 1: (0,0)-(4,4), then (6,6) to the far point clipped at the right edge; data 2 last.
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0]->points.size(), 2u);
  EXPECT_EQ(lines[1]->points.front().x, 250);
  EXPECT_EQ(lines[1]->points.back().x, 350);  // plot's right edge, not 1e300
  EXPECT_GT(lines[1]->points.back().y, 50);
  EXPECT_LT(lines[1]->points.back().y, 250);
  // Data 2 is plotted against the y2 range: 50 lands on the top of the plot.
  EXPECT_EQ(lines[2]->points.back().y, 50);

  // Ticks every 2 on x (6 labels) and every 5 on y (3 labels), labels with their precision.
  int labels = 0;
  for (const SceneItem& it : s.items)
    labels += it.kind == SceneKind::Text && it.font == SceneFont::Numbers;
  EXPECT_EQ(labels, 9);

  // Grid and frame when asked for; the frame draws the top edge.
  m.SetInt(kXGridAuto, 1);
  m.SetInt(kFrame, 1);
  BuildScene(m, m.Layout(), &s);
  EXPECT_EQ(CountRules(s, kGridColor), 6);
  int top = 0;
  for (const SceneItem& it : s.items)
    top += it.kind == SceneKind::Rule && it.a.y == 50 && it.b.y == 50 && it.b.x == 350;
  EXPECT_EQ(top, 1);

  // Without a layout only the background is drawn.
  env.width = 0;
  BuildScene(m, m.Layout(), &s);
  EXPECT_EQ(s.items.size(), 1u);
}

}  // namespace
}  // namespace qxchart

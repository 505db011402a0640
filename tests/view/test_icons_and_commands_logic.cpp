// The data-type icons' placement and dragging, and the view commands' state and update rules.
#include <gtest/gtest.h>

#include "tests/view/view_test_support.h"
#include "view/IconPlacement.h"
#include "view/PlotViewState.h"

namespace {

using viewtest::Models;

TEST(IconPlacement, AnchorAndStrictHitTest) {
  IconPlacement icons;
  icons.Place(1, 500, 300, 400, 0);  // shear chart at x 400 of the view
  EXPECT_EQ(icons.TopLeft(1), (IconPoint{852, 242}));
  EXPECT_FALSE(icons.Press(IconPoint{852, 250}));  // the left border
  EXPECT_FALSE(icons.Press(IconPoint{900, 260}));  // the right border
  EXPECT_FALSE(icons.Press(IconPoint{860, 290}));  // the bottom border
  EXPECT_FALSE(icons.Press(IconPoint{100, 100}));  // the principal icon was never drawn
  ASSERT_TRUE(icons.Press(IconPoint{853, 243}));
  EXPECT_EQ(icons.Dragged(), 2);

  // Dragging moves the drawing; the release keeps the displacement.
  icons.DragTo(IconPoint{863, 223});
  EXPECT_EQ(icons.DrawAt(1), (IconPoint{862, 222}));
  EXPECT_EQ(icons.TopLeft(1), (IconPoint{852, 242}));
  icons.Release();
  EXPECT_EQ(icons.Dragged(), 0);
  EXPECT_EQ(icons.TopLeft(1), (IconPoint{862, 222}));
  // A later placement keeps the user's offset.
  icons.Place(1, 510, 300, 400, 0);
  EXPECT_EQ(icons.TopLeft(1), (IconPoint{872, 222}));
}

TEST(IconPlacement, HoverStaysOnTheBorderAndNeedsADrawnIcon) {
  IconPlacement icons;
  icons.Place(0, 148, 158, 0, 0);  // top-left (100, 100)
  EXPECT_FALSE(icons.Hover(IconPoint{100, 120}));  // on the border: not yet
  EXPECT_TRUE(icons.Hover(IconPoint{101, 120}));
  EXPECT_TRUE(icons.Hover(IconPoint{100, 120}));   // on the border: still
  EXPECT_TRUE(icons.Hover(IconPoint{148, 148}));
  EXPECT_FALSE(icons.Hover(IconPoint{149, 120}));  // outside
  // An icon the last painting did not draw ignores the mouse.
  icons.Hover(IconPoint{120, 120});
  icons.Hide(0);
  EXPECT_FALSE(icons.Hovering());
  EXPECT_FALSE(icons.Hover(IconPoint{120, 120}));
  EXPECT_FALSE(icons.Press(IconPoint{120, 120}));
}

TEST(ViewCommands, ZoomAndLock) {
  PlotViewState s;
  s.ZoomIn();
  s.ZoomIn();
  EXPECT_DOUBLE_EQ(s.zoomFactor, 0.9025);
  s.ZoomOut();
  EXPECT_DOUBLE_EQ(s.zoomFactor, 0.9025 * 1.05);
  s.ResetZoom(false);
  EXPECT_EQ(s.zoomFactor, 1.0);
  EXPECT_FALSE(s.surfaceMode);
  s.ZoomIn();
  s.ResetZoom(true);
  EXPECT_EQ(s.zoomFactor, 1.0);
  EXPECT_TRUE(s.surfaceMode);

  // Each toggle copies the live extents, so unlocking refreshes the copies.
  s.principalExtents.xMax = 10;
  s.shearExtents.yMax = 5;
  s.ToggleLock();
  EXPECT_TRUE(s.axesLocked);
  EXPECT_FALSE(s.ZoomEnabled());
  EXPECT_EQ(s.lockedPrincipalExtents.xMax, 10);
  EXPECT_EQ(s.lockedShearExtents.yMax, 5);
  s.principalExtents.xMax = 20;
  s.ToggleLock();
  EXPECT_FALSE(s.axesLocked);
  EXPECT_TRUE(s.ZoomEnabled());
  EXPECT_EQ(s.lockedPrincipalExtents.xMax, 20);
}

TEST(ViewCommands, PlotChoicesAndUpdateRules) {
  PlotViewState s;
  EXPECT_TRUE(s.BothShown());
  s.ShowPlots(false, true);
  EXPECT_TRUE(s.OnlyShearShown());
  EXPECT_FALSE(s.BothShown());
  s.ShowPlots(true, false);
  EXPECT_TRUE(s.OnlyPrincipalShown());

  EXPECT_TRUE(MohrCoulombOverlayEnabled(CRITERION_HOEK_BROWN));
  EXPECT_FALSE(MohrCoulombOverlayEnabled(CRITERION_MOHR_COULOMB));
  EXPECT_TRUE(MohrCoulombOverlayEnabled(CRITERION_BARTON_BANDIS));
  EXPECT_TRUE(MohrCoulombOverlayEnabled(CRITERION_POWER_CURVE));

  Models m;
  EXPECT_FALSE(PlotTestDataEnabled(m.Doc(CRITERION_HOEK_BROWN)));
  const double x[] = {1}, y[] = {10};
  m.hoekBrown.SetRockMassData(1, x, y);
  EXPECT_TRUE(PlotTestDataEnabled(m.Doc(CRITERION_HOEK_BROWN)));
  m.powerCurve.SetRockMassData(1, x, y);  // rock-mass data count for Hoek-Brown only
  EXPECT_FALSE(PlotTestDataEnabled(m.Doc(CRITERION_POWER_CURVE)));
  m.powerCurve.SetLabData(1, x, y);
  EXPECT_TRUE(PlotTestDataEnabled(m.Doc(CRITERION_POWER_CURVE)));
}

}  // namespace

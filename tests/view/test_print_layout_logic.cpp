// The page layout of printing: the point override, the printable area in pixels and dots and
// the viewport origin.
#include <gtest/gtest.h>

#include "view/PrintLayout.h"

namespace {

PrintPage Letter() {
  PrintPage p;
  p.paperWidth = 8.5;
  p.paperHeight = 11.0;
  p.left = 1.0;
  p.top = 0.5;
  p.right = 0.5;
  p.bottom = 0.5;
  p.minLeftRight = 0.25;
  p.minTopBottom = 0.2;
  return p;
}

TEST(PrintLayoutTest, SharperPrintersSampleTheEnvelopesMoreFinely) {
  PrintLayout l = ComputePrintLayout(Letter(), 600, 600, 96, 96, 100);
  EXPECT_EQ(l.pointCountOverride, 625);  // trunc(100 x 6.25)
  // The larger of the two ratios counts.
  EXPECT_EQ(ComputePrintLayout(Letter(), 300, 600, 96, 120, 100).pointCountOverride, 500);
  // A printer no sharper than the screen keeps the screen's count.
  EXPECT_EQ(ComputePrintLayout(Letter(), 96, 96, 96, 96, 100).pointCountOverride, -1);
  EXPECT_EQ(ComputePrintLayout(Letter(), 72, 72, 96, 96, 100).pointCountOverride, -1);
}

TEST(PrintLayoutTest, PrintableAreaInPixelsAndDotsAndTheViewportOrigin) {
  PrintLayout l = ComputePrintLayout(Letter(), 600, 600, 96, 96, 100);
  ASSERT_TRUE(l.valid);
  EXPECT_EQ(l.screenWidth, 672);    // 7 in x 96
  EXPECT_EQ(l.screenHeight, 960);   // 10 in x 96
  EXPECT_EQ(l.printerWidth, 4200);  // 7 in x 600
  EXPECT_EQ(l.printerHeight, 6000);
  EXPECT_EQ(l.viewportX, 450);  // (1 - 0.25) x 600
  EXPECT_EQ(l.viewportY, 180);  // (0.5 - 0.2) x 600
  // Truncated, not rounded.
  PrintPage odd = Letter();
  odd.right = 0.51;
  EXPECT_EQ(ComputePrintLayout(odd, 300, 300, 96, 96, 100).screenWidth, 671);
}

TEST(PrintLayoutTest, EmptyPagesAndResolutionsPrintNothing) {
  PrintPage crowded = Letter();
  crowded.left = 5;
  crowded.right = 4;
  EXPECT_FALSE(ComputePrintLayout(crowded, 600, 600, 96, 96, 100).valid);
  EXPECT_FALSE(ComputePrintLayout(Letter(), 0, 600, 96, 96, 100).valid);
  EXPECT_FALSE(ComputePrintLayout(Letter(), 600, 600, 96, -1, 100).valid);
  PrintPage huge = Letter();
  huge.paperWidth = 1e300;
  EXPECT_FALSE(ComputePrintLayout(huge, 600, 600, 96, 96, 100).valid);
}

}  // namespace

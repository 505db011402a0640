// The view's pictures and its results text, painted into memory contexts.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "tests/chart/gdi_canvas.h"
#include "tests/support/Screenshot.h"
#include "tests/view/view_test_support.h"
#include "view/MarkerImages.h"
#include "view/ResultsTextPainter.h"

namespace {

using qxchart::Canvas;
using viewtest::Models;

const COLORREF kBackground = RGB(0x55, 0x66, 0x77);

TEST(MarkerImages, BlueTurnsBlackAndNothingElse) {
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
  HDC screen = ::GetDC(NULL);
  CBitmap bitmap;
  bitmap.Attach(::CreateCompatibleBitmap(screen, 6, 2));
  ::ReleaseDC(NULL, screen);
  CBitmap* old = dc.SelectObject(&bitmap);
  const COLORREF colours[6] = {RGB(0, 0, 255),   RGB(255, 0, 255), RGB(0, 0, 254),
                               RGB(10, 10, 255), RGB(255, 255, 255), RGB(0, 0, 255)};
  for (int x = 0; x < 6; ++x)
    for (int y = 0; y < 2; ++y) dc.SetPixel(x, y, colours[x]);
  dc.SelectObject(old);
  MakeBlackIconBitmap(&bitmap);
  old = dc.SelectObject(&bitmap);
  EXPECT_EQ(dc.GetPixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(dc.GetPixel(5, 1), RGB(0, 0, 0));
  EXPECT_EQ(dc.GetPixel(1, 0), RGB(255, 0, 255));
  EXPECT_EQ(dc.GetPixel(2, 0), RGB(0, 0, 254));
  EXPECT_EQ(dc.GetPixel(3, 1), RGB(10, 10, 255));
  EXPECT_EQ(dc.GetPixel(4, 0), RGB(255, 255, 255));
  dc.SelectObject(old);
}

// A pixel of the triaxial picture's top arrow (pure blue) and one of its magenta corner.
const POINT kArrow = {24, 2};
const POINT kCorner = {1, 1};

TEST(MarkerImages, FourImagesDrawnTransparentInColourAndGray) {
  CImageList images;
  ASSERT_TRUE(CreateMarkerImages(&images));
  EXPECT_EQ(images.GetImageCount(), 4);
  int cx = 0, cy = 0;
  images.GetIconSize(&cx, &cy);
  EXPECT_EQ(cx, 48);
  EXPECT_EQ(cy, 48);
  for (int image : {0, 2}) {
    Canvas c(60, 60, RGB(255, 255, 255));
    ASSERT_TRUE(ImageList_Draw(images, image, c.Dc(), 5, 5, ILD_TRANSPARENT));
    EXPECT_EQ(c.Pixel(5 + kCorner.x, 5 + kCorner.y), RGB(255, 255, 255)) << image;
    EXPECT_EQ(c.Pixel(5 + kArrow.x, 5 + kArrow.y), image == 0 ? RGB(0, 0, 255) : RGB(0, 0, 0))
        << image;
    EXPECT_EQ(c.Count(0, 0, 60, 60, RGB(255, 0, 255)), 0) << image;  // no magenta shows
  }
  // The direct-shear pictures: blue in colour, none in gray.
  Canvas colour(48, 48, RGB(255, 255, 255)), gray(48, 48, RGB(255, 255, 255));
  ImageList_Draw(images, 1, colour.Dc(), 0, 0, ILD_TRANSPARENT);
  ImageList_Draw(images, 3, gray.Dc(), 0, 0, ILD_TRANSPARENT);
  EXPECT_GT(colour.Count(0, 0, 48, 48, RGB(0, 0, 255)), 40);
  EXPECT_EQ(gray.Count(0, 0, 48, 48, RGB(0, 0, 255)), 0);
}

class ResultsPainting : public ::testing::Test {
 protected:
  void SetUp() override {
    LOGFONTA lf = {};
    lf.lfHeight = -13;
    lstrcpyA(lf.lfFaceName, "Arial");
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    in.doc = models.Doc(CRITERION_HOEK_BROWN);
    in.title = "Analysis of Rock/Soil Strength using Quarvex";
    in.client.right = 1000;
    in.client.bottom = 600;
    in.font = font;
  }
  ResultsLayout Paint(Canvas* c) {
    CDC* dc = CDC::FromHandle(c->Dc());
    return PaintResultsText(dc, in);
  }
  Models models;
  CFont font;
  ResultsPaintInput in;
};

TEST_F(ResultsPainting, PanelAndTitleWhereTheLayoutPutsThem) {
  Canvas c(1000, 600, kBackground);
  const ResultsLayout l = Paint(&c);
  ASSERT_TRUE(l.drawTitle);
  ASSERT_TRUE(l.drawPanel);
  const PlotRect& p = l.panel;
  EXPECT_EQ(p.top % 3, 0);  // 3 line heights down
  const int h = p.top / 3;
  EXPECT_GT(h, 8);
  EXPECT_EQ(p.bottom, 16 * h);  // twelve lines fit in the 13 line heights
  EXPECT_GT(p.left, 400);       // centred right of the principal plot
  EXPECT_EQ(c.Pixel(p.left, p.top), RGB(255, 255, 255));
  EXPECT_EQ(c.Pixel(p.right - 1, p.bottom - 1), RGB(255, 255, 255));
  EXPECT_EQ(c.Pixel(p.left - 1, p.top), kBackground);
  EXPECT_EQ(c.Pixel(p.left, p.top - 1), kBackground);
  // Black text inside the first line, and in the title's row, none above it.
  const PlotRect& first = l.lineRects[0];
  EXPECT_GT(c.Count(first.left, first.top, first.right, first.bottom, RGB(0, 0, 0)), 20);
  EXPECT_GT(c.Count(0, l.title.top, 1000, l.title.bottom, RGB(0, 0, 0)), 20);
  EXPECT_EQ(c.Count(0, 0, 1000, l.title.top - 2, RGB(0, 0, 0)), 0);
  // The title is centred.
  EXPECT_NEAR(l.title.left + (1000 - 2 * l.title.left) / 2, 500, 1);
}

TEST_F(ResultsPainting, TheDataBlockStoresTheBestFitFlag) {
  viewtest::LabOnEnvelope(&models.hoekBrown, {0, 2, 5, 8});
  models.hoekBrown.SetResiduals(0.5);
  models.hoekBrown.SetBestFitResiduals(0.5);
  models.hoekBrown.SetBestFitFlag(FALSE);
  Canvas c(1000, 600, kBackground);
  ResultsLayout l = Paint(&c);
  qxtest::SaveBitmap(c.Bitmap(), qxtest::ScreenshotFolder() + "view-results-text.bmp");
  EXPECT_TRUE(models.hoekBrown.IsBestFit());
  ASSERT_EQ(l.lineRects.size(), 16u);
  // The panel grew past 16 line heights to hold the data block, and is white to its end.
  EXPECT_EQ(l.panel.bottom, l.lineRects.back().bottom);
  EXPECT_GT(l.panel.bottom, 16 * (l.panel.top / 3));
  EXPECT_EQ(c.Pixel(l.panel.left + 2, l.panel.bottom - 1), RGB(255, 255, 255));
  models.hoekBrown.SetResiduals(0.7);  // an edit after the fit
  Paint(&c);
  EXPECT_FALSE(models.hoekBrown.IsBestFit());
}

TEST_F(ResultsPainting, ShearOnlyAndNothingAtAll) {
  in.shearOnly = true;
  in.shearOriginX = 70;
  Canvas c(1000, 600, kBackground);
  EXPECT_EQ(Paint(&c).panel.left, 90);

  in.projectData = false;
  in.title = "";
  Canvas untouched(1000, 600, kBackground);
  const ResultsLayout l = Paint(&untouched);
  EXPECT_FALSE(l.drawTitle || l.drawPanel);
  EXPECT_EQ(untouched.Count(0, 0, 1000, 600, kBackground), 1000 * 600);
}

}  // namespace

// GDI wrappers on memory device contexts (no display needed).
#include <gtest/gtest.h>

#include "framework/win/AfxWin.h"

namespace {

TEST(GdiTest, DrawingOnAMemoryDc) {
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
  CBitmap bmp;
  ASSERT_TRUE(bmp.CreateBitmap(20, 20, 1, 32, NULL));
  CBitmap* old = dc.SelectObject(&bmp);
  dc.FillSolidRect(CRect(0, 0, 20, 20), RGB(255, 255, 255));
  dc.FillSolidRect(2, 2, 4, 4, RGB(255, 0, 0));
  EXPECT_EQ(dc.GetPixel(2, 2), RGB(255, 0, 0));
  EXPECT_EQ(dc.GetPixel(5, 5), RGB(255, 0, 0));
  EXPECT_EQ(dc.GetPixel(6, 6), RGB(255, 255, 255));
  // Draw3dRect: top and left in the first colour, bottom and right in the second.
  dc.Draw3dRect(CRect(10, 10, 18, 18), RGB(0, 0, 255), RGB(0, 255, 0));
  EXPECT_EQ(dc.GetPixel(10, 10), RGB(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(16, 10), RGB(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(17, 10), RGB(0, 255, 0));
  EXPECT_EQ(dc.GetPixel(10, 17), RGB(0, 255, 0));
  EXPECT_EQ(dc.GetPixel(12, 12), RGB(255, 255, 255));
  // The SelectObject result is a temporary wrapper of the previous bitmap.
  ASSERT_TRUE(old != nullptr);
  dc.SelectObject(old);
  BITMAP info;
  EXPECT_EQ(bmp.GetBitmap(&info), (int)sizeof(BITMAP));
  EXPECT_EQ(info.bmWidth, 20);
}

TEST(GdiTest, TemporaryWrappersOwnNothingAndAreFreedAtIdle) {
  AfxDeleteTempMaps();
  HFONT stock = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
  CFont* a = CFont::FromHandle(stock);
  EXPECT_EQ(CFont::FromHandle(stock), a);
  EXPECT_EQ((HFONT)a->m_hObject, stock);
  HDC screen = CreateCompatibleDC(NULL);
  CDC* tempDc = CDC::FromHandle(screen);
  EXPECT_EQ(CDC::FromHandle(screen), tempDc);
  AfxDeleteTempMaps();
  // The handles outlive their wrappers.
  LOGFONTA lf;
  EXPECT_EQ(GetObjectA(stock, sizeof(lf), &lf), (int)sizeof(lf));
  EXPECT_NE(GetDeviceCaps(screen, BITSPIXEL), 0);
  DeleteDC(screen);

  CFont owned;
  ASSERT_TRUE(owned.CreatePointFont(90, "Arial"));
  LOGFONTA got;
  EXPECT_TRUE(owned.GetLogFont(&got));
  HGDIOBJ handle = owned.m_hObject;
  owned.DeleteObject();
  EXPECT_EQ(GetObjectType(handle), 0u);  // the owner deleted it
}

TEST(GdiTest, RectanglesAndPoints) {
  CRect r(10, 20, 30, 60);
  EXPECT_EQ(r.Width(), 20);
  EXPECT_EQ(r.Height(), 40);
  EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
  EXPECT_FALSE(r.PtInRect(CPoint(30, 20)));  // the right edge is outside
  EXPECT_FALSE(r.PtInRect(CPoint(10, 60)));  // and so is the bottom
  r.DeflateRect(1, 2);
  EXPECT_EQ(r, CRect(11, 22, 29, 58));
  r.OffsetRect(CPoint(-11, -22));
  EXPECT_EQ(r.TopLeft(), CPoint(0, 0));
  CRect inverted(5, 5, 1, 1);
  EXPECT_TRUE(inverted.IsRectEmpty());
  inverted.NormalizeRect();
  EXPECT_EQ(inverted, CRect(1, 1, 5, 5));
  EXPECT_EQ(CPoint((LPARAM)MAKELONG(-3, 7)), CPoint(-3, 7));  // signed mouse coordinates
}

}  // namespace

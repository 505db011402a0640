// The tab strip's own painting on a memory DC: what the control may draw over, the corner
// pixels, the join of a left-most selected tab, and the sunken frame.
#include <gtest/gtest.h>

#include "shell/WindowTabsPaint.h"

namespace {

const COLORREF kBlank = RGB(1, 2, 3);        // never a system colour
const COLORREF kControl = RGB(250, 0, 250);  // what the "control" paints

struct Surface {
  HDC dc;
  HBITMAP bmp;
  HGDIOBJ old;
  int w, h;
  Surface(int cx, int cy) : w(cx), h(cy) {
    HDC screen = ::GetDC(nullptr);
    dc = ::CreateCompatibleDC(screen);
    bmp = ::CreateCompatibleBitmap(screen, cx, cy);
    ::ReleaseDC(nullptr, screen);
    old = ::SelectObject(dc, bmp);
    Fill(kBlank);
  }
  ~Surface() {
    ::SelectObject(dc, old);
    ::DeleteObject(bmp);
    ::DeleteDC(dc);
  }
  void Fill(COLORREF c) {
    HBRUSH b = ::CreateSolidBrush(c);
    RECT rc = {0, 0, w, h};
    ::FillRect(dc, &rc, b);
    ::DeleteObject(b);
  }
  COLORREF At(int x, int y) const { return ::GetPixel(dc, x, y); }
};

COLORREF Sys(int index) {
  return ::GetSysColor(index);
}

void PaintClient(Surface& s, bool top, bool icons, bool selectedAtLeft) {
  wintabs::StripSize size;
  size.top = top;
  size.icons = icons;
  size.width = s.w;
  size.height = s.h;
  wintabs::PaintStripClient(s.dc, size, selectedAtLeft, [&s](HDC dc) {
    HBRUSH b = ::CreateSolidBrush(kControl);
    RECT rc = {0, 0, s.w, s.h};
    ::FillRect(dc, &rc, b);  // the clip decides what it covers
    ::DeleteObject(b);
  });
}

}  // namespace

TEST(WindowTabsPaint, BottomStripKeepsItsBandAndNotchFromTheControl) {
  Surface s(200, 29);
  PaintClient(s, false, false, false);
  for (int x : {0, 50, 199}) {
    EXPECT_EQ(s.At(x, 0), kBlank) << x;  // the band above the tabs
    EXPECT_EQ(s.At(x, 1), kBlank) << x;
  }
  EXPECT_EQ(s.At(194, 2), Sys(COLOR_3DSHADOW));
  EXPECT_EQ(s.At(195, 2), Sys(COLOR_3DSHADOW));
  EXPECT_EQ(s.At(194, 3), Sys(COLOR_3DDKSHADOW));
  EXPECT_EQ(s.At(195, 3), Sys(COLOR_3DDKSHADOW));
  EXPECT_EQ(s.At(196, 2), kBlank);  // the rest of the notch
  EXPECT_EQ(s.At(197, 3), kBlank);
  EXPECT_EQ(s.At(198, 2), kControl);
  EXPECT_EQ(s.At(0, 2), Sys(COLOR_3DSHADOW));  // set after the control drew
  EXPECT_EQ(s.At(100, 10), kControl);
  EXPECT_EQ(s.At(1, 10), kControl);  // no join without a left-most selection

  // A selected tab at x = 2 is joined to the frame by face-coloured columns.
  for (bool icons : {false, true}) {
    Surface j(200, 29);
    PaintClient(j, false, icons, true);
    int e = icons ? 1 : 0;
    EXPECT_EQ(j.At(0, 10), Sys(COLOR_BTNFACE));
    EXPECT_EQ(j.At(1, 21 + e), Sys(COLOR_BTNFACE));
    EXPECT_EQ(j.At(0, 22 + e), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(j.At(1, 22 + e), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(j.At(0, 23 + e), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(j.At(1, 24 + e), kControl);
  }
}

TEST(WindowTabsPaint, TopStripMirrorsTheCorners) {
  Surface s(180, 28);
  PaintClient(s, true, true, false);
  const int h = 28, w = 180;
  for (int y = h - 6; y < h - 2; ++y) EXPECT_EQ(s.At(90, y), kBlank) << y;
  EXPECT_EQ(s.At(90, h - 2), kControl);
  EXPECT_EQ(s.At(w - 6, h - 8), Sys(COLOR_3DHILIGHT));
  EXPECT_EQ(s.At(w - 5, h - 7), Sys(COLOR_3DLIGHT));
  EXPECT_EQ(s.At(w - 4, h - 8), kBlank);
  EXPECT_EQ(s.At(0, h - 8), Sys(COLOR_3DHILIGHT));
  EXPECT_EQ(s.At(0, h - 7), Sys(COLOR_3DLIGHT));
  EXPECT_EQ(s.At(0, 0), kControl);

  // The join of a left-most selected tab runs over the corner pixels, lit from above.
  Surface j(180, 28);
  PaintClient(j, true, true, true);
  EXPECT_EQ(j.At(0, 0), Sys(COLOR_3DHILIGHT));
  EXPECT_EQ(j.At(1, 1), Sys(COLOR_3DLIGHT));
  EXPECT_EQ(j.At(1, 12), Sys(COLOR_BTNFACE));
  EXPECT_EQ(j.At(0, h - 8), Sys(COLOR_BTNFACE));
  EXPECT_EQ(j.At(0, 24), kBlank);  // the band stays clear
}

TEST(WindowTabsPaint, PixelsOnlyWhereTheClipShowsThem) {
  Surface s(200, 29);
  ::IntersectClipRect(s.dc, 10, 0, 190, 29);  // a paint region without the edges
  PaintClient(s, false, false, true);
  EXPECT_EQ(s.At(0, 2), kBlank);
  EXPECT_EQ(s.At(1, 10), kBlank);
  EXPECT_EQ(s.At(194, 2), kBlank);
  EXPECT_EQ(s.At(100, 10), kControl);
  // The clip the painting used is given back.
  HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(::GetClipRgn(s.dc, rgn), 1);
  RECT box;
  ::GetRgnBox(rgn, &box);
  ::DeleteObject(rgn);
  EXPECT_EQ(box.left, 10);
  EXPECT_EQ(box.right, 190);
}

TEST(WindowTabsPaint, FrameOpensTowardsTheDocumentWindows) {
  wintabs::StripSize size;
  size.width = 120;
  size.height = 28;
  for (bool top : {false, true}) {
    Surface s(120, 28);
    size.top = top;
    wintabs::PaintStripFrame(s.dc, size);
    int open0 = top ? 26 : 0;  // the two face rows
    for (int x : {2, 60, 117}) {
      EXPECT_EQ(s.At(x, open0), Sys(COLOR_BTNFACE)) << top << " " << x;
      EXPECT_EQ(s.At(x, open0 + 1), Sys(COLOR_BTNFACE)) << top << " " << x;
    }
    EXPECT_EQ(s.At(118, open0), Sys(COLOR_3DLIGHT));  // the lines stop at the side edge
    EXPECT_EQ(s.At(0, 14), Sys(COLOR_BTNSHADOW));     // sunken: dark outside on the left
    EXPECT_EQ(s.At(119, 14), Sys(COLOR_BTNHIGHLIGHT));
    int closed = top ? 0 : 27;
    EXPECT_EQ(s.At(60, closed), Sys(top ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(s.At(60, 14), kBlank);  // the inside is left alone
  }
}

#include "shell/WindowTabsPaint.h"

namespace wintabs {

namespace {

void Pixel(HDC dc, int x, int y, int sysColour) {
  if (::PtVisible(dc, x, y)) ::SetPixel(dc, x, y, ::GetSysColor(sysColour));
}

void Pixels(HDC dc, int x0, int x1, int y, int sysColour) {
  for (int x = x0; x <= x1; ++x) Pixel(dc, x, y, sysColour);
}

void FaceLine(HDC dc, int x0, int y0, int x1, int y1) {
  HPEN pen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE));
  HGDIOBJ old = ::SelectObject(dc, pen);
  ::MoveToEx(dc, x0, y0, nullptr);
  ::LineTo(dc, x1, y1);
  ::SelectObject(dc, old);
  ::DeleteObject(pen);
}

}  // namespace

void PaintStripClient(HDC dc, const StripSize& s, bool selectedAtLeft,
                      const std::function<void(HDC)>& drawControl) {
  const int w = s.width, h = s.height;
  int saved = ::SaveDC(dc);
  // Before the control draws: the notch pixels, then the band and notch kept from it.
  if (s.top) {
    Pixels(dc, w - 6, w - 5, h - 8, COLOR_3DHILIGHT);
    Pixels(dc, w - 6, w - 5, h - 7, COLOR_3DLIGHT);
    ::ExcludeClipRect(dc, 0, h - 6, w, h - 2);
    ::ExcludeClipRect(dc, w - 6, h - 8, w - 2, h - 6);
  } else {
    Pixels(dc, w - 6, w - 5, 2, COLOR_3DSHADOW);
    Pixels(dc, w - 6, w - 5, 3, COLOR_3DDKSHADOW);
    ::ExcludeClipRect(dc, 0, 0, w, 2);
    ::ExcludeClipRect(dc, w - 6, 2, w - 2, 4);
  }
  if (drawControl) drawControl(dc);
  if (s.top) {
    Pixel(dc, 0, h - 8, COLOR_3DHILIGHT);
    Pixel(dc, 0, h - 7, COLOR_3DLIGHT);
  } else {
    Pixel(dc, 0, 2, COLOR_3DSHADOW);
  }
  if (selectedAtLeft) {
    const int extra = s.icons ? 1 : 0;
    FaceLine(dc, 0, 2, 0, 22 + extra);
    FaceLine(dc, 1, 2, 1, 22 + extra);
    if (s.top) {
      Pixels(dc, 0, 1, 0, COLOR_3DHILIGHT);
      Pixels(dc, 0, 1, 1, COLOR_3DLIGHT);
    } else {
      Pixels(dc, 0, 1, 22 + extra, COLOR_3DSHADOW);
      Pixels(dc, 0, 1, 23 + extra, COLOR_3DDKSHADOW);
    }
  }
  ::RestoreDC(dc, saved);
}

void PaintStripFrame(HDC dc, const StripSize& s) {
  const int w = s.width, h = s.height;
  RECT rc = {0, s.top ? 0 : -2, w, h};
  ::DrawEdge(dc, &rc, EDGE_SUNKEN,
             s.top ? (BF_LEFT | BF_TOP | BF_RIGHT) : (BF_LEFT | BF_RIGHT | BF_BOTTOM));
  int row = s.top ? h - 2 : 0;
  FaceLine(dc, 2, row, w - 2, row);
  FaceLine(dc, 2, row + 1, w - 2, row + 1);
}

}  // namespace wintabs

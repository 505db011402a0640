// Icon and bitmap work of the flat button.
#include "controls/ButtonPictures.h"

#include <map>
#include <utility>
#include <vector>

#include "controls/ButtonLogic.h"
#include "framework/win/AfxCore.h"
#include "framework/win/DibPixels.h"

namespace buttons {

namespace {

// Selects a bitmap into a fresh memory DC for one scope.
class CBitmapDC {
 public:
  explicit CBitmapDC(HBITMAP bitmap) : m_dc(::CreateCompatibleDC(NULL)), m_old(NULL) {
    if (m_dc) m_old = ::SelectObject(m_dc, bitmap);
  }
  ~CBitmapDC() {
    if (m_dc) {
      ::SelectObject(m_dc, m_old);
      ::DeleteDC(m_dc);
    }
  }
  CBitmapDC(const CBitmapDC&) = delete;
  CBitmapDC& operator=(const CBitmapDC&) = delete;
  bool Ok() const { return m_dc != NULL && m_old != NULL; }
  operator HDC() const { return m_dc; }

 private:
  HDC m_dc;
  HGDIOBJ m_old;
};

}  // namespace

HICON LoadIconResource(UINT id, int& width, int& height) {
  static std::map<std::pair<HINSTANCE, UINT>, SIZE> sizes;
  width = height = 0;
  HINSTANCE inst = AfxFindResourceHandle(MAKEINTRESOURCEA(id), (LPCSTR)RT_GROUP_ICON);
  HICON icon = static_cast<HICON>(::LoadImageA(inst, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, 0));
  if (!icon) return NULL;
  const auto known = sizes.find({inst, id});
  if (known != sizes.end()) {
    width = known->second.cx;
    height = known->second.cy;
  } else if (GetIconSize(icon, width, height)) {
    sizes[{inst, id}] = SIZE{width, height};
  }
  return icon;
}

BOOL GetIconSize(HICON icon, int& width, int& height) {
  width = height = 0;
  ICONINFO info = {};
  if (!icon || !::GetIconInfo(icon, &info)) return FALSE;
  BITMAP bm = {};
  BOOL ok = FALSE;
  if (info.hbmColor && ::GetObjectA(info.hbmColor, sizeof bm, &bm)) {
    width = bm.bmWidth;
    height = bm.bmHeight;
    ok = TRUE;
  } else if (info.hbmMask && ::GetObjectA(info.hbmMask, sizeof bm, &bm)) {
    width = bm.bmWidth;
    height = bm.bmHeight / 2;  // a monochrome icon: mask and image one above the other
    ok = TRUE;
  }
  if (info.hbmColor) ::DeleteObject(info.hbmColor);
  if (info.hbmMask) ::DeleteObject(info.hbmMask);
  return ok && width > 0 && height > 0;
}

HICON MakeGreyIcon(HICON icon) {
  int width = 0, height = 0;
  if (!GetIconSize(icon, width, height)) return NULL;
  ICONINFO info = {};
  if (!::GetIconInfo(icon, &info)) return NULL;
  HICON grey = NULL;
  if (info.hbmColor) {
    CDibPixels pixels(width, height);
    HDC screen = ::GetDC(NULL);
    if (pixels.Read(screen, info.hbmColor)) {
      GreyPixels(pixels.Pixels().data(), width * height);
      if (pixels.Write(screen, info.hbmColor)) grey = ::CreateIconIndirect(&info);
    }
    ::ReleaseDC(NULL, screen);
  }
  if (info.hbmColor) ::DeleteObject(info.hbmColor);
  if (info.hbmMask) ::DeleteObject(info.hbmMask);
  return grey;
}

HBITMAP MakeMask(HBITMAP bitmap, COLORREF transparent) {
  BITMAP bm = {};
  if (!bitmap || !::GetObjectA(bitmap, sizeof bm, &bm)) return NULL;
  HBITMAP mask = ::CreateBitmap(bm.bmWidth, bm.bmHeight, 1, 1, NULL);
  if (!mask) return NULL;
  CBitmapDC source(bitmap), target(mask);
  if (!source.Ok() || !target.Ok()) {
    ::DeleteObject(mask);
    return NULL;
  }
  // Colour to monochrome: pixels of the source's background colour become white.
  ::SetBkColor(source, transparent);
  ::BitBlt(target, 0, 0, bm.bmWidth, bm.bmHeight, source, 0, 0, SRCCOPY);
  // Black out the transparent pixels: source AND NOT mask (white mask bits as white).
  ::SetTextColor(source, RGB(0, 0, 0));
  ::SetBkColor(source, RGB(255, 255, 255));
  ::BitBlt(source, 0, 0, bm.bmWidth, bm.bmHeight, target, 0, 0, 0x00220326);
  return mask;
}

void DrawMasked(HDC dc, int x, int y, int width, int height, HBITMAP bitmap, HBITMAP mask) {
  CBitmapDC image(bitmap), stencil(mask);
  if (!image.Ok() || !stencil.Ok()) return;
  COLORREF oldText = ::SetTextColor(dc, RGB(0, 0, 0));
  COLORREF oldBack = ::SetBkColor(dc, RGB(255, 255, 255));
  ::BitBlt(dc, x, y, width, height, stencil, 0, 0, SRCAND);
  ::BitBlt(dc, x, y, width, height, image, 0, 0, SRCPAINT);
  ::SetTextColor(dc, oldText);
  ::SetBkColor(dc, oldBack);
}

}  // namespace buttons

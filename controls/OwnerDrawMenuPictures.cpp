#include "controls/OwnerDrawMenuPictures.h"

#include "controls/OwnerDrawMenu.h"
#include "framework/win/AfxCore.h"

namespace {

const int kCx = 16, kCy = 15;

// A 32-bit top-down picture of kCx x kCy pixels with its bits.
struct Canvas {
  HDC dc = nullptr;
  HBITMAP bmp = nullptr;
  HGDIOBJ old = nullptr;
  DWORD* bits = nullptr;
  Canvas() {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = kCx;
    bi.bmiHeader.biHeight = -kCy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    dc = ::CreateCompatibleDC(nullptr);
    void* p = nullptr;
    bmp = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
    bits = static_cast<DWORD*>(p);
    old = ::SelectObject(dc, bmp);
  }
  ~Canvas() {
    ::SelectObject(dc, old);
    ::DeleteObject(bmp);
    ::DeleteDC(dc);
  }
  static DWORD Pack(COLORREF c) {
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
  }
  static COLORREF Unpack(DWORD p) { return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }
  void Fill(COLORREF c) {
    ::GdiFlush();
    for (int i = 0; i < kCx * kCy; ++i) bits[i] = Pack(c);
  }
};

// The disabled look of a picture: every pixel that differs from the face colour becomes the
// shadow colour lightened by the pixel's grey level.
COLORREF DisabledShade(COLORREF px, COLORREF shadow) {
  int gray = (GetRValue(px) + GetGValue(px) + GetBValue(px)) / 3;
  return odmenu::Lighten(shadow, gray / 255.0);
}

bool g_shadeDisabled = false;  // a bitmap of pictures with other than 16 colours was loaded

}  // namespace

COdPictureList& OdPictures() {
  static COdPictureList list;
  return list;
}

HFONT OdMenuFont() {
  static HFONT font = nullptr;
  if (!font) {
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof ncm;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0))
      font = ::CreateFontIndirectA(&ncm.lfMenuFont);
    if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  }
  return font;
}

int COdPictureList::Add(UINT command, HIMAGELIST source, int index) {
  if (!m_list) m_list = ImageList_Create(kCx, kCy, ILC_COLORDDB | ILC_MASK, 0, 1);
  HICON icon = source ? ImageList_GetIcon(source, index, ILD_NORMAL) : nullptr;
  if (!icon || !m_list) {
    if (icon) ::DestroyIcon(icon);
    return -1;
  }
  bool variants = COwnerDrawMenu::GetMenuLook() == 1;
  odmenu::PictureSlots::Placement place = m_slots.Place(command, variants);
  auto put = [&](int at, HICON ic) {
    if (place.replace)
      ImageList_ReplaceIcon(m_list, at, ic);
    else
      ImageList_AddIcon(m_list, ic);
  };
  put(place.index, icon);
  if (place.count == 4) {
    COLORREF face = ::GetSysColor(COLOR_BTNFACE), shadow = ::GetSysColor(COLOR_BTNSHADOW);
    bool xp = IsXPLookActive();
    for (int v = 1; v <= 3; ++v) {
      Canvas c;
      c.Fill(face);
      ::DrawIconEx(c.dc, 0, 0, icon, kCx, kCy, 0, nullptr, DI_NORMAL);
      ::GdiFlush();
      DWORD facePx = Canvas::Pack(face);
      for (int i = 0; i < kCx * kCy; ++i) {
        if (c.bits[i] == facePx) continue;
        COLORREF px = Canvas::Unpack(c.bits[i]);
        COLORREF out;
        if (v == 1) {
          out = odmenu::Lighten(px, 0.3);  // faded
        } else if (v == 2) {
          out = xp ? shadow : odmenu::Lighten(shadow, 0.49);  // shadow
        } else {
          out = DisabledShade(px, shadow);
        }
        c.bits[i] = Canvas::Pack(out);
      }
      ::SelectObject(c.dc, c.old);
      if (place.replace) {
        // Replaced through an icon, which carries the mask the face colour gives.
        HIMAGELIST tmp = ImageList_Create(kCx, kCy, ILC_COLORDDB | ILC_MASK, 1, 1);
        ImageList_AddMasked(tmp, c.bmp, face);
        HICON ic = ImageList_GetIcon(tmp, 0, ILD_NORMAL);
        if (ic) ImageList_ReplaceIcon(m_list, place.index + v, ic), ::DestroyIcon(ic);
        ImageList_Destroy(tmp);
      } else {
        ImageList_AddMasked(m_list, c.bmp, face);
      }
      c.old = ::SelectObject(c.dc, c.bmp);
    }
  }
  ::DestroyIcon(icon);
  return place.index;
}

BOOL OdLoadToolbar(UINT id, COLORREF background, odmenu::ToolbarResource& tb, HIMAGELIST& list) {
  list = nullptr;
  HINSTANCE inst = AfxFindResourceHandle(MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(241));
  HRSRC res = ::FindResourceA(inst, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(241));
  HGLOBAL mem = res ? ::LoadResource(inst, res) : nullptr;
  const void* data = mem ? ::LockResource(mem) : nullptr;
  if (!data || !odmenu::ParseToolbarResource(data, ::SizeofResource(inst, res), tb)) return FALSE;
  list = OdLoadBitmapList(id, background);
  return list != nullptr;
}

HIMAGELIST OdLoadBitmapList(UINT id, COLORREF background) {
  HBITMAP bmp = static_cast<HBITMAP>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bmp) return nullptr;
  DIBSECTION dib = {};
  if (::GetObjectA(bmp, sizeof dib, &dib) == sizeof dib)
    OdNoteBitmapColours(odmenu::BitmapColourCount(dib.dsBmih.biBitCount, dib.dsBmih.biClrUsed));
  HIMAGELIST list = ImageList_Create(kCx, kCy, ILC_COLORDDB | ILC_MASK, 0, 1);
  if (list && ImageList_AddMasked(list, bmp, background) < 0) {
    ImageList_Destroy(list);
    list = nullptr;
  }
  ::DeleteObject(bmp);
  return list;
}

void OdNoteBitmapColours(int colours) {
  if (colours != 16) g_shadeDisabled = true;
}

bool OdShadesDisabledPictures() {
  return g_shadeDisabled;
}

void OdSetShadesDisabledPictures(bool shade) {
  g_shadeDisabled = shade;
}

void OdDrawDisabled(HDC dc, int index, int x, int y, COLORREF background) {
  HICON icon = ImageList_GetIcon(OdPictures().Handle(), index, ILD_NORMAL);
  if (!icon) return;
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  Canvas c;
  c.Fill(face);
  ::DrawIconEx(c.dc, 0, 0, icon, kCx, kCy, 0, nullptr, DI_NORMAL);
  ::DestroyIcon(icon);
  ::GdiFlush();
  if (g_shadeDisabled) {
    // Shaded in grey and copied, background included.
    const DWORD facePx = Canvas::Pack(face);
    for (int i = 0; i < kCx * kCy; ++i)
      c.bits[i] = Canvas::Pack(
          c.bits[i] == facePx ? background : DisabledShade(Canvas::Unpack(c.bits[i]), shadow));
    ::BitBlt(dc, x, y, kCx, kCy, c.dc, 0, 0, SRCCOPY);
    return;
  }
  // Embossed through a monochrome mask (face and highlight pixels are background): in the
  // highlight colour one pixel right and down, then in the shadow colour in place.
  HDC maskDC = ::CreateCompatibleDC(nullptr);
  HBITMAP mask = ::CreateBitmap(kCx, kCy, 1, 1, nullptr);
  HGDIOBJ oldMask = ::SelectObject(maskDC, mask);
  ::SetBkColor(c.dc, face);
  ::BitBlt(maskDC, 0, 0, kCx, kCy, c.dc, 0, 0, SRCCOPY);
  ::SetBkColor(c.dc, light);
  ::BitBlt(maskDC, 0, 0, kCx, kCy, c.dc, 0, 0, SRCPAINT);
  const DWORD kPatternWhereBlack = 0xB8074A;  // dest where the mask is white, else the brush
  COLORREF oldText = ::SetTextColor(dc, RGB(0, 0, 0));
  COLORREF oldBk = ::SetBkColor(dc, RGB(255, 255, 255));
  for (int pass = 0; pass < 2; ++pass) {
    HBRUSH brush = ::CreateSolidBrush(pass == 0 ? light : shadow);
    HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    int d = pass == 0 ? 1 : 0;
    ::BitBlt(dc, x + d, y + d, kCx, kCy, maskDC, 0, 0, kPatternWhereBlack);
    ::SelectObject(dc, oldBrush);
    ::DeleteObject(brush);
  }
  ::SetTextColor(dc, oldText);
  ::SetBkColor(dc, oldBk);
  ::SelectObject(maskDC, oldMask);
  ::DeleteObject(mask);
  ::DeleteDC(maskDC);
}

// Measuring and drawing the owner-drawn menu items in the classic and the XP look.
#include <algorithm>

#include "controls/OwnerDrawMenu.h"
#include "controls/OwnerDrawMenuPictures.h"
#include "framework/win/AfxCore.h"
#include "framework/win/CmdUI.h"
#include "framework/win/Wnd.h"

using odmenu::Darken;
using odmenu::Lighten;

namespace {

const int kPicCx = 16, kPicCy = 15;

void Fill(HDC dc, const RECT& rc, COLORREF c) {
  HBRUSH b = ::CreateSolidBrush(c);
  ::FillRect(dc, &rc, b);
  ::DeleteObject(b);
}

void Frame(HDC dc, const RECT& rc, COLORREF c) {
  HBRUSH b = ::CreateSolidBrush(c);
  ::FrameRect(dc, &rc, b);
  ::DeleteObject(b);
}

// Top-left in one colour, bottom-right in the other.
void Frame3D(HDC dc, const RECT& rc, COLORREF topLeft, COLORREF bottomRight) {
  RECT r = rc;
  Fill(dc, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
  Fill(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
  Fill(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
  Fill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

// The tick: seven strokes of three pixels, or the radio dot.
void DrawMark(HDC dc, int x, int y, bool radio) {
  COLORREF c = ::GetSysColor(COLOR_MENUTEXT);
  if (radio) {
    HPEN pen = ::CreatePen(PS_SOLID, 1, c);
    HBRUSH brush = ::CreateSolidBrush(c);
    HGDIOBJ op = ::SelectObject(dc, pen), ob = ::SelectObject(dc, brush);
    ::Ellipse(dc, x, y, x + 6, y + 6);
    ::SelectObject(dc, op);
    ::SelectObject(dc, ob);
    ::DeleteObject(pen);
    ::DeleteObject(brush);
    return;
  }
  static const int top[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int col = 0; col < 7; ++col)
    for (int k = 0; k < 3; ++k) ::SetPixel(dc, x + col, y + top[col] + k, c);
}

struct ItemText {
  std::wstring label, shortcut;
};

void DrawLabel(HDC dc, const ItemText& t, RECT rc, COLORREF colour) {
  ::SetTextColor(dc, colour);
  ::DrawTextW(dc, t.label.c_str(), static_cast<int>(t.label.size()), &rc,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (!t.shortcut.empty())
    ::DrawTextW(dc, t.shortcut.c_str(), static_cast<int>(t.shortcut.size()), &rc,
                DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

void DrawPicture(HDC dc, int index, int x, int y) {
  ImageList_Draw(OdPictures().Handle(), index, dc, x, y, ILD_TRANSPARENT);
}

bool IsRadio(HMENU menu, const LPDRAWITEMSTRUCT dis) {
  MENUITEMINFOW mii = {};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_FTYPE;
  return ::GetMenuItemInfoW(menu, dis->itemID, FALSE, &mii) && (mii.fType & MFT_RADIOCHECK);
}

struct State {
  bool selected, checked, disabled, radio, separator;
  int picture;
};

void DrawClassic(HDC dc, const RECT& rc, const ItemText& text, State s) {
  COLORREF b = ::GetSysColor(IsXPLookActive() ? COLOR_BTNFACE : COLOR_MENU);
  // A disabled item under the mouse is drawn selected in the classic look.
  if (s.separator) {
    Fill(dc, rc, b);
    RECT line = rc;
    line.top = (rc.top + rc.bottom) / 2;
    ::DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  bool hasPic = s.picture >= 0;
  int height = rc.bottom - rc.top;
  if (s.selected) {
    RECT sel = rc;
    if (hasPic || s.checked) sel.left += kPicCx + 5;
    Fill(dc, rc, b);
    Fill(dc, sel, ::GetSysColor(COLOR_HIGHLIGHT));
  } else {
    Fill(dc, rc, b);
  }
  int d = std::max((height - kPicCy - 4) / 2, 0);
  if (hasPic) {
    RECT box = {rc.left, rc.top + d, rc.left + kPicCx + 4, rc.top + d + kPicCy + 4};
    Fill(dc, box, s.checked && !s.selected ? Lighten(b, 0.6) : b);
    if (HasWin95Shell() && s.checked)
      Frame3D(dc, box, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    else if (HasWin95Shell() && s.selected)
      Frame3D(dc, box, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    if (s.disabled)
      OdDrawDisabled(dc, s.picture, rc.left + 2, rc.top + d + 2, ::GetSysColor(COLOR_BTNFACE));
    else
      DrawPicture(dc, s.picture, rc.left + 2, rc.top + d + 2);
  } else if (s.checked) {
    RECT box = {rc.left + 1, rc.top + d + 2, rc.left + kPicCx + 1, rc.top + d + kPicCy + 2};
    Fill(dc, box, s.selected ? b : Lighten(b, 0.6));
    if (HasWin95Shell()) ::DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
    if (s.radio)
      DrawMark(dc, box.left + 5, box.top + 4, true);
    else
      DrawMark(dc, box.left + 4, box.top + 4, false);
  }
  RECT tr = rc;
  tr.left += kPicCx + 9;
  if (!text.shortcut.empty()) tr.right -= 16;
  if (!s.disabled) {
    DrawLabel(dc, text, tr, ::GetSysColor(s.selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  } else if (s.selected) {
    DrawLabel(dc, text, tr, b);
  } else {
    RECT sh = tr;
    ::OffsetRect(&sh, 1, 1);
    DrawLabel(dc, text, sh, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawLabel(dc, text, tr, ::GetSysColor(COLOR_GRAYTEXT));
  }
}

void DrawXP(HDC dc, const RECT& rc, const ItemText& text, State s) {
  const int m = odmenu::PictureMargin(true, true);
  bool xpActive = IsXPLookActive();
  COLORREF bg = Darken(::GetSysColor(COLOR_WINDOW), 0.02);
  COLORREF column = ::GetSysColor(COLOR_BTNFACE);
  if (!xpActive) column = Lighten(column, 0.25);
  COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
  COLORREF selFill = Lighten(highlight, xpActive ? 0.7 : 0.6);
  if (s.disabled) s.selected = false;  // never drawn selected in this look

  RECT col = {rc.left, rc.top, rc.left + kPicCx + m, rc.bottom};
  if (s.separator) {
    Fill(dc, rc, bg);
    Fill(dc, col, column);
    RECT line = {col.right + m, (rc.top + rc.bottom) / 2, rc.right, rc.bottom};
    ::DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  if (s.selected) {
    Fill(dc, rc, selFill);
    Frame(dc, rc, highlight);
  } else {
    Fill(dc, rc, bg);
    Fill(dc, col, column);
  }
  RECT box = {rc.left + 1, rc.top + 1, rc.left + kPicCx + m - 2, rc.bottom - 1};
  int height = rc.bottom - rc.top;
  POINT p = {rc.left + std::max(static_cast<int>((m + 1) * 0.5), 0),
             rc.top + std::max(static_cast<int>((height - kPicCy + 1) * 0.5), 0)};
  bool variants = s.picture >= 0 && OdPictures().HasVariants(s.picture);
  if (s.picture >= 0) {
    if (s.checked) {
      COLORREF fill = Lighten(highlight, s.selected ? 0.55 : 0.85);
      Fill(dc, box, fill);
      Frame(dc, box, highlight);
      if (s.disabled && variants)
        DrawPicture(dc, s.picture + 3, p.x - 1, p.y - 1);
      else if (s.disabled)
        OdDrawDisabled(dc, s.picture, p.x - 1, p.y - 1, fill);
      else
        DrawPicture(dc, s.picture, p.x - 1, p.y - 1);
    } else if (s.disabled) {
      if (variants)
        DrawPicture(dc, s.picture + 3, p.x, p.y);
      else
        OdDrawDisabled(dc, s.picture, p.x, p.y, column);
    } else if (s.selected) {
      Fill(dc, box, selFill);
      if (variants) {
        DrawPicture(dc, s.picture + 2, p.x + 1, p.y + 1);
        DrawPicture(dc, s.picture, p.x - 1, p.y - 1);
      } else {
        DrawPicture(dc, s.picture, p.x, p.y);
      }
    } else {
      Fill(dc, box, column);
      DrawPicture(dc, variants ? s.picture + 1 : s.picture, p.x, p.y);
    }
  } else if (s.checked) {
    Fill(dc, box, Lighten(highlight, s.selected ? 0.55 : 0.6));
    Frame(dc, box, highlight);
    int bw = box.right - box.left, bh = box.bottom - box.top;
    DrawMark(dc, box.left + std::max(bw / 2 - 3, 0), box.top + std::max(bh / 2 - 3, 0), s.radio);
  }
  RECT tr = rc;
  tr.left += kPicCx + m + 8;
  if (!text.shortcut.empty()) tr.right -= 16;
  COLORREF colour = ::GetSysColor(COLOR_MENUTEXT);
  if (s.disabled) {
    colour = ::GetSysColor(COLOR_GRAYTEXT);
    if (!xpActive && !s.selected) colour = Lighten(colour, 0.4);
  }
  DrawLabel(dc, text, tr, colour);
}

}  // namespace

void COwnerDrawMenu::MeasureItem(LPMEASUREITEMSTRUCT mis) {
  if (!mis || mis->CtlType != ODT_MENU || !IsLiveRecord(mis->itemData)) return;
  MakePendingPictures();
  const COwnerDrawItem* r = reinterpret_cast<const COwnerDrawItem*>(mis->itemData);
  bool xp = GetMenuLook() == 1;
  int m = odmenu::PictureMargin(xp, true);
  int cyMenu = ::GetSystemMetrics(SM_CYMENU);
  if (r->flags & MF_SEPARATOR) {
    mis->itemWidth = 0;
    mis->itemHeight = static_cast<UINT>(odmenu::SeparatorHeight(xp, cyMenu, m));
    return;
  }
  CWnd* main = AfxGetMainWnd();
  HWND wnd = main ? main->GetSafeHwnd() : nullptr;
  HDC dc = ::GetDC(wnd);
  HGDIOBJ old = HasWin95Shell() ? ::SelectObject(dc, OdMenuFont()) : nullptr;
  SIZE size = {0, 0};
  int w;
  if (GetWindowsVersionClass() == 0) {
    RECT rc = {0, 0, 0, 0};
    ::DrawTextW(dc, r->text.c_str(), static_cast<int>(r->text.size()), &rc,
                DT_SINGLELINE | DT_VCENTER | DT_CALCRECT);
    w = rc.right - rc.left + 3;
    if (!r->text.empty()) w += 3 * (w / static_cast<int>(r->text.size()));
  } else {
    ::GetTextExtentPoint32W(dc, r->text.c_str(), static_cast<int>(r->text.size()), &size);
    w = size.cx;
  }
  if (old) ::SelectObject(dc, old);
  ::ReleaseDC(wnd, dc);
  mis->itemWidth = static_cast<UINT>(odmenu::ItemWidth(xp, w, m));
  mis->itemHeight = static_cast<UINT>(odmenu::ItemHeight(cyMenu, m));
}

void COwnerDrawMenu::DrawItem(LPDRAWITEMSTRUCT dis) {
  if (!dis || dis->CtlType != ODT_MENU || !IsLiveRecord(dis->itemData)) return;
  MakePendingPictures();
  const COwnerDrawItem* r = reinterpret_cast<const COwnerDrawItem*>(dis->itemData);
  HDC dc = dis->hDC;
  ItemText text;
  odmenu::SplitItemText(r->text, text.label, text.shortcut);
  State s;
  s.selected = (dis->itemState & ODS_SELECTED) != 0;
  s.checked = (dis->itemState & ODS_CHECKED) != 0;
  s.disabled = (dis->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  s.separator = (r->flags & MF_SEPARATOR) != 0;
  s.radio = s.checked && IsRadio(reinterpret_cast<HMENU>(dis->hwndItem), dis);
  s.picture = r->ownImage < 0 ? r->sharedImage : -1;
  bool xp = GetMenuLook() == 1 && !(::GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE);
  const RECT& rc = dis->rcItem;
  if (xp && s.disabled && !s.separator) {
    // Drawn whole off screen, then copied in one piece.
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    HDC mem = ::CreateCompatibleDC(dc);
    HBITMAP bmp = ::CreateCompatibleBitmap(dc, std::max(cx, 1), std::max(cy, 1));
    HGDIOBJ oldBmp = ::SelectObject(mem, bmp);
    HGDIOBJ oldFont = ::SelectObject(mem, OdMenuFont());
    ::SetBkMode(mem, TRANSPARENT);
    DrawXP(mem, {0, 0, cx, cy}, text, s);
    ::BitBlt(dc, rc.left, rc.top, cx, cy, mem, 0, 0, SRCCOPY);
    ::SelectObject(mem, oldFont);
    ::SelectObject(mem, oldBmp);
    ::DeleteObject(bmp);
    ::DeleteDC(mem);
    return;
  }
  int saved = ::SaveDC(dc);
  ::SetBkMode(dc, TRANSPARENT);
  ::SelectObject(dc, OdMenuFont());
  if (xp)
    DrawXP(dc, rc, text, s);
  else
    DrawClassic(dc, rc, text, s);
  ::RestoreDC(dc, saved);
}

// CFlatButton: drawing of background, border, picture, caption and focus.
#include "controls/ButtonLogic.h"
#include "controls/ButtonPictures.h"
#include "controls/FlatButton.h"

namespace {

buttons::Box ToBox(const RECT& r) {
  return buttons::Box{r.left, r.top, r.right, r.bottom};
}

CRect ToRect(const buttons::Box& b) {
  return CRect(b.left, b.top, b.right, b.bottom);
}

}  // namespace

DWORD CFlatButton::OnDrawBackground(CDC* pDC, const CRect* pRect) {
  COLORREF colour = m_crColors[BTNST_COLOR_BK_OUT];
  if (m_bMouseOnButton || m_bIsPressed)
    colour = m_crColors[BTNST_COLOR_BK_IN];
  else if (m_bIsFocused)
    colour = m_crColors[BTNST_COLOR_BK_FOCUS];
  pDC->FillSolidRect(pRect, colour);
  return BTNST_OK;
}

DWORD CFlatButton::OnDrawBorder(CDC* pDC, const CRect* pRect) {
  COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT), dark = ::GetSysColor(COLOR_BTNSHADOW);
  if (m_bIsPressed)
    pDC->Draw3dRect(pRect, dark, light);
  else
    pDC->Draw3dRect(pRect, light, dark);
  return BTNST_OK;
}

void CFlatButton::DrawItem(LPDRAWITEMSTRUCT dis) {
  CDC* pDC = CDC::FromHandle(dis->hDC);
  m_bIsPressed = (dis->itemState & ODS_SELECTED) != 0;
  if (m_bIsCheckBox) m_bIsPressed = m_bIsPressed || m_bChecked;
  m_bIsFocused = (dis->itemState & ODS_FOCUS) != 0;
  m_bIsDisabled = (dis->itemState & ODS_DISABLED) != 0;

  CRect item = dis->rcItem;
  int oldMode = pDC->SetBkMode(TRANSPARENT);

  if (!m_bIsFlat && (m_bIsFocused || m_bIsDefault)) {
    CBrush black(RGB(0, 0, 0));
    pDC->FrameRect(&item, &black);
    item.DeflateRect(1, 1);
  }

  OnDrawBackground(pDC, &item);

  if (!m_bIsPressed) {
    if (!m_bIsFlat) {
      CRect r = item;
      pDC->Draw3dRect(&r, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_3DDKSHADOW));
      r.DeflateRect(1, 1);
      pDC->Draw3dRect(&r, ::GetSysColor(COLOR_3DLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    } else if (m_bAlwaysShowBorder || (m_bMouseOnButton && m_bDrawBorder)) {
      OnDrawBorder(pDC, &item);
    }
  } else if (m_bIsFlat) {
    if (m_bDrawBorder) OnDrawBorder(pDC, &item);
  } else {
    CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
    pDC->FrameRect(&item, &shadow);
  }

  CString caption;
  if (m_bDrawCaption) GetWindowText(caption);

  CRect client;
  GetClientRect(&client);
  int which = buttons::ChoosePicture(m_bIsCheckBox != FALSE, m_bChecked != FALSE,
                                     m_bIsPressed || m_bMouseOnButton,
                                     m_icons[1].handle != NULL || m_bitmaps[1].handle != NULL);
  CSize size = m_icons[which].handle ? CSize(m_icons[which].width, m_icons[which].height)
                                     : CSize(m_bitmaps[which].width, m_bitmaps[which].height);
  bool shift = m_bIsPressed && !m_bIsCheckBox;
  buttons::ContentLayout layout = buttons::PlaceContent(
      ToBox(item), ToBox(client), size.cx, size.cy, !caption.IsEmpty(), m_byAlign, shift);
  if (size.cx > 0 && size.cy > 0) DrawPicture(pDC, ToRect(layout.picture), which, m_bIsDisabled);

  if (!caption.IsEmpty())
    DrawCaption(pDC, ToRect(layout.captionArea), caption, m_bIsDisabled,
                m_bMouseOnButton || m_bIsPressed);

  if (m_bIsFocused && (!m_bIsFlat || m_bDrawFlatFocus)) {
    CRect focus = item;
    focus.DeflateRect(3, 3);
    pDC->DrawFocusRect(&focus);
  }
  pDC->SetBkMode(oldMode);
}

void CFlatButton::DrawPicture(CDC* pDC, const CRect& place, int which, BOOL disabled) {
  if (m_icons[which].handle) {
    pDC->DrawState(place.TopLeft(), place.Size(), m_icons[which].handle,
                   disabled ? DSS_DISABLED : DSS_NORMAL, (HBRUSH)NULL);
    return;
  }
  const Bitmap& bmp = m_bitmaps[which];
  if (!bmp.handle) return;
  if (!disabled || !m_bDrawDisabledBitmaps) {
    buttons::DrawMasked(pDC->m_hDC, place.left, place.top, bmp.width, bmp.height, bmp.handle,
                        bmp.mask);
    return;
  }
  // Disabled: the picture composed on white, then drawn embossed by the disabled state.
  CDC work;
  CBitmap composed;
  if (!work.CreateCompatibleDC(pDC) || !composed.CreateCompatibleBitmap(pDC, bmp.width, bmp.height))
    return;
  CBitmap* old = work.SelectObject(&composed);
  work.FillSolidRect(0, 0, bmp.width, bmp.height, RGB(255, 255, 255));
  buttons::DrawMasked(work.m_hDC, 0, 0, bmp.width, bmp.height, bmp.handle, bmp.mask);
  work.SelectObject(old);
  pDC->DrawState(place.TopLeft(), place.Size(), (HBITMAP)composed.m_hObject, DSS_DISABLED,
                 (HBRUSH)NULL);
}

void CFlatButton::DrawCaption(CDC* pDC, const CRect& area, const CString& caption, BOOL disabled,
                              BOOL inColours) {
  CRect measured = area;
  UINT calc = DT_WORDBREAK | DT_CALCRECT | (m_byAlign == ST_ALIGN_LEFT_TEXT ? 0u : DT_CENTER);
  pDC->DrawText(caption, &measured, calc);
  CRect r =
      ToRect(buttons::PlaceCaption(ToBox(area), measured.Width(), measured.Height(), m_byAlign));
  if (disabled) {
    r.OffsetRect(1, 1);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
    pDC->DrawText(caption, &r, DT_WORDBREAK | DT_CENTER);
    r.OffsetRect(-1, -1);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
    pDC->DrawText(caption, &r, DT_WORDBREAK | DT_CENTER);
    return;
  }
  pDC->SetTextColor(m_crColors[inColours ? BTNST_COLOR_FG_IN : BTNST_COLOR_FG_OUT]);
  pDC->SetBkColor(m_crColors[inColours ? BTNST_COLOR_BK_IN : BTNST_COLOR_BK_OUT]);
  pDC->DrawText(caption, &r, DT_WORDBREAK | DT_CENTER);
}

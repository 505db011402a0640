// CToggleButton: flipping on the click notification, drawing.
#include "controls/ToggleButton.h"

#include "controls/ButtonLogic.h"

IMPLEMENT_DYNAMIC(CToggleButton, CButton)

BEGIN_MESSAGE_MAP(CToggleButton, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, &CToggleButton::OnClicked)
END_MESSAGE_MAP()

static_assert(buttons::kMultiLine == BS_MULTILINE && buttons::kCenter == BS_CENTER &&
                  buttons::kVCenter == BS_VCENTER && buttons::kDtBottom == DT_BOTTOM &&
                  buttons::kDtSingleLine == DT_SINGLELINE && buttons::kDtWordBreak == DT_WORDBREAK,
              "button and text styles");

void CToggleButton::PreSubclassWindow() {
  // Drawn here whatever type the template gave; alignment and multi-line bits stay.
  ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW, SWP_FRAMECHANGED);
  CButton::PreSubclassWindow();
}

LRESULT CToggleButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // A double click is a second press, so it clicks (and flips) again.
  if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
  return CButton::DefWindowProc(message, wParam, lParam);
}

BOOL CToggleButton::OnClicked() {
  m_bPressed = !m_bPressed;
  Invalidate();
  return FALSE;  // the owner hears the click next, and sees the new state
}

void CToggleButton::DrawItem(LPDRAWITEMSTRUCT dis) {
  CDC* pDC = CDC::FromHandle(dis->hDC);
  CRect r = dis->rcItem;
  pDC->DrawEdge(&r, m_bPressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT);

  CString caption;
  GetWindowText(caption);
  BOOL grey = (dis->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  buttons::ToggleCaption place = buttons::PlaceToggleCaption(
      buttons::Box{r.left, r.top, r.right, r.bottom}, GetStyle(), ::GetSystemMetrics(SM_CXBORDER),
      ::GetSystemMetrics(SM_CYBORDER), m_bPressed != FALSE);
  CRect text(place.rect.left, place.rect.top, place.rect.right, place.rect.bottom);
  UINT format = place.format;
  if (!(format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM))) {
    // Vertical placement works on single lines only: place a block of lines by its height.
    CRect measured = text;
    pDC->DrawText(caption, &measured, (format & ~(UINT)(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
    text.top = (format & DT_BOTTOM) ? text.bottom - measured.Height()
                                    : text.top + (text.Height() - measured.Height()) / 2;
    format &= ~(UINT)(DT_VCENTER | DT_BOTTOM);
  }
  int oldMode = pDC->SetBkMode(TRANSPARENT);
  COLORREF oldColour = pDC->SetTextColor(::GetSysColor(grey ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  pDC->DrawText(caption, &text, format);
  pDC->SetTextColor(oldColour);
  pDC->SetBkMode(oldMode);
}

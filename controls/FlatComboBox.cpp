// The flat combo box.
#include "controls/FlatComboBox.h"

#include "controls/ColourPopupLogic.h"

IMPLEMENT_DYNAMIC(CFlatComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CFlatComboBox, CComboBox)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_TIMER()
ON_WM_PAINT()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace {
const UINT_PTR kHoverTimer = 1;
}

CFlatComboBox::CFlatComboBox() : m_bLButtonDown(FALSE), m_bRaised(FALSE), m_nDisabledInset(1) {}

BOOL CFlatComboBox::CursorInside() const {
  POINT p;
  ::GetCursorPos(&p);
  CRect r;
  GetWindowRect(&r);
  return r.PtInRect(p);
}

void CFlatComboBox::OnMouseMove(UINT nFlags, CPoint point) {
  SetTimer(kHoverTimer, 10);
  CComboBox::OnMouseMove(nFlags, point);
}

void CFlatComboBox::OnLButtonDown(UINT nFlags, CPoint point) {
  m_bLButtonDown = TRUE;
  CComboBox::OnLButtonDown(nFlags, point);
}

void CFlatComboBox::OnLButtonUp(UINT nFlags, CPoint point) {
  m_bLButtonDown = FALSE;
  Invalidate();
  CComboBox::OnLButtonUp(nFlags, point);
}

void CFlatComboBox::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kHoverTimer) {
    CComboBox::OnTimer(nIDEvent);
    return;
  }
  colourpopup::ComboFrame f = colourpopup::ComboTimerTick(
      m_bRaised != FALSE, m_bLButtonDown != FALSE, CursorInside() != FALSE);
  if (f.stopTimer) KillTimer(kHoverTimer);
  m_bRaised = f.raised;
  if (f.state == 0) DrawCombo(0, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE));
  if (f.state == 1) DrawCombo(1, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
  if (f.state == 2) DrawCombo(2, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

void CFlatComboBox::OnPaint() {
  // Only changes the style when it differs, so painting does not trigger more painting.
  ModifyStyleEx(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME, 0, SWP_FRAMECHANGED);
  Default();
  if (CursorInside() || ::GetFocus() == m_hWnd)
    DrawCombo(1, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
  else
    DrawCombo(0, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE));
}

void CFlatComboBox::OnSetFocus(CWnd* pOldWnd) {
  CComboBox::OnSetFocus(pOldWnd);
  DrawCombo(1, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

void CFlatComboBox::OnKillFocus(CWnd* pNewWnd) {
  CComboBox::OnKillFocus(pNewWnd);
  DrawCombo(0, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE));
}

void CFlatComboBox::DrawCombo(int state, COLORREF topLeft, COLORREF bottomRight) {
  if (!m_hWnd) return;
  CRect r;
  GetClientRect(&r);
  HDC hDC = ::GetDC(m_hWnd);
  CDC* dc = CDC::FromHandle(hDC);
  dc->Draw3dRect(r, topLeft, bottomRight);
  r.DeflateRect(1, 1);
  BOOL enabled = IsWindowEnabled();
  dc->Draw3dRect(r, ::GetSysColor(enabled ? COLOR_BTNFACE : COLOR_BTNHIGHLIGHT),
                 ::GetSysColor(enabled ? COLOR_BTNFACE : COLOR_BTNHIGHLIGHT));
  r.DeflateRect(1, 1);
  CRect button = r;
  button.left = r.right - ::GetSystemMetrics(SM_CXHTHUMB);
  dc->Draw3dRect(button, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE));
  button.DeflateRect(1, 1);
  dc->Draw3dRect(button, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE));
  if (enabled) {
    CRect b = r;
    b.left = r.right - ::GetSystemMetrics(SM_CXHTHUMB);
    b.InflateRect(0, 1);
    COLORREF hi = ::GetSysColor(COLOR_BTNHIGHLIGHT), sh = ::GetSysColor(COLOR_BTNSHADOW);
    if (state == 0) {
      dc->Draw3dRect(b, hi, hi);
      b.left -= 1;
      dc->Draw3dRect(b, hi, hi);
    } else if (state == 1) {
      dc->Draw3dRect(b, hi, sh);
    } else {
      b.OffsetRect(1, 1);
      dc->Draw3dRect(b, sh, hi);
    }
  }
  ::ReleaseDC(m_hWnd, hDC);
}

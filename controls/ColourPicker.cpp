// The colour picker button.
#include "controls/ColourPicker.h"

#include "controls/ColourPopup.h"

using namespace colourpopup;

IMPLEMENT_DYNCREATE(CColourPicker, CButton)

BEGIN_MESSAGE_MAP(CColourPicker, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, &CColourPicker::OnClicked)
ON_WM_CREATE()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_QUERYNEWPALETTE()
ON_WM_PALETTECHANGED()
ON_MESSAGE(CPM_ACCEPT, &CColourPicker::OnSelEndOK)
ON_MESSAGE(CPM_CANCEL, &CColourPicker::OnSelEndCancel)
ON_MESSAGE(CPM_CHANGED, &CColourPicker::OnSelChange)
END_MESSAGE_MAP()

namespace {
const UINT_PTR kHoverTimer = 1;
}

CColourPicker::CColourPicker()
    : m_bActive(FALSE),
      m_bTrackSelection(FALSE),
      m_crColourBk(WithFlag(::GetSysColor(COLOR_BTNFACE))),
      m_crColourText(WithFlag(::GetSysColor(COLOR_BTNTEXT))),
      m_nSelectionMode(2),
      m_strDefaultText("Default"),
      m_strCustomText("More Colours..."),
      m_nID(0),
      m_bHover(FALSE),
      m_bPressed(FALSE),
      m_bRaised(FALSE),
      m_crDefault(kPaletteFlag),
      m_bShowDefaultSwatch(TRUE),
      m_hPopup(NULL) {}

CColourPicker::~CColourPicker() = default;

COLORREF CColourPicker::GetColour() const {
  return WithoutFlag(m_nSelectionMode == 1 ? m_crColourText : m_crColourBk);
}

void CColourPicker::SetColour(COLORREF colour) {
  if (m_nSelectionMode == 1)
    m_crColourText = WithFlag(colour);
  else
    m_crColourBk = WithFlag(colour);
  if (m_hWnd) RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

void CColourPicker::SetDefaultColour(COLORREF colour) {
  m_crDefault = WithFlag(colour);
}

COLORREF CColourPicker::GetDefaultColour() const {
  return WithoutFlag(m_crDefault);
}

CColourPopup* CColourPicker::GetPopup() const {
  return m_bActive && m_hPopup ? static_cast<CColourPopup*>(CWnd::FromHandlePermanent(m_hPopup))
                               : nullptr;
}

void CColourPicker::Prepare() {
  ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
  m_nID = GetDlgCtrlID();
  CClientDC dc(this);
  if ((dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) && !m_palette.m_hObject)
    m_palette.CreateHalftonePalette(&dc);
}

void CColourPicker::PreSubclassWindow() {
  CButton::PreSubclassWindow();
  if (::IsWindow(m_hWnd) && ::GetParent(m_hWnd)) Prepare();
}

int CColourPicker::OnCreate(LPCREATESTRUCT lpcs) {
  if (CButton::OnCreate(lpcs) == -1) return -1;
  Prepare();
  return 0;
}

void CColourPicker::NotifyParent(UINT message, COLORREF colour) {
  HWND hParent = ::GetParent(m_hWnd);
  if (hParent) ::SendMessageA(hParent, message, colour, m_nID);
}

BOOL CColourPicker::OnClicked() {
  if (m_bActive) return FALSE;
  m_bActive = TRUE;
  CRect r;
  GetWindowRect(&r);
  COLORREF current = m_nSelectionMode == 1 ? m_crColourText : m_crColourBk;
  CColourPopup* popup =
      new CColourPopup(CPoint(r.left, r.bottom), current, this, m_strDefaultText, m_strCustomText,
                       WithoutFlag(m_crDefault), m_bShowDefaultSwatch, r.Height());
  if (!popup->m_hWnd) {
    delete popup;
    m_bActive = FALSE;
    return FALSE;
  }
  m_hPopup = popup->m_hWnd;
  NotifyParent(CPM_DROPDOWN, current);
  return FALSE;  // the parent hears the click as well
}

LRESULT CColourPicker::OnSelEndOK(WPARAM wParam, LPARAM) {
  COLORREF colour = static_cast<COLORREF>(wParam);
  m_bActive = FALSE;
  m_hPopup = NULL;
  COLORREF previous = GetColour();
  SetColour(colour);
  NotifyParent(CPM_CLOSEUP, colour);
  NotifyParent(CPM_ACCEPT, colour);
  if (!SameColour(colour, previous)) NotifyParent(CPM_CHANGED, colour);
  return TRUE;
}

LRESULT CColourPicker::OnSelEndCancel(WPARAM wParam, LPARAM) {
  COLORREF colour = static_cast<COLORREF>(wParam);
  m_bActive = FALSE;
  m_hPopup = NULL;
  SetColour(colour);
  NotifyParent(CPM_CLOSEUP, colour);
  NotifyParent(CPM_CANCEL, colour);
  return TRUE;
}

LRESULT CColourPicker::OnSelChange(WPARAM wParam, LPARAM) {
  COLORREF colour = static_cast<COLORREF>(wParam);
  if (m_bTrackSelection) SetColour(colour);
  NotifyParent(CPM_CHANGED, colour);
  return TRUE;
}

void CColourPicker::OnMouseMove(UINT nFlags, CPoint point) {
  if (!m_bHover) {
    m_bHover = TRUE;
    SetTimer(kHoverTimer, 10, NULL);
  }
  CButton::OnMouseMove(nFlags, point);
}

void CColourPicker::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kHoverTimer) {
    CButton::OnTimer(nIDEvent);
    return;
  }
  if (m_bActive) return;
  POINT p;
  ::GetCursorPos(&p);
  CRect r;
  GetWindowRect(&r);
  if (!r.PtInRect(p)) {
    m_bHover = FALSE;
    KillTimer(kHoverTimer);
    if (m_bRaised) {
      m_bRaised = FALSE;
      Invalidate(FALSE);
    }
  } else if (!m_bRaised) {
    m_bRaised = TRUE;
    m_bPressed = (::GetKeyState(VK_LBUTTON) & 0x8000) != 0;
    Invalidate(FALSE);
  }
}

BOOL CColourPicker::OnQueryNewPalette() {
  if (!m_palette.m_hObject) return FALSE;
  CClientDC dc(this);
  CPalette* old = dc.SelectPalette(&m_palette, FALSE);
  UINT changed = dc.RealizePalette();
  dc.SelectPalette(old, FALSE);
  if (changed) Invalidate();
  return changed != 0;
}

void CColourPicker::OnPaletteChanged(CWnd* pFocusWnd) {
  if (pFocusWnd != this) OnQueryNewPalette();
}

void CColourPicker::DrawItem(LPDRAWITEMSTRUCT dis) {
  CDC* dc = CDC::FromHandle(dis->hDC);
  CRect r(dis->rcItem);
  BOOL selected = (dis->itemState & ODS_SELECTED) || m_bActive;
  BOOL disabled = (dis->itemState & ODS_DISABLED) != 0;
  BOOL focused = (dis->itemState & ODS_FOCUS) != 0;
  int state = selected ? 2 : ((m_bRaised || focused) ? 1 : (disabled ? 3 : 0));
  COLORREF face = ::GetSysColor(COLOR_BTNFACE), hi = ::GetSysColor(COLOR_BTNHIGHLIGHT),
           sh = ::GetSysColor(COLOR_BTNSHADOW);

  dc->FillSolidRect(r, face);
  // Outer frame, raised while hovered or pressed.
  if (state == 1 || state == 2)
    dc->Draw3dRect(r, hi, sh);
  else
    dc->Draw3dRect(r, face, face);
  CRect inner = r;
  inner.DeflateRect(1, 1);
  dc->Draw3dRect(inner, face, face);

  // Drop-down arrow at the right.
  int arrowWidth = ::GetSystemMetrics(SM_CXVSCROLL);
  CRect arrow(inner.right - arrowWidth, inner.top + 1, inner.right - 1, inner.bottom - 1);
  UINT arrowState = DFCS_SCROLLDOWN;
  if (state == 2) arrowState |= DFCS_PUSHED;
  if (state == 3) arrowState |= DFCS_INACTIVE;
  dc->DrawFrameControl(arrow, DFC_SCROLL, arrowState);
  CRect arrowFrame = arrow;
  arrowFrame.InflateRect(1, 1);
  if (state == 1)
    dc->Draw3dRect(arrowFrame, RGB(255, 255, 255), sh);
  else if (state == 2)
    dc->Draw3dRect(arrowFrame, sh, RGB(255, 255, 255));

  // The swatch.
  CRect swatch(r.left + 3, r.top + 3, r.right - (arrowWidth + 1) - 2, r.bottom - 3);
  CRect swatchFrame = swatch;
  swatchFrame.InflateRect(1, 1);
  dc->Draw3dRect(swatchFrame, RGB(255, 255, 255), RGB(255, 255, 255));
  COLORREF fill = disabled ? face : WithoutFlag(m_crColourBk);
  if (m_palette.m_hObject) {
    CPalette* old = dc->SelectPalette(&m_palette, FALSE);
    dc->RealizePalette();
    dc->FillSolidRect(swatch, WithFlag(fill));
    dc->SelectPalette(old, FALSE);
  } else {
    dc->FillSolidRect(swatch, fill);
  }

  CString text = GetWindowText();
  if (!text.IsEmpty()) {
    CRect t = swatch;
    t.DeflateRect(2, 2);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(disabled ? sh : WithoutFlag(m_crColourText));
    dc->DrawText(text, t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  if (focused) {
    CRect f = swatch;
    f.DeflateRect(1, 1);
    dc->DrawFocusRect(f);
  }
}

void DDX_ColourPicker(CDataExchange* pDX, int nIDC, COLORREF& colour) {
  HWND hCtl = pDX->PrepareCtrl(nIDC);
  CWnd* wnd = CWnd::FromHandlePermanent(hCtl);
  CColourPicker* picker = wnd ? DYNAMIC_DOWNCAST(CColourPicker, wnd) : nullptr;
  if (!picker) return;
  if (pDX->m_bSaveAndValidate) {
    pDX->Keep(colour);
    colour = picker->GetColour();
  } else {
    picker->SetColour(colour);
  }
}

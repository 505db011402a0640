#include "shell/PlaceholderSideBar.h"

#include "core/document/KelStrengthDoc.h"
#include "framework/win/DeviceContext.h"

IMPLEMENT_DYNCREATE(CPlaceholderSideBar, CView)

CPlaceholderSideBar::CPlaceholderSideBar() {
  AfxRegisterSideBar(this);
}

CPlaceholderSideBar::~CPlaceholderSideBar() {
  if (AfxGetSideBar() == this) AfxRegisterSideBar(nullptr);
}

void CPlaceholderSideBar::OnDraw(CDC* dc) {
  RECT rc;
  GetClientRect(&rc);
  ::FillRect(dc->m_hDC, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
  ::SetBkMode(dc->m_hDC, TRANSPARENT);
  ::SetTextColor(dc->m_hDC, ::GetSysColor(m_bEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  HGDIOBJ old = ::SelectObject(dc->m_hDC, ::GetStockObject(DEFAULT_GUI_FONT));
  CString text = "Parameters";
  if (m_pDoc && m_bEnabled) text += "\n\n" + m_pDoc->GetTitle() + "\n" +
                                    m_pDoc->m_pActiveCriterion->GetStressUnitLabel(TRUE);
  RECT box = {rc.left + 8, rc.top + 8, rc.right - 8, rc.bottom - 8};
  ::DrawTextA(dc->m_hDC, text, -1, &box, DT_LEFT | DT_WORDBREAK);
  ::SelectObject(dc->m_hDC, old);
}

void CPlaceholderSideBar::RefreshFromDocument() {
  if (!m_pDoc) return;
  Invalidate(TRUE);
  m_pDoc->UpdateAllViews(nullptr);
}

void CPlaceholderSideBar::ApplyParameters(int redrawHint, BOOL) {
  if (!m_pDoc) return;
  m_pDoc->m_nRedrawHint = redrawHint;
  m_pDoc->UpdateAllViews(nullptr);
}

void CPlaceholderSideBar::EnableControls(BOOL enable) {
  m_bEnabled = enable;
  if (!enable) m_pDoc = nullptr;
  if (m_hWnd) Invalidate(TRUE);
}

void CPlaceholderSideBar::ShowResults() {
  if (m_hWnd) Invalidate(TRUE);
}

void CPlaceholderSideBar::AttachDocument(CView*, CKelStrengthDoc* document, BOOL activate) {
  if (activate) {
    m_pDoc = document;
    if (m_hWnd) Invalidate(TRUE);
  }
}

#include "controls/GridOffscreenDC.h"

COffscreenDC::COffscreenDC(CDC* pDC)
    : m_pDC(pDC), m_hOldBitmap(NULL), m_rect(0, 0, 0, 0), m_bMemDC(FALSE) {
  if (pDC->GetClipBox(&m_rect) == ERROR) m_rect.SetRectEmpty();
  if (pDC->IsPrinting() || m_rect.IsRectEmpty()) {
    DrawThrough();
    return;
  }
  if (!CreateCompatibleDC(pDC)) {
    DrawThrough();
    return;
  }
  if (!m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height())) {
    DeleteDC();
    DrawThrough();
    return;
  }
  m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.m_hObject);
  SetWindowOrg(m_rect.left, m_rect.top);
  m_bMemDC = TRUE;
}

void COffscreenDC::DrawThrough() {
  m_hDC = m_pDC->m_hDC;
  m_hAttribDC = m_pDC->m_hAttribDC;
  m_bPrinting = m_pDC->m_bPrinting;
}

COffscreenDC::~COffscreenDC() {
  if (m_bMemDC) {
    m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left,
                  m_rect.top, SRCCOPY);
    ::SelectObject(m_hDC, m_hOldBitmap);
  } else {
    // Borrowed handles: not ours to delete.
    m_hDC = m_hAttribDC = NULL;
  }
}

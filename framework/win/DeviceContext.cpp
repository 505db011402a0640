// Device contexts.
#include "framework/win/DeviceContext.h"

#include "framework/win/TempMaps.h"
#include "framework/win/Wnd.h"

IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)
IMPLEMENT_DYNAMIC(CMetaFileDC, CDC)

CDC::~CDC() {
  if (m_bOwnsDC && m_hDC) ::DeleteDC(m_hDC);
}

HDC CDC::GetSafeHdc() const {
  return this ? m_hDC : NULL;
}

CDC* CDC::FromHandle(HDC hDC) {
  return AfxTempDC(hDC);
}

BOOL CDC::Attach(HDC hDC) {
  if (!hDC || m_hDC) return FALSE;
  m_hDC = m_hAttribDC = hDC;
  m_bOwnsDC = TRUE;
  m_bPrinting = ::GetDeviceCaps(hDC, TECHNOLOGY) == DT_RASPRINTER;
  return TRUE;
}

HDC CDC::Detach() {
  HDC hDC = m_hDC;
  m_hDC = m_hAttribDC = NULL;
  m_bOwnsDC = FALSE;
  m_bPrinting = FALSE;
  return hDC;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ h) {
  HGDIOBJ old = NULL;
  if (m_hDC && m_hDC != m_hAttribDC) old = ::SelectObject(m_hDC, h);
  if (m_hAttribDC) old = ::SelectObject(m_hAttribDC, h);
  return old;
}

int CDC::SetMapMode(int mode) {
  if (m_hAttribDC && m_hAttribDC != m_hDC) ::SetMapMode(m_hAttribDC, mode);
  return ::SetMapMode(m_hDC, mode);
}

BOOL CDC::DeleteDC() {
  if (!m_hDC) return FALSE;
  HDC hDC = Detach();
  return ::DeleteDC(hDC);
}

CBrush* CDC::GetHalftoneBrush() {
  static CBrush* brush = [] {
    WORD pattern[8];
    for (int i = 0; i < 8; ++i) pattern[i] = static_cast<WORD>(0x5555 << (i & 1));
    HBITMAP bmp = ::CreateBitmap(8, 8, 1, 1, pattern);
    CBrush* b = new CBrush;
    b->CreatePatternBrush(bmp);
    ::DeleteObject(bmp);
    return b;
  }();
  return brush;
}

void CDC::FillSolidRect(LPCRECT r, COLORREF c) {
  COLORREF old = ::SetBkColor(m_hDC, c);
  ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, r, NULL, 0, NULL);
  ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF c) {
  RECT r = {x, y, x + cx, y + cy};
  FillSolidRect(&r, c);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
  FillSolidRect(x, y, cx - 1, 1, topLeft);
  FillSolidRect(x, y, 1, cy - 1, topLeft);
  FillSolidRect(x + cx, y, -1, cy, bottomRight);
  FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

void CDC::Draw3dRect(LPCRECT r, COLORREF topLeft, COLORREF bottomRight) {
  Draw3dRect(r->left, r->top, r->right - r->left, r->bottom - r->top, topLeft, bottomRight);
}

CSize CDC::GetTextExtent(LPCSTR text, int n) const {
  SIZE s = {0, 0};
  ::GetTextExtentPoint32A(m_hAttribDC, text, n, &s);
  return s;
}

CSize CDC::GetOutputTextExtent(const CString& text) const {
  SIZE s = {0, 0};
  ::GetTextExtentPoint32A(m_hDC, text, text.GetLength(), &s);
  return s;
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(pWnd->GetSafeHwnd()) {
  m_hDC = m_hAttribDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC() {
  ::EndPaint(m_hWnd, &m_ps);
  Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) {
  m_hDC = m_hAttribDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC() {
  ::ReleaseDC(m_hWnd, m_hDC);
  Detach();
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) {
  m_hDC = m_hAttribDC = ::GetWindowDC(m_hWnd);
}

CWindowDC::~CWindowDC() {
  ::ReleaseDC(m_hWnd, m_hDC);
  Detach();
}

// ---- CMetaFileDC ----------------------------------------------------------------------------

CMetaFileDC::~CMetaFileDC() {
  DeleteDC();
}

BOOL CMetaFileDC::Create(LPCSTR fileName) {
  if (m_hDC) return FALSE;
  HDC dc = ::CreateMetaFileA(fileName);
  if (!dc) return FALSE;
  // An old-style metafile context answers no queries: it has no attribute context until one
  // is given.
  m_hDC = dc;
  m_hAttribDC = NULL;
  m_bOwnsDC = TRUE;
  m_bPrinting = FALSE;
  m_bEnhanced = FALSE;
  return TRUE;
}

BOOL CMetaFileDC::CreateEnhanced(CDC* pDCRef, LPCSTR fileName, LPCRECT bounds,
                                 LPCSTR description) {
  if (m_hDC) return FALSE;
  HDC ref = pDCRef ? pDCRef->m_hAttribDC : NULL;
  HDC dc = ::CreateEnhMetaFileA(ref, fileName, bounds, description);
  if (!dc) return FALSE;
  m_hDC = m_hAttribDC = dc;
  m_bOwnsDC = TRUE;
  m_bPrinting = FALSE;
  m_bEnhanced = TRUE;
  return TRUE;
}

HMETAFILE CMetaFileDC::Close() {
  if (!m_hDC || m_bEnhanced) return NULL;
  HDC dc = m_hDC;
  m_hDC = m_hAttribDC = NULL;
  m_bOwnsDC = FALSE;
  return ::CloseMetaFile(dc);
}

HENHMETAFILE CMetaFileDC::CloseEnhanced() {
  if (!m_hDC || !m_bEnhanced) return NULL;
  HDC dc = m_hDC;
  m_hDC = m_hAttribDC = NULL;
  m_bOwnsDC = FALSE;
  return ::CloseEnhMetaFile(dc);
}

BOOL CMetaFileDC::DeleteDC() {
  if (!m_hDC) return FALSE;
  // A recording ends by closing it; the metafile nobody took is freed.
  if (m_bEnhanced) {
    HENHMETAFILE emf = CloseEnhanced();
    return emf && ::DeleteEnhMetaFile(emf);
  }
  HMETAFILE wmf = Close();
  return wmf && ::DeleteMetaFile(wmf);
}

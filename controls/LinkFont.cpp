// The underlined font of the link statics.
#include "controls/LinkFont.h"

CFont* CLinkFont::GetUnderlined(CWnd* pWnd) {
  if (!m_bMade) {
    m_bMade = TRUE;
    m_hOwn = reinterpret_cast<HFONT>(pWnd->SendMessage(WM_GETFONT));
    HFONT source = m_hOwn ? m_hOwn : static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    LOGFONTA lf = {};
    if (::GetObjectA(source, sizeof lf, &lf) == sizeof lf) {
      lf.lfUnderline = TRUE;
      m_underlined.CreateFontIndirect(&lf);
    }
  }
  return m_underlined.m_hObject ? &m_underlined : NULL;
}

void CLinkFont::Underline(CWnd* pWnd, BOOL underline, BOOL redraw) {
  CFont* font = GetUnderlined(pWnd);
  if (!font || !pWnd->m_hWnd) return;
  HFONT wanted = underline ? static_cast<HFONT>(font->m_hObject) : m_hOwn;
  if (reinterpret_cast<HFONT>(pWnd->SendMessage(WM_GETFONT)) != wanted)
    pWnd->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(wanted), redraw);
  else if (redraw)
    pWnd->Invalidate(TRUE);
}

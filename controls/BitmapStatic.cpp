// CBitmapStatic: loading and stretching.
#include "controls/BitmapStatic.h"

IMPLEMENT_DYNAMIC(CBitmapStatic, CStatic)

BEGIN_MESSAGE_MAP(CBitmapStatic, CStatic)
ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CBitmapStatic::SetBitmap(UINT id) {
  m_bitmap.DeleteObject();
  m_nWidth = m_nHeight = 0;
  BITMAP bm = {};
  if (!m_bitmap.LoadBitmap(id) || !m_bitmap.GetBitmap(&bm)) {
    m_bitmap.DeleteObject();
    if (m_hWnd) Invalidate();
    return FALSE;
  }
  m_nWidth = bm.bmWidth;
  m_nHeight = bm.bmHeight;
  if (m_hWnd) Invalidate();
  return TRUE;
}

void CBitmapStatic::OnPaint() {
  if (!m_bitmap.m_hObject) {
    Default();
    return;
  }
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  CDC memory;
  if (!memory.CreateCompatibleDC(&dc)) return;
  CBitmap* old = memory.SelectObject(&m_bitmap);
  dc.SetStretchBltMode(COLORONCOLOR);
  dc.StretchBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, m_nWidth, m_nHeight, SRCCOPY);
  memory.SelectObject(old);
}

#include "framework/win/DibPixels.h"

CDibPixels::CDibPixels(int width, int height)
    : m_info(), m_height(height > 0 ? height : 0),
      m_pixels(static_cast<size_t>(width > 0 ? width : 0) * m_height) {
  m_info.bmiHeader.biSize = sizeof m_info.bmiHeader;
  m_info.bmiHeader.biWidth = width;
  m_info.bmiHeader.biHeight = -m_height;  // top-down
  m_info.bmiHeader.biPlanes = 1;
  m_info.bmiHeader.biBitCount = 32;
  m_info.bmiHeader.biCompression = BI_RGB;
}

BOOL CDibPixels::Read(HDC dc, HBITMAP bitmap) {
  if (m_pixels.empty()) return FALSE;
  return ::GetDIBits(dc, bitmap, 0, static_cast<UINT>(m_height), m_pixels.data(), &m_info,
                     DIB_RGB_COLORS) == m_height;
}

BOOL CDibPixels::Write(HDC dc, HBITMAP bitmap) const {
  if (m_pixels.empty()) return FALSE;
  return ::SetDIBits(dc, bitmap, 0, static_cast<UINT>(m_height), m_pixels.data(), &m_info,
                     DIB_RGB_COLORS) == m_height;
}

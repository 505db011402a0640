// A 32-bit top-down DIB selected into a memory DC, with direct pixel access, for checking what
// the chart draws.
#ifndef QUARVEX_TESTS_CHART_GDI_CANVAS_H
#define QUARVEX_TESTS_CHART_GDI_CANVAS_H

#include <windows.h>

#include <cstdint>

namespace qxchart {

class Canvas {
 public:
  Canvas(int w, int h, COLORREF fill = RGB(0x55, 0x66, 0x77)) : m_w(w), m_h(h) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    m_dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(m_dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<std::uint32_t*>(bits);
    m_old = SelectObject(m_dc, m_bitmap);
    RECT r = {0, 0, w, h};
    HBRUSH b = CreateSolidBrush(fill);
    FillRect(m_dc, &r, b);
    DeleteObject(b);
  }
  ~Canvas() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return m_dc; }
  HBITMAP Bitmap() const { return m_bitmap; }
  int Width() const { return m_w; }
  int Height() const { return m_h; }
  bool Ok() const { return m_bits != nullptr; }

  COLORREF Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_w || y >= m_h) return CLR_INVALID;
    GdiFlush();
    const std::uint32_t v = m_bits[static_cast<std::size_t>(y) * m_w + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
  // Pixels in [x0, x1) x [y0, y1) that have colour c.
  int Count(int x0, int y0, int x1, int y1, COLORREF c) const {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += Pixel(x, y) == c;
    return n;
  }
  // Pixels that differ from another canvas of the same size.
  int Differences(const Canvas& o) const {
    GdiFlush();
    int n = 0;
    for (int i = 0; i < m_w * m_h; ++i) n += (m_bits[i] & 0xFFFFFF) != (o.m_bits[i] & 0xFFFFFF);
    return n;
  }

 private:
  int m_w, m_h;
  HDC m_dc = nullptr;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_old = nullptr;
  std::uint32_t* m_bits = nullptr;
};

}  // namespace qxchart

#endif

// The pixels of a bitmap as 32-bit top-down rows (0x00RRGGBB), read and written in one call
// each: going pixel by pixel through a DC takes thousands of calls for one picture.
#pragma once

#include <windows.h>

#include <vector>

class CDibPixels {
 public:
  CDibPixels(int width, int height);
  // Every row of bitmap, which must not be selected into a DC; FALSE unless all rows came.
  BOOL Read(HDC dc, HBITMAP bitmap);
  // Every row back into bitmap; FALSE unless all rows went.
  BOOL Write(HDC dc, HBITMAP bitmap) const;
  std::vector<DWORD>& Pixels() { return m_pixels; }

 private:
  BITMAPINFO m_info;
  int m_height;
  std::vector<DWORD> m_pixels;
};

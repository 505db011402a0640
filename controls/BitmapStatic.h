// CBitmapStatic: a static that shows a bitmap resource stretched over its whole client area.
#pragma once

#include "framework/win/AfxWin.h"

class CBitmapStatic : public CStatic {
  DECLARE_DYNAMIC(CBitmapStatic)
 public:
  CBitmapStatic() : m_nWidth(0), m_nHeight(0) {}

  // Loads bitmap resource id in place of the previous one. FALSE (and no bitmap) when it is
  // missing or cannot be read.
  BOOL SetBitmap(UINT id);
  BOOL HasBitmap() const { return m_bitmap.m_hObject != NULL; }
  int GetBitmapWidth() const { return m_nWidth; }
  int GetBitmapHeight() const { return m_nHeight; }

 protected:
  afx_msg void OnPaint();
  DECLARE_MESSAGE_MAP()

  CBitmap m_bitmap;
  int m_nWidth;
  int m_nHeight;
};

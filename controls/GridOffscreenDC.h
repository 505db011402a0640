// COffscreenDC: a memory device context standing in for a paint DC, so a window paints into a
// bitmap the size of its clip box and copies it to the screen once (no flicker).
#pragma once

#include "framework/win/AfxWin.h"

class COffscreenDC : public CDC {
 public:
  // Over a printing DC, or when no bitmap can be made (an empty clip box), it draws straight
  // through to pDC.
  explicit COffscreenDC(CDC* pDC);
  // Copies the bitmap onto the clip box of the DC it stands for.
  ~COffscreenDC() override;
  COffscreenDC(const COffscreenDC&) = delete;
  COffscreenDC& operator=(const COffscreenDC&) = delete;

  BOOL IsOffscreen() const { return m_bMemDC; }

 private:
  void DrawThrough();

  CDC* m_pDC;
  CBitmap m_bitmap;
  HGDIOBJ m_hOldBitmap;
  CRect m_rect;
  BOOL m_bMemDC;
};

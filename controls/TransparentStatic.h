// CTransparentStatic: a bitmap static whose magenta pixels, RGB(255, 0, 255), let the
// background show through. Without a bitmap it paints as a plain static.
#pragma once

#include "framework/win/AfxWin.h"

class CTransparentStatic : public CStatic {
  DECLARE_DYNAMIC(CTransparentStatic)
 public:
  static const COLORREF kTransparent = RGB(255, 0, 255);

  // Draws bitmap at (0, 0) of dc, unscaled and clipped to size, with magenta transparent:
  // through the system's masked copy, or (useMaskBlt FALSE, or when that copy fails) by
  // combining mask and bitmap by hand. FALSE when nothing could be drawn.
  static BOOL DrawTransparent(CDC* pDC, HBITMAP bitmap, CSize size, BOOL useMaskBlt = TRUE);

 protected:
  afx_msg void OnPaint();
  DECLARE_MESSAGE_MAP()
};

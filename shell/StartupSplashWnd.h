// CStartupSplashWnd: the picture shown centred and on top while the program starts. It goes
// by itself after its time, or at once on a key or mouse-button press (which it swallows), and
// deletes itself; the creator keeps no pointer.
#pragma once

#include "framework/win/GdiObjects.h"
#include "framework/win/Wnd.h"

class CStartupSplashWnd : public CWnd {
 public:
  CStartupSplashWnd(UINT bitmapId, UINT elapse);
  ~CStartupSplashWnd() override;

  // Creates and shows the window; FALSE (nothing shown, the caller deletes the object) when
  // the bitmap cannot be loaded or a window cannot be made.
  BOOL Show();
  BOOL PreTranslateMessage(MSG* msg) override;

  // The bitmap as a DIB section, and a palette of its colour table (at most 256 colours) or a
  // halftone palette.
  static BOOL LoadBitmapAndPalette(LPCSTR resourceName, CBitmap& bitmap, CPalette& palette);
  // The palette for a DIB section: its colour table, or a halftone palette for more colours.
  static BOOL MakePalette(HBITMAP dibSection, CPalette& palette);
  // Splash objects alive in this process (for tests).
  static int GetLiveCount();

 protected:
  afx_msg void OnPaint();
  afx_msg void OnTimer(UINT_PTR id);
  void Close();  // destroys the windows and deletes the object

  UINT m_nBitmapId;
  UINT m_nElapse;
  UINT_PTR m_nTimerId = 0;
  CBitmap m_bitmap;
  CPalette m_palette;
  CWnd m_wndOwner;
  DECLARE_MESSAGE_MAP()
};

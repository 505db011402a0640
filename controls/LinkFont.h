// The underlined look of the link statics. A static draws with the font it holds, whatever the
// colouring message selected before, so the underlined copy of its own font is set on it, and
// its own font put back when the underline goes.
#pragma once

#include "framework/win/AfxWin.h"

class CLinkFont {
 public:
  CLinkFont() : m_hOwn(NULL), m_bMade(FALSE) {}
  CLinkFont(const CLinkFont&) = delete;
  CLinkFont& operator=(const CLinkFont&) = delete;

  // The control's own font with underlining, made on first use; NULL when it cannot be made.
  CFont* GetUnderlined(CWnd* pWnd);
  // Sets the underlined copy (or the own font again) on the control.
  void Underline(CWnd* pWnd, BOOL underline, BOOL redraw);

 private:
  CFont m_underlined;
  HFONT m_hOwn;  // NULL: the system font
  BOOL m_bMade;
};

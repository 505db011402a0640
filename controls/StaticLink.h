// CStaticLink: a static whose text is an always underlined link, opened through the shell when
// clicked; its colour changes once the link was followed. On an icon or bitmap static it only
// opens the link.
#pragma once

#include "controls/LinkFont.h"
#include "framework/win/AfxWin.h"

class CStaticLink : public CStatic {
  DECLARE_DYNAMIC(CStaticLink)
 public:
  CStaticLink();
  ~CStaticLink() override;

  COLORREF m_colorUnvisited;
  COLORREF m_colorVisited;
  BOOL m_bVisited;
  CString m_link;  // empty: the window text

 protected:
  afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  afx_msg void OnClicked();
  DECLARE_MESSAGE_MAP()

  CLinkFont m_font;
};

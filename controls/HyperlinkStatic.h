// CHyperlinkStatic: a text static that opens a web address when clicked. Its window fits its
// text, the text is underlined while the mouse is over it, a tooltip shows the address, and
// the colour changes once the link was followed. Opening goes through the shell, falling back
// to the browser registered for ".htm" pages; a failure is reported in a message box.
#pragma once

#include "controls/LinkFont.h"
#include "framework/win/AfxWin.h"

class CHyperlinkStatic : public CStatic {
  DECLARE_DYNAMIC(CHyperlinkStatic)
 public:
  CHyperlinkStatic();
  ~CHyperlinkStatic() override;

  // Stores the address, fits the window to its text and updates the tooltip.
  void SetURL(LPCSTR url);
  CString GetURL() const { return m_strURL; }
  void SetVisited(BOOL visited = TRUE);
  BOOL GetVisited() const { return m_bVisited; }
  BOOL IsHovering() const { return m_bOverControl; }
  BOOL IsUnderlined() const { return m_bUnderline; }
  COLORREF GetLinkColour() const { return m_crLinkColour; }
  COLORREF GetVisitedColour() const { return m_crVisitedColour; }
  CToolTipCtrl& GetToolTip() { return m_ToolTip; }

  // Opens url: the shell first, else the ".htm" browser's open command. Returns the shell's
  // result, or the browser start's; above 32 means success.
  static HINSTANCE GotoURL(LPCSTR url, int showCommand);
  // Shows why url could not be opened.
  static void ReportError(int error);

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void PreSubclassWindow() override;
  // Fits the window to its text (when fit to text is on).
  void PositionWindow();

  afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  afx_msg void OnClicked();
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnDestroy();
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  DECLARE_MESSAGE_MAP()

  BOOL m_bRelayToolTip;  // messages through PreTranslateMessage reach the tooltip
  BOOL m_bOverControl;
  COLORREF m_crLinkColour;
  COLORREF m_crVisitedColour;
  BOOL m_bVisited;
  BOOL m_bUnderline;
  BOOL m_bAdjustToFit;
  CString m_strURL;
  CLinkFont m_UnderlineFont;
  HCURSOR m_hLinkCursor;
  CToolTipCtrl m_ToolTip;
};

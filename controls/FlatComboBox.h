// CFlatComboBox: a combo box drawn with a flat frame that rises while the mouse is over it or
// it has the focus.
#pragma once

#include "framework/win/AfxWin.h"

class CFlatComboBox : public CComboBox {
  DECLARE_DYNAMIC(CFlatComboBox)
 public:
  CFlatComboBox();
  // Draws the frame: 0 flat, 1 raised, 2 pressed.
  void DrawCombo(int state, COLORREF topLeft, COLORREF bottomRight);
  BOOL IsRaised() const { return m_bRaised; }

 protected:
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnPaint();
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  BOOL CursorInside() const;

  BOOL m_bLButtonDown;
  BOOL m_bRaised;
  int m_nDisabledInset;
  DECLARE_MESSAGE_MAP()
};

// The name the fit dialogs use for the same control.
typedef CFlatComboBox CCJFlatComboBox;

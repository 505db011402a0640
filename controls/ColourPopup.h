// CColourPopup: the palette window a CColourPicker drops down. It holds the mouse capture while
// open, ends with accept or cancel (also when it loses the capture, when the application is
// deactivated and on close) and deletes itself when its window goes.
#pragma once

#include "controls/ColourPopupLogic.h"
#include "framework/win/AfxWin.h"

class CColourPopup : public CWnd {
 public:
  // Creates the popup at the screen point with the picker's colour and texts.
  CColourPopup(CPoint p, COLORREF colour, CWnd* pPicker, LPCSTR defaultText, LPCSTR customText,
               COLORREF defaultColour, BOOL showDefaultSwatch, int pickerHeight);
  ~CColourPopup() override;

  BOOL PreTranslateMessage(MSG* pMsg) override;
  int GetChosenCell() const { return m_nChosen; }
  int GetCurrentCell() const { return m_nCurrent; }
  COLORREF GetCurrentColour() const { return m_crColour; }
  const colourpopup::Layout& GetLayout() const { return m_layout; }
  // Moves the hot cell (as the mouse or keyboard would) and notifies the picker.
  void ChangeSelection(int cell);
  // Ends with CPM_ACCEPT (accept TRUE) or CPM_CANCEL and destroys the window.
  void EndSelection(BOOL accept);
  // Number of popups alive (for tests).
  static int GetLiveCount();

 protected:
  BOOL CreatePopup(CPoint p, int pickerHeight);
  void DrawCell(CDC* pDC, int cell);
  void PostNcDestroy() override;
  afx_msg void OnPaint();
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
  afx_msg void OnClose();
  afx_msg void OnDestroy();

  HWND m_hPicker;
  COLORREF m_crInitial;
  COLORREF m_crColour;
  COLORREF m_crDefault;
  BOOL m_bShowDefaultSwatch;
  CString m_strDefaultText;
  CString m_strCustomText;
  colourpopup::Layout m_layout;
  int m_nCurrent;
  int m_nChosen;
  BOOL m_bMouseDown;
  BOOL m_bEnding;
  CFont m_font;
  CBrush m_ditherBrush;
  CToolTipCtrl m_tooltip;

  DECLARE_MESSAGE_MAP()
};

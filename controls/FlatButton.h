// CFlatButton: an owner-drawn push button with an icon or bitmap beside, above or instead of
// its caption, a flat look that shows the border only while the mouse is over it (or always),
// a tooltip, an optional check-box behaviour and an optional web address opened on click.
//
// Attach it to a template button (DDX_Control or SubclassDlgItem); declare the button as a
// push button (a check-box type makes it a check box), then set pictures and tooltip in the
// dialog's initialisation. A double click counts as two presses.
#pragma once

#include "framework/win/AfxWin.h"

class CFlatButton : public CButton {
  DECLARE_DYNAMIC(CFlatButton)
 public:
  // Setter results.
  enum {
    BTNST_OK = 0,
    BTNST_INVALIDRESOURCE = 1,  // a picture could not be loaded or examined
    BTNST_FAILEDMASK = 2,       // a bitmap's mask could not be made
    BTNST_INVALIDINDEX = 3,     // colour index 6 or more
    BTNST_BADPARAM = 4,         // alignment above 3
  };
  // Colour slots of SetColor.
  enum {
    BTNST_COLOR_BK_IN = 0,   // background while hovered or pressed
    BTNST_COLOR_FG_IN = 1,   // text while hovered or pressed
    BTNST_COLOR_BK_OUT = 2,  // background otherwise
    BTNST_COLOR_FG_OUT = 3,  // text otherwise
    BTNST_COLOR_BK_FOCUS = 4,
    BTNST_COLOR_FG_FOCUS = 5,
    BTNST_MAX_COLORS = 6,
  };
  // Picture placement of SetAlign.
  enum { ST_ALIGN_HORIZ = 0, ST_ALIGN_VERT = 1, ST_ALIGN_HORIZ_RIGHT = 2, ST_ALIGN_LEFT_TEXT = 3 };
  // Second picture id of SetIcon: a grey copy of the first icon.
  static const UINT GRAY_COPY = static_cast<UINT>(-2);

  CFlatButton();
  ~CFlatButton() override;

  // Icon resources: the first shows while hovered or pressed (or checked), the second
  // otherwise (0: none, GRAY_COPY: a grey copy of the first). Old pictures are dropped first;
  // on failure the button has no pictures.
  DWORD SetIcon(UINT idIconIn, UINT idIconOut = 0);
  // Bitmap resources, each with the colour that shows the background through it.
  DWORD SetBitmaps(UINT idBitmapIn, COLORREF transparentIn, UINT idBitmapOut = 0,
                   COLORREF transparentOut = 0);
  // The picture of command cmdId in tool bar toolbarId as icon, its string resource as tooltip
  // (only the first line with firstLineOnly). Nothing changes when either is missing.
  DWORD SetToolbarImage(UINT toolbarId, UINT cmdId, BOOL firstLineOnly);
  DWORD SetFlat(BOOL flat, BOOL repaint = TRUE);
  DWORD SetAlign(BYTE align, BOOL repaint = TRUE);
  DWORD SetColor(BYTE index, COLORREF colour, BOOL repaint = TRUE);
  DWORD SetDefaultColors(BOOL repaint = TRUE);
  // Check-box mode only (ignored otherwise): checked when check is not 0.
  DWORD SetCheck(int check, BOOL repaint = TRUE);
  int GetCheck() const { return m_bChecked; }
  void SetAlwaysShowBorder(BOOL show) { m_bAlwaysShowBorder = show; }
  // NULL does nothing. The tooltip window itself is made when the mouse first comes over the
  // button (or when GetToolTip asks for it): a form full of buttons starts without them.
  void SetTooltipText(LPCSTR text, BOOL activate = TRUE);
  // Opened through the shell on click; at most 259 characters; NULL clears it.
  DWORD SetURL(LPCSTR url);

  // State, for callers and tests.
  BOOL IsFlat() const { return m_bIsFlat; }
  BOOL IsHovered() const { return m_bMouseOnButton; }
  BOOL IsCheckBoxMode() const { return m_bIsCheckBox; }
  BOOL IsDefaultButton() const { return m_bIsDefault; }
  BYTE GetAlign() const { return m_byAlign; }
  COLORREF GetColor(int index) const;
  CString GetURL() const { return m_strURL; }
  // The tooltip, made now if a text waits for it.
  CToolTipCtrl& GetToolTip();
  // Size of the shown picture (0 x 0 without one).
  CSize GetPictureSize() const;
  HICON GetIcon(int which) const { return m_icons[which & 1].handle; }

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void PreSubclassWindow() override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual DWORD OnDrawBackground(CDC* pDC, const CRect* pRect);
  virtual DWORD OnDrawBorder(CDC* pDC, const CRect* pRect);

  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnCancelMode();
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnEnable(BOOL bEnable);
  afx_msg UINT OnGetDlgCode();
  afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  afx_msg BOOL OnClicked();
  afx_msg LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  struct Icon {
    HICON handle = NULL;
    int width = 0, height = 0;
  };
  struct Bitmap {
    HBITMAP handle = NULL;
    HBITMAP mask = NULL;
    int width = 0, height = 0;
  };
  void FreePictures();
  void EndHover();
  void Repaint(BOOL repaint);
  void DrawPicture(CDC* pDC, const CRect& place, int which, BOOL disabled);
  void DrawCaption(CDC* pDC, const CRect& area, const CString& caption, BOOL disabled,
                   BOOL inColours);
  BOOL CreateToolTip();
  void ApplyTooltipText(LPCSTR text, BOOL activate);

  BOOL m_bDrawDisabledBitmaps;  // disabled bitmaps go through the disabled drawing state
  BOOL m_bIsFlat;
  BOOL m_bMouseOnButton;
  BOOL m_bIsPressed;   // as last drawn
  BOOL m_bIsFocused;   // as last drawn
  BOOL m_bIsDisabled;  // as last drawn
  BOOL m_bIsDefault;
  BOOL m_bIsCheckBox;
  BYTE m_byAlign;
  BOOL m_bDrawBorder;
  BOOL m_bDrawFlatFocus;
  COLORREF m_crColors[BTNST_MAX_COLORS];
  BOOL m_bDrawCaption;
  BOOL m_bAlwaysShowBorder;
  CToolTipCtrl m_ToolTip;
  CString m_strPendingTip;  // set before the tooltip was made
  BOOL m_bTipPending = FALSE;
  BOOL m_bPendingTipActive = TRUE;
  UINT m_nTypeStyle;
  BOOL m_bHoverWhenInactive;
  BOOL m_bChecked;
  CString m_strURL;
  Icon m_icons[2];
  Bitmap m_bitmaps[2];
};

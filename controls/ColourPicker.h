// CColourPicker: a button showing a colour swatch that drops down a CColourPopup of 40 named
// colours, an optional "Default" box and a "More Colours..." box. Every step is reported to the
// parent with the CPM_ messages (wParam the colour, lParam the picker's control id).
#pragma once

#include "framework/win/AfxWin.h"

#define CPM_CHANGED (WM_APP + 1001)
#define CPM_DROPDOWN (WM_APP + 1002)
#define CPM_CLOSEUP (WM_APP + 1003)
#define CPM_ACCEPT (WM_APP + 1004)
#define CPM_CANCEL (WM_APP + 1005)

class CColourPopup;

class CColourPicker : public CButton {
  DECLARE_DYNCREATE(CColourPicker)
 public:
  CColourPicker();
  ~CColourPicker() override;

  // The colour being edited (text colour in selection mode 1, else background), without the
  // palette flag.
  COLORREF GetColour() const;
  void SetColour(COLORREF colour);
  void SetDefaultColour(COLORREF colour);
  COLORREF GetDefaultColour() const;
  void SetDefaultText(LPCSTR text) { m_strDefaultText = text ? text : ""; }
  void SetCustomText(LPCSTR text) { m_strCustomText = text ? text : ""; }
  void SetTrackSelection(BOOL track) { m_bTrackSelection = track; }
  void SetSelectionMode(int mode) { m_nSelectionMode = mode; }
  void SetShowDefaultSwatch(BOOL show) { m_bShowDefaultSwatch = show; }
  BOOL IsPopupActive() const { return m_bActive; }
  // The open popup, or NULL.
  CColourPopup* GetPopup() const;

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

 protected:
  void PreSubclassWindow() override;
  void Prepare();
  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg BOOL OnClicked();
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg BOOL OnQueryNewPalette();
  afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
  afx_msg LRESULT OnSelEndOK(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSelEndCancel(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSelChange(WPARAM wParam, LPARAM lParam);
  void NotifyParent(UINT message, COLORREF colour);
  void DrawFrame(int state);

  BOOL m_bActive;
  BOOL m_bTrackSelection;
  COLORREF m_crColourBk;
  COLORREF m_crColourText;
  int m_nSelectionMode;
  CString m_strDefaultText;
  CString m_strCustomText;
  CPalette m_palette;
  int m_nID;
  BOOL m_bHover;
  BOOL m_bPressed;
  BOOL m_bRaised;
  COLORREF m_crDefault;
  BOOL m_bShowDefaultSwatch;
  HWND m_hPopup;

  DECLARE_MESSAGE_MAP()
};

void DDX_ColourPicker(CDataExchange* pDX, int nIDC, COLORREF& colour);

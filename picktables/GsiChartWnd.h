// CGsiChartWnd: the GSI chart in the GSI pick dialog. It shows the current sheet's picture at
// its pixel size, hosts the sheet chooser, the value edit and an OK button placed on the sheet,
// turns clicks into GSI values with a red marker, and shows the value or the surface condition
// under the mouse in a tooltip.
#pragma once

#include "controls/ResourcePicture.h"
#include "framework/win/AfxWin.h"
#include "picktables/GsiChartSheet.h"

class CGsiChartWnd : public CWnd {
 public:
  // Ids of the hosted controls (the OK button is IDOK).
  enum { IDC_VALUE_EDIT = 100, IDC_SHEET_COMBO = 101, IDC_SHEET_LABEL = 102,
         IDC_VALUE_LABEL = 103 };
  // The notification code sent to the parent after a sheet change.
  enum { NOTIFY_SHEET_CHANGED = 1 };

  CGsiChartWnd();
  ~CGsiChartWnd() override;

  // Replaces the placeholder control id of the dialog by the chart (same rectangle, id and
  // place in the tab order); false when the window cannot be made.
  bool CreateAt(UINT id, CDialog* parent);

  int GetValue() const { return m_nValue; }
  // Before creation: what the edit shows at first.
  void SetValue(int value) { m_nValue = value; }
  int GetSheet() const { return m_nSheet; }
  CPoint GetMarker() const { return m_marker; }

  int HitTest(CPoint point) const;
  void GetTipText(CString& text, CPoint point) const;
  // The window size whose client area is the current sheet's picture.
  CSize GetWindowSizeForSheet() const;
  // Draws the sheet's picture, pixel for pixel, and the marker with the picked value.
  void DrawSheet(CDC* pDC);
  CToolTipCtrl& GetToolTip() { return m_tip; }

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg UINT OnGetDlgCode();
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  afx_msg void OnOkButton();
  afx_msg void OnRockTypeChange();
  DECLARE_MESSAGE_MAP()

 protected:
  const CGsiChartSheet& Sheet() const { return GsiChartSheet(m_nSheet); }
  void InvalidateMarker();
  void PlaceControls(BOOL repaint);

  CToolTipCtrl m_tip;
  CResourcePicture m_pictures[GSI_SHEET_COUNT];
  int m_nSheet;
  int m_nValue;
  CPoint m_marker;  // (-1, -1): none
  CFont m_labelFont;
  CFont m_controlFont;
  CBrush m_whiteBrush;
  CComboBox m_combo;
  CEdit m_edit;
  CButton m_ok;
  CStatic m_sheetLabel;
  CStatic m_valueLabel;
};

// The Display Options dialog: line widths, decimal places, points per curve, justification,
// the curve colours of the current mode, what the plots show and the chart font. Every change
// goes through to the application at once and every document redraws; the command that opened
// the dialog puts the old settings back unless it ended with OK.
#pragma once

#include "controls/ColourPicker.h"
#include "controls/FlatComboBox.h"
#include "shell/DisplaySettings.h"

class CKelStrengthApp;

class CDisplayOptionsDlg : public CDialog {
 public:
  explicit CDisplayOptionsDlg(CWnd* parent = nullptr);

  // Reads the controls into the working copy and pushes it (and the colours) to the
  // application, which redraws every document.
  void ApplySettings();

  CFlatComboBox m_cboJustify, m_cboAxesWidth, m_cboPlotPoints, m_cboDecimals, m_cboLineWidth;
  CColourPicker m_pickerMohrCoulomb, m_pickerHoekBrown;
  int m_bProjectData, m_bGridOverlay, m_bBoundingBox, m_bCropAxes, m_bShowTitle, m_bShowMogi,
      m_bShowIcons;
  CString m_strFontDescription;
  CDisplaySettings m_settings;  // the working copy
  COLORREF m_crHoekBrown, m_crMohrCoulomb;
  CKelStrengthApp* m_pApp;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  // The combos and the font text from the working copy.
  void SelectFromSettings();
  afx_msg void OnRestoreDefaults();
  afx_msg void OnChooseFont();
  afx_msg void OnChanged();
  afx_msg LRESULT OnColourAccepted(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

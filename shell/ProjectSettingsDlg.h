// The Project Settings dialog (title, stress units, criterion, Hoek-Brown modulus method and
// intact modulus), the data-type warning it asks before a criterion change that needs test
// data of the other type, and the Preferences dialog.
#pragma once

#include "controls/FlatComboBox.h"
#include "controls/TipsDialog.h"

class CKelStrengthDoc;

class CProjectSettingsDlg : public CTipsDialog {
 public:
  CProjectSettingsDlg(CKelStrengthDoc* doc, CWnd* parent = nullptr);

  // The question with its warning switch: TRUE to go on. A cleared "Always show" box stores
  // that the question is not asked again (and later changes go on as if answered Yes).
  BOOL AskSwitchDataType(int direction);
  static BOOL IsSwitchDataTypeWarningOn();
  static void SetSwitchDataTypeWarning(int value);
  // "(MPa)" ... "(tsf)", "()" for an index outside 0-7.
  static CString UnitLabel(int units);

  CKelStrengthDoc* m_pDoc;
  CFlatComboBox m_cboUnits;
  CString m_strTitle;
  int m_nUnits = -1;
  int m_nCriterion = 0;
  double m_dIntactModulus = 25000.0;
  int m_nModulusMethod = 0;
  int m_nOldCriterion = 0;
  CString m_strOpeningTitle;  // the title when the dialog opened

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Reads the controls and asks the data-type question when the change needs it; the dialog
  // ends only when both went through. Nothing is applied here: the document applies the
  // settings after OK, so a No or a Cancel leaves every model untouched.
  void OnOK() override;
  void UpdateModulusControls();
  afx_msg void OnRadioClicked();
  afx_msg void OnUnitsChanged();
  DECLARE_MESSAGE_MAP()
};

// "Switching Data Types": Yes or No with an "Always show this warning" box. Esc and the close
// box answer No; the box counts however the dialog is left.
class CSwitchDataTypeDlg : public CTipsDialog {
 public:
  explicit CSwitchDataTypeDlg(CWnd* parent = nullptr);
  void SetMessage(LPCSTR text) { m_strMessage = text; }
  BOOL GetAlwaysShow() const { return m_bAlwaysShow; }

  CString m_strMessage;
  int m_bAlwaysShow = 1;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;
  afx_msg void OnYes();
  afx_msg void OnNo();
  DECLARE_MESSAGE_MAP()
};

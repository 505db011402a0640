// CPickResidualFrictionDlg: basic friction angles phib of 32 rock surfaces, filtered by
// moisture, and a calculator that turns phib and the Schmidt rebounds r (wet) and R (dry) into
// the residual friction angle phir = (phib - 20) + 20 r / R.
#pragma once

#include "controls/TransparentStatic.h"
#include "picktables/ListPickDlg.h"

class CPickResidualFrictionDlg : public CListPickDlg {
 public:
  explicit CPickResidualFrictionDlg(CWnd* pParent = NULL);

  double m_dPhir;  // degrees: preset by the caller, the pick after IDOK
  int m_nUnits;    // the document's unit system (UnitsType), for the normal-stress ranges

  void SetRow(int index, const char* name, const char* kind, const char* klass, const char* range,
              double value, int source) {
    m_table.SetRow(index, name, kind, klass, range, value, source);
  }

  // The timer of the pause in typing, after which the calculator recalculates.
  enum { kEditTimer = 1, kEditDelay = 1000 };

 protected:
  double& Value() override { return m_dPhir; }
  std::vector<CString> ColumnTitles() const override;
  std::vector<CString> RowTexts(const PickTableRow& row) const override;
  bool IsFiltered() const override { return m_bMoisture != 0; }
  void RunFilter() override;
  void ShowReference() override;

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  // Reads phib, R and r (with their ranges) and, when they are good, works phir out and shows
  // every field. Only what the formula needs is read, so a phir out of range (typed, or from
  // an earlier result) never stops it. With the calculator on and R = 0 phir stays as it was;
  // tell says whether to say why (the user acted, rather than a pause in typing).
  void CalculatePhir(bool tell = true);
  // The check boxes and the radio, which cannot be refused.
  void ReadChoices();
  void EnableMoistureRadios();
  void EnableCalculatorControls();
  void RestartEditTimer(int id);

  afx_msg void OnMoistureCheck();
  afx_msg void OnMoistureRadio();
  afx_msg void OnCalculatorCheck();
  afx_msg void OnPhibChange() { RestartEditTimer(IDC_EDIT_PHIB); }
  afx_msg void OnWetReboundChange() { RestartEditTimer(IDC_EDIT_WET); }
  afx_msg void OnDryReboundChange() { RestartEditTimer(IDC_EDIT_DRY); }
  afx_msg void OnEditKillFocus();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  DECLARE_MESSAGE_MAP()

 protected:
  enum { IDC_EDIT_PHIB = 16655, IDC_EDIT_WET = 16658, IDC_EDIT_DRY = 16659 };

  CTransparentStatic m_formula;
  CRealSpinCtrl m_wetSpin, m_drySpin, m_phibSpin, m_phirSpin;
  CString m_strReference;
  int m_bMoisture;
  int m_nMoisture;  // 0 wet, 1 dry
  int m_bCalculator;
  double m_dPhib;
  double m_dDryRebound;  // R
  double m_dWetRebound;  // r
  bool m_bInputsOnly;    // the exchange reads phib, R and r only
};

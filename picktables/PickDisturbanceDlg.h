// CPickDisturbanceDlg: the disturbance factor D by excavation case, for tunnels or slopes. The
// case and application last accepted are remembered for the run of the program.
#pragma once

#include "controls/RealSpinCtrl.h"
#include "controls/ToggleButton.h"
#include "picktables/DisturbanceCases.h"

class CPickDisturbanceDlg : public CDialog {
 public:
  explicit CPickDisturbanceDlg(CWnd* pParent = NULL);

  double m_dD;  // preset by the caller, the pick after IDOK

  // The caller's application (0 Tunnels, 1 Slopes); ignored while one is remembered, and for
  // any other value.
  void SetApplication(int application);
  int GetApplication() const { return m_nApplication; }
  // What every opening of the dialog remembers.
  static CDisturbanceMemory& Memory();

  CToggleButton& CaseButton(int application, int number);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  void SelectInitialCase();
  // Shows the pictures, texts and buttons of the chosen application and hides the others.
  void ShowCases();
  void OnCaseButton(int application, int number);
  void ShowD();
  afx_msg void OnApplicationRadio();
  DECLARE_MESSAGE_MAP()

 protected:
  CToggleButton m_buttons[2][DISTURBANCE_CASES];
  CRealSpinCtrl m_spin;
  int m_nApplication;
  double m_dOpening;
};

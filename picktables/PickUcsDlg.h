// CPickUcsDlg: intact uniaxial compressive strength sigci by field-estimate grade, in the
// document's unit system. The grade last accepted is remembered for the run of the program.
#pragma once

#include "controls/RealSpinCtrl.h"
#include "controls/ToggleButton.h"
#include "picktables/PickMemory.h"
#include "picktables/UcsGrades.h"

class CPickUcsDlg : public CDialog {
 public:
  explicit CPickUcsDlg(CWnd* pParent = NULL);

  double m_dSigci;  // preset by the caller, the pick after IDOK
  int m_nUnits;     // the document's unit system (UnitsType)

  static CRememberedChoice& RememberedGrade();
  CToggleButton& GradeButton(int grade) { return m_buttons[grade - 1]; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void SetUnitCaptions();
  void OnGradeButton(int grade);

  CToggleButton m_buttons[UCS_GRADE_COUNT];
  CRealSpinCtrl m_spin;
  double m_dOpening;
};

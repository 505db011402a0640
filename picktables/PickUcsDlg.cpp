#include "picktables/PickUcsDlg.h"

#include <cfloat>

#include "core/criteria/StrengthCriterion.h"
#include "picktables/ToggleGroup.h"
#include "res/PickTableResources.h"

CPickUcsDlg::CPickUcsDlg(CWnd* pParent)
    : CDialog(IDD_PICK_UCS, pParent), m_dSigci(0.0), m_nUnits(UNITS_MPA), m_dOpening(0.0) {}

CRememberedChoice& CPickUcsDlg::RememberedGrade() {
  static CRememberedChoice grade;
  return grade;
}

void CPickUcsDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  for (int g = 1; g <= UCS_GRADE_COUNT; ++g) DDX_Control(pDX, UcsGradeButton(g), GradeButton(g));
  DDX_Control(pDX, IDC_UCS_SPIN, m_spin);
  DDX_Text(pDX, IDC_UCS_VALUE, m_dSigci);
  DDV_MinMaxDouble(pDX, m_dSigci, 0.0, 1e308);
}

BOOL CPickUcsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // From 0, as the check at OK: the down arrow never jumps up to a minimum above the value.
  m_spin.SetRangeAndDelta(0.0, DBL_MAX, 1.0);
  m_spin.SetPos(m_dSigci);
  m_dOpening = m_dSigci;
  const int grade = RememberedGrade().Get();
  if (grade >= 1 && grade <= UCS_GRADE_COUNT) GradeButton(grade).m_bPressed = TRUE;
  SetUnitCaptions();
  return TRUE;
}

void CPickUcsDlg::SetUnitCaptions() {
  const UcsCaptions* captions = GetUcsCaptions(m_nUnits);
  if (!captions) return;  // the template's MPa texts stay
  SetDlgItemText(IDC_UCS_HEADING, captions->heading);
  SetDlgItemText(IDC_UCS_UNIT, captions->unit);
  for (int g = 1; g <= UCS_GRADE_COUNT; ++g)
    SetDlgItemText(UcsGradeButton(g), captions->grades[g - 1]);
}

BOOL CPickUcsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  // The button hears its click first and flips; the grade handler then sees the new state.
  const BOOL handled = CDialog::OnCommand(wParam, lParam);
  if (HIWORD(wParam) == BN_CLICKED)
    for (int g = 1; g <= UCS_GRADE_COUNT; ++g)
      if (UcsGradeButton(g) == LOWORD(wParam)) {
        OnGradeButton(g);
        return TRUE;
      }
  return handled;
}

void CPickUcsDlg::OnGradeButton(int grade) {
  if (GradeButton(grade).m_bPressed) {
    m_dSigci = UcsGradeValue(grade, m_nUnits);
    ReleaseOtherToggles(m_buttons, UCS_GRADE_COUNT, grade);
  } else {
    m_dSigci = m_dOpening;
  }
  m_spin.SetPos(m_dSigci);
}

void CPickUcsDlg::OnCancel() {
  m_dSigci = m_dOpening;
  CDialog::OnCancel();
}

void CPickUcsDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  RememberedGrade().Accept(FirstPressedToggle(m_buttons, UCS_GRADE_COUNT));
  EndDialog(IDOK);
}

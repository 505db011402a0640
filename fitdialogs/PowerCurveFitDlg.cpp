#include "fitdialogs/PowerCurveFitDlg.h"

#include "document/KelStrengthDoc.h"
#include "res/resource.h"

CPowerCurveFitDlg::CPowerCurveFitDlg(CKelStrengthDoc* doc, CWnd* parent)
    : CTwoTypeFitDialogT<CDialog>(IDD_FIT_POWER_CURVE, doc, parent), m_session(doc->m_powerCurve) {}

UINT CPowerCurveFitDlg::UnitStaticId() const {
  return IDC_FIT_PC_D_UNIT;
}

void CPowerCurveFitDlg::ShowResults() {
  ShowValue(IDC_FIT_PC_A, m_session.A());
  ShowValue(IDC_FIT_PC_D, m_session.D());
  ShowValue(IDC_FIT_PC_B, m_session.B());
  ShowValue(IDC_FIT_RESIDUALS, m_session.Residual());
}

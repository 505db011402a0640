#include "fitdialogs/MohrCoulombFitDlg.h"

#include "document/KelStrengthDoc.h"
#include "res/resource.h"

CMohrCoulombFitDlg::CMohrCoulombFitDlg(CKelStrengthDoc* doc, CWnd* parent)
    : CTwoTypeFitDialogT<CTipsDialog>(IDD_FIT_MOHR_COULOMB, doc, parent),
      m_session(doc->m_mohrCoulomb) {}

UINT CMohrCoulombFitDlg::UnitStaticId() const {
  return IDC_FIT_MC_C_UNIT;
}

BOOL CMohrCoulombFitDlg::OnInitDialog() {
  CTwoTypeFitDialogT<CTipsDialog>::OnInitDialog();
  SetDlgItemText(IDC_FIT_MC_SIGT_UNIT, m_session.UnitLabel());
  return TRUE;
}

void CMohrCoulombFitDlg::ShowResults() {
  ShowValue(IDC_FIT_MC_C, m_session.C());
  ShowValue(IDC_FIT_MC_PHI, m_session.Phi());
  ShowValue(IDC_FIT_MC_SIGT, m_session.Sigt());
  ShowValue(IDC_FIT_RESIDUALS, m_session.Residual());
}

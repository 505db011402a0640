#include "fitdialogs/HoekBrownFitDlg.h"

#include "document/KelStrengthDoc.h"
#include "res/resource.h"

CHoekBrownFitDlg::CHoekBrownFitDlg(CKelStrengthDoc* doc, CWnd* parent)
    : CTipsFitDialog(IDD_FIT_HOEK_BROWN, doc, parent), m_session(doc->m_hoekBrown) {}

UINT CHoekBrownFitDlg::UnitStaticId() const {
  return IDC_FIT_STRESS_UNIT;
}

void CHoekBrownFitDlg::ShowResults() {
  ShowValue(IDC_FIT_MI, m_session.Mi());
  ShowValue(IDC_FIT_SIGCI, m_session.Sigci());
  ShowValue(IDC_FIT_RESIDUALS, m_session.Residual());
}

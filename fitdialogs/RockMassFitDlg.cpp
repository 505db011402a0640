#include "fitdialogs/RockMassFitDlg.h"

#include "document/KelStrengthDoc.h"
#include "res/resource.h"

namespace {
const double kSigciMin = 0.0;
const double kSigciMax = 1e21;
const double kDMin = 0.0;
const double kDMax = 1.0;
}  // namespace

CRockMassFitDlg::CRockMassFitDlg(CKelStrengthDoc* doc, CWnd* parent)
    : CTipsFitDialog(IDD_FIT_ROCK_MASS, doc, parent), m_session(doc->m_hoekBrown) {}

UINT CRockMassFitDlg::UnitStaticId() const {
  return IDC_FIT_STRESS_UNIT;
}

void CRockMassFitDlg::ExchangeInputs(CDataExchange* pDX) {
  if (!pDX->m_bSaveAndValidate) {
    m_dSigci = m_session.Sigci();
    m_dD = m_session.D();
  }
  DDX_Text(pDX, IDC_FIT_RM_SIGCI, m_dSigci);
  DDV_MinMaxDouble(pDX, m_dSigci, kSigciMin, kSigciMax);
  DDX_Text(pDX, IDC_FIT_RM_D, m_dD);
  DDV_MinMaxDouble(pDX, m_dD, kDMin, kDMax);
  if (pDX->m_bSaveAndValidate) m_session.SetInputs(m_dSigci, m_dD);
}

bool CRockMassFitDlg::InputsInRange() const {
  const double sigci = m_session.Sigci(), D = m_session.D();
  return sigci >= kSigciMin && sigci <= kSigciMax && D >= kDMin && D <= kDMax;
}

void CRockMassFitDlg::ShowResults() {
  ShowValue(IDC_FIT_MI, m_session.Mi());
  ShowValue(IDC_FIT_RM_GSI, m_session.GSI());
  ShowValue(IDC_FIT_RM_MB, m_session.Mb());
  ShowValue(IDC_FIT_RM_S, m_session.S());
  ShowValue(IDC_FIT_RM_A, m_session.A());
  ShowValue(IDC_FIT_RESIDUALS, m_session.Residual());
}

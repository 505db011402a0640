#include "fitdialogs/BartonBandisFitDlg.h"

#include "document/KelStrengthDoc.h"
#include "res/resource.h"

CBartonBandisFitDlg::CBartonBandisFitDlg(CKelStrengthDoc* doc, CWnd* parent)
    : CPlainFitDialog(IDD_FIT_BARTON_BANDIS, doc, parent), m_session(doc->m_bartonBandis) {}

UINT CBartonBandisFitDlg::UnitStaticId() const {
  return IDC_FIT_BB_JCS_UNIT;
}

void CBartonBandisFitDlg::ExchangeInputs(CDataExchange* pDX) {
  if (!pDX->m_bSaveAndValidate) m_dPhir = m_session.Phir();
  DDX_Text(pDX, IDC_FIT_BB_PHIR, m_dPhir);
  DDV_MinMaxDouble(pDX, m_dPhir, 0.0, 90.0);
  if (pDX->m_bSaveAndValidate) m_session.SetPhir(m_dPhir);
}

void CBartonBandisFitDlg::ShowResults() {
  ShowValue(IDC_FIT_BB_JRC, m_session.Jrc());
  ShowValue(IDC_FIT_BB_JCS, m_session.Jcs());
  ShowValue(IDC_FIT_RESIDUALS, m_session.Residual());
}

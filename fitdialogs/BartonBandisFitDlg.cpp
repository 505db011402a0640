#include "fitdialogs/BartonBandisFitDlg.h"

#include "document/KelStrengthDoc.h"
#include "res/resource.h"

namespace {
const double kPhirMin = 0.0;
const double kPhirMax = 90.0;
}  // namespace

CBartonBandisFitDlg::CBartonBandisFitDlg(CKelStrengthDoc* doc, CWnd* parent)
    : CPlainFitDialog(IDD_FIT_BARTON_BANDIS, doc, parent), m_session(doc->m_bartonBandis) {}

UINT CBartonBandisFitDlg::UnitStaticId() const {
  return IDC_FIT_BB_JCS_UNIT;
}

void CBartonBandisFitDlg::ExchangeInputs(CDataExchange* pDX) {
  if (!pDX->m_bSaveAndValidate) m_dPhir = m_session.Phir();
  DDX_Text(pDX, IDC_FIT_BB_PHIR, m_dPhir);
  DDV_MinMaxDouble(pDX, m_dPhir, kPhirMin, kPhirMax);
  if (pDX->m_bSaveAndValidate) m_session.SetPhir(m_dPhir);
}

bool CBartonBandisFitDlg::InputsInRange() const {
  const double phir = m_session.Phir();
  return phir >= kPhirMin && phir <= kPhirMax;
}

void CBartonBandisFitDlg::ShowResults() {
  ShowValue(IDC_FIT_BB_JRC, m_session.Jrc());
  ShowValue(IDC_FIT_BB_JCS, m_session.Jcs());
  ShowValue(IDC_FIT_RESIDUALS, m_session.Residual());
}

#include "picktables/PickFrictionAngleDlg.h"

#include "picktables/PickTables.h"
#include "res/PickTableResources.h"

CPickFrictionAngleDlg::CPickFrictionAngleDlg(CWnd* pParent)
    : CSearchPickDlg(IDD_FRICTION_ANGLE, IDC_PHI_LIST, IDC_PHI_VALUE, FRICTION_ANGLE_ROW_COUNT,
                     pParent),
      m_dPhi(30.0) {
  BuildFrictionAngleTable(m_table);
}

std::vector<CString> CPickFrictionAngleDlg::ColumnTitles() const {
  return {"Name", "USCS Classification          ", "Phi range (deg)"};
}

const char* CPickFrictionAngleDlg::ReferenceText(int source) const {
  return FrictionAngleReference(source);
}

void CPickFrictionAngleDlg::DoDataExchange(CDataExchange* pDX) {
  CSearchPickDlg::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_PHI_VALUE, m_dPhi);
  DDV_MinMaxDouble(pDX, m_dPhi, 0.0, 90.0);
}

BOOL CPickFrictionAngleDlg::OnInitDialog() {
  CSearchPickDlg::OnInitDialog();
  m_spin.SetRangeAndDelta(0.0, 90.0, 1.0);
  SetColumns();
  RefreshList();
  EnableSearchControls();
  m_dSaved = m_dPhi;
  return TRUE;
}

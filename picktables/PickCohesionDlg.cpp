#include "picktables/PickCohesionDlg.h"

#include <cfloat>

#include "core/criteria/StrengthCriterion.h"
#include "picktables/PickTables.h"
#include "res/PickTableResources.h"

CPickCohesionDlg::CPickCohesionDlg(CWnd* pParent)
    : CSearchPickDlg(IDD_COHESION, IDC_COHESION_LIST, IDC_COHESION_VALUE, COHESION_ROW_COUNT,
                     pParent),
      m_dCohesion(0.0),
      m_nUnits(UNITS_MPA) {
  BuildCohesionTable(m_table, UNITS_MPA);
}

std::vector<CString> CPickCohesionDlg::ColumnTitles() const {
  return {"Name", "USCS Classification          ", CohesionRangeTitle(m_nUnits)};
}

const char* CPickCohesionDlg::ReferenceText(int source) const { return CohesionReference(source); }

void CPickCohesionDlg::DoDataExchange(CDataExchange* pDX) {
  CSearchPickDlg::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_COHESION_VALUE, m_dCohesion);
  DDV_MinMaxDouble(pDX, m_dCohesion, 0.0, 1e308);
}

void CPickCohesionDlg::ShowUnit() {
  if (m_nUnits >= 0 && m_nUnits < UNITS_COUNT)
    SetDlgItemText(IDC_COHESION_UNIT, CStrengthCriterion::StressUnitLabel(m_nUnits, FALSE));
}

BOOL CPickCohesionDlg::OnInitDialog() {
  CSearchPickDlg::OnInitDialog();
  // Wide enough for every value of the table in any unit system.
  m_spin.SetRangeAndDelta(0.0, DBL_MAX, 1.0);
  SetColumns();
  BuildCohesionTable(m_table, m_nUnits);
  RefreshList();
  ShowUnit();
  EnableSearchControls();
  m_dSaved = m_dCohesion;
  return TRUE;
}

#include "picktables/PickJcsDlg.h"

#include <cfloat>

#include "core/criteria/StrengthCriterion.h"
#include "framework/base/NumberText.h"
#include "picktables/PickListView.h"
#include "res/PickTableResources.h"

namespace {
const char* const kKindWords[2] = {"soil", "rock"};
}

BEGIN_MESSAGE_MAP(CPickJcsDlg, CDialog)
ON_BN_CLICKED(IDC_JCS_WEATHERED, &CPickJcsDlg::OnWeatheredCheck)
ON_BN_CLICKED(IDC_JCS_FILTER_CHECK, &CPickJcsDlg::OnFilterCheck)
ON_BN_CLICKED(IDC_JCS_SOIL, &CPickJcsDlg::OnKindRadio)
ON_BN_CLICKED(IDC_JCS_ROCK, &CPickJcsDlg::OnKindRadio)
END_MESSAGE_MAP()

CPickJcsDlg::CPickJcsDlg(CWnd* pParent)
    : CDialog(IDD_JCS_VALUES, pParent),
      m_dJcs(0.0),
      m_nUnits(UNITS_MPA),
      m_bFilter(0),
      m_bWeathered(0),
      m_nKind(1),
      m_bSelectedRock(0),
      m_nBusy(0),
      m_dOpening(0.0),
      m_dUnreduced(0.0) {}

void CPickJcsDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_JCS_SPIN, m_spin);
  DDX_Control(pDX, IDC_JCS_LIST, m_list);
  DDX_Check(pDX, IDC_JCS_FILTER_CHECK, m_bFilter);
  DDX_Check(pDX, IDC_JCS_WEATHERED, m_bWeathered);
  DDX_Text(pDX, IDC_JCS_VALUE, m_dJcs);
  DDV_MinMaxDouble(pDX, m_dJcs, 0.0, 1e308);
  DDX_Radio(pDX, IDC_JCS_SOIL, m_nKind);
}

BOOL CPickJcsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // Wide enough for every value of the table in any unit system.
  m_spin.SetRangeAndDelta(0.0, DBL_MAX, 1.0);
  SetColumns();
  m_table.Build(m_nUnits);
  FillList();
  m_bSelectedRock = 0;
  UpdateData(FALSE);
  ShowUnit();
  EnableFilterControls();
  m_dOpening = m_dUnreduced = m_dJcs;
  return TRUE;
}

void CPickJcsDlg::SetColumns() {
  ++m_nBusy;
  SetPickListColumns(m_list, {"Material", "Description", JcsRangeTitle(m_nUnits)}, 1);
  --m_nBusy;
}

void CPickJcsDlg::FillList() {
  ++m_nBusy;
  m_list.DeleteAllItems();
  std::vector<int> rows;
  if (m_bFilter) {
    m_filtered = m_table.Filter(kKindWords[m_nKind == 0 ? 0 : 1]);
    rows = m_filtered;
    SetDlgItemText(IDC_JCS_FIELD_ESTIMATE, "");
    SetDlgItemText(IDC_JCS_EXAMPLE, "");
  } else {
    for (int i = 0; i < CJcsTable::kRowCount; ++i) rows.push_back(i);
  }
  for (size_t i = 0; i < rows.size(); ++i) {
    const JcsRow& row = m_table.GetRow(rows[i]);
    const int item = m_list.InsertItem(static_cast<int>(i), row.kind);
    m_list.SetItemText(item, 1, row.description);
    m_list.SetItemText(item, 2, row.range);
  }
  if (m_bFilter && m_nKind == 0) m_bSelectedRock = 0;
  --m_nBusy;
}

int CPickJcsDlg::SelectedRow() const {
  const int item = m_list.GetNextItem(-1, LVNI_SELECTED);
  if (item < 0) return -1;
  if (!m_bFilter) return item < CJcsTable::kRowCount ? item : -1;
  return item < static_cast<int>(m_filtered.size()) ? m_filtered[item] : -1;
}

void CPickJcsDlg::ShowSelection() {
  const int row = SelectedRow();
  if (row >= 0) {
    const JcsRow& r = m_table.GetRow(row);
    m_dUnreduced = r.value;
    m_bSelectedRock = r.kind == "rock";
    m_dJcs = JcsPickedValue(r, m_bWeathered != 0);
    // Ten digits: a value of the table reads back as it is.
    SetDlgItemText(IDC_JCS_VALUE, FormatNumber("%.10g", m_dJcs));
    SetDlgItemText(IDC_JCS_FIELD_ESTIMATE, r.fieldEstimate);
    SetDlgItemText(IDC_JCS_EXAMPLE, r.example);
  }
  ShowUnit();
  EnableFilterControls();
}

void CPickJcsDlg::ShowUnit() {
  if (m_nUnits >= 0 && m_nUnits < UNITS_COUNT)
    SetDlgItemText(IDC_JCS_UNIT, CStrengthCriterion::StressUnitLabel(m_nUnits, FALSE));
}

void CPickJcsDlg::EnableFilterControls() {
  GetDlgItem(IDC_JCS_SOIL)->EnableWindow(m_bFilter != 0);
  GetDlgItem(IDC_JCS_ROCK)->EnableWindow(m_bFilter != 0);
  GetDlgItem(IDC_JCS_WEATHERED)->EnableWindow((m_bFilter && m_nKind == 1) || m_bSelectedRock);
}

BOOL CPickJcsDlg::ReadFields() {
  if (UpdateData(TRUE)) return TRUE;
  m_bFilter = IsDlgButtonChecked(IDC_JCS_FILTER_CHECK) == BST_CHECKED;
  m_bWeathered = IsDlgButtonChecked(IDC_JCS_WEATHERED) == BST_CHECKED;
  m_nKind = IsDlgButtonChecked(IDC_JCS_SOIL) == BST_CHECKED ? 0 : 1;
  return FALSE;
}

BOOL CPickJcsDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* hdr = reinterpret_cast<NMHDR*>(lParam);
  if (hdr && hdr->idFrom == IDC_JCS_LIST && hdr->code == LVN_ITEMCHANGED) {
    auto* change = reinterpret_cast<NMLISTVIEW*>(lParam);
    *pResult = 0;
    if (m_nBusy == 0 && SelectsOrUnselectsItem(*change)) ShowSelection();
    return TRUE;
  }
  return CDialog::OnNotify(wParam, lParam, pResult);
}

void CPickJcsDlg::OnWeatheredCheck() {
  const BOOL read = ReadFields();
  if (SelectedRow() >= 0 && m_bSelectedRock && m_bWeathered) {
    // The value as it stands in the edit (it may have been typed over), reduced.
    if (!read) return;
    m_dJcs = m_dJcs * kJcsWeatheredFactor;
  } else {
    m_dJcs = m_dUnreduced;
  }
  SetDlgItemText(IDC_JCS_VALUE, FormatNumber("%.10g", m_dJcs));
}

void CPickJcsDlg::OnFilterCheck() {
  ReadFields();
  FillList();
  ShowSelection();
  SetDlgItemText(IDC_JCS_FIELD_ESTIMATE, "");
  SetDlgItemText(IDC_JCS_EXAMPLE, "");
}

void CPickJcsDlg::OnKindRadio() {
  ReadFields();
  FillList();
  ShowSelection();
}

void CPickJcsDlg::OnCancel() {
  m_dJcs = m_dOpening;
  CDialog::OnCancel();
}

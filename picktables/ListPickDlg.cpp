#include "picktables/ListPickDlg.h"

#include "framework/base/NumberText.h"
#include "picktables/PickListView.h"
#include "res/PickTableResources.h"

CListPickDlg::CListPickDlg(UINT nIDTemplate, int listId, int rowCount, CWnd* pParent)
    : CDialog(nIDTemplate, pParent),
      m_table(rowCount),
      m_nListId(listId),
      m_nBusy(0),
      m_dSaved(0.0) {}

std::vector<CString> CListPickDlg::RowTexts(const PickTableRow& row) const {
  return {row.name, row.klass, row.range};
}

void CListPickDlg::SetColumns() {
  CBusy busy(m_nBusy);
  SetPickListColumns(m_list, ColumnTitles(), 0);
}

void CListPickDlg::ApplyFilter() {
  CBusy busy(m_nBusy);
  m_list.DeleteAllItems();
  const bool filtered = IsFiltered();
  if (filtered) RunFilter();
  const int count = filtered ? m_table.GetMatchCount() : m_table.GetRowCount();
  for (int i = 0; i < count; ++i) {
    const std::vector<CString> texts = RowTexts(m_table.GetRow(filtered ? m_table.GetMatch(i) : i));
    const int item = m_list.InsertItem(i, texts[0]);
    for (size_t c = 1; c < texts.size(); ++c)
      m_list.SetItemText(item, static_cast<int>(c), texts[c]);
  }
}

int CListPickDlg::SelectedRow() const {
  return m_table.RowAtPosition(m_list.GetNextItem(-1, LVNI_SELECTED), IsFiltered());
}

BOOL CListPickDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* hdr = reinterpret_cast<NMHDR*>(lParam);
  if (hdr && static_cast<int>(hdr->idFrom) == m_nListId && hdr->code == LVN_ITEMCHANGED) {
    auto* change = reinterpret_cast<NMLISTVIEW*>(lParam);
    *pResult = 0;
    // The dialog's own refills are no pick.
    if (m_nBusy == 0 && SelectsOrUnselectsItem(*change)) ShowReference();
    return TRUE;
  }
  return CDialog::OnNotify(wParam, lParam, pResult);
}

void CListPickDlg::OnCancel() {
  // Nothing the closing window sends (a focus change) may calculate a value any more.
  ++m_nBusy;
  Value() = m_dSaved;
  CDialog::OnCancel();
}

// ---- search --------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CSearchPickDlg, CListPickDlg)
ON_BN_CLICKED(IDC_PICK_SEARCH_CHECK, &CSearchPickDlg::OnFilterCheck)
ON_BN_CLICKED(IDC_PICK_SEARCH_GO, &CSearchPickDlg::OnSearchGo)
ON_BN_CLICKED(IDC_PICK_VISIBLE_OK, &CSearchPickDlg::OnVisibleOk)
END_MESSAGE_MAP()

CSearchPickDlg::CSearchPickDlg(UINT nIDTemplate, int listId, int valueEditId, int rowCount,
                               CWnd* pParent)
    : CListPickDlg(nIDTemplate, listId, rowCount, pParent),
      m_bSearch(0),
      m_nValueEditId(valueEditId) {}

void CSearchPickDlg::DoDataExchange(CDataExchange* pDX) {
  CListPickDlg::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PICK_VALUE_SPIN, m_spin);
  DDX_Control(pDX, m_nListId, m_list);
  DDX_Check(pDX, IDC_PICK_SEARCH_CHECK, m_bSearch);
  DDX_Text(pDX, IDC_PICK_SEARCH_TEXT, m_strSearch);
}

void CSearchPickDlg::ReadFields() {
  if (UpdateData(TRUE)) return;
  m_bSearch = IsDlgButtonChecked(IDC_PICK_SEARCH_CHECK) == BST_CHECKED;
  GetDlgItemText(IDC_PICK_SEARCH_TEXT, m_strSearch);
}

void CSearchPickDlg::EnableSearchControls() {
  GetDlgItem(IDC_PICK_SEARCH_TEXT)->EnableWindow(m_bSearch != 0);
  GetDlgItem(IDC_PICK_SEARCH_GO)->EnableWindow(m_bSearch != 0);
}

void CSearchPickDlg::RefreshList() {
  CBusy busy(m_nBusy);
  ApplyFilter();
  UpdateData(FALSE);
}

void CSearchPickDlg::OnFilterCheck() {
  ReadFields();
  EnableSearchControls();
  ApplyFilter();
  SetDlgItemText(IDC_PICK_REFERENCE, "");
}

void CSearchPickDlg::RunFilter() {
  m_table.FilterByText(m_strSearch);
  SetDlgItemText(IDC_PICK_REFERENCE, "");
}

void CSearchPickDlg::OnSearchGo() {
  // The text as it stands, also while the edit is disabled.
  GetDlgItemText(IDC_PICK_SEARCH_TEXT, m_strSearch);
  RunFilter();
  ReadFields();
  ApplyFilter();
}

void CSearchPickDlg::OnOK() { OnSearchGo(); }

void CSearchPickDlg::OnVisibleOk() { CDialog::OnOK(); }

void CSearchPickDlg::ShowReference() {
  const int row = SelectedRow();
  if (row >= 0) {
    const PickTableRow& r = m_table.GetRow(row);
    Value() = r.value;
    SetDlgItemText(m_nValueEditId, FormatNumber("%g", r.value));
    SetDlgItemText(IDC_PICK_REFERENCE, ReferenceText(r.source));
  }
  AfterReference();
}

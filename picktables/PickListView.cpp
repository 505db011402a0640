#include "picktables/PickListView.h"

#include "picktables/PickTable.h"

void SetPickListColumns(CListCtrl& list, const std::vector<CString>& titles, int spareColumn) {
  std::vector<int> titleWidths;
  for (const CString& t : titles) titleWidths.push_back(list.GetStringWidth(t));
  CRect client;
  list.GetClientRect(&client);
  const int space = client.Width() - ::GetSystemMetrics(SM_CXVSCROLL) - 2;
  const std::vector<int> widths =
      PickColumnWidths(titleWidths, ::GetSystemMetrics(SM_CXSMICON), spareColumn, space);
  for (size_t i = 0; i < titles.size(); ++i)
    list.InsertColumn(static_cast<int>(i), titles[i], LVCFMT_LEFT, widths[i]);
  list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
}

bool SelectsOrUnselectsItem(const NMLISTVIEW& change) {
  return change.iSubItem == 0 && (change.uChanged & LVIF_STATE) &&
         ((change.uOldState ^ change.uNewState) & LVIS_SELECTED);
}

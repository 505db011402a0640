// What the pick dialogs' report lists share: their columns, and the one kind of change they act
// on.
#pragma once

#include <vector>

#include "framework/win/AfxWin.h"

// Inserts the titled columns, each as wide as its title plus a small icon, with the width the
// list has to spare (beside its vertical scroll bar) going to spareColumn; full-row selection.
void SetPickListColumns(CListCtrl& list, const std::vector<CString>& titles, int spareColumn);

// Whether a list change selects or unselects a whole item (other state changes, and changes of
// subitems, are no pick).
bool SelectsOrUnselectsItem(const NMLISTVIEW& change);

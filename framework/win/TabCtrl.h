// CTabCtrl: the system tab control.
#pragma once

#include "framework/win/Wnd.h"

class CTabCtrl : public CWnd {
  DECLARE_DYNAMIC(CTabCtrl)
 public:
  CTabCtrl() = default;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::CreateEx(0, WC_TABCONTROLA, nullptr, style | WS_CHILD, rect, parent, id);
  }
  int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
  int SetCurSel(int item) { return static_cast<int>(SendMessage(TCM_SETCURSEL, item)); }
  BOOL GetItem(int item, TCITEMA* info) const {
    return SendMessage(TCM_GETITEMA, item, reinterpret_cast<LPARAM>(info)) != 0;
  }
  BOOL SetItem(int item, TCITEMA* info) {
    return SendMessage(TCM_SETITEMA, item, reinterpret_cast<LPARAM>(info)) != 0;
  }
  int InsertItem(int item, TCITEMA* info) {
    return static_cast<int>(SendMessage(TCM_INSERTITEMA, item, reinterpret_cast<LPARAM>(info)));
  }
  BOOL DeleteItem(int item) { return SendMessage(TCM_DELETEITEM, item) != 0; }
  BOOL DeleteAllItems() { return SendMessage(TCM_DELETEALLITEMS) != 0; }
  BOOL GetItemRect(int item, LPRECT rect) const {
    return SendMessage(TCM_GETITEMRECT, item, reinterpret_cast<LPARAM>(rect)) != 0;
  }
  int HitTest(TCHITTESTINFO* info) const {
    return static_cast<int>(SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
  }
  HIMAGELIST SetImageList(HIMAGELIST list) {
    return reinterpret_cast<HIMAGELIST>(
        SendMessage(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list)));
  }
  // Removes an image and renumbers the images of the other tabs.
  void RemoveImage(int image) { SendMessage(TCM_REMOVEIMAGE, image); }
};

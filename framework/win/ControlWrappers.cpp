// Control wrappers.
#include "framework/win/ControlWrappers.h"

#include "framework/win/ImageList.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_DRAWITEM) {
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult) *pResult = TRUE;
    return TRUE;
  }
  return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

void CStatic::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_DRAWITEM) {
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult) *pResult = TRUE;
    return TRUE;
  }
  return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

namespace {

// Owner-draw reflection shared by combo and list boxes.
template <class T>
BOOL ReflectOwnerDraw(T* self, UINT message, LPARAM lParam, LRESULT* pResult, BOOL* handled) {
  *handled = TRUE;
  switch (message) {
    case WM_DRAWITEM:
      self->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
      if (pResult) *pResult = TRUE;
      break;
    case WM_MEASUREITEM:
      self->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
      if (pResult) *pResult = TRUE;
      break;
    case WM_COMPAREITEM:
      if (pResult) *pResult = self->CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
      break;
    case WM_DELETEITEM:
      self->DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
      if (pResult) *pResult = TRUE;
      break;
    default:
      *handled = FALSE;
      break;
  }
  return *handled;
}

}  // namespace

void CComboBox::GetLBText(int i, CString& s) const {
  int n = GetLBTextLen(i);
  if (n < 0) {
    s.Empty();
    return;
  }
  char* buffer = s.GetBuffer(n + 1);
  SendMessage(CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
  s.ReleaseBuffer();
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) {
  return 0;
}
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  BOOL handled = FALSE;
  if (ReflectOwnerDraw(this, message, lParam, pResult, &handled)) return TRUE;
  return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

void CListBox::GetText(int i, CString& s) const {
  int n = GetTextLen(i);
  if (n < 0) {
    s.Empty();
    return;
  }
  char* buffer = s.GetBuffer(n + 1);
  SendMessage(LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer));
  s.ReleaseBuffer();
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) {
  return 0;
}
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  BOOL handled = FALSE;
  if (ReflectOwnerDraw(this, message, lParam, pResult, &handled)) return TRUE;
  return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

int CListCtrl::InsertColumn(int col, LPCSTR heading, int format, int width, int sub) {
  LVCOLUMNA c = {};
  c.mask = LVCF_TEXT | LVCF_FMT;
  c.fmt = format;
  c.pszText = const_cast<LPSTR>(heading);
  if (width >= 0) {
    c.mask |= LVCF_WIDTH;
    c.cx = width;
  }
  if (sub >= 0) {
    c.mask |= LVCF_SUBITEM;
    c.iSubItem = sub;
  }
  return (int)SendMessage(LVM_INSERTCOLUMNA, col, reinterpret_cast<LPARAM>(&c));
}

int CListCtrl::InsertItem(int item, LPCSTR text) {
  LVITEMA it = {};
  it.mask = LVIF_TEXT;
  it.iItem = item;
  it.pszText = const_cast<LPSTR>(text);
  return (int)SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it));
}

BOOL CListCtrl::SetItemText(int item, int sub, LPCSTR text) {
  LVITEMA it = {};
  it.iSubItem = sub;
  it.pszText = const_cast<LPSTR>(text);
  return (BOOL)SendMessage(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&it));
}

CString CListCtrl::GetItemText(int item, int sub) const {
  char buffer[1024] = "";
  LVITEMA it = {};
  it.iSubItem = sub;
  it.pszText = buffer;
  it.cchTextMax = sizeof(buffer);
  SendMessage(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&it));
  return CString(buffer);
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
  LVITEMA it = {};
  it.state = state;
  it.stateMask = mask;
  return (BOOL)SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&it));
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
  LVITEMA it = {};
  it.mask = LVIF_PARAM;
  it.iItem = item;
  it.lParam = static_cast<LPARAM>(data);
  return (BOOL)SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it));
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
  LVITEMA it = {};
  it.mask = LVIF_PARAM;
  it.iItem = item;
  SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it));
  return static_cast<DWORD_PTR>(it.lParam);
}

HIMAGELIST CListCtrl::SetImageList(CImageList* pList, int type) {
  return (HIMAGELIST)SendMessage(LVM_SETIMAGELIST, type,
                                 reinterpret_cast<LPARAM>(pList->GetSafeHandle()));
}

TOOLINFOA CToolTipCtrl::MakeToolInfo(HWND hOwner, UINT_PTR nIDTool, UINT flags) {
  TOOLINFOA ti = {};
  // The V2 size is accepted by every comctl32 (the full size needs version 6).
  ti.cbSize = TTTOOLINFOA_V2_SIZE;
  ti.hwnd = hOwner;
  ti.uId = nIDTool;
  ti.uFlags = flags;
  ti.hinst = AfxGetInstanceHandle();
  return ti;
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
  return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, NULL, WS_POPUP | TTS_ALWAYSTIP | dwStyle,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  pParentWnd->GetSafeHwnd(), NULL);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR text, LPCRECT rect, UINT_PTR nIDTool) {
  TOOLINFOA ti;
  if (rect) {
    ti = MakeToolInfo(pWnd->GetSafeHwnd(), nIDTool, TTF_SUBCLASS);
    ti.rect = *rect;
  } else {
    ti = MakeToolInfo(::GetParent(pWnd->GetSafeHwnd()),
                      reinterpret_cast<UINT_PTR>(pWnd->GetSafeHwnd()), TTF_IDISHWND | TTF_SUBCLASS);
  }
  ti.lpszText = const_cast<LPSTR>(text ? text : LPSTR_TEXTCALLBACKA);
  return (BOOL)SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFOA ti = nIDTool
                     ? MakeToolInfo(pWnd->GetSafeHwnd(), nIDTool, 0)
                     : MakeToolInfo(::GetParent(pWnd->GetSafeHwnd()),
                                    reinterpret_cast<UINT_PTR>(pWnd->GetSafeHwnd()), TTF_IDISHWND);
  SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(LPCSTR text, CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFOA ti = nIDTool
                     ? MakeToolInfo(pWnd->GetSafeHwnd(), nIDTool, 0)
                     : MakeToolInfo(::GetParent(pWnd->GetSafeHwnd()),
                                    reinterpret_cast<UINT_PTR>(pWnd->GetSafeHwnd()), TTF_IDISHWND);
  ti.lpszText = const_cast<LPSTR>(text);
  SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

BOOL CToolTipCtrl::GetToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const {
  LPSTR text = ti.lpszText;
  // Id 0: the window tool of pWnd, as AddTool made it.
  ti = nIDTool ? MakeToolInfo(pWnd->GetSafeHwnd(), nIDTool, 0)
               : MakeToolInfo(::GetParent(pWnd->GetSafeHwnd()),
                              reinterpret_cast<UINT_PTR>(pWnd->GetSafeHwnd()), TTF_IDISHWND);
  ti.lpszText = text;
  return (BOOL)SendMessage(TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT rect) {
  TOOLINFOA ti = MakeToolInfo(pWnd->GetSafeHwnd(), nIDTool, 0);
  ti.rect = *rect;
  SendMessage(TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}

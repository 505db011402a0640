// Thin wrappers of the standard and common controls.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/win/Wnd.h"

class CImageList;

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)
 public:
  BOOL Create(LPCSTR caption, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID) {
    return CWnd::Create("BUTTON", caption, dwStyle, rect, pParent, nID);
  }
  int GetCheck() const { return (int)SendMessage(BM_GETCHECK); }
  void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, nCheck); }
  UINT GetState() const { return (UINT)SendMessage(BM_GETSTATE); }
  void SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, bHighlight); }
  UINT GetButtonStyle() const { return (UINT)GetStyle() & 0xFFFF; }
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) {
    SendMessage(BM_SETSTYLE, nStyle, bRedraw);
  }
  HICON SetIcon(HICON icon) { return (HICON)SendMessage(BM_SETIMAGE, IMAGE_ICON, (LPARAM)icon); }
  HBITMAP SetBitmap(HBITMAP bmp) {
    return (HBITMAP)SendMessage(BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)bmp);
  }
  // Owner-drawn buttons draw here; WM_DRAWITEM is reflected to it.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)
 public:
  BOOL Create(LPCSTR text, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID = 0xFFFF) {
    return CWnd::Create("STATIC", text, dwStyle, rect, pParent, nID);
  }
  HBITMAP SetBitmap(HBITMAP bmp) {
    return (HBITMAP)SendMessage(STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)bmp);
  }
  HBITMAP GetBitmap() const { return (HBITMAP)SendMessage(STM_GETIMAGE, IMAGE_BITMAP); }
  HICON SetIcon(HICON icon) { return (HICON)SendMessage(STM_SETICON, (WPARAM)icon); }
  HICON GetIcon() const { return (HICON)SendMessage(STM_GETICON); }
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID) {
    return CWnd::Create("EDIT", NULL, dwStyle, rect, pParent, nID);
  }
  void SetSel(int start, int end, BOOL bNoScroll = FALSE) {
    SendMessage(EM_SETSEL, start, end);
    if (!bNoScroll) SendMessage(EM_SCROLLCARET);
  }
  void GetSel(int& start, int& end) const {
    DWORD s = 0, e = 0;
    SendMessage(EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    start = (int)s;
    end = (int)e;
  }
  void ReplaceSel(LPCSTR text, BOOL bCanUndo = FALSE) {
    SendMessage(EM_REPLACESEL, bCanUndo, (LPARAM)text);
  }
  void SetLimitText(UINT n) { SendMessage(EM_SETLIMITTEXT, n); }
  UINT GetLimitText() const { return (UINT)SendMessage(EM_GETLIMITTEXT); }
  BOOL GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY); }
  void SetModify(BOOL b = TRUE) { SendMessage(EM_SETMODIFY, b); }
  BOOL SetReadOnly(BOOL b = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, b); }
  int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
  void Copy() { SendMessage(WM_COPY); }
  void Cut() { SendMessage(WM_CUT); }
  void Paste() { SendMessage(WM_PASTE); }
  void Clear() { SendMessage(WM_CLEAR); }
  BOOL Undo() { return (BOOL)SendMessage(EM_UNDO); }
};

class CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID) {
    return CWnd::Create("COMBOBOX", NULL, dwStyle, rect, pParent, nID);
  }
  int GetCount() const { return (int)SendMessage(CB_GETCOUNT); }
  int GetCurSel() const { return (int)SendMessage(CB_GETCURSEL); }
  int SetCurSel(int n) { return (int)SendMessage(CB_SETCURSEL, n); }
  int AddString(LPCSTR s) { return (int)SendMessage(CB_ADDSTRING, 0, (LPARAM)s); }
  int InsertString(int i, LPCSTR s) { return (int)SendMessage(CB_INSERTSTRING, i, (LPARAM)s); }
  int DeleteString(UINT i) { return (int)SendMessage(CB_DELETESTRING, i); }
  void ResetContent() { SendMessage(CB_RESETCONTENT); }
  int FindString(int start, LPCSTR s) const {
    return (int)SendMessage(CB_FINDSTRING, start, (LPARAM)s);
  }
  int FindStringExact(int start, LPCSTR s) const {
    return (int)SendMessage(CB_FINDSTRINGEXACT, start, (LPARAM)s);
  }
  int SelectString(int start, LPCSTR s) {
    return (int)SendMessage(CB_SELECTSTRING, start, (LPARAM)s);
  }
  void GetLBText(int i, CString& s) const;
  int GetLBTextLen(int i) const { return (int)SendMessage(CB_GETLBTEXTLEN, i); }
  DWORD_PTR GetItemData(int i) const { return (DWORD_PTR)SendMessage(CB_GETITEMDATA, i); }
  int SetItemData(int i, DWORD_PTR d) { return (int)SendMessage(CB_SETITEMDATA, i, (LPARAM)d); }
  void ShowDropDown(BOOL b = TRUE) { SendMessage(CB_SHOWDROPDOWN, b); }
  BOOL GetDroppedState() const { return (BOOL)SendMessage(CB_GETDROPPEDSTATE); }
  BOOL LimitText(int n) { return (BOOL)SendMessage(CB_LIMITTEXT, n); }
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID) {
    return CWnd::Create("LISTBOX", NULL, dwStyle, rect, pParent, nID);
  }
  int GetCount() const { return (int)SendMessage(LB_GETCOUNT); }
  int GetCurSel() const { return (int)SendMessage(LB_GETCURSEL); }
  int SetCurSel(int n) { return (int)SendMessage(LB_SETCURSEL, n); }
  int AddString(LPCSTR s) { return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)s); }
  int InsertString(int i, LPCSTR s) { return (int)SendMessage(LB_INSERTSTRING, i, (LPARAM)s); }
  int DeleteString(UINT i) { return (int)SendMessage(LB_DELETESTRING, i); }
  void ResetContent() { SendMessage(LB_RESETCONTENT); }
  int FindStringExact(int start, LPCSTR s) const {
    return (int)SendMessage(LB_FINDSTRINGEXACT, start, (LPARAM)s);
  }
  int SelectString(int start, LPCSTR s) {
    return (int)SendMessage(LB_SELECTSTRING, start, (LPARAM)s);
  }
  void GetText(int i, CString& s) const;
  int GetTextLen(int i) const { return (int)SendMessage(LB_GETTEXTLEN, i); }
  DWORD_PTR GetItemData(int i) const { return (DWORD_PTR)SendMessage(LB_GETITEMDATA, i); }
  int SetItemData(int i, DWORD_PTR d) { return (int)SendMessage(LB_SETITEMDATA, i, (LPARAM)d); }
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CScrollBar : public CWnd {
  DECLARE_DYNAMIC(CScrollBar)
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID) {
    return CWnd::Create("SCROLLBAR", NULL, dwStyle, rect, pParent, nID);
  }
  int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
  int SetScrollPos(int n, BOOL bRedraw = TRUE) {
    return ::SetScrollPos(m_hWnd, SB_CTL, n, bRedraw);
  }
  void SetScrollRange(int lo, int hi, BOOL bRedraw = TRUE) {
    ::SetScrollRange(m_hWnd, SB_CTL, lo, hi, bRedraw);
  }
};

class CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID) {
    return CWnd::Create(WC_LISTVIEWA, NULL, dwStyle, rect, pParent, nID);
  }
  int GetItemCount() const { return (int)SendMessage(LVM_GETITEMCOUNT); }
  int InsertColumn(int col, LPCSTR heading, int format = LVCFMT_LEFT, int width = -1, int sub = -1);
  BOOL DeleteColumn(int col) { return (BOOL)SendMessage(LVM_DELETECOLUMN, col); }
  int InsertItem(int item, LPCSTR text);
  BOOL SetItemText(int item, int sub, LPCSTR text);
  CString GetItemText(int item, int sub) const;
  BOOL DeleteItem(int item) { return (BOOL)SendMessage(LVM_DELETEITEM, item); }
  BOOL DeleteAllItems() { return (BOOL)SendMessage(LVM_DELETEALLITEMS); }
  int GetNextItem(int start, int flags) const {
    return (int)SendMessage(LVM_GETNEXTITEM, start, MAKELPARAM(flags, 0));
  }
  BOOL SetItemState(int item, UINT state, UINT mask);
  UINT GetItemState(int item, UINT mask) const {
    return (UINT)SendMessage(LVM_GETITEMSTATE, item, mask);
  }
  BOOL SetItemData(int item, DWORD_PTR data);
  DWORD_PTR GetItemData(int item) const;
  BOOL SetColumnWidth(int col, int cx) {
    return (BOOL)SendMessage(LVM_SETCOLUMNWIDTH, col, MAKELPARAM(cx, 0));
  }
  int GetColumnWidth(int col) const { return (int)SendMessage(LVM_GETCOLUMNWIDTH, col); }
  // Width of a text in the list's font, in pixels.
  int GetStringWidth(LPCSTR text) const {
    return (int)SendMessage(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text));
  }
  DWORD GetExtendedStyle() const { return (DWORD)SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE); }
  UINT GetSelectedCount() const { return (UINT)SendMessage(LVM_GETSELECTEDCOUNT); }
  DWORD SetExtendedStyle(DWORD ex) {
    return (DWORD)SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, ex);
  }
  HIMAGELIST SetImageList(CImageList* pList, int type);
  BOOL EnsureVisible(int item, BOOL partialOk) {
    return (BOOL)SendMessage(LVM_ENSUREVISIBLE, item, partialOk);
  }
};

class CSpinButtonCtrl : public CWnd {
  DECLARE_DYNAMIC(CSpinButtonCtrl)
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID) {
    return CWnd::Create(UPDOWN_CLASSA, NULL, dwStyle, rect, pParent, nID);
  }
  void SetRange32(int lo, int hi) { SendMessage(UDM_SETRANGE32, lo, hi); }
  void GetRange32(int& lo, int& hi) const { SendMessage(UDM_GETRANGE32, (WPARAM)&lo, (LPARAM)&hi); }
  void SetRange(short lo, short hi) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(hi, lo)); }
  int SetPos(int pos) { return (int)(short)SendMessage(UDM_SETPOS, 0, MAKELPARAM(pos, 0)); }
  int GetPos() const { return (int)SendMessage(UDM_GETPOS); }
  int SetPos32(int pos) { return (int)SendMessage(UDM_SETPOS32, 0, pos); }
  int GetPos32(BOOL* error = NULL) const {
    return (int)SendMessage(UDM_GETPOS32, 0, (LPARAM)error);
  }
  CWnd* SetBuddy(CWnd* pBuddy) {
    return FromHandle((HWND)SendMessage(UDM_SETBUDDY, (WPARAM)pBuddy->GetSafeHwnd()));
  }
  CWnd* GetBuddy() const { return FromHandle((HWND)SendMessage(UDM_GETBUDDY)); }
  UINT SetBase(int base) { return (UINT)SendMessage(UDM_SETBASE, base); }
  BOOL SetAccel(int n, UDACCEL* accel) { return (BOOL)SendMessage(UDM_SETACCEL, n, (LPARAM)accel); }
};

// Tooltip control. Tool descriptions use this platform's TOOLINFOA size (TTTOOLINFOA_V2_SIZE).
class CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)
 public:
  // A popup tooltip window owned by pParentWnd (TTS_ALWAYSTIP added to dwStyle).
  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
  // A window tool (id = the window's handle) or a rectangle tool on pWnd.
  BOOL AddTool(CWnd* pWnd, LPCSTR text, LPCRECT rect = NULL, UINT_PTR nIDTool = 0);
  void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(LPCSTR text, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
  void RelayEvent(LPMSG msg) { SendMessage(TTM_RELAYEVENT, 0, (LPARAM)msg); }
  int SetMaxTipWidth(int width) { return (int)SendMessage(TTM_SETMAXTIPWIDTH, 0, width); }
  void SetDelayTime(UINT nDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, nDelay); }
  void SetDelayTime(DWORD dwDuration, int iTime) {
    SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
  }
  int GetDelayTime(DWORD dwDuration) const {
    return (int)SendMessage(TTM_GETDELAYTIME, dwDuration);
  }
  // Fills ti (cbSize, hwnd, uId set here) with the tool's description and text (text
  // buffer of at least 80 chars supplied by the caller in ti.lpszText, or NULL). Id 0 is the
  // window tool of pWnd, as for AddTool, DelTool and UpdateTipText.
  BOOL GetToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
  void SetToolInfo(TOOLINFOA* ti) { SendMessage(TTM_SETTOOLINFOA, 0, (LPARAM)ti); }
  void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT rect);
  int GetToolCount() const { return (int)SendMessage(TTM_GETTOOLCOUNT); }
  void Pop() { SendMessage(TTM_POP); }
  // A zeroed description with the platform's size, for the given owner and id.
  static TOOLINFOA MakeToolInfo(HWND hOwner, UINT_PTR nIDTool, UINT flags);
};

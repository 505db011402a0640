// CWnd: the C++ object of a window.
//
// One handle map per thread links each HWND to its permanent object. Windows the framework
// creates (Create/CreateEx, dialogs) and windows it subclasses (SubclassWindow,
// SubclassDlgItem, DDX_Control) get messages through one subclass procedure
// (SetWindowSubclass), which calls WindowProc inside an exception barrier: an exception never
// crosses the window procedure; it is reported and the message gets a neutral result. Windows
// of the framework's own classes need no subclass: their class procedure, AfxWndProc, calls
// WindowProc inside the same barrier.
// FromHandle of an unmapped window gives a temporary object, freed by AfxDeleteTempMaps.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/base/CString.h"
#include "framework/win/AfxCore.h"
#include "framework/win/CmdTarget.h"
#include "framework/win/Geometry.h"

#ifdef GetNextWindow
#undef GetNextWindow  // a member below
#endif

class CDC;
class CFont;
class CMenu;
class CScrollBar;
class CDataExchange;

class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)
 public:
  CWnd();
  ~CWnd() override;  // destroys the window if it still exists
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd;
  // Both accept a NULL object (they give NULL), as callers pass optional windows through.
  operator HWND() const;
  HWND GetSafeHwnd() const;

  // ---- the handle map ----
  // The permanent object, else a temporary one (NULL only for a NULL handle).
  static CWnd* FromHandle(HWND hWnd);
  // The permanent object or NULL.
  static CWnd* FromHandlePermanent(HWND hWnd);
  // Links without subclassing (messages still go to the window's own procedure).
  BOOL Attach(HWND hWnd);
  HWND Detach();
  // Links and routes the window's messages through this object.
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();
  // Whether this object receives the window's messages.
  BOOL IsSubclassed() const { return m_bSubclassed; }
  // Whether they come from the window class's own procedure (AfxWndProc) rather than a subclass.
  BOOL IsRoutedByClassProc() const { return m_bClassProc; }

  // ---- creation and destruction ----
  virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                      CWnd* pParentWnd, UINT nID, LPVOID lpParam = NULL);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                        int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                        LPVOID lpParam = NULL);
  BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = NULL);
  virtual BOOL DestroyWindow();
  virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
  // Called once the object is linked to a window it is about to receive messages from.
  virtual void PreSubclassWindow();
  // Called after the last message (WM_NCDESTROY) once the object is unlinked; objects made
  // with new override it to delete themselves.
  virtual void PostNcDestroy();

  // ---- message handling ----
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Cracks and dispatches through the message map; FALSE when nothing handled it.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // A notification the parent offers back to this control first. TRUE stops the parent.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Offers a message from a child window to the child's object; TRUE when it was handled.
  static BOOL ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam,
                             LRESULT* pResult);
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Runs PreTranslateMessage from pMsg->hwnd up the parent chain to hWndStop (inclusive).
  static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
  // The default processing of the message being handled.
  LRESULT Default();
  // The message currently being handled on this thread.
  static const MSG* GetCurrentMessage();
  virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
  virtual BOOL ContinueModal();
  virtual void EndModalLoop(int nResult);
  // Runs messages until EndModalLoop; returns its result.
  int RunModalLoop();
  virtual BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* pDX);
  // The child control of an id, as data exchange finds it; a window with many controls may
  // remember them.
  virtual HWND GetDlgItemHandle(int nID) const { return ::GetDlgItem(m_hWnd, nID); }

  // ---- relations ----
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  int SetDlgCtrlID(int nID) { return (int)::SetWindowLongPtrA(m_hWnd, GWLP_ID, nID); }
  CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
  void GetDlgItem(int nID, HWND* phWnd) const { *phWnd = ::GetDlgItem(m_hWnd, nID); }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  CWnd* SetParent(CWnd* pNew) { return FromHandle(::SetParent(m_hWnd, pNew->GetSafeHwnd())); }
  CWnd* GetOwner() const;
  void SetOwner(CWnd* pOwner) { m_hWndOwner = pOwner->GetSafeHwnd(); }
  CWnd* GetTopLevelParent() const;
  CWnd* GetTopLevelOwner() const;
  CWnd* GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
  CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const { return GetWindow(nFlag); }
  CWnd* GetTopWindow() const { return FromHandle(::GetTopWindow(m_hWnd)); }
  CWnd* ChildWindowFromPoint(POINT p) const {
    return FromHandle(::ChildWindowFromPoint(m_hWnd, p));
  }
  BOOL IsChild(const CWnd* pWnd) const { return ::IsChild(m_hWnd, pWnd->GetSafeHwnd()); }
  static CWnd* WindowFromPoint(POINT p) { return FromHandle(::WindowFromPoint(p)); }
  static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
  static CWnd* GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
  static CWnd* GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
  static CWnd* GetCapture() { return FromHandle(::GetCapture()); }
  static CWnd* GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
  static CWnd* FindWindow(LPCSTR cls, LPCSTR name) { return FromHandle(::FindWindowA(cls, name)); }

  // ---- styles ----
  DWORD GetStyle() const { return (DWORD)::GetWindowLongPtrA(m_hWnd, GWL_STYLE); }
  DWORD GetExStyle() const { return (DWORD)::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE); }
  // Remove, then add bits. Nothing at all happens when the style stays the same; otherwise,
  // with nFlags non-zero, SetWindowPos(nFlags | no move/size/z-order/activate) follows.
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  static BOOL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
  static BOOL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

  // ---- geometry ----
  void GetWindowRect(LPRECT r) const { ::GetWindowRect(m_hWnd, r); }
  void GetClientRect(LPRECT r) const { ::GetClientRect(m_hWnd, r); }
  void ClientToScreen(LPPOINT p) const { ::ClientToScreen(m_hWnd, p); }
  void ClientToScreen(LPRECT r) const;
  void ScreenToClient(LPPOINT p) const { ::ScreenToClient(m_hWnd, p); }
  void ScreenToClient(LPRECT r) const;
  void MapWindowPoints(CWnd* pTo, LPPOINT p, UINT n) const {
    ::MapWindowPoints(m_hWnd, pTo->GetSafeHwnd(), p, n);
  }
  void MapWindowPoints(CWnd* pTo, LPRECT r) const {
    ::MapWindowPoints(m_hWnd, pTo->GetSafeHwnd(), (LPPOINT)r, 2);
  }
  void MoveWindow(int x, int y, int w, int h, BOOL bRepaint = TRUE) {
    ::MoveWindow(m_hWnd, x, y, w, h, bRepaint);
  }
  void MoveWindow(LPCRECT r, BOOL bRepaint = TRUE) {
    MoveWindow(r->left, r->top, r->right - r->left, r->bottom - r->top, bRepaint);
  }
  BOOL SetWindowPos(const CWnd* pAfter, int x, int y, int cx, int cy, UINT nFlags);
  void CalcWindowRect(LPRECT r, UINT nAdjustType = 0);
  void CenterWindow(CWnd* pAlternateOwner = NULL);
  BOOL GetWindowPlacement(WINDOWPLACEMENT* p) const {
    p->length = sizeof(*p);
    return ::GetWindowPlacement(m_hWnd, p);
  }
  BOOL SetWindowPlacement(const WINDOWPLACEMENT* p) { return ::SetWindowPlacement(m_hWnd, p); }

  // ---- painting and state ----
  void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, NULL, bErase); }
  void InvalidateRect(LPCRECT r, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, r, bErase); }
  void InvalidateRgn(HRGN rgn, BOOL bErase = TRUE) { ::InvalidateRgn(m_hWnd, rgn, bErase); }
  void ValidateRect(LPCRECT r) { ::ValidateRect(m_hWnd, r); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  BOOL RedrawWindow(LPCRECT r = NULL, HRGN rgn = NULL,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE) {
    return ::RedrawWindow(m_hWnd, r, rgn, flags);
  }
  BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
  CWnd* SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
  BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
  CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
  void BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
  BOOL FlashWindow(BOOL bInvert) { return ::FlashWindow(m_hWnd, bInvert); }
  CDC* GetDC();
  CDC* GetWindowDC();
  int ReleaseDC(CDC* pDC);
  void SetRedraw(BOOL bRedraw = TRUE) { SendMessage(WM_SETREDRAW, bRedraw, 0); }
  // All the shell's DragAcceptFiles does is this style, which asks for WM_DROPFILES; set here,
  // the shell library is not loaded at the program's start for it.
  void DragAcceptFiles(BOOL bAccept = TRUE) {
    ModifyStyleEx(bAccept ? 0 : WS_EX_ACCEPTFILES, bAccept ? WS_EX_ACCEPTFILES : 0);
  }
  // Opens the clipboard for this window (CloseClipboard ends it).
  BOOL OpenClipboard() { return ::OpenClipboard(m_hWnd); }

  // ---- scrolling ----
  void ScrollWindow(int dx, int dy, LPCRECT r = NULL, LPCRECT clip = NULL) {
    ::ScrollWindow(m_hWnd, dx, dy, r, clip);
  }
  int GetScrollPos(int nBar) const { return ::GetScrollPos(m_hWnd, nBar); }
  int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE) {
    return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
  }
  void GetScrollRange(int nBar, LPINT minPos, LPINT maxPos) const {
    ::GetScrollRange(m_hWnd, nBar, minPos, maxPos);
  }
  void SetScrollRange(int nBar, int minPos, int maxPos, BOOL bRedraw = TRUE) {
    ::SetScrollRange(m_hWnd, nBar, minPos, maxPos, bRedraw);
  }
  BOOL GetScrollInfo(int nBar, LPSCROLLINFO info, UINT nMask = SIF_ALL);
  BOOL SetScrollInfo(int nBar, LPSCROLLINFO info, BOOL bRedraw = TRUE);
  void ShowScrollBar(UINT nBar, BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, nBar, bShow); }

  // ---- timers ----
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC proc = NULL) {
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, proc);
  }
  BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

  // ---- text and font ----
  void SetWindowText(LPCSTR text) { ::SetWindowTextA(m_hWnd, text); }
  int GetWindowText(LPSTR buf, int nMax) const { return ::GetWindowTextA(m_hWnd, buf, nMax); }
  void GetWindowText(CString& text) const;
  CString GetWindowText() const {
    CString s;
    GetWindowText(s);
    return s;
  }
  int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
  void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
  CFont* GetFont() const;
  void SetDlgItemText(int nID, LPCSTR text) { ::SetDlgItemTextA(m_hWnd, nID, text); }
  int GetDlgItemText(int nID, CString& text) const;
  void SetDlgItemInt(int nID, UINT value, BOOL bSigned = TRUE) {
    ::SetDlgItemInt(m_hWnd, nID, value, bSigned);
  }
  UINT GetDlgItemInt(int nID, BOOL* ok = NULL, BOOL bSigned = TRUE) const {
    return ::GetDlgItemInt(m_hWnd, nID, ok, bSigned);
  }
  void CheckDlgButton(int nID, UINT nCheck) { ::CheckDlgButton(m_hWnd, nID, nCheck); }
  UINT IsDlgButtonChecked(int nID) const { return ::IsDlgButtonChecked(m_hWnd, nID); }
  void CheckRadioButton(int first, int last, int check) {
    ::CheckRadioButton(m_hWnd, first, last, check);
  }
  // The window's system menu (a temporary object); bRevert restores the system's own.
  CMenu* GetSystemMenu(BOOL bRevert) const;
  HICON SetIcon(HICON icon, BOOL bBig) {
    return (HICON)SendMessage(WM_SETICON, bBig, (LPARAM)icon);
  }

  // ---- messages ----
  LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, msg, wParam, lParam);
  }
  BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::PostMessageA(m_hWnd, msg, wParam, lParam);
  }
  LRESULT SendDlgItemMessage(int nID, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendDlgItemMessageA(m_hWnd, nID, msg, wParam, lParam);
  }
  // Sends to every descendant (bDeep) or every child window; with bOnlyPermanent, only to those
  // the framework has an object for (the framework's private messages mean something else, or
  // nothing, to other windows).
  void SendMessageToDescendants(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                BOOL bOnlyPermanent = FALSE);
  // Through the message-box seam; the caption defaults to the program's.
  int MessageBox(LPCSTR text, LPCSTR caption = NULL, UINT type = MB_OK);

  // ---- handlers; the defaults pass the message on (Default) ----
 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnDestroy();
  afx_msg void OnNcDestroy();
  afx_msg void OnClose();
  afx_msg void OnPaint();
  afx_msg void OnNcPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnMove(int x, int y);
  afx_msg void OnSizing(UINT nSide, LPRECT lpRect);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnSysColorChange();
  afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
  afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg BOOL OnNcActivate(BOOL bActive);
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
  afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
  afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
  afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
  afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
  afx_msg void OnEnable(BOOL bEnable);
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
  afx_msg void OnCancelMode();
  afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
  afx_msg void OnInitMenu(CMenu* pMenu);
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  // Default: passes the request to the parent (as the system does), FALSE without one.
  afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
  afx_msg BOOL OnQueryNewPalette();
  afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
  afx_msg void OnDropFiles(HDROP hDropInfo);
  afx_msg BOOL OnQueryEndSession();
  afx_msg void OnEndSession(BOOL bEnding);
  afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
  afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);

  DECLARE_MESSAGE_MAP()

 public:
  // An owner-drawn menu item's measuring and drawing, given to its menu's object (the tracked
  // menu first); FALSE for anything else.
  BOOL MeasureMenuItem(LPMEASUREITEMSTRUCT mis);
  BOOL DrawMenuItem(LPDRAWITEMSTRUCT dis);
  // Internal: links hWnd to this object and routes its messages here.
  BOOL AttachAndSubclass(HWND hWnd);
  // Internal: unlinks after WM_NCDESTROY and calls PostNcDestroy.
  void OnFinalRelease(HWND hWnd);

 private:
  // Stops the messages coming to this object (removes the subclass where there is one).
  void StopRouting(HWND hWnd);

 protected:
  HWND m_hWndOwner;       // owner set with SetOwner (NULL: the window's own owner)
  BOOL m_bSubclassed;     // messages come through the framework
  BOOL m_bClassProc;      // ... from the class's procedure, AfxWndProc, not a subclass
  BOOL m_bTemporary;      // made by FromHandle; freed at idle
  BOOL m_bContinueModal;  // inside RunModalLoop
  int m_nModalResult;

  friend void AfxDeleteTempMaps();
  friend class CTempWnd;
};

// Helpers for the creation hook (windows created through CreateEx and dialogs).
void AfxHookWindowCreate(CWnd* pWnd);
BOOL AfxUnhookWindowCreate();

// The number of permanent and temporary window objects on this thread (for tests).
int AfxGetPermanentWindowCount();
int AfxGetTemporaryWindowCount();

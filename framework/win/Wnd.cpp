// CWnd: the handle map, the subclass procedure with its exception barrier, creation,
// dispatch through message maps, reflection and the modal loop.
#include "framework/win/Wnd.h"

#include <exception>
#include <memory>
#include <unordered_map>

#include "framework/base/Exception.h"
#include "framework/win/DeviceContext.h"
#include "framework/win/DataExchange.h"
#include "framework/win/Menu.h"
#include "framework/win/TestSeams.h"
#include "framework/win/WinApp.h"
#include "framework/win/TempMaps.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

// Owner-drawn menu items go to their menu's object; everything else to the default processing.
BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
QX_MSG_ENTRY(WM_MEASUREITEM, {
  if (!pThis->MeasureMenuItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(call.lParam))) return FALSE;
  call.lResult = TRUE;
  return TRUE;
})
QX_MSG_ENTRY(WM_DRAWITEM, {
  if (!pThis->DrawMenuItem(reinterpret_cast<LPDRAWITEMSTRUCT>(call.lParam))) return FALSE;
  call.lResult = TRUE;
  return TRUE;
})
END_MESSAGE_MAP()

namespace {

const UINT_PTR kSubclassId = 0x5158;  // "QX"

thread_local std::unordered_map<HWND, CWnd*>* t_permanent = nullptr;
thread_local std::unordered_map<HWND, std::unique_ptr<CWnd>>* t_temporary = nullptr;
thread_local MSG t_currentMsg = {};
thread_local CWnd* t_pWndInit = nullptr;
thread_local HHOOK t_hHookCbt = NULL;

std::unordered_map<HWND, CWnd*>& Permanent() {
  if (!t_permanent) {
    t_permanent = new std::unordered_map<HWND, CWnd*>();
    AfxNoteThreadMaps();
  }
  return *t_permanent;
}

std::unordered_map<HWND, std::unique_ptr<CWnd>>& Temporary() {
  if (!t_temporary) {
    t_temporary = new std::unordered_map<HWND, std::unique_ptr<CWnd>>();
    AfxNoteThreadMaps();
  }
  return *t_temporary;
}

// What a message returns when its handler threw: creation fails, everything else is neutral.
LRESULT ResultAfterException(UINT message) {
  switch (message) {
    case WM_CREATE:
      return -1;
    case WM_NCCREATE:
      return FALSE;
    default:
      return 0;
  }
}

LRESULT CALLBACK AfxSubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR refData);

// Calls the object's WindowProc inside the exception barrier and unlinks it after WM_NCDESTROY.
LRESULT DispatchToObject(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG saved = t_currentMsg;
  t_currentMsg.hwnd = hWnd;
  t_currentMsg.message = message;
  t_currentMsg.wParam = wParam;
  t_currentMsg.lParam = lParam;
  LRESULT result = 0;
  if (message == WM_SETCURSOR && AfxGetWaitCursorCount() > 0) {
    // A long operation is running: the hourglass stays wherever the mouse goes.
    ::SetCursor(::LoadCursorA(NULL, (LPCSTR)IDC_WAIT));
    t_currentMsg = saved;
    return TRUE;
  }
  try {
    result = pWnd->WindowProc(message, wParam, lParam);
  } catch (CException* e) {
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
      AfxReportException("window message", e->GetErrorMessage());
    e->Delete();
    result = ResultAfterException(message);
  } catch (const std::exception& e) {
    AfxReportException("window message", e.what());
    result = ResultAfterException(message);
  } catch (...) {
    AfxReportException("window message", nullptr);
    result = ResultAfterException(message);
  }
  t_currentMsg = saved;
  if (message == WM_NCDESTROY) {
    CWnd* still = CWnd::FromHandlePermanent(hWnd);
    if (still)
      still->OnFinalRelease(hWnd);
    else
      ::RemoveWindowSubclass(hWnd, AfxSubclassProc, kSubclassId);
  }
  return result;
}

LRESULT CALLBACK AfxSubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR /*id*/, DWORD_PTR /*refData*/) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (!pWnd) {
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(hWnd, AfxSubclassProc, kSubclassId);
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
  }
  return DispatchToObject(pWnd, hWnd, message, wParam, lParam);
}

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && t_pWndInit) {
    CWnd* pWnd = t_pWndInit;
    t_pWndInit = nullptr;
    if (pWnd->AttachAndSubclass(reinterpret_cast<HWND>(wParam))) pWnd->PreSubclassWindow();
    // The hook waits for this one window only: the windows made while it is being created (a
    // dialog's controls, a frame's bars) need not pass through it, and each pass costs a trip
    // to the window system.
    HHOOK hook = t_hHookCbt;
    t_hHookCbt = NULL;
    const LRESULT result = ::CallNextHookEx(hook, code, wParam, lParam);
    if (hook) ::UnhookWindowsHookEx(hook);
    return result;
  }
  return ::CallNextHookEx(t_hHookCbt, code, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (!pWnd || !pWnd->IsRoutedByClassProc()) return ::DefWindowProcA(hWnd, message, wParam, lParam);
  return DispatchToObject(pWnd, hWnd, message, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd) {
  if (!t_hHookCbt)
    t_hHookCbt = ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, NULL, ::GetCurrentThreadId());
  t_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate() {
  if (t_hHookCbt) {
    ::UnhookWindowsHookEx(t_hHookCbt);
    t_hHookCbt = NULL;
  }
  if (t_pWndInit) {
    t_pWndInit = nullptr;
    return FALSE;
  }
  return TRUE;
}

int AfxGetPermanentWindowCount() {
  return t_permanent ? (int)t_permanent->size() : 0;
}

int AfxGetTemporaryWindowCount() {
  return t_temporary ? (int)t_temporary->size() : 0;
}

void AfxDeleteTempMaps() {
  if (t_temporary) {
    // Move out first: a destructor must not find itself in the map it is removed from.
    std::unordered_map<HWND, std::unique_ptr<CWnd>> doomed;
    doomed.swap(*t_temporary);
    for (auto& entry : doomed) entry.second->m_hWnd = NULL;
  }
  AfxDeleteTempGdiMaps();
}

void AfxFreeThreadWindowMaps() {
  AfxDeleteTempMaps();
  delete t_temporary;
  t_temporary = nullptr;
  // Windows of this thread died with it; their objects, if any, no longer find themselves.
  delete t_permanent;
  t_permanent = nullptr;
  if (t_hHookCbt) {
    ::UnhookWindowsHookEx(t_hHookCbt);
    t_hHookCbt = NULL;
  }
  t_pWndInit = nullptr;
}

// ---- construction and the handle map ---------------------------------------------------------

CWnd::CWnd()
    : m_hWnd(NULL),
      m_hWndOwner(NULL),
      m_bSubclassed(FALSE),
      m_bClassProc(FALSE),
      m_bTemporary(FALSE),
      m_bContinueModal(FALSE),
      m_nModalResult(-1) {}

CWnd::~CWnd() {
  if (m_hWnd && !m_bTemporary) {
    HWND hWnd = m_hWnd;
    if (m_bSubclassed && ::IsWindow(hWnd)) {
      // Messages up to WM_NCDESTROY still reach this object's (base) handlers.
      ::DestroyWindow(hWnd);
    }
    if (m_hWnd) {
      StopRouting(hWnd);
      auto it = Permanent().find(hWnd);
      if (it != Permanent().end() && it->second == this) Permanent().erase(it);
      m_hWnd = NULL;
    }
  }
}

CWnd::operator HWND() const {
  return this ? m_hWnd : NULL;
}

HWND CWnd::GetSafeHwnd() const {
  return this ? m_hWnd : NULL;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  if (!hWnd || !t_permanent) return nullptr;
  auto it = t_permanent->find(hWnd);
  return it == t_permanent->end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (!hWnd) return nullptr;
  if (CWnd* p = FromHandlePermanent(hWnd)) return p;
  auto& temp = Temporary();
  auto it = temp.find(hWnd);
  if (it != temp.end()) return it->second.get();
  std::unique_ptr<CWnd> wrapper(new CWnd);
  wrapper->m_hWnd = hWnd;
  wrapper->m_bTemporary = TRUE;
  CWnd* p = wrapper.get();
  temp.emplace(hWnd, std::move(wrapper));
  return p;
}

BOOL CWnd::Attach(HWND hWnd) {
  if (!hWnd || m_hWnd || FromHandlePermanent(hWnd)) return FALSE;
  m_hWnd = hWnd;
  Permanent()[hWnd] = this;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  if (!hWnd) return NULL;
  StopRouting(hWnd);
  auto it = Permanent().find(hWnd);
  if (it != Permanent().end() && it->second == this) Permanent().erase(it);
  m_hWnd = NULL;
  return hWnd;
}

BOOL CWnd::AttachAndSubclass(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  // Windows of the framework's own classes already come to AfxWndProc: no subclass is needed,
  // which spares comctl32's two property look-ups (each a trip to the window system) per message.
  if (reinterpret_cast<WNDPROC>(::GetClassLongPtrA(hWnd, GCLP_WNDPROC)) == AfxWndProc) {
    m_bClassProc = TRUE;
    m_bSubclassed = TRUE;
    return TRUE;
  }
  if (!::SetWindowSubclass(hWnd, AfxSubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    Detach();
    return FALSE;
  }
  m_bSubclassed = TRUE;
  return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!::IsWindow(hWnd) || !AttachAndSubclass(hWnd)) return FALSE;
  PreSubclassWindow();
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  HWND hCtl = pParent ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) : NULL;
  return hCtl ? SubclassWindow(hCtl) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
  return Detach();
}

void CWnd::StopRouting(HWND hWnd) {
  if (m_bSubclassed && !m_bClassProc) ::RemoveWindowSubclass(hWnd, AfxSubclassProc, kSubclassId);
  m_bSubclassed = FALSE;
  m_bClassProc = FALSE;
}

void CWnd::OnFinalRelease(HWND hWnd) {
  StopRouting(hWnd);
  auto it = Permanent().find(hWnd);
  if (it != Permanent().end() && it->second == this) Permanent().erase(it);
  m_hWnd = NULL;
  PostNcDestroy();  // may delete this
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

// ---- creation ----------------------------------------------------------------------------------

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs) {
  if (!cs.lpszClass)
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  return cs.lpszClass != NULL;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
  if (m_hWnd) return FALSE;
  CREATESTRUCTA cs = {};
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = static_cast<LONG>(dwStyle);
  cs.x = x;
  cs.y = y;
  cs.cx = nWidth;
  cs.cy = nHeight;
  cs.hwndParent = hWndParent;
  cs.hMenu = nIDorHMenu;
  cs.hInstance = AfxGetInstanceHandle();
  cs.lpCreateParams = lpParam;
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  AfxUnhookWindowCreate();
  // On failure the window (if any) is gone and the object may have been deleted already.
  return hWnd != NULL;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                  lpParam);
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  if (m_bTemporary || !m_bSubclassed) {
    HWND hWnd = m_hWnd;
    if (!m_bTemporary) Detach();
    return ::DestroyWindow(hWnd);
  }
  return ::DestroyWindow(m_hWnd);
}

// ---- dispatch ----------------------------------------------------------------------------------

const MSG* CWnd::GetCurrentMessage() {
  return &t_currentMsg;
}

LRESULT CWnd::Default() {
  return DefWindowProc(t_currentMsg.message, t_currentMsg.wParam, t_currentMsg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_bSubclassed && !m_bClassProc) return ::DefSubclassProc(m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

static HWND ChildOfMessage(HWND hParent, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
      return dis && dis->CtlType != ODT_MENU ? dis->hwndItem : NULL;
    }
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
      return mis && mis->CtlType != ODT_MENU ? ::GetDlgItem(hParent, static_cast<int>(mis->CtlID))
                                             : NULL;
    }
    case WM_COMPAREITEM: {
      auto* cis = reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam);
      return cis ? cis->hwndItem : NULL;
    }
    case WM_DELETEITEM: {
      auto* dis = reinterpret_cast<LPDELETEITEMSTRUCT>(lParam);
      return dis ? dis->hwndItem : NULL;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
      return reinterpret_cast<HWND>(lParam);
    case WM_PARENTNOTIFY:
      return LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY
                 ? reinterpret_cast<HWND>(lParam)
                 : NULL;
    default:
      return NULL;
  }
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *pResult = 0;
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    LRESULT result = 0;
    if (!OnNotify(wParam, lParam, &result)) return FALSE;
    *pResult = result;
    return TRUE;
  }
  HWND hChild = ChildOfMessage(m_hWnd, message, wParam, lParam);
  if (hChild && hChild != m_hWnd) {
    LRESULT result = 0;
    if (ReflectToChild(hChild, message, wParam, lParam, &result)) {
      *pResult = result;
      return TRUE;
    }
  }
  UINT lookup = message;
  int nCode = 0;
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
    lookup = WM_CTLCOLOR;
    nCode = static_cast<int>(message - WM_CTLCOLORMSGBOX);
  }
  const AFX_MSGMAP_ENTRY* e = FindEntry(GetMessageMap(), AfxEntryMessage, lookup, 0, 0, nullptr);
  if (!e) return FALSE;
  AFX_MSGCALL call = {message, wParam, lParam, 0, nCode, nullptr, 0};
  if (!e->pfn(this, call)) return FALSE;
  *pResult = call.lResult;
  return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  UINT nID = LOWORD(wParam);
  HWND hCtl = reinterpret_cast<HWND>(lParam);
  int nCode = HIWORD(wParam);
  if (!hCtl) {
    if (nID == 0) return FALSE;
    nCode = CN_COMMAND;  // menu (0) or accelerator (1)
  } else {
    LRESULT result = 0;
    if (hCtl != m_hWnd && ReflectToChild(hCtl, WM_COMMAND, wParam, lParam, &result)) return TRUE;
    if (nID == 0) return FALSE;
  }
  return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
  if (!pNMHDR) return FALSE;
  if (pNMHDR->hwndFrom && pNMHDR->hwndFrom != m_hWnd &&
      ReflectToChild(pNMHDR->hwndFrom, WM_NOTIFY, wParam, lParam, pResult))
    return TRUE;
  AFX_NOTIFY notify = {pResult, pNMHDR};
  return OnCmdMsg(static_cast<UINT>(pNMHDR->idFrom), MAKELONG(pNMHDR->code, WM_NOTIFY), &notify,
                  nullptr);
}

BOOL CWnd::ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT* pResult) {
  CWnd* pChild = FromHandlePermanent(hWndChild);
  return pChild ? pChild->OnChildNotify(message, wParam, lParam, pResult) : FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  UINT lookup = message;
  UINT code = 0;
  int nCode = 0;
  AFX_NOTIFY notify = {pResult, nullptr};
  void* pExtra = nullptr;
  if (message == WM_COMMAND) {
    code = HIWORD(wParam);
    nCode = static_cast<int>(code);
  } else if (message == WM_NOTIFY) {
    notify.pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (!notify.pNMHDR) return FALSE;
    code = notify.pNMHDR->code;
    nCode = static_cast<int>(code);
    pExtra = &notify;
  } else if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
    lookup = WM_CTLCOLOR;
    nCode = static_cast<int>(message - WM_CTLCOLORMSGBOX);
  }
  const AFX_MSGMAP_ENTRY* e = FindEntry(GetMessageMap(), AfxEntryReflect, lookup, code, 0, nullptr);
  if (!e) return FALSE;
  AFX_MSGCALL call = {message, wParam, lParam, static_cast<UINT>(GetDlgCtrlID()), nCode, pExtra, 0};
  BOOL handled = e->pfn(this, call);
  if (handled && message != WM_NOTIFY && pResult) *pResult = call.lResult;
  return handled;
}

BOOL CWnd::PreTranslateMessage(MSG* /*pMsg*/) {
  return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd && pWnd->PreTranslateMessage(pMsg)) return TRUE;
    if (hWnd == hWndStop) break;
  }
  return FALSE;
}

// ---- modal loop --------------------------------------------------------------------------------

BOOL CWnd::ContinueModal() {
  return m_bContinueModal && m_hWnd != NULL;
}

void CWnd::EndModalLoop(int nResult) {
  m_nModalResult = nResult;
  if (m_bContinueModal) {
    m_bContinueModal = FALSE;
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
  }
}

int CWnd::RunModalLoop() {
  m_bContinueModal = TRUE;
  BOOL bShowIdle = m_hWnd && !(GetStyle() & WS_VISIBLE);
  BOOL bIdle = TRUE;
  MSG msg;
  while (ContinueModal()) {
    if (bIdle && !::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE)) {
      if (bShowIdle) {
        ShowWindow(SW_SHOWNORMAL);
        UpdateWindow();
        bShowIdle = FALSE;
      }
      SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, 0);
      // The application's idle work goes on under the dialog: bars updated, temporary
      // objects freed.
      if (CWinApp* app = AfxGetApp()) {
        for (LONG count = 0; ContinueModal() && AfxCallGuarded("idle", [&] {
                               return app->OnIdle(count);
                             });
             ++count) {
        }
      }
      bIdle = FALSE;
      continue;
    }
    if (!::GetMessageA(&msg, NULL, 0, 0)) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    const HWND stop = m_hWnd;
    if (!AfxCallGuarded("message filter", [&] { return WalkPreTranslateTree(stop, &msg); })) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    if (msg.message != WM_PAINT && msg.message != WM_TIMER && msg.message != 0x0118 /*WM_SYSTIMER*/)
      bIdle = TRUE;
  }
  m_bContinueModal = FALSE;
  return m_nModalResult;
}

// ---- data exchange and help --------------------------------------------------------------------

void CWnd::DoDataExchange(CDataExchange* /*pDX*/) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (CException* e) {
    dx.Rollback();
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
      AfxReportException("data exchange", e->GetErrorMessage());
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd) {
  AfxRunHelp(m_hWnd, dwData, nCmd);
}

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type) {
  CString defaultCaption = AfxGetMessageBoxCaption();
  return AfxShowMessageBox(m_hWnd, text, caption ? caption : defaultCaption.GetString(), type);
}

// ---- relations, styles, geometry ---------------------------------------------------------------

CWnd* CWnd::GetOwner() const {
  if (m_hWndOwner) return FromHandle(m_hWndOwner);
  return GetParent();
}

CWnd* CWnd::GetTopLevelParent() const {
  HWND hWnd = m_hWnd;
  while (hWnd && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD)) hWnd = ::GetParent(hWnd);
  return FromHandle(hWnd);
}

CWnd* CWnd::GetTopLevelOwner() const {
  HWND hWnd = m_hWnd;
  for (;;) {
    HWND next = (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(hWnd)
                                                                  : ::GetWindow(hWnd, GW_OWNER);
    if (!next) break;
    hWnd = next;
  }
  return FromHandle(hWnd);
}

namespace {
// Remove, then add bits of one style word; nothing at all when it stays the same.
BOOL ModifyStyleWord(HWND hWnd, int index, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(hWnd, index));
  DWORD newStyle = (style & ~dwRemove) | dwAdd;
  if (style == newStyle) return FALSE;
  ::SetWindowLongPtrA(hWnd, index, static_cast<LONG_PTR>(newStyle));
  if (nFlags)
    ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
  return TRUE;
}
}  // namespace

BOOL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyStyleWord(hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyStyleWord(hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags);
}

void CWnd::ClientToScreen(LPRECT r) const {
  ::MapWindowPoints(m_hWnd, NULL, reinterpret_cast<LPPOINT>(r), 2);
}

void CWnd::ScreenToClient(LPRECT r) const {
  ::MapWindowPoints(NULL, m_hWnd, reinterpret_cast<LPPOINT>(r), 2);
}

BOOL CWnd::SetWindowPos(const CWnd* pAfter, int x, int y, int cx, int cy, UINT nFlags) {
  return ::SetWindowPos(m_hWnd, pAfter->GetSafeHwnd(), x, y, cx, cy, nFlags);
}

void CWnd::CalcWindowRect(LPRECT r, UINT /*nAdjustType*/) {
  ::AdjustWindowRectEx(r, GetStyle(), FALSE, GetExStyle());
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  CRect area;
  HWND hOwner = pAlternateOwner ? pAlternateOwner->m_hWnd
                                : ((GetStyle() & WS_CHILD) ? ::GetParent(m_hWnd)
                                                           : ::GetWindow(m_hWnd, GW_OWNER));
  if (GetStyle() & WS_CHILD) {
    ::GetClientRect(::GetParent(m_hWnd), &area);
  } else if (hOwner && ::IsWindowVisible(hOwner) && !::IsIconic(hOwner)) {
    ::GetWindowRect(hOwner, &area);
  } else {
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  }
  CRect r;
  GetWindowRect(&r);
  int x = area.left + (area.Width() - r.Width()) / 2;
  int y = area.top + (area.Height() - r.Height()) / 2;
  if (!(GetStyle() & WS_CHILD)) {
    CRect work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    if (x + r.Width() > work.right) x = work.right - r.Width();
    if (y + r.Height() > work.bottom) y = work.bottom - r.Height();
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
  }
  ::SetWindowPos(m_hWnd, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO info, UINT nMask) {
  info->cbSize = sizeof(SCROLLINFO);
  info->fMask = nMask;
  return ::GetScrollInfo(m_hWnd, nBar, info);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO info, BOOL bRedraw) {
  info->cbSize = sizeof(SCROLLINFO);
  ::SetScrollInfo(m_hWnd, nBar, info, bRedraw);
  return TRUE;
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const {
  return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

CDC* CWnd::GetDC() {
  return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC() {
  return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* pDC) {
  return pDC ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0;
}

void CWnd::GetWindowText(CString& text) const {
  int n = ::GetWindowTextLengthA(m_hWnd);
  char* buffer = text.GetBuffer(n + 1);
  int got = ::GetWindowTextA(m_hWnd, buffer, n + 1);
  text.ReleaseBuffer(got < 0 ? 0 : got);
}

int CWnd::GetDlgItemText(int nID, CString& text) const {
  HWND hItem = ::GetDlgItem(m_hWnd, nID);
  text.Empty();
  if (!hItem) return 0;
  FromHandle(hItem)->GetWindowText(text);
  return text.GetLength();
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->m_hObject : NULL), bRedraw);
}

CFont* CWnd::GetFont() const {
  return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}

namespace {
struct DescendantMessage {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  BOOL onlyPermanent;
};
BOOL CALLBACK SendToDescendant(HWND hWnd, LPARAM data) {
  const auto* m = reinterpret_cast<const DescendantMessage*>(data);
  if (!m->onlyPermanent || CWnd::FromHandlePermanent(hWnd))
    ::SendMessageA(hWnd, m->msg, m->wParam, m->lParam);
  return TRUE;
}
}  // namespace

void CWnd::SendMessageToDescendants(UINT msg, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPermanent) {
  if (bDeep) {
    // Each window before its children, as a walk would go, but each level listed in one trip
    // to the window system instead of one per window.
    DescendantMessage m = {msg, wParam, lParam, bOnlyPermanent};
    ::EnumChildWindows(m_hWnd, SendToDescendant, reinterpret_cast<LPARAM>(&m));
    return;
  }
  for (HWND hChild = ::GetTopWindow(m_hWnd); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    if (!bOnlyPermanent || FromHandlePermanent(hChild)) ::SendMessageA(hChild, msg, wParam, lParam);
}

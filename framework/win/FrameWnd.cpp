#include "framework/win/FrameWnd.h"

#include "framework/win/PrintPreview.h"

#include <dde.h>

#include <algorithm>
#include <set>
#include <vector>

#include "framework/win/WinApp.h"
#include "framework/win/ControlBar.h"
#include "framework/win/CmdUI.h"
#include "framework/win/DeviceContext.h"
#include "framework/win/Document.h"
#include "framework/win/Menu.h"
#include "framework/win/View.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const RECT CFrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

namespace {
std::set<const CFrameWnd*>& AliveFrames() {
  static std::set<const CFrameWnd*> frames;
  return frames;
}

// Asks whether a command is enabled, without touching any menu.
class CTestCmdUI : public CCmdUI {
 public:
  BOOL m_bEnabled = TRUE;
  void Enable(BOOL on) override {
    m_bEnabled = on;
    m_bEnableChanged = TRUE;
  }
  void SetCheck(int) override {}
  void SetRadio(BOOL) override {}
  void SetText(LPCSTR) override {}
};
}  // namespace

BOOL AfxIsFrameAlive(const CFrameWnd* frame) {
  return AliveFrames().count(frame) != 0;
}

void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* layout, HWND hWnd, LPCRECT rect) {
  if (!layout->hDWP) return;
  layout->hDWP =
      ::DeferWindowPos(layout->hDWP, hWnd, nullptr, rect->left, rect->top, rect->right - rect->left,
                       rect->bottom - rect->top, SWP_NOACTIVATE | SWP_NOZORDER);
}

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_WM_INITMENUPOPUP()
ON_WM_MENUSELECT()
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFFFFFF, &CFrameWnd::OnToolTipText)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFFFFFF, &CFrameWnd::OnToolTipText)
ON_WM_DROPFILES()
ON_WM_QUERYENDSESSION()
ON_MESSAGE(WM_SETMESSAGESTRING, &CFrameWnd::OnSetMessageString)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUIMessage)
ON_MESSAGE(WM_NCACTIVATE, &CFrameWnd::OnNcActivateMessage)
ON_MESSAGE(WM_QX_RECALCLAYOUT, &CFrameWnd::OnRecalcLayoutMessage)
ON_MESSAGE(WM_EXITMENULOOP, &CFrameWnd::OnExitMenuLoop)
ON_MESSAGE(WM_DDE_INITIATE, &CFrameWnd::OnDDEInitiate)
ON_MESSAGE(WM_DDE_EXECUTE, &CFrameWnd::OnDDEExecute)
ON_MESSAGE(WM_DDE_TERMINATE, &CFrameWnd::OnDDETerminate)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() {
  AliveFrames().insert(this);
}

CFrameWnd::~CFrameWnd() {
  AliveFrames().erase(this);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
  if (!cs.lpszClass)
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  if (cs.style & FWS_ADDTOTITLE) cs.style |= FWS_PREFIXTITLE;
  return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::Create(LPCSTR className, LPCSTR title, DWORD style, const RECT& rect, CWnd* parent,
                       LPCSTR menuName, DWORD exStyle, CCreateContext* context) {
  HMENU menu = nullptr;
  if (menuName && !(style & WS_CHILD)) {
    menu = ::LoadMenuA(AfxFindResourceHandle(menuName, RT_MENU), menuName);
  }
  m_strTitle = title ? title : "";
  int x = rect.left, y = rect.top, cx = rect.right - rect.left, cy = rect.bottom - rect.top;
  if (rect.left == CW_USEDEFAULT && !(style & WS_CHILD)) {
    x = y = cx = cy = CW_USEDEFAULT;
  } else if (rect.left == CW_USEDEFAULT) {
    x = y = cx = cy = 0;
  }
  if (!CreateEx(exStyle, className, title, style, x, y, cx, cy,
                parent ? parent->GetSafeHwnd() : nullptr, menu, context)) {
    if (menu) ::DestroyMenu(menu);
    return FALSE;
  }
  return TRUE;
}

HICON CFrameWnd::LoadFrameBasics(UINT idResource) {
  m_nIDHelp = idResource;
  m_strTitle = AfxExtractLine(AfxLoadString(idResource), 0);
  return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(idResource));
}

BOOL CFrameWnd::LoadFrame(UINT idResource, DWORD style, CWnd* parent, CCreateContext* context) {
  HICON icon = LoadFrameBasics(idResource);
  HINSTANCE inst = AfxGetResourceHandle();
  LPCSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                   reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), icon);
  LPCSTR menuName = ::FindResourceA(inst, MAKEINTRESOURCEA(idResource), RT_MENU)
                        ? MAKEINTRESOURCEA(idResource)
                        : nullptr;
  if (!Create(cls, m_strTitle, style, rectDefault, parent, menuName, 0, context)) return FALSE;
  m_hMenuDefault = ::GetMenu(m_hWnd);
  if (!m_hAccelTable) m_hAccelTable = ::LoadAcceleratorsA(inst, MAKEINTRESOURCEA(idResource));
  if (!context) SendIdleUpdateCmdUI();
  return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs) {
  CCreateContext* context = static_cast<CCreateContext*>(lpcs->lpCreateParams);
  if (lpcs->dwExStyle & WS_EX_MDICHILD) {
    MDICREATESTRUCTA* mcs = static_cast<MDICREATESTRUCTA*>(lpcs->lpCreateParams);
    context = mcs ? reinterpret_cast<CCreateContext*>(mcs->lParam) : nullptr;
  }
  return OnCreateHelper(lpcs, context);
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* context) {
  if (CWnd::OnCreate(lpcs) == -1) return -1;
  if (!OnCreateClient(lpcs, context)) return -1;
  RecalcLayout();
  return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
  if (context && context->m_pNewViewClass)
    return CreateView(context, AFX_IDW_PANE_FIRST) != nullptr;
  return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* context, UINT id) {
  if (!context || !context->m_pNewViewClass) return nullptr;
  CObject* obj = context->m_pNewViewClass->CreateObject();
  if (!obj || !obj->IsKindOf(RUNTIME_CLASS(CWnd))) {
    delete obj;
    return nullptr;
  }
  CWnd* view = static_cast<CWnd*>(obj);
  RECT rc = {0, 0, 0, 0};
  if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rc, this, id, context))
    return nullptr;  // a view whose window was made deleted itself
  // The view becomes the active one in InitialUpdateFrame, once its document is filled: a
  // document window activated while it is being made tells no view (the document may be
  // about to read its file).
  return view;
}

void CFrameWnd::SetActiveView(CView* view, BOOL notify) {
  CView* old = m_pViewActive;
  if (view == old) return;
  m_pViewActive = view;
  if (notify && old) old->NotifyActivateView(FALSE, view, old);
  if (notify && view) view->NotifyActivateView(TRUE, view, old);
  if (CFrameWnd* top = GetTopLevelFrame()) top->DelayUpdateFrameTitle();
}

CDocument* CFrameWnd::GetActiveDocument() {
  return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

CFrameWnd* CFrameWnd::GetParentFrameOf(HWND hWnd) {
  for (HWND h = ::GetParent(hWnd); h; h = ::GetParent(h)) {
    CWnd* w = CWnd::FromHandlePermanent(h);
    if (w && w->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(w);
  }
  return nullptr;
}

CFrameWnd* CFrameWnd::GetTopLevelFrame() {
  CFrameWnd* frame = this;
  while (CFrameWnd* up = m_hWnd ? GetParentFrameOf(frame->m_hWnd) : nullptr) frame = up;
  return frame;
}

void CFrameWnd::ActivateFrame(int cmdShow) {
  if (cmdShow == -1) {
    if (!::IsWindowVisible(m_hWnd))
      cmdShow = SW_SHOWNORMAL;
    else if (::IsIconic(m_hWnd))
      cmdShow = SW_RESTORE;
  }
  if (cmdShow != -1) ::ShowWindow(m_hWnd, cmdShow);
  if (!(GetStyle() & WS_CHILD)) ::BringWindowToTop(m_hWnd);
}

void CFrameWnd::InitialUpdateFrame(CDocument* doc, BOOL makeVisible) {
  if (!m_pViewActive) {
    CWnd* pane = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST));
    if (pane && pane->IsKindOf(RUNTIME_CLASS(CView)))
      SetActiveView(static_cast<CView*>(pane), FALSE);
  }
  if (makeVisible) {
    if (doc) {
      POSITION pos = doc->GetFirstViewPosition();
      while (pos) {
        CView* v = doc->GetNextView(pos);
        if (v && v->GetParentFrame() == this) v->OnInitialUpdate();
      }
    } else if (m_pViewActive) {
      m_pViewActive->OnInitialUpdate();
    }
    ActivateFrame(-1);
    // A frame hosted in a bar does not take the focus from the windows around it.
    if (m_pViewActive && !m_bChildHosted)
      m_pViewActive->NotifyActivateView(TRUE, m_pViewActive, m_pViewActive);
  }
  if (doc) doc->UpdateFrameCounts();
  OnUpdateFrameTitle(TRUE);
}

// ---- layout ---------------------------------------------------------------------------------

void CFrameWnd::RecalcLayout(BOOL) {
  if (m_bInRecalcLayout || !m_hWnd) return;
  m_bInRecalcLayout = TRUE;
  m_nIdleFlags &= ~(idleLayout | idleNotify);
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, nullptr, nullptr, TRUE);
  m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL notify) {
  m_nIdleFlags |= idleLayout | (notify ? idleNotify : 0);
  // Also posted, so the layout follows even where no idle time comes (modal loops, tests).
  if (m_hWnd && !m_bLayoutPosted && ::PostMessageA(m_hWnd, WM_QX_RECALCLAYOUT, 0, 0))
    m_bLayoutPosted = TRUE;
}

LRESULT CFrameWnd::OnRecalcLayoutMessage(WPARAM, LPARAM) {
  m_bLayoutPosted = FALSE;
  if (m_nIdleFlags & idleLayout) RecalcLayout(m_nIdleFlags & idleNotify);
  return 0;
}

void CFrameWnd::RepositionBars(UINT idFirst, UINT idLast, UINT idLeftOver, UINT flags,
                               LPRECT rectParam, LPCRECT rectClient, BOOL stretch) {
  AFX_SIZEPARENTPARAMS layout = {};
  layout.bStretch = stretch;
  if (rectClient)
    layout.rect = *rectClient;
  else
    ::GetClientRect(m_hWnd, &layout.rect);
  bool query = (flags & reposQuery) != 0;
  layout.hDWP = query ? nullptr : ::BeginDeferWindowPos(8);
  HWND leftOver = nullptr;
  for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    UINT id = static_cast<UINT>(::GetDlgCtrlID(child));
    if (id == idLeftOver) {
      leftOver = child;
      continue;
    }
    if (id >= idFirst && id <= idLast)
      ::SendMessageA(child, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
  }
  if (query) {
    if (rectParam) *rectParam = layout.rect;
    return;
  }
  if (leftOver) {
    RECT rc = layout.rect;
    if ((flags & reposExtra) && rectParam) {
      rc.left += rectParam->left;
      rc.top += rectParam->top;
      rc.right -= rectParam->right;
      rc.bottom -= rectParam->bottom;
    }
    AfxRepositionWindow(&layout, leftOver, &rc);
  }
  if (layout.hDWP) ::EndDeferWindowPos(layout.hDWP);
}

// ---- titles and menus -----------------------------------------------------------------------

void CFrameWnd::OnUpdateFrameTitle(BOOL addToTitle) {
  if (!(GetStyle() & FWS_ADDTOTITLE)) return;
  CDocument* doc = GetActiveDocument();
  if (addToTitle && doc)
    UpdateFrameTitleForDocument(doc->GetTitle());
  else
    UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR docName) {
  CString text;
  if (docName && *docName) {
    if (GetStyle() & FWS_PREFIXTITLE)
      text = CString(docName) + " - " + m_strTitle;
    else
      text = m_strTitle + " - " + docName;
  } else {
    text = m_strTitle;
  }
  if (GetWindowText() != text) SetWindowText(text);
}

void CFrameWnd::DelayUpdateFrameMenu(HMENU menuAlt) {
  m_hMenuAlt = menuAlt;
  m_nIdleFlags |= idleMenu;
}

void CFrameWnd::OnUpdateFrameMenu(HMENU menuAlt) {
  if (GetStyle() & WS_CHILD) return;
  HMENU menu = menuAlt ? menuAlt : m_hMenuDefault;
  if (menu && ::GetMenu(m_hWnd) != menu) ::SetMenu(m_hWnd, menu);
}

HACCEL CFrameWnd::GetDefaultAccelerator() {
  return m_hAccelTable;
}

namespace {
// Each window before its children, in z-order, as a walk of the whole tree would go; views are
// not entered: they hold most of the program's windows (the side bar's form, the charts) and
// never a bar or a frame. Each level is listed before any message is sent.
void SendIdleUpdateBelow(HWND parent) {
  std::vector<HWND> children;
  for (HWND h = ::GetWindow(parent, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
    children.push_back(h);
  for (HWND h : children) {
    if (!::IsWindow(h)) continue;
    CWnd* wnd = CWnd::FromHandlePermanent(h);
    const bool acts =
        wnd && (wnd->IsKindOf(RUNTIME_CLASS(CControlBar)) || wnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)));
    if (acts) ::SendMessageA(h, WM_IDLEUPDATECMDUI, TRUE, 0);
    if (!wnd || !wnd->IsKindOf(RUNTIME_CLASS(CView))) SendIdleUpdateBelow(h);
  }
}
}  // namespace

void CFrameWnd::SendIdleUpdateCmdUI() {
  // Every message to a subclassed control costs two property look-ups in the window system,
  // and listing a window's children one more trip: only bars and frames are told, and the
  // views with their many controls are not walked.
  if (m_hWnd) SendIdleUpdateBelow(m_hWnd);
}

void CFrameWnd::OnIdleUpdateCmdUI() {
  if (!m_hWnd) return;
  if (m_nIdleFlags & idleMenu) {
    m_nIdleFlags &= ~idleMenu;
    OnUpdateFrameMenu(m_hMenuAlt);
  }
  if (m_nIdleFlags & idleTitle) {
    m_nIdleFlags &= ~idleTitle;
    OnUpdateFrameTitle(TRUE);
  }
  if (m_nIdleFlags & idleLayout) RecalcLayout(m_nIdleFlags & idleNotify);
}

LRESULT CFrameWnd::OnNcActivateMessage(WPARAM wParam, LPARAM lParam) {
  // A hidden frame has no caption or menu bar on screen to repaint; the active state is still
  // kept, and the frame's first paint draws it.
  if (!::IsWindowVisible(m_hWnd)) lParam = -1;
  return DefWindowProc(WM_NCACTIVATE, wParam, lParam);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUIMessage(WPARAM, LPARAM) {
  // The main frame is updated by the application; frames inside it (document windows,
  // frames hosted by bars) here.
  if (AfxGetMainWnd() != this) OnIdleUpdateCmdUI();
  return 0;
}

// ---- message pane ---------------------------------------------------------------------------

CWnd* CFrameWnd::GetMessageBar() {
  CFrameWnd* top = GetTopLevelFrame();
  HWND bar = ::GetDlgItem(top->m_hWnd, AFX_IDW_STATUS_BAR);
  return bar ? CWnd::FromHandle(bar) : nullptr;
}

void CFrameWnd::SetMessageText(LPCSTR text) {
  if (CWnd* bar = GetMessageBar()) ::SetWindowTextA(bar->m_hWnd, text ? text : "");
}

void CFrameWnd::SetMessageText(UINT id) {
  CString text = id ? AfxExtractLine(AfxLoadString(id), 0) : CString();
  SetMessageText(text);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
  if (wParam)
    SetMessageText(static_cast<UINT>(wParam));
  else
    SetMessageText(reinterpret_cast<LPCSTR>(lParam));
  return 0;
}

void CFrameWnd::OnMenuSelect(UINT itemId, UINT flags, HMENU menu) {
  if (flags == 0xFFFF && !menu) {
    m_nIDTracking = AFX_IDS_IDLEMESSAGE;
    SetMessageText(AFX_IDS_IDLEMESSAGE);
    return;
  }
  if (flags & (MF_SEPARATOR | MF_POPUP)) {
    m_nIDTracking = 0;
    SetMessageText("");
    return;
  }
  m_nIDTracking = itemId;
  SetMessageText(itemId);
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* hdr, LRESULT* result) {
  // A tool-bar button's tip is the second line of its command's string.
  UINT_PTR id = hdr->idFrom;
  bool isWindow = hdr->code == TTN_NEEDTEXTA
                      ? (reinterpret_cast<NMTTDISPINFOA*>(hdr)->uFlags & TTF_IDISHWND) != 0
                      : (reinterpret_cast<NMTTDISPINFOW*>(hdr)->uFlags & TTF_IDISHWND) != 0;
  if (isWindow) id = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(id)));
  if (id == 0 || id > 0xFFFF) return FALSE;
  CString tip = AfxExtractLine(AfxLoadString(static_cast<UINT>(id)), 1);
  if (hdr->code == TTN_NEEDTEXTA) {
    NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(hdr);
    lstrcpynA(info->szText, tip, static_cast<int>(sizeof info->szText));
    info->lpszText = info->szText;
  } else {
    NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(hdr);
    int n = ::MultiByteToWideChar(CP_ACP, 0, tip, -1, info->szText,
                                  static_cast<int>(sizeof info->szText / sizeof(WCHAR)));
    if (n == 0) info->szText[sizeof info->szText / sizeof(WCHAR) - 1] = 0;
    info->lpszText = info->szText;
  }
  *result = 0;
  return TRUE;
}

LRESULT CFrameWnd::OnExitMenuLoop(WPARAM, LPARAM) {
  SetMessageText(AFX_IDS_IDLEMESSAGE);
  return Default();
}

// ---- menus ----------------------------------------------------------------------------------

void CFrameWnd::UpdatePopupItems(CMenu* popup, BOOL) {
  AfxUpdateMenuItems(popup, this, m_bAutoMenuEnable);
}

void CFrameWnd::OnInitMenuPopup(CMenu* popup, UINT, BOOL sysMenu) {
  if (sysMenu) return;
  UpdatePopupItems(popup, sysMenu);
}

// ---- commands -------------------------------------------------------------------------------

BOOL CFrameWnd::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) {
  if (m_pViewActive && AfxRouteCmdMsg(m_pViewActive, id, code, extra, info)) return TRUE;
  if (AfxCmdHandled(CWnd::OnCmdMsg(id, code, extra, info), code, extra)) return TRUE;
  // The application last, for the outermost frame only.
  CWinApp* app = AfxGetApp();
  if (app && m_hWnd && !GetParentFrameOf(m_hWnd) && AfxRouteCmdMsg(app, id, code, extra, info))
    return TRUE;
  return FALSE;
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam != 0)
    return CWnd::OnCommand(wParam, lParam);  // control notifications (reflected first)
  UINT id = LOWORD(wParam);
  // A menu command or accelerator for a disabled command does nothing.
  if (m_bAutoMenuEnable && id != 0 && id < 0xF000) {
    CTestCmdUI test;
    test.m_nID = id;
    test.DoUpdate(this, TRUE);
    if (!test.m_bEnabled) return TRUE;
  }
  return OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg) {
  if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
    HACCEL accel = GetDefaultAccelerator();
    if (accel && ::TranslateAcceleratorA(m_hWnd, accel, msg)) return TRUE;
  }
  return CWnd::PreTranslateMessage(msg);
}

// ---- window life ----------------------------------------------------------------------------

void CFrameWnd::OnClose() {
  if (m_pPreviewState) {
    // Closing the frame while it shows a preview ends the preview.
    if (m_pPreviewState->lpfnCloseProc) m_pPreviewState->lpfnCloseProc(this);
    return;
  }
  CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd == this) {
    if (!app->SaveAllModified()) return;
    app->CloseAllDocuments(FALSE);
    DestroyWindow();
    return;
  }
  CDocument* doc = GetActiveDocument();
  if (doc) {
    if (!doc->CanCloseFrame(this)) return;
    // The last frame of the document: closing it closes the document.
    int frames = 0;
    POSITION pos = doc->GetFirstViewPosition();
    while (pos) {
      CView* v = doc->GetNextView(pos);
      if (v && v->GetParentFrame() != this) ++frames;
    }
    if (frames == 0 && doc->m_bAutoDelete) {
      doc->OnCloseDocument();
      return;
    }
  }
  DestroyWindow();
}

void CFrameWnd::OnDestroy() {
  // The document menu shown now belongs to its template: put the frame's own back so that
  // only the frame's menu goes with the window.
  if (!(GetStyle() & WS_CHILD) && m_hMenuDefault && ::GetMenu(m_hWnd) != m_hMenuDefault)
    ::SetMenu(m_hWnd, m_hMenuDefault);
  CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd == this) {
    app->m_pMainWnd = nullptr;
    ::PostQuitMessage(0);
  }
  CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy() {
  delete this;
}

void CFrameWnd::OnSize(UINT type, int cx, int cy) {
  CWnd::OnSize(type, cx, cy);
  if (type != SIZE_MINIMIZED) RecalcLayout();
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* dc) {
  if (m_pViewActive) return TRUE;  // the view covers the client area
  return CWnd::OnEraseBkgnd(dc);
}

void CFrameWnd::OnSetFocus(CWnd* old) {
  if (m_pViewActive && m_pViewActive->m_hWnd)
    ::SetFocus(m_pViewActive->m_hWnd);
  else
    CWnd::OnSetFocus(old);
}

void CFrameWnd::OnActivate(UINT state, CWnd* other, BOOL minimized) {
  CWnd::OnActivate(state, other, minimized);
}

void CFrameWnd::OnDropFiles(HDROP drop) {
  UINT n = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  CWinApp* app = AfxGetApp();
  for (UINT i = 0; i < n && app; ++i) {
    char path[MAX_PATH * 4];
    if (::DragQueryFileA(drop, i, path, sizeof path)) app->OpenDocumentFile(path);
  }
  ::DragFinish(drop);
}

BOOL CFrameWnd::OnQueryEndSession() {
  CWinApp* app = AfxGetApp();
  return app && app->m_pMainWnd == this ? app->SaveAllModified() : TRUE;
}

LRESULT CFrameWnd::OnEnterIdleMessage(WPARAM, LPARAM) {
  return 0;
}

// ---- control bars ---------------------------------------------------------------------------

void CFrameWnd::AddControlBar(CControlBar* bar) {
  if (std::find(m_listControlBars.begin(), m_listControlBars.end(), bar) == m_listControlBars.end())
    m_listControlBars.push_back(bar);
}

void CFrameWnd::RemoveControlBar(CControlBar* bar) {
  m_listControlBars.erase(std::remove(m_listControlBars.begin(), m_listControlBars.end(), bar),
                          m_listControlBars.end());
}

CControlBar* CFrameWnd::GetControlBar(UINT id) {
  for (CControlBar* bar : m_listControlBars)
    if (bar->m_hWnd && static_cast<UINT>(::GetDlgCtrlID(bar->m_hWnd)) == id) return bar;
  return nullptr;
}

CDockBar* CFrameWnd::GetDockBar(UINT dockBarId) {
  for (CControlBar* bar : m_listControlBars)
    if (bar->IsDockBar() && bar->m_hWnd &&
        static_cast<UINT>(::GetDlgCtrlID(bar->m_hWnd)) == dockBarId &&
        ::GetParent(bar->m_hWnd) == m_hWnd)
      return static_cast<CDockBar*>(bar);
  return nullptr;
}

void CFrameWnd::EnableDocking(DWORD dockStyle) {
  static const struct {
    DWORD align;
    UINT id;
  } sides[] = {{CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
               {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
               {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
               {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT}};
  for (const auto& s : sides) {
    if (!(dockStyle & s.align) || GetDockBar(s.id)) continue;
    CDockBar* dock = new CDockBar;
    if (!dock->Create(this, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | s.align,
                      s.id))
      delete dock;
  }
}

void CFrameWnd::DockControlBar(CControlBar* bar, UINT dockBarId, LPCRECT rect) {
  if (!bar || !bar->m_hWnd) return;
  CDockBar* dock = dockBarId ? GetDockBar(dockBarId) : nullptr;
  if (!dock) {
    static const struct {
      DWORD align;
      UINT id;
    } order[] = {{CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
                 {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
                 {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
                 {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT}};
    for (const auto& o : order)
      if ((bar->m_dwDockStyle & o.align) && (dock = GetDockBar(o.id)) != nullptr) break;
  }
  if (!dock) return;
  dock->DockControlBar(bar, rect);
  RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* bar, BOOL show, BOOL delay) {
  if (!bar || !bar->m_hWnd) return;
  if (delay) {
    bar->DelayShow(show);
    DelayRecalcLayout();
    return;
  }
  bar->m_nStateFlags &= ~static_cast<UINT>(CControlBar::delayHide | CControlBar::delayShow);
  ::ShowWindow(bar->m_hWnd, show ? SW_SHOWNOACTIVATE : SW_HIDE);
  RecalcLayout();
}

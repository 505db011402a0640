#include "framework/win/MDIFrames.h"

#include "framework/win/WinApp.h"
#include "framework/win/CmdUI.h"
#include "framework/win/Document.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/Menu.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
ON_WM_DESTROY()
ON_WM_SIZE()
ON_COMMAND(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnWindowCascade)
ON_COMMAND(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnWindowTileHorz)
ON_COMMAND(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnWindowTileVert)
ON_COMMAND(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnWindowArrange)
ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*) {
  CMenu* windowMenu = nullptr;
  HMENU bar = ::GetMenu(m_hWnd);
  if (HMENU popup = bar ? GetWindowMenuPopup(bar) : nullptr) windowMenu = CMenu::FromHandle(popup);
  return CreateClient(lpcs, windowMenu);
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU menuBar) {
  int n = ::GetMenuItemCount(menuBar);
  for (int i = n - 1; i >= 0; --i) {
    char text[64] = "";
    ::GetMenuStringA(menuBar, i, text, sizeof text, MF_BYPOSITION);
    if (::GetSubMenu(menuBar, i) && lstrcmpiA(text, "&Window") == 0)
      return ::GetSubMenu(menuBar, i);
  }
  return n >= 2 ? ::GetSubMenu(menuBar, n - 2) : nullptr;
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu* windowMenu) {
  CLIENTCREATESTRUCT ccs = {};
  ccs.hWindowMenu = windowMenu ? windowMenu->m_hMenu : nullptr;
  ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
  m_hWndMDIClient =
      ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL |
                            WS_HSCROLL | MDIS_ALLCHILDSTYLES,
                        0, 0, 0, 0, m_hWnd, reinterpret_cast<HMENU>(AFX_IDW_PANE_FIRST),
                        AfxGetInstanceHandle(), &ccs);
  if (!m_hWndMDIClient) return FALSE;
  ::BringWindowToTop(m_hWndMDIClient);
  return TRUE;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* maximized) const {
  if (!m_hWndMDIClient) return nullptr;
  BOOL max = FALSE;
  HWND h = reinterpret_cast<HWND>(
      ::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&max)));
  if (maximized) *maximized = max;
  CWnd* w = CWnd::FromHandlePermanent(h);
  return w && w->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) ? static_cast<CMDIChildWnd*>(w) : nullptr;
}

void CMDIFrameWnd::MDIActivate(CWnd* child) {
  ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->GetSafeHwnd()),
                 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* child) {
  ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->GetSafeHwnd()),
                 0);
}

void CMDIFrameWnd::MDINext() {
  ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}
void CMDIFrameWnd::MDICascade() {
  ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
}
void CMDIFrameWnd::MDITile(UINT how) {
  ::SendMessageA(m_hWndMDIClient, WM_MDITILE, how, 0);
}

HMENU CMDIFrameWnd::MDISetMenu(HMENU frameMenu, HMENU windowMenu) {
  HMENU old = reinterpret_cast<HMENU>(::SendMessageA(m_hWndMDIClient, WM_MDISETMENU,
                                                     reinterpret_cast<WPARAM>(frameMenu),
                                                     reinterpret_cast<LPARAM>(windowMenu)));
  // A hidden frame has no menu bar on screen; it is measured and drawn when the frame shows.
  if (::IsWindowVisible(m_hWnd)) ::DrawMenuBar(m_hWnd);
  return old;
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
  CMDIChildWnd* child = MDIGetActive();
  return child ? static_cast<CFrameWnd*>(child) : this;
}

CDocument* CMDIFrameWnd::GetActiveDocument() {
  CMDIChildWnd* child = MDIGetActive();
  return child ? child->GetActiveDocument() : CFrameWnd::GetActiveDocument();
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU menuAlt) {
  CMDIChildWnd* child = MDIGetActive();
  if (child) {
    child->OnUpdateFrameMenu(TRUE, child, menuAlt);
    return;
  }
  HMENU menu = menuAlt ? menuAlt : m_hMenuDefault;
  if (menu && ::GetMenu(m_hWnd) != menu) MDISetMenu(menu, GetWindowMenuPopup(menu));
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL addToTitle) {
  if (!(GetStyle() & FWS_ADDTOTITLE)) return;
  BOOL maximized = FALSE;
  CMDIChildWnd* child = MDIGetActive(&maximized);
  CDocument* doc = child && !maximized ? child->GetActiveDocument() : nullptr;
  UpdateFrameTitleForDocument(addToTitle && doc ? doc->GetTitle().GetString() : nullptr);
}

void CMDIFrameWnd::RecalcLayout(BOOL notify) {
  CFrameWnd::RecalcLayout(notify);
}

HACCEL CMDIFrameWnd::GetDefaultAccelerator() {
  if (m_pPreviewState) return nullptr;  // the preview has no keyboard commands
  // The active document type's accelerators first.
  if (CMDIChildWnd* child = MDIGetActive()) {
    if (CDocument* doc = child->GetActiveDocument())
      if (CDocTemplate* t = doc->GetDocTemplate())
        if (t->m_hAccelTable) return t->m_hAccelTable;
  }
  return m_hAccelTable;
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* msg) {
  if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
    if (m_hWndMDIClient && ::TranslateMDISysAccel(m_hWndMDIClient, msg)) return TRUE;
    HACCEL accel = GetDefaultAccelerator();
    if (accel && ::TranslateAcceleratorA(m_hWnd, accel, msg)) return TRUE;
    if (accel != m_hAccelTable && m_hAccelTable &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, msg))
      return TRUE;
    return FALSE;
  }
  return CWnd::PreTranslateMessage(msg);
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) {
  // The active document window first (its view, document and frame), then this frame and
  // the application.
  CMDIChildWnd* child = m_pPreviewState ? nullptr : MDIGetActive();
  if (child && AfxRouteCmdMsg(child, id, code, extra, info)) return TRUE;
  return CFrameWnd::OnCmdMsg(id, code, extra, info);
}

void CMDIFrameWnd::OnDestroy() {
  CFrameWnd::OnDestroy();
}

void CMDIFrameWnd::OnSize(UINT type, int cx, int cy) {
  // DefFrameProc would size the client over the whole frame; the layout does it instead.
  if (type != SIZE_MINIMIZED) RecalcLayout();
  (void)cx, (void)cy;
}

void CMDIFrameWnd::OnWindowCascade() {
  MDICascade();
}
void CMDIFrameWnd::OnWindowTileHorz() {
  MDITile(MDITILE_HORIZONTAL);
}
void CMDIFrameWnd::OnWindowTileVert() {
  MDITile(MDITILE_VERTICAL);
}
void CMDIFrameWnd::OnWindowArrange() {
  ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
}
void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* ui) {
  ui->Enable(MDIGetActive() != nullptr);
}

// ---- CMDIChildWnd ---------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_WM_MDIACTIVATE()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGING()
ON_WM_CLOSE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
  HWND client = ::GetParent(m_hWnd);
  CWnd* frame = client ? CWnd::FromHandlePermanent(::GetParent(client)) : nullptr;
  return frame && frame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(frame)
                                                               : nullptr;
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCTA& cs) {
  cs.style |= WS_CHILD;
  return CFrameWnd::PreCreateWindow(cs);
}

BOOL CMDIChildWnd::Create(LPCSTR className, LPCSTR title, DWORD style, const RECT& rect,
                          CWnd* parent, LPCSTR, DWORD exStyle, CCreateContext* context) {
  CMDIFrameWnd* frame = nullptr;
  if (parent && parent->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
    frame = static_cast<CMDIFrameWnd*>(parent);
  else if (CWnd* main = AfxGetMainWnd())
    frame =
        main->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(main) : nullptr;
  if (!frame || !frame->m_hWndMDIClient) return FALSE;

  CREATESTRUCTA cs = {};
  cs.style = style | WS_CHILD;
  cs.dwExStyle = exStyle | WS_EX_MDICHILD;
  cs.lpszClass = className;
  cs.lpszName = title;
  cs.x = rect.left;
  cs.y = rect.top;
  cs.cx = rect.right - rect.left;
  cs.cy = rect.bottom - rect.top;
  cs.hwndParent = frame->m_hWndMDIClient;
  if (!PreCreateWindow(cs)) return FALSE;
  if (rect.left == CW_USEDEFAULT) cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;

  // A maximised new window while another is maximised would flash: create it maximised.
  BOOL maximized = FALSE;
  frame->MDIGetActive(&maximized);
  if (maximized) cs.style |= WS_MAXIMIZE;
  cs.style &= ~static_cast<DWORD>(WS_VISIBLE);

  MDICREATESTRUCTA mcs = {};
  mcs.szClass = cs.lpszClass;
  mcs.szTitle = cs.lpszName;
  mcs.hOwner = AfxGetInstanceHandle();
  mcs.x = cs.x;
  mcs.y = cs.y;
  mcs.cx = cs.cx;
  mcs.cy = cs.cy;
  mcs.style = cs.style & ~static_cast<DWORD>(WS_MAXIMIZE | WS_VISIBLE);
  mcs.lParam = reinterpret_cast<LPARAM>(context);
  m_strTitle = title ? title : "";

  AfxHookWindowCreate(this);
  HWND h = reinterpret_cast<HWND>(
      ::SendMessageA(frame->m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  AfxUnhookWindowCreate();
  if (!h) return FALSE;
  if (!m_hWnd && !AttachAndSubclass(h)) {
    ::SendMessageA(frame->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(h), 0);
    return FALSE;
  }
  if (cs.style & WS_MAXIMIZE) ::ShowWindow(h, SW_SHOWMAXIMIZED);
  return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT idResource, DWORD style, CWnd* parent, CCreateContext* context) {
  HICON icon = LoadFrameBasics(idResource);
  WNDCLASSA wc = {};
  char name[64];
  wsprintfA(name, "QxMDIChild:%p", static_cast<void*>(icon));
  if (!::GetClassInfoA(AfxGetInstanceHandle(), name, &wc)) {
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefMDIChildProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = icon;
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    if (!::RegisterClassA(&wc)) return FALSE;
  }
  // Through the virtual Create, so that a derived frame's PreCreateWindow applies.
  if (!Create(name, m_strTitle, style, rectDefault, parent, nullptr, 0, context)) return FALSE;
  if (context && context->m_pNewDocTemplate)
    m_hMenuShared = context->m_pNewDocTemplate->m_hMenuShared;
  return TRUE;
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

BOOL CMDIChildWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  CMDIFrameWnd* frame = GetMDIFrame();
  HWND client = ::GetParent(m_hWnd);
  // The tab strip and the title follow at idle, once this window has left the client.
  if (frame)
    frame->DelayUpdateFrameTitle(), frame->DelayUpdateFrameMenu(nullptr),
        frame->DelayRecalcLayout();
  ::SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
  return TRUE;
}

void CMDIChildWnd::MDIActivate() {
  if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDIActivate(this);
}

void CMDIChildWnd::MDIMaximize() {
  if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDIMaximize(this);
}

void CMDIChildWnd::ActivateFrame(int cmdShow) {
  BOOL visible = ::IsWindowVisible(m_hWnd);
  if (cmdShow == -1) {
    CMDIFrameWnd* frame = GetMDIFrame();
    BOOL maximized = FALSE;
    if (frame) frame->MDIGetActive(&maximized);
    if (!visible)
      cmdShow = (maximized || (GetStyle() & WS_MAXIMIZE)) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    else if (::IsIconic(m_hWnd))
      cmdShow = SW_RESTORE;
  }
  if (cmdShow != -1) ::ShowWindow(m_hWnd, cmdShow);
  MDIActivate();
  if (CMDIFrameWnd* frame = GetMDIFrame()) {
    frame->OnUpdateFrameMenu(nullptr);
    frame->OnUpdateFrameTitle(TRUE);
  }
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL activate, CWnd*, HMENU menuAlt) {
  CMDIFrameWnd* frame = GetMDIFrame();
  if (!frame) return;
  HMENU menu = menuAlt;
  if (!menu && activate) menu = m_hMenuShared;
  if (!menu) menu = frame->m_hMenuDefault;
  if (menu && ::GetMenu(frame->m_hWnd) != menu)
    frame->MDISetMenu(menu, frame->GetWindowMenuPopup(menu));
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL addToTitle) {
  CMDIFrameWnd* frame = GetMDIFrame();
  if (frame) frame->OnUpdateFrameTitle(addToTitle);
  if (!(GetStyle() & FWS_ADDTOTITLE)) return;
  CDocument* doc = GetActiveDocument();
  if (!doc) return;
  // "name", or "name:n" when the document has several windows.
  CString text = doc->GetTitle();
  int windows = 0, index = 0;
  POSITION pos = doc->GetFirstViewPosition();
  std::vector<CFrameWnd*> seen;
  while (pos) {
    CView* v = doc->GetNextView(pos);
    CFrameWnd* f = v ? v->GetParentFrame() : nullptr;
    if (!f || std::find(seen.begin(), seen.end(), f) != seen.end()) continue;
    seen.push_back(f);
    ++windows;
    if (f == this) index = windows;
  }
  if (windows > 1) {
    CString n;
    n.Format(":%d", index);
    text += n;
  }
  if (GetWindowText() != text) SetWindowText(text);
}

void CMDIChildWnd::OnMDIActivate(BOOL activate, CWnd* activateWnd, CWnd* deactivateWnd) {
  CMDIFrameWnd* frame = GetMDIFrame();
  CView* view = GetActiveView();
  if (view)
    view->NotifyActivateView(activate, activate ? view : nullptr, activate ? nullptr : view);
  (void)deactivateWnd;
  if (!frame) return;
  // Menus and titles follow the active document window.
  if (activate)
    OnUpdateFrameMenu(TRUE, activateWnd, nullptr);
  else if (!activateWnd)
    frame->DelayUpdateFrameMenu(nullptr);
  frame->DelayUpdateFrameTitle();
  frame->OnUpdateFrameTitle(TRUE);
}

void CMDIChildWnd::OnSize(UINT type, int cx, int cy) {
  Default();  // DefMDIChildProc keeps the maximised state and the menu bar in order
  if (type != SIZE_MINIMIZED) RecalcLayout();
  (void)cx, (void)cy;
}

void CMDIChildWnd::OnWindowPosChanging(WINDOWPOS* pos) {
  CFrameWnd::OnWindowPosChanging(pos);
}

void CMDIChildWnd::OnClose() {
  CFrameWnd::OnClose();
}

void CMDIChildWnd::OnDestroy() {
  if (CMDIFrameWnd* frame = GetMDIFrame()) {
    frame->DelayUpdateFrameTitle();
    frame->DelayUpdateFrameMenu(nullptr);
  }
  CFrameWnd::OnDestroy();
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* msg) {
  return CWnd::PreTranslateMessage(msg);
}

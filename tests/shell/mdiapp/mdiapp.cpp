#include "tests/shell/mdiapp/mdiapp.h"

#include "framework/win/DeviceContext.h"

namespace mdiapp {

IMPLEMENT_DYNCREATE(CAppDoc, CDocument)
IMPLEMENT_DYNCREATE(CAppView, CView)
IMPLEMENT_DYNCREATE(CAppChild, CMDIChildWnd)
IMPLEMENT_DYNCREATE(CSideForm, CFormView)
IMPLEMENT_DYNCREATE(CAppFrame, CMDIFrameWnd)

std::vector<ViewEvent> g_viewEvents;

void CAppView::OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) {
  g_viewEvents.push_back({this, ViewEvent::kUpdate, sender, hint});
  CView::OnUpdate(sender, hint, hintObject);
}

void CAppView::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) {
  g_viewEvents.push_back({this, activate ? ViewEvent::kActivate : ViewEvent::kDeactivate,
                          nullptr, 0});
  CView::OnActivateView(activate, activateView, deactiveView);
}

void CAppView::OnDraw(CDC* dc) {
  RECT rc;
  GetClientRect(&rc);
  ::FillRect(dc->m_hDC, &rc, ::GetSysColorBrush(COLOR_WINDOW));
  CString text = GetDocument() ? GetDocument()->GetTitle() : CString();
  ::DrawTextA(dc->m_hDC, text, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

int CSideForm::GetPanelWidth() {
  RECT rc = {0, 0, 0, 0};
  HWND box = ::GetDlgItem(m_hWnd, 1393);
  if (box) ::GetWindowRect(box, &rc);
  return rc.right - rc.left + 15;
}

BEGIN_MESSAGE_MAP(CAppFrame, CMDIFrameWnd)
ON_WM_CREATE()
ON_WM_INITMENUPOPUP()
ON_WM_MENUCHAR()
END_MESSAGE_MAP()

int CAppFrame::OnCreate(LPCREATESTRUCT lpcs) {
  if (CMDIFrameWnd::OnCreate(lpcs) == -1) return -1;
  if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                             WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM |
                                 CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC) ||
      !m_wndToolBar.LoadToolBar(IDR_TESTTOOLBAR))
    return -1;
  static const UINT indicators[] = {0};
  if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 1)) return -1;
  EnableDocking(CBRS_ALIGN_ANY);
  m_wndSideBar.EnableMinimize(TRUE);
  m_wndSideBar.EnableDragging(FALSE);
  if (!m_wndSideBar.Create(this, RUNTIME_CLASS(CSideForm), nullptr, "Side Bar",
                           WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT, 0xE900))
    return -1;
  m_wndSideBar.SetBarStyle(m_wndSideBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY |
                           CBRS_SIZE_DYNAMIC);
  m_wndSideBar.EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
  DockControlBar(&m_wndSideBar, AFX_IDW_DOCKBAR_LEFT);
  CWnd* form = m_wndSideBar.GetHostedFrame()->GetActiveView();
  if (form && form->IsKindOf(RUNTIME_CLASS(CSideForm)))
    m_wndSideBar.SetBarWidth(static_cast<CSideForm*>(form)->GetPanelWidth());
  m_tabs.Create(kTabsKey, this, 6, 1);
  return 0;
}

void CAppFrame::OnUpdateFrameTitle(BOOL addToTitle) {
  CMDIFrameWnd::OnUpdateFrameTitle(addToTitle);
  m_tabs.Refresh();
}

void CAppFrame::OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu) {
  CMDIFrameWnd::OnInitMenuPopup(popup, index, sysMenu);
  if (!sysMenu && COwnerDrawMenu::IsOwnerDrawMenu(popup)) COwnerDrawMenu::UpdateMenu(popup);
}

LRESULT CAppFrame::OnMenuChar(UINT ch, UINT flags, CMenu* menu) {
  if (COwnerDrawMenu::IsOwnerDrawMenu(menu)) return COwnerDrawMenu::FindMenuChar(ch, flags, menu);
  return Default();
}

CApp::CApp() : CWinApp("MdiApp") {
  SetRegistryKey("Quarvex Tests FW2");
}

CApp::~CApp() {
  Stop();
}

BOOL CApp::Start() {
  LoadStdProfileSettings(4);
  m_pTemplate = new CMultiDocTemplate(IDR_TESTDOC, RUNTIME_CLASS(CAppDoc), RUNTIME_CLASS(CAppChild),
                                      RUNTIME_CLASS(CAppView));
  // The document type shows the owner-drawn document menu.
  if (!m_menuDocument.LoadMenu(IDR_TESTDOC)) return FALSE;
  const UINT bars[] = {IDR_TESTTOOLBAR};
  m_menuDocument.LoadToolbars(bars, 1);
  if (m_pTemplate->m_hMenuShared) ::DestroyMenu(m_pTemplate->m_hMenuShared);
  m_pTemplate->m_hMenuShared = m_menuDocument.Detach();
  AddDocTemplate(m_pTemplate);

  CAppFrame* frame = new CAppFrame;
  m_pMainWnd = frame;
  if (!frame->LoadFrame(IDR_TESTMAIN)) {
    m_pMainWnd = nullptr;
    return FALSE;
  }
  if (m_menuMain.LoadMenu(IDR_TESTMAIN)) {
    m_menuMain.LoadToolbars(bars, 1);
    HMENU old = ::GetMenu(frame->m_hWnd);
    frame->m_hMenuDefault = m_menuMain.Detach();
    frame->MDISetMenu(frame->m_hMenuDefault, frame->GetWindowMenuPopup(frame->m_hMenuDefault));
    if (old) ::DestroyMenu(old);
  }
  frame->SetWindowPos(nullptr, 0, 0, 900, 650, SWP_NOZORDER);
  frame->ShowWindow(SW_SHOW);
  frame->UpdateWindow();
  return TRUE;
}

void CApp::Stop() {
  if (m_pMainWnd && m_pMainWnd->m_hWnd) {
    CloseAllDocuments(FALSE);
    m_pMainWnd->DestroyWindow();
  }
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

CAppDoc* CApp::NewDocument() {
  return static_cast<CAppDoc*>(m_pTemplate->OpenDocumentFile(nullptr));
}

}  // namespace mdiapp

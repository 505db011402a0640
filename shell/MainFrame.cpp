#include "shell/MainFrame.h"

#include "core/document/KelProject.h"
#include "core/registry/Win32SettingsStore.h"
#include "framework/win/CmdUI.h"
#include "res/ShellResources.h"
#include "shell/KelStrengthApp.h"
#include "shell/PageSetupRecord.h"
#include "shell/PreferencesDlg.h"
#include "shell/ShellSettings.h"
#include "view/DockForm.h"

IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

namespace {

const char kBarStateProfile[] = "KelStrength.BarState";
const UINT kSideBarId = 0xE900;

// The side bar's form class: the parameter form.
CRuntimeClass* SideBarFormClass() {
  return RUNTIME_CLASS(CDockForm);
}

}  // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
ON_WM_CREATE()
ON_WM_MENUCHAR()
ON_WM_INITMENUPOPUP()
ON_WM_MEASUREITEM()
ON_WM_CLOSE()
ON_COMMAND(ID_VIEW_SIDE_BAR, &CMainFrame::OnViewSideBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_SIDE_BAR, &CMainFrame::OnUpdateViewSideBar)
ON_COMMAND(ID_VIEW_SIDE_BAR_LEFT, &CMainFrame::OnSideBarLeft)
ON_UPDATE_COMMAND_UI(ID_VIEW_SIDE_BAR_LEFT, &CMainFrame::OnUpdateSideBarLeft)
ON_COMMAND(ID_VIEW_SIDE_BAR_RIGHT, &CMainFrame::OnSideBarRight)
ON_UPDATE_COMMAND_UI(ID_VIEW_SIDE_BAR_RIGHT, &CMainFrame::OnUpdateSideBarRight)
ON_COMMAND(ID_FILE_PREFERENCES, &CMainFrame::OnFilePreferences)
ON_MESSAGE(WM_PAGESETUP_CHANGED, &CMainFrame::OnPageSetupChanged)
ON_NOTIFY(TBN_DROPDOWN, AFX_IDW_TOOLBAR, &CMainFrame::OnToolBarDropDown)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() : m_strSettingsKey(kSettingsKey) {}

CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
  return CMDIFrameWnd::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpcs) {
  if (CMDIFrameWnd::OnCreate(lpcs) == -1) return -1;
  if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                             WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM |
                                 CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC,
                             CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) ||
      !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
    return -1;
  static const UINT indicators[] = {ID_SEPARATOR};
  if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 1)) return -1;
  SetDropDownButton(m_wndToolBar, ID_FILE_OPEN);
  RECT first = {0, 0, 0, 0};
  m_wndToolBar.GetItemRect(0, &first);
  m_wndToolBar.SetSizes(CSize(first.right - first.left, first.bottom - first.top), CSize(16, 15));
  m_wndToolBar.SetBorders(2, 2, 2, 2);
  EnableDocking(CBRS_ALIGN_ANY);
  if (CreateSideBar(nullptr) == -1) return -1;
  LoadMenuStyle();
  m_tabManager.Create(kPreferencesKey, this, 6, 1);
  SetMessageText(AFX_IDS_IDLEMESSAGE);
  return 0;
}

int CMainFrame::CreateSideBar(CCreateContext* context) {
  m_wndSideBar.EnableMinimize(TRUE);
  m_wndSideBar.EnableDragging(FALSE);
  if (!m_wndSideBar.Create(this, SideBarFormClass(), context, "Side Bar",
                           WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT, kSideBarId))
    return -1;
  ExchangeSideBarSide(FALSE);
  m_wndSideBar.SetBarStyle(m_wndSideBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY |
                           CBRS_SIZE_DYNAMIC);
  m_wndSideBar.EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
  DockSideBar();
  // The form announced itself while the bar was created; its panel's width sizes the bar.
  if (m_pDockForm) m_wndSideBar.SetBarWidth(m_pDockForm->GetPanelWidth());
  CSizingControlBar::LoadBarStates(this, kBarStateProfile);
  return 0;
}

void CMainFrame::DockSideBar() {
  DockControlBar(&m_wndSideBar, m_bSideBarLeft ? AFX_IDW_DOCKBAR_LEFT : AFX_IDW_DOCKBAR_RIGHT);
}

void CMainFrame::ExchangeSideBarSide(BOOL store) {
  if (store)
    SaveSideBarSide(CWin32SettingsStore::Instance(), m_bSideBarLeft);
  else
    m_bSideBarLeft = LoadSideBarSide(CWin32SettingsStore::Instance(), m_bSideBarLeft);
}

void CMainFrame::LoadMenuStyle() {
  const int look =
      ::LoadMenuStyle(CWin32SettingsStore::Instance(), COwnerDrawMenu::GetMenuLook());
  SetMenuLookSwitches(look == 1, look == 1);
}

void CMainFrame::SaveMenuStyle() {
  ::SaveMenuStyle(CWin32SettingsStore::Instance(), COwnerDrawMenu::GetMenuLook());
}

void CMainFrame::SetDropDownButton(CToolBar& toolBar, UINT commandId) {
  toolBar.SendMessage(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  const int index = toolBar.CommandToIndex(commandId);
  if (index < 0) return;
  const UINT style = toolBar.GetButtonStyle(index);
  toolBar.SetButtonStyle(index, (style & ~0xFFu) | ((style | TBSTYLE_DROPDOWN) & 0xFFu));
}

HMENU CMainFrame::LoadDocumentMenu() {
  if (!m_menuDocument.LoadMenu(IDR_KELSTRTYPE)) return nullptr;
  for (UINT id : {ID_HELP_USERS_GUIDE, ID_HELP_USERS_GUIDE_MANUAL, ID_HELP_HOEK_BROWN_HISTORY})
    m_menuDocument.ModifyItem(nullptr, id, IDB_MANUALS);
  for (UINT id : {ID_HELP_MOVIE_BASICS, ID_HELP_MOVIE_UNITS, ID_HELP_MOVIE_TRIAXIAL})
    m_menuDocument.ModifyItem(nullptr, id, IDB_MOVIES);
  static const UINT bars[] = {IDR_MAINFRAME, IDR_TOOLBAR_MENU};
  m_menuDocument.LoadToolbars(bars, 2);
  return m_menuDocument.Detach();
}

HMENU CMainFrame::LoadMainMenu() {
  if (!m_menuMain.LoadMenu(IDR_MAINFRAME)) return nullptr;
  static const UINT bars[] = {IDR_MAINFRAME};
  m_menuMain.LoadToolbars(bars, 1);
  return m_menuMain.Detach();
}

// ---- menus ----------------------------------------------------------------------------------

LRESULT CMainFrame::OnMenuChar(UINT ch, UINT flags, CMenu* menu) {
  if (COwnerDrawMenu::IsOwnerDrawMenu(menu)) return COwnerDrawMenu::FindMenuChar(ch, flags, menu);
  return CMDIFrameWnd::OnMenuChar(ch, flags, menu);
}

void CMainFrame::OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu) {
  CMDIFrameWnd::OnInitMenuPopup(popup, index, sysMenu);
  if (!sysMenu && COwnerDrawMenu::IsOwnerDrawMenu(popup)) COwnerDrawMenu::UpdateMenu(popup);
}

void CMainFrame::OnMeasureItem(int idCtl, LPMEASUREITEMSTRUCT mis) {
  if (mis && mis->CtlType == ODT_MENU &&
      COwnerDrawMenu::IsOwnerDrawMenu(reinterpret_cast<HMENU>(static_cast<UINT_PTR>(mis->itemID)))) {
    m_menuDocument.MeasureItem(mis);
    return;
  }
  CMDIFrameWnd::OnMeasureItem(idCtl, mis);
}

void CMainFrame::OnUpdateFrameTitle(BOOL addToTitle) {
  CMDIFrameWnd::OnUpdateFrameTitle(addToTitle);
  m_tabManager.Refresh();
}

// ---- side bar -------------------------------------------------------------------------------

void CMainFrame::OnViewSideBar() {
  ShowControlBar(&m_wndSideBar, !m_wndSideBar.IsWindowVisible(), FALSE);
}

void CMainFrame::OnUpdateViewSideBar(CCmdUI* ui) {
  ui->Enable(TRUE);
  ui->SetCheck(m_wndSideBar.IsWindowVisible() ? 1 : 0);
}

void CMainFrame::OnSideBarLeft() {
  m_bSideBarLeft = 1;
  ExchangeSideBarSide(TRUE);
  DockSideBar();
}

void CMainFrame::OnUpdateSideBarLeft(CCmdUI* ui) {
  ui->SetRadio(m_bSideBarLeft == 1);
}

void CMainFrame::OnSideBarRight() {
  m_bSideBarLeft = 0;
  ExchangeSideBarSide(TRUE);
  DockSideBar();
}

void CMainFrame::OnUpdateSideBarRight(CCmdUI* ui) {
  ui->SetRadio(m_bSideBarLeft == 0);
}

// ---- Preferences, page set-up, drop-down ----------------------------------------------------

void CMainFrame::OnFilePreferences() {
  CPreferencesDlg dlg(this);
  dlg.m_bXPMenus = COwnerDrawMenu::GetMenuLook() == 1;
  dlg.m_bShowTabs = m_tabManager.IsShown();
  if (dlg.DoModal() != IDOK) return;
  SetMenuLookSwitches(dlg.m_bXPMenus, dlg.m_bXPMenus);
  m_tabManager.Show(dlg.m_bShowTabs);
  SaveMenuStyle();
  if (dlg.m_bReset) ResetWarnings(CWin32SettingsStore::Instance());
}

LRESULT CMainFrame::OnPageSetupChanged(WPARAM wParam, LPARAM) {
  const IPageSetupSource* source =
      dynamic_cast<const IPageSetupSource*>(reinterpret_cast<CObject*>(wParam));
  CKelStrengthApp* app = GetKelStrengthApp();
  if (source && app) app->m_pageSetup = source->GetWorkingRecord();
  Invalidate(TRUE);
  return 1;
}

void CMainFrame::OnToolBarDropDown(NMHDR* hdr, LRESULT* result) {
  const NMTOOLBARA* nm = reinterpret_cast<const NMTOOLBARA*>(hdr);
  *result = TBDDRET_NODEFAULT;
  if (static_cast<UINT>(nm->iItem) != ID_FILE_OPEN) return;
  *result = TBDDRET_DEFAULT;
  COwnerDrawMenu menu;
  if (!menu.LoadMenu(IDR_FILE_DROPDOWN)) return;
  static const UINT bars[] = {IDR_TOOLBAR_DROPDOWN};
  menu.LoadToolbars(bars, 1);
  // A menu resource without the "File" pull-down gives nothing to show.
  CMenu* file = menu.GetSubMenu("File");
  if (file) {
    RECT rc = {0, 0, 0, 0};
    m_wndToolBar.SendMessage(TB_GETRECT, static_cast<WPARAM>(nm->iItem),
                             reinterpret_cast<LPARAM>(&rc));
    m_wndToolBar.ClientToScreen(&rc);
    TPMPARAMS params = {sizeof params, rc};
    file->TrackPopupMenuEx(TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_VERTICAL, rc.left, rc.bottom,
                           this, &params);
    *result = TBDDRET_DEFAULT;
  }
  menu.DestroyMenu();
}

// ---- closing --------------------------------------------------------------------------------

BOOL CMainFrame::SaveCurrentDirectory() {
  char folder[MAX_PATH] = "";
  const DWORD n = ::GetCurrentDirectoryA(sizeof folder, folder);
  if (n == 0 || n >= sizeof folder) return FALSE;
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, m_strSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return FALSE;
  const BOOL ok = ::RegSetValueExA(key, "CurDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder),
                                   n + 1) == ERROR_SUCCESS;
  ::RegCloseKey(key);
  return ok;
}

void CMainFrame::OnClose() {
  SaveCurrentDirectory();
  CMDIFrameWnd::OnClose();
}

BOOL CMainFrame::DestroyWindow() {
  // Only the side bar's size is kept: its side comes from "OnLeft", and the docking layout
  // itself is never read back, so it is not written either.
  CSizingControlBar::SaveBarStates(this, kBarStateProfile);
  return CMDIFrameWnd::DestroyWindow();
}

// CWnd's default message handlers: each passes the current message to the default processing.
#include "framework/win/DeviceContext.h"
#include "framework/win/Menu.h"
#include "framework/win/Wnd.h"

int CWnd::OnCreate(LPCREATESTRUCT) {
  return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
  Default();
}
void CWnd::OnNcDestroy() {
  Default();
}
void CWnd::OnClose() {
  Default();
}
void CWnd::OnPaint() {
  Default();
}
void CWnd::OnNcPaint() {
  Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) {
  return static_cast<BOOL>(Default());
}
void CWnd::OnSize(UINT, int, int) {
  Default();
}
void CWnd::OnMove(int, int) {
  Default();
}
void CWnd::OnSizing(UINT, LPRECT) {
  Default();
}
void CWnd::OnTimer(UINT_PTR) {
  Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
  Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
  Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
  Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
  Default();
}
void CWnd::OnRButtonDown(UINT, CPoint) {
  Default();
}
void CWnd::OnRButtonUp(UINT, CPoint) {
  Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint) {
  Default();
}
void CWnd::OnMButtonDown(UINT, CPoint) {
  Default();
}
void CWnd::OnMButtonUp(UINT, CPoint) {
  Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) {
  return static_cast<BOOL>(Default());
}
void CWnd::OnMouseLeave() {
  Default();
}
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) {
  return static_cast<int>(Default());
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
  Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
  Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
  Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT) {
  Default();
}
void CWnd::OnSysKeyUp(UINT, UINT, UINT) {
  Default();
}
void CWnd::OnSysChar(UINT, UINT, UINT) {
  Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
  return static_cast<BOOL>(Default());
}
UINT CWnd::OnGetDlgCode() {
  return static_cast<UINT>(Default());
}
void CWnd::OnSetFocus(CWnd*) {
  Default();
}
void CWnd::OnKillFocus(CWnd*) {
  Default();
}
void CWnd::OnCaptureChanged(CWnd*) {
  Default();
}
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) {
  Default();
}
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) {
  Default();
}
void CWnd::OnSysColorChange() {
  Default();
}
void CWnd::OnSettingChange(UINT, LPCSTR) {
  Default();
}
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {
  Default();
}
LRESULT CWnd::OnNcHitTest(CPoint) {
  return Default();
}
BOOL CWnd::OnNcActivate(BOOL) {
  return static_cast<BOOL>(Default());
}
void CWnd::OnNcLButtonDown(UINT, CPoint) {
  Default();
}
void CWnd::OnNcLButtonUp(UINT, CPoint) {
  Default();
}
void CWnd::OnNcLButtonDblClk(UINT, CPoint) {
  Default();
}
void CWnd::OnNcRButtonDown(UINT, CPoint) {
  Default();
}
void CWnd::OnNcMouseMove(UINT, CPoint) {
  Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS*) {
  Default();
}
void CWnd::OnWindowPosChanged(WINDOWPOS*) {
  Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) {
  Default();
}
void CWnd::OnShowWindow(BOOL, UINT) {
  Default();
}
void CWnd::OnEnable(BOOL) {
  Default();
}
void CWnd::OnActivate(UINT, CWnd*, BOOL) {
  Default();
}
void CWnd::OnActivateApp(BOOL, DWORD) {
  Default();
}
void CWnd::OnCancelMode() {
  Default();
}
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT mis) {
  if (!MeasureMenuItem(mis)) Default();
}
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT dis) {
  if (!DrawMenuItem(dis)) Default();
}

BOOL CWnd::MeasureMenuItem(LPMEASUREITEMSTRUCT mis) {
  if (!mis || mis->CtlType != ODT_MENU) return FALSE;
  // No menu handle comes with the message: the owning menu is found from the menu being
  // tracked, else from the menu bar of this window's top-level window.
  HMENU roots[2] = {CMenu::GetTrackingMenu(), ::GetMenu(::GetAncestor(m_hWnd, GA_ROOT))};
  for (HMENU root : roots) {
    if (!root) continue;
    CMenu* owner = CMenu::FindPopupMenuFromID(CMenu::FromHandle(root), mis->itemID);
    CMenu* menu = owner ? CMenu::FromHandlePermanent(owner->m_hMenu) : nullptr;
    if (menu) {
      menu->MeasureItem(mis);
      return TRUE;
    }
  }
  return FALSE;
}

BOOL CWnd::DrawMenuItem(LPDRAWITEMSTRUCT dis) {
  if (!dis || dis->CtlType != ODT_MENU) return FALSE;
  CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(dis->hwndItem));
  if (!menu) return FALSE;
  menu->DrawItem(dis);
  return TRUE;
}
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*) {
  return Default();
}
void CWnd::OnInitMenu(CMenu*) {
  Default();
}
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) {
  Default();
}
void CWnd::OnMenuSelect(UINT, UINT, HMENU) {
  Default();
}
void CWnd::OnSysCommand(UINT, LPARAM) {
  Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint) {
  Default();
}
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
  return reinterpret_cast<HBRUSH>(Default());
}
BOOL CWnd::OnHelpInfo(HELPINFO*) {
  return static_cast<BOOL>(Default());
}
BOOL CWnd::OnQueryNewPalette() {
  return static_cast<BOOL>(Default());
}
void CWnd::OnPaletteChanged(CWnd*) {
  Default();
}
void CWnd::OnDropFiles(HDROP) {
  Default();
}
BOOL CWnd::OnQueryEndSession() {
  return static_cast<BOOL>(Default());
}
void CWnd::OnEndSession(BOOL) {
  Default();
}
void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) {
  Default();
}
BOOL CWnd::OnCopyData(CWnd*, COPYDATASTRUCT*) {
  return static_cast<BOOL>(Default());
}

// Tooltips and context help for dialogs.
#include "controls/TipsDialog.h"

#include <algorithm>

#include "controls/TipsDialogLogic.h"

BOOL CToolTipCtrlEx::AddWindowTool(CWnd* pControl, LPCSTR text) {
  TOOLINFOA ti =
      MakeToolInfo(::GetParent(pControl->m_hWnd), reinterpret_cast<UINT_PTR>(pControl->m_hWnd),
                   TTF_IDISHWND | TTF_SUBCLASS);
  ti.lpszText = const_cast<LPSTR>(text);
  return (BOOL)SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

BOOL CToolTipCtrlEx::AddRectTool(CWnd* pOwner, LPCSTR text, const RECT* area, UINT id) {
  TOOLINFOA ti = MakeToolInfo(pOwner->m_hWnd, id, TTF_SUBCLASS);
  ti.rect = *area;
  ti.lpszText = const_cast<LPSTR>(text);
  return (BOOL)SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

CDialogToolTips::CDialogToolTips(CWnd* owner) : m_owner(owner), m_initialDelay(250) {}

CDialogToolTips::~CDialogToolTips() {
  m_tools.clear();
  if (m_tooltip.m_hWnd) m_tooltip.DestroyWindow();
}

BOOL CDialogToolTips::Create() {
  if (m_tooltip.m_hWnd || !m_owner || !m_owner->m_hWnd) return FALSE;
  if (!m_tooltip.Create(m_owner, 0)) return FALSE;
  m_tooltip.SetMaxTipWidth(32767);
  m_tooltip.SetDelayTime(TTDT_INITIAL, m_initialDelay);
  OnToolTipsCreated();
  return TRUE;
}

BOOL CDialogToolTips::AddTool(int controlId, LPCSTR text) {
  if (!m_owner || !m_owner->m_hWnd) return FALSE;
  return AddToolForWindow(m_owner->GetDlgItem(controlId), text);
}

CRect CDialogToolTips::ToolArea(CWnd* control, int kind) const {
  CRect r;
  control->GetWindowRect(&r);
  m_owner->ScreenToClient(&r);
  if (kind != ToolTipRecord::GroupBoxCaption) return r;
  CString caption = control->GetWindowText();
  int width = 0;
  if (!caption.IsEmpty()) {
    HDC hDC = ::GetDC(m_owner->m_hWnd);
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(m_owner->m_hWnd, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? ::SelectObject(hDC, font) : NULL;
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(hDC, caption, caption.GetLength(), &size);
    if (old) ::SelectObject(hDC, old);
    ::ReleaseDC(m_owner->m_hWnd, hDC);
    width = size.cx;
  }
  tips::Area a =
      tips::GroupBoxToolArea({r.left, r.top, r.right, r.bottom}, width, caption.IsEmpty() != FALSE);
  return CRect(a.left, a.top, a.right, a.bottom);
}

BOOL CDialogToolTips::AddToolForWindow(CWnd* control, LPCSTR text) {
  if (!m_tooltip.m_hWnd || !control || !control->m_hWnd) return FALSE;
  HWND hControl = control->m_hWnd;
  auto it = std::find_if(m_tools.begin(), m_tools.end(),
                         [hControl](const ToolTipRecord& r) { return r.hControl == hControl; });
  if (it != m_tools.end()) {
    if (it->kind != ToolTipRecord::WindowTool) {
      // Same tool: new text and area, the record keeps its first text.
      TOOLINFOA ti = CToolTipCtrl::MakeToolInfo(m_owner->m_hWnd, it->toolId, 0);
      char buffer[1024] = "";
      ti.lpszText = buffer;
      if (m_tooltip.SendMessage(TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti))) {
        ti.lpszText = const_cast<LPSTR>(text);
        ti.rect = ToolArea(control, it->kind);
        m_tooltip.SetToolInfo(&ti);
      }
      return TRUE;
    }
    TOOLINFOA ti = CToolTipCtrl::MakeToolInfo(::GetParent(hControl), it->toolId, TTF_IDISHWND);
    m_tooltip.SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    m_tools.erase(it);
  }

  int kind = ToolTipRecord::WindowTool;
  char className[64] = "";
  if (::GetClassNameA(hControl, className, sizeof(className)) > 0) {
    if (lstrcmpiA(className, "Static") == 0)
      kind = ToolTipRecord::StaticArea;
    else if (lstrcmpiA(className, "Button") == 0 && (control->GetStyle() & 7) == BS_GROUPBOX)
      kind = ToolTipRecord::GroupBoxCaption;
  }
  BOOL added;
  UINT_PTR toolId;
  if (kind == ToolTipRecord::WindowTool) {
    toolId = reinterpret_cast<UINT_PTR>(hControl);
    added = m_tooltip.AddWindowTool(control, text);
  } else {
    std::vector<UINT> used;
    for (const ToolTipRecord& r : m_tools)
      if (r.kind != ToolTipRecord::WindowTool) used.push_back(static_cast<UINT>(r.toolId));
    toolId = tips::SmallestFreeToolId(used);
    CRect area = ToolArea(control, kind);
    added = m_tooltip.AddRectTool(m_owner, text, &area, static_cast<UINT>(toolId));
  }
  if (added) m_tools.push_back({kind, control, hControl, CString(text), toolId});
  return added;
}

BOOL CDialogToolTips::OpenHelp(UINT helpId) {
  if (!m_owner || !m_owner->m_hWnd) return TRUE;
  if (!(m_owner->GetStyle() & DS_CONTEXTHELP) && !(m_owner->GetExStyle() & WS_EX_CONTEXTHELP))
    return TRUE;
  CWaitCursor wait;
  m_owner->WinHelp(tips::HelpTopic(helpId), HELP_CONTEXT);
  return TRUE;
}

BOOL CDialogToolTips::HandleSysCommand(UINT command, LPARAM, UINT helpId) {
  if ((command & 0xFFF0) != SC_CONTEXTHELP) return FALSE;
  return OpenHelp(helpId);
}

BOOL CDialogToolTips::HandleHelpInfo(HELPINFO* info, UINT helpId) {
  if (!info || info->iContextType != HELPINFO_WINDOW) return FALSE;
  return OpenHelp(helpId);
}

IMPLEMENT_DYNCREATE(CTipsPropertyPage, CPropertyPage)

IMPLEMENT_DYNAMIC(CTipsPropertySheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CTipsPropertySheet, CPropertySheet)
ON_WM_SYSCOMMAND()
ON_WM_HELPINFO()
END_MESSAGE_MAP()

void CTipsPropertySheet::OnSysCommand(UINT nID, LPARAM lParam) {
  CPropertyPage* page = GetActivePage();
  auto* tipsPage = page ? DYNAMIC_DOWNCAST(CTipsPropertyPage, page) : nullptr;
  if (tipsPage && tipsPage->GetTips().HandleSysCommand(nID, lParam, tipsPage->m_nIDHelp)) return;
  Default();
}

BOOL CTipsPropertySheet::OnHelpInfo(HELPINFO* pHelpInfo) {
  CPropertyPage* page = GetActivePage();
  auto* tipsPage = page ? DYNAMIC_DOWNCAST(CTipsPropertyPage, page) : nullptr;
  if (tipsPage && tipsPage->GetTips().HandleHelpInfo(pHelpInfo, tipsPage->m_nIDHelp)) return TRUE;
  return CPropertySheet::OnHelpInfo(pHelpInfo);
}

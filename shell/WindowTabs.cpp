#include "shell/WindowTabs.h"

#include "core/registry/RegistryKey.h"
#include "framework/win/DeviceContext.h"
#include "framework/win/Menu.h"
#include "shell/WindowTabsPaint.h"

namespace {
const char kSwitchName[] = "MDI_Tabs_On";
}  // namespace

IMPLEMENT_DYNAMIC(CMDITabBar, CTabCtrl)

BEGIN_MESSAGE_MAP(CMDITabBar, CTabCtrl)
ON_NOTIFY_REFLECT(TCN_SELCHANGE, &CMDITabBar::OnSelChange)
ON_WM_CONTEXTMENU()
ON_WM_LBUTTONDBLCLK()
ON_MESSAGE(WM_SIZEPARENT, &CMDITabBar::OnSizeParent)
ON_WM_PAINT()
ON_WM_NCPAINT()
ON_MESSAGE(WM_NCCALCSIZE, &CMDITabBar::OnNcCalcSize)
END_MESSAGE_MAP()

CMDITabBar::~CMDITabBar() {
  if (m_hWnd) DestroyWindow();
  if (m_imageList) ImageList_Destroy(m_imageList);
}

BOOL CMDITabBar::Create(CFrameWnd* frame, int flags) {
  m_flags = wintabs::DecodeFlags(flags);
  m_bTop = m_flags.top;
  m_nMinTabs = m_flags.minTabs;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_FOCUSNEVER | TCS_FORCEICONLEFT |
                (m_bTop ? 0 : TCS_BOTTOM);
  RECT rc = {0, 0, 0, 0};
  if (!CTabCtrl::Create(style, rc, frame, 42)) return FALSE;
  ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  for (HWND h = ::GetWindow(frame->m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    char cls[32] = "";
    ::GetClassNameA(h, cls, sizeof cls);
    if (lstrcmpiA(cls, "MDIClient") == 0) {
      m_hWndMDIClient = h;
      break;
    }
  }
  // Laid out last (innermost), right above the MDI client.
  ::SetWindowPos(m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (m_hWndMDIClient)
    ::SetWindowPos(m_hWndMDIClient, m_hWnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  m_bIcons = m_flags.icons;
  if (m_bIcons) {
    m_imageIcons.clear();
    if (m_imageList)
      ImageList_RemoveAll(m_imageList);
    else
      m_imageList = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    SetImageList(m_imageList);
  }
  return TRUE;
}

std::vector<HWND> CMDITabBar::ChildWindows() const {
  std::vector<HWND> list;
  if (!m_hWndMDIClient) return list;
  for (HWND h = ::GetWindow(m_hWndMDIClient, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
    if (::GetWindowLongPtrA(h, GWL_EXSTYLE) & WS_EX_MDICHILD) list.push_back(h);
  return list;
}

HWND CMDITabBar::GetTabWindow(int i) const {
  TCITEMA item = {};
  item.mask = TCIF_PARAM;
  return GetItem(i, &item) ? reinterpret_cast<HWND>(item.lParam) : nullptr;
}

HICON CMDITabBar::GetChildIcon(HWND window, BOOL small) {
  using Q = wintabs::IconQuery;
  return wintabs::FindIcon(small != FALSE, [window](Q q) -> HICON {
    DWORD_PTR result = 0;
    switch (q) {
      case Q::GetIconSmall:
        ::SendMessageTimeoutA(window, WM_GETICON, ICON_SMALL, 0, SMTO_NORMAL, 1000, &result);
        return reinterpret_cast<HICON>(result);
      case Q::GetIconBig:
        ::SendMessageTimeoutA(window, WM_GETICON, ICON_BIG, 0, SMTO_NORMAL, 1000, &result);
        return reinterpret_cast<HICON>(result);
      case Q::QueryDragIcon:
        ::SendMessageTimeoutA(window, WM_QUERYDRAGICON, 0, 0, SMTO_NORMAL, 1000, &result);
        return reinterpret_cast<HICON>(result);
      case Q::ClassIcon:
        return reinterpret_cast<HICON>(::GetClassLongPtrA(window, GCLP_HICON));
      case Q::ClassIconSmall:
        return reinterpret_cast<HICON>(::GetClassLongPtrA(window, GCLP_HICONSM));
    }
    return nullptr;
  });
}

static std::string WindowTitle(HWND h) {
  char buf[wintabs::kMaxTitle + 1] = "";
  ::GetWindowTextA(h, buf, sizeof buf);
  return wintabs::TruncateTitle(buf);
}

void CMDITabBar::UpdateTabs() {
  if (!m_hWnd) return;
  SetRedraw(FALSE);
  std::vector<HWND> zorder = ChildWindows();
  std::vector<HWND> tabs;
  for (int i = 0, n = GetItemCount(); i < n; ++i) tabs.push_back(GetTabWindow(i));
  wintabs::TabPlan plan = wintabs::Reconcile(tabs, zorder);
  // The frame asks for an update whenever a title may have changed, several times while a
  // document opens: a tab whose text and picture are already right is left alone, and the
  // strip is repainted only when something on it changed.
  bool changed = !plan.removed.empty() || !plan.appended.empty();
  for (int i : plan.removed) {
    TCITEMA item = {};
    item.mask = TCIF_IMAGE;
    GetItem(i, &item);
    DeleteItem(i);
    // Through the control, which renumbers the other tabs' pictures.
    if (m_bIcons && item.iImage >= 0) {
      RemoveImage(item.iImage);
      if (item.iImage < static_cast<int>(m_imageIcons.size()))
        m_imageIcons.erase(m_imageIcons.begin() + item.iImage);
    }
  }
  for (int i = 0; i < static_cast<int>(plan.kept.size()); ++i) {
    std::string title = WindowTitle(plan.kept[i]);
    char shown[wintabs::kMaxTitle + 1] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = shown;
    item.cchTextMax = sizeof shown;
    GetItem(i, &item);
    if (m_bIcons) {
      HICON icon = GetChildIcon(plan.kept[i], TRUE);
      const int image = item.iImage;
      const bool known = image >= 0 && image < static_cast<int>(m_imageIcons.size());
      if (icon && image >= 0 && !(known && m_imageIcons[image] == icon)) {
        ImageList_ReplaceIcon(m_imageList, image, icon);
        if (known) m_imageIcons[image] = icon;
        changed = true;
      }
    }
    if (title != shown) {
      item.mask = TCIF_TEXT;
      item.pszText = &title[0];
      SetItem(i, &item);
      changed = true;
    }
  }
  int at = static_cast<int>(plan.kept.size());
  for (HWND w : plan.appended) {
    std::string title = WindowTitle(w);
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = &title[0];
    item.lParam = reinterpret_cast<LPARAM>(w);
    if (m_bIcons) {
      HICON icon = GetChildIcon(w, TRUE);
      item.iImage = icon ? ImageList_AddIcon(m_imageList, icon) : -1;
      if (item.iImage >= 0) {
        m_imageIcons.resize(item.iImage + 1, nullptr);
        m_imageIcons[item.iImage] = icon;
      }
      item.mask |= TCIF_IMAGE;
    }
    InsertItem(at++, &item);
  }
  if (plan.selected >= 0 && GetCurSel() != plan.selected) {
    SetCurSel(plan.selected);
    changed = true;
  }
  bool visible = (GetStyle() & WS_VISIBLE) != 0;
  bool wanted = GetItemCount() >= m_nMinTabs;
  SetRedraw(TRUE);
  if (visible != wanted) {
    // Laid out once the window switch that brought us here has finished: the tabs are updated
    // while the document windows are being activated, when the incoming maximised window has
    // already taken its size from the old client area and a resized client would only resize
    // the outgoing one, leaving the new window's bottom under the strip.
    if (CFrameWnd* frame = static_cast<CFrameWnd*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd))))
      frame->DelayRecalcLayout();
  }
  // A strip about to be hidden (too few windows) is not painted.
  if (changed && wanted) RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

LRESULT CMDITabBar::OnSizeParent(WPARAM, LPARAM lParam) {
  AFX_SIZEPARENTPARAMS* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  wintabs::Layout l = wintabs::PlaceStrip(layout->rect, m_flags, GetItemCount());
  if (!l.visible) {
    if (GetStyle() & WS_VISIBLE) ShowWindow(SW_HIDE);
    return 0;
  }
  layout->rect = l.rest;
  m_nHeight = l.strip.bottom - l.strip.top;
  m_nWidth = l.strip.right - l.strip.left;
  if (layout->hDWP)
    layout->hDWP =
        ::DeferWindowPos(layout->hDWP, m_hWnd, nullptr, l.strip.left, l.strip.top, m_nWidth,
                         m_nHeight, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return 0;
}

wintabs::StripSize CMDITabBar::PaintSize() const {
  wintabs::StripSize size;
  size.top = m_bTop != 0;
  size.icons = m_bIcons != 0;
  size.width = m_nWidth;
  size.height = m_nHeight;
  return size;
}

void CMDITabBar::OnPaint() {
  if (GetItemCount() == 0) {
    Default();
    return;
  }
  CPaintDC dc(this);
  RECT sel = {};
  int cur = GetCurSel();
  bool selectedAtLeft = cur >= 0 && GetItemRect(cur, &sel) && sel.left == 2;
  wintabs::PaintStripClient(dc.m_hDC, PaintSize(), selectedAtLeft, [this](HDC hdc) {
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(hdc), 0);
  });
}

LRESULT CMDITabBar::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
  // The system's own rule, which keeps the client edge's border outside the client area
  // (some tab controls give the whole window to the client, leaving the frame no room).
  return ::DefWindowProcA(m_hWnd, WM_NCCALCSIZE, wParam, lParam);
}

void CMDITabBar::OnNcPaint() {
  CWindowDC dc(this);
  wintabs::PaintStripFrame(dc.m_hDC, PaintSize());
}

void CMDITabBar::OnSelChange(NMHDR*, LRESULT* result) {
  HWND w = GetTabWindow(GetCurSel());
  // The documented way to activate a document window (menus and title follow).
  if (w && m_hWndMDIClient)
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(w), 0);
  *result = 0;
}

void CMDITabBar::OnLButtonDblClk(UINT, CPoint) {
  int sel = GetCurSel();
  HWND w = sel >= 0 ? GetTabWindow(sel) : nullptr;
  if (w) ::ShowWindow(w, SW_SHOWMAXIMIZED);
}

void CMDITabBar::OnContextMenu(CWnd*, CPoint pt) {
  TCHITTESTINFO hit = {};
  hit.pt = pt;
  ::ScreenToClient(m_hWnd, &hit.pt);
  int tab = HitTest(&hit);
  if (tab < 0) return;
  SetCurSel(tab);
  HWND w = GetTabWindow(tab);
  if (!w) return;
  if (m_hWndMDIClient)
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(w), 0);
  CMenu* sys = CMenu::FromHandle(::GetSystemMenu(w, FALSE));
  if (!sys) return;
  UINT cmd = static_cast<UINT>(
      sys->TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_VCENTERALIGN, pt.x, pt.y, this));
  if (cmd != 0) ::SendMessageA(w, WM_SYSCOMMAND, cmd, 0);  // nothing when the menu was dismissed
}

// ---- the switch and the manager ------------------------------------------------------------

BOOL CTabSwitchStore::Read(const CString& key, int& value) {
  CRegistryKey reg;
  return reg.SetKey(key, FALSE, KEY_READ) && reg.ReadBinary(kSwitchName, &value, sizeof value);
}

BOOL CTabSwitchStore::Write(const CString& key, int value) {
  CRegistryKey reg;
  return reg.SetKey(key, TRUE, KEY_WRITE) && reg.WriteInt(kSwitchName, value);
}

CMDITabManager::~CMDITabManager() {
  delete m_pTabBar;
}

BOOL CMDITabManager::CreateStrip() {
  m_pTabBar = new CMDITabBar;
  if (!m_pTabBar->Create(m_pFrame, m_nFlags)) {
    delete m_pTabBar;
    m_pTabBar = nullptr;
    return FALSE;
  }
  return TRUE;
}

void CMDITabManager::Create(LPCSTR key, CFrameWnd* frame, int flags, int defaultOn) {
  m_strKey = key ? key : "";
  m_pFrame = frame;
  m_nFlags = flags;
  if (!frame || m_strKey.IsEmpty()) return;
  int on = defaultOn;
  if (!m_pStore->Read(m_strKey, on)) on = defaultOn;
  if (on) CreateStrip();
}

void CMDITabManager::Toggle() {
  if (!m_pFrame) return;
  int state;
  if (!m_pTabBar) {
    state = CreateStrip() ? 1 : 0;
    if (m_pTabBar) m_pTabBar->UpdateTabs();
  } else {
    delete m_pTabBar;
    m_pTabBar = nullptr;
    state = 0;
  }
  m_pFrame->RecalcLayout(TRUE);
  m_pStore->Write(m_strKey, state);
}

void CMDITabManager::Show(BOOL show) {
  if ((show != FALSE) != (IsShown() != FALSE)) Toggle();
}

void CMDITabManager::Refresh() {
  if (m_pFrame && m_pTabBar) m_pTabBar->UpdateTabs();
}

#include "framework/win/Menu.h"

#include <map>
#include <vector>

#include "framework/win/Wnd.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {
std::map<HMENU, CMenu*>& PermanentMap() {
  static std::map<HMENU, CMenu*> map;
  return map;
}
std::map<HMENU, CMenu*>& TemporaryMap() {
  static std::map<HMENU, CMenu*> map;
  return map;
}
AfxDestroyMenuSeam g_destroySeam = nullptr;
AfxTrackMenuSeam g_trackSeam = nullptr;
std::vector<HMENU> g_tracking;
}  // namespace

AfxDestroyMenuSeam AfxSetDestroyMenuSeam(AfxDestroyMenuSeam seam) {
  AfxDestroyMenuSeam old = g_destroySeam;
  g_destroySeam = seam;
  return old;
}

BOOL AfxDestroyMenuHandle(HMENU menu) {
  if (!menu) return FALSE;
  return g_destroySeam ? g_destroySeam(menu) : ::DestroyMenu(menu);
}

AfxTrackMenuSeam AfxSetTrackMenuSeam(AfxTrackMenuSeam seam) {
  AfxTrackMenuSeam old = g_trackSeam;
  g_trackSeam = seam;
  return old;
}

CMenu::~CMenu() {
  if (m_bTemporary) {
    m_hMenu = nullptr;
    return;
  }
  DestroyMenu();
}

BOOL CMenu::Attach(HMENU menu) {
  if (!menu || m_hMenu) return FALSE;
  m_hMenu = menu;
  PermanentMap()[menu] = this;
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU h = m_hMenu;
  if (h) {
    auto it = PermanentMap().find(h);
    if (it != PermanentMap().end() && it->second == this) PermanentMap().erase(it);
  }
  m_hMenu = nullptr;
  return h;
}

BOOL CMenu::CreateMenu() {
  return Attach(::CreateMenu());
}
BOOL CMenu::CreatePopupMenu() {
  return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCSTR resourceName) {
  HINSTANCE inst = AfxFindResourceHandle(resourceName, RT_MENU);
  return Attach(::LoadMenuA(inst, resourceName));
}

BOOL CMenu::LoadMenu(UINT resourceId) {
  return LoadMenu(MAKEINTRESOURCEA(resourceId));
}

BOOL CMenu::LoadMenuIndirect(const void* menuTemplate) {
  return Attach(::LoadMenuIndirectA(static_cast<const MENUTEMPLATEA*>(menuTemplate)));
}

BOOL CMenu::DestroyMenu() {
  if (!m_hMenu) return FALSE;
  return AfxDestroyMenuHandle(Detach());
}

CMenu* CMenu::FromHandlePermanent(HMENU menu) {
  auto it = PermanentMap().find(menu);
  return it == PermanentMap().end() ? nullptr : it->second;
}

CMenu* CMenu::FromHandle(HMENU menu) {
  if (!menu) return nullptr;
  if (CMenu* p = FromHandlePermanent(menu)) return p;
  auto& temp = TemporaryMap();
  auto it = temp.find(menu);
  if (it != temp.end()) return it->second;
  CMenu* p = new CMenu;
  p->m_hMenu = menu;
  p->m_bTemporary = true;
  temp[menu] = p;
  return p;
}

void CMenu::DeleteTempMap() {
  auto& temp = TemporaryMap();
  for (auto& kv : temp) delete kv.second;
  temp.clear();
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCSTR item) {
  return ::AppendMenuA(m_hMenu, flags, id, item);
}
BOOL CMenu::InsertMenu(UINT pos, UINT flags, UINT_PTR id, LPCSTR item) {
  return ::InsertMenuA(m_hMenu, pos, flags, id, item);
}
BOOL CMenu::ModifyMenu(UINT pos, UINT flags, UINT_PTR id, LPCSTR item) {
  return ::ModifyMenuA(m_hMenu, pos, flags, id, item);
}
BOOL CMenu::DeleteMenu(UINT pos, UINT flags) {
  return ::DeleteMenu(m_hMenu, pos, flags);
}
BOOL CMenu::RemoveMenu(UINT pos, UINT flags) {
  return ::RemoveMenu(m_hMenu, pos, flags);
}
UINT CMenu::EnableMenuItem(UINT id, UINT enable) {
  return ::EnableMenuItem(m_hMenu, id, enable);
}
UINT CMenu::CheckMenuItem(UINT id, UINT check) {
  return ::CheckMenuItem(m_hMenu, id, check);
}
BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags) {
  return ::CheckMenuRadioItem(m_hMenu, first, last, item, flags);
}
BOOL CMenu::SetMenuItemBitmaps(UINT pos, UINT flags, HBITMAP unchecked, HBITMAP checked) {
  return ::SetMenuItemBitmaps(m_hMenu, pos, flags, unchecked, checked);
}
int CMenu::GetMenuItemCount() const {
  return ::GetMenuItemCount(m_hMenu);
}
UINT CMenu::GetMenuItemID(int pos) const {
  return ::GetMenuItemID(m_hMenu, pos);
}
UINT CMenu::GetMenuState(UINT id, UINT flags) const {
  return ::GetMenuState(m_hMenu, id, flags);
}

int CMenu::GetMenuString(UINT id, LPSTR text, int maxCount, UINT flags) const {
  return ::GetMenuStringA(m_hMenu, id, text, maxCount, flags);
}

int CMenu::GetMenuString(UINT id, CString& text, UINT flags) const {
  int n = ::GetMenuStringA(m_hMenu, id, nullptr, 0, flags);
  if (n <= 0) {
    text.Empty();
    return 0;
  }
  std::vector<char> buf(static_cast<size_t>(n) + 1, '\0');
  n = ::GetMenuStringA(m_hMenu, id, buf.data(), n + 1, flags);
  text = CString(buf.data(), n > 0 ? n : 0);
  return n;
}

CMenu* CMenu::GetSubMenu(int pos) const {
  return FromHandle(::GetSubMenu(m_hMenu, pos));
}

HMENU CMenu::GetTrackingMenu() {
  return g_tracking.empty() ? nullptr : g_tracking.back();
}

BOOL CMenu::TrackPopupMenuEx(UINT flags, int x, int y, CWnd* owner, LPTPMPARAMS params) {
  HWND hwnd = owner ? owner->GetSafeHwnd() : nullptr;
  g_tracking.push_back(m_hMenu);
  BOOL r = g_trackSeam ? g_trackSeam(m_hMenu, flags, x, y, hwnd, params)
                       : ::TrackPopupMenuEx(m_hMenu, flags, x, y, hwnd, params);
  g_tracking.pop_back();
  return r;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect) {
  TPMPARAMS params = {sizeof(TPMPARAMS), {0, 0, 0, 0}};
  if (rect) params.rcExclude = *rect;
  return TrackPopupMenuEx(flags, x, y, owner, rect ? &params : nullptr);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}
void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}

CMenu* CMenu::FindPopupMenuFromID(CMenu* menu, UINT id) {
  if (!menu || !menu->m_hMenu) return nullptr;
  int n = menu->GetMenuItemCount();
  for (int i = 0; i < n; ++i) {
    HMENU sub = ::GetSubMenu(menu->m_hMenu, i);
    if (sub) {
      if (reinterpret_cast<UINT_PTR>(sub) == id ||
          static_cast<UINT>(reinterpret_cast<UINT_PTR>(sub)) == id)
        return menu;
      if (CMenu* found = FindPopupMenuFromID(FromHandle(sub), id)) return found;
    } else if (menu->GetMenuItemID(i) == id) {
      return menu;
    }
  }
  return nullptr;
}

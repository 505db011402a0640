#include "controls/OwnerDrawMenu.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "controls/OwnerDrawMenuPictures.h"
#include "framework/win/AfxCore.h"

IMPLEMENT_DYNAMIC(COwnerDrawMenu, CMenu)

namespace {

std::set<COwnerDrawItem*>& LiveRecords() {
  static std::set<COwnerDrawItem*> records;
  return records;
}

std::set<HMENU>& OwnerDrawnMenus() {
  static std::set<HMENU> menus;
  return menus;
}

// Pull-downs and records of menus whose handle was handed on (detached) before their
// object went: they live until the handle is destroyed.
struct Orphan {
  HMENU top;
  std::vector<COwnerDrawMenu*> menus;
  std::vector<COwnerDrawItem*> records;
};
std::vector<Orphan>& Orphans() {
  static std::vector<Orphan> orphans;
  return orphans;
}

// Picture work asked for by menus, done in the asked order when a menu first needs pictures.
struct PictureJob {
  enum Kind { Toolbar, Bitmap, Resolve } kind;
  COwnerDrawMenu* menu;
  UINT resource;  // Toolbar, Bitmap: the tool bar or bitmap resource
  UINT command;   // Bitmap: the items' command
  COLORREF background;
  int look;  // the menu look when asked: it decides the picture variants made
};
std::vector<PictureJob>& PictureJobs() {
  static std::vector<PictureJob> jobs;
  return jobs;
}
bool g_makingPictures = false;

bool HasResource(UINT id, LPCSTR type) {
  return ::FindResourceA(AfxFindResourceHandle(MAKEINTRESOURCEA(id), type), MAKEINTRESOURCEA(id),
                         type) != nullptr;
}

int g_menuLook = -1;  // -1: not set yet, from the OS class
bool g_alignShortcuts = true;

void FreeRecord(COwnerDrawItem* r) {
  LiveRecords().erase(r);
  if (r->ownList) ImageList_Destroy(r->ownList);
  delete r;
}

void SweepOrphans() {
  auto& orphans = Orphans();
  for (size_t i = 0; i < orphans.size();) {
    if (::IsMenu(orphans[i].top)) {
      ++i;
      continue;
    }
    for (COwnerDrawMenu* m : orphans[i].menus) {
      OwnerDrawnMenus().erase(m->m_hMenu);
      m->Detach();
      delete m;
    }
    for (COwnerDrawItem* r : orphans[i].records) FreeRecord(r);
    orphans.erase(orphans.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

std::string Narrow(const std::wstring& w) {
  if (w.empty()) return std::string();
  int n = ::WideCharToMultiByte(CP_ACP, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0,
                                nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, w.c_str(), static_cast<int>(w.size()), &s[0], n, nullptr,
                        nullptr);
  return s;
}

std::wstring Widen(const char* s) {
  if (!s || !*s) return std::wstring();
  int n = ::MultiByteToWideChar(CP_ACP, 0, s, -1, nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, s, -1, &w[0], n);
  w.resize(static_cast<size_t>(n > 0 ? n - 1 : 0));
  return w;
}

COwnerDrawItem* RecordAt(HMENU menu, int pos) {
  MENUITEMINFOW mii = {};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_DATA | MIIM_FTYPE;
  if (!::GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &mii)) return nullptr;
  if (!(mii.fType & MFT_OWNERDRAW) || !COwnerDrawMenu::IsLiveRecord(mii.dwItemData)) return nullptr;
  return reinterpret_cast<COwnerDrawItem*>(mii.dwItemData);
}

}  // namespace

// ---- process-wide settings and probes ---------------------------------------------------------

int GetWindowsVersionClass() {
  static int cls = -1;
  if (cls < 0) {
    OSVERSIONINFOA vi = {};
    vi.dwOSVersionInfoSize = sizeof vi;
    if (::GetVersionExA(&vi))
      cls = odmenu::ClassifyWindowsVersion(vi.dwPlatformId == VER_PLATFORM_WIN32_NT,
                                           vi.dwMajorVersion, vi.dwMinorVersion);
    else
      cls = 7;  // every system this program runs on is NT 5.1 or later
  }
  return cls;
}

BOOL HasWin95Shell() {
  return GetWindowsVersionClass() >= 2;
}

BOOL IsClassicThemeSelected() {
  static int selected = -1;
  if (selected < 0) {
    selected = 0;
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Plus!\\Themes\\Current", 0,
                        KEY_READ, &key) == ERROR_SUCCESS) {
      char value[261] = "";
      DWORD size = 260, type = 0;
      if (::RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
              ERROR_SUCCESS &&
          type == REG_SZ) {
        value[std::min<DWORD>(size, 260)] = '\0';  // the stored text may lack its end
        const char suffix[] = "windows classic.theme";
        size_t n = strlen(value), k = sizeof suffix - 1;
        selected = n >= k && lstrcmpiA(value + n - k, suffix) == 0;
      }
      ::RegCloseKey(key);
    }
  }
  return selected;
}

BOOL IsXPLookActive() {
  return GetWindowsVersionClass() == 7 && !IsClassicThemeSelected();
}

int COwnerDrawMenu::GetMenuLook() {
  if (g_menuLook < 0) g_menuLook = HasWin95Shell() ? 1 : 0;
  return g_menuLook;
}

void COwnerDrawMenu::SetMenuLook(int look) {
  g_menuLook = look ? 1 : 0;
}

void SetMenuLookSwitches(BOOL xpLook, BOOL alignShortcuts) {
  g_menuLook = xpLook ? 1 : 0;
  g_alignShortcuts = alignShortcuts != FALSE;
}

bool OdAlignShortcuts() {
  return g_alignShortcuts;
}

// ---- construction and destruction ----------------------------------------------------------

COwnerDrawMenu::COwnerDrawMenu() {
  SweepOrphans();
}

COwnerDrawMenu::~COwnerDrawMenu() {
  DestroyMenu();
}

BOOL COwnerDrawMenu::IsLiveRecord(ULONG_PTR data) {
  return data && LiveRecords().count(reinterpret_cast<COwnerDrawItem*>(data)) != 0;
}

BOOL COwnerDrawMenu::IsOwnerDrawMenu(HMENU menu) {
  return menu && OwnerDrawnMenus().count(menu) != 0;
}

BOOL COwnerDrawMenu::IsOwnerDrawMenu(CMenu* menu) {
  return menu && IsOwnerDrawMenu(menu->m_hMenu);
}

COwnerDrawMenu* COwnerDrawMenu::FromPopup(HMENU menu) {
  CMenu* m = CMenu::FromHandlePermanent(menu);
  return m && m->IsKindOf(RUNTIME_CLASS(COwnerDrawMenu)) ? static_cast<COwnerDrawMenu*>(m)
                                                         : nullptr;
}

void COwnerDrawMenu::FreeRecords() {
  for (COwnerDrawItem* r : m_items) FreeRecord(r);
  m_items.clear();
}

BOOL COwnerDrawMenu::DestroyMenu() {
  ForgetPictureJobs();
  OwnerDrawnMenus().erase(m_hMenu);
  std::vector<COwnerDrawMenu*> subs;
  subs.swap(m_subMenus);
  if (m_bSubMenu) {
    // A pull-down never destroys its handle: the menu that holds it does, once.
    for (COwnerDrawMenu* s : subs) {
      s->DestroyMenu();
      delete s;
    }
    OwnerDrawnMenus().erase(m_hMenu);
    Detach();
    FreeRecords();
    return TRUE;
  }
  HMENU handle = m_hMenu;
  if (!handle && m_hBuilt && ::IsMenu(m_hBuilt)) {
    // The handle was handed on: its pull-downs and records stay while it lives.
    Orphan orphan;
    orphan.top = m_hBuilt;
    std::vector<COwnerDrawMenu*> work = subs;
    while (!work.empty()) {
      COwnerDrawMenu* s = work.back();
      work.pop_back();
      orphan.menus.push_back(s);
      for (COwnerDrawMenu* t : s->m_subMenus) work.push_back(t);
      s->m_subMenus.clear();
      orphan.records.insert(orphan.records.end(), s->m_items.begin(), s->m_items.end());
      s->m_items.clear();
    }
    orphan.records.insert(orphan.records.end(), m_items.begin(), m_items.end());
    m_items.clear();
    Orphans().push_back(std::move(orphan));
    m_hBuilt = nullptr;
    return TRUE;
  }
  // Detach the pull-downs first; the one destruction of the top handle frees them all.
  for (COwnerDrawMenu* s : subs) {
    s->DestroyMenu();
    delete s;
  }
  BOOL ok = handle ? CMenu::DestroyMenu() : FALSE;
  FreeRecords();
  m_hBuilt = nullptr;
  return ok;
}

// ---- building -------------------------------------------------------------------------------

COwnerDrawItem* COwnerDrawMenu::AppendItem(UINT flags, UINT_PTR id, const std::wstring& text) {
  COwnerDrawItem* r = new COwnerDrawItem;
  r->text = text;
  if (!(flags & MF_POPUP) && id == 0)
    flags = (flags & MF_BYPOSITION) | MF_SEPARATOR | MF_OWNERDRAW;
  else
    flags |= MF_OWNERDRAW;
  r->flags = flags;
  r->id = id;
  r->sharedImage =
      (flags & (MF_POPUP | MF_SEPARATOR)) ? -1 : OdPictures().IndexOf(static_cast<UINT>(id));
  LiveRecords().insert(r);
  m_items.push_back(r);
  ::AppendMenuW(m_hMenu, flags & ~static_cast<UINT>(MF_BYPOSITION), id,
                reinterpret_cast<LPCWSTR>(r));
  return r;
}

BOOL COwnerDrawMenu::BuildLevel(const std::vector<odmenu::TemplateItem>& items,
                                COwnerDrawMenu* menu) {
  for (const odmenu::TemplateItem& item : items) {
    if (item.IsPopup()) {
      COwnerDrawMenu* sub = new COwnerDrawMenu;
      sub->m_bSubMenu = true;
      sub->m_crBitmapBackground = m_crBitmapBackground;
      if (!sub->CreatePopupMenu()) {
        delete sub;
        return FALSE;
      }
      OwnerDrawnMenus().insert(sub->m_hMenu);
      menu->m_subMenus.push_back(sub);
      if (!BuildLevel(item.children, sub)) return FALSE;
      menu->AppendItem((item.flags & ~static_cast<UINT>(MF_END)) | MF_POPUP,
                       reinterpret_cast<UINT_PTR>(sub->m_hMenu), item.text);
    } else {
      menu->AppendItem(item.flags & ~static_cast<UINT>(MF_END | MF_POPUP), item.id, item.text);
    }
  }
  return TRUE;
}

BOOL COwnerDrawMenu::LoadMenu(LPCSTR name) {
  HINSTANCE inst = AfxFindResourceHandle(name, RT_MENU);
  HRSRC res = ::FindResourceA(inst, name, RT_MENU);
  HGLOBAL mem = res ? ::LoadResource(inst, res) : nullptr;
  const void* data = mem ? ::LockResource(mem) : nullptr;
  if (!data) return FALSE;
  return LoadMenuTemplate(data, ::SizeofResource(inst, res));
}

BOOL COwnerDrawMenu::LoadMenu(UINT id) {
  return LoadMenu(MAKEINTRESOURCEA(id));
}

BOOL COwnerDrawMenu::LoadMenuTemplate(const void* data, size_t size) {
  std::vector<odmenu::TemplateItem> items;
  if (!odmenu::ParseMenuTemplate(data, size, items)) return FALSE;
  if (m_hMenu || m_hBuilt) DestroyMenu();
  if (!CreateMenu()) return FALSE;
  m_hBuilt = m_hMenu;
  OwnerDrawnMenus().insert(m_hMenu);
  if (!BuildLevel(items, this)) {
    DestroyMenu();
    return FALSE;
  }
  // The bar itself is drawn by the system: its items are plain text again.
  for (size_t i = 0; i < m_items.size(); ++i) {
    COwnerDrawItem* r = m_items[i];
    UINT flags = MF_BYPOSITION | MF_STRING | ((r->flags & MF_POPUP) ? MF_POPUP : 0);
    ::ModifyMenuW(m_hMenu, static_cast<UINT>(i), flags, r->id, r->text.c_str());
  }
  for (COwnerDrawMenu* sub : m_subMenus) AlignLevel(sub);
  // Pictures still to be made: the items take theirs when those are made.
  if (!PictureJobs().empty())
    PictureJobs().push_back({PictureJob::Resolve, this, 0, 0, 0, GetMenuLook()});
  return TRUE;
}

void COwnerDrawMenu::AlignLevel(COwnerDrawMenu* menu) {
  if (GetMenuLook() == 0 || OdAlignShortcuts()) {
    std::vector<std::wstring> texts;
    for (COwnerDrawItem* r : menu->m_items) texts.push_back(r->text);
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, OdMenuFont());
    odmenu::AlignShortcuts(texts, [dc](const std::wstring& s) {
      SIZE size = {0, 0};
      ::GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &size);
      return static_cast<int>(size.cx);
    });
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
    for (size_t i = 0; i < texts.size(); ++i) menu->m_items[i]->text = texts[i];
  }
  for (COwnerDrawMenu* sub : menu->m_subMenus) AlignLevel(sub);
}

// ---- pictures -------------------------------------------------------------------------------

BOOL COwnerDrawMenu::SetPicture(UINT cmdId, HIMAGELIST list, int index) {
  int shared = list ? OdPictures().Add(cmdId, list, index) : OdPictures().IndexOf(cmdId);
  if (shared < 0) return FALSE;
  std::vector<COwnerDrawMenu*> work = {this};
  while (!work.empty()) {
    COwnerDrawMenu* m = work.back();
    work.pop_back();
    for (COwnerDrawItem* r : m->m_items)
      if (r->id == cmdId && !(r->flags & (MF_POPUP | MF_SEPARATOR))) r->sharedImage = shared;
    for (COwnerDrawMenu* s : m->m_subMenus) work.push_back(s);
  }
  return TRUE;
}

BOOL COwnerDrawMenu::ModifyItem(LPCSTR text, UINT cmdId, int bitmapId) {
  if (text) {
    std::wstring w = Widen(text);
    std::vector<COwnerDrawMenu*> work = {this};
    while (!work.empty()) {
      COwnerDrawMenu* m = work.back();
      work.pop_back();
      for (COwnerDrawItem* r : m->m_items)
        if (r->id == cmdId) r->text = w;
      for (COwnerDrawMenu* s : m->m_subMenus) work.push_back(s);
    }
  }
  if (bitmapId < 0) {
    MakePendingPictures();
    return SetPicture(cmdId, nullptr, -1);
  }
  const UINT id = static_cast<UINT>(bitmapId);
  if (!HasResource(id, RT_BITMAP)) return FALSE;
  PictureJobs().push_back(
      {PictureJob::Bitmap, this, id, cmdId, m_crBitmapBackground, GetMenuLook()});
  return TRUE;
}

BOOL COwnerDrawMenu::ModifyPictureNow(UINT cmdId, UINT bitmapId, COLORREF background) {
  HIMAGELIST list = nullptr;
  int index = 0;
  odmenu::ToolbarResource tb;
  if (OdLoadToolbar(bitmapId, background, tb, list)) {
    index = -1;
    for (size_t i = 0; i < tb.ids.size(); ++i)
      if (tb.ids[i] == cmdId) index = tb.ImageOf(i);
  } else {
    list = OdLoadBitmapList(bitmapId, background);
  }
  BOOL ok = list && index >= 0 && SetPicture(cmdId, list, index);
  if (list) ImageList_Destroy(list);
  return ok;
}

BOOL COwnerDrawMenu::LoadToolbars(const UINT* ids, int count) {
  BOOL all = TRUE;
  for (int t = 0; t < count; ++t) {
    if (!HasResource(ids[t], MAKEINTRESOURCEA(241)) || !HasResource(ids[t], RT_BITMAP)) {
      all = FALSE;
      continue;
    }
    PictureJobs().push_back(
        {PictureJob::Toolbar, this, ids[t], 0, m_crBitmapBackground, GetMenuLook()});
  }
  return all;
}

void COwnerDrawMenu::LoadToolbarNow(UINT id, COLORREF background) {
  odmenu::ToolbarResource tb;
  HIMAGELIST list = nullptr;
  if (!OdLoadToolbar(id, background, tb, list)) return;
  // The menu's handle may have been handed on since: the one it built still says what it holds.
  HMENU menu = m_hMenu ? m_hMenu : m_hBuilt;
  for (size_t i = 0; i < tb.ids.size(); ++i) {
    UINT cmd = tb.ids[i];
    if (cmd && menu && ::GetMenuState(menu, cmd, MF_BYCOMMAND) != static_cast<UINT>(-1))
      SetPicture(cmd, list, tb.ImageOf(i));
  }
  ImageList_Destroy(list);
}

// The items take the pictures their commands have now, as they would have when the menu was
// built had the pictures asked for before been made then.
void COwnerDrawMenu::ResolvePictures() {
  std::vector<COwnerDrawMenu*> work = {this};
  while (!work.empty()) {
    COwnerDrawMenu* m = work.back();
    work.pop_back();
    for (COwnerDrawItem* r : m->m_items)
      r->sharedImage = (r->flags & (MF_POPUP | MF_SEPARATOR))
                           ? -1
                           : OdPictures().IndexOf(static_cast<UINT>(r->id));
    for (COwnerDrawMenu* s : m->m_subMenus) work.push_back(s);
  }
}

void COwnerDrawMenu::MakePendingPictures() {
  if (g_makingPictures || PictureJobs().empty()) return;
  g_makingPictures = true;
  std::vector<PictureJob> jobs;
  jobs.swap(PictureJobs());
  const int look = GetMenuLook();
  for (const PictureJob& job : jobs) {
    SetMenuLook(job.look);
    switch (job.kind) {
      case PictureJob::Toolbar:
        job.menu->LoadToolbarNow(job.resource, job.background);
        break;
      case PictureJob::Bitmap:
        job.menu->ModifyPictureNow(job.command, job.resource, job.background);
        break;
      case PictureJob::Resolve:
        job.menu->ResolvePictures();
        break;
    }
  }
  SetMenuLook(look);
  g_makingPictures = false;
}

void COwnerDrawMenu::ForgetPictureJobs() {
  auto& jobs = PictureJobs();
  // This menu's last requests serve nobody once it goes; requests of other menus that follow
  // one of its own may count on its pictures, so everything up to them is made now.
  while (!jobs.empty() && jobs.back().menu == this) jobs.pop_back();
  for (const PictureJob& job : jobs)
    if (job.menu == this) {
      MakePendingPictures();
      break;
    }
}

const std::vector<COwnerDrawItem*>& COwnerDrawMenu::Records() const {
  MakePendingPictures();
  return m_items;
}

// ---- lookups --------------------------------------------------------------------------------

CMenu* COwnerDrawMenu::GetSubMenu(LPCSTR text) const {
  if (!text) return nullptr;
  for (size_t i = 0; i < m_items.size(); ++i) {
    COwnerDrawItem* r = m_items[i];
    if ((r->flags & MF_POPUP) && Narrow(r->text) == text)
      return CMenu::FromHandle(reinterpret_cast<HMENU>(r->id));
  }
  return nullptr;
}

void COwnerDrawMenu::UpdateMenu(CMenu* popup) {
  if (!popup || !IsOwnerDrawMenu(popup)) return;
  MakePendingPictures();
  COwnerDrawMenu* self = FromPopup(popup->m_hMenu);
  HMENU h = popup->m_hMenu;
  int n = ::GetMenuItemCount(h);
  std::vector<COwnerDrawItem*> old = self ? self->m_items : std::vector<COwnerDrawItem*>();
  std::vector<COwnerDrawItem*> now;
  for (int pos = 0; pos < n; ++pos) {
    UINT state = ::GetMenuState(h, static_cast<UINT>(pos), MF_BYPOSITION);
    HMENU sub = ::GetSubMenu(h, pos);
    UINT_PTR id = sub ? reinterpret_cast<UINT_PTR>(sub) : ::GetMenuItemID(h, pos);
    MENUITEMINFOW mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoW(h, static_cast<UINT>(pos), TRUE, &mii);
    bool radio = (mii.fType & MFT_RADIOCHECK) != 0;
    bool separator = (mii.fType & MFT_SEPARATOR) != 0 || (!sub && id == 0);
    std::wstring text;
    if (!(mii.fType & MFT_OWNERDRAW)) {
      wchar_t buf[1024] = L"";
      ::GetMenuStringW(h, static_cast<UINT>(pos), buf, 1024, MF_BYPOSITION);
      text = buf;
    }
    COwnerDrawItem* r = RecordAt(h, pos);
    if (!r) {
      for (COwnerDrawItem* o : old)
        if (!separator && o->id == id && std::find(now.begin(), now.end(), o) == now.end()) {
          r = o;
          break;
        }
    }
    if (!r) {
      r = new COwnerDrawItem;
      r->id = id;
      r->sharedImage = (sub || separator) ? -1 : OdPictures().IndexOf(static_cast<UINT>(id));
      LiveRecords().insert(r);
    }
    if (!text.empty()) r->text = text;
    UINT keep = state & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBARBREAK | MF_MENUBREAK);
    r->flags =
        keep | MF_OWNERDRAW | MF_BYPOSITION | (sub ? MF_POPUP : 0) | (separator ? MF_SEPARATOR : 0);
    r->id = id;
    now.push_back(r);
    ::ModifyMenuW(h, static_cast<UINT>(pos), r->flags, id, reinterpret_cast<LPCWSTR>(r));
    if (radio) {
      mii.fMask = MIIM_FTYPE;
      ::GetMenuItemInfoW(h, static_cast<UINT>(pos), TRUE, &mii);
      mii.fType |= MFT_RADIOCHECK;
      ::SetMenuItemInfoW(h, static_cast<UINT>(pos), TRUE, &mii);
    }
  }
  // Records no longer used by an item go; a menu without an object keeps nothing.
  for (COwnerDrawItem* o : old)
    if (std::find(now.begin(), now.end(), o) == now.end()) FreeRecord(o);
  if (self) self->m_items = now;
}

LRESULT COwnerDrawMenu::FindMenuChar(UINT nChar, UINT nFlags, CMenu* menu) {
  if (!(nFlags & MF_POPUP) || !IsOwnerDrawMenu(menu)) return 0;
  COwnerDrawMenu* self = FromPopup(menu->m_hMenu);
  int n = ::GetMenuItemCount(menu->m_hMenu);
  if (!self || static_cast<int>(self->m_items.size()) != n) UpdateMenu(menu);
  std::vector<std::wstring> texts;
  for (int pos = 0; pos < n; ++pos) {
    COwnerDrawItem* r = RecordAt(menu->m_hMenu, pos);
    texts.push_back(r ? r->text : std::wstring());
  }
  return odmenu::FindMnemonic(texts, static_cast<wchar_t>(nChar));
}

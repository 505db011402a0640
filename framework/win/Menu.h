// CMenu: a menu handle with a permanent handle map (HMENU -> CMenu) and temporary
// wrappers for FromHandle that are freed at idle time.
#pragma once

#include <windows.h>

#include "framework/base/CString.h"
#include "framework/base/Object.h"

class CWnd;

// Destroying a menu handle goes through one replaceable function, so tests can
// count destructions. Returns the previous function; nullptr restores DestroyMenu.
typedef BOOL (*AfxDestroyMenuSeam)(HMENU menu);
AfxDestroyMenuSeam AfxSetDestroyMenuSeam(AfxDestroyMenuSeam seam);
BOOL AfxDestroyMenuHandle(HMENU menu);

// Modal menu tracking (TrackPopupMenuEx). Tests replace it so that nothing waits for a
// person; the fake returns what the real call would (a command with TPM_RETURNCMD).
typedef BOOL (*AfxTrackMenuSeam)(HMENU menu, UINT flags, int x, int y, HWND owner,
                                 LPTPMPARAMS params);
AfxTrackMenuSeam AfxSetTrackMenuSeam(AfxTrackMenuSeam seam);

class CMenu : public CObject {
  DECLARE_DYNCREATE(CMenu)
 public:
  CMenu() = default;
  ~CMenu() override;  // destroys an attached handle
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  HMENU m_hMenu = nullptr;

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  BOOL LoadMenu(LPCSTR resourceName);
  BOOL LoadMenu(UINT resourceId);
  BOOL LoadMenuIndirect(const void* menuTemplate);
  virtual BOOL DestroyMenu();

  BOOL Attach(HMENU menu);
  HMENU Detach();
  HMENU GetSafeHmenu() const { return m_hMenu; }
  operator HMENU() const { return GetSafeHmenu(); }

  // The permanent object of a handle, else a temporary wrapper (freed at idle).
  static CMenu* FromHandle(HMENU menu);
  static CMenu* FromHandlePermanent(HMENU menu);
  static void DeleteTempMap();

  BOOL AppendMenu(UINT flags, UINT_PTR idNewItem = 0, LPCSTR newItem = nullptr);
  BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idNewItem = 0, LPCSTR newItem = nullptr);
  BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR idNewItem = 0, LPCSTR newItem = nullptr);
  BOOL DeleteMenu(UINT position, UINT flags);
  BOOL RemoveMenu(UINT position, UINT flags);
  UINT EnableMenuItem(UINT idItem, UINT enable);
  UINT CheckMenuItem(UINT idItem, UINT check);
  BOOL CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags);
  BOOL SetMenuItemBitmaps(UINT position, UINT flags, HBITMAP unchecked, HBITMAP checked);

  int GetMenuItemCount() const;
  UINT GetMenuItemID(int position) const;
  UINT GetMenuState(UINT id, UINT flags) const;
  int GetMenuString(UINT idItem, LPSTR text, int maxCount, UINT flags) const;
  int GetMenuString(UINT idItem, CString& text, UINT flags) const;
  CMenu* GetSubMenu(int position) const;

  // Tracks the menu through the tracking seam and remembers it while it is open, so that
  // WM_MEASUREITEM can find its items.
  BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);
  BOOL TrackPopupMenuEx(UINT flags, int x, int y, CWnd* owner, LPTPMPARAMS params);
  // The menu being tracked by TrackPopupMenu, or nullptr.
  static HMENU GetTrackingMenu();

  virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT measureItem);

  // Searches menu and its pull-downs for a pull-down that holds the item id
  // (a command id, or a pull-down handle); nullptr when none does.
  static CMenu* FindPopupMenuFromID(CMenu* menu, UINT id);

 private:
  bool m_bTemporary = false;
};

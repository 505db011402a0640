// COwnerDrawMenu: menus built from a menu resource whose pull-down items are drawn by
// the program, each with its tool-bar picture, in a classic or an XP look.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "controls/OwnerDrawMenuLogic.h"
#include "framework/win/Menu.h"

// The record of one owner-drawn item (the item's data).
struct COwnerDrawItem {
  std::wstring text;     // label with "&" mnemonic, then a tab and the shortcut
  int ownImage = -1;     // index into ownList
  int sharedImage = -1;  // index into the shared picture list
  int ownFlag = -1;
  UINT flags = 0;   // MF_* flags of the item
  UINT_PTR id = 0;  // command id, or the pull-down's handle
  HIMAGELIST ownList = nullptr;
};

class COwnerDrawMenu : public CMenu {
  DECLARE_DYNAMIC(COwnerDrawMenu)
 public:
  COwnerDrawMenu();
  ~COwnerDrawMenu() override;

  BOOL LoadMenu(UINT id);
  BOOL LoadMenu(LPCSTR name);
  // Builds the menu from a menu template in memory.
  BOOL LoadMenuTemplate(const void* data, size_t size);
  // Pictures of the buttons of each tool bar for the items with the same command ids. The
  // pictures are made when a menu first opens, measures or draws an item (MakePendingPictures):
  // a menu bar shows only texts. FALSE when a tool bar's resources are missing.
  BOOL LoadToolbars(const UINT* ids, int count);
  // Text (NULL keeps it) and picture of every item with cmdId; bitmapId < 0 keeps the
  // command's picture, else the button of cmdId in tool bar bitmapId, or the first picture
  // of bitmap bitmapId (made later, like LoadToolbars's).
  BOOL ModifyItem(LPCSTR text, UINT cmdId, int bitmapId);
  // Makes the pictures every menu has asked for so far, in the order they were asked for.
  static void MakePendingPictures();
  void DrawItem(LPDRAWITEMSTRUCT dis) override;
  void MeasureItem(LPMEASUREITEMSTRUCT mis) override;
  // The pull-down whose item text is exactly text, else NULL.
  CMenu* GetSubMenu(LPCSTR text) const;
  using CMenu::GetSubMenu;
  // Destroys the menu handle once (with its pull-downs); records stay as long as a handle
  // that was handed on (detached) still uses them.
  BOOL DestroyMenu() override;

  // Rebuilds the records of a pull-down before it opens (items the framework inserted
  // become owner-drawn). Nothing for NULL or a menu that is not owner-drawn.
  static void UpdateMenu(CMenu* popup);
  static LRESULT FindMenuChar(UINT nChar, UINT nFlags, CMenu* menu);
  static BOOL IsOwnerDrawMenu(CMenu* menu);
  static BOOL IsOwnerDrawMenu(HMENU menu);
  // Whether data is the record of a live owner-drawn item.
  static BOOL IsLiveRecord(ULONG_PTR data);
  static int GetMenuLook();
  static void SetMenuLook(int look);

  // The records of this menu's own items, in menu order.
  const std::vector<COwnerDrawItem*>& Records() const;

  COLORREF m_crBitmapBackground = RGB(192, 192, 192);

 protected:
  COwnerDrawItem* AppendItem(UINT flags, UINT_PTR id, const std::wstring& text);
  BOOL BuildLevel(const std::vector<odmenu::TemplateItem>& items, COwnerDrawMenu* menu);
  void AlignLevel(COwnerDrawMenu* menu);
  BOOL SetPicture(UINT cmdId, HIMAGELIST list, int index);
  void LoadToolbarNow(UINT id, COLORREF background);
  BOOL ModifyPictureNow(UINT cmdId, UINT bitmapId, COLORREF background);
  void ResolvePictures();
  void ForgetPictureJobs();
  void FreeRecords();
  static COwnerDrawMenu* FromPopup(HMENU menu);

  std::vector<COwnerDrawItem*> m_items;
  std::vector<COwnerDrawMenu*> m_subMenus;
  bool m_bSubMenu = false;   // a pull-down: the top menu destroys its handle
  HMENU m_hBuilt = nullptr;  // the handle this object built
};

// OS version class 0..7 of this system (7 for XP and every later Windows, and Wine).
int GetWindowsVersionClass();
BOOL HasWin95Shell();
BOOL IsXPLookActive();
BOOL IsClassicThemeSelected();
// The XP look's process-wide switches.
void SetMenuLookSwitches(BOOL xpLook, BOOL alignShortcuts);

// CCmdUI: the user-interface state of one command (menu item, tool-bar button,
// status pane), updated by pull through the command routing.
#pragma once

#include <windows.h>

#include "framework/win/CmdTarget.h"

class CMenu;
class CWnd;

class CCmdUI {
 public:
  CCmdUI() = default;
  virtual ~CCmdUI() = default;

  UINT m_nID = 0;
  UINT m_nIndex = 0;            // menu position or button index
  CMenu* m_pMenu = nullptr;     // the pull-down being updated (menu items)
  CMenu* m_pSubMenu = nullptr;  // the item's own pull-down, when it has one
  CMenu* m_pParentMenu = nullptr;
  UINT m_nIndexMax = 0;      // item count; handlers that insert or delete items move it
  CWnd* m_pOther = nullptr;  // the bar or control for non-menu items
  BOOL m_bEnableChanged = FALSE;
  BOOL m_bContinueRouting = FALSE;

  virtual void Enable(BOOL on = TRUE);
  virtual void SetCheck(int check = 1);  // 0 off, 1 on, 2 indeterminate
  // A radio mark: the item is checked with the MFT_RADIOCHECK type.
  virtual void SetRadio(BOOL on = TRUE);
  virtual void SetText(LPCSTR text);

  // A handler that does not own the command lets routing go on.
  void ContinueRouting() { m_bContinueRouting = TRUE; }

  // Routes the update to target; without a handler and with disableIfNoHandler the item
  // is enabled only when a command handler exists. Returns TRUE when a handler ran.
  BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);
};

// Routes a command or update to one target. An update handler that asked to continue
// routing counts as not handled (the flag is cleared for the next target).
BOOL AfxRouteCmdMsg(CCmdTarget* target, UINT id, int code, void* extra,
                    AFX_CMDHANDLERINFO* handlerInfo);

// The result of one target's OnCmdMsg under the same rule (clears the flag).
BOOL AfxCmdHandled(BOOL handled, int code, void* extra);

// Updates the items of a pull-down through target's command routing, as when it opens.
// Handlers may insert or delete items (the recent-file lists); the walk follows them.
// Items without a handler are disabled when autoDisable is set (ids below 0xF000).
void AfxUpdateMenuItems(CMenu* popup, CCmdTarget* target, BOOL autoDisable);

// The radio-mark test the owner-drawn menus use.
BOOL AfxIsMenuItemRadio(HMENU menu, UINT position);

// CCmdTarget: the root of every class with a message map, and command routing.
#pragma once

#include <windows.h>

#include "framework/base/Object.h"
#include "framework/win/MessageMap.h"

// Command codes passed to OnCmdMsg besides control notification codes.
#define CN_COMMAND 0                       // menu item, accelerator or BN_CLICKED
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))  // pExtra is the CCmdUI* to update

class CCmdUI;

// Filled by OnCmdMsg when asked only whether a handler exists.
struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget;
  const AFX_MSGMAP_ENTRY* pEntry;
};

// pExtra of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)
 public:
  CCmdTarget() = default;

  // Looks for a command, control-notification or update handler for nID in this object's
  // map chain and calls it. nCode is CN_COMMAND, CN_UPDATE_COMMAND_UI, a WM_COMMAND
  // notification code, or MAKELONG(code, WM_NOTIFY) with pExtra an AFX_NOTIFY*. With
  // pHandlerInfo given, only reports whether a handler exists. Returns TRUE when handled.
  // Frames, views and documents override it to route commands further.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

  // Runs the handler of the command id (as a menu item would), TRUE when one ran.
  BOOL DoCommand(UINT nID) { return OnCmdMsg(nID, CN_COMMAND, nullptr, nullptr); }

  // Message-map lookup shared with CWnd. Calls the first matching entry of the chain.
  BOOL DispatchMapEntry(AFX_MSGCALL& call, UINT kind, UINT message, UINT code, UINT id);

  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;

  // The entry that matches, or nullptr: kind and message must match; code and the id range
  // are compared for command, notify and reflect entries.
  static const AFX_MSGMAP_ENTRY* FindEntry(const AFX_MSGMAP* map, UINT kind, UINT message,
                                           UINT code, UINT id, const AFX_MSGMAP** foundIn);
};

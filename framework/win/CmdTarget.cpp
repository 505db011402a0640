// Message-map lookup and command dispatch.
#include "framework/win/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{AfxEntryEnd, 0, 0, 0, 0, nullptr, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
  return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(const AFX_MSGMAP* map, UINT kind, UINT message,
                                              UINT code, UINT id, const AFX_MSGMAP** foundIn) {
  for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e && e->nKind != AfxEntryEnd; ++e) {
      if (e->nKind != kind) continue;
      switch (kind) {
        case AfxEntryMessage:
          if (e->pRegistered ? (*e->pRegistered != 0 && *e->pRegistered == message)
                             : e->nMessage == message)
            break;
          continue;
        case AfxEntryCommand:
        case AfxEntryNotify:
          if (e->nCode == code && id >= e->nID && id <= e->nLastID) break;
          continue;
        case AfxEntryReflect:
          if (e->nMessage == message && e->nCode == code) break;
          continue;
        default:
          continue;
      }
      if (foundIn) *foundIn = map;
      return e;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::DispatchMapEntry(AFX_MSGCALL& call, UINT kind, UINT message, UINT code, UINT id) {
  const AFX_MSGMAP_ENTRY* e = FindEntry(GetMessageMap(), kind, message, code, id, nullptr);
  return e ? e->pfn(this, call) : FALSE;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  UINT kind = AfxEntryCommand;
  UINT code = static_cast<UINT>(nCode);
  if (static_cast<UINT>(nCode) != CN_UPDATE_COMMAND_UI && HIWORD(nCode) == WM_NOTIFY) {
    // Notifications match on the full code from the header, never on a truncated one.
    kind = AfxEntryNotify;
    AFX_NOTIFY* notify = static_cast<AFX_NOTIFY*>(pExtra);
    if (!notify || !notify->pNMHDR) return FALSE;
    code = notify->pNMHDR->code;
  } else if (static_cast<UINT>(nCode) != CN_UPDATE_COMMAND_UI) {
    code = LOWORD(nCode);
  }
  const AFX_MSGMAP_ENTRY* e = FindEntry(GetMessageMap(), kind, 0, code, nID, nullptr);
  if (!e) return FALSE;
  if (pHandlerInfo) {
    pHandlerInfo->pTarget = this;
    pHandlerInfo->pEntry = e;
    return TRUE;
  }
  AFX_MSGCALL call = {
      kind == AfxEntryNotify ? (UINT)WM_NOTIFY : (UINT)WM_COMMAND, 0, 0, nID, nCode, pExtra, 0};
  return e->pfn(this, call);
}

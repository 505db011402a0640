#include "framework/win/CmdUI.h"

#include "framework/win/Menu.h"
#include "framework/win/Wnd.h"

BOOL AfxCmdHandled(BOOL handled, int code, void* extra) {
  if (code == static_cast<int>(CN_UPDATE_COMMAND_UI) && extra) {
    CCmdUI* ui = static_cast<CCmdUI*>(extra);
    if (ui->m_bContinueRouting) {
      ui->m_bContinueRouting = FALSE;
      return FALSE;
    }
  }
  return handled;
}

BOOL AfxRouteCmdMsg(CCmdTarget* target, UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) {
  if (!target) return FALSE;
  if (code == static_cast<int>(CN_UPDATE_COMMAND_UI) && extra)
    static_cast<CCmdUI*>(extra)->m_bContinueRouting = FALSE;
  return AfxCmdHandled(target->OnCmdMsg(id, code, extra, info), code, extra);
}

BOOL AfxIsMenuItemRadio(HMENU menu, UINT position) {
  MENUITEMINFOA mii = {};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_FTYPE;
  if (!::GetMenuItemInfoA(menu, position, TRUE, &mii)) return FALSE;
  return (mii.fType & MFT_RADIOCHECK) != 0;
}

void CCmdUI::Enable(BOOL on) {
  if (m_pMenu) {
    if (!m_pSubMenu)
      m_pMenu->EnableMenuItem(m_nIndex,
                              MF_BYPOSITION | (on ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
  } else if (m_pOther) {
    HWND h = m_pOther->GetSafeHwnd();
    if (!on && ::GetFocus() == h) ::SendMessageA(::GetParent(h), WM_NEXTDLGCTL, 0, FALSE);
    ::EnableWindow(h, on);
  }
  m_bEnableChanged = TRUE;
}

static void SetRadioType(HMENU menu, UINT pos, bool radio) {
  MENUITEMINFOA mii = {};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_FTYPE;
  if (!::GetMenuItemInfoA(menu, pos, TRUE, &mii)) return;
  UINT type =
      radio ? (mii.fType | MFT_RADIOCHECK) : (mii.fType & ~static_cast<UINT>(MFT_RADIOCHECK));
  if (type == mii.fType) return;
  mii.fType = type;
  ::SetMenuItemInfoA(menu, pos, TRUE, &mii);
}

void CCmdUI::SetCheck(int check) {
  if (m_pMenu) {
    if (m_pSubMenu) return;
    SetRadioType(m_pMenu->m_hMenu, m_nIndex, false);
    m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
  } else if (m_pOther) {
    HWND h = m_pOther->GetSafeHwnd();
    if (::SendMessageA(h, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
      ::SendMessageA(h, BM_SETCHECK, static_cast<WPARAM>(check), 0);
  }
}

void CCmdUI::SetRadio(BOOL on) {
  if (m_pMenu) {
    if (m_pSubMenu) return;
    SetRadioType(m_pMenu->m_hMenu, m_nIndex, true);
    m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (on ? MF_CHECKED : MF_UNCHECKED));
    return;
  }
  SetCheck(on ? 1 : 0);
}

void CCmdUI::SetText(LPCSTR text) {
  if (!text) text = "";
  if (m_pMenu) {
    if (m_pSubMenu) return;
    UINT state = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION);
    state &= ~static_cast<UINT>(MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | 0xFF00);
    m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | state, m_nID, text);
  } else if (m_pOther) {
    ::SetWindowTextA(m_pOther->GetSafeHwnd(), text);
  }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler) {
  if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF || !target)
    return TRUE;  // separators and invalid ids are left alone
  m_bEnableChanged = FALSE;
  BOOL handled = AfxRouteCmdMsg(target, m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
  if (disableIfNoHandler && !m_bEnableChanged) {
    AFX_CMDHANDLERINFO info = {nullptr, nullptr};
    BOOL hasHandler = target->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
    Enable(hasHandler);
  }
  return handled;
}

void AfxUpdateMenuItems(CMenu* popup, CCmdTarget* target, BOOL autoDisable) {
  if (!popup || !target) return;
  CCmdUI state;
  state.m_pMenu = popup;
  state.m_nIndexMax = static_cast<UINT>(popup->GetMenuItemCount());
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    state.m_nID = popup->GetMenuItemID(static_cast<int>(state.m_nIndex));
    if (state.m_nID == 0) continue;  // separator
    if (state.m_nID == static_cast<UINT>(-1)) {
      // A pull-down: updated through its first item, never disabled automatically.
      state.m_pSubMenu = popup->GetSubMenu(static_cast<int>(state.m_nIndex));
      if (!state.m_pSubMenu) continue;
      state.m_nID = state.m_pSubMenu->GetMenuItemID(0);
      if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) continue;
      state.DoUpdate(target, FALSE);
    } else {
      state.m_pSubMenu = nullptr;
      state.DoUpdate(target, autoDisable && state.m_nID < 0xF000);
    }
    // Handlers may have deleted or inserted items.
    UINT count = static_cast<UINT>(popup->GetMenuItemCount());
    if (count < state.m_nIndexMax) {
      state.m_nIndex -= (state.m_nIndexMax - count);
      while (state.m_nIndex < count &&
             popup->GetMenuItemID(static_cast<int>(state.m_nIndex)) == state.m_nID)
        ++state.m_nIndex;
    }
    state.m_nIndexMax = count;
  }
}

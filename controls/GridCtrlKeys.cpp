// CGridCtrl: the keyboard. Tab and Enter walk the cells and leave the grid at its ends; arrows,
// Page Up/Down, Home and End move the focus cell (Shift extends the selection); Delete empties
// the selected cells; F2 and typing start editing; Ctrl+A/C/V/X select all, copy, paste, cut.
#include <algorithm>

#include "controls/GridCtrl.h"
#include "controls/GridLogic.h"

namespace {

bool KeyHeld(int vk) {
  return ::GetKeyState(vk) < 0;
}

}  // namespace

UINT CGridCtrl::OnGetDlgCode() {
  return DLGC_WANTALLKEYS;
}

void CGridCtrl::PostNextDlgCtrl(BOOL bPrevious) {
  if (HWND hParent = ::GetParent(m_hWnd)) ::PostMessageA(hParent, WM_NEXTDLGCTL, bPrevious, 0);
}

void CGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  const bool shift = KeyHeld(VK_SHIFT);
  const bool ctrl = KeyHeld(VK_CONTROL);
  if (!IsValid(m_idCurrentCell)) {
    if (nChar == VK_TAB || nChar == VK_RETURN)
      PostNextDlgCtrl(shift);
    else
      Default();
    return;
  }
  if (ctrl) {
    switch (nChar) {
      case 'A':
        OnEditSelectAll();
        break;
      case 'C':
        OnEditCopy();
        break;
      case 'V':
        OnEditPaste();
        break;
      case 'X':
        OnEditCut();
        break;
      default:
        break;
    }
  }

  const gridlogic::GridCounts counts = {m_nRows, m_nCols, m_nFixedRows, m_nFixedCols};
  GRIDCELLID next = m_idCurrentCell;
  bool wrapped = false;
  switch (nChar) {
    case VK_TAB:
    case VK_RETURN: {
      gridlogic::GridMove move =
          gridlogic::KeyMove(m_idCurrentCell, nChar == VK_TAB ? gridlogic::MoveKey::Tab
                                                             : gridlogic::MoveKey::Enter,
                             shift, ctrl, counts);
      if (move.kind != gridlogic::GridMove::Move) {
        PostNextDlgCtrl(move.kind == gridlogic::GridMove::PrevControl);
        return;
      }
      next = move.cell;
      wrapped = move.wrapped;
      break;
    }
    case VK_ESCAPE:
      if (HWND hParent = ::GetParent(m_hWnd))
        ::SendMessageA(hParent, WM_KEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags));
      return;
    case VK_SPACE:
      if (!ToggleCheck(m_idCurrentCell.row, m_idCurrentCell.col)) Default();
      return;
    case VK_PRIOR:
    case VK_NEXT: {
      int topBefore = GetTopleftNonFixedCell().row;
      SendMessage(WM_VSCROLL, nChar == VK_NEXT ? SB_PAGEDOWN : SB_PAGEUP, 0);
      int topAfter = GetTopleftNonFixedCell().row;
      next.row = gridlogic::PageMoveRow(next.row, topBefore, topAfter, nChar == VK_NEXT, counts);
      break;
    }
    case VK_END:
      SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
      next.row = m_nRows - 1;
      break;
    case VK_HOME:
      SendMessage(WM_VSCROLL, SB_TOP, 0);
      next.row = m_nFixedRows;
      break;
    case VK_LEFT:
      next = gridlogic::KeyMove(next, gridlogic::MoveKey::Left, shift, ctrl, counts).cell;
      break;
    case VK_RIGHT:
      next = gridlogic::KeyMove(next, gridlogic::MoveKey::Right, shift, ctrl, counts).cell;
      break;
    case VK_UP:
      next = gridlogic::KeyMove(next, gridlogic::MoveKey::Up, shift, ctrl, counts).cell;
      break;
    case VK_DOWN:
      next = gridlogic::KeyMove(next, gridlogic::MoveKey::Down, shift, ctrl, counts).cell;
      break;
    case VK_DELETE:
      ClearSelectedCells();
      return;
    case VK_F2:
      OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, 1);
      return;
    default:
      Default();
      return;
  }
  if (next == m_idCurrentCell) return;

  if (m_MouseMode == GRIDMOUSE_NOTHING) {
    m_PrevSelectedCellMap.clear();
    m_MouseMode = m_bWholeRowSelection ? GRIDMOUSE_SELECT_ROW : GRIDMOUSE_SELECT_CELLS;
    if (!shift || nChar == VK_TAB) m_SelectionStartCell = next;
    OnSelecting(next);
    m_MouseMode = GRIDMOUSE_NOTHING;
  }
  SetFocusCell(next);
  if (IsCellVisible(next)) return;

  EnsureVisible(next);
  switch (nChar) {
    case VK_TAB:
      if (!shift) {
        if (wrapped) {
          SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
          SetScrollPos32(SB_HORZ, 0);
        } else {
          SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
        }
      } else if (wrapped) {
        SendMessage(WM_VSCROLL, SB_LINEUP, 0);
        SetScrollPos32(SB_HORZ, m_nHScrollMax);
      } else {
        SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
      }
      break;
    case VK_LEFT:
      SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
      break;
    case VK_RIGHT:
      SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
      break;
    case VK_UP:
      SendMessage(WM_VSCROLL, SB_LINEUP, 0);
      break;
    case VK_DOWN:
      SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
      break;
    default:
      break;
  }
  InvalidateGrid(TRUE);
}

void CGridCtrl::ClearSelectedCells() {
  bool changed = false;
  for (const auto& entry : m_SelectedCellMap) {
    const GRIDCELLID& cell = entry.second;
    CGridCell* pCell = GetCell(cell.row, cell.col);
    if (!pCell || !IsCellEditable(cell) || pCell->m_strText.IsEmpty()) continue;
    pCell->m_strText.Empty();
    changed = true;
  }
  if (!changed) return;
  m_bModified = TRUE;
  InvalidateGrid(TRUE);
  SendMessageToParent(-1, -1, GRIDN_CHANGED);
}

void CGridCtrl::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
  if (!KeyHeld(VK_CONTROL) && m_MouseMode == GRIDMOUSE_NOTHING && ::GetFocus() == m_hWnd) {
    // Control characters (Esc, ...) start nothing; Backspace and Enter open the editor.
    bool ignoredTab = nChar == VK_TAB && m_bHandleTabKey;
    bool control = nChar < 32 && nChar != VK_BACK && nChar != VK_RETURN;
    if (!ignoredTab && !control) OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, nChar);
  }
  Default();
}

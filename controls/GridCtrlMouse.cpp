// CGridCtrl: the focus cell, the selected cells and the mouse (selecting, sizing rows and
// columns by their dividers, auto-scrolling while the button is held, starting edits and drags).
#include <algorithm>

#include "controls/GridCtrl.h"
#include "controls/GridLogic.h"
#include "framework/win/WinApp.h"

namespace {
const UINT_PTR kAutoScrollTimer = 513;
}

// ---- focus and selection ----------------------------------------------------------------------

GRIDCELLID CGridCtrl::SetFocusCell(int nRow, int nCol) {
  GRIDCELLID cell(nRow, nCol);
  if (!IsValid(cell)) cell = GRIDCELLID();  // no half-valid focus is ever stored
  if (cell == m_idCurrentCell) return m_idCurrentCell;
  GRIDCELLID old = m_idCurrentCell;
  m_idCurrentCell = cell;
  if (IsValid(old)) {
    SendMessageToParent(old.row, old.col, GRIDN_SELCHANGING);
    SetItemState(old.row, old.col, GetItemState(old.row, old.col) & ~GRIDSTATE_FOCUSED);
    RedrawCell(old);
    if (old.col != cell.col)
      for (int row = 0; row < m_nFixedRows; ++row) RedrawCell(row, old.col);
    if (old.row != cell.row)
      for (int col = 0; col < m_nFixedCols; ++col) RedrawCell(old.row, col);
  }
  if (IsValid(cell)) {
    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GRIDSTATE_FOCUSED);
    RedrawCell(cell);
    if (old.col != cell.col)
      for (int row = 0; row < m_nFixedRows; ++row) RedrawCell(row, cell.col);
    if (old.row != cell.row)
      for (int col = 0; col < m_nFixedCols; ++col) RedrawCell(cell.row, col);
    SendMessageToParent(cell.row, cell.col, GRIDN_SELCHANGED);
  }
  return old;
}

void CGridCtrl::SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol,
                                 BOOL bForceRedraw) {
  if (!m_bEnableSelection) return;
  SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GRIDN_SELCHANGING);
  GRIDRANGE block(nMinRow, nMinCol, nMaxRow, nMaxCol);
  const bool blockValid = IsValid(block) != FALSE;

  // Only cells on screen need drawing; the rest is skipped without measuring.
  const bool canDraw = IsDrawingAllowed() != FALSE;
  GRIDRANGE shown = canDraw ? GetVisibleNonFixedCellRange() : GRIDRANGE();
  CClientDC* pDC = canDraw && bForceRedraw ? new CClientDC(this) : nullptr;
  auto redraw = [&](int row, int col) {
    if (!canDraw || row > shown.maxRow || col > shown.maxCol) return;
    if (row >= m_nFixedRows && row < shown.minRow) return;
    if (col >= m_nFixedCols && col < shown.minCol) return;
    if (pDC)
      RedrawCell(row, col, pDC);
    else
      InvalidateCellRect(GRIDCELLID(row, col));
  };

  std::map<ULONGLONG, GRIDCELLID> before;
  before.swap(m_SelectedCellMap);
  for (const auto& entry : before) {
    const GRIDCELLID& cell = entry.second;
    if (CGridCell* pCell = GetCell(cell.row, cell.col)) pCell->m_nState &= ~GRIDSTATE_SELECTED;
    if (!blockValid || !block.Contains(cell.row, cell.col)) redraw(cell.row, cell.col);
  }
  for (const auto& entry : m_PrevSelectedCellMap) {
    const GRIDCELLID& cell = entry.second;
    if (!IsValid(cell)) continue;
    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GRIDSTATE_SELECTED);
    redraw(cell.row, cell.col);
  }
  if (blockValid) {
    for (int row = nMinRow; row <= nMaxRow; ++row) {
      for (int col = nMinCol; col <= nMaxCol; ++col) {
        UINT state = GetItemState(row, col);
        if (state & GRIDSTATE_SELECTED) continue;
        SetItemState(row, col, state | GRIDSTATE_SELECTED);
        if (before.find(CellKey(row, col)) == before.end()) redraw(row, col);
      }
    }
  }
  SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GRIDN_SELCHANGED);
  delete pDC;
}

void CGridCtrl::SelectCellRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol,
                                BOOL bForceRedraw) {
  m_PrevSelectedCellMap.clear();
  SetSelectedRange(nMinRow, nMinCol, nMaxRow, nMaxCol, bForceRedraw);
}

void CGridCtrl::ResetSelectedRange() {
  m_PrevSelectedCellMap.clear();
  SelectCellRange(-1, -1, -1, -1, FALSE);
  SetFocusCell(-1, -1);
}

GRIDRANGE CGridCtrl::GetSelectedCellRange() const {
  if (m_SelectedCellMap.empty()) return GRIDRANGE(m_nRows, m_nCols, -1, -1);
  GRIDRANGE r(m_nRows, m_nCols, -1, -1);
  for (const auto& entry : m_SelectedCellMap) {
    const GRIDCELLID& cell = entry.second;
    r.minRow = std::min(r.minRow, cell.row);
    r.minCol = std::min(r.minCol, cell.col);
    r.maxRow = std::max(r.maxRow, cell.row);
    r.maxCol = std::max(r.maxCol, cell.col);
  }
  r.maxRow = std::min(r.maxRow, m_nRows - 1);
  r.maxCol = std::min(r.maxCol, m_nCols - 1);
  return r;
}

void CGridCtrl::EnableSelection(BOOL bEnable) {
  ResetSelectedRange();
  m_bEnableSelection = bEnable;
  ResetSelectedRange();
}

void CGridCtrl::SelectAllCells() {
  if (!m_bEnableSelection) return;
  SelectCellRange(m_nFixedRows, m_nFixedCols, m_nRows - 1, m_nCols - 1, FALSE);
}

void CGridCtrl::SelectColumns(GRIDCELLID cell) {
  if (!m_bEnableSelection || cell.col < m_nFixedCols || !IsValid(cell)) return;
  int start = m_SelectionStartCell.col >= m_nFixedCols && m_SelectionStartCell.col < m_nCols
                  ? m_SelectionStartCell.col
                  : cell.col;
  SelectCellRange(m_nFixedRows, std::min(start, cell.col), m_nRows - 1, std::max(start, cell.col),
                  FALSE);
}

void CGridCtrl::SelectRows(GRIDCELLID cell) {
  if (!m_bEnableSelection || cell.row < m_nFixedRows || !IsValid(cell)) return;
  int start = m_SelectionStartCell.row >= m_nFixedRows && m_SelectionStartCell.row < m_nRows
                  ? m_SelectionStartCell.row
                  : cell.row;
  SelectCellRange(std::min(start, cell.row), m_nFixedCols, std::max(start, cell.row),
                  m_nCols - 1, FALSE);
}

void CGridCtrl::SelectCells(GRIDCELLID cell) {
  if (!m_bEnableSelection || !IsValid(cell) || cell.row < m_nFixedRows ||
      cell.col < m_nFixedCols)
    return;
  GRIDCELLID start = IsValid(m_SelectionStartCell) ? m_SelectionStartCell : cell;
  SetSelectedRange(std::min(start.row, cell.row), std::min(start.col, cell.col),
                   std::max(start.row, cell.row), std::max(start.col, cell.col), FALSE);
}

void CGridCtrl::OnSelecting(const GRIDCELLID& cell) {
  if (!m_bEnableSelection) return;
  switch (m_MouseMode) {
    case GRIDMOUSE_SELECT_ALL:
      SelectAllCells();
      break;
    case GRIDMOUSE_SELECT_COL:
      SelectColumns(cell);
      break;
    case GRIDMOUSE_SELECT_ROW:
      SelectRows(cell);
      break;
    case GRIDMOUSE_SELECT_CELLS:
      SelectCells(cell);
      break;
    default:
      break;
  }
}

void CGridCtrl::OnFixedRowClick(GRIDCELLID& cell) {
  if (!IsValid(cell)) return;
  if (!m_bListMode) {
    m_MouseMode = cell.col >= m_nFixedCols ? GRIDMOUSE_SELECT_COL : GRIDMOUSE_SELECT_ALL;
    OnSelecting(cell);
  } else if (m_bSortOnClick) {
    CWaitCursor wait;
    if (cell.col == m_nSortColumn)
      m_bAscending = !m_bAscending;
    else
      m_bAscending = TRUE;
    m_nSortColumn = cell.col;
    SortTextItems(m_nSortColumn, m_bAscending, 0);
    InvalidateGrid(TRUE);
  }
}

void CGridCtrl::OnFixedColumnClick(GRIDCELLID& cell) {
  if (!IsValid(cell)) return;
  m_MouseMode = cell.row < m_nFixedRows ? GRIDMOUSE_SELECT_ALL : GRIDMOUSE_SELECT_ROW;
  OnSelecting(cell);
}

BOOL CGridCtrl::IsCellEditable(int nRow, int nCol) const {
  return m_bEditable && IsValid(nRow, nCol) && nRow >= m_nFixedRows && nCol >= m_nFixedCols &&
         !(GetItemState(nRow, nCol) & GRIDSTATE_READONLY);
}

// ---- dividers ---------------------------------------------------------------------------------

namespace {

// The entry whose divider lies near p on one axis, given the entry under p: its own (near its
// last pixel) or the one shown before it (near its first pixel); -1 for none. The first entry
// on screen after the fixed ones follows the last fixed one, however far the axis scrolled.
int DividerOn(const gridlogic::GridAxis& axis, int topLeft, int index, int p, int range) {
  if (index < 0) return -1;
  int first = 0;
  if (!gridlogic::EntryOrigin(axis, index, topLeft, first)) return -1;
  int last = first + axis.Size(index) - 1;
  switch (gridlogic::DividerNear(p, first, last, range)) {
    case gridlogic::DividerSide::After:
      return index;
    case gridlogic::DividerSide::Before:
      if (index == topLeft && index >= axis.fixed) return axis.fixed - 1;
      return index - 1;
    default:
      return -1;
  }
}

}  // namespace

int CGridCtrl::DividerColumn(CPoint point) {
  GRIDCELLID cell = GetCellFromPt(point, TRUE);
  return DividerOn(ColumnAxis(), GetTopleftNonFixedCell().col, cell.col, point.x,
                   m_nResizeCaptureRange);
}

int CGridCtrl::DividerRow(CPoint point) {
  GRIDCELLID cell = GetCellFromPt(point, TRUE);
  return DividerOn(RowAxis(), GetTopleftNonFixedCell().row, cell.row, point.y,
                   m_nResizeCaptureRange);
}

void CGridCtrl::InvertSizingBand(CPoint point) {
  CRect client;
  GetClientRect(&client);
  CRect band = m_MouseMode == GRIDMOUSE_SIZING_COL
                   ? CRect(point.x, client.top, point.x + 2, client.bottom)
                   : CRect(client.left, point.y, client.right, point.y + 2);
  HDC hDC = ::GetDC(m_hWnd);
  if (!hDC) return;
  ::InvertRect(hDC, &band);
  ::ReleaseDC(m_hWnd, hDC);
}

void CGridCtrl::EndSizing() {
  if (m_MouseMode != GRIDMOUSE_SIZING_COL && m_MouseMode != GRIDMOUSE_SIZING_ROW) return;
  ::ClipCursor(NULL);
  if (m_bSizingBandShown) InvertSizingBand(m_LastMousePoint);
  m_bSizingBandShown = FALSE;
}

void CGridCtrl::KillAutoScrollTimer() {
  if (m_nTimerID && ::IsWindow(m_hWnd)) KillTimer(m_nTimerID);
  m_nTimerID = 0;
}

// ---- mouse ------------------------------------------------------------------------------------

void CGridCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
  HWND hOldFocus = ::GetFocus();
  ::SetFocus(m_hWnd);
  m_LeftClickDownPoint = point;
  m_LeftClickDownCell = GetCellFromPt(point, TRUE);
  if (!IsValid(m_LeftClickDownCell)) return;

  m_SelectionStartCell = (nFlags & MK_SHIFT) ? m_idCurrentCell : m_LeftClickDownCell;
  if (m_LeftClickDownCell == m_idCurrentCell) {
    m_MouseMode = GRIDMOUSE_PREPARE_EDIT;
    return;
  }
  int modeBefore = m_MouseMode;
  // Remember the divider before the focus moves: moving it may scroll nothing, but it redraws.
  int sizingIndex = modeBefore == GRIDMOUSE_OVER_COL_DIVIDE   ? DividerColumn(point)
                    : modeBefore == GRIDMOUSE_OVER_ROW_DIVIDE ? DividerRow(point)
                                                              : -1;
  SetFocusCell(-1, -1);
  SetFocusCell(std::max(m_LeftClickDownCell.row, m_nFixedRows),
               std::max(m_LeftClickDownCell.col, m_nFixedCols));

  if (m_bAllowDragAndDrop && hOldFocus == m_hWnd &&
      (GetItemState(m_LeftClickDownCell.row, m_LeftClickDownCell.col) & GRIDSTATE_SELECTED)) {
    m_MouseMode = GRIDMOUSE_PREPARE_DRAG;
    return;
  }
  SetCapture();

  CRect client;
  GetClientRect(&client);
  if (modeBefore == GRIDMOUSE_OVER_COL_DIVIDE && sizingIndex >= 0) {
    m_MouseMode = GRIDMOUSE_SIZING_COL;
    m_nSizingIndex = sizingIndex;
    int left = 0;
    gridlogic::EntryOrigin(ColumnAxis(), sizingIndex, GetTopleftNonFixedCell().col, left);
    InvertSizingBand(point);
    m_bSizingBandShown = TRUE;
    CRect clip(left, client.top, client.right, client.bottom);
    ClientToScreen(&clip);
    ::ClipCursor(&clip);
  } else if (modeBefore == GRIDMOUSE_OVER_ROW_DIVIDE && sizingIndex >= 0) {
    m_MouseMode = GRIDMOUSE_SIZING_ROW;
    m_nSizingIndex = sizingIndex;
    int top = 0;
    gridlogic::EntryOrigin(RowAxis(), sizingIndex, GetTopleftNonFixedCell().row, top);
    InvertSizingBand(point);
    m_bSizingBandShown = TRUE;
    CRect clip(client.left, top, client.right, client.bottom);
    ClientToScreen(&clip);
    ::ClipCursor(&clip);
  } else {
    m_PrevSelectedCellMap.clear();
    if (nFlags & MK_CONTROL) m_PrevSelectedCellMap = m_SelectedCellMap;
    if (m_LeftClickDownCell.row < m_nFixedRows) {
      OnFixedRowClick(m_LeftClickDownCell);
    } else if (m_LeftClickDownCell.col < m_nFixedCols) {
      OnFixedColumnClick(m_LeftClickDownCell);
    } else {
      m_MouseMode = m_bWholeRowSelection ? GRIDMOUSE_SELECT_ROW : GRIDMOUSE_SELECT_CELLS;
      OnSelecting(m_LeftClickDownCell);
    }
    m_nTimerID = SetTimer(kAutoScrollTimer, m_nTimerInterval);
  }
  m_LastMousePoint = point;
}

void CGridCtrl::OnMouseMove(UINT nFlags, CPoint point) {
  CRect client;
  GetClientRect(&client);
  const bool buttonDown = (nFlags & MK_LBUTTON) != 0;
  if (!client.PtInRect(point) && !buttonDown) return;

  if (!buttonDown) {
    if (m_bAllowColResize && point.y < GetFixedRowHeight() && DividerColumn(point) >= 0) {
      ::SetCursor(CWinApp::LoadStandardCursor(IDC_SIZEWE));
      m_MouseMode = GRIDMOUSE_OVER_COL_DIVIDE;
    } else if (m_bAllowRowResize && point.x < GetFixedColumnWidth() && DividerRow(point) >= 0) {
      ::SetCursor(CWinApp::LoadStandardCursor(IDC_SIZENS));
      m_MouseMode = GRIDMOUSE_OVER_ROW_DIVIDE;
    } else if (m_MouseMode != GRIDMOUSE_NOTHING) {
      ::SetCursor(CWinApp::LoadStandardCursor(IDC_ARROW));
      m_MouseMode = GRIDMOUSE_NOTHING;
    }
    m_LastMousePoint = point;
    return;
  }
  if (!IsValid(m_LeftClickDownCell)) {
    m_LastMousePoint = point;
    return;
  }
  switch (m_MouseMode) {
    case GRIDMOUSE_SELECT_COL:
    case GRIDMOUSE_SELECT_ROW:
    case GRIDMOUSE_SELECT_CELLS: {
      GRIDCELLID cell = GetCellFromPt(point, TRUE);
      if (IsValid(cell)) {
        OnSelecting(cell);
        if (cell.row >= m_nFixedRows && cell.col >= m_nFixedCols) SetFocusCell(cell);
      }
      break;
    }
    case GRIDMOUSE_SIZING_COL:
    case GRIDMOUSE_SIZING_ROW:
      if (m_bSizingBandShown) InvertSizingBand(m_LastMousePoint);
      InvertSizingBand(point);
      m_bSizingBandShown = TRUE;
      break;
    case GRIDMOUSE_PREPARE_DRAG:
      OnBeginDrag();
      break;
    default:
      break;
  }
  m_LastMousePoint = point;
}

void CGridCtrl::OnLButtonUp(UINT /*nFlags*/, CPoint point) {
  Default();
  // Our own release of the capture is no loss of it.
  m_bReleasingCapture = TRUE;
  ::ClipCursor(NULL);
  if (::GetCapture() == m_hWnd) {
    ::ReleaseCapture();
    KillAutoScrollTimer();
  }
  m_bReleasingCapture = FALSE;

  if (m_MouseMode == GRIDMOUSE_PREPARE_EDIT ||
      (m_MouseMode == GRIDMOUSE_SELECT_CELLS && GetSelectedCount() < 2)) {
    if (!ToggleCheck(m_idCurrentCell.row, m_idCurrentCell.col))
      OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, 1);
  } else if (m_MouseMode == GRIDMOUSE_SIZING_COL || m_MouseMode == GRIDMOUSE_SIZING_ROW) {
    bool columns = m_MouseMode == GRIDMOUSE_SIZING_COL;
    if (m_bSizingBandShown) InvertSizingBand(m_LastMousePoint);
    m_bSizingBandShown = FALSE;
    if (point != m_LeftClickDownPoint) {
      gridlogic::GridAxis axis = columns ? ColumnAxis() : RowAxis();
      int topLeft = columns ? GetTopleftNonFixedCell().col : GetTopleftNonFixedCell().row;
      int start = 0;
      if (gridlogic::EntryOrigin(axis, m_nSizingIndex, topLeft, start)) {
        int size = std::max<int>(0, (columns ? point.x : point.y) - start);
        if (columns)
          SetColumnWidth(m_nSizingIndex, size);
        else
          SetRowHeight(m_nSizingIndex, size);
      }
      ResetScrollBars();
      InvalidateGrid(TRUE);
    }
  } else if (m_MouseMode == GRIDMOUSE_PREPARE_DRAG) {
    ResetSelectedRange();
  }
  m_MouseMode = GRIDMOUSE_NOTHING;
  ::SetCursor(CWinApp::LoadStandardCursor(IDC_ARROW));
  if (IsValid(m_LeftClickDownCell) && ::IsWindow(m_hWnd)) {
    HWND hOwner = m_hWndOwner ? m_hWndOwner : ::GetParent(m_hWnd);
    if (hOwner)
      ::PostMessageA(hOwner, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0),
                     reinterpret_cast<LPARAM>(m_hWnd));
  }
}

void CGridCtrl::OnLButtonDblClk(UINT /*nFlags*/, CPoint point) {
  // A divider is recognised where the pointer is: the click before ended any sizing and left
  // the mouse mode at rest.
  const int col = m_bAllowColResize && point.y < GetFixedRowHeight() ? DividerColumn(point) : -1;
  const int row = col < 0 && m_bAllowRowResize && point.x < GetFixedColumnWidth()
                      ? DividerRow(point)
                      : -1;
  if (col >= 0) {
    AutoSizeColumn(col);
    InvalidateGrid(TRUE);
  } else if (row >= 0) {
    AutoSizeRow(row);
    InvalidateGrid(TRUE);
  } else if (m_MouseMode == GRIDMOUSE_NOTHING && IsValid(m_LeftClickDownCell) &&
             m_LeftClickDownCell.row >= m_nFixedRows && m_LeftClickDownCell.col >= m_nFixedCols) {
    if (!ToggleCheck(m_idCurrentCell.row, m_idCurrentCell.col))
      OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, 1);
  }
  Default();
}

void CGridCtrl::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kAutoScrollTimer) {
    Default();
    return;
  }
  POINT p;
  ::GetCursorPos(&p);
  ::ScreenToClient(m_hWnd, &p);
  CRect client;
  GetClientRect(&client);
  if (client.IsRectEmpty()) return;
  const int x = std::min(std::max(p.x, client.left), client.right - 1);
  const int y = std::min(std::max(p.y, client.top), client.bottom - 1);
  const int fixedRowHeight = GetFixedRowHeight();
  const int fixedColWidth = GetFixedColumnWidth();
  if (p.y >= client.bottom) {
    SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    OnSelecting(GetCellFromPt(CPoint(x, client.bottom - 1)));
  } else if (p.y < fixedRowHeight) {
    SendMessage(WM_KEYDOWN, VK_UP, 0);
    OnSelecting(GetCellFromPt(CPoint(x, fixedRowHeight + 1)));
  }
  if (p.x >= client.right) {
    SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    OnSelecting(GetCellFromPt(CPoint(client.right - 1, y)));
  } else if (p.x < fixedColWidth) {
    SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    OnSelecting(GetCellFromPt(CPoint(fixedColWidth + 1, y)));
  }
}

void CGridCtrl::OnCaptureChanged(CWnd* pWnd) {
  if (m_bReleasingCapture || pWnd == this) return;
  // Lost to another window (or the system) mid-gesture: stop scrolling and selecting, free
  // the cursor and take the sizing band away.
  KillAutoScrollTimer();
  EndSizing();
  if (m_MouseMode != GRIDMOUSE_PREPARE_DRAG) m_MouseMode = GRIDMOUSE_NOTHING;
}

BOOL CGridCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT /*message*/) {
  if (pWnd != this || nHitTest != HTCLIENT) return static_cast<BOOL>(Default());
  switch (m_MouseMode) {
    case GRIDMOUSE_OVER_ROW_DIVIDE:
    case GRIDMOUSE_SIZING_ROW:
      ::SetCursor(CWinApp::LoadStandardCursor(IDC_SIZENS));
      return TRUE;
    case GRIDMOUSE_OVER_COL_DIVIDE:
    case GRIDMOUSE_SIZING_COL:
      ::SetCursor(CWinApp::LoadStandardCursor(IDC_SIZEWE));
      return TRUE;
    case GRIDMOUSE_DRAGGING:
      return TRUE;
    default:
      break;
  }
  POINT p;
  ::GetCursorPos(&p);
  ::ScreenToClient(m_hWnd, &p);
  GRIDCELLID cell = GetCellFromPt(CPoint(p.x, p.y), TRUE);
  CGridCell* pCell = GetCell(cell.row, cell.col);
  bool text = pCell && cell.row >= m_nFixedRows && cell.col >= m_nFixedCols &&
              !(pCell->m_nState & GRIDSTATE_READONLY) && pCell->m_nType != 1 &&
              pCell->m_nType != 3;
  ::SetCursor(CWinApp::LoadStandardCursor(text ? IDC_IBEAM : IDC_ARROW));
  return TRUE;
}

// CGridCtrl: in-place editing, the clipboard, the Edit commands, and drag and drop.
//
// Cells hold test values: text typed, pasted or dropped into an editable cell must be a number
// read whole (or nothing). Refused text leaves the cell as it was and is pointed out with the
// grid's "Input Error" message; pasted rows that do not fit below the grid are reported too.
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "controls/GridClipboardText.h"
#include "controls/GridCtrl.h"
#include "controls/GridInPlaceEdit.h"
#include "framework/win/CmdUI.h"

namespace {

enum AfterEditAction : UINT {
  kAfterEditNothing = 0,
  kAfterEditContinue,  // an arrow or page key ended the edit: move on and edit again
  kAfterEditRefused,   // a refused text: show it at its cell
  kAfterEditReport,    // a message without a cell (rows left out)
};

// Quoted text for a message, shortened when long.
CString Quoted(const CString& text) {
  CString shown = text;
  shown.Trim();
  if (shown.GetLength() > 40) shown = shown.Left(40) + "...";
  return "\"" + shown + "\"";
}

}  // namespace

// ---- in-place editing -------------------------------------------------------------------------

void CGridCtrl::OnEditCell(int nRow, int nCol, UINT nChar) {
  EnsureVisible(nRow, nCol);
  CRect rect;
  if (!IsCellEditable(nRow, nCol) || !IsCellVisible(nRow, nCol) ||
      !GetCellRect(nRow, nCol, &rect))
    return;
  SendMessageToParent(nRow, nCol, GRIDN_BEGINEDIT);
  GRIDITEM item;
  item.row = nRow;
  item.col = nCol;
  item.mask = GRIDIF_TEXT | GRIDIF_FORMAT;
  if (!GetItem(&item)) return;
  DWORD style = ES_LEFT;
  if (item.format & DT_RIGHT)
    style = ES_RIGHT;
  else if (item.format & DT_CENTER)
    style = ES_CENTER;
  // The editor covers the cell up to and including its grid lines.
  CRect editRect(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
  CreateInPlaceEditControl(editRect, style, kInPlaceEditId, nRow, nCol, item.text, nChar);
}

void CGridCtrl::CreateInPlaceEditControl(const RECT& rect, DWORD dwStyle, UINT nID, int nRow,
                                         int nCol, LPCSTR szText, UINT nChar) {
  CGridInPlaceEdit::Open(this, rect, dwStyle, nID, nRow, nCol, szText, nChar);
}

void CGridCtrl::OnEndEditCell(int nRow, int nCol, CString str) {
  SetItemText(nRow, nCol, str);
}

void CGridCtrl::OnEndInPlaceEdit(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  if (!::IsWindow(m_hWnd)) return;
  const GRIDITEM& item = reinterpret_cast<GRIDDISPINFO*>(pNMHDR)->item;
  const UINT key = static_cast<UINT>(item.lParam);
  const GRIDCELLID cell(item.row, item.col);
  bool refused = false;
  if (key != VK_ESCAPE) {
    if (!gridtext::IsNumberText(item.text.str()))
      refused = true;
    else if (std::strcmp(item.text, GetItemText(cell.row, cell.col)) != 0)
      m_bModified = TRUE;
  }
  if (!refused) OnEndEditCell(cell.row, cell.col, item.text);
  InvalidateCellRect(cell);
  SendMessageToParent(cell.row, cell.col, GRIDN_ENDEDIT);
  SendMessageToParent(-1, -1, GRIDN_CHANGED);
  // What follows waits until the editor has handed the focus back.
  if (refused) {
    m_strInputError = Quoted(item.text) + " is not a number.\nThe cell keeps its value.";
    PostAfterEdit(kAfterEditRefused, cell.row, cell.col, 0);
  } else if (key >= VK_PRIOR && key <= VK_DOWN) {
    PostAfterEdit(kAfterEditContinue, cell.row, cell.col, key);
  }
}

void CGridCtrl::PostAfterEdit(UINT action, int nRow, int nCol, UINT nKey) {
  m_nAfterEditAction = action;
  m_AfterEditCell = GRIDCELLID(nRow, nCol);
  m_nAfterEditKey = nKey;
  if (::IsWindow(m_hWnd)) PostMessage(WM_GRID_AFTEREDIT, 0, 0);
}

LRESULT CGridCtrl::OnAfterEdit(WPARAM, LPARAM) {
  UINT action = m_nAfterEditAction;
  m_nAfterEditAction = kAfterEditNothing;
  const GRIDCELLID cell = m_AfterEditCell;
  switch (action) {
    case kAfterEditContinue:
      // Only while the focus is still where the edit ended.
      if (m_idCurrentCell == cell && ::GetFocus() == m_hWnd) {
        OnKeyDown(m_nAfterEditKey, 1, 0);
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, m_nAfterEditKey);
      }
      break;
    case kAfterEditRefused:
      if (IsValid(cell)) ShowInputError(cell.row, cell.col, m_strInputError);
      break;
    case kAfterEditReport:
      MessageBox(m_strInputError, "Input Error", MB_ICONEXCLAMATION);
      break;
    default:
      break;
  }
  return 0;
}

void CGridCtrl::ShowInputError(int nRow, int nCol, LPCSTR message) {
  EnsureVisible(nRow, nCol);
  ResetSelectedRange();
  SetFocusCell(nRow, nCol);
  InvalidateGrid(TRUE);
  SetFocus();
  MessageBox(message ? message : "", "Input Error", MB_ICONEXCLAMATION);
  OnEditCell(nRow, nCol, VK_TAB);  // the whole text selected
}

// ---- clipboard --------------------------------------------------------------------------------

COleDataSource* CGridCtrl::CopyTextFromGrid() {
  GRIDRANGE range = GetSelectedCellRange();
  if (!IsValid(range)) return NULL;
  std::string text = gridtext::FormatCopyText(
      range,
      [this](int row, int col) { return (GetItemState(row, col) & GRIDSTATE_SELECTED) != 0; },
      [this](int row, int col) { return GetItemText(row, col).str(); });
  HGLOBAL hGlobal =
      ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, text.size() + 1);
  if (!hGlobal) return NULL;
  char* p = static_cast<char*>(::GlobalLock(hGlobal));
  if (!p) {
    ::GlobalFree(hGlobal);
    return NULL;
  }
  std::memcpy(p, text.c_str(), text.size() + 1);
  ::GlobalUnlock(hGlobal);
  COleDataSource* pSource = new COleDataSource;
  pSource->CacheGlobalData(CF_TEXT, hGlobal);
  return pSource;
}

BOOL CGridCtrl::PasteTextToGrid(GRIDCELLID cell, COleDataObject* pDataObject) {
  if (!IsValid(cell) || !IsCellEditable(cell) || !pDataObject ||
      !pDataObject->IsDataAvailable(CF_TEXT))
    return FALSE;
  HGLOBAL hGlobal = pDataObject->GetGlobalData(CF_TEXT);
  if (!hGlobal) return FALSE;
  CString buffer = AfxGetGlobalText(hGlobal);
  ::GlobalFree(hGlobal);

  ResetSelectedRange();
  m_LastPastedCells.clear();
  gridtext::PasteReader reader(buffer, static_cast<size_t>(buffer.GetLength()));
  std::vector<std::string> fields;
  int line = 0;
  int refused = 0;
  GRIDCELLID firstRefused;
  CString firstRefusedText;
  int rowsLeftOut = 0;
  while (reader.NextLine(fields)) {
    const long long row = static_cast<long long>(cell.row) + line++;
    if (row >= m_nRows) {
      if (gridtext::PasteReader::HasText(fields)) ++rowsLeftOut;
      continue;
    }
    for (size_t j = 0; j < fields.size(); ++j) {
      const long long col = static_cast<long long>(cell.col) + static_cast<long long>(j);
      if (col >= m_nCols) break;  // clipped at the last column
      const int r = static_cast<int>(row), c = static_cast<int>(col);
      if (IsCellEditable(r, c)) {
        if (gridtext::IsNumberText(fields[j])) {
          SetItemText(r, c, fields[j].c_str());
          m_bModified = TRUE;
          m_LastPastedCells.insert(CellKey(r, c));
        } else if (refused++ == 0) {
          firstRefused = GRIDCELLID(r, c);
          firstRefusedText = fields[j].c_str();
        }
      }
      SetItemState(r, c, GetItemState(r, c) | GRIDSTATE_SELECTED);
    }
  }
  InvalidateGrid(TRUE);

  // Told once the paste (or drop) is over.
  CString report;
  if (rowsLeftOut > 0) {
    report.Format("%d pasted row%s did not fit into the grid and %s left out.", rowsLeftOut,
                  rowsLeftOut == 1 ? "" : "s", rowsLeftOut == 1 ? "was" : "were");
  }
  if (refused > 0) {
    CString what;
    what.Format("%d pasted value%s not a number and %s not written (the first: %s).", refused,
                refused == 1 ? " is" : "s are", refused == 1 ? "was" : "were",
                static_cast<LPCSTR>(Quoted(firstRefusedText)));
    m_strInputError = report.IsEmpty() ? what : report + "\n" + what;
    PostAfterEdit(kAfterEditRefused, firstRefused.row, firstRefused.col, 0);
  } else if (!report.IsEmpty()) {
    m_strInputError = report;
    PostAfterEdit(kAfterEditReport, -1, -1, 0);
  }
  return TRUE;
}

void CGridCtrl::CutSelectedText() {
  if (!m_bEditable) return;
  std::vector<GRIDCELLID> cells;
  for (const auto& entry : m_SelectedCellMap) cells.push_back(entry.second);
  for (const GRIDCELLID& cell : cells) {
    CGridCell* pCell = GetCell(cell.row, cell.col);
    if (!pCell || !IsCellEditable(cell)) continue;
    // The text and the selection go; the focus mark stays with the focus cell.
    pCell->m_strText.Empty();
    SetItemState(cell.row, cell.col, pCell->m_nState & ~GRIDSTATE_SELECTED);
  }
  m_bModified = TRUE;
  InvalidateGrid(TRUE);
}

void CGridCtrl::OnEditCopy() {
  COleDataSource* pSource = CopyTextFromGrid();
  if (!pSource) return;
  pSource->SetClipboard();
  delete pSource;
}

void CGridCtrl::OnEditCut() {
  if (!m_bEditable) return;
  COleDataSource* pSource = CopyTextFromGrid();
  if (!pSource) return;  // nothing selected: nothing to cut
  pSource->SetClipboard();
  delete pSource;
  CutSelectedText();
  SendMessageToParent(-1, -1, GRIDN_CHANGED);
}

void CGridCtrl::OnEditPaste() {
  if (!m_bEditable) return;
  GRIDCELLID target = IsValid(m_idCurrentCell) ? m_idCurrentCell : GetTopleftNonFixedCell();
  if (!IsValid(target)) return;
  COleDataObject data;
  if (!data.AttachClipboard()) return;
  if (PasteTextToGrid(target, &data)) SendMessageToParent(-1, -1, GRIDN_CHANGED);
}

void CGridCtrl::OnEditSelectAll() {
  SelectAllCells();
}

void CGridCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI) {
  pCmdUI->Enable(IsValid(GetSelectedCellRange()));
}

void CGridCtrl::OnUpdateEditCut(CCmdUI* pCmdUI) {
  pCmdUI->Enable(m_bEditable && IsValid(GetSelectedCellRange()));
}

void CGridCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI) {
  pCmdUI->Enable(IsValid(m_idCurrentCell) && IsCellEditable(m_idCurrentCell) &&
                 ::IsClipboardFormatAvailable(CF_TEXT));
}

void CGridCtrl::OnUpdateEditSelectAll(CCmdUI* pCmdUI) {
  pCmdUI->Enable(m_bEnableSelection);
}

// ---- drag and drop ----------------------------------------------------------------------------

void CGridCtrl::OnBeginDrag() {
  if (!m_bAllowDragAndDrop) return;
  COleDataSource* pSource = CopyTextFromGrid();
  if (!pSource) return;
  GRIDRANGE range = GetSelectedCellRange();
  SendMessageToParent(range.minRow, range.minCol, GRIDN_BEGINDRAG);
  // The cells the drag takes, as they are now: a drop on this grid selects others.
  std::vector<GRIDCELLID> source;
  for (const auto& entry : m_SelectedCellMap) source.push_back(entry.second);
  m_bDroppedHere = FALSE;
  m_MouseMode = GRIDMOUSE_DRAGGING;
  DROPEFFECT effect = pSource->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
  m_MouseMode = GRIDMOUSE_NOTHING;
  if ((effect & DROPEFFECT_MOVE) && m_bEditable) {
    // A move empties the source cells, except those the drop itself has just written.
    for (const GRIDCELLID& cell : source) {
      if (m_bDroppedHere && m_LastPastedCells.count(CellKey(cell.row, cell.col))) continue;
      if (CGridCell* pCell = GetCell(cell.row, cell.col))
        if (IsCellEditable(cell)) pCell->m_strText.Empty();
    }
    m_bModified = TRUE;
    InvalidateGrid(TRUE);
    SendMessageToParent(-1, -1, GRIDN_CHANGED);
  }
  delete pSource;
}

DROPEFFECT CGridCtrl::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) {
  if (!m_bAllowDragAndDrop || !pDataObject || !pDataObject->IsDataAvailable(CF_TEXT))
    return DROPEFFECT_NONE;
  m_LastDragOverCell = GetCellFromPt(point, FALSE);
  if (IsCellEditable(m_LastDragOverCell)) {
    SetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col,
                 GetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col) |
                     GRIDSTATE_DROPHILITED);
    RedrawCell(m_LastDragOverCell);
  }
  return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

DROPEFFECT CGridCtrl::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) {
  if (!m_bAllowDragAndDrop || !m_bEditable || !pDataObject ||
      !pDataObject->IsDataAvailable(CF_TEXT))
    return DROPEFFECT_NONE;
  GRIDCELLID cell = GetCellFromPt(point, FALSE);
  if (!IsValid(cell)) {
    OnDragLeave();
    m_LastDragOverCell = GRIDCELLID();
    return DROPEFFECT_NONE;
  }
  if (!IsCellEditable(cell)) return DROPEFFECT_NONE;
  if (cell != m_LastDragOverCell) {
    OnDragLeave();
    m_LastDragOverCell = cell;
    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GRIDSTATE_DROPHILITED);
    RedrawCell(cell);
  }
  return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

void CGridCtrl::OnDragLeave() {
  const GRIDCELLID cell = m_LastDragOverCell;
  if (!IsValid(cell)) return;
  SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~GRIDSTATE_DROPHILITED);
  RedrawCell(cell);
}

BOOL CGridCtrl::OnDrop(COleDataObject* pDataObject, DROPEFFECT /*dropEffect*/, CPoint /*point*/) {
  if (!m_bAllowDragAndDrop || !IsCellEditable(m_LastDragOverCell)) return FALSE;
  m_MouseMode = GRIDMOUSE_NOTHING;
  OnDragLeave();
  if (!PasteTextToGrid(m_LastDragOverCell, pDataObject)) return FALSE;
  m_bDroppedHere = TRUE;
  SendMessageToParent(-1, -1, GRIDN_CHANGED);
  return TRUE;
}

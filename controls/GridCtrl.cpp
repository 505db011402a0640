// CGridCtrl: construction and window, counts and sizes, cells and items, sorting, colours and
// fonts, notifications.
#include "controls/GridCtrl.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "controls/GridLogic.h"
#include "framework/win/FrameworkIds.h"

IMPLEMENT_DYNCREATE(CGridCtrl, CWnd)

namespace {

// No grid holds more cells than this (a few hundred megabytes at most).
const long long kMaxCells = 2000000;

bool FitsCellBudget(long long rows, long long cols) {
  return rows * cols <= kMaxCells;
}

}  // namespace

BEGIN_MESSAGE_MAP(CGridCtrl, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_CAPTURECHANGED()
ON_WM_SETCURSOR()
ON_WM_DESTROY()
ON_MESSAGE(WM_SETFONT, &CGridCtrl::OnSetFont)
ON_MESSAGE(WM_GETFONT, &CGridCtrl::OnGetFont)
ON_MESSAGE(WM_GRID_AFTEREDIT, &CGridCtrl::OnAfterEdit)
ON_NOTIFY(GRIDN_ENDEDIT, kInPlaceEditId, &CGridCtrl::OnEndInPlaceEdit)
ON_COMMAND(ID_EDIT_COPY, &CGridCtrl::OnEditCopy)
ON_COMMAND(ID_EDIT_CUT, &CGridCtrl::OnEditCut)
ON_COMMAND(ID_EDIT_PASTE, &CGridCtrl::OnEditPaste)
ON_COMMAND(ID_EDIT_SELECT_ALL, &CGridCtrl::OnEditSelectAll)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CGridCtrl::OnUpdateEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &CGridCtrl::OnUpdateEditCut)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CGridCtrl::OnUpdateEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, &CGridCtrl::OnUpdateEditSelectAll)
END_MESSAGE_MAP()

// ---- construction ---------------------------------------------------------------------------

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : m_nRows(0),
      m_nFixedRows(0),
      m_nCols(0),
      m_nFixedCols(0),
      m_nMaxRows(kDefaultMaxRows),
      m_crGridColour(RGB(0, 0, 0)),
      m_nGridLines(GRIDLINES_BOTH),
      m_bEditable(TRUE),
      m_bModified(FALSE),
      m_bAllowDragAndDrop(FALSE),
      m_bListMode(FALSE),
      m_bWholeRowSelection(TRUE),
      m_bAllowDraw(TRUE),
      m_bEnableSelection(TRUE),
      m_bHandleTabKey(TRUE),
      m_bDoubleBuffer(TRUE),
      m_bAllowRowResize(TRUE),
      m_bAllowColResize(TRUE),
      m_bSortOnClick(TRUE),
      m_bAscending(TRUE),
      m_nSortColumn(-1),
      m_pfnCompare(nullptr),
      m_bAlternateDrawing(0),
      m_nDefRowHeight(30),
      m_nDefColWidth(64),
      m_nMargin(2),
      m_Logfont(),
      m_pImageList(nullptr),
      m_MouseMode(GRIDMOUSE_NOTHING),
      m_nTimerID(0),
      m_nTimerInterval(25),
      m_nResizeCaptureRange(3),
      m_nRowsPerWheelNotch(3),
      m_bSizingBandShown(FALSE),
      m_nSizingIndex(-1),
      m_bReleasingCapture(FALSE),
      m_nVScrollMax(0),
      m_nHScrollMax(0),
      m_bInResetScrollBars(FALSE),
      m_CharSize(0, 0),
      m_nPageHeight(0),
      m_nPrintBodyHeight(0),
      m_nPrintWidth(0),
      m_nAfterEditAction(0),
      m_nAfterEditKey(0),
      m_bDroppedHere(FALSE),
      m_bMustUninitOle(FALSE) {
  RegisterWindowClass();

  // Drag and drop and the clipboard need OLE on this thread; each successful start (also
  // "already started") is balanced by one stop in the destructor.
  if (SUCCEEDED(::OleInitialize(NULL)))
    m_bMustUninitOle = TRUE;
  else
    AfxMessageBox("OLE initialization failed. Make sure that the OLE libraries are the correct "
                  "version");

  TakeSystemColours();
  m_nRowsPerWheelNotch = GetWheelScrollLines();

  NONCLIENTMETRICSA ncm = {};
  ncm.cbSize = sizeof ncm;
  if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) {
    ncm.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
  }
  m_Logfont = ncm.lfMessageFont;
  if (m_Logfont.lfFaceName[0] == '\0')
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof m_Logfont, &m_Logfont);

  SetRowCount(nRows);
  SetColumnCount(nCols);
  SetFixedRowCount(nFixedRows);
  SetFixedColumnCount(nFixedCols);

  m_crTextColour = m_crWindowText;
  m_crFixedTextColour = m_crWindowText;
  m_crBkColour = m_crWindowColour;
  m_crEmptyAreaColour = m_crShadow;
  m_crFixedBkColour = m_cr3DFace;
  m_SelectedCellMap.clear();
  m_PrevSelectedCellMap.clear();
}

CGridCtrl::~CGridCtrl() {
  DeleteAllItems();
  if (m_hWnd) DestroyWindow();
  m_Font.DeleteObject();
  m_PrinterFont.DeleteObject();
  if (m_DropTarget.IsRegistered()) m_DropTarget.Revoke();
  if (m_bMustUninitOle) ::OleUninitialize();
}

BOOL CGridCtrl::RegisterWindowClass() {
  WNDCLASSA wc = {};
  HINSTANCE instance = AfxGetInstanceHandle();
  if (::GetClassInfoA(instance, GRIDCTRL_CLASSNAME, &wc)) return TRUE;
  wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = ::DefWindowProcA;
  wc.hInstance = instance;
  wc.lpszClassName = GRIDCTRL_CLASSNAME;
  if (!AfxRegisterClass(&wc)) AfxThrowResourceException();
  return TRUE;
}

BOOL CGridCtrl::Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle) {
  if (!CWnd::Create(GRIDCTRL_CLASSNAME, NULL, dwStyle, rect, pParentWnd, nID)) return FALSE;
  m_DropTarget.Register(this);
  try {
    ResetSizeArrays();
  } catch (const std::bad_alloc&) {
    return FALSE;
  } catch (CMemoryException* e) {
    e->Delete();
    return FALSE;
  }
  ResetScrollBars();
  return TRUE;
}

BOOL CGridCtrl::SubclassWindow(HWND hWnd) {
  if (!CWnd::SubclassWindow(hWnd)) return FALSE;
  m_DropTarget.Register(this);
  return TRUE;
}

void CGridCtrl::PreSubclassWindow() {
  CWnd::PreSubclassWindow();
  HFONT hFont = ::CreateFontIndirectA(&m_Logfont);
  SetTextMetricsFromFont(hFont);
  ::DeleteObject(hFont);
  ResetScrollBars();
}

void CGridCtrl::OnDestroy() {
  // OLE must let go of the window while it still exists.
  if (m_DropTarget.IsRegistered()) m_DropTarget.Revoke();
  KillAutoScrollTimer();
  CWnd::OnDestroy();
}

void DDX_GridControl(CDataExchange* pDX, int nIDC, CGridCtrl& rControl) {
  if (rControl.GetSafeHwnd()) return;
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (!hWndCtrl || !rControl.SubclassWindow(hWndCtrl)) AfxThrowNotSupportedException();
}

void CGridCtrl::ResetSizeArrays() {
  m_arRowHeights.SetSize(m_nRows);
  m_arColWidths.SetSize(m_nCols);
  for (int i = 0; i < m_nRows; ++i) m_arRowHeights[i] = m_nDefRowHeight;
  for (int i = 0; i < m_nCols; ++i) m_arColWidths[i] = m_nDefColWidth;
}

// ---- counts and sizes -------------------------------------------------------------------------

BOOL CGridCtrl::SetRowCount(int nRows) {
  if (nRows < 0) return FALSE;
  BOOL bAsked = TRUE;
  if (nRows > m_nMaxRows) {
    nRows = m_nMaxRows;
    bAsked = FALSE;
  }
  if (nRows == m_nRows) return bAsked;
  if (!FitsCellBudget(nRows, m_nCols)) return FALSE;

  if (nRows < m_nFixedRows) m_nFixedRows = nRows;
  if (m_idCurrentCell.row >= nRows) SetFocusCell(-1, -1);

  const int oldRows = m_nRows;
  if (nRows < oldRows) {
    for (int row = nRows; row < oldRows; ++row) {
      CGridRow* pRow = m_RowData[row];
      if (!pRow) continue;
      for (int col = 0; col < pRow->GetSize(); ++col)
        if (CGridCell* pCell = pRow->GetAt(col)) DiscardCell(pCell, row, col);
      delete pRow;
    }
    m_nRows = nRows;
    m_RowData.SetSize(nRows);
    m_arRowHeights.SetSize(nRows);
  } else {
    try {
      m_RowData.SetSize(nRows);
      m_arRowHeights.SetSize(nRows);
      for (int row = oldRows; row < nRows; ++row) m_RowData[row] = nullptr;
      m_nRows = nRows;
      for (int row = oldRows; row < nRows; ++row) {
        m_arRowHeights[row] = m_nDefRowHeight;
        CGridRow* pRow = new CGridRow;
        m_RowData[row] = pRow;
        pRow->SetSize(m_nCols);
        for (int col = 0; col < m_nCols; ++col) (*pRow)[col] = nullptr;
        for (int col = 0; col < m_nCols; ++col) (*pRow)[col] = CreateCell(row, col);
      }
    } catch (const std::bad_alloc&) {
      // Leave the grid as it was.
      for (int row = oldRows; row < m_RowData.GetSize(); ++row) {
        CGridRow* pRow = m_RowData[row];
        if (!pRow) continue;
        for (int col = 0; col < pRow->GetSize(); ++col) delete pRow->GetAt(col);
        delete pRow;
      }
      m_nRows = oldRows;
      m_RowData.SetSize(oldRows);
      m_arRowHeights.SetSize(oldRows);
      return FALSE;
    }
  }
  RefitAndRepaint();
  return bAsked;
}

void CGridCtrl::DiscardCell(CGridCell* pCell, int nRow, int nCol) {
  EmptyCell(pCell, nRow, nCol);
  m_PrevSelectedCellMap.erase(CellKey(nRow, nCol));
  delete pCell;
}

void CGridCtrl::RefitAndRepaint() {
  if (!IsDrawingAllowed()) return;
  ResetScrollBars();
  InvalidateGrid(TRUE);
}

BOOL CGridCtrl::SetColumnCount(int nCols) {
  if (nCols < 0) return FALSE;
  if (nCols == m_nCols) return TRUE;
  if (!FitsCellBudget(m_nRows, nCols)) return FALSE;

  if (nCols < m_nFixedCols) m_nFixedCols = nCols;
  if (m_idCurrentCell.col >= nCols) SetFocusCell(-1, -1);

  const int oldCols = m_nCols;
  if (nCols < oldCols) {
    for (int row = 0; row < m_nRows; ++row) {
      CGridRow* pRow = m_RowData[row];
      if (!pRow) continue;
      for (int col = nCols; col < oldCols && col < pRow->GetSize(); ++col)
        if (CGridCell* pCell = pRow->GetAt(col)) DiscardCell(pCell, row, col);
      pRow->SetSize(nCols);
    }
    m_nCols = nCols;
    m_arColWidths.SetSize(nCols);
  } else {
    try {
      m_arColWidths.SetSize(nCols);
      for (int col = oldCols; col < nCols; ++col) m_arColWidths[col] = m_nDefColWidth;
      for (int row = 0; row < m_nRows; ++row) {
        CGridRow* pRow = m_RowData[row];
        if (!pRow) continue;
        pRow->SetSize(nCols);
        for (int col = oldCols; col < nCols; ++col) (*pRow)[col] = nullptr;
      }
      m_nCols = nCols;
      for (int row = 0; row < m_nRows; ++row) {
        CGridRow* pRow = m_RowData[row];
        if (!pRow) continue;
        for (int col = oldCols; col < nCols; ++col) (*pRow)[col] = CreateCell(row, col);
      }
    } catch (const std::bad_alloc&) {
      for (int row = 0; row < m_nRows; ++row) {
        CGridRow* pRow = m_RowData[row];
        if (!pRow) continue;
        for (int col = oldCols; col < pRow->GetSize(); ++col) delete pRow->GetAt(col);
        pRow->SetSize(std::min(oldCols, pRow->GetSize()));
      }
      m_nCols = oldCols;
      m_arColWidths.SetSize(oldCols);
      return FALSE;
    }
  }
  RefitAndRepaint();
  return TRUE;
}

BOOL CGridCtrl::SetFixedRowCount(int nFixedRows) {
  if (nFixedRows < 0) return FALSE;
  if (nFixedRows > m_nRows && !SetRowCount(nFixedRows)) return FALSE;
  if (m_idCurrentCell.row < nFixedRows) SetFocusCell(-1, -1);
  m_nFixedRows = nFixedRows;
  if (IsDrawingAllowed()) InvalidateGrid(TRUE);
  return TRUE;
}

BOOL CGridCtrl::SetFixedColumnCount(int nFixedCols) {
  if (nFixedCols < 0) return FALSE;
  if (nFixedCols > m_nCols && !SetColumnCount(nFixedCols)) return FALSE;
  if (m_idCurrentCell.col < nFixedCols) SetFocusCell(-1, -1);
  m_nFixedCols = nFixedCols;
  if (IsDrawingAllowed()) InvalidateGrid(TRUE);
  return TRUE;
}

void CGridCtrl::SetMaxRowCount(int nRows) {
  m_nMaxRows = std::max(nRows, 0);
}

BOOL CGridCtrl::DeleteRow(int nRow) {
  if (nRow < 0 || nRow >= m_nRows) return FALSE;
  CGridRow* pRow = m_RowData[nRow];
  if (!pRow) return FALSE;
  ResetSelectedRange();
  for (int col = 0; col < pRow->GetSize(); ++col) {
    CGridCell* pCell = pRow->GetAt(col);
    if (!pCell) continue;
    EmptyCell(pCell, nRow, col);
    delete pCell;
  }
  delete pRow;
  m_RowData.RemoveAt(nRow);
  m_arRowHeights.RemoveAt(nRow);
  --m_nRows;
  if (nRow < m_nFixedRows) --m_nFixedRows;
  ResetScrollBars();
  if (IsDrawingAllowed()) InvalidateGrid(TRUE);
  return TRUE;
}

BOOL CGridCtrl::DeleteAllItems() {
  ResetSelectedRange();
  m_arColWidths.RemoveAll();
  m_arRowHeights.RemoveAll();
  for (int row = 0; row < m_RowData.GetSize(); ++row) {
    CGridRow* pRow = m_RowData[row];
    if (!pRow) continue;
    for (int col = 0; col < pRow->GetSize(); ++col) {
      CGridCell* pCell = pRow->GetAt(col);
      if (!pCell) continue;
      EmptyCell(pCell, row, col);
      delete pCell;
    }
    delete pRow;
  }
  m_RowData.RemoveAll();
  m_SelectedCellMap.clear();
  m_PrevSelectedCellMap.clear();
  m_idCurrentCell = GRIDCELLID();
  m_nRows = m_nFixedRows = m_nCols = m_nFixedCols = 0;
  ResetScrollBars();
  return TRUE;
}

int CGridCtrl::GetRowHeight(int nRow) const {
  if (nRow < 0 || nRow >= m_nRows) return -1;
  return static_cast<int>(m_arRowHeights[nRow]);
}

int CGridCtrl::GetColumnWidth(int nCol) const {
  if (nCol < 0 || nCol >= m_nCols) return -1;
  return static_cast<int>(m_arColWidths[nCol]);
}

BOOL CGridCtrl::SetRowHeight(int nRow, int height) {
  if (nRow < 0 || nRow >= m_nRows || height < 0) return FALSE;
  m_arRowHeights[nRow] = static_cast<UINT>(height);
  return TRUE;
}

BOOL CGridCtrl::SetColumnWidth(int nCol, int width) {
  if (nCol < 0 || nCol >= m_nCols || width < 0) return FALSE;
  m_arColWidths[nCol] = static_cast<UINT>(width);
  return TRUE;
}

gridlogic::GridAxis CGridCtrl::RowAxis() const {
  return gridlogic::GridAxis{m_arRowHeights.GetData(), m_nRows, m_nFixedRows};
}

gridlogic::GridAxis CGridCtrl::ColumnAxis() const {
  return gridlogic::GridAxis{m_arColWidths.GetData(), m_nCols, m_nFixedCols};
}

int CGridCtrl::GetFixedRowHeight() const {
  return RowAxis().FixedExtent();
}

int CGridCtrl::GetFixedColumnWidth() const {
  return ColumnAxis().FixedExtent();
}

int CGridCtrl::GetVirtualHeight() const {
  return RowAxis().VirtualExtent();
}

int CGridCtrl::GetVirtualWidth() const {
  return ColumnAxis().VirtualExtent();
}

// ---- cells ------------------------------------------------------------------------------------

BOOL CGridCtrl::IsValid(int nRow, int nCol) const {
  return nRow >= 0 && nRow < m_nRows && nCol >= 0 && nCol < m_nCols;
}

BOOL CGridCtrl::IsValid(const GRIDRANGE& r) const {
  return r.minRow >= 0 && r.minCol >= 0 && r.maxRow >= 0 && r.maxCol >= 0 &&
         r.maxRow < m_nRows && r.maxCol < m_nCols && r.minRow <= r.maxRow &&
         r.minCol <= r.maxCol;
}

CGridCell* CGridCtrl::GetCell(int nRow, int nCol) const {
  if (!IsValid(nRow, nCol) || nRow >= m_RowData.GetSize()) return nullptr;
  CGridRow* pRow = m_RowData[nRow];
  if (!pRow || nCol >= pRow->GetSize()) return nullptr;
  return pRow->GetAt(nCol);
}

CGridCell* CGridCtrl::CreateCell(int nRow, int nCol) {
  CGridCell* pCell = new CGridCell;
  if (nRow > 0 && nCol >= 1 && nCol < m_nCols) {
    if (CGridCell* pAbove = GetCell(nRow - 1, nCol)) pCell->m_nFormat = pAbove->m_nFormat;
  }
  pCell->m_lfFont = m_Logfont;
  return pCell;
}

void CGridCtrl::EmptyCell(CGridCell* pCell, int nRow, int nCol) {
  SetItemState(nRow, nCol, 0);
  pCell->m_strText.Empty();
}

BOOL CGridCtrl::SetItem(const GRIDITEM* pItem) {
  if (!pItem) return FALSE;
  CGridCell* pCell = GetCell(pItem->row, pItem->col);
  if (!pCell) return FALSE;
  if (pItem->mask & GRIDIF_TEXT) pCell->m_strText = pItem->text;
  if (pItem->mask & GRIDIF_PARAM) pCell->m_lParam = pItem->lParam;
  if (pItem->mask & GRIDIF_IMAGE) pCell->m_nImage = pItem->image;
  // The state is stored as given and the selected-cell map is left alone (SetItemState is the
  // call that selects); a check box stays read-only.
  if (pItem->mask & GRIDIF_STATE)
    pCell->m_nState = pItem->state | (pCell->m_nType == GRIDTYPE_CHECKBOX ? GRIDSTATE_READONLY : 0u);
  if (pItem->mask & GRIDIF_FORMAT) pCell->m_nFormat = pItem->format;
  if (pItem->mask & GRIDIF_BKCLR) pCell->m_crBkClr = pItem->crBkClr;
  if (pItem->mask & GRIDIF_FGCLR) pCell->m_crFgClr = pItem->crFgClr;
  if (pItem->mask & GRIDIF_FONT) pCell->m_lfFont = pItem->lfFont;
  if (pItem->mask & GRIDIF_TYPE) {
    pCell->m_nType = pItem->type;
    if (pCell->m_nType == GRIDTYPE_CHECKBOX) pCell->m_nState |= GRIDSTATE_READONLY;
  }
  return TRUE;
}

BOOL CGridCtrl::GetItem(GRIDITEM* pItem) {
  if (!pItem) return FALSE;
  CGridCell* pCell = GetCell(pItem->row, pItem->col);
  if (!pCell) return FALSE;
  if (pItem->mask & GRIDIF_TEXT) pItem->text = GetItemText(pItem->row, pItem->col);
  if (pItem->mask & GRIDIF_PARAM) pItem->lParam = pCell->m_lParam;
  if (pItem->mask & GRIDIF_IMAGE) pItem->image = pCell->m_nImage;
  if (pItem->mask & GRIDIF_STATE) pItem->state = pCell->m_nState;
  if (pItem->mask & GRIDIF_FORMAT) pItem->format = pCell->m_nFormat;
  if (pItem->mask & GRIDIF_BKCLR) pItem->crBkClr = pCell->m_crBkClr;
  if (pItem->mask & GRIDIF_FGCLR) pItem->crFgClr = pCell->m_crFgClr;
  if (pItem->mask & GRIDIF_FONT) pItem->lfFont = pCell->m_lfFont;
  if (pItem->mask & GRIDIF_TYPE) pItem->type = pCell->m_nType;
  return TRUE;
}

BOOL CGridCtrl::SetItemText(int nRow, int nCol, LPCSTR text) {
  CGridCell* pCell = GetCell(nRow, nCol);
  if (!pCell) return FALSE;
  pCell->m_strText = text;
  return TRUE;
}

CString CGridCtrl::GetItemText(int nRow, int nCol) {
  CGridCell* pCell = GetCell(nRow, nCol);
  return pCell ? pCell->m_strText : CString();
}

int CGridCtrl::GetItemImage(int nRow, int nCol) const {
  CGridCell* pCell = GetCell(nRow, nCol);
  return pCell ? pCell->m_nImage : -1;
}

UINT CGridCtrl::GetItemFormat(int nRow, int nCol) const {
  CGridCell* pCell = GetCell(nRow, nCol);
  return pCell ? pCell->m_nFormat : 0;
}

UINT CGridCtrl::GetItemState(int nRow, int nCol) const {
  CGridCell* pCell = GetCell(nRow, nCol);
  return pCell ? pCell->m_nState : 0;
}

BOOL CGridCtrl::SetItemState(int nRow, int nCol, UINT state) {
  CGridCell* pCell = GetCell(nRow, nCol);
  if (!pCell) return FALSE;
  const ULONGLONG key = CellKey(nRow, nCol);
  if (!m_bEnableSelection) state &= ~GRIDSTATE_SELECTED;
  if (state & GRIDSTATE_SELECTED)
    m_SelectedCellMap[key] = GRIDCELLID(nRow, nCol);
  else
    m_SelectedCellMap.erase(key);
  if (pCell->m_nType == GRIDTYPE_CHECKBOX) state |= GRIDSTATE_READONLY;
  pCell->m_nState = state;
  return TRUE;
}

BOOL CGridCtrl::SetItemFont(int nRow, int nCol, const LOGFONTA* lf) {
  CGridCell* pCell = GetCell(nRow, nCol);
  if (!pCell || !lf) return FALSE;
  pCell->m_lfFont = *lf;
  return TRUE;
}

const LOGFONTA* CGridCtrl::GetItemFont(int nRow, int nCol) const {
  CGridCell* pCell = GetCell(nRow, nCol);
  return pCell ? &pCell->m_lfFont : nullptr;
}

BOOL CGridCtrl::SetCheck(int nRow, int nCol, BOOL bChecked) {
  CGridCell* pCell = GetCell(nRow, nCol);
  if (!pCell || pCell->m_nType != GRIDTYPE_CHECKBOX) return FALSE;
  pCell->m_strText = bChecked ? "1" : "0";
  SendMessageToParent(-1, -1, GRIDN_CHANGED);
  return TRUE;
}

BOOL CGridCtrl::GetCheck(int nRow, int nCol) const {
  CGridCell* pCell = GetCell(nRow, nCol);
  return pCell && pCell->m_nType == GRIDTYPE_CHECKBOX && pCell->m_strText == "1";
}

BOOL CGridCtrl::ToggleCheck(int nRow, int nCol) {
  CGridCell* pCell = GetCell(nRow, nCol);
  if (!pCell || pCell->m_nType != GRIDTYPE_CHECKBOX) return FALSE;
  SetCheck(nRow, nCol, !GetCheck(nRow, nCol));
  InvalidateGrid(TRUE);
  return TRUE;
}

// ---- sorting ----------------------------------------------------------------------------------

void CGridCtrl::SetSortColumn(int nCol, BOOL bAscending) {
  m_nSortColumn = nCol;
  m_bAscending = bAscending;
}

int CGridCtrl::CompareCellText(const CGridCell* pCell1, const CGridCell* pCell2, LPARAM) {
  if (!pCell1 || !pCell2) return 0;
  return std::strcmp(pCell1->m_strText, pCell2->m_strText);
}

BOOL CGridCtrl::SortTextItems(int nCol, BOOL bAscending, LPARAM data) {
  return SortItems(m_pfnCompare ? m_pfnCompare : &CGridCtrl::CompareCellText, nCol, bAscending,
                   data);
}

BOOL CGridCtrl::SortItems(PFNGRIDCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data) {
  if (nCol < 0 || nCol >= m_nCols || !pfnCompare) return FALSE;
  ResetSelectedRange();
  SetFocusCell(-1, -1);
  SetSortColumn(nCol, bAscending);
  if (m_nRows - 1 <= m_nFixedRows) return TRUE;
  auto cellOf = [nCol](CGridRow* pRow) -> const CGridCell* {
    return pRow && nCol < pRow->GetSize() ? pRow->GetAt(nCol) : nullptr;
  };
  UINT* heights = m_arRowHeights.GetData();
  gridlogic::QuickSort(
      m_RowData.GetData(), m_nFixedRows, m_nRows - 1, bAscending != FALSE,
      [&](CGridRow* a, CGridRow* b) { return pfnCompare(cellOf(a), cellOf(b), data); },
      [heights](int i, int j) { std::swap(heights[i], heights[j]); });
  return TRUE;
}

// ---- colours and fonts ------------------------------------------------------------------------

COLORREF CGridCtrl::BlendColour(COLORREF c0, COLORREF c1, int percent) {
  auto blend = [percent](int a, int b) {
    int v = a + (b - a) * percent / 100;
    return std::min(std::max(v, 0), 255);
  };
  return RGB(blend(GetRValue(c0), GetRValue(c1)), blend(GetGValue(c0), GetGValue(c1)),
             blend(GetBValue(c0), GetBValue(c1)));
}

void CGridCtrl::TakeSystemColours() {
  m_crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
  m_crWindowColour = ::GetSysColor(COLOR_WINDOW);
  m_cr3DFace = ::GetSysColor(COLOR_3DFACE);
  m_crShadow = ::GetSysColor(COLOR_3DSHADOW);
  m_crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
  m_crLightHighlight = BlendColour(m_crHighlight, m_crWindowColour, 75);
}

UINT CGridCtrl::GetWheelScrollLines() {
  UINT lines = 0;
  if (::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return lines;
  HKEY key = NULL;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS)
    return 3;
  char buffer[128] = {};
  DWORD size = sizeof buffer - 1;  // room for a NUL the value may lack
  DWORD type = 0;
  LONG rc = ::RegQueryValueExA(key, "WheelScrollLines", NULL, &type,
                               reinterpret_cast<BYTE*>(buffer), &size);
  ::RegCloseKey(key);
  if (rc != ERROR_SUCCESS || type != REG_SZ) return 3;
  return gridlogic::ParseWheelLines(buffer);
}

LRESULT CGridCtrl::OnSetFont(WPARAM hFont, LPARAM /*lParam*/) {
  LRESULT result = Default();
  SetTextMetricsFromFont(reinterpret_cast<HFONT>(hFont));
  return result;
}

LRESULT CGridCtrl::OnGetFont(WPARAM, LPARAM) {
  return reinterpret_cast<LRESULT>(m_Font.m_hObject);
}

void CGridCtrl::SetTextMetricsFromFont(HFONT hFont) {
  LOGFONTA lf;
  if (!hFont || ::GetObjectA(hFont, sizeof lf, &lf) != static_cast<int>(sizeof lf)) return;
  m_Logfont = lf;
  for (int row = 0; row < m_RowData.GetSize(); ++row) {
    CGridRow* pRow = m_RowData[row];
    if (!pRow) continue;
    for (int col = 0; col < pRow->GetSize(); ++col)
      if (CGridCell* pCell = pRow->GetAt(col)) pCell->m_lfFont = lf;
  }
  if (!m_hWnd) return;
  HDC hDC = ::GetDC(m_hWnd);
  if (!hDC) return;
  m_Font.DeleteObject();
  m_BoldFont.DeleteObject();
  m_Font.CreateFontIndirect(&m_Logfont);
  HGDIOBJ old = ::SelectObject(hDC, m_Font.m_hObject);
  TEXTMETRICA tm;
  ::GetTextMetricsA(hDC, &tm);
  SIZE blank = {0, 0};
  ::GetTextExtentPoint32A(hDC, " ", 1, &blank);
  ::SelectObject(hDC, old);
  ::ReleaseDC(m_hWnd, hDC);
  m_nMargin = blank.cx;
  m_nDefRowHeight = tm.tmHeight + tm.tmExternalLeading + 2 * m_nMargin;
  m_nDefColWidth = 12 * tm.tmAveCharWidth + 2 * m_nMargin;
  InvalidateGrid(TRUE);
}

// ---- notification -----------------------------------------------------------------------------

LRESULT CGridCtrl::SendMessageToParent(int nRow, int nCol, int nMessage) {
  if (nMessage == GRIDN_CHANGED) OnCellChanged(nRow, nCol);
  if (nMessage == GRIDN_SELCHANGED) OnSelChanged(nRow, nCol);
  if (!::IsWindow(m_hWnd)) return 0;
  GRIDNOTIFY nm;
  nm.hdr.hwndFrom = m_hWnd;
  nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
  nm.hdr.code = static_cast<UINT>(nMessage);
  nm.row = nRow;
  nm.col = nCol;
  HWND hOwner = m_hWndOwner ? m_hWndOwner : ::GetParent(m_hWnd);
  if (!hOwner || !::IsWindow(hOwner)) return 0;
  return ::SendMessageA(hOwner, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

// CGridCtrl: where cells lie for the scroll positions, the scroll bars and scrolling, and
// sizing rows and columns to their contents.
#include <algorithm>
#include <cstring>

#include "controls/GridCtrl.h"
#include "controls/GridLogic.h"

using gridlogic::GridAxis;

// ---- geometry ---------------------------------------------------------------------------------

void CGridCtrl::GetClientRect(LPRECT pRect) {
  if (m_hWnd)
    ::GetClientRect(m_hWnd, pRect);
  else
    ::SetRectEmpty(pRect);
}

GRIDCELLID CGridCtrl::GetTopleftNonFixedCell() {
  return GRIDCELLID(gridlogic::TopLeftNonFixed(RowAxis(), GetScrollPos32(SB_VERT)),
                    gridlogic::TopLeftNonFixed(ColumnAxis(), GetScrollPos32(SB_HORZ)));
}

GRIDRANGE CGridCtrl::GetVisibleNonFixedCellRange(LPRECT pRect) {
  CRect client;
  GetClientRect(&client);
  GRIDCELLID topLeft = GetTopleftNonFixedCell();
  gridlogic::VisibleSpan rows = gridlogic::VisibleEnd(RowAxis(), topLeft.row, client.bottom);
  gridlogic::VisibleSpan cols = gridlogic::VisibleEnd(ColumnAxis(), topLeft.col, client.right);
  if (pRect) ::SetRect(pRect, 0, 0, cols.reached, rows.reached);
  return GRIDRANGE(topLeft.row, topLeft.col, rows.last, cols.last);
}

BOOL CGridCtrl::GetCellOrigin(int nRow, int nCol, LPPOINT p) {
  if (!IsValid(nRow, nCol) || !p) return FALSE;
  GRIDCELLID topLeft = GetTopleftNonFixedCell();
  int x = 0, y = 0;
  if (!gridlogic::EntryOrigin(ColumnAxis(), nCol, topLeft.col, x)) return FALSE;
  if (!gridlogic::EntryOrigin(RowAxis(), nRow, topLeft.row, y)) return FALSE;
  p->x = x;
  p->y = y;
  return TRUE;
}

BOOL CGridCtrl::GetCellRect(int nRow, int nCol, LPRECT pRect) {
  POINT origin;
  if (!pRect || !GetCellOrigin(nRow, nCol, &origin)) return FALSE;
  pRect->left = origin.x;
  pRect->top = origin.y;
  pRect->right = origin.x + GetColumnWidth(nCol) - 1;
  pRect->bottom = origin.y + GetRowHeight(nRow) - 1;
  return TRUE;
}

GRIDCELLID CGridCtrl::GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck) {
  CRect client;
  GetClientRect(&client);
  if (!client.PtInRect(point)) return GRIDCELLID();
  GRIDCELLID topLeft = GetTopleftNonFixedCell();
  bool allowFixed = bAllowFixedCellCheck != FALSE;
  return GRIDCELLID(gridlogic::EntryAt(RowAxis(), topLeft.row, point.y, allowFixed),
                    gridlogic::EntryAt(ColumnAxis(), topLeft.col, point.x, allowFixed));
}

BOOL CGridCtrl::IsCellVisible(int nRow, int nCol) {
  if (!::IsWindow(m_hWnd)) return FALSE;
  POINT origin;
  if (!GetCellOrigin(nRow, nCol, &origin)) return FALSE;
  CRect client;
  GetClientRect(&client);
  return origin.x >= client.left && origin.x < client.right && origin.y >= client.top &&
         origin.y < client.bottom;
}

namespace {

// The scroll position that shows entry `index` whole with the least movement from `top`: the
// entry becomes the first shown when it lies before, the last shown when it lies after.
// Returns -1 when it is shown whole already.
int PositionShowing(const GridAxis& axis, int index, int top, int clientExtent) {
  if (index < axis.fixed || index >= axis.count) return -1;
  int newTop = top;
  if (index < top) {
    newTop = index;
  } else {
    int room = clientExtent - axis.FixedExtent();
    int used = 0;
    for (int i = top; i <= index; ++i) used += axis.Size(i);
    while (used > room && newTop < index) used -= axis.Size(newTop++);
    if (newTop == top) return -1;
  }
  int pos = 0;
  for (int i = axis.fixed; i < newTop; ++i) pos += axis.Size(i);
  return pos;
}

}  // namespace

void CGridCtrl::EnsureVisible(int nRow, int nCol) {
  if (!IsValid(nRow, nCol) || !::IsWindow(m_hWnd)) return;
  CRect client;
  GetClientRect(&client);
  GRIDCELLID topLeft = GetTopleftNonFixedCell();
  // Straight to the position line-by-line scrolling would reach, however far it is.
  int hPos = PositionShowing(ColumnAxis(), nCol, topLeft.col, client.right);
  int vPos = PositionShowing(RowAxis(), nRow, topLeft.row, client.bottom);
  if (hPos >= 0) SetScrollPos32(SB_HORZ, hPos);
  if (vPos >= 0) SetScrollPos32(SB_VERT, vPos);
  if (hPos >= 0 || vPos >= 0) InvalidateGrid(TRUE);
}

int CGridCtrl::GetScrollPos32(int nBar, BOOL bGetTrackPos) {
  if (!::IsWindow(m_hWnd)) return 0;
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  si.fMask = bGetTrackPos ? SIF_TRACKPOS : SIF_POS;
  if (!::GetScrollInfo(m_hWnd, nBar, &si)) return 0;
  return bGetTrackPos ? si.nTrackPos : si.nPos;
}

BOOL CGridCtrl::SetScrollPos32(int nBar, int nPos, BOOL bRedraw) {
  if (!::IsWindow(m_hWnd)) return FALSE;
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  si.fMask = SIF_POS;
  si.nPos = nPos;
  ::SetScrollInfo(m_hWnd, nBar, &si, bRedraw);
  return TRUE;
}

void CGridCtrl::ResetScrollBars() {
  if (!IsDrawingAllowed() || m_bInResetScrollBars) return;
  m_bInResetScrollBars = TRUE;
  // A bar that comes or goes changes the client area, and with it what the other bar needs:
  // settle the styles first (a few rounds at most), then range both bars.
  CRect client;
  CRect visible;
  for (int round = 0; round < 3; ++round) {
    GetClientRect(&client);
    visible = client;
    visible.left += GetFixedColumnWidth();
    visible.top += GetFixedRowHeight();
    DWORD bars = 0;
    if (visible.right > visible.left && visible.bottom > visible.top) {
      if (visible.Height() < GetVirtualHeight() - GetFixedRowHeight()) bars |= WS_VSCROLL;
      if (visible.Width() < GetVirtualWidth() - GetFixedColumnWidth()) bars |= WS_HSCROLL;
    }
    DWORD style = GetStyle();
    if ((style & (WS_HSCROLL | WS_VSCROLL)) == bars) break;
    ::ShowScrollBar(m_hWnd, SB_HORZ, (bars & WS_HSCROLL) != 0);
    ::ShowScrollBar(m_hWnd, SB_VERT, (bars & WS_VSCROLL) != 0);
  }
  GetClientRect(&client);
  visible = client;
  visible.left += GetFixedColumnWidth();
  visible.top += GetFixedRowHeight();
  if (visible.right <= visible.left || visible.bottom <= visible.top) {
    m_nHScrollMax = m_nVScrollMax = 0;
    m_bInResetScrollBars = FALSE;
    return;
  }
  m_nHScrollMax = gridlogic::ScrollMaximum(ColumnAxis(), client.left, visible.Width());
  m_nVScrollMax = gridlogic::ScrollMaximum(RowAxis(), client.top, visible.Height());

  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  si.fMask = SIF_PAGE | SIF_RANGE;
  si.nMin = client.left;
  si.nMax = m_nHScrollMax;
  si.nPage = m_nHScrollMax > client.left ? static_cast<UINT>(visible.Width()) : 0;
  ::SetScrollInfo(m_hWnd, SB_HORZ, &si, FALSE);
  si.nMin = client.top;
  si.nMax = m_nVScrollMax;
  si.nPage = m_nVScrollMax > client.top ? static_cast<UINT>(visible.Height()) : 0;
  ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
  m_bInResetScrollBars = FALSE;
}

void CGridCtrl::InvalidateGrid(BOOL bErase) {
  if (::IsWindow(m_hWnd)) ::InvalidateRect(m_hWnd, NULL, bErase);
}

BOOL CGridCtrl::InvalidateCellRect(const GRIDCELLID& cell) {
  if (!IsDrawingAllowed() || !IsCellVisible(cell.row, cell.col)) return FALSE;
  CRect rect;
  if (!GetCellRect(cell.row, cell.col, &rect)) return FALSE;
  rect.right++;
  rect.bottom++;
  ::InvalidateRect(m_hWnd, &rect, TRUE);
  return TRUE;
}

BOOL CGridCtrl::RedrawCell(int nRow, int nCol, CDC* pDC) {
  if (!IsDrawingAllowed() || !IsCellVisible(nRow, nCol)) return FALSE;
  CRect rect;
  if (!GetCellRect(nRow, nCol, &rect)) return FALSE;
  BOOL bReleaseDC = FALSE;
  if (!pDC) {
    HDC hDC = ::GetDC(m_hWnd);
    if (!hDC) {
      rect.right++;
      rect.bottom++;
      ::InvalidateRect(m_hWnd, &rect, TRUE);
      return TRUE;
    }
    pDC = CDC::FromHandle(hDC);
    bReleaseDC = TRUE;
  }
  BOOL drawn = nRow < m_nFixedRows || nCol < m_nFixedCols
                   ? DrawFixedCell(pDC, nRow, nCol, rect, TRUE)
                   : DrawCell(pDC, nRow, nCol, rect, TRUE);
  DrawBorders(pDC, nRow, nCol);
  if (bReleaseDC) ::ReleaseDC(m_hWnd, pDC->m_hDC);
  return drawn;
}

// ---- scrolling --------------------------------------------------------------------------------

// Line steps scroll the window when the first shown row or column moved by exactly one;
// anything else repaints the scrolled area.

void CGridCtrl::OnVScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/) {
  if (::GetFocus() != m_hWnd) ::SetFocus(m_hWnd);
  int pos = GetScrollPos32(SB_VERT);
  CRect client;
  GetClientRect(&client);
  CRect area = client;
  area.top = std::min<LONG>(client.bottom, GetFixedRowHeight());
  int topBefore = GetTopleftNonFixedCell().row;
  switch (nSBCode) {
    case SB_LINEUP:
      if (pos > 0 && topBefore > m_nFixedRows) {
        int h = GetRowHeight(topBefore - 1);
        SetScrollPos32(SB_VERT, std::max(pos - h, 0));
        if (GetTopleftNonFixedCell().row == topBefore - 1 && h < area.Height()) {
          ScrollWindow(0, h, &area, &area);
          CRect strip(area.left, area.top, area.right, area.top + h);
          InvalidateRect(&strip);
        } else {
          InvalidateRect(&area);
        }
      }
      break;
    case SB_LINEDOWN:
      if (pos < m_nVScrollMax) {
        int h = GetRowHeight(topBefore);
        SetScrollPos32(SB_VERT, pos + h);
        if (GetScrollPos32(SB_VERT) == pos) break;
        if (GetTopleftNonFixedCell().row == topBefore + 1 && h < area.Height()) {
          ScrollWindow(0, -h, &area, &area);
          CRect strip(area.left, area.bottom - h, area.right, area.bottom);
          InvalidateRect(&strip);
        } else {
          InvalidateRect(&area);
        }
      }
      break;
    case SB_PAGEUP:
      if (pos > 0) {
        SetScrollPos32(SB_VERT, std::max(pos - area.Height(), 0));
        InvalidateRect(&area);
      }
      break;
    case SB_PAGEDOWN:
      if (pos < m_nVScrollMax) {
        SetScrollPos32(SB_VERT, std::min(pos + area.Height(), m_nVScrollMax));
        InvalidateRect(&area);
      }
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      SetScrollPos32(SB_VERT, GetScrollPos32(SB_VERT, TRUE));
      InvalidateRect(&area);
      break;
    case SB_TOP:
      if (pos > 0) {
        SetScrollPos32(SB_VERT, 0);
        InvalidateGrid(TRUE);
      }
      break;
    case SB_BOTTOM:
      if (pos < m_nVScrollMax) {
        SetScrollPos32(SB_VERT, m_nVScrollMax);
        InvalidateGrid(TRUE);
      }
      break;
    default:
      break;
  }
}

void CGridCtrl::OnHScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/) {
  if (::GetFocus() != m_hWnd) ::SetFocus(m_hWnd);
  int pos = GetScrollPos32(SB_HORZ);
  CRect client;
  GetClientRect(&client);
  CRect area = client;
  area.left = std::min<LONG>(client.right, GetFixedColumnWidth());
  int leftBefore = GetTopleftNonFixedCell().col;
  switch (nSBCode) {
    case SB_LINELEFT:
      if (pos > 0 && leftBefore > m_nFixedCols) {
        int w = GetColumnWidth(leftBefore - 1);
        SetScrollPos32(SB_HORZ, std::max(pos - w, 0));
        if (GetTopleftNonFixedCell().col == leftBefore - 1 && w < area.Width()) {
          ScrollWindow(w, 0, &area, &area);
          CRect strip(area.left, area.top, area.left + w, area.bottom);
          InvalidateRect(&strip);
        } else {
          InvalidateRect(&area);
        }
      }
      break;
    case SB_LINERIGHT:
      if (pos < m_nHScrollMax) {
        int w = GetColumnWidth(leftBefore);
        SetScrollPos32(SB_HORZ, pos + w);
        if (GetScrollPos32(SB_HORZ) == pos) break;
        if (GetTopleftNonFixedCell().col == leftBefore + 1 && w < area.Width()) {
          ScrollWindow(-w, 0, &area, &area);
          CRect strip(area.right - w, area.top, area.right, area.bottom);
          InvalidateRect(&strip);
        } else {
          InvalidateRect(&area);
        }
      }
      break;
    case SB_PAGELEFT:
      if (pos > 0) {
        SetScrollPos32(SB_HORZ, std::max(pos - area.Width(), 0));
        InvalidateRect(&area);
      }
      break;
    case SB_PAGERIGHT:
      if (pos < m_nHScrollMax) {
        SetScrollPos32(SB_HORZ, std::min(pos + area.Width(), m_nHScrollMax));
        InvalidateRect(&area);
      }
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      SetScrollPos32(SB_HORZ, GetScrollPos32(SB_HORZ, TRUE));
      InvalidateRect(&area);
      break;
    case SB_LEFT:
      if (pos > 0) {
        SetScrollPos32(SB_HORZ, 0);
        InvalidateGrid(TRUE);
      }
      break;
    case SB_RIGHT:
      if (pos < m_nHScrollMax) {
        SetScrollPos32(SB_HORZ, m_nHScrollMax);
        InvalidateGrid(TRUE);
      }
      break;
    default:
      break;
  }
}

BOOL CGridCtrl::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/) {
  // Never more messages than there are rows, whatever the setting says.
  gridlogic::WheelScroll steps =
      gridlogic::WheelSteps(zDelta, m_nRowsPerWheelNotch, std::max(m_nRows, 1));
  WPARAM code = steps.pages ? (steps.up ? SB_PAGEUP : SB_PAGEDOWN)
                            : (steps.up ? SB_LINEUP : SB_LINEDOWN);
  for (int i = 0; i < steps.count; ++i) PostMessage(WM_VSCROLL, code, 0);
  return static_cast<BOOL>(Default());
}

void CGridCtrl::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/) {
  // An open editor ends before the layout changes under it; other windows keep their focus.
  HWND hEdit = ::GetDlgItem(m_hWnd, kInPlaceEditId);
  if (hEdit && ::GetFocus() == hEdit) ::SetFocus(m_hWnd);
  Default();
  ResetScrollBars();
}

void CGridCtrl::OnSysColorChange() {
  Default();
  COLORREF oldText = m_crWindowText, oldWindow = m_crWindowColour;
  COLORREF oldFace = m_cr3DFace, oldShadow = m_crShadow;
  TakeSystemColours();
  if (m_crTextColour == oldText) m_crTextColour = m_crWindowText;
  if (m_crFixedTextColour == oldText) m_crFixedTextColour = m_crWindowText;
  if (m_crBkColour == oldWindow) m_crBkColour = m_crWindowColour;
  if (m_crEmptyAreaColour == oldShadow) m_crEmptyAreaColour = m_crShadow;
  if (m_crFixedBkColour == oldFace) m_crFixedBkColour = m_cr3DFace;
  InvalidateGrid(TRUE);
}

void CGridCtrl::OnSettingChange(UINT /*uFlags*/, LPCSTR /*lpszSection*/) {
  OnSysColorChange();
  m_nRowsPerWheelNotch = GetWheelScrollLines();
}

// ---- sizing by content ------------------------------------------------------------------------

HFONT CGridCtrl::CellFont(CGridCell* pCell, BOOL bBold, CFont& temp) {
  LOGFONTA lf = pCell && pCell->m_lfFont.lfFaceName[0] ? pCell->m_lfFont : m_Logfont;
  if (bBold) lf.lfWeight = 600;
  // Cells in the grid's own font share its handles; others get one of their own.
  if (std::memcmp(&lf, &m_Logfont, sizeof lf) == 0 && m_Font.m_hObject)
    return static_cast<HFONT>(m_Font.m_hObject);
  LOGFONTA bold = m_Logfont;
  bold.lfWeight = 600;
  if (std::memcmp(&lf, &bold, sizeof lf) == 0) {
    if (!m_BoldFont.m_hObject) m_BoldFont.CreateFontIndirect(&bold);
    if (m_BoldFont.m_hObject) return static_cast<HFONT>(m_BoldFont.m_hObject);
  }
  temp.CreateFontIndirect(&lf);
  return static_cast<HFONT>(temp.m_hObject);
}

CSize CGridCtrl::GetCellExtent(int nRow, int nCol, CDC* pDC) {
  CGridCell* pCell = GetCell(nRow, nCol);
  if (!pCell || !pDC) return CSize(0, 0);
  BOOL bFixed = nRow < m_nFixedRows || nCol < m_nFixedCols;
  CFont temp;
  HFONT hFont = CellFont(pCell, bFixed && !m_bAlternateDrawing, temp);
  HGDIOBJ old = pDC->SelectObject(hFont);
  CSize size = pDC->GetTextExtent(GetItemText(nRow, nCol));
  pDC->SelectObject(old);
  size.cx += 4 * m_nMargin;
  size.cy += 2 * m_nMargin;
  if (m_pImageList && pCell->m_nImage >= 0) {
    IMAGEINFO info;
    if (m_pImageList->GetImageInfo(pCell->m_nImage, &info)) {
      size.cx += info.rcImage.right - info.rcImage.left;
      size.cy = std::max<LONG>(size.cy, info.rcImage.bottom - info.rcImage.top);
    }
  }
  if (m_bListMode && m_bSortOnClick && nRow < m_nFixedRows) size.cx += 3 * m_nMargin;
  return size;
}

BOOL CGridCtrl::AutoSizeColumn(int nCol, BOOL bResetScroll) {
  if (nCol < 0 || nCol >= m_nCols || !::IsWindow(m_hWnd)) return FALSE;
  CClientDC dc(this);
  if (!dc.m_hDC) return FALSE;
  int width = 0;
  for (int row = 0; row < m_nRows; ++row)
    width = std::max<int>(width, GetCellExtent(row, nCol, &dc).cx);
  m_arColWidths[nCol] = static_cast<UINT>(width);
  if (bResetScroll) ResetScrollBars();
  return TRUE;
}

BOOL CGridCtrl::AutoSizeRow(int nRow, BOOL bResetScroll) {
  if (nRow < 0 || nRow >= m_nRows || !::IsWindow(m_hWnd)) return FALSE;
  CClientDC dc(this);
  if (!dc.m_hDC) return FALSE;
  int height = 0;
  for (int col = 0; col < m_nCols; ++col)
    height = std::max<int>(height, GetCellExtent(nRow, col, &dc).cy);
  m_arRowHeights[nRow] = static_cast<UINT>(height);
  if (bResetScroll) ResetScrollBars();
  return TRUE;
}

void CGridCtrl::AutoSizeColumns() {
  for (int col = 0; col < m_nCols; ++col) AutoSizeColumn(col, col == m_nCols - 1);
}

void CGridCtrl::AutoSizeRows() {
  for (int row = 0; row < m_nRows; ++row) AutoSizeRow(row, row == m_nRows - 1);
}

void CGridCtrl::AutoSize() {
  if (!::IsWindow(m_hWnd)) return;
  CClientDC dc(this);
  if (!dc.m_hDC) return;
  for (int col = 0; col < m_nCols; ++col) m_arColWidths[col] = 0;
  for (int row = 0; row < m_nRows; ++row) m_arRowHeights[row] = 0;
  for (int row = 0; row < m_nRows; ++row) {
    for (int col = 0; col < m_nCols; ++col) {
      CSize size = GetCellExtent(row, col, &dc);
      if (size.cx > static_cast<int>(m_arColWidths[col])) m_arColWidths[col] = size.cx;
      if (size.cy > static_cast<int>(m_arRowHeights[row])) m_arRowHeights[row] = size.cy;
    }
  }
  RefitAndRepaint();
}

void CGridCtrl::ExpandColumnsToFit() {
  if (m_nCols <= 0) return;
  CRect client;
  GetClientRect(&client);
  gridlogic::ExpandToFit(m_arColWidths.GetData(), m_nCols, client.Width(), 2 * m_nMargin);
  // The columns may fit now: a horizontal bar left standing would scroll nothing.
  RefitAndRepaint();
}

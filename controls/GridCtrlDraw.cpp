// CGridCtrl: painting. Cells are drawn into an off-screen bitmap the size of the invalid area,
// fixed cells as raised headings, normal cells in the standard or the alternate look (the
// lab-data dialogs use the alternate one), then the grid lines and the focus frames.
//
// A cell's rectangle is inclusive: right and bottom are its last pixels, where its grid lines
// lie.
#include <algorithm>

#include "controls/GridCtrl.h"
#include "controls/GridOffscreenDC.h"

namespace {

// The exclusive rectangle of an inclusive cell rectangle grown by one pixel on every side:
// the four grid lines around the cell.
CRect LinesAround(const CRect& cell) {
  return CRect(cell.left - 1, cell.top - 1, cell.right + 1, cell.bottom + 1);
}

void FrameSolid(CDC* pDC, const CRect& r, COLORREF colour) {
  pDC->Draw3dRect(&r, colour, colour);
}

}  // namespace

void CGridCtrl::OnPaint() {
  CPaintDC dc(this);
  if (m_bDoubleBuffer) {
    COffscreenDC mem(&dc);
    OnDraw(&mem);
  } else {
    OnDraw(&dc);
  }
}

BOOL CGridCtrl::OnEraseBkgnd(CDC* /*pDC*/) {
  return TRUE;  // OnDraw paints every pixel
}

void CGridCtrl::OnDraw(CDC* pDC) {
  CRect clip;
  if (pDC->GetClipBox(&clip) == ERROR) return;
  EraseBkgnd(pDC);

  const int fixedRowHeight = GetFixedRowHeight();
  const int fixedColWidth = GetFixedColumnWidth();
  const GRIDRANGE vis = GetVisibleNonFixedCellRange();

  // Rows from `first` to `last` starting at y, over columns likewise from x; fixed cells or
  // normal ones. Rows or columns wholly outside the clip box are skipped.
  auto drawBlock = [&](int firstRow, int lastRow, int y, int firstCol, int lastCol, int x0,
                       bool fixed) {
    CRect rect;
    rect.bottom = y - 1;
    for (int row = firstRow; row <= lastRow; ++row) {
      rect.top = rect.bottom + 1;
      rect.bottom = rect.top + GetRowHeight(row) - 1;
      if (rect.top > clip.bottom) break;
      if (rect.bottom < clip.top) continue;
      rect.right = x0 - 1;
      for (int col = firstCol; col <= lastCol; ++col) {
        rect.left = rect.right + 1;
        rect.right = rect.left + GetColumnWidth(col) - 1;
        if (rect.left > clip.right) break;
        if (rect.right < clip.left) continue;
        if (fixed)
          DrawFixedCell(pDC, row, col, rect, FALSE);
        else
          DrawCell(pDC, row, col, rect, FALSE);
      }
    }
  };
  drawBlock(0, m_nFixedRows - 1, 0, 0, m_nFixedCols - 1, 0, true);
  drawBlock(0, m_nFixedRows - 1, 0, vis.minCol, vis.maxCol, fixedColWidth, true);
  drawBlock(vis.minRow, vis.maxRow, fixedRowHeight, 0, m_nFixedCols - 1, 0, true);
  drawBlock(vis.minRow, vis.maxRow, fixedRowHeight, vis.minCol, vis.maxCol, fixedColWidth, false);
  DrawGridLines(pDC);
}

BOOL CGridCtrl::EraseBkgnd(CDC* pDC) {
  CRect clip;
  if (pDC->GetClipBox(&clip) == ERROR || clip.IsRectEmpty()) return FALSE;
  CRect client;
  GetClientRect(&client);
  CRect cells;  // the visible cells, from the client's corner
  GetVisibleNonFixedCellRange(&cells);
  const int fixedRowHeight = GetFixedRowHeight();
  const int fixedColWidth = GetFixedColumnWidth();

  pDC->FillSolidRect(CRect(client.left, client.top, fixedColWidth, cells.bottom),
                     m_crFixedBkColour);
  pDC->FillSolidRect(CRect(std::max(fixedColWidth - 1, 0), client.top, cells.right,
                           fixedRowHeight),
                     m_crFixedBkColour);
  CRect normal(fixedColWidth, fixedRowHeight, cells.right, cells.bottom);
  CRect overlap;
  if (overlap.IntersectRect(&normal, &clip)) pDC->FillSolidRect(&overlap, m_crBkColour);
  pDC->FillSolidRect(CRect(cells.right, client.top, client.right, client.bottom),
                     m_crEmptyAreaColour);
  pDC->FillSolidRect(CRect(client.left, cells.bottom, cells.right, client.bottom),
                     m_crEmptyAreaColour);
  return TRUE;
}

BOOL CGridCtrl::DrawFixedCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk) {
  if (!m_bAllowDraw) return FALSE;
  return m_bAlternateDrawing ? DrawFixedCellAlternate(pDC, nRow, nCol, rect, bEraseBk)
                             : DrawFixedCellStandard(pDC, nRow, nCol, rect, bEraseBk);
}

BOOL CGridCtrl::DrawCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk) {
  if (!m_bAllowDraw) return FALSE;
  return m_bAlternateDrawing ? DrawCellAlternate(pDC, nRow, nCol, rect, bEraseBk)
                             : DrawCellStandard(pDC, nRow, nCol, rect, bEraseBk);
}

BOOL CGridCtrl::DrawCellStandard(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk) {
  CGridCell* pCell = GetCell(nRow, nCol);
  if (!m_bAllowDraw || !pCell) return FALSE;
  return DrawNormalCell(pDC, pCell, rect, bEraseBk, ::GetSysColor(COLOR_HIGHLIGHT),
                        ::GetSysColor(COLOR_HIGHLIGHTTEXT));
}

// The alternate look marks selected cells lightly and keeps their text colour.
BOOL CGridCtrl::DrawCellAlternate(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk) {
  CGridCell* pCell = GetCell(nRow, nCol);
  if (!m_bAllowDraw || !pCell) return FALSE;
  return DrawNormalCell(pDC, pCell, rect, bEraseBk, m_crLightHighlight, m_crWindowText);
}

namespace {

// Draws the cell's text in the rectangle, embossed when the window is disabled.
void DrawCellText(CDC* pDC, const CString& text, CRect rect, UINT format, BOOL enabled) {
  if (enabled) {
    pDC->DrawText(text, &rect, format);
    return;
  }
  CRect raised = rect;
  raised.OffsetRect(1, 1);
  pDC->SetTextColor(::GetSysColor(COLOR_3DHILIGHT));
  pDC->DrawText(text, &raised, format);
  pDC->SetTextColor(::GetSysColor(COLOR_3DSHADOW));
  pDC->DrawText(text, &rect, format);
}

// Draws the cell's image (grid image list) or value image at the left of rect and moves the
// text start past it.
void DrawCellImage(CDC* pDC, CGridCell* pCell, CRect& rect, int margin, CImageList* pImageList) {
  if (pImageList && pCell->m_nImage >= 0) {
    IMAGEINFO info;
    if (pImageList->GetImageInfo(pCell->m_nImage, &info)) {
      pImageList->Draw(pDC, pCell->m_nImage, rect.TopLeft(), ILD_NORMAL);
      rect.left += margin + (info.rcImage.right - info.rcImage.left);
    }
    return;
  }
  CImageList* pValues = pCell->m_pValueImageList;
  if (!pValues || pCell->m_arValues.IsEmpty()) return;
  for (int i = 0; i < pCell->m_arValues.GetSize(); ++i) {
    if (pCell->m_arValues[i] != pCell->m_strText) continue;
    if (i < pValues->GetImageCount()) {
      CPoint at = rect.TopLeft();
      if (pCell->m_nFormat & DT_VCENTER) at.y += (rect.Height() - 16) / 2;
      pValues->Draw(pDC, i, at, pCell->m_bValueImageTransparent ? ILD_TRANSPARENT : ILD_NORMAL);
      rect.left += 20;
    }
    break;
  }
}

// Clips to rect (the caller restores the DC).
void DrawCheckBox(CDC* pDC, CGridCell* pCell, const CRect& rect, BOOL enabled) {
  pDC->IntersectClipRect(&rect);
  int h = pDC->GetTextExtent("X", 1).cy;
  CRect box(rect.left, rect.top + (rect.Height() - h) / 2, rect.right,
            rect.top + (rect.Height() - h) / 2 + h);
  UINT state = DFCS_BUTTONCHECK;
  if (pCell->m_strText == "1") state |= DFCS_CHECKED;
  if (!enabled) state |= DFCS_INACTIVE;
  pDC->DrawFrameControl(&box, DFC_BUTTON, state);
}

}  // namespace

BOOL CGridCtrl::DrawNormalCell(CDC* pDC, CGridCell* pCell, CRect rect, BOOL bEraseBk,
                               COLORREF selectedFill, COLORREF selectedText) {
  const BOOL enabled = IsGridEnabled();
  const BOOL onScreen = !pDC->IsPrinting();
  COLORREF bk = pCell->m_crBkClr != GRIDCLR_DEFAULT ? pCell->m_crBkClr : m_crBkColour;
  COLORREF text = pCell->m_crFgClr != GRIDCLR_DEFAULT ? pCell->m_crFgClr : m_crTextColour;
  // A real colour is always painted; the default marker only when asked to erase.
  BOOL fill = bk != GRIDCLR_DEFAULT || bEraseBk;
  if (bk == GRIDCLR_DEFAULT) bk = m_crWindowColour;

  int saved = pDC->SaveDC();
  pDC->SetBkMode(TRANSPARENT);
  CRect fillRect(rect.left, rect.top, rect.right, rect.bottom);
  if (enabled) {
    if ((pCell->m_nState & GRIDSTATE_FOCUSED) && onScreen) {
      pDC->FillSolidRect(CRect(rect.left, rect.top, rect.right + 1, rect.bottom + 1), bk);
      pDC->SelectStockObject(BLACK_PEN);
      pDC->SelectStockObject(NULL_BRUSH);
      pDC->Rectangle(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
      pDC->SetTextColor(text);
      rect.DeflateRect(1, 1);
    } else if ((pCell->m_nState & GRIDSTATE_SELECTED) && onScreen) {
      pDC->FillSolidRect(&fillRect, selectedFill);
      pDC->SetTextColor(selectedText);
    } else {
      if (fill) pDC->FillSolidRect(&fillRect, bk);
      pDC->SetTextColor(text);
    }
  } else {
    pDC->FillSolidRect(&fillRect, ::GetSysColor(COLOR_BTNFACE));
    pDC->SetTextColor(text);
  }
  if ((pCell->m_nState & GRIDSTATE_DROPHILITED) && onScreen) {
    pDC->SelectStockObject(BLACK_PEN);
    pDC->SelectStockObject(NULL_BRUSH);
    pDC->Rectangle(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
  }

  CFont temp;
  pDC->SelectObject(CellFont(pCell, FALSE, temp));
  rect.DeflateRect(m_nMargin, 0);
  DrawCellImage(pDC, pCell, rect, m_nMargin, m_pImageList);
  if (pCell->m_nType == GRIDTYPE_CHECKBOX)
    DrawCheckBox(pDC, pCell, rect, enabled);
  else
    DrawCellText(pDC, pCell->m_strText, rect, pCell->m_nFormat, enabled);
  pDC->RestoreDC(saved);
  return TRUE;
}

// ---- fixed cells ------------------------------------------------------------------------------

namespace {

// The sort arrow: a small triangle between 3 and 1 margins before the right edge.
void DrawSortArrow(CDC* pDC, const CRect& cell, int margin, BOOL ascending) {
  int saved = pDC->SaveDC();
  pDC->IntersectClipRect(&cell);
  int left = cell.right - 3 * margin;
  int right = cell.right - margin;
  int mid = (left + right) / 2;
  int top = cell.top + (cell.Height() - margin * 2) / 2;
  int bottom = top + margin * 2;
  CPen light(PS_SOLID, 1, ::GetSysColor(COLOR_3DHILIGHT));
  CPen dark(PS_SOLID, 1, ::GetSysColor(COLOR_3DSHADOW));
  pDC->SelectObject(&dark);
  if (ascending) {  // pointing up
    pDC->MoveTo(mid, top);
    pDC->LineTo(left, bottom);
    pDC->SelectObject(&light);
    pDC->LineTo(right, bottom);
    pDC->LineTo(mid, top);
  } else {  // pointing down
    pDC->MoveTo(left, top);
    pDC->LineTo(right, top);
    pDC->LineTo(mid, bottom);
    pDC->SelectObject(&light);
    pDC->LineTo(left, top);
  }
  pDC->RestoreDC(saved);
}

}  // namespace

BOOL CGridCtrl::DrawFixedCellStandard(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk) {
  CGridCell* pCell = GetCell(nRow, nCol);
  if (!m_bAllowDraw || !pCell) return FALSE;
  const BOOL enabled = IsGridEnabled();
  const BOOL focusValid = enabled && IsValid(m_idCurrentCell);
  const BOOL focusHeading =
      focusValid && (nRow == m_idCurrentCell.row || nCol == m_idCurrentCell.col);

  COLORREF bk = pCell->m_crBkClr != GRIDCLR_DEFAULT ? pCell->m_crBkClr : m_crFixedBkColour;
  COLORREF text = pCell->m_crFgClr != GRIDCLR_DEFAULT ? pCell->m_crFgClr : m_crFixedTextColour;
  if (bEraseBk && !pDC->IsPrinting())
    pDC->FillSolidRect(CRect(rect.left, rect.top, rect.right + 1, rect.bottom + 1), bk);
  int saved = pDC->SaveDC();
  pDC->SetTextColor(text);
  CFont temp;
  pDC->SelectObject(CellFont(pCell, focusHeading, temp));

  CRect frame(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
  if (focusHeading)
    pDC->DrawEdge(&frame, EDGE_RAISED, BF_RECT);
  else
    pDC->Draw3dRect(&frame, ::GetSysColor(COLOR_3DHILIGHT), ::GetSysColor(COLOR_3DDKSHADOW));
  DrawFixedCellContent(pDC, pCell, nRow, nCol, rect, enabled);
  pDC->RestoreDC(saved);
  return TRUE;
}

BOOL CGridCtrl::DrawFixedCellAlternate(CDC* pDC, int nRow, int nCol, CRect rect, BOOL) {
  CGridCell* pCell = GetCell(nRow, nCol);
  if (!m_bAllowDraw || !pCell) return FALSE;
  const BOOL enabled = IsGridEnabled();
  const BOOL focusHeading = enabled && IsValid(m_idCurrentCell) &&
                            (nRow == m_idCurrentCell.row || nCol == m_idCurrentCell.col);
  CRect frame(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
  if (focusHeading) {
    pDC->FillSolidRect(&frame, m_crLightHighlight);
    pDC->Draw3dRect(&frame, m_crLightHighlight, m_crHighlight);
  } else {
    pDC->FillSolidRect(&frame, m_cr3DFace);
    pDC->Draw3dRect(&frame, m_cr3DFace, m_crShadow);
  }
  int saved = pDC->SaveDC();
  pDC->SetTextColor(m_crWindowText);
  CFont temp;
  pDC->SelectObject(CellFont(pCell, FALSE, temp));
  DrawFixedCellContent(pDC, pCell, nRow, nCol, rect, enabled);
  pDC->RestoreDC(saved);
  return TRUE;
}

// Both looks of a heading from inside its frame: image, text (the sort column's ends before
// the arrow, with an ellipsis) or check box, and the sort arrow.
void CGridCtrl::DrawFixedCellContent(CDC* pDC, CGridCell* pCell, int nRow, int nCol, CRect rect,
                                     BOOL enabled) {
  rect.DeflateRect(1, 1);
  pDC->SetBkMode(TRANSPARENT);
  CRect inner = rect;
  rect.DeflateRect(m_nMargin, 0);
  DrawCellImage(pDC, pCell, rect, m_nMargin, m_pImageList);
  if (pCell->m_nType == GRIDTYPE_CHECKBOX) {
    DrawCheckBox(pDC, pCell, rect, enabled);
    return;
  }
  UINT format = pCell->m_nFormat;
  bool sortHeading = nCol == m_nSortColumn && nRow < m_nFixedRows;
  if (sortHeading) {
    rect.right = inner.right - 3 * m_nMargin;
    format |= DT_END_ELLIPSIS;
  }
  DrawCellText(pDC, pCell->m_strText, rect, format, enabled);
  if (sortHeading) DrawSortArrow(pDC, inner, m_nMargin, m_bAscending);
}

// ---- lines and frames -------------------------------------------------------------------------

void CGridCtrl::DrawGridLines(CDC* pDC) {
  CRect cells;
  GRIDRANGE vis = GetVisibleNonFixedCellRange(&cells);
  const int fixedRowHeight = GetFixedRowHeight();
  const int fixedColWidth = GetFixedColumnWidth();
  CPen pen(PS_SOLID, 1, m_bAlternateDrawing ? m_crShadow : m_crGridColour);
  CPen* old = pDC->SelectObject(&pen);
  if (m_nGridLines == GRIDLINES_BOTH || m_nGridLines == GRIDLINES_VERT) {
    int x = fixedColWidth;
    for (int col = vis.minCol; col <= vis.maxCol; ++col) {
      x += GetColumnWidth(col);
      pDC->MoveTo(x - 1, fixedRowHeight);
      pDC->LineTo(x - 1, cells.bottom);
    }
  }
  if (m_nGridLines == GRIDLINES_BOTH || m_nGridLines == GRIDLINES_HORZ) {
    int y = fixedRowHeight;
    for (int row = vis.minRow; row <= vis.maxRow; ++row) {
      y += GetRowHeight(row);
      pDC->MoveTo(fixedColWidth, y - 1);
      pDC->LineTo(cells.right, y - 1);
    }
  }
  pDC->SelectObject(old);
  if (m_bAlternateDrawing) DrawFocusFrames(pDC);
}

void CGridCtrl::DrawFocusFrames(CDC* pDC) {
  if (!IsValid(m_idCurrentCell)) return;
  CRect rect;
  if (m_nFixedCols > 0 && GetCellRect(m_idCurrentCell.row, 0, &rect))
    pDC->Draw3dRect(LinesAround(rect), m_crShadow, m_crHighlight);
  if (m_nFixedRows > 0 && GetCellRect(0, m_idCurrentCell.col, &rect))
    pDC->Draw3dRect(LinesAround(rect), m_crShadow, m_crHighlight);
  if (GetCellRect(m_idCurrentCell, &rect)) FrameSolid(pDC, LinesAround(rect), RGB(0, 0, 0));
}

void CGridCtrl::DrawBorders(CDC* pDC, int nRow, int nCol) {
  CRect rect;
  if (!GetCellRect(nRow, nCol, &rect)) return;
  // Fixed cells are framed by their own edges; normal cells get the lines around them.
  if (nRow >= m_nFixedRows && nCol >= m_nFixedCols && m_nGridLines != GRIDLINES_NONE)
    FrameSolid(pDC, LinesAround(rect), m_bAlternateDrawing ? m_crShadow : m_crGridColour);
  if (m_bAlternateDrawing) DrawFocusFrames(pDC);
}

CImageList* CGridCtrl::CreateDragImage(GRIDCELLID cell) {
  CRect rect;
  if (!::IsWindow(m_hWnd) || !IsCellVisible(cell.row, cell.col) ||
      !GetCellRect(cell, &rect))
    return NULL;
  CClientDC screen(this);
  if (!screen.m_hDC) return NULL;
  const int w = rect.Width() + 1;
  const int h = rect.Height() + 1;
  CImageList* pList = new CImageList;
  if (!pList->Create(w, h, ILC_MASK | ILC_COLOR24, 1, 1)) {
    delete pList;
    return NULL;
  }
  CDC mem;
  CBitmap bitmap;
  if (!mem.CreateCompatibleDC(&screen) || !bitmap.CreateCompatibleBitmap(&screen, w, h)) {
    delete pList;
    return NULL;
  }
  HGDIOBJ old = mem.SelectObject(bitmap.m_hObject);
  DrawCell(&mem, cell.row, cell.col, CRect(0, 0, w - 1, h - 1), TRUE);
  mem.SelectObject(old);
  pList->Add(&bitmap, m_crBkColour);
  return pList;
}

// CGridCtrl: the spreadsheet-style grid of the lab-data dialogs (window class "MFCGridCtrl").
// Rows and columns of cells, the first of them fixed headings that do not scroll; typing,
// pasting and dropping change cell texts, and every change a user makes is reported to the
// owner with GRIDN_CHANGED (row and column -1).
//
// The class is one window spread over several files: cells, items and notifications
// (GridCtrl.cpp), layout and scrolling (GridCtrlLayout.cpp), painting (GridCtrlDraw.cpp),
// printing (GridCtrlPrint.cpp), selection and mouse (GridCtrlMouse.cpp), keyboard
// (GridCtrlKeys.cpp), in-place editing, clipboard and drag and drop (GridCtrlEdit.cpp).
#pragma once

#include <map>
#include <set>
#include <vector>

#include "controls/GridCell.h"
#include "controls/GridDropTarget.h"
#include "controls/GridLogic.h"
#include "controls/GridTypes.h"
#include "framework/win/AfxWin.h"

class CPrintInfo;
class CGridInPlaceEdit;

#define GRIDCTRL_CLASSNAME "MFCGridCtrl"

// Compares two cells for sorting (either may be NULL): negative, zero or positive.
typedef int (*PFNGRIDCOMPARE)(const CGridCell* pCell1, const CGridCell* pCell2, LPARAM lParam);

class CGridCtrl : public CWnd {
  DECLARE_DYNCREATE(CGridCtrl)
 public:
  // The rows a grid holds unless its owner allows another number: 10,000 tests under a
  // heading row.
  static const int kDefaultMaxRows = 10001;

  explicit CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
  ~CGridCtrl() override;

  // ---- window ----
  // Registers "MFCGridCtrl" once per program; throws CResourceException when that fails.
  static BOOL RegisterWindowClass();
  virtual BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID,
                      DWORD dwStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);
  virtual BOOL SubclassWindow(HWND hWnd);
  // The in-place editor's control id (its GRIDN_ENDEDIT comes from this id).
  static const UINT kInPlaceEditId = 8;

  // ---- counts and sizes ----
  int GetRowCount() const { return m_nRows; }
  int GetColumnCount() const { return m_nCols; }
  int GetFixedRowCount() const { return m_nFixedRows; }
  int GetFixedColumnCount() const { return m_nFixedCols; }
  // FALSE for a negative count and when memory runs out (the grid is left as it was). A row
  // count above the maximum is cut to it and gives FALSE.
  BOOL SetRowCount(int nRows);
  BOOL SetColumnCount(int nCols);
  BOOL SetFixedRowCount(int nFixedRows);
  BOOL SetFixedColumnCount(int nFixedCols);
  // The most rows (headings included) the grid will hold; at least 0.
  void SetMaxRowCount(int nRows);
  int GetMaxRowCount() const { return m_nMaxRows; }
  BOOL DeleteRow(int nRow);
  BOOL DeleteAllItems();
  int GetRowHeight(int nRow) const;
  int GetColumnWidth(int nCol) const;
  BOOL SetRowHeight(int nRow, int height);
  BOOL SetColumnWidth(int nCol, int width);
  int GetFixedRowHeight() const;
  int GetFixedColumnWidth() const;
  int GetVirtualHeight() const;
  int GetVirtualWidth() const;

  // ---- cells ----
  BOOL IsValid(int nRow, int nCol) const;
  BOOL IsValid(const GRIDCELLID& cell) const { return IsValid(cell.row, cell.col); }
  BOOL IsValid(const GRIDRANGE& range) const;
  BOOL SetItem(const GRIDITEM* pItem);
  BOOL GetItem(GRIDITEM* pItem);
  BOOL SetItemText(int nRow, int nCol, LPCSTR text);
  virtual CString GetItemText(int nRow, int nCol);
  int GetItemImage(int nRow, int nCol) const;
  UINT GetItemFormat(int nRow, int nCol) const;
  UINT GetItemState(int nRow, int nCol) const;
  BOOL SetItemState(int nRow, int nCol, UINT state);
  BOOL SetItemFont(int nRow, int nCol, const LOGFONTA* lf);
  const LOGFONTA* GetItemFont(int nRow, int nCol) const;
  BOOL SetCheck(int nRow, int nCol, BOOL bChecked = TRUE);
  BOOL GetCheck(int nRow, int nCol) const;
  BOOL ToggleCheck(int nRow, int nCol);

  // ---- sorting ----
  BOOL SortTextItems(int nCol, BOOL bAscending, LPARAM data = 0);
  BOOL SortItems(PFNGRIDCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data = 0);
  void SetSortColumn(int nCol, BOOL bAscending);
  int GetSortColumn() const { return m_nSortColumn; }
  BOOL GetSortAscending() const { return m_bAscending; }
  void SetCompareFunction(PFNGRIDCOMPARE pfnCompare) { m_pfnCompare = pfnCompare; }
  static int CompareCellText(const CGridCell* pCell1, const CGridCell* pCell2, LPARAM lParam);

  // ---- colours, fonts, settings ----
  static COLORREF BlendColour(COLORREF c0, COLORREF c1, int percent);
  // The wheel's lines per notch: the system setting, else the registry's, else 3.
  static UINT GetWheelScrollLines();
  void SetAlternateCellDrawing(BOOL bAlternate) { m_bAlternateDrawing = bAlternate ? 1 : 0; }
  BOOL GetAlternateCellDrawing() const { return m_bAlternateDrawing != 0; }
  void SetTextColor(COLORREF c) { m_crTextColour = c; }
  COLORREF GetTextColor() const { return m_crTextColour; }
  void SetBkColor(COLORREF c) { m_crBkColour = c; }
  COLORREF GetBkColor() const { return m_crBkColour; }
  void SetFixedTextColor(COLORREF c) { m_crFixedTextColour = c; }
  COLORREF GetFixedTextColor() const { return m_crFixedTextColour; }
  void SetFixedBkColor(COLORREF c) { m_crFixedBkColour = c; }
  COLORREF GetFixedBkColor() const { return m_crFixedBkColour; }
  void SetEmptyAreaColor(COLORREF c) { m_crEmptyAreaColour = c; }
  COLORREF GetEmptyAreaColor() const { return m_crEmptyAreaColour; }
  void SetGridColor(COLORREF c) { m_crGridColour = c; }
  COLORREF GetGridColor() const { return m_crGridColour; }
  void SetGridLines(int nWhichLines) { m_nGridLines = nWhichLines; }
  int GetGridLines() const { return m_nGridLines; }
  void SetImageList(CImageList* pList) { m_pImageList = pList; }
  CImageList* GetImageList() const { return m_pImageList; }
  void SetEditable(BOOL bEditable = TRUE) { m_bEditable = bEditable; }
  BOOL IsEditable() const { return m_bEditable; }
  void SetModified(BOOL bModified = TRUE) { m_bModified = bModified; }
  BOOL GetModified() const { return m_bModified; }
  void EnableSelection(BOOL bEnable = TRUE);
  BOOL IsSelectable() const { return m_bEnableSelection; }
  void EnableDragAndDrop(BOOL bAllow = TRUE) { m_bAllowDragAndDrop = bAllow; }
  BOOL GetDragAndDrop() const { return m_bAllowDragAndDrop; }
  void SetListMode(BOOL bListMode = TRUE) { m_bListMode = bListMode; }
  BOOL GetListMode() const { return m_bListMode; }
  void SetWholeRowSelection(BOOL bWholeRow = TRUE) { m_bWholeRowSelection = bWholeRow; }
  BOOL GetWholeRowSelection() const { return m_bWholeRowSelection; }
  void SetRowResize(BOOL bResize = TRUE) { m_bAllowRowResize = bResize; }
  BOOL GetRowResize() const { return m_bAllowRowResize; }
  void SetColumnResize(BOOL bResize = TRUE) { m_bAllowColResize = bResize; }
  BOOL GetColumnResize() const { return m_bAllowColResize; }
  void SetHeaderSort(BOOL bSort = TRUE) { m_bSortOnClick = bSort; }
  int GetDefaultRowHeight() const { return m_nDefRowHeight; }
  int GetDefaultColumnWidth() const { return m_nDefColWidth; }
  int GetTextMargin() const { return m_nMargin; }
  const LOGFONTA& GetLogFont() const { return m_Logfont; }
  int GetMouseMode() const { return m_MouseMode; }

  // ---- layout and scrolling ----
  GRIDCELLID GetTopleftNonFixedCell();
  GRIDRANGE GetVisibleNonFixedCellRange(LPRECT pRect = NULL);
  BOOL GetCellOrigin(int nRow, int nCol, LPPOINT p);
  BOOL GetCellRect(int nRow, int nCol, LPRECT pRect);
  BOOL GetCellRect(const GRIDCELLID& cell, LPRECT pRect) { return GetCellRect(cell.row, cell.col, pRect); }
  GRIDCELLID GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck = TRUE);
  BOOL IsCellVisible(int nRow, int nCol);
  BOOL IsCellVisible(const GRIDCELLID& cell) { return IsCellVisible(cell.row, cell.col); }
  void EnsureVisible(int nRow, int nCol);
  void EnsureVisible(const GRIDCELLID& cell) { EnsureVisible(cell.row, cell.col); }
  int GetScrollPos32(int nBar, BOOL bGetTrackPos = FALSE);
  BOOL SetScrollPos32(int nBar, int nPos, BOOL bRedraw = TRUE);
  void ResetScrollBars();
  virtual void InvalidateGrid(BOOL bErase = TRUE);
  virtual void GetClientRect(LPRECT pRect);
  BOOL InvalidateCellRect(const GRIDCELLID& cell);
  BOOL RedrawCell(int nRow, int nCol, CDC* pDC = NULL);
  BOOL RedrawCell(const GRIDCELLID& cell, CDC* pDC = NULL) { return RedrawCell(cell.row, cell.col, pDC); }

  // ---- sizing by content ----
  virtual CSize GetCellExtent(int nRow, int nCol, CDC* pDC);
  virtual BOOL AutoSizeRow(int nRow, BOOL bResetScroll = TRUE);
  virtual BOOL AutoSizeColumn(int nCol, BOOL bResetScroll = TRUE);
  virtual void AutoSizeRows();
  virtual void AutoSizeColumns();
  virtual void AutoSize();
  virtual void ExpandColumnsToFit();

  // ---- painting ----
  virtual void OnDraw(CDC* pDC);
  virtual BOOL EraseBkgnd(CDC* pDC);
  virtual BOOL DrawFixedCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk = FALSE);
  virtual BOOL DrawCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk = FALSE);
  virtual BOOL DrawCellStandard(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk);
  virtual BOOL DrawCellAlternate(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk);
  virtual BOOL DrawFixedCellStandard(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk);
  virtual BOOL DrawFixedCellAlternate(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk);
  virtual void DrawBorders(CDC* pDC, int nRow, int nCol);
  virtual void DrawGridLines(CDC* pDC);
  // A one-image list showing the cell (for drag feedback); NULL when the cell is not shown.
  virtual CImageList* CreateDragImage(GRIDCELLID cell);

  // ---- printing (the owner's printing steps call these; the DC is a printing one) ----
  // Lays the pages out (the page count goes to pInfo); nothing for a grid of headings only.
  virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
  // Prints page pInfo->m_nCurPage.
  virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);

  // ---- selection and focus ----
  GRIDCELLID SetFocusCell(int nRow, int nCol);
  GRIDCELLID SetFocusCell(GRIDCELLID cell) { return SetFocusCell(cell.row, cell.col); }
  GRIDCELLID GetFocusCell() const { return m_idCurrentCell; }
  virtual void SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol,
                                BOOL bForceRedraw = FALSE);
  void SelectCellRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol,
                       BOOL bForceRedraw = FALSE);
  void ResetSelectedRange();
  GRIDRANGE GetSelectedCellRange() const;
  int GetSelectedCount() const { return static_cast<int>(m_SelectedCellMap.size()); }
  void SelectAllCells();
  void SelectColumns(GRIDCELLID currentCell);
  void SelectRows(GRIDCELLID currentCell);
  void SelectCells(GRIDCELLID currentCell);
  void OnSelecting(const GRIDCELLID& currentCell);
  BOOL IsCellEditable(int nRow, int nCol) const;
  BOOL IsCellEditable(const GRIDCELLID& cell) const { return IsCellEditable(cell.row, cell.col); }

  // ---- editing, clipboard, drag and drop ----
  virtual void OnEditCell(int nRow, int nCol, UINT nChar);
  virtual void OnEndEditCell(int nRow, int nCol, CString str);
  virtual void CreateInPlaceEditControl(const RECT& rect, DWORD dwStyle, UINT nID, int nRow,
                                        int nCol, LPCSTR szText, UINT nChar);
  // Shows the message ("Input Error") over the cell, then opens the editor on it.
  void ShowInputError(int nRow, int nCol, LPCSTR message);
  // The selection as clipboard text in a new data source (the caller owns it), or NULL.
  virtual COleDataSource* CopyTextFromGrid();
  // Writes text rows from the cell on; see GridCtrlEdit.cpp for the rules.
  virtual BOOL PasteTextToGrid(GRIDCELLID cell, COleDataObject* pDataObject);
  BOOL PasteTextToGrid(int nRow, int nCol, COleDataObject* pDataObject) {
    return PasteTextToGrid(GRIDCELLID(nRow, nCol), pDataObject);
  }
  virtual void CutSelectedText();
  virtual void OnEditCut();
  virtual void OnEditCopy();
  virtual void OnEditPaste();
  virtual void OnEditSelectAll();
  void OnBeginDrag();
  DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  void OnDragLeave();
  BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
  CGridDropTarget& GetDropTarget() { return m_DropTarget; }

  // ---- notification ----
  virtual LRESULT SendMessageToParent(int nRow, int nCol, int nMessage);

 protected:
  void PreSubclassWindow() override;
  virtual void OnFixedColumnClick(GRIDCELLID& cell);
  virtual void OnFixedRowClick(GRIDCELLID& cell);
  virtual void OnSelChanged(int nRow, int nCol) {}
  virtual void OnCellChanged(int nRow, int nCol) {}
  virtual CGridCell* CreateCell(int nRow, int nCol);
  virtual void EmptyCell(CGridCell* pCell, int nRow, int nCol);
  virtual void PrintColumnHeadings(CDC* pDC, CPrintInfo* pInfo);
  virtual void PrintHeader(CDC* pDC, CPrintInfo* pInfo);
  virtual void PrintFooter(CDC* pDC, CPrintInfo* pInfo);

  CGridCell* GetCell(int nRow, int nCol) const;
  // The rows or the columns as an axis of the layout rules (valid until the sizes change).
  gridlogic::GridAxis RowAxis() const;
  gridlogic::GridAxis ColumnAxis() const;

  // Message handlers.
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  afx_msg void OnSysColorChange();
  afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnDestroy();
  afx_msg LRESULT OnSetFont(WPARAM hFont, LPARAM lParam);
  afx_msg LRESULT OnGetFont(WPARAM hFont, LPARAM lParam);
  afx_msg LRESULT OnAfterEdit(WPARAM wParam, LPARAM lParam);
  afx_msg void OnEndInPlaceEdit(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
  afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
  afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
  afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
  DECLARE_MESSAGE_MAP()

 protected:
  // Posted to itself when work is left for after an in-place edit ended.
  static const UINT WM_GRID_AFTEREDIT = WM_USER + 0x0120;

  // ---- helpers ----
  BOOL DrawNormalCell(CDC* pDC, CGridCell* pCell, CRect rect, BOOL bEraseBk,
                      COLORREF selectedFill, COLORREF selectedText);
  void DrawFixedCellContent(CDC* pDC, CGridCell* pCell, int nRow, int nCol, CRect rect,
                            BOOL enabled);
  void DrawFocusFrames(CDC* pDC);
  // Printed rows [first, end) from y = 0 over every column, ruled; headings or normal cells.
  void PrintRows(CDC* pDC, int first, int end, BOOL bHeadings);
  // Disabled windows draw their cells greyed; without a window (printing) cells are enabled.
  BOOL IsGridEnabled() const { return !::IsWindow(m_hWnd) || ::IsWindowEnabled(m_hWnd); }
  BOOL IsDrawingAllowed() const { return m_bAllowDraw && ::IsWindow(m_hWnd); }
  // After the sizes changed, while drawing is allowed: the scroll bars fitted anew and the
  // whole grid repainted.
  void RefitAndRepaint();
  // A cell of a row or column being cut off: emptied (its owner hears of it), out of the
  // previous selection, and freed.
  void DiscardCell(CGridCell* pCell, int nRow, int nCol);
  void ResetSizeArrays();
  void TakeSystemColours();
  void SetTextMetricsFromFont(HFONT hFont);
  HFONT CellFont(CGridCell* pCell, BOOL bBold, CFont& temp);
  void InvertSizingBand(CPoint point);
  int DividerColumn(CPoint point);
  int DividerRow(CPoint point);
  void EndSizing();
  void PostNextDlgCtrl(BOOL bPrevious);
  // Delete: empties the selected editable cells and reports the change.
  void ClearSelectedCells();
  void KillAutoScrollTimer();
  void ReportRejectedText(int nRow, int nCol, const CString& text, int nRejected);
  void PostAfterEdit(UINT action, int nRow, int nCol, UINT nKey);
  static ULONGLONG CellKey(int nRow, int nCol) {
    return (static_cast<ULONGLONG>(static_cast<UINT>(nRow)) << 32) | static_cast<UINT>(nCol);
  }

  // ---- data ----
  int m_nRows;
  int m_nFixedRows;
  int m_nCols;
  int m_nFixedCols;
  int m_nMaxRows;
  CArray<CGridRow*, CGridRow*> m_RowData;
  CArray<UINT, UINT> m_arRowHeights;
  CArray<UINT, UINT> m_arColWidths;

  // Colours: the grid's, and the system colours they were taken from (cached).
  COLORREF m_crTextColour, m_crBkColour, m_crEmptyAreaColour;
  COLORREF m_crFixedTextColour, m_crFixedBkColour, m_crGridColour;
  COLORREF m_crWindowText, m_crWindowColour, m_cr3DFace, m_crShadow, m_crHighlight;
  COLORREF m_crLightHighlight;

  int m_nGridLines;
  BOOL m_bEditable;
  BOOL m_bModified;
  BOOL m_bAllowDragAndDrop;
  BOOL m_bListMode;
  BOOL m_bWholeRowSelection;
  BOOL m_bAllowDraw;
  BOOL m_bEnableSelection;
  BOOL m_bHandleTabKey;  // a Tab typed on the grid does not start editing
  BOOL m_bDoubleBuffer;
  BOOL m_bAllowRowResize, m_bAllowColResize;
  BOOL m_bSortOnClick;
  BOOL m_bAscending;
  int m_nSortColumn;
  PFNGRIDCOMPARE m_pfnCompare;
  BYTE m_bAlternateDrawing;

  int m_nDefRowHeight;
  int m_nDefColWidth;
  int m_nMargin;
  LOGFONTA m_Logfont;
  CFont m_Font;
  CFont m_BoldFont;  // the grid font at weight 600, made when first needed
  CFont m_PrinterFont;
  CImageList* m_pImageList;

  int m_MouseMode;
  UINT_PTR m_nTimerID;
  int m_nTimerInterval;
  int m_nResizeCaptureRange;
  UINT m_nRowsPerWheelNotch;
  GRIDCELLID m_idCurrentCell, m_SelectionStartCell, m_LeftClickDownCell, m_LastDragOverCell;
  CPoint m_LeftClickDownPoint, m_LastMousePoint;
  BOOL m_bSizingBandShown;
  int m_nSizingIndex;        // the row or column whose divider is being dragged
  BOOL m_bReleasingCapture;  // our own ReleaseCapture, not a loss of the capture

  // Selected cells and the cells kept selected across a Ctrl-click, keyed by row and column.
  std::map<ULONGLONG, GRIDCELLID> m_SelectedCellMap;
  std::map<ULONGLONG, GRIDCELLID> m_PrevSelectedCellMap;

  int m_nVScrollMax, m_nHScrollMax;
  BOOL m_bInResetScrollBars;  // re-entry guard of this grid

  // Printing, in grid pixels: the printer font's average character, the page and its body.
  CSize m_CharSize;
  int m_nPageHeight;
  int m_nPrintBodyHeight;
  int m_nPrintWidth;
  std::vector<int> m_PageStarts;  // the first row of each page

  // Work left for after an edit ended (a continued move, or a refused text to report).
  UINT m_nAfterEditAction;
  GRIDCELLID m_AfterEditCell;
  UINT m_nAfterEditKey;
  CString m_strInputError;

  // The cells the last paste or drop wrote, and whether a drag of ours was dropped on us.
  std::set<ULONGLONG> m_LastPastedCells;
  BOOL m_bDroppedHere;

  CGridDropTarget m_DropTarget;
  BOOL m_bMustUninitOle;

  friend class CGridDropTarget;
};

// Binds a grid member to the template's "MFCGridCtrl" control on the first exchange.
void DDX_GridControl(CDataExchange* pDX, int nIDC, CGridCtrl& rControl);

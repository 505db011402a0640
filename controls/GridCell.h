// CGridCell: one cell of the grid control, and the records through which callers read and
// write cells (GRIDITEM) and hear about them (GRIDNOTIFY, GRIDDISPINFO).
#pragma once

#include "controls/GridTypes.h"
#include "framework/win/AfxWin.h"

class CGridCell : public CObject {
  DECLARE_DYNCREATE(CGridCell)
 public:
  CGridCell();
  ~CGridCell() override;

  UINT m_nType;       // GRIDTYPE_TEXT or GRIDTYPE_CHECKBOX
  UINT m_nState;      // GRIDSTATE_ bits
  UINT m_nFormat;     // DrawText format of the text
  CString m_strText;
  int m_nImage;         // index into the grid's image list, -1 for none
  COLORREF m_crBkClr;   // GRIDCLR_DEFAULT: the grid's colour
  COLORREF m_crFgClr;
  LPARAM m_lParam;
  LOGFONTA m_lfFont;
  // Texts that pick an image of the value image list (the first equal text wins).
  CStringArray m_arValues;
  CImageList* m_pValueImageList;
  BYTE m_bValueImageTransparent;
};

// One row: a cell per column, owned by the grid.
class CGridRow : public CArray<CGridCell*, CGridCell*> {};

// The record of CGridCtrl::SetItem and GetItem; mask (GRIDIF_ bits) says which fields count.
struct GRIDITEM {
  UINT type = GRIDTYPE_TEXT;
  int row = -1;
  int col = -1;
  UINT mask = 0;
  UINT state = 0;
  UINT format = 0;
  CString text;
  int image = -1;
  COLORREF crBkClr = GRIDCLR_DEFAULT;
  COLORREF crFgClr = GRIDCLR_DEFAULT;
  LPARAM lParam = 0;
  LOGFONTA lfFont = {};
};

// WM_NOTIFY from the grid to its owner: which cell (-1, -1 for GRIDN_CHANGED).
struct GRIDNOTIFY {
  NMHDR hdr;
  int row;
  int col;
};

// WM_NOTIFY (GRIDN_ENDEDIT) from the in-place editor to the grid: the edited cell, its text
// (GRIDIF_TEXT) and, in lParam (GRIDIF_PARAM), the key that ended editing (0: focus loss).
struct GRIDDISPINFO {
  NMHDR hdr;
  GRIDITEM item;
};

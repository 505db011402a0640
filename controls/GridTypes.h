// The grid control's small shared records and codes: cell ids, ranges, cell types and states,
// item masks, notification codes, grid-line and mouse modes. Portable (no Windows headers).
#pragma once

#include "framework/base/WinTypes.h"

// A cell by row and column; (-1, -1) names no cell.
struct GRIDCELLID {
  int row;
  int col;
  GRIDCELLID(int nRow = -1, int nCol = -1) : row(nRow), col(nCol) {}
  bool operator==(const GRIDCELLID& o) const { return row == o.row && col == o.col; }
  bool operator!=(const GRIDCELLID& o) const { return !(*this == o); }
};

// A block of cells, both ends included. Valid when every index is >= 0, inside the counts, and
// each minimum is at most its maximum.
struct GRIDRANGE {
  int minRow;
  int minCol;
  int maxRow;
  int maxCol;
  GRIDRANGE(int r0 = -1, int c0 = -1, int r1 = -1, int c1 = -1)
      : minRow(r0), minCol(c0), maxRow(r1), maxCol(c1) {}
  bool operator==(const GRIDRANGE& o) const {
    return minRow == o.minRow && minCol == o.minCol && maxRow == o.maxRow && maxCol == o.maxCol;
  }
  bool Contains(int row, int col) const {
    return row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
  }
};

// Cell types.
#define GRIDTYPE_TEXT 0u
#define GRIDTYPE_CHECKBOX 1u  // text "1" (checked) or "0"; always read-only

// Cell state bits.
#define GRIDSTATE_FOCUSED 0x01u
#define GRIDSTATE_SELECTED 0x02u
#define GRIDSTATE_DROPHILITED 0x04u
#define GRIDSTATE_READONLY 0x08u

// Item mask bits: which fields of a GRIDITEM are meant.
#define GRIDIF_TEXT 0x001u
#define GRIDIF_IMAGE 0x002u
#define GRIDIF_PARAM 0x004u
#define GRIDIF_STATE 0x008u
#define GRIDIF_BKCLR 0x010u
#define GRIDIF_FGCLR 0x020u
#define GRIDIF_FORMAT 0x040u
#define GRIDIF_FONT 0x080u
#define GRIDIF_TYPE 0x100u

// A cell colour that means "the grid's own colour".
#define GRIDCLR_DEFAULT ((COLORREF)0xFF000000)

// Notification codes (WM_NOTIFY to the grid's owner).
#define GRIDN_BEGINDRAG (-100)
#define GRIDN_BEGINEDIT (-101)
#define GRIDN_ENDEDIT (-105)
#define GRIDN_SELCHANGING (-106)
#define GRIDN_SELCHANGED (-107)
#define GRIDN_CHANGED (-108)

// Grid-line modes.
#define GRIDLINES_NONE 0
#define GRIDLINES_HORZ 1
#define GRIDLINES_VERT 2
#define GRIDLINES_BOTH 3

// What the mouse is doing.
#define GRIDMOUSE_NOTHING 0
#define GRIDMOUSE_SELECT_ALL 1
#define GRIDMOUSE_SELECT_COL 2
#define GRIDMOUSE_SELECT_ROW 3
#define GRIDMOUSE_SELECT_CELLS 4
#define GRIDMOUSE_OVER_ROW_DIVIDE 6
#define GRIDMOUSE_SIZING_ROW 7
#define GRIDMOUSE_OVER_COL_DIVIDE 8
#define GRIDMOUSE_SIZING_COL 9
#define GRIDMOUSE_PREPARE_EDIT 10
#define GRIDMOUSE_PREPARE_DRAG 11
#define GRIDMOUSE_DRAGGING 12

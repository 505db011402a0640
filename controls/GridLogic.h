// The grid control's rules that need no window: where rows and columns lie for a scroll
// position, scroll ranges, the keyboard's moves, wheel steps, fitting columns to a width,
// divider hits, print pages and sorting. Rows and columns follow the same rules, so the
// geometry works on one axis at a time.
#pragma once

#include <vector>

#include "controls/GridTypes.h"

namespace gridlogic {

// One axis: the sizes (row heights or column widths, pixels) and how many lead as fixed
// headings. Sizes past the count are never read.
struct GridAxis {
  const UINT* sizes;
  int count;
  int fixed;
  int Size(int i) const { return static_cast<int>(sizes[i]); }
  int FixedExtent() const;    // sum over the fixed entries
  int VirtualExtent() const;  // sum over all entries
};

// The first non-fixed entry shown at a scroll position (pixels of the non-fixed area): sizes
// from the first non-fixed entry are added while their sum stays below the position, never
// past the last entry. A position inside an entry gives the next one.
int TopLeftNonFixed(const GridAxis& axis, int scrollPos);

// The last entry shown when entries follow one another from the fixed extent, starting at
// `first`, in a client extent: the one that reaches the client end is the last (capped at the
// last entry). `reached` is where the last one ends, at most the client extent.
struct VisibleSpan {
  int last;
  int reached;
};
VisibleSpan VisibleEnd(const GridAxis& axis, int first, int clientExtent);

// Where an entry starts on screen: fixed entries at their running sum; others after the fixed
// extent counted from `topLeft`. False for an index out of range or scrolled out before
// `topLeft`.
bool EntryOrigin(const GridAxis& axis, int index, int topLeft, int& origin);

// The entry under a coordinate (0 <= p < clientExtent is the caller's check), or -1: inside
// the fixed extent a fixed entry (only when allowed), else the first entry from `topLeft`
// whose last pixel is at or after p; -1 past the last entry.
int EntryAt(const GridAxis& axis, int topLeft, int p, bool allowFixed);

// The top of a scroll range (the range starts at clientMin): beyond clientMin only when the
// non-fixed entries do not fit the visible extent.
int ScrollMaximum(const GridAxis& axis, int clientMin, int visibleExtent);

// ---- keyboard ---------------------------------------------------------------------------------

struct GridCounts {
  int rows;
  int cols;
  int fixedRows;
  int fixedCols;
};

enum class MoveKey { Left, Up, Right, Down, Tab, Enter };

struct GridMove {
  enum Kind { Move, NextControl, PrevControl } kind = Move;
  GRIDCELLID cell;       // the next focus cell (Move); may equal the focus (nothing to do)
  bool wrapped = false;  // Tab/Enter went on to the next or previous row
};

// Tab and Enter walk the non-fixed cells row by row (Shift walks back) and leave the grid past
// the last or before the first cell; Ctrl+Tab leaves at once. The arrows move one cell, never
// into the fixed cells and never past the last.
GridMove KeyMove(GRIDCELLID focus, MoveKey key, bool shift, bool ctrl, const GridCounts& counts);

// Page Up/Down: the focus row follows the top row's move, within the non-fixed rows; when the
// top row did not move, it goes to the first (up) or last (down) row.
int PageMoveRow(int row, int topBefore, int topAfter, bool down, const GridCounts& counts);

// ---- mouse wheel ------------------------------------------------------------------------------

const UINT kWheelPageScroll = 0xFFFFFFFFu;

// The wheel lines of the registry's "WheelScrollLines" text: decimal digits after optional
// blanks (a value past the UINT range stays at its top); 3 when there are none.
UINT ParseWheelLines(const char* text);

struct WheelScroll {
  int count = 0;       // scroll messages to send
  bool pages = false;  // page steps instead of line steps
  bool up = false;
};
// delta in wheel units (120 a notch, positive away from the user); `lines` per notch, or
// kWheelPageScroll. Counted in signed arithmetic and capped at maxSteps messages.
WheelScroll WheelSteps(int delta, UINT lines, int maxSteps);

// ---- sizes ------------------------------------------------------------------------------------

// Spreads the difference between the client width and the columns' total over the columns
// (the first ones take the remainder, one pixel each). A column never goes below
// min(its old width, floor), so widths never turn negative.
void ExpandToFit(UINT* widths, int count, int clientWidth, int floor);

// Whether a point near a cell's edges grabs a divider: Before within `range` pixels of the
// first pixel, After within `range` pixels of the last pixel (last = first + size - 1).
enum class DividerSide { None, Before, After };
DividerSide DividerNear(int p, int first, int last, int range);

// ---- printing ---------------------------------------------------------------------------------

// The first row of each printed page: rows from `first` to count - 1 fill a page until the next
// would pass the body height; that row starts the next page. Every page holds at least one
// row, however tall. Empty when there are no rows to print.
std::vector<int> PageStarts(const UINT* heights, int first, int count, int bodyHeight);

// ---- sorting ----------------------------------------------------------------------------------

// Sorts items[low..high] by compare(a, b) (negative, zero, positive), ascending or descending,
// with the middle item as pivot; swap(i, j) is told of every exchange so that parallel arrays
// can follow. Recursion goes into the smaller part only.
template <class T, class Compare, class Swap>
void QuickSort(T* items, int low, int high, bool ascending, Compare compare, Swap swap) {
  while (low < high) {
    T pivot = items[low + (high - low) / 2];
    int i = low;
    int j = high;
    while (i <= j) {
      if (ascending) {
        while (i < high && compare(items[i], pivot) < 0) ++i;
        while (j > low && compare(items[j], pivot) > 0) --j;
      } else {
        while (i < high && compare(items[i], pivot) > 0) ++i;
        while (j > low && compare(items[j], pivot) < 0) --j;
      }
      if (i <= j) {
        if (i != j) {
          T t = items[i];
          items[i] = items[j];
          items[j] = t;
          swap(i, j);
        }
        ++i;
        --j;
      }
    }
    if (j - low < high - i) {
      QuickSort(items, low, j, ascending, compare, swap);
      low = i;
    } else {
      QuickSort(items, i, high, ascending, compare, swap);
      high = j;
    }
  }
}

}  // namespace gridlogic

#include "controls/GridLogic.h"

#include <algorithm>
#include <cstdlib>

namespace gridlogic {

int GridAxis::FixedExtent() const {
  int sum = 0;
  for (int i = 0; i < fixed && i < count; ++i) sum += Size(i);
  return sum;
}

int GridAxis::VirtualExtent() const {
  int sum = 0;
  for (int i = 0; i < count; ++i) sum += Size(i);
  return sum;
}

int TopLeftNonFixed(const GridAxis& axis, int scrollPos) {
  int index = axis.fixed;
  int sum = 0;
  while (sum < scrollPos && index < axis.count - 1) sum += axis.Size(index++);
  return index;
}

VisibleSpan VisibleEnd(const GridAxis& axis, int first, int clientExtent) {
  int end = axis.FixedExtent();
  int i = first;
  for (; i < axis.count; ++i) {
    end += axis.Size(i);
    if (end >= clientExtent) {
      end = clientExtent;
      break;
    }
  }
  VisibleSpan span;
  span.last = std::min(i, axis.count - 1);
  span.reached = std::min(end, clientExtent);
  return span;
}

bool EntryOrigin(const GridAxis& axis, int index, int topLeft, int& origin) {
  if (index < 0 || index >= axis.count) return false;
  int pos = 0;
  if (index < axis.fixed) {
    for (int i = 0; i < index; ++i) pos += axis.Size(i);
  } else {
    if (index < topLeft) return false;
    pos = axis.FixedExtent();
    for (int i = topLeft; i < index; ++i) pos += axis.Size(i);
  }
  origin = pos;
  return true;
}

int EntryAt(const GridAxis& axis, int topLeft, int p, bool allowFixed) {
  if (p < 0) return -1;
  int fixedExtent = axis.FixedExtent();
  if (p < fixedExtent) {
    if (!allowFixed) return -1;
    int end = 0;
    for (int i = 0; i < axis.fixed && i < axis.count; ++i) {
      end += axis.Size(i);
      if (end > p) return i;
    }
    return -1;
  }
  int end = fixedExtent;
  for (int i = std::max(topLeft, axis.fixed); i < axis.count; ++i) {
    end += axis.Size(i);
    if (end > p) return i;
  }
  return -1;
}

int ScrollMaximum(const GridAxis& axis, int clientMin, int visibleExtent) {
  int scrolled = axis.VirtualExtent() - axis.FixedExtent();
  return visibleExtent < scrolled ? scrolled + clientMin - 1 : clientMin;
}

GridMove KeyMove(GRIDCELLID focus, MoveKey key, bool shift, bool ctrl, const GridCounts& c) {
  GridMove move;
  move.cell = focus;
  int row = focus.row;
  int col = focus.col;
  switch (key) {
    case MoveKey::Tab:
    case MoveKey::Enter:
      if (ctrl && key == MoveKey::Tab) {
        move.kind = shift ? GridMove::PrevControl : GridMove::NextControl;
      } else if (!shift) {
        if (col < c.cols - 1) {
          move.cell = GRIDCELLID(row, col + 1);
        } else if (row < c.rows - 1 && c.fixedCols < c.cols) {
          move.cell = GRIDCELLID(row + 1, c.fixedCols);
          move.wrapped = true;
        } else {
          move.kind = GridMove::NextControl;
        }
      } else {
        if (col > c.fixedCols) {
          move.cell = GRIDCELLID(row, col - 1);
        } else if (row > c.fixedRows && c.cols > 0) {
          move.cell = GRIDCELLID(row - 1, c.cols - 1);
          move.wrapped = true;
        } else {
          move.kind = GridMove::PrevControl;
        }
      }
      break;
    case MoveKey::Left:
      if (col > c.fixedCols) move.cell.col = col - 1;
      break;
    case MoveKey::Right:
      if (col < c.cols - 1) move.cell.col = col + 1;
      break;
    case MoveKey::Up:
      if (row > c.fixedRows) move.cell.row = row - 1;
      break;
    case MoveKey::Down:
      if (row < c.rows - 1) move.cell.row = row + 1;
      break;
  }
  return move;
}

int PageMoveRow(int row, int topBefore, int topAfter, bool down, const GridCounts& c) {
  if (topAfter == topBefore) return down ? c.rows - 1 : c.fixedRows;
  if (down) return std::min(row + (topAfter - topBefore), c.rows - 1);
  return std::max(row - (topBefore - topAfter), c.fixedRows);
}

UINT ParseWheelLines(const char* text) {
  if (!text) return 3;
  while (*text == ' ' || *text == '\t') ++text;
  if (*text < '0' || *text > '9') return 3;
  unsigned long long value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    value = value * 10 + static_cast<unsigned>(*text - '0');
    if (value > 0xFFFFFFFFull) value = 0xFFFFFFFFull;
  }
  return static_cast<UINT>(value);
}

WheelScroll WheelSteps(int delta, UINT lines, int maxSteps) {
  WheelScroll scroll;
  long long steps;
  if (lines == kWheelPageScroll) {
    scroll.pages = true;
    steps = delta / 120;
  } else {
    steps = static_cast<long long>(delta) * static_cast<long long>(lines) / 120;
  }
  scroll.up = steps > 0;
  long long count = steps < 0 ? -steps : steps;
  if (count > maxSteps) count = maxSteps < 0 ? 0 : maxSteps;
  scroll.count = static_cast<int>(count);
  return scroll;
}

void ExpandToFit(UINT* widths, int count, int clientWidth, int floor) {
  if (count <= 0) return;
  long long total = 0;
  for (int i = 0; i < count; ++i) total += widths[i];
  long long d = clientWidth - total;
  long long each = d / count;  // truncated toward zero
  long long rest = (d < 0 ? -d : d) % count;
  for (int i = 0; i < count; ++i) {
    long long old = widths[i];
    long long w = old + each;
    if (i < rest) w += d > 0 ? 1 : -1;
    long long lowest = std::min<long long>(old, floor < 0 ? 0 : floor);
    if (w < lowest) w = lowest;
    if (w > 0x7FFFFFFF) w = 0x7FFFFFFF;
    widths[i] = static_cast<UINT>(w);
  }
}

DividerSide DividerNear(int p, int first, int last, int range) {
  if (p - first < range && p >= first) return DividerSide::Before;
  if (last - p < range && p <= last) return DividerSide::After;
  return DividerSide::None;
}

std::vector<int> PageStarts(const UINT* heights, int first, int count, int bodyHeight) {
  std::vector<int> starts;
  long long used = 0;
  for (int r = first; r < count; ++r) {
    long long h = heights[r];
    if (starts.empty()) {
      starts.push_back(r);
      used = h;
    } else if (used + h > bodyHeight) {
      starts.push_back(r);
      used = h;
    } else {
      used += h;
    }
  }
  return starts;
}

}  // namespace gridlogic

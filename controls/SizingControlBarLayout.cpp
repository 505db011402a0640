#include "controls/SizingControlBarLayout.h"

#include <algorithm>
#include <cstdlib>

namespace sizingbar {

static const UINT kDockTop = 0xE81B, kDockLeft = 0xE81C, kDockRight = 0xE81D, kDockBottom = 0xE81E;

bool IsHorizontalDock(UINT id) {
  return id == kDockTop || id == kDockBottom;
}
bool IsVerticalDock(UINT id) {
  return id == kDockLeft || id == kDockRight;
}

void RowRange(const std::vector<RowEntry>& list, int index, int& first, int& last) {
  first = index;
  while (first > 0 && list[first - 1].IsBar()) --first;
  last = index;
  while (last + 1 < static_cast<int>(list.size()) && list[last + 1].IsBar()) ++last;
}

std::vector<int> RowSizingBars(const std::vector<RowEntry>& list, int index) {
  int first, last;
  RowRange(list, index, first, last);
  std::vector<int> out;
  for (int i = first; i <= last; ++i)
    if (list[i].kind == RowEntry::Sizing && list[i].visible) out.push_back(i);
  return out;
}

ShareResult ShareRowSpace(std::vector<RowEntry>& list, int self, int totalLength) {
  ShareResult res;
  int first, last;
  RowRange(list, self, first, last);

  int minTotal = 2, available = totalLength, actual = 0, thickest = 0;
  int stop = -1;
  for (int i = first; i <= last; ++i) {
    RowEntry& e = list[i];
    if (!e.Counts()) continue;
    int len = e.kind == RowEntry::Sizing ? e.minLength : e.length;
    minTotal += len - 2;
    if (minTotal > totalLength) {
      stop = i;
      break;
    }
    if (e.kind == RowEntry::Sizing) {
      actual += e.length - 2;
      thickest = std::max(thickest, e.thickness);
    } else {
      available -= len - 2;
    }
  }

  if (stop >= 0) {
    if (stop < self) {
      list.insert(list.begin() + stop + 1, RowEntry{});
      res.usable = false;
      res.changed = true;
      return res;
    }
    if (stop == self) {
      res.changed = list[self].length != list[self].minLength;
      list[self].length = list[self].minLength;
      return res;
    }
    list.insert(list.begin() + stop, RowEntry{});
    last = stop - 1;
    res.changed = true;
  }

  std::vector<RowEntry*> bars;
  for (int i = first; i <= last; ++i)
    if (list[i].kind == RowEntry::Sizing && list[i].visible) bars.push_back(&list[i]);

  int delta = available - actual;
  if (bars.size() > 1) {
    for (RowEntry* b : bars) {
      if (b->thickness != thickest) {
        b->thickness = thickest;
        res.changed = true;
      }
    }
    while (delta != 0) {
      bool progress = false;
      for (RowEntry* b : bars) {
        if (delta == 0) break;
        if (b->keepSize || (delta < 0 && b->length <= b->minLength)) continue;
        int step = delta > 0 ? 1 : -1;
        b->length += step;
        delta -= step;
        progress = true;
      }
      if (progress) {
        res.changed = true;
        continue;
      }
      bool anyKeep = false;
      for (RowEntry* b : bars) {
        anyKeep = anyKeep || b->keepSize;
        b->keepSize = false;
      }
      if (!anyKeep) break;  // every bar is at its minimum: nothing more to take
    }
  } else if (bars.size() == 1) {
    bars[0]->keepSize = false;
    if (delta != 0) {
      bars[0]->length += delta;
      res.changed = true;
    }
  }
  return res;
}

bool IsInnerEdge(UINT edge, bool horzRow) {
  if (horzRow) return edge == HTLEFT || edge == HTRIGHT;
  return edge == HTTOP || edge == HTBOTTOM;
}

static bool IsTrailingEdge(UINT edge) {
  return edge == HTRIGHT || edge == HTBOTTOM;
}

void BeginInnerDrag(const std::vector<RowEntry*>& bars, int self, UINT edge, int pos,
                    DragState& st) {
  st.edge = edge;
  st.inner = true;
  st.minPos = st.maxPos = st.lastPos = pos;
  int grow = IsTrailingEdge(edge) ? self + 1 : self;
  for (int i = 0; i < static_cast<int>(bars.size()); ++i) {
    int spare = std::max(0, bars[i]->length - bars[i]->minLength);
    if (i < grow)
      st.minPos -= spare;
    else
      st.maxPos += spare;
  }
}

void BeginOuterDrag(const std::vector<RowEntry*>& bars, int self, UINT edge, int pos, int freeSpace,
                    DragState& st) {
  st.edge = edge;
  st.inner = false;
  st.minPos = st.maxPos = st.lastPos = pos;
  int minThick = 0;
  for (const RowEntry* b : bars) minThick = std::max(minThick, b->minThickness);
  int excess = std::max(0, bars[self]->thickness - minThick);
  int room = std::max(0, freeSpace - 2);
  if (IsTrailingEdge(edge)) {
    st.minPos -= excess;
    st.maxPos += room;
  } else {
    st.minPos -= room;
    st.maxPos += excess;
  }
}

bool UpdateDrag(std::vector<RowEntry*>& bars, int self, DragState& st, int pos) {
  pos = std::max(std::min(pos, st.maxPos), st.minPos);
  if (pos == st.lastPos) return false;
  int delta = pos - st.lastPos;
  st.lastPos = pos;
  int n = static_cast<int>(bars.size());
  if (!st.inner) {
    int thick = bars[self]->thickness + (IsTrailingEdge(st.edge) ? delta : -delta);
    for (RowEntry* b : bars) b->thickness = thick;
    return true;
  }
  // The edge lies between bars lead and lead + 1.
  int lead = IsTrailingEdge(st.edge) ? self : self - 1;
  if (lead < 0 || lead + 1 >= n) return true;
  int grow = delta > 0 ? lead : lead + 1;
  int dir = delta > 0 ? 1 : -1;
  int want = std::abs(delta), taken = 0;
  for (int i = delta > 0 ? lead + 1 : lead; i >= 0 && i < n && taken < want; i += dir) {
    int give = std::min(want - taken, std::max(0, bars[i]->length - bars[i]->minLength));
    bars[i]->length -= give;
    taken += give;
  }
  bars[grow]->length += taken;
  return true;
}

RECT CalcClientArea(RECT rc, UINT dockBarId, DWORD& edgeFlags, int edgeWidth) {
  if (!IsHorizontalDock(dockBarId) && !IsVerticalDock(dockBarId)) {
    rc.left += 3;
    rc.top += 5;
    rc.right -= 3;
    rc.bottom -= 3;
    return rc;
  }
  switch (dockBarId) {
    case kDockTop:
      edgeFlags |= 8;
      break;
    case kDockLeft:
      edgeFlags |= 2;
      break;
    case kDockRight:
      edgeFlags |= 1;
      break;
    default:
      edgeFlags |= 4;
      break;
  }
  if (edgeFlags & 1) rc.left += edgeWidth;
  if (edgeFlags & 2) rc.right -= edgeWidth;
  if (edgeFlags & 4) rc.top += edgeWidth;
  if (edgeFlags & 8) rc.bottom -= edgeWidth;
  return rc;
}

bool GetEdgeRect(const RECT& bar, UINT edge, DWORD edgeFlags, bool vertRow, int w, RECT& out) {
  out = bar;
  switch (edge) {
    case HTLEFT:
      if (!(edgeFlags & 1)) return false;
      out.right = out.left + w;
      break;
    case HTRIGHT:
      if (!(edgeFlags & 2)) return false;
      out.left = out.right - w;
      break;
    case HTTOP:
      if (!(edgeFlags & 4)) return false;
      out.bottom = out.top + w;
      break;
    case HTBOTTOM:
      if (!(edgeFlags & 8)) return false;
      out.top = out.bottom - w;
      break;
    default:
      return false;
  }
  if (vertRow) {
    if (edge == HTLEFT || edge == HTRIGHT) {
      out.top += w;
      out.bottom -= w;
    } else {
      out.left += w;
      out.right -= w;
    }
  }
  return true;
}

RECT MinimizeButtonRect(const RECT& edge) {
  RECT r = edge;
  int mid = (edge.top + edge.bottom) / 2;
  r.top = mid - 62;
  r.bottom = mid + 62;
  return r;
}

static bool Inside(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

LRESULT HitTest(const HitInput& in) {
  bool vert = IsVerticalDock(in.dockBarId);
  if (!vert && !IsHorizontalDock(in.dockBarId)) return HTCLIENT;
  RECT r;
  if (GetEdgeRect(in.window, HTTOP, in.edgeFlags, vert, in.edgeWidth, r) && Inside(r, in.pt))
    return HTTOP;
  if (GetEdgeRect(in.window, HTBOTTOM, in.edgeFlags, vert, in.edgeWidth, r) && Inside(r, in.pt))
    return HTBOTTOM;
  const UINT sides[2] = {HTLEFT, HTRIGHT};
  const UINT buttonDock[2] = {kDockRight, kDockLeft};
  for (int k = 0; k < 2; ++k) {
    if (!(in.edgeFlags & (k == 0 ? 1u : 2u))) continue;
    GetEdgeRect(in.window, sides[k], in.edgeFlags, vert, in.edgeWidth, r);
    if (in.collapsing && in.dockBarId == buttonDock[k] && Inside(MinimizeButtonRect(r), in.pt))
      return HTMINBUTTON;
    if (!in.collapsed && Inside(r, in.pt)) return sides[k];
    return HTCLIENT;
  }
  return HTCLIENT;
}

DWORD EdgeFlags(bool horzRow, int position, int count) {
  DWORD f = 0;
  if (position > 0) f |= horzRow ? 1 : 4;
  if (position < count - 1) f |= horzRow ? 2 : 8;
  return f;
}

void ToggleMinimized(CollapseState& st) {
  if (!st.collapsed) {
    st.expanded = st.vert;
    st.vert = st.vertMin;
  } else {
    st.vert = st.expanded;
  }
  st.collapsed = !st.collapsed;
}

int ClampStoredSize(int stored, int minimum, int limit) {
  if (limit > 0 && stored > limit) stored = limit;
  return std::max(stored, minimum);
}

bool ArrowsPointRight(bool dockedRight, bool collapsed) {
  return dockedRight != collapsed;
}

}  // namespace sizingbar

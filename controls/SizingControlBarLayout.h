// Window-free rules of the sizing control bar: sharing a dock row among bars,
// edge-drag ranges and redistribution, collapsing, hit testing and the stored sizes.
#pragma once

#include <windows.h>

#include <vector>

namespace sizingbar {

// One entry of a dock bar's list: a row separator, a sizing bar or another bar.
struct RowEntry {
  enum Kind { Separator, Sizing, Fixed } kind = Separator;
  bool visible = true;
  int length = 0;     // along the row
  int thickness = 0;  // across the row
  int minLength = 0;
  int minThickness = 0;
  bool keepSize = false;
  void* tag = nullptr;  // the bar behind the entry
  bool IsBar() const { return kind != Separator; }
  bool Counts() const { return kind != Separator && visible; }
};

// First and last index of the row that holds index (between separators).
void RowRange(const std::vector<RowEntry>& list, int index, int& first, int& last);

// Indexes of the visible sizing bars of the row that holds index.
std::vector<int> RowSizingBars(const std::vector<RowEntry>& list, int index);

struct ShareResult {
  bool usable = true;    // false when the row was broken before this bar
  bool changed = false;  // lengths or thicknesses changed
};

// Shares totalLength among the row of list[self]; may insert a row break.
ShareResult ShareRowSpace(std::vector<RowEntry>& list, int self, int totalLength);

// Edge codes as the hit test reports them.
enum Edge { EdgeLeft = HTLEFT, EdgeRight = HTRIGHT, EdgeTop = HTTOP, EdgeBottom = HTBOTTOM };

bool IsHorizontalDock(UINT dockBarId);
bool IsVerticalDock(UINT dockBarId);

// Whether an edge lies between two bars of the row (not the row's outer edge).
bool IsInnerEdge(UINT edge, bool horzRow);

struct DragState {
  UINT edge = 0;
  bool inner = false;
  int minPos = 0, maxPos = 0, lastPos = 0;
};

// Drag range of an edge between bars of a row. bars are the row's sizing bars,
// self the dragged bar's position among them.
void BeginInnerDrag(const std::vector<RowEntry*>& bars, int self, UINT edge, int pos,
                    DragState& st);

// Drag range of the outer edge. freeSpace is the frame's free client extent
// across the row.
void BeginOuterDrag(const std::vector<RowEntry*>& bars, int self, UINT edge, int pos, int freeSpace,
                    DragState& st);

// Moves the edge to pos (clamped to the range); returns false when unchanged.
bool UpdateDrag(std::vector<RowEntry*>& bars, int self, DragState& st, int pos);

// Non-client layout of a docked or floating bar.
// Adds the outer edge of a docked bar to edgeFlags and insets the rectangle.
RECT CalcClientArea(RECT rc, UINT dockBarId, DWORD& edgeFlags, int edgeWidth);
bool GetEdgeRect(const RECT& bar, UINT edge, DWORD edgeFlags, bool vertRow, int edgeWidth,
                 RECT& out);
RECT MinimizeButtonRect(const RECT& edgeRect);

struct HitInput {
  RECT window{};  // the bar's window rectangle
  POINT pt{};
  UINT dockBarId = 0;
  DWORD edgeFlags = 0;
  int edgeWidth = 9;
  bool collapsing = false;
  bool collapsed = false;
};
LRESULT HitTest(const HitInput& in);

// Edge flags (1 left, 2 right, 4 top, 8 bottom) for a docked bar that is the
// position-th of count sizing bars of its row.
DWORD EdgeFlags(bool horzRow, int position, int count);

// Collapsing swaps the vertical size with the stored expanded size.
struct CollapseState {
  SIZE vert{255, 200};
  SIZE vertMin{14, 0};
  SIZE expanded{14, 0};
  bool collapsed = false;
};
void ToggleMinimized(CollapseState& st);

// A stored size read back: at least the minimum, at most the limit.
int ClampStoredSize(int stored, int minimum, int limit);

// Whether the three arrows of the collapse button point right.
bool ArrowsPointRight(bool dockedRight, bool collapsed);

}  // namespace sizingbar

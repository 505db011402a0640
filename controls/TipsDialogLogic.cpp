// Window-free rules of the tooltip dialog bases and the control-group switcher.
#include "controls/TipsDialogLogic.h"

#include <algorithm>

namespace tips {

UINT SmallestFreeToolId(const std::vector<UINT>& used) {
  UINT id = 1;
  while (std::find(used.begin(), used.end(), id) != used.end()) ++id;
  return id;
}

Area GroupBoxToolArea(const Area& box, int textWidth, bool emptyText) {
  Area a = box;
  if (!emptyText) a.right = box.left + textWidth - 1;
  return a;
}

static bool PointIn(const Area& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

bool InsideFrame(const Area& frame, const Area& control) {
  return PointIn(frame, control.left, control.top) && PointIn(frame, control.right, control.bottom);
}

}  // namespace tips

// Window-free rules of the tooltip dialog bases and the control-group switcher.
#pragma once

#include <vector>

#include "framework/base/WinTypes.h"

namespace tips {

struct Area {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Help topic of a dialog: its template id plus 0x20000.
inline DWORD HelpTopic(UINT helpId) {
  return helpId + 0x20000;
}

// The smallest tool id from 1 upward that is not in use.
UINT SmallestFreeToolId(const std::vector<UINT>& used);

// A group box's tool covers its caption only: the right edge moves to left + text width - 1;
// an empty caption keeps the whole rectangle.
Area GroupBoxToolArea(const Area& box, int textWidth, bool emptyText);

// Whether a control belongs to a group: its top-left and bottom-right corners both lie in the
// frame (left and top edges inside, right and bottom edges outside).
bool InsideFrame(const Area& frame, const Area& control);

}  // namespace tips

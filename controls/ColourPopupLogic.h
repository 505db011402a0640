// Window-free rules of the colour picker and its popup: the colour table, the palette flag,
// the layout, hit testing, keyboard navigation and the flat combo's frame states.
#pragma once

#include "framework/base/WinTypes.h"

namespace colourpopup {

const int kColourCount = 40;
const int kColumns = 8;
const int kRows = (kColourCount + kColumns - 1) / kColumns;
// Cell numbers besides 0..39.
const int kNone = -1;
const int kCustomBox = -2;
const int kDefaultBox = -3;

const COLORREF kPaletteFlag = 0x02000000;
inline COLORREF WithFlag(COLORREF c) {
  return (c & 0x00FFFFFF) | kPaletteFlag;
}
inline COLORREF WithoutFlag(COLORREF c) {
  return c & 0x00FFFFFF;
}
inline bool SameColour(COLORREF a, COLORREF b) {
  return WithoutFlag(a) == WithoutFlag(b);
}

struct NamedColour {
  COLORREF colour;  // plain RGB
  const char* name;
};
extern const NamedColour kColours[kColourCount];

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct LayoutInput {
  int margin = 2;          // SM_CXEDGE
  int textHeight = 13;     // the larger height of the two texts in the popup font
  bool hasDefault = true;  // the default text is not empty
  bool hasCustom = true;   // the custom text is not empty
  int frameX = 3;          // SM_CXDLGFRAME
  int frameY = 3;          // SM_CYDLGFRAME
  int screenWidth = 1280;
  int screenHeight = 1024;
  int x = 0, y = 0;      // requested top-left (the picker's bottom-left corner)
  int pickerHeight = 0;  // to open above the picker
};

struct Layout {
  int boxSize = 18;
  int margin = 2;
  Box window;      // screen rectangle of the popup
  Box defaultBox;  // client coordinates; empty when there is none
  Box customBox;
  int gridTop = 0;  // client y of the first row
  Box Cell(int index) const;
};

int BoxSize(int margin);
Layout ComputeLayout(const LayoutInput& in);
// Cell under a client point: custom box, default box, grid cell or kNone.
int HitTest(const Layout& layout, int x, int y);

enum class Key { Left, Right, Up, Down };
int Navigate(int cell, Key key, bool hasDefault, bool hasCustom);

// The cell chosen when the popup opens for a colour.
int InitialCell(COLORREF colour, COLORREF defaultColour, bool hasDefault, bool hasCustom);

// The flat combo's frame: 0 flat, 1 raised, 2 pressed.
struct ComboFrame {
  bool raised = false;
  int state = 0;  // state to draw, -1 nothing to draw
  bool stopTimer = false;
};
// One tick of the hover timer.
ComboFrame ComboTimerTick(bool raised, bool leftButtonDown, bool cursorInside);

}  // namespace colourpopup

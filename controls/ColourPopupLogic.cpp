// Window-free rules of the colour picker popup.
#include "controls/ColourPopupLogic.h"

#include <algorithm>

namespace colourpopup {

const NamedColour kColours[kColourCount] = {
    {RGB(0, 0, 0), "Black"},
    {RGB(165, 42, 0), "Brown"},
    {RGB(0, 64, 64), "Dark Olive Green"},
    {RGB(0, 85, 0), "Dark Green"},
    {RGB(0, 0, 94), "Dark Teal"},
    {RGB(0, 0, 139), "Dark blue"},
    {RGB(75, 0, 130), "Indigo"},
    {RGB(40, 40, 40), "Dark grey"},
    {RGB(139, 0, 0), "Dark red"},
    {RGB(255, 104, 32), "Orange"},
    {RGB(139, 139, 0), "Dark yellow"},
    {RGB(0, 147, 0), "Green"},
    {RGB(56, 142, 142), "Teal"},
    {RGB(0, 0, 255), "Blue"},
    {RGB(123, 123, 192), "Blue-grey"},
    {RGB(102, 102, 102), "Grey - 40"},
    {RGB(255, 0, 0), "Red"},
    {RGB(255, 173, 91), "Light orange"},
    {RGB(50, 205, 50), "Lime"},
    {RGB(60, 179, 113), "Sea green"},
    {RGB(127, 255, 212), "Aqua"},
    {RGB(125, 158, 192), "Light blue"},
    {RGB(128, 0, 128), "Violet"},
    {RGB(127, 127, 127), "Grey - 50"},
    {RGB(255, 192, 203), "Pink"},
    {RGB(255, 215, 0), "Gold"},
    {RGB(255, 255, 0), "Yellow"},
    {RGB(0, 255, 0), "Bright green"},
    {RGB(64, 224, 208), "Turquoise"},
    {RGB(192, 255, 255), "Skyblue"},
    {RGB(72, 0, 72), "Plum"},
    {RGB(192, 192, 192), "Light grey"},
    {RGB(255, 228, 225), "Rose"},
    {RGB(210, 180, 140), "Tan"},
    {RGB(255, 255, 224), "Light yellow"},
    {RGB(152, 251, 152), "Pale green "},
    {RGB(175, 238, 238), "Pale turquoise"},
    {RGB(104, 131, 139), "Pale blue"},
    {RGB(230, 230, 250), "Lavender"},
    {RGB(255, 255, 255), "White"},
};

int BoxSize(int margin) {
  int size = 18;
  if (size - 2 * margin + 2 < 5) size = 2 * margin + 7;
  return size;
}

Box Layout::Cell(int index) const {
  Box b;
  if (index < 0 || index >= kColourCount) return b;
  b.left = (index % kColumns) * boxSize + margin;
  b.top = (index / kColumns) * boxSize + gridTop;
  b.right = b.left + boxSize;
  b.bottom = b.top + boxSize;
  return b;
}

Layout ComputeLayout(const LayoutInput& in) {
  Layout l;
  l.margin = in.margin;
  l.boxSize = BoxSize(in.margin);
  int width = kColumns * l.boxSize + 2 * in.margin;
  int height = kRows * l.boxSize + 2 * in.margin;
  l.gridTop = in.margin;
  if (in.hasDefault || in.hasCustom) {
    int textBoxHeight =
        std::max(in.textHeight, l.boxSize - (2 * in.margin + 2)) + 6 * in.margin + 2;
    int textBoxWidth = width - 2 * in.margin;
    if (in.hasDefault) {
      l.defaultBox = {in.margin, in.margin, in.margin + textBoxWidth, in.margin + textBoxHeight};
      height += textBoxHeight + 2 * in.margin;
      l.gridTop = in.margin + textBoxHeight + in.margin;
    }
    if (in.hasCustom) {
      int top = height;
      l.customBox = {in.margin, top, in.margin + textBoxWidth, top + textBoxHeight};
      height += textBoxHeight + 2 * in.margin;
    }
  }
  width += 2 * in.frameX;
  height += 2 * in.frameY;
  int x = in.x, y = in.y;
  if (x + width > in.screenWidth) x = in.screenWidth - width;
  if (x < 0) x = 0;
  if (y + height > in.screenHeight) y -= height + in.pickerHeight;
  l.window = {x, y, x + width, y + height};
  return l;
}

int HitTest(const Layout& layout, int x, int y) {
  if (!layout.customBox.Empty() && layout.customBox.Contains(x, y)) return kCustomBox;
  if (!layout.defaultBox.Empty() && layout.defaultBox.Contains(x, y)) return kDefaultBox;
  int gx = x - layout.margin;
  int gy = y - layout.gridTop;
  if (gx < 0 || gy < 0) return kNone;
  int col = gx / layout.boxSize;
  int row = gy / layout.boxSize;
  if (col >= kColumns || row >= kRows) return kNone;
  int index = row * kColumns + col;
  return index < kColourCount ? index : kNone;
}

int Navigate(int cell, Key key, bool hasDefault, bool hasCustom) {
  const int last = kColourCount - 1;
  switch (key) {
    case Key::Right:
      if (cell == kDefaultBox) return 0;
      if (cell == kCustomBox) return hasDefault ? kDefaultBox : 0;
      if (cell < 0) return 0;
      if (cell < last) return cell + 1;
      return hasCustom ? kCustomBox : (hasDefault ? kDefaultBox : 0);
    case Key::Left:
      if (cell == kCustomBox) return last;
      if (cell == kDefaultBox) return hasCustom ? kCustomBox : last;
      if (cell < 0) return last;
      if (cell > 0) return cell - 1;
      return hasDefault ? kDefaultBox : (hasCustom ? kCustomBox : last);
    case Key::Down:
      if (cell == kDefaultBox) return 0;
      if (cell == kCustomBox) return hasDefault ? kDefaultBox : 0;
      if (cell < 0) return 0;
      if (cell + kColumns <= last) return cell + kColumns;
      return hasCustom ? kCustomBox : (hasDefault ? kDefaultBox : 0);
    case Key::Up:
      if (cell == kCustomBox) return last;
      if (cell == kDefaultBox) return hasCustom ? kCustomBox : last;
      if (cell < 0) return last;
      if (cell >= kColumns) return cell - kColumns;
      return hasDefault ? kDefaultBox : (hasCustom ? kCustomBox : last);
  }
  return cell;
}

int InitialCell(COLORREF colour, COLORREF defaultColour, bool hasDefault, bool hasCustom) {
  if (hasDefault && SameColour(colour, defaultColour)) return kDefaultBox;
  for (int i = 0; i < kColourCount; ++i)
    if (SameColour(colour, kColours[i].colour)) return i;
  return hasCustom ? kCustomBox : kNone;
}

ComboFrame ComboTimerTick(bool raised, bool leftButtonDown, bool cursorInside) {
  ComboFrame f;
  f.raised = raised;
  f.state = -1;
  if (leftButtonDown) {
    f.stopTimer = true;
    if (raised) {
      f.state = 2;
      f.raised = false;
    }
    return f;
  }
  if (!cursorInside) {
    f.stopTimer = true;
    if (raised) {
      f.state = 0;
      f.raised = false;
    }
    return f;
  }
  if (!raised) {
    f.state = 1;
    f.raised = true;
  }
  return f;
}

}  // namespace colourpopup

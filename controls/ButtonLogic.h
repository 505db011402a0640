// Window-free rules of the flat and toggle buttons: what a button's style makes of it, which
// picture shows, where picture and caption go, the grey copy of a picture and the web address.
#pragma once

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

namespace buttons {

// The platform's button, text-drawing and static style values these rules use.
const UINT kTypeMask = 0x0F;
const UINT kDefPushButton = 0x01;
const UINT kCheckBox = 0x02;
const UINT kAutoCheckBox = 0x03;
const UINT k3State = 0x05;
const UINT kAuto3State = 0x06;
const UINT kOwnerDraw = 0x0B;
const UINT kLeft = 0x100, kRight = 0x200, kCenter = 0x300;
const UINT kTop = 0x400, kBottom = 0x800, kVCenter = 0xC00;
const UINT kMultiLine = 0x2000;
const UINT kDtCenter = 0x01, kDtRight = 0x02, kDtVCenter = 0x04, kDtBottom = 0x08;
const UINT kDtWordBreak = 0x10, kDtSingleLine = 0x20;

// Longest web address a flat button keeps.
const int kMaxUrlLength = 259;

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  Box Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  bool operator==(const Box& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// Only the check-box and three-state types make a check box; push, group, push-box and
// owner-draw types share one of their bits but are not check boxes.
bool IsCheckBoxType(UINT style);

// What a flat button makes of the style it is attached with.
struct AttachedStyle {
  UINT style = 0;              // the new style: owner-drawn, other bits kept
  UINT type = 0;               // the type the window had (0 for a default push button)
  bool checkBoxMode = false;   // it was a check box
  bool defaultButton = false;  // it was the default push button
};
AttachedStyle AttachStyle(UINT style);

// A style set later (the dialog manager moves the default): kept owner-drawn; a push or default
// push type tells whether the button is now the default.
struct RequestedStyle {
  UINT style = 0;
  bool changesDefault = false;
  bool defaultButton = false;
};
RequestedStyle RequestStyle(UINT style);

// Which of the two pictures shows: 0 the first ("in", hovered or pressed), 1 the second.
int ChoosePicture(bool checkBoxMode, bool checked, bool pressedOrHovered, bool hasSecond);

// Picture and caption of a flat button. item: the drawing rectangle; client: the client area
// (the right-aligned picture keeps to its edge); shift: pressed outside check-box mode.
struct ContentLayout {
  Box picture;      // empty when there is no picture
  Box captionArea;  // where the caption is centred
};
ContentLayout PlaceContent(const Box& item, const Box& client, int pictureWidth, int pictureHeight,
                           bool hasCaption, int align, bool shift);
// The caption's own rectangle: centred in area, or from area's left edge plus 4 for align 3.
Box PlaceCaption(const Box& area, int textWidth, int textHeight, int align);

// The grey level of a colour: trunc(0.299 red + 0.587 green + 0.114 blue).
BYTE GreyLevel(BYTE red, BYTE green, BYTE blue);
// Turns every pixel (0x00RRGGBB with any top byte) that is not black into its grey level,
// keeping the top byte.
void GreyPixels(DWORD* pixels, int count);

// The first kMaxUrlLength characters of url; empty for NULL.
CString ClipUrl(const char* url);

// The caption of a toggle button: rectangle and text-drawing format from its style.
struct ToggleCaption {
  Box rect;
  UINT format = 0;
};
ToggleCaption PlaceToggleCaption(const Box& item, UINT style, int borderWidth, int borderHeight,
                                 bool pressed);

}  // namespace buttons

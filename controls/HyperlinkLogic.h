// Window-free rules of the link statics: the message of a failed open, the command line of the
// browser fallback, and fitting a link's window to its text.
#pragma once

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

namespace hyperlink {

// The platform's static style values these rules use.
const UINT kCenter = 0x01;
const UINT kRight = 0x02;
const UINT kCenterImage = 0x200;
const UINT kTypeMask = 0x1F;

// The text for a shell-open result code (the platform's error numbers).
CString ErrorText(int code);
// The whole message of a failed open.
CString ErrorMessage(int code);

// The browser's open command made to open url: cut at its first quoted "%1" (quotes
// included), else at its first bare %1, else taken whole; then a blank and the address, quoted
// as one argument so that blanks, quotes and '&' in it stay part of it.
CString FallbackCommand(const CString& openCommand, const CString& url);
// One argument as the platform's command-line reader splits it back: in double quotes, with
// quotes and the backslashes before them escaped.
CString QuoteArgument(const CString& argument);

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// The window rectangle of a link fitted to its text (sizes in pixels, rectangles in the
// parent's coordinates): centred or top-aligned vertically, centred, right- or left-aligned
// horizontally, as the style says.
Box FitToText(const Box& window, int textWidth, int textHeight, UINT style);

// Whether a static link colours its text: only text statics (left, centred or right).
inline bool ColoursText(UINT style) {
  return (style & 0xFF) <= kRight;
}

}  // namespace hyperlink

// The arithmetic of the real-number spin control and of reading numbers from edits, free of
// windows so it can be tested on its own.
#pragma once

#include "framework/base/CString.h"

namespace realspin {

const int kMaxPositions = 32767;

// Number of up-down positions for a range and step: |(max - min) / step| truncated, capped at
// 32767, computed in double. Returns -1 (leave the control alone) for a zero or non-finite step
// and for a non-finite range.
int Positions(double min, double max, double step);

// The up-down position of a value: 0 below min, positions above max, else the nearest position
// (halves up). Returns -1 (leave the position alone) when min equals max or anything is NaN.
int PositionOf(double value, double min, double max, int positions);

// One arrow click: current + delta * step, with only the bound in the click's direction
// enforced. A non-finite result keeps the current value.
double Step(double current, int delta, double step, double min, double max);

// The buddy text of a value. An explicit format (one floating conversion) wins; decimals -1
// gives 15 significant digits; otherwise fixed or exponent form (as "%g" would choose) with that
// many decimals and trailing zeros (and a bare point) removed from the mantissa.
CString FormatValue(double value, int decimals, const CString& format);

// Reading a number typed into an edit.
struct EditNumber {
  bool accepted = false;
  double value = 0.0;
  bool rewritten = false;  // ".5" became "0.5": the edit should show text
  CString text;
};
// Rules: empty is refused; two or more characters starting with "." get a "0" in front; a text
// ending in "." is refused; "-" reads as 0; otherwise the whole text must be a decimal number
// (blanks around it allowed, nothing after it); a zero is accepted only from a text starting
// with "0" (so "-0", "+0", " 0" and letters are refused).
EditNumber ReadEditNumber(const CString& text);

// The edit-change rule of edits that apply typed values after a pause: a change that leaves a
// non-empty edit with its caret at the start and nothing selected (a spin step, a pick, a text
// written by the program) replaced the whole text and applies at once; any other change is
// typing and waits for the timer.
bool EditChangeAppliesAtOnce(int textLength, int selectionStart, int selectionEnd);

}  // namespace realspin

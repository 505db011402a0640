// PageSetupRecord: the page set-up of printed charts, all lengths in inches. The application
// owns one for the whole run (never stored); the page set-up dialog edits a copy and sends it
// back to the main window, printing reads it.
#pragma once

#include "framework/base/WinTypes.h"

struct PageSetupRecord {
  double paperHeight = 11.0;        // physical page height in the current orientation
  double paperWidth = 8.5;          // physical page width
  double minMarginLeftRight = 0.0;  // the printer's unprintable offset left and right
  double minMarginTopBottom = 0.0;  // the printer's unprintable offset top and bottom
  BOOL portrait = 0;                // 1 portrait, 0 landscape
  BOOL inches = 1;                  // the dialog's unit: 1 inches, 0 centimetres
  double left = 1.0;
  double top = 1.0;
  double right = 1.0;
  double bottom = 1.0;
  int autoFormat = 0;  // margin auto-format in force; -1: the user's own margins
  int reserved = 0;
};

// The inch flag from the user's measurement system (the locale's LOCALE_IMEASURE answer, NULL
// when it could not be read): 1 unless the answer is there and does not begin with '1'.
inline BOOL InchesFromMeasureSystem(const char* answer) {
  return !answer || answer[0] == '1' ? 1 : 0;
}

// How the fit dialogs read and show numbers. A grid cell is read whole: blanks around the number
// are allowed, any other text is not. A line of an imported text file starts with its numbers
// and may go on with other text. Neither accepts nan, inf, hexadecimal numbers or values that
// overflow a double.
#pragma once

#include "framework/base/CString.h"

// The number a grid cell holds; false (value unchanged) when the cell holds anything else.
bool ParseCellNumber(const char* text, double& value);

// Reads the number at *text after optional white space and moves *text past it; false (nothing
// moved) when no finite decimal number starts there.
bool ScanLineNumber(const char*& text, double& value);

// A fitted value as the result fields show it: three decimals, except that a value other than
// zero that would show as 0.000 gets three significant digits instead.
CString FormatFitResult(double value);

// A value of a point as the grid shows it: "%g" when that reads back exactly, else the shortest
// text that does, so that a point survives a round trip through the grid.
CString FormatGridValue(double value);

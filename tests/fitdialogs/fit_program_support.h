// Helpers of the fit dialogs' window tests: typing into the grid, the real clipboard, the spin,
// and reading what the dialog shows.
#pragma once

#include <windows.h>

#include <string>

#include "controls/GridCtrl.h"
#include "tests/support/ClipboardText.h"
#include "tests/support/ProgramHarness.h"

namespace fittest {

// Clicks the cell, types the text key by key and ends the edit with Enter.
void TypeIntoCell(qxtest::CProgramHarness& program, CGridCtrl& grid, int row, int col,
                  const std::string& text);
// The real clipboard's text.
using qxtest::ClipboardText;
using qxtest::PutOnClipboard;
// Clicks the spin's upper (up) or lower (down) half, times over.
void ClickSpin(qxtest::CProgramHarness& program, CDialog* dialog, int id, bool up, int times);
// The number a dialog field shows.
double FieldValue(CDialog* dialog, int id);
// The results summary the active view paints, one line after another.
std::string ViewResults(qxtest::CProgramHarness& program);
// The number a field of the program's side bar shows (NaN without a side bar).
double SideBarValue(int id);

}  // namespace fittest

// Running the pick dialogs in tests: modally through the modal-dialog seam, with message boxes
// recorded, a message pump that works as the modal loop does, and screenshots.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/win/AfxWin.h"
#include "tests/support/WaitUntil.h"

namespace picktest {

// Message boxes shown since the fixture started (their texts).
extern std::vector<std::string> g_boxes;

class PickDialogTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Runs the dialog modally; the script runs once it is initialised, before the loop. The
  // script ends the dialog (or leaves it to a posted command).
  INT_PTR RunModal(CDialog& dlg, std::function<void(CDialog*)> script);

 private:
  AfxModalDialogSeam m_oldModal = nullptr;
  AfxMessageBoxSeam m_oldBox = nullptr;
};

// Dispatches messages for about ms milliseconds the way the modal loop does.
void Pump(CWnd* dialog, int ms = 50);
// Dispatches messages the same way until done() holds or capMs passed (the cap is for a stuck
// machine, not a slow one); FALSE when it never held.
bool PumpUntil(CWnd* dialog, const std::function<bool()>& done,
               DWORD capMs = qxtest::kWaitCapMs);
// Shows the dialog, lets it paint, and keeps a screenshot "<name>.bmp".
void Shot(CWnd* dialog, const std::string& name);
// Key presses and clicks as a person makes them (posted, then pumped).
void PressKey(CWnd* dialog, HWND target, UINT vk);
void Click(CWnd* dialog, HWND target, int x, int y, bool doubleClick = false);
// Sets an edit's text as typing would (the change notification follows).
void Type(CWnd* dialog, int id, const char* text);
std::string Text(CWnd* dialog, int id);
// Selects a list view item (the list notifies its parent).
void SelectItem(CListCtrl& list, int item);
std::string ColumnTitle(CListCtrl& list, int column);

}  // namespace picktest

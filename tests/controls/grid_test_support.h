// Shared by the grid's window tests: a dialog holding two grids, the notifications they send,
// a message pump that offers keys to PreTranslateMessage first (as the modal loop does), real
// keystrokes and mouse input, and a message-box recorder.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/WaitUntil.h"

#include "controls/GridCtrl.h"
#include "tests/controls/grid_row_text.h"
#include "tests/controls/testgrid.h"

namespace gridtest {

// One WM_NOTIFY the owner received from a grid.
struct Note {
  HWND from;
  UINT_PTR id;
  int code;
  int row;
  int col;
};

class CGridDlg : public CDialog {
 public:
  CGridDlg() : CDialog(IDD_GRID) {}
  CGridCtrl m_grid;
  CGridCtrl m_grid2;
  std::vector<Note> m_notes;
  int m_nextDlgCtrl = 0;  // WM_NEXTDLGCTL seen: +1 next, -1 previous

  void DoDataExchange(CDataExchange* pDX) override {
    DDX_GridControl(pDX, IDC_GRID, m_grid);
    DDX_GridControl(pDX, IDC_GRID2, m_grid2);
  }
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // How many notifications with this code arrived (optionally from one cell).
  int Count(int code) const;
  void ClearNotes() { m_notes.clear(); }
};

// Creates the dialog (once: closing a shown window costs seconds under Wine without a window
// manager) and shows it in front, its grids reset: the first a test grid of rows x 3 (a
// heading row "#", "sig3", "sig1", a numbered heading column and "r.c" values), fitted to
// its width, the second the same with 4 rows.
void OpenDialog(CGridDlg& dlg, int rows = 6);
void FillGrid(CGridCtrl& grid, int rows);
// Back to a fresh state: no edit, selection, focus or scrolling, the dialog's font, the
// default settings, and FillGrid's contents.
void ResetGrid(CGridCtrl& grid, int rows);

// Handles queued messages the way the program's loops do, for at least `ms` milliseconds.
void Pump(int ms = 0);
using qxtest::kWaitCapMs;
// Handles messages as Pump does until done() holds; FALSE when it still does not after capMs.
bool PumpUntil(const std::function<bool()>& done, DWORD capMs = kWaitCapMs);

// Real input through the system's input queue.
void PressKey(WORD vk, bool shift = false, bool ctrl = false);
void TypeText(const char* text);
void MoveMouseTo(POINT screen);
void MouseButton(bool down);

// Client point at the centre of a cell (or at an offset from its left/top edge).
CPoint CellCentre(CGridCtrl& grid, int row, int col);
// Sends a click (down and up) at a client point of the grid.
void Click(CGridCtrl& grid, CPoint p, UINT extraFlags = 0);

// Records message boxes instead of showing them.
struct MessageBoxes {
  static std::vector<std::string> texts;
  static std::vector<std::string> captions;
  static int Record(HWND, LPCSTR text, LPCSTR caption, UINT);
};

// The dialog every window test uses, made on first use and kept to the end of the program.
CGridDlg& SharedDialog();

// Shows the shared dialog with reset grids before each test; message boxes are recorded.
class GridDialogTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The open in-place editor of the first grid, or NULL; its text and selection.
  HWND Editor(CGridCtrl* grid = nullptr);
  std::string EditorText();
  DWORD EditorSelection();
  // Clicks a cell that is not the focus cell yet (a click on the focus cell edits it).
  void FocusCell(int row, int col, CGridCtrl* grid = nullptr);

  CGridDlg& m_dlg = SharedDialog();
  CSeamOverride<AfxMessageBoxSeam> m_boxes{&AfxSetMessageBoxSeam, &MessageBoxes::Record};
};

}  // namespace gridtest

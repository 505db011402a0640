// The grid on a real dialog under a display: the template control and its notifications,
// fonts, scroll bars, painting, the mouse (selection, editing, divider sizing, capture loss)
// and the keyboard through real keystrokes.
#include <gtest/gtest.h>

#include <string>

#include "tests/controls/grid_test_support.h"
#include "tests/support/HeldTimer.h"
#include "tests/support/Screenshot.h"

using namespace gridtest;

namespace {

class GridWindow : public GridDialogTest {};

// ---- the control ------------------------------------------------------------------------------

TEST_F(GridWindow, TemplateControlIsSubclassedAndNotifiesItsOwner) {
  CGridCtrl& grid = m_dlg.m_grid;
  EXPECT_EQ(grid.m_hWnd, ::GetDlgItem(m_dlg.m_hWnd, IDC_GRID));
  EXPECT_TRUE(grid.GetDropTarget().IsRegistered());
  char cls[64] = "";
  ::GetClassNameA(grid.m_hWnd, cls, sizeof cls);
  EXPECT_STREQ(cls, "MFCGridCtrl");
  EXPECT_TRUE(m_dlg.UpdateData(FALSE));  // a second exchange leaves the grid alone

  GRIDITEM item;
  item.row = 1;
  item.col = 2;
  item.mask = GRIDIF_TYPE;
  item.type = GRIDTYPE_CHECKBOX;
  grid.SetItem(&item);
  grid.SetCheck(1, 2, TRUE);
  ASSERT_EQ(m_dlg.m_notes.size(), 1u);
  const Note& note = m_dlg.m_notes[0];
  EXPECT_EQ(note.from, grid.m_hWnd);
  EXPECT_EQ(note.id, (UINT_PTR)IDC_GRID);
  EXPECT_EQ(note.code, GRIDN_CHANGED);
  EXPECT_EQ(note.row, -1);
  EXPECT_EQ(note.col, -1);

  // A grid made with Create is a drop target too and takes the owner's notifications there.
  CGridCtrl made(3, 2, 1, 1);
  ASSERT_TRUE(made.Create(CRect(200, 100, 300, 180), &m_dlg, 4000));
  EXPECT_TRUE(made.GetDropTarget().IsRegistered());
  EXPECT_EQ(made.GetRowHeight(2), made.GetDefaultRowHeight());
  made.SendMessageToParent(1, 1, GRIDN_SELCHANGED);
  EXPECT_EQ(m_dlg.m_notes.back().id, 4000u);
  EXPECT_EQ(m_dlg.m_notes.back().code, GRIDN_SELCHANGED);
}

TEST_F(GridWindow, FontSetsTheDefaultsButNotTheSizesThereAre) {
  CGridCtrl& grid = m_dlg.m_grid;
  const int before = grid.GetRowHeight(1);
  LOGFONTA lf = grid.GetLogFont();
  lf.lfHeight = -40;
  HFONT big = ::CreateFontIndirectA(&lf);
  grid.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
  EXPECT_GT(grid.GetDefaultRowHeight(), before + 15);
  EXPECT_EQ(grid.GetRowHeight(1), before);
  EXPECT_EQ(grid.GetItemFont(1, 1)->lfHeight, -40);  // every cell takes the font
  HFONT got = reinterpret_cast<HFONT>(grid.SendMessage(WM_GETFONT));
  LOGFONTA back;
  ASSERT_EQ(::GetObjectA(got, sizeof back, &back), (int)sizeof back);
  EXPECT_EQ(back.lfHeight, -40);
  grid.SetRowCount(grid.GetRowCount() + 1);
  EXPECT_EQ(grid.GetRowHeight(grid.GetRowCount() - 1), grid.GetDefaultRowHeight());
  ::DeleteObject(big);
}

TEST_F(GridWindow, ScrollBarsComeAndGoWithTheContent) {
  CGridCtrl& grid = m_dlg.m_grid;
  auto bars = [&] { return grid.GetStyle() & (WS_HSCROLL | WS_VSCROLL); };
  EXPECT_EQ(bars(), 0u);  // six rows fit, and the columns were fitted to the width
  grid.SetRowCount(60);
  EXPECT_TRUE(bars() & WS_VSCROLL);
  grid.ExpandColumnsToFit();  // fitted again beside the vertical bar: no horizontal one
  EXPECT_EQ(bars(), (DWORD)WS_VSCROLL);
  grid.SetColumnWidth(2, 600);
  grid.ResetScrollBars();
  EXPECT_EQ(bars(), (DWORD)(WS_VSCROLL | WS_HSCROLL));
  grid.SetColumnWidth(2, 20);
  grid.ResetScrollBars();
  EXPECT_EQ(bars(), (DWORD)WS_VSCROLL);
  grid.SetRowCount(3);
  EXPECT_EQ(bars(), 0u);
}

TEST_F(GridWindow, EveryClientPixelLiesInTheCellWhoseRectangleHoldsIt) {
  CGridCtrl& grid = m_dlg.m_grid;
  FillGrid(grid, 40);
  grid.SetColumnWidth(2, 300);
  grid.ResetScrollBars();
  grid.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
  grid.SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);  // scrolled both ways: rows 1, column 1 hidden
  ASSERT_EQ(grid.GetTopleftNonFixedCell(), GRIDCELLID(2, 2));
  CRect client;
  grid.GetClientRect(&client);
  for (int y = client.top; y < client.bottom; ++y) {
    for (int x = client.left; x < client.right; ++x) {
      GRIDCELLID cell = grid.GetCellFromPt(CPoint(x, y));
      CRect r;
      if (grid.IsValid(cell)) {
        ASSERT_TRUE(grid.GetCellRect(cell, &r));
        ASSERT_TRUE(x >= r.left && x <= r.right && y >= r.top && y <= r.bottom) << x << "," << y;
      } else {
        ASSERT_EQ(cell.col, -1) << x << "," << y;  // only past the last column
        ASSERT_GT(x, 0);
      }
    }
  }
  EXPECT_EQ(grid.GetCellFromPt(CPoint(client.right, 5)), GRIDCELLID());  // outside the client
  EXPECT_FALSE(grid.GetCellRect(1, 1, nullptr));
  CRect hidden;
  EXPECT_FALSE(grid.GetCellRect(1, 2, &hidden));  // scrolled out
  EXPECT_FALSE(grid.IsCellVisible(1, 1));
  EXPECT_TRUE(grid.IsCellVisible(0, 0));
}

TEST_F(GridWindow, ScrollingStopsAtTheEndsAndTheWheelCountsLines) {
  CGridCtrl& grid = m_dlg.m_grid;
  FillGrid(grid, 60);
  grid.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
  Pump(10);
  const int bottom = grid.GetScrollPos32(SB_VERT);
  const int lastTop = grid.GetTopleftNonFixedCell().row;
  EXPECT_GT(bottom, 0);
  CRect last;
  ASSERT_TRUE(grid.GetCellRect(59, 1, &last));
  CRect client;
  grid.GetClientRect(&client);
  EXPECT_LT(last.bottom, client.bottom);  // the last row is shown whole
  grid.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(grid.GetScrollPos32(SB_VERT), bottom);
  EXPECT_EQ(grid.GetTopleftNonFixedCell().row, lastTop);

  grid.SendMessage(WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(grid.GetTopleftNonFixedCell().row, 1);
  // One notch toward the user: three lines down (the wheel's setting here is 3).
  ASSERT_EQ(CGridCtrl::GetWheelScrollLines(), 3u);
  grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  Pump(20);
  EXPECT_EQ(grid.GetTopleftNonFixedCell().row, 4);
  grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  Pump(20);
  EXPECT_EQ(grid.GetTopleftNonFixedCell().row, 1);
  grid.SendMessage(WM_VSCROLL, SB_LINEUP, 0);  // at the top: nothing
  EXPECT_EQ(grid.GetScrollPos32(SB_VERT), 0);
}

// ---- painting ---------------------------------------------------------------------------------

// Draws the grid into a memory bitmap and reads pixels back.
class GridPicture {
 public:
  explicit GridPicture(CGridCtrl& grid) {
    grid.GetClientRect(&m_rect);
    HDC screen = ::GetDC(NULL);
    m_dc.CreateCompatibleDC(CDC::FromHandle(screen));
    m_bitmap.CreateCompatibleBitmap(CDC::FromHandle(screen), m_rect.Width(), m_rect.Height());
    ::ReleaseDC(NULL, screen);
    m_old = m_dc.SelectObject(m_bitmap.m_hObject);
    grid.OnDraw(&m_dc);
  }
  ~GridPicture() { m_dc.SelectObject(m_old); }
  COLORREF At(int x, int y) { return m_dc.GetPixel(x, y); }

 private:
  CRect m_rect;
  CDC m_dc;
  CBitmap m_bitmap;
  HGDIOBJ m_old;
};

TEST_F(GridWindow, AlternateLookMarksSelectionLightlyAndFramesTheFocusBlack) {
  CGridCtrl& grid = m_dlg.m_grid;
  grid.SetAlternateCellDrawing(TRUE);
  grid.SetFocusCell(2, 1);
  grid.SelectCellRange(2, 1, 3, 2);
  CRect selected, focus;
  grid.GetCellRect(3, 2, &selected);
  grid.GetCellRect(2, 1, &focus);
  const COLORREF light =
      CGridCtrl::BlendColour(::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_WINDOW), 75);
  {
    GridPicture picture(grid);
    EXPECT_EQ(picture.At(selected.left + 2, selected.top + 2), light);
    EXPECT_EQ(picture.At(focus.left, focus.top + 3), RGB(0, 0, 0));  // the focus frame
    EXPECT_EQ(picture.At(focus.left + 3, focus.top + 3), ::GetSysColor(COLOR_WINDOW));
  }
  grid.SetAlternateCellDrawing(FALSE);
  {
    GridPicture picture(grid);
    EXPECT_EQ(picture.At(selected.left + 2, selected.top + 2), ::GetSysColor(COLOR_HIGHLIGHT));
  }
  grid.EnableWindow(FALSE);
  {
    GridPicture picture(grid);
    EXPECT_EQ(picture.At(selected.left + 2, selected.top + 2), ::GetSysColor(COLOR_BTNFACE));
  }
  grid.EnableWindow(TRUE);
}

TEST_F(GridWindow, ScreenshotOfThreeColumnsWithASelection) {
  CGridCtrl& grid = m_dlg.m_grid;
  FillGrid(grid, 12);
  grid.SetAlternateCellDrawing(TRUE);
  grid.AutoSize();
  grid.ExpandColumnsToFit();
  grid.SetFocusCell(3, 1);
  grid.SelectCellRange(3, 1, 5, 2);
  FillGrid(m_dlg.m_grid2, 4);
  m_dlg.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
  Pump(100);
  const std::string path = qxtest::ScreenshotFolder() + "grid-selection.bmp";
  EXPECT_TRUE(qxtest::SaveWindowScreenshot(m_dlg.m_hWnd, path));
  std::printf("grid screenshot: %s\n", path.c_str());
  CRect client;
  grid.GetClientRect(&client);
  CRect last;
  ASSERT_TRUE(grid.GetCellRect(0, 2, &last));
  EXPECT_EQ(last.right, client.right - 1);  // the columns fill the width
}

// ---- mouse ------------------------------------------------------------------------------------

TEST_F(GridWindow, ClicksSelectRowsShiftExtendsCtrlKeeps) {
  CGridCtrl& grid = m_dlg.m_grid;
  Click(grid, CellCentre(grid, 2, 1));
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID(2, 1));
  EXPECT_EQ(grid.GetSelectedCellRange(), GRIDRANGE(2, 1, 2, 2));
  EXPECT_TRUE(Editor() == NULL);  // a click on another cell only moves
  Click(grid, CellCentre(grid, 4, 2), MK_SHIFT);
  EXPECT_EQ(grid.GetSelectedCellRange(), GRIDRANGE(2, 1, 4, 2));
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID(4, 2));
  Click(grid, CellCentre(grid, 0, 2));  // a column heading selects the column
  EXPECT_EQ(grid.GetSelectedCellRange(), GRIDRANGE(1, 2, 5, 2));
  Click(grid, CellCentre(grid, 0, 0));  // the corner selects everything
  EXPECT_EQ(grid.GetSelectedCount(), 10);
  // Each release tells the owner with a command from the grid.
  MSG msg;
  EXPECT_TRUE(::PeekMessageA(&msg, m_dlg.m_hWnd, WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
  EXPECT_EQ(LOWORD(msg.wParam), IDC_GRID);

  // Selecting cells, Ctrl keeps what was selected beside the new cell.
  grid.SetWholeRowSelection(FALSE);
  grid.SelectCellRange(2, 1, 3, 2);
  Click(grid, CellCentre(grid, 5, 1), MK_CONTROL);
  EXPECT_EQ(grid.GetSelectedCount(), 5);
  EXPECT_TRUE(Editor() == NULL);
}

TEST_F(GridWindow, ClickOnTheFocusCellOpensTheEditor) {
  CGridCtrl& grid = m_dlg.m_grid;
  Click(grid, CellCentre(grid, 3, 2));
  EXPECT_TRUE(Editor() == NULL);
  Click(grid, CellCentre(grid, 3, 2));
  ASSERT_TRUE(Editor() != NULL);
  EXPECT_EQ(::GetFocus(), Editor());
  EXPECT_EQ(EditorText(), "3.2");
  EXPECT_EQ(m_dlg.Count(GRIDN_BEGINEDIT), 1);
  grid.SetFocus();
  Pump(20);
  EXPECT_TRUE(Editor() == NULL);

  // Selecting single cells: a click that leaves one cell selected edits at once.
  grid.SetWholeRowSelection(FALSE);
  Click(grid, CellCentre(grid, 4, 1));
  EXPECT_TRUE(Editor() != NULL);
}

TEST_F(GridWindow, DraggingADividerSizesTheColumnAndCapturesNoMore) {
  CGridCtrl& grid = m_dlg.m_grid;
  CRect heading;
  grid.GetCellRect(0, 1, &heading);
  CPoint divider(heading.right - 1, heading.CenterPoint().y);
  grid.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(divider.x, divider.y));
  EXPECT_EQ(grid.GetMouseMode(), GRIDMOUSE_OVER_COL_DIVIDE);
  grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(divider.x, divider.y));
  EXPECT_EQ(grid.GetMouseMode(), GRIDMOUSE_SIZING_COL);
  EXPECT_EQ(::GetCapture(), grid.m_hWnd);
  CRect clip, screen(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
  ::GetClipCursor(&clip);
  EXPECT_NE(clip, screen);  // the cursor is kept inside the grid
  grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(heading.left + 80, divider.y));
  grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(heading.left + 80, divider.y));
  EXPECT_EQ(grid.GetColumnWidth(1), 80);
  EXPECT_EQ(grid.GetMouseMode(), GRIDMOUSE_NOTHING);
  ::GetClipCursor(&clip);
  EXPECT_EQ(clip, screen);

  // Another window takes the capture mid-drag: the cursor is free again and sizing is over.
  grid.GetCellRect(0, 1, &heading);
  divider = CPoint(heading.right - 1, heading.CenterPoint().y);
  grid.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(divider.x, divider.y));
  grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(divider.x, divider.y));
  ASSERT_EQ(grid.GetMouseMode(), GRIDMOUSE_SIZING_COL);
  ::SetCapture(m_dlg.m_hWnd);
  ::GetClipCursor(&clip);
  EXPECT_EQ(clip, screen);
  EXPECT_EQ(grid.GetMouseMode(), GRIDMOUSE_NOTHING);
  ::ReleaseCapture();
  // Releasing exactly on the left edge gives the column no width at all.
  grid.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(divider.x, divider.y));
  grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(divider.x, divider.y));
  grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(heading.left, divider.y));
  EXPECT_EQ(grid.GetColumnWidth(1), 0);
}

TEST_F(GridWindow, DoubleClicksOnADividerOrACell) {
  CGridCtrl& grid = m_dlg.m_grid;
  grid.SetItemText(3, 1, "123456789012345");
  CRect heading;
  grid.GetCellRect(0, 1, &heading);
  CPoint divider(heading.right, heading.CenterPoint().y);
  // The system's order: move, down, up, double click, up.
  grid.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(divider.x, divider.y));
  Click(grid, divider);
  grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(divider.x, divider.y));
  grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(divider.x, divider.y));
  CClientDC dc(&grid);
  EXPECT_EQ(grid.GetColumnWidth(1), grid.GetCellExtent(3, 1, &dc).cx);  // fits its widest text
  EXPECT_TRUE(Editor() == NULL);

  CPoint cell = CellCentre(grid, 4, 1);
  Click(grid, cell);
  grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(cell.x, cell.y));
  grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(cell.x, cell.y));
  ASSERT_TRUE(Editor() != NULL);  // a double click on a cell edits it
  EXPECT_EQ(EditorText(), "4.1");
}

TEST_F(GridWindow, LosingTheCaptureStopsTheAutoScrollingSelection) {
  CGridCtrl& grid = m_dlg.m_grid;
  FillGrid(grid, 60);
  CPoint p = CellCentre(grid, 2, 1);
  qxtest::CTimerTicks ticks(grid.m_hWnd);
  const double pressed = qxtest::NowMs();
  grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  ASSERT_EQ(grid.GetMouseMode(), GRIDMOUSE_SELECT_ROW);
  // The pointer below the grid would scroll and extend the selection every 25 ms...
  CRect window;
  grid.GetWindowRect(&window);
  ::SetCursorPos(window.left + 20, window.bottom + 40);
  ASSERT_TRUE(PumpUntil([&] { return grid.GetFocusCell().row > 3; }))
      << "the selection never ran on: " << grid.GetFocusCell().row;
  const int steps = 10;
  ASSERT_TRUE(PumpUntil([&] { return ticks.Count() >= steps; }));
  EXPECT_GE(ticks.TickCameAfter(pressed, steps), steps * 25 - qxtest::kTimerGranularityMs)
      << "the selection runs on more often than every 25 ms";
  // ...until the capture goes elsewhere (as on Alt+Tab): then nothing runs on.
  ::SetCapture(m_dlg.m_hWnd);
  ::ReleaseCapture();
  Pump(20);
  const int stopped = grid.GetFocusCell().row;
  Pump(150);
  EXPECT_EQ(grid.GetFocusCell().row, stopped);
  EXPECT_EQ(grid.GetMouseMode(), GRIDMOUSE_NOTHING);
}

// ---- keyboard (real keystrokes) ---------------------------------------------------------------

TEST_F(GridWindow, ArrowsMoveShiftExtendsAndTabWrapsThenLeaves) {
  CGridCtrl& grid = m_dlg.m_grid;
  FocusCell(1, 1);
  PressKey(VK_RIGHT);
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID(1, 2));
  PressKey(VK_DOWN);
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID(2, 2));
  EXPECT_EQ(grid.GetSelectedCellRange(), GRIDRANGE(2, 1, 2, 2));  // the new row only
  PressKey(VK_DOWN, true);
  EXPECT_EQ(grid.GetSelectedCellRange(), GRIDRANGE(2, 1, 3, 2));  // extended from the anchor
  PressKey(VK_TAB);
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID(4, 1));  // wrapped to the next row
  PressKey(VK_TAB, true);
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID(3, 2));
  PressKey(VK_END);
  EXPECT_EQ(grid.GetFocusCell().row, 5);
  PressKey(VK_HOME);
  EXPECT_EQ(grid.GetFocusCell().row, 1);
  EXPECT_TRUE(Editor() == NULL);

  FocusCell(5, 2);
  PressKey(VK_TAB);  // the last cell: on to the next control
  Pump(20);
  EXPECT_EQ(m_dlg.m_nextDlgCtrl, 1);
  EXPECT_NE(::GetFocus(), grid.m_hWnd);
  FocusCell(1, 1);
  PressKey(VK_TAB, true);  // the first cell: back to the previous one
  Pump(20);
  EXPECT_EQ(m_dlg.m_nextDlgCtrl, 0);
  EXPECT_EQ(::GetFocus(), ::GetDlgItem(m_dlg.m_hWnd, IDC_BEFORE));
}

TEST_F(GridWindow, DeleteEmptiesSelectedCellsAndTellsOnlyOfChanges) {
  CGridCtrl& grid = m_dlg.m_grid;
  FocusCell(2, 1);
  PressKey(VK_DOWN, true);
  PressKey(VK_DELETE);
  EXPECT_EQ(RowText(grid, 2), "2||");
  EXPECT_EQ(RowText(grid, 3), "3||");
  EXPECT_EQ(m_dlg.Count(GRIDN_CHANGED), 1);
  EXPECT_TRUE(grid.GetModified());
  PressKey(VK_DELETE);  // empty already: nothing to tell
  EXPECT_EQ(m_dlg.Count(GRIDN_CHANGED), 1);
}

TEST_F(GridWindow, SpaceTogglesACheckBoxAndEscapeOpensNoEditor) {
  CGridCtrl& grid = m_dlg.m_grid;
  GRIDITEM item;
  item.row = 2;
  item.col = 2;
  item.mask = GRIDIF_TYPE | GRIDIF_TEXT;
  item.type = GRIDTYPE_CHECKBOX;
  item.text = "0";
  grid.SetItem(&item);
  grid.SetFocus();
  grid.SetFocusCell(2, 2);
  Pump(10);
  PressKey(VK_SPACE);
  EXPECT_TRUE(grid.GetCheck(2, 2));
  EXPECT_EQ(m_dlg.Count(GRIDN_CHANGED), 1);
  EXPECT_TRUE(Editor() == NULL);  // check boxes are never edited
  FocusCell(1, 1);
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Editor() == NULL);
}

// ---- in-place editing (real keystrokes) -------------------------------------------------------

TEST_F(GridWindow, TypingReplacesTheTextAndEnterStoresIt) {
  CGridCtrl& grid = m_dlg.m_grid;
  FocusCell(1, 1);
  TypeText("7");
  ASSERT_TRUE(Editor() != NULL);
  EXPECT_EQ(EditorText(), "7");
  TypeText("5.5");
  PressKey(VK_RETURN);
  Pump(20);
  EXPECT_TRUE(Editor() == NULL);
  EXPECT_EQ(grid.GetItemText(1, 1), "75.5");
  EXPECT_TRUE(grid.GetModified());
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID(1, 2));  // Enter moves on like Tab
  ASSERT_GE(m_dlg.m_notes.size(), 2u);
  int end = -1, changed = -1;
  for (size_t i = 0; i < m_dlg.m_notes.size(); ++i) {
    if (m_dlg.m_notes[i].code == GRIDN_ENDEDIT && end < 0) end = static_cast<int>(i);
    if (m_dlg.m_notes[i].code == GRIDN_CHANGED && changed < 0) changed = static_cast<int>(i);
  }
  ASSERT_GE(end, 0);
  EXPECT_EQ(changed, end + 1);  // stored, then reported as a change
  EXPECT_EQ(m_dlg.m_notes[end].row, 1);
  EXPECT_EQ(m_dlg.m_notes[changed].row, -1);
}

TEST_F(GridWindow, EscapeCancelsButStillReports) {
  CGridCtrl& grid = m_dlg.m_grid;
  FocusCell(2, 1);
  PressKey(VK_F2);
  ASSERT_TRUE(Editor() != NULL);
  EXPECT_EQ(EditorSelection(), MAKELONG(3, 3));  // F2: the caret at the end
  TypeText("99");
  EXPECT_EQ(EditorText(), "2.199");
  PressKey(VK_ESCAPE);
  Pump(20);
  EXPECT_TRUE(Editor() == NULL);
  EXPECT_EQ(grid.GetItemText(2, 1), "2.1");
  EXPECT_FALSE(grid.GetModified());
  EXPECT_EQ(m_dlg.Count(GRIDN_ENDEDIT), 1);
  EXPECT_EQ(m_dlg.Count(GRIDN_CHANGED), 1);
  EXPECT_TRUE(::IsWindow(m_dlg.m_hWnd));  // Esc in the editor closes no dialog
}

TEST_F(GridWindow, VerticalKeysEndTheEditAndReopenItOnTheNextCell) {
  CGridCtrl& grid = m_dlg.m_grid;
  FocusCell(2, 2);
  PressKey(VK_F2);
  TypeText("1");
  PressKey(VK_DOWN);
  Pump(30);
  EXPECT_EQ(grid.GetItemText(2, 2), "2.21");
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID(3, 2));
  ASSERT_TRUE(Editor() != NULL);
  EXPECT_EQ(EditorText(), "3.2");
  EXPECT_EQ(EditorSelection(), MAKELONG(0, 3));  // reopened with its text selected
  PressKey(VK_PRIOR);
  Pump(30);
  EXPECT_EQ(grid.GetFocusCell().row, 1);
  EXPECT_TRUE(Editor() != NULL);

  // Left moves inside the text, and leaves the cell only from the very start.
  PressKey(VK_END);
  PressKey(VK_LEFT);
  ASSERT_TRUE(Editor() != NULL);
  EXPECT_EQ(EditorSelection(), MAKELONG(2, 2));
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID(1, 2));
  PressKey(VK_HOME);
  PressKey(VK_LEFT);
  Pump(30);
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID(1, 1));
  EXPECT_TRUE(Editor() != NULL);
}

TEST_F(GridWindow, TheEditorWidensUpToTheGridsEdge) {
  CGridCtrl& grid = m_dlg.m_grid;
  FocusCell(1, 1);
  PressKey(VK_F2);
  ASSERT_TRUE(Editor() != NULL);
  CRect start;
  ::GetWindowRect(Editor(), &start);
  TypeText("123456789012345678901234567890");
  CRect wide, gridRect;
  ::GetWindowRect(Editor(), &wide);
  grid.GetWindowRect(&gridRect);
  CRect client;
  grid.GetClientRect(&client);
  grid.ClientToScreen(&client);
  EXPECT_GT(wide.Width(), start.Width());
  EXPECT_LE(wide.right, client.right);
}

TEST_F(GridWindow, TextThatIsNoNumberIsRefusedWithTheInputError) {
  CGridCtrl& grid = m_dlg.m_grid;
  FocusCell(3, 1);
  TypeText("12abc");
  PressKey(VK_TAB);
  Pump(50);
  EXPECT_EQ(grid.GetItemText(3, 1), "3.1");  // kept
  EXPECT_FALSE(grid.GetModified());
  ASSERT_EQ(MessageBoxes::texts.size(), 1u);
  EXPECT_EQ(MessageBoxes::captions[0], "Input Error");
  EXPECT_NE(MessageBoxes::texts[0].find("\"12abc\" is not a number"), std::string::npos);
  // The editor is back on the cell with its text selected.
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID(3, 1));
  ASSERT_TRUE(Editor() != NULL);
  EXPECT_EQ(EditorSelection(), MAKELONG(0, 3));
}

TEST_F(GridWindow, ShowInputErrorPointsAtTheCellAndEditsIt) {
  CGridCtrl& grid = m_dlg.m_grid;
  FillGrid(grid, 60);
  grid.SelectCellRange(1, 1, 2, 2);
  grid.ShowInputError(45, 2, "Error: sig3 cannot be greater than sig1.");
  ASSERT_EQ(MessageBoxes::texts.size(), 1u);
  EXPECT_EQ(MessageBoxes::texts[0], "Error: sig3 cannot be greater than sig1.");
  EXPECT_EQ(MessageBoxes::captions[0], "Input Error");
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID(45, 2));
  EXPECT_EQ(grid.GetSelectedCount(), 0);
  EXPECT_TRUE(grid.IsCellVisible(45, 2));
  ASSERT_TRUE(Editor() != NULL);
  EXPECT_EQ(EditorText(), "45.2");
  EXPECT_EQ(EditorSelection(), MAKELONG(0, 4));
}

}  // namespace

// ---- a modal dialog ---------------------------------------------------------------------------

namespace {

CGridDlg* g_modal = nullptr;
bool g_typed = false;
DWORD g_giveUpAt = 0;

// The test's steps, on a timer of the dialog: once the dialog shows, type into the first cell
// and press Enter; once the cell holds the text and the focus has moved on, cancel. A dialog
// still waiting after the cap ends with IDABORT.
void CALLBACK ModalStep(HWND hWnd, UINT, UINT_PTR id, DWORD) {
  if (!g_typed) {
    if (!::IsWindowVisible(hWnd)) return;  // the loop shows it when it first goes idle
    g_typed = true;
    ::SetForegroundWindow(hWnd);
    g_modal->m_grid.SetFocus();
    g_modal->m_grid.SetFocusCell(1, 1);
    INPUT keys[4] = {};
    const WORD vks[2] = {'5', VK_RETURN};
    for (int i = 0; i < 4; ++i) {
      keys[i].type = INPUT_KEYBOARD;
      keys[i].ki.wVk = vks[i / 2];
      keys[i].ki.dwFlags = (i % 2) ? KEYEVENTF_KEYUP : 0;
    }
    ::SendInput(4, keys, sizeof(INPUT));
    return;
  }
  // A tick comes only when the keys' messages are all handled.
  CGridCtrl& grid = g_modal->m_grid;
  const bool stored = grid.GetItemText(1, 1) == "5" && grid.GetFocusCell() == GRIDCELLID(1, 2);
  if (!stored && static_cast<int>(::GetTickCount() - g_giveUpAt) < 0) return;
  ::KillTimer(hWnd, id);
  g_modal->EndDialog(stored ? IDCANCEL : IDABORT);
}

void StartModalSteps(CDialog* dlg) {
  g_modal = static_cast<CGridDlg*>(dlg);
  g_typed = false;
  g_giveUpAt = ::GetTickCount() + kWaitCapMs;
  FillGrid(g_modal->m_grid, 6);
  ::SetTimer(dlg->m_hWnd, 1, 20, ModalStep);
}

}  // namespace

// The modal loop offers keys to the editor before the dialog: Enter in a cell stores the cell
// and moves on; it does not press OK.
TEST(GridModal, EnterInACellDoesNotCloseTheDialog) {
  CSeamOverride<AfxModalDialogSeam> hook(&AfxSetModalDialogSeam, &StartModalSteps);
  CGridDlg dlg;
  INT_PTR result = dlg.DoModal();
  EXPECT_EQ(result, IDCANCEL) << "IDOK: Enter closed it; IDABORT: the cell never took the key";
  EXPECT_EQ(dlg.m_grid.GetItemText(1, 1), "5");
  EXPECT_EQ(dlg.m_grid.GetFocusCell(), GRIDCELLID(1, 2));
  g_modal = nullptr;
}

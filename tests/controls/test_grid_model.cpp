// The grid's cells, items, selection and clipboard text without a window: counts and their
// limits, format inheritance, item masks, the selected-cell map, sorting, check boxes, OLE's
// start and stop, and pasting and copying through real OLE data objects.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

#include "controls/GridCtrl.h"
#include "tests/controls/grid_row_text.h"

namespace {

// Reaches the anchor and the mouse mode the mouse would set.
class CTestGrid : public CGridCtrl {
 public:
  using CGridCtrl::CGridCtrl;
  void SetAnchor(int row, int col) { m_SelectionStartCell = GRIDCELLID(row, col); }
  void SetMode(int mode) { m_MouseMode = mode; }
  void KeepCurrentSelection() { m_PrevSelectedCellMap = m_SelectedCellMap; }
};

// A 1-heading-row, 1-heading-column grid of rows x 3 with "r,c" texts in the data cells.
void Fill(CGridCtrl& grid) {
  for (int r = 1; r < grid.GetRowCount(); ++r)
    for (int c = 1; c < grid.GetColumnCount(); ++c) {
      CString text;
      text.Format("%d", r * 10 + c);
      grid.SetItemText(r, c, text);
    }
}

HGLOBAL TextBlock(const char* text, size_t size) {
  HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
  std::memcpy(::GlobalLock(h), text, size);
  ::GlobalUnlock(h);
  return h;
}

// Pastes text (exactly its bytes, no NUL added) at a cell through an OLE data object.
BOOL Paste(CGridCtrl& grid, int row, int col, const std::string& text) {
  COleDataSource source;
  source.CacheGlobalData(CF_TEXT, TextBlock(text.data(), text.size()));
  COleDataObject data;
  data.Attach(source.GetDataObject());
  return grid.PasteTextToGrid(GRIDCELLID(row, col), &data);
}

std::string Copied(CGridCtrl& grid) {
  COleDataSource* source = grid.CopyTextFromGrid();
  if (!source) return "<none>";
  COleDataObject data;
  data.Attach(source->GetDataObject());
  HGLOBAL h = data.GetGlobalData(CF_TEXT);
  std::string text = AfxGetGlobalText(h).GetString();
  ::GlobalFree(h);
  delete source;
  return text;
}

using gridtest::RowText;

// ---- counts -----------------------------------------------------------------------------------

TEST(GridModel, NewCellsInheritTheFormatAboveExceptInColumnZeroAndRowZero) {
  CGridCtrl grid(1, 3, 0, 0);
  GRIDITEM item;
  item.mask = GRIDIF_FORMAT;
  item.format = DT_CENTER | DT_WORDBREAK;
  for (int c = 0; c < 3; ++c) {
    item.row = 0;
    item.col = c;
    ASSERT_TRUE(grid.SetItem(&item));
  }
  ASSERT_TRUE(grid.SetRowCount(3));
  EXPECT_EQ(grid.GetItemFormat(1, 0), 0u);  // column 0 starts plain
  EXPECT_EQ(grid.GetItemFormat(1, 1), (UINT)(DT_CENTER | DT_WORDBREAK));
  EXPECT_EQ(grid.GetItemFormat(2, 2), (UINT)(DT_CENTER | DT_WORDBREAK));  // down the column
  ASSERT_TRUE(grid.SetColumnCount(4));
  EXPECT_EQ(grid.GetItemFormat(0, 3), 0u);  // row 0 starts plain
  EXPECT_EQ(grid.GetItemFormat(1, 3), 0u);  // nothing above to inherit
  EXPECT_EQ(grid.GetDefaultRowHeight(), 30);  // no font was ever set
  EXPECT_EQ(grid.GetRowHeight(2), 30);
}

TEST(GridModel, TenThousandTestsFitUnderAHeadingByDefault) {
  CGridCtrl grid;
  EXPECT_TRUE(grid.SetRowCount(10001));  // as the dialogs do: rows first, headings after
  EXPECT_TRUE(grid.SetFixedRowCount(1));
  EXPECT_FALSE(grid.SetRowCount(10002));
  EXPECT_EQ(grid.GetRowCount(), 10001);
}

TEST(GridModel, CountsShrinkGrowAndRefuseWhatCannotBe) {
  CTestGrid grid(5, 3, 2, 1);
  grid.SetFocusCell(4, 2);
  ASSERT_EQ(grid.GetFocusCell(), GRIDCELLID(4, 2));
  EXPECT_TRUE(grid.SetRowCount(0));
  EXPECT_EQ(grid.GetFixedRowCount(), 0);
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID());
  EXPECT_EQ(grid.GetItemText(0, 0), "");

  EXPECT_TRUE(grid.SetFixedRowCount(3));  // more headings than rows: rows follow
  EXPECT_EQ(grid.GetRowCount(), 3);
  EXPECT_FALSE(grid.SetRowCount(-1));
  EXPECT_FALSE(grid.SetColumnCount(-5));
  EXPECT_FALSE(grid.SetFixedRowCount(-1));
  EXPECT_FALSE(grid.SetFixedColumnCount(-1));
  EXPECT_EQ(grid.GetRowCount(), 3);
  EXPECT_EQ(grid.GetColumnCount(), 3);

  // At most the owner's number of rows; more is cut to that.
  grid.SetMaxRowCount(13);
  EXPECT_FALSE(grid.SetRowCount(2000000000));
  EXPECT_EQ(grid.GetRowCount(), 13);
  EXPECT_TRUE(grid.SetRowCount(13));
  // No grid holds millions of cells: refused, nothing changed.
  EXPECT_FALSE(grid.SetColumnCount(1000000));
  EXPECT_EQ(grid.GetColumnCount(), 3);
  EXPECT_EQ(grid.GetRowHeight(12), 30);
  EXPECT_EQ(grid.GetRowHeight(13), -1);
  EXPECT_FALSE(grid.SetRowHeight(1, -4));
  EXPECT_FALSE(grid.SetColumnWidth(3, 10));
  EXPECT_TRUE(grid.SetColumnWidth(2, 0));
  EXPECT_EQ(grid.GetVirtualWidth(), 2 * grid.GetDefaultColumnWidth());
  EXPECT_EQ(grid.GetFixedRowHeight(), 90);
  EXPECT_TRUE(grid.DeleteAllItems());
  EXPECT_EQ(grid.GetRowCount() + grid.GetColumnCount() + grid.GetFixedRowCount(), 0);
}

TEST(GridModel, ItemsThroughMasks) {
  CGridCtrl grid(3, 3, 1, 1);
  GRIDITEM item;
  item.row = 1;
  item.col = 2;
  item.mask = GRIDIF_TYPE | GRIDIF_TEXT | GRIDIF_BKCLR | GRIDIF_PARAM;
  item.type = GRIDTYPE_CHECKBOX;
  item.text = "1";
  item.crBkClr = RGB(1, 2, 3);
  item.lParam = 77;
  ASSERT_TRUE(grid.SetItem(&item));
  GRIDITEM back;
  back.row = 1;
  back.col = 2;
  back.mask = GRIDIF_STATE | GRIDIF_TEXT | GRIDIF_BKCLR | GRIDIF_PARAM | GRIDIF_FGCLR;
  ASSERT_TRUE(grid.GetItem(&back));
  EXPECT_TRUE(back.state & GRIDSTATE_READONLY);  // check boxes are never edited
  EXPECT_EQ(back.text, "1");
  EXPECT_EQ(back.crBkClr, RGB(1, 2, 3));
  EXPECT_EQ(back.crFgClr, GRIDCLR_DEFAULT);
  EXPECT_EQ(back.lParam, 77);
  EXPECT_EQ(back.image, -1);  // not asked for: untouched

  EXPECT_FALSE(grid.SetItem(nullptr));
  back.row = 3;
  EXPECT_FALSE(grid.GetItem(&back));
  EXPECT_FALSE(grid.SetItemText(-1, 0, "x"));
  EXPECT_EQ(grid.GetItemText(0, 9), "");
  EXPECT_EQ(grid.GetItemImage(9, 9), -1);
  EXPECT_EQ(grid.GetItemState(9, 9), 0u);
  EXPECT_TRUE(grid.GetItemFont(9, 9) == nullptr);
  ASSERT_TRUE(grid.GetItemFont(1, 1) != nullptr);
  EXPECT_STREQ(grid.GetItemFont(1, 1)->lfFaceName, grid.GetLogFont().lfFaceName);
  EXPECT_EQ(grid.SendMessageToParent(-1, -1, GRIDN_CHANGED), 0);  // no window, no owner
}

TEST(GridModel, CheckBoxesToggleOnlyAsCheckBoxes) {
  CGridCtrl grid(2, 2, 0, 0);
  EXPECT_FALSE(grid.SetCheck(0, 0, TRUE));  // a text cell
  EXPECT_FALSE(grid.ToggleCheck(0, 0));
  EXPECT_FALSE(grid.GetCheck(0, 0));
  GRIDITEM item;
  item.row = 1;
  item.col = 1;
  item.mask = GRIDIF_TYPE;
  item.type = GRIDTYPE_CHECKBOX;
  grid.SetItem(&item);
  EXPECT_TRUE(grid.SetCheck(1, 1, TRUE));
  EXPECT_EQ(grid.GetItemText(1, 1), "1");
  EXPECT_TRUE(grid.GetCheck(1, 1));
  EXPECT_TRUE(grid.ToggleCheck(1, 1));
  EXPECT_EQ(grid.GetItemText(1, 1), "0");
  EXPECT_FALSE(grid.IsCellEditable(1, 1));
}

TEST(GridModel, BlendColour) {
  EXPECT_EQ(CGridCtrl::BlendColour(RGB(0, 0, 128), RGB(255, 255, 255), 75), RGB(191, 191, 223));
  EXPECT_EQ(CGridCtrl::BlendColour(RGB(200, 100, 0), RGB(0, 0, 0), 50), RGB(100, 50, 0));
  EXPECT_EQ(CGridCtrl::BlendColour(RGB(10, 20, 30), RGB(90, 80, 70), 0), RGB(10, 20, 30));
}

// ---- the selected-cell map --------------------------------------------------------------------

TEST(GridSelection, SelectedBitsAndTheMapStayInStep) {
  CGridCtrl grid(6, 3, 2, 1);
  Fill(grid);
  grid.SetItemState(3, 1, GRIDSTATE_SELECTED);
  grid.SetItemState(4, 2, GRIDSTATE_SELECTED);
  EXPECT_EQ(grid.GetSelectedCount(), 2);
  EXPECT_EQ(grid.GetSelectedCellRange(), GRIDRANGE(3, 1, 4, 2));
  grid.SetItemState(4, 2, 0);
  EXPECT_EQ(grid.GetSelectedCount(), 1);

  // The item record stores the state as given and leaves the map alone, both ways.
  GRIDITEM item;
  item.row = 4;
  item.col = 2;
  item.mask = GRIDIF_STATE;
  item.state = GRIDSTATE_SELECTED | GRIDSTATE_FOCUSED;
  ASSERT_TRUE(grid.SetItem(&item));
  EXPECT_EQ(grid.GetItemState(4, 2), GRIDSTATE_SELECTED | GRIDSTATE_FOCUSED);
  EXPECT_EQ(grid.GetSelectedCount(), 1);
  EXPECT_EQ(grid.GetSelectedCellRange(), GRIDRANGE(3, 1, 3, 1));
  item.row = 3;
  item.col = 1;
  item.state = 0;
  ASSERT_TRUE(grid.SetItem(&item));
  EXPECT_EQ(grid.GetItemState(3, 1), 0u);
  EXPECT_EQ(grid.GetSelectedCount(), 1);
  grid.SetItemState(3, 1, GRIDSTATE_SELECTED);
  grid.SetItemState(4, 2, 0);

  // Rows that go take their selection with them.
  grid.SetItemState(5, 2, GRIDSTATE_SELECTED);
  ASSERT_TRUE(grid.SetRowCount(5));
  EXPECT_EQ(grid.GetSelectedCount(), 1);
  grid.SetFocusCell(3, 1);
  ASSERT_TRUE(grid.DeleteRow(1));  // a heading row
  EXPECT_EQ(grid.GetFixedRowCount(), 1);
  EXPECT_EQ(grid.GetSelectedCount(), 0);
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID());
  EXPECT_EQ(RowText(grid, 1), "|21|22");  // the rows below moved up
  EXPECT_EQ(grid.GetItemState(2, 1) & GRIDSTATE_SELECTED, 0u);
  EXPECT_FALSE(grid.DeleteRow(4));
  EXPECT_FALSE(grid.DeleteRow(-1));

  // Nothing selected: an invalid range past the counts.
  GRIDRANGE none = grid.GetSelectedCellRange();
  EXPECT_EQ(none, GRIDRANGE(4, 3, -1, -1));
  EXPECT_FALSE(grid.IsValid(none));
}

TEST(GridSelection, RowsBeyond65535HaveKeysOfTheirOwn) {
  CGridCtrl grid(0, 1, 0, 0);
  grid.SetMaxRowCount(70000);
  ASSERT_TRUE(grid.SetRowCount(70000));
  grid.SetItemState(69999, 0, GRIDSTATE_SELECTED);
  grid.SetItemState(69999 - 65536, 0, GRIDSTATE_SELECTED);
  EXPECT_EQ(grid.GetSelectedCount(), 2);
  EXPECT_EQ(grid.GetSelectedCellRange(), GRIDRANGE(69999 - 65536, 0, 69999, 0));
  grid.SetItemState(69999, 0, 0);
  EXPECT_EQ(grid.GetSelectedCount(), 1);
  EXPECT_TRUE(grid.GetItemState(69999 - 65536, 0) & GRIDSTATE_SELECTED);
}

TEST(GridSelection, RowsColumnsAndBlocksFromTheAnchor) {
  CTestGrid grid(8, 4, 1, 1);
  grid.SetAnchor(5, 2);
  grid.SelectRows(GRIDCELLID(3, 3));  // upwards from the anchor
  EXPECT_EQ(grid.GetSelectedCellRange(), GRIDRANGE(3, 1, 5, 3));
  grid.SelectRows(GRIDCELLID(7, 1));  // and downwards
  EXPECT_EQ(grid.GetSelectedCellRange(), GRIDRANGE(5, 1, 7, 3));
  grid.SelectColumns(GRIDCELLID(4, 1));
  EXPECT_EQ(grid.GetSelectedCellRange(), GRIDRANGE(1, 1, 7, 2));
  grid.SelectColumns(GRIDCELLID(4, 0));  // a heading column: nothing changes
  EXPECT_EQ(grid.GetSelectedCellRange(), GRIDRANGE(1, 1, 7, 2));
  grid.SelectCells(GRIDCELLID(6, 3));
  EXPECT_EQ(grid.GetSelectedCellRange(), GRIDRANGE(5, 2, 6, 3));
  EXPECT_EQ(grid.GetSelectedCount(), 4);

  // Cells kept across a Ctrl-click stay selected beside a new block.
  grid.KeepCurrentSelection();
  grid.SetAnchor(1, 1);
  grid.SelectCells(GRIDCELLID(1, 1));
  EXPECT_EQ(grid.GetSelectedCount(), 5);
  EXPECT_EQ(grid.GetSelectedCellRange(), GRIDRANGE(1, 1, 6, 3));
  grid.SelectCellRange(2, 2, 2, 2);  // a plain selection forgets them
  EXPECT_EQ(grid.GetSelectedCount(), 1);

  grid.SetMode(GRIDMOUSE_SELECT_ALL);
  grid.OnSelecting(GRIDCELLID(3, 3));
  EXPECT_EQ(grid.GetSelectedCount(), 7 * 3);
  grid.EnableSelection(FALSE);
  EXPECT_EQ(grid.GetSelectedCount(), 0);
  grid.SelectAllCells();
  grid.SetItemState(2, 2, GRIDSTATE_SELECTED);
  EXPECT_EQ(grid.GetSelectedCount(), 0);
}

// ---- sorting ----------------------------------------------------------------------------------

TEST(GridSort, RowsMoveWithTheirHeightsAndHeadingsStay) {
  CGridCtrl grid(5, 2, 1, 0);
  const char* keys[] = {"key", "c", "a", "d", "b"};
  for (int r = 0; r < 5; ++r) {
    grid.SetItemText(r, 0, keys[r]);
    grid.SetRowHeight(r, 10 + r);
  }
  grid.SetFocusCell(2, 1);
  ASSERT_TRUE(grid.SortTextItems(0, TRUE));
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID());
  const char* ascending[] = {"key", "a", "b", "c", "d"};
  const int ascendingHeights[] = {10, 12, 14, 11, 13};
  for (int r = 0; r < 5; ++r) {
    EXPECT_EQ(grid.GetItemText(r, 0), ascending[r]);
    EXPECT_EQ(grid.GetRowHeight(r), ascendingHeights[r]);
  }
  ASSERT_TRUE(grid.SortTextItems(0, FALSE));
  EXPECT_EQ(grid.GetItemText(1, 0), "d");
  EXPECT_EQ(grid.GetItemText(4, 0), "a");
  EXPECT_EQ(grid.GetSortColumn(), 0);
  EXPECT_FALSE(grid.GetSortAscending());
  EXPECT_FALSE(grid.SortTextItems(2, TRUE));
  EXPECT_EQ(CGridCtrl::CompareCellText(nullptr, nullptr, 0), 0);
}

// ---- OLE --------------------------------------------------------------------------------------

TEST(GridOle, EveryStartOfOleIsBalancedByOneStop) {
  HRESULT fresh = E_FAIL, after = E_FAIL, again = E_FAIL, last = E_FAIL;
  std::thread([&] {
    { CGridCtrl grid; }
    fresh = ::OleInitialize(NULL);  // the grid left nothing started
    if (SUCCEEDED(fresh)) ::OleUninitialize();
  }).join();
  std::thread([&] {
    after = ::OleInitialize(NULL);
    { CGridCtrl grid; }
    again = ::OleInitialize(NULL);  // still started: the grid stopped only its own start
    if (SUCCEEDED(again)) ::OleUninitialize();
    if (SUCCEEDED(after)) ::OleUninitialize();
    last = ::OleInitialize(NULL);
    if (SUCCEEDED(last)) ::OleUninitialize();
  }).join();
  EXPECT_EQ(fresh, S_OK);
  EXPECT_EQ(after, S_OK);
  EXPECT_EQ(again, S_FALSE);
  EXPECT_EQ(last, S_OK);
}

// ---- clipboard text ---------------------------------------------------------------------------

TEST(GridPaste, FieldsFillCellsFromTheTargetAndAreSelected) {
  CGridCtrl grid(5, 3, 1, 1);
  Fill(grid);
  grid.SetFocusCell(2, 2);
  ASSERT_TRUE(Paste(grid, 1, 1, "1,5\r\n\r\n2\t\t3\t4\r\n"));
  EXPECT_EQ(RowText(grid, 1), "|1|5");
  EXPECT_EQ(RowText(grid, 2), "||22");  // an empty line empties the first cell of its row
  EXPECT_EQ(RowText(grid, 3), "|2|3");  // the 4 fell off the last column
  EXPECT_EQ(RowText(grid, 4), "|41|42");
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID());
  EXPECT_EQ(grid.GetSelectedCount(), 2 + 1 + 2);
  EXPECT_TRUE(grid.GetModified());
}

TEST(GridPaste, ClipsAtTheLastRowAndNeverAddsRows) {
  CGridCtrl grid(8, 2, 1, 1);
  Fill(grid);
  std::string ten;
  for (int i = 1; i <= 10; ++i) ten += std::to_string(i * 100) + "\r\n";
  ASSERT_TRUE(Paste(grid, 5, 1, ten));
  EXPECT_EQ(grid.GetRowCount(), 8);
  EXPECT_EQ(grid.GetItemText(4, 1), "41");
  EXPECT_EQ(grid.GetItemText(5, 1), "100");
  EXPECT_EQ(grid.GetItemText(7, 1), "300");
}

TEST(GridPaste, ReadOnlyCellsAreSelectedButNotWritten) {
  CGridCtrl grid(3, 3, 1, 1);
  Fill(grid);
  grid.SetItemState(1, 2, GRIDSTATE_READONLY);
  ASSERT_TRUE(Paste(grid, 1, 1, "7\t8"));
  EXPECT_EQ(RowText(grid, 1), "|7|12");
  EXPECT_TRUE(grid.GetItemState(1, 2) & GRIDSTATE_SELECTED);
  EXPECT_TRUE(grid.GetModified());

  // Nothing editable written: nothing modified.
  CGridCtrl locked(3, 3, 1, 1);
  Fill(locked);
  locked.SetItemState(1, 2, GRIDSTATE_READONLY);
  EXPECT_FALSE(Paste(locked, 1, 2, "9"));  // a read-only target refuses the paste
  ASSERT_TRUE(Paste(locked, 1, 1, "x\t9"));
  EXPECT_EQ(RowText(locked, 1), "|11|12");
  EXPECT_FALSE(locked.GetModified());
}

TEST(GridPaste, TextThatIsNoNumberLeavesTheCellAsItWas) {
  CGridCtrl grid(3, 3, 1, 1);
  Fill(grid);
  ASSERT_TRUE(Paste(grid, 1, 1, "12abc\tnan\r\n0x10\t 2.5e1 "));
  EXPECT_EQ(RowText(grid, 1), "|11|12");
  EXPECT_EQ(RowText(grid, 2), "|21|2.5e1");
  EXPECT_EQ(grid.GetSelectedCount(), 4);  // all four targets were meant
}

TEST(GridPaste, RefusesWhatItCannotRead) {
  CGridCtrl grid(3, 3, 1, 1);
  Fill(grid);
  EXPECT_FALSE(grid.PasteTextToGrid(GRIDCELLID(0, 1), nullptr));
  COleDataSource empty;
  COleDataObject data;
  data.Attach(empty.GetDataObject());
  EXPECT_FALSE(grid.PasteTextToGrid(GRIDCELLID(1, 1), &data));  // no text offered
  EXPECT_FALSE(Paste(grid, 0, 1, "5"));                          // a heading
  EXPECT_FALSE(Paste(grid, 3, 1, "5"));                          // outside
  grid.SetEditable(FALSE);
  EXPECT_FALSE(Paste(grid, 1, 1, "5"));
  EXPECT_EQ(RowText(grid, 1), "|11|12");
  // Text without a closing NUL is read to the end of its block and no further.
  grid.SetEditable(TRUE);
  ASSERT_TRUE(Paste(grid, 1, 1, std::string("3\t4", 3)));
  EXPECT_EQ(RowText(grid, 1), "|3|4");
}

TEST(GridCopy, SelectionAsTabsAndLineEndsEndingInOneNul) {
  CGridCtrl grid(4, 3, 1, 1);
  Fill(grid);
  EXPECT_EQ(Copied(grid), "<none>");  // nothing selected
  grid.SetItemText(2, 1, "");
  grid.SelectCellRange(1, 1, 3, 2);
  EXPECT_EQ(Copied(grid), "11\t12\r\n \t22\r\n31\t32");
  COleDataSource* source = grid.CopyTextFromGrid();
  ASSERT_TRUE(source != nullptr);
  COleDataObject data;
  data.Attach(source->GetDataObject());
  HGLOBAL h = data.GetGlobalData(CF_TEXT);
  ASSERT_TRUE(h != NULL);
  EXPECT_EQ(::GlobalSize(h), std::strlen("11\t12\r\n \t22\r\n31\t32") + 1);
  ::GlobalFree(h);
  delete source;

  // Copied text pasted back writes the empty cell empty again.
  CGridCtrl other(4, 3, 1, 1);
  Fill(other);
  ASSERT_TRUE(Paste(other, 1, 1, Copied(grid)));
  EXPECT_EQ(RowText(other, 2), "||22");
}

TEST(GridCut, EmptiesTheSelectionButKeepsTheFocusMark) {
  CGridCtrl grid(3, 3, 1, 1);
  Fill(grid);
  grid.SetFocusCell(1, 1);
  grid.SelectCellRange(1, 1, 1, 2);
  grid.SetItemState(1, 2, grid.GetItemState(1, 2) | GRIDSTATE_READONLY);
  grid.CutSelectedText();
  EXPECT_EQ(RowText(grid, 1), "||12");
  EXPECT_TRUE(grid.GetItemState(1, 1) & GRIDSTATE_FOCUSED);
  EXPECT_FALSE(grid.GetItemState(1, 1) & GRIDSTATE_SELECTED);
  EXPECT_TRUE(grid.GetModified());
}

}  // namespace

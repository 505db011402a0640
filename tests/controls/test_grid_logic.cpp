// The grid's window-free rules: geometry on one axis, the key table, wheel steps, fitting
// columns, dividers, print pages, sorting, and the clipboard text both ways.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/GridClipboardText.h"
#include "controls/GridLogic.h"

using namespace gridlogic;

namespace {

// ---- geometry ---------------------------------------------------------------------------------

// A row axis: one fixed row of 20 px, then rows of 10, 30, 15, 25 px.
const UINT kHeights[] = {20, 10, 30, 15, 25};
const GridAxis kAxis = {kHeights, 5, 1};

TEST(GridGeometry, TopLeftRowFollowsTheScrollPosition) {
  EXPECT_EQ(TopLeftNonFixed(kAxis, 0), 1);
  EXPECT_EQ(TopLeftNonFixed(kAxis, 10), 2);  // exactly one row scrolled
  EXPECT_EQ(TopLeftNonFixed(kAxis, 11), 3);  // inside a row: the next whole one
  EXPECT_EQ(TopLeftNonFixed(kAxis, 40), 3);
  EXPECT_EQ(TopLeftNonFixed(kAxis, 10000), 4);  // never past the last row
  const GridAxis noRows = {kHeights, 1, 1};
  EXPECT_EQ(TopLeftNonFixed(noRows, 50), 1);
}

TEST(GridGeometry, OriginAndHitTestAgreeOnEveryPixel) {
  // Scrolled by one row: rows 0 (fixed), 2, 3, 4 are shown at 0, 20, 50, 65.
  const int top = TopLeftNonFixed(kAxis, 10);
  ASSERT_EQ(top, 2);
  for (int index = 0; index < kAxis.count; ++index) {
    int origin = -1;
    bool shown = EntryOrigin(kAxis, index, top, origin);
    if (index == 1) {
      EXPECT_FALSE(shown);  // scrolled out
      continue;
    }
    ASSERT_TRUE(shown);
    const int last = origin + kAxis.Size(index) - 1;  // inclusive last pixel
    for (int p = origin; p <= last; ++p) EXPECT_EQ(EntryAt(kAxis, top, p, true), index) << p;
  }
  EXPECT_EQ(EntryAt(kAxis, top, 89, true), 4);
  EXPECT_EQ(EntryAt(kAxis, top, 90, true), -1);  // past the last row
  EXPECT_EQ(EntryAt(kAxis, top, 5, false), -1);  // fixed rows not allowed
  EXPECT_EQ(EntryAt(kAxis, top, -1, true), -1);
  int origin = 0;
  EXPECT_FALSE(EntryOrigin(kAxis, 5, top, origin));
  EXPECT_FALSE(EntryOrigin(kAxis, -1, top, origin));
}

TEST(GridGeometry, VisibleRangeEndsWithTheRowThatReachesTheBottom) {
  // Client 60 px: fixed 20 + 10 + 30 reaches exactly 60, so row 2 is the last.
  VisibleSpan span = VisibleEnd(kAxis, 1, 60);
  EXPECT_EQ(span.last, 2);
  EXPECT_EQ(span.reached, 60);
  span = VisibleEnd(kAxis, 1, 61);
  EXPECT_EQ(span.last, 3);
  EXPECT_EQ(span.reached, 61);
  span = VisibleEnd(kAxis, 1, 500);  // all fit
  EXPECT_EQ(span.last, 4);
  EXPECT_EQ(span.reached, 100);
}

TEST(GridGeometry, ScrollRangeOnlyWhenTheRowsDoNotFit) {
  EXPECT_EQ(kAxis.FixedExtent(), 20);
  EXPECT_EQ(kAxis.VirtualExtent(), 100);
  EXPECT_EQ(ScrollMaximum(kAxis, 0, 80), 0);   // 80 px of rows fit exactly
  EXPECT_EQ(ScrollMaximum(kAxis, 0, 79), 79);  // range 0..79 with a page of 79
}

// ---- keyboard ---------------------------------------------------------------------------------

const GridCounts kCounts = {4, 3, 1, 1};  // data cells: rows 1-3, columns 1-2

GridMove Key(int row, int col, MoveKey key, bool shift = false, bool ctrl = false) {
  return KeyMove(GRIDCELLID(row, col), key, shift, ctrl, kCounts);
}

TEST(GridKeys, TabAndEnterWrapAndLeaveAtTheEnds) {
  EXPECT_EQ(Key(1, 1, MoveKey::Tab).cell, GRIDCELLID(1, 2));
  GridMove wrap = Key(1, 2, MoveKey::Tab);
  EXPECT_EQ(wrap.cell, GRIDCELLID(2, 1));
  EXPECT_TRUE(wrap.wrapped);
  EXPECT_EQ(Key(3, 2, MoveKey::Tab).kind, GridMove::NextControl);
  EXPECT_EQ(Key(3, 2, MoveKey::Enter).kind, GridMove::NextControl);
  EXPECT_EQ(Key(2, 1, MoveKey::Enter, true).cell, GRIDCELLID(1, 2));  // back over the wrap
  EXPECT_EQ(Key(1, 1, MoveKey::Tab, true).kind, GridMove::PrevControl);
  EXPECT_EQ(Key(2, 2, MoveKey::Tab, false, true).kind, GridMove::NextControl);
  EXPECT_EQ(Key(2, 2, MoveKey::Tab, true, true).kind, GridMove::PrevControl);
  // A grid of headings only has nowhere to wrap to.
  GridCounts headings = {4, 1, 1, 1};
  EXPECT_EQ(KeyMove(GRIDCELLID(1, 0), MoveKey::Tab, false, false, headings).kind,
            GridMove::NextControl);
}

TEST(GridKeys, ArrowsStayOutOfTheHeadingsAndInsideTheGrid) {
  EXPECT_EQ(Key(1, 1, MoveKey::Up).cell, GRIDCELLID(1, 1));
  EXPECT_EQ(Key(1, 1, MoveKey::Left).cell, GRIDCELLID(1, 1));
  EXPECT_EQ(Key(3, 2, MoveKey::Down).cell, GRIDCELLID(3, 2));
  EXPECT_EQ(Key(3, 2, MoveKey::Right).cell, GRIDCELLID(3, 2));
  EXPECT_EQ(Key(2, 2, MoveKey::Up).cell, GRIDCELLID(1, 2));
  EXPECT_EQ(Key(2, 1, MoveKey::Right).cell, GRIDCELLID(2, 2));
}

TEST(GridKeys, PageKeysFollowTheTopRow) {
  const GridCounts big = {100, 3, 1, 1};
  EXPECT_EQ(PageMoveRow(5, 1, 11, true, big), 15);
  EXPECT_EQ(PageMoveRow(95, 80, 90, true, big), 99);  // capped at the last row
  EXPECT_EQ(PageMoveRow(40, 50, 50, true, big), 99);  // nothing scrolled
  EXPECT_EQ(PageMoveRow(12, 11, 1, false, big), 2);
  EXPECT_EQ(PageMoveRow(5, 9, 1, false, big), 1);  // not into the headings
  EXPECT_EQ(PageMoveRow(40, 1, 1, false, big), 1);
}

// ---- wheel ------------------------------------------------------------------------------------

TEST(GridWheel, StepsAreSignedAndCapped) {
  WheelScroll s = WheelSteps(120, 3, 1000);
  EXPECT_EQ(s.count, 3);
  EXPECT_TRUE(s.up);
  EXPECT_FALSE(s.pages);
  s = WheelSteps(-120, 3, 1000);  // toward the user: down, counted signed
  EXPECT_EQ(s.count, 3);
  EXPECT_FALSE(s.up);
  s = WheelSteps(-240, kWheelPageScroll, 1000);
  EXPECT_TRUE(s.pages);
  EXPECT_EQ(s.count, 2);
  EXPECT_EQ(WheelSteps(60, 3, 1000).count, 1);   // 1.5 truncated
  EXPECT_EQ(WheelSteps(-60, 3, 1000).count, 1);  // toward zero
  s = WheelSteps(-120, 1000000, 50);
  EXPECT_EQ(s.count, 50);
  EXPECT_FALSE(s.up);
  EXPECT_EQ(WheelSteps(120, 0, 50).count, 0);
}

TEST(GridWheel, RegistryTextReadsDigitsOnly) {
  EXPECT_EQ(ParseWheelLines(nullptr), 3u);
  EXPECT_EQ(ParseWheelLines(""), 3u);
  EXPECT_EQ(ParseWheelLines("abc"), 3u);
  EXPECT_EQ(ParseWheelLines(" 7"), 7u);
  EXPECT_EQ(ParseWheelLines("4294967295"), kWheelPageScroll);
  EXPECT_EQ(ParseWheelLines("99999999999999999999"), kWheelPageScroll);
  EXPECT_EQ(ParseWheelLines("12lines"), 12u);
}

// ---- sizes, dividers, pages -------------------------------------------------------------------

TEST(GridSizes, SpareWidthGoesToTheColumnsFirstOnesFirst) {
  UINT widths[] = {30, 30, 30};
  ExpandToFit(widths, 3, 100, 4);
  EXPECT_EQ(widths[0], 34u);
  EXPECT_EQ(widths[1], 33u);
  EXPECT_EQ(widths[2], 33u);
  UINT narrow[] = {50, 50, 50};
  ExpandToFit(narrow, 3, 140, 4);  // 10 px too wide
  EXPECT_EQ(narrow[0], 46u);
  EXPECT_EQ(narrow[1], 47u);
  EXPECT_EQ(narrow[2], 47u);
}

TEST(GridSizes, ShrinkingNeverTurnsAWidthNegative) {
  UINT widths[] = {100, 2, 50};
  ExpandToFit(widths, 3, 30, 6);  // 122 px too wide
  EXPECT_EQ(widths[0], 59u);
  EXPECT_EQ(widths[1], 2u);  // already below the floor: kept
  EXPECT_EQ(widths[2], 10u);
  UINT tiny[] = {10, 10};
  ExpandToFit(tiny, 2, -500, 6);  // a client narrower than nothing
  EXPECT_EQ(tiny[0], 6u);
  EXPECT_EQ(tiny[1], 6u);
  ExpandToFit(tiny, 0, 100, 6);  // no columns: nothing
}

TEST(GridSizes, DividersWithinThreePixelsOfAnEdge) {
  // A cell from 40 to 79 (inclusive).
  EXPECT_EQ(DividerNear(40, 40, 79, 3), DividerSide::Before);
  EXPECT_EQ(DividerNear(42, 40, 79, 3), DividerSide::Before);
  EXPECT_EQ(DividerNear(43, 40, 79, 3), DividerSide::None);
  EXPECT_EQ(DividerNear(76, 40, 79, 3), DividerSide::None);
  EXPECT_EQ(DividerNear(77, 40, 79, 3), DividerSide::After);
  EXPECT_EQ(DividerNear(79, 40, 79, 3), DividerSide::After);
  EXPECT_EQ(DividerNear(80, 40, 79, 3), DividerSide::None);
}

TEST(GridPrintPages, RowsFillPagesAndTallRowsGetOneEach) {
  const UINT heights[] = {20, 10, 10, 10, 10, 10};
  EXPECT_EQ(PageStarts(heights, 1, 6, 30), (std::vector<int>{1, 4}));
  EXPECT_EQ(PageStarts(heights, 1, 6, 29), (std::vector<int>{1, 3, 5}));
  EXPECT_TRUE(PageStarts(heights, 6, 6, 30).empty());  // only fixed rows
  const UINT tall[] = {5, 100, 10, 100};
  EXPECT_EQ(PageStarts(tall, 1, 4, 50), (std::vector<int>{1, 2, 3}));
  // A body that holds nothing (tall headings) still prints one row per page.
  EXPECT_EQ(PageStarts(tall, 1, 4, 0), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(PageStarts(tall, 1, 4, -40), (std::vector<int>{1, 2, 3}));
}

TEST(GridSort, QuickSortMovesParallelArraysAlong) {
  int keys[] = {0, 5, 3, 9, 1, 3, 7};  // index 0 stays (a fixed row)
  int heights[] = {0, 50, 30, 90, 10, 31, 70};
  auto swap = [&](int i, int j) { std::swap(heights[i], heights[j]); };
  auto compare = [](int a, int b) { return a < b ? -1 : a > b ? 1 : 0; };
  QuickSort(keys, 1, 6, true, compare, swap);
  EXPECT_EQ(std::vector<int>(keys, keys + 7), (std::vector<int>{0, 1, 3, 3, 5, 7, 9}));
  for (int i = 1; i < 7; ++i) EXPECT_EQ(heights[i] / 10, keys[i]);  // heights went along
  QuickSort(keys, 1, 6, false, compare, swap);
  EXPECT_EQ(std::vector<int>(keys, keys + 7), (std::vector<int>{0, 9, 7, 5, 3, 3, 1}));
  for (int i = 1; i < 7; ++i) EXPECT_EQ(heights[i] / 10, keys[i]);
  // Long sorted runs recurse only into the smaller part.
  std::vector<int> many(20000);
  for (int i = 0; i < 20000; ++i) many[i] = i % 7 == 0 ? 1 : 20000 - i;
  QuickSort(many.data(), 0, 19999, true, compare, [](int, int) {});
  for (int i = 1; i < 20000; ++i) ASSERT_LE(many[i - 1], many[i]);
}

// ---- clipboard text ---------------------------------------------------------------------------

struct TextTable {
  std::vector<std::vector<std::string>> text;
  std::vector<std::vector<bool>> selected;
  std::string Copy(const GRIDRANGE& range) const {
    return gridtext::FormatCopyText(
        range, [this](int r, int c) { return static_cast<bool>(selected[r][c]); },
        [this](int r, int c) { return text[r][c]; });
  }
};

TEST(GridClipboardText, CopyWritesTabsBlanksAndNoTrailingLineEnd) {
  TextTable t;
  t.text = {{"1", "2"}, {"", "4"}, {"5", "6"}};
  t.selected = {{true, true}, {true, true}, {true, true}};
  EXPECT_EQ(t.Copy(GRIDRANGE(0, 0, 1, 1)), std::string("1\t2\r\n \t4"));
  EXPECT_EQ(t.Copy(GRIDRANGE(0, 0, 2, 1)), std::string("1\t2\r\n \t4\r\n5\t6"));
  // An unselected cell in the block gives nothing but keeps its tab.
  t.selected[0][0] = false;
  EXPECT_EQ(t.Copy(GRIDRANGE(0, 0, 1, 1)), std::string("\t2\r\n \t4"));
}

std::vector<std::vector<std::string>> ReadAll(const std::string& data) {
  gridtext::PasteReader reader(data.data(), data.size());
  std::vector<std::vector<std::string>> lines;
  std::vector<std::string> fields;
  while (reader.NextLine(fields)) lines.push_back(fields);
  return lines;
}

using Lines = std::vector<std::vector<std::string>>;

TEST(GridClipboardText, PasteSplitsAtTabsCommasAndNewlines) {
  EXPECT_EQ(ReadAll("1,5"), (Lines{{"1", "5"}}));
  EXPECT_EQ(ReadAll("1\t\t2"), (Lines{{"1", "2"}}));  // empty fields vanish
  EXPECT_EQ(ReadAll("1\t2\r\n3\t4\r\n"), (Lines{{"1", "2"}, {"3", "4"}}));  // no CR left
  EXPECT_EQ(ReadAll(" 7 \t 8\r"), (Lines{{"7", "8"}}));
  // An empty middle line is one blank field; an empty last line is nothing.
  EXPECT_EQ(ReadAll("1\n\n2\n"), (Lines{{"1"}, {""}, {"2"}}));
  EXPECT_EQ(ReadAll("1\r\n\r\n2"), (Lines{{"1"}, {""}, {"2"}}));
  EXPECT_EQ(ReadAll("\t,\t\n5"), (Lines{{}, {"5"}}));  // separators only: a line, no fields
  EXPECT_TRUE(ReadAll("").empty());
}

TEST(GridClipboardText, PasteStopsAtTheFirstNulOrTheEndOfTheData) {
  const char data[] = {'1', '\t', '2', '\0', '9', '9'};
  gridtext::PasteReader reader(data, sizeof data);
  std::vector<std::string> fields;
  ASSERT_TRUE(reader.NextLine(fields));
  EXPECT_EQ(fields, (std::vector<std::string>{"1", "2"}));
  EXPECT_FALSE(reader.NextLine(fields));
  const char noNul[] = {'3', ',', '4'};  // exactly three bytes, nothing after them read
  gridtext::PasteReader bounded(noNul, sizeof noNul);
  ASSERT_TRUE(bounded.NextLine(fields));
  EXPECT_EQ(fields, (std::vector<std::string>{"3", "4"}));
  gridtext::PasteReader none(nullptr, 10);
  EXPECT_FALSE(none.NextLine(fields));
}

TEST(GridClipboardText, CellNumbersAreReadWhole) {
  for (const char* ok : {"", "  ", "12.5", "-3", "+4e-3", " 7 ", "1E5", ".5"})
    EXPECT_TRUE(gridtext::IsNumberText(ok)) << ok;
  for (const char* bad : {"nan", "inf", "-inf", "0x1A", "12abc", "12,5", "1 2", "abc", "--1"})
    EXPECT_FALSE(gridtext::IsNumberText(bad)) << bad;
  EXPECT_FALSE(gridtext::IsNumberText(std::string("1\0" "2", 3)));
}

}  // namespace

// Cell addresses, the number text of cells and how the workbook model reads cell texts.
#include <gtest/gtest.h>

#include <cmath>

#include "spreadsheet/SheetRange.h"
#include "spreadsheet/SheetWriter.h"
#include "spreadsheet/WorkbookModel.h"

namespace {

TEST(SheetRangeTest, AddressesOfOneAndTwoLetterColumns) {
  EXPECT_STREQ(FormatCellAddress(2, 2), "B2");
  EXPECT_STREQ(FormatCellAddress(10, 27), "AA10");
  EXPECT_STREQ(FormatCellAddress(1, 53), "BA1");
  EXPECT_STREQ(FormatCellAddress(7, 26), "Z7");
  EXPECT_STREQ(FormatCellAddress(7, 52), "AZ7");
  EXPECT_STREQ(FormatCellAddress(1048576, 702), "ZZ1048576");
}

TEST(SheetRangeTest, CellsOutsideTheAddressesGiveNoText) {
  EXPECT_STREQ(FormatCellAddress(1, 703), "");
  EXPECT_STREQ(FormatCellAddress(0, 1), "");
  EXPECT_STREQ(FormatCellAddress(1, 0), "");
  EXPECT_STREQ(FormatCellAddress(-1, -1), "");
  EXPECT_FALSE(CSheetRange().IsValid());
  EXPECT_FALSE(CSheetRange(5, 3, 4, 3).IsValid());
  EXPECT_FALSE(CSheetRange(0, 1, 5, 3).IsValid());  // rows and columns count from 1
  EXPECT_FALSE(CSheetRange(1, 0, 5, 3).IsValid());
  EXPECT_FALSE(CSheetRange(1, 1, 1, 703).IsValid());
  EXPECT_TRUE(CSheetRange(5, 3, 105, 7).IsValid());
  EXPECT_EQ(CSheetRange(5, 3, 105, 7).GetRowCount(), 101);
  EXPECT_EQ(CSheetRange(5, 3, 105, 7).GetColumnCount(), 5);
}

TEST(SheetRangeTest, EveryAddressReadsBack) {
  for (int column = 1; column <= SHEET_MAX_COLUMN; ++column) {
    int row = 0, col = 0;
    CString text = FormatCellAddress(column * 3, column);
    ASSERT_TRUE(ParseCellAddress(text, &row, &col)) << text.GetString();
    EXPECT_EQ(row, column * 3);
    EXPECT_EQ(col, column);
  }
  int row = 0, col = 0;
  EXPECT_TRUE(ParseCellAddress("aa10", &row, &col));
  EXPECT_EQ(col, 27);
  for (const char* bad : {"", "A", "1", "A0", "1A", "AAA1", "A1x", "A-1", "A 1", "A99999999999"})
    EXPECT_FALSE(ParseCellAddress(bad, &row, &col)) << bad;
}

TEST(SheetRangeTest, NumbersGoAsTwelveDigitTextWithShortExponents) {
  EXPECT_STREQ(SheetNumberText(1.0 / 3.0), "0.333333333333");
  EXPECT_STREQ(SheetNumberText(1e-20), "1e-20");
  EXPECT_STREQ(SheetNumberText(-2.5), "-2.5");
  EXPECT_STREQ(SheetNumberText(123456789012345.0), "1.23456789012e+14");
  EXPECT_STREQ(SheetNumberText(0.0), "0");
}

TEST(WorkbookModelTest, TextThatReadsAsANumberBecomesANumber) {
  CWorkbookModel model;
  model.SetCellText(2, 4, "0.333333333333");
  model.SetCellText(3, 4, "1e-20");
  model.SetCellText(4, 4, "  -7  ");
  for (int row : {2, 3, 4}) ASSERT_TRUE(model.GetCell(row, 4)->isNumber) << row;
  EXPECT_DOUBLE_EQ(model.GetCell(2, 4)->number, 0.333333333333);
  EXPECT_EQ(model.GetCell(3, 4)->number, 1e-20);
  EXPECT_EQ(model.GetCell(4, 4)->number, -7.0);
  int row = 10;
  for (const char* text : {"MPa", "", "nan", "inf", "1,5", "1.5 MPa", "0x10", "Tunnel Depth"}) {
    model.SetCellText(row, 3, text);
    EXPECT_FALSE(model.GetCell(row, 3)->isNumber) << text;
    EXPECT_STREQ(model.GetCell(row, 3)->text, text);
    ++row;
  }
  // A text written over a number turns the cell back into text.
  model.SetCellText(2, 4, "sigci");
  EXPECT_FALSE(model.GetCell(2, 4)->isNumber);
  EXPECT_EQ(model.GetLastRow(), row - 1);
  EXPECT_EQ(model.GetCell(1, 1), nullptr);
}

}  // namespace

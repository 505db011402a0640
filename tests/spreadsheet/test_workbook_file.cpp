// Writes a workbook through the export into workbook/ beside the test, for check_workbook.py to
// read back with a spreadsheet library nobody here wrote, and to render.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "framework/win/TestSeams.h"
#include "spreadsheet/ExcelExport.h"
#include "spreadsheet/WorkbookAutomation.h"
#include "spreadsheet/WorkbookFile.h"
#include "tests/spreadsheet/fixed_clock.h"

namespace {

HINSTANCE NoShell(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT) {
  return (HINSTANCE)42;
}

CString OutputFolder() {
  char dir[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, dir);
  CString folder = CString(dir) + "\\workbook\\";
  CreateDirectoryA(folder, NULL);
  return folder;
}

TEST(WorkbookFileTest, RangeFormulasAreAbsolute) {
  EXPECT_STREQ(SheetRangeFormula(CSheetRange(5, 4, 105, 4)), "=Sheet1!$D$5:$D$105");
  EXPECT_STREQ(SheetRangeFormula(CSheetRange(1, 27, 2, 28)), "=Sheet1!$AA$1:$AB$2");
}

TEST(WorkbookFileTest, ReportWorkbookIsWrittenAsXlsx) {
  CSeamOverride<AfxClockSeam> clock(AfxSetClockSeam, FixedClock);
  CSeamOverride<AfxShellExecuteSeam> shell(AfxSetShellExecuteSeam, NoShell);
  CString folder = OutputFolder();
  CString path = folder + "Quarvex Report 2024-03-05 14-07-09.xlsx";
  DeleteFileA(path);
  auto session = std::make_shared<WorkbookSession>();
  session->folder = folder;
  auto previous =
      CExcelExport::SetApplicationFactory([session]() { return CreateWorkbookApplication(session); });
  {
    CExcelExport excel;
    ASSERT_TRUE(excel.Start());
    excel.SetVisible(TRUE);
    excel.SetCellText("Hoek-Brown Classification", CSheetRange(2, 2));
    excel.SetCellText("sigci", CSheetRange(3, 3));
    excel.SetCellNumber(100.0 / 3.0, CSheetRange(3, 4));
    excel.SetCellText("MPa", CSheetRange(3, 5));
    // Lab data: header row over the test rows; the chart starts at the header.
    excel.SetCellText("Lab Data", CSheetRange(5, 2));
    excel.SetCellText("Number", CSheetRange(6, 3));
    excel.SetCellText("sig3 (MPa)", CSheetRange(6, 4));
    excel.SetCellText("sig1 (MPa)", CSheetRange(6, 5));
    for (int i = 1; i <= 5; ++i) {
      excel.SetCellNumber(i, CSheetRange(6 + i, 3));
      excel.SetCellNumber(2.0 * (i - 1), CSheetRange(6 + i, 4));
      excel.SetCellNumber(30.0 + 9.0 * (i - 1) - 0.4 * (i - 1) * (i - 1), CSheetRange(6 + i, 5));
    }
    SheetChartStyle lab;
    lab.title = "Lab Data";
    lab.xTitle = "sig3 (MPa)";
    lab.yTitle = "sig1 (MPa)";
    excel.AddChart(CSheetRange(6, 4, 11, 5), lab);
    // A sampled table of 21 rows with an overlay pair, and its two-series chart.
    excel.SetCellText("Principal Stresses", CSheetRange(13, 2));
    CSheetRange block(15, 3, 35, 7);
    excel.CreateArray(block);
    for (int k = 0; k < 21; ++k) {
      double sig3 = 0.5 * k;
      excel.PutArrayNumber(k + 1, k, 0);
      excel.PutArrayNumber(sig3, k, 1);
      excel.PutArrayNumber(30.0 * std::sqrt(1.0 + sig3 / 3.0), k, 2);
      excel.PutArrayNumber(sig3, k, 3);
      excel.PutArrayNumber(30.0 + 4.0 * sig3, k, 4);
    }
    excel.WriteArray();
    CArray<CSheetRange> ranges;
    ranges.Add(CSheetRange(15, 4, 35, 5));
    ranges.Add(CSheetRange(15, 6, 35, 7));
    CStringArray names;
    names.Add("Hoek-Brown");
    names.Add("Mohr-Coulomb");
    SheetChartStyle table;
    table.title = "Principal Stresses";
    table.xTitle = "sig3 (MPa)";
    table.yTitle = "sig1 (MPa)";
    excel.AddSeriesChart(ranges, names, table);
    excel.SetUserControl(TRUE);
  }
  CExcelExport::SetApplicationFactory(previous);
  EXPECT_STREQ(session->savedPath, path);
  FILE* f = fopen(path, "rb");
  ASSERT_TRUE(f != nullptr);
  char magic[2] = {};
  EXPECT_EQ(fread(magic, 1, 2, f), 2u);
  fclose(f);
  EXPECT_EQ(magic[0], 'P');
  EXPECT_EQ(magic[1], 'K');
}

TEST(WorkbookFileTest, UnwritablePathIsReported) {
  CWorkbookModel model;
  model.SetCellText(1, 1, "x");
  CString error;
  EXPECT_FALSE(WriteWorkbookFile(model, "Q:\\no\\such\\folder\\book.xlsx", &error));
  EXPECT_FALSE(error.IsEmpty());
}

}  // namespace

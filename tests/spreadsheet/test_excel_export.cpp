// The spreadsheet export against the in-process spreadsheet objects: the automation calls it
// makes (members, dispatch ids, kinds and argument types in order), what lands in the
// workbook, and how failures reach the caller.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/win/TestSeams.h"
#include "spreadsheet/ExcelExport.h"
#include "spreadsheet/WorkbookAutomation.h"
#include "tests/spreadsheet/fixed_clock.h"

namespace {

std::vector<std::string> g_messages;
int RecordMessage(HWND, LPCSTR text, LPCSTR, UINT) {
  g_messages.push_back(text);
  return IDOK;
}

std::vector<std::string> g_opened;
HINSTANCE g_shellResult = (HINSTANCE)42;
HINSTANCE RecordShell(HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR, INT) {
  g_opened.push_back(file);
  return g_shellResult;
}

class ExcelExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_messages.clear();
    g_opened.clear();
    g_shellResult = (HINSTANCE)42;
    session = std::make_shared<WorkbookSession>();
    session->writer = [this](const CWorkbookModel&, const char* path, CString* error) {
      written.push_back(path);
      if (!writeError.IsEmpty()) *error = writeError;
      return writeError.IsEmpty();
    };
    session->folder = "C:\\reports\\";
    auto s = session;
    previous = CExcelExport::SetApplicationFactory([s]() { return CreateWorkbookApplication(s); });
  }
  void TearDown() override { CExcelExport::SetApplicationFactory(previous); }

  // The calls made since the last look, as text.
  std::vector<std::string> TakeCalls() {
    std::vector<std::string> out;
    for (const AutomationCall& c : *session->calls) out.push_back(c.ToString().GetString());
    session->calls->clear();
    return out;
  }
  const WorkbookCell& Cell(int row, int column) {
    const WorkbookCell* cell = session->model.GetCell(row, column);
    if (!cell) throw std::runtime_error("no cell");
    return *cell;
  }

  std::shared_ptr<WorkbookSession> session;
  std::vector<std::string> written;
  CString writeError;
  CExcelExport::ApplicationFactory previous;
  CSeamOverride<AfxMessageBoxSeam> messages{AfxSetMessageBoxSeam, RecordMessage};
  CSeamOverride<AfxShellExecuteSeam> shell{AfxSetShellExecuteSeam, RecordShell};
  CSeamOverride<AfxClockSeam> clock{AfxSetClockSeam, FixedClock};
};

TEST_F(ExcelExportTest, StartMakesOneWorkbookAndTakesItsFirstSheet) {
  CExcelExport excel;
  ASSERT_TRUE(excel.Start());
  excel.SetVisible(TRUE);
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{
                             "Application.Workbooks get 0x23C ()",
                             "Workbooks.Add method 0xB5 (ERROR missing)",
                             "Workbook.Sheets get 0x1E5 ()",
                             "Sheets.Item get 0xAA (I2 1)",
                             "Application.Visible put 0x22E (BOOL TRUE)",
                         }));
  EXPECT_TRUE(session->visible);
}

TEST_F(ExcelExportTest, CellsGoThroughOneRangePerCellAndNumbersAsTwelveDigitText) {
  CExcelExport excel;
  ASSERT_TRUE(excel.Start());
  TakeCalls();
  excel.SetCellText("Hoek-Brown Classification", CSheetRange(2, 2));
  excel.SetCellNumber(1.0 / 3.0, CSheetRange(3, 4));
  excel.SetCellNumber(1e-20, CSheetRange(10, 27));
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{
                             "Worksheet.Range get 0xC5 (BSTR \"B2\", BSTR \"B2\")",
                             "Range.Value put 0x6 (BSTR \"Hoek-Brown Classification\")",
                             "Worksheet.Range get 0xC5 (BSTR \"D3\", BSTR \"D3\")",
                             "Range.Value put 0x6 (BSTR \"0.333333333333\")",
                             "Worksheet.Range get 0xC5 (BSTR \"AA10\", BSTR \"AA10\")",
                             "Range.Value put 0x6 (BSTR \"1e-20\")",
                         }));
  EXPECT_FALSE(Cell(2, 2).isNumber);
  EXPECT_TRUE(Cell(3, 4).isNumber);
  EXPECT_STREQ(Cell(3, 4).text, "0.333333333333");
  EXPECT_EQ(Cell(10, 27).number, 1e-20);
}

TEST_F(ExcelExportTest, ArrayFillsItsRangeRowByRowInOneCall) {
  CExcelExport excel;
  ASSERT_TRUE(excel.Start());
  TakeCalls();
  CSheetRange range(5, 3, 105, 7);
  excel.CreateArray(range);
  for (int r = 0; r <= 101; ++r)
    for (int c = 0; c <= 5; ++c) excel.PutArrayNumber(r * 10.0 + c, r, c);  // 101 and 5 ignored
  excel.PutArrayNumber(-1, -1, 0);
  excel.WriteArray();
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{
                             "Worksheet.Range get 0xC5 (BSTR \"C5\", BSTR \"G105\")",
                             "Range.Value put 0x6 (ARRAY|R8 101x5)",
                         }));
  EXPECT_EQ(Cell(5, 3).number, 0.0);
  EXPECT_EQ(Cell(5, 7).number, 4.0);   // first row, last column
  EXPECT_EQ(Cell(6, 3).number, 10.0);  // second row, first column
  EXPECT_EQ(Cell(105, 7).number, 1004.0);
  EXPECT_EQ(session->model.GetCell(106, 3), nullptr);
  EXPECT_EQ(session->model.GetCell(5, 8), nullptr);
  // The block has been written: writing again needs a new array.
  excel.WriteArray();
  EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(ExcelExportTest, LabChartTakesItsSeriesNameFromTheHeaderRow) {
  CExcelExport excel;
  ASSERT_TRUE(excel.Start());
  excel.SetCellText("sig3 (MPa)", CSheetRange(20, 4));
  excel.SetCellText("sig1 (MPa)", CSheetRange(20, 5));
  for (int i = 0; i < 3; ++i) {
    excel.SetCellNumber(i, CSheetRange(21 + i, 4));
    excel.SetCellNumber(10 + i * i, CSheetRange(21 + i, 5));
  }
  TakeCalls();
  SheetChartStyle style;
  style.title = "Lab Data";
  style.xTitle = "sig3 (MPa)";
  style.yTitle = "sig1 (MPa)";
  excel.AddChart(CSheetRange(20, 4, 23, 5), style);
  EXPECT_EQ(TakeCalls(),
            (std::vector<std::string>{
                "Worksheet.ChartObjects method 0x424 (ERROR missing)",
                "ChartObjects.Count get 0x76 ()",
                "ChartObjects.Add method 0xB5 (R8 150, R8 20, R8 350, R8 250)",
                "ChartObject.Chart get 0x7 ()",
                "Worksheet.Range get 0xC5 (BSTR \"D20\", BSTR \"E23\")",
                "Chart.ChartWizard method 0xC4 (DISPATCH Range, I2 -4169, ERROR missing, I2 2, "
                "I2 1, I2 1, I2 0, BSTR \"Lab Data\", BSTR \"sig3 (MPa)\", BSTR \"sig1 (MPa)\", "
                "ERROR missing)",
                "Chart.ChartType put 0x578 (I4 74)",
            }));
  ASSERT_EQ(session->model.GetCharts().size(), 1u);
  const WorkbookChart& chart = session->model.GetCharts()[0];
  ASSERT_EQ(chart.series.size(), 1u);
  EXPECT_STREQ(chart.series[0].name, "sig1 (MPa)");
  // Every test row is a point: the header row only names the series.
  EXPECT_EQ(chart.series[0].xValues, CSheetRange(21, 4, 23, 4));
  EXPECT_EQ(chart.series[0].yValues, CSheetRange(21, 5, 23, 5));
  EXPECT_FALSE(chart.hasLegend);
  EXPECT_EQ(chart.chartType, 74);
}

TEST_F(ExcelExportTest, TwoSeriesChartNamesBothAndPutsTheLegendAtTheBottom) {
  CExcelExport excel;
  ASSERT_TRUE(excel.Start());
  SheetChartStyle style;
  style.title = "Principal Stresses";
  excel.AddChart(CSheetRange(2, 4, 4, 5), style);  // two charts already on the sheet
  excel.AddChart(CSheetRange(2, 4, 4, 5), style);
  TakeCalls();
  CArray<CSheetRange> ranges;
  ranges.Add(CSheetRange(7, 4, 107, 5));
  ranges.Add(CSheetRange(7, 6, 107, 7));
  CStringArray names;
  names.Add("Hoek-Brown");
  names.Add("Mohr-Coulomb");
  excel.AddSeriesChart(ranges, names, style);
  std::vector<std::string> calls = TakeCalls();
  std::vector<std::string> expected = {
      "Worksheet.ChartObjects method 0x424 (ERROR missing)",
      "ChartObjects.Count get 0x76 ()",
      "ChartObjects.Add method 0xB5 (R8 150, R8 570, R8 350, R8 250)",
      "ChartObject.Chart get 0x7 ()",
      "Worksheet.Range get 0xC5 (BSTR \"D7\", BSTR \"E107\")",
      "Chart.ChartWizard method 0xC4 (DISPATCH Range, I2 -4169, ERROR missing, I2 2, I2 1, "
      "I2 0, I2 0, BSTR \"Principal Stresses\", BSTR \"\", BSTR \"\", ERROR missing)",
      "Chart.ChartType put 0x578 (I4 74)",
      "Chart.SeriesCollection method 0x44 (ERROR missing)",
      "SeriesCollection.Item method 0xAA (I2 1)",
      "Series.Name put 0x6E (BSTR \"Hoek-Brown\")",
      "SeriesCollection.NewSeries method 0x45D ()",
      "Worksheet.Range get 0xC5 (BSTR \"F7\", BSTR \"F107\")",
      "Worksheet.Range get 0xC5 (BSTR \"G7\", BSTR \"G107\")",
      "Series.XValues put 0x457 (DISPATCH Range)",
      "Series.Values put 0xA4 (DISPATCH Range)",
      "Series.Name put 0x6E (BSTR \"Mohr-Coulomb\")",
      "Chart.Legend get 0x54 ()",
      "Chart.HasLegend put 0x35 (BOOL TRUE)",
      "Legend.Position put 0x85 (I4 -4107)",
  };
  EXPECT_EQ(calls, expected);
  const WorkbookChart& chart = session->model.GetCharts()[2];
  EXPECT_DOUBLE_EQ(chart.top, 570.0);
  ASSERT_EQ(chart.series.size(), 2u);
  EXPECT_STREQ(chart.series[0].name, "Hoek-Brown");
  EXPECT_EQ(chart.series[0].xValues, CSheetRange(7, 4, 107, 4));
  EXPECT_EQ(chart.series[0].yValues, CSheetRange(7, 5, 107, 5));
  EXPECT_STREQ(chart.series[1].name, "Mohr-Coulomb");
  EXPECT_EQ(chart.series[1].xValues, CSheetRange(7, 6, 107, 6));
  EXPECT_EQ(chart.series[1].yValues, CSheetRange(7, 7, 107, 7));
  EXPECT_TRUE(chart.hasLegend);
  EXPECT_EQ(chart.legendPosition, -4107);
}

TEST_F(ExcelExportTest, SeriesListsThatDoNotMatchAddNoChart) {
  CExcelExport excel;
  ASSERT_TRUE(excel.Start());
  TakeCalls();
  CArray<CSheetRange> ranges;
  CStringArray names;
  SheetChartStyle style;
  excel.AddSeriesChart(ranges, names, style);
  ranges.Add(CSheetRange(7, 4, 107, 5));
  excel.AddSeriesChart(ranges, names, style);
  EXPECT_TRUE(TakeCalls().empty());
  EXPECT_TRUE(session->model.GetCharts().empty());
}

TEST_F(ExcelExportTest, ColumnChartsGetNoGapAndTheirLegendWhenAsked) {
  CExcelExport excel;
  ASSERT_TRUE(excel.Start());
  excel.SetCellText("a", CSheetRange(2, 4));
  TakeCalls();
  SheetChartStyle style;
  style.chartType = 51;
  style.setChartType = FALSE;  // the workbook draws scatter charts only
  style.hasLegend = TRUE;
  excel.AddChart(CSheetRange(2, 4, 4, 5), style);
  std::vector<std::string> calls = TakeCalls();
  ASSERT_EQ(calls.size(), 10u);
  EXPECT_EQ(calls[6], "Chart.ChartGroups method 0x8 (I4 1)");
  EXPECT_EQ(calls[7], "ChartGroup.GapWidth put 0x33 (I4 0)");
  EXPECT_EQ(calls[8], "Chart.Legend get 0x54 ()");
  EXPECT_EQ(calls[9], "Legend.Position put 0x85 (I4 -4107)");
  EXPECT_EQ(session->model.GetCharts()[0].gapWidth, 0);
}

TEST_F(ExcelExportTest, RejectedCallsThrowWithTheReason) {
  CExcelExport excel;
  ASSERT_TRUE(excel.Start());
  SheetChartStyle style;
  style.chartType = 51;  // set, and refused
  try {
    excel.AddChart(CSheetRange(2, 4, 4, 5), style);
    FAIL() << "no exception";
  } catch (COleDispatchException* e) {
    EXPECT_NE(e->m_strDescription.Find("scatter"), -1) << e->m_strDescription.GetString();
    e->Delete();
  }
  try {
    excel.SetCellText("x", CSheetRange(1, 703));
    FAIL() << "no exception";
  } catch (COleDispatchException* e) {
    e->Delete();
  }
  // A member the object does not have, and an argument of the wrong type.
  LPDISPATCH app = CreateWorkbookApplication(session);
  COleDispatchDriver driver(app);
  try {
    driver.InvokeHelper(0x999, DISPATCH_PROPERTYGET, VT_DISPATCH, nullptr, VTS_NONE);
    FAIL() << "no exception";
  } catch (COleDispatchException* e) {
    EXPECT_EQ(e->m_scError, DISP_E_MEMBERNOTFOUND);
    e->Delete();
  }
  try {
    driver.InvokeHelper(0x22E, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_I4, 1L);
    FAIL() << "no exception";
  } catch (COleDispatchException* e) {
    EXPECT_EQ(e->m_scError, DISP_E_TYPEMISMATCH);
    e->Delete();
  }
  try {
    driver.InvokeHelper(0x22E, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_BOOL, TRUE);
    FAIL() << "no exception";
  } catch (COleDispatchException* e) {
    EXPECT_EQ(e->m_scError, DISP_E_MEMBERNOTFOUND);  // Visible is a property, not a method
    e->Delete();
  }
}

TEST_F(ExcelExportTest, NoApplicationShowsTheStartMessageOnlyWhenMessagesAreOn) {
  CExcelExport::SetApplicationFactory([]() -> IDispatch* { return nullptr; });
  {
    CExcelExport quiet;
    EXPECT_FALSE(quiet.Start());
    EXPECT_TRUE(g_messages.empty());
  }
  CExcelExport excel;
  excel.SetShowMessages(TRUE);
  EXPECT_FALSE(excel.Start());
  ASSERT_EQ(g_messages.size(), 1u);
  EXPECT_EQ(g_messages[0].find("Unable to start the spreadsheet export"), 0u);
  // Without a connection every call fails loudly instead of doing nothing.
  EXPECT_THROW(excel.SetVisible(TRUE), COleDispatchException*);
}

TEST_F(ExcelExportTest, UserControlWritesTheWorkbookAndOpensItWhenVisible) {
  {
    CExcelExport excel;
    ASSERT_TRUE(excel.Start());
    excel.SetVisible(TRUE);
    excel.SetCellNumber(1.5, CSheetRange(3, 4));
    EXPECT_TRUE(written.empty());
    excel.SetUserControl(TRUE);
  }
  ASSERT_EQ(written.size(), 1u);
  EXPECT_EQ(written[0], "C:\\reports\\Quarvex Report 2024-03-05 14-07-09.xlsx");
  EXPECT_EQ(g_opened, written);
  EXPECT_TRUE(g_messages.empty());
  EXPECT_STREQ(session->savedPath, written[0].c_str());
}

TEST_F(ExcelExportTest, WorkbookNobodyOpensIsNamedInAMessage) {
  g_shellResult = (HINSTANCE)SE_ERR_NOASSOC;
  CExcelExport excel;
  ASSERT_TRUE(excel.Start());
  excel.SetVisible(TRUE);
  excel.SetUserControl(TRUE);
  ASSERT_EQ(g_messages.size(), 1u);
  EXPECT_NE(g_messages[0].find("Quarvex Report 2024-03-05 14-07-09.xlsx"), std::string::npos);
}

TEST_F(ExcelExportTest, WorkbookThatCannotBeWrittenFailsTheHandOver) {
  writeError = "disk full";
  CExcelExport excel;
  ASSERT_TRUE(excel.Start());
  excel.SetVisible(TRUE);
  try {
    excel.SetUserControl(TRUE);
    FAIL() << "no exception";
  } catch (COleDispatchException* e) {
    // What happened in the user's words, the file named, and the writer's reason last.
    EXPECT_STREQ(e->m_strDescription,
                 "Could not write\n"
                 "C:\\reports\\Quarvex Report 2024-03-05 14-07-09.xlsx\n"
                 "The disk may be full or the folder not writable.\n(disk full)");
    e->Delete();
  }
  EXPECT_TRUE(g_opened.empty());
  EXPECT_TRUE(session->savedPath.IsEmpty());
}

TEST_F(ExcelExportTest, AFailurePartWayKeepsWhatWasWrittenUnopened) {
  // The sheet program turns down the charts: the cells written before stay.
  session->refusal = [](const char* object, const char* member) {
    return CString(std::strcmp(object, "Worksheet") == 0 && std::strcmp(member, "ChartObjects") == 0
                       ? "no charts today"
                       : "");
  };
  CExcelExport excel;
  EXPECT_TRUE(excel.SaveIncomplete().IsEmpty());  // nothing started: nothing to keep
  ASSERT_TRUE(excel.Start());
  excel.SetVisible(TRUE);
  excel.SetCellText("title", CSheetRange(2, 2));
  try {
    excel.AddChart(CSheetRange(2, 2, 5, 3), SheetChartStyle());
    FAIL() << "no exception";
  } catch (COleDispatchException* e) {
    EXPECT_NE(e->m_strDescription.Find("no charts today"), -1);
    e->Delete();
  }
  EXPECT_STREQ(excel.SaveIncomplete(), "C:\\reports\\Quarvex Report 2024-03-05 14-07-09.xlsx");
  ASSERT_EQ(written.size(), 1u);
  EXPECT_STREQ(session->savedPath, written[0].c_str());
  EXPECT_STREQ(Cell(2, 2).text, "title");
  EXPECT_TRUE(g_opened.empty());
  EXPECT_TRUE(g_messages.empty());

  // A workbook that cannot be written either: no path, and no exception.
  auto failing = std::make_shared<WorkbookSession>();
  failing->writer = [](const CWorkbookModel&, const char*, CString* error) {
    *error = "disk full";
    return false;
  };
  CExcelExport::SetApplicationFactory([failing]() { return CreateWorkbookApplication(failing); });
  CExcelExport other;
  ASSERT_TRUE(other.Start());
  EXPECT_TRUE(other.SaveIncomplete().IsEmpty());
  EXPECT_TRUE(SavedWorkbookPath(nullptr).IsEmpty());
}

TEST(ReportFileNameTest, NameCarriesTheTimeAndAvoidsExistingFiles) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  CString dir = CString(folder) + "qx-report-names\\";
  CreateDirectoryA(dir, NULL);
  SYSTEMTIME t = {};
  t.wYear = 2031;
  t.wMonth = 12;
  t.wDay = 1;
  t.wHour = 9;
  CString first = MakeReportFileName(dir, t);
  EXPECT_EQ(first, dir + "Quarvex Report 2031-12-01 09-00-00.xlsx");
  HANDLE h = CreateFileA(first, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  CloseHandle(h);
  EXPECT_EQ(MakeReportFileName(dir, t), dir + "Quarvex Report 2031-12-01 09-00-00 (2).xlsx");
  DeleteFileA(first);
  RemoveDirectoryA(dir);
  EXPECT_FALSE(WritableTempFolder().IsEmpty());
}

}  // namespace

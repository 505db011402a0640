// Times the analysis report of a large Hoek-Brown project written to a workbook: 1,000 lab
// points, both plots with the Mohr-Coulomb overlay at 500 points per curve, through every
// automation call and the .xlsx file. Prints the figures; never fails on time.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "framework/win/TestSeams.h"
#include "spreadsheet/ExcelExport.h"
#include "spreadsheet/WorkbookAutomation.h"
#include "tests/view/view_test_support.h"
#include "view/AnalysisReport.h"

namespace {

HINSTANCE NoShell(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT) {
  return (HINSTANCE)42;
}

TEST(WorkbookExportTiming, ThousandTestsAndFiveHundredRowEnvelopes) {
  viewtest::Models models;
  CHoekBrownCriterion& hb = models.hoekBrown;
  hb.SetParameters(100, 10, 50, 0);
  hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, 25, 0.027, 100);
  std::vector<double> x(1000), y(1000);
  for (int i = 0; i < 1000; ++i) {
    x[i] = 25.0 * i / 999;
    y[i] = hb.GetSig1(x[i]) * (1.0 + 0.01 * ((i % 7) - 3));
  }
  hb.SetLabData(1000, x.data(), y.data());
  const PlotDocument doc = models.Doc(CRITERION_HOEK_BROWN);
  ReportView view;
  view.pointCount = 500;
  view.mohrCoulombOverlay = true;
  view.principalXTitle = "sig3 (MPa)";
  view.principalYTitle = "sig1 (MPa)";
  view.shearXTitle = "Normal stress (MPa)";
  view.shearYTitle = "Shear stress (MPa)";

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  CSeamOverride<AfxShellExecuteSeam> shell(AfxSetShellExecuteSeam, NoShell);
  std::vector<double> times;
  size_t calls = 0;
  for (int run = 0; run < 5; ++run) {
    auto session = std::make_shared<WorkbookSession>();
    session->folder = temp;
    auto previous = CExcelExport::SetApplicationFactory(
        [session]() { return CreateWorkbookApplication(session); });
    const auto t0 = std::chrono::steady_clock::now();
    {
      CExcelExport excel;
      ASSERT_TRUE(excel.Start());
      excel.SetVisible(TRUE);
      ASSERT_TRUE(WriteReportSheet(doc, view, excel));
      excel.SetUserControl(TRUE);
    }
    const auto t1 = std::chrono::steady_clock::now();
    CExcelExport::SetApplicationFactory(previous);
    times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    calls = session->calls->size();
    ASSERT_FALSE(session->savedPath.IsEmpty());
    DeleteFileA(session->savedPath);
  }
  std::sort(times.begin(), times.end());
  std::printf("workbook export, 1000 tests and two 500-row tables with overlay: median %.1f ms "
              "(min %.1f, max %.1f) over %zu automation calls\n",
              times[2], times[0], times[4], calls);
  RecordProperty("median_ms", std::to_string(times[2]));
}

}  // namespace

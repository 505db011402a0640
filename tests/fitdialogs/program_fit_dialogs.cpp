// The fit dialogs in the real program: opened from their commands, filled by typing, pasting
// and importing, fitted by each method, applied to the project or cancelled.
#include <gtest/gtest.h>

#include <cmath>

#include "document/KelStrengthDoc.h"
#include "fit_program_support.h"
#include "fitdialogs/HoekBrownFitDlg.h"
#include "res/resource.h"
#include "tests/support/ProgramHarness.h"

using qxtest::CProgramHarness;
using namespace fittest;

TEST(FitDialogsInTheProgram, HoekBrownTypedPastedFittedAndApplied) {
  CProgramHarness program("fit_hb");
  ASSERT_TRUE(program.Start());
  CKelStrengthDoc* doc = program.ActiveDocument();
  ASSERT_NE(nullptr, doc);
  double mi = 0, sigci = 0;
  program.OnDialog(IDD_FIT_HOEK_BROWN, [&](CDialog* d) {
    auto* dialog = static_cast<CHoekBrownFitDlg*>(d);
    CGridCtrl& grid = dialog->Grid();
    ::ShowWindow(d->m_hWnd, SW_SHOW);
    ClickSpin(program, d, IDC_FIT_TEST_SPIN, true, 3);
    EXPECT_EQ(4, grid.GetRowCount());
    EXPECT_EQ("3", qxtest::GetControlText(d, IDC_FIT_TEST_COUNT));
    // Exact data of mi 10, sigci 50: sig1 = sig3 + 50 sqrt(0.2 sig3 + 1).
    TypeIntoCell(program, grid, 1, 1, "0");
    TypeIntoCell(program, grid, 1, 2, "50");
    TypeIntoCell(program, grid, 2, 1, "5");
    TypeIntoCell(program, grid, 2, 2, "75.7106781");
    TypeIntoCell(program, grid, 3, 1, "10");
    TypeIntoCell(program, grid, 3, 2, "96.6025404");
    program.Capture(d, "fit_hoek_brown_typed");
    EXPECT_NEAR(10.0, FieldValue(d, IDC_FIT_MI), 2e-3);
    EXPECT_NEAR(50.0, FieldValue(d, IDC_FIT_SIGCI), 2e-3);
    // Two more tests pasted from the real clipboard with the focus in row 3: the grid grows.
    ASSERT_TRUE(PutOnClipboard(d->m_hWnd, "20\t131.8033989\r\n30\t162.2875656\r\n"));
    grid.SetFocusCell(3, 1);
    qxtest::ClickButton(d, IDC_FIT_PASTE);
    program.Pump();
    EXPECT_EQ("4", qxtest::GetControlText(d, IDC_FIT_TEST_COUNT));
    EXPECT_EQ(CString("30"), grid.GetItemText(4, 1));
    // Every method finds the same constants.
    for (int method = 0; method < 3; ++method) {
      qxtest::SelectComboItem(d, IDC_FIT_METHOD, method);
      program.Pump();
      EXPECT_NEAR(10.0, FieldValue(d, IDC_FIT_MI), 5e-3) << method;
      EXPECT_NEAR(50.0, FieldValue(d, IDC_FIT_SIGCI), 5e-3) << method;
    }
    qxtest::ClickButton(d, IDC_FIT_MOGI);
    ::CheckDlgButton(d->m_hWnd, IDC_FIT_MOGI, BST_CHECKED);
    qxtest::ClickButton(d, IDC_FIT_MOGI);
    program.Pump();
    program.Capture(d, "fit_hoek_brown");
    // Copy puts the grid on the clipboard as tab-separated rows.
    qxtest::ClickButton(d, IDC_FIT_COPY);
    EXPECT_NE(std::string::npos, ClipboardText(d->m_hWnd).find("30\t162.2875656"));
    qxtest::ClickButton(d, IDOK);
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_LAB_DATA));
  EXPECT_TRUE(program.UnexpectedDialogs().empty());
  doc->m_hoekBrown.GetParameters(&sigci, &mi, nullptr, nullptr);
  EXPECT_NEAR(10.0, mi, 1e-4);
  EXPECT_NEAR(50.0, sigci, 1e-4);
  EXPECT_EQ(4, doc->m_hoekBrown.GetLabCount());
  EXPECT_EQ(30.0, doc->m_hoekBrown.GetSig3Max());
  EXPECT_TRUE(doc->IsModified());
  // The side bar shows them.
  EXPECT_NEAR(10.0, SideBarValue(IDC_HB_MI), 1e-3);
  EXPECT_NEAR(50.0, SideBarValue(IDC_HB_SIGCI), 1e-3);
  // The view shows the fitted constants as the model's best fit.
  const std::string results = ViewResults(program);
  EXPECT_NE(std::string::npos, results.find("intact uniaxial compressive strength = 50 MPa")) << results;
  EXPECT_NE(std::string::npos, results.find("mi = 10 ")) << results;
  EXPECT_NE(std::string::npos, results.find("No. of lab data points = 4")) << results;
  EXPECT_NE(std::string::npos, results.find("LINEAR REGRESSION 'best-fit'")) << results;
  program.Screenshot("fit_hoek_brown_applied");
  EXPECT_TRUE(program.MessageBoxTexts().empty());
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
}

// A number of tests that is no number: every recompute it blocks says so once (no message
// loop through the focus it takes), the tests and fitted values stay, and a good count works.
TEST(FitDialogsInTheProgram, ACountThatIsNoNumberBlocksEachRecomputeWithOneMessage) {
  CProgramHarness program("fit_hb_count_text");
  ASSERT_TRUE(program.Start());
  CKelStrengthDoc* doc = program.ActiveDocument();
  ASSERT_NE(nullptr, doc);
  // Exact data of mi 10, sigci 50.
  const double x[3] = {0, 5, 10}, y[3] = {50, 75.7106781, 96.6025404};
  doc->m_hoekBrown.SetLabData(3, x, y);
  program.OnDialog(IDD_FIT_HOEK_BROWN, [&](CDialog* d) {
    auto* dialog = static_cast<CHoekBrownFitDlg*>(d);
    CGridCtrl& grid = dialog->Grid();
    ::ShowWindow(d->m_hWnd, SW_SHOW);
    program.Pump();
    const double miShown = FieldValue(d, IDC_FIT_MI);
    const size_t shown = program.MessageBoxTexts().size();
    qxtest::SetControlText(d, IDC_FIT_TEST_COUNT, "three");
    TypeIntoCell(program, grid, 3, 2, "90");
    // Expectations, not assertions: the handler must still end the dialog below.
    EXPECT_TRUE(program.PumpUntil([&] { return program.MessageBoxTexts().size() > shown; }));
    program.Pump();
    EXPECT_EQ(shown + 1, program.MessageBoxTexts().size());
    if (program.MessageBoxTexts().size() > shown)
      EXPECT_EQ("Enter a whole number.", program.MessageBoxTexts().back());
    EXPECT_EQ(4, grid.GetRowCount());
    EXPECT_EQ(miShown, FieldValue(d, IDC_FIT_MI));  // not refitted
    // An edit of another cell: one more message, no more.
    TypeIntoCell(program, grid, 2, 2, "75.7106781");
    EXPECT_TRUE(program.PumpUntil([&] { return program.MessageBoxTexts().size() > shown + 1; }));
    program.Pump();
    EXPECT_EQ(shown + 2, program.MessageBoxTexts().size());
    // A count again: the recompute runs, quietly.
    qxtest::SetControlText(d, IDC_FIT_TEST_COUNT, "3");
    TypeIntoCell(program, grid, 3, 2, "96.6025404");
    program.Pump();
    EXPECT_EQ(shown + 2, program.MessageBoxTexts().size());
    EXPECT_EQ(4, grid.GetRowCount());
    EXPECT_NEAR(10.0, FieldValue(d, IDC_FIT_MI), 2e-3);
    qxtest::ClickButton(d, IDCANCEL);
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_LAB_DATA));
  EXPECT_EQ(3, doc->m_hoekBrown.GetLabCount());
  EXPECT_EQ(program.Exit(), 0);
}

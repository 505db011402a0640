// Import... in the real program: each kind of file fills the grid through the file dialog,
// damaged or unusable files leave the tests as they were with a message, a Lorvane file gives
// the rows that read, and a cancelled chooser refits what the dialog holds.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/io/StrengthFile.h"
#include "document/KelStrengthDoc.h"
#include "fit_program_support.h"
#include "fitdialogs/HoekBrownFitDlg.h"
#include "fitdialogs/MohrCoulombFitDlg.h"
#include "fitdialogs/PowerCurveFitDlg.h"
#include "res/resource.h"
#include "tests/support/ProgramHarness.h"

using qxtest::CProgramHarness;

namespace {
std::string Write(const CProgramHarness& program, const std::string& name, const std::string& text) {
  const std::string path = program.TempPath(name);
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }
  return path;
}

std::string LorvaneText(const char* count, const char* rows) {
  return std::string(
             "Version: 1.011\r\nTitle: Quarry\r\nUnits: 0\r\nsigci: 50\r\nGSI: 65\r\nmi: 17\r\n"
             "D: 0.2\r\nApplication: 3\r\nsig3max: 12.5\r\nUnit weight: 0.027\r\nHeight: 40\r\n") +
         count + "\r\n" + rows;
}

std::string ProjectText(int criterion, int dataType, const std::vector<double>& x,
                        const std::vector<double>& y) {
  CStrengthFile file;
  file.m_nCriterion = criterion;
  file.SelectActiveCriterion();
  file.m_pActiveCriterion->SetDataType(dataType);
  file.m_pActiveCriterion->SetLabData(static_cast<int>(x.size()), x.data(), y.data());
  return file.FormatProject("3.015");
}

// Imports path through the chooser; the grid's sig3 column afterwards.
std::string ImportAndReadColumn(CProgramHarness& program, CDialog* d, CGridCtrl& grid,
                                const std::string& path) {
  program.AnswerFileDialog(path);
  qxtest::ClickButton(d, IDC_FIT_IMPORT);
  program.Pump();
  std::string column;
  for (int row = 1; row < grid.GetRowCount(); ++row) column += std::string(grid.GetItemText(row, 1)) + " ";
  return column;
}

// A result typed over and Import... cancelled: the data are fitted again, so the field shows the
// fitted value once more.
void ExpectCancelledImportRefits(CDialog* d, int resultId, const char* tests = "3") {
  const std::string fitted = qxtest::GetControlText(d, resultId);
  qxtest::SetControlText(d, resultId, "99");
  qxtest::ClickButton(d, IDC_FIT_IMPORT);
  EXPECT_EQ(fitted, qxtest::GetControlText(d, resultId));
  EXPECT_EQ(tests, qxtest::GetControlText(d, IDC_FIT_TEST_COUNT));
}
}  // namespace

TEST(FitDialogsInTheProgram, ImportEveryKindAndDamagedFiles) {
  CProgramHarness program("fit_import");
  ASSERT_TRUE(program.Start());
  const std::string csv = Write(program, "TESTS.CSV", "sig3,sig1\r\n1,40\r\n2 ,50\r\n3, 58\r\n");
  const std::string txt = Write(program, "tests.txt", "4\t62\r\n5 70\r\n");
  const std::string kel = Write(program, "mc.kel", ProjectText(CRITERION_MOHR_COULOMB, DATA_TRIAXIAL, {6, 7}, {75, 80}));
  const std::string qzt = Write(program, "site.qzt", LorvaneText("Points: 3", "1 5 40\r\n2 10 55\r\n3 15 68\r\n"));
  const std::string badKel = Write(program, "bad.kel", "Quarvex:\r\n  version: x\r\n");
  const std::string shortQzt =
      Write(program, "short.qzt", LorvaneText("Points: 5", "1 5 40\r\n2 x 55\r\n3 15 68\r\n"));
  const std::string words = Write(program, "words.csv", "no,numbers\r\nat,all\r\n");
  const std::string joint = Write(program, "joint.kel", ProjectText(CRITERION_BARTON_BANDIS, DATA_DIRECT_SHEAR, {1, 2}, {1, 2}));

  program.OnDialog(IDD_FIT_HOEK_BROWN, [&](CDialog* d) {
    CGridCtrl& grid = static_cast<CHoekBrownFitDlg*>(d)->Grid();
    ::ShowWindow(d->m_hWnd, SW_SHOW);
    EXPECT_EQ("1 3 ", ImportAndReadColumn(program, d, grid, csv));
    EXPECT_EQ("4 5 ", ImportAndReadColumn(program, d, grid, txt));
    EXPECT_EQ("6 7 ", ImportAndReadColumn(program, d, grid, kel));
    EXPECT_EQ("5 10 15 ", ImportAndReadColumn(program, d, grid, qzt));
    EXPECT_TRUE(program.MessageBoxTexts().empty());
    program.Capture(d, "fit_import_lorvane");
    // Damaged or unusable files: a message each, the tests stay.
    for (const std::string& path : {badKel, words, joint})
      EXPECT_EQ("5 10 15 ", ImportAndReadColumn(program, d, grid, path)) << path;
    EXPECT_EQ(3u, program.MessageBoxTexts().size());
    // A Lorvane file shorter than its count and with a row that does not read: the rows that
    // read, without a message.
    EXPECT_EQ("5 15 ", ImportAndReadColumn(program, d, grid, shortQzt));
    EXPECT_EQ(3u, program.MessageBoxTexts().size());
    EXPECT_EQ("2", qxtest::GetControlText(d, IDC_FIT_TEST_COUNT));
    program.Capture(d, "fit_import_lorvane_short");
    // The filter offers the four kinds; a cancelled chooser keeps the tests and refits them.
    ExpectCancelledImportRefits(d, IDC_FIT_MI, "2");
    qxtest::ClickButton(d, IDOK);
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_LAB_DATA));
  ASSERT_EQ(3u, program.MessageBoxTexts().size());
  EXPECT_EQ(0u, program.MessageBoxTexts()[0].find("Error reading file."));
  EXPECT_EQ(0u, program.MessageBoxTexts()[1].find("The file holds no test data"));
  EXPECT_EQ(0u, program.MessageBoxTexts()[2].find("The file holds no test data"));
  CKelStrengthDoc* doc = program.ActiveDocument();
  EXPECT_EQ(2, doc->m_hoekBrown.GetLabCount());
  EXPECT_EQ(15.0, doc->m_hoekBrown.GetSig3Max());

  // The Mohr-Coulomb dialog takes a Lorvane file as triaxial data.
  ASSERT_TRUE(doc->SetCriterion(CRITERION_MOHR_COULOMB));
  doc->m_mohrCoulomb.SetDataType(DATA_DIRECT_SHEAR);
  program.OnDialog(IDD_FIT_MOHR_COULOMB, [&](CDialog* d) {
    CGridCtrl& grid = static_cast<CMohrCoulombFitDlg*>(d)->Grid();
    EXPECT_TRUE(qxtest::IsButtonChecked(d, IDC_FIT_DIRECT_SHEAR));
    EXPECT_EQ("5 10 15 ", ImportAndReadColumn(program, d, grid, qzt));
    EXPECT_TRUE(qxtest::IsButtonChecked(d, IDC_FIT_TRIAXIAL));
    EXPECT_EQ(CString("sig3 (MPa)"), grid.GetItemText(0, 1));
    ExpectCancelledImportRefits(d, IDC_FIT_MC_C);
    qxtest::ClickButton(d, IDCANCEL);
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_LAB_DATA));
  EXPECT_EQ(DATA_DIRECT_SHEAR, doc->m_mohrCoulomb.GetDataType(nullptr));

  // So does the power-curve dialog.
  ASSERT_TRUE(doc->SetCriterion(CRITERION_POWER_CURVE));
  program.OnDialog(IDD_FIT_POWER_CURVE, [&](CDialog* d) {
    CGridCtrl& grid = static_cast<CPowerCurveFitDlg*>(d)->Grid();
    EXPECT_EQ("5 10 15 ", ImportAndReadColumn(program, d, grid, qzt));
    ExpectCancelledImportRefits(d, IDC_FIT_PC_A);
    qxtest::ClickButton(d, IDCANCEL);
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_LAB_DATA));
  EXPECT_EQ(3u, program.MessageBoxTexts().size());
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
}

// The rock-mass, Mohr-Coulomb, Barton-Bandis and power-curve dialogs in the real program, each
// filled from the real clipboard, fitted by each method and applied; and a Hoek-Brown session
// with a bad row, Apply refused at that row, and Cancel after Apply.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "document/KelStrengthDoc.h"
#include "document/MainSideBar.h"
#include "fit_program_support.h"
#include "fitdialogs/BartonBandisFitDlg.h"
#include "fitdialogs/HoekBrownFitDlg.h"
#include "fitdialogs/MohrCoulombFitDlg.h"
#include "fitdialogs/PowerCurveFitDlg.h"
#include "fitdialogs/RockMassFitDlg.h"
#include "res/resource.h"
#include "tests/support/ProgramHarness.h"

using qxtest::CProgramHarness;
using namespace fittest;

namespace {
// Tab-separated rows of y = f(x).
template <class F>
std::string Rows(std::initializer_list<double> xs, F f) {
  std::string text;
  char line[96];
  for (double x : xs) {
    std::snprintf(line, sizeof line, "%.9g\t%.9g\r\n", x, f(x));
    text += line;
  }
  return text;
}

// Pastes text into an empty grid: the number of tests becomes the number of lines.
void PasteRows(CProgramHarness& program, CDialog* d, const std::string& text) {
  ASSERT_TRUE(PutOnClipboard(d->m_hWnd, text));
  qxtest::ClickButton(d, IDC_FIT_PASTE);
  program.Pump();
}

bool HasMessage(const CProgramHarness& program, const std::string& part) {
  for (const std::string& text : program.MessageBoxTexts())
    if (text.find(part) != std::string::npos) return true;
  return false;
}

const double kDeg = 3.14159265358979323846 / 180.0;

// A side bar that counts how often it is asked to reload from the document, and what the
// model's cohesion was each time.
class CCountingSideBar : public ISideBarSink {
 public:
  explicit CCountingSideBar(CKelStrengthDoc* doc) : m_doc(doc) {}
  void RefreshFromDocument() override {
    double c = 0;
    m_doc->m_mohrCoulomb.GetParameters(&c, nullptr, nullptr);
    cohesions.push_back(c);
  }
  void ApplyParameters(int, BOOL) override {}
  void EnableControls(BOOL) override {}
  void ShowResults() override {}
  void AttachDocument(CView*, CKelStrengthDoc*, BOOL) override {}
  int GetPanelWidth() override { return 100; }
  std::vector<double> cohesions;

 private:
  CKelStrengthDoc* m_doc;
};
}  // namespace

TEST(FitDialogsInTheProgram, HoekBrownBadRowBlocksApplyAndCancelUndoesApply) {
  CProgramHarness program("fit_hb_cancel");
  ASSERT_TRUE(program.Start());
  CKelStrengthDoc* doc = program.ActiveDocument();
  const double x[3] = {0, 5, 10}, y[3] = {30, 55, 70};
  doc->m_hoekBrown.SetLabData(3, x, y);
  const CHoekBrownCriterion before = doc->m_hoekBrown;
  program.OnDialog(IDD_FIT_HOEK_BROWN, [&](CDialog* d) {
    auto* dialog = static_cast<CHoekBrownFitDlg*>(d);
    CGridCtrl& grid = dialog->Grid();
    ::ShowWindow(d->m_hWnd, SW_SHOW);
    EXPECT_EQ(CString("55"), grid.GetItemText(2, 2));
    // Row 2 holds a word (the grid's editor takes none, but a cell can hold one) and row 3 is
    // inverted: the status line names grid row 3, not the third kept row.
    grid.SetItemText(2, 1, "abc");
    TypeIntoCell(program, grid, 3, 1, "80");
    EXPECT_EQ(2, doc->m_hoekBrown.GetLabCount());
    const std::string status = qxtest::GetControlText(d, IDC_FIT_STATUS);
    EXPECT_NE(std::string::npos, status.find("Errors start with row 3"));
    program.Capture(d, "fit_hoek_brown_bad_row");
    qxtest::ClickButton(d, IDC_FIT_APPLY);
    program.Pump();
    EXPECT_TRUE(HasMessage(program, "sig3 cannot be greater than sig1"));
    EXPECT_EQ(3, grid.GetFocusCell().row);
    ::SendMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);  // leave the editor the error opened
    program.Pump();
    // Fixed, applied, then cancelled: the project is as it was before the dialog.
    TypeIntoCell(program, grid, 3, 1, "10");
    TypeIntoCell(program, grid, 2, 1, "5");
    qxtest::ClickButton(d, IDC_FIT_APPLY);
    double mi = 0;
    doc->m_hoekBrown.GetParameters(nullptr, &mi, nullptr, nullptr);
    EXPECT_NE(10.0, mi);
    // A huge number typed, then the spin: the grid stops at 10000 tests, with a message.
    qxtest::SetControlText(d, IDC_FIT_TEST_COUNT, "2000000000");
    ClickSpin(program, d, IDC_FIT_TEST_SPIN, true, 1);
    EXPECT_EQ("10000", qxtest::GetControlText(d, IDC_FIT_TEST_COUNT));
    EXPECT_EQ(10001, grid.GetRowCount());
    EXPECT_TRUE(HasMessage(program, "At most 10000 tests can be used: 1999990001 tests were left out."));
    qxtest::ClickButton(d, IDCANCEL);
  });
  ISideBarSink* realSideBar = AfxGetSideBar();
  CCountingSideBar sideBar(doc);
  AfxRegisterSideBar(&sideBar);
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_LAB_DATA));
  AfxRegisterSideBar(realSideBar);
  EXPECT_EQ(2u, sideBar.cohesions.size());  // after Apply and after Cancel
  double mi = 0, sigci = 0, expectedMi = 0, expectedSigci = 0;
  doc->m_hoekBrown.GetParameters(&sigci, &mi, nullptr, nullptr);
  before.GetParameters(&expectedSigci, &expectedMi, nullptr, nullptr);
  EXPECT_EQ(expectedMi, mi);
  EXPECT_EQ(expectedSigci, sigci);
  EXPECT_EQ(before.GetSig3Max(), doc->m_hoekBrown.GetSig3Max());
  EXPECT_EQ(before.GetResiduals(), doc->m_hoekBrown.GetResiduals());
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(program.Exit(), 0);
}

TEST(FitDialogsInTheProgram, RockMass) {
  CProgramHarness program("fit_rock_mass");
  ASSERT_TRUE(program.Start());
  CKelStrengthDoc* doc = program.ActiveDocument();
  program.OnDialog(IDD_FIT_ROCK_MASS, [&](CDialog* d) {
    ::ShowWindow(d->m_hWnd, SW_SHOW);
    qxtest::SetControlText(d, IDC_FIT_RM_SIGCI, "75");
    qxtest::SetControlText(d, IDC_FIT_RM_D, "0");
    PasteRows(program, d,
              "0.5\t9.47126232\r\n1\t13.2802792\r\n2\t19.1146245\r\n4\t28.0872144\r\n"
              "6\t35.4934233\r\n8\t42.0749594\r\n");
    EXPECT_EQ("6", qxtest::GetControlText(d, IDC_FIT_TEST_COUNT));
    for (int method = 0; method < 2; ++method) {
      qxtest::SelectComboItem(d, IDC_FIT_METHOD, method);
      EXPECT_NEAR(14.0, FieldValue(d, IDC_FIT_MI), 2e-3) << method;
      EXPECT_NEAR(45.0, FieldValue(d, IDC_FIT_RM_GSI), 2e-3) << method;
    }
    program.Capture(d, "fit_rock_mass");
    qxtest::ClickButton(d, IDOK);
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_ROCK_MASS_DATA));
  double sigci, mi, GSI, D;
  doc->m_hoekBrown.GetParameters(&sigci, &mi, &GSI, &D);
  EXPECT_EQ(75.0, sigci);
  EXPECT_NEAR(14.0, mi, 1e-5);
  EXPECT_NEAR(45.0, GSI, 1e-5);
  BYTE source = 0;
  doc->m_hoekBrown.GetFieldDataFlag(&source);
  EXPECT_EQ(SOURCE_ROCK_MASS, source);
  EXPECT_EQ(6, doc->m_hoekBrown.GetRockMassCount());
  EXPECT_EQ(8.0, doc->m_hoekBrown.GetSig3Max());
  EXPECT_NEAR(14.0, SideBarValue(IDC_HB_MI), 1e-3);
  EXPECT_NEAR(45.0, SideBarValue(IDC_HB_GSI), 1e-3);

  // OK without rock-mass tests leaves the data source alone.
  doc->m_hoekBrown.SetFieldDataFlag(SOURCE_LAB);
  program.OnDialog(IDD_FIT_ROCK_MASS, [&](CDialog* d) {
    ClickSpin(program, d, IDC_FIT_TEST_SPIN, false, 6);
    EXPECT_EQ("0", qxtest::GetControlText(d, IDC_FIT_TEST_COUNT));
    qxtest::ClickButton(d, IDOK);
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_ROCK_MASS_DATA));
  EXPECT_EQ(0, doc->m_hoekBrown.GetRockMassCount());
  doc->m_hoekBrown.GetFieldDataFlag(&source);
  EXPECT_EQ(SOURCE_LAB, source);
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
}

TEST(FitDialogsInTheProgram, MohrCoulombBothDataTypes) {
  CProgramHarness program("fit_mohr_coulomb");
  ASSERT_TRUE(program.Start());
  CKelStrengthDoc* doc = program.ActiveDocument();
  ASSERT_TRUE(doc->SetCriterion(CRITERION_MOHR_COULOMB));
  program.OnDialog(IDD_FIT_MOHR_COULOMB, [&](CDialog* d) {
    auto* dialog = static_cast<CMohrCoulombFitDlg*>(d);
    ::ShowWindow(d->m_hWnd, SW_SHOW);
    EXPECT_TRUE(qxtest::IsButtonChecked(d, IDC_FIT_TRIAXIAL));
    // c = 1, phi = 30: sig1 = 2c tan 60 + 3 sig3.
    PasteRows(program, d, Rows({0.5, 2, 5, 10}, [](double s) { return 2.0 * std::tan(60 * kDeg) + 3.0 * s; }));
    for (int method = 0; method < 2; ++method) {
      qxtest::SelectComboItem(d, IDC_FIT_METHOD, method);
      EXPECT_NEAR(1.0, FieldValue(d, IDC_FIT_MC_C), 1e-3) << method;
      EXPECT_NEAR(30.0, FieldValue(d, IDC_FIT_MC_PHI), 1e-3) << method;
    }
    ::CheckDlgButton(d->m_hWnd, IDC_FIT_MOGI, BST_CHECKED);
    qxtest::ClickButton(d, IDC_FIT_MOGI);
    program.Capture(d, "fit_mohr_coulomb_triaxial");
    // Direct shear: the grid keeps the points under the new headings; new shear data replace
    // them.
    qxtest::ClickButton(d, IDC_FIT_DIRECT_SHEAR);
    EXPECT_TRUE(qxtest::IsButtonChecked(d, IDC_FIT_DIRECT_SHEAR));
    EXPECT_EQ(CString("sigN (MPa)"), dialog->Grid().GetItemText(0, 1));
    dialog->Grid().SetFocusCell(1, 1);
    PasteRows(program, d, Rows({0.5, 2, 5, 10}, [](double s) { return 0.2 + s * std::tan(35 * kDeg); }));
    EXPECT_NEAR(0.2, FieldValue(d, IDC_FIT_MC_C), 1e-3);
    EXPECT_NEAR(35.0, FieldValue(d, IDC_FIT_MC_PHI), 1e-3);
    EXPECT_TRUE(qxtest::GetControlText(d, IDC_FIT_STATUS).empty());
    program.Capture(d, "fit_mohr_coulomb_shear");
    qxtest::ClickButton(d, IDOK);
  });
  // The side bar reloads after Apply and OK (here a stand-in that notes the model's cohesion).
  ISideBarSink* realSideBar = AfxGetSideBar();
  CCountingSideBar sideBar(doc);
  AfxRegisterSideBar(&sideBar);
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_LAB_DATA));
  AfxRegisterSideBar(realSideBar);
  ASSERT_EQ(1u, sideBar.cohesions.size());
  EXPECT_NEAR(0.2, sideBar.cohesions[0], 1e-6);
  double c, phi, sigt;
  doc->m_mohrCoulomb.GetParameters(&c, &phi, &sigt);
  EXPECT_NEAR(0.2, c, 1e-6);
  EXPECT_NEAR(35.0, phi, 1e-6);
  EXPECT_EQ(DATA_DIRECT_SHEAR, doc->m_mohrCoulomb.GetDataType(nullptr));
  EXPECT_TRUE(doc->IsModified());
  const std::string results = ViewResults(program);
  EXPECT_NE(std::string::npos, results.find("cohesion = 0.2 MPa")) << results;
  EXPECT_NE(std::string::npos, results.find("friction angle = 35 deg")) << results;
  program.Screenshot("fit_mohr_coulomb_applied");
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
}

TEST(FitDialogsInTheProgram, BartonBandis) {
  CProgramHarness program("fit_barton_bandis");
  ASSERT_TRUE(program.Start());
  CKelStrengthDoc* doc = program.ActiveDocument();
  ASSERT_TRUE(doc->SetCriterion(CRITERION_BARTON_BANDIS));
  doc->m_bartonBandis.SetCurveFitMethod(FIT_SIMPLEX);
  program.OnDialog(IDD_FIT_BARTON_BANDIS, [&](CDialog* d) {
    ::ShowWindow(d->m_hWnd, SW_SHOW);
    // The dialog opens on the method the model holds.
    EXPECT_EQ(1, static_cast<int>(::SendDlgItemMessageA(d->m_hWnd, IDC_FIT_METHOD, CB_GETCURSEL, 0, 0)));
    qxtest::SetControlText(d, IDC_FIT_BB_PHIR, "28");
    PasteRows(program, d,
              "0.5\t0.579036204\r\n1\t1.04751874\r\n2\t1.89591966\r\n3\t2.68201072\r\n"
              "5\t4.14949768\r\n8\t6.19428972\r\n");
    for (int method = 0; method < 2; ++method) {
      qxtest::SelectComboItem(d, IDC_FIT_METHOD, method);
      EXPECT_NEAR(9.5, FieldValue(d, IDC_FIT_BB_JRC), 2e-3) << method;
      EXPECT_NEAR(85.0, FieldValue(d, IDC_FIT_BB_JCS), 2e-2) << method;
    }
    program.Capture(d, "fit_barton_bandis");
    // An angle out of range stops the fit with the exchange's message.
    qxtest::SetControlText(d, IDC_FIT_BB_PHIR, "95");
    qxtest::SelectComboItem(d, IDC_FIT_METHOD, 0);
    EXPECT_EQ(1u, program.MessageBoxTexts().size());
    qxtest::SetControlText(d, IDC_FIT_BB_PHIR, "28");
    qxtest::ClickButton(d, IDOK);
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_LAB_DATA));
  double phib, jrc, jcs;
  doc->m_bartonBandis.GetParameters(&phib, &jrc, &jcs);
  EXPECT_EQ(28.0, phib);
  EXPECT_NEAR(9.5, jrc, 1e-4);
  EXPECT_NEAR(85.0, jcs, 1e-2);
  int application;
  double signmax;
  doc->m_bartonBandis.GetEnvelopeRange(&application, &signmax, nullptr, nullptr);
  EXPECT_EQ(APPLICATION_CUSTOM, application);
  EXPECT_EQ(8.0, signmax);
  EXPECT_NEAR(9.5, SideBarValue(IDC_BB_JRC), 1e-3);
  EXPECT_NEAR(85.0, SideBarValue(IDC_BB_JCS), 1e-2);
  program.Screenshot("fit_barton_bandis_applied");
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
}

TEST(FitDialogsInTheProgram, PowerCurveBothDataTypes) {
  CProgramHarness program("fit_power_curve");
  ASSERT_TRUE(program.Start());
  CKelStrengthDoc* doc = program.ActiveDocument();
  ASSERT_TRUE(doc->SetCriterion(CRITERION_POWER_CURVE));
  doc->m_powerCurve.SetDataType(DATA_TRIAXIAL);
  program.OnDialog(IDD_FIT_POWER_CURVE, [&](CDialog* d) {
    ::ShowWindow(d->m_hWnd, SW_SHOW);
    std::string triaxial;
    for (double t : {0.2, 0.5, 1.0, 2.0, 3.0, 5.0, 7.0, 10.0}) {
      double sig1, sig3;
      CPowerCurveCriterion::TangentCircle(1.2, 0.3, 0.75, t, &sig1, &sig3);
      char line[96];
      std::snprintf(line, sizeof line, "%.12g\t%.12g\r\n", sig3, sig1);
      triaxial += line;
    }
    PasteRows(program, d, triaxial);
    for (int method = 0; method < 2; ++method) {
      qxtest::SelectComboItem(d, IDC_FIT_METHOD, method);
      EXPECT_NEAR(1.2, FieldValue(d, IDC_FIT_PC_A), 2e-3) << method;
      EXPECT_NEAR(0.75, FieldValue(d, IDC_FIT_PC_B), 2e-3) << method;
    }
    program.Capture(d, "fit_power_curve_triaxial");
    qxtest::ClickButton(d, IDC_FIT_DIRECT_SHEAR);
    static_cast<CPowerCurveFitDlg*>(d)->Grid().SetFocusCell(1, 1);
    PasteRows(program, d, Rows({0.2, 0.5, 1, 2, 3, 5, 7, 10}, [](double s) { return 1.2 * std::pow(s + 0.3, 0.75); }));
    EXPECT_NEAR(0.3, FieldValue(d, IDC_FIT_PC_D), 2e-3);
    program.Capture(d, "fit_power_curve_shear");
    qxtest::ClickButton(d, IDOK);
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_LAB_DATA));
  double a, dd, b;
  doc->m_powerCurve.GetParameters(&a, &dd, &b);
  EXPECT_NEAR(1.2, a, 1e-5);
  EXPECT_NEAR(0.3, dd, 1e-5);
  EXPECT_NEAR(0.75, b, 1e-6);
  EXPECT_EQ(DATA_DIRECT_SHEAR, doc->m_powerCurve.GetDataType(nullptr));
  EXPECT_NEAR(1.2, SideBarValue(IDC_PC_A), 1e-3);
  EXPECT_NEAR(0.75, SideBarValue(IDC_PC_B), 1e-3);
  EXPECT_TRUE(program.MessageBoxTexts().empty());
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
}

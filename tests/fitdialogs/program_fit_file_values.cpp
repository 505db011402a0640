// Projects whose files hold inputs outside a fit dialog's range, opened in the real program:
// the dialog opens without a message, and the value is neither applied unchecked nor lost.
#include <gtest/gtest.h>

#include <string>

#include "core/document/KelProject.h"
#include "document/KelStrengthDoc.h"
#include "fit_program_support.h"
#include "res/resource.h"
#include "tests/support/ProgramHarness.h"
#include "tests/support/TestProjects.h"

using qxtest::CProgramHarness;
using namespace fittest;

namespace {
const double kShearX[] = {0.5, 1, 2, 3, 5, 8};
const double kShearY[] = {0.579036204, 1.04751874, 1.89591966, 2.68201072, 4.14949768, 6.19428972};
const double kRockMassX[] = {0.5, 1, 2, 4, 6, 8};
const double kRockMassY[] = {9.47126232, 13.2802792, 19.1146245, 28.0872144, 35.4934233, 42.0749594};

// Says whether the dialog stayed open after OK; closes it with Cancel if so.
bool RefusedOk(CDialog* d) {
  qxtest::ClickButton(d, IDOK);
  if (!d->ContinueModal()) return false;
  qxtest::ClickButton(d, IDCANCEL);
  return true;
}

// Shows the dialog and fails for every message that came since the dialog was asked for.
void ExpectOpenedWithoutMessage(CProgramHarness& program, CDialog* d, size_t messages) {
  ::ShowWindow(d->m_hWnd, SW_SHOW);
  program.Pump();
  for (size_t i = messages; i < program.MessageBoxTexts().size(); ++i)
    ADD_FAILURE() << "message at opening: " << program.MessageBoxTexts()[i];
}
}  // namespace

TEST(FitDialogsWithFileValues, BartonBandisAngleOutOfRange) {
  CProgramHarness program("fit_file_bb_phir");
  ASSERT_TRUE(program.Start());
  CKelStrengthDoc* doc = qxtest::OpenProject(program, "phir120", [](CKelProject& p) {
    p.SetCriterion(CRITERION_BARTON_BANDIS);
    p.m_bartonBandis.SetParameters(120.0, 10.0, 30.0);
    p.m_bartonBandis.SetLabData(6, kShearX, kShearY);
  });
  ASSERT_NE(doc, nullptr);
  const CBartonBandisCriterion before = doc->m_bartonBandis;
  double phib = 0, jrc = 0, jcs = 0;
  before.GetParameters(&phib, nullptr, nullptr);
  ASSERT_EQ(120.0, phib);
  const size_t messages = program.MessageBoxTexts().size();

  // The dialog opens without a message and without a fit, showing the file's angle; Apply and
  // OK check it, keep the dialog open and write nothing; Cancel leaves the project as it was.
  program.OnDialog(IDD_FIT_BARTON_BANDIS, [&](CDialog* d) {
    ExpectOpenedWithoutMessage(program, d, messages);
    EXPECT_EQ("120", qxtest::GetControlText(d, IDC_FIT_BB_PHIR));
    EXPECT_EQ("", qxtest::GetControlText(d, IDC_FIT_BB_JRC));
    program.Capture(d, "fit_file_bb_phir_open");
    qxtest::ClickButton(d, IDC_FIT_APPLY);
    EXPECT_EQ(messages + 1, program.MessageBoxTexts().size());
    EXPECT_TRUE(RefusedOk(d));
    EXPECT_EQ(messages + 2, program.MessageBoxTexts().size());
    EXPECT_EQ("Enter a number from 0 to 90.", program.MessageBoxTexts().back());
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_LAB_DATA));
  doc->m_bartonBandis.GetParameters(&phib, &jrc, &jcs);
  EXPECT_EQ(120.0, phib);
  EXPECT_EQ(10.0, jrc);
  EXPECT_EQ(30.0, jcs);
  EXPECT_EQ(6, doc->m_bartonBandis.GetLabCount());
  EXPECT_EQ(before.GetSignMax(), doc->m_bartonBandis.GetSignMax());
  EXPECT_FALSE(doc->IsModified());

  // An angle typed in its place is fitted with and applied.
  program.OnDialog(IDD_FIT_BARTON_BANDIS, [&](CDialog* d) {
    qxtest::SetControlText(d, IDC_FIT_BB_PHIR, "28");
    qxtest::ClickButton(d, IDC_FIT_APPLY);
    ::ShowWindow(d->m_hWnd, SW_SHOW);
    program.Capture(d, "fit_file_bb_phir_typed");
    EXPECT_FALSE(RefusedOk(d));
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_LAB_DATA));
  doc->m_bartonBandis.GetParameters(&phib, &jrc, &jcs);
  EXPECT_EQ(28.0, phib);
  EXPECT_NEAR(9.5, jrc, 1e-4);
  EXPECT_NEAR(85.0, jcs, 1e-2);
  EXPECT_EQ(messages + 2, program.MessageBoxTexts().size());
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
}

TEST(FitDialogsWithFileValues, RockMassSigciOutOfRange) {
  CProgramHarness program("fit_file_rm_sigci");
  ASSERT_TRUE(program.Start());
  CKelStrengthDoc* doc = qxtest::OpenProject(program, "sigci1e25", [](CKelProject& p) {
    p.m_hoekBrown.SetParameters(1e25, 10.0, 50.0, 0.0);
    p.m_hoekBrown.SetRockMassData(6, kRockMassX, kRockMassY);
  });
  ASSERT_NE(doc, nullptr);
  double sigci = 0, mi = 0, gsi = 0, D = 0;
  doc->m_hoekBrown.GetParameters(&sigci, nullptr, nullptr, nullptr);
  ASSERT_EQ(1e25, sigci);
  const size_t messages = program.MessageBoxTexts().size();

  program.OnDialog(IDD_FIT_ROCK_MASS, [&](CDialog* d) {
    ExpectOpenedWithoutMessage(program, d, messages);
    EXPECT_EQ("1e+25", qxtest::GetControlText(d, IDC_FIT_RM_SIGCI));
    EXPECT_EQ("", qxtest::GetControlText(d, IDC_FIT_MI));
    program.Capture(d, "fit_file_rm_sigci_open");
    EXPECT_TRUE(RefusedOk(d));
    EXPECT_EQ(messages + 1, program.MessageBoxTexts().size());
    EXPECT_EQ("Enter a number from 0 to 1e+21.", program.MessageBoxTexts().back());
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_ROCK_MASS_DATA));
  doc->m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &D);
  EXPECT_EQ(1e25, sigci);
  EXPECT_EQ(10.0, mi);
  EXPECT_EQ(50.0, gsi);
  EXPECT_EQ(6, doc->m_hoekBrown.GetRockMassCount());
  EXPECT_FALSE(doc->IsModified());

  // A usable sigci typed in its place is fitted with and applied; the next opening fits at once.
  program.OnDialog(IDD_FIT_ROCK_MASS, [&](CDialog* d) {
    qxtest::SetControlText(d, IDC_FIT_RM_SIGCI, "75");
    EXPECT_FALSE(RefusedOk(d));
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_ROCK_MASS_DATA));
  doc->m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &D);
  EXPECT_EQ(75.0, sigci);
  EXPECT_NEAR(14.0, mi, 1e-3);
  EXPECT_NEAR(45.0, gsi, 1e-3);
  program.OnDialog(IDD_FIT_ROCK_MASS, [&](CDialog* d) {
    ::ShowWindow(d->m_hWnd, SW_SHOW);
    program.Capture(d, "fit_file_rm_sigci_typed_reopened");
    EXPECT_NEAR(14.0, FieldValue(d, IDC_FIT_MI), 2e-3);
    qxtest::ClickButton(d, IDCANCEL);
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_ROCK_MASS_DATA));
  EXPECT_EQ(messages + 1, program.MessageBoxTexts().size());
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
}

// The side bar in the program under Xvfb, driven by keystrokes through the message loop: it
// follows the active project, applies what is typed (on leaving a field, a second after the
// last key, at once for a spin step), refuses bad values with their message and changes
// nothing then, follows the application, the criterion and the units, and the views and the
// results follow it.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "res/ShellResources.h"
#include "res/ViewResources.h"
#include "shell/MainFrame.h"
#include "tests/view/side_bar_program_support.h"
#include "view/ResultsText.h"

namespace {

using qxtest::CProgramHarness;
using namespace sidebartest;
using namespace viewtest;
using qxtest::OpenProject;

struct HoekBrownInputs {
  double sigci, mi, gsi, d;
};

HoekBrownInputs InputsOf(const CKelStrengthDoc* doc) {
  HoekBrownInputs in;
  doc->m_hoekBrown.GetParameters(&in.sigci, &in.mi, &in.gsi, &in.d);
  return in;
}

double Get(const qxchart::Chart* chart, int id) {
  double v = 0;
  chart->GetDouble(id, &v);
  return v;
}

// A window-less view of a document that records the redraw hint of every update it is told of.
class CHintRecorder : public CView {
 public:
  explicit CHintRecorder(CKelStrengthDoc* doc) : m_doc(doc) { doc->AddView(this); }
  ~CHintRecorder() override {
    if (GetDocument()) m_doc->RemoveView(this);
  }
  void OnUpdate(CView*, LPARAM, CObject*) override { hints.push_back(m_doc->m_nRedrawHint); }
  std::vector<int> hints;

 private:
  CKelStrengthDoc* m_doc;
};

class SideBarProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program.Start());
    form = SideBar(program);
    ASSERT_NE(form, nullptr);
  }
  // Project Settings with another criterion and unit system.
  void ChangeSettings(int criterionButton, int units) {
    program.OnDialog(IDD_PROJECT_SETTINGS, [&](CDialog* d) {
      qxtest::SelectComboItem(d, IDC_UNITS, units);
      for (int id : {IDC_CRITERION_HOEK_BROWN, IDC_CRITERION_MOHR_COULOMB,
                     IDC_CRITERION_BARTON_BANDIS, IDC_CRITERION_POWER_CURVE})
        ::CheckDlgButton(d->m_hWnd, id, id == criterionButton ? BST_CHECKED : BST_UNCHECKED);
      qxtest::ClickButton(d, IDOK);
    });
    program.OnDialog(IDD_SWITCH_DATA_TYPE, [](CDialog* d) { qxtest::ClickButton(d, IDOK); });
    program.RunCommand(ID_ANALYSIS_PROJECT_SETTINGS);
    program.Pump();
  }
  CProgramHarness program{"side_bar"};
  CDockForm* form = nullptr;
};

TEST_F(SideBarProgram, TypedParametersReachTheModelTheViewAndTheResults) {
  CKelStrengthDoc* doc = program.ActiveDocument();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(form->GetAttachedDocument(), doc);
  EXPECT_TRUE(Visible(form, IDC_HB_SIGCI));
  EXPECT_FALSE(Visible(form, IDC_MC_C));
  EXPECT_FALSE(Visible(form, IDC_HB_GROUP));
  CKelStrengthView* view = ActiveChartView(program);
  ASSERT_NE(view, nullptr);

  Enter(program, form, IDC_HB_SIGCI, "80");
  Enter(program, form, IDC_HB_MI, "15");
  Enter(program, form, IDC_HB_GSI, "65");
  Enter(program, form, IDC_HB_D, "0.3");
  const HoekBrownInputs in = InputsOf(doc);
  EXPECT_EQ(in.sigci, 80);
  EXPECT_EQ(in.mi, 15);
  EXPECT_EQ(in.gsi, 65);
  EXPECT_EQ(in.d, 0.3);
  EXPECT_TRUE(doc->IsModified());
  EXPECT_EQ(doc->m_hoekBrown.GetStateFlag(), 0);
  EXPECT_TRUE(program.MessageBoxTexts().empty());

  // The side bar's results and the view's envelope are those of the new parameters.
  double sigci, mb, s, a;
  doc->m_hoekBrown.GetRockMassConstants(&sigci, &mb, &s, &a);
  EXPECT_EQ(Text(form, IDC_HB_MB), FormatResultNumber("%.3f", mb, -1));
  EXPECT_EQ(Text(form, IDC_HB_S), FormatResultNumber("%.4f", s, -1));
  const double sig3max = doc->m_hoekBrown.GetSig3Max();
  EXPECT_EQ(Text(form, IDC_HB_SIG3MAX), FormatResultNumber("%.4f", sig3max, -1));
  const qxchart::Chart* chart = view->PrincipalChart().GetChart();
  EXPECT_NEAR(Get(chart, qxchart::prop::kDataXMax), sig3max, 1e-9);
  EXPECT_NEAR(Get(chart, qxchart::prop::kDataYMax), doc->m_hoekBrown.GetSig1(sig3max), 1e-6);
  program.Screenshot("side_bar_typed_hoek_brown");
}

TEST_F(SideBarProgram, EveryApplyUpdatesTheViewsTwiceAndARefreshOnce) {
  CKelStrengthDoc* doc = program.ActiveDocument();
  CHintRecorder views(doc);
  // Leaving a field: the road's hint, then 2.
  Enter(program, form, IDC_HB_GSI, "55");
  EXPECT_EQ(views.hints, (std::vector<int>{2, 2}));
  // The picks of GSI, mi and D apply with hint 1.
  views.hints.clear();
  form->ApplyParameters(1, TRUE);
  EXPECT_EQ(views.hints, (std::vector<int>{1, 2}));
  // A refresh writes nothing and updates once; the modified flag stays as it was.
  views.hints.clear();
  doc->SetModifiedFlag(FALSE);
  doc->m_hoekBrown.SetStateFlag(1);
  form->RefreshFromDocument();
  EXPECT_EQ(views.hints, std::vector<int>{2});
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(doc->m_hoekBrown.GetStateFlag(), 0);
  // A refused value updates nothing.
  views.hints.clear();
  Enter(program, form, IDC_HB_D, "2");
  EXPECT_TRUE(views.hints.empty());
  ::SetDlgItemTextA(form->m_hWnd, IDC_HB_D, "0");
  program.Pump();
  // Enter is the Compute command: the field is applied without leaving it.
  FocusEdit(program, form, IDC_HB_MI);  // D, left, is applied
  views.hints.clear();
  {
    CHeldTypingTimer held(form);
    Type(program, "22");
    program.PressKey(VK_RETURN);
  }
  EXPECT_EQ(InputsOf(doc).mi, 22);
  EXPECT_EQ(views.hints, (std::vector<int>{2, 2}));
  EXPECT_EQ(::GetFocus(), ::GetDlgItem(form->m_hWnd, IDC_HB_MI));
}

// Counts the texts written into each watched control.
class CTextWrites {
 public:
  CTextWrites(CDockForm* form, std::vector<int> ids) : m_form(form), m_ids(std::move(ids)) {
    for (int id : m_ids) ::SetWindowSubclass(::GetDlgItem(form->m_hWnd, id), Count, id, 0);
  }
  ~CTextWrites() {
    for (int id : m_ids) ::RemoveWindowSubclass(::GetDlgItem(m_form->m_hWnd, id), Count, id);
  }
  static int Of(int id) { return s_writes[id]; }
  static void Clear() { s_writes.clear(); }

 private:
  static LRESULT CALLBACK Count(HWND h, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR) {
    if (msg == WM_SETTEXT) ++s_writes[static_cast<int>(id)];
    return ::DefSubclassProc(h, msg, w, l);
  }
  static std::map<int, int> s_writes;
  CDockForm* m_form;
  std::vector<int> m_ids;
};
std::map<int, int> CTextWrites::s_writes;

TEST_F(SideBarProgram, AnApplyWritesOnlyTheTextsThatChangeEachOnce) {
  CKelStrengthDoc* doc = program.ActiveDocument();
  SelectApplication(program, form, IDC_HB_APPLICATION, CHoekBrownCriterion::APPLICATION_CUSTOM);
  Enter(program, form, IDC_HB_SIG3MAX, "12.5");
  CTextWrites writes(form, {IDC_HB_MI, IDC_HB_SIG3MAX, IDC_HB_MB, IDC_HB_EM, IDC_HB_SIGCI_UNIT});
  CTextWrites::Clear();
  Enter(program, form, IDC_HB_GSI, "62");
  // GSI changes the rock-mass results, written once with their own format; the inputs, the
  // range and the unit labels stay as they read.
  EXPECT_EQ(CTextWrites::Of(IDC_HB_MB), 1);
  EXPECT_EQ(CTextWrites::Of(IDC_HB_EM), 1);
  EXPECT_EQ(CTextWrites::Of(IDC_HB_MI), 0);
  EXPECT_EQ(CTextWrites::Of(IDC_HB_SIG3MAX), 0);
  EXPECT_EQ(CTextWrites::Of(IDC_HB_SIGCI_UNIT), 0);
  double sigci, mb, s, a;
  doc->m_hoekBrown.GetRockMassConstants(&sigci, &mb, &s, &a);
  EXPECT_EQ(Text(form, IDC_HB_MB), FormatResultNumber("%.3f", mb, -1));
  EXPECT_EQ(Text(form, IDC_HB_SIG3MAX), "12.5000");
  EXPECT_EQ(Text(form, IDC_HB_GSI), "62");
  // A refresh after the model changed elsewhere writes what differs: the input in full digits
  // and the results it moves.
  CTextWrites::Clear();
  doc->m_hoekBrown.SetParameters(30, 12.25, 62, 0);
  form->RefreshFromDocument();
  EXPECT_EQ(Text(form, IDC_HB_MI), "12.25");
  EXPECT_EQ(CTextWrites::Of(IDC_HB_MI), 1);
  EXPECT_EQ(CTextWrites::Of(IDC_HB_MB), 1);
  EXPECT_EQ(CTextWrites::Of(IDC_HB_SIGCI_UNIT), 0);
  EXPECT_EQ(Text(form, IDC_HB_SIG3MAX), FormatResultNumber("%.4f", doc->m_hoekBrown.GetSig3Max(), -1));
}

TEST_F(SideBarProgram, CopyDataPutsTheAttachedProjectsReportOnTheClipboard) {
  CKelStrengthDoc* doc = OpenProject(
      program, "copy_data", [](CKelProject& p) { p.SetCriterion(CRITERION_BARTON_BANDIS); });
  ASSERT_NE(doc, nullptr);
  Enter(program, form, IDC_BB_JRC, "12.5");
  HWND button = ::GetDlgItem(form->m_hWnd, IDC_BB_COPY_DATA);
  ASSERT_TRUE(::IsWindowVisible(button));
  program.Click(button, 5, 5);
  std::string text;
  if (::OpenClipboard(form->m_hWnd)) {
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
      if (const char* p = static_cast<const char*>(::GlobalLock(data))) text = p;
      ::GlobalUnlock(data);
    }
    ::CloseClipboard();
  }
  EXPECT_EQ(text.rfind("Barton-Bandis Criterion", 0), 0u) << text;
  EXPECT_NE(text.find("joint roughness coefficient\t12.5\t"), std::string::npos) << text;
}

TEST_F(SideBarProgram, LabDataResidualsFollowWithoutARefit) {
  CKelStrengthDoc* doc = OpenProject(program, "lab_data", [](CKelProject& p) {
    p.SetCriterion(CRITERION_HOEK_BROWN);
    p.m_hoekBrown.SetParameters(60, 12, 100, 0);
    const double x[] = {0, 5, 10};
    double y[3];
    for (int i = 0; i < 3; ++i) y[i] = p.m_hoekBrown.GetSig1(x[i]);
    p.m_hoekBrown.SetLabData(3, x, y);
    p.m_hoekBrown.SetResiduals(0);
  });
  ASSERT_NE(doc, nullptr);
  Enter(program, form, IDC_HB_MI, "20");
  EXPECT_GT(doc->m_hoekBrown.GetResiduals(), 1.0);
  const HoekBrownInputs in = InputsOf(doc);
  EXPECT_EQ(in.mi, 20);
  EXPECT_EQ(in.sigci, 60);
}

TEST_F(SideBarProgram, ClosingAProjectWhileTypingLosesNothingAndBreaksNothing) {
  CKelStrengthDoc* first = program.ActiveDocument();
  ASSERT_NE(first, nullptr);
  FocusEdit(program, form, IDC_HB_GSI);
  {
    CHeldTypingTimer held(form);
    Type(program, "44");
    program.AnswerMessageBox(IDNO);  // the save prompt
    program.RunCommand(ID_FILE_CLOSE);
  }
  // The typed change was the user's to keep or drop.
  EXPECT_EQ(program.MessageBoxTexts().size(), 1u);
  EXPECT_FALSE(form->IsApplyPending());
  // A tick already on its way when the project went finds nothing to apply to.
  form->SendMessage(WM_TIMER, CDockForm::kApplyTimer, 0);
  program.Pump();
  EXPECT_EQ(program.DocumentCount(), 0);
  EXPECT_EQ(form->GetAttachedDocument(), nullptr);
  EXPECT_FALSE(Enabled(form, IDC_HB_GSI));
}

// The keys come before the timer's tick here whatever the machine's speed: the test holds the
// tick back until it has checked what the keys alone did. The timer ticks a second after the
// last key at the soonest.
TEST_F(SideBarProgram, TypingAppliesOnceASecondAfterTheLastKey) {
  EXPECT_EQ(UINT{CDockForm::kApplyDelay}, 1000u);  // by value: the constant is only declared
  CKelStrengthDoc* doc = program.ActiveDocument();
  CHintRecorder views(doc);
  FocusEdit(program, form, IDC_HB_GSI);
  {
    CHeldTypingTimer held(form);
    Type(program, "3");
    const double lastKey = qxtest::NowMs();  // before the key restarts the timer
    Type(program, "5");
    EXPECT_EQ(InputsOf(doc).gsi, 50);  // not before the timer
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->m_hoekBrown.GetStateFlag(), 1);
    EXPECT_TRUE(form->IsApplyPending());
    EXPECT_TRUE(views.hints.empty());
    held.Release();
    ASSERT_TRUE(WaitForTypingTimer(program, form));
    EXPECT_GE(held.TickCameAfter(lastKey), 1000 - qxtest::kTimerGranularityMs)
        << "the apply timer ticked sooner than a second after the last key";
  }
  EXPECT_EQ(InputsOf(doc).gsi, 35);
  EXPECT_EQ(doc->m_hoekBrown.GetStateFlag(), 0);
  EXPECT_EQ(views.hints, (std::vector<int>{2, 2}));  // one apply for both keys
  EXPECT_EQ(::GetFocus(), ::GetDlgItem(form->m_hWnd, IDC_HB_GSI));  // typing goes on

  // Saved between the keystroke and the apply: the document stays marked modified, so the
  // typed value is not lost without a prompt.
  FocusEdit(program, form, IDC_HB_GSI);
  {
    CHeldTypingTimer held(form);
    Type(program, "42");
    program.AnswerFileDialog(program.TempPath("typed.kel"));
    program.PressKey('S', true);
    EXPECT_EQ(program.FileDialogCount(), 1);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(InputsOf(doc).gsi, 35);  // saved before the timer
    EXPECT_TRUE(form->IsApplyPending());
  }
  ASSERT_TRUE(WaitForTypingTimer(program, form));
  EXPECT_EQ(InputsOf(doc).gsi, 42);
  EXPECT_TRUE(doc->IsModified());
}

TEST_F(SideBarProgram, AnOutOfRangeValueIsRefusedWithItsMessageAndNothingChanges) {
  CKelStrengthDoc* doc = program.ActiveDocument();
  const HoekBrownInputs before = InputsOf(doc);
  const double sig3max = doc->m_hoekBrown.GetSig3Max();
  // The timer's apply fails quietly. (Held while typing: "12" alone would be applied.)
  FocusEdit(program, form, IDC_HB_GSI);
  {
    CHeldTypingTimer held(form);
    Type(program, "120");
  }
  ASSERT_TRUE(WaitForTypingTimer(program, form));
  EXPECT_TRUE(program.MessageBoxTexts().empty());
  EXPECT_EQ(doc->m_hoekBrown.GetStateFlag(), 1);
  // Leaving the field says why, and the field keeps the focus with its text selected.
  program.PressKey(VK_TAB);
  ASSERT_EQ(program.MessageBoxTexts().size(), 1u);
  EXPECT_EQ(program.MessageBoxTexts()[0], "Please enter a number between 5 and 100");
  HWND gsi = ::GetDlgItem(form->m_hWnd, IDC_HB_GSI);
  EXPECT_EQ(::GetFocus(), gsi);
  DWORD start = 1, end = 0;
  ::SendMessageA(gsi, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);
  // Leaving the field again repeats the message; the field keeps it until it holds a number
  // in range.
  ::SetDlgItemTextA(form->m_hWnd, IDC_HB_GSI, "50");
  program.Pump();
  // A malformed number, and sigci 0, on the roads that show messages.
  Enter(program, form, IDC_HB_MI, "1x5");
  ASSERT_EQ(program.MessageBoxTexts().size(), 2u);
  EXPECT_EQ(program.MessageBoxTexts()[1], "Enter a number.");
  SetDlgItemTextA(form->m_hWnd, IDC_HB_MI, "10");
  Enter(program, form, IDC_HB_SIGCI, "0");
  ASSERT_GE(program.MessageBoxTexts().size(), 3u);
  EXPECT_EQ(program.MessageBoxTexts().back(),
            "Please enter a number between 1e-07 and 1.79769e+308");
  const HoekBrownInputs after = InputsOf(doc);
  EXPECT_EQ(after.gsi, before.gsi);
  EXPECT_EQ(after.mi, before.mi);
  EXPECT_EQ(after.sigci, before.sigci);
  EXPECT_EQ(doc->m_hoekBrown.GetSig3Max(), sig3max);
  EXPECT_EQ(doc->m_hoekBrown.GetStateFlag(), 1);
}

TEST_F(SideBarProgram, AResultThatShowsNoNumberNeverBlocksAnApply) {
  CKelStrengthDoc* doc = program.ActiveDocument();
  ::SetDlgItemTextA(form->m_hWnd, IDC_HB_MB, "nan");
  ::SetDlgItemTextA(form->m_hWnd, IDC_HB_SIG3MAX, "inf");  // General: a computed result
  Enter(program, form, IDC_HB_GSI, "60");
  EXPECT_TRUE(program.MessageBoxTexts().empty());
  EXPECT_EQ(InputsOf(doc).gsi, 60);
  double sigci, mb, s, a;
  doc->m_hoekBrown.GetRockMassConstants(&sigci, &mb, &s, &a);
  EXPECT_EQ(Text(form, IDC_HB_MB), FormatResultNumber("%.3f", mb, -1));
}

TEST_F(SideBarProgram, ApplicationChoosesTheRangeRows) {
  CKelStrengthDoc* doc = program.ActiveDocument();
  doc->SetModifiedFlag(FALSE);
  EXPECT_FALSE(Visible(form, IDC_HB_UNIT_WEIGHT));
  EXPECT_TRUE(ReadOnly(form, IDC_HB_SIG3MAX));
  SelectApplication(program, form, IDC_HB_APPLICATION, CHoekBrownCriterion::APPLICATION_TUNNELS);
  EXPECT_TRUE(doc->IsModified());
  int app = -1;
  double sig3max, gamma, depth;
  doc->m_hoekBrown.GetEnvelopeRange(&app, &sig3max, &gamma, &depth);
  EXPECT_EQ(app, CHoekBrownCriterion::APPLICATION_TUNNELS);
  EXPECT_TRUE(Visible(form, IDC_HB_UNIT_WEIGHT));
  EXPECT_TRUE(Visible(form, IDC_HB_DEPTH_UNIT));
  EXPECT_EQ(Text(form, IDC_HB_DEPTH_LABEL), "Tunnel Depth");
  EXPECT_TRUE(ReadOnly(form, IDC_HB_SIG3MAX));
  EXPECT_FALSE(Enabled(form, IDC_HB_SIG3MAX_SPIN));
  // A deeper tunnel, a larger bound.
  Enter(program, form, IDC_HB_DEPTH, "900");
  double deeper;
  doc->m_hoekBrown.GetEnvelopeRange(&app, &deeper, &gamma, &depth);
  EXPECT_EQ(depth, 900);
  EXPECT_GT(deeper, sig3max);
  EXPECT_EQ(Text(form, IDC_HB_SIG3MAX), FormatResultNumber("%.4f", deeper, -1));
  program.Screenshot("side_bar_tunnels");

  SelectApplication(program, form, IDC_HB_APPLICATION, CHoekBrownCriterion::APPLICATION_SLOPES);
  EXPECT_EQ(Text(form, IDC_HB_DEPTH_LABEL), "Slope Height");
  SelectApplication(program, form, IDC_HB_APPLICATION, CHoekBrownCriterion::APPLICATION_CUSTOM);
  EXPECT_FALSE(Visible(form, IDC_HB_UNIT_WEIGHT));
  EXPECT_FALSE(ReadOnly(form, IDC_HB_SIG3MAX));
  EXPECT_TRUE(Enabled(form, IDC_HB_SIG3MAX_SPIN));
  Enter(program, form, IDC_HB_SIG3MAX, "12.5");
  EXPECT_EQ(doc->m_hoekBrown.GetSig3Max(), 12.5);
  EXPECT_EQ(Text(form, IDC_HB_SIG3MAX), "12.5000");
}

TEST_F(SideBarProgram, ASpinStepAppliesAtOnce) {
  CKelStrengthDoc* doc = program.ActiveDocument();
  HWND spin = ::GetDlgItem(form->m_hWnd, IDC_HB_GSI_SPIN);
  RECT rc;
  ::GetClientRect(spin, &rc);
  program.Click(spin, rc.right / 2, rc.bottom / 4);  // the upper arrow
  // At once where the platform leaves the caret at the start of the rewritten text, else with
  // the timer: the same either way.
  ASSERT_TRUE(WaitForTypingTimer(program, form));
  EXPECT_EQ(InputsOf(doc).gsi, 51);
  EXPECT_EQ(Text(form, IDC_HB_GSI), "51");
}

TEST_F(SideBarProgram, CriterionAndUnitsFollowTheProjectSettings) {
  CKelStrengthDoc* doc = program.ActiveDocument();
  ChangeSettings(IDC_CRITERION_MOHR_COULOMB, UNITS_KPA);
  ASSERT_EQ(doc->m_nCriterion, CRITERION_MOHR_COULOMB);
  EXPECT_TRUE(Visible(form, IDC_MC_C));
  EXPECT_FALSE(Visible(form, IDC_HB_SIGCI));
  EXPECT_EQ(Text(form, IDC_MC_C_UNIT), "kPa");
  EXPECT_EQ(Text(form, IDC_MC_UNIT_WEIGHT_UNIT), "kN/m3");
  EXPECT_EQ(form->GetSpin(IDC_MC_C_SPIN)->GetStep(), 10);
  double c, phi, sigt;
  doc->m_mohrCoulomb.GetParameters(&c, &phi, &sigt);
  EXPECT_EQ(Text(form, IDC_MC_PHI), FormatResultNumber("%.15g", phi, -1));
  Enter(program, form, IDC_MC_PHI, "33");
  doc->m_mohrCoulomb.GetParameters(&c, &phi, &sigt);
  EXPECT_EQ(phi, 33);

  ChangeSettings(IDC_CRITERION_POWER_CURVE, UNITS_KPA);
  ASSERT_EQ(doc->m_nCriterion, CRITERION_POWER_CURVE);
  EXPECT_TRUE(Visible(form, IDC_PC_A));
  EXPECT_EQ(form->GetSpin(IDC_PC_RANGE_SPIN)->GetStep(), 0.01);
  EXPECT_EQ(form->GetSpin(IDC_BB_SIGNMAX_SPIN)->GetStep(), 10);
}

TEST_F(SideBarProgram, FollowsTheActiveProjectAndATypedChangeStaysWithItsProject) {
  CKelStrengthDoc* first = OpenProject(program, "hoek_brown", [](CKelProject& p) {
    p.SetCriterion(CRITERION_HOEK_BROWN);
    p.m_hoekBrown.SetParameters(45, 12, 60, 0);
  });
  ASSERT_NE(first, nullptr);
  CView* firstView = program.ActiveView();
  CKelStrengthDoc* second = OpenProject(program, "mohr_coulomb_kpa", [](CKelProject& p) {
    p.SetCriterion(CRITERION_MOHR_COULOMB);
    for (int c = 0; c < 4; ++c) p.ModelOf(c)->SetUnits(UNITS_KPA);
    p.m_mohrCoulomb.SetParameters(25, 28, -5);
  });
  ASSERT_NE(second, nullptr);
  CView* secondView = program.ActiveView();
  EXPECT_EQ(form->GetAttachedDocument(), second);
  EXPECT_EQ(form->GetAttachedView(), secondView);
  EXPECT_TRUE(Visible(form, IDC_MC_C));
  EXPECT_EQ(Text(form, IDC_MC_C), "25");
  EXPECT_EQ(Text(form, IDC_MC_SIGT_UNIT), "kPa");

  program.Frame()->MDIActivate(firstView->GetParentFrame());
  program.Pump();
  EXPECT_EQ(form->GetAttachedDocument(), first);
  EXPECT_TRUE(Visible(form, IDC_HB_SIGCI));
  EXPECT_EQ(Text(form, IDC_HB_SIGCI), "45");
  EXPECT_EQ(Text(form, IDC_HB_SIGCI_UNIT), "MPa");

  // Typed into the first project, which is left before the timer fires.
  FocusEdit(program, form, IDC_HB_GSI);
  {
    CHeldTypingTimer held(form);
    Type(program, "70");
    program.Frame()->MDIActivate(secondView->GetParentFrame());
    program.Pump();
  }
  ASSERT_TRUE(WaitForTypingTimer(program, form));
  EXPECT_EQ(InputsOf(first).gsi, 70);
  EXPECT_EQ(InputsOf(second).gsi, 50);
  EXPECT_EQ(form->GetAttachedDocument(), second);
  EXPECT_EQ(Text(form, IDC_MC_C), "25");
  EXPECT_TRUE(program.MessageBoxTexts().empty());
}

TEST_F(SideBarProgram, WithNoProjectTheBarIsDisabledAndHoldsNone) {
  EXPECT_TRUE(Enabled(form, IDC_HB_SIGCI));
  program.RunCommand(ID_FILE_CLOSE);
  ASSERT_EQ(program.DocumentCount(), 0);
  EXPECT_EQ(form->GetAttachedDocument(), nullptr);
  EXPECT_EQ(form->GetAttachedView(), nullptr);
  EXPECT_FALSE(Enabled(form, IDC_HB_SIGCI));
  EXPECT_FALSE(Enabled(form, IDC_HB_GSI_PICK));
  EXPECT_FALSE(Enabled(form, IDC_HB_APPLICATION));
  EXPECT_TRUE(Enabled(form, IDC_HB_SIGCI_LABEL));
  // Typing into a disabled bar's edit (as the program might) changes nothing and breaks nothing.
  ::SetDlgItemTextA(form->m_hWnd, IDC_HB_GSI, "33");
  ASSERT_TRUE(WaitForTypingTimer(program, form));
  program.Screenshot("side_bar_no_project");

  program.RunCommand(ID_FILE_NEW);
  ASSERT_EQ(program.DocumentCount(), 1);
  EXPECT_EQ(form->GetAttachedDocument(), program.ActiveDocument());
  EXPECT_TRUE(Enabled(form, IDC_HB_SIGCI));
  EXPECT_EQ(Text(form, IDC_HB_GSI), "50");
}

TEST_F(SideBarProgram, EachCriterionsGroupAsShown) {
  const struct {
    const char* name;
    int criterion;
    int units;
  } cases[] = {{"side_bar_hoek_brown", CRITERION_HOEK_BROWN, UNITS_MPA},
               {"side_bar_mohr_coulomb", CRITERION_MOHR_COULOMB, UNITS_MPA},
               {"side_bar_barton_bandis", CRITERION_BARTON_BANDIS, UNITS_KSI},
               {"side_bar_power_curve", CRITERION_POWER_CURVE, UNITS_KPA}};
  for (const auto& c : cases) {
    CKelStrengthDoc* doc = OpenProject(program, c.name, [&](CKelProject& p) {
      p.SetCriterion(c.criterion);
      for (int i = 0; i < 4; ++i) p.ModelOf(i)->SetUnits(c.units);
      if (c.criterion == CRITERION_BARTON_BANDIS)
        p.m_bartonBandis.SetEnvelopeRange(APPLICATION_TUNNELS, 0, 0.16, 400);
    });
    ASSERT_NE(doc, nullptr) << c.name;
    EXPECT_EQ(form->GetAttachedDocument(), doc);
    EXPECT_TRUE(Visible(form, GroupBoxOf(c.criterion) == IDC_HB_GROUP ? IDC_HB_SIGCI
                               : c.criterion == CRITERION_MOHR_COULOMB ? IDC_MC_C
                               : c.criterion == CRITERION_BARTON_BANDIS ? IDC_BB_JRC
                                                                         : IDC_PC_A));
    CaptureSideBar(form, c.name);
  }
}


// The children of a window in z-order.
std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> out;
  for (HWND h = ::GetWindow(parent, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) out.push_back(h);
  return out;
}

INT_PTR CALLBACK Quiet(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The groups not shown at first are made when first shown, as the dialog makes the whole
// template: same controls in the same z-order, classes, styles (but what the program itself
// changes), font, sizes and places within their frames.
TEST_F(SideBarProgram, GroupsMadeWhenFirstShownMatchTheWholeTemplate) {
  EXPECT_EQ(::GetDlgItem(form->m_hWnd, IDC_MC_C), nullptr);  // waits for its first showing
  EXPECT_NE(::GetDlgItem(form->m_hWnd, IDC_MC_GROUP), nullptr);
  for (int c : {CRITERION_BARTON_BANDIS, CRITERION_POWER_CURVE, CRITERION_MOHR_COULOMB})
    ASSERT_NE(OpenProject(program, "made" + std::to_string(c),
                          [c](CKelProject& p) { p.SetCriterion(c); }),
              nullptr);
  HWND whole = ::CreateDialogParamA(reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(form->m_hWnd, GWLP_HINSTANCE)),
                                    MAKEINTRESOURCEA(IDD_SIDE_BAR),
                                    ::GetParent(form->m_hWnd), Quiet, 0);
  ASSERT_NE(whole, nullptr);
  const std::vector<HWND> made = Children(form->m_hWnd), reference = Children(whole);
  ASSERT_EQ(made.size(), reference.size());
  for (size_t i = 0; i < made.size(); ++i)
    ASSERT_EQ(::GetDlgCtrlID(made[i]), ::GetDlgCtrlID(reference[i])) << i;
  // The spins the program gives their edits itself get them in the reference too.
  for (const auto& b : {std::make_pair(IDC_BB_SIGNMAX_SPIN, IDC_BB_SIGNMAX),
                        std::make_pair(IDC_PC_RANGE_SPIN, IDC_PC_RANGE),
                        std::make_pair(IDC_PC_PA_SPIN, IDC_PC_PA)})
    ::SendMessageA(::GetDlgItem(whole, b.first), UDM_SETBUDDY,
                   reinterpret_cast<WPARAM>(::GetDlgItem(whole, b.second)), 0);
  RECT madeFrame = {}, referenceFrame = {};
  for (size_t i = 0; i < made.size(); ++i) {
    const int id = ::GetDlgCtrlID(reference[i]);
    ASSERT_EQ(::GetDlgCtrlID(made[i]), id) << i;
    char a[64] = "", b[64] = "";
    ::GetClassNameA(made[i], a, sizeof a);
    ::GetClassNameA(reference[i], b, sizeof b);
    ASSERT_STREQ(a, b) << id;
    const std::string cls = b;
    DWORD styleMask = WS_VISIBLE | WS_DISABLED, exMask = 0;
    if (cls == "Edit") styleMask |= ES_READONLY;
    if (cls == "Button" && id != -1 && (::GetWindowLongA(made[i], GWL_STYLE) & 0x1F) == BS_OWNERDRAW)
      styleMask |= 0x1F;
    if (cls == UPDOWN_CLASSA) styleMask |= UDS_SETBUDDYINT | UDS_ARROWKEYS;
    if (cls == "ComboBox") exMask |= WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME;
    EXPECT_EQ(::GetWindowLongA(made[i], GWL_STYLE) & ~styleMask,
              ::GetWindowLongA(reference[i], GWL_STYLE) & ~styleMask) << id;
    EXPECT_EQ(::GetWindowLongA(made[i], GWL_EXSTYLE) & ~exMask,
              ::GetWindowLongA(reference[i], GWL_EXSTYLE) & ~exMask) << id;
    LOGFONTA fa = {}, fb = {};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(made[i], WM_GETFONT, 0, 0)), sizeof fa, &fa);
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(reference[i], WM_GETFONT, 0, 0)), sizeof fb, &fb);
    EXPECT_EQ(fa.lfHeight, fb.lfHeight) << id;
    EXPECT_STREQ(fa.lfFaceName, fb.lfFaceName) << id;
    RECT ra, rb;
    ::GetWindowRect(made[i], &ra);
    ::GetWindowRect(reference[i], &rb);
    if (id == IDC_HB_GROUP || id == IDC_MC_GROUP || id == IDC_BB_GROUP || id == IDC_PC_GROUP) {
      madeFrame = ra;
      referenceFrame = rb;
    }
    EXPECT_EQ(ra.left - madeFrame.left, rb.left - referenceFrame.left) << id;
    EXPECT_EQ(ra.top - madeFrame.top, rb.top - referenceFrame.top) << id;
    EXPECT_EQ(ra.right - ra.left, rb.right - rb.left) << id;
    EXPECT_EQ(ra.bottom - ra.top, rb.bottom - rb.top) << id;
    if (cls == UPDOWN_CLASSA)  // each spin's buddy is its own edit
      EXPECT_EQ(::GetDlgCtrlID(reinterpret_cast<HWND>(::SendMessageA(made[i], UDM_GETBUDDY, 0, 0))),
                ::GetDlgCtrlID(reinterpret_cast<HWND>(::SendMessageA(reference[i], UDM_GETBUDDY, 0, 0))))
          << id;
    if (cls == "Static" && (::GetWindowLongA(reference[i], GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
      EXPECT_NE(::SendMessageA(made[i], STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << id;
  }
  ::DestroyWindow(whole);
}

}  // namespace

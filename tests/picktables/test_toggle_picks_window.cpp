// The disturbance factor, intact strength and JRC dialogs on real windows: case, grade and
// range buttons by mouse, keyboard and double click, what is remembered between openings,
// validation at OK and Cancel.
#include <gtest/gtest.h>

#include "picktables/PickDisturbanceDlg.h"
#include "picktables/PickJrcDlg.h"
#include "picktables/PickUcsDlg.h"
#include "res/PickTableResources.h"
#include "tests/picktables/pick_dialog_support.h"

using namespace picktest;

namespace {

class TogglePickTest : public PickDialogTest {
 protected:
  void SetUp() override {
    PickDialogTest::SetUp();
    // Every test starts from a program that has remembered nothing.
    CPickDisturbanceDlg::Memory().Accept(-1, -1);
    CPickUcsDlg::RememberedGrade().Accept(-1);
    CPickJrcDlg::RememberedRange().Accept(-1);
  }
};

bool Shown(CDialog* d, int id) { return (d->GetDlgItem(id)->GetStyle() & WS_VISIBLE) != 0; }

// ---- disturbance factor ------------------------------------------------------------------------

TEST_F(TogglePickTest, DisturbanceCasesSetAndReleaseD) {
  CPickDisturbanceDlg dlg;
  dlg.m_dD = 0.3;
  dlg.SetApplication(0);
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       auto* dd = static_cast<CPickDisturbanceDlg*>(d);
                       EXPECT_EQ(Text(d, IDC_DF_VALUE), "0.3");
                       EXPECT_TRUE(Shown(d, IDC_DF_TUNNEL_CASE3));
                       EXPECT_TRUE(Shown(d, IDC_DF_TUNNEL_PICTURE23));
                       EXPECT_FALSE(Shown(d, IDC_DF_SLOPE_CASE1));
                       EXPECT_FALSE(Shown(d, IDC_DF_SLOPE_TEXT12));
                       Shot(d, "pick-disturbance-tunnels");
                       d->SendDlgItemMessage(IDC_DF_TUNNEL_CASE4, BM_CLICK);
                       EXPECT_TRUE(dd->CaseButton(0, 4).m_bPressed);
                       EXPECT_EQ(Text(d, IDC_DF_VALUE), "0.8");
                       d->SendDlgItemMessage(IDC_DF_TUNNEL_CASE3, BM_CLICK);
                       EXPECT_EQ(Text(d, IDC_DF_VALUE), "0.5");
                       EXPECT_FALSE(dd->CaseButton(0, 4).m_bPressed);  // released
                       d->SendDlgItemMessage(IDC_DF_TUNNEL_CASE3, BM_CLICK);  // again: released
                       EXPECT_FALSE(dd->CaseButton(0, 3).m_bPressed);
                       EXPECT_EQ(Text(d, IDC_DF_VALUE), "0");
                       // Switching the application releases everything and sets D to 0.
                       d->SendDlgItemMessage(IDC_DF_TUNNEL_CASE4, BM_CLICK);
                       d->SendDlgItemMessage(IDC_DF_SLOPES, BM_CLICK);
                       EXPECT_FALSE(dd->CaseButton(0, 4).m_bPressed);
                       EXPECT_EQ(Text(d, IDC_DF_VALUE), "0");
                       EXPECT_TRUE(Shown(d, IDC_DF_SLOPE_CASE3));
                       EXPECT_TRUE(Shown(d, IDC_DF_SLOPE_PICTURE34));
                       EXPECT_FALSE(Shown(d, IDC_DF_TUNNEL_CASE1));
                       EXPECT_FALSE(Shown(d, IDC_DF_TUNNEL_TEXT4));
                       d->SendDlgItemMessage(IDC_DF_SLOPE_CASE3, BM_CLICK);
                       EXPECT_EQ(Text(d, IDC_DF_VALUE), "1");
                       Shot(d, "pick-disturbance-slopes");
                       d->PostMessage(WM_COMMAND, IDOK);
                     }),
            IDOK);
  EXPECT_EQ(dlg.m_dD, 1.0);
  EXPECT_EQ(CPickDisturbanceDlg::Memory().GetApplication(), 1);
  EXPECT_EQ(CPickDisturbanceDlg::Memory().GetCase(), 3);
}

TEST_F(TogglePickTest, DisturbanceRemembersTheAcceptedCase) {
  auto open = [&](double d, int application, std::function<void(CPickDisturbanceDlg*)> check,
                  bool ok) {
    CPickDisturbanceDlg dlg;
    dlg.m_dD = d;
    dlg.SetApplication(application);
    RunModal(dlg, [&](CDialog* w) {
      check(static_cast<CPickDisturbanceDlg*>(w));
      w->PostMessage(WM_COMMAND, ok ? IDOK : IDCANCEL);
    });
  };
  // Tunnels case 2 (D 0) accepted.
  open(0.2, 0, [](CPickDisturbanceDlg* w) { w->SendDlgItemMessage(IDC_DF_TUNNEL_CASE2, BM_CLICK); },
       true);
  // Opening with D 0 presses case 2, not case 1, on Tunnels even when Slopes is asked for.
  open(0.0, 1, [](CPickDisturbanceDlg* w) {
    EXPECT_EQ(w->GetApplication(), 0);
    EXPECT_TRUE(w->CaseButton(0, 2).m_bPressed);
    EXPECT_FALSE(w->CaseButton(0, 1).m_bPressed);
    EXPECT_EQ(w->IsDlgButtonChecked(IDC_DF_TUNNELS), BST_CHECKED);
  }, false);
  // With another D nothing is pressed; Cancel above changed nothing.
  open(0.5, 1, [](CPickDisturbanceDlg* w) {
    EXPECT_EQ(w->GetApplication(), 0);
    for (int n = 1; n <= 4; ++n) EXPECT_FALSE(w->CaseButton(0, n).m_bPressed);
  }, false);
  EXPECT_EQ(CPickDisturbanceDlg::Memory().GetCase(), 2);
  // Accepting with no case pressed forgets it: the caller's application counts again.
  open(0.5, 1, [](CPickDisturbanceDlg*) {}, true);
  open(0.0, 1, [](CPickDisturbanceDlg* w) {
    EXPECT_EQ(w->GetApplication(), 1);
    EXPECT_TRUE(Shown(w, IDC_DF_SLOPE_CASE1));
  }, false);
}

TEST_F(TogglePickTest, DisturbanceRefusesADOutsideZeroToOne) {
  CPickDisturbanceDlg dlg;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       d->SendDlgItemMessage(IDC_DF_TUNNEL_CASE3, BM_CLICK);
                       Type(d, IDC_DF_VALUE, "1.5");
                       d->SendMessage(WM_COMMAND, IDOK);
                       EXPECT_EQ(g_boxes.size(), 1u);
                       EXPECT_EQ(CPickDisturbanceDlg::Memory().GetCase(), -1);
                       // Another D typed after a case still remembers the case.
                       Type(d, IDC_DF_VALUE, "0.45");
                       d->SendMessage(WM_COMMAND, IDOK);
                     }),
            IDOK);
  EXPECT_EQ(dlg.m_dD, 0.45);
  EXPECT_EQ(CPickDisturbanceDlg::Memory().GetCase(), 3);
}

// Space on a focused case button and a double click keep the button and D in step.
TEST_F(TogglePickTest, DisturbanceKeyboardAndDoubleClick) {
  CPickDisturbanceDlg dlg;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       auto* dd = static_cast<CPickDisturbanceDlg*>(d);
                       d->ShowWindow(SW_SHOW);
                       d->SetForegroundWindow();
                       CToggleButton& button = dd->CaseButton(0, 4);
                       button.SetFocus();
                       PressKey(d, button.m_hWnd, VK_SPACE);
                       EXPECT_TRUE(button.m_bPressed);
                       EXPECT_EQ(Text(d, IDC_DF_VALUE), "0.8");
                       PressKey(d, button.m_hWnd, VK_SPACE);
                       EXPECT_FALSE(button.m_bPressed);
                       EXPECT_EQ(Text(d, IDC_DF_VALUE), "0");
                       CToggleButton& heave = dd->CaseButton(0, 3);
                       CRect r;
                       heave.GetClientRect(&r);
                       Click(d, heave.m_hWnd, r.Width() / 2, r.Height() / 2, true);
                       // Two clicks: pressed, then released, and D followed both.
                       EXPECT_FALSE(heave.m_bPressed);
                       EXPECT_EQ(Text(d, IDC_DF_VALUE), "0");
                       Click(d, heave.m_hWnd, r.Width() / 2, r.Height() / 2);
                       EXPECT_TRUE(heave.m_bPressed);
                       EXPECT_EQ(Text(d, IDC_DF_VALUE), "0.5");
                       d->PostMessage(WM_COMMAND, IDCANCEL);
                     }),
            IDCANCEL);
}

// ---- intact strength ---------------------------------------------------------------------------

TEST_F(TogglePickTest, UcsGradesByUnitSystem) {
  CPickUcsDlg dlg;
  dlg.m_dSigci = 12345;
  dlg.m_nUnits = 5;  // psi
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       auto* ud = static_cast<CPickUcsDlg*>(d);
                       EXPECT_EQ(Text(d, IDC_UCS_HEADING), "Strength (x 1000 psi)");
                       EXPECT_EQ(Text(d, IDC_UCS_UNIT), "psi");
                       EXPECT_EQ(Text(d, IDC_UCS_GRADE2), "14-35");
                       d->SendDlgItemMessage(IDC_UCS_GRADE2, BM_CLICK);
                       EXPECT_EQ(Text(d, IDC_UCS_VALUE), "25400");
                       d->SendDlgItemMessage(IDC_UCS_GRADE5, BM_CLICK);
                       EXPECT_EQ(Text(d, IDC_UCS_VALUE), "2200");
                       EXPECT_FALSE(ud->GradeButton(2).m_bPressed);
                       Shot(d, "pick-ucs");
                       // Releasing gives back the value of the opening, not 0.
                       d->SendDlgItemMessage(IDC_UCS_GRADE5, BM_CLICK);
                       EXPECT_EQ(Text(d, IDC_UCS_VALUE), "12345");
                       d->SendDlgItemMessage(IDC_UCS_GRADE2, BM_CLICK);
                       d->PostMessage(WM_COMMAND, IDOK);
                     }),
            IDOK);
  EXPECT_EQ(dlg.m_dSigci, 25400.0);
  EXPECT_EQ(CPickUcsDlg::RememberedGrade().Get(), 2);

  // The grade is pressed again at the next opening, whatever sigci is; sigci stays.
  CPickUcsDlg next;
  next.m_dSigci = 7;
  next.m_nUnits = 9;  // unknown: the MPa texts and values
  EXPECT_EQ(RunModal(next,
                     [&](CDialog* d) {
                       auto* ud = static_cast<CPickUcsDlg*>(d);
                       EXPECT_TRUE(ud->GradeButton(2).m_bPressed);
                       EXPECT_EQ(Text(d, IDC_UCS_VALUE), "7");
                       EXPECT_EQ(Text(d, IDC_UCS_UNIT), "MPa");
                       EXPECT_EQ(Text(d, IDC_UCS_GRADE1), ">250");
                       d->SendDlgItemMessage(IDC_UCS_GRADE1, BM_CLICK);
                       EXPECT_EQ(Text(d, IDC_UCS_VALUE), "250");
                       Type(d, IDC_UCS_VALUE, "-1");
                       d->SendMessage(WM_COMMAND, IDOK);
                       EXPECT_EQ(g_boxes.size(), 1u);
                       d->PostMessage(WM_COMMAND, IDCANCEL);
                     }),
            IDCANCEL);
  EXPECT_EQ(next.m_dSigci, 7.0);
  EXPECT_EQ(CPickUcsDlg::RememberedGrade().Get(), 2);  // Cancel and a refused OK change nothing
}

// ---- JRC ---------------------------------------------------------------------------------------

TEST_F(TogglePickTest, JrcRanges) {
  CPickJrcDlg dlg;
  EXPECT_EQ(dlg.m_dJrc, 10.0);
  dlg.m_dJrc = 4.5;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       auto* jd = static_cast<CPickJrcDlg*>(d);
                       EXPECT_TRUE(jd->GetPicture().HasBitmap());
                       EXPECT_EQ(Text(d, IDC_JRC_RANGE5), "JRC = 8 - 10");
                       d->SendDlgItemMessage(IDC_JRC_RANGE5, BM_CLICK);
                       EXPECT_EQ(Text(d, IDC_JRC_VALUE), "9");
                       d->SendDlgItemMessage(IDC_JRC_RANGE5, BM_CLICK);
                       EXPECT_EQ(Text(d, IDC_JRC_VALUE), "4.5");
                       d->SendDlgItemMessage(IDC_JRC_RANGE2, BM_CLICK);
                       d->SendDlgItemMessage(IDC_JRC_RANGE9, BM_CLICK);
                       EXPECT_FALSE(jd->RangeButton(2).m_bPressed);
                       EXPECT_TRUE(jd->RangeButton(9).m_bPressed);
                       EXPECT_EQ(Text(d, IDC_JRC_VALUE), "17");
                       Shot(d, "pick-jrc");
                       Type(d, IDC_JRC_VALUE, "20.5");
                       d->SendMessage(WM_COMMAND, IDOK);
                       EXPECT_EQ(g_boxes.size(), 1u);
                       Type(d, IDC_JRC_VALUE, "20");
                       d->SendMessage(WM_COMMAND, IDOK);
                     }),
            IDOK);
  EXPECT_EQ(dlg.m_dJrc, 20.0);
  EXPECT_EQ(CPickJrcDlg::RememberedRange().Get(), 9);

  CPickJrcDlg next;
  next.m_dJrc = 3;
  EXPECT_EQ(RunModal(next,
                     [&](CDialog* d) {
                       auto* jd = static_cast<CPickJrcDlg*>(d);
                       EXPECT_TRUE(jd->RangeButton(9).m_bPressed);
                       EXPECT_EQ(Text(d, IDC_JRC_VALUE), "3");
                       d->SendDlgItemMessage(IDC_JRC_RANGE1, BM_CLICK);
                       EXPECT_EQ(Text(d, IDC_JRC_VALUE), "1");
                       d->PostMessage(WM_COMMAND, IDCANCEL);
                     }),
            IDCANCEL);
  EXPECT_EQ(next.m_dJrc, 3.0);  // Cancel puts the opening's JRC back
  EXPECT_EQ(CPickJrcDlg::RememberedRange().Get(), 9);
}

}  // namespace

// The side bar's pick buttons in the program under Xvfb: each opens its dialog preset from the
// panel, owned by the main window; a pick by mouse or keyboard goes back into the panel, the
// model and the view; Cancel changes nothing; the side bar's own range still holds.
#include <gtest/gtest.h>

#include "picktables/GsiChartSheet.h"
#include "picktables/PickDisturbanceDlg.h"
#include "picktables/PickGsiDlg.h"
#include "picktables/PickJrcDlg.h"
#include "picktables/PickResidualFrictionDlg.h"
#include "picktables/PickUcsDlg.h"
#include "res/PickTableResources.h"
#include "res/ViewResources.h"
#include "shell/MainFrame.h"
#include "tests/picktables/gsi_sheet_picture.h"
#include "tests/support/HeldTimer.h"
#include "tests/view/side_bar_program_support.h"

namespace {

using qxtest::CProgramHarness;
using namespace sidebartest;
using namespace viewtest;
using qxtest::OpenProject;

// Input that the dialog's modal loop handles once the dialog runs.
void PostClick(HWND window, int x, int y, bool doubleClick = false) {
  const LPARAM at = MAKELPARAM(x, y);
  ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageA(window, WM_LBUTTONUP, 0, at);
  if (doubleClick) {
    ::PostMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::PostMessageA(window, WM_LBUTTONUP, 0, at);
  }
}
void PostClickCentre(HWND window) {
  RECT r;
  ::GetClientRect(window, &r);
  PostClick(window, r.right / 2, r.bottom / 2);
}
void PostKey(HWND window, UINT vk) {
  ::PostMessageA(window, WM_KEYDOWN, vk, 1);
  ::PostMessageA(window, WM_KEYUP, vk, 0xC0000001);
}
// A list view row, clicked.
void PostClickRow(CDialog* d, int list, int row) {
  HWND h = ::GetDlgItem(d->m_hWnd, list);
  ::SendMessageA(h, LVM_ENSUREVISIBLE, row, FALSE);
  RECT r = {LVIR_LABEL, 0, 0, 0};
  ::SendMessageA(h, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
  PostClick(h, r.left + 4, (r.top + r.bottom) / 2);
}

class PickButtonsProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    // What the pick dialogs remember from earlier tests of this run.
    CPickDisturbanceDlg::Memory().Accept(-1, -1);
    CPickUcsDlg::RememberedGrade().Accept(-1);
    CPickJrcDlg::RememberedRange().Accept(-1);
    ASSERT_TRUE(program.Start());
    form = SideBar(program);
    ASSERT_NE(form, nullptr);
  }
  // Presses a pick button of the side bar as the user does.
  void Pick(int button) {
    HWND h = ::GetDlgItem(form->m_hWnd, button);
    ASSERT_TRUE(::IsWindowVisible(h) && ::IsWindowEnabled(h));
    RECT r;
    ::GetClientRect(h, &r);
    program.Click(h, r.right / 2, r.bottom / 2);
    program.Pump();
  }
  // The dialog runs owned by the main window, which it disables.
  void ExpectOwnedByTheFrame(CDialog* d) {
    EXPECT_EQ(::GetWindow(d->m_hWnd, GW_OWNER), program.FrameWindow());
    EXPECT_FALSE(::IsWindowEnabled(program.FrameWindow()));
  }
  CProgramHarness program{"pick_buttons"};
  CDockForm* form = nullptr;
};

double Gsi(CKelStrengthDoc* doc) {
  double sigci, mi, gsi, d;
  doc->m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  return gsi;
}

double ChartValue(CKelStrengthView* view, int id) {
  double v = 0;
  view->PrincipalChart().GetChart()->GetDouble(id, &v);
  return v;
}

TEST_F(PickButtonsProgram, GsiPickedOnTheChartReachesTheModelAndTheView) {
  CKelStrengthDoc* doc = program.ActiveDocument();
  ASSERT_NE(doc, nullptr);
  CKelStrengthView* view = ActiveChartView(program);
  ASSERT_NE(view, nullptr);
  Enter(program, form, IDC_HB_GSI, "62.7");
  ASSERT_EQ(Gsi(doc), 62.7);
  doc->SetModifiedFlag(FALSE);

  const CPoint point(330, 250);
  const int picked = GsiChartSheet(GSI_SHEET_GENERAL).HitTest(point.x, point.y);
  std::string shown;
  program.OnDialog(IDD_PICK_GSI, [&](CDialog* d) {
    ExpectOwnedByTheFrame(d);
    CGsiChartWnd& chart = static_cast<CPickGsiDlg*>(d)->GetChart();
    char text[32] = "";
    ::GetDlgItemTextA(chart.m_hWnd, CGsiChartWnd::IDC_VALUE_EDIT, text, sizeof text);
    shown = text;
    // The chart's picture is there (drawn over green, it leaves white).
    EXPECT_EQ(DrawnSheet(chart, RGB(0, 255, 0))->Pixel(2, 520), RGB(255, 255, 255));
    program.Capture(d, "program-pick-gsi");
    PostClick(chart.m_hWnd, point.x, point.y, true);  // a double click accepts
  });
  Pick(IDC_HB_GSI_PICK);
  EXPECT_EQ(shown, "62");  // the preset as a whole number
  EXPECT_TRUE(::IsWindowEnabled(program.FrameWindow()));
  EXPECT_EQ(Gsi(doc), picked);
  EXPECT_EQ(Text(form, IDC_HB_GSI), std::to_string(picked));
  EXPECT_TRUE(doc->IsModified());
  // The view follows: its envelope ends at the new model's strength.
  const double sig3max = doc->m_hoekBrown.GetSig3Max();
  EXPECT_NEAR(ChartValue(view, qxchart::prop::kDataXMax), sig3max, 1e-9);
  EXPECT_NEAR(ChartValue(view, qxchart::prop::kDataYMax), doc->m_hoekBrown.GetSig1(sig3max), 1e-6);
  EXPECT_TRUE(program.MessageBoxTexts().empty());
  program.Screenshot("program-after-gsi-pick");
}

TEST_F(PickButtonsProgram, CancelChangesNothing) {
  CKelStrengthDoc* doc = program.ActiveDocument();
  doc->SetModifiedFlag(FALSE);
  const double before = Gsi(doc);
  const std::string text = Text(form, IDC_HB_GSI);
  for (int button : {IDC_HB_GSI_PICK, IDC_HB_MI_PICK, IDC_HB_D_PICK, IDC_HB_SIGCI_PICK}) {
    program.OnDialog(button == IDC_HB_GSI_PICK    ? IDD_PICK_GSI
                     : button == IDC_HB_MI_PICK   ? IDD_PICK_MI
                     : button == IDC_HB_D_PICK    ? IDD_DISTURBANCE_FACTOR
                                                  : IDD_PICK_UCS,
                     [&](CDialog* d) {
                       // Something chosen first, then Escape.
                       if (button == IDC_HB_SIGCI_PICK) PostClickCentre(::GetDlgItem(d->m_hWnd, IDC_UCS_GRADE1));
                       PostKey(d->m_hWnd, VK_ESCAPE);
                     });
    Pick(button);
  }
  EXPECT_TRUE(program.UnexpectedDialogs().empty());
  EXPECT_EQ(Gsi(doc), before);
  EXPECT_EQ(Text(form, IDC_HB_GSI), text);
  double sigci, mi, gsi, d;
  doc->m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_EQ(sigci, 30.0);
  EXPECT_FALSE(doc->IsModified());
}

TEST_F(PickButtonsProgram, HoekBrownClassificationByKeyboardAndMouse) {
  CKelStrengthDoc* doc = program.ActiveDocument();
  // mi by keyboard: the first row, one down, Enter.
  program.OnDialog(IDD_PICK_MI, [&](CDialog* d) {
    ExpectOwnedByTheFrame(d);
    HWND list = ::GetDlgItem(d->m_hWnd, IDC_MI_LIST);
    ::SetFocus(list);
    PostKey(list, VK_HOME);
    PostKey(list, VK_DOWN);  // "Amphibolites    26 ± 6"
    PostKey(list, VK_RETURN);
  });
  Pick(IDC_HB_MI_PICK);
  double sigci, mi, gsi, d;
  doc->m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_EQ(mi, 26.0);
  EXPECT_EQ(Text(form, IDC_HB_MI), "26");

  // D: with the application Slopes the dialog opens on slopes; a case by mouse.
  SelectApplication(program, form, IDC_HB_APPLICATION, CHoekBrownCriterion::APPLICATION_SLOPES);
  bool slopes = false;
  program.OnDialog(IDD_DISTURBANCE_FACTOR, [&](CDialog* w) {
    slopes = w->IsDlgButtonChecked(IDC_DF_SLOPES) == BST_CHECKED;
    PostClickCentre(::GetDlgItem(w->m_hWnd, IDC_DF_SLOPE_CASE3));
    PostKey(::GetDlgItem(w->m_hWnd, IDC_DF_VALUE), VK_RETURN);
  });
  Pick(IDC_HB_D_PICK);
  EXPECT_TRUE(slopes);
  doc->m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_EQ(d, 1.0);
  EXPECT_EQ(Text(form, IDC_HB_D), "1");

  // sigci: a grade in the document's unit system.
  program.OnDialog(IDD_PICK_UCS, [&](CDialog* w) {
    PostClickCentre(::GetDlgItem(w->m_hWnd, IDC_UCS_GRADE3));
    PostClickCentre(::GetDlgItem(w->m_hWnd, IDOK));
  });
  Pick(IDC_HB_SIGCI_PICK);
  doc->m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_EQ(sigci, 75.0);
  EXPECT_TRUE(program.MessageBoxTexts().empty());
  CaptureSideBar(form, "program-side-bar-after-picks");
}

TEST_F(PickButtonsProgram, AGsiBelowTheSideBarsRangeIsRefusedByTheSideBar) {
  CKelStrengthDoc* doc = program.ActiveDocument();
  const double before = Gsi(doc);
  program.OnDialog(IDD_PICK_GSI, [&](CDialog* d) {
    CGsiChartWnd& chart = static_cast<CPickGsiDlg*>(d)->GetChart();
    HWND edit = ::GetDlgItem(chart.m_hWnd, CGsiChartWnd::IDC_VALUE_EDIT);
    ::SetWindowTextA(edit, "3");
    ::SetFocus(edit);
    PostKey(edit, VK_RETURN);
  });
  Pick(IDC_HB_GSI_PICK);
  ASSERT_FALSE(program.MessageBoxTexts().empty());
  EXPECT_EQ(program.MessageBoxTexts().back(), "Please enter a number between 5 and 100");
  EXPECT_EQ(Gsi(doc), before);
  EXPECT_EQ(Text(form, IDC_HB_GSI), "3");  // the edit keeps the picked text
}

TEST_F(PickButtonsProgram, BartonBandisPicksInTheDocumentsUnits) {
  CKelStrengthDoc* doc = OpenProject(program, "barton_bandis_kpa", [](CKelProject& p) {
    p.SetCriterion(CRITERION_BARTON_BANDIS);
    for (int c = 0; c < 4; ++c) p.ModelOf(c)->SetUnits(UNITS_KPA);
    p.m_bartonBandis.SetParameters(30, 10, 50000);
  });
  ASSERT_NE(doc, nullptr);
  ASSERT_TRUE(Visible(form, IDC_BB_PHIR));
  std::string range;
  program.OnDialog(IDD_RESIDUAL_FRICTION, [&](CDialog* d) {
    ExpectOwnedByTheFrame(d);
    char text[64] = "";
    LVITEMA it = {};
    it.iSubItem = 2;
    it.pszText = text;
    it.cchTextMax = sizeof text;
    ::SendDlgItemMessageA(d->m_hWnd, IDC_PHIR_LIST, LVM_GETITEMTEXTA, 0,
                          reinterpret_cast<LPARAM>(&it));
    range = text;
    PostClickRow(d, IDC_PHIR_LIST, 1);  // Basalt, dry: 36.5
    PostClickCentre(::GetDlgItem(d->m_hWnd, IDOK));
  });
  Pick(IDC_BB_PHIR_PICK);
  EXPECT_EQ(range, "100 - 4200");  // the normal-stress ranges in kPa
  program.OnDialog(IDD_JCS_VALUES, [&](CDialog* d) {
    PostClickRow(d, IDC_JCS_LIST, 9);  // Medium strong rock: 37500 kPa
    PostClickCentre(::GetDlgItem(d->m_hWnd, IDOK));
  });
  Pick(IDC_BB_JCS_PICK);
  program.OnDialog(IDD_JRC_PROFILES, [&](CDialog* d) {
    PostClickCentre(::GetDlgItem(d->m_hWnd, IDC_JRC_RANGE5));  // 8 - 10
    PostKey(::GetDlgItem(d->m_hWnd, IDC_JRC_VALUE), VK_RETURN);
  });
  Pick(IDC_BB_JRC_PICK);
  double phib, jrc, jcs;
  doc->m_bartonBandis.GetParameters(&phib, &jrc, &jcs);
  EXPECT_EQ(phib, 36.5);
  EXPECT_EQ(jcs, 37500.0);
  EXPECT_EQ(jrc, 9.0);
  EXPECT_EQ(Text(form, IDC_BB_JCS), "37500");
  EXPECT_TRUE(program.MessageBoxTexts().empty());
}

// R = 0 in the residual friction calculator: a pause in typing leaves phir as it was and says
// nothing; leaving the edit and Enter each say why, and Enter keeps the dialog open.
TEST_F(PickButtonsProgram, ResidualCalculatorTellsOfANoughtDryReboundOnlyWhenTheUserActs) {
  CKelStrengthDoc* doc = OpenProject(program, "barton_bandis_r0", [](CKelProject& p) {
    p.SetCriterion(CRITERION_BARTON_BANDIS);
    p.m_bartonBandis.SetParameters(30, 10, 50);
  });
  ASSERT_NE(doc, nullptr);
  const std::string why =
      "The dry Schmidt rebound R must be above 0 to calculate the residual friction angle.";
  bool openAfterEnter = false;
  program.OnDialog(IDD_RESIDUAL_FRICTION, [&](CDialog* d) {
    d->ShowWindow(SW_SHOW);
    ::SendDlgItemMessageA(d->m_hWnd, IDC_PHIR_CALCULATOR_CHECK, BM_CLICK, 0, 0);
    HWND dry = ::GetDlgItem(d->m_hWnd, IDC_PHIR_DRY_REBOUND);
    ::SetFocus(dry);
    ::SendMessageA(dry, EM_SETSEL, 0, -1);
    {
      // The pause of a second is over when its timer ticks; that tick is handled here, after
      // the typing.
      qxtest::CHeldTimer pause(d->m_hWnd, CPickResidualFrictionDlg::kEditTimer);
      const double typed = qxtest::NowMs();
      ::PostMessageA(dry, WM_CHAR, '0', 1);
      EXPECT_TRUE(program.PumpUntil([&] { return pause.HeldTicks() > 0; }));
      EXPECT_GE(pause.TickCameAfter(typed), 1000 - qxtest::kTimerGranularityMs)
          << "the pause ended sooner than a second after the key";
      ::SendMessageA(d->m_hWnd, WM_TIMER, CPickResidualFrictionDlg::kEditTimer, 0);
    }
    EXPECT_EQ(qxtest::GetControlText(d, IDC_PHIR_DRY_REBOUND), "0");
    EXPECT_EQ(qxtest::GetControlText(d, IDC_PHIR_VALUE), "30");
    EXPECT_TRUE(program.MessageBoxTexts().empty());
    program.Capture(d, "program-residual-friction-r-nought");
    ::SetFocus(::GetDlgItem(d->m_hWnd, IDC_PHIR_VALUE));
    program.Pump();
    EXPECT_EQ(program.MessageBoxTexts(), std::vector<std::string>{why});
    ::SetFocus(dry);
    program.PressKey(VK_RETURN);
    openAfterEnter = d->ContinueModal() != FALSE;
    EXPECT_EQ(program.MessageBoxTexts(), (std::vector<std::string>{why, why}));
    EXPECT_EQ(qxtest::GetControlText(d, IDC_PHIR_VALUE), "30");
    ::PostMessageA(d->m_hWnd, WM_COMMAND, IDCANCEL, 0);
  });
  Pick(IDC_BB_PHIR_PICK);
  EXPECT_TRUE(openAfterEnter);
  double phib, jrc, jcs;
  doc->m_bartonBandis.GetParameters(&phib, &jrc, &jcs);
  EXPECT_EQ(phib, 30.0);
  EXPECT_EQ(program.MessageBoxTexts().size(), 2u);
}

TEST_F(PickButtonsProgram, MohrCoulombPicksWithTheSearch) {
  CKelStrengthDoc* doc = OpenProject(program, "mohr_coulomb_psf", [](CKelProject& p) {
    p.SetCriterion(CRITERION_MOHR_COULOMB);
    for (int c = 0; c < 4; ++c) p.ModelOf(c)->SetUnits(UNITS_PSF);
    p.m_mohrCoulomb.SetParameters(1000, 30, -100);
  });
  ASSERT_NE(doc, nullptr);
  program.OnDialog(IDD_COHESION, [&](CDialog* d) {
    ::SendDlgItemMessageA(d->m_hWnd, IDC_PICK_SEARCH_CHECK, BM_CLICK, 0, 0);
    HWND text = ::GetDlgItem(d->m_hWnd, IDC_PICK_SEARCH_TEXT);
    ::SetWindowTextA(text, "sandstone");
    ::SetFocus(text);
    PostKey(text, VK_RETURN);  // searches; the dialog stays
    PostClickRow(d, IDC_COHESION_LIST, 0);  // Berea sandstone: 568000 psf
    PostClickCentre(::GetDlgItem(d->m_hWnd, IDC_PICK_VISIBLE_OK));
  });
  Pick(IDC_MC_C_PICK);
  program.OnDialog(IDD_FRICTION_ANGLE, [&](CDialog* d) {
    PostClickRow(d, IDC_PHI_LIST, 14);  // Alluvial - low energy: 22.5
    PostClickCentre(::GetDlgItem(d->m_hWnd, IDC_PICK_VISIBLE_OK));
  });
  Pick(IDC_MC_PHI_PICK);
  double c, phi, sigt;
  doc->m_mohrCoulomb.GetParameters(&c, &phi, &sigt);
  EXPECT_EQ(c, 568000.0);
  EXPECT_EQ(phi, 22.5);
  EXPECT_EQ(Text(form, IDC_MC_C), "568000");
  EXPECT_TRUE(program.MessageBoxTexts().empty());
  program.Screenshot("program-after-mohr-coulomb-picks");
}

}  // namespace

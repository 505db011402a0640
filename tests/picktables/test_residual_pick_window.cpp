// The residual friction angle dialog on real windows: the moisture filter, the calculator and
// when it recalculates (after a pause in typing, on leaving an edit, on a spin click), R = 0
// (told on leaving the edit, not after a pause), results outside 0 to 90, and Cancel.
#include <gtest/gtest.h>

#include "picktables/PickResidualFrictionDlg.h"
#include "picktables/PickTables.h"
#include "res/PickTableResources.h"
#include "tests/picktables/pick_dialog_support.h"
#include "tests/support/HeldTimer.h"

using namespace picktest;

namespace {

class ResidualPickTest : public PickDialogTest {};

CListCtrl& List(CDialog* d) { return *static_cast<CListCtrl*>(d->GetDlgItem(IDC_PHIR_LIST)); }

TEST_F(ResidualPickTest, OpensWithThePresetAndTheUnitSystemsRanges) {
  CPickResidualFrictionDlg dlg;
  EXPECT_EQ(dlg.m_dPhir, 28.0);
  dlg.m_dPhir = 25;
  dlg.m_nUnits = 3;  // ksi
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "25");  // not overwritten by phib
                       EXPECT_EQ(Text(d, IDC_PHIR_PHIB), "28");
                       EXPECT_EQ(Text(d, IDC_PHIR_DRY_REBOUND), "20");
                       EXPECT_EQ(Text(d, IDC_PHIR_WET_REBOUND), "10");
                       EXPECT_FALSE(d->GetDlgItem(IDC_PHIR_PHIB)->IsWindowEnabled());
                       EXPECT_FALSE(d->GetDlgItem(IDC_PHIR_WET)->IsWindowEnabled());
                       EXPECT_EQ(d->IsDlgButtonChecked(IDC_PHIR_DRY), BST_CHECKED);
                       EXPECT_EQ(List(d).GetItemCount(), 32);
                       EXPECT_EQ(ColumnTitle(List(d), 2), "SigN range (ksi)");
                       EXPECT_EQ(std::string(List(d).GetItemText(0, 2)), "0.0145 - 0.609");
                       Pump(d, 100);
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "25");
                       // Calculator off: a row's phib is phir.
                       SelectItem(List(d), 1);
                       EXPECT_EQ(Text(d, IDC_PHIR_PHIB), "36.5");
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "36.5");
                       EXPECT_STREQ(Text(d, IDC_PICK_REFERENCE).c_str(),
                                    ResidualFrictionReference(2));
                       Shot(d, "pick-residual-friction");
                       d->PostMessage(WM_COMMAND, IDCANCEL);
                     }),
            IDCANCEL);
  EXPECT_EQ(dlg.m_dPhir, 25.0);
}

TEST_F(ResidualPickTest, MoistureFilter) {
  CPickResidualFrictionDlg dlg;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       d->SendDlgItemMessage(IDC_PHIR_MOISTURE_CHECK, BM_CLICK);
                       EXPECT_TRUE(d->GetDlgItem(IDC_PHIR_WET)->IsWindowEnabled());
                       EXPECT_EQ(List(d).GetItemCount(), 17);  // dry
                       d->SendDlgItemMessage(IDC_PHIR_WET, BM_CLICK);
                       ASSERT_EQ(List(d).GetItemCount(), 15);
                       SelectItem(List(d), 1);  // the second wet row: Chalk
                       EXPECT_EQ(Text(d, IDC_PHIR_PHIB), "30");
                       EXPECT_NE(Text(d, IDC_PICK_REFERENCE), "");
                       d->SendDlgItemMessage(IDC_PHIR_MOISTURE_CHECK, BM_CLICK);
                       EXPECT_EQ(List(d).GetItemCount(), 32);
                       EXPECT_EQ(Text(d, IDC_PICK_REFERENCE), "");
                       d->PostMessage(WM_COMMAND, IDOK);
                     }),
            IDOK);
  EXPECT_EQ(dlg.m_dPhir, 30.0);
}

TEST_F(ResidualPickTest, CalculatorFollowsRowsAndEdits) {
  EXPECT_EQ(CPickResidualFrictionDlg::kEditDelay, 1000);
  CPickResidualFrictionDlg dlg;
  dlg.m_dPhir = 40;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       d->ShowWindow(SW_SHOW);
                       d->SetForegroundWindow();
                       // Ticked with no row chosen: nothing is calculated yet.
                       d->SendDlgItemMessage(IDC_PHIR_CALCULATOR_CHECK, BM_CLICK);
                       EXPECT_TRUE(d->GetDlgItem(IDC_PHIR_PHIB)->IsWindowEnabled());
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "40");
                       SelectItem(List(d), 9);  // Granite (f.g.), dry, phib 33
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "23");
                       // Typing: nothing before the pause of a second is over (the timer's
                       // tick), then the result.
                       HWND r = d->GetDlgItem(IDC_PHIR_WET_REBOUND)->m_hWnd;
                       ::SetFocus(r);
                       {
                         qxtest::CHeldTimer pause(d->m_hWnd,
                                                  CPickResidualFrictionDlg::kEditTimer);
                         const double typed = qxtest::NowMs();
                         Type(d, IDC_PHIR_WET_REBOUND, "20");
                         EXPECT_TRUE(PumpUntil(d, [&] { return pause.HeldTicks() > 0; }));
                         EXPECT_GE(pause.TickCameAfter(typed), 1000 - qxtest::kTimerGranularityMs)
                             << "the pause ended sooner than a second after the typing";
                         EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "23");
                       }
                       EXPECT_TRUE(PumpUntil(d, [&] { return Text(d, IDC_PHIR_VALUE) != "23"; }));
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "33");  // r = R gives phib
                       // Leaving the edit calculates at once.
                       Type(d, IDC_PHIR_WET_REBOUND, "10");
                       ::SetFocus(d->GetDlgItem(IDC_PHIR_VALUE)->m_hWnd);
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "23");
                       // A spin click replaces the whole text: at once as well.
                       CWnd* spin = d->GetDlgItem(IDC_PHIR_PHIB_SPIN);
                       CRect rect;
                       spin->GetClientRect(&rect);
                       Click(d, spin->m_hWnd, rect.Width() / 2, 2);
                       EXPECT_EQ(Text(d, IDC_PHIR_PHIB), "34");
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "24");
                       Shot(d, "pick-residual-friction-calculator");
                       // Enter while a calculation is pending: no calculation, phir as shown.
                       HWND phib = d->GetDlgItem(IDC_PHIR_PHIB)->m_hWnd;
                       ::SetFocus(phib);
                       qxtest::CHeldTimer pause(d->m_hWnd, CPickResidualFrictionDlg::kEditTimer);
                       Type(d, IDC_PHIR_PHIB, "40");
                       PressKey(d, phib, VK_RETURN);
                     }),
            IDOK);
  EXPECT_EQ(dlg.m_dPhir, 24.0);
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(ResidualPickTest, ResultsWithoutAValueOrOutOfRange) {
  CPickResidualFrictionDlg dlg;
  dlg.m_dPhir = 12;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       d->SendDlgItemMessage(IDC_PHIR_CALCULATOR_CHECK, BM_CLICK);
                       // R = 0: phir unchanged; the pause in typing says nothing, leaving
                       // the edit says why, once.
                       Type(d, IDC_PHIR_DRY_REBOUND, "0");
                       d->SendMessage(WM_TIMER, 1);
                       EXPECT_TRUE(g_boxes.empty());
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "12");
                       HWND dry = d->GetDlgItem(IDC_PHIR_DRY_REBOUND)->m_hWnd;
                       d->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PHIR_DRY_REBOUND, EN_KILLFOCUS),
                                      reinterpret_cast<LPARAM>(dry));
                       EXPECT_EQ(g_boxes.size(), 1u);
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "12");
                       // A result below 0 is shown; the next calculation still runs.
                       Type(d, IDC_PHIR_DRY_REBOUND, "20");
                       Type(d, IDC_PHIR_PHIB, "5");
                       Type(d, IDC_PHIR_WET_REBOUND, "0");
                       d->SendMessage(WM_TIMER, 1);
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "-15");
                       Type(d, IDC_PHIR_PHIB, "30");
                       d->SendMessage(WM_TIMER, 1);
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "10");
                       EXPECT_EQ(g_boxes.size(), 1u);
                       // OK still checks phir.
                       Type(d, IDC_PHIR_PHIB, "5");
                       d->SendMessage(WM_TIMER, 1);
                       d->SendMessage(WM_COMMAND, IDOK);
                       EXPECT_EQ(g_boxes.size(), 2u);
                       // A bad rebound gives its own message and calculates nothing.
                       Type(d, IDC_PHIR_WET_REBOUND, "600");
                       d->SendMessage(WM_TIMER, 1);
                       EXPECT_EQ(g_boxes.size(), 3u);
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "-15");
                       d->PostMessage(WM_COMMAND, IDCANCEL);
                     }),
            IDCANCEL);
  EXPECT_EQ(dlg.m_dPhir, 12.0);
}

}  // namespace

// The cohesion, friction angle and JCS dialogs on real windows: lists, searches and filters,
// picks by mouse and keyboard, validation at OK, and Cancel.
#include <gtest/gtest.h>

#include <algorithm>

#include "picktables/PickCohesionDlg.h"
#include "picktables/PickFrictionAngleDlg.h"
#include "picktables/PickJcsDlg.h"
#include "picktables/PickTables.h"
#include "res/PickTableResources.h"
#include "tests/picktables/pick_dialog_support.h"

using namespace picktest;

namespace {

CListCtrl& ListOf(CDialog* d, int id) { return *static_cast<CListCtrl*>(d->GetDlgItem(id)); }

class ListPickTest : public PickDialogTest {};

// ---- cohesion ----------------------------------------------------------------------------------

TEST_F(ListPickTest, CohesionOpensWithTheTableOfTheUnitSystem) {
  CPickCohesionDlg dlg;
  dlg.m_dCohesion = 1234.5;
  dlg.m_nUnits = 6;  // psf
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       CListCtrl& list = ListOf(d, IDC_COHESION_LIST);
                       EXPECT_EQ(list.GetItemCount(), 28);
                       EXPECT_EQ(ColumnTitle(list, 1), "USCS Classification          ");
                       EXPECT_EQ(ColumnTitle(list, 2), "Cohesion range (psf)");
                       EXPECT_EQ(std::string(list.GetItemText(24, 2)), "1475000");
                       EXPECT_EQ(Text(d, IDC_COHESION_UNIT), "psf");
                       EXPECT_EQ(Text(d, IDC_COHESION_VALUE), "1234.5");
                       EXPECT_FALSE(d->GetDlgItem(IDC_PICK_SEARCH_TEXT)->IsWindowEnabled());
                       EXPECT_FALSE(d->GetDlgItem(IDOK)->IsWindowVisible());
                       // Each column is as wide as its title and a small icon; when that
                       // leaves space in the list, the name column takes it.
                       CRect client;
                       list.GetClientRect(&client);
                       // (measured before the rows put a scroll bar in)
                       int width = client.Width();
                       if (list.GetStyle() & WS_VSCROLL) width += ::GetSystemMetrics(SM_CXVSCROLL);
                       const int space = width - ::GetSystemMetrics(SM_CXVSCROLL) - 2;
                       const int icon = ::GetSystemMetrics(SM_CXSMICON);
                       int natural[3], sum = 0;
                       for (int c = 0; c < 3; ++c) {
                         natural[c] = list.GetStringWidth(ColumnTitle(list, c).c_str()) + icon;
                         sum += natural[c];
                       }
                       EXPECT_EQ(list.GetColumnWidth(0), natural[0] + std::max(0, space - sum));
                       EXPECT_EQ(list.GetColumnWidth(1), natural[1]);
                       EXPECT_EQ(list.GetColumnWidth(2), natural[2]);
                       SelectItem(list, 24);  // Sioux quartzite: %g writes it in exponent form
                       EXPECT_EQ(Text(d, IDC_COHESION_VALUE), "1.475e+06");
                       EXPECT_NE(Text(d, IDC_PICK_REFERENCE), "");
                       Shot(d, "pick-cohesion");
                       d->SendMessage(WM_COMMAND, IDC_PICK_VISIBLE_OK);
                     }),
            IDOK);
  EXPECT_EQ(dlg.m_dCohesion, 1475000.0);
}

TEST_F(ListPickTest, CohesionSearchWithEnterKeepsTheDialogOpen) {
  CPickCohesionDlg dlg;
  dlg.m_dCohesion = 0.5;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       CListCtrl& list = ListOf(d, IDC_COHESION_LIST);
                       d->ShowWindow(SW_SHOW);
                       d->SendDlgItemMessage(IDC_PICK_SEARCH_CHECK, BM_CLICK);
                       EXPECT_TRUE(d->GetDlgItem(IDC_PICK_SEARCH_TEXT)->IsWindowEnabled());
                       EXPECT_TRUE(d->GetDlgItem(IDC_PICK_SEARCH_GO)->IsWindowEnabled());
                       EXPECT_EQ(list.GetItemCount(), 28);  // an empty text lists all
                       HWND edit = d->GetDlgItem(IDC_PICK_SEARCH_TEXT)->m_hWnd;
                       ::SetFocus(edit);
                       Type(d, IDC_PICK_SEARCH_TEXT, "clay");
                       PressKey(d, edit, VK_RETURN);
                       EXPECT_TRUE(d->IsWindowVisible());
                       ASSERT_EQ(list.GetItemCount(), 5);
                       EXPECT_EQ(std::string(list.GetItemText(0, 0)),
                                 "Sandy gravel with silty or clayey fines");
                       // The third listed item is the third match: "Medium plasticity clay".
                       SelectItem(list, 2);
                       EXPECT_EQ(Text(d, IDC_COHESION_VALUE), "0.008");
                       EXPECT_STREQ(Text(d, IDC_PICK_REFERENCE).c_str(), CohesionReference(1));
                       Shot(d, "pick-cohesion-search");
                       // The class column is searched too, in any case.
                       Type(d, IDC_PICK_SEARCH_TEXT, "ML");
                       d->SendDlgItemMessage(IDC_PICK_SEARCH_GO, BM_CLICK);
                       EXPECT_EQ(list.GetItemCount(), 7);
                       // Unticking lists everything, disables the search and clears the
                       // reference; the value stays.
                       SelectItem(list, 0);  // row 9
                       EXPECT_EQ(Text(d, IDC_COHESION_VALUE), "0.012");
                       d->SendDlgItemMessage(IDC_PICK_SEARCH_CHECK, BM_CLICK);
                       EXPECT_EQ(list.GetItemCount(), 28);
                       EXPECT_FALSE(d->GetDlgItem(IDC_PICK_SEARCH_TEXT)->IsWindowEnabled());
                       EXPECT_EQ(Text(d, IDC_PICK_REFERENCE), "");
                       EXPECT_EQ(Text(d, IDC_COHESION_VALUE), "0.012");
                       d->PostMessage(WM_COMMAND, IDCANCEL);
                     }),
            IDCANCEL);
  EXPECT_EQ(dlg.m_dCohesion, 0.5);  // Cancel puts the preset back
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(ListPickTest, CohesionRefusesABadValueAtOkButStillSearches) {
  CPickCohesionDlg dlg;
  dlg.m_dCohesion = 2;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       CListCtrl& list = ListOf(d, IDC_COHESION_LIST);
                       Type(d, IDC_COHESION_VALUE, "abc");
                       d->SendDlgItemMessage(IDC_PICK_SEARCH_CHECK, BM_CLICK);
                       EXPECT_EQ(g_boxes.size(), 1u);  // the value's message ...
                       // ... but the check took effect.
                       EXPECT_TRUE(d->GetDlgItem(IDC_PICK_SEARCH_TEXT)->IsWindowEnabled());
                       Type(d, IDC_PICK_SEARCH_TEXT, "sandstone");
                       d->SendMessage(WM_COMMAND, IDOK);  // Enter
                       EXPECT_EQ(list.GetItemCount(), 1);
                       EXPECT_EQ(g_boxes.size(), 2u);
                       d->SendMessage(WM_COMMAND, IDC_PICK_VISIBLE_OK);
                       EXPECT_EQ(g_boxes.size(), 3u);  // refused: the dialog stays
                       Type(d, IDC_COHESION_VALUE, "-1");
                       d->SendMessage(WM_COMMAND, IDC_PICK_VISIBLE_OK);
                       EXPECT_EQ(g_boxes.size(), 4u);
                       // A row whose range is "0" gives 0, which OK takes.
                       d->SendDlgItemMessage(IDC_PICK_SEARCH_CHECK, BM_CLICK);
                       SelectItem(list, 8);
                       EXPECT_EQ(Text(d, IDC_COHESION_VALUE), "0");
                       d->SendMessage(WM_COMMAND, IDC_PICK_VISIBLE_OK);
                     }),
            IDOK);
  EXPECT_EQ(dlg.m_dCohesion, 0.0);
}

TEST_F(ListPickTest, CohesionKeepsUnitSystemZeroForAnUnknownIndex) {
  CPickCohesionDlg dlg;
  dlg.m_nUnits = 11;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       CListCtrl& list = ListOf(d, IDC_COHESION_LIST);
                       EXPECT_EQ(ColumnTitle(list, 2), "Cohesion range (MPa)");
                       EXPECT_EQ(std::string(list.GetItemText(21, 2)), "27.2");
                       EXPECT_EQ(Text(d, IDC_COHESION_UNIT), "MPa");
                       d->EndDialog(IDCANCEL);
                     }),
            IDCANCEL);
}

// ---- friction angle ----------------------------------------------------------------------------

TEST_F(ListPickTest, FrictionAngleRangeAndSearch) {
  CPickFrictionAngleDlg dlg;
  EXPECT_EQ(dlg.m_dPhi, 30.0);
  dlg.m_dPhi = 33;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       CListCtrl& list = ListOf(d, IDC_PHI_LIST);
                       EXPECT_EQ(list.GetItemCount(), 33);
                       EXPECT_EQ(ColumnTitle(list, 2), "Phi range (deg)");
                       SelectItem(list, 14);
                       EXPECT_EQ(Text(d, IDC_PHI_VALUE), "22.5");
                       EXPECT_EQ(Text(d, IDC_PHI_UNIT), "degrees");
                       d->SendDlgItemMessage(IDC_PICK_SEARCH_CHECK, BM_CLICK);
                       Type(d, IDC_PICK_SEARCH_TEXT, "dense");
                       d->SendDlgItemMessage(IDC_PICK_SEARCH_GO, BM_CLICK);
                       EXPECT_EQ(list.GetItemCount(), 8);
                       Shot(d, "pick-friction-angle");
                       for (const char* bad : {"90.5", "-1", "x"}) {
                         Type(d, IDC_PHI_VALUE, bad);
                         d->SendMessage(WM_COMMAND, IDC_PICK_VISIBLE_OK);
                       }
                       EXPECT_EQ(g_boxes.size(), 3u);
                       Type(d, IDC_PHI_VALUE, "90");
                       d->SendMessage(WM_COMMAND, IDC_PICK_VISIBLE_OK);
                     }),
            IDOK);
  EXPECT_EQ(dlg.m_dPhi, 90.0);
}

// ---- JCS ---------------------------------------------------------------------------------------

TEST_F(ListPickTest, JcsWeatheringQuartersRockRowsOnly) {
  CPickJcsDlg dlg;
  dlg.m_dJcs = 12;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       CListCtrl& list = ListOf(d, IDC_JCS_LIST);
                       EXPECT_EQ(list.GetItemCount(), 13);
                       EXPECT_EQ(ColumnTitle(list, 2), "JCS range (MPa)");
                       EXPECT_FALSE(d->GetDlgItem(IDC_JCS_WEATHERED)->IsWindowEnabled());
                       EXPECT_FALSE(d->GetDlgItem(IDC_JCS_SOIL)->IsWindowEnabled());
                       SelectItem(list, 9);  // Medium strong rock
                       EXPECT_EQ(Text(d, IDC_JCS_VALUE), "37.5");
                       EXPECT_EQ(Text(d, IDC_JCS_EXAMPLE),
                                 "Claystone, coal, concrete, schist, shale, siltstone.");
                       ASSERT_TRUE(d->GetDlgItem(IDC_JCS_WEATHERED)->IsWindowEnabled());
                       d->SendDlgItemMessage(IDC_JCS_WEATHERED, BM_CLICK);
                       EXPECT_EQ(Text(d, IDC_JCS_VALUE), "9.375");
                       Shot(d, "pick-jcs");
                       d->SendDlgItemMessage(IDC_JCS_WEATHERED, BM_CLICK);
                       EXPECT_EQ(Text(d, IDC_JCS_VALUE), "37.5");
                       // A soil row is never reduced and disables the reduction.
                       d->SendDlgItemMessage(IDC_JCS_WEATHERED, BM_CLICK);
                       SelectItem(list, 1);
                       EXPECT_EQ(Text(d, IDC_JCS_VALUE), "0.038");
                       EXPECT_FALSE(d->GetDlgItem(IDC_JCS_WEATHERED)->IsWindowEnabled());
                       d->PostMessage(WM_COMMAND, IDOK);
                     }),
            IDOK);
  EXPECT_EQ(dlg.m_dJcs, 0.038);
}

TEST_F(ListPickTest, JcsFilterClearsTheSelectionButKeepsTheValue) {
  CPickJcsDlg dlg;
  dlg.m_dJcs = 55;
  dlg.m_nUnits = 2;  // tsm
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       CListCtrl& list = ListOf(d, IDC_JCS_LIST);
                       EXPECT_EQ(Text(d, IDC_JCS_UNIT), "tsm");
                       SelectItem(list, 5);  // Hard clay
                       EXPECT_EQ(Text(d, IDC_JCS_VALUE), "50.986");
                       d->SendDlgItemMessage(IDC_JCS_FILTER_CHECK, BM_CLICK);
                       EXPECT_EQ(list.GetItemCount(), 7);  // rock rows (Rock is chosen)
                       EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
                       EXPECT_EQ(Text(d, IDC_JCS_FIELD_ESTIMATE), "");
                       EXPECT_EQ(Text(d, IDC_JCS_VALUE), "50.986");
                       EXPECT_TRUE(d->GetDlgItem(IDC_JCS_WEATHERED)->IsWindowEnabled());
                       d->SendDlgItemMessage(IDC_JCS_SOIL, BM_CLICK);
                       EXPECT_EQ(list.GetItemCount(), 6);
                       EXPECT_FALSE(d->GetDlgItem(IDC_JCS_WEATHERED)->IsWindowEnabled());
                       SelectItem(list, 0);  // through the filtered list: Very soft clay
                       EXPECT_EQ(Text(d, IDC_JCS_VALUE), "2.55");
                       d->PostMessage(WM_COMMAND, IDCANCEL);
                     }),
            IDCANCEL);
  EXPECT_EQ(dlg.m_dJcs, 55.0);
}

TEST_F(ListPickTest, JcsKeepsEveryDigitOfLargeValues) {
  CPickJcsDlg dlg;
  dlg.m_nUnits = 6;  // psf
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       SelectItem(ListOf(d, IDC_JCS_LIST), 11);
                       EXPECT_EQ(Text(d, IDC_JCS_VALUE), "3654948");
                       d->PostMessage(WM_COMMAND, IDOK);
                     }),
            IDOK);
  EXPECT_EQ(dlg.m_dJcs, 3654948.0);
}

}  // namespace

// The mi dialog on real windows: the filtered list, a pick by mouse or keyboard, OK's whole
// number and Cancel.
#include <gtest/gtest.h>

#include <climits>

#include "picktables/PickMiDlg.h"
#include "res/PickTableResources.h"
#include "tests/picktables/pick_dialog_support.h"

using namespace picktest;

namespace {

class MiPickTest : public PickDialogTest {};

std::string Line(CDialog* d, int index) {
  CString text;
  static_cast<CListBox*>(d->GetDlgItem(IDC_MI_LIST))->GetText(index, text);
  return text.GetString();
}
int Count(CDialog* d) { return static_cast<int>(d->SendDlgItemMessage(IDC_MI_LIST, LB_GETCOUNT)); }

TEST_F(MiPickTest, OpensOnTheWholeTableWithThePreset) {
  CPickMiDlg dlg;
  dlg.m_nMi = 17;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       EXPECT_EQ(Text(d, IDC_MI_VALUE), "17");
                       ASSERT_EQ(Count(d), 42);
                       EXPECT_EQ(Line(d, 0), "Agglomerate    19 \xB1 3");
                       EXPECT_EQ(Line(d, 6), "Breccias    20 \xB1 2");
                       for (int id : {IDC_MI_SEDIMENTARY, IDC_MI_COARSE, IDC_MI_VERY_FINE})
                         EXPECT_FALSE(d->GetDlgItem(id)->IsWindowEnabled());
                       EXPECT_EQ(d->IsDlgButtonChecked(IDC_MI_SEDIMENTARY), BST_CHECKED);
                       Shot(d, "pick-mi");
                       d->PostMessage(WM_COMMAND, IDCANCEL);
                     }),
            IDCANCEL);
  EXPECT_EQ(dlg.m_nMi, 17);
}

TEST_F(MiPickTest, FiltersAndPicks) {
  CPickMiDlg dlg;
  dlg.m_nMi = 5;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       d->SendDlgItemMessage(IDC_MI_CLASS_CHECK, BM_CLICK);
                       EXPECT_TRUE(d->GetDlgItem(IDC_MI_IGNEOUS)->IsWindowEnabled());
                       EXPECT_FALSE(d->GetDlgItem(IDC_MI_MEDIUM)->IsWindowEnabled());
                       EXPECT_EQ(Count(d), 15);  // sedimentary
                       d->SendDlgItemMessage(IDC_MI_IGNEOUS, BM_CLICK);
                       EXPECT_EQ(Count(d), 17);
                       d->SendDlgItemMessage(IDC_MI_TEXTURE_CHECK, BM_CLICK);
                       d->SendDlgItemMessage(IDC_MI_MEDIUM, BM_CLICK);
                       ASSERT_EQ(Count(d), 8);
                       EXPECT_EQ(Line(d, 0), "Andesite    25 \xB1 5");
                       EXPECT_EQ(Line(d, 7), "Rhyolite    25 \xB1 5");
                       // A pick writes its mi only; filters leave the edit alone.
                       d->SendDlgItemMessage(IDC_MI_LIST, LB_SETCURSEL, 3);
                       d->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MI_LIST, LBN_SELCHANGE),
                                      (LPARAM)d->GetDlgItem(IDC_MI_LIST)->m_hWnd);
                       EXPECT_EQ(Text(d, IDC_MI_VALUE), "16");  // Dolerite
                       d->SendDlgItemMessage(IDC_MI_VERY_FINE, BM_CLICK);
                       EXPECT_EQ(Count(d), 2);  // Peridotite, Obsidian
                       d->SendDlgItemMessage(IDC_MI_TEXTURE_CHECK, BM_CLICK);
                       EXPECT_EQ(Count(d), 17);
                       EXPECT_FALSE(d->GetDlgItem(IDC_MI_VERY_FINE)->IsWindowEnabled());
                       EXPECT_EQ(Text(d, IDC_MI_VALUE), "16");
                       Shot(d, "pick-mi-filtered");
                       // A click in the list picks too.
                       HWND list = d->GetDlgItem(IDC_MI_LIST)->m_hWnd;
                       RECT item = {};
                       ::SendMessageA(list, LB_GETITEMRECT, 5, (LPARAM)&item);
                       Click(d, list, item.left + 5, (item.top + item.bottom) / 2);
                       EXPECT_EQ(Text(d, IDC_MI_VALUE), "15");  // Basalt is 25; Diabase 15
                       // Enter in the edit accepts.
                       HWND edit = d->GetDlgItem(IDC_MI_VALUE)->m_hWnd;
                       ::SetFocus(edit);
                       PressKey(d, edit, VK_RETURN);
                     }),
            IDOK);
  EXPECT_EQ(dlg.m_nMi, 15);
}

TEST_F(MiPickTest, OkTakesTheLeadingWholeNumber) {
  struct Case {
    const char* text;
    int mi;
  } cases[] = {{"17abc", 17}, {"", 0}, {"x", 0}, {"-4", -4}, {"99999999999", INT_MAX}, {"9.8", 9}};
  for (const Case& c : cases) {
    CPickMiDlg dlg;
    dlg.m_nMi = 3;
    EXPECT_EQ(RunModal(dlg,
                       [&](CDialog* d) {
                         d->SetDlgItemText(IDC_MI_VALUE, c.text);
                         d->PostMessage(WM_COMMAND, IDOK);
                       }),
              IDOK);
    EXPECT_EQ(dlg.m_nMi, c.mi) << c.text;
  }
  EXPECT_TRUE(g_boxes.empty());
}

}  // namespace

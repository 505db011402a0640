// The controls on real windows: the spin's notifications, the edit exchange, tooltips and
// context help, the group switcher and the colour picker's popup.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ColourPicker.h"
#include "controls/ColourPopup.h"
#include "controls/ControlGroupSwitcher.h"
#include "controls/RealSpinCtrl.h"
#include "controls/TipsDialog.h"
#include "tests/controls/testcontrols.h"

namespace {

std::vector<std::string> g_log;

// ---- real spin -------------------------------------------------------------------------------

class CSpinDlg : public CDialog {
 public:
  CSpinDlg() : CDialog(IDD_SPIN) {}
  CRealSpinCtrl m_spin;
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_SPIN, m_spin); }
  afx_msg void OnDelta(NMHDR*, LRESULT*) { g_log.push_back("parent sees " + GetText(IDC_BUDDY)); }
  std::string GetText(int id) {
    CString s;
    GetDlgItemText(id, s);
    return s.GetString();
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSpinDlg, CDialog)
ON_NOTIFY(UDN_DELTAPOS, IDC_SPIN, &CSpinDlg::OnDelta)
END_MESSAGE_MAP()

TEST(RealSpinWindow, ArrowClickUpdatesTheBuddyBeforeTheParentHears) {
  g_log.clear();
  CSpinDlg dlg;
  ASSERT_TRUE(dlg.Create(IDD_SPIN));
  EXPECT_FALSE(dlg.m_spin.GetStyle() & UDS_SETBUDDYINT);
  dlg.m_spin.SetRangeAndDelta(0, 100, 1);
  dlg.m_spin.SetPos(99.5);
  EXPECT_EQ(dlg.GetText(IDC_BUDDY), "99.5");
  CRect r;
  dlg.m_spin.GetClientRect(&r);
  // A click on the upper arrow.
  dlg.m_spin.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.Width() / 2, 2));
  dlg.m_spin.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(r.Width() / 2, 2));
  ASSERT_FALSE(g_log.empty());
  EXPECT_EQ(g_log[0], "parent sees 100");
  EXPECT_EQ(dlg.m_spin.GetPos(), 100.0);

  dlg.m_spin.SetPos(1e9);  // shown in full, the control at its top
  EXPECT_EQ(dlg.GetText(IDC_BUDDY), "1000000000");
  EXPECT_EQ(LOWORD(dlg.m_spin.SendMessage(UDM_GETPOS)), 100);
  dlg.m_spin.SetDecimals(2);
  dlg.m_spin.SetPos(2.0);
  EXPECT_EQ(dlg.GetText(IDC_BUDDY), "2");
  dlg.DestroyWindow();
}

class CReadDlg : public CDialog {
 public:
  CReadDlg() : CDialog(IDD_SPIN) {}
  double m_value = 42.0;
  void DoDataExchange(CDataExchange* pDX) override {
    if (pDX->m_bSaveAndValidate) ReadDoubleFromEdit(pDX, IDC_BUDDY, m_value);
  }
};

TEST(RealSpinWindow, ReadingAndWritingEdits) {
  CReadDlg dlg;
  ASSERT_TRUE(dlg.Create(IDD_SPIN));
  dlg.ShowWindow(SW_SHOW);
  dlg.SetDlgItemText(IDC_BUDDY, "abc");
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_value, 42.0);  // a refused text leaves the value alone
  dlg.SetDlgItemText(IDC_BUDDY, "12abc");
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_value, 42.0);
  dlg.SetDlgItemText(IDC_BUDDY, ".5");
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_value, 0.5);
  CString text;
  dlg.GetDlgItemText(IDC_BUDDY, text);
  EXPECT_EQ(text, "0.5");
  DWORD sel = (DWORD)dlg.SendDlgItemMessage(IDC_BUDDY, EM_GETSEL);
  EXPECT_EQ(LOWORD(sel), 3);
  EXPECT_EQ(HIWORD(sel), 3);  // caret after the text

  CWnd* edit = dlg.GetDlgItem(IDC_BUDDY);
  edit->SetFocus();
  edit->SendMessage(EM_SETSEL, 1, 2);
  WriteDoubleKeepCaret(edit, 1.0 / 3);
  sel = (DWORD)edit->SendMessage(EM_GETSEL);
  EXPECT_EQ(LOWORD(sel), 1);
  EXPECT_EQ(HIWORD(sel), 2);
  edit->GetWindowText(text);
  EXPECT_EQ(text, "0.333333333333333");
  dlg.DestroyWindow();
  AfxDeleteTempMaps();
}

// ---- tips and help ---------------------------------------------------------------------------

std::vector<DWORD_PTR> g_topics;
BOOL RecordHelp(HWND, DWORD_PTR data, UINT command) {
  if (command == HELP_CONTEXT) g_topics.push_back(data);
  return TRUE;
}

TEST(TipsWindow, ToolsAreReplacedNotDuplicated) {
  CTipsDialog dlg(IDD_TIPS);
  EXPECT_FALSE(dlg.AddTool(IDC_TIP_BUTTON, "early"));  // before the dialog exists
  ASSERT_TRUE(dlg.Create(IDD_TIPS));
  CToolTipCtrlEx& tip = dlg.GetTips().GetToolTip();
  ASSERT_TRUE(tip.m_hWnd != NULL);
  EXPECT_TRUE(dlg.AddTool(IDC_TIP_BUTTON, "first"));
  EXPECT_TRUE(dlg.AddTool(IDC_TIP_BUTTON, "second"));
  EXPECT_EQ(tip.GetToolCount(), 1);
  EXPECT_EQ(dlg.GetTips().GetRecords().size(), 1u);

  EXPECT_TRUE(dlg.AddTool(IDC_TIP_STATIC, "label"));
  EXPECT_TRUE(dlg.AddTool(IDC_TIP_STATIC, "label again"));
  EXPECT_TRUE(dlg.AddTool(IDC_TIP_GROUP, "group"));
  EXPECT_EQ(tip.GetToolCount(), 3);
  const auto& records = dlg.GetTips().GetRecords();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].kind, ToolTipRecord::StaticArea);
  EXPECT_EQ(records[1].toolId, 1u);
  EXPECT_EQ(records[1].text, "label");  // the record keeps its first text
  EXPECT_EQ(records[2].kind, ToolTipRecord::GroupBoxCaption);
  EXPECT_EQ(records[2].toolId, 2u);

  // The static's tool has the new text; the group box's covers only its caption.
  char buffer[256] = "";
  TOOLINFOA ti = CToolTipCtrl::MakeToolInfo(dlg.m_hWnd, 1, 0);
  ti.lpszText = buffer;
  ASSERT_TRUE(tip.SendMessage(TTM_GETTOOLINFOA, 0, (LPARAM)&ti));
  EXPECT_STREQ(buffer, "label again");
  ti = CToolTipCtrl::MakeToolInfo(dlg.m_hWnd, 2, 0);
  ti.lpszText = buffer;
  ASSERT_TRUE(tip.SendMessage(TTM_GETTOOLINFOA, 0, (LPARAM)&ti));
  CRect group;
  dlg.GetDlgItem(IDC_TIP_GROUP)->GetWindowRect(&group);
  dlg.ScreenToClient(&group);
  EXPECT_EQ(ti.rect.left, group.left);
  EXPECT_EQ(ti.rect.bottom, group.bottom);
  EXPECT_LT(ti.rect.right, group.right);
  EXPECT_GT(ti.rect.right, group.left + 20);
  dlg.DestroyWindow();
  AfxDeleteTempMaps();
}

TEST(TipsWindow, ContextHelpOnlyWithTheStyle) {
  CSeamOverride<AfxHelpSeam> seam(AfxSetHelpSeam, RecordHelp);
  g_topics.clear();
  CTipsDialog withHelp(IDD_TIPS);
  ASSERT_TRUE(withHelp.Create(IDD_TIPS));
  withHelp.SendMessage(WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
  HELPINFO hi = {sizeof(HELPINFO), HELPINFO_WINDOW, IDC_TIP_BUTTON, NULL, 0, {0, 0}};
  EXPECT_TRUE(withHelp.SendMessage(WM_HELP, 0, (LPARAM)&hi));
  EXPECT_EQ(g_topics, (std::vector<DWORD_PTR>{0x20000 + IDD_TIPS, 0x20000 + IDD_TIPS}));

  g_topics.clear();
  CTipsDialog without(IDD_TIPS_NOHELP);
  ASSERT_TRUE(without.Create(IDD_TIPS_NOHELP));
  without.SendMessage(WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
  EXPECT_TRUE(without.SendMessage(WM_HELP, 0, (LPARAM)&hi));  // swallowed, handled
  EXPECT_TRUE(g_topics.empty());
  withHelp.DestroyWindow();
  without.DestroyWindow();
}

TEST(TipsWindow, DefaultHelpSaysWhenATopicIsMissing) {
  std::vector<std::string> boxes;
  static std::vector<std::string>* sink;
  sink = &boxes;
  CSeamOverride<AfxMessageBoxSeam> box(AfxSetMessageBoxSeam, [](HWND, LPCSTR text, LPCSTR, UINT) {
    sink->push_back(text);
    return IDOK;
  });
  CSeamOverride<AfxShellExecuteSeam> shell(
      AfxSetShellExecuteSeam,
      [](HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT) { return (HINSTANCE)0; });
  EXPECT_FALSE(AfxDefaultHelp(NULL, 0x20000 + 999, HELP_CONTEXT));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("not installed"), std::string::npos);
}

// ---- group switcher --------------------------------------------------------------------------

TEST(SwitcherWindow, GroupsMoveOntoTheAnchorAndShowOneAtATime) {
  CDialog dlg(IDD_SWITCH);
  ASSERT_TRUE(dlg.Create(IDD_SWITCH));
  CControlGroupSwitcher sw;
  sw.AddGroup(IDC_FRAME_A, 0);  // before Init: nothing
  EXPECT_TRUE(sw.GetGroups().empty());
  sw.Init(&dlg, IDC_ANCHOR, TRUE);
  sw.AddGroup(IDC_FRAME_A, 0);
  sw.AddGroup(IDC_FRAME_B, 1);
  sw.AddGroup(9999, 2);  // no such frame
  ASSERT_EQ(sw.GetGroups().size(), 2u);
  // The control touching the frame's right edge is not part of group A.
  EXPECT_EQ(sw.GetGroups()[0]->controls.size(), 2u);
  CRect anchor, frame;
  dlg.GetDlgItem(IDC_ANCHOR)->GetWindowRect(&anchor);
  dlg.GetDlgItem(IDC_FRAME_B)->GetWindowRect(&frame);
  EXPECT_EQ(frame.TopLeft(), anchor.TopLeft());

  dlg.ShowWindow(SW_SHOW);
  sw.ShowGroup(1);
  EXPECT_FALSE(dlg.GetDlgItem(IDC_EDIT_A)->IsWindowVisible());
  EXPECT_TRUE(dlg.GetDlgItem(IDC_EDIT_B)->IsWindowVisible());
  EXPECT_TRUE(dlg.GetDlgItem(IDC_FRAME_A)->IsWindowVisible());  // keep-first: frames untouched
  sw.ShowGroup(77);
  EXPECT_FALSE(dlg.GetDlgItem(IDC_EDIT_B)->IsWindowVisible());
  EXPECT_TRUE(dlg.GetDlgItem(IDC_FRAME_B)->IsWindowVisible());
  dlg.DestroyWindow();
  AfxDeleteTempMaps();
}

// The parent's children are listed once for a run of groups: a frame made after that still
// finds its controls, and a window destroyed since is left out.
TEST(SwitcherWindow, AFrameMadeAfterTheFirstGroupStillGetsItsControls) {
  CDialog dlg(IDD_SWITCH);
  ASSERT_TRUE(dlg.Create(IDD_SWITCH));
  CControlGroupSwitcher sw;
  sw.Init(&dlg, IDC_ANCHOR, FALSE);
  sw.AddGroup(IDC_FRAME_A, 0);
  ASSERT_EQ(sw.GetGroups().size(), 1u);
  CRect b;
  dlg.GetDlgItem(IDC_FRAME_B)->GetWindowRect(&b);
  dlg.ScreenToClient(&b);
  HWND late = ::CreateWindowExA(0, "BUTTON", "C", WS_CHILD | BS_GROUPBOX, b.left, b.bottom + 10,
                                b.Width(), b.Height(), dlg.m_hWnd, (HMENU)4711, NULL, NULL);
  HWND inside = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, b.left + 4, b.bottom + 20, 20, 10,
                                  dlg.m_hWnd, (HMENU)4712, NULL, NULL);
  ASSERT_TRUE(late && inside);
  ::DestroyWindow(dlg.GetDlgItem(IDC_EDIT_B)->m_hWnd);
  sw.AddGroup(IDC_FRAME_B, 1);
  sw.AddGroup(4711, 2);
  ASSERT_EQ(sw.GetGroups().size(), 3u);
  EXPECT_EQ(sw.GetGroups()[1]->controls.size(), 1u);  // B's edit is gone
  ASSERT_EQ(sw.GetGroups()[2]->controls.size(), 2u);
  EXPECT_EQ(sw.GetGroups()[2]->controls[1], inside);
  CRect anchor, frame;
  dlg.GetDlgItem(IDC_ANCHOR)->GetWindowRect(&anchor);
  ::GetWindowRect(late, &frame);
  EXPECT_EQ(frame.TopLeft(), anchor.TopLeft());
  dlg.DestroyWindow();
  AfxDeleteTempMaps();
}

// ---- colour picker ---------------------------------------------------------------------------

class CPickerParent : public CWnd {
 public:
  CColourPicker m_picker;
  LRESULT Log(const char* what, WPARAM colour) {
    char text[64];
    wsprintfA(text, "%s %06x", what, (unsigned)(colour & 0xFFFFFF));
    g_log.push_back(text);
    return 0;
  }
  afx_msg LRESULT OnDrop(WPARAM w, LPARAM) { return Log("dropdown", w); }
  afx_msg LRESULT OnClose(WPARAM w, LPARAM) { return Log("closeup", w); }
  afx_msg LRESULT OnAccept(WPARAM w, LPARAM) { return Log("accept", w); }
  afx_msg LRESULT OnCancelled(WPARAM w, LPARAM) { return Log("cancel", w); }
  afx_msg LRESULT OnChanged(WPARAM w, LPARAM) { return Log("changed", w); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPickerParent, CWnd)
ON_MESSAGE(CPM_DROPDOWN, &CPickerParent::OnDrop)
ON_MESSAGE(CPM_CLOSEUP, &CPickerParent::OnClose)
ON_MESSAGE(CPM_ACCEPT, &CPickerParent::OnAccept)
ON_MESSAGE(CPM_CANCEL, &CPickerParent::OnCancelled)
ON_MESSAGE(CPM_CHANGED, &CPickerParent::OnChanged)
END_MESSAGE_MAP()

class PickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    ASSERT_TRUE(parent.CreateEx(0, NULL, "picker", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                                100, NULL, NULL));
    ASSERT_TRUE(
        parent.m_picker.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 30), &parent, 77));
    parent.m_picker.SetColour(RGB(255, 0, 0));
  }
  void TearDown() override {
    parent.DestroyWindow();
    AfxDeleteTempMaps();
  }
  CColourPopup* Open() {
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(77, BN_CLICKED), (LPARAM)parent.m_picker.m_hWnd);
    return parent.m_picker.GetPopup();
  }
  CPickerParent parent;
};

TEST_F(PickerTest, EscapeCancelsWithTheInitialColour) {
  EXPECT_EQ(parent.m_picker.GetStyle() & BS_TYPEMASK, (DWORD)BS_OWNERDRAW);
  CColourPopup* popup = Open();
  ASSERT_TRUE(popup != nullptr);
  EXPECT_EQ(CColourPopup::GetLiveCount(), 1);
  EXPECT_EQ(popup->GetChosenCell(), 16);  // red
  EXPECT_EQ(GetCapture(), popup->m_hWnd);
  popup->SendMessage(WM_KEYDOWN, VK_RIGHT);  // moves to light orange: the parent hears
  popup->SendMessage(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(CColourPopup::GetLiveCount(), 0);  // deleted itself
  EXPECT_FALSE(parent.m_picker.IsPopupActive());
  EXPECT_EQ(parent.m_picker.GetColour(), RGB(255, 0, 0));
  EXPECT_EQ(g_log, (std::vector<std::string>{"dropdown 0000ff", "changed 5badff", "closeup 0000ff",
                                             "cancel 0000ff"}));
}

TEST_F(PickerTest, AcceptReportsCloseUpThenAcceptThenChanged) {
  CColourPopup* popup = Open();
  ASSERT_TRUE(popup != nullptr);
  popup->ChangeSelection(13);  // blue
  g_log.clear();
  popup->SendMessage(WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(g_log, (std::vector<std::string>{"closeup ff0000", "accept ff0000", "changed ff0000"}));
  EXPECT_EQ(parent.m_picker.GetColour(), RGB(0, 0, 255));
  EXPECT_EQ(CColourPopup::GetLiveCount(), 0);
}

TEST_F(PickerTest, LosingTheCaptureOrAReleaseOutsideCancels) {
  CColourPopup* popup = Open();
  ASSERT_TRUE(popup != nullptr);
  SetCapture(parent.m_hWnd);  // someone else takes the mouse
  ReleaseCapture();
  EXPECT_EQ(CColourPopup::GetLiveCount(), 0);
  EXPECT_FALSE(parent.m_picker.IsPopupActive());

  popup = Open();
  ASSERT_TRUE(popup != nullptr);
  popup->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-5, -5));
  EXPECT_EQ(CColourPopup::GetLiveCount(), 0);
  EXPECT_EQ(g_log.back(), "cancel 0000ff");

  popup = Open();
  ASSERT_TRUE(popup != nullptr);
  popup->SendMessage(WM_CLOSE);
  EXPECT_EQ(CColourPopup::GetLiveCount(), 0);
  EXPECT_FALSE(parent.m_picker.IsPopupActive());
}

TEST_F(PickerTest, MoreColoursUsesTheColourDialogAndKeepsTheColourOnCancel) {
  static COLORREF answer;
  static BOOL ok;
  CSeamOverride<AfxColorDialogSeam> seam(AfxSetColorDialogSeam, [](CHOOSECOLORA* cc) {
    cc->rgbResult = answer;
    return ok;
  });
  ok = FALSE;
  CColourPopup* popup = Open();
  ASSERT_TRUE(popup != nullptr);
  popup->ChangeSelection(colourpopup::kCustomBox);
  popup->EndSelection(TRUE);
  EXPECT_EQ(parent.m_picker.GetColour(), RGB(255, 0, 0));
  ok = TRUE;
  answer = RGB(1, 2, 3);
  popup = Open();
  ASSERT_TRUE(popup != nullptr);
  popup->ChangeSelection(colourpopup::kCustomBox);
  popup->EndSelection(TRUE);
  EXPECT_EQ(parent.m_picker.GetColour(), RGB(1, 2, 3));
  // A colour in no cell opens with the custom box chosen.
  popup = Open();
  ASSERT_TRUE(popup != nullptr);
  EXPECT_EQ(popup->GetChosenCell(), colourpopup::kCustomBox);
  popup->EndSelection(FALSE);
}

}  // namespace

// The Page Setup dialog under a display, with a fake printer and auto-format store: what each
// control does, the immediate spin apply against the 500 ms typing delay, units without drift,
// Cancel, and the Printer Setup retry.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/win/AfxWin.h"
#include "framework/win/WinApp.h"
#include "res/ReportResources.h"
#include "shell/MainFrame.h"
#include "shell/PageSetupDlg.h"
#include "tests/shell/page_setup_fakes.h"
#include "tests/support/HeldTimer.h"
#include "tests/support/Screenshot.h"
#include "tests/support/WaitUntil.h"

namespace {

using pagetest::CFakeFormats;
using pagetest::CFakePrinter;

// Stands in for the main window: keeps every record the dialog sends.
class CRecordingMain : public CWnd {
 public:
  std::vector<PageSetupRecord> received;
  LRESULT OnPageSetupChanged(WPARAM wParam, LPARAM) {
    auto* source = dynamic_cast<IPageSetupSource*>(reinterpret_cast<CObject*>(wParam));
    if (source) received.push_back(source->GetWorkingRecord());
    return 1;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRecordingMain, CWnd)
ON_MESSAGE(WM_PAGESETUP_CHANGED, &CRecordingMain::OnPageSetupChanged)
END_MESSAGE_MAP()

std::vector<std::string> g_messages;
int RecordMessage(HWND, LPCSTR text, LPCSTR, UINT) {
  g_messages.push_back(text ? text : "");
  return IDOK;
}

class PageSetupDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_messages.clear();
    CPageSetupLogic::ResetFirstClamp();
    LPCSTR cls = AfxRegisterWndClass(0);
    ASSERT_TRUE(main.CreateEx(0, cls, "Main", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100), nullptr, 0));
    app.m_pMainWnd = &main;
    printer.landscape = false;
    MarginAutoFormat mine;
    mine.portrait = 0;
    mine.top = mine.bottom = mine.left = mine.right = 0.75;
    formats.Write("My margins", mine);
    // The record as the application holds it before the dialog: the printer's paper, margins
    // of its own.
    dialog.UseServices(&printer, &formats);
    PageSetupRecord& r = dialog.m_record;
    dialog.GetPrintableArea(r);
    r.autoFormat = -1;
    r.left = r.top = r.right = r.bottom = 1.0;
    r.inches = 1;
    dialog.ClampMargins(r);  // the process's first clamp: from the printer
    ASSERT_TRUE(dialog.Create(IDD_PAGE_SETUP, &main));
    dialog.ShowWindow(SW_SHOW);
    Pump();
    main.received.clear();
  }
  void TearDown() override {
    if (dialog.m_hWnd) dialog.DestroyWindow();
    main.DestroyWindow();
    app.m_pMainWnd = nullptr;
  }
  void Pump(DWORD ms = 0) {
    DWORD until = ::GetTickCount() + ms;
    do {
      MSG msg;
      while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (!::IsDialogMessageA(dialog.m_hWnd, &msg)) {
          ::TranslateMessage(&msg);
          ::DispatchMessageA(&msg);
        }
      }
      if (ms) ::Sleep(10);
    } while (::GetTickCount() < until);
  }
  // Handles messages until done() holds; FALSE when it never did.
  bool PumpUntil(const std::function<bool()>& done) {
    return qxtest::WaitUntil(done, [this] { Pump(); });
  }
  std::string Text(int id) {
    char text[64] = "";
    ::GetDlgItemTextA(dialog.m_hWnd, id, text, sizeof text);
    return text;
  }
  void Click(int id) { ::SendMessageA(::GetDlgItem(dialog.m_hWnd, id), BM_CLICK, 0, 0); }
  void Choose(int index) {
    HWND combo = ::GetDlgItem(dialog.m_hWnd, IDC_AUTOFORMAT_COMBO);
    ::SendMessageA(combo, CB_SETCURSEL, index, 0);
    ::SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_AUTOFORMAT_COMBO, CBN_SELCHANGE),
                   (LPARAM)combo);
  }
  bool Enabled(int id) { return ::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, id)) != 0; }
  // The list as the store has it now, with the user's first auto-format chosen.
  void FillAndChoose7() {
    HWND combo = ::GetDlgItem(dialog.m_hWnd, IDC_AUTOFORMAT_COMBO);
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const CString& name : CPageSetupLogic(printer, formats).AutoFormatNames())
      ::SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)name.GetString());
    Choose(7);
  }

  CWinApp app{"PageSetupTest"};
  CRecordingMain main;
  CFakePrinter printer;
  CFakeFormats formats;
  CPageSetupDlg dialog{nullptr};
  CSeamOverride<AfxMessageBoxSeam> boxes{AfxSetMessageBoxSeam, RecordMessage};
};

TEST_F(PageSetupDialogTest, OpensWithTheRecordAndTheAutoFormats) {
  qxtest::SaveWindowScreenshot(dialog.m_hWnd, qxtest::ScreenshotFolder() + "page_setup_dialog.bmp");
  HWND combo = ::GetDlgItem(dialog.m_hWnd, IDC_AUTOFORMAT_COMBO);
  EXPECT_EQ(::SendMessageA(combo, CB_GETCOUNT, 0, 0), 8);
  char name[64];
  ::SendMessageA(combo, CB_GETLBTEXT, 7, (LPARAM)name);
  EXPECT_STREQ(name, "My margins");
  EXPECT_EQ(::SendMessageA(combo, CB_GETCURSEL, 0, 0), -1);
  EXPECT_EQ(Text(IDC_MARGIN_TOP), "1");
  EXPECT_EQ(Text(IDC_PAPER_HEIGHT), "11.69");
  EXPECT_EQ(Text(IDC_PAPER_WIDTH), "8.27");
  EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, IDC_PORTRAIT), BST_CHECKED);
  EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, IDC_INCHES), BST_CHECKED);
  EXPECT_TRUE(Enabled(IDC_SAVE_AUTOFORMAT));
  EXPECT_FALSE(Enabled(IDC_DELETE_AUTOFORMAT));
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog.m_hWnd, IDC_AUTO_APPLY)));
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog.m_hWnd, IDC_APPLY)));
}

TEST_F(PageSetupDialogTest, SpinClickAppliesAtOnceTypingAfterHalfASecond) {
  // A spin click replaces the whole text, leaving the selection at the start.
  ::SetDlgItemTextA(dialog.m_hWnd, IDC_MARGIN_TOP, "2");
  ASSERT_EQ(main.received.size(), 1u);
  EXPECT_EQ(main.received[0].top, 2.0);
  EXPECT_EQ(main.received[0].autoFormat, -1);

  // Typing: nothing until the keys have rested for 500 ms (the timer's tick), then one change.
  HWND bottom = ::GetDlgItem(dialog.m_hWnd, IDC_MARGIN_BOTTOM);
  {
    qxtest::CHeldTimer typing(dialog.m_hWnd, CPageSetupDlg::kTypingTimer);
    ::SendMessageA(bottom, EM_SETSEL, 1, 1);
    const double typed = qxtest::NowMs();
    ::SendMessageA(bottom, EM_REPLACESEL, TRUE, (LPARAM)".5");
    ASSERT_TRUE(PumpUntil([&] { return typing.HeldTicks() > 0; }));
    EXPECT_EQ(main.received.size(), 1u);
    EXPECT_GE(typing.TickCameAfter(typed), 500 - qxtest::kTimerGranularityMs)
        << "the typing timer ticked sooner than half a second after the key";
  }
  ASSERT_TRUE(PumpUntil([&] { return main.received.size() > 1; }));
  Pump();
  ASSERT_EQ(main.received.size(), 2u);
  EXPECT_EQ(main.received[1].bottom, 1.5);

  // The spin's arrow steps a quarter inch and applies.
  ::SendMessageA(::GetDlgItem(dialog.m_hWnd, IDC_SPIN_TOP), WM_KEYDOWN, VK_UP, 0);
  CRealSpinCtrl* spin = static_cast<CRealSpinCtrl*>(CWnd::FromHandlePermanent(::GetDlgItem(dialog.m_hWnd, IDC_SPIN_TOP)));
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(spin->GetStep(), 0.25);
}

TEST_F(PageSetupDialogTest, OrientationTurnsThePrinterAndReadsThePaperBack) {
  Choose(4);  // an auto-format first: the radio then clears it
  main.received.clear();
  printer.turns.clear();
  Click(IDC_LANDSCAPE);
  EXPECT_EQ(printer.turns, std::vector<bool>{true});
  EXPECT_EQ(Text(IDC_PAPER_WIDTH), "11.69");
  EXPECT_EQ(::SendDlgItemMessageA(dialog.m_hWnd, IDC_AUTOFORMAT_COMBO, CB_GETCURSEL, 0, 0), -1);
  EXPECT_TRUE(Enabled(IDC_SAVE_AUTOFORMAT));
  ASSERT_FALSE(main.received.empty());
  EXPECT_FALSE(main.received.back().portrait);
  EXPECT_EQ(main.received.back().paperHeight, 8.27);
}

TEST_F(PageSetupDialogTest, ChoosingAnAutoFormatAppliesIt) {
  Choose(5);  // "Portrait - Full Page"
  ASSERT_FALSE(main.received.empty());
  const PageSetupRecord& r = main.received.back();
  EXPECT_EQ(r.autoFormat, 5);
  EXPECT_EQ(r.left, 0.25);
  EXPECT_EQ(r.top, 0.2);
  EXPECT_FALSE(Enabled(IDC_SAVE_AUTOFORMAT));
  EXPECT_FALSE(Enabled(IDC_DELETE_AUTOFORMAT));
  EXPECT_EQ(Text(IDC_MARGIN_LEFT), "0.25");
  Choose(7);  // the user's own, in landscape
  EXPECT_EQ(main.received.back().autoFormat, 7);
  EXPECT_EQ(main.received.back().left, 0.75);
  EXPECT_TRUE(printer.landscape);
  EXPECT_TRUE(Enabled(IDC_DELETE_AUTOFORMAT));
  // Built-in ones cannot go; the user's can.
  Choose(2);
  EXPECT_FALSE(Enabled(IDC_DELETE_AUTOFORMAT));
  dialog.SendMessage(WM_COMMAND, IDC_DELETE_AUTOFORMAT, 0);
  ASSERT_EQ(g_messages.size(), 1u);
  EXPECT_EQ(g_messages[0], "The built-in Auto-Formats cannot be deleted");
  // A store that refuses: the list is read again and the refusal named.
  Choose(7);
  pagetest::CFakeFormats refusing;
  refusing.formats = formats.formats;
  dialog.UseServices(&printer, &refusing);
  refusing.formats.clear();  // gone meanwhile: Remove fails
  Click(IDC_DELETE_AUTOFORMAT);
  ASSERT_EQ(g_messages.size(), 2u);
  EXPECT_EQ(g_messages[1], "Error occured while trying to remove the entry");
  dialog.UseServices(&printer, &formats);
  FillAndChoose7();
  Click(IDC_DELETE_AUTOFORMAT);
  EXPECT_TRUE(formats.formats.empty());
  EXPECT_EQ(::SendDlgItemMessageA(dialog.m_hWnd, IDC_AUTOFORMAT_COMBO, CB_GETCOUNT, 0, 0), 7);
}

TEST_F(PageSetupDialogTest, UnitsChangeTheTextsNotTheRecord) {
  ::SetDlgItemTextA(dialog.m_hWnd, IDC_MARGIN_RIGHT, "0.35");
  PageSetupRecord before = dialog.m_record;
  Click(IDC_CENTIMETERS);
  EXPECT_EQ(Text(IDC_MARGIN_TOP), "2.54");
  EXPECT_EQ(Text(IDC_MARGIN_RIGHT), "0.89");
  EXPECT_EQ(Text(IDC_PAPER_HEIGHT), "29.69");
  CRealSpinCtrl* spin = static_cast<CRealSpinCtrl*>(CWnd::FromHandlePermanent(::GetDlgItem(dialog.m_hWnd, IDC_SPIN_TOP)));
  EXPECT_EQ(spin->GetStep(), 0.5);
  for (int i = 0; i < 20; ++i) {
    Click(IDC_INCHES);
    Click(IDC_CENTIMETERS);
  }
  Click(IDC_INCHES);
  EXPECT_EQ(Text(IDC_MARGIN_RIGHT), "0.35");
  // Not a bit of any length moved.
  const PageSetupRecord& after = dialog.m_record;
  EXPECT_EQ(after.right, before.right);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.minMarginLeftRight, before.minMarginLeftRight);
  EXPECT_EQ(after.minMarginTopBottom, before.minMarginTopBottom);
  EXPECT_EQ(after.paperHeight, before.paperHeight);
  EXPECT_EQ(after.paperWidth, before.paperWidth);
  // A margin typed in centimetres arrives in inches.
  Click(IDC_CENTIMETERS);
  ::SetDlgItemTextA(dialog.m_hWnd, IDC_MARGIN_LEFT, "5.08");
  EXPECT_NEAR(main.received.back().left, 2.0, 1e-9);
}

TEST_F(PageSetupDialogTest, CancelSendsTheOpeningRecordAndTurnsThePrinterBack) {
  PageSetupRecord opening = dialog.m_opening;
  Click(IDC_LANDSCAPE);
  ::SetDlgItemTextA(dialog.m_hWnd, IDC_MARGIN_TOP, "3");
  ASSERT_TRUE(printer.landscape);
  main.received.clear();
  dialog.SendMessage(WM_COMMAND, IDCANCEL, 0);
  EXPECT_FALSE(printer.landscape);
  ASSERT_EQ(main.received.size(), 1u);
  EXPECT_EQ(main.received[0].top, opening.top);
  EXPECT_EQ(main.received[0].portrait, opening.portrait);
}

// Print set-up: OK twice (the fake printer reports no paper the first time), then Cancel.
int g_setupDialogs = 0;
CFakePrinter* g_printer = nullptr;
BOOL PrinterSetupOkThenCancel(PRINTDLGA* pd) {
  if (pd->Flags & PD_RETURNDEFAULT) return FALSE;
  ++g_setupDialogs;
  if (g_setupDialogs == 1) return TRUE;
  return FALSE;
}

TEST_F(PageSetupDialogTest, PrinterSetupRetriesOnNoPaperAndCancelRestores) {
  PageSetupRecord before = dialog.m_record;
  printer.zeroPaper = true;
  g_setupDialogs = 0;
  {
    CSeamOverride<AfxPrintDialogSeam> seam(AfxSetPrintDialogSeam, PrinterSetupOkThenCancel);
    Click(IDC_PRINTER_SETUP);
  }
  EXPECT_EQ(g_setupDialogs, 2);
  ASSERT_EQ(g_messages.size(), 1u);
  EXPECT_EQ(g_messages[0], "Please select different paper size settings");
  // Cancel in the second dialog: the record as before, and the dialog still reacts.
  EXPECT_EQ(dialog.m_record.paperHeight, before.paperHeight);
  EXPECT_EQ(dialog.m_record.paperWidth, before.paperWidth);
  printer.zeroPaper = false;
  main.received.clear();
  ::SetDlgItemTextA(dialog.m_hWnd, IDC_MARGIN_TOP, "1.5");
  EXPECT_EQ(main.received.size(), 1u);
}

// The name dialog refuses names it cannot save, and says why.
int g_nameDialogs = 0;
void AnswerName(CDialog* d) {
  ++g_nameDialogs;
  if (!d->m_hWnd || ::GetDlgItem(d->m_hWnd, IDC_AUTOFORMAT_NAME) == NULL) return;
  ::SetDlgItemTextA(d->m_hWnd, IDC_AUTOFORMAT_NAME, "X");
  d->SendMessage(WM_COMMAND, IDOK, 0);  // refused: too short
  ::SetDlgItemTextA(d->m_hWnd, IDC_AUTOFORMAT_NAME, "Report pages");
  d->SendMessage(WM_COMMAND, IDOK, 0);
}

TEST_F(PageSetupDialogTest, SaveAsksForANameAndListsTheNewAutoFormat) {
  ::SetDlgItemTextA(dialog.m_hWnd, IDC_MARGIN_TOP, "2.25");
  g_nameDialogs = 0;
  {
    CSeamOverride<AfxModalDialogSeam> hook(AfxSetModalDialogSeam, AnswerName);
    Click(IDC_SAVE_AUTOFORMAT);
  }
  EXPECT_EQ(g_nameDialogs, 1);
  ASSERT_EQ(g_messages.size(), 1u);
  EXPECT_NE(g_messages[0].find("two characters"), std::string::npos);
  ASSERT_EQ(formats.formats.size(), 2u);
  EXPECT_EQ(formats.formats[1].first, "Report pages");
  EXPECT_EQ(formats.formats[1].second.top, 2.25);
  HWND combo = ::GetDlgItem(dialog.m_hWnd, IDC_AUTOFORMAT_COMBO);
  EXPECT_EQ(::SendMessageA(combo, CB_GETCURSEL, 0, 0), 8);
  EXPECT_TRUE(Enabled(IDC_DELETE_AUTOFORMAT));
}

}  // namespace

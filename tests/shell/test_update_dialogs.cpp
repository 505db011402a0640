// The welcome screen, the About box, the Technical Support dialog and the update dialog, each
// run on its own through the modal-dialog hook, with a screenshot of each.
#include <gtest/gtest.h>

#include <string>

#include "controls/FlatButton.h"
#include "controls/HyperlinkStatic.h"
#include "controls/StaticLink.h"
#include "core/version/VersionText.h"
#include "framework/win/AfxWin.h"
#include "res/resource.h"
#include "shell/AboutDlg.h"
#include "shell/NoticeText.h"
#include "shell/TechSupportDlg.h"
#include "shell/UpdateAvailableDlg.h"
#include "shell/WebUpdateLogic.h"
#include "shell/WelcomeDlg.h"
#include "tests/shell/update_test_support.h"

namespace {

using updatetest::CaptureDialog;
using updatetest::CSeams;

std::string Text(CDialog* d, int id) {
  CString text;
  d->GetDlgItemText(id, text);
  return text.GetString();
}

class UpdateDialogTest : public ::testing::Test {
 protected:
  CSeams m_seams;
};

TEST_F(UpdateDialogTest, ChangingTheDaysSelectsTheReminderAndBadDaysAreRefused) {
  CUpdateAvailableDlg dlg;
  dlg.m_strHistoryUrl = "http://www.quarvex.example/history.htm";
  bool checkedAfterSpin = false, othersClear = false, stayedOpen = false;
  std::string url;
  m_seams.onDialog = [&](CDialog* d) {
    EXPECT_TRUE(CaptureDialog(d, "update_available"));
    EXPECT_EQ(d->IsDlgButtonChecked(IDC_UPDATE_INSTALL_NOW), 1u);
    EXPECT_EQ(Text(d, IDC_UPDATE_DAYS), "1");
    url = dlg.m_linkHistory.GetURL().GetString();

    // The spin's change notice, as its arrows send it.
    NMUPDOWN change = {};
    change.hdr.hwndFrom = ::GetDlgItem(d->m_hWnd, IDC_UPDATE_DAYS_SPIN);
    change.hdr.idFrom = IDC_UPDATE_DAYS_SPIN;
    change.hdr.code = UDN_DELTAPOS;
    change.iPos = 1;
    change.iDelta = 1;
    d->SendMessage(WM_NOTIFY, IDC_UPDATE_DAYS_SPIN, reinterpret_cast<LPARAM>(&change));
    checkedAfterSpin = d->IsDlgButtonChecked(IDC_UPDATE_REMIND_LATER) == 1;
    othersClear = d->IsDlgButtonChecked(IDC_UPDATE_INSTALL_NOW) == 0 &&
                  d->IsDlgButtonChecked(IDC_UPDATE_STOP_CHECKING) == 0;

    for (const char* bad : {"0", "61", "x"}) {
      d->SetDlgItemText(IDC_UPDATE_DAYS, bad);
      static_cast<CUpdateAvailableDlg*>(d)->OnOK();
    }
    stayedOpen = ::IsWindow(d->m_hWnd) && d->IsModal();
    d->SetDlgItemText(IDC_UPDATE_DAYS, "60");
    static_cast<CUpdateAvailableDlg*>(d)->OnOK();
  };
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_TRUE(checkedAfterSpin);
  EXPECT_TRUE(othersClear);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(m_seams.boxes.size(), 3u);  // one validation message for each bad value
  EXPECT_EQ(dlg.m_nChoice, UPDATE_REMIND_LATER);
  EXPECT_EQ(dlg.m_nDays, 60);
  EXPECT_EQ(url, "http://www.quarvex.example/history.htm");
}

TEST_F(UpdateDialogTest, WelcomeButtonsEndTheDialogWithTheirChoice) {
  CWelcomeDlg dlg;
  std::string title, subtitle, guideTip;
  bool icons = false;
  m_seams.onDialog = [&](CDialog* d) {
    EXPECT_TRUE(CaptureDialog(d, "welcome"));
    title = Text(d, IDC_WELCOME_TITLE);
    subtitle = Text(d, IDC_WELCOME_SUBTITLE);
    icons = dlg.m_buttonGuide.GetIcon(0) != NULL && dlg.m_buttonMovie.GetIcon(0) != NULL;
    d->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WELCOME_MOVIE, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(d->m_hWnd, IDC_WELCOME_MOVIE)));
  };
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_TRUE(dlg.m_bWatchMovie);
  EXPECT_FALSE(dlg.m_bOpenGuide);
  EXPECT_FALSE(dlg.m_bDontShow);
  EXPECT_EQ(title, "<color=165,123,247><size=32><face=Tahoma><b>Quarvex 3.0");
  EXPECT_EQ(subtitle, "<color=128,128,128>Rock Mass, Soil Mass and Discontinuity Strength Analysis");
  EXPECT_TRUE(icons);

  CWelcomeDlg guide;
  m_seams.onDialog = [&](CDialog* d) {
    d->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WELCOME_GUIDE, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(d->m_hWnd, IDC_WELCOME_GUIDE)));
  };
  EXPECT_EQ(guide.DoModal(), IDOK);
  EXPECT_TRUE(guide.m_bOpenGuide);
  EXPECT_FALSE(guide.m_bWatchMovie);
}

TEST_F(UpdateDialogTest, WelcomeCheckBoxCountsHoweverTheDialogEnds) {
  for (const int how : {IDCANCEL, IDOK}) {
    for (const bool ticked : {true, false}) {
      CWelcomeDlg dlg;
      m_seams.onDialog = [&](CDialog* d) {
        d->CheckDlgButton(IDC_WELCOME_DONT_SHOW, ticked ? BST_CHECKED : BST_UNCHECKED);
        // The close box and Esc both arrive as IDCANCEL.
        d->SendMessage(WM_COMMAND, how, 0);
      };
      EXPECT_EQ(dlg.DoModal(), how);
      EXPECT_EQ(dlg.m_bDontShow, ticked ? TRUE : FALSE) << "ended with " << how;
      EXPECT_FALSE(dlg.m_bWatchMovie || dlg.m_bOpenGuide);
    }
  }
}

TEST_F(UpdateDialogTest, AboutBoxShowsTheProgramsTextsAndLinks) {
  CAboutDlg dlg;
  dlg.m_strCaption = "About Quarvex";
  dlg.m_strAppVersion = "Version: 3.015";
  dlg.m_strBuildDate = GetBuildDateTimeText();
  dlg.m_strNotice = GetNoticeText(2002, kNoticeCompany);
  dlg.m_hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_KELSTRTYPE));
  ASSERT_NE(dlg.m_hIcon, (HICON)NULL);
  m_seams.onDialog = [&](CDialog* d) {
    EXPECT_TRUE(CaptureDialog(d, "about"));
    CString caption;
    d->GetWindowText(caption);
    EXPECT_STREQ(caption, "About Quarvex");
    EXPECT_EQ(Text(d, IDC_ABOUT_VERSION), "Version: 3.015");
    EXPECT_EQ(Text(d, IDC_ABOUT_BUILD_DATE), std::string(GetBuildDateTimeText()));
    EXPECT_EQ(Text(d, IDC_ABOUT_NOTICE).find("Copyright (C) 2002-"), 0u);
    EXPECT_EQ(Text(d, IDC_ABOUT_EXTRA), "");
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(d->m_hWnd, IDC_ABOUT_ICON)));
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(d->m_hWnd, IDC_ABOUT_EMAIL)), dlg.m_pMailLink);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(d->m_hWnd, IDC_ABOUT_WEB)), dlg.m_pWebLink);

    // The icon is painted at (13, 13): its pixels differ from the dialog's face.
    CClientDC dc(d);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    int painted = 0;
    for (int y = 13; y < 45; y += 2)
      for (int x = 13; x < 45; x += 2) painted += dc.GetPixel(x, y) != face;
    EXPECT_GT(painted, 50);

    // A click on the mail address starts a mail through the shell.
    d->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ABOUT_EMAIL, STN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(d->m_hWnd, IDC_ABOUT_EMAIL)));
    d->EndDialog(IDOK);
  };
  EXPECT_EQ(dlg.DoModal(), IDOK);
  ASSERT_EQ(m_seams.starts.size(), 1u);
  EXPECT_EQ(m_seams.starts[0].file, "mailto:support@quarvex.example");
  EXPECT_STREQ(dlg.m_pWebLink->m_link, "http://www.quarvex.example/");
}

TEST_F(UpdateDialogTest, TechSupportShowsTheTextCopiesItAndMailsItEncoded) {
  CTechSupportDlg dlg;
  dlg.m_strProgram = "Quarvex";
  dlg.m_strVersion = "Version: 3.015";
  std::string shown, clipboard, target;
  m_seams.onDialog = [&](CDialog* d) {
    EXPECT_TRUE(CaptureDialog(d, "tech_support"));
    shown = Text(d, IDC_SUPPORT_TEXT);
    d->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SUPPORT_COPY, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(d->m_hWnd, IDC_SUPPORT_COPY)));
    if (::OpenClipboard(d->m_hWnd)) {
      if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        clipboard = static_cast<const char*>(::GlobalLock(data));
        ::GlobalUnlock(data);
      }
      ::CloseClipboard();
    }
    d->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SUPPORT_MAIL, STN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(d->m_hWnd, IDC_SUPPORT_MAIL)));
    d->EndDialog(IDOK);
  };
  EXPECT_EQ(dlg.DoModal(), IDOK);
  const std::string text = dlg.GetSupportText().GetString();
  EXPECT_EQ(shown, text);
  EXPECT_EQ(clipboard, text);
  EXPECT_EQ(text.find("Program: Quarvex\r\nVersion: 3.015\r\nBuild Date: "), 0u);
  // Here the program runs under Wine, which reports a known Windows version.
  EXPECT_EQ(text.find("Unable to determine OS"), std::string::npos);
  EXPECT_NE(text.find("(Wine "), std::string::npos);
  EXPECT_NE(text.find("CPU Speed: "), std::string::npos);
  EXPECT_NE(text.find("Screen resolution: "), std::string::npos);
  ASSERT_EQ(m_seams.starts.size(), 1u);
  target = m_seams.starts[0].file;
  EXPECT_EQ(target.find("mailto:support@quarvex.example?subject=Technical_Support&body=Program%3A%20Quarvex%0D%0A"), 0u);
  EXPECT_EQ(target.find(' '), std::string::npos);
  EXPECT_EQ(target.find('\r'), std::string::npos);
}

TEST_F(UpdateDialogTest, TechSupportWithoutTheProcessorKeyLeavesOutTheCpuLine) {
  CTechSupportDlg dlg;
  dlg.m_strProgram = "Quarvex";
  dlg.m_strVersion = "Version: 3.015";
  dlg.m_strProcessorKey = "Hardware\\Description\\System\\NoSuchProcessor\\0";
  m_seams.onDialog = [](CDialog* d) { d->EndDialog(IDOK); };
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(std::string(dlg.GetSupportText()).find("CPU"), std::string::npos);
}

}  // namespace

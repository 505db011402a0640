// The welcome screen, the About box, Technical Support and the update commands in the running
// program: start-up rules, the Help menu, an automatic check at start-up against a server of the
// test's own on 127.0.0.1 that offers an update, and manual checks against servers that redirect
// or never finish. Nothing is started for real.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/version/VersionResource.h"
#include "core/version/VersionText.h"
#include "framework/win/AfxWin.h"
#include "framework/win/FrameworkIds.h"
#include "res/resource.h"
#include "shell/KelStrengthApp.h"
#include "shell/ShellSettings.h"
#include "shell/WebUpdateLogic.h"
#include "shell/WebUpdateWorker.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/ProgramHarness.h"
#include "tests/support/ShownMessageBoxes.h"

namespace {

using qxtest::CProgramHarness;

const char kSettings[] = "Software\\Talvenor\\Quarvex 3.0";

std::vector<std::pair<std::string, std::string>> g_started;
INT_PTR g_shellResult = 42;
HINSTANCE RecordShell(HWND, LPCSTR, LPCSTR file, LPCSTR parameters, LPCSTR, INT) {
  g_started.emplace_back(file ? file : "", parameters ? parameters : "");
  return reinterpret_cast<HINSTANCE>(g_shellResult);
}

// Shell starts recorded (and reported as started) for one test.
class ShellRecorder {
 public:
  ShellRecorder() : m_seam(&AfxSetShellExecuteSeam, &RecordShell) {
    g_started.clear();
    g_shellResult = 42;
  }

 private:
  CSeamOverride<AfxShellExecuteSeam> m_seam;
};

std::string Text(CDialog* d, int id) {
  CString text;
  d->GetDlgItemText(id, text);
  return text.GetString();
}

TEST(ProgramWelcome, ShownWithoutAFileAndTheBoxKeepsItAwayEvenAfterTheCloseBox) {
  CProgramHarness program("welcome_switch");
  program.Registry().DeleteValue(kWarningsKey, "GettingStartedScreen");
  int shown = 0;
  program.OnDialog(IDD_WELCOME, [&](CDialog* d) {
    ++shown;
    program.Capture(d, "program_welcome");
    d->CheckDlgButton(IDC_WELCOME_DONT_SHOW, BST_CHECKED);
    d->SendMessage(WM_COMMAND, IDCANCEL, 0);  // the close box
  });
  ASSERT_TRUE(program.Start());
  EXPECT_EQ(shown, 1);
  int stored = 0;
  EXPECT_TRUE(program.Registry().GetInt(kWarningsKey, "GettingStartedScreen", &stored));
  EXPECT_EQ(stored, 1);
  EXPECT_EQ(program.Exit(), 0);

  ASSERT_TRUE(program.Start());  // switched off now
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(program.UnexpectedDialogs().empty());
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramWelcome, TheMovieButtonOpensTheStartPageAndAnUntickedBoxStoresNothing) {
  CProgramHarness program("welcome_movie");
  program.Registry().DeleteValue(kWarningsKey, "GettingStartedScreen");
  ShellRecorder shell;
  program.OnDialog(IDD_WELCOME, [](CDialog* d) {
    d->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WELCOME_MOVIE, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(d->m_hWnd, IDC_WELCOME_MOVIE)));
  });
  ASSERT_TRUE(program.Start());
  ASSERT_EQ(g_started.size(), 1u);
  EXPECT_NE(g_started[0].first.find("Quarvex-StartMenu.htm"), std::string::npos);
  EXPECT_FALSE(program.Registry().ValueExists(kWarningsKey, "GettingStartedScreen"));
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramWelcome, AProjectNamedOnTheCommandLineStartsWithoutIt) {
  CProgramHarness program("welcome_with_file");
  ASSERT_TRUE(program.Start());
  const std::string path = program.TempPath("welcome.kel");
  program.AnswerFileDialog(path);
  ASSERT_TRUE(program.RunCommand(ID_FILE_SAVE_AS));
  EXPECT_EQ(program.Exit(), 0);

  program.Registry().DeleteValue(kWarningsKey, "GettingStartedScreen");
  ASSERT_TRUE(program.Start("\"" + path + "\""));
  EXPECT_TRUE(program.UnexpectedDialogs().empty());  // no welcome screen
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramHelp, AboutAndTechnicalSupportShowTheProgramsFacts) {
  CProgramHarness program("help_about");
  ASSERT_TRUE(program.Start());
  std::string version, notice, caption, supportText;
  program.OnDialog(IDD_ABOUTBOX, [&](CDialog* d) {
    program.Capture(d, "program_about");
    CString text;
    d->GetWindowText(text);
    caption = text.GetString();
    version = Text(d, IDC_ABOUT_VERSION);
    notice = Text(d, IDC_ABOUT_NOTICE);
    EXPECT_EQ(Text(d, IDC_ABOUT_BUILD_DATE), std::string(GetBuildDateTimeText()));
    d->EndDialog(IDOK);
  });
  ASSERT_TRUE(program.RunCommand(ID_APP_ABOUT));
  EXPECT_EQ(caption, "About Quarvex");
  EXPECT_EQ(version, std::string(GetVersionLine(TRUE, TRUE)));
  EXPECT_EQ(notice.find("Copyright (C) 2002-"), 0u);
  EXPECT_NE(notice.find("Quarvex authors. All rights reserved."), std::string::npos);

  program.OnDialog(IDD_TECH_SUPPORT, [&](CDialog* d) {
    program.Capture(d, "program_tech_support");
    supportText = Text(d, IDC_SUPPORT_TEXT);
    d->EndDialog(IDOK);
  });
  ASSERT_TRUE(program.RunCommand(ID_HELP_TECH_SUPPORT));
  EXPECT_EQ(supportText.find("Program: Quarvex\r\n" + std::string(GetVersionLine(TRUE, TRUE)) + "\r\n"), 0u);
  EXPECT_TRUE(program.UnexpectedDialogs().empty());
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramHelp, UpdateCommandsSwitchAndReportWithoutAnInstallation) {
  CProgramHarness program("help_updates");
  ShellRecorder shell;
  ASSERT_TRUE(program.Start());
  // Automatic checks were switched off (seeded); the menu switches them on and off.
  EXPECT_FALSE(program.IsCommandChecked(ID_HELP_CHECK_AUTOMATICALLY));
  ASSERT_TRUE(program.RunCommand(ID_HELP_CHECK_AUTOMATICALLY));
  EXPECT_TRUE(program.IsCommandChecked(ID_HELP_CHECK_AUTOMATICALLY));
  int automatic = -1;
  EXPECT_TRUE(program.Registry().GetInt(kSettings, "CheckWebAutomatic", &automatic));
  EXPECT_EQ(automatic, 1);
  ASSERT_TRUE(program.RunCommand(ID_HELP_CHECK_AUTOMATICALLY));
  EXPECT_FALSE(program.IsCommandChecked(ID_HELP_CHECK_AUTOMATICALLY));

  // This test machine has no installation key: a manual check says that nothing can be had.
  ASSERT_TRUE(program.RunCommand(ID_HELP_CHECK_FOR_UPDATES));
  ASSERT_FALSE(program.MessageBoxTexts().empty());
  EXPECT_EQ(program.MessageBoxTexts().back(), kUpdateTextNotAvailable);

  // The updater is not there: the program says so and stays.
  g_shellResult = SE_ERR_FNF;
  ASSERT_TRUE(program.RunCommand(ID_HELP_CHECK_ALL_UPDATES));
  ASSERT_EQ(g_started.size(), 1u);
  EXPECT_NE(g_started[0].first.find("UpdateTalvenor.exe"), std::string::npos);
  EXPECT_EQ(program.MessageBoxTexts().back(), kUpdateTextCannotStartUpdater);
  EXPECT_TRUE(program.IsRunning());
  EXPECT_EQ(program.Exit(), 0);
}

// HKEY_LOCAL_MACHINE redirected to a key below the (already redirected) current user, with the
// installation's version, for one test.
class CInstalledVersion {
 public:
  explicit CInstalledVersion(const char* version) {
    ::RegCreateKeyExA(HKEY_CURRENT_USER, "Machine", 0, NULL, 0, KEY_ALL_ACCESS, NULL, &m_machine, NULL);
    ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_machine);
    HKEY key = NULL;
    ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSettings, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL);
    ::RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                     static_cast<DWORD>(std::strlen(version) + 1));
    ::RegCloseKey(key);
  }
  ~CInstalledVersion() {
    ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, NULL);
    ::RegCloseKey(m_machine);
  }

 private:
  HKEY m_machine = NULL;
};

TEST(ProgramUpdate, AnAutomaticCheckAtStartOffersTheUpdateAndInstallingClosesTheProgram) {
  qxtest::LoopbackHttpServer server;
  ASSERT_TRUE(server.Start());
  const std::string setup = server.Root() + "/Downloads/QuarvexSetup.exe";
  qxtest::HttpReply reply;
  reply.body = "YES_UPDATE " + setup + "\r\n";
  server.QueueReply(reply);
  ::SetEnvironmentVariableA("QUARVEX_UPDATE_ROOT", server.Root().c_str());

  CProgramHarness program("update_at_start");
  program.Registry().SetInt(kSettings, "CheckWebAutomatic", 1);  // on, and nothing scheduled
  CInstalledVersion installed("3.015");
  ShellRecorder shell;
  int offered = 0;
  program.OnDialog(IDD_UPDATE_AVAILABLE, [&](CDialog* d) {
    ++offered;
    program.Capture(d, "program_update_available");
    EXPECT_TRUE(qxtest::IsButtonChecked(d, IDC_UPDATE_INSTALL_NOW));
    qxtest::ClickButton(d, IDOK);
  });
  ASSERT_TRUE(program.Start());
  const bool wasOffered = program.PumpUntil([&] { return offered > 0; });
  ::SetEnvironmentVariableA("QUARVEX_UPDATE_ROOT", NULL);

  ASSERT_TRUE(wasOffered);
  EXPECT_EQ(offered, 1);
  ASSERT_EQ(server.Targets(), std::vector<std::string>{"/IUpdate/IUpdate.dll?UpdateAvailable?Quarvex-3.0_3.015_"});
  ASSERT_EQ(g_started.size(), 1u);
  EXPECT_NE(g_started[0].first.find("UpdateTalvenor.exe"), std::string::npos);
  EXPECT_EQ(g_started[0].second, " -install \"" + setup + "\"");
  // The updater started, so the program closes in the ordinary way.
  EXPECT_TRUE(program.PumpUntil([&] { return !program.IsRunning(); }));
  EXPECT_TRUE(program.UnexpectedDialogs().empty());
}

// Help > Check for Quarvex Updates against a server that redirects to another host, which would
// offer an update: the program says it could not find out, offers nothing and asks nobody else.
TEST(ProgramUpdate, AManualCheckThatMeetsARedirectSaysItCouldNotFindOut) {
  qxtest::LoopbackHttpServer server, other;
  ASSERT_TRUE(server.Start());
  ASSERT_TRUE(other.Start("127.0.0.2"));
  const std::string query = "/IUpdate/IUpdate.dll?UpdateAvailable?Quarvex-3.0_3.015_";
  qxtest::HttpReply offer;
  offer.body = "YES_UPDATE " + server.Root() + "/Downloads/QuarvexSetup.exe\r\n";
  other.SetDefaultReply(offer);
  qxtest::HttpReply moved;
  moved.status = "301 Moved Permanently";
  moved.headers = {"Location: " + other.Root() + query};
  server.SetDefaultReply(moved);
  ::SetEnvironmentVariableA("QUARVEX_UPDATE_ROOT", server.Root().c_str());

  CProgramHarness program("update_redirect");
  CInstalledVersion installed("3.015");
  ShellRecorder shell;
  int offered = 0;
  program.OnDialog(IDD_UPDATE_AVAILABLE, [&](CDialog* d) {
    ++offered;
    qxtest::ClickButton(d, IDOK);
  });
  ASSERT_TRUE(program.Start());
  ::SetEnvironmentVariableA("QUARVEX_UPDATE_ROOT", NULL);
  {
    qxtest::CShownMessageBoxes boxes;
    boxes.Expect("program_update_redirect_message");
    ASSERT_TRUE(program.RunCommand(ID_HELP_CHECK_FOR_UPDATES));
    EXPECT_TRUE(program.PumpUntil([&] { return !boxes.Texts().empty(); }));
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kUpdateTextNotFound});
    EXPECT_TRUE(boxes.FailedPictures().empty());
  }
  EXPECT_EQ(server.Targets(), std::vector<std::string>{query});
  EXPECT_EQ(other.RequestCount(), 0);
  EXPECT_EQ(offered, 0);
  EXPECT_TRUE(g_started.empty());
  EXPECT_TRUE(program.IsRunning());
  EXPECT_EQ(program.Exit(), 0);
}

qxtest::HttpReply Silent() {
  qxtest::HttpReply r;
  r.behaviour = qxtest::HttpReply::SILENT;
  return r;
}

// The bound of the next check. The first is short for a test, yet long enough for the request
// and an About box on a busy machine; the second is the program's own, so that only the exit
// can end that check.
const DWORD kShortBound = 8000;
DWORD g_bound = kShortBound;
UpdateTimeouts BoundOfTheTest() {
  return UpdateTimeouts{kUpdateStepTimeoutMs, g_bound};
}

// A server that takes the request and never answers: the window keeps answering, the check
// ends at its bound with the message, and File > Exit during another such check ends the
// program at once, the request with it.
TEST(ProgramUpdate, AServerThatNeverAnswersIsCutOffAndExitDoesNotWaitForIt) {
  qxtest::LoopbackHttpServer server;
  ASSERT_TRUE(server.Start());
  server.SetDefaultReply(Silent());
  ::SetEnvironmentVariableA("QUARVEX_UPDATE_ROOT", server.Root().c_str());
  CSeamOverride<WebUpdateTimeoutsSeam> limits(SetWebUpdateTimeoutsSeam, BoundOfTheTest);
  CProgramHarness program("update_silent_server");
  CInstalledVersion installed("3.015");
  ASSERT_TRUE(program.Start());
  ::SetEnvironmentVariableA("QUARVEX_UPDATE_ROOT", NULL);

  g_bound = kShortBound;
  const DWORD start = ::GetTickCount();
  ASSERT_TRUE(program.RunCommand(ID_HELP_CHECK_FOR_UPDATES));
  ASSERT_TRUE(program.PumpUntil([&] { return server.RequestCount() > 0; }));
  ASSERT_EQ(server.RequestCount(), 1);
  // The window answers while the check waits.
  int abouts = 0;
  program.OnDialog(IDD_ABOUTBOX, [&](CDialog* d) {
    ++abouts;
    d->EndDialog(IDOK);
  });
  ASSERT_TRUE(program.RunCommand(ID_APP_ABOUT));
  EXPECT_EQ(abouts, 1);
  EXPECT_TRUE(program.MessageBoxTexts().empty());
  ASSERT_TRUE(program.PumpUntil([&] { return !program.MessageBoxTexts().empty(); }));
  const DWORD elapsed = ::GetTickCount() - start;
  EXPECT_EQ(program.MessageBoxTexts(), std::vector<std::string>{kUpdateTextNotFound});
  // Ended by the bound, well before the step timeouts.
  EXPECT_GE(elapsed, kShortBound - 100);
  EXPECT_LT(elapsed, kUpdateStepTimeoutMs / 2);
  EXPECT_TRUE(program.PumpUntil([&] { return server.CutOffCount() > 0; }));
  EXPECT_EQ(server.CutOffCount(), 1);

  g_bound = kUpdateCheckBoundMs;
  ASSERT_TRUE(program.RunCommand(ID_HELP_CHECK_FOR_UPDATES));
  ASSERT_TRUE(program.PumpUntil([&] { return server.RequestCount() > 1; }));
  ASSERT_EQ(server.RequestCount(), 2);
  EXPECT_EQ(program.Exit(), 0);
  // The worker ended with the program: nothing but the exit could end it yet.
  EXPECT_FALSE(IsWebUpdateBusy());
  EXPECT_TRUE(qxtest::WaitUntil([&] { return server.CutOffCount() > 1; }));  // no messages
  EXPECT_EQ(server.CutOffCount(), 2);
  EXPECT_EQ(program.MessageBoxTexts().size(), 1u);
}

}  // namespace

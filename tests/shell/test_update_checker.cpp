// The web update check end to end: the checker, its worker thread and the real WinINet against
// a server of the test's own on 127.0.0.1, with message boxes, the update dialog and the
// updater's start answered by the test. Nothing is ever started and nothing leaves the machine.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "core/registry/OleDateTime.h"
#include "core/registry/RegistryKey.h"
#include "framework/win/AfxWin.h"
#include "framework/win/Internet.h"
#include "res/resource.h"
#include "shell/UpdateAvailableDlg.h"
#include "shell/WebUpdateChecker.h"
#include "shell/WebUpdateLogic.h"
#include "shell/WebUpdateWorker.h"
#include "tests/shell/update_test_support.h"
#include "tests/support/LoopbackHttpServer.h"

namespace {

using qxtest::HttpReply;
using qxtest::LoopbackHttpServer;
using updatetest::CScratchHives;
using updatetest::CSeams;
using updatetest::PumpUntil;

const char kSettings[] = "Software\\Talvenor\\Quarvex 3.0";
const char kQuery[] = "/IUpdate/IUpdate.dll?UpdateAvailable?Quarvex-3.0_3.015_";

// The program's main window as far as the update check sees it: it counts WM_CLOSE.
class CFakeMainWnd : public CWnd {
 public:
  int m_closes = 0;

 protected:
  LRESULT OnClose(WPARAM, LPARAM) {
    ++m_closes;
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFakeMainWnd, CWnd)
ON_MESSAGE(WM_CLOSE, &CFakeMainWnd::OnClose)
END_MESSAGE_MAP()

CFakeMainWnd* g_main = nullptr;

HttpReply Body(const std::string& body, const char* status = "200 OK", unsigned delayMs = 0) {
  HttpReply r;
  r.body = body;
  r.status = status;
  r.delayMs = delayMs;
  return r;
}

class UpdateCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_server.Start());
    ASSERT_TRUE(m_main.CreateEx(0, AfxRegisterWndClass(0), "main", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                100, NULL, NULL));
    g_main = &m_main;
    m_previousMain = AfxSetMainWndProvider([]() -> CWnd* { return g_main; });
    // Installed as version 3.015; automatic checks already asked about and off.
    m_hives.SetString(HKEY_LOCAL_MACHINE, kSettings, "Version", "3.015");
    SetAutomaticValue(0);
  }
  void TearDown() override {
    m_checker.reset();
    AfxSetMainWndProvider(m_previousMain);
    g_main = nullptr;
    m_main.DestroyWindow();
  }

  void SetAutomaticValue(int on) {
    m_hives.SetRaw(HKEY_CURRENT_USER, kSettings, "CheckWebAutomatic", REG_BINARY, &on, sizeof(on));
  }
  // A checker on the test's server, started as the program starts it.
  CWebUpdateChecker& StartChecker() {
    m_checker.reset(new CWebUpdateChecker);
    EXPECT_TRUE(m_checker->SetServerRoot(m_server.Root().c_str()));
    m_checker->SetHistoryUrl("http://www.quarvex.example/history.htm");
    m_checker->Init("Quarvex 3.0");
    return *m_checker;
  }
  bool Finish() {
    return PumpUntil([&] { return !m_checker->IsChecking(); });
  }
  std::vector<BYTE> NextCheckBytes() {
    std::vector<BYTE> bytes;
    m_hives.GetRaw(HKEY_CURRENT_USER, kSettings, "CheckWebDateTime", &bytes);
    return bytes;
  }
  double DaysUntilNextCheck() {
    const std::vector<BYTE> bytes = NextCheckBytes();
    if (bytes.size() != 12) return -1000;
    double dt = 0;
    std::memcpy(&dt, bytes.data(), 8);
    return dt - COleDateTime::GetCurrentTime().m_dt;
  }
  // Answers the update dialog with a choice (and days), or cancels it.
  void AnswerUpdateDialog(int choice, int days = 1) {
    m_seams.onDialog = [=](CDialog* d) {
      EXPECT_EQ(d->m_nIDHelp, (UINT)IDD_UPDATE_AVAILABLE);
      ++m_dialogs;
      if (choice < 0) {
        d->EndDialog(IDCANCEL);
        return;
      }
      d->CheckRadioButton(IDC_UPDATE_STOP_CHECKING, IDC_UPDATE_INSTALL_NOW,
                          choice == 0 ? IDC_UPDATE_INSTALL_NOW
                                      : choice == 1 ? IDC_UPDATE_REMIND_LATER : IDC_UPDATE_STOP_CHECKING);
      d->SetDlgItemInt(IDC_UPDATE_DAYS, days);
      static_cast<CUpdateAvailableDlg*>(d)->OnOK();
    };
  }
  std::string YesLine(const std::string& address) { return "YES_UPDATE " + address + "\r\n"; }
  std::string SetupAddress() { return m_server.Root() + "/Downloads/QuarvexSetup.exe"; }

  LoopbackHttpServer m_server;
  CScratchHives m_hives{"update-check"};
  CSeams m_seams;
  CFakeMainWnd m_main;
  AfxMainWndProvider m_previousMain = nullptr;
  std::unique_ptr<CWebUpdateChecker> m_checker;
  int m_dialogs = 0;
};

TEST_F(UpdateCheckTest, ManualNoUpdateSaysSoAndStoresNothing) {
  m_server.QueueReply(Body("NO_UPDATE\r\n"));
  CWebUpdateChecker& checker = StartChecker();
  EXPECT_EQ(m_server.RequestCount(), 0);  // automatic checks are off
  checker.CheckNow();
  ASSERT_TRUE(Finish());
  ASSERT_EQ(m_server.Targets(), std::vector<std::string>{kQuery});
  EXPECT_EQ(m_server.LastHost(), "127.0.0.1:" + std::to_string(m_server.Port()));
  ASSERT_EQ(m_seams.boxes, std::vector<std::string>{kUpdateTextLatestVersion});
  EXPECT_TRUE(NextCheckBytes().empty());
}

TEST_F(UpdateCheckTest, AutomaticNoUpdateIsSilentAndMovesTheNextCheckADayAhead) {
  SetAutomaticValue(1);
  m_server.QueueReply(Body("NO_UPDATE\n"));  // a line ending in LF only
  StartChecker();  // automatic, and due: nothing stored yet
  ASSERT_TRUE(Finish());
  EXPECT_EQ(m_server.RequestCount(), 1);
  EXPECT_TRUE(m_seams.boxes.empty());
  EXPECT_NEAR(DaysUntilNextCheck(), 1.0, 1.0 / (24 * 60));

  // The next start finds the check not due.
  StartChecker();
  Finish();
  EXPECT_EQ(m_server.RequestCount(), 1);
}

TEST_F(UpdateCheckTest, EmptyRepliesAndServerErrorsChangeNothingInAutomaticChecks) {
  SetAutomaticValue(1);
  m_server.QueueReply(Body(""));
  StartChecker();
  ASSERT_TRUE(Finish());
  m_server.QueueReply(Body("NOT_FOUND", "404 Not Found"));
  m_checker->CheckInBackground();
  ASSERT_TRUE(Finish());
  m_server.QueueReply(Body("NO_UPDATE", "500 Internal Server Error"));
  m_checker->CheckInBackground();
  ASSERT_TRUE(Finish());
  EXPECT_EQ(m_server.RequestCount(), 3);
  EXPECT_TRUE(m_seams.boxes.empty());
  EXPECT_TRUE(NextCheckBytes().empty());
}

TEST_F(UpdateCheckTest, ManualChecksAnswerEveryReply) {
  CWebUpdateChecker& checker = StartChecker();
  struct Case {
    HttpReply reply;
    const char* message;  // nullptr: no message at all
  } cases[] = {
      {Body(""), nullptr},
      {Body("NOT_FOUND\r\n"), kUpdateTextNotFound},
      {Body("NOT_FOUND", "404 Not Found"), kUpdateTextNotFound},  // the status decides
      {Body("NO_UPDATE", "503 Service Unavailable"), kUpdateTextNotFound},
      {Body("GARBAGE\r\n"), kUpdateTextError},
      {Body("NO_UPDATE"), kUpdateTextLatestVersion},  // no line end at all
      {Body(std::string(1 << 20, 'x')), kUpdateTextError},  // 1 MB without a line break
      {Body("YES_UPDATE http://127.0.0.1:1.evil/x.exe\r\n"), kUpdateTextNotFound},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply.status + " " + c.reply.body.substr(0, 40));
    m_seams.boxes.clear();
    m_server.QueueReply(c.reply);
    checker.CheckNow();
    ASSERT_TRUE(Finish());
    if (c.message)
      EXPECT_EQ(m_seams.boxes, std::vector<std::string>{c.message});
    else
      EXPECT_TRUE(m_seams.boxes.empty());
  }
  EXPECT_EQ(m_dialogs, 0);
  EXPECT_TRUE(m_seams.starts.empty());
  EXPECT_TRUE(NextCheckBytes().empty());
}

TEST_F(UpdateCheckTest, NoServerGivesTheInternetErrorOnlyToAManualCheck) {
  m_checker.reset(new CWebUpdateChecker);
  ASSERT_TRUE(m_checker->SetServerRoot(
      ("http://127.0.0.1:" + std::to_string(LoopbackHttpServer::UnusedPort())).c_str()));
  m_checker->Init("Quarvex 3.0");
  m_checker->CheckInBackground();
  ASSERT_TRUE(Finish());
  EXPECT_TRUE(m_seams.boxes.empty());
  m_checker->CheckNow();
  ASSERT_TRUE(Finish());
  ASSERT_EQ(m_seams.boxes.size(), 1u);
  EXPECT_EQ(m_seams.boxes[0], std::string(CInternetException(ERROR_INTERNET_CANNOT_CONNECT).GetErrorMessage()));
}

BOOL Offline(HINTERNET, DWORD option, LPVOID buffer, LPDWORD length) {
  if (option != INTERNET_OPTION_CONNECTED_STATE || *length < sizeof(DWORD)) return FALSE;
  *static_cast<DWORD*>(buffer) = INTERNET_STATE_DISCONNECTED;
  return TRUE;
}

TEST_F(UpdateCheckTest, WithoutAConnectionOnlyAManualCheckSaysSoAndNothingIsAsked) {
  CWebUpdateChecker& checker = StartChecker();
  {
    CSeamOverride<AfxInternetQueryOptionSeam> offline(AfxSetInternetQueryOptionSeam, Offline);
    checker.CheckInBackground();
    ASSERT_TRUE(Finish());
    EXPECT_TRUE(m_seams.boxes.empty());
    checker.CheckNow();
    ASSERT_TRUE(Finish());
    EXPECT_EQ(m_seams.boxes, std::vector<std::string>{kUpdateTextNotConnected});
  }
  EXPECT_EQ(m_server.RequestCount(), 0);
  // Connected again, the next manual check runs normally.
  m_server.QueueReply(Body("NO_UPDATE"));
  checker.CheckNow();
  ASSERT_TRUE(Finish());
  EXPECT_EQ(m_server.RequestCount(), 1);
  EXPECT_EQ(m_seams.boxes.back(), kUpdateTextLatestVersion);
}

TEST_F(UpdateCheckTest, OneCheckAtATimeAndAManualRequestIsAnsweredByTheRunningOne) {
  CWebUpdateChecker& checker = StartChecker();
  m_server.SetDefaultReply(Body("NO_UPDATE\r\n", "200 OK", 700));
  checker.CheckNow();
  checker.CheckNow();
  ASSERT_TRUE(Finish());
  EXPECT_EQ(m_server.RequestCount(), 1);
  EXPECT_EQ(m_seams.boxes, std::vector<std::string>{kUpdateTextLatestVersion});

  // An automatic check that runs when the user asks answers the user, and keeps the schedule.
  m_seams.boxes.clear();
  checker.CheckInBackground();
  checker.CheckNow();
  ASSERT_TRUE(Finish());
  EXPECT_EQ(m_server.RequestCount(), 2);
  EXPECT_EQ(m_seams.boxes, std::vector<std::string>{kUpdateTextLatestVersion});
  EXPECT_TRUE(NextCheckBytes().empty());
}

TEST_F(UpdateCheckTest, InstallNowStartsTheUpdaterWithTheQuotedAddressAndClosesTheProgram) {
  m_server.QueueReply(Body(YesLine(SetupAddress()) + "more text\r\n"));
  AnswerUpdateDialog(UPDATE_INSTALL_NOW);
  CWebUpdateChecker& checker = StartChecker();
  checker.CheckNow();
  ASSERT_TRUE(Finish());
  EXPECT_EQ(m_dialogs, 1);
  ASSERT_EQ(m_seams.starts.size(), 1u);
  EXPECT_EQ(m_seams.starts[0].file, std::string(GetProgramFolder()) + "UpdateTalvenor.exe");
  EXPECT_EQ(m_seams.starts[0].parameters, " -install \"" + SetupAddress() + "\"");
  EXPECT_TRUE(PumpUntil([&] { return m_main.m_closes > 0; }));
  EXPECT_EQ(m_main.m_closes, 1);
  EXPECT_TRUE(m_seams.boxes.empty());
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  FILE* f = fopen(path.c_str(), "rb");
  if (!f) return lines;
  char line[4096];
  while (fgets(line, sizeof line, f)) {
    std::string text = line;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    lines.push_back(text);
  }
  fclose(f);
  return lines;
}

// The real shell starts the updater's stand-in next to this test program, which writes down
// the arguments it got (the file appears once they are all in): the address arrives whole, as
// one argument.
TEST_F(UpdateCheckTest, TheStartedUpdaterGetsTheAddressAsOneArgument) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string log = std::string(temp) + "qx-updater-" + std::to_string(GetCurrentProcessId()) + ".txt";
  DeleteFileA(log.c_str());
  SetEnvironmentVariableA("QUARVEX_UPDATER_STUB_LOG", log.c_str());
  m_seams.realShell = true;
  // An address with characters a command line could misread.
  const std::string address = m_server.Root() + "/Downloads/Quarvex%20Setup&v=3;x=(1).exe";
  m_server.QueueReply(Body(YesLine(address)));
  AnswerUpdateDialog(UPDATE_INSTALL_NOW);
  StartChecker().CheckNow();
  ASSERT_TRUE(Finish());
  auto written = [&] { return GetFileAttributesA(log.c_str()) != INVALID_FILE_ATTRIBUTES; };
  EXPECT_TRUE(PumpUntil(written));
  EXPECT_EQ(ReadLines(log), (std::vector<std::string>{"-install", address}));
  EXPECT_TRUE(m_seams.boxes.empty());
  EXPECT_TRUE(PumpUntil([&] { return m_main.m_closes > 0; }));
  EXPECT_EQ(m_main.m_closes, 1);

  // Help > Check for Talvenor Updates starts it with no arguments at all.
  DeleteFileA(log.c_str());
  m_checker->RunUpdateHelper();
  EXPECT_TRUE(PumpUntil(written));
  EXPECT_TRUE(ReadLines(log).empty());
  SetEnvironmentVariableA("QUARVEX_UPDATER_STUB_LOG", NULL);
  DeleteFileA(log.c_str());
}

TEST_F(UpdateCheckTest, AnUpdaterThatDoesNotStartIsReportedAndTheProgramStays) {
  m_seams.shellResult = SE_ERR_FNF;
  m_server.QueueReply(Body(YesLine(SetupAddress())));
  AnswerUpdateDialog(UPDATE_INSTALL_NOW);
  SetAutomaticValue(1);
  StartChecker();  // the automatic check offers the update too
  ASSERT_TRUE(Finish());
  EXPECT_EQ(m_dialogs, 1);
  EXPECT_EQ(m_seams.starts.size(), 1u);
  EXPECT_EQ(m_seams.boxes, std::vector<std::string>{kUpdateTextCannotStartUpdater});
  m_checker->RunUpdateHelper();  // Help > Check for Talvenor Updates: the same message
  EXPECT_EQ(m_seams.starts.back().parameters, "");
  EXPECT_EQ(m_seams.boxes.size(), 2u);
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(m_main.m_closes, 0);
}

TEST_F(UpdateCheckTest, TheOtherChoicesScheduleOrStopAndCancelChangesNothing) {
  SetAutomaticValue(1);
  m_server.SetDefaultReply(Body(YesLine(SetupAddress())));
  AnswerUpdateDialog(-1);
  StartChecker();
  ASSERT_TRUE(Finish());
  EXPECT_EQ(m_dialogs, 1);
  EXPECT_TRUE(NextCheckBytes().empty());  // still due at the next start

  AnswerUpdateDialog(UPDATE_REMIND_LATER, 7);
  m_checker->CheckNow();
  ASSERT_TRUE(Finish());
  EXPECT_NEAR(DaysUntilNextCheck(), 7.0, 1.0 / (24 * 60));

  AnswerUpdateDialog(UPDATE_STOP_CHECKING);
  m_checker->CheckNow();
  ASSERT_TRUE(Finish());
  EXPECT_FALSE(m_checker->IsAutomatic());
  EXPECT_TRUE(NextCheckBytes().empty());
  EXPECT_TRUE(m_seams.starts.empty());
  EXPECT_EQ(m_main.m_closes, 0);
}

TEST_F(UpdateCheckTest, WithoutTheInstallationKeyNoRequestIsMadeAndAManualCheckSaysWhy) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kSettings);
  SetAutomaticValue(1);
  CWebUpdateChecker& checker = StartChecker();
  EXPECT_TRUE(checker.GetRequestAddress().IsEmpty());
  EXPECT_TRUE(m_seams.boxes.empty());
  checker.CheckNow();
  EXPECT_EQ(m_seams.boxes, std::vector<std::string>{kUpdateTextNotAvailable});
  EXPECT_EQ(m_server.RequestCount(), 0);
  // The switch still works on the user's values.
  EXPECT_TRUE(checker.IsAutomatic());
  checker.ToggleAutomatic();
  EXPECT_FALSE(checker.IsAutomatic());
}

TEST_F(UpdateCheckTest, AMissingVersionIsSentAsOldAndOddVersionsEncoded) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kSettings);
  m_hives.SetString(HKEY_LOCAL_MACHINE, kSettings, "Unrelated", "x");
  m_server.SetDefaultReply(Body("NO_UPDATE"));
  StartChecker().CheckNow();
  ASSERT_TRUE(Finish());
  m_hives.SetString(HKEY_LOCAL_MACHINE, kSettings, "Version", "3 0&x");
  StartChecker().CheckNow();
  ASSERT_TRUE(Finish());
  const DWORD number = 3;
  m_hives.SetRaw(HKEY_LOCAL_MACHINE, kSettings, "Version", REG_DWORD, &number, sizeof(number));
  StartChecker().CheckNow();
  ASSERT_TRUE(Finish());
  const std::vector<std::string> expected = {
      "/IUpdate/IUpdate.dll?UpdateAvailable?Quarvex-3.0_Old_",
      "/IUpdate/IUpdate.dll?UpdateAvailable?Quarvex-3.0_3%200%26x_",
      "/IUpdate/IUpdate.dll?UpdateAvailable?Quarvex-3.0_Old_"};
  EXPECT_EQ(m_server.Targets(), expected);
}

TEST_F(UpdateCheckTest, TheFirstStartAsksOnceAndTheAnswerDecides) {
  HKEY key = NULL;
  RegOpenKeyExA(HKEY_CURRENT_USER, kSettings, 0, KEY_ALL_ACCESS, &key);
  RegDeleteValueA(key, "CheckWebAutomatic");
  RegCloseKey(key);
  m_server.SetDefaultReply(Body("NO_UPDATE"));

  m_seams.answers = {IDYES};
  StartChecker();
  ASSERT_EQ(m_seams.boxes.size(), 1u);
  EXPECT_EQ(m_seams.boxes[0].find("Would you like to enable automatic updates feature?\n\nIf you "
                                  "choose YES, Quarvex 3.0 will connect to Talvenor\nwebsite"),
            0u);
  EXPECT_EQ(m_seams.boxTypes[0] & MB_TYPEMASK, (UINT)MB_YESNO);
  ASSERT_TRUE(Finish());
  EXPECT_TRUE(m_checker->IsAutomatic());
  EXPECT_EQ(m_server.RequestCount(), 1);  // switched on, so due at once

  // Asked already: no question, and the check is not due before tomorrow.
  StartChecker();
  ASSERT_TRUE(Finish());
  EXPECT_EQ(m_seams.boxes.size(), 1u);
  EXPECT_EQ(m_server.RequestCount(), 1);

  // Switching the automatic checks on from the menu makes the next start check.
  m_checker->ToggleAutomatic();
  m_checker->ToggleAutomatic();
  EXPECT_TRUE(NextCheckBytes().empty());
  StartChecker();
  ASSERT_TRUE(Finish());
  EXPECT_EQ(m_server.RequestCount(), 2);
}

TEST_F(UpdateCheckTest, AnswerNoKeepsAutomaticChecksOff) {
  HKEY key = NULL;
  RegOpenKeyExA(HKEY_CURRENT_USER, kSettings, 0, KEY_ALL_ACCESS, &key);
  RegDeleteValueA(key, "CheckWebAutomatic");
  RegCloseKey(key);
  m_seams.answers = {IDNO};
  StartChecker();
  Finish();
  EXPECT_EQ(m_seams.boxes.size(), 1u);
  EXPECT_FALSE(m_checker->IsAutomatic());
  EXPECT_EQ(m_server.RequestCount(), 0);
}

TEST_F(UpdateCheckTest, DamagedOrFarScheduleDatesMakeTheCheckDue) {
  SetAutomaticValue(1);
  CWebUpdateChecker checker;
  checker.SetServerRoot(m_server.Root().c_str());
  m_seams.answers = {};
  // Not yet initialised: there is no settings key and every check is due.
  EXPECT_TRUE(checker.IsCheckDue());
  m_checker.reset(new CWebUpdateChecker);
  m_checker->SetServerRoot(m_server.Root().c_str());
  m_server.SetDefaultReply(Body("NO_UPDATE"));
  m_checker->Init("Quarvex 3.0");
  ASSERT_TRUE(Finish());
  EXPECT_FALSE(m_checker->IsCheckDue());  // a day ahead now

  const BYTE shortBlob[4] = {1, 2, 3, 4};
  m_hives.SetRaw(HKEY_CURRENT_USER, kSettings, "CheckWebDateTime", REG_BINARY, shortBlob, 4);
  EXPECT_TRUE(m_checker->IsCheckDue());
  BYTE blob[12] = {};
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::memcpy(blob, &nan, 8);
  m_hives.SetRaw(HKEY_CURRENT_USER, kSettings, "CheckWebDateTime", REG_BINARY, blob, 12);
  EXPECT_TRUE(m_checker->IsCheckDue());
  const double tomorrow = COleDateTime::GetCurrentTime().m_dt + 1;
  const int invalid = 1;
  std::memcpy(blob, &tomorrow, 8);
  std::memcpy(blob + 8, &invalid, 4);
  m_hives.SetRaw(HKEY_CURRENT_USER, kSettings, "CheckWebDateTime", REG_BINARY, blob, 12);
  EXPECT_TRUE(m_checker->IsCheckDue());
  const double farAhead = COleDateTime::GetCurrentTime().m_dt + 400;
  const int valid = 0;
  std::memcpy(blob, &farAhead, 8);
  std::memcpy(blob + 8, &valid, 4);
  m_hives.SetRaw(HKEY_CURRENT_USER, kSettings, "CheckWebDateTime", REG_BINARY, blob, 12);
  EXPECT_TRUE(m_checker->IsCheckDue());
}

// Only the configured server's own reply decides: a redirect is an answer of no kind.
TEST_F(UpdateCheckTest, ARedirectIsNeitherFollowedNorBelieved) {
  LoopbackHttpServer other;
  ASSERT_TRUE(other.Start("127.0.0.2"));
  // The other host would offer an update with an address on the configured server.
  other.SetDefaultReply(Body(YesLine(SetupAddress())));
  HttpReply moved = Body("", "301 Moved Permanently");
  moved.headers = {"Location: " + other.Root() + kQuery};
  m_server.QueueReply(moved);
  AnswerUpdateDialog(UPDATE_INSTALL_NOW);
  CWebUpdateChecker& checker = StartChecker();
  checker.CheckNow();
  ASSERT_TRUE(Finish());
  EXPECT_EQ(m_seams.boxes, std::vector<std::string>{kUpdateTextNotFound});
  EXPECT_EQ(other.RequestCount(), 0);
  EXPECT_EQ(m_dialogs, 0);
  EXPECT_TRUE(m_seams.starts.empty());

  // A redirect back to the same address makes one request per check, and an automatic check
  // says nothing and keeps its schedule.
  HttpReply loop = Body("", "302 Found");
  loop.headers = {"Location: " + m_server.Root() + kQuery};
  m_server.SetDefaultReply(loop);
  checker.CheckInBackground();
  ASSERT_TRUE(Finish());
  EXPECT_EQ(m_server.RequestCount(), 2);
  checker.CheckNow();
  ASSERT_TRUE(Finish());
  EXPECT_EQ(m_server.RequestCount(), 3);
  EXPECT_EQ(m_seams.boxes, (std::vector<std::string>{kUpdateTextNotFound, kUpdateTextNotFound}));
  EXPECT_TRUE(NextCheckBytes().empty());
}

UpdateTimeouts g_timeouts = {kUpdateStepTimeoutMs, kUpdateCheckBoundMs};
UpdateTimeouts TestTimeouts() {
  return g_timeouts;
}

HttpReply Misbehaving(HttpReply::Behaviour behaviour) {
  HttpReply r;
  r.behaviour = behaviour;
  r.intervalMs = 200;
  return r;
}

// A server that takes the request and never answers: the receive timeout ends the wait, with the
// internet error for a manual check and in silence for an automatic one.
TEST_F(UpdateCheckTest, AServerThatNeverAnswersMeetsTheReceiveTimeout) {
  const DWORD bound = 30000;
  g_timeouts = {500, bound};
  CSeamOverride<WebUpdateTimeoutsSeam> limits(SetWebUpdateTimeoutsSeam, TestTimeouts);
  m_server.SetDefaultReply(Misbehaving(HttpReply::SILENT));
  CWebUpdateChecker& checker = StartChecker();
  const DWORD start = GetTickCount();
  checker.CheckNow();
  ASSERT_TRUE(Finish());
  EXPECT_LT(GetTickCount() - start, bound / 2);  // long before the bound
  ASSERT_EQ(m_seams.boxes.size(), 1u);
  EXPECT_NE(m_seams.boxes[0], kUpdateTextNotFound);  // the internet error, not the bound
  checker.CheckInBackground();
  ASSERT_TRUE(Finish());
  EXPECT_EQ(m_seams.boxes.size(), 1u);
  EXPECT_TRUE(PumpUntil([&] { return m_server.RequestCount() == 2; }));
}

// Whatever the server sends, the check ends at its bound: a manual check says it could not
// find out, an automatic one says nothing, and the request really ends (the server sees the
// client go), so nothing goes on reading or filling memory.
TEST_F(UpdateCheckTest, EveryCheckEndsAtItsBoundWhateverTheServerSends) {
  // Room for the request to reach the server first, on a busy machine too.
  const DWORD bound = 4000;
  g_timeouts = {kUpdateStepTimeoutMs, bound};
  CSeamOverride<WebUpdateTimeoutsSeam> limits(SetWebUpdateTimeoutsSeam, TestTimeouts);
  CWebUpdateChecker& checker = StartChecker();
  const struct {
    HttpReply::Behaviour behaviour;
    const char* name;
  } cases[] = {{HttpReply::SILENT, "silent"},
               {HttpReply::ENDLESS_HEADERS, "endless header lines"},
               {HttpReply::ENDLESS_CONTINUE, "endless 100 Continue"},
               {HttpReply::DRIP, "a body byte now and then"}};
  int cutOff = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    m_seams.boxes.clear();
    m_server.QueueReply(Misbehaving(c.behaviour));
    const DWORD start = GetTickCount();
    checker.CheckNow();
    ASSERT_TRUE(Finish());
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, bound - 100);
    EXPECT_LT(elapsed, kUpdateStepTimeoutMs / 2);  // long before any step timeout
    EXPECT_EQ(m_seams.boxes, std::vector<std::string>{kUpdateTextNotFound});
    EXPECT_TRUE(PumpUntil([&] { return m_server.CutOffCount() > cutOff; }));
    cutOff = m_server.CutOffCount();
  }
  m_seams.boxes.clear();
  m_server.QueueReply(Misbehaving(HttpReply::ENDLESS_HEADERS));
  checker.CheckInBackground();
  ASSERT_TRUE(Finish());
  EXPECT_TRUE(m_seams.boxes.empty());
  EXPECT_TRUE(NextCheckBytes().empty());
  EXPECT_EQ(m_dialogs, 0);
}

TEST_F(UpdateCheckTest, ShutdownDuringASlowCheckReturnsAndNothingIsShownLater) {
  m_server.QueueReply(Body("NO_UPDATE", "200 OK", 1500));
  CWebUpdateChecker& checker = StartChecker();
  checker.CheckNow();
  ASSERT_TRUE(PumpUntil([&] { return m_server.RequestCount() > 0; }));
  checker.Shutdown(100);
  EXPECT_FALSE(checker.IsChecking());
  m_checker.reset();  // the worker may still wait for its reply; it has all it needs
  // The worker ends, whatever it got by then; nothing it left is shown.
  EXPECT_TRUE(PumpUntil([] { return !IsWebUpdateBusy(); }));
  PumpUntil([] { return false; }, 200);
  EXPECT_TRUE(m_seams.boxes.empty());
}

TEST_F(UpdateCheckTest, OnlyPlainWebAddressesCanBecomeTheServerRoot) {
  CWebUpdateChecker checker;
  EXPECT_STREQ(checker.GetServerRoot(), kDefaultUpdateServerRoot);
  EXPECT_FALSE(checker.SetServerRoot("file://c:/x"));
  EXPECT_FALSE(checker.SetServerRoot("http://a b"));
  EXPECT_FALSE(checker.SetServerRoot(nullptr));
  EXPECT_STREQ(checker.GetServerRoot(), kDefaultUpdateServerRoot);
  EXPECT_TRUE(checker.SetServerRoot("http://127.0.0.1:8080/"));
  EXPECT_STREQ(checker.GetServerRoot(), "http://127.0.0.1:8080");

  // The deployment's setting: the environment first, then the user's registry value.
  m_hives.SetString(HKEY_CURRENT_USER, kSettings, "UpdateServerRoot", "http://127.0.0.2:81/");
  SetEnvironmentVariableA("QUARVEX_UPDATE_ROOT", NULL);
  EXPECT_STREQ(CWebUpdateChecker::GetConfiguredServerRoot("Quarvex 3.0"), "http://127.0.0.2:81");
  SetEnvironmentVariableA("QUARVEX_UPDATE_ROOT", "http://127.0.0.3:82");
  EXPECT_STREQ(CWebUpdateChecker::GetConfiguredServerRoot("Quarvex 3.0"), "http://127.0.0.3:82");
  SetEnvironmentVariableA("QUARVEX_UPDATE_ROOT", "javascript:alert(1)");
  EXPECT_STREQ(CWebUpdateChecker::GetConfiguredServerRoot("Quarvex 3.0"), "http://127.0.0.2:81");
  SetEnvironmentVariableA("QUARVEX_UPDATE_ROOT", NULL);
}

}  // namespace

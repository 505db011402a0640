// Internet session, HTTP reply and internet exception through the real WinINet, against a
// server of the test's own on 127.0.0.1.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "framework/win/AfxWin.h"
#include "framework/win/Internet.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/WaitUntil.h"

namespace {

using qxtest::HttpReply;
using qxtest::LoopbackHttpServer;

class InternetTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_server.Start()); }
  std::string Url(const char* path = "/page") const { return m_server.Root() + path; }

  LoopbackHttpServer m_server;
};

HttpReply Reply(const std::string& body, const char* status = "200 OK", unsigned delay = 0) {
  HttpReply r;
  r.body = body;
  r.status = status;
  r.delayMs = delay;
  return r;
}

const DWORD kFlags = INTERNET_FLAG_TRANSFER_BINARY | INTERNET_FLAG_RELOAD | INTERNET_FLAG_KEEP_CONNECTION;

// Waits until the server has a request; FALSE once the test has stopped waiting (finished) or
// the cap has passed.
bool WaitForRequest(const LoopbackHttpServer& server, const std::atomic<bool>& finished) {
  return qxtest::WaitUntil([&] { return finished || server.RequestCount() > 0; }) &&
         server.RequestCount() > 0;
}

TEST_F(InternetTest, ReadsTheStatusAndTheReplyLineByLine) {
  m_server.QueueReply(Reply("first\r\nsecond\nlast"));
  CInternetSession session("QuarvexTest");
  DWORD state = 0;
  EXPECT_TRUE(session.QueryOption(INTERNET_OPTION_CONNECTED_STATE, state));
  CHttpFile* file = session.OpenURL(Url("//IUpdate/x.dll?A?b_c_").c_str(), 1, kFlags);
  ASSERT_NE(file, nullptr);
  DWORD status = 0;
  EXPECT_TRUE(file->QueryInfoStatusCode(status));
  EXPECT_EQ(status, 200u);
  CString line;
  EXPECT_TRUE(file->ReadString(line));
  EXPECT_STREQ(line, "first");
  EXPECT_TRUE(file->ReadString(line));
  EXPECT_STREQ(line, "second");
  EXPECT_TRUE(file->ReadString(line));
  EXPECT_STREQ(line, "last");
  EXPECT_FALSE(file->ReadString(line));
  EXPECT_STREQ(line, "");
  delete file;
  ASSERT_EQ(m_server.RequestCount(), 1);
  EXPECT_EQ(m_server.Targets()[0], "/IUpdate/x.dll?A?b_c_");
  EXPECT_EQ(m_server.LastHost(), "127.0.0.1:" + std::to_string(m_server.Port()));
}

TEST_F(InternetTest, ErrorStatusesAndEmptyBodiesAreReportedAsTheyAre) {
  m_server.QueueReply(Reply("NOT_FOUND", "404 Not Found"));
  m_server.QueueReply(Reply(""));
  CInternetSession session;
  CHttpFile* file = session.OpenURL(Url().c_str(), 1, kFlags);
  DWORD status = 0;
  EXPECT_TRUE(file->QueryInfoStatusCode(status));
  EXPECT_EQ(status, 404u);
  delete file;
  file = session.OpenURL(Url().c_str(), 1, kFlags);
  CString line = "x";
  EXPECT_FALSE(file->ReadString(line));
  EXPECT_TRUE(line.IsEmpty());
  delete file;
}

TEST_F(InternetTest, AnEndlessLineIsCutAtTheCapAndTheRestIsNotRead) {
  m_server.QueueReply(Reply(std::string(1 << 20, 'x')));
  CInternetSession session;
  CHttpFile* file = session.OpenURL(Url().c_str(), 1, kFlags);
  CString line;
  EXPECT_TRUE(file->ReadString(line, 4096));
  EXPECT_EQ(line.GetLength(), 4096);
  char byte = 0;
  EXPECT_EQ(file->Read(&byte, 1), 1u);  // the rest is still there, unread
  delete file;
}

TEST_F(InternetTest, FailuresThrowWithATextTheUserCanRead) {
  CInternetSession session;
  const std::string refused = "http://127.0.0.1:" + std::to_string(LoopbackHttpServer::UnusedPort()) + "/x";
  DWORD error = 0;
  CString text;
  try {
    delete session.OpenURL(refused.c_str(), 1, kFlags);
  } catch (CInternetException* e) {
    error = e->m_dwError;
    text = e->GetErrorMessage();
    e->Delete();
  }
  EXPECT_EQ(error, (DWORD)ERROR_INTERNET_CANNOT_CONNECT);
  EXPECT_FALSE(text.IsEmpty());
  EXPECT_EQ(text.Find("\r\n"), -1);

  error = 0;
  try {
    delete session.OpenURL("file:///c:/windows/win.ini");
  } catch (CInternetException* e) {
    error = e->m_dwError;
    e->Delete();
  }
  EXPECT_EQ(error, (DWORD)ERROR_INTERNET_UNRECOGNIZED_SCHEME);

  // Every error has some text, even one nobody knows.
  CInternetException odd(987654);
  EXPECT_GE(odd.GetErrorMessage().Find("987654"), 0);
}

std::string g_reported;
int RecordBox(HWND, LPCSTR text, LPCSTR, UINT) {
  g_reported = text;
  return IDOK;
}

TEST_F(InternetTest, ReportErrorShowsTheMessage) {
  CSeamOverride<AfxMessageBoxSeam> boxes(AfxSetMessageBoxSeam, RecordBox);
  CInternetException e(ERROR_INTERNET_CANNOT_CONNECT);
  EXPECT_EQ(e.ReportError(MB_OK), IDOK);
  EXPECT_EQ(g_reported, std::string(e.GetErrorMessage()));
  CException plain;
  plain.ReportError();
  EXPECT_EQ(g_reported, "No error message is available.");
}

// The waiting call ends at once, long before the reply would come (Wine would let it wait on
// its socket), and the reply of a closed session is never handed over.
TEST_F(InternetTest, ClosingTheSessionFromAnotherThreadEndsAWaitingRequest) {
  m_server.QueueReply(Reply("late", "200 OK", 20000));
  CInternetSession session;
  std::atomic<bool> finished{false}, requested{false};
  DWORD closed = 0;
  std::thread closer([&] {
    requested = WaitForRequest(m_server, finished);
    closed = GetTickCount();
    session.Close();
  });
  DWORD error = 0;
  CString line;
  try {
    CHttpFile* file = session.OpenURL(Url().c_str(), 1, kFlags);
    file->ReadString(line);
    delete file;
  } catch (CInternetException* e) {
    error = e->m_dwError;
    e->Delete();
  }
  const DWORD ended = GetTickCount();
  finished = true;
  closer.join();
  ASSERT_TRUE(requested) << "the request never reached the server";
  EXPECT_LT(ended - closed, 1500u);
  EXPECT_NE(error, 0u);
  EXPECT_TRUE(line.IsEmpty());
  EXPECT_EQ(session.GetSafeHandle(), (HINTERNET)NULL);
  session.Close();  // twice is harmless
}

// The session's receive timeout reaches the connection of each request, also under Wine,
// which does not hand a session's timeout on by itself: the wait for the silent server's reply
// ends soon after the request got there (connecting on a cold machine is not measured).
TEST_F(InternetTest, TheSessionsTimeoutsReachItsRequests) {
  HttpReply silent;
  silent.behaviour = HttpReply::SILENT;
  m_server.QueueReply(silent);
  CInternetSession session;
  EXPECT_TRUE(session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, 300));
  std::atomic<bool> finished{false};
  std::atomic<DWORD> requestedAt{0};
  std::thread watch([&] {
    if (WaitForRequest(m_server, finished)) requestedAt = GetTickCount();
  });
  DWORD error = 0;
  try {
    delete session.OpenURL(Url().c_str(), 1, kFlags);
  } catch (CInternetException* e) {
    error = e->m_dwError;
    e->Delete();
  }
  const DWORD ended = GetTickCount();
  finished = true;
  watch.join();
  EXPECT_NE(error, 0u);
  ASSERT_NE(requestedAt.load(), 0u) << "the request never reached the server";
  // A watch that woke only after the end notes the request late: that shortens the time taken,
  // never lengthens it.
  EXPECT_LT(static_cast<int>(ended - requestedAt.load()), 3000);
}

BOOL ReportOffline(HINTERNET, DWORD option, LPVOID buffer, LPDWORD length) {
  if (option != INTERNET_OPTION_CONNECTED_STATE || *length < sizeof(DWORD)) return FALSE;
  *static_cast<DWORD*>(buffer) = INTERNET_STATE_DISCONNECTED;
  return TRUE;
}

TEST_F(InternetTest, TheConnectedStateGoesThroughTheSeam) {
  CInternetSession session;
  DWORD state = 0;
  {
    CSeamOverride<AfxInternetQueryOptionSeam> offline(AfxSetInternetQueryOptionSeam, ReportOffline);
    EXPECT_TRUE(session.QueryOption(INTERNET_OPTION_CONNECTED_STATE, state));
    EXPECT_EQ(state & INTERNET_STATE_CONNECTED, 0u);
  }
  EXPECT_TRUE(session.QueryOption(INTERNET_OPTION_CONNECTED_STATE, state));
  EXPECT_NE(state & INTERNET_STATE_CONNECTED, 0u);
}

}  // namespace

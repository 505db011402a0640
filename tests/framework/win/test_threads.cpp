// Worker threads: AfxBeginThread, the per-thread handle maps, and message boxes and dialogs of a
// worker thread that never take a window of the user-interface thread as owner.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "framework/win/AfxWin.h"
#include "framework/win/WinThread.h"
#include "tests/framework/win/testdialogs.h"
#include "tests/support/WaitUntil.h"

namespace {

struct BoxCall {
  HWND owner = NULL;
  UINT type = 0;
  std::string text;
  DWORD thread = 0;
};
BoxCall g_box;
int RecordBox(HWND owner, LPCSTR text, LPCSTR, UINT type) {
  g_box.owner = owner;
  g_box.type = type;
  g_box.text = text;
  g_box.thread = GetCurrentThreadId();
  return IDOK;
}

// A top-level window of this thread that plays the main window (hidden: nothing to see).
class MainWindowTest : public ::testing::Test {
 public:
  static CWnd* s_main;

 protected:
  void SetUp() override {
    ASSERT_TRUE(m_main.CreateEx(0, AfxRegisterWndClass(0), "main", WS_OVERLAPPEDWINDOW,
                                10, 10, 300, 200, NULL, NULL));
    s_main = &m_main;
    m_previous = AfxSetMainWndProvider([] { return s_main; });
    g_box = BoxCall();
  }
  void TearDown() override {
    AfxSetMainWndProvider(m_previous);
    s_main = nullptr;
    m_main.DestroyWindow();
  }

  CWnd m_main;
  AfxMainWndProvider m_previous = nullptr;
  CSeamOverride<AfxMessageBoxSeam> m_boxes{AfxSetMessageBoxSeam, RecordBox};
};
CWnd* MainWindowTest::s_main = nullptr;

using qxtest::kWaitCapMs;

// Runs fn on a worker thread started by AfxBeginThread and waits for it.
template <class Fn>
UINT RunOnWorker(Fn fn) {
  static Fn* s_fn;
  s_fn = &fn;
  CWinThread* thread = AfxBeginThread([](LPVOID) -> UINT { return (*s_fn)(); }, nullptr,
                                      THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  EXPECT_NE(thread, nullptr);
  if (!thread) return static_cast<UINT>(-2);
  thread->m_bAutoDelete = FALSE;
  thread->ResumeThread();
  // Pump while waiting: a worker's window must not need this thread, but it does no harm.
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD waited = GetTickCount() - start;
    const DWORD left = waited < kWaitCapMs ? kWaitCapMs - waited : 0;
    const DWORD woken = MsgWaitForMultipleObjects(1, &thread->m_hThread, FALSE, left, QS_ALLINPUT);
    if (woken == WAIT_OBJECT_0) break;
    if (woken != WAIT_OBJECT_0 + 1) {
      ADD_FAILURE() << "the worker did not end within " << kWaitCapMs << " ms";
      // Stopped, so that it never calls fn once fn is gone with this frame.
      TerminateThread(thread->m_hThread, static_cast<DWORD>(-3));
      WaitForSingleObject(thread->m_hThread, INFINITE);
      break;
    }
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  DWORD code = 0;
  GetExitCodeThread(thread->m_hThread, &code);
  delete thread;
  return code;
}

TEST_F(MainWindowTest, AWorkersMessageBoxHasNoOwnerAndComesToTheFront) {
  EXPECT_EQ(RunOnWorker([] { return (UINT)AfxMessageBox("from the worker", MB_OK); }), (UINT)IDOK);
  EXPECT_EQ(g_box.text, "from the worker");
  EXPECT_EQ(g_box.owner, (HWND)NULL);
  EXPECT_EQ(g_box.type & (MB_SETFOREGROUND | MB_TOPMOST), (UINT)(MB_SETFOREGROUND | MB_TOPMOST));

  // On the user-interface thread the main window owns the box.
  AfxMessageBox("from the main thread", MB_OK);
  EXPECT_EQ(g_box.owner, m_main.m_hWnd);
  EXPECT_EQ(g_box.type & MB_TOPMOST, 0u);
}

struct DialogSeen {
  HWND owner = (HWND)1;
  BOOL mainEnabled = FALSE;
};
DialogSeen g_dialog;
void EndAtOnce(CDialog* dlg) {
  g_dialog.owner = GetWindow(dlg->m_hWnd, GW_OWNER);
  g_dialog.mainEnabled = MainWindowTest::s_main && IsWindowEnabled(MainWindowTest::s_main->m_hWnd);
  dlg->EndDialog(IDCANCEL);
}

TEST_F(MainWindowTest, AWorkersDialogHasNoOwnerAndLeavesTheMainWindowEnabled) {
  CSeamOverride<AfxModalDialogSeam> modal(AfxSetModalDialogSeam, EndAtOnce);
  EXPECT_EQ(RunOnWorker([] {
              CDialog dlg(IDD_TEST_EXCHANGE);
              return (UINT)dlg.DoModal();
            }),
            (UINT)IDCANCEL);
  EXPECT_EQ(g_dialog.owner, (HWND)NULL);
  EXPECT_TRUE(g_dialog.mainEnabled);
  // Even a parent given explicitly is not taken from another thread.
  EXPECT_EQ(RunOnWorker([] {
              CDialog dlg(IDD_TEST_EXCHANGE, MainWindowTest::s_main);
              return (UINT)dlg.DoModal();
            }),
            (UINT)IDCANCEL);
  EXPECT_EQ(g_dialog.owner, (HWND)NULL);
  EXPECT_TRUE(g_dialog.mainEnabled);

  // The same dialog on this thread is owned by the main window, which it disables.
  CDialog dlg(IDD_TEST_EXCHANGE);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(g_dialog.owner, m_main.m_hWnd);
  EXPECT_FALSE(g_dialog.mainEnabled);
  EXPECT_TRUE(IsWindowEnabled(m_main.m_hWnd));
}

TEST(WorkerThreads, HandleMapsOfAThreadAreFreedWhenItEnds) {
  const int before = AfxGetLiveThreadMapCount();
  std::atomic<int> during{-1};
  RunOnWorker([&] {
    CWnd::FromHandle(GetDesktopWindow());
    CBrush::FromHandle((HBRUSH)GetStockObject(WHITE_BRUSH));
    during = AfxGetLiveThreadMapCount();
    return 0u;
  });
  EXPECT_EQ(during, before + 1);
  EXPECT_EQ(AfxGetLiveThreadMapCount(), before);
}

TEST(WorkerThreads, AutoDeletingThreadsRunAndReportWhatEscapes) {
  static std::atomic<int> ran{0};
  ran = 0;
  HANDLE done = CreateEventA(NULL, TRUE, FALSE, NULL);
  CWinThread* thread = AfxBeginThread(
      [](LPVOID event) -> UINT {
        ++ran;
        SetEvent(static_cast<HANDLE>(event));
        return 7;
      },
      done);
  ASSERT_NE(thread, nullptr);
  EXPECT_EQ(WaitForSingleObject(done, kWaitCapMs), WAIT_OBJECT_0);
  CloseHandle(done);
  EXPECT_EQ(ran, 1);

  CSeamOverride<AfxMessageBoxSeam> boxes(AfxSetMessageBoxSeam, RecordBox);
  const int reports = AfxGetReportedExceptionCount();
  EXPECT_EQ(RunOnWorker([]() -> UINT { AfxThrowFileException(CFileException::diskFull); }),
            static_cast<UINT>(-1));
  EXPECT_EQ(AfxGetReportedExceptionCount(), reports + 1);
  EXPECT_EQ(g_box.owner, (HWND)NULL);
}

}  // namespace

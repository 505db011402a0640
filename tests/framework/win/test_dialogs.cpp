// Dialogs: the modal-dialog seam, the modal loop's PreTranslateMessage walk and data exchange
// that applies all or nothing.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/win/AfxWin.h"
#include "framework/win/WinApp.h"
#include "tests/framework/win/testdialogs.h"
#include "tests/support/WaitUntil.h"

namespace {

std::vector<std::string> g_boxes;
int RecordBox(HWND, LPCSTR text, LPCSTR, UINT) {
  g_boxes.push_back(text);
  return IDOK;
}

// What the current test does once the dialog exists.
std::function<void(CDialog*)> g_script;
void RunScript(CDialog* dlg) {
  if (g_script) g_script(dlg);
}

class CExchangeDlg : public CDialog {
 public:
  CExchangeDlg() : CDialog(IDD_TEST_EXCHANGE) {}
  int m_count = 1;
  double m_value = 0.5;
  CString m_seenAtInit;
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    GetDlgItemText(IDC_NUM_EDIT, m_seenAtInit);
    return TRUE;
  }
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, IDC_INT_EDIT, m_count);
    DDX_Text(pDX, IDC_NUM_EDIT, m_value);
    DDV_MinMaxDouble(pDX, m_value, 0.0, 10.0);
  }
};

// An edit that keeps Enter for itself, as an in-place editor does.
class CEnterEdit : public CEdit {
 public:
  int m_enters = 0;
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
      ++m_enters;
      return TRUE;
    }
    return FALSE;
  }
};

class CKeysDlg : public CDialog {
 public:
  CKeysDlg() : CDialog(IDD_TEST_KEYS) {}
  CEnterEdit m_enter;
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_ENTER_EDIT, m_enter); }
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override { g_boxes.clear(); }
  void TearDown() override {
    g_script = nullptr;
    AfxDeleteTempMaps();
  }
  CSeamOverride<AfxModalDialogSeam> m_modal{AfxSetModalDialogSeam, RunScript};
  CSeamOverride<AfxMessageBoxSeam> m_boxes{AfxSetMessageBoxSeam, RecordBox};
};

void PostKey(HWND hWnd, UINT vk) {
  PostMessageA(hWnd, WM_KEYDOWN, vk, 1);
  PostMessageA(hWnd, WM_KEYUP, vk, 0xC0000001);
}

TEST_F(DialogTest, SeamRunsAfterInitDialogAndCanEndTheDialog) {
  CExchangeDlg dlg;
  bool sawWindow = false;
  g_script = [&](CDialog* d) {
    sawWindow = d == &dlg && IsWindow(d->m_hWnd);
    d->EndDialog(42);
  };
  EXPECT_EQ(dlg.DoModal(), 42);
  EXPECT_TRUE(sawWindow);
  EXPECT_EQ(dlg.m_seenAtInit, "0.5");  // OnInitDialog exchanged the members in
  EXPECT_EQ(dlg.m_hWnd, (HWND)NULL);   // and the window is gone afterwards
}

TEST_F(DialogTest, EnterKeptByAChildDoesNotPressOk) {
  CKeysDlg dlg;
  g_script = [](CDialog* d) {
    PostKey(d->GetDlgItem(IDC_ENTER_EDIT)->m_hWnd, VK_RETURN);
    d->PostMessage(WM_COMMAND, IDCANCEL, 0);
  };
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_enter.m_enters, 1);

  // The same key in an ordinary edit goes to the dialog's keyboard handling: OK.
  CKeysDlg second;
  g_script = [](CDialog* d) {
    PostKey(d->GetDlgItem(IDC_PLAIN_EDIT)->m_hWnd, VK_RETURN);
    d->PostMessage(WM_COMMAND, IDCANCEL, 0);
  };
  EXPECT_EQ(second.DoModal(), IDOK);
  EXPECT_EQ(second.m_enter.m_enters, 0);
}

TEST_F(DialogTest, DataExchangeIsAllOrNothing) {
  CExchangeDlg dlg;
  HWND focusAfterFail = NULL;
  HWND numEdit = NULL;
  DWORD selAfterFail = 0;
  int countAfterFail = -1;
  double valueAfterRange = -1;
  int countAfterRange = -1;
  g_script = [&](CDialog* d) {
    d->ShowWindow(SW_SHOWNORMAL);
    d->SetForegroundWindow();
    d->SetDlgItemText(IDC_INT_EDIT, "7");
    d->SetDlgItemText(IDC_NUM_EDIT, "abc");
    d->OnOK();  // refused: the dialog stays
    focusAfterFail = GetFocus();
    numEdit = GetDlgItem(d->m_hWnd, IDC_NUM_EDIT);
    selAfterFail = (DWORD)d->SendDlgItemMessage(IDC_NUM_EDIT, EM_GETSEL);
    countAfterFail = dlg.m_count;

    d->SetDlgItemText(IDC_NUM_EDIT, "12");  // a number, but out of range
    d->OnOK();
    valueAfterRange = dlg.m_value;
    countAfterRange = dlg.m_count;

    d->SetDlgItemText(IDC_NUM_EDIT, " 2.5 ");
    d->OnOK();  // accepted: ends the dialog
  };
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(countAfterFail, 1);        // the int read before the failure was put back
  EXPECT_EQ(focusAfterFail, numEdit);  // the bad control has the focus
  EXPECT_EQ(LOWORD(selAfterFail), 0);
  EXPECT_EQ(HIWORD(selAfterFail), 3);  // the whole bad text is selected
  EXPECT_EQ(valueAfterRange, 0.5);
  EXPECT_EQ(countAfterRange, 1);
  ASSERT_EQ(g_boxes.size(), 2u);
  EXPECT_EQ(g_boxes[0], kDdxEnterNumber);
  EXPECT_EQ(g_boxes[1], "Enter a number from 0 to 10.");
  EXPECT_EQ(dlg.m_count, 7);
  EXPECT_EQ(dlg.m_value, 2.5);
}

TEST_F(DialogTest, DataExchangeFindsControlsThroughTheWindowAndReadsLongTexts) {
  // A dialog that sends its number edit's id to the other edit: the exchange goes where the
  // window says, and takes texts of any length whole.
  class CRedirectDlg : public CDialog {
   public:
    CRedirectDlg() : CDialog(IDD_TEST_EXCHANGE) {}
    CString m_text;
    mutable int m_lookups = 0;
    HWND GetDlgItemHandle(int nID) const override {
      ++m_lookups;
      return CDialog::GetDlgItemHandle(nID == IDC_NUM_EDIT ? IDC_INT_EDIT : nID);
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_NUM_EDIT, m_text); }
  };
  CRedirectDlg dlg;
  std::vector<CString> read;
  g_script = [&](CDialog* d) {
    for (int length : {0, 254, 255, 256, 300}) {
      const std::string text(static_cast<size_t>(length), 'x');
      d->SetDlgItemText(IDC_INT_EDIT, text.c_str());
      d->SetDlgItemText(IDC_NUM_EDIT, "other");
      d->UpdateData(TRUE);
      read.push_back(dlg.m_text);
    }
    d->EndDialog(IDCANCEL);
  };
  dlg.DoModal();
  ASSERT_EQ(read.size(), 5u);
  const int lengths[5] = {0, 254, 255, 256, 300};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(read[i].GetLength(), lengths[i]);
    EXPECT_EQ(read[i], CString(std::string(static_cast<size_t>(lengths[i]), 'x').c_str()));
  }
  EXPECT_GE(dlg.m_lookups, 5);
}

TEST_F(DialogTest, ModelessDialogLivesUntilDestroyed) {
  CExchangeDlg dlg;
  ASSERT_TRUE(dlg.Create(IDD_TEST_EXCHANGE));
  EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_hWnd), &dlg);
  EXPECT_EQ(dlg.m_nIDHelp, (UINT)IDD_TEST_EXCHANGE);
  dlg.EndDialog(IDOK);  // hides a modeless dialog
  EXPECT_FALSE(dlg.IsWindowVisible());
  EXPECT_TRUE(dlg.DestroyWindow());
  EXPECT_EQ(dlg.m_hWnd, (HWND)NULL);
}

CWnd* g_mainWindow = nullptr;
CWnd* TestMainWindow() { return g_mainWindow; }

// A dialog made without a parent belongs to the main window, which it disables while it runs,
// so nothing else of the program can be used meanwhile; a child window as parent gives its
// top-level window the same treatment.
TEST_F(DialogTest, ModalDialogsWithoutParentBelongToTheMainWindow) {
  CWnd main;
  ASSERT_TRUE(main.CreateEx(0, "STATIC", "Main", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, NULL,
                            NULL));
  CWnd child;
  ASSERT_TRUE(child.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &main, 7));
  g_mainWindow = &main;
  AfxMainWndProvider previous = AfxSetMainWndProvider(TestMainWindow);

  HWND owner = NULL;
  BOOL enabledWhileOpen = TRUE;
  g_script = [&](CDialog* d) {
    owner = ::GetWindow(d->m_hWnd, GW_OWNER);
    enabledWhileOpen = main.IsWindowEnabled();
    d->EndDialog(IDCANCEL);
  };
  CExchangeDlg noParent;
  EXPECT_EQ(noParent.DoModal(), IDCANCEL);
  EXPECT_EQ(owner, main.m_hWnd);
  EXPECT_FALSE(enabledWhileOpen);
  EXPECT_TRUE(main.IsWindowEnabled());  // given back afterwards

  owner = NULL;
  enabledWhileOpen = TRUE;
  CDialog fromChild(IDD_TEST_EXCHANGE, &child);
  EXPECT_EQ(fromChild.DoModal(), IDCANCEL);
  EXPECT_EQ(owner, main.m_hWnd);
  EXPECT_FALSE(enabledWhileOpen);
  EXPECT_TRUE(main.IsWindowEnabled());

  AfxSetMainWndProvider(previous);
  g_mainWindow = nullptr;
  main.DestroyWindow();
}

// The clipboard opened for a window takes data that reads back while the window owns it.
TEST_F(DialogTest, ClipboardOpensForAWindow) {
  CWnd w;
  ASSERT_TRUE(w.CreateEx(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
  ASSERT_TRUE(w.OpenClipboard());
  EXPECT_EQ(::GetOpenClipboardWindow(), w.m_hWnd);
  ASSERT_TRUE(::EmptyClipboard());
  HBITMAP bitmap = ::CreateBitmap(12, 8, 1, 32, NULL);
  EXPECT_NE(::SetClipboardData(CF_BITMAP, bitmap), (HANDLE)NULL);
  ::CloseClipboard();
  ASSERT_TRUE(w.OpenClipboard());
  BITMAP info = {};
  HBITMAP got = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
  ASSERT_NE(got, (HBITMAP)NULL);
  ::GetObjectA(got, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 12);
  EXPECT_EQ(info.bmHeight, 8);
  ::EmptyClipboard();
  ::CloseClipboard();
  w.DestroyWindow();
}

}  // namespace

namespace {

// An application whose idle work the modal loop must run.
class CIdleApp : public CWinApp {
 public:
  CIdleApp() : CWinApp("IdleApp") {}
  int idles = 0;
  bool throwOnce = false;
  BOOL OnIdle(LONG count) override {
    ++idles;
    if (throwOnce) {
      throwOnce = false;
      throw std::runtime_error("idle failed");
    }
    return CWinApp::OnIdle(count);
  }
};

// Cancels the running dialog (as its Cancel button does) once done() holds, looked at on a
// timer; a dialog still waiting after the cap, meant for a stuck machine, ends with IDABORT.
using qxtest::kWaitCapMs;
std::function<bool()> g_cancelWhen;
DWORD g_giveUpAt = 0;
void CancelOnceTrue(CDialog* dlg, std::function<bool()> done) {
  g_cancelWhen = std::move(done);
  g_giveUpAt = ::GetTickCount() + kWaitCapMs;
  ::SetTimer(dlg->m_hWnd, 1, 20, [](HWND w, UINT, UINT_PTR id, DWORD) {
    const bool done = g_cancelWhen();
    if (!done && static_cast<int>(::GetTickCount() - g_giveUpAt) < 0) return;
    ::KillTimer(w, id);
    g_cancelWhen = nullptr;
    if (done)
      ::PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
    else
      static_cast<CDialog*>(CWnd::FromHandlePermanent(w))->EndDialog(IDABORT);
  });
}

// An edit whose message filter fails on one key.
class CThrowingEdit : public CEdit {
 public:
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == 'X') throw std::runtime_error("filter failed");
    return FALSE;
  }
};

class CThrowingDlg : public CDialog {
 public:
  CThrowingDlg() : CDialog(IDD_TEST_KEYS) {}
  CThrowingEdit m_edit;
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_ENTER_EDIT, m_edit); }
};

}  // namespace

// While a dialog runs, the application's idle work goes on (temporary objects are freed), and a
// failing idle step or message filter is reported without ending the dialog.
TEST_F(DialogTest, TheModalLoopDoesIdleWorkAndSurvivesFailingFilters) {
  CIdleApp app;
  int temporaryAtStart = -1;
  CThrowingDlg quiet;
  g_script = [&](CDialog* d) {
    CWnd::FromHandle(::GetDesktopWindow());  // a temporary wrapper, freed at idle time
    temporaryAtStart = AfxGetTemporaryWindowCount();
    CancelOnceTrue(d, [&] { return app.idles > 1 && AfxGetTemporaryWindowCount() == 0; });
  };
  EXPECT_EQ(quiet.DoModal(), IDCANCEL) << "IDABORT: the loop never did its idle work";
  EXPECT_GT(temporaryAtStart, 0);
  EXPECT_EQ(AfxGetTemporaryWindowCount(), 0);
  EXPECT_GT(app.idles, 1);

  // A failing message filter and a failing idle step are reported; the dialog goes on.
  const int reported = AfxGetReportedExceptionCount();
  app.throwOnce = true;
  CThrowingDlg failing;
  g_script = [&](CDialog* d) {
    PostKey(d->GetDlgItem(IDC_ENTER_EDIT)->m_hWnd, 'X');
    CancelOnceTrue(d, [&] { return AfxGetReportedExceptionCount() == reported + 2; });
  };
  EXPECT_EQ(failing.DoModal(), IDCANCEL) << "IDABORT: a failure went unreported";
  EXPECT_EQ(AfxGetReportedExceptionCount(), reported + 2);
}

// At its end a modal dialog gives the activation back to its owner's top-level window, also
// when its parent is a child window.
TEST_F(DialogTest, AnEndedDialogActivatesTheTopLevelOwner) {
  CWnd main;
  ASSERT_TRUE(main.CreateEx(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
                            200, NULL, NULL));
  CWnd child;
  ASSERT_TRUE(child.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &main, 7));
  ::SetActiveWindow(main.m_hWnd);
  g_script = [](CDialog* d) {
    ::SetActiveWindow(d->m_hWnd);
    d->EndDialog(IDOK);
  };
  CDialog fromChild(IDD_TEST_EXCHANGE, &child);
  EXPECT_EQ(fromChild.DoModal(), IDOK);
  EXPECT_EQ(::GetActiveWindow(), main.m_hWnd);
  main.DestroyWindow();
}

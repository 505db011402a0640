// The application framework under a display: command routing, update handlers on menus,
// MDI activation and titles, and the document prompts through the message-box seam.
#include <gtest/gtest.h>

#include <dde.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/win/WinApp.h"
#include "framework/win/CmdUI.h"
#include "framework/win/Document.h"
#include "framework/win/DocManager.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/MDIFrames.h"
#include "framework/win/Menu.h"
#include "framework/win/TestSeams.h"
#include "framework/win/View.h"
#include "tests/shell/mdiapp/mdiappres.h"

namespace {

std::vector<std::string> g_route;

#define LOGGING_HANDLER(cls, tag)         \
  BOOL OnRoute(UINT) {                    \
    g_route.push_back(tag);               \
    return FALSE; /* let routing go on */ \
  }

class CTestDoc : public CDocument {
  DECLARE_DYNCREATE(CTestDoc)
 public:
  LOGGING_HANDLER(CTestDoc, "doc")
  int saves = 0;
  // Files of the other product open as documents without a path.
  BOOL OnOpenDocument(LPCSTR path) override {
    if (!CDocument::OnOpenDocument(path)) return FALSE;
    CString p = path;
    SetForeignFile(p.Right(4).CompareNoCase(".qzt") == 0);
    return TRUE;
  }
  BOOL OnSaveDocument(LPCSTR path) override {
    ++saves;
    return CDocument::OnSaveDocument(path);
  }
  void OnUpdateChecked(CCmdUI* ui) { ui->SetCheck(1); }
  void OnUpdateRadio(CCmdUI* ui) { ui->SetRadio(TRUE); }
  void OnUpdateText(CCmdUI* ui) { ui->SetText("New text"); }
  void OnEnabled() {}
  DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
ON_COMMAND_EX(ID_TEST_ROUTE, &CTestDoc::OnRoute)
ON_COMMAND(ID_TEST_ENABLED, &CTestDoc::OnEnabled)
ON_COMMAND(ID_TEST_CHECKED, &CTestDoc::OnEnabled)
ON_COMMAND(ID_TEST_RADIO, &CTestDoc::OnEnabled)
ON_COMMAND(ID_TEST_TEXT, &CTestDoc::OnEnabled)
ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, &CTestDoc::OnUpdateChecked)
ON_UPDATE_COMMAND_UI(ID_TEST_RADIO, &CTestDoc::OnUpdateRadio)
ON_UPDATE_COMMAND_UI(ID_TEST_TEXT, &CTestDoc::OnUpdateText)
END_MESSAGE_MAP()

class CTestView : public CView {
  DECLARE_DYNCREATE(CTestView)
 public:
  LOGGING_HANDLER(CTestView, "view")
  // A handler that does not own the update lets routing go on to the document.
  void OnUpdatePassOn(CCmdUI* ui) { ui->ContinueRouting(); }
  DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestView, CView)
BEGIN_MESSAGE_MAP(CTestView, CView)
ON_COMMAND_EX(ID_TEST_ROUTE, &CTestView::OnRoute)
ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, &CTestView::OnUpdatePassOn)
END_MESSAGE_MAP()

class CTestChild : public CMDIChildWnd {
  DECLARE_DYNCREATE(CTestChild)
 public:
  LOGGING_HANDLER(CTestChild, "child")
  DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestChild, CMDIChildWnd)
BEGIN_MESSAGE_MAP(CTestChild, CMDIChildWnd)
ON_COMMAND_EX(ID_TEST_ROUTE, &CTestChild::OnRoute)
END_MESSAGE_MAP()

class CTestMain : public CMDIFrameWnd {
  DECLARE_DYNCREATE(CTestMain)
 public:
  LOGGING_HANDLER(CTestMain, "main")
  DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestMain, CMDIFrameWnd)
BEGIN_MESSAGE_MAP(CTestMain, CMDIFrameWnd)
ON_COMMAND_EX(ID_TEST_ROUTE, &CTestMain::OnRoute)
END_MESSAGE_MAP()

class CTestApp : public CWinApp {
 public:
  CTestApp() : CWinApp("MdiApp") {}
  LOGGING_HANDLER(CTestApp, "app")
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND_EX(ID_TEST_ROUTE, &CTestApp::OnRoute)
END_MESSAGE_MAP()

int g_answer = IDNO;
std::string g_proposed;
int g_fileDialogs = 0;
BOOL CancelFileDialog(OPENFILENAMEA* ofn, BOOL) {
  ++g_fileDialogs;
  g_proposed = ofn->lpstrFile ? ofn->lpstrFile : "";
  return FALSE;
}
int g_boxes = 0;
std::string g_lastText;
int FakeMessageBox(HWND, LPCSTR text, LPCSTR, UINT) {
  ++g_boxes;
  g_lastText = text ? text : "";
  return g_answer;
}

// One application with its main frame for each test.
class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    app = new CTestApp;
    docTemplate = new CMultiDocTemplate(IDR_TESTDOC, RUNTIME_CLASS(CTestDoc),
                                        RUNTIME_CLASS(CTestChild), RUNTIME_CLASS(CTestView));
    app->AddDocTemplate(docTemplate);
    main = new CTestMain;
    BOOL loaded = main->LoadFrame(IDR_TESTMAIN);
    ASSERT_TRUE(loaded);
    app->m_pMainWnd = main;
    main->ShowWindow(SW_SHOW);
    previous = AfxSetMessageBoxSeam(&FakeMessageBox);
    g_boxes = 0;
    g_route.clear();
  }
  void TearDown() override {
    g_answer = IDNO;
    if (app->m_pMainWnd) app->m_pMainWnd->SendMessage(WM_CLOSE);
    app->PumpPendingMessages();
    AfxSetMessageBoxSeam(previous);
    delete app;
  }
  CTestDoc* NewDoc() { return static_cast<CTestDoc*>(docTemplate->OpenDocumentFile(nullptr)); }
  CTestApp* app = nullptr;
  CMultiDocTemplate* docTemplate = nullptr;
  CTestMain* main = nullptr;
  AfxMessageBoxSeam previous = nullptr;
};

}  // namespace

TEST_F(AppFixture, CommandsRouteViewDocumentChildMainApplication) {
  ASSERT_NE(NewDoc(), nullptr);
  app->PumpPendingMessages();
  main->SendMessage(WM_COMMAND, ID_TEST_ROUTE, 0);
  EXPECT_EQ(g_route, (std::vector<std::string>{"view", "doc", "child", "main", "app"}));

  // Without a document window the main frame and the application still get it.
  g_route.clear();
  main->MDIGetActive()->SendMessage(WM_CLOSE);
  app->PumpPendingMessages();
  EXPECT_EQ(main->MDIGetActive(), nullptr);
  main->SendMessage(WM_COMMAND, ID_TEST_ROUTE, 0);
  EXPECT_EQ(g_route, (std::vector<std::string>{"main", "app"}));
}

TEST_F(AppFixture, UpdateHandlersRunWhenAPullDownOpens) {
  ASSERT_NE(NewDoc(), nullptr);
  app->PumpPendingMessages();
  HMENU bar = ::GetMenu(main->m_hWnd);
  ASSERT_NE(bar, nullptr);
  HMENU test = ::GetSubMenu(bar, 1);  // the document menu is installed
  ASSERT_NE(test, nullptr);
  ::EnableMenuItem(test, ID_TEST_ENABLED, MF_BYCOMMAND | MF_GRAYED);
  main->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(test), 1);
  EXPECT_EQ(::GetMenuState(test, ID_TEST_ENABLED, MF_BYCOMMAND) & MF_GRAYED, 0u);  // has a handler
  EXPECT_NE(::GetMenuState(test, ID_TEST_NOHANDLER, MF_BYCOMMAND) & MF_GRAYED, 0u);  // none
  // The view passed the update on; the document checked the item.
  EXPECT_NE(::GetMenuState(test, ID_TEST_CHECKED, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_NE(::GetMenuState(test, ID_TEST_RADIO, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_TRUE(AfxIsMenuItemRadio(test, 4));
  EXPECT_FALSE(AfxIsMenuItemRadio(test, 3));
  char text[64] = "";
  ::GetMenuStringA(test, ID_TEST_TEXT, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "New text");

  // A disabled command sent by an accelerator does nothing.
  g_route.clear();
  main->SendMessage(WM_COMMAND, ID_TEST_NOHANDLER, 0);
  EXPECT_TRUE(g_route.empty());
}

TEST_F(AppFixture, MdiActivationFollowsMenusAndTitles) {
  CTestDoc* first = NewDoc();
  CTestDoc* second = NewDoc();
  ASSERT_TRUE(first && second);
  app->PumpPendingMessages();
  EXPECT_EQ(first->GetTitle(), CString("Test1"));
  EXPECT_EQ(second->GetTitle(), CString("Test2"));
  EXPECT_EQ(main->GetActiveDocument(), second);
  EXPECT_EQ(main->GetWindowText(), CString("Test2 - MdiApp"));
  EXPECT_EQ(::GetMenu(main->m_hWnd), docTemplate->m_hMenuShared);

  POSITION pos = first->GetFirstViewPosition();
  CView* view = first->GetNextView(pos);
  main->MDIActivate(view->GetParentFrame());
  app->PumpPendingMessages();
  EXPECT_EQ(main->GetActiveDocument(), first);
  EXPECT_EQ(main->GetWindowText(), CString("Test1 - MdiApp"));

  // A title change reaches the child and the frame.
  first->SetTitle("Renamed");
  app->PumpPendingMessages();
  EXPECT_EQ(view->GetParentFrame()->GetWindowText(), CString("Renamed"));
  EXPECT_EQ(main->GetWindowText(), CString("Renamed - MdiApp"));

  // Closing every document puts the frame's own menu back.
  app->CloseAllDocuments(FALSE);
  app->PumpPendingMessages();
  EXPECT_EQ(app->GetOpenDocumentCount(), 0);
  EXPECT_EQ(::GetMenu(main->m_hWnd), main->GetDefaultMenu());
  EXPECT_EQ(main->GetWindowText(), CString("MdiApp"));
}

TEST_F(AppFixture, ClosingAModifiedDocumentAsksFirst) {
  CTestDoc* doc = NewDoc();
  ASSERT_NE(doc, nullptr);
  app->PumpPendingMessages();
  doc->SetModifiedFlag(TRUE);
  CMDIChildWnd* child = main->MDIGetActive();

  g_answer = IDCANCEL;
  child->SendMessage(WM_CLOSE);
  app->PumpPendingMessages();
  EXPECT_EQ(g_boxes, 1);
  EXPECT_EQ(g_lastText, "Save changes to Test1?");
  EXPECT_EQ(app->GetOpenDocumentCount(), 1);  // cancelled: still open

  g_answer = IDNO;
  child->SendMessage(WM_CLOSE);
  app->PumpPendingMessages();
  EXPECT_EQ(g_boxes, 2);
  EXPECT_EQ(app->GetOpenDocumentCount(), 0);

  // Closing the main frame asks for every modified document; Cancel keeps everything.
  CTestDoc* again = NewDoc();
  ASSERT_NE(again, nullptr);
  again->SetModifiedFlag(TRUE);
  g_answer = IDCANCEL;
  main->SendMessage(WM_CLOSE);
  app->PumpPendingMessages();
  EXPECT_NE(app->m_pMainWnd, nullptr);
  EXPECT_EQ(app->GetOpenDocumentCount(), 1);
  again->SetModifiedFlag(FALSE);
}

TEST_F(AppFixture, RecentFilesMenuAndProfileRoundTrip) {
  app->SetRegistryKey("Quarvex Tests");
  app->LoadStdProfileSettings(4);
  app->AddToRecentFileList("C:\\data\\one.tst");
  app->AddToRecentFileList("C:\\data\\R&D.tst");
  app->AddToRecentFileList("c:\\DATA\\ONE.tst");  // the same file: moves to the front
  const CRecentFileList& list = *app->m_pRecentFileList;
  EXPECT_EQ(list[0], CString("c:\\DATA\\ONE.tst"));
  EXPECT_EQ(list[1], CString("C:\\data\\R&D.tst"));
  EXPECT_TRUE(list[2].IsEmpty());

  HMENU popup = ::GetSubMenu(::GetMenu(main->m_hWnd), 0);
  main->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
  char text[128] = "";
  ::GetMenuStringA(popup, ID_FILE_MRU_FILE1 + 1, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "&2 C:\\data\\R&&D.tst");
  EXPECT_EQ(::GetMenuItemCount(popup), 7);  // New, Open, sep, 2 files, sep, Exit
  // A second update replaces the entries, it does not add to them.
  main->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
  EXPECT_EQ(::GetMenuItemCount(popup), 7);
  EXPECT_EQ(::GetMenuItemID(popup, 6), static_cast<UINT>(ID_APP_EXIT));

  app->SaveStdProfileSettings();
  app->m_pRecentFileList->Remove(0);
  app->m_pRecentFileList->ReadList();
  EXPECT_EQ((*app->m_pRecentFileList)[1], CString("C:\\data\\R&D.tst"));
  ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quarvex Tests");
}

TEST_F(AppFixture, AFileOfAnotherTypeOpensWithoutAPathSoSaveAsksForOne) {
  char dir[MAX_PATH];
  ::GetTempPathA(MAX_PATH, dir);
  std::string path = std::string(dir) + "fw2 other.qzt";
  HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ::WriteFile(h, "other", 5, &written, nullptr);
  ::CloseHandle(h);

  CTestDoc* doc = static_cast<CTestDoc*>(app->OpenDocumentFile(path.c_str()));
  ASSERT_NE(doc, nullptr);
  app->PumpPendingMessages();
  EXPECT_TRUE(doc->GetPathName().IsEmpty());
  EXPECT_EQ(doc->GetTitle(), CString("fw2 other.qzt"));
  EXPECT_FALSE(doc->IsModified());

  CSeamOverride<AfxFileDialogSeam> seam(&AfxSetFileDialogSeam, &CancelFileDialog);
  g_fileDialogs = 0;
  main->SendMessage(WM_COMMAND, ID_FILE_SAVE, 0);
  EXPECT_EQ(g_fileDialogs, 1);             // Save went through Save As
  EXPECT_EQ(g_proposed, "fw2 other.tst");  // with the document type's extension
  EXPECT_EQ(doc->saves, 0);                // nothing was written over the other file
  ::DeleteFileA(path.c_str());
}

namespace {
// A DDE client as the shell is one: it starts a conversation, sends commands and ends it.
struct DdeClient {
  HWND hwnd = nullptr;
  bool initiating = false;
  std::vector<HWND> servers;   // who answered the initiate
  std::vector<UINT_PTR> acks;  // status of each execute's acknowledgement
  int terminates = 0;

  static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    DdeClient* self = reinterpret_cast<DdeClient*>(::GetWindowLongPtrA(h, GWLP_USERDATA));
    if (self && m == WM_DDE_ACK && self->initiating) {
      self->servers.push_back(reinterpret_cast<HWND>(w));
      ::GlobalDeleteAtom(LOWORD(l));
      ::GlobalDeleteAtom(HIWORD(l));
      return 0;
    }
    if (self && m == WM_DDE_ACK) {
      UINT_PTR status = 0, data = 0;
      ::UnpackDDElParam(WM_DDE_ACK, l, &status, &data);
      ::FreeDDElParam(WM_DDE_ACK, l);
      ::GlobalFree(reinterpret_cast<HGLOBAL>(data));
      self->acks.push_back(status);
      return 0;
    }
    if (self && m == WM_DDE_TERMINATE) {
      ++self->terminates;
      return 0;
    }
    return ::DefWindowProcA(h, m, w, l);
  }
  DdeClient() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &Proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "QxTestDdeClient";
    ::RegisterClassA(&wc);
    hwnd = ::CreateWindowA("QxTestDdeClient", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                           wc.hInstance, nullptr);
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~DdeClient() { ::DestroyWindow(hwnd); }
  size_t Initiate(HWND server, LPCSTR appName, LPCSTR topic) {
    ATOM a = ::GlobalAddAtomA(appName), t = ::GlobalAddAtomA(topic);
    servers.clear();
    initiating = true;
    ::SendMessageA(server, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(a, t));
    initiating = false;
    ::GlobalDeleteAtom(a);
    ::GlobalDeleteAtom(t);
    return servers.size();
  }
  void Execute(HWND server, const void* text, size_t bytes) {
    HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, bytes);
    memcpy(::GlobalLock(mem), text, bytes);
    ::GlobalUnlock(mem);
    ::PostMessageA(server, WM_DDE_EXECUTE, reinterpret_cast<WPARAM>(hwnd),
                   ::PackDDElParam(WM_DDE_EXECUTE, 0, reinterpret_cast<UINT_PTR>(mem)));
  }
};

std::string TempFile(const char* name) {
  char dir[MAX_PATH];
  ::GetTempPathA(MAX_PATH, dir);
  std::string path = std::string(dir) + name;
  HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(h, "test", 4, &written, nullptr);
  ::CloseHandle(h);
  return path;
}
}  // namespace

TEST_F(AppFixture, TheShellsDdeOpenReachesTheApplication) {
  DdeClient client;
  ASSERT_NE(client.hwnd, nullptr);
  EXPECT_EQ(client.Initiate(main->m_hWnd, app->m_pszExeName, "System"), 0u);  // not enabled yet
  app->EnableShellOpen();
  EXPECT_EQ(client.Initiate(main->m_hWnd, "SomeOtherProgram", "System"), 0u);
  EXPECT_EQ(client.Initiate(main->m_hWnd, app->m_pszExeName, "Documents"), 0u);
  ASSERT_EQ(client.Initiate(main->m_hWnd, app->m_pszExeName, "system"), 1u);
  EXPECT_EQ(client.servers[0], main->m_hWnd);

  // The shell's open command, as ANSI and as wide text: each is acknowledged and opens.
  std::string first = TempFile("fw3 dde one.tst"), second = TempFile("fw3 dde two.tst");
  std::string ansi = "[open(\"" + first + "\")]";
  client.Execute(main->m_hWnd, ansi.c_str(), ansi.size() + 1);
  app->PumpPendingMessages();
  ASSERT_EQ(client.acks.size(), 1u);
  EXPECT_EQ(client.acks[0], 0x8000u);
  EXPECT_EQ(app->GetOpenDocumentCount(), 1);
  std::wstring wide = L"[open(\"" + std::wstring(second.begin(), second.end()) + L"\")]";
  client.Execute(main->m_hWnd, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  app->PumpPendingMessages();
  ASSERT_EQ(client.acks.size(), 2u);
  EXPECT_EQ(client.acks[1], 0x8000u);
  ASSERT_EQ(app->GetOpenDocumentCount(), 2);
  CDocument* doc = main->GetActiveDocument();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->GetPathName().CompareNoCase(second.c_str()), 0);

  // While a modal dialog has the main window disabled nothing runs; the answer says so.
  main->EnableWindow(FALSE);
  client.Execute(main->m_hWnd, ansi.c_str(), ansi.size() + 1);
  app->PumpPendingMessages();
  main->EnableWindow(TRUE);
  ASSERT_EQ(client.acks.size(), 3u);
  EXPECT_EQ(client.acks[2], 0u);

  ::PostMessageA(main->m_hWnd, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(client.hwnd), 0);
  app->PumpPendingMessages();
  EXPECT_EQ(client.terminates, 1);
  ::DeleteFileA(first.c_str());
  ::DeleteFileA(second.c_str());
}

namespace {
// Counts what the message pump does.
class CPumpApp : public CTestApp {
 public:
  int idles = 0, translated = 0;
  BOOL OnIdle(LONG count) override {
    // The first idle time closes the main window, which ends the loop.
    if (++idles == 1 && m_pMainWnd) m_pMainWnd->PostMessage(WM_CLOSE);
    return CWinApp::OnIdle(count);
  }
  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_USER + 77) ++translated;
    return CWinApp::PreTranslateMessage(msg);
  }
};
}  // namespace

TEST(AppPump, RunTranslatesDispatchesIdlesAndEndsWithExitInstance) {
  AfxMessageBoxSeam prev = AfxSetMessageBoxSeam(&FakeMessageBox);
  CPumpApp app;
  CTestMain* frame = new CTestMain;
  ASSERT_TRUE(frame->LoadFrame(IDR_TESTMAIN));
  app.m_pMainWnd = frame;
  frame->PostMessage(WM_USER + 77);
  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(app.translated, 1);
  EXPECT_GT(app.idles, 0);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  AfxSetMessageBoxSeam(prev);
}

namespace {
class CFailingPumpApp : public CWinApp {
 public:
  CFailingPumpApp() : CWinApp("MdiApp") {}
  int idles = 0;
  BOOL OnIdle(LONG count) override {
    if (++idles == 1) {
      m_pMainWnd->PostMessage(WM_NULL);  // more to do: the loop comes back to idle time
      throw std::runtime_error("idle failed");
    }
    if (idles == 3 && m_pMainWnd) m_pMainWnd->PostMessage(WM_CLOSE);
    return CWinApp::OnIdle(count);
  }
  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_USER + 78) throw std::runtime_error("filter failed");
    return CWinApp::PreTranslateMessage(msg);
  }
};
}  // namespace

// A message filter or an idle step that fails is reported like a failing handler; the loop
// goes on and ends as usual.
TEST(AppPump, FailingFiltersAndIdleStepsAreReportedAndTheLoopGoesOn) {
  AfxMessageBoxSeam prev = AfxSetMessageBoxSeam(&FakeMessageBox);
  const int reported = AfxGetReportedExceptionCount();
  CFailingPumpApp app;
  CTestMain* frame = new CTestMain;
  ASSERT_TRUE(frame->LoadFrame(IDR_TESTMAIN));
  app.m_pMainWnd = frame;
  frame->PostMessage(WM_USER + 78);
  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(AfxGetReportedExceptionCount(), reported + 2);
  EXPECT_EQ(app.GetFirstDocTemplatePosition(), nullptr);  // no document manager yet
  AfxSetMessageBoxSeam(prev);
}

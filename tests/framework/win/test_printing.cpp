// Printing and print preview through a small MDI application: the application's printer, the
// print command's page loop, the preview's frame mode and its dialog bar, the dialog bar on
// its own and the lasting wait cursor. Without a printer (the print-dialog seam) everywhere;
// with the PDF printer of the tests' CUPS daemon (CUPS_SERVER) where one answers.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "framework/win/AfxWin.h"
#include "framework/win/DialogBar.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/Document.h"
#include "framework/win/MDIFrames.h"
#include "framework/win/PrintPreview.h"
#include "framework/win/Printing.h"
#include "framework/win/ToolBar.h"
#include "framework/win/WinApp.h"
#include "tests/framework/win/printtest.h"
#include "tests/support/Screenshot.h"

namespace {

std::vector<std::string> g_calls;
int g_printDpi = 0;
CRect g_printRect;

class CPageDoc : public CDocument {
  DECLARE_DYNCREATE(CPageDoc)
};
IMPLEMENT_DYNCREATE(CPageDoc, CDocument)

// Draws a red block one to three inches from the left and one to two inches from the top of
// what it is given, in the context's own device units.
class CPageView : public CView {
  DECLARE_DYNCREATE(CPageView)
 public:
  void OnDraw(CDC* dc) override {
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(client, RGB(255, 255, 255));
  }
  BOOL OnPreparePrinting(CPrintInfo* info) override {
    g_calls.push_back("prepare printing");
    info->SetMaxPage(1);
    return DoPreparePrinting(info);
  }
  void OnBeginPrinting(CDC*, CPrintInfo*) override { g_calls.push_back("begin"); }
  void OnPrepareDC(CDC* dc, CPrintInfo* info) override {
    if (info) g_calls.push_back("prepare dc " + std::to_string(info->m_nCurPage));
    CView::OnPrepareDC(dc, info);
  }
  void OnPrint(CDC* dc, CPrintInfo* info) override {
    g_calls.push_back("print");
    int dpi = dc->GetDeviceCaps(LOGPIXELSX);
    g_printDpi = dpi;
    g_printRect = info->m_rectDraw;
    dc->FillSolidRect(CRect(dpi, dpi, 3 * dpi, 2 * dpi), RGB(255, 0, 0));
    CBrush black;
    black.CreateSolidBrush(RGB(0, 0, 0));
    dc->FrameRect(info->m_rectDraw, &black);
  }
  void OnEndPrinting(CDC*, CPrintInfo*) override { g_calls.push_back("end"); }
  DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CPageView, CView)
BEGIN_MESSAGE_MAP(CPageView, CView)
ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, &CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview)
END_MESSAGE_MAP()

class CPrintChild : public CMDIChildWnd {
  DECLARE_DYNCREATE(CPrintChild)
};
IMPLEMENT_DYNCREATE(CPrintChild, CMDIChildWnd)

int g_barCommands = 0;
class CPrintMain : public CMDIFrameWnd {
  DECLARE_DYNCREATE(CPrintMain)
 public:
  CStatusBar m_status;
  int OnCreate(LPCREATESTRUCT cs) {
    if (CMDIFrameWnd::OnCreate(cs) == -1) return -1;
    if (!m_status.Create(this)) return -1;
    UINT ids[] = {ID_SEPARATOR};
    m_status.SetIndicators(ids, 1);
    return 0;
  }
  void OnBarHandled() { ++g_barCommands; }
  DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CPrintMain, CMDIFrameWnd)
BEGIN_MESSAGE_MAP(CPrintMain, CMDIFrameWnd)
ON_WM_CREATE()
ON_COMMAND(ID_TEST_BAR_HANDLED, &CPrintMain::OnBarHandled)
END_MESSAGE_MAP()

class CPrintApp : public CWinApp {
 public:
  CPrintApp() : CWinApp("PrintApp") {}
};

std::vector<std::string> g_messages;
int RecordMessage(HWND, LPCSTR text, LPCSTR, UINT) {
  g_messages.push_back(text ? text : "");
  return IDOK;
}

// DEVNAMES for a device (driver "WINSPOOL").
HGLOBAL MakeDevNames(const char* device) {
  std::string driver = "WINSPOOL";
  size_t size = sizeof(DEVNAMES) + driver.size() + 1 + strlen(device) + 1 + 1;
  HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  auto* names = static_cast<DEVNAMES*>(::GlobalLock(h));
  char* base = reinterpret_cast<char*>(names);
  names->wDriverOffset = sizeof(DEVNAMES);
  strcpy(base + names->wDriverOffset, driver.c_str());
  names->wDeviceOffset = (WORD)(names->wDriverOffset + driver.size() + 1);
  strcpy(base + names->wDeviceOffset, device);
  names->wOutputOffset = (WORD)(names->wDeviceOffset + strlen(device) + 1);
  ::GlobalUnlock(h);
  return h;
}

// The print dialogs a test saw, and how the fake answers them.
std::vector<DWORD> g_dialogFlags;
BOOL NoPrinter(PRINTDLGA* pd) {
  g_dialogFlags.push_back(pd->Flags);
  return FALSE;
}
BOOL FakePrinterUserCancels(PRINTDLGA* pd) {
  g_dialogFlags.push_back(pd->Flags);
  if (pd->Flags & PD_RETURNDEFAULT) {
    pd->hDevNames = MakeDevNames("Fake printer");
    return TRUE;
  }
  return FALSE;
}
BOOL FakeSetupPicksAnother(PRINTDLGA* pd) {
  g_dialogFlags.push_back(pd->Flags);
  if (pd->Flags & PD_RETURNDEFAULT) {
    pd->hDevNames = MakeDevNames("Fake printer");
    return TRUE;
  }
  // The dialog replaces the blocks it was given, as the system's may.
  if (pd->hDevNames) ::GlobalFree(pd->hDevNames);
  pd->hDevNames = MakeDevNames("Another printer");
  return TRUE;
}
// The real default printer; the print dialog answered with OK for it.
BOOL RealPrinterOk(PRINTDLGA* pd) {
  g_dialogFlags.push_back(pd->Flags);
  if (pd->Flags & PD_RETURNDEFAULT) return ::PrintDlgA(pd);
  if (pd->Flags & PD_RETURNDC) pd->hDC = AfxCreateDC(pd->hDevNames, pd->hDevMode);
  return TRUE;
}

bool HaveTestPrinter() {
  char name[256];
  DWORD size = sizeof name;
  return getenv("CUPS_SERVER") && ::GetDefaultPrinterA(name, &size);
}

class PrintFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    g_calls.clear();
    g_messages.clear();
    g_dialogFlags.clear();
    g_barCommands = 0;
    app = new CPrintApp;
    docTemplate = new CMultiDocTemplate(IDR_PRINTDOC, RUNTIME_CLASS(CPageDoc),
                                        RUNTIME_CLASS(CPrintChild), RUNTIME_CLASS(CPageView));
    app->AddDocTemplate(docTemplate);
    main = new CPrintMain;
    ASSERT_TRUE(main->LoadFrame(IDR_PRINTMAIN));
    app->m_pMainWnd = main;
    main->MoveWindow(0, 0, 900, 700);
    main->ShowWindow(SW_SHOW);
    doc = static_cast<CPageDoc*>(docTemplate->OpenDocumentFile(nullptr));
    ASSERT_NE(doc, nullptr);
    POSITION pos = doc->GetFirstViewPosition();
    view = static_cast<CPageView*>(doc->GetNextView(pos));
    Pump();
  }
  void TearDown() override {
    if (main->IsInPreviewMode()) main->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE, 0);
    doc->SetModifiedFlag(FALSE);
    if (app->m_pMainWnd) app->m_pMainWnd->SendMessage(WM_CLOSE);
    app->PumpPendingMessages();
    delete app;
  }
  void Pump() {
    app->PumpPendingMessages();
    ::UpdateWindow(main->m_hWnd);
  }
  void Command(UINT id) {
    main->SendMessage(WM_COMMAND, id, 0);
    Pump();
  }
  HWND Pane() const { return ::GetDlgItem(main->m_hWnd, AFX_IDW_PANE_FIRST); }

  CSeamOverride<AfxMessageBoxSeam> messages{AfxSetMessageBoxSeam, RecordMessage};
  CPrintApp* app = nullptr;
  CMultiDocTemplate* docTemplate = nullptr;
  CPrintMain* main = nullptr;
  CPageDoc* doc = nullptr;
  CPageView* view = nullptr;
};

TEST(PrintInfoTest, PageRangeAndDefaults) {
  CPrintInfo info;
  EXPECT_EQ(info.GetMinPage(), 1u);
  EXPECT_EQ(info.GetMaxPage(), 0xFFFFu);
  info.SetMaxPage(1);
  EXPECT_EQ(info.GetMaxPage(), 1u);
  EXPECT_TRUE(info.m_bContinuePrinting);
  EXPECT_FALSE(info.m_bPreview);
  EXPECT_NE(info.m_pPD->m_pd.Flags & PD_RETURNDC, 0u);
}

TEST_F(PrintFixture, WithoutAPrinterEachCommandSaysSoOnceAndChangesNothing) {
  CSeamOverride<AfxPrintDialogSeam> seam(AfxSetPrintDialogSeam, NoPrinter);
  HMENU menu = ::GetMenu(main->m_hWnd);
  CRect before;
  view->GetWindowRect(&before);
  for (UINT id : {ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW}) {
    g_messages.clear();
    Command(id);
    ASSERT_EQ(g_messages.size(), 1u) << id;
    EXPECT_EQ(g_messages[0], "No printer is installed.");
  }
  EXPECT_EQ(std::count(g_calls.begin(), g_calls.end(), "print"), 0);
  EXPECT_FALSE(main->IsInPreviewMode());
  EXPECT_EQ(::GetMenu(main->m_hWnd), menu);
  EXPECT_TRUE(main->m_status.GetStyle() & WS_VISIBLE);
  EXPECT_EQ(Pane(), main->m_hWndMDIClient);
  CRect after;
  view->GetWindowRect(&after);
  EXPECT_EQ(after, before);
  EXPECT_EQ(app->m_hDevNames, nullptr);
}

TEST_F(PrintFixture, CancelledPrintDialogPrintsNothing) {
  CSeamOverride<AfxPrintDialogSeam> seam(AfxSetPrintDialogSeam, FakePrinterUserCancels);
  Command(ID_FILE_PRINT);
  EXPECT_TRUE(g_messages.empty());
  ASSERT_EQ(g_dialogFlags.size(), 2u);  // the default printer, then the dialog
  EXPECT_NE(g_dialogFlags[0] & PD_RETURNDEFAULT, 0u);
  EXPECT_NE(g_dialogFlags[1] & PD_RETURNDC, 0u);
  EXPECT_EQ(g_calls, (std::vector<std::string>{"prepare printing"}));
  // The default printer stays the application's.
  CPrintDialog check(FALSE);
  check.m_pd.hDevNames = app->m_hDevNames;
  EXPECT_EQ(check.GetDeviceName(), CString("Fake printer"));
  check.m_pd.hDevNames = NULL;
}

TEST_F(PrintFixture, PrintSetupChoiceBecomesTheApplicationsPrinter) {
  CSeamOverride<AfxPrintDialogSeam> seam(AfxSetPrintDialogSeam, FakeSetupPicksAnother);
  app->OnFilePrintSetup();
  ASSERT_EQ(g_dialogFlags.size(), 2u);
  EXPECT_NE(g_dialogFlags[1] & PD_PRINTSETUP, 0u);
  PRINTDLGA pd = {};
  ASSERT_TRUE(app->GetPrinterDeviceDefaults(&pd));
  EXPECT_EQ(pd.hDevNames, app->m_hDevNames);
  CPrintDialog check(FALSE);
  check.m_pd.hDevNames = app->m_hDevNames;
  EXPECT_EQ(check.GetDeviceName(), CString("Another printer"));
  EXPECT_EQ(check.GetDriverName(), CString("WINSPOOL"));
  check.m_pd.hDevNames = NULL;
  // Asking again does not go back to the default printer.
  EXPECT_EQ(g_dialogFlags.size(), 2u);
}

TEST_F(PrintFixture, DialogBarSendsItsButtonsToTheFrameAndFollowsTheirHandlers) {
  CDialogBar bar;
  ASSERT_TRUE(bar.Create(main, IDD_PRINT_BAR, CBRS_TOP | WS_VISIBLE, 0xE890));
  main->RecalcLayout();
  Pump();
  CRect barRect, frameClient;
  bar.GetWindowRect(&barRect);
  main->ScreenToClient(&barRect);
  main->GetClientRect(&frameClient);
  EXPECT_EQ(barRect.top, 0);
  EXPECT_EQ(barRect.Width(), frameClient.Width());
  EXPECT_EQ(barRect.Height(), bar.m_sizeDefault.cy);
  EXPECT_GT(bar.m_sizeDefault.cy, 10);
  // The document windows start below the bar.
  CRect client;
  ::GetWindowRect(main->m_hWndMDIClient, &client);
  main->ScreenToClient(&client);
  EXPECT_EQ(client.top, barRect.bottom);

  HWND handled = ::GetDlgItem(bar.m_hWnd, ID_TEST_BAR_HANDLED);
  HWND unhandled = ::GetDlgItem(bar.m_hWnd, ID_TEST_BAR_UNHANDLED);
  bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
  EXPECT_TRUE(::IsWindowEnabled(handled));
  EXPECT_FALSE(::IsWindowEnabled(unhandled));
  ::SendMessageA(handled, BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(g_barCommands, 1);
  bar.DestroyWindow();
  main->RecalcLayout();
}

TEST_F(PrintFixture, WaitCursorStaysWhileTheMouseMoves) {
  HCURSOR wait = ::LoadCursorA(NULL, (LPCSTR)IDC_WAIT);
  {
    CWaitCursor busy;
    EXPECT_EQ(AfxGetWaitCursorCount(), 1);
    ::SetCursor(::LoadCursorA(NULL, (LPCSTR)IDC_ARROW));
    LRESULT handled = main->SendMessage(WM_SETCURSOR, (WPARAM)main->m_hWnd,
                                        MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_TRUE(handled);
    EXPECT_EQ(::GetCursor(), wait);
  }
  EXPECT_EQ(AfxGetWaitCursorCount(), 0);
}

TEST_F(PrintFixture, DirectPrintRunsThePageLoopOnTheDefaultPrinter) {
  if (!HaveTestPrinter()) GTEST_SKIP() << "no test printer";
  // A title of its own, so the test's page can be told from others in the PDF folder.
  char title[64];
  snprintf(title, sizeof title, "qxframework%lu", (unsigned long)::GetTickCount());
  doc->SetTitle(title);
  Command(ID_FILE_PRINT_DIRECT);
  EXPECT_TRUE(g_messages.empty());
  EXPECT_EQ(g_calls, (std::vector<std::string>{"prepare printing", "begin", "prepare dc 1",
                                               "prepare dc 1", "print", "end"}));
  EXPECT_EQ(g_printDpi, 300);
  EXPECT_EQ(g_printRect.left, 0);
  EXPECT_GT(g_printRect.Width(), 2000);  // A4 at 300 dpi
  std::ofstream("printed-title.txt") << title;
}

TEST_F(PrintFixture, PreviewTakesOverTheFrameAndGivesItBack) {
  if (!HaveTestPrinter()) GTEST_SKIP() << "no test printer";
  CRect viewBefore;
  view->GetWindowRect(&viewBefore);
  HMENU menu = ::GetMenu(main->m_hWnd);
  Command(ID_FILE_PRINT_PREVIEW);
  ASSERT_TRUE(main->IsInPreviewMode()) << (g_messages.empty() ? "" : g_messages[0]);
  EXPECT_TRUE(g_messages.empty());
  auto* preview = static_cast<CPreviewView*>(CWnd::FromHandlePermanent(Pane()));
  ASSERT_TRUE(preview && preview->IsKindOf(RUNTIME_CLASS(CPreviewView)));
  EXPECT_EQ(main->GetActiveView(), preview);
  EXPECT_FALSE(main->m_status.GetStyle() & WS_VISIBLE);
  EXPECT_FALSE(::IsWindowVisible(main->m_hWndMDIClient));
  EXPECT_EQ(::GetMenu(main->m_hWnd), nullptr);
  HWND bar = ::GetDlgItem(main->m_hWnd, AFX_IDW_PREVIEW_BAR);
  ASSERT_NE(bar, nullptr);
  CRect barRect, previewRect;
  ::GetWindowRect(bar, &barRect);
  preview->GetWindowRect(&previewRect);
  EXPECT_EQ(previewRect.top, barRect.bottom);

  ::RedrawWindow(main->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  qxtest::SaveWindowScreenshot(main->m_hWnd, qxtest::ScreenshotFolder() + "framework_print_preview.bmp");
  // The page: white paper with the red block one inch in, as printed.
  ASSERT_NE(preview->m_pPageInfo, nullptr);
  CRect paper = preview->m_pPageInfo[0].rectScreen;
  ASSERT_GT(paper.Width(), 100);
  HDC screen = ::GetDC(preview->m_hWnd);
  double inch = paper.Width() / (210.0 / 25.4);  // A4 paper width in inches
  COLORREF red = ::GetPixel(screen, paper.left + (int)(2 * inch), paper.top + (int)(1.5 * inch));
  COLORREF white = ::GetPixel(screen, paper.left + (int)(4 * inch), paper.top + (int)(1.5 * inch));
  COLORREF around = ::GetPixel(screen, paper.left - 5, paper.top + 20);
  ::ReleaseDC(preview->m_hWnd, screen);
  EXPECT_EQ(red, RGB(255, 0, 0));
  EXPECT_EQ(white, RGB(255, 255, 255));
  EXPECT_NE(around, RGB(255, 255, 255));
  EXPECT_NE(std::count(g_calls.begin(), g_calls.end(), "print"), 0);

  // Zoom: buttons through the bar, their state through the idle update.
  HWND zoomIn = ::GetDlgItem(bar, AFX_ID_PREVIEW_ZOOMIN);
  HWND zoomOut = ::GetDlgItem(bar, AFX_ID_PREVIEW_ZOOMOUT);
  ::SendMessageA(bar, WM_IDLEUPDATECMDUI, TRUE, 0);
  EXPECT_TRUE(::IsWindowEnabled(zoomIn));
  EXPECT_FALSE(::IsWindowEnabled(zoomOut));
  ::SendMessageA(zoomIn, BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(preview->m_nZoomState, 1);
  CRect client;
  preview->GetClientRect(&client);
  EXPECT_GT(preview->m_pPageInfo[0].rectScreen.Height(), client.Height());
  SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE};
  ::GetScrollInfo(preview->m_hWnd, SB_VERT, &si);
  EXPECT_GT(si.nMax + 1, (int)si.nPage);
  ::SendMessageA(bar, WM_IDLEUPDATECMDUI, TRUE, 0);
  EXPECT_TRUE(::IsWindowEnabled(zoomOut));
  ::SendMessageA(zoomOut, BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(preview->m_nZoomState, 0);

  // Close: everything as it was.
  ::SendMessageA(::GetDlgItem(bar, AFX_ID_PREVIEW_CLOSE), BM_CLICK, 0, 0);
  Pump();
  EXPECT_FALSE(main->IsInPreviewMode());
  EXPECT_EQ(::GetDlgItem(main->m_hWnd, AFX_IDW_PREVIEW_BAR), nullptr);
  EXPECT_EQ(Pane(), main->m_hWndMDIClient);
  EXPECT_TRUE(::IsWindowVisible(main->m_hWndMDIClient));
  EXPECT_TRUE(main->m_status.GetStyle() & WS_VISIBLE);
  EXPECT_EQ(::GetMenu(main->m_hWnd), menu);
  EXPECT_EQ(main->MDIGetActive()->GetActiveView(), view);
  CRect viewAfter;
  view->GetWindowRect(&viewAfter);
  EXPECT_EQ(viewAfter, viewBefore);
  EXPECT_EQ(g_calls.back(), "end");
}

TEST_F(PrintFixture, PreviewPrintButtonClosesThePreviewAndPrints) {
  if (!HaveTestPrinter()) GTEST_SKIP() << "no test printer";
  CSeamOverride<AfxPrintDialogSeam> seam(AfxSetPrintDialogSeam, RealPrinterOk);
  char title[64];
  snprintf(title, sizeof title, "qxframeworkpreview%lu", (unsigned long)::GetTickCount());
  doc->SetTitle(title);
  // The check afterwards takes this page out of the PDF folder.
  std::ofstream("printed-others.txt", std::ios::app) << title << "\n";
  Command(ID_FILE_PRINT_PREVIEW);
  ASSERT_TRUE(main->IsInPreviewMode());
  g_calls.clear();
  HWND bar = ::GetDlgItem(main->m_hWnd, AFX_IDW_PREVIEW_BAR);
  ::SendMessageA(::GetDlgItem(bar, AFX_ID_PREVIEW_PRINT), BM_CLICK, 0, 0);
  Pump();
  EXPECT_FALSE(main->IsInPreviewMode());
  EXPECT_EQ(g_calls.front(), "end");  // the preview's job ended first
  EXPECT_NE(std::find(g_calls.begin(), g_calls.end(), "print"), g_calls.end());
  EXPECT_NE(g_dialogFlags.back() & PD_RETURNDC, 0u);
  EXPECT_TRUE(g_messages.empty());
}

TEST_F(PrintFixture, ClosingTheFrameDuringThePreviewEndsThePreviewOnly) {
  if (!HaveTestPrinter()) GTEST_SKIP() << "no test printer";
  Command(ID_FILE_PRINT_PREVIEW);
  ASSERT_TRUE(main->IsInPreviewMode());
  main->SendMessage(WM_CLOSE);
  Pump();
  EXPECT_TRUE(::IsWindow(main->m_hWnd));
  EXPECT_FALSE(main->IsInPreviewMode());
  EXPECT_EQ(Pane(), main->m_hWndMDIClient);
}

TEST_F(PrintFixture, ResetDcTurnsThePrinterPage) {
  if (!HaveTestPrinter()) GTEST_SKIP() << "no test printer";
  CDC dc;
  ASSERT_TRUE(app->CreatePrinterDC(dc));
  int width = dc.GetDeviceCaps(PHYSICALWIDTH), height = dc.GetDeviceCaps(PHYSICALHEIGHT);
  ASSERT_LT(width, height);
  auto* mode = static_cast<DEVMODEA*>(::GlobalLock(app->m_hDevMode));
  ASSERT_NE(mode, nullptr);
  std::vector<BYTE> copy((BYTE*)mode, (BYTE*)mode + mode->dmSize + mode->dmDriverExtra);
  ::GlobalUnlock(app->m_hDevMode);
  auto* landscape = reinterpret_cast<DEVMODEA*>(copy.data());
  landscape->dmOrientation = DMORIENT_LANDSCAPE;
  landscape->dmFields |= DM_ORIENTATION;
  ASSERT_TRUE(dc.ResetDC(landscape));
  EXPECT_EQ(dc.GetDeviceCaps(PHYSICALWIDTH), height);
  EXPECT_EQ(dc.GetDeviceCaps(PHYSICALHEIGHT), width);
}

}  // namespace

// The reports, exports and printing in the whole program: Copy Data to the real clipboard, the
// workbook export (kept in program_workbook/ for check_program_outputs.py, and one that fails
// part-way in program_workbook_incomplete/), image and function
// files, Page Setup, printing on the tests' PDF printer (the page's title in
// printed-program-title.txt), print preview with its bar, zoom, context menu and re-measure,
// a page without room refused before any job (its title in printed-program-refused.txt), and
// the no-printer case.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "framework/win/FrameworkIds.h"
#include "framework/win/Menu.h"
#include "framework/win/PrintPreview.h"
#include "framework/win/Printing.h"
#include "framework/win/TestSeams.h"

#include <winspool.h>
#include "res/ReportResources.h"
#include "res/ShellResources.h"
#include "shell/KelStrengthApp.h"
#include "shell/MainFrame.h"
#include "shell/PageSetupDlg.h"
#include "shell/PageSetupLogic.h"
#include "spreadsheet/ExcelExport.h"
#include "spreadsheet/WorkbookAutomation.h"
#include "tests/support/ClipboardText.h"
#include "tests/support/Screenshot.h"
#include "tests/support/ShownMessageBoxes.h"
#include "tests/view/jpeg_decode.h"
#include "tests/view/view_program_support.h"
#include "tests/view/view_test_support.h"
#include "view/AnalysisReport.h"
#include "view/WSPreviewView.h"

namespace {

using qxtest::CProgramHarness;
using namespace viewtest;

using qxtest::ClipboardText;

std::string CurrentFolder() {
  char dir[MAX_PATH];
  ::GetCurrentDirectoryA(MAX_PATH, dir);
  return std::string(dir) + "\\";
}

// The tests' PDF printer, made the default of the program's (redirected) user settings.
bool HaveTestPrinter() {
  if (!getenv("CUPS_SERVER")) return false;
  DWORD needed = 0, count = 0;
  ::EnumPrintersA(PRINTER_ENUM_LOCAL, NULL, 4, NULL, 0, &needed, &count);
  std::vector<BYTE> buffer(needed + 1);
  if (!::EnumPrintersA(PRINTER_ENUM_LOCAL, NULL, 4, buffer.data(), needed, &needed, &count))
    return false;
  auto* printers = reinterpret_cast<PRINTER_INFO_4A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    if (strcmp(printers[i].pPrinterName, "PDF") != 0) continue;
    // The user's default printer, written where the system keeps it (the scratch registry has
    // none yet).
    HKEY key = NULL;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows",
                          0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL) != ERROR_SUCCESS)
      return false;
    const char device[] = "PDF,winspool,CUPS:PDF";
    ::RegSetValueExA(key, "device", 0, REG_SZ, (const BYTE*)device, sizeof device);
    ::RegCloseKey(key);
    char name[64];
    DWORD size = sizeof name;
    return ::GetDefaultPrinterA(name, &size) && strcmp(name, "PDF") == 0;
  }
  return false;
}

std::vector<std::string> g_opened;
HINSTANCE RecordOpen(HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR, INT) {
  g_opened.push_back(file ? file : "");
  return (HINSTANCE)42;
}

void FixedClock(SYSTEMTIME* t) {
  *t = SYSTEMTIME();
  t->wYear = 2024;
  t->wMonth = 6;
  t->wDay = 1;
  t->wHour = 9;
  t->wMinute = 30;
}

// A workbook session writing into the folder <name> of the current folder, and the path of the
// report it writes there at the fixed clock's time (an earlier one removed).
std::shared_ptr<WorkbookSession> SessionInFolder(const std::string& name, std::string* path) {
  const std::string folder = CurrentFolder() + name + "\\";
  ::CreateDirectoryA(folder.c_str(), NULL);
  *path = folder + "Quarvex Report 2024-06-01 09-30-00.xlsx";
  ::DeleteFileA(path->c_str());
  auto session = std::make_shared<WorkbookSession>();
  session->folder = folder.c_str();
  return session;
}

// The print dialog answered with OK for the default printer; no printer at all.
BOOL PrintDialogOk(PRINTDLGA* pd) {
  if (pd->Flags & PD_RETURNDEFAULT) return ::PrintDlgA(pd);
  if (pd->Flags & PD_RETURNDC) pd->hDC = AfxCreateDC(pd->hDevNames, pd->hDevMode);
  return TRUE;
}
BOOL NoPrinter(PRINTDLGA*) {
  return FALSE;
}

class OutputsProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    g_opened.clear();
    CPageSetupLogic::ResetFirstClamp();
    ASSERT_TRUE(program.Start());
    ASSERT_NE(qxtest::OpenProject(program, "quarry", HoekBrownProject), nullptr);
    view = ActiveChartView(program);
    ASSERT_NE(view, nullptr);
    program.Pump();
  }
  CKelStrengthDoc* Doc() { return program.ActiveDocument(); }
  CProgramHarness program{"outputs_program"};
  CKelStrengthView* view = nullptr;
  CSeamOverride<AfxShellExecuteSeam> shell{AfxSetShellExecuteSeam, RecordOpen};
};

TEST_F(OutputsProgram, CopyDataPutsTheReportOnTheClipboard) {
  ASSERT_TRUE(program.RunCommand(ID_EDIT_COPY_DATA));
  std::string text = ClipboardText(program.FrameWindow());
  EXPECT_EQ(text, BuildReportText(view->MakePlotDocument(), view->MakeReportView()).GetString());
  EXPECT_EQ(text.find("Hoek-Brown Classification\r\n\tsigci\t60\tMPa\r\n"), 0u) << text;
  EXPECT_NE(text.find("Analysis of Triaxial Lab Data\r\n\tno. of lab data points\t4\t\r\n"),
            std::string::npos);
  // The axis titles are the charts' own.
  EXPECT_FALSE(view->MakeReportView().principalXTitle.IsEmpty());
  EXPECT_TRUE(program.MessageBoxTexts().empty());
}

// Another program's window holding the clipboard open, on a thread of its own, until the
// object goes.
class ClipboardHolder {
 public:
  ClipboardHolder() {
    m_opened = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    m_release = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    m_thread = ::CreateThread(NULL, 0, &ClipboardHolder::Run, this, 0, NULL);
    m_started = ::WaitForSingleObject(m_opened, qxtest::kWaitCapMs) == WAIT_OBJECT_0;
  }
  ~ClipboardHolder() {
    ::SetEvent(m_release);
    ::WaitForSingleObject(m_thread, qxtest::kWaitCapMs);
    for (HANDLE h : {m_thread, m_opened, m_release}) ::CloseHandle(h);
  }
  bool Holds() const { return m_started && m_holds; }

 private:
  static DWORD WINAPI Run(LPVOID self) {
    auto* me = static_cast<ClipboardHolder*>(self);
    HWND window = ::CreateWindowA("STATIC", "holder", 0, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    me->m_holds = window && ::OpenClipboard(window);
    ::SetEvent(me->m_opened);
    ::WaitForSingleObject(me->m_release, INFINITE);
    if (me->m_holds) ::CloseClipboard();
    if (window) ::DestroyWindow(window);
    return 0;
  }
  HANDLE m_opened, m_release, m_thread;
  bool m_started = false;
  bool m_holds = false;
};

TEST_F(OutputsProgram, CopyDataSaysSoWhenTheClipboardIsHeldOpen) {
  ASSERT_TRUE(qxtest::PutOnClipboard(program.FrameWindow(), "before"));
  {
    ClipboardHolder holder;
    ASSERT_TRUE(holder.Holds());
    ASSERT_TRUE(program.RunCommand(ID_EDIT_COPY_DATA));
  }
  EXPECT_EQ(program.MessageBoxTexts(),
            std::vector<std::string>{"The report could not be put on the clipboard."});
  EXPECT_EQ(ClipboardText(program.FrameWindow()), "before");
}

TEST_F(OutputsProgram, WorkbookExportWritesTheReportAndOpensIt) {
  CSeamOverride<AfxClockSeam> clock(AfxSetClockSeam, FixedClock);
  std::string path;
  auto session = SessionInFolder("program_workbook", &path);
  auto previous =
      CExcelExport::SetApplicationFactory([session]() { return CreateWorkbookApplication(session); });
  ASSERT_TRUE(program.RunCommand(ID_EXPORT_EXCEL));
  CExcelExport::SetApplicationFactory(previous);
  EXPECT_TRUE(program.MessageBoxTexts().empty());
  ASSERT_EQ(g_opened, std::vector<std::string>{path});
  EXPECT_EQ(::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES, true);
  // The lab chart and one chart per table of the plots shown.
  EXPECT_EQ(session->model.GetCharts().size(), 3u);
  const WorkbookCell* title = session->model.GetCell(2, 2);
  ASSERT_NE(title, nullptr);
  EXPECT_STREQ(title->text, "Hoek-Brown Classification");
}

TEST_F(OutputsProgram, WorkbookFailuresAreReportedOnce) {
  auto session = std::make_shared<WorkbookSession>();
  session->folder = program.TempFolder().c_str();
  // What the workbook library says when the temporary folder is full.
  session->writer = [](const CWorkbookModel&, const char*, CString* error) {
    *error = "Zip generic error ZIP_ERRNO while creating the xlsx file.";
    return false;
  };
  auto previous =
      CExcelExport::SetApplicationFactory([session]() { return CreateWorkbookApplication(session); });
  // Both messages on the screen, kept as pictures.
  qxtest::CShownMessageBoxes boxes;
  boxes.Expect("program_workbook_disk_full");
  boxes.Expect("program_workbook_no_spreadsheet");
  ASSERT_TRUE(program.RunCommand(ID_EXPORT_EXCEL));
  // No spreadsheet program at all.
  CExcelExport::SetApplicationFactory([]() -> IDispatch* { return nullptr; });
  ASSERT_TRUE(program.RunCommand(ID_EXPORT_EXCEL));
  CExcelExport::SetApplicationFactory(previous);
  ASSERT_EQ(boxes.Texts().size(), 2u);
  const std::string& full = boxes.Texts()[0];
  EXPECT_EQ(full.find("Spreadsheet export failed: "), 0u);
  EXPECT_NE(full.find("Could not write\n" + program.TempFolder() + "Quarvex Report "),
            std::string::npos)
      << full;
  EXPECT_NE(full.find(".xlsx\nThe disk may be full or the folder not writable.\n"
                      "(Zip generic error ZIP_ERRNO while creating the xlsx file.)"),
            std::string::npos)
      << full;
  EXPECT_EQ(boxes.Texts()[1].find("Unable to start the spreadsheet export"), 0u);
  EXPECT_TRUE(boxes.FailedPictures().empty());
  EXPECT_TRUE(g_opened.empty());
}

TEST_F(OutputsProgram, WorkbookExportFailingPartWayKeepsWhatWasWritten) {
  CSeamOverride<AfxClockSeam> clock(AfxSetClockSeam, FixedClock);
  std::string path;
  auto session = SessionInFolder("program_workbook_incomplete", &path);
  // The sheet program turns down the first chart: the tables are written, no chart is.
  session->refusal = [](const char* object, const char* member) {
    return CString(std::strcmp(object, "ChartObjects") == 0 && std::strcmp(member, "Add") == 0
                       ? "The sheet holds no more charts."
                       : "");
  };
  auto previous =
      CExcelExport::SetApplicationFactory([session]() { return CreateWorkbookApplication(session); });
  ASSERT_TRUE(program.RunCommand(ID_EXPORT_EXCEL));
  CExcelExport::SetApplicationFactory(previous);
  ASSERT_EQ(program.MessageBoxTexts().size(), 1u);
  const std::string& message = program.MessageBoxTexts()[0];
  EXPECT_EQ(message.find("Spreadsheet export failed: The sheet holds no more charts."), 0u) << message;
  EXPECT_NE(message.find("incomplete"), std::string::npos) << message;
  EXPECT_NE(message.find(path), std::string::npos) << message;
  EXPECT_NE(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(g_opened.empty());  // an incomplete report is not opened
  EXPECT_TRUE(session->model.GetCharts().empty());
  const WorkbookCell* title = session->model.GetCell(2, 2);
  ASSERT_NE(title, nullptr);
  EXPECT_STREQ(title->text, "Hoek-Brown Classification");
  program.Screenshot("workbook_incomplete_program");
}

TEST_F(OutputsProgram, ImageFilesOfTheView) {
  RECT client;
  view->GetClientRect(&client);
  std::string jpg = program.TempPath("view.JPG");
  program.AnswerFileDialog(jpg);
  ASSERT_TRUE(program.RunCommand(ID_FILE_EXPORT_IMAGE));
  int w = 0, h = 0;
  std::vector<unsigned char> rgb;
  ASSERT_TRUE(DecodeJpeg(jpg, &w, &h, &rgb));
  EXPECT_EQ(w, client.right);
  EXPECT_EQ(h, client.bottom);
  // The envelope is red somewhere in the picture (a thin line, its colour softened by the
  // format's halved colour resolution).
  bool red = false;
  for (size_t i = 0; i + 2 < rgb.size() && !red; i += 3)
    red = rgb[i] > 180 && rgb[i] - rgb[i + 1] > 80 && rgb[i] - rgb[i + 2] > 80;
  EXPECT_TRUE(red);
  std::string emf = program.TempPath("view.emf");
  program.AnswerFileDialog(emf);
  ASSERT_TRUE(program.RunCommand(ID_FILE_EXPORT_IMAGE));
  HENHMETAFILE picture = ::GetEnhMetaFileA(emf.c_str());
  ASSERT_NE(picture, nullptr);
  ::DeleteEnhMetaFile(picture);
  // An unknown extension writes nothing and says so.
  std::string png = program.TempPath("view.png");
  program.AnswerFileDialog(png);
  ASSERT_TRUE(program.RunCommand(ID_FILE_EXPORT_IMAGE));
  EXPECT_EQ(::GetFileAttributesA(png.c_str()), INVALID_FILE_ATTRIBUTES);
  ASSERT_EQ(program.MessageBoxTexts().size(), 1u);
  EXPECT_EQ(program.MessageBoxTexts()[0].find("Unsupported image format"), 0u);
}

// Save dialogs: the flags they were given, and a new file's path as the answer.
DWORD g_saveFlags = 0;
std::string g_savePath;
BOOL AnswerSave(OPENFILENAMEA* ofn, BOOL open) {
  g_saveFlags = open ? 0xFFFFFFFF : ofn->Flags;
  lstrcpynA(ofn->lpstrFile, g_savePath.c_str(), (int)ofn->nMaxFile);
  return TRUE;
}

TEST_F(OutputsProgram, ShearNormalFunctionFile) {
  std::string path = program.TempPath("quarry.fn2");
  {
    // A file to be made: the dialog does not ask for one that exists.
    g_savePath = path;
    CSeamOverride<AfxFileDialogSeam> save(AfxSetFileDialogSeam, AnswerSave);
    ASSERT_TRUE(program.RunCommand(ID_FILE_EXPORT_SHEAR_FUNCTION));
    EXPECT_EQ(g_saveFlags & OFN_FILEMUSTEXIST, 0u);
    EXPECT_NE(g_saveFlags & OFN_OVERWRITEPROMPT, 0u);
    g_savePath = program.TempPath("picture.bmp");
    ASSERT_TRUE(program.RunCommand(ID_FILE_EXPORT_IMAGE));
    EXPECT_EQ(g_saveFlags & OFN_FILEMUSTEXIST, 0u);
    EXPECT_NE(::GetFileAttributesA(g_savePath.c_str()), INVALID_FILE_ATTRIBUTES);
  }
  std::string bytes = ReadBytes(path);
  EXPECT_EQ(bytes.find("QUELM - NORMAL/SHEAR FUNCTION FILE\r\nVERSION 1.0\r\n\r\n"
                       "FUNCTION NAME: Quarry face\r\n\r\n  type: 5  num: 99\r\n   n: "),
            0u)
      << bytes.substr(0, 200);
  int rows = 0;
  for (size_t at = bytes.find("   n: "); at != std::string::npos; at = bytes.find("   n: ", at + 1))
    ++rows;
  EXPECT_EQ(rows, 99);
  EXPECT_TRUE(program.MessageBoxTexts().empty());
}

TEST_F(OutputsProgram, WithoutAPrinterPrintAndPreviewSaySoOnce) {
  CSeamOverride<AfxPrintDialogSeam> seam(AfxSetPrintDialogSeam, NoPrinter);
  RECT before;
  view->GetWindowRect(&before);
  ASSERT_TRUE(program.RunCommand(ID_FILE_PRINT));
  ASSERT_TRUE(program.RunCommand(ID_FILE_PRINT_PREVIEW));
  EXPECT_EQ(program.MessageBoxTexts(),
            (std::vector<std::string>{"No printer is installed.", "No printer is installed."}));
  EXPECT_FALSE(program.Frame()->IsInPreviewMode());
  RECT after;
  view->GetWindowRect(&after);
  EXPECT_TRUE(::EqualRect(&before, &after));
  EXPECT_EQ(view->m_nPointCountOverride, -1);
}

TEST_F(OutputsProgram, PageSetupCommandAppliesAnAutoFormat) {
  if (!HaveTestPrinter()) GTEST_SKIP() << "no test printer";
  program.OnDialog(IDD_PAGE_SETUP, [&](CDialog* d) {
    program.Capture(d, "program_page_setup");
    qxtest::SelectComboItem(d, IDC_AUTOFORMAT_COMBO, 5);  // "Portrait - Full Page"
    qxtest::ClickButton(d, IDOK);
  });
  ASSERT_TRUE(program.RunCommand(ID_FILE_PAGE_SETUP));
  const PageSetupRecord& r = program.App()->m_pageSetup;
  EXPECT_EQ(r.autoFormat, 5);
  EXPECT_TRUE(r.portrait);
  EXPECT_EQ(r.left, r.minMarginLeftRight);
  EXPECT_LT(r.paperWidth, r.paperHeight);
  auto* mode = static_cast<DEVMODEA*>(::GlobalLock(program.App()->m_hDevMode));
  ASSERT_NE(mode, nullptr);
  EXPECT_EQ(mode->dmOrientation, DMORIENT_PORTRAIT);
  ::GlobalUnlock(program.App()->m_hDevMode);
}

// The application's printer given a paper too small for any page: a custom size of 0.1 mm.
bool UseTinyPaper(CWinApp* app) {
  PRINTDLGA pd = {};
  if (!app->GetPrinterDeviceDefaults(&pd) || !app->m_hDevMode) return false;
  auto* mode = static_cast<DEVMODEA*>(::GlobalLock(app->m_hDevMode));
  if (!mode) return false;
  mode->dmFields = (mode->dmFields & ~DM_PAPERSIZE) | DM_PAPERWIDTH | DM_PAPERLENGTH;
  mode->dmPaperSize = 0;
  mode->dmPaperWidth = 1;
  mode->dmPaperLength = 1;
  ::GlobalUnlock(app->m_hDevMode);
  return true;
}

// Runs before PrintingAPageOnThePdfPrinter: once that page is out, a page of this job would be
// out too (one printer takes its jobs in turn), so the check afterwards can tell none came.
TEST_F(OutputsProgram, APageWithoutRoomIsRefusedOnceBeforeAnyJobOrPreview) {
  if (!HaveTestPrinter()) GTEST_SKIP() << "no test printer";
  ASSERT_TRUE(UseTinyPaper(program.App()));
  char title[64];
  snprintf(title, sizeof title, "qxprogramnoroom%lu", (unsigned long)::GetTickCount());
  Doc()->SetTitle(title);
  RECT before;
  view->GetWindowRect(&before);
  const std::string noRoom = "The page has no room inside its margins: change them in Page Setup.";
  ASSERT_TRUE(program.RunCommand(ID_FILE_PRINT_DIRECT));
  EXPECT_EQ(program.MessageBoxTexts(), std::vector<std::string>{noRoom});
  // The preview does not open: no page, and no message again as the window repaints.
  ASSERT_TRUE(program.RunCommand(ID_FILE_PRINT_PREVIEW));
  for (int i = 0; i < 3; ++i) {
    ::RedrawWindow(program.FrameWindow(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    program.Pump();
  }
  EXPECT_FALSE(program.Frame()->IsInPreviewMode());
  EXPECT_EQ(program.MessageBoxTexts(), (std::vector<std::string>{noRoom, noRoom}));
  program.Screenshot("program_print_no_room");
  RECT after;
  view->GetWindowRect(&after);
  EXPECT_TRUE(::EqualRect(&before, &after));
  EXPECT_EQ(view->m_nPointCountOverride, -1);
  std::ofstream("printed-program-refused.txt") << title;
}

TEST_F(OutputsProgram, PrintingAPageOnThePdfPrinter) {
  if (!HaveTestPrinter()) GTEST_SKIP() << "no test printer";
  CSeamOverride<AfxPrintDialogSeam> seam(AfxSetPrintDialogSeam, PrintDialogOk);
  char title[64];
  snprintf(title, sizeof title, "qxprogram%lu", (unsigned long)::GetTickCount());
  Doc()->SetTitle(title);
  RECT before;
  view->GetWindowRect(&before);
  ASSERT_TRUE(program.RunCommand(ID_FILE_PRINT));
  EXPECT_TRUE(program.MessageBoxTexts().empty());
  RECT after;
  view->GetWindowRect(&after);
  EXPECT_TRUE(::EqualRect(&before, &after));  // the view got its place back
  EXPECT_EQ(view->m_nPointCountOverride, -1);
  std::ofstream("printed-program-title.txt") << title;
}

TEST_F(OutputsProgram, MarginsWiderThanThePaperAreClampedBeforePrinting) {
  if (!HaveTestPrinter()) GTEST_SKIP() << "no test printer";
  CSeamOverride<AfxPrintDialogSeam> seam(AfxSetPrintDialogSeam, PrintDialogOk);
  // The page set-up read from the printer, then margins wider than the paper (as the dialog's
  // fields could be left).
  PageSetupRecord& r = program.App()->m_pageSetup;
  CPageSetupDlg setup(nullptr);
  setup.GetPrintableArea(r);
  setup.ClampMargins(r);
  r.left = r.paperWidth / 2;
  r.right = r.paperWidth / 2;
  r.autoFormat = -1;
  char title[64];
  snprintf(title, sizeof title, "qxprogramclamped%lu", (unsigned long)::GetTickCount());
  Doc()->SetTitle(title);
  RECT before;
  view->GetWindowRect(&before);
  ASSERT_TRUE(program.RunCommand(ID_FILE_PRINT_DIRECT));
  EXPECT_LT(r.left + r.right, r.paperWidth);
  EXPECT_TRUE(program.MessageBoxTexts().empty());
  RECT after;
  view->GetWindowRect(&after);
  EXPECT_TRUE(::EqualRect(&before, &after));
  // The check afterwards takes this page out of the PDF folder.
  std::ofstream("printed-program-others.txt", std::ios::app) << title << "\n";
}

// The context menu through the menu-tracking seam: the chosen command goes to the owner.
UINT g_menuChoice = 0;
std::vector<std::string> g_menuItems;
BOOL ChooseFromMenu(HMENU menu, UINT, int, int, HWND owner, LPTPMPARAMS) {
  g_menuItems.clear();
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    char text[64] = "";
    ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    g_menuItems.push_back(text);
  }
  if (g_menuChoice) ::PostMessageA(owner, WM_COMMAND, g_menuChoice, 0);
  return TRUE;
}

TEST_F(OutputsProgram, PreviewShowsThePageAndGivesTheFrameBack) {
  if (!HaveTestPrinter()) GTEST_SKIP() << "no test printer";
  CMainFrame* frame = program.Frame();
  std::vector<std::pair<HWND, bool>> bars;
  for (HWND child = ::GetWindow(frame->m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    bars.emplace_back(child, ::IsWindowVisible(child) != 0);
  RECT before;
  view->GetWindowRect(&before);
  ASSERT_TRUE(program.RunCommand(ID_FILE_PRINT_PREVIEW));
  program.Pump();
  ASSERT_TRUE(frame->IsInPreviewMode()) << (program.MessageBoxTexts().empty() ? "" : program.MessageBoxTexts()[0]);
  auto* preview = dynamic_cast<CWSPreviewView*>(frame->GetActiveView());
  ASSERT_NE(preview, nullptr);
  HWND bar = ::GetDlgItem(frame->m_hWnd, AFX_IDW_PREVIEW_BAR);
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(::IsWindowVisible(bar));
  EXPECT_NE(::GetDlgItem(bar, ID_FILE_PAGE_SETUP), nullptr);
  for (auto& b : bars)
    if (b.first != bar) EXPECT_FALSE(::IsWindowVisible(b.first));  // tool bar, side bar, documents
  ::RedrawWindow(frame->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  program.Pump();
  program.Screenshot("program_print_preview");
  // The page is taller than wide (the PDF printer starts in portrait; the first clamp turns it to
  // the default landscape auto-format).
  CSize first = preview->m_pPageInfo[0].rectScreen.Size();

  // Zoom in and out through the bar.
  ::SendMessageA(::GetDlgItem(bar, AFX_ID_PREVIEW_ZOOMIN), BM_CLICK, 0, 0);
  program.Pump();
  EXPECT_EQ(preview->m_nZoomState, 1);
  EXPECT_GT(preview->m_pPageInfo[0].rectScreen.Width(), first.cx);
  ::SendMessageA(::GetDlgItem(bar, AFX_ID_PREVIEW_ZOOMOUT), BM_CLICK, 0, 0);
  program.Pump();
  EXPECT_EQ(preview->m_pPageInfo[0].rectScreen.Size(), first);

  // Page Setup from the context menu turns the page; the preview measures it again.
  g_menuChoice = ID_FILE_PAGE_SETUP;
  bool portraitBefore = first.cx < first.cy;
  program.OnDialog(IDD_PAGE_SETUP, [&](CDialog* d) {
    // A real click: the radio takes its check before the dialog hears of it.
    ::SendMessageA(::GetDlgItem(d->m_hWnd, portraitBefore ? IDC_LANDSCAPE : IDC_PORTRAIT), BM_CLICK, 0, 0);
    qxtest::ClickButton(d, IDOK);
  });
  {
    CSeamOverride<AfxTrackMenuSeam> track(AfxSetTrackMenuSeam, ChooseFromMenu);
    preview->SendMessage(WM_CONTEXTMENU, (WPARAM)preview->m_hWnd, MAKELPARAM(100, 100));
    program.Pump();
  }
  EXPECT_EQ(g_menuItems, (std::vector<std::string>{"Page Set&up...", "&Print...", "", "&Close"}));
  ::RedrawWindow(preview->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  program.Pump();
  CSize turned = preview->m_pPageInfo[0].rectScreen.Size();
  EXPECT_EQ(turned.cx < turned.cy, !portraitBefore);
  program.Screenshot("program_print_preview_turned");

  // Close from the context menu: everything as it was.
  g_menuChoice = AFX_ID_PREVIEW_CLOSE;
  {
    CSeamOverride<AfxTrackMenuSeam> track(AfxSetTrackMenuSeam, ChooseFromMenu);
    preview->SendMessage(WM_CONTEXTMENU, (WPARAM)preview->m_hWnd, MAKELPARAM(100, 100));
    program.Pump();
  }
  EXPECT_FALSE(frame->IsInPreviewMode());
  EXPECT_EQ(::GetDlgItem(frame->m_hWnd, AFX_IDW_PREVIEW_BAR), nullptr);
  for (auto& b : bars)
    if (::IsWindow(b.first)) EXPECT_EQ(::IsWindowVisible(b.first) != 0, b.second);
  RECT after;
  view->GetWindowRect(&after);
  EXPECT_TRUE(::EqualRect(&before, &after));
  EXPECT_EQ(program.ActiveView(), view);
  program.Screenshot("program_after_preview");
  EXPECT_TRUE(program.UnexpectedDialogs().empty());
}

}  // namespace

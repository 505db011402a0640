// The main frame and the start-up in the real program: the side bar's side, width and
// visibility, the menus for no project and for a project, the File Open drop-down, the current
// folder and bar sizes kept for the next start, the splash, the command line (a project, a
// folder, a missing file), a frame that cannot be made, and the shell registration.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "document/KelStrengthDoc.h"
#include "framework/win/FrameworkIds.h"
#include "framework/win/Menu.h"
#include "framework/win/TestSeams.h"
#include "res/ShellResources.h"
#include "shell/KelStrengthApp.h"
#include "shell/MainFrame.h"
#include "shell/PageSetupRecord.h"
#include "shell/ShellSettings.h"
#include "shell/StartupSplashWnd.h"
#include "tests/shell/OpenMenuShot.h"
#include "tests/support/ProgramHarness.h"
#include "tests/support/Screenshot.h"

using namespace qxtest;

namespace {

int Width(HWND w) {
  RECT rc;
  ::GetWindowRect(w, &rc);
  return rc.right - rc.left;
}

RECT InFrame(HWND frame, HWND w) {
  RECT rc;
  ::GetWindowRect(w, &rc);
  ::MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

std::vector<std::string> MenuTexts(HMENU menu) {
  std::vector<std::string> texts;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    char text[128] = "";
    MENUITEMINFOA info = {sizeof info};
    info.fMask = MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    ::GetMenuItemInfoA(menu, i, TRUE, &info);
    texts.push_back(text);
  }
  return texts;
}

// What the drop-down of the File Open button held when it was tracked.
std::vector<UINT> g_trackedIds;
HMENU g_trackedMenu = nullptr;
BOOL RecordTrack(HMENU menu, UINT, int, int, HWND owner, LPTPMPARAMS) {
  g_trackedMenu = menu;
  g_trackedIds.clear();
  // The items are filled by the update handlers when the popup opens.
  ::SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) g_trackedIds.push_back(::GetMenuItemID(menu, i));
  return FALSE;
}

// Opens menu in the real tracking loop (its update handlers run as it opens), keeps a picture
// of the screen with it open as <name>.bmp, then ends it.
bool ShootOpenMenu(HWND frame, HMENU menu, const std::string& name) {
  RECT rc;
  ::GetWindowRect(frame, &rc);
  return shelltest::ShootOpenMenu(frame, menu, POINT{rc.left + 120, rc.top + 60},
                                  qxtest::ScreenshotFolder() + name + ".bmp");
}

}  // namespace

TEST(ProgramFrame, SideBarDocksOnTheStoredSideAtItsPanelWidth) {
  CProgramHarness program("frame_side_bar");
  ASSERT_TRUE(program.Start());
  CMainFrame* frame = program.Frame();
  HWND bar = frame->m_wndSideBar.m_hWnd;
  const int width = Width(bar);
  EXPECT_GT(width, 150);  // the panel's width, not its height
  EXPECT_LT(width, 320);
  EXPECT_EQ(frame->m_wndSideBar.m_nDockBarID, static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT));
  EXPECT_TRUE(program.IsCommandChecked(ID_VIEW_SIDE_BAR_LEFT));
  EXPECT_FALSE(program.IsCommandChecked(ID_VIEW_SIDE_BAR_RIGHT));
  // The side bar's form is no view of any project.
  EXPECT_EQ(program.ActiveDocument()->GetViewCount(), 1);

  ASSERT_TRUE(program.RunCommand(ID_VIEW_SIDE_BAR_RIGHT));
  program.Pump();
  EXPECT_EQ(frame->m_wndSideBar.m_nDockBarID, static_cast<UINT>(AFX_IDW_DOCKBAR_RIGHT));
  EXPECT_TRUE(program.IsCommandChecked(ID_VIEW_SIDE_BAR_RIGHT));
  RECT client;
  ::GetClientRect(frame->m_hWnd, &client);
  EXPECT_EQ(InFrame(frame->m_hWnd, bar).right, client.right);
  int onLeft = -1;
  EXPECT_TRUE(program.Registry().GetInt(kDocFormKey, "OnLeft", &onLeft));
  EXPECT_EQ(onLeft, 0);

  ASSERT_TRUE(program.RunCommand(ID_VIEW_SIDE_BAR));
  program.Pump();
  EXPECT_FALSE(::IsWindowVisible(bar));
  EXPECT_FALSE(program.IsCommandChecked(ID_VIEW_SIDE_BAR));
  ASSERT_TRUE(program.RunCommand(ID_VIEW_SIDE_BAR));
  EXPECT_TRUE(::IsWindowVisible(bar));
  EXPECT_EQ(program.Exit(), 0);

  // The next start docks it right again.
  ASSERT_TRUE(program.Start());
  EXPECT_EQ(program.Frame()->m_wndSideBar.m_nDockBarID, static_cast<UINT>(AFX_IDW_DOCKBAR_RIGHT));
  program.Screenshot("program_side_bar_right");
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramFrame, MenusSwitchBetweenNoProjectAndProject) {
  CProgramHarness program("frame_menus");
  ASSERT_TRUE(program.Start());
  HWND frame = program.FrameWindow();
  // A project is open: the project menus, with the maximised child's icons around them.
  std::vector<std::string> top = MenuTexts(::GetMenu(frame));
  EXPECT_NE(std::find(top.begin(), top.end(), "&Analysis"), top.end());
  ASSERT_TRUE(program.RunCommand(ID_FILE_CLOSE));
  program.Pump();
  EXPECT_EQ(program.DocumentCount(), 0);
  top = MenuTexts(::GetMenu(frame));
  EXPECT_EQ(top, (std::vector<std::string>{"&File", "&View", "&Help"}));
  EXPECT_EQ(::GetMenu(frame), program.Frame()->m_hMenuDefault);
  // Without a project the project's commands are disabled; the application's stay enabled.
  EXPECT_FALSE(program.IsCommandEnabled(ID_FILE_SAVE));
  EXPECT_TRUE(program.IsCommandEnabled(ID_FILE_EXAMPLE_FOLDER));
  program.Screenshot("program_no_project");
  // The Help menu as it opens: its tutorial item can be chosen.
  HMENU help = ::GetSubMenu(::GetMenu(frame), 2);
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(ShootOpenMenu(frame, help, "program_no_project_help_menu"));
  EXPECT_EQ(::GetMenuState(help, ID_HELP_TUTORIAL_MOVIE, MF_BYCOMMAND) & MF_GRAYED, 0u);
  ASSERT_TRUE(program.RunCommand(ID_FILE_NEW));
  top = MenuTexts(::GetMenu(frame));
  EXPECT_NE(std::find(top.begin(), top.end(), "&Analysis"), top.end());
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramFrame, TheFileOpenDropDownListsTheFolders) {
  CProgramHarness program("frame_drop_down");
  ASSERT_TRUE(program.Start());
  CMainFrame* frame = program.Frame();
  g_trackedMenu = nullptr;  // nothing tracked by an earlier run of this test
  AfxTrackMenuSeam old = AfxSetTrackMenuSeam(&RecordTrack);
  NMTOOLBARA nm = {};
  nm.hdr.hwndFrom = frame->m_wndToolBar.m_hWnd;
  nm.hdr.idFrom = AFX_IDW_TOOLBAR;
  nm.hdr.code = TBN_DROPDOWN;
  nm.iItem = ID_FILE_SAVE;  // not the Open button: nothing drops down
  EXPECT_EQ(::SendMessageA(frame->m_hWnd, WM_NOTIFY, AFX_IDW_TOOLBAR, reinterpret_cast<LPARAM>(&nm)),
            TBDDRET_NODEFAULT);
  EXPECT_EQ(g_trackedMenu, nullptr);
  nm.iItem = ID_FILE_OPEN;
  EXPECT_EQ(::SendMessageA(frame->m_hWnd, WM_NOTIFY, AFX_IDW_TOOLBAR, reinterpret_cast<LPARAM>(&nm)),
            TBDDRET_DEFAULT);
  AfxSetTrackMenuSeam(old);
  ASSERT_NE(g_trackedMenu, nullptr);
  ASSERT_GE(g_trackedIds.size(), 3u);
  EXPECT_EQ(g_trackedIds[0], static_cast<UINT>(ID_FILE_EXAMPLE_FOLDER));
  EXPECT_EQ(g_trackedIds[2], static_cast<UINT>(ID_FILE_RECENT_FOLDER1));  // "(None)"
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramFrame, ClosingKeepsTheCurrentFolderAndTheBarSizeForTheNextStart) {
  CProgramHarness program("frame_close_keeps");
  ASSERT_TRUE(program.Start());
  ::SetCurrentDirectoryA(program.TempFolder().c_str());
  program.Frame()->m_wndSideBar.m_szVert.cx = 281;
  EXPECT_EQ(program.Exit(), 0);
  std::string stored;
  EXPECT_TRUE(program.Registry().GetString(kSettingsKey, "CurDir", &stored));
  std::string expected = program.TempFolder();
  expected.pop_back();  // the folder without its last backslash
  EXPECT_EQ(stored, expected);

  ::SetCurrentDirectoryA("C:\\");
  ASSERT_TRUE(program.Start());
  char folder[MAX_PATH] = "";
  ::GetCurrentDirectoryA(sizeof folder, folder);
  EXPECT_EQ(std::string(folder), expected);  // the start folder is the stored one
  EXPECT_EQ(program.Frame()->m_wndSideBar.m_szVert.cx, 281);
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramFrame, AStoredFolderThatCannotBeEnteredFallsBackToTheExamples) {
  CProgramHarness program("frame_bad_curdir");
  program.Registry().SetString(kSettingsKey, "CurDir", "C:\\no\\such\\folder");
  ::SetCurrentDirectoryA(program.TempFolder().c_str());
  ASSERT_TRUE(program.Start());
  char folder[MAX_PATH] = "";
  ::GetCurrentDirectoryA(sizeof folder, folder);
  std::string now = folder;
  // Either the examples folder next to the program or, without one, where it was.
  EXPECT_NE(now, "C:\\no\\such\\folder");
  // A stored value that is no string is no folder either.
  program.Exit();
  program.Registry().SetInt(kSettingsKey, "CurDir", 7);
  ASSERT_TRUE(program.Start());
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramStartUp, TheSplashShowsWithoutAFileWhenTheWelcomeScreenIsOff) {
  CProgramHarness program("startup_splash");
  ASSERT_EQ(CStartupSplashWnd::GetLiveCount(), 0);
  ASSERT_TRUE(program.Start());  // welcome off (seeded): the splash came and went
  EXPECT_EQ(CStartupSplashWnd::GetLiveCount(), 0);
  EXPECT_EQ(program.Exit(), 0);

  // With a file named there is no splash at all.
  CKelProject project;
  CString error;
  const std::string path = program.TempPath("given.kel");
  ASSERT_TRUE(project.WriteProject(path.c_str(), "3.015", error));
  ASSERT_TRUE(program.Start("\"" + path + "\""));
  EXPECT_EQ(CStartupSplashWnd::GetLiveCount(), 0);
  ASSERT_NE(program.ActiveDocument(), nullptr);
  EXPECT_EQ(program.ActiveDocument()->GetPathName(), CString(path.c_str()));
  EXPECT_EQ(program.DocumentCount(), 1);
  // Its folder heads the recent folders.
  std::string recent;
  program.Exit();
  EXPECT_TRUE(program.Registry().GetString("Software\\Talvenor\\Quarvex 3.0\\Recent Folders",
                                           "Folder1", &recent));
  EXPECT_EQ(recent, program.TempFolder());
}

TEST(ProgramStartUp, AMissingFileOrAFolderOnTheCommandLineDoesNotStopTheProgram) {
  CProgramHarness program("startup_command_line");
  ASSERT_TRUE(program.Start("\"" + program.TempPath("missing.kel") + "\""));
  ASSERT_FALSE(program.MessageBoxTexts().empty());
  EXPECT_NE(program.MessageBoxTexts()[0].find("missing.kel"), std::string::npos);
  EXPECT_EQ(program.DocumentCount(), 1);  // a new project instead
  EXPECT_EQ(program.Exit(), 0);

  ASSERT_TRUE(program.Start("\"" + program.TempFolder() + "\""));
  EXPECT_EQ(program.FileDialogCount(), 1);  // the Open dialog in that folder
  std::string folder = program.LastFileDialogFolder();
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  EXPECT_EQ(folder, program.TempFolder());
  EXPECT_TRUE(program.IsRunning());
  EXPECT_TRUE(program.App()->m_strStartFolder.IsEmpty());
  EXPECT_EQ(program.Exit(), 0);

  // A damaged project: the reader's message, then a new project.
  const std::string damaged = program.TempPath("damaged.kel");
  {
    FILE* f = std::fopen(damaged.c_str(), "wb");
    std::fputs("Quarvex:\r\nversion: one\r\n", f);  // no version number: unreadable
    std::fclose(f);
  }
  const size_t boxes = program.MessageBoxTexts().size();
  ASSERT_TRUE(program.Start("\"" + damaged + "\""));
  EXPECT_GT(program.MessageBoxTexts().size(), boxes);
  EXPECT_EQ(program.DocumentCount(), 1);
  EXPECT_TRUE(program.ActiveDocument()->GetPathName().IsEmpty());
  EXPECT_EQ(program.Exit(), 0);

  std::string bare = program.TempFolder();
  bare.pop_back();  // a folder named without its backslash is still a folder
  ASSERT_TRUE(program.Start("\"" + bare + "\""));
  EXPECT_EQ(program.FileDialogCount(), 2);
  EXPECT_EQ(program.Exit(), 0);
}

namespace {

// A frame whose window cannot be made: its OnCreate fails.
class CFailingFrame : public CMainFrame {
 protected:
  afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFailingFrame, CMainFrame)
ON_WM_CREATE()
END_MESSAGE_MAP()

}  // namespace

TEST(ProgramStartUp, AFrameThatCannotBeMadeEndsTheStartUpSafely) {
  CProgramHarness program("startup_no_frame");
  program.SetFrameFactory([] { return static_cast<CMainFrame*>(new CFailingFrame); });
  EXPECT_FALSE(program.Start());
  EXPECT_EQ(program.App()->m_pMainWnd, nullptr);
}

TEST(ProgramStartUp, TheDocumentTypeIsRegisteredWithAQuotedPath) {
  CProgramHarness program("startup_registration");
  ASSERT_TRUE(program.Start());
  HKEY classes = program.Registry().ClassesRoot();
  auto value = [&](const char* key) {
    char text[1024] = "";
    LONG size = sizeof text;
    return ::RegQueryValueA(classes, key, text, &size) == ERROR_SUCCESS ? std::string(text)
                                                                        : std::string("<none>");
  };
  EXPECT_EQ(value("Quarvex.Document"), "Quarvex Document");
  EXPECT_EQ(value(".kel"), "Quarvex.Document");
  EXPECT_EQ(value("Quarvex.Document\\shell\\open\\ddeexec"), "[open(\"%1\")]");
  const std::string command = value("Quarvex.Document\\shell\\open\\command");
  ASSERT_GT(command.size(), 7u);
  EXPECT_EQ(command.front(), '"');
  EXPECT_EQ(command.substr(command.size() - 6), "\" /dde");
  EXPECT_NE(value("Quarvex.Document\\DefaultIcon").find(",0"), std::string::npos);
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramStartUp, TheWelcomeScreenSwitchDecidesAboutTheSplash) {
  CProgramHarness program("startup_welcome_switch");
  program.SetSplashTime(60000);
  ASSERT_TRUE(program.Start());  // welcome screen off: the splash shows
  EXPECT_EQ(CStartupSplashWnd::GetLiveCount(), 1);
  program.Screenshot("program_start_with_splash");
  for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(w, &pid);
    if (pid == ::GetCurrentProcessId() && ::IsWindowVisible(w) &&
        (::GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST))
      ::PostMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, 0);  // a click closes it
  }
  program.Pump();
  EXPECT_EQ(CStartupSplashWnd::GetLiveCount(), 0);
  EXPECT_EQ(program.Exit(), 0);
  program.Registry().DeleteValue(kWarningsKey, "GettingStartedScreen");
  ASSERT_TRUE(program.Start());  // welcome screen on: no splash
  EXPECT_EQ(CStartupSplashWnd::GetLiveCount(), 0);
  EXPECT_EQ(program.Exit(), 0);
}

namespace {
std::vector<std::string> g_opened;
HINSTANCE RecordShell(HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR, INT) {
  g_opened.push_back(file ? file : "");
  return reinterpret_cast<HINSTANCE>(33);
}
}  // namespace

TEST(ProgramCommands, FolderCommandsHelpPagesAndTheUpdateCheck) {
  CProgramHarness program("commands_app");
  ASSERT_TRUE(program.Start());
  // Recent folders: an empty list leaves its item disabled; ids past the list's six are
  // nobody's and stay disabled; the example folder is the application's own command.
  EXPECT_FALSE(program.IsCommandEnabled(ID_FILE_RECENT_FOLDER1));
  EXPECT_FALSE(program.IsCommandEnabled(ID_FILE_RECENT_FOLDER1 + 6));
  EXPECT_FALSE(program.IsCommandEnabled(ID_FILE_RECENT_FOLDER_LAST));
  EXPECT_TRUE(program.IsCommandEnabled(ID_FILE_EXAMPLE_FOLDER));
  ASSERT_TRUE(program.RunCommand(ID_FILE_EXAMPLE_FOLDER));
  EXPECT_NE(program.LastFileDialogFolder().find("Examples"), std::string::npos);
  EXPECT_TRUE(program.App()->m_strStartFolder.IsEmpty());

  // Help pages that are not next to the program come from their download address.
  CSeamOverride<AfxShellExecuteSeam> shell(&AfxSetShellExecuteSeam, &RecordShell);
  g_opened.clear();
  ASSERT_TRUE(program.RunCommand(ID_HELP_USERS_GUIDE));
  ASSERT_TRUE(program.RunCommand(ID_HELP_MOVIE_UNITS));
  ASSERT_EQ(g_opened.size(), 2u);
  EXPECT_EQ(g_opened[0],
            "https://downloads.talvenor.example/quarvex/guide/Quarvex%20Users%20Guide.pdf");
  EXPECT_EQ(g_opened[1],
            "https://downloads.talvenor.example/quarvex/movies/Quarvex-MeasurementUnits.htm");
  // The no-project menu's Tutorial Movie opens what the project menu's Quarvex Basics opens.
  ASSERT_TRUE(program.RunCommand(ID_HELP_MOVIE_BASICS));
  ASSERT_TRUE(program.RunCommand(ID_HELP_TUTORIAL_MOVIE));
  ASSERT_EQ(g_opened.size(), 4u);
  EXPECT_EQ(g_opened[2], "https://downloads.talvenor.example/quarvex/movies/Quarvex-StartMenu.htm");
  EXPECT_EQ(g_opened[3], g_opened[2]);

  // No update check while a project has unsaved changes.
  program.ActiveDocument()->SetModifiedFlag(TRUE);
  ASSERT_TRUE(program.RunCommand(ID_HELP_CHECK_FOR_UPDATES));
  ASSERT_FALSE(program.MessageBoxTexts().empty());
  EXPECT_EQ(program.MessageBoxTexts().back(), "Please save your document\nbefore checking for updates");
  program.ActiveDocument()->SetModifiedFlag(FALSE);

  // Compute goes to the side bar, also from the Enter key in the project's window.
  CKelStrengthDoc* doc = program.ActiveDocument();
  doc->m_nRedrawHint = 0;
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_COMPUTE));
  EXPECT_EQ(doc->m_nRedrawHint, 2);
  doc->m_nRedrawHint = 0;
  ::SetFocus(program.ActiveView()->m_hWnd);
  program.PressKey(VK_RETURN);
  EXPECT_EQ(doc->m_nRedrawHint, 2);
  EXPECT_EQ(program.Exit(), 0);
}

namespace {
// A page set-up dialog as the main frame sees it.
class CFakePageSetup : public CObject, public IPageSetupSource {
 public:
  PageSetupRecord record;
  const PageSetupRecord& GetWorkingRecord() const override { return record; }
};
}  // namespace

TEST(ProgramCommands, ThePageSetupNotificationReplacesTheWholeRecord) {
  CProgramHarness program("commands_page_setup");
  ASSERT_TRUE(program.Start());
  CFakePageSetup dialog;
  dialog.record.paperHeight = 14.0;
  dialog.record.portrait = 1;
  dialog.record.left = 0.25;
  dialog.record.autoFormat = -1;
  EXPECT_EQ(::SendMessageA(program.FrameWindow(), WM_PAGESETUP_CHANGED,
                           reinterpret_cast<WPARAM>(static_cast<CObject*>(&dialog)), 0),
            1);
  const PageSetupRecord& r = program.App()->m_pageSetup;
  EXPECT_DOUBLE_EQ(r.paperHeight, 14.0);
  EXPECT_EQ(r.portrait, 1);
  EXPECT_DOUBLE_EQ(r.left, 0.25);
  EXPECT_EQ(r.autoFormat, -1);
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramFrame, TwoProjectsShowTheWindowTabs) {
  CProgramHarness program("frame_tabs");
  ASSERT_TRUE(program.Start());
  CMDITabBar* tabs = program.Frame()->m_tabManager.GetTabBar();
  ASSERT_NE(tabs, nullptr);
  EXPECT_FALSE(tabs->IsStripVisible());  // one window: no strip
  ASSERT_TRUE(program.RunCommand(ID_FILE_NEW));
  program.Pump();
  EXPECT_TRUE(tabs->IsStripVisible());
  EXPECT_EQ(tabs->GetItemCount(), 2);
  program.Screenshot("program_two_projects");
  ASSERT_TRUE(program.RunCommand(ID_FILE_CLOSE));
  program.Pump();
  EXPECT_FALSE(tabs->IsStripVisible());
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramFrame, ProjectSettingsDefaultsCarryToTheNextStart) {
  CProgramHarness program("frame_defaults");
  ASSERT_TRUE(program.Start());
  CKelStrengthDoc* doc = program.ActiveDocument();
  doc->m_pActiveCriterion->SetUnits(UNITS_KSF);
  doc->m_hoekBrown.SetModulusMethod(MODULUS_HOEK_DIEDERICHS, 27000.0);
  EXPECT_EQ(program.Exit(), 0);  // the last project closed stores its units and modulus
  ASSERT_TRUE(program.Start());
  doc = program.ActiveDocument();
  EXPECT_EQ(doc->m_pActiveCriterion->GetUnits(), UNITS_KSF);
  EXPECT_EQ(doc->m_hoekBrown.GetModulusMethod(), MODULUS_HOEK_DIEDERICHS);
  EXPECT_DOUBLE_EQ(doc->m_hoekBrown.GetIntactModulus(), 27000.0);
  EXPECT_EQ(program.Exit(), 0);
}

#include "shell/KelStrengthApp.h"

#include <vector>

#include "controls/OwnerDrawMenu.h"
#include "core/registry/Win32SettingsStore.h"
#include "core/version/VersionResource.h"
#include "core/version/VersionText.h"
#include "document/KelStrengthDoc.h"
#include "document/MainSideBar.h"
#include "framework/win/CmdUI.h"
#include "framework/win/FrameworkIds.h"
#include "framework/win/Ole.h"
#include "framework/win/TestSeams.h"
#include "res/ShellResources.h"
#include "shell/AboutDlg.h"
#include "shell/AppLogic.h"
#include "shell/ChildFrame.h"
#include "shell/DisplayOptionsDlg.h"
#include "shell/DocManagerEx.h"
#include "shell/MainFrame.h"
#include "shell/NoticeText.h"
#include "shell/ShellSettings.h"
#include "shell/StartupSplashWnd.h"
#include "shell/TechSupportDlg.h"
#include "shell/WelcomeDlg.h"
#include "view/KelStrengthView.h"

namespace {

BOOL AcceptAnyFolder(LPCSTR) {
  return TRUE;
}

bool FileExists(const CString& path) {
  const DWORD attributes = ::GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const CString& path) {
  const DWORD attributes = ::GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

CKelStrengthApp* GetKelStrengthApp() {
  return dynamic_cast<CKelStrengthApp*>(AfxGetApp());
}

BEGIN_MESSAGE_MAP(CKelStrengthApp, CShellRegApp)
ON_COMMAND(ID_APP_ABOUT, &CKelStrengthApp::OnAppAbout)
ON_COMMAND(ID_VIEW_DISPLAY_OPTIONS, &CKelStrengthApp::OnViewDisplayOptions)
ON_COMMAND(ID_VIEW_GRAYSCALE, &CKelStrengthApp::OnViewGrayscale)
ON_UPDATE_COMMAND_UI(ID_VIEW_GRAYSCALE, &CKelStrengthApp::OnUpdateViewGrayscale)
ON_COMMAND(ID_HELP_HOEK_BROWN_2002, &CKelStrengthApp::OnHelpHoekBrown2002)
ON_COMMAND(ID_HELP_HOEK_BROWN_HISTORY, &CKelStrengthApp::OnHelpHoekBrownHistory)
ON_COMMAND(ID_HELP_USERS_GUIDE_MANUAL, &CKelStrengthApp::OnHelpUsersGuideManual)
ON_COMMAND(ID_HELP_CHECK_FOR_UPDATES, &CKelStrengthApp::OnHelpCheckForUpdates)
ON_COMMAND(ID_HELP_CHECK_AUTOMATICALLY, &CKelStrengthApp::OnHelpCheckAutomatically)
ON_UPDATE_COMMAND_UI(ID_HELP_CHECK_AUTOMATICALLY, &CKelStrengthApp::OnUpdateHelpCheckAutomatically)
ON_COMMAND(ID_HELP_CHECK_ALL_UPDATES, &CKelStrengthApp::OnHelpCheckAllUpdates)
ON_COMMAND(ID_HELP_TECH_SUPPORT, &CKelStrengthApp::OnHelpTechSupport)
ON_COMMAND(ID_HELP_USERS_GUIDE, &CKelStrengthApp::OnHelpUsersGuide)
ON_COMMAND(ID_FILE_EXAMPLE_FOLDER, &CKelStrengthApp::OnFileExampleFolder)
ON_COMMAND(ID_FILE_OPEN, &CKelStrengthApp::OnFileOpen)
ON_COMMAND(ID_HELP_MOVIE_BASICS, &CKelStrengthApp::OnHelpMovieBasics)
// The no-project menu's one tutorial item: the basics, as the project menu's first tutorial.
ON_COMMAND(ID_HELP_TUTORIAL_MOVIE, &CKelStrengthApp::OnHelpMovieBasics)
ON_COMMAND(ID_HELP_MOVIE_UNITS, &CKelStrengthApp::OnHelpMovieUnits)
ON_COMMAND(ID_HELP_MOVIE_TRIAXIAL, &CKelStrengthApp::OnHelpMovieTriaxial)
ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
ON_COMMAND(ID_FILE_PAGE_SETUP, &CKelStrengthApp::OnFilePageSetup)
ON_COMMAND(ID_FILE_PRINT_SETUP, &CWinApp::OnFilePrintSetup)
END_MESSAGE_MAP()

CKelStrengthApp::CKelStrengthApp()
    : m_mruManager(this),
      m_crMohrCoulomb(RGB(0, 0, 255)),
      m_crHoekBrown(RGB(255, 0, 0)),
      m_crThird(RGB(0, 255, 0)),
      m_crMohrCoulombGray(RGB(128, 128, 128)),
      m_crHoekBrownGray(RGB(0, 0, 0)),
      m_crThirdGray(RGB(192, 192, 192)),
      m_bGrayscale(FALSE),
      m_strSettingsKey(kSettingsKey),
      m_pOffscreenBitmap(nullptr),
      m_pDocTemplate(nullptr) {
  char measure[8] = "";
  m_pageSetup.inches = InchesFromMeasureSystem(
      ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, measure, sizeof measure) > 0
          ? measure
          : nullptr);
  LoadDisplaySettings();
}

CKelStrengthApp::~CKelStrengthApp() {
  delete m_pOffscreenBitmap;
  m_pOffscreenBitmap = nullptr;
}

CMainFrame* CKelStrengthApp::GetMainFrame() const {
  return dynamic_cast<CMainFrame*>(m_pMainWnd);
}

// ---- start-up -------------------------------------------------------------------------------

BOOL CKelStrengthApp::InitInstance() {
  // The menu look the system suggests; the main frame applies a stored choice later.
  SetMenuLookSwitches(HasWin95Shell(), HasWin95Shell());
  AfxEnableControlContainer();
  AfxOleInit();
  Enable3dControls();
  SetRegistryKey("Talvenor");
  m_strVersion = GetVersionText(FALSE);
  LoadStdProfileSettings(6);
  m_mruManager.AddList(ID_FILE_RECENT_FOLDER1, "Recent Folders", "Folder%d", &AcceptAnyFolder, 6,
                       FALSE, 30);

  CDocManagerEx* manager = new CDocManagerEx;
  delete m_pDocManager;
  m_pDocManager = manager;
  m_pDocTemplate = new CMultiDocTemplate(IDR_KELSTRTYPE, RUNTIME_CLASS(CKelStrengthDoc),
                                         RUNTIME_CLASS(CChildFrame),
                                         RUNTIME_CLASS(CKelStrengthView));
  AddDocTemplate(m_pDocTemplate);
  manager->AddFilter("Lorvane Files (*.qzt)", "*.qzt");

  // The main window must be known before the frame is created: the side bar's form finds the
  // frame through it while the frame is being built.
  CMainFrame* frame = CreateMainFrame();
  m_pMainWnd = frame;
  if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
    // A frame whose window was made deletes itself when it goes; one that never got a window
    // is still ours. Either way nothing may point at it any more.
    if (AfxIsFrameAlive(frame) && !frame->m_hWnd) delete frame;
    m_pMainWnd = nullptr;
    return FALSE;
  }

  // The owner-drawn menus replace the plain ones the template and the frame loaded.
  HMENU plainDocumentMenu = m_pDocTemplate->m_hMenuShared;
  m_pDocTemplate->m_hMenuShared = frame->LoadDocumentMenu();
  if (plainDocumentMenu && plainDocumentMenu != m_pDocTemplate->m_hMenuShared)
    ::DestroyMenu(plainDocumentMenu);
  HMENU plainMainMenu = frame->m_hMenuDefault;
  frame->m_hMenuDefault = frame->LoadMainMenu();
  frame->OnUpdateFrameMenu(frame->m_hMenuDefault);
  if (plainMainMenu && plainMainMenu != frame->m_hMenuDefault) ::DestroyMenu(plainMainMenu);

  CCommandLineInfo info;
  ParseCommandLine(info);
  frame->DragAcceptFiles(TRUE);
  EnableShellOpen();
  RegisterShellFileTypes(TRUE, ".kel");

  CString folderToOpen;
  if (!ProcessCommandLine(info, folderToOpen)) return FALSE;

  // Started by the shell's DDE open, the window shows when the first command arrives.
  if (m_nCmdShow != SW_HIDE) {
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    frame->UpdateWindow();
  }
  SetStartDirectory();
  if (!folderToOpen.IsEmpty()) OpenDocumentFile(folderToOpen);

  const BOOL noFile = IsNoFileCommand(info.m_nShellCommand) && folderToOpen.IsEmpty();
  if (noFile && !IsGettingStartedScreenOn()) {
    CStartupSplashWnd* splash = new CStartupSplashWnd(IDB_SPLASH, m_nSplashTime);
    if (!splash->Show()) delete splash;  // nothing was shown: the window will not free itself
  }
  StartUpdateCheck();
  if (noFile) ShowGettingStartedScreen();
  return TRUE;
}

BOOL CKelStrengthApp::ProcessCommandLine(CCommandLineInfo& info, CString& folderToOpen) {
  if (info.m_nShellCommand == CCommandLineInfo::FileOpen) {
    CString path = info.m_strFileName;
    // A folder opens the Open dialog there once the window is up; a file that is not there
    // is reported, and the program starts with a new project instead.
    if (IsFolderPath(path) || FolderExists(path)) {
      folderToOpen = IsFolderPath(path) ? path : path + "\\";
      info.m_nShellCommand = CCommandLineInfo::FileNothing;
      return TRUE;
    }
    if (!FileExists(path)) {
      CString text;
      text.Format("The file \"%s\" could not be found.", path.GetString());
      AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
      OnFileNew();
      return TRUE;
    }
    if (!ProcessShellCommand(info)) OnFileNew();  // the reader has said what was wrong
    return TRUE;
  }
  return ProcessShellCommand(info);
}

CMainFrame* CKelStrengthApp::CreateMainFrame() {
  return new CMainFrame;
}

void CKelStrengthApp::StartUpdateCheck() {
  // A deployment (or a test) may name another update server.
  const CString root = CWebUpdateChecker::GetConfiguredServerRoot("Quarvex 3.0");
  if (!root.IsEmpty()) m_updateChecker.SetServerRoot(root);
  m_updateChecker.SetHistoryUrl(kUpdateHistoryPage);
  m_updateChecker.Init("Quarvex 3.0");
}

int CKelStrengthApp::ExitInstance() {
  // A check still waiting for the server is cut short (briefly waited for).
  m_updateChecker.Shutdown();
  SaveDisplaySettings();
  m_mruManager.WriteLists();
  return CShellRegApp::ExitInstance();
}

CString CKelStrengthApp::GetProgramFolder() {
  char name[MAX_PATH] = "";
  DWORD n = ::GetModuleFileNameA(m_hInstance, name, sizeof name);
  if (n == 0 || n >= sizeof name) {
    AfxMessageBox(
        "Unable to find the executable file!\nIt should be in the same directory as the "
        "application");
    return CString();
  }
  CString path(name);
  int slash = path.ReverseFind('\\');
  if (slash < 0) {
    AfxMessageBox("Unable to open executable file!");
    return CString();
  }
  return path.Left(slash + 1);
}

BOOL CKelStrengthApp::SetStartDirectory() {
  CString stored;
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, m_strSettingsKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    char buffer[MAX_PATH + 1] = "";
    DWORD type = 0, size = MAX_PATH;
    // Only a string that fits counts; the stored bytes need not end with a terminator.
    if (::RegQueryValueExA(key, "CurDir", nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                           &size) == ERROR_SUCCESS &&
        type == REG_SZ) {
      buffer[size < MAX_PATH ? size : MAX_PATH] = 0;
      stored = buffer;
    }
    ::RegCloseKey(key);
  }
  // A stored folder that cannot be entered falls back to the examples, like a missing one.
  if (stored.IsEmpty() || !::SetCurrentDirectoryA(stored))
    ::SetCurrentDirectoryA(GetProgramFolder() + "Examples\\");
  return TRUE;
}

BOOL CKelStrengthApp::IsGettingStartedScreenOn() {
  return ::IsGettingStartedScreenOn(CWin32SettingsStore::Instance());
}

void CKelStrengthApp::ShowGettingStartedScreen() {
  if (!IsGettingStartedScreenOn()) return;
  CWelcomeDlg dlg(m_pMainWnd);
  dlg.DoModal();
  if (dlg.m_bDontShow) StoreGettingStartedScreenOff(CWin32SettingsStore::Instance());
  if (dlg.m_bWatchMovie)
    OpenHelpFile("Movies\\", "Quarvex-StartMenu.htm", kMoviesDownload);
  else if (dlg.m_bOpenGuide)
    OpenHelpFile("Manuals\\", "Quarvex Users Guide.pdf", kGuideDownload);
}

// ---- documents ------------------------------------------------------------------------------

BOOL CKelStrengthApp::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) {
  // The recent-folder manager answers for every id it is asked about: it is asked only about
  // the example folder and the ids one of its lists owns, so that an id past the lists finds
  // no handler (and stays disabled).
  const bool folderCommand =
      id == ID_FILE_EXAMPLE_FOLDER ||
      (id >= ID_FILE_RECENT_FOLDER1 && id <= ID_FILE_RECENT_FOLDER_LAST && m_mruManager.FindList(id));
  if (folderCommand && m_mruManager.OnCmdMsg(id, code, extra, info)) return TRUE;
  return CShellRegApp::OnCmdMsg(id, code, extra, info);
}

CDocument* CKelStrengthApp::OpenDocumentFile(LPCSTR path) {
  if (IsFolderPath(path)) {
    m_strStartFolder = path;
    OnFileOpen();
    m_strStartFolder.Empty();
    return nullptr;
  }
  return CShellRegApp::OpenDocumentFile(path);
}

void CKelStrengthApp::AddToRecentFileList(LPCSTR path) {
  m_mruManager.AddFolderOf(path);
  CShellRegApp::AddToRecentFileList(path);
}

BOOL CKelStrengthApp::OnDDECommand(LPCSTR command) {
  if (m_pMainWnd && m_pMainWnd->m_hWnd) {
    if (!m_pMainWnd->IsWindowVisible())
      m_pMainWnd->ShowWindow(SW_SHOWMAXIMIZED);
    else if (m_pMainWnd->IsIconic())
      m_pMainWnd->ShowWindow(SW_RESTORE);
  }
  return CShellRegApp::OnDDECommand(command);
}

void CKelStrengthApp::OnFileOpen() {
  if (!m_strStartFolder.IsEmpty()) {
    ::SetCurrentDirectoryA(m_strStartFolder);
    if (CDocManagerEx* manager = dynamic_cast<CDocManagerEx*>(m_pDocManager))
      manager->m_strInitialFolder = m_strStartFolder;
  }
  CShellRegApp::OnFileOpen();
}

void CKelStrengthApp::OnFileExampleFolder() {
  m_strStartFolder = GetProgramFolder() + "Examples";
  OnFileOpen();
  m_strStartFolder.Empty();
}

// ---- display settings -----------------------------------------------------------------------

CurveColours CKelStrengthApp::GetStoredColours() const {
  CurveColours c;
  c.hoekBrown = m_crHoekBrown;
  c.mohrCoulomb = m_crMohrCoulomb;
  c.hoekBrownGray = m_crHoekBrownGray;
  c.mohrCoulombGray = m_crMohrCoulombGray;
  return c;
}

void CKelStrengthApp::SetStoredColours(const CurveColours& c) {
  m_crHoekBrown = c.hoekBrown;
  m_crMohrCoulomb = c.mohrCoulomb;
  m_crHoekBrownGray = c.hoekBrownGray;
  m_crMohrCoulombGray = c.mohrCoulombGray;
}

void CKelStrengthApp::LoadDisplaySettings() {
  CurveColours colours = GetStoredColours();
  ::LoadDisplaySettings(CWin32SettingsStore::Instance(), m_displaySettings, colours);
  SetStoredColours(colours);
}

void CKelStrengthApp::SaveDisplaySettings() {
  ::SaveDisplaySettings(CWin32SettingsStore::Instance(), m_displaySettings, GetStoredColours());
}

void CKelStrengthApp::ApplyDisplaySettings() {
  std::vector<CDocument*> documents;
  for (POSITION tp = GetFirstDocTemplatePosition(); tp;) {
    CDocTemplate* docTemplate = GetNextDocTemplate(tp);
    for (POSITION dp = docTemplate->GetFirstDocPosition(); dp;)
      documents.insert(documents.begin(), docTemplate->GetNextDoc(dp));
  }
  for (CDocument* doc : documents) {
    if (CKelStrengthDoc* kel = dynamic_cast<CKelStrengthDoc*>(doc)) kel->m_nRedrawHint = 2;
    doc->UpdateAllViews(nullptr, 0, nullptr);
  }
  if (ISideBarSink* bar = AfxGetSideBar()) bar->ShowResults();
}

void CKelStrengthApp::OnViewDisplayOptions() {
  const CDisplaySettings keptSettings = m_displaySettings;
  const CurveColours keptColours = GetStoredColours();
  CDisplayOptionsDlg dlg(m_pMainWnd);
  if (dlg.DoModal() != IDOK) {
    m_displaySettings = keptSettings;
    SetStoredColours(keptColours);
  }
  ApplyDisplaySettings();
}

void CKelStrengthApp::OnViewGrayscale() {
  m_bGrayscale = !m_bGrayscale;
  ApplyDisplaySettings();
}

void CKelStrengthApp::OnUpdateViewGrayscale(CCmdUI* ui) {
  ui->SetCheck(m_bGrayscale ? 1 : 0);
}

// ---- help, about and updates ----------------------------------------------------------------

void CKelStrengthApp::OpenHelpFile(LPCSTR subFolder, LPCSTR file, LPCSTR download) {
  const CString folder = GetProgramFolder();
  const CString target = HelpTarget(folder, subFolder, file, download,
                                    FileExists(folder + subFolder + file));
  AfxShellExecute(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

void CKelStrengthApp::OnHelpHoekBrown2002() {
  OpenHelpFile("Manuals\\", "Hoek-Brown Failure Criterion-2002 Edition.pdf", kManualsDownload);
}
void CKelStrengthApp::OnHelpHoekBrownHistory() {
  OpenHelpFile("Manuals\\", "Hoek-Brown History.pdf", kManualsDownload);
}
void CKelStrengthApp::OnHelpUsersGuideManual() {
  OpenHelpFile("Manuals\\", "Quarvex Users Guide.pdf", kManualsDownload);
}
void CKelStrengthApp::OnHelpUsersGuide() {
  OpenHelpFile("Manuals\\", "Quarvex Users Guide.pdf", kGuideDownload);
}
void CKelStrengthApp::OnHelpMovieBasics() {
  OpenHelpFile("Movies\\", "Quarvex-StartMenu.htm", kMoviesDownload);
}
void CKelStrengthApp::OnHelpMovieUnits() {
  OpenHelpFile("Movies\\", "Quarvex-MeasurementUnits.htm", kMoviesDownload);
}
void CKelStrengthApp::OnHelpMovieTriaxial() {
  OpenHelpFile("Movies\\", "Quarvex-TriaxialDataAnalysis.htm", kMoviesDownload);
}

void CKelStrengthApp::OnAppAbout() {
  CAboutDlg dlg(m_pMainWnd);
  dlg.m_strCaption = "About Quarvex";
  dlg.m_strBuildDate = GetBuildDateTimeText();
  dlg.m_strNotice = GetNoticeText(2002, kNoticeCompany);
  dlg.m_strAppVersion = GetVersionLine(TRUE, TRUE);
  dlg.m_hIcon = LoadIcon(IDR_KELSTRTYPE);
  dlg.DoModal();
}

void CKelStrengthApp::OnHelpTechSupport() {
  CTechSupportDlg dlg(m_pMainWnd);
  dlg.m_strProgram = "Quarvex";
  dlg.m_strVersion = GetVersionLine(TRUE, TRUE);
  dlg.DoModal();
}

void CKelStrengthApp::OnHelpCheckForUpdates() {
  if (CWebUpdateChecker::IsDocumentModified(m_pDocTemplate)) {
    AfxMessageBox("Please save your document\nbefore checking for updates", MB_OK);
    return;
  }
  m_updateChecker.CheckNow();
}

void CKelStrengthApp::OnHelpCheckAutomatically() {
  m_updateChecker.ToggleAutomatic();
}

void CKelStrengthApp::OnUpdateHelpCheckAutomatically(CCmdUI* ui) {
  ui->SetCheck(m_updateChecker.IsAutomatic() ? 1 : 0);
}

void CKelStrengthApp::OnHelpCheckAllUpdates() {
  m_updateChecker.RunUpdateHelper();
}

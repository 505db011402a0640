// CKelStrengthApp: the program's application object. It holds what every window shares (display
// settings and curve colours, page set-up, recent folders, the update checker, the document
// template, the version text), runs the start-up, and routes the application's commands.
#pragma once

#include "framework/win/DocTemplate.h"
#include "framework/win/GdiObjects.h"
#include "shell/DisplaySettings.h"
#include "shell/PageSetupRecord.h"
#include "shell/RecentFolders.h"
#include "shell/ShellRegApp.h"
#include "shell/WebUpdateChecker.h"

class CCmdUI;
class CCommandLineInfo;
class CMainFrame;

class CKelStrengthApp : public CShellRegApp {
 public:
  CKelStrengthApp();
  ~CKelStrengthApp() override;

  BOOL InitInstance() override;
  // Stores the display settings and the recent folders, then the framework's shut-down.
  int ExitInstance() override;
  BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) override;
  // A path ending in a backslash names a folder: the Open dialog starts there, NULL results.
  CDocument* OpenDocumentFile(LPCSTR path) override;
  // Records the file's folder among the recent folders, then the file among the recent files.
  void AddToRecentFileList(LPCSTR path) override;
  // The shell's DDE open; brings a hidden or minimised main window up first.
  BOOL OnDDECommand(LPCSTR command) override;

  CString GetSettingsKey() const { return m_strSettingsKey; }
  CString GetProgramVersion() const { return m_strVersion; }
  // The program folder with its backslash; a message when it cannot be had.
  CString GetProgramFolder();
  // The current directory at start-up: the stored "CurDir", else the examples folder.
  BOOL SetStartDirectory();
  BOOL IsGettingStartedScreenOn();
  void ShowGettingStartedScreen();

  // Display settings: pushed to every document and the side bar; loaded at construction,
  // stored at shut-down.
  void ApplyDisplaySettings();
  void LoadDisplaySettings();
  void SaveDisplaySettings();
  CurveColours GetStoredColours() const;
  void SetStoredColours(const CurveColours& colours);

  CMainFrame* GetMainFrame() const;

  CDisplaySettings m_displaySettings;
  CMruFileManager m_mruManager;
  CString m_strStartFolder;
  PageSetupRecord m_pageSetup;
  COLORREF m_crMohrCoulomb;
  COLORREF m_crHoekBrown;
  COLORREF m_crThird;
  COLORREF m_crMohrCoulombGray;
  COLORREF m_crHoekBrownGray;
  COLORREF m_crThirdGray;
  BOOL m_bGrayscale;
  CString m_strSettingsKey;
  // Shared by the views for painting; created by them, deleted here.
  CBitmap* m_pOffscreenBitmap;
  CMultiDocTemplate* m_pDocTemplate;
  CWebUpdateChecker m_updateChecker;
  CString m_strVersion;

  // How long the start-up splash stays (ms); tests shorten it.
  UINT m_nSplashTime = 2500;

 protected:
  // Start-up steps that other parts of the program fill in.
  virtual void StartUpdateCheck();
  // The main frame object the start-up loads (a test may give one that fails).
  virtual CMainFrame* CreateMainFrame();
  // Opens a help page through the shell: the local file, else its download address.
  void OpenHelpFile(LPCSTR subFolder, LPCSTR file, LPCSTR download);
  // A file named on the command line that cannot be opened: says so, then a new project.
  BOOL ProcessCommandLine(CCommandLineInfo& info, CString& folderToOpen);

  afx_msg void OnAppAbout();
  afx_msg void OnViewDisplayOptions();
  afx_msg void OnViewGrayscale();
  afx_msg void OnUpdateViewGrayscale(CCmdUI* ui);
  afx_msg void OnHelpHoekBrown2002();
  afx_msg void OnHelpHoekBrownHistory();
  afx_msg void OnHelpUsersGuideManual();
  afx_msg void OnHelpCheckForUpdates();
  afx_msg void OnHelpCheckAutomatically();
  afx_msg void OnUpdateHelpCheckAutomatically(CCmdUI* ui);
  afx_msg void OnHelpCheckAllUpdates();
  afx_msg void OnHelpTechSupport();
  afx_msg void OnHelpUsersGuide();
  afx_msg void OnFileExampleFolder();
  afx_msg void OnFileOpen();
  afx_msg void OnHelpMovieBasics();
  afx_msg void OnHelpMovieUnits();
  afx_msg void OnHelpMovieTriaxial();
  // File > Page Setup (shell/PageSetupCommand.cpp).
  afx_msg void OnFilePageSetup();
  DECLARE_MESSAGE_MAP()
};

// The application object, or NULL when another kind of application runs (tests).
CKelStrengthApp* GetKelStrengthApp();

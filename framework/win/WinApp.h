// CWinApp: the application object: start-up and shut-down, the message pump with
// PreTranslateMessage and idle processing, the profile (registry), the document
// manager, recent files and the command line.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include "framework/base/CString.h"
#include "framework/win/AfxCore.h"
#include "framework/win/RecentFileList.h"
#include "framework/win/CmdTarget.h"
#include "framework/win/DocPosition.h"

class CDC;
class CDocManager;
class CDocTemplate;
class CPrintDialog;
class CDocument;
class CWnd;

class CCommandLineInfo : public CObject {
 public:
  enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister, FileNothing = -1 };
  CCommandLineInfo() = default;
  // One argument of the command line; flag is TRUE for "/x" or "-x" (without the prefix).
  virtual void ParseParam(LPCSTR param, BOOL flag, BOOL last);

  BOOL m_bShowSplash = TRUE;
  BOOL m_bRunEmbedded = FALSE;
  BOOL m_bRunAutomated = FALSE;
  int m_nShellCommand = FileNew;
  CString m_strFileName;
  CString m_strPrinterName;
  CString m_strDriverName;
  CString m_strPortName;
};

// Splits a command line into arguments (quotes group, quotes removed).
void AfxSplitCommandLine(LPCSTR commandLine, CStringArray& args);

class CWinApp : public CCmdTarget {
  DECLARE_DYNAMIC(CWinApp)
 public:
  // A NULL name takes the title from string AFX_IDS_APP_TITLE, else the program name.
  explicit CWinApp(LPCSTR appName = nullptr);
  ~CWinApp() override;

  // Start-up and shut-down.
  virtual BOOL InitApplication();
  virtual BOOL InitInstance();
  virtual int ExitInstance();
  virtual int Run();
  // Idle work; count counts calls since the last message. TRUE asks for more.
  virtual BOOL OnIdle(LONG count);
  virtual BOOL PreTranslateMessage(MSG* msg);
  virtual BOOL IsIdleMessage(MSG* msg);
  // One message: FALSE on WM_QUIT.
  BOOL PumpMessage();
  // Handles every queued message and then idle work, without waiting (for tests).
  // FALSE when WM_QUIT was taken from the queue.
  BOOL PumpPendingMessages();

  // Profile: HKCU\Software\<registry key>\<profile name>\<section>.
  void SetRegistryKey(LPCSTR key);
  UINT GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue);
  BOOL WriteProfileInt(LPCSTR section, LPCSTR entry, int value);
  CString GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue = nullptr);
  BOOL WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value);
  // The key of the profile, or of one of its sections (caller closes); NULL on failure.
  HKEY GetAppRegistryKey(BOOL create = TRUE);
  HKEY GetSectionKey(LPCSTR section, BOOL create = TRUE);
  void LoadStdProfileSettings(UINT maxMRU = 4);
  void SaveStdProfileSettings();

  // Documents.
  void AddDocTemplate(CDocTemplate* docTemplate);
  // The document templates, through the document manager (NULL without one).
  POSITION GetFirstDocTemplatePosition() const;
  CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
  virtual CDocument* OpenDocumentFile(LPCSTR path);
  virtual void AddToRecentFileList(LPCSTR path);
  virtual BOOL DoPromptFileName(CString& fileName, UINT idsTitle, DWORD flags, BOOL open,
                                CDocTemplate* docTemplate);
  BOOL SaveAllModified();
  void CloseAllDocuments(BOOL endSession);
  int GetOpenDocumentCount() const;

  // Command line.
  void ParseCommandLine(CCommandLineInfo& info);
  BOOL ProcessShellCommand(CCommandLineInfo& info);
  // The main frame answers the shell's DDE open (application name = program name, topic
  // "system") from now on, until the application ends.
  void EnableShellOpen();
  void DisableShellOpen();
  ATOM m_atomApp = 0;
  ATOM m_atomSystemTopic = 0;
  virtual BOOL OnDDECommand(LPCSTR command);
  void Enable3dControls() {}
  void AfxEnableControlContainer() {}

  // The application's printer: DEVMODE and DEVNAMES of the printer chosen in the print
  // dialogs, the default printer until then. Both NULL while there is none.
  // Fills pd's hDevMode and hDevNames with them, taking the default printer first when none is
  // chosen yet. FALSE when there is no printer.
  BOOL GetPrinterDeviceDefaults(PRINTDLGA* pd);
  // A device context of the application's printer in dc; FALSE without one.
  BOOL CreatePrinterDC(CDC& dc);
  // Runs a print or print set-up dialog on the application's printer; what the user chooses
  // becomes the application's printer. Returns IDOK or IDCANCEL.
  virtual INT_PTR DoPrintDialog(CPrintDialog* pd);
  // Makes the handles the application's printer (they belong to the application from now on).
  void SelectPrinter(HGLOBAL devNames, HGLOBAL devMode, BOOL freeOld = TRUE);
  afx_msg void OnFilePrintSetup();
  HGLOBAL m_hDevMode = nullptr;
  HGLOBAL m_hDevNames = nullptr;

  CWnd* GetMainWnd() const { return m_pMainWnd; }
  HCURSOR LoadCursor(UINT id) const;
  // A system cursor (IDC_ARROW, IDC_SIZEWE, ...); needs no application object.
  static HCURSOR LoadStandardCursor(LPCSTR name);
  HICON LoadIcon(UINT id) const;

  afx_msg void OnFileNew();
  afx_msg void OnFileOpen();
  afx_msg void OnAppExit();
  afx_msg BOOL OnOpenRecentFile(UINT id);
  afx_msg void OnUpdateRecentFileMenu(CCmdUI* ui);

  HINSTANCE m_hInstance = nullptr;
  LPCSTR m_lpCmdLine = "";
  int m_nCmdShow = SW_SHOWNORMAL;
  LPCSTR m_pszAppName = nullptr;
  LPCSTR m_pszExeName = nullptr;
  LPCSTR m_pszProfileName = nullptr;
  LPCSTR m_pszRegistryKey = nullptr;
  CWnd* m_pMainWnd = nullptr;
  CDocManager* m_pDocManager = nullptr;
  CRecentFileList* m_pRecentFileList = nullptr;

 protected:
  CString m_strAppName, m_strExeName, m_strProfileName, m_strRegistryKey;
  BOOL m_bIdlePending = FALSE;
  // Takes the default printer when there is no application printer yet (or always).
  void UpdatePrinterSelection(BOOL forceDefaults);
  DECLARE_MESSAGE_MAP()
};

// The program's entry: runs the application object's start-up, pump and shut-down.
int AfxWinMain(HINSTANCE instance, LPSTR commandLine, int cmdShow);

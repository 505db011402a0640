#include "framework/win/WinApp.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/win/FrameworkIds.h"
#include "framework/win/CmdUI.h"
#include "framework/win/DocManager.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/FrameWnd.h"
#include "framework/win/Menu.h"
#include "framework/win/Ole.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
ON_COMMAND_EX_RANGE(ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST, &CWinApp::OnOpenRecentFile)
ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

static CWnd* MainWndOfApp() {
  CWinApp* app = AfxGetApp();
  return app ? app->m_pMainWnd : nullptr;
}

CWinApp::CWinApp(LPCSTR appName) {
  m_hInstance = ::GetModuleHandleA(nullptr);
  if (appName) m_strAppName = appName;
  AfxSetApp(this);
  AfxSetMainWndProvider(&MainWndOfApp);
  CString exe = AfxGetModuleFileName(nullptr);
  int slash = exe.ReverseFind('\\');
  exe = exe.Mid(slash + 1);
  int dot = exe.ReverseFind('.');
  m_strExeName = dot > 0 ? exe.Left(dot) : exe;
  if (m_strAppName.IsEmpty()) m_strAppName = AfxLoadString(AFX_IDS_APP_TITLE);
  if (m_strAppName.IsEmpty()) m_strAppName = m_strExeName;
  m_strProfileName = m_strAppName;
  m_pszAppName = m_strAppName;
  m_pszExeName = m_strExeName;
  m_pszProfileName = m_strProfileName;
}

CWinApp::~CWinApp() {
  SelectPrinter(nullptr, nullptr, TRUE);
  DisableShellOpen();
  delete m_pDocManager;
  m_pDocManager = nullptr;
  delete m_pRecentFileList;
  m_pRecentFileList = nullptr;
  if (AfxGetApp() == this) AfxSetApp(nullptr);
}

BOOL CWinApp::InitApplication() {
  return TRUE;
}
BOOL CWinApp::InitInstance() {
  return TRUE;
}

int CWinApp::ExitInstance() {
  if (m_pRecentFileList) SaveStdProfileSettings();
  AfxOleTerm();
  return 0;
}

BOOL CWinApp::IsIdleMessage(MSG* msg) {
  static POINT lastPoint = {-1, -1};
  switch (msg->message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
      if (msg->pt.x == lastPoint.x && msg->pt.y == lastPoint.y) return FALSE;
      lastPoint = msg->pt;
      return TRUE;
    case WM_PAINT:
    case 0x0118:  // the caret's blink timer
      return FALSE;
    default:
      return TRUE;
  }
}

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
  HWND main = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
  if (CWnd::WalkPreTranslateTree(main, msg)) return TRUE;
  // A window outside the main window (a popup) still gets the main window's accelerators.
  if (main && msg->hwnd != main && !::IsChild(main, msg->hwnd) &&
      m_pMainWnd->PreTranslateMessage(msg))
    return TRUE;
  return FALSE;
}

BOOL CWinApp::PumpMessage() {
  MSG msg;
  if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) return FALSE;
  if (!AfxCallGuarded("message filter", [&] { return PreTranslateMessage(&msg); })) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  if (IsIdleMessage(&msg)) m_bIdlePending = TRUE;
  return TRUE;
}

BOOL CWinApp::OnIdle(LONG count) {
  if (count <= 0) {
    // Delayed titles, menus and layouts of the frames, then the bars' update handlers.
    if (m_pMainWnd && m_pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
      CFrameWnd* frame = static_cast<CFrameWnd*>(m_pMainWnd);
      if (frame->m_hWnd && ::IsWindowVisible(frame->m_hWnd)) {
        frame->OnIdleUpdateCmdUI();
        frame->SendIdleUpdateCmdUI();
      }
    }
    return TRUE;
  }
  if (count == 1) {
    AfxDeleteTempMaps();
    CMenu::DeleteTempMap();
  }
  return FALSE;
}

int CWinApp::Run() {
  BOOL idle = TRUE;
  LONG count = 0;
  MSG msg;
  for (;;) {
    while (idle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!AfxCallGuarded("idle", [&] { return OnIdle(count++); })) idle = FALSE;
    }
    do {
      m_bIdlePending = FALSE;
      if (!PumpMessage()) return ExitInstance();
      if (m_bIdlePending) {
        idle = TRUE;
        count = 0;
      }
    } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
  }
}

BOOL CWinApp::PumpPendingMessages() {
  for (int round = 0; round < 50; ++round) {
    MSG msg;
    bool any = false;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      any = true;
      if (msg.message == WM_QUIT) return FALSE;
      if (!AfxCallGuarded("message filter", [&] { return PreTranslateMessage(&msg); })) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
    }
    for (LONG count = 0; AfxCallGuarded("idle", [&] { return OnIdle(count); }); ++count) {
    }
    if (!any && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) return TRUE;
  }
  return TRUE;
}

// ---- profile ------------------------------------------------------------------------------

void CWinApp::SetRegistryKey(LPCSTR key) {
  m_strRegistryKey = key ? key : "";
  m_pszRegistryKey = m_strRegistryKey;
}

HKEY CWinApp::GetAppRegistryKey(BOOL create) {
  if (m_strRegistryKey.IsEmpty() || m_strProfileName.IsEmpty()) return nullptr;
  CString path = "Software\\" + m_strRegistryKey + "\\" + m_strProfileName;
  HKEY key = nullptr;
  LONG r = create ? ::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
                  : ::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ | KEY_WRITE, &key);
  return r == ERROR_SUCCESS ? key : nullptr;
}

HKEY CWinApp::GetSectionKey(LPCSTR section, BOOL create) {
  HKEY app = GetAppRegistryKey(create);
  if (!app) return nullptr;
  HKEY key = nullptr;
  LONG r = create ? ::RegCreateKeyExA(app, section, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
                  : ::RegOpenKeyExA(app, section, 0, KEY_READ | KEY_WRITE, &key);
  ::RegCloseKey(app);
  return r == ERROR_SUCCESS ? key : nullptr;
}

UINT CWinApp::GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) {
  HKEY key = GetSectionKey(section, FALSE);
  if (!key) return static_cast<UINT>(defaultValue);
  DWORD type = 0, value = 0, size = sizeof value;
  LONG r = ::RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  ::RegCloseKey(key);
  if (r != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value)
    return static_cast<UINT>(defaultValue);
  return value;
}

BOOL CWinApp::WriteProfileInt(LPCSTR section, LPCSTR entry, int value) {
  HKEY key = GetSectionKey(section, TRUE);
  if (!key) return FALSE;
  DWORD v = static_cast<DWORD>(value);
  LONG r = ::RegSetValueExA(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
  ::RegCloseKey(key);
  return r == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue) {
  CString def = defaultValue ? defaultValue : "";
  HKEY key = GetSectionKey(section, FALSE);
  if (!key) return def;
  DWORD type = 0, size = 0;
  LONG r = ::RegQueryValueExA(key, entry, nullptr, &type, nullptr, &size);
  if (r != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
    ::RegCloseKey(key);
    return def;
  }
  std::vector<char> buf(size + 1, '\0');
  r = ::RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &size);
  ::RegCloseKey(key);
  if (r != ERROR_SUCCESS) return def;
  buf[std::min<size_t>(size, buf.size() - 1)] = '\0';  // the stored value may lack its NUL
  return CString(buf.data());
}

BOOL CWinApp::WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value) {
  HKEY key = GetSectionKey(section, TRUE);
  if (!key) return FALSE;
  LONG r;
  if (!entry)
    r = ERROR_SUCCESS;
  else if (!value)
    r = ::RegDeleteValueA(key, entry);
  else
    r = ::RegSetValueExA(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                         static_cast<DWORD>(strlen(value) + 1));
  ::RegCloseKey(key);
  return r == ERROR_SUCCESS || (!value && r == ERROR_FILE_NOT_FOUND);
}

void CWinApp::LoadStdProfileSettings(UINT maxMRU) {
  if (maxMRU == 0) return;
  delete m_pRecentFileList;
  m_pRecentFileList =
      new CRecentFileList(0, "Recent File List", "File%d", static_cast<int>(maxMRU));
  m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings() {
  if (m_pRecentFileList) m_pRecentFileList->WriteList();
}

// ---- documents ------------------------------------------------------------------------------

void CWinApp::AddDocTemplate(CDocTemplate* docTemplate) {
  if (!m_pDocManager) m_pDocManager = new CDocManager;
  m_pDocManager->AddDocTemplate(docTemplate);
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR path) {
  return m_pDocManager ? m_pDocManager->OpenDocumentFile(path) : nullptr;
}

void CWinApp::AddToRecentFileList(LPCSTR path) {
  if (m_pRecentFileList) m_pRecentFileList->Add(path);
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT idsTitle, DWORD flags, BOOL open,
                               CDocTemplate* docTemplate) {
  if (!m_pDocManager) m_pDocManager = new CDocManager;
  return m_pDocManager->DoPromptFileName(fileName, idsTitle, flags, open, docTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const {
  return m_pDocManager ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const {
  return m_pDocManager ? m_pDocManager->GetNextDocTemplate(pos) : nullptr;
}

BOOL CWinApp::SaveAllModified() {
  return m_pDocManager ? m_pDocManager->SaveAllModified() : TRUE;
}

void CWinApp::CloseAllDocuments(BOOL endSession) {
  if (m_pDocManager) m_pDocManager->CloseAllDocuments(endSession);
}

int CWinApp::GetOpenDocumentCount() const {
  return m_pDocManager ? m_pDocManager->GetOpenDocumentCount() : 0;
}

void CWinApp::OnFileNew() {
  if (m_pDocManager) m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen() {
  if (m_pDocManager) m_pDocManager->OnFileOpen();
}

void CWinApp::OnAppExit() {
  if (m_pMainWnd && m_pMainWnd->m_hWnd) m_pMainWnd->SendMessage(WM_CLOSE);
}

BOOL CWinApp::OnOpenRecentFile(UINT id) {
  if (!m_pRecentFileList) return FALSE;
  int index = static_cast<int>(id) - ID_FILE_MRU_FILE1;
  if (index < 0 || index >= m_pRecentFileList->GetSize()) return FALSE;
  CString path = (*m_pRecentFileList)[index];
  if (path.IsEmpty()) return TRUE;  // a stray command for an empty entry does nothing
  if (!OpenDocumentFile(path)) m_pRecentFileList->Remove(index);
  return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* ui) {
  if (!m_pRecentFileList)
    ui->Enable(FALSE);
  else
    m_pRecentFileList->UpdateMenu(ui);
}

BOOL CWinApp::OnDDECommand(LPCSTR command) {
  return m_pDocManager && m_pDocManager->OnDDECommand(command);
}

HCURSOR CWinApp::LoadCursor(UINT id) const {
  return ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
}
HCURSOR CWinApp::LoadStandardCursor(LPCSTR name) {
  return ::LoadCursorA(NULL, name);
}
HICON CWinApp::LoadIcon(UINT id) const {
  return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
}

// ---- command line ---------------------------------------------------------------------------

void AfxSplitCommandLine(LPCSTR commandLine, CStringArray& args) {
  args.RemoveAll();
  const char* p = commandLine ? commandLine : "";
  while (*p) {
    while (*p == ' ' || *p == '\t') ++p;
    if (!*p) break;
    CString arg;
    bool quoted = false;
    for (; *p && (quoted || (*p != ' ' && *p != '\t')); ++p) {
      if (*p == '"')
        quoted = !quoted;
      else
        arg += *p;
    }
    args.Add(arg);
  }
}

void CCommandLineInfo::ParseParam(LPCSTR param, BOOL flag, BOOL last) {
  (void)last;
  CString p = param ? param : "";
  if (flag) {
    if (p.CompareNoCase("pt") == 0)
      m_nShellCommand = FilePrintTo;
    else if (p.CompareNoCase("p") == 0)
      m_nShellCommand = FilePrint;
    else if (p.CompareNoCase("dde") == 0)
      m_nShellCommand = FileDDE;
    else if (p.CompareNoCase("embedding") == 0)
      m_bRunEmbedded = TRUE, m_bShowSplash = FALSE;
    else if (p.CompareNoCase("automation") == 0)
      m_bRunAutomated = TRUE, m_bShowSplash = FALSE;
    return;
  }
  if (m_strFileName.IsEmpty()) {
    m_strFileName = p;
    if (m_nShellCommand == FileNew) m_nShellCommand = FileOpen;
  } else if (m_nShellCommand == FilePrintTo) {
    if (m_strPrinterName.IsEmpty())
      m_strPrinterName = p;
    else if (m_strDriverName.IsEmpty())
      m_strDriverName = p;
    else if (m_strPortName.IsEmpty())
      m_strPortName = p;
  }
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) {
  CStringArray args;
  AfxSplitCommandLine(m_lpCmdLine, args);
  for (int i = 0; i < args.GetSize(); ++i) {
    const CString& a = args[i];
    BOOL flag = a.GetLength() > 1 && (a[0] == '/' || a[0] == '-');
    info.ParseParam(flag ? a.Mid(1).GetString() : a.GetString(), flag, i == args.GetSize() - 1);
  }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& info) {
  switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
      if (!AfxRouteCmdMsg(this, ID_FILE_NEW, CN_COMMAND, nullptr, nullptr)) OnFileNew();
      return TRUE;
    case CCommandLineInfo::FileOpen:
      return OpenDocumentFile(info.m_strFileName) != nullptr;
    case CCommandLineInfo::FileDDE:
      // Started by the shell's DDE open: stay hidden until the first command arrives.
      m_nCmdShow = SW_HIDE;
      return TRUE;
    default:
      return TRUE;
  }
}

int AfxWinMain(HINSTANCE instance, LPSTR commandLine, int cmdShow) {
  CWinApp* app = AfxGetApp();
  if (!app) return 1;
  app->m_hInstance = instance;
  app->m_lpCmdLine = commandLine ? commandLine : "";
  app->m_nCmdShow = cmdShow;
  int result;
  if (!app->InitApplication() || !app->InitInstance()) {
    if (app->m_pMainWnd && app->m_pMainWnd->m_hWnd) app->m_pMainWnd->DestroyWindow();
    result = app->ExitInstance();
    return result ? result : 1;
  }
  return app->Run();
}

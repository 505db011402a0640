#include "tests/support/ProgramHarness.h"

#include <cstring>

#include "document/KelStrengthDoc.h"
#include "framework/win/CmdUI.h"
#include "framework/win/Dialog.h"
#include "framework/win/TestSeams.h"
#include "shell/KelStrengthApp.h"
#include "shell/MainFrame.h"
#include "shell/ShellSettings.h"
#include "shell/StartupSplashWnd.h"
#include "tests/support/Screenshot.h"

namespace qxtest {

namespace {

CProgramHarness* g_harness = nullptr;

// Asks a command's update handlers, as a menu or tool bar does, and keeps the answer.
class CProbeCmdUI : public CCmdUI {
 public:
  BOOL m_bEnabled = TRUE;
  int m_nCheck = 0;
  void Enable(BOOL on) override {
    m_bEnabled = on;
    m_bEnableChanged = TRUE;
  }
  void SetCheck(int check) override { m_nCheck = check; }
  void SetRadio(BOOL on) override { m_nCheck = on ? 1 : 0; }
  void SetText(LPCSTR) override {}
};

const char kScratchRoot[] = "Software\\Quarvex Tests";

HKEY CreateKey(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  ::RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                    nullptr, &key, nullptr);
  return key;
}

void RemoveFolder(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE h = ::FindFirstFileA((folder + "*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveFolder(path + "\\");
      else
        ::DeleteFileA(path.c_str());
    } while (::FindNextFileA(h, &found));
    ::FindClose(h);
  }
  ::RemoveDirectoryA(folder.c_str());
}

// The program's application object with the harness's say over its main frame.
class CHarnessApp : public CKelStrengthApp {
 public:
  explicit CHarnessApp(std::function<CMainFrame*()> factory) : m_factory(std::move(factory)) {}

 protected:
  CMainFrame* CreateMainFrame() override {
    return m_factory ? m_factory() : CKelStrengthApp::CreateMainFrame();
  }

 private:
  std::function<CMainFrame*()> m_factory;
};

}  // namespace

// ---- scratch registry -----------------------------------------------------------------------

CScratchRegistry::CScratchRegistry(const std::string& name) {
  m_path = std::string(kScratchRoot) + "\\" + name + "-" + std::to_string(::GetCurrentProcessId());
  ::RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
  m_user = CreateKey(HKEY_CURRENT_USER, m_path);
  m_classes = CreateKey(m_user, "Classes");
  ::RegOverridePredefKey(HKEY_CURRENT_USER, m_user);
  ::RegOverridePredefKey(HKEY_CLASSES_ROOT, m_classes);
  SeedQuietStart();
}

CScratchRegistry::~CScratchRegistry() {
  ::RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
  ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  ::RegCloseKey(m_classes);
  ::RegCloseKey(m_user);
  ::RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
}

void CScratchRegistry::SetRaw(const std::string& key, const std::string& name, DWORD type,
                              const void* data, DWORD size) {
  HKEY h = CreateKey(HKEY_CURRENT_USER, key);
  if (!h) return;
  ::RegSetValueExA(h, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  ::RegCloseKey(h);
}

void CScratchRegistry::SetInt(const std::string& key, const std::string& name, int value) {
  SetRaw(key, name, REG_BINARY, &value, sizeof value);
}

void CScratchRegistry::SetString(const std::string& key, const std::string& name,
                                 const std::string& value) {
  SetRaw(key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool CScratchRegistry::GetInt(const std::string& key, const std::string& name, int* value) const {
  DWORD size = sizeof *value;
  return ::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_ANY, nullptr, value,
                        &size) == ERROR_SUCCESS &&
         size == sizeof *value;
}

bool CScratchRegistry::GetString(const std::string& key, const std::string& name,
                                 std::string* value) const {
  char buffer[1024] = "";
  DWORD size = sizeof buffer;
  if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, buffer,
                     &size) != ERROR_SUCCESS)
    return false;
  *value = buffer;
  return true;
}

bool CScratchRegistry::ValueExists(const std::string& key, const std::string& name) const {
  return ::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_ANY, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
}

void CScratchRegistry::DeleteValue(const std::string& key, const std::string& name) {
  HKEY h = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_ALL_ACCESS, &h) != ERROR_SUCCESS)
    return;
  ::RegDeleteValueA(h, name.c_str());
  ::RegCloseKey(h);
}

void CScratchRegistry::SeedQuietStart() {
  SetInt(kWarningsKey, "GettingStartedScreen", 1);
  // Automatic update checks off: the first-start question was answered.
  SetInt("Software\\Talvenor\\Quarvex 3.0", "CheckWebAutomatic", 0);
}

// ---- dialog helpers -------------------------------------------------------------------------

void ClickButton(CDialog* dialog, int id) {
  HWND button = ::GetDlgItem(dialog->m_hWnd, id);
  ::SendMessageA(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

void SetControlText(CDialog* dialog, int id, const std::string& text) {
  ::SetDlgItemTextA(dialog->m_hWnd, id, text.c_str());
}

std::string GetControlText(CDialog* dialog, int id) {
  char buffer[1024] = "";
  ::GetDlgItemTextA(dialog->m_hWnd, id, buffer, sizeof buffer);
  return buffer;
}

void SelectComboItem(CDialog* dialog, int id, int index) {
  HWND combo = ::GetDlgItem(dialog->m_hWnd, id);
  ::SendMessageA(combo, CB_SETCURSEL, index, 0);
  ::SendMessageA(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

bool IsControlEnabled(CDialog* dialog, int id) {
  return ::IsWindowEnabled(::GetDlgItem(dialog->m_hWnd, id)) != FALSE;
}

bool IsButtonChecked(CDialog* dialog, int id) {
  return ::IsDlgButtonChecked(dialog->m_hWnd, id) == BST_CHECKED;
}

// ---- the program ----------------------------------------------------------------------------

CProgramHarness::CProgramHarness(const std::string& testName)
    : m_name(testName), m_registry(new CScratchRegistry(testName)) {
  char temp[MAX_PATH] = "";
  ::GetTempPathA(sizeof temp, temp);
  m_tempFolder = std::string(temp) + "quarvex-" + testName + "-" +
                 std::to_string(::GetCurrentProcessId()) + "\\";
  RemoveFolder(m_tempFolder);
  ::CreateDirectoryA(m_tempFolder.c_str(), nullptr);
  g_harness = this;
  m_previousModal = reinterpret_cast<void*>(AfxSetModalDialogSeam(&ModalHook));
  m_previousMessageBox = reinterpret_cast<void*>(AfxSetMessageBoxSeam(&MessageBoxHook));
  m_previousFileDialog = reinterpret_cast<void*>(AfxSetFileDialogSeam(&FileDialogHook));
}

CProgramHarness::~CProgramHarness() {
  if (IsRunning()) Exit();
  DestroyApp();
  AfxSetModalDialogSeam(reinterpret_cast<AfxModalDialogSeam>(m_previousModal));
  AfxSetMessageBoxSeam(reinterpret_cast<AfxMessageBoxSeam>(m_previousMessageBox));
  AfxSetFileDialogSeam(reinterpret_cast<AfxFileDialogSeam>(m_previousFileDialog));
  g_harness = nullptr;
  // The application object is gone: nothing writes to the registry any more.
  delete m_registry;
  RemoveFolder(m_tempFolder);
}

void CProgramHarness::DestroyApp() {
  if (!m_app) return;
  if (m_app->m_pMainWnd && m_app->m_pMainWnd->m_hWnd) {
    m_app->CloseAllDocuments(TRUE);
    m_app->m_pMainWnd->DestroyWindow();
  }
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  delete m_app;
  m_app = nullptr;
}

bool CProgramHarness::Start(const std::string& commandLine) {
  DestroyApp();
  m_exited = false;
  m_commandLine = commandLine;
  m_app = new CHarnessApp(m_frameFactory);
  m_app->m_hClassesRoot = m_registry->ClassesRoot();
  m_programSplashTime = m_app->m_nSplashTime;
  m_app->m_nSplashTime = m_splashTime;
  m_app->m_lpCmdLine = m_commandLine.c_str();
  m_app->m_nCmdShow = SW_SHOWNORMAL;
  if (!m_app->InitApplication() || !m_app->InitInstance()) {
    if (m_app->m_pMainWnd && m_app->m_pMainWnd->m_hWnd) m_app->m_pMainWnd->DestroyWindow();
    m_app->ExitInstance();
    m_exited = true;
    return false;
  }
  // A short splash has gone by then; a long one is the test's to watch.
  Pump();
  if (m_splashTime <= kSplashTime) PumpUntil([] { return CStartupSplashWnd::GetLiveCount() == 0; });
  return true;
}

bool CProgramHarness::IsRunning() const {
  return m_app && !m_exited && m_app->m_pMainWnd && m_app->m_pMainWnd->m_hWnd;
}

CMainFrame* CProgramHarness::Frame() const {
  return m_app ? dynamic_cast<CMainFrame*>(m_app->m_pMainWnd) : nullptr;
}

HWND CProgramHarness::FrameWindow() const {
  CMainFrame* frame = Frame();
  return frame ? frame->m_hWnd : nullptr;
}

CKelStrengthDoc* CProgramHarness::ActiveDocument() const {
  CMainFrame* frame = Frame();
  return frame ? dynamic_cast<CKelStrengthDoc*>(frame->GetActiveDocument()) : nullptr;
}

CView* CProgramHarness::ActiveView() const {
  CMainFrame* frame = Frame();
  CFrameWnd* active = frame ? frame->GetActiveFrame() : nullptr;
  return active && active != frame ? active->GetActiveView() : nullptr;
}

int CProgramHarness::DocumentCount() const {
  return m_app ? m_app->GetOpenDocumentCount() : 0;
}

void CProgramHarness::Pump(int rounds) {
  if (!m_app) return;
  for (int i = 0; i < rounds; ++i)
    if (!m_app->PumpPendingMessages()) {
      m_exited = true;
      return;
    }
}

bool CProgramHarness::PumpUntil(const std::function<bool()>& done, DWORD capMs) {
  return WaitUntil([&] { return m_exited || done(); }, [this] { Pump(1); }, capMs) && done();
}

bool CProgramHarness::IsCommandEnabled(UINT id) {
  CMainFrame* frame = Frame();
  if (!frame) return false;
  CProbeCmdUI test;
  test.m_nID = id;
  test.DoUpdate(frame, TRUE);
  return test.m_bEnabled != FALSE;
}

bool CProgramHarness::IsCommandChecked(UINT id) {
  CMainFrame* frame = Frame();
  if (!frame) return false;
  CProbeCmdUI test;
  test.m_nID = id;
  test.DoUpdate(frame, TRUE);
  return test.m_nCheck != 0;
}

bool CProgramHarness::RunCommand(UINT id) {
  if (!IsCommandEnabled(id)) return false;
  ::SendMessageA(FrameWindow(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
  Pump();
  return true;
}

void CProgramHarness::PressKey(UINT vk, bool ctrl, bool shift) {
  HWND target = ::GetFocus();
  if (!target) target = FrameWindow();
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  BYTE saved[256];
  std::memcpy(saved, keys, sizeof keys);
  if (ctrl) keys[VK_CONTROL] = 0x80;
  if (shift) keys[VK_SHIFT] = 0x80;
  ::SetKeyboardState(keys);
  const UINT scan = ::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
  ::PostMessageA(target, WM_KEYDOWN, vk, 1 | (scan << 16));
  ::PostMessageA(target, WM_KEYUP, vk, 1 | (scan << 16) | 0xC0000000u);
  Pump();
  ::SetKeyboardState(saved);
}

void CProgramHarness::Click(HWND window, int x, int y, bool right) {
  const LPARAM at = MAKELPARAM(x, y);
  ::PostMessageA(window, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN,
                 right ? MK_RBUTTON : MK_LBUTTON, at);
  ::PostMessageA(window, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
  Pump();
}

void CProgramHarness::OnDialog(UINT templateId, std::function<void(CDialog*)> handler) {
  m_dialogs.emplace_back(templateId, std::move(handler));
}

void CProgramHarness::AnswerMessageBox(int answer) {
  m_answers.push_back(answer);
}

void CProgramHarness::AnswerFileDialog(const std::string& path) {
  m_paths.push_back(path);
}

CKelStrengthDoc* CProgramHarness::OpenFile(const std::string& path) {
  if (!m_app) return nullptr;
  CDocument* doc = m_app->OpenDocumentFile(path.c_str());
  Pump();
  return dynamic_cast<CKelStrengthDoc*>(doc);
}

bool CProgramHarness::Screenshot(const std::string& name) {
  HWND frame = FrameWindow();
  if (!frame) return false;
  ::RedrawWindow(frame, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  return SaveWindowScreenshot(frame, ScreenshotFolder() + name + ".bmp");
}

bool CProgramHarness::Capture(CDialog* dialog, const std::string& name) {
  ::ShowWindow(dialog->m_hWnd, SW_SHOW);
  ::SetWindowPos(dialog->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::RedrawWindow(dialog->m_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  MSG msg;
  for (int i = 0; i < 20 && ::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
    ::DispatchMessageA(&msg);
  ::Sleep(50);
  return SaveWindowScreenshot(dialog->m_hWnd, ScreenshotFolder() + name + ".bmp");
}

int CProgramHarness::Exit(int timeoutMs) {
  if (!IsRunning()) return m_exited ? 0 : -1;
  ::PostMessageA(FrameWindow(), WM_CLOSE, 0, 0);
  const DWORD end = ::GetTickCount() + static_cast<DWORD>(timeoutMs);
  while (!m_exited && static_cast<int>(end - ::GetTickCount()) > 0) {
    Pump(1);
    if (!m_exited && m_app->m_pMainWnd && m_app->m_pMainWnd->m_hWnd &&
        ::IsWindowVisible(m_app->m_pMainWnd->m_hWnd)) {
      // Still there after everything queued was handled: the close was refused.
      MSG msg;
      if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) return -1;
    }
  }
  if (!m_exited) return -1;
  return m_app->ExitInstance();
}

// ---- seams ----------------------------------------------------------------------------------

void CProgramHarness::ModalHook(CDialog* dialog) {
  CProgramHarness* self = g_harness;
  if (!self) return;
  const UINT id = IS_INTRESOURCE(dialog->m_lpszTemplateName)
                      ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(dialog->m_lpszTemplateName))
                      : 0;
  for (auto it = self->m_dialogs.begin(); it != self->m_dialogs.end(); ++it) {
    if (it->first != id) continue;
    std::function<void(CDialog*)> handler = std::move(it->second);
    self->m_dialogs.erase(it);
    handler(dialog);
    return;
  }
  self->m_unexpected.push_back(id);
  dialog->EndDialog(IDCANCEL);
}

int CProgramHarness::MessageBoxHook(HWND, LPCSTR text, LPCSTR, UINT type) {
  CProgramHarness* self = g_harness;
  if (!self) return IDCANCEL;
  self->m_messageBoxes.push_back(text ? text : "");
  if (!self->m_answers.empty()) {
    const int answer = self->m_answers.front();
    self->m_answers.pop_front();
    return answer;
  }
  switch (type & MB_TYPEMASK) {
    case MB_YESNO:
      return IDNO;
    case MB_YESNOCANCEL:
    case MB_OKCANCEL:
    case MB_RETRYCANCEL:
      return IDCANCEL;
    default:
      return IDOK;
  }
}

BOOL CProgramHarness::FileDialogHook(OPENFILENAMEA* ofn, BOOL) {
  CProgramHarness* self = g_harness;
  if (!self) return FALSE;
  ++self->m_fileDialogs;
  self->m_lastFolder = ofn->lpstrInitialDir ? ofn->lpstrInitialDir : "";
  self->m_lastFileName = ofn->lpstrFile ? ofn->lpstrFile : "";
  if (self->m_paths.empty()) return FALSE;
  const std::string path = self->m_paths.front();
  self->m_paths.pop_front();
  if (path.size() + 1 > ofn->nMaxFile) return FALSE;
  std::memcpy(ofn->lpstrFile, path.c_str(), path.size() + 1);
  const size_t slash = path.find_last_of('\\');
  ofn->nFileOffset = static_cast<WORD>(slash == std::string::npos ? 0 : slash + 1);
  const size_t dot = path.find_last_of('.');
  ofn->nFileExtension =
      static_cast<WORD>(dot == std::string::npos || (slash != std::string::npos && dot < slash)
                            ? 0
                            : dot + 1);
  return TRUE;
}

}  // namespace qxtest

// Module-wide framework services.
#include "framework/win/AfxCore.h"

#include "framework/win/FrameworkIds.h"

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "framework/base/Exception.h"
#include "framework/win/TestSeams.h"
#include "framework/win/Wnd.h"

namespace {

HINSTANCE g_hInstance = NULL;
HINSTANCE g_hResource = NULL;
CWinApp* g_pApp = nullptr;
AfxMainWndProvider g_mainWndProvider = nullptr;
std::atomic<int> g_reportedExceptions{0};

std::mutex& CaptionMutex() {
  static std::mutex m;
  return m;
}
CString& Caption() {
  static CString caption("Quarvex");
  return caption;
}

}  // namespace

HINSTANCE AfxGetInstanceHandle() {
  return g_hInstance ? g_hInstance : ::GetModuleHandleA(NULL);
}

void AfxSetInstanceHandle(HINSTANCE instance) {
  g_hInstance = instance;
}

HINSTANCE AfxGetResourceHandle() {
  return g_hResource ? g_hResource : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE instance) {
  g_hResource = instance;
}

HINSTANCE AfxFindResourceHandle(LPCSTR name, LPCSTR type) {
  HINSTANCE res = AfxGetResourceHandle();
  if (::FindResourceA(res, name, type)) return res;
  HINSTANCE inst = AfxGetInstanceHandle();
  return ::FindResourceA(inst, name, type) ? inst : res;
}

CString AfxGetModuleFileName(HMODULE module) {
  if (!module) module = AfxGetInstanceHandle();
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD n = ::GetModuleFileNameA(module, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return CString();
    // A full buffer means the name may have been cut: grow and ask again.
    if (n < buffer.size() - 1) return CString(buffer.data(), static_cast<int>(n));
    if (buffer.size() >= 32768 * 2) return CString(buffer.data(), static_cast<int>(n));
    buffer.resize(buffer.size() * 2);
  }
}

CWinApp* AfxGetApp() {
  return g_pApp;
}

void AfxSetApp(CWinApp* app) {
  g_pApp = app;
}

CWnd* AfxGetMainWnd() {
  return g_mainWndProvider ? g_mainWndProvider() : nullptr;
}

AfxMainWndProvider AfxSetMainWndProvider(AfxMainWndProvider provider) {
  AfxMainWndProvider old = g_mainWndProvider;
  g_mainWndProvider = provider;
  return old;
}

LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
  static std::mutex m;
  static std::map<std::tuple<UINT, HCURSOR, HBRUSH, HICON>, std::string> names;
  std::lock_guard<std::mutex> lock(m);
  auto key = std::make_tuple(classStyle, cursor, background, icon);
  auto it = names.find(key);
  if (it != names.end()) return it->second.c_str();
  char name[96];
  wsprintfA(name, "QxWnd:%x:%p:%p:%p", classStyle, (void*)cursor, (void*)background, (void*)icon);
  WNDCLASSA wc = {};
  wc.style = classStyle;
  wc.lpfnWndProc = AfxWndProc;
  wc.hInstance = AfxGetInstanceHandle();
  wc.hCursor = cursor;
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.lpszClassName = name;
  WNDCLASSA existing;
  if (!::GetClassInfoA(wc.hInstance, name, &existing) && !::RegisterClassA(&wc)) return NULL;
  return names.emplace(key, name).first->second.c_str();
}

BOOL AfxRegisterClass(WNDCLASSA* wndClass) {
  WNDCLASSA existing;
  if (::GetClassInfoA(wndClass->hInstance, wndClass->lpszClassName, &existing)) return TRUE;
  // A class that only wants the default processing sends its messages straight to the objects.
  WNDCLASSA wc = *wndClass;
  if (wc.lpfnWndProc == ::DefWindowProcA) wc.lpfnWndProc = AfxWndProc;
  return ::RegisterClassA(&wc) != 0;
}

void AfxSetMessageBoxCaption(LPCSTR caption) {
  std::lock_guard<std::mutex> lock(CaptionMutex());
  Caption() = caption ? caption : "";
}

CString AfxGetMessageBoxCaption() {
  std::lock_guard<std::mutex> lock(CaptionMutex());
  return Caption();
}

HWND AfxOwnerOnThisThread(HWND owner) {
  if (!owner || !::IsWindow(owner)) return NULL;
  return ::GetWindowThreadProcessId(owner, NULL) == ::GetCurrentThreadId() ? owner : NULL;
}

int AfxMessageBox(LPCSTR text, UINT type, UINT /*helpId*/) {
  HWND owner = ::GetActiveWindow();
  if (owner) owner = ::GetAncestor(owner, GA_ROOTOWNER);
  if (!owner) {
    CWnd* main = AfxGetMainWnd();
    owner = AfxOwnerOnThisThread(main ? main->m_hWnd : NULL);
    // A box of a worker thread has no owner; it must still be seen above the program.
    if (!owner && main && main->m_hWnd) type |= MB_SETFOREGROUND | MB_TOPMOST;
  }
  return AfxShowMessageBox(owner, text, AfxGetMessageBoxCaption(), type);
}

int AfxMessageBox(UINT idPrompt, UINT type, UINT helpId) {
  // The program's string, else the framework's own text for the id.
  CString text = AfxLoadString(idPrompt);
  return AfxMessageBox(text, type, helpId == (UINT)-1 ? idPrompt : helpId);
}

void AfxReportException(LPCSTR where, LPCSTR what) {
  ++g_reportedExceptions;
  CString text;
  text.Format("An unexpected error stopped an operation (%s): %s", where ? where : "window",
              what && *what ? what : "unknown error");
  AfxMessageBox(text, MB_OK | MB_ICONSTOP);
}

int AfxGetReportedExceptionCount() {
  return g_reportedExceptions;
}

namespace {
thread_local int t_waitCursors = 0;
}

CWaitCursor::CWaitCursor() : m_previous(::SetCursor(::LoadCursorA(NULL, (LPCSTR)IDC_WAIT))) {
  ++t_waitCursors;
}

CWaitCursor::~CWaitCursor() {
  --t_waitCursors;
  ::SetCursor(m_previous);
}

int AfxGetWaitCursorCount() {
  return t_waitCursors;
}

void CWaitCursor::Restore() {
  ::SetCursor(::LoadCursorA(NULL, (LPCSTR)IDC_WAIT));
}

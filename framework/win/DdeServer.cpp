#include "framework/win/DdeServer.h"

#include <dde.h>

#include <string>

#include "framework/win/WinApp.h"
#include "framework/win/FrameWnd.h"

CString AfxDdeCommandText(const void* data, size_t size) {
  const BYTE* bytes = static_cast<const BYTE*>(data);
  if (!bytes || size == 0) return CString();
  if (size >= 2 && bytes[0] != 0 && bytes[1] == 0) {
    std::wstring wide;
    for (size_t i = 0; i + 1 < size; i += 2) {
      wchar_t c = static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8));
      if (c == 0) break;
      wide.push_back(c);
    }
    int n = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr,
                                  0, nullptr, nullptr);
    std::string text(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
      ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), &text[0], n,
                            nullptr, nullptr);
    return CString(text.c_str());
  }
  size_t n = 0;
  while (n < size && bytes[n] != 0) ++n;
  return CString(reinterpret_cast<const char*>(bytes), static_cast<int>(n));
}

void CWinApp::EnableShellOpen() {
  if (m_atomApp) return;
  m_atomApp = ::GlobalAddAtomA(m_pszExeName);
  m_atomSystemTopic = ::GlobalAddAtomA("system");
}

void CWinApp::DisableShellOpen() {
  if (m_atomApp) ::GlobalDeleteAtom(m_atomApp);
  if (m_atomSystemTopic) ::GlobalDeleteAtom(m_atomSystemTopic);
  m_atomApp = m_atomSystemTopic = 0;
}

namespace {
// The application whose main window is frame and that answers the shell, else NULL.
CWinApp* ShellOpenApp(const CFrameWnd* frame) {
  CWinApp* app = AfxGetApp();
  return app && app->m_pMainWnd == frame && app->m_atomApp ? app : nullptr;
}
}  // namespace

LRESULT CFrameWnd::OnDDEInitiate(WPARAM wParam, LPARAM lParam) {
  CWinApp* app = ShellOpenApp(this);
  if (!app) return 0;
  ATOM appAtom = LOWORD(lParam), topicAtom = HIWORD(lParam);
  if ((appAtom && appAtom != app->m_atomApp) || (topicAtom && topicAtom != app->m_atomSystemTopic))
    return 0;
  // The client deletes the atoms of the answer: add a reference for it.
  ::GlobalAddAtomA(app->m_pszExeName);
  ::GlobalAddAtomA("system");
  ::SendMessageA(reinterpret_cast<HWND>(wParam), WM_DDE_ACK, reinterpret_cast<WPARAM>(m_hWnd),
                 MAKELPARAM(app->m_atomApp, app->m_atomSystemTopic));
  return 0;
}

LRESULT CFrameWnd::OnDDEExecute(WPARAM wParam, LPARAM lParam) {
  HWND client = reinterpret_cast<HWND>(wParam);
  UINT_PTR unused = 0, data = 0;
  ::UnpackDDElParam(WM_DDE_EXECUTE, lParam, &unused, &data);
  HGLOBAL mem = reinterpret_cast<HGLOBAL>(data);
  CString command;
  if (const void* p = mem ? ::GlobalLock(mem) : nullptr) {
    command = AfxDdeCommandText(p, ::GlobalSize(mem));
    ::GlobalUnlock(mem);
  }
  CWinApp* app = ShellOpenApp(this);
  // Nothing runs while a modal dialog has the main window disabled.
  bool accept = app && !command.IsEmpty() && IsWindowEnabled();
  const UINT_PTR status = accept ? 0x8000 : 0;  // the acknowledgement's fAck bit
  // Answered first, so that the client never waits while a document opens.
  ::PostMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(m_hWnd),
                 ::ReuseDDElParam(lParam, WM_DDE_EXECUTE, WM_DDE_ACK, status, data));
  if (accept) app->OnDDECommand(command);
  return 0;
}

LRESULT CFrameWnd::OnDDETerminate(WPARAM wParam, LPARAM) {
  ::PostMessageA(reinterpret_cast<HWND>(wParam), WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(m_hWnd),
                 0);
  return 0;
}

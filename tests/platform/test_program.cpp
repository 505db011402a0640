// quarvex.exe under a display: its main window comes up titled "Quarvex", shows, and the
// program ends cleanly when the window is closed. Keeps a screenshot of the window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/screenshot.h"

namespace {

// The program's path comes from the build as a Unix path; Wine reaches it through drive Z:.
std::string ProgramPath() {
  std::string path = "Z:" QUARVEX_EXE;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

HWND WaitForTopLevel(DWORD processId, const char* title, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    HWND found = nullptr;
    for (HWND w = FindWindowExA(nullptr, nullptr, nullptr, title); w;
         w = FindWindowExA(nullptr, w, nullptr, title)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(w, &owner);
      if (owner == processId && IsWindowVisible(w)) found = w;
    }
    if (found) return found;
    Sleep(50);
  }
  return nullptr;
}

}  // namespace

TEST(Program, MainWindowOpensAndClosesCleanly) {
  std::string command = "\"" + ProgramPath() + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &si, &pi))
      << "cannot start " << command;

  HWND main = WaitForTopLevel(pi.dwProcessId, "Quarvex", 30000);
  EXPECT_TRUE(main != nullptr) << "no visible window titled Quarvex";
  if (main) {
    RECT rc;
    GetWindowRect(main, &rc);
    EXPECT_GT(rc.right - rc.left, 200);
    EXPECT_GT(rc.bottom - rc.top, 150);
    Sleep(300);  // let it paint before the picture is taken
    EXPECT_TRUE(qxtest::SaveWindowScreenshot(main, qxtest::ScreenshotFolder() + "quarvex-main.bmp"));
    PostMessageA(main, WM_CLOSE, 0, 0);
  }

  EXPECT_EQ(WaitForSingleObject(pi.hProcess, 30000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  if (code == STILL_ACTIVE) TerminateProcess(pi.hProcess, 1);
  EXPECT_EQ(code, 0u);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

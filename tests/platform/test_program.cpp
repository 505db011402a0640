// quarvex.exe under a display: its main window comes up titled "Quarvex 3.0 - [...]", shows, and
// the program ends cleanly (exit code 0) when the window is closed. Keeps a screenshot of the
// window. The program runs in its own process, on the prefix's own registry: the values that
// keep a start quiet (no welcome screen, no update question) are set for the run and put back.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/document/KelProject.h"
#include "tests/support/Screenshot.h"
#include "tests/support/WaitUntil.h"

namespace {

// The program's path comes from the build as a Unix path; Wine reaches it through drive Z:.
std::string ProgramPath() {
  std::string path = "Z:" QUARVEX_EXE;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

struct Search {
  DWORD processId;
  const char* titlePrefix;
  HWND found;
};

BOOL CALLBACK Match(HWND w, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  char title[256] = "";
  GetWindowTextA(w, title, sizeof title);
  if (owner == search->processId && IsWindowVisible(w) &&
      strncmp(title, search->titlePrefix, strlen(search->titlePrefix)) == 0) {
    search->found = w;
    return FALSE;
  }
  return TRUE;
}

// How long a test waits for the program: a start under Wine on a busy machine with a new prefix
// may take many seconds, so only a stuck machine reaches it.
const DWORD kProgramCapMs = 60000;

// Looks again until done() holds; FALSE when it still does not after the cap.
bool WaitFor(const std::function<bool()>& done) {
  return qxtest::WaitUntil(done, {}, kProgramCapMs);
}

HWND WaitForTopLevel(DWORD processId, const char* titlePrefix) {
  Search search = {processId, titlePrefix, nullptr};
  WaitFor([&] {
    EnumWindows(&Match, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
}

// The program has handled a message of ours: it was back in its message loop.
bool AnswersAMessage(HWND w) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_NORMAL, kProgramCapMs, &result) != 0;
}

// TRUE when the window is the only one its program shows (the start-up splash has gone).
bool ShowsNoOtherWindow(HWND w) {
  struct Others {
    HWND main;
    DWORD processId;
    bool found;
  } others = {w, 0, false};
  GetWindowThreadProcessId(w, &others.processId);
  EnumWindows(
      [](HWND top, LPARAM param) -> BOOL {
        Others* o = reinterpret_cast<Others*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(top, &owner);
        if (top == o->main || owner != o->processId || !IsWindowVisible(top)) return TRUE;
        o->found = true;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&others));
  return !others.found;
}

// Waits until the program shows its window alone, painted, and it stays so while the program
// goes through its message loop twice (its idle work may lay out and paint again; what was
// painted reaches the screen when the loop finds nothing to do).
bool WaitUntilPainted(HWND w) {
  return WaitFor([w] {
    return ShowsNoOtherWindow(w) && qxtest::IsPainted(w) && AnswersAMessage(w) &&
           AnswersAMessage(w) && qxtest::IsPainted(w);
  });
}

// Sets a 4-byte value for the object's lifetime, then puts back what was there.
class QuietValue {
 public:
  QuietValue(const char* key, const char* name, int value) : m_key(key), m_name(name) {
    DWORD size = sizeof m_old;
    m_had = RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, nullptr, &m_old, &size) ==
                ERROR_SUCCESS &&
            size == sizeof m_old;
    HKEY h = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr);
    RegSetValueExA(h, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(h);
  }
  ~QuietValue() {
    HKEY h = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, m_key, 0, KEY_ALL_ACCESS, &h) != ERROR_SUCCESS) return;
    if (m_had)
      RegSetValueExA(h, m_name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&m_old),
                     sizeof m_old);
    else
      RegDeleteValueA(h, m_name);
    RegCloseKey(h);
  }

 private:
  const char* m_key;
  const char* m_name;
  int m_old = 0;
  bool m_had = false;
};

// Starts the program with arguments; the process handle, or NULL.
HANDLE StartProgram(const std::string& arguments, DWORD* processId) {
  std::string command = "\"" + ProgramPath() + "\" " + arguments;
  STARTUPINFOA si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return nullptr;
  CloseHandle(pi.hThread);
  if (processId) *processId = pi.dwProcessId;
  return pi.hProcess;
}

DWORD WaitForExit(HANDLE process, DWORD timeoutMs) {
  WaitForSingleObject(process, timeoutMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process, &code);
  if (code == STILL_ACTIVE) TerminateProcess(process, 1);
  CloseHandle(process);
  return code;
}

std::string Title(HWND w) {
  char text[512] = "";
  GetWindowTextA(w, text, sizeof text);
  return text;
}

}  // namespace

TEST(Program, MainWindowOpensAndClosesCleanly) {
  QuietValue welcome("Software\\Talvenor\\Quarvex 3.0\\Settings\\Warnings",
                     "GettingStartedScreen", 1);
  QuietValue updates("Software\\Talvenor\\Quarvex 3.0", "CheckWebAutomatic", 0);
  std::string command = "\"" + ProgramPath() + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &si, &pi))
      << "cannot start " << command;

  HWND main = WaitForTopLevel(pi.dwProcessId, "Quarvex 3.0");
  EXPECT_TRUE(main != nullptr) << "no visible window titled Quarvex 3.0";
  if (main) {
    RECT rc;
    GetWindowRect(main, &rc);
    EXPECT_GT(rc.right - rc.left, 200);
    EXPECT_GT(rc.bottom - rc.top, 150);
    EXPECT_TRUE(WaitUntilPainted(main)) << "the window was not alone and painted after the cap";
    EXPECT_TRUE(qxtest::SaveWindowScreenshot(main, qxtest::ScreenshotFolder() + "quarvex-main.bmp"));
    PostMessageA(main, WM_CLOSE, 0, 0);
  }

  EXPECT_EQ(WaitForSingleObject(pi.hProcess, kProgramCapMs), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  if (code == STILL_ACTIVE) TerminateProcess(pi.hProcess, 1);
  EXPECT_EQ(code, 0u);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

// One program at a time: a second start with a file hands the file to the running program and
// ends at once (code 0); a start without a file only brings the running one forward.
TEST(Program, ASecondStartHandsItsFileToTheRunningProgram) {
  QuietValue welcome("Software\\Talvenor\\Quarvex 3.0\\Settings\\Warnings",
                     "GettingStartedScreen", 1);
  QuietValue updates("Software\\Talvenor\\Quarvex 3.0", "CheckWebAutomatic", 0);
  char temp[MAX_PATH] = "";
  GetTempPathA(sizeof temp, temp);
  const std::string file = std::string(temp) + "quarvex-second-start.kel";
  CKelProject project;
  project.m_strTitle = "Handed over";
  CString error;
  ASSERT_TRUE(project.WriteProject(file.c_str(), "3.015", error));

  DWORD firstId = 0;
  HANDLE first = StartProgram("", &firstId);
  ASSERT_NE(first, nullptr);
  HWND main = WaitForTopLevel(firstId, "Quarvex 3.0");
  ASSERT_NE(main, nullptr);
  auto titleHas = [main](const char* name) {
    return [main, name] { return Title(main).find(name) != std::string::npos; };
  };

  HANDLE second = StartProgram("\"" + file + "\"", nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(WaitForExit(second, kProgramCapMs), 0u);
  EXPECT_TRUE(WaitFor(titleHas("quarvex-second-start.kel"))) << Title(main);

  HANDLE third = StartProgram("", nullptr);
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(WaitForExit(third, kProgramCapMs), 0u);

  // The shell's open of a project file (the program registered the type when it started)
  // reaches the running program through its DDE open too.
  const std::string shellFile = std::string(temp) + "quarvex-shell-open.kel";
  ASSERT_TRUE(project.WriteProject(shellFile.c_str(), "3.015", error));
  const INT_PTR shell = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", shellFile.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  EXPECT_GT(shell, 32);
  EXPECT_TRUE(WaitFor(titleHas("quarvex-shell-open.kel"))) << Title(main);
  DeleteFileA(shellFile.c_str());

  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(first, kProgramCapMs), 0u);
  DeleteFileA(file.c_str());
}

#include "tests/shell/OpenMenuShot.h"

#include <cstring>

#include "tests/support/Screenshot.h"
#include "tests/support/WaitUntil.h"

namespace shelltest {

namespace {

const UINT kLookEvery = 50;  // ms

struct Shot {
  std::string path;
  DWORD start = 0;
  HWND painted = nullptr;  // the menu as it was at the last look, painted
  bool saved = false;
};
Shot g_shot;

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM found) {
  char name[16] = "";
  ::GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, "#32768") != 0 || !::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND OpenMenuWindow() {
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Inside the tracking loop. The picture is taken when the menu was painted already at the last
// look: the loop has waited since, so the screen shows what was painted.
void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD) {
  HWND menu = OpenMenuWindow();
  const bool painted = menu && !::GetUpdateRect(menu, nullptr, FALSE);
  if (painted && menu == g_shot.painted) {
    g_shot.saved = qxtest::SaveWindowScreenshot(::GetDesktopWindow(), g_shot.path);
  } else if (::GetTickCount() - g_shot.start < qxtest::kWaitCapMs) {
    g_shot.painted = painted ? menu : nullptr;
    return;
  }
  ::EndMenu();
}

}  // namespace

bool ShootOpenMenu(HWND owner, HMENU menu, POINT at, const std::string& path) {
  g_shot = Shot();
  g_shot.path = path;
  g_shot.start = ::GetTickCount();
  ::DeleteFileA(path.c_str());
  const UINT_PTR timer = ::SetTimer(nullptr, 0, kLookEvery, &Look);
  ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, owner, nullptr);
  ::KillTimer(nullptr, timer);
  return g_shot.saved && ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace shelltest

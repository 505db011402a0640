// A picture of the screen with a menu open in the real tracking loop (its update handlers and
// owner drawing run as it opens), for window tests.
#pragma once

#include <windows.h>

#include <string>

namespace shelltest {

// Opens menu at a screen point for owner, keeps a picture of the screen as path once the menu
// is on the screen and painted, then ends the menu. FALSE when no picture was kept (the menu
// never showed within the cap, which is for a stuck machine).
bool ShootOpenMenu(HWND owner, HMENU menu, POINT at, const std::string& path);

}  // namespace shelltest

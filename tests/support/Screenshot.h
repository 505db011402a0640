// Saves what a window shows as a 24-bit BMP, for window tests that keep a picture as output.
#ifndef QUARVEX_TESTS_SUPPORT_SCREENSHOT_H
#define QUARVEX_TESTS_SUPPORT_SCREENSHOT_H

#include <windows.h>

#include <string>

namespace qxtest {

// Copies the window (frame included, as far as it lies on the screen) from the screen; the window
// must be visible and on top.
// Returns false when the window, the copy or the file fails.
bool SaveWindowScreenshot(HWND window, const std::string& path);

// TRUE when the window is visible and neither it nor a visible child has anything left to
// paint: what a picture of it shows is what it drew.
bool IsPainted(HWND top);

// Writes a bitmap selected nowhere to a 24-bit BMP file.
bool SaveBitmap(HBITMAP bitmap, const std::string& path);

// Where a test keeps its pictures: the folder named by QUARVEX_SCREENSHOTS, else the current
// folder (ctest runs each test in its build folder). Ends with a backslash or is empty.
std::string ScreenshotFolder();

}  // namespace qxtest

#endif

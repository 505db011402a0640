// Helpers of the button, static and label window tests: real input through the system's
// input queue, a message pump with the framework's pre-translation, and memory canvases.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/win/AfxWin.h"
#include "tests/support/Screenshot.h"
#include "tests/support/WaitUntil.h"

namespace qxtest {

// Runs the thread's messages for ms milliseconds, each first through PreTranslateMessage of
// its window and parents up to top (the dialog keyboard handling included).
void Pump(HWND top, DWORD ms);
// Runs them as Pump does until done() holds; FALSE when it still does not after capMs.
bool PumpUntil(HWND top, const std::function<bool()>& done, DWORD capMs = kWaitCapMs);
// Shows a window, brings it to the front and lets it paint; FALSE when it never got there.
bool ShowInFront(CWnd* pWnd);

// The centre of a window in screen coordinates.
CPoint ScreenCentre(CWnd* pWnd);

// Mouse and keyboard as the user gives them (SendInput).
void MoveTo(CPoint screen);
void Click(CPoint screen);
void DoubleClick(CPoint screen);
void PressAndReleaseAt(CPoint press, CPoint release);
// Presses and releases key, with modifier (0 for none) held.
void PressKey(WORD key, WORD modifier = 0);

// A memory DC with a bitmap of its own (or one given, to read its pixels).
class MemoryCanvas {
 public:
  MemoryCanvas(int width, int height, COLORREF fill);
  explicit MemoryCanvas(HBITMAP existing);  // selects it; the caller keeps ownership
  ~MemoryCanvas();
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;
  COLORREF Pixel(int x, int y) const { return ::GetPixel(dc, x, y); }
  // Unselects the canvas's own bitmap and hands it over; the canvas then draws nowhere.
  HBITMAP Release();
  HDC dc;

 private:
  HBITMAP m_bitmap;
  HGDIOBJ m_old;
  bool m_owns;
};

}  // namespace qxtest

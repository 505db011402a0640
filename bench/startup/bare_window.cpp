// The least a Win32 program does before its main window shows: it measures one text in a dialog
// font and shows one maximised, painted window titled "Bare Window". bench/startup.sh starts it
// the same way as quarvex.exe and compares the two start-up times.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HDC screen = GetDC(nullptr);
  HFONT font = CreateFontA(-MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL,
                           FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "MS Shell Dlg");
  HGDIOBJ old = SelectObject(screen, font);
  const char text[] = "Bare Window";
  SIZE size = {0, 0};
  GetTextExtentPoint32A(screen, text, sizeof text - 1, &size);
  SelectObject(screen, old);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);

  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "QxBareWindow";
  if (!RegisterClassA(&wc)) return 1;
  HWND window = CreateWindowA("QxBareWindow", text, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, size.cx * 20, size.cy * 20, nullptr, nullptr,
                              instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWMAXIMIZED);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

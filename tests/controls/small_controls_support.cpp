// Helpers of the button, static and label window tests.
#include "tests/controls/small_controls_support.h"

namespace qxtest {

namespace {
void SendMouse(CPoint screen, DWORD flags);
}

void Pump(HWND top, DWORD ms) {
  DWORD start = ::GetTickCount();
  MSG msg;
  do {
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      if (!CWnd::WalkPreTranslateTree(top, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
    }
    ::Sleep(5);
  } while (::GetTickCount() - start < ms);
}

bool PumpUntil(HWND top, const std::function<bool()>& done, DWORD capMs) {
  return WaitUntil(done, [top] { Pump(top, 0); }, capMs);
}

bool ShowInFront(CWnd* pWnd) {
  // The mouse out of the way, so nothing starts hovered.
  SendMouse(CPoint(::GetSystemMetrics(SM_CXSCREEN) - 2, ::GetSystemMetrics(SM_CYSCREEN) - 2), 0);
  pWnd->ShowWindow(SW_SHOWNORMAL);
  pWnd->SetForegroundWindow();
  pWnd->UpdateWindow();
  const HWND top = pWnd->m_hWnd;
  return PumpUntil(top, [top] { return ::GetForegroundWindow() == top && IsPainted(top); });
}

CPoint ScreenCentre(CWnd* pWnd) {
  CRect r;
  pWnd->GetWindowRect(&r);
  return r.CenterPoint();
}

namespace {

void SendMouse(CPoint screen, DWORD flags) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
  in.mi.dx = MulDiv(screen.x, 65535, cx - 1);
  in.mi.dy = MulDiv(screen.y, 65535, cy - 1);
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  ::SendInput(1, &in, sizeof in);
}

void SendKey(WORD key, bool up) {
  INPUT in = {};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  ::SendInput(1, &in, sizeof in);
}

void Settle() {
  HWND active = ::GetActiveWindow();
  Pump(active, 30);
}

}  // namespace

void MoveTo(CPoint screen) {
  SendMouse(screen, 0);
  Settle();
}

void Click(CPoint screen) {
  MoveTo(screen);
  SendMouse(screen, MOUSEEVENTF_LEFTDOWN);
  SendMouse(screen, MOUSEEVENTF_LEFTUP);
  Settle();
}

void DoubleClick(CPoint screen) {
  MoveTo(screen);
  SendMouse(screen, MOUSEEVENTF_LEFTDOWN);
  SendMouse(screen, MOUSEEVENTF_LEFTUP);
  SendMouse(screen, MOUSEEVENTF_LEFTDOWN);
  SendMouse(screen, MOUSEEVENTF_LEFTUP);
  Settle();
}

void PressAndReleaseAt(CPoint press, CPoint release) {
  MoveTo(press);
  SendMouse(press, MOUSEEVENTF_LEFTDOWN);
  Settle();
  SendMouse(release, 0);
  Settle();
  SendMouse(release, MOUSEEVENTF_LEFTUP);
  Settle();
}

void PressKey(WORD key, WORD modifier) {
  if (modifier) SendKey(modifier, false);
  SendKey(key, false);
  SendKey(key, true);
  if (modifier) SendKey(modifier, true);
  Settle();
}

MemoryCanvas::MemoryCanvas(int width, int height, COLORREF fill)
    : dc(::CreateCompatibleDC(NULL)), m_old(NULL), m_owns(true) {
  HDC screen = ::GetDC(NULL);
  m_bitmap = ::CreateCompatibleBitmap(screen, width, height);
  ::ReleaseDC(NULL, screen);
  m_old = ::SelectObject(dc, m_bitmap);
  RECT r = {0, 0, width, height};
  HBRUSH brush = ::CreateSolidBrush(fill);
  ::FillRect(dc, &r, brush);
  ::DeleteObject(brush);
}

MemoryCanvas::MemoryCanvas(HBITMAP existing)
    : dc(::CreateCompatibleDC(NULL)), m_bitmap(existing), m_old(NULL), m_owns(false) {
  m_old = ::SelectObject(dc, existing);
}

MemoryCanvas::~MemoryCanvas() {
  if (m_old) ::SelectObject(dc, m_old);
  if (m_owns && m_bitmap) ::DeleteObject(m_bitmap);
  ::DeleteDC(dc);
}

HBITMAP MemoryCanvas::Release() {
  if (m_old) ::SelectObject(dc, m_old);
  m_old = NULL;
  HBITMAP out = m_bitmap;
  m_bitmap = NULL;
  m_owns = false;
  return out;
}

}  // namespace qxtest

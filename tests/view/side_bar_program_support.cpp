#include "tests/view/side_bar_program_support.h"

#include "shell/MainFrame.h"
#include "tests/support/Screenshot.h"

namespace sidebartest {

CDockForm* SideBar(qxtest::CProgramHarness& program) {
  CMainFrame* frame = program.Frame();
  return frame ? dynamic_cast<CDockForm*>(frame->GetSideBar()) : nullptr;
}

std::string Text(CDockForm* form, int id) {
  char text[256] = "";
  ::GetDlgItemTextA(form->m_hWnd, id, text, sizeof text);
  return text;
}

bool Visible(CDockForm* form, int id) {
  return (::GetWindowLongA(::GetDlgItem(form->m_hWnd, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool Enabled(CDockForm* form, int id) {
  return ::IsWindowEnabled(::GetDlgItem(form->m_hWnd, id)) != FALSE;
}

bool ReadOnly(CDockForm* form, int id) {
  return (::GetWindowLongA(::GetDlgItem(form->m_hWnd, id), GWL_STYLE) & ES_READONLY) != 0;
}

void FocusEdit(qxtest::CProgramHarness& program, CDockForm* form, int id) {
  HWND edit = ::GetDlgItem(form->m_hWnd, id);
  ::SetFocus(edit);
  ::SendMessageA(edit, EM_SETSEL, 0, -1);
  program.Pump();
}

void Type(qxtest::CProgramHarness& program, const std::string& text) {
  for (char c : text) {
    const SHORT key = ::VkKeyScanA(c);
    program.PressKey(LOBYTE(key), false, (HIBYTE(key) & 1) != 0);
  }
}

void Enter(qxtest::CProgramHarness& program, CDockForm* form, int id, const std::string& text,
           UINT key) {
  FocusEdit(program, form, id);
  CHeldTypingTimer held(form);
  Type(program, text);
  program.PressKey(key);
}

void SelectApplication(qxtest::CProgramHarness& program, CDockForm* form, int combo, int index) {
  HWND h = ::GetDlgItem(form->m_hWnd, combo);
  ::SendMessageA(h, CB_SETCURSEL, index, 0);
  ::SendMessageA(form->m_hWnd, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(h));
  program.Pump();
}

bool WaitForTypingTimer(qxtest::CProgramHarness& program, CDockForm* form) {
  const bool fired = program.PumpUntil([form] { return !form->IsApplyPending(); });
  program.Pump();
  return fired;
}

bool CaptureSideBar(CDockForm* form, const std::string& name) {
  // The bar around the form: title and frame included.
  HWND bar = ::GetParent(::GetParent(form->m_hWnd));
  ::RedrawWindow(bar, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  MSG msg;
  for (int i = 0; i < 50 && ::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
    ::DispatchMessageA(&msg);
  ::Sleep(100);
  return qxtest::SaveWindowScreenshot(bar, qxtest::ScreenshotFolder() + name + ".bmp");
}

}  // namespace sidebartest

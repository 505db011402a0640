#include "tests/support/ShownMessageBoxes.h"

#include <cstring>

#include "framework/win/TestSeams.h"
#include "tests/support/Screenshot.h"

namespace qxtest {

namespace {

CShownMessageBoxes* g_shown = nullptr;

// How often the timer looks for the box until it is on the screen (ms).
const UINT kLookEvery = 300;

}  // namespace

CShownMessageBoxes::CShownMessageBoxes() {
  g_shown = this;
  m_previousSeam = reinterpret_cast<void*>(AfxSetMessageBoxSeam(&Show));
}

CShownMessageBoxes::~CShownMessageBoxes() {
  AfxSetMessageBoxSeam(reinterpret_cast<AfxMessageBoxSeam>(m_previousSeam));
  g_shown = nullptr;
}

void CShownMessageBoxes::Expect(const std::string& picture, int answer) {
  m_expected.push_back({picture, answer});
}

BOOL CALLBACK CShownMessageBoxes::CollectWindow(HWND window, LPARAM windows) {
  reinterpret_cast<std::set<HWND>*>(windows)->insert(window);
  return TRUE;
}

int CShownMessageBoxes::Show(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  CShownMessageBoxes* self = g_shown;
  self->m_texts.push_back(text ? text : "");
  self->m_current = Expected{"", IDOK};
  if (!self->m_expected.empty()) {
    self->m_current = self->m_expected.front();
    self->m_expected.pop_front();
  }
  self->m_before.clear();
  ::EnumThreadWindows(::GetCurrentThreadId(), CollectWindow,
                      reinterpret_cast<LPARAM>(&self->m_before));
  // The box runs its own loop on this thread; the timer fires in it.
  ::SetTimer(NULL, 0, kLookEvery, CaptureAndAnswer);
  return ::MessageBoxA(owner, text, caption, type);
}

void CALLBACK CShownMessageBoxes::CaptureAndAnswer(HWND, UINT, UINT_PTR timer, DWORD) {
  CShownMessageBoxes* self = g_shown;
  std::set<HWND> now;
  ::EnumThreadWindows(::GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&now));
  HWND box = NULL;
  for (HWND window : now) {
    char name[16] = "";
    ::GetClassNameA(window, name, sizeof(name));
    if (std::strcmp(name, "#32770") == 0 && ::IsWindowVisible(window) && !self->m_before.count(window))
      box = window;
  }
  if (!box) return;  // not on the screen yet
  ::KillTimer(NULL, timer);
  ::SetWindowPos(box, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::RedrawWindow(box, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const std::string& picture = self->m_current.picture;
  if (!picture.empty()) {
    if (!SaveWindowScreenshot(box, ScreenshotFolder() + picture + ".bmp"))
      self->m_failed.push_back(picture);
    // The program's window with the box over it, as the user sees them.
    HWND owner = ::GetWindow(box, GW_OWNER);
    if (!owner || !SaveWindowScreenshot(owner, ScreenshotFolder() + picture + "_program.bmp"))
      self->m_failed.push_back(picture + "_program");
  }
  ::PostMessageA(box, WM_COMMAND, self->m_current.answer, 0);
}

}  // namespace qxtest

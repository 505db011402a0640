#include "tests/support/HeldTimer.h"

namespace qxtest {

namespace {
// The watchers in force; each has its own hook, and any of them may see a tick first.
CTimerTicks* g_watchers = nullptr;
}  // namespace

CTimerTicks::CTimerTicks(HWND window, UINT_PTR id, bool hold)
    : m_window(window), m_id(id), m_hold(hold) {
  m_next = g_watchers;
  g_watchers = this;
  m_hook = ::SetWindowsHookExA(WH_GETMESSAGE, Filter, nullptr, ::GetCurrentThreadId());
}

CTimerTicks::~CTimerTicks() {
  Release();
}

void CTimerTicks::Release() {
  if (!m_hook) return;
  ::UnhookWindowsHookEx(m_hook);
  m_hook = nullptr;
  for (CTimerTicks** p = &g_watchers; *p; p = &(*p)->m_next)
    if (*p == this) {
      *p = m_next;
      break;
    }
}

bool CTimerTicks::Matches(const MSG& msg) const {
  return msg.message == WM_TIMER && msg.hwnd == m_window &&
         (m_id == kAnyTimer || msg.wParam == m_id);
}

LRESULT CALLBACK CTimerTicks::Filter(int code, WPARAM removal, LPARAM message) {
  MSG* msg = reinterpret_cast<MSG*>(message);
  if (code == HC_ACTION) {
    for (CTimerTicks* w = g_watchers; w; w = w->m_next) {
      if (!w->Matches(*msg)) continue;
      if (removal == PM_REMOVE) ++w->m_count;
      if (w->m_hold) {
        msg->message = WM_NULL;
        break;
      }
    }
  }
  return ::CallNextHookEx(nullptr, code, removal, message);
}

}  // namespace qxtest

#include "tests/support/HeldTimer.h"

namespace qxtest {

namespace {
// The watchers in force, innermost first, and the one hook that serves them all: one hook, so
// that each tick is counted once however many watch it.
CTimerTicks* g_watchers = nullptr;
HHOOK g_hook = nullptr;
}  // namespace

CTimerTicks::CTimerTicks(HWND window, UINT_PTR id, bool hold)
    : m_window(window), m_id(id), m_hold(hold) {
  if (!g_watchers)
    g_hook = ::SetWindowsHookExA(WH_GETMESSAGE, Filter, nullptr, ::GetCurrentThreadId());
  m_next = g_watchers;
  g_watchers = this;
  m_watching = true;
}

CTimerTicks::~CTimerTicks() {
  Release();
}

void CTimerTicks::Release() {
  if (!m_watching) return;
  m_watching = false;
  for (CTimerTicks** p = &g_watchers; *p; p = &(*p)->m_next)
    if (*p == this) {
      *p = m_next;
      break;
    }
  if (!g_watchers && g_hook) {
    ::UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
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
  return ::CallNextHookEx(g_hook, code, removal, message);
}

}  // namespace qxtest

#include "tests/support/HeldTimer.h"

namespace qxtest {

namespace {
// The watchers in force, innermost first, and the one hook that serves them all: one hook, so
// that each tick is counted once however many watch it.
CTimerTicks* g_watchers = nullptr;
HHOOK g_hook = nullptr;
}  // namespace

double NowMs() {
  LARGE_INTEGER frequency, now;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&now);
  // Whole seconds and the rest apart, so that a long uptime loses no precision.
  return (now.QuadPart / frequency.QuadPart) * 1000.0 +
         (now.QuadPart % frequency.QuadPart) * 1000.0 / frequency.QuadPart;
}

CTimerTicks::CTimerTicks(HWND window, UINT_PTR id, bool hold)
    : m_hold(hold), m_window(window), m_id(id) {
  if (!g_watchers)
    g_hook = ::SetWindowsHookExA(WH_GETMESSAGE, Filter, nullptr, ::GetCurrentThreadId());
  m_next = g_watchers;
  g_watchers = this;
}

CTimerTicks::~CTimerTicks() {
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

double CTimerTicks::TickCameAfter(double start, int n) const {
  for (double taken : m_times)
    if (taken >= start && --n == 0) return taken - start;
  return -1;
}

bool CTimerTicks::Matches(const MSG& msg) const {
  return msg.message == WM_TIMER && msg.hwnd == m_window &&
         (m_id == kAnyTimer || msg.wParam == m_id);
}

LRESULT CALLBACK CTimerTicks::Filter(int code, WPARAM removal, LPARAM message) {
  MSG* msg = reinterpret_cast<MSG*>(message);
  if (code == HC_ACTION) {
    double now = 0;
    for (CTimerTicks* w = g_watchers; w; w = w->m_next) {
      if (!w->Matches(*msg)) continue;
      const bool taken = removal == PM_REMOVE;  // not a mere look at the queue
      if (taken) {
        if (now == 0) now = NowMs();
        w->m_times.push_back(now);
        if (w->m_hold) ++w->m_held;
      }
      if (w->m_hold) {
        msg->message = WM_NULL;
        break;
      }
    }
  }
  return ::CallNextHookEx(g_hook, code, removal, message);
}

}  // namespace qxtest

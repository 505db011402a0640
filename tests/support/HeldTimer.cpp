#include "tests/support/HeldTimer.h"

namespace qxtest {

namespace {
// The holds in force on this thread; each has its own hook, and any of them may filter.
CHeldTimer* t_holds = nullptr;
}  // namespace

CHeldTimer::CHeldTimer(HWND window, UINT_PTR id) : m_window(window), m_id(id) {
  m_next = t_holds;
  t_holds = this;
  m_hook = ::SetWindowsHookExA(WH_GETMESSAGE, Filter, nullptr, ::GetCurrentThreadId());
}

CHeldTimer::~CHeldTimer() {
  Release();
}

void CHeldTimer::Release() {
  if (!m_hook) return;
  ::UnhookWindowsHookEx(m_hook);
  m_hook = nullptr;
  for (CHeldTimer** p = &t_holds; *p; p = &(*p)->m_next)
    if (*p == this) {
      *p = m_next;
      break;
    }
}

LRESULT CALLBACK CHeldTimer::Filter(int code, WPARAM removal, LPARAM message) {
  MSG* msg = reinterpret_cast<MSG*>(message);
  if (code == HC_ACTION && msg->message == WM_TIMER) {
    for (CHeldTimer* h = t_holds; h; h = h->m_next) {
      if (msg->hwnd != h->m_window || msg->wParam != h->m_id) continue;
      msg->message = WM_NULL;
      if (removal == PM_REMOVE) ++h->m_held;
      break;
    }
  }
  return ::CallNextHookEx(nullptr, code, removal, message);
}

}  // namespace qxtest

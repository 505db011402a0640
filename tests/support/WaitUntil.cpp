#include "tests/support/WaitUntil.h"

namespace qxtest {

bool WaitUntil(const std::function<bool()>& done, const std::function<void()>& step, DWORD capMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (done()) return true;
    if (::GetTickCount() - start >= capMs) return false;
    if (step) {
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      step();
    } else {
      ::Sleep(10);
    }
  }
}

}  // namespace qxtest

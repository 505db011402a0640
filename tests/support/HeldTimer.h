// Holds back one window timer's ticks, so that a test, not the clock, decides when the timer's
// work happens. While the object lives, every WM_TIMER of (window, id) that a message loop of
// this thread takes (the program's, a dialog's, a message box's) is turned into WM_NULL before
// it is dispatched. The timer itself runs on: once the hold is released, its next tick is
// delivered as usual.
//
//   {
//     qxtest::CHeldTimer hold(form->m_hWnd, CDockForm::kApplyTimer);
//     Type(program, "42");            // however slow the machine, the timer cannot fire here
//     program.PressKey('S', true);    // the save comes first
//   }
//   ASSERT_TRUE(program.PumpUntil([&] { return !form->IsApplyPending(); }));
#pragma once

#include <windows.h>

namespace qxtest {

class CHeldTimer {
 public:
  CHeldTimer(HWND window, UINT_PTR id);
  ~CHeldTimer();
  CHeldTimer(const CHeldTimer&) = delete;
  CHeldTimer& operator=(const CHeldTimer&) = delete;

  // Lets the ticks through from now on (the destructor does the same).
  void Release();
  // The ticks held back so far.
  int HeldTicks() const { return m_held; }

 private:
  static LRESULT CALLBACK Filter(int code, WPARAM removal, LPARAM message);

  HWND m_window;
  UINT_PTR m_id;
  HHOOK m_hook = nullptr;
  int m_held = 0;
  CHeldTimer* m_next = nullptr;  // holds of this thread, innermost first
};

}  // namespace qxtest

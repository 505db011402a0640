// Watches the ticks of a window's timer, so that a test, not the clock, decides when the timer's
// work happens. While an object lives, each WM_TIMER of its (window, id) that a message loop of
// this thread takes (the program's, a dialog's, a message box's) is counted; a CHeldTimer also
// turns it into WM_NULL before it is dispatched. The timer itself runs on: once the hold is
// released, its next tick is delivered as usual.
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

// Counts the ticks of one timer of a window (of any of its timers with kAnyTimer).
class CTimerTicks {
 public:
  static const UINT_PTR kAnyTimer = 0;
  explicit CTimerTicks(HWND window, UINT_PTR id = kAnyTimer) : CTimerTicks(window, id, false) {}
  ~CTimerTicks();
  CTimerTicks(const CTimerTicks&) = delete;
  CTimerTicks& operator=(const CTimerTicks&) = delete;

  // The ticks taken (or held back) so far.
  int Count() const { return m_count; }
  // Stops watching (the destructor does the same).
  void Release();

 protected:
  CTimerTicks(HWND window, UINT_PTR id, bool hold);

 private:
  static LRESULT CALLBACK Filter(int code, WPARAM removal, LPARAM message);
  bool Matches(const MSG& msg) const;

  HWND m_window;
  UINT_PTR m_id;
  bool m_hold;
  bool m_watching = false;
  int m_count = 0;
  CTimerTicks* m_next = nullptr;  // the next watcher out
};

// Holds back one timer's ticks (every timer's with kAnyTimer) while it lives; Release() lets
// them through from then on.
class CHeldTimer : public CTimerTicks {
 public:
  explicit CHeldTimer(HWND window, UINT_PTR id = kAnyTimer) : CTimerTicks(window, id, true) {}
  // The ticks held back so far.
  int HeldTicks() const { return Count(); }
};

}  // namespace qxtest

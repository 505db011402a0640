// Watches the ticks of a window's timer, so that a test, not the clock, decides when the timer's
// work happens, and sees when each tick came. While an object lives, each WM_TIMER of its
// (window, id) that a message loop of this thread takes (the program's, a dialog's, a message
// box's) is counted with the time it was taken; a CHeldTimer also turns it into WM_NULL before
// it is dispatched until it is released. The timer itself runs on: once the hold is released,
// its next tick is delivered as usual.
//
// A timer never ticks early, so a test can check a delay's length without racing it: read the
// clock before the action that (re)starts the timer, and see that the tick came no sooner than
// the delay, less the system timer's granularity, after that reading.
//
//   qxtest::CHeldTimer hold(form->m_hWnd, CDockForm::kApplyTimer);
//   const double typed = qxtest::NowMs();  // before the keys restart the timer
//   Type(program, "42");            // however slow the machine, the timer cannot fire here
//   program.PressKey('S', true);    // the save comes first
//   hold.Release();
//   ASSERT_TRUE(program.PumpUntil([&] { return !form->IsApplyPending(); }));
//   EXPECT_GE(hold.TickCameAfter(typed), 1000 - qxtest::kTimerGranularityMs);
//
// The check is only as sharp as the test is quick to take the tick: a tick is noted when a
// message loop takes it, so a test that waits for it catches a shortened delay best.
#pragma once

#include <windows.h>

#include <vector>

namespace qxtest {

// The time on the performance counter, in ms: the clock the ticks are noted on.
double NowMs();

// How much sooner than its delay a window timer may tick: the system timer's granularity
// (15.6 ms on Windows).
const double kTimerGranularityMs = 16;

// Counts the ticks of one timer of a window (of any of its timers with kAnyTimer).
class CTimerTicks {
 public:
  static const UINT_PTR kAnyTimer = 0;
  explicit CTimerTicks(HWND window, UINT_PTR id = kAnyTimer) : CTimerTicks(window, id, false) {}
  ~CTimerTicks();
  CTimerTicks(const CTimerTicks&) = delete;
  CTimerTicks& operator=(const CTimerTicks&) = delete;

  // The ticks taken (or held back) so far.
  int Count() const { return static_cast<int>(m_times.size()); }
  // How long after start (a NowMs() reading) the n-th tick taken since then came, in ms; -1
  // while it has not come.
  double TickCameAfter(double start, int n = 1) const;

 protected:
  CTimerTicks(HWND window, UINT_PTR id, bool hold);

  bool m_hold;
  int m_held = 0;  // ticks turned into WM_NULL

 private:
  static LRESULT CALLBACK Filter(int code, WPARAM removal, LPARAM message);
  bool Matches(const MSG& msg) const;

  HWND m_window;
  UINT_PTR m_id;
  std::vector<double> m_times;
  CTimerTicks* m_next = nullptr;  // the next watcher out
};

// Holds back one timer's ticks (every timer's with kAnyTimer) until Release().
class CHeldTimer : public CTimerTicks {
 public:
  explicit CHeldTimer(HWND window, UINT_PTR id = kAnyTimer) : CTimerTicks(window, id, true) {}
  // The ticks held back so far.
  int HeldTicks() const { return m_held; }
  // Lets the ticks through from now on; they are still noted until the object goes.
  void Release() { m_hold = false; }
};

}  // namespace qxtest

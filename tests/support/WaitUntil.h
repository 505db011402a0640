// Waiting in tests for what a program does by itself, with one cap for the whole suite.
#pragma once

#include <windows.h>

#include <functional>

namespace qxtest {

// How long a test waits for what should follow at once or after a short timer: long enough for
// a busy, cold machine, so that only a stuck one reaches it.
const DWORD kWaitCapMs = 30000;

// Runs step() (a round of the test's message handling; none when empty) until done() holds,
// resting until new input or 10 ms between rounds. FALSE when done() still does not hold after
// capMs.
bool WaitUntil(const std::function<bool()>& done, const std::function<void()>& step = {},
               DWORD capMs = kWaitCapMs);

}  // namespace qxtest

// The worker thread of the web update check and the one object it works on.
//
// The worker only fetches and reads the reply: it opens an internet session, asks the server
// (a redirect is not followed: only the configured server's own reply counts), reads the first
// line of the answer, stores what it found in its job, and posts a message to a window of the
// user-interface thread, which shows the messages and the update dialog and writes the
// registry. A watchdog cuts the check off at its time bound, whatever the server sends. The job
// is the worker's own copy of everything it needs (shared with the user-interface thread
// through a shared_ptr), so a program that ends while a check still waits for the server leaves
// the worker nothing that goes away under it.
#pragma once

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "framework/base/CString.h"

class CException;
class CInternetSession;

// The time limits of a check: each step's connect, send and receive timeout, and the bound of
// the whole check, after which it is cut off.
struct UpdateTimeouts {
  DWORD stepMs;
  DWORD boundMs;
};
// The limits in force: kUpdateStepTimeoutMs and kUpdateCheckBoundMs, unless a test set others.
UpdateTimeouts GetWebUpdateTimeouts();
// The test seam of the limits; returns the previous function, nullptr restores the real limits.
typedef UpdateTimeouts (*WebUpdateTimeoutsSeam)();
WebUpdateTimeoutsSeam SetWebUpdateTimeoutsSeam(WebUpdateTimeoutsSeam seam);

class CUpdateJob {
 public:
  enum Outcome {
    OUTCOME_NONE,           // nothing to say: no address, or the check was abandoned
    OUTCOME_BUSY,           // another check was running: this one did nothing
    OUTCOME_NOT_CONNECTED,  // the system reports no internet connection
    OUTCOME_FAILED,         // the request failed; m_pError says why
    OUTCOME_REPLY,          // the server answered: m_dwStatus, m_bGotLine, m_strLine
    OUTCOME_TIMED_OUT,      // the check passed its bound and was cut off
  };

  CUpdateJob(const CString& requestAddress, const CString& agent, HWND notifyWindow,
             UINT notifyMessage, const UpdateTimeouts& timeouts = GetWebUpdateTimeouts());
  ~CUpdateJob();
  CUpdateJob(const CUpdateJob&) = delete;
  CUpdateJob& operator=(const CUpdateJob&) = delete;

  // The check itself (the worker thread's work).
  void Run();
  // Ends the check early from another thread: its session is closed, which cancels a waiting
  // request; a check not yet connected never connects. It reports nothing.
  void Abort();
  BOOL IsFinished() const { return m_finished.load(); }

  // What the check found; read only once IsFinished.
  Outcome m_outcome = OUTCOME_NONE;
  DWORD m_dwStatus = 0;
  BOOL m_bGotLine = FALSE;
  CString m_strLine;
  CException* m_pError = nullptr;  // owned by the job

  // Given before the thread starts, then only read.
  const CString m_strRequestAddress;
  const CString m_strAgent;
  const HWND m_hNotifyWnd;
  const UINT m_nNotifyMessage;
  const UpdateTimeouts m_timeouts;

 private:
  void Fetch();
  // The watchdog of the bound: cuts the check off (closes its session) when the fetch has not
  // ended within m_timeouts.boundMs.
  void WatchBound();
  BOOL Attach(CInternetSession* session);
  void Detach();

  std::atomic<bool> m_finished{false};
  std::mutex m_lock;
  std::condition_variable m_fetchEnded;
  CInternetSession* m_pSession = nullptr;
  bool m_bAborted = false;
  bool m_bFetched = false;
  bool m_bTimedOut = false;
};

// The worker thread: param is a new std::shared_ptr<CUpdateJob>, which the thread deletes.
UINT WebUpdateThreadProc(LPVOID param);

// The busy mark: set while a worker is checking, one check at a time in the process.
BOOL IsWebUpdateBusy();

// The worker thread of the web update check and the one object it works on.
//
// The worker only fetches and reads the reply: it opens an internet session, asks the server,
// reads the first line of the answer, stores what it found in its job, and posts a message to a
// window of the user-interface thread, which shows the messages and the update dialog and
// writes the registry. The job is the worker's own copy of everything it needs (shared with the
// user-interface thread through a shared_ptr), so a program that ends while a check still
// waits for the server leaves the worker nothing that goes away under it.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>

#include "framework/base/CString.h"

class CException;
class CInternetSession;

class CUpdateJob {
 public:
  enum Outcome {
    OUTCOME_NONE,           // nothing to say: no address, or the check was abandoned
    OUTCOME_BUSY,           // another check was running: this one did nothing
    OUTCOME_NOT_CONNECTED,  // the system reports no internet connection
    OUTCOME_FAILED,         // the request failed; m_pError says why
    OUTCOME_REPLY,          // the server answered: m_dwStatus, m_bGotLine, m_strLine
  };

  CUpdateJob(const CString& requestAddress, const CString& agent, HWND notifyWindow,
             UINT notifyMessage);
  ~CUpdateJob();
  CUpdateJob(const CUpdateJob&) = delete;
  CUpdateJob& operator=(const CUpdateJob&) = delete;

  // The check itself (the worker thread's work).
  void Run();
  // Ends the check early from another thread: its session is closed, which cancels a waiting
  // request where the system allows it; a check not yet connected never connects.
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

 private:
  void Fetch();
  BOOL Attach(CInternetSession* session);
  void Detach();

  std::atomic<bool> m_finished{false};
  std::mutex m_lock;
  CInternetSession* m_pSession = nullptr;
  bool m_bAborted = false;
};

// The worker thread: param is a new std::shared_ptr<CUpdateJob>, which the thread deletes.
UINT WebUpdateThreadProc(LPVOID param);

// The busy mark: set while a worker is checking, one check at a time in the process.
BOOL IsWebUpdateBusy();

// Worker threads: AfxBeginThread runs a function on a new thread through a CWinThread object.
//
// A worker thread must not own windows of the user-interface thread's windows or be owned by
// them (the input queues would be joined): message boxes and dialogs it shows take no owner of
// another thread (see AfxMessageBox and CDialog::DoModal). The cleaner way is to post results
// to a window of the user-interface thread and show them there.
#pragma once

#include <windows.h>

#include "framework/base/Object.h"

typedef UINT (*AFX_THREADPROC)(LPVOID);

class CWinThread : public CObject {
  DECLARE_DYNAMIC(CWinThread)
 public:
  CWinThread(AFX_THREADPROC proc, LPVOID param);
  ~CWinThread() override;  // closes the thread handle (the thread itself runs on)
  CWinThread(const CWinThread&) = delete;
  CWinThread& operator=(const CWinThread&) = delete;

  operator HANDLE() const { return this ? m_hThread : NULL; }
  DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
  DWORD SuspendThread() { return ::SuspendThread(m_hThread); }
  BOOL SetThreadPriority(int priority) { return ::SetThreadPriority(m_hThread, priority); }
  int GetThreadPriority() const { return ::GetThreadPriority(m_hThread); }

  HANDLE m_hThread = NULL;
  DWORD m_nThreadID = 0;
  // TRUE (the default): the object deletes itself when the thread ends. A creator that waits
  // for the thread starts it suspended, clears this, resumes it and deletes the object later.
  BOOL m_bAutoDelete = TRUE;
  AFX_THREADPROC m_pfnThreadProc;
  LPVOID m_pThreadParams;
};

// Starts proc(param) on a new thread; NULL when the thread cannot be created. With
// CREATE_SUSPENDED in flags the thread waits for ResumeThread. An exception that leaves proc is
// reported and ends the thread. When proc returns, the thread's window and GDI handle maps are
// freed.
CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param,
                           int priority = THREAD_PRIORITY_NORMAL, UINT stackSize = 0,
                           DWORD createFlags = 0, LPSECURITY_ATTRIBUTES security = NULL);

// Frees the calling thread's handle maps (temporary wrappers first). Threads started by
// AfxBeginThread do this themselves when they end.
void AfxTermThread();
// The number of threads whose handle maps exist (for tests).
int AfxGetLiveThreadMapCount();

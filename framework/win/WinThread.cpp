// Worker threads.
#include "framework/win/WinThread.h"

#include <atomic>
#include <exception>

#include "framework/base/Exception.h"
#include "framework/win/AfxCore.h"
#include "framework/win/TempMaps.h"

IMPLEMENT_DYNAMIC(CWinThread, CObject)

namespace {

DWORD WINAPI AfxThreadEntry(LPVOID p) {
  CWinThread* thread = static_cast<CWinThread*>(p);
  UINT code = 0;
  try {
    code = thread->m_pfnThreadProc(thread->m_pThreadParams);
  } catch (CException* e) {
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
      AfxReportException("worker thread", e->GetErrorMessage());
    e->Delete();
    code = static_cast<UINT>(-1);
  } catch (const std::exception& e) {
    AfxReportException("worker thread", e.what());
    code = static_cast<UINT>(-1);
  } catch (...) {
    AfxReportException("worker thread", nullptr);
    code = static_cast<UINT>(-1);
  }
  AfxTermThread();
  if (thread->m_bAutoDelete) delete thread;
  return code;
}

}  // namespace

CWinThread::CWinThread(AFX_THREADPROC proc, LPVOID param)
    : m_pfnThreadProc(proc), m_pThreadParams(param) {}

CWinThread::~CWinThread() {
  if (m_hThread) ::CloseHandle(m_hThread);
}

CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority, UINT stackSize,
                           DWORD createFlags, LPSECURITY_ATTRIBUTES security) {
  if (!proc) return nullptr;
  CWinThread* thread = new CWinThread(proc, param);
  thread->m_hThread = ::CreateThread(security, stackSize, AfxThreadEntry, thread,
                                     CREATE_SUSPENDED, &thread->m_nThreadID);
  if (!thread->m_hThread) {
    delete thread;
    return nullptr;
  }
  ::SetThreadPriority(thread->m_hThread, priority);
  if (!(createFlags & CREATE_SUSPENDED)) ::ResumeThread(thread->m_hThread);
  return thread;
}

namespace {
std::atomic<int> g_liveThreadMaps{0};
thread_local bool t_mapsCounted = false;
}  // namespace

void AfxNoteThreadMaps() {
  if (t_mapsCounted) return;
  t_mapsCounted = true;
  ++g_liveThreadMaps;
}

void AfxTermThread() {
  AfxFreeThreadWindowMaps();
  AfxFreeThreadGdiMaps();
  if (t_mapsCounted) {
    t_mapsCounted = false;
    --g_liveThreadMaps;
  }
}

int AfxGetLiveThreadMapCount() {
  return g_liveThreadMaps;
}

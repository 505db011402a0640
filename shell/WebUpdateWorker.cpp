// The update check's worker thread.
#include "shell/WebUpdateWorker.h"

#include <chrono>
#include <thread>

#include "framework/base/Exception.h"
#include "framework/win/Internet.h"
#include "shell/WebUpdateLogic.h"

namespace {

// The busy mark: 1 while a worker checks. Test and set are one step.
volatile LONG g_busy = 0;

BOOL TakeBusyMark() {
  return ::InterlockedCompareExchange(&g_busy, 1, 0) == 0;
}

void ClearBusyMark() {
  ::InterlockedExchange(&g_busy, 0);
}

// A redirect is handed back as it came: only the configured server's own reply may decide.
const DWORD kRequestFlags = INTERNET_FLAG_TRANSFER_BINARY | INTERNET_FLAG_RELOAD |
                            INTERNET_FLAG_KEEP_CONNECTION | INTERNET_FLAG_NO_AUTO_REDIRECT;

std::atomic<WebUpdateTimeoutsSeam> g_timeoutsSeam{nullptr};

}  // namespace

UpdateTimeouts GetWebUpdateTimeouts() {
  const WebUpdateTimeoutsSeam seam = g_timeoutsSeam.load();
  return seam ? seam() : UpdateTimeouts{kUpdateStepTimeoutMs, kUpdateCheckBoundMs};
}

WebUpdateTimeoutsSeam SetWebUpdateTimeoutsSeam(WebUpdateTimeoutsSeam seam) {
  return g_timeoutsSeam.exchange(seam);
}

BOOL IsWebUpdateBusy() {
  return ::InterlockedCompareExchange(&g_busy, 0, 0) != 0;
}

CUpdateJob::CUpdateJob(const CString& requestAddress, const CString& agent, HWND notifyWindow,
                       UINT notifyMessage, const UpdateTimeouts& timeouts)
    : m_strRequestAddress(requestAddress),
      m_strAgent(agent),
      m_hNotifyWnd(notifyWindow),
      m_nNotifyMessage(notifyMessage),
      m_timeouts(timeouts) {}

CUpdateJob::~CUpdateJob() {
  if (m_pError) m_pError->Delete();
}

BOOL CUpdateJob::Attach(CInternetSession* session) {
  std::lock_guard<std::mutex> lock(m_lock);
  if (m_bAborted || m_bTimedOut) return FALSE;
  m_pSession = session;
  return TRUE;
}

void CUpdateJob::Detach() {
  std::lock_guard<std::mutex> lock(m_lock);
  m_pSession = nullptr;
}

void CUpdateJob::Abort() {
  std::lock_guard<std::mutex> lock(m_lock);
  m_bAborted = true;
  if (m_pSession) m_pSession->Close();
}

void CUpdateJob::WatchBound() {
  std::unique_lock<std::mutex> lock(m_lock);
  if (m_fetchEnded.wait_for(lock, std::chrono::milliseconds(m_timeouts.boundMs),
                            [this] { return m_bFetched; }))
    return;
  m_bTimedOut = true;
  if (m_pSession) m_pSession->Close();
}

void CUpdateJob::Fetch() {
  CInternetSession session(m_strAgent, 1, INTERNET_OPEN_TYPE_PRECONFIG);
  if (!Attach(&session)) return;
  struct DetachAtEnd {
    CUpdateJob* job;
    ~DetachAtEnd() { job->Detach(); }
  } detach{this};

  DWORD state = 0;
  // A system that cannot say is taken at its word only when it says "not connected".
  if (session.QueryOption(INTERNET_OPTION_CONNECTED_STATE, state) &&
      !(state & INTERNET_STATE_CONNECTED)) {
    m_outcome = OUTCOME_NOT_CONNECTED;
    return;
  }
  session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, m_timeouts.stepMs);
  session.SetOption(INTERNET_OPTION_SEND_TIMEOUT, m_timeouts.stepMs);
  session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, m_timeouts.stepMs);
  std::unique_ptr<CHttpFile> reply(session.OpenURL(m_strRequestAddress, 0, kRequestFlags));
  DWORD status = 0;
  reply->QueryInfoStatusCode(status);
  CString line;
  const BOOL gotLine = reply->ReadString(line, kUpdateReplyLineCap);
  m_dwStatus = status;
  m_bGotLine = gotLine;
  m_strLine = line;
  m_outcome = OUTCOME_REPLY;
}

void CUpdateJob::Run() {
  if (!TakeBusyMark()) {
    m_outcome = OUTCOME_BUSY;
  } else {
    if (!m_strRequestAddress.IsEmpty()) {
      std::thread watchdog([this] { WatchBound(); });
      try {
        Fetch();
      } catch (CException* e) {
        m_outcome = OUTCOME_FAILED;
        m_pError = e;
      }
      {
        std::lock_guard<std::mutex> lock(m_lock);
        m_bFetched = true;
      }
      m_fetchEnded.notify_all();
      watchdog.join();
    }
    {
      // A check cut short at shutdown reports nothing; one cut off at its bound says so, whatever
      // it had read or failed with by then.
      std::lock_guard<std::mutex> lock(m_lock);
      if (m_bAborted) {
        m_outcome = OUTCOME_NONE;
      } else if (m_bTimedOut) {
        m_outcome = OUTCOME_TIMED_OUT;
        if (m_pError) m_pError->Delete();
        m_pError = nullptr;
      }
    }
    ClearBusyMark();
  }
  m_finished = true;
  if (m_hNotifyWnd) ::PostMessageA(m_hNotifyWnd, m_nNotifyMessage, 0, 0);
}

UINT WebUpdateThreadProc(LPVOID param) {
  std::unique_ptr<std::shared_ptr<CUpdateJob>> job(static_cast<std::shared_ptr<CUpdateJob>*>(param));
  if (job && *job) (*job)->Run();
  return 0;
}

// The web update check: start-up, schedule, registry values and what a finished check shows.
#include "shell/WebUpdateChecker.h"

#include "core/registry/RegistryKey.h"
#include "framework/win/AfxWin.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/Document.h"
#include "framework/win/WinThread.h"
#include "shell/UpdateAvailableDlg.h"
#include "shell/UpdateTempFolder.h"
#include "shell/WebUpdateLogic.h"
#include "shell/WebUpdateWorker.h"

namespace {

const char kAutomaticValue[] = "CheckWebAutomatic";
const char kNextCheckValue[] = "CheckWebDateTime";
const char kVersionValue[] = "Version";
const char kServerRootValue[] = "UpdateServerRoot";
const char kServerRootVariable[] = "QUARVEX_UPDATE_ROOT";
const UINT WM_QX_UPDATE_FINISHED = WM_USER + 1;

}  // namespace

// A message-only window of the user-interface thread that hears when a worker has finished.
class CUpdateNotifyWnd : public CWnd {
 public:
  explicit CUpdateNotifyWnd(CWebUpdateChecker* checker) : m_pChecker(checker) {}
  BOOL CreateNotifyWindow() {
    return CreateEx(0, AfxRegisterWndClass(0), "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL);
  }

 protected:
  LRESULT OnFinished(WPARAM, LPARAM) {
    m_pChecker->OnCheckFinished();
    return 0;
  }
  DECLARE_MESSAGE_MAP()

 private:
  CWebUpdateChecker* m_pChecker;
};

BEGIN_MESSAGE_MAP(CUpdateNotifyWnd, CWnd)
ON_MESSAGE(WM_QX_UPDATE_FINISHED, &CUpdateNotifyWnd::OnFinished)
END_MESSAGE_MAP()

CWebUpdateChecker::CWebUpdateChecker() : m_strServerRoot(kDefaultUpdateServerRoot) {}

CWebUpdateChecker::~CWebUpdateChecker() {
  Shutdown();
}

BOOL CWebUpdateChecker::SetServerRoot(LPCSTR root) {
  const CString text = root ? root : "";
  if (!IsAcceptableServerRoot(text)) return FALSE;
  m_strServerRoot = NormaliseServerRoot(text);
  return TRUE;
}

CString CWebUpdateChecker::GetConfiguredServerRoot(LPCSTR programName) {
  char buffer[kUpdateServerRootCap + 2] = "";
  const DWORD n = ::GetEnvironmentVariableA(kServerRootVariable, buffer, sizeof(buffer));
  if (n > 0 && n < sizeof(buffer) && IsAcceptableServerRoot(buffer))
    return NormaliseServerRoot(buffer);
  CRegistryKey key;
  key.SetRootKey(HKEY_CURRENT_USER);
  if (!key.SetKey(CString("Software\\Talvenor\\") + (programName ? programName : ""), FALSE,
                  KEY_READ))
    return CString();
  const CString stored = key.ReadString(kServerRootValue, "");
  return IsAcceptableServerRoot(stored) ? NormaliseServerRoot(stored) : CString();
}

void CWebUpdateChecker::Init(LPCSTR programName) {
  const CString name = programName ? programName : "";
  if (m_strProgramName.IsEmpty()) m_strProgramName = name;
  if (m_strSettingsKey.IsEmpty()) {
    m_strSettingsKey = "Software\\Talvenor\\" + name;
    m_strRequestAddress = BuildRequestAddress(m_strServerRoot, BuildQuery());
  }
  ClearTempFolder();

  if (!m_strSettingsKey.IsEmpty()) {
    CRegistryKey key;
    key.SetRootKey(HKEY_CURRENT_USER);
    if (!key.SetKey(m_strSettingsKey, FALSE, KEY_ALL_ACCESS) || !key.ValueExists(kAutomaticValue)) {
      const CString question = kUpdateTextAskAutomaticBefore + m_strProgramName + kUpdateTextAskAutomaticAfter;
      SetAutomatic(AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES ? 1 : 0);
    }
  }
  if (IsAutomatic() && IsCheckDue()) CheckInBackground();
}

CString CWebUpdateChecker::BuildQuery() const {
  CRegistryKey key;
  key.SetRootKey(HKEY_LOCAL_MACHINE);
  if (m_strSettingsKey.IsEmpty() || !key.SetKey(m_strSettingsKey, FALSE, KEY_READ))
    return BuildUpdateQuery(m_strProgramName, FALSE, "");
  return BuildUpdateQuery(m_strProgramName, TRUE, key.ReadString(kVersionValue, "Old"));
}

void CWebUpdateChecker::StartCheck(BOOL manual) {
  if (m_strSettingsKey.IsEmpty() || m_strRequestAddress.IsEmpty()) {
    if (manual) AfxMessageBox(kUpdateTextNotAvailable, MB_OK);
    return;
  }
  if (m_pJob) {
    // The running check answers for this one.
    if (manual) m_bJobManual = TRUE;
    return;
  }
  if (!m_pNotifyWnd) {
    m_pNotifyWnd = new CUpdateNotifyWnd(this);
    if (!m_pNotifyWnd->CreateNotifyWindow()) {
      delete m_pNotifyWnd;
      m_pNotifyWnd = nullptr;
    }
  }
  ReleaseThread(1000);  // the previous worker has posted its result and is ending
  auto job = std::make_shared<CUpdateJob>(m_strRequestAddress, m_strProgramName,
                                          m_pNotifyWnd->GetSafeHwnd(), WM_QX_UPDATE_FINISHED);
  auto* param = new std::shared_ptr<CUpdateJob>(job);
  CWinThread* thread = m_pNotifyWnd ? AfxBeginThread(WebUpdateThreadProc, param, THREAD_PRIORITY_NORMAL,
                                                     0, CREATE_SUSPENDED)
                                    : nullptr;
  if (!thread) {
    delete param;
    if (manual) AfxMessageBox(kUpdateTextNotFound, MB_OK);
    return;
  }
  thread->m_bAutoDelete = FALSE;
  m_pThread = thread;
  m_pJob = job;
  m_bJobManual = manual;
  thread->ResumeThread();
}

void CWebUpdateChecker::OnCheckFinished() {
  if (!m_pJob || !m_pJob->IsFinished()) return;
  const std::shared_ptr<CUpdateJob> job = std::move(m_pJob);
  m_pJob.reset();
  const BOOL manual = m_bJobManual;

  switch (job->m_outcome) {
    case CUpdateJob::OUTCOME_NONE:
    case CUpdateJob::OUTCOME_BUSY:
      return;
    case CUpdateJob::OUTCOME_NOT_CONNECTED:
      if (manual) AfxMessageBox(kUpdateTextNotConnected, MB_OK);
      return;
    case CUpdateJob::OUTCOME_FAILED:
      if (manual && job->m_pError) job->m_pError->ReportError(MB_OK);
      return;
    case CUpdateJob::OUTCOME_TIMED_OUT:
      if (manual) AfxMessageBox(kUpdateTextNotFound, MB_OK);
      return;
    case CUpdateJob::OUTCOME_REPLY:
      break;
  }
  const UpdateReply reply = ClassifyReply(job->m_dwStatus, job->m_bGotLine, job->m_strLine);
  CString address;
  const BOOL haveAddress =
      reply == REPLY_YES_UPDATE && ExtractDownloadAddress(job->m_strLine, m_strServerRoot, address);
  const UpdateReaction reaction = DecideUpdateReaction(manual, reply, haveAddress);
  if (reaction.message) AfxMessageBox(reaction.message, MB_OK);
  if (reaction.scheduleNextDay) ScheduleNextCheck(1);
  if (reaction.showDialog) OfferUpdate(address);
}

void CWebUpdateChecker::OfferUpdate(const CString& downloadAddress) {
  CUpdateAvailableDlg dlg;
  dlg.m_strHistoryUrl = m_strHistoryUrl;
  if (dlg.DoModal() != IDOK) return;
  switch (dlg.m_nChoice) {
    case UPDATE_INSTALL_NOW:
      // The program closes only for an updater that really started.
      if (LaunchUpdater(BuildInstallParameters(downloadAddress))) {
        if (CWnd* main = AfxGetMainWnd()) main->PostMessage(WM_CLOSE);
      }
      break;
    case UPDATE_REMIND_LATER:
      ScheduleNextCheck(dlg.m_nDays);
      break;
    case UPDATE_STOP_CHECKING:
      SetAutomatic(0);
      break;
    default:
      break;
  }
}

BOOL CWebUpdateChecker::LaunchUpdater(LPCSTR parameters) {
  const CString program = GetProgramFolder() + kUpdateProgramName;
  const HINSTANCE result = AfxShellExecute(NULL, "open", program,
                                           parameters && *parameters ? parameters : NULL, NULL,
                                           SW_SHOWNORMAL);
  if (reinterpret_cast<INT_PTR>(result) > 32) return TRUE;
  AfxMessageBox(kUpdateTextCannotStartUpdater, MB_OK | MB_ICONEXCLAMATION);
  return FALSE;
}

void CWebUpdateChecker::RunUpdateHelper() {
  LaunchUpdater(NULL);
}

BOOL CWebUpdateChecker::IsAutomatic() {
  if (m_strSettingsKey.IsEmpty()) return FALSE;
  CRegistryKey key;
  key.SetRootKey(HKEY_CURRENT_USER);
  if (!key.SetKey(m_strSettingsKey, FALSE, KEY_ALL_ACCESS)) return TRUE;
  return key.ReadInt(kAutomaticValue, 1) > 0;
}

void CWebUpdateChecker::SetAutomatic(BYTE on) {
  if (m_strSettingsKey.IsEmpty()) return;
  CRegistryKey key;
  key.SetRootKey(HKEY_CURRENT_USER);
  if (!key.SetKey(m_strSettingsKey, TRUE, KEY_ALL_ACCESS)) return;
  key.WriteInt(kAutomaticValue, on ? 1 : 0);
  key.DeleteValue(kNextCheckValue);
}

void CWebUpdateChecker::ToggleAutomatic() {
  if (m_strSettingsKey.IsEmpty()) return;
  SetAutomatic(IsAutomatic() ? 0 : 1);
}

void CWebUpdateChecker::ScheduleNextCheck(int days) {
  if (m_strSettingsKey.IsEmpty()) return;
  CRegistryKey key;
  key.SetRootKey(HKEY_CURRENT_USER);
  if (!key.SetKey(m_strSettingsKey, TRUE, KEY_ALL_ACCESS)) return;
  key.WriteDateTime(kNextCheckValue, UpdateCheckAfterDays(COleDateTime::GetCurrentTime(), days));
}

BOOL CWebUpdateChecker::IsCheckDue() {
  CRegistryKey key;
  key.SetRootKey(HKEY_CURRENT_USER);
  if (m_strSettingsKey.IsEmpty() || !key.SetKey(m_strSettingsKey, FALSE, KEY_ALL_ACCESS))
    return TRUE;
  const BOOL stored = key.ValueExists(kNextCheckValue);
  // A value that does not read as a date reads as this unusable one: due.
  const COleDateTime next = key.ReadDateTime(kNextCheckValue, COleDateTime(0.0, COleDateTime::invalid));
  return IsUpdateCheckDue(COleDateTime::GetCurrentTime(), stored, next);
}

void CWebUpdateChecker::ClearTempFolder() {
  const CString folder = GetUpdateTempFolder();
  if (!folder.IsEmpty()) EmptyFolder(folder);
}

BOOL CWebUpdateChecker::IsDocumentModified(CDocTemplate* docTemplate) {
  if (!docTemplate) return FALSE;
  for (POSITION pos = docTemplate->GetFirstDocPosition(); pos;)
    if (CDocument* doc = docTemplate->GetNextDoc(pos))
      if (doc->IsModified()) return TRUE;
  return FALSE;
}

void CWebUpdateChecker::ReleaseThread(DWORD waitMs) {
  if (!m_pThread) return;
  // A worker that does not end in time keeps its object; it holds nothing of ours.
  if (::WaitForSingleObject(m_pThread->m_hThread, waitMs) == WAIT_OBJECT_0) delete m_pThread;
  m_pThread = nullptr;
}

void CWebUpdateChecker::Shutdown(DWORD waitMs) {
  if (m_pJob) m_pJob->Abort();
  ReleaseThread(waitMs);
  m_pJob.reset();
  if (m_pNotifyWnd) {
    m_pNotifyWnd->DestroyWindow();
    delete m_pNotifyWnd;
    m_pNotifyWnd = nullptr;
  }
}

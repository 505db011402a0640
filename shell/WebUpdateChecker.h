// CWebUpdateChecker: the web update check the application owns.
//
// At start-up (Init) it builds the request address from the installed version, empties the
// updater's temporary folder, asks once whether to check automatically, and starts a check when
// automatic checks are on and one is due. Help > Product Updates reaches it for a manual check,
// the updater and the automatic switch. A check runs on a worker thread (WebUpdateWorker.h) and
// its result comes back to the user-interface thread, which shows the messages and the "Free
// Update Available !" dialog and writes the schedule.
#pragma once

#include <windows.h>

#include <memory>

#include "core/registry/OleDateTime.h"
#include "framework/base/CString.h"

class CDocTemplate;
class CUpdateJob;
class CUpdateNotifyWnd;
class CWinThread;

class CWebUpdateChecker {
 public:
  CWebUpdateChecker();
  virtual ~CWebUpdateChecker();  // Shutdown
  CWebUpdateChecker(const CWebUpdateChecker&) = delete;
  CWebUpdateChecker& operator=(const CWebUpdateChecker&) = delete;

  // The update server's root address ("http://host[:port]"), before Init. FALSE (and the
  // previous root kept) for anything but a plain http:// or https:// address of a host.
  BOOL SetServerRoot(LPCSTR root);
  CString GetServerRoot() const { return m_strServerRoot; }
  // The root a deployment configured: the environment variable QUARVEX_UPDATE_ROOT, else the
  // string "UpdateServerRoot" under the settings key; empty when neither is acceptable.
  static CString GetConfiguredServerRoot(LPCSTR programName);

  // Start-up work, once.
  void Init(LPCSTR programName);
  void SetHistoryUrl(LPCSTR address) { m_strHistoryUrl = address ? address : ""; }
  CString GetHistoryUrl() const { return m_strHistoryUrl; }
  // The query part of the request address; empty when the installation key is missing.
  CString BuildQuery() const;
  CString GetRequestAddress() const { return m_strRequestAddress; }
  CString GetSettingsKey() const { return m_strSettingsKey; }

  void CheckNow() { StartCheck(TRUE); }
  void CheckInBackground() { StartCheck(FALSE); }
  // Starts a check on a worker thread. A manual check always answers: without a request
  // address it says so, and while a check is running that check answers for it.
  void StartCheck(BOOL manual);
  // A check is running or its result has not been handled yet.
  BOOL IsChecking() const { return m_pJob != nullptr; }

  BOOL IsAutomatic();
  void SetAutomatic(BYTE on);
  void ToggleAutomatic();
  void ScheduleNextCheck(int days);
  BOOL IsCheckDue();
  // Starts the updater of the program folder without arguments; says so when it cannot.
  void RunUpdateHelper();
  // Empties the updater's temporary folder (%TEMP%\TalvenorUpdateTemp).
  void ClearTempFolder();
  // TRUE when any document of the template is modified.
  static BOOL IsDocumentModified(CDocTemplate* docTemplate);

  // Ends a running check: its session is closed and the worker is waited for, at most waitMs.
  void Shutdown(DWORD waitMs = 3000);

  // The user-interface thread's part of a finished check (called through the notify window).
  void OnCheckFinished();

 protected:
  // The offer of an update and what follows the user's choice.
  virtual void OfferUpdate(const CString& downloadAddress);
  // Starts the updater with these parameters; FALSE (after saying so) when it did not start.
  BOOL LaunchUpdater(LPCSTR parameters);

 private:
  void ReleaseThread(DWORD waitMs);

  CString m_strServerRoot;
  CString m_strHistoryUrl;
  CString m_strSettingsKey;
  CString m_strProgramName;
  CString m_strRequestAddress;
  std::shared_ptr<CUpdateJob> m_pJob;  // the running or unhandled check
  BOOL m_bJobManual = FALSE;
  CWinThread* m_pThread = nullptr;
  CUpdateNotifyWnd* m_pNotifyWnd = nullptr;
};

#include "shell/SingleInstance.h"

#include <ddeml.h>

#include "framework/base/Arrays.h"
#include "framework/win/DocManager.h"
#include "framework/win/WinApp.h"

namespace {

HDDEDATA CALLBACK IgnoreDde(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return nullptr;
}

// Marks this start with a named mutex, held until the process ends, and says whether an earlier
// start had marked itself: without one there is no program to hand to, and the conversation's
// set-up (a broadcast to every top-level window) can be skipped.
bool EarlierStartMarked(LPCSTR serviceName) {
  CString name = CString("Talvenor.") + serviceName + ".running";
  name.Replace('\\', '_');
  HANDLE mark = ::CreateMutexA(nullptr, FALSE, name);
  if (!mark) return true;  // no telling: ask as before
  return ::GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace

BOOL HandToRunningInstance(LPCSTR commandLine, LPCSTR serviceName) {
  // Every start marks itself first, whatever its command line: a later start finds it.
  if (!EarlierStartMarked(serviceName)) return FALSE;
  CStringArray args;
  AfxSplitCommandLine(commandLine, args);
  CString file;
  for (int i = 0; i < args.GetSize(); ++i) {
    const CString& a = args[i];
    if (a.GetLength() > 1 && (a[0] == '/' || a[0] == '-')) return FALSE;
    if (file.IsEmpty()) file = a;
  }

  DWORD instance = 0;
  if (::DdeInitializeA(&instance, &IgnoreDde, APPCMD_CLIENTONLY | CBF_SKIP_ALLNOTIFICATIONS, 0) !=
      DMLERR_NO_ERROR)
    return FALSE;
  HSZ service = ::DdeCreateStringHandleA(instance, serviceName, CP_WINANSI);
  HSZ topic = ::DdeCreateStringHandleA(instance, "system", CP_WINANSI);
  HCONV conversation = ::DdeConnect(instance, service, topic, nullptr);
  BOOL handed = FALSE;
  if (conversation) {
    CONVINFO info = {};
    info.cb = sizeof info;
    HWND running = ::DdeQueryConvInfo(conversation, QID_SYNC, &info) ? info.hwndPartner : nullptr;
    if (file.IsEmpty()) {
      handed = TRUE;
    } else {
      CString command = "[open(\"" + AfxFullPath(file) + "\")]";
      HDDEDATA reply = ::DdeClientTransaction(
          reinterpret_cast<LPBYTE>(const_cast<char*>(command.GetString())),
          static_cast<DWORD>(command.GetLength() + 1), conversation, nullptr, 0, XTYP_EXECUTE,
          10000, nullptr);
      handed = reply != nullptr;
    }
    if (handed && running) {
      if (::IsIconic(running)) ::ShowWindow(running, SW_RESTORE);
      ::SetForegroundWindow(running);
    }
    ::DdeDisconnect(conversation);
  }
  ::DdeFreeStringHandle(instance, service);
  ::DdeFreeStringHandle(instance, topic);
  ::DdeUninitialize(instance);
  return handed;
}

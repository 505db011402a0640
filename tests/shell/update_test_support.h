// Shared by the update and welcome tests: recorded message boxes and shell starts, dialogs
// answered by a script, and a registry whose HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE are
// scratch keys of the test's own.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "framework/win/AfxWin.h"
#include "tests/support/WaitUntil.h"

namespace updatetest {

struct ShellStart {
  std::string file;
  std::string parameters;
};

// Message boxes, shell starts and modal dialogs of one test, recorded and answered.
class CSeams {
 public:
  CSeams();
  ~CSeams();
  std::vector<std::string> boxes;
  std::vector<UINT> boxTypes;
  std::deque<int> answers;  // the next answers; IDOK (or IDNO for Yes/No) when none is queued
  std::vector<ShellStart> starts;
  INT_PTR shellResult = 42;  // what ShellExecute reports (above 32: started)
  bool realShell = false;    // recorded, then really started
  std::function<void(CDialog*)> onDialog;  // cancels the dialog when empty

 private:
  static int Box(HWND, LPCSTR text, LPCSTR, UINT type);
  static HINSTANCE Shell(HWND, LPCSTR, LPCSTR file, LPCSTR parameters, LPCSTR, INT);
  static void Dialog(CDialog* dialog);
  AfxMessageBoxSeam m_box;
  AfxShellExecuteSeam m_shell;
  AfxModalDialogSeam m_modal;
};

// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE of this process redirected to scratch keys until the
// object goes.
class CScratchHives {
 public:
  explicit CScratchHives(const std::string& name);
  ~CScratchHives();
  // Values under the redirected roots (REG_SZ strings; numbers as the program stores them).
  void SetString(HKEY root, const std::string& key, const std::string& name, const std::string& value);
  void SetRaw(HKEY root, const std::string& key, const std::string& name, DWORD type, const void* data, DWORD size);
  bool GetRaw(HKEY root, const std::string& key, const std::string& name, std::vector<BYTE>* data) const;
  bool Exists(HKEY root, const std::string& key, const std::string& name) const;

 private:
  std::string m_path;
  HKEY m_user = NULL;
  HKEY m_machine = NULL;
};

// Handles messages until done() or timeoutMs passed; FALSE on the timeout.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = qxtest::kWaitCapMs);

}  // namespace updatetest

namespace updatetest {
// Shows a dialog, lets it paint, and saves it as <screenshots>/<name>.bmp.
bool CaptureDialog(CDialog* dialog, const std::string& name);
}  // namespace updatetest

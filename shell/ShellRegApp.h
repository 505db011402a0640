// CShellRegApp: the application base that registers the document type with the shell at every
// start: the old keys go first, then the type, its icon, its DDE open and open command, and the
// extension. The program path in the open command is quoted.
#pragma once

#include "framework/win/WinApp.h"

class CShellRegApp : public CWinApp {
 public:
  CShellRegApp();

  // Registers the first document template under the classes root for extension.
  void RegisterShellFileTypes(BOOL removeOld, LPCSTR extension);
  // The default value of key (valueName NULL) or a named REG_SZ value; creates the key.
  BOOL SetKeyValue(LPCSTR key, LPCSTR value, LPCSTR valueName = nullptr);
  // Deletes the key and every parent it leaves without sub-keys; stops at a key that cannot be
  // opened or that still has sub-keys.
  BOOL DeleteKeyTree(LPCSTR path);
  // The program's folder with its backslash; empty when it cannot be had (no message).
  CString GetProgramFolder();

  // Where the classes live: HKEY_CLASSES_ROOT, or a scratch key in tests.
  HKEY m_hClassesRoot = HKEY_CLASSES_ROOT;

 protected:
  // The program path written into the keys: the module's short name (the long one when there
  // is no short name).
  virtual CString GetShellProgramPath();
};

// CRegistryKey: the program's settings in the Windows registry (see CSettingsKey for the value
// rules), plus fonts and the program folder.
#pragma once

#include <windows.h>

#include "core/registry/SettingsKey.h"
#include "core/registry/Win32SettingsStore.h"
#include "framework/win/GdiObjects.h"

class CRegistryKey : public CSettingsKey {
 public:
  CRegistryKey();
  // Accepts HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE and HKEY_USERS; any other
  // root gives FALSE and keeps the previous one.
  BOOL SetRootKey(HKEY root);
  // A 60-byte LOGFONTA; the face name is always terminated. On success the font object holds
  // a new font made from it.
  BOOL ReadFont(const CString& name, CFont& font);
  BOOL WriteFont(const CString& name, CFont* font);
};

// The program's folder, ending with a backslash.
CString GetProgramFolder();

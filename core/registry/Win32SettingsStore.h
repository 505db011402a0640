// The settings store over the Windows registry (advapi32).
#pragma once

#include <windows.h>

#include "core/registry/SettingsStore.h"

class CWin32SettingsStore : public ISettingsStore {
 public:
  LONG CreateKey(SettingsRoot root, const CString& path, DWORD access, bool flush) override;
  LONG OpenKey(SettingsRoot root, const CString& path, DWORD access, bool flush) override;
  LONG QueryValue(SettingsRoot root, const CString& path, const CString& name, DWORD access,
                  DWORD* type, std::vector<BYTE>* data) override;
  LONG SetValue(SettingsRoot root, const CString& path, const CString& name, DWORD type,
                const void* data, DWORD size, bool flush) override;
  LONG DeleteValue(SettingsRoot root, const CString& path, const CString& name) override;

  static HKEY RootKey(SettingsRoot root);
  // The store shared by every CRegistryKey (it keeps no state).
  static CWin32SettingsStore& Instance();
};

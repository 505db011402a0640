// Where settings live: an abstract store of keys and typed byte values, so the value rules of
// CSettingsKey work over the Windows registry and, in tests, over memory.
#pragma once

#include <vector>

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

enum class SettingsRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

namespace settings {
// Value types, result codes and access masks with the registry's numbers.
const DWORD kTypeNone = 0;
const DWORD kTypeString = 1;        // REG_SZ
const DWORD kTypeExpandString = 2;  // REG_EXPAND_SZ
const DWORD kTypeBinary = 3;        // REG_BINARY
const DWORD kTypeDword = 4;         // REG_DWORD
const LONG kOk = 0;
const LONG kNotFound = 2;
const LONG kMoreData = 234;
const DWORD kAccessQueryValue = 0x0001;
const DWORD kAccessSetValue = 0x0002;
const DWORD kAccessRead = 0x20019;
const DWORD kAccessWrite = 0x20006;
const DWORD kAccessAll = 0xF003F;
}  // namespace settings

class ISettingsStore {
 public:
  virtual ~ISettingsStore() = default;
  // Creates (or opens) root\path; flushes it when asked. Returns a result code.
  virtual LONG CreateKey(SettingsRoot root, const CString& path, DWORD access, bool flush) = 0;
  // Opens an existing root\path (and closes it again); flushes it when asked.
  virtual LONG OpenKey(SettingsRoot root, const CString& path, DWORD access, bool flush) = 0;
  // Type and all bytes of a value. The key is opened with access for this one call.
  virtual LONG QueryValue(SettingsRoot root, const CString& path, const CString& name, DWORD access,
                          DWORD* type, std::vector<BYTE>* data) = 0;
  // Sets a value in an existing key (never creates the key); flushes when asked.
  virtual LONG SetValue(SettingsRoot root, const CString& path, const CString& name, DWORD type,
                        const void* data, DWORD size, bool flush) = 0;
  virtual LONG DeleteValue(SettingsRoot root, const CString& path, const CString& name) = 0;
};

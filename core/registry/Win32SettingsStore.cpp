// The settings store over the Windows registry.
#include "core/registry/Win32SettingsStore.h"

namespace {

// Values larger than this are not settings of ours.
const DWORD kMaxValueSize = 1 << 20;

class CKeyHandle {
 public:
  ~CKeyHandle() {
    if (m_key) ::RegCloseKey(m_key);
  }
  HKEY* operator&() { return &m_key; }
  operator HKEY() const { return m_key; }

 private:
  HKEY m_key = NULL;
};

}  // namespace

HKEY CWin32SettingsStore::RootKey(SettingsRoot root) {
  switch (root) {
    case SettingsRoot::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case SettingsRoot::LocalMachine:
      return HKEY_LOCAL_MACHINE;
    case SettingsRoot::Users:
      return HKEY_USERS;
    case SettingsRoot::CurrentUser:
    default:
      return HKEY_CURRENT_USER;
  }
}

CWin32SettingsStore& CWin32SettingsStore::Instance() {
  static CWin32SettingsStore store;
  return store;
}

LONG CWin32SettingsStore::CreateKey(SettingsRoot root, const CString& path, DWORD access,
                                    bool flush) {
  CKeyHandle key;
  LONG r = ::RegCreateKeyExA(RootKey(root), path, 0, NULL, REG_OPTION_NON_VOLATILE, access, NULL,
                             &key, NULL);
  if (r == ERROR_SUCCESS && flush) ::RegFlushKey(key);
  return r;
}

LONG CWin32SettingsStore::OpenKey(SettingsRoot root, const CString& path, DWORD access,
                                  bool flush) {
  CKeyHandle key;
  LONG r = ::RegOpenKeyExA(RootKey(root), path, 0, access, &key);
  if (r == ERROR_SUCCESS && flush) ::RegFlushKey(key);
  return r;
}

LONG CWin32SettingsStore::QueryValue(SettingsRoot root, const CString& path, const CString& name,
                                     DWORD access, DWORD* type, std::vector<BYTE>* data) {
  CKeyHandle key;
  LONG r = ::RegOpenKeyExA(RootKey(root), path, 0, access, &key);
  if (r != ERROR_SUCCESS) return r;
  DWORD t = 0, size = 0;
  r = ::RegQueryValueExA(key, name, NULL, &t, NULL, &size);
  if (r != ERROR_SUCCESS) return r;
  if (type) *type = t;
  if (!data) return ERROR_SUCCESS;
  if (size > kMaxValueSize) return ERROR_MORE_DATA;
  data->assign(size, 0);
  DWORD got = size;
  r = ::RegQueryValueExA(key, name, NULL, &t, size ? data->data() : NULL, &got);
  if (r != ERROR_SUCCESS) return r;  // changed in between (ERROR_MORE_DATA): not read
  data->resize(got);
  if (type) *type = t;
  return ERROR_SUCCESS;
}

LONG CWin32SettingsStore::SetValue(SettingsRoot root, const CString& path, const CString& name,
                                   DWORD type, const void* data, DWORD size, bool flush) {
  CKeyHandle key;
  LONG r = ::RegOpenKeyExA(RootKey(root), path, 0, KEY_WRITE, &key);
  if (r != ERROR_SUCCESS) return r;
  r = ::RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  if (r == ERROR_SUCCESS && flush) ::RegFlushKey(key);
  return r;
}

LONG CWin32SettingsStore::DeleteValue(SettingsRoot root, const CString& path, const CString& name) {
  CKeyHandle key;
  LONG r = ::RegOpenKeyExA(RootKey(root), path, 0, KEY_SET_VALUE, &key);
  if (r != ERROR_SUCCESS) return r;
  return ::RegDeleteValueA(key, name);
}

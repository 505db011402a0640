// A settings store in memory, with the registry's rules: names compare without case, writes
// need an existing key, CreateKey makes the parents too.
#pragma once

#include <map>
#include <set>
#include <utility>

#include "core/registry/SettingsStore.h"

class CMemorySettingsStore : public ISettingsStore {
 public:
  LONG CreateKey(SettingsRoot root, const CString& path, DWORD access, bool flush) override;
  LONG OpenKey(SettingsRoot root, const CString& path, DWORD access, bool flush) override;
  LONG QueryValue(SettingsRoot root, const CString& path, const CString& name, DWORD access,
                  DWORD* type, std::vector<BYTE>* data) override;
  LONG SetValue(SettingsRoot root, const CString& path, const CString& name, DWORD type,
                const void* data, DWORD size, bool flush) override;
  LONG DeleteValue(SettingsRoot root, const CString& path, const CString& name) override;

  // Stores a raw value (creating the key), as a person editing the registry might.
  void Put(SettingsRoot root, const CString& path, const CString& name, DWORD type,
           const void* data, DWORD size);
  bool KeyExists(SettingsRoot root, const CString& path) const;
  int GetFlushCount() const { return m_flushes; }

 private:
  typedef std::pair<int, std::string> KeyName;
  struct Value {
    DWORD type = 0;
    std::vector<BYTE> bytes;
  };
  static KeyName Key(SettingsRoot root, const CString& path);
  static std::string Lower(const CString& text);
  std::set<KeyName> m_keys;
  std::map<std::pair<KeyName, std::string>, Value> m_values;
  int m_flushes = 0;
};

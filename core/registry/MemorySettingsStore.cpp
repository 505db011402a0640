// The in-memory settings store.
#include "core/registry/MemorySettingsStore.h"

#include <cctype>

std::string CMemorySettingsStore::Lower(const CString& text) {
  std::string s = text.str();
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

CMemorySettingsStore::KeyName CMemorySettingsStore::Key(SettingsRoot root, const CString& path) {
  std::string p = Lower(path);
  while (!p.empty() && p.back() == '\\') p.pop_back();
  return {static_cast<int>(root), p};
}

bool CMemorySettingsStore::KeyExists(SettingsRoot root, const CString& path) const {
  KeyName k = Key(root, path);
  return k.second.empty() || m_keys.count(k) != 0;
}

LONG CMemorySettingsStore::CreateKey(SettingsRoot root, const CString& path, DWORD, bool flush) {
  KeyName k = Key(root, path);
  for (size_t i = 0; i <= k.second.size(); ++i)
    if (i == k.second.size() || k.second[i] == '\\')
      m_keys.insert({k.first, k.second.substr(0, i)});
  if (flush) ++m_flushes;
  return settings::kOk;
}

LONG CMemorySettingsStore::OpenKey(SettingsRoot root, const CString& path, DWORD, bool flush) {
  if (!KeyExists(root, path)) return settings::kNotFound;
  if (flush) ++m_flushes;
  return settings::kOk;
}

LONG CMemorySettingsStore::QueryValue(SettingsRoot root, const CString& path, const CString& name,
                                      DWORD, DWORD* type, std::vector<BYTE>* data) {
  if (!KeyExists(root, path)) return settings::kNotFound;
  auto it = m_values.find({Key(root, path), Lower(name)});
  if (it == m_values.end()) return settings::kNotFound;
  if (type) *type = it->second.type;
  if (data) *data = it->second.bytes;
  return settings::kOk;
}

LONG CMemorySettingsStore::SetValue(SettingsRoot root, const CString& path, const CString& name,
                                    DWORD type, const void* data, DWORD size, bool flush) {
  if (!KeyExists(root, path)) return settings::kNotFound;
  Value& v = m_values[{Key(root, path), Lower(name)}];
  v.type = type;
  const BYTE* bytes = static_cast<const BYTE*>(data);
  v.bytes.assign(bytes, bytes + size);
  if (flush) ++m_flushes;
  return settings::kOk;
}

LONG CMemorySettingsStore::DeleteValue(SettingsRoot root, const CString& path,
                                       const CString& name) {
  if (!KeyExists(root, path)) return settings::kNotFound;
  return m_values.erase({Key(root, path), Lower(name)}) ? settings::kOk : settings::kNotFound;
}

void CMemorySettingsStore::Put(SettingsRoot root, const CString& path, const CString& name,
                               DWORD type, const void* data, DWORD size) {
  CreateKey(root, path, settings::kAccessAll, false);
  SetValue(root, path, name, type, data, size, false);
}

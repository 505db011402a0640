// Value rules of the settings keys.
#include "core/registry/SettingsKey.h"

#include <cmath>
#include <cstdint>
#include <cstring>

using namespace settings;

CSettingsKey::CSettingsKey(ISettingsStore& store)
    : m_store(store),
      m_lastError(0),
      m_direction(0),
      m_root(SettingsRoot::CurrentUser),
      m_noFlush(TRUE) {}

CSettingsKey::~CSettingsKey() {
  Reset();
}

void CSettingsKey::Reset() {
  m_path.Empty();
  m_root = SettingsRoot::CurrentUser;
  m_noFlush = TRUE;
}

BOOL CSettingsKey::SetKey(const CString& path, BOOL create, DWORD access) {
  if (path.IsEmpty()) {
    m_path.Empty();
    return TRUE;
  }
  LONG result;
  if (create) {
    result = m_store.CreateKey(m_root, path, access, !m_noFlush);
  } else {
    result = m_store.OpenKey(m_root, path, access, !m_noFlush);
    m_lastError = result;
  }
  if (result != kOk) return FALSE;
  m_path = path;
  return TRUE;
}

BOOL CSettingsKey::ReadExact(const CString& name, void* buffer, DWORD size, bool dwordToo) {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (m_store.QueryValue(m_root, m_path, name, kAccessRead, &type, &data) != kOk) return FALSE;
  // Text, or a value shorter or longer than ours, is not a value the program wrote.
  if (type != kTypeBinary && !(dwordToo && type == kTypeDword)) return FALSE;
  if (data.size() != size) return FALSE;
  if (size) std::memcpy(buffer, data.data(), size);
  return TRUE;
}

BOOL CSettingsKey::ReadBinary(const CString& name, void* buffer, DWORD size) {
  return ReadExact(name, buffer, size, false);
}

int CSettingsKey::ReadInt(const CString& name, int defaultValue) {
  std::int32_t value = 0;
  return ReadExact(name, &value, sizeof(value), true) ? value : defaultValue;
}

double CSettingsKey::ReadDouble(const CString& name, double defaultValue) {
  double value = 0.0;
  return ReadBinary(name, &value, sizeof(value)) ? value : defaultValue;
}

COleDateTime CSettingsKey::ReadDateTime(const CString& name, const COleDateTime& defaultValue) {
  BYTE bytes[12];
  if (!ReadBinary(name, bytes, sizeof(bytes))) return defaultValue;
  double dt;
  std::int32_t status;
  std::memcpy(&dt, bytes, 8);
  std::memcpy(&status, bytes + 8, 4);
  if (!std::isfinite(dt) || status < 0 || status > 2) return defaultValue;
  return COleDateTime(dt, static_cast<COleDateTime::DateTimeStatus>(status));
}

CString CSettingsKey::ReadString(const CString& name, const CString& defaultValue) {
  DWORD type = GetValueType(name);
  if (type != kTypeString && type != kTypeExpandString) return defaultValue;
  std::vector<BYTE> data;
  m_lastError = m_store.QueryValue(m_root, m_path, name, kAccessRead, &type, &data);
  if (m_lastError != kOk || data.size() > static_cast<size_t>(kStringBufferSize))
    return defaultValue;
  // Registry strings need not end with a NUL: stop at the first one, or at the buffer's end.
  size_t n = 0;
  while (n < data.size() && n < static_cast<size_t>(kStringBufferSize - 1) && data[n] != 0) ++n;
  return CString(reinterpret_cast<const char*>(data.data()), static_cast<int>(n));
}

BOOL CSettingsKey::WriteBinary(const CString& name, const void* data, DWORD size) {
  return m_store.SetValue(m_root, m_path, name, kTypeBinary, data, size, !m_noFlush) == kOk;
}

BOOL CSettingsKey::WriteInt(const CString& name, int value) {
  std::int32_t v = value;
  return WriteBinary(name, &v, sizeof(v));
}

BOOL CSettingsKey::WriteDouble(const CString& name, double value) {
  return WriteBinary(name, &value, sizeof(value));
}

BOOL CSettingsKey::WriteDateTime(const CString& name, const COleDateTime& value) {
  BYTE bytes[12];
  std::int32_t status = static_cast<std::int32_t>(value.m_status);
  std::memcpy(bytes, &value.m_dt, 8);
  std::memcpy(bytes + 8, &status, 4);
  return WriteBinary(name, bytes, sizeof(bytes));
}

DWORD CSettingsKey::GetValueType(const CString& name) {
  DWORD type = 0;
  m_lastError = m_store.QueryValue(m_root, m_path, name, kAccessQueryValue, &type, nullptr);
  return m_lastError == kOk ? type : 0;
}

BOOL CSettingsKey::ValueExists(const CString& name) {
  DWORD type = 0;
  return m_store.QueryValue(m_root, m_path, name, kAccessQueryValue, &type, nullptr) == kOk;
}

BOOL CSettingsKey::DeleteValue(const CString& name) {
  return m_store.DeleteValue(m_root, m_path, name) == kOk;
}

BOOL CSettingsKey::ExchangeFlag(const CString& name, BYTE* flag) {
  if (m_direction == 0) {
    *flag = ReadInt(name, *flag) > 0 ? 1 : 0;
    return *flag;
  }
  return WriteInt(name, *flag);
}

BOOL CSettingsKey::ExchangeBool(const CString& name, BOOL* value) {
  if (m_direction == 0) {
    *value = ReadInt(name, *value) > 0 ? TRUE : FALSE;
    return TRUE;
  }
  return WriteInt(name, *value);
}

CString ProgramFolderOf(const CString& modulePath) {
  int slash = modulePath.ReverseFind('\\');
  return slash < 0 ? CString() : modulePath.Left(slash + 1);
}

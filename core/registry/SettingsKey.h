// CSettingsKey: typed access to the values under one key of a settings store. Numbers are
// stored as binary values of exactly their own size (int 4, double 8, date 12 bytes); a value
// of any other size or type reads as the default (an int may also be a REG_DWORD, the same 4
// bytes). Strings are read only, up to 254 characters. Every call opens the key afresh;
// nothing stays open between calls.
#pragma once

#include "core/registry/OleDateTime.h"
#include "core/registry/SettingsStore.h"
#include "framework/base/CString.h"

class CSettingsKey {
 public:
  explicit CSettingsKey(ISettingsStore& store);
  virtual ~CSettingsKey();
  CSettingsKey(const CSettingsKey&) = delete;
  CSettingsKey& operator=(const CSettingsKey&) = delete;

  // Empties the path, the root back to the current user, flushing off.
  void Reset();
  void SetRoot(SettingsRoot root) { m_root = root; }
  SettingsRoot GetRoot() const { return m_root; }
  // An empty path works on the root itself. With create the key is made when missing.
  BOOL SetKey(const CString& path, BOOL create, DWORD access);
  const CString& GetKey() const { return m_path; }
  void SetDirection(BYTE direction) { m_direction = direction; }
  // 0 makes every successful write and SetKey flush the key.
  void SetNoFlush(BOOL noFlush) { m_noFlush = noFlush; }
  LONG GetLastError() const { return m_lastError; }

  int ReadInt(const CString& name, int defaultValue);
  double ReadDouble(const CString& name, double defaultValue);
  // A DATE that is not finite or a status other than 0, 1, 2 reads as the default.
  COleDateTime ReadDateTime(const CString& name, const COleDateTime& defaultValue);
  CString ReadString(const CString& name, const CString& defaultValue);
  // A binary value of exactly size bytes into buffer, else FALSE (buffer unchanged).
  BOOL ReadBinary(const CString& name, void* buffer, DWORD size);

  BOOL WriteInt(const CString& name, int value);
  BOOL WriteDouble(const CString& name, double value);
  BOOL WriteDateTime(const CString& name, const COleDateTime& value);
  BOOL WriteBinary(const CString& name, const void* data, DWORD size);

  DWORD GetValueType(const CString& name);  // 0 when missing
  BOOL ValueExists(const CString& name);
  BOOL DeleteValue(const CString& name);

  // Load (direction 0): the stored number > 0 becomes 1, else 0; store: writes the value.
  BOOL ExchangeFlag(const CString& name, BYTE* flag);
  BOOL ExchangeBool(const CString& name, BOOL* value);

  static const int kStringBufferSize = 255;

 protected:
  // A value of exactly size bytes stored as binary (or, with dwordToo, as a REG_DWORD).
  BOOL ReadExact(const CString& name, void* buffer, DWORD size, bool dwordToo);

  ISettingsStore& m_store;
  LONG m_lastError;
  BYTE m_direction;
  SettingsRoot m_root;
  BOOL m_noFlush;
  CString m_path;
};

// The folder of a module path: everything up to and including the last backslash; empty when
// there is none.
CString ProgramFolderOf(const CString& modulePath);

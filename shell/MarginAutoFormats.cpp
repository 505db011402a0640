#include "shell/MarginAutoFormats.h"

#include <windows.h>

#include <cmath>

#include "core/registry/RegistryKey.h"

const char CRegistryMarginAutoFormats::kKey[] =
    "Software\\Talvenor\\SharedSettings\\MarginsAutoFormats";

std::vector<CString> CRegistryMarginAutoFormats::Names() {
  std::vector<CString> names;
  HKEY root = NULL;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &root) != ERROR_SUCCESS) return names;
  for (DWORD i = 0;; ++i) {
    char name[261];
    DWORD size = sizeof name;
    LONG result = ::RegEnumKeyExA(root, i, name, &size, NULL, NULL, NULL, NULL);
    if (result == ERROR_MORE_DATA) continue;  // a name longer than any key name can be
    if (result != ERROR_SUCCESS) break;
    names.push_back(CString(name, (int)size));
  }
  ::RegCloseKey(root);
  return names;
}

bool CRegistryMarginAutoFormats::Read(const char* name, MarginAutoFormat* format) {
  CString path = CString(kKey) + "\\" + name;
  CRegistryKey key;
  if (!name || !*name || !key.SetKey(path, FALSE, KEY_READ)) return false;
  auto margin = [&key](const char* value, double current) {
    double stored = key.ReadDouble(value, current);
    return std::isfinite(stored) && stored >= 0.0 ? stored : current;
  };
  format->top = margin("top", format->top);
  format->bottom = margin("bottom", format->bottom);
  format->left = margin("left", format->left);
  format->right = margin("right", format->right);
  format->portrait = key.ReadInt("portrait", format->portrait) != 0 ? 1 : 0;
  return true;
}

bool CRegistryMarginAutoFormats::Write(const char* name, const MarginAutoFormat& format) {
  CRegistryKey key;
  if (!name || !*name || !key.SetKey(CString(kKey) + "\\" + name, TRUE, KEY_ALL_ACCESS))
    return false;
  bool ok = key.WriteInt("portrait", format.portrait ? 1 : 0) != FALSE;
  ok = key.WriteDouble("top", format.top) && ok;
  ok = key.WriteDouble("bottom", format.bottom) && ok;
  ok = key.WriteDouble("left", format.left) && ok;
  ok = key.WriteDouble("right", format.right) && ok;
  return ok;
}

bool CRegistryMarginAutoFormats::Remove(const char* name) {
  if (!name || !*name) return false;
  HKEY root = NULL;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_ALL_ACCESS, &root) != ERROR_SUCCESS)
    return false;
  LONG result = ::RegDeleteKeyA(root, name);
  ::RegCloseKey(root);
  return result == ERROR_SUCCESS;
}

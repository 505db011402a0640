// Emptying the updater's temporary folder.
#include "shell/UpdateTempFolder.h"

#include <windows.h>

#include <vector>

namespace {

// "C:\x", "\\server\share\x": absolute, and more than a drive or share root.
bool IsAbsoluteBelowRoot(const CString& path) {
  CString p = path;
  p.TrimRight('\\');
  if (p.GetLength() >= 3 && p[1] == ':' && p[2] == '\\') return p.GetLength() > 3;
  if (p.Left(2) == "\\\\") {
    // \\server\share is the root of a share.
    int slashes = 0;
    for (int i = 2; i < p.GetLength(); ++i) slashes += p[i] == '\\';
    return slashes >= 2;
  }
  return false;
}

}  // namespace

CString GetUpdateTempFolder() {
  std::vector<char> buffer(MAX_PATH + 1);
  DWORD n = ::GetTempPathA(static_cast<DWORD>(buffer.size()), buffer.data());
  if (n >= buffer.size()) {
    buffer.resize(n + 1);
    n = ::GetTempPathA(static_cast<DWORD>(buffer.size()), buffer.data());
  }
  if (n == 0 || n >= buffer.size()) return CString();
  CString temp(buffer.data(), static_cast<int>(n));
  if (!IsAbsoluteBelowRoot(temp)) return CString();
  if (temp[temp.GetLength() - 1] != '\\') temp += '\\';
  return temp + "TalvenorUpdateTemp";
}

void EmptyFolder(const CString& folder) {
  if (folder.IsEmpty()) return;
  WIN32_FIND_DATAA found;
  HANDLE find = ::FindFirstFileA(folder + "\\*.*", &found);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const CString name = found.cFileName;
    if (name == "." || name == "..") continue;
    const CString path = folder + "\\" + name;
    const DWORD attributes = found.dwFileAttributes;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) EmptyFolder(path);
      ::RemoveDirectoryA(path);
    } else {
      ::DeleteFileA(path);
    }
  } while (::FindNextFileA(find, &found));
  ::FindClose(find);
}

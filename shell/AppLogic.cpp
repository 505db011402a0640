#include "shell/AppLogic.h"

#include <cstring>

BOOL IsNoFileCommand(int shellCommand) {
  return shellCommand == 0 || shellCommand == -1;
}

BOOL IsFolderPath(const char* path) {
  const size_t n = path ? std::strlen(path) : 0;
  return n > 0 && path[n - 1] == '\\';
}

CString EncodeUrlPart(const CString& text) {
  static const char kHex[] = "0123456789ABCDEF";
  CString out;
  for (int i = 0; i < text.GetLength(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || c == '.' || c == '~';
    if (plain) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

CString HelpTarget(const CString& programFolder, const char* subFolder, const char* file,
                   const char* download, bool localExists) {
  if (localExists) return programFolder + subFolder + file;
  return CString(download) + EncodeUrlPart(file);
}

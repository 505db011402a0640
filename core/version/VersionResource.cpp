#include "core/version/VersionResource.h"

#include <cstring>
#include <vector>

#include "core/version/VersionText.h"

BOOL ReadFixedFileInfo(HMODULE module, VS_FIXEDFILEINFO& info) {
  if (module == NULL) module = GetModuleHandleA(NULL);
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(VS_VERSION_INFO),
                                 MAKEINTRESOURCEA(16) /* RT_VERSION */);
  if (resource == NULL) return FALSE;
  DWORD size = SizeofResource(module, resource);
  HGLOBAL loaded = LoadResource(module, resource);
  const void* data = loaded ? LockResource(loaded) : NULL;
  if (data == NULL || size == 0) return FALSE;
  // VerQueryValue may write into the block, so it works on a copy; the extra
  // room is what it needs for converted texts.
  std::vector<BYTE> block(static_cast<size_t>(size) * 2 + 64, 0);
  std::memcpy(block.data(), data, size);
  void* root = NULL;
  UINT rootSize = 0;
  if (!VerQueryValueA(block.data(), "\\", &root, &rootSize) || root == NULL ||
      rootSize < sizeof(VS_FIXEDFILEINFO))
    return FALSE;
  std::memcpy(&info, root, sizeof(VS_FIXEDFILEINFO));
  return info.dwSignature == 0xFEEF04BDu;
}

CString GetVersionText(BOOL preRelease, HMODULE module) {
  VS_FIXEDFILEINFO info;
  if (!ReadFixedFileInfo(module, info)) return GetCompiledVersionText(preRelease);
  return FormatVersionText(info.dwProductVersionMS, info.dwProductVersionLS, info.dwFileFlags,
                           info.dwFileFlagsMask, preRelease);
}

CString GetVersionLine(BOOL colon, BOOL preRelease) {
  return FormatVersionLine(colon, GetVersionText(preRelease));
}

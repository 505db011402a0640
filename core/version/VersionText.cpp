#include "core/version/VersionText.h"

#include "core/version/version.h"

CString FormatVersionText(DWORD productVersionMS, DWORD productVersionLS, DWORD fileFlags,
                          DWORD fileFlagsMask, BOOL preRelease) {
  CString text;
  text.Format("%u.%u%u%u", static_cast<unsigned>(HIWORD(productVersionMS)),
              static_cast<unsigned>(LOWORD(productVersionMS)),
              static_cast<unsigned>(HIWORD(productVersionLS)),
              static_cast<unsigned>(LOWORD(productVersionLS)));
  if (preRelease && (fileFlags & fileFlagsMask & kVersionFlagPrerelease) != 0) text += " Beta";
  return text;
}

CString GetCompiledVersionText(BOOL preRelease) {
  const DWORD ms = MAKELONG(QUARVEX_VERSION_MINOR, QUARVEX_VERSION_MAJOR);
  const DWORD ls = MAKELONG(QUARVEX_VERSION_BUILD, QUARVEX_VERSION_RELEASE);
  const DWORD flags = QUARVEX_VERSION_PRERELEASE ? kVersionFlagPrerelease : 0;
  return FormatVersionText(ms, ls, flags, kVersionFlagPrerelease, preRelease);
}

CString FormatVersionLine(BOOL colon, const CString& versionText) {
  CString line = "Version";
  if (colon) line += ":";
  line += " ";
  line += versionText;
  return line;
}

CString GetBuildDateText() {
  return CString("Build date: ") + __DATE__;
}

CString GetBuildDateTimeText() {
  return GetBuildDateText() + " " + __TIME__;
}

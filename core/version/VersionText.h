// The version and build-date texts. The formatting is portable; reading the
// version resource of a module is in VersionResource.h (Windows only).
#pragma once

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

// Bit of the fixed file flags that marks a pre-release build.
const DWORD kVersionFlagPrerelease = 0x00000002L;

// "%u.%u%u%u" of a product version (the four words, most significant first),
// plus " Beta" when preRelease is set and the flags (masked) mark a pre-release.
CString FormatVersionText(DWORD productVersionMS, DWORD productVersionLS, DWORD fileFlags,
                          DWORD fileFlagsMask, BOOL preRelease);

// The same text from the numbers compiled into the program (version.h); the
// fallback when the resource cannot be read.
CString GetCompiledVersionText(BOOL preRelease);

// "Version" + (":" when colon) + " " + versionText.
CString FormatVersionLine(BOOL colon, const CString& versionText);

// "Build date: Mmm dd yyyy" (the compiler's date form, day padded with a blank).
CString GetBuildDateText();
// GetBuildDateText() + " hh:mm:ss".
CString GetBuildDateTimeText();

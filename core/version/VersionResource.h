// The version text read from a module's own version resource (Windows only).
#pragma once

#include <windows.h>

#include "framework/base/CString.h"

// "%u.%u%u%u" of the product version in the version resource of module (the
// program when NULL), with " Beta" for a pre-release build when preRelease is
// set. When the resource cannot be read the numbers compiled into the program
// are used, so the text is never empty.
CString GetVersionText(BOOL preRelease, HMODULE module = NULL);

// "Version" + (":" when colon) + " " + GetVersionText(preRelease).
CString GetVersionLine(BOOL colon, BOOL preRelease);

// Reads the fixed file information of module's version resource; FALSE when
// there is none or it is malformed.
BOOL ReadFixedFileInfo(HMODULE module, VS_FIXEDFILEINFO& info);

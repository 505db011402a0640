// Saving a file so that a failure never damages the file already there: the
// bytes go to a temporary file in the same folder, every write and the close
// are checked, and only then does the temporary file replace the target.
#pragma once

#include <string>

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

// The steps of a save, for the test seam below.
enum class SafeSaveStep { CreateTemporary, Write, Close, Replace };

// Test seam: when set, called before each step; returning true makes that
// step fail as if the system had refused it.
typedef bool (*SafeSaveFaultHook)(SafeSaveStep step);
void SetSafeSaveFaultHook(SafeSaveFaultHook hook);

// Writes bytes to path. On failure returns FALSE with error set; the old file
// at path (if any) is unchanged and no temporary file is left behind.
BOOL SaveFileSafely(const char* path, const std::string& bytes, CString& error);

// The name of the temporary file used for path.
CString SafeSaveTemporaryPath(const char* path);

extern const char kSaveOpenFailedText[];
// The failures after the temporary file was made; the texts that say the previous file is
// unchanged are used only when a file of that name was there.
extern const char kSaveWriteFailedText[];
extern const char kSaveReplaceFailedText[];
extern const char kSaveWriteFailedNewFileText[];
extern const char kSaveReplaceFailedNewFileText[];

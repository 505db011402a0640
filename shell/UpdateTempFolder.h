// The updater's temporary folder and how it is emptied.
#pragma once

#include "framework/base/CString.h"

// "<temporary folder>TalvenorUpdateTemp"; empty when the system gives no temporary folder, or
// one that is not an absolute path below a drive or share (emptying must never start at a
// relative path or a whole drive).
CString GetUpdateTempFolder();

// Removes everything inside folder, which itself stays: files are deleted, sub-folders emptied
// and removed. Links to folders (junctions, symbolic links) are removed themselves and never
// followed, so nothing outside folder is touched. Errors (a read-only file, an entry in use,
// a path too long) leave that entry and go on with the rest.
void EmptyFolder(const CString& folder);

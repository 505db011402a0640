#include "core/io/SafeSave.h"

#include <climits>

#include "framework/base/File.h"

const char kSaveOpenFailedText[] = "Could not open file for writing";
const char kSaveWriteFailedText[] =
    "Could not write the file; the disk may be full. The previous file is unchanged.";
const char kSaveReplaceFailedText[] =
    "Could not replace the file; it may be read-only or in use. The previous file is unchanged.";
const char kSaveWriteFailedNewFileText[] = "Could not write the file; the disk may be full.";
const char kSaveReplaceFailedNewFileText[] =
    "Could not replace the file; it may be read-only or in use.";

namespace {

SafeSaveFaultHook g_faultHook = nullptr;

bool Fails(SafeSaveStep step) {
  return g_faultHook != nullptr && g_faultHook(step);
}

}  // namespace

void SetSafeSaveFaultHook(SafeSaveFaultHook hook) {
  g_faultHook = hook;
}

CString SafeSaveTemporaryPath(const char* path) {
  return CString(path) + ".qxsave";
}

BOOL SaveFileSafely(const char* path, const std::string& bytes, CString& error) {
  error.Empty();
  if (path == nullptr || *path == '\0') {
    error = kSaveOpenFailedText;
    return FALSE;
  }
  // Only a file that was there can be said to be unchanged.
  const bool hadFile = CFile::IsFile(path);
  const CString temporary = SafeSaveTemporaryPath(path);
  CFile file;
  if (Fails(SafeSaveStep::CreateTemporary) ||
      !file.Open(temporary, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary)) {
    error = kSaveOpenFailedText;
    return FALSE;
  }
  const bool written = !Fails(SafeSaveStep::Write) && bytes.size() <= UINT_MAX &&
                       file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
  const bool closed = written && !Fails(SafeSaveStep::Close);
  if (!file.Close() || !closed) {
    CFile::Remove(temporary);
    error = hadFile ? kSaveWriteFailedText : kSaveWriteFailedNewFileText;
    return FALSE;
  }
  // A read-only file or a folder at path is refused here.
  if (Fails(SafeSaveStep::Replace) || !CFile::Replace(temporary, path)) {
    CFile::Remove(temporary);
    error = hadFile ? kSaveReplaceFailedText : kSaveReplaceFailedNewFileText;
    return FALSE;
  }
  return TRUE;
}

#include "core/io/SafeSave.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdio>

#include "framework/base/file.h"

#ifdef _WIN32
// The two system calls that replace a file in one step. Declared here so that
// this portable library does not pull in the Windows headers.
extern "C" {
__declspec(dllimport) int __stdcall ReplaceFileA(const char* replaced, const char* replacement,
                                                 const char* backup, unsigned long flags,
                                                 void* exclude, void* reserved);
__declspec(dllimport) int __stdcall MoveFileExA(const char* existing, const char* newName,
                                                unsigned long flags);
}
#endif

const char kSaveOpenFailedText[] = "Could not open file for writing";
const char kSaveWriteFailedText[] =
    "Could not write the file; the disk may be full. The previous file is unchanged.";
const char kSaveReplaceFailedText[] =
    "Could not replace the file; it may be read-only or in use. The previous file is unchanged.";

namespace {

SafeSaveFaultHook g_faultHook = nullptr;

bool Fails(SafeSaveStep step) {
  return g_faultHook != nullptr && g_faultHook(step);
}

// TRUE when path names a folder or a file that is marked read-only: neither
// may be replaced (some systems would let a rename replace either).
bool IsUnwritableTarget(const char* path) {
#ifdef _WIN32
  struct _stat64 st;
  if (_stat64(path, &st) != 0) return false;
  return (st.st_mode & _S_IFDIR) != 0 || (st.st_mode & _S_IWRITE) == 0;
#else
  struct stat st;
  if (stat(path, &st) != 0) return false;
  return S_ISDIR(st.st_mode) || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
#endif
}

bool ReplaceWith(const char* temporary, const char* target) {
#ifdef _WIN32
  const unsigned long kIgnoreMergeErrors = 0x00000002;  // REPLACEFILE_IGNORE_MERGE_ERRORS
  const unsigned long kReplaceExisting = 0x00000001;    // MOVEFILE_REPLACE_EXISTING
  const unsigned long kWriteThrough = 0x00000008;       // MOVEFILE_WRITE_THROUGH
  // ReplaceFile keeps the target's attributes; it needs the target to exist.
  if (CFile::Exists(target) &&
      ReplaceFileA(target, temporary, nullptr, kIgnoreMergeErrors, nullptr, nullptr))
    return true;
  return MoveFileExA(temporary, target, kReplaceExisting | kWriteThrough) != 0;
#else
  return std::rename(temporary, target) == 0;
#endif
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
  if (path == nullptr || *path == '\0' || IsUnwritableTarget(path)) {
    error = kSaveOpenFailedText;
    return FALSE;
  }
  const CString temporary = SafeSaveTemporaryPath(path);
  CFile file;
  if (Fails(SafeSaveStep::CreateTemporary) ||
      !file.Open(temporary, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary)) {
    error = kSaveOpenFailedText;
    return FALSE;
  }
  bool written = !Fails(SafeSaveStep::Write);
  // CFile::Write takes a UINT count; write large texts in pieces.
  const size_t kChunk = 1u << 20;
  for (size_t done = 0; written && done < bytes.size(); done += kChunk) {
    const size_t count = bytes.size() - done < kChunk ? bytes.size() - done : kChunk;
    written = file.Write(bytes.data() + done, static_cast<UINT>(count)) != FALSE;
  }
  if (!written) {
    file.Abort();
    CFile::Remove(temporary);
    error = kSaveWriteFailedText;
    return FALSE;
  }
  const bool closed = !Fails(SafeSaveStep::Close);
  if (!file.Close() || !closed) {
    CFile::Remove(temporary);
    error = kSaveWriteFailedText;
    return FALSE;
  }
  if (Fails(SafeSaveStep::Replace) || !ReplaceWith(temporary, path)) {
    CFile::Remove(temporary);
    error = kSaveReplaceFailedText;
    return FALSE;
  }
  return TRUE;
}

#include "File.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#ifdef _WIN32
// The one system call Replace needs, declared here because this portable
// library never includes the Windows headers.
extern "C" {
__declspec(dllimport) int __stdcall MoveFileExA(const char* existing, const char* newName,
                                                unsigned long flags);
__declspec(dllimport) unsigned long __stdcall GetLastError();
}
#endif

IMPLEMENT_DYNAMIC(CFile, CObject)
IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {

int Seek64(std::FILE* f, LONGLONG offset, int origin) {
#ifdef _WIN32
  return _fseeki64(f, offset, origin);
#else
  return fseeko(f, static_cast<off_t>(offset), origin);
#endif
}

LONGLONG Tell64(std::FILE* f) {
#ifdef _WIN32
  return _ftelli64(f);
#else
  return static_cast<LONGLONG>(ftello(f));
#endif
}

bool IsDirectoryStream(std::FILE* f) {
#ifdef _WIN32
  struct _stat64 st;
  if (_fstat64(_fileno(f), &st) != 0) return false;
  return (st.st_mode & _S_IFDIR) != 0;
#else
  struct stat st;
  if (fstat(fileno(f), &st) != 0) return false;
  return S_ISDIR(st.st_mode);
#endif
}

bool IsDirectoryPath(const char* path) {
#ifdef _WIN32
  struct _stat64 st;
  return _stat64(path, &st) == 0 && (st.st_mode & _S_IFDIR) != 0;
#else
  struct stat st;
  return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
#endif
}

// A folder, or a file nobody may write to.
bool IsUnwritablePath(const char* path) {
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

// Moves source onto target, replacing it; on failure returns the errno
// value that describes why.
int MoveReplacing(const char* source, const char* target) {
#ifdef _WIN32
  const unsigned long kReplaceExisting = 0x1, kWriteThrough = 0x8;  // MOVEFILE_*
  if (MoveFileExA(source, target, kReplaceExisting | kWriteThrough)) return 0;
  switch (GetLastError()) {
    case 2:  // ERROR_FILE_NOT_FOUND
    case 3:  // ERROR_PATH_NOT_FOUND
      return ENOENT;
    case 32:  // ERROR_SHARING_VIOLATION
      return EBUSY;
    default:
      return EACCES;
  }
#else
  errno = 0;
  if (std::rename(source, target) == 0) return 0;
  return errno ? errno : EIO;
#endif
}

void Report(CFileException* error, int errnoValue, const char* path) {
  if (!error) return;
  error->m_cause = CFileException::ErrnoToCause(errnoValue);
  if (error->m_cause == CFileException::none) error->m_cause = CFileException::genericException;
  error->m_lOsError = errnoValue;
  error->m_strFileName = path;
}

}  // namespace

CFile::~CFile() {
  Abort();
}

BOOL CFile::Open(const char* path, UINT openFlags, CFileException* error) {
  Abort();
  if (!path || !*path) {
    Report(error, ENOENT, path ? path : "");
    return FALSE;
  }
  const UINT access = openFlags & 0x3;
  const bool create = (openFlags & modeCreate) != 0;
  const bool keep = (openFlags & modeNoTruncate) != 0;

  // A directory opens for reading with stdio on some systems; refuse it
  // before anything can be truncated or read.
  if (IsDirectoryPath(path)) {
    Report(error, EISDIR, path);
    return FALSE;
  }

  const char* mode = "rb";
  bool tryCreate = false;
  if (access == modeRead) {
    mode = "rb";
  } else if (create && !keep) {
    mode = access == modeWrite ? "wb" : "w+b";
  } else {
    mode = "r+b";  // existing file, not truncated
    tryCreate = create;
  }

  errno = 0;
  std::FILE* f = std::fopen(path, mode);
  if (!f && tryCreate && errno == ENOENT) {
    errno = 0;
    f = std::fopen(path, "w+b");
  }
  if (!f) {
    Report(error, errno ? errno : EACCES, path);
    return FALSE;
  }
  if (IsDirectoryStream(f)) {
    std::fclose(f);
    Report(error, EISDIR, path);
    return FALSE;
  }
  m_file = f;
  m_path = path;
  m_flags = openFlags;
  m_error = FALSE;
  m_errno = 0;
  m_lastOp = LastOp::None;
  if (error) {
    error->m_cause = CFileException::none;
    error->m_lOsError = 0;
    error->m_strFileName = path;
  }
  return TRUE;
}

void CFile::SetError(int errnoValue) {
  if (!m_error) m_errno = errnoValue ? errnoValue : EIO;
  m_error = TRUE;
}

void CFile::PrepareFor(LastOp op) {
  if (m_lastOp != LastOp::None && m_lastOp != op) Seek64(m_file, 0, SEEK_CUR);
  m_lastOp = op;
}

UINT CFile::Read(void* buffer, UINT count) {
  if (!m_file || !buffer || count == 0) return 0;
  PrepareFor(LastOp::Read);
  size_t n = std::fread(buffer, 1, count, m_file);
  if (n < count && std::ferror(m_file)) SetError(errno);
  return static_cast<UINT>(n);
}

BOOL CFile::Write(const void* buffer, UINT count) {
  if (!m_file) {
    SetError(EBADF);
    return FALSE;
  }
  if (count == 0) return TRUE;
  if (!buffer) {
    SetError(EINVAL);
    return FALSE;
  }
  PrepareFor(LastOp::Write);
  errno = 0;
  size_t n = std::fwrite(buffer, 1, count, m_file);
  if (n != count) {
    SetError(errno);
    return FALSE;
  }
  return TRUE;
}

LONGLONG CFile::Seek(LONGLONG offset, UINT from) {
  if (!m_file) return -1;
  int origin = from == current ? SEEK_CUR : (from == end ? SEEK_END : SEEK_SET);
  if (Seek64(m_file, offset, origin) != 0) return -1;
  m_lastOp = LastOp::None;
  return Tell64(m_file);
}

LONGLONG CFile::GetPosition() const {
  return m_file ? Tell64(m_file) : -1;
}

LONGLONG CFile::GetLength() const {
  if (!m_file) return -1;
  // Buffered writes count: flush before asking the system.
  std::fflush(m_file);
#ifdef _WIN32
  struct _stat64 st;
  if (_fstat64(_fileno(m_file), &st) != 0) return -1;
#else
  struct stat st;
  if (fstat(fileno(m_file), &st) != 0) return -1;
#endif
  return static_cast<LONGLONG>(st.st_size);
}

BOOL CFile::Flush() {
  if (!m_file) return FALSE;
  errno = 0;
  if (std::fflush(m_file) != 0) {
    SetError(errno);
    return FALSE;
  }
  return !m_error;
}

BOOL CFile::Close() {
  if (!m_file) return !m_error;
  errno = 0;
  if (std::fflush(m_file) != 0) SetError(errno);
  // A flush inside GetLength or Seek may have failed and dropped data.
  if (std::ferror(m_file)) SetError(EIO);
  errno = 0;
  if (std::fclose(m_file) != 0) SetError(errno);
  m_file = nullptr;
  m_lastOp = LastOp::None;
  return !m_error;
}

void CFile::Abort() {
  if (m_file) std::fclose(m_file);
  m_file = nullptr;
  m_lastOp = LastOp::None;
}

CString CFile::GetFileName() const {
  int slash = std::max(m_path.ReverseFind('/'), m_path.ReverseFind('\\'));
  return m_path.Mid(slash + 1);
}

CString CFile::GetFileTitle() const {
  CString name = GetFileName();
  int dot = name.ReverseFind('.');
  return dot < 0 ? name : name.Left(dot);
}

BOOL CFile::Remove(const char* path, CFileException* error) {
  errno = 0;
  if (!path || std::remove(path) != 0) {
    Report(error, path ? errno : ENOENT, path ? path : "");
    return FALSE;
  }
  return TRUE;
}

BOOL CFile::Rename(const char* oldPath, const char* newPath, CFileException* error) {
  errno = 0;
  if (!oldPath || !newPath || std::rename(oldPath, newPath) != 0) {
    Report(error, (oldPath && newPath) ? errno : ENOENT, oldPath ? oldPath : "");
    return FALSE;
  }
  return TRUE;
}

BOOL CFile::Replace(const char* source, const char* target, CFileException* error) {
  if (!source || !target) {
    Report(error, ENOENT, source ? source : "");
    return FALSE;
  }
  // Some systems would let a move replace either; no build may.
  if (IsUnwritablePath(target)) {
    Report(error, EACCES, target);
    return FALSE;
  }
  const int failure = MoveReplacing(source, target);
  if (failure != 0) {
    Report(error, failure, source);
    return FALSE;
  }
  return TRUE;
}

BOOL CFile::Exists(const char* path) {
  if (!path) return FALSE;
#ifdef _WIN32
  struct _stat64 st;
  return _stat64(path, &st) == 0;
#else
  struct stat st;
  return stat(path, &st) == 0;
#endif
}

BOOL CFile::IsFile(const char* path) {
  if (!path) return FALSE;
#ifdef _WIN32
  struct _stat64 st;
  return _stat64(path, &st) == 0 && (st.st_mode & _S_IFMT) == _S_IFREG;
#else
  struct stat st;
  return stat(path, &st) == 0 && S_ISREG(st.st_mode);
#endif
}

BOOL CStdioFile::Open(const char* path, UINT openFlags, CFileException* error) {
  m_lastWroteCR = false;
  return CFile::Open(path, openFlags, error);
}

BOOL CStdioFile::WriteString(const CString& text) {
  if (!IsTextMode()) return Write(text.GetString(), static_cast<UINT>(text.GetLength()));
  std::string out;
  out.reserve(static_cast<size_t>(text.GetLength()) + 16);
  bool lastCR = m_lastWroteCR;
  for (char c : text.str()) {
    if (c == '\n' && !lastCR) out += '\r';
    out += c;
    lastCR = c == '\r';
  }
  if (out.empty()) return m_file != nullptr;
  m_lastWroteCR = lastCR;
  return Write(out.data(), static_cast<UINT>(out.size()));
}

BOOL CStdioFile::WriteString(const char* text) {
  return WriteString(CString(text));
}

BOOL CStdioFile::ReadString(CString& line) {
  line.Empty();
  if (!m_file) return FALSE;
  PrepareFor(LastOp::Read);
  std::string text;
  bool any = false;
  for (;;) {
    int c = std::getc(m_file);
    if (c == EOF) break;
    any = true;
    if (c == '\n') break;
    text += static_cast<char>(c);
  }
  if (std::ferror(m_file)) SetError(errno);
  if (!any) return FALSE;
  // Drops the CR of CR LF, and a CR left at the end of the file.
  if (IsTextMode() && !text.empty() && text.back() == '\r') text.pop_back();
  line = CString(text);
  return TRUE;
}

char* CStdioFile::ReadString(char* buffer, UINT maxChars) {
  if (!buffer || maxChars == 0) return nullptr;
  buffer[0] = '\0';
  if (!m_file || maxChars == 1) return nullptr;
  PrepareFor(LastOp::Read);
  UINT n = 0;
  bool any = false;
  while (n + 1 < maxChars) {
    int c = std::getc(m_file);
    if (c == EOF) break;
    any = true;
    if (c == '\r' && IsTextMode()) {
      int next = std::getc(m_file);
      if (next == '\n' || next == EOF) {
        c = next;  // CR LF becomes LF; a final CR is dropped
        if (c == EOF) break;
      } else {
        std::ungetc(next, m_file);
      }
    }
    buffer[n++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  buffer[n] = '\0';
  if (std::ferror(m_file)) SetError(errno);
  return any ? buffer : nullptr;
}

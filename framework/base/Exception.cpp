#include "Exception.h"

#include <cerrno>
#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)

namespace {

BOOL CopyMessage(const char* text, char* buffer, UINT maxChars) {
  if (!buffer || maxChars == 0) return FALSE;
  size_t n = std::strlen(text);
  if (n > maxChars - 1) n = maxChars - 1;
  std::memcpy(buffer, text, n);
  buffer[n] = '\0';
  return TRUE;
}

}  // namespace

void CException::Delete() {
  delete this;
}

BOOL CException::GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext) const {
  if (helpContext) *helpContext = 0;
  if (buffer && maxChars > 0) buffer[0] = '\0';
  return FALSE;
}

CString CException::GetErrorMessage() const {
  char buffer[512];
  if (!GetErrorMessage(buffer, sizeof buffer)) return CString();
  return CString(buffer);
}

BOOL CMemoryException::GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext) const {
  if (helpContext) *helpContext = 0;
  return CopyMessage("Out of memory.", buffer, maxChars);
}

BOOL CNotSupportedException::GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext) const {
  if (helpContext) *helpContext = 0;
  return CopyMessage("The operation is not supported.", buffer, maxChars);
}

BOOL CResourceException::GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext) const {
  if (helpContext) *helpContext = 0;
  return CopyMessage("A required resource was unavailable.", buffer, maxChars);
}

CFileException::CFileException(int cause, LONG osError, const char* fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}

BOOL CFileException::GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext) const {
  if (helpContext) *helpContext = 0;
  const char* what = "An error occurred while accessing";
  switch (m_cause) {
    case none:
      return CopyMessage("No error occurred.", buffer, maxChars);
    case fileNotFound:
      what = "Cannot find";
      break;
    case badPath:
      what = "The path is not valid:";
      break;
    case tooManyOpenFiles:
      what = "Too many files are open to open";
      break;
    case accessDenied:
      what = "Access was denied to";
      break;
    case invalidFile:
      what = "The file handle is not valid for";
      break;
    case directoryFull:
    case diskFull:
      what = "The disk is full while writing";
      break;
    case badSeek:
      what = "Cannot seek in";
      break;
    case hardIO:
      what = "A hardware error occurred on";
      break;
    case sharingViolation:
    case lockViolation:
      what = "Another program is using";
      break;
    case endOfFile:
      what = "Unexpected end of";
      break;
    default:
      break;
  }
  CString text;
  if (m_strFileName.IsEmpty())
    text.Format("%s the file.", what);
  else
    text.Format("%s %s.", what, m_strFileName.GetString());
  return CopyMessage(text, buffer, maxChars);
}

int CFileException::ErrnoToCause(int errnoValue) {
  switch (errnoValue) {
    case 0:
      return none;
    case ENOENT:
      return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
      return badPath;
    case EMFILE:
    case ENFILE:
      return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return accessDenied;
    case EBADF:
      return invalidFile;
    case ENOSPC:
      return diskFull;
    case ESPIPE:
      return badSeek;
    case EIO:
      return hardIO;
    case EBUSY:
      return sharingViolation;
    default:
      return genericException;
  }
}

void AfxThrowUserException() {
  throw new CUserException;
}

void AfxThrowMemoryException() {
  throw new CMemoryException;
}

void AfxThrowNotSupportedException() {
  throw new CNotSupportedException;
}

void AfxThrowResourceException() {
  throw new CResourceException;
}

void AfxThrowFileException(int cause, LONG osError, const char* fileName) {
  throw new CFileException(cause, osError, fileName);
}

// Exceptions in the framework's style: thrown as pointers made with new,
// caught as CException* and released with Delete().
#pragma once

#include "CString.h"
#include "Object.h"

class CException : public CObject {
  DECLARE_DYNAMIC(CException)
 public:
  CException() = default;
  // Frees a heap exception (all the framework's throws are on the heap).
  void Delete();
  // Copies the message into buffer (always NUL-terminated); FALSE when
  // there is no message.
  virtual BOOL GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext = nullptr) const;
  CString GetErrorMessage() const;
  // Shows the message (or a standard text when there is none) in a message box of the given
  // type and returns the button pressed. Windows build only.
  int ReportError(UINT type = 0 /* MB_OK */, UINT helpId = 0);
};

// A failure that has already been reported to the user.
class CUserException : public CException {
  DECLARE_DYNAMIC(CUserException)
};

class CMemoryException : public CException {
  DECLARE_DYNAMIC(CMemoryException)
 public:
  BOOL GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext = nullptr) const override;
  using CException::GetErrorMessage;
};

class CNotSupportedException : public CException {
  DECLARE_DYNAMIC(CNotSupportedException)
 public:
  BOOL GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext = nullptr) const override;
  using CException::GetErrorMessage;
};

// A resource (window class, menu, bitmap, ...) could not be created or loaded.
class CResourceException : public CException {
  DECLARE_DYNAMIC(CResourceException)
 public:
  BOOL GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext = nullptr) const override;
  using CException::GetErrorMessage;
};

class CFileException : public CException {
  DECLARE_DYNAMIC(CFileException)
 public:
  enum {
    none,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile
  };

  explicit CFileException(int cause = none, LONG osError = -1, const char* fileName = nullptr);
  BOOL GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext = nullptr) const override;
  using CException::GetErrorMessage;
  // Maps a C errno value to a cause.
  static int ErrnoToCause(int errnoValue);

  int m_cause;
  LONG m_lOsError;
  CString m_strFileName;
};

[[noreturn]] void AfxThrowUserException();
[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowFileException(int cause, LONG osError = -1,
                                        const char* fileName = nullptr);

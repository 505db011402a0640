// CFile and CStdioFile over C stdio, always in binary mode so every build
// writes the same bytes. CStdioFile's text mode is our own: WriteString
// writes '\n' as CR LF, ReadString drops the CR before LF (and a CR that ends
// the file); NUL and 0x1A are ordinary bytes.
//
// Nothing here throws. Open reports failure through its result and the
// optional CFileException; read and write failures set a sticky error flag,
// and Close (and Flush) return FALSE when anything went wrong, so a caller
// that checks Close knows whether every byte reached the file.
#pragma once

#include <cstdio>

#include "CString.h"
#include "Exception.h"
#include "Object.h"
#include "WinTypes.h"

class CFile : public CObject {
  DECLARE_DYNAMIC(CFile)
 public:
  enum OpenFlags {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000
  };
  enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

  CFile() = default;
  ~CFile() override;  // closes without reporting
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // Opens path; on failure returns FALSE and fills *error if given.
  // modeCreate truncates unless modeNoTruncate; modeWrite or modeReadWrite
  // without modeCreate needs an existing file. Directories are refused.
  virtual BOOL Open(const char* path, UINT openFlags, CFileException* error = nullptr);
  BOOL IsOpen() const { return m_file != nullptr; }

  // Returns the number of bytes read (less than count at the end or on error).
  virtual UINT Read(void* buffer, UINT count);
  // Returns FALSE if not every byte was written.
  virtual BOOL Write(const void* buffer, UINT count);
  // Returns the new position, or -1 on failure.
  virtual LONGLONG Seek(LONGLONG offset, UINT from);
  void SeekToBegin() { Seek(0, begin); }
  LONGLONG SeekToEnd() { return Seek(0, end); }
  LONGLONG GetPosition() const;
  LONGLONG GetLength() const;
  // Flushes buffered writes; FALSE on failure (also sets the error flag).
  virtual BOOL Flush();
  // Closes the file; FALSE if any read, write, flush or the close failed.
  virtual BOOL Close();
  // Closes the file, ignoring errors.
  virtual void Abort();

  // TRUE once a read or write has failed since Open.
  BOOL HasError() const { return m_error; }
  // The C errno value of the first failure (0 if none).
  int GetErrorNumber() const { return m_errno; }

  CString GetFilePath() const { return m_path; }
  CString GetFileName() const;   // name with extension
  CString GetFileTitle() const;  // name without extension

  static BOOL Remove(const char* path, CFileException* error = nullptr);
  static BOOL Rename(const char* oldPath, const char* newPath, CFileException* error = nullptr);
  // Moves source onto target in one step, replacing a file already there
  // (rename natively; MoveFileEx on Windows, where rename refuses an
  // existing target). A folder or a read-only file at target is refused on
  // every build, and then both files stay as they were.
  static BOOL Replace(const char* source, const char* target, CFileException* error = nullptr);
  static BOOL Exists(const char* path);
  // A file (not a folder) is there.
  static BOOL IsFile(const char* path);

 protected:
  enum class LastOp { None, Read, Write };
  // Switching between reading and writing on a stdio stream needs a seek.
  void PrepareFor(LastOp op);
  void SetError(int errnoValue);

  std::FILE* m_file = nullptr;
  CString m_path;
  UINT m_flags = 0;
  BOOL m_error = FALSE;
  int m_errno = 0;
  LastOp m_lastOp = LastOp::None;
};

class CStdioFile : public CFile {
  DECLARE_DYNAMIC(CStdioFile)
 public:
  CStdioFile() = default;

  // Text mode unless openFlags has typeBinary.
  BOOL Open(const char* path, UINT openFlags, CFileException* error = nullptr) override;

  // Writes text; in text mode each '\n' not already preceded by '\r'
  // becomes CR LF. FALSE if the write failed.
  BOOL WriteString(const char* text);
  BOOL WriteString(const CString& text);
  // Reads one line without its line end. FALSE at the end of the file
  // (or on a read error) with nothing read.
  BOOL ReadString(CString& line);
  // Reads at most maxChars-1 chars, stopping after '\n' (which is kept);
  // returns buffer, or nullptr at the end of the file.
  char* ReadString(char* buffer, UINT maxChars);

  // Used by ReadString; CR handling as described above.
  BOOL IsTextMode() const { return (m_flags & typeBinary) == 0; }

 private:
  bool m_lastWroteCR = false;
};

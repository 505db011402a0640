// The program's document manager: Open offers the program's files, extra file types
// (the sibling product's) and all files; Save As only the program's and all files. A
// folder command can make the next dialog start in a given folder.
#pragma once

#include <vector>

#include "framework/base/Arrays.h"
#include "framework/win/CommonDialogs.h"
#include "framework/win/DocManager.h"

// The file dialog of the program: the platform's own OPENFILENAME, a file buffer large
// enough for any proposed name, and dialog errors reported rather than taken for Cancel.
class CFileDialogEx : public CFileDialog {
  DECLARE_DYNAMIC(CFileDialogEx)
 public:
  CFileDialogEx(BOOL open, LPCSTR defExt = nullptr, LPCSTR fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR filter = nullptr,
                CWnd* parent = nullptr);

  // IDOK, IDCANCEL, or -1 when the dialog failed (the error was shown).
  INT_PTR DoModal() override;
  CString GetPathName() const;
  // The proposed name; the buffer grows to hold it.
  void SetFileName(LPCSTR name);
  // Filter text with embedded NULs (as the platform takes it).
  void SetFilterText(const std::string& text, int filterIndex, LPCSTR defExt);
  size_t GetBufferSize() const { return m_buffer.size(); }
  DWORD GetLastDialogError() const { return m_dwError; }

 protected:
  std::vector<char> m_buffer;
  std::string m_filterText;
  CString m_strDefExtEx;
  DWORD m_dwError = 0;
};

class CDocManagerEx : public CDocManager {
  DECLARE_DYNAMIC(CDocManagerEx)
 public:
  CDocManagerEx() = default;

  void AddFilter(LPCSTR description, LPCSTR pattern);
  BOOL DoPromptFileName(CString& fileName, UINT idsTitle, DWORD flags, BOOL open,
                        CDocTemplate* docTemplate) override;
  virtual CFileDialogEx* CreateFileDialog(BOOL open);

  CStringArray m_arrFilterNames;
  CStringArray m_arrFilterPatterns;
  // The folder the next dialog starts in; it serves that one dialog only.
  CString m_strInitialFolder;
};

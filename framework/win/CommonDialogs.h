// The system's colour and file dialogs, each through its test seam.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include "framework/base/CString.h"
#include "framework/win/Dialog.h"

class CColorDialog : public CDialog {
  DECLARE_DYNAMIC(CColorDialog)
 public:
  explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = NULL);
  INT_PTR DoModal() override;  // IDOK or IDCANCEL
  COLORREF GetColor() const { return m_cc.rgbResult; }
  void SetCurrentColor(COLORREF c) { m_cc.rgbResult = c; }
  static COLORREF* GetSavedCustomColors();  // 16 colours kept for the session

  CHOOSECOLORA m_cc;
};

class CFileDialog : public CDialog {
  DECLARE_DYNAMIC(CFileDialog)
 public:
  // lpszFilter: "Text (*.txt)|*.txt|All files (*.*)|*.*||"
  CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = NULL, LPCSTR lpszFileName = NULL,
              DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = NULL,
              CWnd* pParentWnd = NULL);
  INT_PTR DoModal() override;  // IDOK or IDCANCEL
  CString GetPathName() const;
  CString GetFileName() const;
  CString GetFileExt() const;
  CString GetFileTitle() const;
  CString GetFolderPath() const;

  OPENFILENAMEA m_ofn;

 protected:
  BOOL m_bOpenFileDialog;
  CString m_strFilter;  // '|' turned into NULs
  CString m_strDefExt;
  char m_szFileName[4096];
  char m_szFileTitle[MAX_PATH];
};

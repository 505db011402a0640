// The system's colour, font and file dialogs, each through its test seam.
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

class CFontDialog : public CDialog {
  DECLARE_DYNAMIC(CFontDialog)
 public:
  // The dialog starts from initial (when given); CF_INITTOLOGFONTSTRUCT is added then.
  explicit CFontDialog(const LOGFONTA* initial = NULL,
                       DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS, CWnd* pParentWnd = NULL);
  INT_PTR DoModal() override;  // IDOK or IDCANCEL
  // The chosen size in tenths of a point.
  int GetSize() const { return m_cf.iPointSize; }
  void GetCurrentFont(LOGFONTA* font) const { *font = m_lf; }
  CString GetFaceName() const { return CString(m_lf.lfFaceName); }

  CHOOSEFONTA m_cf;
  LOGFONTA m_lf;
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

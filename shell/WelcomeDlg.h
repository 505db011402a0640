// The welcome screen, the about box and the technical-support dialog as the application runs
// them. These place holders show nothing (DoModal gives IDCANCEL at once) until the dialogs
// themselves are part of the program.
#pragma once

#include "framework/base/CString.h"
#include "framework/win/AfxWin.h"

class CWelcomeDlg {
 public:
  explicit CWelcomeDlg(CWnd* parent = nullptr) : m_pParent(parent) {}
  INT_PTR DoModal() { return IDCANCEL; }
  BOOL m_bDontShow = FALSE;
  BOOL m_bOpenGuide = FALSE;
  BOOL m_bWatchMovie = FALSE;

 private:
  CWnd* m_pParent;
};

class CAboutDlg {
 public:
  explicit CAboutDlg(CWnd* parent = nullptr) : m_pParent(parent) {}
  INT_PTR DoModal() { return IDCANCEL; }
  CString m_strCaption, m_strAppVersion, m_strBuildDate, m_strNotice;
  HICON m_hIcon = nullptr;

 private:
  CWnd* m_pParent;
};

class CTechSupportDlg {
 public:
  explicit CTechSupportDlg(CWnd* parent = nullptr) : m_pParent(parent) {}
  INT_PTR DoModal() { return IDCANCEL; }
  CString m_strProgram, m_strVersion;

 private:
  CWnd* m_pParent;
};

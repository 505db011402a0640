// CAboutDlg: the About box with the version, the build date, the rights notice, the document
// icon and links to the support mailbox and the web site.
#pragma once

#include "framework/win/AfxWin.h"

class CStaticLink;

class CAboutDlg : public CDialog {
 public:
  explicit CAboutDlg(CWnd* pParent = NULL);
  ~CAboutDlg() override;

  CString m_strCaption;
  CString m_strAppVersion;
  CString m_strBuildDate;
  CString m_strNotice;
  HICON m_hIcon;  // drawn at the top left; not owned
  CStaticLink* m_pMailLink;
  CStaticLink* m_pWebLink;

 protected:
  BOOL OnInitDialog() override;
  afx_msg void OnPaint();
  DECLARE_MESSAGE_MAP()
};

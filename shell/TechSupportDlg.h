// CTechSupportDlg: the system information a support request needs, shown read-only, with a
// button that copies it and a link that starts a mail to the support mailbox with it.
#pragma once

#include "framework/win/AfxWin.h"
#include "shell/TechSupportText.h"

class CStaticLink;

class CTechSupportDlg : public CDialog {
 public:
  explicit CTechSupportDlg(CWnd* pParent = NULL);
  ~CTechSupportDlg() override;

  CString m_strProgram;
  CString m_strVersion;
  CStaticLink* m_pMailLink;
  // The processor key read for the CPU line (tests point it elsewhere).
  CString m_strProcessorKey;
  CString GetSupportText() const { return m_strText; }

 protected:
  BOOL OnInitDialog() override;
  afx_msg void OnCopy();
  DECLARE_MESSAGE_MAP()

 private:
  CString m_strText;
};

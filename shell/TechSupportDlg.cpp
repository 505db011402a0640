// The Technical Support dialog.
#include "shell/TechSupportDlg.h"

#include "controls/StaticLink.h"
#include "res/resource.h"
#include "shell/SystemInfoReader.h"

BEGIN_MESSAGE_MAP(CTechSupportDlg, CDialog)
ON_BN_CLICKED(IDC_SUPPORT_COPY, &CTechSupportDlg::OnCopy)
END_MESSAGE_MAP()

CTechSupportDlg::CTechSupportDlg(CWnd* pParent)
    : CDialog(IDD_TECH_SUPPORT, pParent),
      m_pMailLink(new CStaticLink),
      m_strProcessorKey(kProcessorKey) {}

CTechSupportDlg::~CTechSupportDlg() {
  delete m_pMailLink;
}

BOOL CTechSupportDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SystemInfo info = ReadSystemInfo(this, m_strProcessorKey);
  info.program = m_strProgram;
  info.version = m_strVersion;
  m_strText = BuildTechSupportText(info);
  if (m_pMailLink) {
    m_pMailLink->SubclassDlgItem(IDC_SUPPORT_MAIL, this);
    m_pMailLink->m_link = BuildSupportMailTarget(kSupportMailbox, m_strText);
  }
  SetDlgItemText(IDC_SUPPORT_TEXT, m_strText);
  return TRUE;
}

void CTechSupportDlg::OnCopy() {
  SendDlgItemMessage(IDC_SUPPORT_TEXT, EM_SETSEL, 0, -1);
  SendDlgItemMessage(IDC_SUPPORT_TEXT, WM_COPY, 0, 0);
}

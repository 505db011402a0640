// The About box.
#include "shell/AboutDlg.h"

#include "controls/StaticLink.h"
#include "res/resource.h"
#include "shell/TechSupportText.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
ON_WM_PAINT()
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(CWnd* pParent)
    : CDialog(IDD_ABOUTBOX, pParent),
      m_strCaption("dialog_title"),
      m_strAppVersion("app_and_version"),
      m_hIcon(NULL),
      m_pMailLink(new CStaticLink),
      m_pWebLink(new CStaticLink) {}

CAboutDlg::~CAboutDlg() {
  delete m_pMailLink;
  delete m_pWebLink;
}

BOOL CAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_pMailLink && m_pWebLink) {
    m_pWebLink->SubclassDlgItem(IDC_ABOUT_WEB, this);
    m_pWebLink->m_link = kProgramWebSite;
    m_pMailLink->SubclassDlgItem(IDC_ABOUT_EMAIL, this);
    m_pMailLink->m_link = CString("mailto:") + kSupportMailbox;
  }
  SetWindowText(m_strCaption);
  SetDlgItemText(IDC_ABOUT_VERSION, m_strAppVersion);
  SetDlgItemText(IDC_ABOUT_BUILD_DATE, m_strBuildDate);
  SetDlgItemText(IDC_ABOUT_NOTICE, m_strNotice);
  if (CWnd* icon = GetDlgItem(IDC_ABOUT_ICON)) icon->ShowWindow(SW_HIDE);
  SetDlgItemText(IDC_ABOUT_EXTRA, "");
  return TRUE;
}

void CAboutDlg::OnPaint() {
  CPaintDC dc(this);
  if (!m_hIcon) return;
  // Through an image list, so the icon's mask keeps the dialog's face around it.
  CImageList images;
  if (!images.Create(32, 32, ILC_COLOR4 | ILC_MASK, 1, 1)) return;
  if (images.Add(m_hIcon) >= 0) images.Draw(&dc, 0, CPoint(13, 13), ILD_TRANSPARENT);
}

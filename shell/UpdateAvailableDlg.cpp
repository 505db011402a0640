// The update dialog.
#include "shell/UpdateAvailableDlg.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CUpdateAvailableDlg, CDialog)
ON_NOTIFY(UDN_DELTAPOS, IDC_UPDATE_DAYS_SPIN, &CUpdateAvailableDlg::OnDeltaPosDays)
END_MESSAGE_MAP()

CUpdateAvailableDlg::CUpdateAvailableDlg(CWnd* pParent)
    : CDialog(IDD_UPDATE_AVAILABLE, pParent), m_nDays(1), m_nChoice(0) {}

void CUpdateAvailableDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_UPDATE_HISTORY_LINK, m_linkHistory);
  DDX_Control(pDX, IDC_UPDATE_DAYS_SPIN, m_spinDays);
  DDX_Radio(pDX, IDC_UPDATE_INSTALL_NOW, m_nChoice);
  DDX_Text(pDX, IDC_UPDATE_DAYS, m_nDays);
  DDV_MinMaxInt(pDX, m_nDays, 1, 60);
}

BOOL CUpdateAvailableDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_linkHistory.SetURL(m_strHistoryUrl);
  m_spinDays.SetRange(1, 60);
  return TRUE;
}

void CUpdateAvailableDlg::OnDeltaPosDays(NMHDR*, LRESULT* pResult) {
  // Changing the days means the user wants to be reminded.
  // The three radios hold ids 1396..1399 (the edit between them ignores the check).
  CheckRadioButton(IDC_UPDATE_STOP_CHECKING, IDC_UPDATE_INSTALL_NOW, IDC_UPDATE_REMIND_LATER);
  *pResult = 0;
}

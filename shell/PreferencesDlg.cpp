#include "shell/PreferencesDlg.h"

#include "res/ShellResources.h"

BEGIN_MESSAGE_MAP(CPreferencesDlg, CTipsDialog)
ON_BN_CLICKED(IDC_PREF_RESET, &CPreferencesDlg::OnReset)
END_MESSAGE_MAP()

CPreferencesDlg::CPreferencesDlg(CWnd* parent) : CTipsDialog(IDD_PREFERENCES, parent) {}

void CPreferencesDlg::DoDataExchange(CDataExchange* pDX) {
  CTipsDialog::DoDataExchange(pDX);
  DDX_Check(pDX, IDC_PREF_XP_MENUS, m_bXPMenus);
  DDX_Check(pDX, IDC_PREF_SHOW_TABS, m_bShowTabs);
}

BOOL CPreferencesDlg::OnInitDialog() {
  CTipsDialog::OnInitDialog();
  AddTool(IDC_PREF_XP_MENUS,
          "Selecting this option requires restarting application to get the full effect");
  AddTool(IDC_PREF_SHOW_TABS, "Show tabs on the bottom for easy access to multiple windows");
  GetTips().GetToolTip().SendMessage(TTM_SETDELAYTIME, TTDT_AUTOPOP, 7000);
  return TRUE;
}

void CPreferencesDlg::OnReset() {
  m_bReset = 1;
}

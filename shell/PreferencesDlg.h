// The Preferences dialog: the menu look, the window tabs, and Reset of the warnings (acted on by
// the main frame after OK).
#pragma once

#include "controls/TipsDialog.h"

class CPreferencesDlg : public CTipsDialog {
 public:
  explicit CPreferencesDlg(CWnd* parent = nullptr);

  int m_bXPMenus = 0;
  int m_bShowTabs = 0;
  int m_bReset = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  afx_msg void OnReset();
  DECLARE_MESSAGE_MAP()
};

// CUpdateAvailableDlg: "Free Update Available !" offers to install the update now, to remind
// the user after a number of days, or to stop automatic checks.
#pragma once

#include "controls/HyperlinkStatic.h"
#include "framework/win/AfxWin.h"

class CUpdateAvailableDlg : public CDialog {
 public:
  explicit CUpdateAvailableDlg(CWnd* pParent = NULL);

  int m_nDays;    // reminder interval, 1..60
  int m_nChoice;  // UpdateChoice: 0 install now, 1 remind later, 2 stop checking
  CString m_strHistoryUrl;  // what "What's new in this update" opens
  CHyperlinkStatic m_linkHistory;
  CSpinButtonCtrl m_spinDays;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  afx_msg void OnDeltaPosDays(NMHDR* pNMHDR, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()
};

// CWelcomeDlg: the welcome screen at start-up. It suggests the Getting Started movie and the
// User's Guide; the choice is read back by the application, which opens what was chosen and
// stores "do not show" however the screen was closed.
#pragma once

#include "controls/FlatButton.h"
#include "controls/MarkupLabel.h"
#include "framework/win/AfxWin.h"

class CWelcomeDlg : public CDialog {
 public:
  explicit CWelcomeDlg(CWnd* pParent = NULL);

  CMarkupLabel m_labelAdvice;    // 16811
  CMarkupLabel m_labelText;      // 16810
  CFlatButton m_buttonGuide;     // 16776
  CFlatButton m_buttonMovie;     // 16809
  CMarkupLabel m_labelSubtitle;  // 16779
  CMarkupLabel m_labelTitle;     // 16778
  BOOL m_bDontShow;    // "In the future, Do not show this dialog"
  BOOL m_bOpenGuide;   // Read the User's Guide was chosen
  BOOL m_bWatchMovie;  // Watch the Movie was chosen

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Esc and the close box still read the check box.
  void OnCancel() override;
  afx_msg void OnReadGuide();
  afx_msg void OnWatchMovie();
  DECLARE_MESSAGE_MAP()
};

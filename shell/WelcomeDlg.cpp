// The welcome screen.
#include "shell/WelcomeDlg.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CWelcomeDlg, CDialog)
ON_BN_CLICKED(IDC_WELCOME_GUIDE, &CWelcomeDlg::OnReadGuide)
ON_BN_CLICKED(IDC_WELCOME_MOVIE, &CWelcomeDlg::OnWatchMovie)
END_MESSAGE_MAP()

CWelcomeDlg::CWelcomeDlg(CWnd* pParent)
    : CDialog(IDD_WELCOME, pParent), m_bDontShow(FALSE), m_bOpenGuide(FALSE), m_bWatchMovie(FALSE) {}

void CWelcomeDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_WELCOME_ADVICE, m_labelAdvice);
  DDX_Control(pDX, IDC_WELCOME_TEXT, m_labelText);
  DDX_Control(pDX, IDC_WELCOME_GUIDE, m_buttonGuide);
  DDX_Control(pDX, IDC_WELCOME_MOVIE, m_buttonMovie);
  DDX_Control(pDX, IDC_WELCOME_SUBTITLE, m_labelSubtitle);
  DDX_Control(pDX, IDC_WELCOME_TITLE, m_labelTitle);
  DDX_Check(pDX, IDC_WELCOME_DONT_SHOW, m_bDontShow);
}

BOOL CWelcomeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CString text;
  m_labelTitle.GetWindowText(text);
  m_labelTitle.SetWindowText("<color=165,123,247><size=32><face=Tahoma><b>" + text);
  m_labelSubtitle.GetWindowText(text);
  m_labelSubtitle.SetWindowText("<color=128,128,128>" + text);

  m_buttonGuide.SetToolbarImage(IDR_TOOLBAR_MENU, ID_HELP_READ_GUIDE, TRUE);
  m_buttonMovie.SetToolbarImage(IDR_TOOLBAR_MENU, ID_HELP_WATCH_MOVIE, TRUE);
  for (CFlatButton* button : {&m_buttonGuide, &m_buttonMovie}) {
    button->SetAlign(3, FALSE);
    button->SetFlat(FALSE, FALSE);
  }
  return TRUE;
}

void CWelcomeDlg::OnCancel() {
  UpdateData(TRUE);
  CDialog::OnCancel();
}

void CWelcomeDlg::OnReadGuide() {
  m_bOpenGuide = TRUE;
  OnOK();
}

void CWelcomeDlg::OnWatchMovie() {
  m_bWatchMovie = TRUE;
  OnOK();
}

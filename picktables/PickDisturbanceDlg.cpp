#include "picktables/PickDisturbanceDlg.h"

#include "picktables/ToggleGroup.h"
#include "res/PickTableResources.h"

BEGIN_MESSAGE_MAP(CPickDisturbanceDlg, CDialog)
ON_BN_CLICKED(IDC_DF_TUNNELS, &CPickDisturbanceDlg::OnApplicationRadio)
ON_BN_CLICKED(IDC_DF_SLOPES, &CPickDisturbanceDlg::OnApplicationRadio)
END_MESSAGE_MAP()

CPickDisturbanceDlg::CPickDisturbanceDlg(CWnd* pParent)
    : CDialog(IDD_DISTURBANCE_FACTOR, pParent),
      m_dD(0.0),
      m_nApplication(DISTURBANCE_TUNNELS),
      m_dOpening(0.0) {}

CDisturbanceMemory& CPickDisturbanceDlg::Memory() {
  static CDisturbanceMemory memory;
  return memory;
}

void CPickDisturbanceDlg::SetApplication(int application) {
  m_nApplication = Memory().ApplyRequested(m_nApplication, application);
}

CToggleButton& CPickDisturbanceDlg::CaseButton(int application, int number) {
  const DisturbanceCase& c = GetDisturbanceCase(application, number);
  return m_buttons[c.application][c.number - 1];
}

void CPickDisturbanceDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  for (int a = 0; a < 2; ++a)
    for (int n = 1; n <= DISTURBANCE_CASES; ++n)
      DDX_Control(pDX, GetDisturbanceCase(a, n).buttonId, m_buttons[a][n - 1]);
  DDX_Control(pDX, IDC_DF_SPIN, m_spin);
  DDX_Text(pDX, IDC_DF_VALUE, m_dD);
  DDV_MinMaxDouble(pDX, m_dD, 0.0, 1.0);
  DDX_Radio(pDX, IDC_DF_TUNNELS, m_nApplication);
}

BOOL CPickDisturbanceDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_dOpening = m_dD;
  SelectInitialCase();
  m_spin.SetRangeAndDelta(0.0, 1.0, 0.1);
  m_spin.SetPos(m_dD);
  ShowCases();
  return TRUE;
}

void CPickDisturbanceDlg::SelectInitialCase() {
  const int pressed = Memory().SelectInitialCase(m_dD, &m_nApplication);
  if (pressed > 0) CaseButton(m_nApplication, pressed).m_bPressed = TRUE;
  UpdateData(FALSE);
}

void CPickDisturbanceDlg::ShowCases() {
  // The radio as it stands (it cannot be refused, unlike D).
  m_nApplication =
      IsDlgButtonChecked(IDC_DF_SLOPES) == BST_CHECKED ? DISTURBANCE_SLOPES : DISTURBANCE_TUNNELS;
  for (int a = 0; a < 2; ++a)
    for (const int* id = DisturbanceControls(a); *id; ++id)
      GetDlgItem(*id)->ShowWindow(a == m_nApplication ? SW_SHOW : SW_HIDE);
}

void CPickDisturbanceDlg::ShowD() { m_spin.SetPos(m_dD); }

BOOL CPickDisturbanceDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  // The button hears its click first and flips; the case handler then sees the new state.
  const BOOL handled = CDialog::OnCommand(wParam, lParam);
  if (HIWORD(wParam) == BN_CLICKED) {
    const int id = LOWORD(wParam);
    for (int a = 0; a < 2; ++a)
      for (int n = 1; n <= DISTURBANCE_CASES; ++n)
        if (GetDisturbanceCase(a, n).buttonId == id) {
          OnCaseButton(a, n);
          return TRUE;
        }
  }
  return handled;
}

void CPickDisturbanceDlg::OnCaseButton(int application, int number) {
  CToggleButton& button = CaseButton(application, number);
  if (button.m_bPressed) {
    m_dD = GetDisturbanceCase(application, number).d;
    ReleaseOtherToggles(&CaseButton(application, 1), DISTURBANCE_CASES, number);
  } else {
    m_dD = 0.0;
  }
  ShowD();
}

void CPickDisturbanceDlg::OnApplicationRadio() {
  ShowCases();
  for (int a = 0; a < 2; ++a)
    for (CToggleButton& b : m_buttons[a]) {
      b.m_bPressed = FALSE;
      b.Invalidate();
    }
  m_dD = 0.0;
  ShowD();
}

void CPickDisturbanceDlg::OnCancel() {
  m_dD = m_dOpening;  // the caller's value stays as it was
  CDialog::OnCancel();
}

void CPickDisturbanceDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  // The application's row of cases (CaseButton keeps an unknown application to Tunnels).
  Memory().Accept(m_nApplication,
                  FirstPressedToggle(&CaseButton(m_nApplication, 1), DISTURBANCE_CASES));
  EndDialog(IDOK);
}

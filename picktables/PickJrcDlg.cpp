#include "picktables/PickJrcDlg.h"

#include "picktables/ToggleGroup.h"
#include "res/PickTableResources.h"

CPickJrcDlg::CPickJrcDlg(CWnd* pParent)
    : CDialog(IDD_JRC_PROFILES, pParent), m_dJrc(10.0), m_dOpening(10.0) {}

CRememberedChoice& CPickJrcDlg::RememberedRange() {
  static CRememberedChoice range;
  return range;
}

void CPickJrcDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_JRC_PICTURE, m_picture);
  for (int k = 1; k <= JRC_RANGE_COUNT; ++k) DDX_Control(pDX, JrcRangeButton(k), RangeButton(k));
  DDX_Control(pDX, IDC_JRC_SPIN, m_spin);
  DDX_Text(pDX, IDC_JRC_VALUE, m_dJrc);
  DDV_MinMaxDouble(pDX, m_dJrc, 0.0, 20.0);
}

BOOL CPickJrcDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_picture.SetBitmap(IDB_JRC_PROFILES);
  m_spin.SetRangeAndDelta(0.0, 20.0, 0.5);
  m_spin.SetPos(m_dJrc);
  m_dOpening = m_dJrc;
  const int range = RememberedRange().Get();
  if (range >= 1 && range <= JRC_RANGE_COUNT) RangeButton(range).m_bPressed = TRUE;
  for (int k = 1; k <= JRC_RANGE_COUNT; ++k) SetDlgItemText(JrcRangeButton(k), JrcRangeCaption(k));
  return TRUE;
}

BOOL CPickJrcDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  // The button hears its click first and flips; the range handler then sees the new state.
  const BOOL handled = CDialog::OnCommand(wParam, lParam);
  const int id = LOWORD(wParam);
  if (HIWORD(wParam) == BN_CLICKED && id >= IDC_JRC_RANGE1 && id <= IDC_JRC_RANGE10) {
    OnRangeButton(id - IDC_JRC_RANGE1 + 1);
    return TRUE;
  }
  return handled;
}

void CPickJrcDlg::OnRangeButton(int range) {
  if (RangeButton(range).m_bPressed) {
    m_dJrc = JrcRangeMidpoint(range);
    ReleaseOtherToggles(m_buttons, JRC_RANGE_COUNT, range);
  } else {
    m_dJrc = m_dOpening;
  }
  m_spin.SetPos(m_dJrc);
}

void CPickJrcDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  RememberedRange().Accept(FirstPressedToggle(m_buttons, JRC_RANGE_COUNT));
  EndDialog(IDOK);
}

void CPickJrcDlg::OnCancel() {
  m_dJrc = m_dOpening;
  CDialog::OnCancel();
}

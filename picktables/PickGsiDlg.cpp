#include "picktables/PickGsiDlg.h"

#include "res/PickTableResources.h"

namespace {
GsiRect ToGsi(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
}  // namespace

CPickGsiDlg::CPickGsiDlg(CWnd* pParent) : CDialog(IDD_PICK_GSI, pParent), m_nGsi(0) {}

BOOL CPickGsiDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_chart.SetValue(m_nGsi);
  if (!m_chart.CreateAt(IDC_GSI_PLACER, this)) {
    AfxMessageBox("The GSI chart could not be shown.");
    EndDialog(IDCANCEL);
    return TRUE;
  }
  LayoutToChart();
  return TRUE;
}

void CPickGsiDlg::LayoutToChart() {
  RECT work = {};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  // The dialog has no parent window when the side bar opens it: its owner (the main window)
  // takes that place, and the work area when there is none.
  RECT anchor = work;
  HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
  if (owner) ::GetWindowRect(owner, &anchor);
  CRect dialog, chart;
  GetWindowRect(&dialog);
  m_chart.GetWindowRect(&chart);
  const CSize required = m_chart.GetWindowSizeForSheet();
  const GsiDialogLayout layout = ::LayoutToChart(ToGsi(work), ToGsi(anchor), ToGsi(dialog),
                                                 ToGsi(chart), required.cx, required.cy);
  CRect grown(layout.chart.left, layout.chart.top, layout.chart.right, layout.chart.bottom);
  ScreenToClient(&grown);
  m_chart.MoveWindow(grown, TRUE);
  MoveWindow(layout.dialog.left, layout.dialog.top, layout.dialog.Width(), layout.dialog.Height(),
             TRUE);
}

BOOL CPickGsiDlg::PreTranslateMessage(MSG* pMsg) {
  // The chart handles Enter (accept the typed value) and Tab (among its own controls).
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_TAB) &&
      m_chart.m_hWnd) {
    m_chart.SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
    return TRUE;
  }
  return CDialog::PreTranslateMessage(pMsg);
}

BOOL CPickGsiDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* hdr = reinterpret_cast<NMHDR*>(lParam);
  if (hdr && hdr->idFrom == IDC_GSI_PLACER && hdr->code == CGsiChartWnd::NOTIFY_SHEET_CHANGED) {
    LayoutToChart();
    *pResult = 0;
    return TRUE;
  }
  return CDialog::OnNotify(wParam, lParam, pResult);
}

void CPickGsiDlg::OnOK() {
  const int gsi = m_chart.GetValue();
  if (gsi < 1 || gsi > 100) {
    AfxMessageBox("Please pick a GSI value from 1 to 100");
    return;
  }
  m_nGsi = gsi;
  EndDialog(IDOK);
}

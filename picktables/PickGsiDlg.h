// CPickGsiDlg: picks the Geological Strength Index on a GSI chart. The dialog takes the size of
// the chart's current sheet and stays centred on its owner.
#pragma once

#include "picktables/GsiChartWnd.h"

class CPickGsiDlg : public CDialog {
 public:
  explicit CPickGsiDlg(CWnd* pParent = NULL);

  // The value the edit shows at opening.
  void SetGsi(int gsi) { m_nGsi = gsi; }
  // The pick after IDOK (1 to 100); after Cancel, what SetGsi gave.
  int GetGsi() const { return m_nGsi; }
  CGsiChartWnd& GetChart() { return m_chart; }

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  // Sizes the dialog to the chart's sheet, centres it on its owner (the work area without
  // one) and keeps it inside the work area.
  void LayoutToChart();

  CGsiChartWnd m_chart;
  int m_nGsi;
};

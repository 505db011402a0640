// CPickJcsDlg: joint wall compressive strength (JCS) of 13 strength classes of soil and rock, in
// the document's unit system, with a soil/rock filter and the weathered-wall reduction.
#pragma once

#include <vector>

#include "controls/RealSpinCtrl.h"
#include "framework/win/AfxWin.h"
#include "picktables/JcsTable.h"

class CPickJcsDlg : public CDialog {
 public:
  explicit CPickJcsDlg(CWnd* pParent = NULL);

  double m_dJcs;  // preset by the caller, the pick after IDOK
  int m_nUnits;   // the document's unit system (UnitsType)

  const CJcsTable& GetTable() const { return m_table; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  void SetColumns();
  void FillList();
  void ShowSelection();
  void ShowUnit();
  void EnableFilterControls();
  // Reads the fields; a refused JCS keeps its message, but the checks and the radio are taken
  // all the same. FALSE when the JCS was refused.
  BOOL ReadFields();
  // The table row of the list's selection, -1 without one.
  int SelectedRow() const;

  afx_msg void OnWeatheredCheck();
  afx_msg void OnFilterCheck();
  afx_msg void OnKindRadio();
  DECLARE_MESSAGE_MAP()

 protected:
  CRealSpinCtrl m_spin;
  CListCtrl m_list;
  CJcsTable m_table;
  std::vector<int> m_filtered;  // table rows listed while the filter is on
  int m_bFilter;
  int m_bWeathered;
  int m_nKind;  // 0 soil, 1 rock
  int m_bSelectedRock;
  int m_nBusy;
  double m_dOpening;
  double m_dUnreduced;
};

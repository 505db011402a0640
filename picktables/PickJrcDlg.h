// CPickJrcDlg: the joint roughness coefficient JRC by comparison with ten roughness profiles.
// The range last accepted is remembered for the run of the program.
#pragma once

#include "controls/BitmapStatic.h"
#include "controls/RealSpinCtrl.h"
#include "controls/ToggleButton.h"
#include "picktables/JrcRanges.h"
#include "picktables/PickMemory.h"

class CPickJrcDlg : public CDialog {
 public:
  explicit CPickJrcDlg(CWnd* pParent = NULL);

  double m_dJrc;  // preset by the caller, the pick after IDOK

  static CRememberedChoice& RememberedRange();
  CToggleButton& RangeButton(int range) { return m_buttons[range - 1]; }
  CBitmapStatic& GetPicture() { return m_picture; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnRangeButton(int range);

  CBitmapStatic m_picture;
  CToggleButton m_buttons[JRC_RANGE_COUNT];
  CRealSpinCtrl m_spin;
  double m_dOpening;
};

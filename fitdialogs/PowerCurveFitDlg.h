// CPowerCurveFitDlg: a, d and b of y = a (x + d)^b fitted to triaxial or direct-shear data.
#pragma once

#include "fitdialogs/TwoTypeFitDialog.h"
#include "fitdialogs/logic/PowerCurveFitSession.h"

class CPowerCurveFitDlg : public CTwoTypeFitDialogT<CDialog> {
 public:
  CPowerCurveFitDlg(CKelStrengthDoc* doc, CWnd* parent = NULL);

  CFitSession& Session() override { return m_session; }

 protected:
  CTwoTypeFitSession& TwoTypeSession() override { return m_session; }
  UINT UnitStaticId() const override;
  void ShowResults() override;

  CPowerCurveFitSession m_session;
};

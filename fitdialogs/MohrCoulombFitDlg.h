// CMohrCoulombFitDlg: c, phi and the tensile strength fitted to triaxial or direct-shear data.
#pragma once

#include "fitdialogs/TwoTypeFitDialog.h"
#include "fitdialogs/logic/MohrCoulombFitSession.h"

class CMohrCoulombFitDlg : public CTwoTypeFitDialogT<CTipsDialog> {
 public:
  CMohrCoulombFitDlg(CKelStrengthDoc* doc, CWnd* parent = NULL);

  CFitSession& Session() override { return m_session; }

 protected:
  CTwoTypeFitSession& TwoTypeSession() override { return m_session; }
  UINT UnitStaticId() const override;
  BOOL CountHasRange() const override { return FALSE; }
  BOOL OnInitDialog() override;
  void ShowResults() override;

  CMohrCoulombFitSession m_session;
};

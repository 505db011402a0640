// CBartonBandisFitDlg: JRC and JCS fitted to direct-shear data of a joint with phir given.
#pragma once

#include "fitdialogs/FitDialog.h"
#include "fitdialogs/logic/BartonBandisFitSession.h"

class CBartonBandisFitDlg : public CPlainFitDialog {
 public:
  CBartonBandisFitDlg(CKelStrengthDoc* doc, CWnd* parent = NULL);

  CFitSession& Session() override { return m_session; }

 protected:
  UINT UnitStaticId() const override;
  BOOL OfferLorvane() const override { return FALSE; }
  void ExchangeInputs(CDataExchange* pDX) override;
  bool InputsInRange() const override;
  void ShowResults() override;

  CBartonBandisFitSession m_session;
  double m_dPhir = 0.0;
};

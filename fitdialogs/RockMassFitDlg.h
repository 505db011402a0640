// CRockMassFitDlg: mi and GSI fitted to rock-mass data with sigci and D given.
#pragma once

#include "fitdialogs/FitDialog.h"
#include "fitdialogs/logic/RockMassFitSession.h"

class CRockMassFitDlg : public CTipsFitDialog {
 public:
  CRockMassFitDlg(CKelStrengthDoc* doc, CWnd* parent = NULL);

  CFitSession& Session() override { return m_session; }
  // The values the document reads after OK: the inputs, the fit and the largest measured sig3.
  double GetSigci() const { return m_session.Sigci(); }
  double GetMi() const { return m_session.Mi(); }
  double GetGSI() const { return m_session.GSI(); }
  double GetD() const { return m_session.D(); }
  double GetSig3Max() const { return m_session.LargestSig3(); }

 protected:
  UINT UnitStaticId() const override;
  void ExchangeInputs(CDataExchange* pDX) override;
  bool InputsInRange() const override;
  void ShowResults() override;

  CRockMassFitSession m_session;
  double m_dSigci = 10.0;
  double m_dD = 0.0;
};

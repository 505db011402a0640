// CHoekBrownFitDlg: mi and sigci of intact rock fitted to triaxial lab data.
#pragma once

#include "fitdialogs/FitDialog.h"
#include "fitdialogs/logic/HoekBrownFitSession.h"

class CHoekBrownFitDlg : public CTipsFitDialog {
 public:
  CHoekBrownFitDlg(CKelStrengthDoc* doc, CWnd* parent = NULL);

  CFitSession& Session() override { return m_session; }
  // The largest measured sig3: the document's envelope range after OK.
  double GetSig3Max() const { return m_session.LargestSig3(); }

 protected:
  UINT UnitStaticId() const override;
  void ShowResults() override;

  CHoekBrownFitSession m_session;
};

// The data-type radio pair of the Mohr-Coulomb and power-curve dialogs: switching rebuilds the
// grid from the model's points under the new headings, empties the chart and refits.
#pragma once

#include "fitdialogs/FitDialog.h"
#include "fitdialogs/logic/TwoTypeFitSession.h"

template <class TBase>
class CTwoTypeFitDialogT : public CFitDialogT<TBase> {
 public:
  CTwoTypeFitDialogT(UINT templateId, CKelStrengthDoc* doc, CWnd* parent)
      : CFitDialogT<TBase>(templateId, doc, parent) {}

 protected:
  virtual CTwoTypeFitSession& TwoTypeSession() = 0;
  void ExchangeInputs(CDataExchange* pDX) override;
  void SwitchDataType(int dataType);

  afx_msg void OnTriaxial();
  afx_msg void OnDirectShear();
  DECLARE_MESSAGE_MAP()

  int m_nDataType = 0;
};

#include "fitdialogs/TwoTypeFitDialog.h"

#include "res/resource.h"

template <class TBase>
void CTwoTypeFitDialogT<TBase>::ExchangeInputs(CDataExchange* pDX) {
  // The data type changes only through the radio handlers and the imports.
  if (!pDX->m_bSaveAndValidate) {
    m_nDataType = TwoTypeSession().DataType();
    DDX_Radio(pDX, IDC_FIT_TRIAXIAL, m_nDataType);
  }
}

template <class TBase>
void CTwoTypeFitDialogT<TBase>::SwitchDataType(int dataType) {
  TwoTypeSession().SetDataType(dataType);
  this->SetupGrid();
  this->EmptyChart();
  this->UpdateData(FALSE);
  this->Recompute();
}

template <class TBase>
void CTwoTypeFitDialogT<TBase>::OnTriaxial() {
  SwitchDataType(DATA_TRIAXIAL);
}

template <class TBase>
void CTwoTypeFitDialogT<TBase>::OnDirectShear() {
  SwitchDataType(DATA_DIRECT_SHEAR);
}

BEGIN_TEMPLATE_MESSAGE_MAP(CTwoTypeFitDialogT, TBase, CFitDialogT<TBase>)
ON_BN_CLICKED(IDC_FIT_TRIAXIAL, &ThisClass::OnTriaxial)
ON_BN_CLICKED(IDC_FIT_DIRECT_SHEAR, &ThisClass::OnDirectShear)
END_MESSAGE_MAP()

template class CTwoTypeFitDialogT<CTipsDialog>;
template class CTwoTypeFitDialogT<CDialog>;

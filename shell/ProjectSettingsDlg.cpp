#include "shell/ProjectSettingsDlg.h"

#include "core/document/CriterionSwitch.h"
#include "core/document/KelProject.h"
#include "core/registry/Win32SettingsStore.h"
#include "document/KelStrengthDoc.h"
#include "framework/win/Menu.h"
#include "res/ShellResources.h"
#include "shell/ShellSettings.h"

namespace {

const char* const kUnitNames[] = {"MPa", "kPa", "tsm", "ksi", "ksf", "psi", "psf", "tsf"};

}  // namespace

BEGIN_MESSAGE_MAP(CProjectSettingsDlg, CTipsDialog)
ON_BN_CLICKED(IDC_MODULUS_HCC, &CProjectSettingsDlg::OnRadioClicked)
ON_BN_CLICKED(IDC_MODULUS_HD, &CProjectSettingsDlg::OnRadioClicked)
ON_BN_CLICKED(IDC_MODULUS_SIMPLIFIED, &CProjectSettingsDlg::OnRadioClicked)
ON_BN_CLICKED(IDC_CRITERION_HOEK_BROWN, &CProjectSettingsDlg::OnRadioClicked)
ON_BN_CLICKED(IDC_CRITERION_MOHR_COULOMB, &CProjectSettingsDlg::OnRadioClicked)
ON_BN_CLICKED(IDC_CRITERION_BARTON_BANDIS, &CProjectSettingsDlg::OnRadioClicked)
ON_BN_CLICKED(IDC_CRITERION_POWER_CURVE, &CProjectSettingsDlg::OnRadioClicked)
ON_CBN_SELCHANGE(IDC_UNITS, &CProjectSettingsDlg::OnUnitsChanged)
END_MESSAGE_MAP()

CProjectSettingsDlg::CProjectSettingsDlg(CKelStrengthDoc* doc, CWnd* parent)
    : CTipsDialog(IDD_PROJECT_SETTINGS, parent), m_pDoc(doc) {}

CString CProjectSettingsDlg::UnitLabel(int units) {
  if (units < 0 || units > 7) return "()";
  return CString("(") + kUnitNames[units] + ")";
}

void CProjectSettingsDlg::DoDataExchange(CDataExchange* pDX) {
  CTipsDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_UNITS, m_cboUnits);
  DDX_Text(pDX, IDC_PROJECT_TITLE, m_strTitle);
  // A longer title that a file brought goes through as long as it is not edited.
  if (!pDX->m_bSaveAndValidate || m_strTitle != m_strOpeningTitle)
    DDV_MaxChars(pDX, m_strTitle, 250);
  DDX_CBIndex(pDX, IDC_UNITS, m_nUnits);
  DDX_Radio(pDX, IDC_CRITERION_HOEK_BROWN, m_nCriterion);
  DDX_Radio(pDX, IDC_MODULUS_SIMPLIFIED, m_nModulusMethod);
  // Ei is read and checked only while the method that uses it is chosen: a stored value
  // that no method uses stops nothing and stays as it is. The field shows a usable value
  // (the units' default in place of an unusable one), which that method then takes.
  if (!pDX->m_bSaveAndValidate) {
    double shown = UsableIntactModulus(m_dIntactModulus, m_nUnits);
    DDX_Text(pDX, IDC_INTACT_MODULUS, shown);
  } else if (m_nModulusMethod == MODULUS_HOEK_DIEDERICHS) {
    DDX_Text(pDX, IDC_INTACT_MODULUS, m_dIntactModulus);
    DDV_MinMaxDouble(pDX, m_dIntactModulus, 1e-8, 1e300);
  }
}

BOOL CProjectSettingsDlg::OnInitDialog() {
  m_nOldCriterion = m_nCriterion;
  m_strOpeningTitle = m_strTitle;
  if (m_pDoc) m_nUnits = m_pDoc->m_pActiveCriterion->GetUnits();
  // The unit names in UnitsType order (filled before the controls get their values).
  for (const char* name : kUnitNames)
    SendDlgItemMessage(IDC_UNITS, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  CTipsDialog::OnInitDialog();
  AddTool(IDC_CRITERION_HOEK_BROWN, "Use to fit only TRIAXIAL lab or field data");
  AddTool(IDC_CRITERION_MOHR_COULOMB, "Use to fit both TRIAXIAL and DIRECT SHEAR lab data");
  AddTool(IDC_CRITERION_BARTON_BANDIS, "Use to fit only DIRECT SHEAR lab data");
  AddTool(IDC_CRITERION_POWER_CURVE, "Use to fit only DIRECT SHEAR lab data");
  UpdateModulusControls();
  return TRUE;
}

void CProjectSettingsDlg::UpdateModulusControls() {
  if (!UpdateData(TRUE)) return;
  const bool hoekBrown = m_nCriterion == 0;
  for (int id : {IDC_INTACT_MODULUS_LABEL, IDC_INTACT_MODULUS, IDC_INTACT_MODULUS_UNITS,
                 IDC_MODULUS_GROUP, IDC_MODULUS_SIMPLIFIED, IDC_MODULUS_HCC, IDC_MODULUS_HD})
    ::EnableWindow(::GetDlgItem(m_hWnd, id), hoekBrown);
  // Only the Hoek-Diederichs (2005) method uses the intact modulus.
  if (hoekBrown && m_nModulusMethod != 2)
    for (int id : {IDC_INTACT_MODULUS_LABEL, IDC_INTACT_MODULUS, IDC_INTACT_MODULUS_UNITS})
      ::EnableWindow(::GetDlgItem(m_hWnd, id), FALSE);
  SetDlgItemText(IDC_INTACT_MODULUS_UNITS, UnitLabel(m_nUnits));
  UpdateData(FALSE);
}

void CProjectSettingsDlg::OnRadioClicked() {
  UpdateModulusControls();
}

void CProjectSettingsDlg::OnUnitsChanged() {
  UpdateModulusControls();
  m_dIntactModulus = CHoekBrownCriterion::GetDefaultIntactModulus(m_nUnits);
  UpdateData(FALSE);
}

void CProjectSettingsDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (m_nCriterion != m_nOldCriterion && m_pDoc) {
    if (CStrengthCriterion* old = m_pDoc->ModelOf(m_nOldCriterion)) {
      const int direction = DataTypeQuestion(m_nOldCriterion, m_nCriterion, old->GetLabCount(),
                                             old->GetRockMassCount(), old->GetDataType(nullptr));
      if (direction >= 0 && !AskSwitchDataType(direction)) return;
    }
  }
  EndDialog(IDOK);
}

BOOL CProjectSettingsDlg::AskSwitchDataType(int direction) {
  if (!IsSwitchDataTypeWarningOn()) return TRUE;
  CSwitchDataTypeDlg dlg(this);
  dlg.SetMessage(DataTypeQuestionText(direction));
  const BOOL answer = dlg.DoModal() == IDYES;
  if (!dlg.GetAlwaysShow()) SetSwitchDataTypeWarning(0);
  return answer;
}

BOOL CProjectSettingsDlg::IsSwitchDataTypeWarningOn() {
  return ::IsSwitchDataTypeWarningOn(CWin32SettingsStore::Instance());
}

void CProjectSettingsDlg::SetSwitchDataTypeWarning(int value) {
  ::SetSwitchDataTypeWarning(CWin32SettingsStore::Instance(), value);
}

// ---- Switching Data Types -------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CSwitchDataTypeDlg, CTipsDialog)
ON_BN_CLICKED(IDC_SWITCH_YES, &CSwitchDataTypeDlg::OnYes)
ON_BN_CLICKED(IDC_SWITCH_NO, &CSwitchDataTypeDlg::OnNo)
END_MESSAGE_MAP()

CSwitchDataTypeDlg::CSwitchDataTypeDlg(CWnd* parent) : CTipsDialog(IDD_SWITCH_DATA_TYPE, parent) {}

void CSwitchDataTypeDlg::DoDataExchange(CDataExchange* pDX) {
  CTipsDialog::DoDataExchange(pDX);
  DDX_Check(pDX, IDC_SWITCH_ALWAYS_SHOW, m_bAlwaysShow);
}

BOOL CSwitchDataTypeDlg::OnInitDialog() {
  CTipsDialog::OnInitDialog();
  if (CMenu* menu = GetSystemMenu(FALSE)) menu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  SetDlgItemText(IDC_SWITCH_MESSAGE, m_strMessage);
  return TRUE;
}

void CSwitchDataTypeDlg::OnYes() {
  UpdateData(TRUE);
  EndDialog(IDYES);
}

void CSwitchDataTypeDlg::OnNo() {
  UpdateData(TRUE);
  EndDialog(IDNO);
}

void CSwitchDataTypeDlg::OnCancel() {
  OnNo();
}

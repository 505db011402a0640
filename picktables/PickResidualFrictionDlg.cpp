#include "picktables/PickResidualFrictionDlg.h"

#include <cfloat>

#include "controls/RealSpinCtrlLogic.h"
#include "core/criteria/StrengthCriterion.h"
#include "framework/base/NumberText.h"
#include "picktables/PickTables.h"
#include "res/PickTableResources.h"

namespace {
const char* const kMoistureWords[2] = {"wet", "dry"};
const char* const kNoDryRebound =
    "The dry Schmidt rebound R must be above 0 to calculate the residual friction angle.";
}  // namespace

BEGIN_MESSAGE_MAP(CPickResidualFrictionDlg, CListPickDlg)
ON_BN_CLICKED(IDC_PHIR_MOISTURE_CHECK, &CPickResidualFrictionDlg::OnMoistureCheck)
ON_BN_CLICKED(IDC_PHIR_WET, &CPickResidualFrictionDlg::OnMoistureRadio)
ON_BN_CLICKED(IDC_PHIR_DRY, &CPickResidualFrictionDlg::OnMoistureRadio)
ON_BN_CLICKED(IDC_PHIR_CALCULATOR_CHECK, &CPickResidualFrictionDlg::OnCalculatorCheck)
ON_EN_CHANGE(IDC_PHIR_PHIB, &CPickResidualFrictionDlg::OnPhibChange)
ON_EN_CHANGE(IDC_PHIR_WET_REBOUND, &CPickResidualFrictionDlg::OnWetReboundChange)
ON_EN_CHANGE(IDC_PHIR_DRY_REBOUND, &CPickResidualFrictionDlg::OnDryReboundChange)
ON_EN_KILLFOCUS(IDC_PHIR_PHIB, &CPickResidualFrictionDlg::OnEditKillFocus)
ON_EN_KILLFOCUS(IDC_PHIR_WET_REBOUND, &CPickResidualFrictionDlg::OnEditKillFocus)
ON_EN_KILLFOCUS(IDC_PHIR_DRY_REBOUND, &CPickResidualFrictionDlg::OnEditKillFocus)
ON_WM_TIMER()
END_MESSAGE_MAP()

CPickResidualFrictionDlg::CPickResidualFrictionDlg(CWnd* pParent)
    : CListPickDlg(IDD_RESIDUAL_FRICTION, IDC_PHIR_LIST, RESIDUAL_FRICTION_ROW_COUNT, pParent),
      m_dPhir(28.0),
      m_nUnits(UNITS_MPA),
      m_bMoisture(0),
      m_nMoisture(1),
      m_bCalculator(0),
      m_dPhib(28.0),
      m_dDryRebound(20.0),
      m_dWetRebound(10.0),
      m_bInputsOnly(false) {
  BuildResidualFrictionTable(m_table, UNITS_MPA);
}

std::vector<CString> CPickResidualFrictionDlg::ColumnTitles() const {
  return {"Rock", "Moisture", ResidualStressRangeTitle(m_nUnits), "Phib (degrees)"};
}

std::vector<CString> CPickResidualFrictionDlg::RowTexts(const PickTableRow& row) const {
  return {row.name, row.kind, row.klass, row.range};
}

void CPickResidualFrictionDlg::RunFilter() {
  m_table.FilterByKind(kMoistureWords[m_nMoisture == 0 ? 0 : 1]);
  m_strReference.Empty();
  SetDlgItemText(IDC_PICK_REFERENCE, "");
}

void CPickResidualFrictionDlg::DoDataExchange(CDataExchange* pDX) {
  // A pending delayed calculation is dropped by any exchange: OK returns phir as shown.
  KillTimer(kEditTimer);
  CListPickDlg::DoDataExchange(pDX);
  if (!m_bInputsOnly) {
    DDX_Control(pDX, IDC_PHIR_FORMULA, m_formula);
    DDX_Control(pDX, IDC_PHIR_WET_SPIN, m_wetSpin);
    DDX_Control(pDX, IDC_PHIR_DRY_SPIN, m_drySpin);
    DDX_Control(pDX, IDC_PHIR_PHIB_SPIN, m_phibSpin);
    DDX_Control(pDX, IDC_PHIR_SPIN, m_phirSpin);
    DDX_Control(pDX, IDC_PHIR_LIST, m_list);
    DDX_Text(pDX, IDC_PHIR_VALUE, m_dPhir);
    DDV_MinMaxDouble(pDX, m_dPhir, 0.0, 90.0);
    DDX_Text(pDX, IDC_PICK_REFERENCE, m_strReference);
    DDX_Check(pDX, IDC_PHIR_MOISTURE_CHECK, m_bMoisture);
    DDX_Radio(pDX, IDC_PHIR_WET, m_nMoisture);
    DDX_Check(pDX, IDC_PHIR_CALCULATOR_CHECK, m_bCalculator);
  }
  DDX_Text(pDX, IDC_PHIR_PHIB, m_dPhib);
  DDV_MinMaxDouble(pDX, m_dPhib, 0.0, 90.0);
  DDX_Text(pDX, IDC_PHIR_DRY_REBOUND, m_dDryRebound);
  DDV_MinMaxDouble(pDX, m_dDryRebound, 0.0, 500.0);
  DDX_Text(pDX, IDC_PHIR_WET_REBOUND, m_dWetRebound);
  DDV_MinMaxDouble(pDX, m_dWetRebound, 0.0, 500.0);
}

BOOL CPickResidualFrictionDlg::OnInitDialog() {
  // Setting the spins rewrites their edits: that is no typing, and must not overwrite the
  // phir the dialog opens with.
  CBusy busy(m_nBusy);
  CListPickDlg::OnInitDialog();
  struct {
    CRealSpinCtrl& spin;
    int edit;
    double value;
  } spins[] = {{m_phibSpin, IDC_PHIR_PHIB, m_dPhib},
               {m_wetSpin, IDC_PHIR_WET_REBOUND, m_dWetRebound},
               {m_drySpin, IDC_PHIR_DRY_REBOUND, m_dDryRebound}};
  for (auto& s : spins) {
    s.spin.SetRangeAndDelta(0.0, DBL_MAX, 1.0);
    s.spin.SetBuddy(GetDlgItem(s.edit));
    s.spin.SetPos(s.value);
  }
  m_phirSpin.SetRangeAndDelta(0.0, 90.0, 1.0);
  SetColumns();
  BuildResidualFrictionTable(m_table, m_nUnits);
  ApplyFilter();
  UpdateData(FALSE);
  EnableMoistureRadios();
  EnableCalculatorControls();
  m_dSaved = m_dPhir;
  return TRUE;
}

void CPickResidualFrictionDlg::OnOK() {
  // phir as shown; the focus leaving an edit as the window closes calculates nothing.
  if (!UpdateData(TRUE)) return;
  // A pause in typing said nothing of an R of 0: the calculator cannot have given the phir
  // shown, so the dialog says so and stays, as for a value it refuses.
  double phir = m_dPhir;
  if (m_bCalculator &&
      !CalculateResidualPhir(true, m_dPhib, m_dWetRebound, m_dDryRebound, &phir)) {
    {
      CBusy busy(m_nBusy);
      AfxMessageBox(kNoDryRebound, MB_ICONEXCLAMATION);
    }
    GotoDlgCtrl(GetDlgItem(IDC_PHIR_DRY_REBOUND));
    return;
  }
  ++m_nBusy;
  EndDialog(IDOK);
}

void CPickResidualFrictionDlg::ReadChoices() {
  m_bMoisture = IsDlgButtonChecked(IDC_PHIR_MOISTURE_CHECK) == BST_CHECKED;
  m_nMoisture = IsDlgButtonChecked(IDC_PHIR_WET) == BST_CHECKED ? 0 : 1;
  m_bCalculator = IsDlgButtonChecked(IDC_PHIR_CALCULATOR_CHECK) == BST_CHECKED;
}

void CPickResidualFrictionDlg::EnableMoistureRadios() {
  GetDlgItem(IDC_PHIR_WET)->EnableWindow(m_bMoisture != 0);
  GetDlgItem(IDC_PHIR_DRY)->EnableWindow(m_bMoisture != 0);
}

void CPickResidualFrictionDlg::EnableCalculatorControls() {
  for (int id : {IDC_PHIR_PHIB, IDC_PHIR_WET_REBOUND, IDC_PHIR_DRY_REBOUND, IDC_PHIR_PHIB_SPIN,
                 IDC_PHIR_WET_SPIN, IDC_PHIR_DRY_SPIN})
    GetDlgItem(id)->EnableWindow(m_bCalculator != 0);
}

void CPickResidualFrictionDlg::CalculatePhir(bool tell) {
  ReadChoices();
  BOOL read = FALSE;
  {
    CBusy busy(m_nBusy);
    m_bInputsOnly = true;
    read = UpdateData(TRUE);
    m_bInputsOnly = false;
  }
  if (read) {
    double phir = m_dPhir;
    if (CalculateResidualPhir(m_bCalculator != 0, m_dPhib, m_dWetRebound, m_dDryRebound, &phir)) {
      m_dPhir = phir;
    } else if (tell) {
      CBusy busy(m_nBusy);
      AfxMessageBox(kNoDryRebound, MB_ICONEXCLAMATION);
    }
  }
  CBusy busy(m_nBusy);
  UpdateData(FALSE);
}

void CPickResidualFrictionDlg::ShowReference() {
  const int row = SelectedRow();
  if (row < 0) return;
  const PickTableRow& r = m_table.GetRow(row);
  m_dPhib = r.value;
  {
    CBusy busy(m_nBusy);
    SetDlgItemText(IDC_PHIR_PHIB, FormatNumber("%.15g", m_dPhib));
  }
  CalculatePhir();
  m_strReference = ResidualFrictionReference(r.source);
  SetDlgItemText(IDC_PICK_REFERENCE, m_strReference);
}

void CPickResidualFrictionDlg::RestartEditTimer(int id) {
  if (m_nBusy > 0) return;
  CWnd* edit = GetDlgItem(id);
  DWORD start = 0, end = 0;
  edit->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (realspin::EditChangeAppliesAtOnce(edit->GetWindowTextLength(), static_cast<int>(start),
                                        static_cast<int>(end))) {
    KillTimer(kEditTimer);
    CalculatePhir();
  } else {
    SetTimer(kEditTimer, kEditDelay);
  }
}

void CPickResidualFrictionDlg::OnEditKillFocus() {
  if (m_nBusy > 0) return;
  KillTimer(kEditTimer);
  CalculatePhir();
}

void CPickResidualFrictionDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kEditTimer) {
    KillTimer(kEditTimer);
    // The user may still be typing: an R of 0 is told when they act (Enter, leaving the edit).
    CalculatePhir(false);
  }
  CListPickDlg::OnTimer(nIDEvent);
}

void CPickResidualFrictionDlg::OnMoistureCheck() {
  ReadChoices();
  EnableMoistureRadios();
  ApplyFilter();
  m_strReference.Empty();
  SetDlgItemText(IDC_PICK_REFERENCE, "");
}

void CPickResidualFrictionDlg::OnMoistureRadio() {
  ReadChoices();
  ApplyFilter();
}

void CPickResidualFrictionDlg::OnCalculatorCheck() {
  ReadChoices();
  EnableCalculatorControls();
  ShowReference();
}

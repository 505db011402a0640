// The side bar's form: set-up, data exchange, enabled and shown controls, results.
#include "view/DockForm.h"

#include <cfloat>
#include <cstring>

#include "document/KelStrengthDoc.h"
#include "document/MainSideBar.h"
#include "framework/base/NumberText.h"
#include "framework/win/DataExchange.h"
#include "framework/win/MessageMap.h"
#include "res/ShellResources.h"
#include "res/ViewResources.h"
#include "shell/KelStrengthApp.h"
#include "view/KelStrengthView.h"

IMPLEMENT_DYNCREATE(CDockForm, CFormView)

BEGIN_MESSAGE_MAP(CDockForm, CFormView)
// Every edit of the form lies between these two ids; the handlers take the inputs only.
ON_CONTROL_RANGE(EN_CHANGE, IDC_BB_JCS, IDC_MC_DEPTH, &CDockForm::OnParamEditChange)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_BB_JCS, IDC_MC_DEPTH, &CDockForm::OnParamEditKillFocus)
ON_WM_TIMER()
ON_CBN_SELCHANGE(IDC_HB_APPLICATION, &CDockForm::OnApplicationChange)
ON_CBN_SELCHANGE(IDC_MC_APPLICATION, &CDockForm::OnApplicationChange)
ON_CBN_SELCHANGE(IDC_BB_APPLICATION, &CDockForm::OnApplicationChange)
ON_CBN_SELCHANGE(IDC_PC_APPLICATION, &CDockForm::OnApplicationChange)
ON_BN_CLICKED(IDC_HB_COPY_DATA, &CDockForm::OnCopyData)
ON_BN_CLICKED(IDC_MC_COPY_DATA, &CDockForm::OnCopyData)
ON_BN_CLICKED(IDC_BB_COPY_DATA, &CDockForm::OnCopyData)
ON_BN_CLICKED(IDC_PC_COPY_DATA, &CDockForm::OnCopyData)
ON_BN_CLICKED(IDC_HB_GSI_PICK, &CDockForm::OnPickGsi)
ON_BN_CLICKED(IDC_HB_MI_PICK, &CDockForm::OnPickMi)
ON_BN_CLICKED(IDC_HB_D_PICK, &CDockForm::OnPickDisturbance)
ON_BN_CLICKED(IDC_HB_SIGCI_PICK, &CDockForm::OnPickIntactUcs)
ON_BN_CLICKED(IDC_BB_PHIR_PICK, &CDockForm::OnPickResidualFriction)
ON_BN_CLICKED(IDC_BB_JCS_PICK, &CDockForm::OnPickJcs)
ON_BN_CLICKED(IDC_BB_JRC_PICK, &CDockForm::OnPickJrc)
ON_BN_CLICKED(IDC_MC_C_PICK, &CDockForm::OnPickCohesion)
ON_BN_CLICKED(IDC_MC_PHI_PICK, &CDockForm::OnPickFrictionAngle)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

const int kPickIds[9] = {IDC_HB_MI_PICK,   IDC_HB_GSI_PICK,  IDC_HB_SIGCI_PICK,
                         IDC_HB_D_PICK,    IDC_BB_PHIR_PICK, IDC_BB_JRC_PICK,
                         IDC_BB_JCS_PICK,  IDC_MC_C_PICK,    IDC_MC_PHI_PICK};
const char* const kPickTips[9] = {
    "Pick from list of Mi values",
    "Pick from GSI table",
    "Pick from Uniaxial Strength table",
    "Pick from D table",
    "Pick phir value based on Basic Friction Angle table",
    "Pick from JRC table",
    "Pick JCS value from Uniaxial Strength table",
    "Pick from Mohr-Coulomb Cohesion table",
    "Pick from Mohr-Coulomb Friction Angle table"};
const int kCopyIds[4] = {IDC_HB_COPY_DATA, IDC_MC_COPY_DATA, IDC_BB_COPY_DATA, IDC_PC_COPY_DATA};
const int kFormulaIds[6] = {IDC_HB_FORMULA, IDC_MC_FORMULA, IDC_MC_FORMULA2,
                            IDC_BB_FORMULA, IDC_PC_FORMULA, IDC_PC_FORMULA_ND};

// The application lists of the combos, in the models' order.
const char* const kHoekBrownApplications[] = {"General", "Tunnels", "Slopes", "Custom"};
const char* const kOtherApplications[] = {"Tunnels", "Slopes", "Custom"};

}  // namespace

CDockForm::CDockForm() : CFormView(IDD_SIDE_BAR) {
  AfxRegisterSideBar(this);
}

CDockForm::~CDockForm() {
  if (AfxGetSideBar() == this) AfxRegisterSideBar(nullptr);
}

int CDockForm::GetUnits() const {
  return m_pDoc && m_pDoc->m_pActiveCriterion ? m_pDoc->m_pActiveCriterion->GetUnits() : 0;
}

CRealSpinCtrl* CDockForm::GetSpin(int id) {
  const std::vector<SpinSetting>& spins = InitialSpinSettings();
  for (size_t i = 0; i < spins.size(); ++i)
    if (spins[i].spin == id) return &m_spins[i];
  return nullptr;
}

HWND CDockForm::Control(int id) const {
  if (!m_hWnd) return nullptr;
  const auto known = m_controls.find(id);
  if (known != m_controls.end()) return known->second;
  const int waiting = WaitingGroupOf(id);
  if (waiting >= 0) const_cast<CDockForm*>(this)->MakeGroup(waiting);
  HWND h = ::GetDlgItem(m_hWnd, id);
  if (h) m_controls[id] = h;
  return h;
}

void CDockForm::SetControlText(int id, const char* text) {
  const int waiting = WaitingGroupOf(id);
  if (waiting >= 0) {
    m_waiting[waiting].texts[id] = text;
    return;
  }
  HWND h = Control(id);
  if (!h) return;
  // Most texts stay as they are from one apply to the next; a window that is told its own
  // text again still repaints.
  char now[256];
  const int n = ::GetWindowTextA(h, now, sizeof now);
  if (n < static_cast<int>(sizeof now) - 1 && std::strcmp(now, text) == 0) return;
  ::SetWindowTextA(h, text);
}

// ---- data exchange ----------------------------------------------------------------------

void CDockForm::DoDataExchange(CDataExchange* pDX) {
  if (m_hWnd) KillTimer(kApplyTimer);
  for (int i = 0; i < 4; ++i) BindControl(pDX, ApplicationComboOf(i), m_applications[i]);
  for (int i = 0; i < 9; ++i) BindControl(pDX, kPickIds[i], m_pickButtons[i]);
  for (int i = 0; i < 4; ++i) BindControl(pDX, kCopyIds[i], m_copyButtons[i]);
  const std::vector<SpinSetting>& spins = InitialSpinSettings();
  for (size_t i = 0; i < spins.size(); ++i) BindControl(pDX, spins[i].spin, m_spins[i]);
  for (int i = 0; i < 6; ++i) BindControl(pDX, kFormulaIds[i], m_formulas[i]);
  m_bBindsAsked = true;
  if (!m_pDoc) return;
  const int criterion = m_pDoc->m_nCriterion;
  const int combo = ApplicationComboOf(criterion);
  // A combo told its own selection again repaints too.
  if (pDX->m_bSaveAndValidate ||
      ::SendMessageA(Control(combo), CB_GETCURSEL, 0, 0) != m_values.Application(criterion))
    DDX_CBIndex(pDX, combo, m_values.Application(criterion));
  for (const SideBarField& field : SideBarFields(criterion)) ExchangeField(pDX, field);
}

void CDockForm::ExchangeField(CDataExchange* pDX, const SideBarField& field) {
  double& value = m_values.*field.value;
  const int criterion = m_pDoc->m_nCriterion;
  if (!pDX->m_bSaveAndValidate) {
    if (!field.exchanged) return;
    if (m_pResultsToCome)
      for (const SideBarText& t : *m_pResultsToCome)
        if (t.id == field.edit) return;
    // The framework's number text, written only where it changes.
    SetControlText(field.edit, FormatNumber("%.15g", value));
    return;
  }
  if (!ReadWhenSaving(field, criterion, m_values.Application(criterion))) return;
  if (m_bShowMessages)
    DDX_Text(pDX, field.edit, value);  // a malformed number gets the framework's message
  else
    ReadDoubleFromEdit(pDX, field.edit, value);
  if (!field.checked || ValueInRange(value, field.min, field.max)) return;
  if (m_bShowMessages) {
    AfxMessageBox(RangeMessage(field.min, field.max).c_str(), MB_OK);
    if (HWND edit = ::GetDlgItem(m_hWnd, field.edit)) {
      ::SetFocus(edit);
      ::SendMessageA(edit, EM_SETSEL, 0, -1);
      ::SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    }
  }
  AfxThrowUserException();
}

BOOL CDockForm::UpdateDataQuiet(BOOL showMessages) {
  m_bShowMessages = showMessages ? 1 : 0;
  ++m_nUpdating;
  const BOOL ok = UpdateData(TRUE);
  m_bShowMessages = 1;
  --m_nUpdating;
  return ok;
}

void CDockForm::WriteFields() {
  ++m_nUpdating;
  UpdateData(FALSE);
  --m_nUpdating;
}

void CDockForm::WritePanel() {
  if (!m_pDoc) {
    WriteFields();
    return;
  }
  const std::vector<SideBarText> results = ResultTexts();
  m_pResultsToCome = &results;
  WriteFields();
  m_pResultsToCome = nullptr;
  WriteResults(results);
}

// ---- set-up -----------------------------------------------------------------------------

void CDockForm::OnInitialUpdate() {
  // The template has no list data: the applications are filled here, before any exchange.
  for (int c = 0; c < 4; ++c)
    WhenMade(ApplicationComboOf(c), [this, c] {
      HWND combo = ::GetDlgItem(m_hWnd, ApplicationComboOf(c));
      if (!combo) return;
      ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
      if (c == CRITERION_HOEK_BROWN)
        for (const char* item : kHoekBrownApplications)
          ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      else
        for (const char* item : kOtherApplications)
          ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    });
  // The groups move onto the anchor before the exchange subclasses their controls: a move or
  // a hide is then a few messages fewer through the framework for each of them.
  m_groups.Init(this, IDC_SB_ANCHOR, TRUE);
  for (int c = 0; c < 4; ++c) m_groups.AddGroup(GroupBoxOf(c), c);
  ShowCriterionGroup(CRITERION_HOEK_BROWN);

  ++m_nUpdating;
  CFormView::OnInitialUpdate();
  SetScrollSizes(MM_TEXT, SIZE{160, 600});

  EnableControls(TRUE);

  const std::vector<SpinSetting>& spins = InitialSpinSettings();
  for (size_t i = 0; i < spins.size(); ++i)
    SetSpinRange(m_spins[i], spins[i].spin, spins[i].min, spins[i].max, spins[i].step);
  // The spins without an automatic buddy, and Pa's, get their edits here.
  const int buddies[3][2] = {{IDC_BB_SIGNMAX_SPIN, IDC_BB_SIGNMAX},
                             {IDC_PC_RANGE_SPIN, IDC_PC_RANGE},
                             {IDC_PC_PA_SPIN, IDC_PC_PA}};
  for (const auto& b : buddies)
    if (CRealSpinCtrl* spin = GetSpin(b[0]))
      WhenMade(b[0], [this, spin, edit = b[1]] { spin->SetBuddy(GetDlgItem(edit)); });
  for (int c = 0; c < 4; ++c)
    for (const SideBarField& field : SideBarFields(c))
      if (field.spin)
        if (CRealSpinCtrl* spin = GetSpin(field.spin))
          WhenMade(field.spin, [spin, value = m_values.*field.value] { spin->SetPos(value); });

  for (int i = 0; i < 9; ++i)
    WhenMade(kPickIds[i], [this, i] {
      m_pickButtons[i].SetIcon(IDI_SIDE_BAR_PICK_HOT, IDI_SIDE_BAR_PICK);
      m_pickButtons[i].SetAlwaysShowBorder(TRUE);
      m_pickButtons[i].SetTooltipText(kPickTips[i]);
    });
  for (int i = 0; i < 4; ++i)
    WhenMade(kCopyIds[i], [this, i] {
      m_copyButtons[i].SetIcon(IDI_COPY);
      m_copyButtons[i].SetAlwaysShowBorder(TRUE);
      m_copyButtons[i].SetTooltipText("Copy the contents of the Side Bar to the clipboard");
    });
  --m_nUpdating;
}

int CDockForm::GetPanelWidth() {
  RECT rc = {0, 0, 0, 0};
  if (HWND box = ::GetDlgItem(m_hWnd, IDC_HB_GROUP)) ::GetClientRect(box, &rc);
  return rc.right - rc.left + 15;
}

// ---- enabled and shown controls ---------------------------------------------------------

void CDockForm::EnableControls(BOOL enable) {
  // With no project left the panel holds on to none.
  if (!enable) {
    if (m_hWnd) KillTimer(kApplyTimer);
    m_pDoc = nullptr;
    m_pView = nullptr;
  }
  if (!m_hWnd) return;
  for (int id : EnabledControlIds(m_values)) {
    const int waiting = WaitingGroupOf(id);
    if (waiting >= 0)
      m_waiting[waiting].enables[id] = enable;
    else if (HWND h = Control(id))
      ::EnableWindow(h, enable);
  }
}

void CDockForm::UpdateControlTexts() {
  if (!m_hWnd) return;
  for (int c = 0; c < 4; ++c) {
    const int selection = m_applications[c].m_hWnd ? m_applications[c].GetCurSel() : -1;
    if (selection >= 0) m_values.Application(c) = selection;
  }
  const CStrengthCriterion* active = m_pDoc ? m_pDoc->m_pActiveCriterion : nullptr;
  if (m_pDoc) {
    const int criterion = m_pDoc->m_nCriterion;
    const ApplicationControls a = ApplicationControlsFor(criterion, m_values.Application(criterion));
    HWND range = Control(a.rangeEdit);
    if (((::GetWindowLongA(range, GWL_STYLE) & ES_READONLY) != 0) != a.rangeReadOnly)
      ::SendMessageA(range, EM_SETREADONLY, a.rangeReadOnly, 0);
    ::EnableWindow(Control(a.rangeSpin), !a.rangeReadOnly);
    for (int id : a.loadRows) {
      HWND h = Control(id);
      if (((::GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE) != 0) != a.showLoadRows)
        ::ShowWindow(h, a.showLoadRows ? SW_SHOW : SW_HIDE);
    }
    if (a.depthText) SetControlText(a.depthLabel, a.depthText);
  }
  const int units = active ? active->GetUnits() : UNITS_MPA;
  if (units < 0 || units >= UNITS_COUNT) return;
  if (active)
    for (const SpinSetting& s : UnitSpinSettings(units)) {
      CRealSpinCtrl* spin = GetSpin(s.spin);
      if (spin && (spin->GetMin() != s.min || spin->GetMax() != s.max || spin->GetStep() != s.step))
        SetSpinRange(*spin, s.spin, s.min, s.max, s.step);
    }
  for (const SideBarText& t : UnitLabelTexts(active)) SetControlText(t.id, t.text.c_str());
}

std::vector<SideBarText> CDockForm::ResultTexts() const {
  CStrengthCriterion* active = m_pDoc->m_pActiveCriterion;
  const BYTE state = active->GetStateFlag();
  const CKelStrengthApp* app = GetKelStrengthApp();
  const int decimals = ClampDecimalPlaces(app ? app->m_displaySettings.m_nDecimalPlaces : -1);
  std::vector<SideBarText> texts = SideBarResultTexts(PlotDocumentOf(*m_pDoc), m_values, decimals);
  active->SetStateFlag(state);
  return texts;
}

void CDockForm::WriteResults(const std::vector<SideBarText>& texts) {
  ++m_nUpdating;
  for (const SideBarText& t : texts) SetControlText(t.id, t.text.c_str());
  --m_nUpdating;
}

void CDockForm::ShowResults() {
  if (!m_pDoc || !m_hWnd) return;
  WriteResults(ResultTexts());
}

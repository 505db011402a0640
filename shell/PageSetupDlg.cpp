#include "shell/PageSetupDlg.h"

#include "framework/base/NumberText.h"
#include "framework/win/AfxCore.h"
#include "framework/win/DataExchange.h"
#include "framework/win/Printing.h"
#include "framework/win/WinApp.h"
#include "res/ReportResources.h"
#include "shell/MarginAutoFormats.h"
#include "shell/PageSetupPrinter.h"

namespace {
const UINT kTypingDelay = 500;  // ms after the last key
const int kMarginEdits[4] = {IDC_MARGIN_TOP, IDC_MARGIN_BOTTOM, IDC_MARGIN_LEFT, IDC_MARGIN_RIGHT};
const int kMarginSpins[4] = {IDC_SPIN_TOP, IDC_SPIN_BOTTOM, IDC_SPIN_LEFT, IDC_SPIN_RIGHT};

double* MarginOf(PageSetupRecord& record, int index) {
  switch (index) {
    case 0: return &record.top;
    case 1: return &record.bottom;
    case 2: return &record.left;
    default: return &record.right;
  }
}

CString EditText(HWND dialog, int id) {
  char text[64] = "";
  ::GetDlgItemTextA(dialog, id, text, sizeof text);
  return CString(text);
}
}  // namespace

// ---- CAutoFormatNameDlg --------------------------------------------------------------------

CAutoFormatNameDlg::CAutoFormatNameDlg(CWnd* parent) : CDialog(IDD_AUTOFORMAT_NAME, parent) {}

void CAutoFormatNameDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_AUTOFORMAT_NAME, m_strName);
  DDV_MaxChars(pDX, m_strName, 80);
}

void CAutoFormatNameDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_strName.TrimLeft();
  m_strName.TrimRight();
  if (m_strName.IsEmpty()) return;
  CString problem = m_check ? m_check(m_strName) : CString();
  if (!problem.IsEmpty()) {
    AfxMessageBox(problem, MB_OK | MB_ICONEXCLAMATION);
    ::SetFocus(::GetDlgItem(m_hWnd, IDC_AUTOFORMAT_NAME));
    return;
  }
  EndDialog(IDOK);
}

// ---- CPageSetupDlg -------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CPageSetupDlg, CDialog)
ON_EN_CHANGE(IDC_MARGIN_TOP, &CPageSetupDlg::OnTopChanged)
ON_EN_CHANGE(IDC_MARGIN_BOTTOM, &CPageSetupDlg::OnBottomChanged)
ON_EN_CHANGE(IDC_MARGIN_LEFT, &CPageSetupDlg::OnLeftChanged)
ON_EN_CHANGE(IDC_MARGIN_RIGHT, &CPageSetupDlg::OnRightChanged)
ON_WM_TIMER()
ON_WM_DESTROY()
ON_BN_CLICKED(IDC_PORTRAIT, &CPageSetupDlg::OnOrientation)
ON_BN_CLICKED(IDC_LANDSCAPE, &CPageSetupDlg::OnOrientation)
ON_CBN_SELCHANGE(IDC_AUTOFORMAT_COMBO, &CPageSetupDlg::OnAutoFormatChosen)
ON_BN_CLICKED(IDC_INCHES, &CPageSetupDlg::OnInches)
ON_BN_CLICKED(IDC_CENTIMETERS, &CPageSetupDlg::OnCentimeters)
ON_BN_CLICKED(IDC_SAVE_AUTOFORMAT, &CPageSetupDlg::OnSaveAutoFormat)
ON_BN_CLICKED(IDC_DELETE_AUTOFORMAT, &CPageSetupDlg::OnDeleteAutoFormat)
ON_BN_CLICKED(IDC_PRINTER_SETUP, &CPageSetupDlg::OnPrinterSetup)
END_MESSAGE_MAP()

CPageSetupDlg::CPageSetupDlg(CWnd* parent)
    : CDialog(IDD_PAGE_SETUP, parent),
      m_ownPrinter(new CAppPageSetupPrinter),
      m_ownFormats(new CRegistryMarginAutoFormats),
      m_printer(m_ownPrinter.get()),
      m_formats(m_ownFormats.get()),
      m_logic(new CPageSetupLogic(*m_printer, *m_formats)) {}

CPageSetupDlg::~CPageSetupDlg() = default;

void CPageSetupDlg::UseServices(IPageSetupPrinter* printer, IMarginAutoFormats* formats) {
  m_printer = printer ? printer : m_ownPrinter.get();
  m_formats = formats ? formats : m_ownFormats.get();
  m_logic.reset(new CPageSetupLogic(*m_printer, *m_formats));
}

BOOL CPageSetupDlg::GetPrintableArea(PageSetupRecord& record) {
  return m_printer->ReadPrintableArea(record) ? TRUE : FALSE;
}

void CPageSetupDlg::ClampMargins(PageSetupRecord& record) {
  m_logic->ClampMargins(record);
}

BOOL CPageSetupDlg::SetPrinterOrientation(BOOL landscape) {
  return m_printer->SetOrientation(landscape != FALSE) ? TRUE : FALSE;
}

void CPageSetupDlg::ApplyAutoFormat(PageSetupRecord& record, int index, BOOL) {
  // A user auto-format is the one the list names at that place now.
  CString name;
  if (index >= PAGE_SETUP_BUILT_IN_FORMATS && m_combo.m_hWnd && index < m_combo.GetCount())
    m_combo.GetLBText(index, name);
  m_logic->ApplyAutoFormat(record, index, name.IsEmpty() ? nullptr : name.GetString());
  m_nOrientation = record.portrait ? 0 : 1;
}

BOOL CPageSetupDlg::OnInitDialog() {
  BusyGuard busy(m_bBusy);
  CDialog::OnInitDialog();
  m_combo.SubclassDlgItem(IDC_AUTOFORMAT_COMBO, this);
  CRealSpinCtrl* spins[4] = {&m_spinTop, &m_spinBottom, &m_spinLeft, &m_spinRight};
  for (int i = 0; i < 4; ++i) {
    spins[i]->SubclassDlgItem(kMarginSpins[i], this);
    spins[i]->SendMessage(UDM_SETBUDDY, (WPARAM)::GetDlgItem(m_hWnd, kMarginEdits[i]));
  }
  CWinApp* app = AfxGetApp();
  m_hPortrait = app ? app->LoadIcon(IDI_PAGE_PORTRAIT) : NULL;
  m_hLandscape = app ? app->LoadIcon(IDI_PAGE_LANDSCAPE) : NULL;
  FillAutoFormats();
  m_logic->ClampMargins(m_record);
  m_opening = m_record;
  UpdateControls();
  EnableDeleteForSelection();
  HWND autoApply = ::GetDlgItem(m_hWnd, IDC_AUTO_APPLY);
  ::ShowWindow(autoApply, SW_HIDE);
  ::EnableWindow(autoApply, FALSE);
  return TRUE;
}

void CPageSetupDlg::FillAutoFormats() {
  BusyGuard busy(m_bBusy);
  m_combo.ResetContent();
  for (const CString& name : m_logic->AutoFormatNames()) m_combo.AddString(name);
}

void CPageSetupDlg::EnableDeleteForSelection() {
  ::EnableWindow(::GetDlgItem(m_hWnd, IDC_DELETE_AUTOFORMAT),
                 m_combo.GetCurSel() >= PAGE_SETUP_BUILT_IN_FORMATS);
}

void CPageSetupDlg::UpdateControls() {
  BusyGuard busy(m_bBusy);
  PageSetupRecord shown = DisplayLengths(m_record);
  double step = m_record.inches ? 0.25 : 0.5;
  CRealSpinCtrl* spins[4] = {&m_spinTop, &m_spinBottom, &m_spinLeft, &m_spinRight};
  for (int i = 0; i < 4; ++i) {
    bool vertical = i < 2;
    double minimum = vertical ? shown.minMarginTopBottom : shown.minMarginLeftRight;
    double paper = vertical ? shown.paperHeight : shown.paperWidth;
    spins[i]->SetDecimals(2);
    spins[i]->SetRangeAndDelta(minimum, paper - 2 * minimum, step);
    spins[i]->SetPos(*MarginOf(shown, i));
    m_written[i] = EditText(m_hWnd, kMarginEdits[i]);
  }
  m_nOrientation = m_record.portrait ? 0 : 1;
  ::CheckRadioButton(m_hWnd, IDC_PORTRAIT, IDC_LANDSCAPE,
                     m_nOrientation == 0 ? IDC_PORTRAIT : IDC_LANDSCAPE);
  m_combo.SetCurSel(m_record.autoFormat);
  ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SAVE_AUTOFORMAT), m_record.autoFormat == -1);
  HICON icon = m_record.portrait ? m_hPortrait : m_hLandscape;
  if (icon)
    ::SendDlgItemMessageA(m_hWnd, IDC_ORIENTATION_PICTURE, STM_SETICON, (WPARAM)icon, 0);
  ::SetDlgItemTextA(m_hWnd, IDC_PAPER_HEIGHT, FormatNumber("%.2f", shown.paperHeight));
  ::SetDlgItemTextA(m_hWnd, IDC_PAPER_WIDTH, FormatNumber("%.2f", shown.paperWidth));
  // The unit radios one by one: their ids enclose the orientation radios' ids.
  ::CheckDlgButton(m_hWnd, IDC_INCHES, m_record.inches ? BST_CHECKED : BST_UNCHECKED);
  ::CheckDlgButton(m_hWnd, IDC_CENTIMETERS, m_record.inches ? BST_UNCHECKED : BST_CHECKED);
}

void CPageSetupDlg::ReadControls() {
  m_nOrientation = ::IsDlgButtonChecked(m_hWnd, IDC_LANDSCAPE) == BST_CHECKED ? 1 : 0;
  m_record.portrait = m_nOrientation == 0;
  // Only the margins come from the edits: paper and offsets are the printer's.
  for (int i = 0; i < 4; ++i) {
    CString text = EditText(m_hWnd, kMarginEdits[i]);
    if (text == m_written[i]) continue;  // as the dialog wrote it: the exact value stays
    double shown = 0.0;
    if (ParseDouble(text, shown) != NumberParse::Ok) continue;  // not a number: unchanged
    *MarginOf(m_record, i) = MarginFromDisplay(m_record, shown);
  }
  m_record.autoFormat = m_combo.GetCurSel();
}

void CPageSetupDlg::SendChanged() {
  CWnd* main = AfxGetMainWnd();
  if (main && main->m_hWnd)
    main->SendMessage(WM_PAGESETUP_CHANGED, (WPARAM) static_cast<CObject*>(this), 0);
}

void CPageSetupDlg::Apply() {
  ReadControls();
  if (m_record.autoFormat >= PAGE_SETUP_BUILT_IN_FORMATS)
    ApplyAutoFormat(m_record, m_record.autoFormat, TRUE);
  else
    m_logic->InitFromPrinter(m_record);
  SendChanged();
}

void CPageSetupDlg::OnMarginChanged(int editId) {
  if (m_bBusy) return;
  DWORD start = 0, end = 0;
  ::SendDlgItemMessageA(m_hWnd, editId, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
  if (start == 0 && end == 0) {
    // The whole text was replaced (a spin click): apply at once.
    MarginApplied();
  } else {
    SetTimer(kTypingTimer, kTypingDelay, nullptr);
  }
}

void CPageSetupDlg::OnTopChanged() { OnMarginChanged(IDC_MARGIN_TOP); }
void CPageSetupDlg::OnBottomChanged() { OnMarginChanged(IDC_MARGIN_BOTTOM); }
void CPageSetupDlg::OnLeftChanged() { OnMarginChanged(IDC_MARGIN_LEFT); }
void CPageSetupDlg::OnRightChanged() { OnMarginChanged(IDC_MARGIN_RIGHT); }

void CPageSetupDlg::OnTimer(UINT_PTR id) {
  if (id != kTypingTimer) return;
  KillTimer(kTypingTimer);
  MarginApplied();
}

void CPageSetupDlg::MarginApplied() {
  KillTimer(kTypingTimer);
  if (m_bBusy) return;
  {
    BusyGuard busy(m_bBusy);
    m_combo.SetCurSel(-1);
  }
  ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SAVE_AUTOFORMAT), TRUE);
  Apply();
}

void CPageSetupDlg::OnDestroy() {
  KillTimer(kTypingTimer);
  CDialog::OnDestroy();
}

void CPageSetupDlg::OnOrientation() {
  if (m_bBusy) return;
  {
    BusyGuard busy(m_bBusy);
    m_combo.SetCurSel(-1);
  }
  ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SAVE_AUTOFORMAT), TRUE);
  Apply();
  UpdateControls();
}

void CPageSetupDlg::OnAutoFormatChosen() {
  if (m_bBusy) return;
  Apply();
  UpdateControls();
  EnableDeleteForSelection();
  ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SAVE_AUTOFORMAT), FALSE);
}

void CPageSetupDlg::OnInches() {
  ReadControls();
  m_record.inches = 1;
  UpdateControls();
}

void CPageSetupDlg::OnCentimeters() {
  ReadControls();
  m_record.inches = 0;
  UpdateControls();
}

void CPageSetupDlg::OnSaveAutoFormat() {
  CAutoFormatNameDlg name(this);
  name.m_check = [this](const char* text) { return m_logic->CheckNewName(text); };
  if (name.DoModal() != IDOK) return;
  ReadControls();
  MarginAutoFormat format;
  format.portrait = m_record.portrait ? 1 : 0;
  format.top = m_record.top;
  format.bottom = m_record.bottom;
  format.left = m_record.left;
  format.right = m_record.right;
  if (!m_formats->Write(name.m_strName, format))
    AfxMessageBox("The Auto-Format could not be saved.", MB_OK | MB_ICONEXCLAMATION);
  FillAutoFormats();
  {
    BusyGuard busy(m_bBusy);
    m_combo.SetCurSel(m_combo.FindStringExact(-1, name.m_strName));
  }
  m_record.autoFormat = m_combo.GetCurSel();
  EnableDeleteForSelection();
}

void CPageSetupDlg::OnDeleteAutoFormat() {
  int selected = m_combo.GetCurSel();
  if (selected < 0) return;
  if (selected < PAGE_SETUP_BUILT_IN_FORMATS) {
    AfxMessageBox("The built-in Auto-Formats cannot be deleted", MB_OK);
    return;
  }
  CString name;
  m_combo.GetLBText(selected, name);
  if (!m_formats->Remove(name)) AfxMessageBox("Error occured while trying to remove the entry", MB_OK);
  FillAutoFormats();
  // The margins stay; they are the user's own now.
  ReadControls();
  m_record.autoFormat = -1;
  UpdateControls();
  EnableDeleteForSelection();
}

void CPageSetupDlg::OnPrinterSetup() {
  CWinApp* app = AfxGetApp();
  if (!app) return;
  PageSetupRecord before = m_record;
  BusyGuard busy(m_bBusy);  // cleared whichever way this ends
  for (;;) {
    CPrintDialog setup(TRUE, PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES |
                                 PD_HIDEPRINTTOFILE);
    INT_PTR result = app->DoPrintDialog(&setup);
    setup.m_pd.hDevMode = NULL;  // the application's now
    setup.m_pd.hDevNames = NULL;
    if (result != IDOK) {
      m_record = before;
      return;
    }
    m_printer->ReadPrintableArea(m_record);
    if (m_record.paperHeight > 0 && m_record.paperWidth > 0) break;
    AfxMessageBox("Please select different paper size settings", MB_OK);
  }
  if (m_record.paperHeight != before.paperHeight || m_record.paperWidth != before.paperWidth ||
      m_record.minMarginLeftRight != before.minMarginLeftRight ||
      m_record.minMarginTopBottom != before.minMarginTopBottom ||
      m_record.portrait != before.portrait)
    m_record.autoFormat = -1;
  m_logic->ClampMargins(m_record);
  UpdateControls();
  m_bBusy = FALSE;
  Apply();
}

void CPageSetupDlg::OnOK() {
  KillTimer(kTypingTimer);
  Apply();
  CDialog::OnOK();
}

void CPageSetupDlg::OnCancel() {
  KillTimer(kTypingTimer);
  m_record = m_opening;
  m_printer->SetOrientation(!m_opening.portrait);
  SendChanged();
  CDialog::OnCancel();
}

#include "framework/win/Printing.h"

#include "framework/win/AfxCore.h"
#include "framework/win/TestSeams.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CDialog)

namespace {
// One of the DEVNAMES strings, at its offset.
CString DevNamesString(HGLOBAL devNames, WORD DEVNAMES::*offset) {
  if (!devNames) return CString();
  auto* names = static_cast<DEVNAMES*>(::GlobalLock(devNames));
  if (!names) return CString();
  CString text(reinterpret_cast<const char*>(names) + names->*offset);
  ::GlobalUnlock(devNames);
  return text;
}
}  // namespace

HDC AfxCreateDC(HGLOBAL devNames, HGLOBAL devMode) {
  if (!devNames) return NULL;
  CString driver = DevNamesString(devNames, &DEVNAMES::wDriverOffset);
  CString device = DevNamesString(devNames, &DEVNAMES::wDeviceOffset);
  CString output = DevNamesString(devNames, &DEVNAMES::wOutputOffset);
  if (device.IsEmpty()) return NULL;
  const DEVMODEA* mode = devMode ? static_cast<const DEVMODEA*>(::GlobalLock(devMode)) : nullptr;
  HDC dc = ::CreateDCA(driver.IsEmpty() ? NULL : driver.GetString(), device,
                       output.IsEmpty() ? NULL : output.GetString(), mode);
  if (mode) ::GlobalUnlock(devMode);
  return dc;
}

CPrintDialog::CPrintDialog(BOOL printSetupOnly, DWORD flags, CWnd* parent) : CDialog(), m_pd() {
  m_pParentWnd = parent;
  m_pd.lStructSize = sizeof(m_pd);
  m_pd.Flags = flags;
  if (printSetupOnly)
    m_pd.Flags |= PD_PRINTSETUP;
  else
    m_pd.Flags |= PD_RETURNDC;
  m_pd.nCopies = 1;
  m_pd.nFromPage = m_pd.nToPage = 1;
  m_pd.nMinPage = 1;
  m_pd.nMaxPage = 0xFFFF;
}

CPrintDialog::~CPrintDialog() {
  // The printer DC belongs to the dialog until someone takes it (m_pd.hDC = NULL).
  if (m_pd.hDC) ::DeleteDC(m_pd.hDC);
}

INT_PTR CPrintDialog::DoModal() {
  CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
  m_pd.hwndOwner = owner ? owner->m_hWnd : NULL;
  if (m_pd.hDC) {
    ::DeleteDC(m_pd.hDC);
    m_pd.hDC = NULL;
  }
  return AfxRunPrintDialog(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults() {
  DWORD saved = m_pd.Flags;
  m_pd.Flags |= PD_RETURNDEFAULT;
  m_pd.Flags &= ~static_cast<DWORD>(PD_PRINTSETUP);
  // PD_RETURNDEFAULT wants both handles empty.
  m_pd.hDevMode = NULL;
  m_pd.hDevNames = NULL;
  m_pd.hwndOwner = NULL;
  BOOL ok = AfxRunPrintDialog(&m_pd);
  m_pd.Flags = saved;
  return ok && m_pd.hDevNames != NULL;
}

LPDEVMODEA CPrintDialog::GetDevMode() const {
  return m_pd.hDevMode ? static_cast<LPDEVMODEA>(::GlobalLock(m_pd.hDevMode)) : nullptr;
}

CString CPrintDialog::GetDriverName() const {
  return DevNamesString(m_pd.hDevNames, &DEVNAMES::wDriverOffset);
}

CString CPrintDialog::GetDeviceName() const {
  return DevNamesString(m_pd.hDevNames, &DEVNAMES::wDeviceOffset);
}

CString CPrintDialog::GetPortName() const {
  return DevNamesString(m_pd.hDevNames, &DEVNAMES::wOutputOffset);
}

HDC CPrintDialog::CreatePrinterDC() {
  if (m_pd.hDC) ::DeleteDC(m_pd.hDC);
  m_pd.hDC = AfxCreateDC(m_pd.hDevNames, m_pd.hDevMode);
  return m_pd.hDC;
}

CPrintInfo::CPrintInfo() : m_pPD(new CPrintDialog(FALSE)) {
  SetMinPage(1);
  SetMaxPage(0xFFFF);
  m_pPD->m_pd.nFromPage = 1;
  m_pPD->m_pd.nToPage = 0xFFFF;
}

CPrintInfo::~CPrintInfo() {
  // The printer handles belong to the application; only the DC is the dialog's.
  if (m_pPD) {
    m_pPD->m_pd.hDevMode = NULL;
    m_pPD->m_pd.hDevNames = NULL;
  }
  delete m_pPD;
}

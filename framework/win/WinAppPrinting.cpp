// The application's printer: the default printer, the print dialogs and printer DCs.
#include "framework/win/DeviceContext.h"
#include "framework/win/Printing.h"
#include "framework/win/WinApp.h"

void CWinApp::SelectPrinter(HGLOBAL devNames, HGLOBAL devMode, BOOL freeOld) {
  if (freeOld) {
    if (m_hDevNames && m_hDevNames != devNames) ::GlobalFree(m_hDevNames);
    if (m_hDevMode && m_hDevMode != devMode) ::GlobalFree(m_hDevMode);
  }
  m_hDevNames = devNames;
  m_hDevMode = devMode;
}

void CWinApp::UpdatePrinterSelection(BOOL forceDefaults) {
  if (m_hDevNames && !forceDefaults) return;
  CPrintDialog dialog(FALSE);
  if (dialog.GetDefaults()) {
    if (dialog.m_pd.hDC) {
      ::DeleteDC(dialog.m_pd.hDC);
      dialog.m_pd.hDC = NULL;
    }
    SelectPrinter(dialog.m_pd.hDevNames, dialog.m_pd.hDevMode, TRUE);
  } else {
    if (dialog.m_pd.hDevNames) ::GlobalFree(dialog.m_pd.hDevNames);
    if (dialog.m_pd.hDevMode) ::GlobalFree(dialog.m_pd.hDevMode);
  }
  dialog.m_pd.hDevNames = NULL;
  dialog.m_pd.hDevMode = NULL;
}

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLGA* pd) {
  UpdatePrinterSelection(m_hDevNames == nullptr);
  if (!m_hDevNames) return FALSE;
  if (pd) {
    pd->hDevNames = m_hDevNames;
    pd->hDevMode = m_hDevMode;
  }
  return TRUE;
}

BOOL CWinApp::CreatePrinterDC(CDC& dc) {
  if (!GetPrinterDeviceDefaults(nullptr)) return FALSE;
  HDC printer = AfxCreateDC(m_hDevNames, m_hDevMode);
  if (!printer) return FALSE;
  dc.Attach(printer);
  dc.m_bPrinting = TRUE;
  return TRUE;
}

INT_PTR CWinApp::DoPrintDialog(CPrintDialog* pd) {
  UpdatePrinterSelection(FALSE);
  pd->m_pd.hDevMode = m_hDevMode;
  pd->m_pd.hDevNames = m_hDevNames;
  INT_PTR result = pd->DoModal();
  // The dialog may have replaced the blocks; whatever it holds now is the application's.
  SelectPrinter(pd->m_pd.hDevNames, pd->m_pd.hDevMode, FALSE);
  return result;
}

void CWinApp::OnFilePrintSetup() {
  CPrintDialog dialog(TRUE);
  DoPrintDialog(&dialog);
  dialog.m_pd.hDevMode = NULL;
  dialog.m_pd.hDevNames = NULL;
}

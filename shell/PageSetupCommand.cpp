// File > Page Setup: the dialog on the application's record, read from the printer first.
#include "shell/KelStrengthApp.h"
#include "shell/PageSetupDlg.h"

void CKelStrengthApp::OnFilePageSetup() {
  CPageSetupDlg dialog(nullptr);
  dialog.GetPrintableArea(m_pageSetup);
  dialog.ClampMargins(m_pageSetup);
  dialog.m_record = m_pageSetup;
  // The dialog sends each change to the main window itself; the result is not needed.
  dialog.DoModal();
}

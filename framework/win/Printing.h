// Printing: the print dialog over the application's printer, and CPrintInfo, what a view's
// printing protocol passes from OnPreparePrinting to OnEndPrinting.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include "framework/base/CString.h"
#include "framework/win/Dialog.h"
#include "framework/win/Geometry.h"

class CDC;

// The system's print and print set-up dialog, through the print-dialog seam.
class CPrintDialog : public CDialog {
  DECLARE_DYNAMIC(CPrintDialog)
 public:
  explicit CPrintDialog(BOOL printSetupOnly,
                        DWORD flags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                      PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                        CWnd* parent = NULL);
  ~CPrintDialog() override;

  INT_PTR DoModal() override;  // IDOK or IDCANCEL
  // The default printer without showing anything: fills hDevMode/hDevNames (and hDC with
  // PD_RETURNDC). FALSE when there is no printer.
  BOOL GetDefaults();

  // The chosen printer (valid after OK or GetDefaults).
  LPDEVMODEA GetDevMode() const;  // locked: call ::GlobalUnlock(m_pd.hDevMode) when done
  CString GetDriverName() const;
  CString GetDeviceName() const;
  CString GetPortName() const;
  // A device context for the chosen printer (the caller deletes it); NULL on failure.
  HDC CreatePrinterDC();
  HDC GetPrinterDC() const { return m_pd.hDC; }

  PRINTDLGA m_pd;
};

// Creates a printer DC from DEVNAMES and DEVMODE handles (either may be NULL for the DEVMODE);
// NULL on failure.
HDC AfxCreateDC(HGLOBAL devNames, HGLOBAL devMode);

class CPrintInfo {
 public:
  CPrintInfo();
  ~CPrintInfo();
  CPrintInfo(const CPrintInfo&) = delete;
  CPrintInfo& operator=(const CPrintInfo&) = delete;

  void SetMinPage(UINT page) { m_pPD->m_pd.nMinPage = (WORD)page; }
  void SetMaxPage(UINT page) { m_pPD->m_pd.nMaxPage = (WORD)page; }
  UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
  UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
  UINT GetFromPage() const { return m_pPD->m_pd.nFromPage; }
  UINT GetToPage() const { return m_pPD->m_pd.nToPage; }
  UINT GetOffsetPage() const { return 0; }

  CPrintDialog* m_pPD;         // the dialog (and the chosen printer's DC)
  BOOL m_bDirect = FALSE;      // print without the dialog, to the default printer
  BOOL m_bPreview = FALSE;     // for print preview
  BOOL m_bContinuePrinting = TRUE;
  UINT m_nCurPage = 1;
  UINT m_nNumPreviewPages = 1;
  CString m_strPageDesc;
  LPVOID m_lpUserData = nullptr;
  CRect m_rectDraw;  // the printable area of the page, in logical units
};

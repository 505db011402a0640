// The view's printing protocol and the print commands.
#include "framework/win/AfxCore.h"
#include "framework/win/DeviceContext.h"
#include "framework/win/Document.h"
#include "framework/win/FrameworkIds.h"
#include "framework/win/PrintPreview.h"
#include "framework/win/Printing.h"
#include "framework/win/View.h"
#include "framework/win/WinApp.h"

BOOL CView::OnPreparePrinting(CPrintInfo* info) {
  return DoPreparePrinting(info);
}

BOOL CView::DoPreparePrinting(CPrintInfo* info) {
  CWinApp* app = AfxGetApp();
  if (!app || !info) return FALSE;
  PRINTDLGA& pd = info->m_pPD->m_pd;
  if (!app->GetPrinterDeviceDefaults(&pd)) {
    AfxMessageBox(AFX_IDP_NO_PRINTER, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  if (info->m_bPreview || info->m_bDirect) {
    if (!info->m_pPD->CreatePrinterDC()) {
      AfxMessageBox(AFX_IDP_NO_PRINTER, MB_OK | MB_ICONEXCLAMATION);
      return FALSE;
    }
    pd.nFromPage = (WORD)info->GetMinPage();
    pd.nToPage = (WORD)info->GetMaxPage();
    return TRUE;
  }
  if (pd.nFromPage < pd.nMinPage) pd.nFromPage = pd.nMinPage;
  if (pd.nToPage > pd.nMaxPage || pd.nToPage < pd.nFromPage) pd.nToPage = pd.nMaxPage;
  if (app->DoPrintDialog(info->m_pPD) != IDOK) return FALSE;
  if (!pd.hDC && !info->m_pPD->CreatePrinterDC()) {
    AfxMessageBox(AFX_IDP_NO_PRINTER, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  return TRUE;
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrepareDC(CDC*, CPrintInfo* info) {
  // A job without a known page count prints one page.
  if (info) info->m_bContinuePrinting = info->GetMaxPage() != 0xFFFF || info->m_nCurPage == 1;
}

void CView::OnPrint(CDC* dc, CPrintInfo*) {
  OnDraw(dc);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

void CView::OnFilePrint() {
  CPrintInfo info;
  const MSG* msg = GetCurrentMessage();
  if (msg && msg->message == WM_COMMAND && LOWORD(msg->wParam) == ID_FILE_PRINT_DIRECT)
    info.m_bDirect = TRUE;
  if (!OnPreparePrinting(&info)) return;
  HDC printer = info.m_pPD->m_pd.hDC;
  if (!printer) return;
  info.m_pPD->m_pd.hDC = NULL;
  CDC dc;
  dc.Attach(printer);
  dc.m_bPrinting = TRUE;

  CString title = m_pDocument ? m_pDocument->GetTitle() : GetWindowText();
  if (title.IsEmpty() && AfxGetApp() && AfxGetApp()->m_pszAppName) title = AfxGetApp()->m_pszAppName;
  DOCINFOA doc = {};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = title;

  UINT first = info.GetMinPage(), last = info.GetMaxPage();
  const PRINTDLGA& pd = info.m_pPD->m_pd;
  if (!info.m_bDirect && (pd.Flags & PD_PAGENUMS)) {
    first = pd.nFromPage;
    last = pd.nToPage;
  }
  OnBeginPrinting(&dc, &info);
  BOOL failed = FALSE;
  if (dc.StartDoc(&doc) <= 0) {
    failed = TRUE;
  } else {
    try {
      for (UINT page = first; page <= last; ++page) {
        info.m_nCurPage = page;
        info.m_bContinuePrinting = TRUE;
        OnPrepareDC(&dc, &info);
        if (!info.m_bContinuePrinting) break;
        if (dc.StartPage() <= 0) {
          failed = TRUE;
          break;
        }
        // StartPage may reset the context's attributes: prepare it again.
        OnPrepareDC(&dc, &info);
        info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        dc.DPtoLP(&info.m_rectDraw);
        OnPrint(&dc, &info);
        if (dc.EndPage() <= 0) {
          failed = TRUE;
          break;
        }
        if (page == 0xFFFF) break;
      }
    } catch (...) {
      dc.AbortDoc();
      OnEndPrinting(&dc, &info);
      throw;
    }
    if (failed)
      dc.AbortDoc();
    else
      dc.EndDoc();
  }
  OnEndPrinting(&dc, &info);
  if (failed) AfxMessageBox(AFX_IDP_PRINT_FAILED, MB_OK | MB_ICONEXCLAMATION);
}

void CView::OnFilePrintPreview() {
  CPrintPreviewState* state = new CPrintPreviewState;
  if (!DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, this, RUNTIME_CLASS(CPreviewView), state)) {
    if (!state->bAlreadyReported) AfxMessageBox(AFX_IDP_COMMAND_FAILURE, MB_OK | MB_ICONEXCLAMATION);
    delete state;
  }
}

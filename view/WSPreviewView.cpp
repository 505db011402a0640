#include "view/WSPreviewView.h"

#include "framework/win/FrameWnd.h"
#include "framework/win/FrameworkIds.h"
#include "framework/win/Menu.h"
#include "framework/win/WinApp.h"

IMPLEMENT_DYNCREATE(CWSPreviewView, CPreviewView)

BEGIN_MESSAGE_MAP(CWSPreviewView, CPreviewView)
ON_WM_ERASEBKGND()
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

void CWSPreviewView::OnPrepareDC(CDC* dc, CPrintInfo* info) {
  // Page Setup may have turned the application's printer: then the preview's printer takes its
  // settings and every page is measured and placed again.
  CWinApp* app = AfxGetApp();
  CDC current;
  if (app && m_pPreviewDC && m_pPreviewDC->m_hAttribDC && app->CreatePrinterDC(current) &&
      current.GetDeviceCaps(PHYSICALWIDTH) !=
          ::GetDeviceCaps(m_pPreviewDC->m_hAttribDC, PHYSICALWIDTH)) {
    PRINTDLGA pd = {};
    if (app->GetPrinterDeviceDefaults(&pd) && pd.hDevMode) {
      auto* mode = static_cast<const DEVMODEA*>(::GlobalLock(pd.hDevMode));
      if (mode && m_dcPrint.ResetDC(mode)) {
        m_pPreviewDC->ReleaseAttribDC();
        m_pPreviewDC->SetAttribDC(m_dcPrint.m_hDC);
        for (UINT i = 0; m_pPageInfo && i < m_nPages; ++i)
          m_pPageInfo[i].sizeScaleRatio = CSize(0, 0);
      }
      ::GlobalUnlock(pd.hDevMode);
    }
  }
  CPreviewView::OnPrepareDC(dc, info);
}

void CWSPreviewView::OnDraw(CDC* dc) {
  if (!m_pPreviewDC || !m_pPreviewDC->m_hAttribDC) return;
  RECT client;
  GetClientRect(&client);
  if (client.right <= 0 || client.bottom <= 0) return;
  CDC memory;
  if (!memory.CreateCompatibleDC(dc)) {
    CPreviewView::OnDraw(dc);
    return;
  }
  CBitmap bitmap;
  if (!bitmap.CreateCompatibleBitmap(dc, client.right, client.bottom)) {
    CPreviewView::OnDraw(dc);
    return;
  }
  CBitmap* old = memory.SelectObject(&bitmap);
  CPreviewView::OnDraw(&memory);
  dc->BitBlt(0, 0, client.right, client.bottom, &memory, 0, 0, SRCCOPY);
  memory.SelectObject(old);
}

BOOL CWSPreviewView::OnEraseBkgnd(CDC*) {
  return FALSE;  // the painting covers everything
}

HMENU CWSPreviewView::CreateContextMenu() {
  HMENU menu = ::CreatePopupMenu();
  if (!menu) return NULL;
  ::AppendMenuA(menu, MF_STRING, ID_FILE_PAGE_SETUP, "Page Set&up...");
  ::AppendMenuA(menu, MF_STRING, AFX_ID_PREVIEW_PRINT, "&Print...");
  ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuA(menu, MF_STRING, AFX_ID_PREVIEW_CLOSE, "&Close");
  return menu;
}

void CWSPreviewView::OnContextMenu(CWnd*, CPoint point) {
  CMenu menu;
  menu.Attach(CreateContextMenu());
  if (!menu.m_hMenu) return;
  // A click outside the window (from the keyboard) opens it at the view's corner.
  if (point.x == -1 && point.y == -1) {
    point = CPoint(0, 0);
    ClientToScreen(&point);
  }
  CWnd* owner = GetParentFrame();
  menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, owner ? owner : this);
}

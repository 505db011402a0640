// Printing a project: one page with the shown charts and the results text laid out as on a
// window of the printable area's size, fitted isotropically inside the page set-up's margins,
// the envelopes sampled more finely on a sharper printer. Print preview shows the same page.
#include "document/KelStrengthDoc.h"
#include "framework/win/AfxCore.h"
#include "framework/win/DeviceContext.h"
#include "framework/win/FrameworkIds.h"
#include "framework/win/PrintPreview.h"
#include "framework/win/Printing.h"
#include "res/ReportResources.h"
#include "shell/KelStrengthApp.h"
#include "shell/PageSetupDlg.h"
#include "view/KelStrengthView.h"
#include "view/PrintLayout.h"
#include "view/WSPreviewView.h"

using namespace qxchart;

namespace {
// The application's page set-up brought up to date with the default printer: its printable
// area read (without a printer the record stays as it is) and the margins kept inside it.
void RefreshPageSetup() {
  CKelStrengthApp* app = GetKelStrengthApp();
  if (!app) return;
  CPageSetupDlg setup(nullptr);
  setup.GetPrintableArea(app->m_pageSetup);
  setup.ClampMargins(app->m_pageSetup);
}

PrintPage PageOf(const PageSetupRecord& r) {
  PrintPage page;
  page.paperWidth = r.paperWidth;
  page.paperHeight = r.paperHeight;
  page.left = r.left;
  page.top = r.top;
  page.right = r.right;
  page.bottom = r.bottom;
  page.minLeftRight = r.minMarginLeftRight;
  page.minTopBottom = r.minMarginTopBottom;
  return page;
}

// The page laid out for a printer of the given resolution, in the screen pixels of this view.
PrintLayout LayoutOnPrinter(CKelStrengthView* view, HDC printer) {
  CKelStrengthApp* app = GetKelStrengthApp();
  PageSetupRecord record = app ? app->m_pageSetup : PageSetupRecord();
  CClientDC screen(view);
  return ComputePrintLayout(PageOf(record), ::GetDeviceCaps(printer, LOGPIXELSX),
                            ::GetDeviceCaps(printer, LOGPIXELSY), screen.GetDeviceCaps(LOGPIXELSX),
                            screen.GetDeviceCaps(LOGPIXELSY), view->GetPlotPointCount());
}

// The view lent to a page: it gets its place and the screen's point count back whatever
// happens while the page is drawn.
class CPrintedViewGuard {
 public:
  explicit CPrintedViewGuard(CKelStrengthView* view) : m_view(view) {
    ::GetWindowRect(view->m_hWnd, &m_rect);
    HWND parent = ::GetParent(view->m_hWnd);
    ::MapWindowPoints(NULL, parent, reinterpret_cast<POINT*>(&m_rect), 2);
  }
  ~CPrintedViewGuard() {
    m_view->m_nPointCountOverride = -1;
    m_view->MoveWindow(m_rect.left, m_rect.top, m_rect.right - m_rect.left,
                       m_rect.bottom - m_rect.top, TRUE);
  }
  CPrintedViewGuard(const CPrintedViewGuard&) = delete;
  CPrintedViewGuard& operator=(const CPrintedViewGuard&) = delete;

 private:
  CKelStrengthView* m_view;
  RECT m_rect;
};
// The data-type icons on a printer: printer drivers draw no transparent pictures (the mask
// comes out black), so each icon goes onto the page as a plain picture on white paper.
void DrawDataMarkersOnPaper(CKelStrengthView* view, CDC* dc) {
  RECT client;
  view->GetClientRect(&client);
  if (client.right <= 0 || client.bottom <= 0) return;
  CDC memory;
  CBitmap bitmap;
  CClientDC screen(view);
  if (!memory.CreateCompatibleDC(&screen) ||
      !bitmap.CreateCompatibleBitmap(&screen, client.right, client.bottom))
    return;
  CBitmap* old = memory.SelectObject(&bitmap);
  memory.FillSolidRect(&client, RGB(255, 255, 255));
  view->DrawDataMarkers(&memory);
  const int size = IconPlacement::kSize;
  for (int i = 0; i < 2; ++i) {
    if (!view->Icons().Drawn(i)) continue;
    const IconPoint at = view->Icons().DrawAt(i);
    dc->StretchBlt(at.x, at.y, size, size, &memory, at.x, at.y, size, size, SRCCOPY);
  }
  memory.SelectObject(old);
}
}  // namespace

BOOL CKelStrengthView::OnPreparePrinting(CPrintInfo* info) {
  info->SetMaxPage(1);
  if (!DoPreparePrinting(info)) return FALSE;
  // A page without room is refused here, once, before a job or a preview starts: printed it
  // would come out blank, and the preview asks for its page on every repaint.
  HDC printer = info->m_pPD->m_pd.hDC;
  if (printer && !LayoutOnPrinter(this, printer).valid) {
    AfxMessageBox("The page has no room inside its margins: change them in Page Setup.",
                  MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  return TRUE;
}

void CKelStrengthView::OnBeginPrinting(CDC* dc, CPrintInfo* info) {
  CView::OnBeginPrinting(dc, info);
}

void CKelStrengthView::OnEndPrinting(CDC*, CPrintInfo*) {}

void CKelStrengthView::OnPrint(CDC* dc, CPrintInfo*) {
  m_nPointCountOverride = -1;
  // A page without room was refused before the job; a preview whose page set-up is changed
  // meanwhile shows it empty.
  const PrintLayout layout = LayoutOnPrinter(this, dc->m_hAttribDC);
  if (!layout.valid) return;
  CPrintedViewGuard guard(this);
  m_nPointCountOverride = layout.pointCountOverride;

  // Logical units are screen pixels of a window the size of the printable area.
  dc->SetMapMode(MM_ISOTROPIC);
  dc->SetWindowOrg(0, 0);
  dc->SetWindowExt(layout.screenWidth, layout.screenHeight);
  dc->SetViewportExt(layout.printerWidth, layout.printerHeight);
  dc->SetViewportOrg(layout.viewportX, layout.viewportY);

  // The view takes the page's size: its plots are placed and rebuilt for it.
  SetWindowPos(nullptr, 0, 0, layout.screenWidth, layout.screenHeight,
               SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
  ArrangePlots();

  const struct {
    CChart2D* chart;
    bool shown;
  } plots[] = {{&m_principalChart, m_state.showPrincipalPlot},
               {&m_shearChart, m_state.showShearPlot}};
  for (const auto& plot : plots) {
    Chart* chart = plot.chart->GetChart();
    if (!plot.shown || !chart || !plot.chart->m_hWnd) continue;
    RECT place;
    ::GetWindowRect(plot.chart->m_hWnd, &place);
    ::MapWindowPoints(NULL, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
    CRect device(place);
    dc->LPtoDP(&device);
    if (device.Width() > 0 && device.Height() > 0)
      chart->DrawToDC(dc->m_hDC, 3, kDrawDeviceUnits, device.left, device.top, device.Width(),
                      device.Height());
  }
  DrawResultsText(dc);
  if (::GetObjectType(dc->m_hDC) == OBJ_DC)
    DrawDataMarkersOnPaper(this, dc);
  else
    DrawDataMarkers(dc);  // a preview's recording keeps the icons' transparency
}

void CKelStrengthView::OnFilePrint() {
  RefreshPageSetup();
  CView::OnFilePrint();
}

void CKelStrengthView::OnFilePrintPreview() {
  RefreshPageSetup();
  CPrintPreviewState* state = new CPrintPreviewState;
  if (!DoPrintPreview(IDD_PREVIEW_TOOLBAR, this, RUNTIME_CLASS(CWSPreviewView), state)) {
    // Without a printer the reason has been given already.
    if (!state->bAlreadyReported) AfxMessageBox(AFX_IDP_COMMAND_FAILURE, MB_OK | MB_ICONEXCLAMATION);
    delete state;
  }
}

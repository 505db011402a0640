#include "framework/win/PrintPreview.h"

#include <algorithm>

#include "framework/win/AfxCore.h"
#include "framework/win/CmdUI.h"
#include "framework/win/ControlBar.h"
#include "framework/win/DialogBar.h"
#include "framework/win/FrameWnd.h"
#include "framework/win/MDIFrames.h"

IMPLEMENT_DYNCREATE(CPreviewView, CView)

BEGIN_MESSAGE_MAP(CPreviewView, CView)
ON_COMMAND(AFX_ID_PREVIEW_CLOSE, &CPreviewView::OnPreviewClose)
ON_COMMAND(AFX_ID_PREVIEW_PRINT, &CPreviewView::OnPreviewPrint)
ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, &CPreviewView::OnZoomIn)
ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, &CPreviewView::OnZoomOut)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, &CPreviewView::OnUpdateZoomIn)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, &CPreviewView::OnUpdateZoomOut)
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

namespace {
// Space around the page and the depth of its shadow, in screen pixels.
const int kGap = 12;
const int kShadow = 4;
// How much larger than the whole page the zoomed-in steps show it.
const int kZoomFactor[] = {1, 2, 3};

void ClosePreviewOfFrame(CFrameWnd* frame) {
  CView* view = frame ? frame->GetActiveView() : nullptr;
  if (view && view->IsKindOf(RUNTIME_CLASS(CPreviewView)))
    static_cast<CPreviewView*>(view)->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE, 0);
}
}  // namespace

// ---- the frame's side ----------------------------------------------------------------------

void CFrameWnd::OnSetPreviewMode(BOOL preview, CPrintPreviewState* state) {
  if (!state) return;
  if (preview) {
    if (m_pPreviewState) return;
    state->bars.clear();
    for (CControlBar* bar : m_listControlBars) {
      if (!bar || !bar->m_hWnd) continue;
      BOOL visible = (bar->GetStyle() & WS_VISIBLE) != 0;
      state->bars.emplace_back(bar, visible);
      if (visible) ::ShowWindow(bar->m_hWnd, SW_HIDE);
    }
    state->hMenu = ::GetMenu(m_hWnd);
    if (state->hMenu) ::SetMenu(m_hWnd, NULL);
    state->hAccelTable = m_hAccelTable;
    m_hAccelTable = nullptr;
    // The main pane steps aside: the preview takes its id, and so its place in the layout.
    state->hWndMainPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    if (state->hWndMainPane) {
      ::SetWindowLongPtrA(state->hWndMainPane, GWLP_ID, AFX_IDW_PANE_LAST);
      ::ShowWindow(state->hWndMainPane, SW_HIDE);
    }
    state->pViewActiveOld = m_pViewActive;
    m_pPreviewState = state;
    return;
  }
  if (m_pPreviewState != state) return;
  m_pPreviewState = nullptr;
  if (state->hWndMainPane && ::IsWindow(state->hWndMainPane)) {
    ::SetWindowLongPtrA(state->hWndMainPane, GWLP_ID, AFX_IDW_PANE_FIRST);
    ::ShowWindow(state->hWndMainPane, SW_SHOWNA);
  }
  m_hAccelTable = state->hAccelTable;
  if (state->hMenu) ::SetMenu(m_hWnd, state->hMenu);
  for (auto& entry : state->bars) {
    // A bar destroyed meanwhile has left the frame's list.
    if (std::find(m_listControlBars.begin(), m_listControlBars.end(), entry.first) ==
        m_listControlBars.end())
      continue;
    if (entry.second && entry.first->m_hWnd) ::ShowWindow(entry.first->m_hWnd, SW_SHOWNA);
  }
  m_pViewActive = state->pViewActiveOld;
  RecalcLayout();
  ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

// ---- the view's side -----------------------------------------------------------------------

BOOL CView::DoPrintPreview(UINT idDlgBar, CView* printView, CRuntimeClass* previewViewClass,
                           CPrintPreviewState* state) {
  if (!printView || !previewViewClass || !state || !printView->m_hWnd) return FALSE;
  CFrameWnd* child = printView->GetParentFrame();
  CFrameWnd* frame = child ? child->GetTopLevelFrame() : nullptr;
  if (!frame || frame->IsInPreviewMode()) return FALSE;
  CObject* object = previewViewClass->CreateObject();
  if (!object) return FALSE;
  if (!object->IsKindOf(RUNTIME_CLASS(CPreviewView))) {
    delete object;
    return FALSE;
  }
  CPreviewView* view = static_cast<CPreviewView*>(object);
  view->m_pPreviewFrame = frame;
  // The printer first: without one nothing on the screen changes.
  if (!view->SetPrintView(printView)) {
    state->bAlreadyReported = TRUE;
    delete view;
    return FALSE;
  }
  frame->OnSetPreviewMode(TRUE, state);
  CDialogBar* bar = new CDialogBar;
  bar->m_bAutoDelete = TRUE;
  if (!bar->Create(frame, idDlgBar, CBRS_TOP | WS_VISIBLE, AFX_IDW_PREVIEW_BAR)) {
    delete bar;
    frame->OnSetPreviewMode(FALSE, state);
    delete view;
    return FALSE;
  }
  view->m_pToolBar = bar;
  CRect none(0, 0, 0, 0);
  if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, none, frame,
                    AFX_IDW_PANE_FIRST, nullptr)) {
    // A view that failed to create has deleted itself.
    bar->DestroyWindow();
    frame->OnSetPreviewMode(FALSE, state);
    return FALSE;
  }
  view->m_pPreviewState = state;
  state->lpfnCloseProc = ClosePreviewOfFrame;
  frame->SetActiveView(view, FALSE);
  frame->RecalcLayout();
  view->UpdateScrollBars();
  ::SetFocus(view->m_hWnd);
  ::RedrawWindow(frame->m_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return TRUE;
}

void CView::OnEndPrintPreview(CDC* dc, CPrintInfo* info, POINT, CPreviewView* view) {
  OnEndPrinting(dc, info);
  if (view) view->ClosePreview();
}

// ---- CPreviewView --------------------------------------------------------------------------

CPreviewView::CPreviewView() = default;

CPreviewView::~CPreviewView() {
  ClearPages();
  delete[] m_pPageInfo;
  if (m_pPreviewDC) {
    m_pPreviewDC->ReleaseAttribDC();
    m_pPreviewDC->ReleaseOutputDC();
    delete m_pPreviewDC;
  }
  delete m_pPreviewInfo;
  delete m_pPreviewState;
}

BOOL CPreviewView::SetPrintView(CView* printView) {
  m_pPrintView = printView;
  delete m_pPreviewInfo;
  m_pPreviewInfo = new CPrintInfo;
  m_pPreviewInfo->m_bPreview = TRUE;
  if (!printView->OnPreparePrinting(m_pPreviewInfo)) return FALSE;
  HDC printer = m_pPreviewInfo->m_pPD->m_pd.hDC;
  if (!printer) return FALSE;
  m_pPreviewInfo->m_pPD->m_pd.hDC = NULL;
  m_dcPrint.Attach(printer);
  m_dcPrint.m_bPrinting = TRUE;
  m_pPreviewDC = new CDC;
  m_pPreviewDC->SetAttribDC(printer);
  m_pPreviewDC->m_bPrinting = TRUE;
  m_nPages = 1;
  delete[] m_pPageInfo;
  m_pPageInfo = new PAGE_INFO[m_nPages];
  printView->OnBeginPrinting(&m_dcPrint, m_pPreviewInfo);
  return TRUE;
}

void CPreviewView::ClearPages() {
  for (UINT i = 0; m_pPageInfo && i < m_nPages; ++i) m_pPageInfo[i].sizeScaleRatio = CSize(0, 0);
}

void CPreviewView::OnPrepareDC(CDC*, CPrintInfo*) {
  if (!m_pPreviewDC || !m_pPreviewDC->m_hAttribDC || !m_pPageInfo || !m_hWnd) return;
  HDC printer = m_pPreviewDC->m_hAttribDC;
  CSize paper(::GetDeviceCaps(printer, PHYSICALWIDTH), ::GetDeviceCaps(printer, PHYSICALHEIGHT));
  int printerX = ::GetDeviceCaps(printer, LOGPIXELSX), printerY = ::GetDeviceCaps(printer, LOGPIXELSY);
  if (paper.cx <= 0 || paper.cy <= 0 || printerX <= 0 || printerY <= 0) return;
  HDC screen = ::GetDC(m_hWnd);
  int screenX = ::GetDeviceCaps(screen, LOGPIXELSX), screenY = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(m_hWnd, screen);
  CRect client;
  ::GetClientRect(m_hWnd, &client);
  bool placed = false;
  for (UINT i = 0; i < m_nPages; ++i) {
    PAGE_INFO& page = m_pPageInfo[i];
    if (page.sizeScaleRatio.cx != 0) continue;
    // The paper at the screen's resolution, then the largest scale at which it fits the view
    // (whole page), times the zoom step.
    double naturalW = (double)paper.cx * screenX / printerX;
    double naturalH = (double)paper.cy * screenY / printerY;
    double fit = std::min((client.Width() - 2.0 * kGap - kShadow) / naturalW,
                          (client.Height() - 2.0 * kGap - kShadow) / naturalH);
    fit = std::max(fit, 0.05);
    double scale = fit * kZoomFactor[std::min(std::max(m_nZoomState, 0), (int)ZOOM_MAX)];
    int width = std::max(1, (int)(naturalW * scale));
    int height = std::max(1, (int)(naturalH * scale));
    page.sizeScaleRatio = CSize(width, paper.cx);
    page.rectScreen = CRect(kGap, kGap, kGap + width, kGap + height);
    placed = true;
  }
  if (placed) {
    // A page narrower than the view is centred.
    CSize total = GetTotalSize();
    for (UINT i = 0; i < m_nPages; ++i) {
      PAGE_INFO& page = m_pPageInfo[i];
      int width = page.rectScreen.Width(), height = page.rectScreen.Height();
      int left = std::max(kGap, (client.Width() - width) / 2);
      int top = std::max(kGap, (client.Height() - height) / 2);
      if (total.cx > client.Width()) left = kGap;
      if (total.cy > client.Height()) top = kGap;
      page.rectScreen = CRect(left, top, left + width, top + height);
    }
    UpdateScrollBars();
    // Pages placed anew: all of the view shows them, not only the part being painted.
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
  }
}

CSize CPreviewView::GetTotalSize() const {
  CSize total(0, 0);
  for (UINT i = 0; m_pPageInfo && i < m_nPages; ++i) {
    total.cx = std::max<LONG>(total.cx, m_pPageInfo[i].rectScreen.Width() + 2 * kGap + kShadow);
    total.cy = std::max<LONG>(total.cy, m_pPageInfo[i].rectScreen.Height() + 2 * kGap + kShadow);
  }
  return total;
}

void CPreviewView::UpdateScrollBars() {
  if (!m_hWnd) return;
  CRect client;
  ::GetClientRect(m_hWnd, &client);
  CSize total = GetTotalSize();
  m_ptScroll.x = std::max(0L, std::min(m_ptScroll.x, total.cx - client.Width()));
  m_ptScroll.y = std::max(0L, std::min(m_ptScroll.y, total.cy - client.Height()));
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMax = total.cx - 1;
  si.nPage = (UINT)std::max(0, client.Width());
  si.nPos = m_ptScroll.x;
  ::SetScrollInfo(m_hWnd, SB_HORZ, &si, TRUE);
  si.nMax = total.cy - 1;
  si.nPage = (UINT)std::max(0, client.Height());
  si.nPos = m_ptScroll.y;
  ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
}

HENHMETAFILE CPreviewView::RecordPage(UINT index) {
  HDC printer = m_pPreviewDC ? m_pPreviewDC->m_hAttribDC : NULL;
  if (!printer || !m_pPrintView || !::IsWindow(m_pPrintView->m_hWnd)) return NULL;
  int dotsX = ::GetDeviceCaps(printer, HORZRES), dotsY = ::GetDeviceCaps(printer, VERTRES);
  int dpiX = ::GetDeviceCaps(printer, LOGPIXELSX), dpiY = ::GetDeviceCaps(printer, LOGPIXELSY);
  if (dotsX <= 0 || dotsY <= 0 || dpiX <= 0 || dpiY <= 0) return NULL;
  // The printable area in 0.01 mm.
  RECT frame = {0, 0, MulDiv(dotsX, 2540, dpiX), MulDiv(dotsY, 2540, dpiY)};
  HDC recorder = ::CreateEnhMetaFileA(printer, nullptr, &frame, nullptr);
  if (!recorder) return NULL;
  CDC dc;
  dc.m_hDC = dc.m_hAttribDC = recorder;
  dc.m_bPrinting = TRUE;
  CPrintInfo& info = *m_pPreviewInfo;
  info.m_nCurPage = index + 1;
  info.m_bContinuePrinting = TRUE;
  try {
    m_pPrintView->OnPrepareDC(&dc, &info);
    info.m_rectDraw.SetRect(0, 0, dotsX, dotsY);
    dc.DPtoLP(&info.m_rectDraw);
    m_pPrintView->OnPrint(&dc, &info);
  } catch (...) {
    dc.m_hDC = dc.m_hAttribDC = NULL;
    ::DeleteEnhMetaFile(::CloseEnhMetaFile(recorder));
    throw;
  }
  dc.m_hDC = dc.m_hAttribDC = NULL;
  return ::CloseEnhMetaFile(recorder);
}

void CPreviewView::OnDraw(CDC* dc) {
  if (!m_pPreviewDC || !m_pPreviewDC->m_hAttribDC || !m_pPageInfo) return;
  CRect client;
  ::GetClientRect(m_hWnd, &client);
  dc->FillSolidRect(client, ::GetSysColor(COLOR_APPWORKSPACE));
  HDC printer = m_pPreviewDC->m_hAttribDC;
  int paperW = ::GetDeviceCaps(printer, PHYSICALWIDTH), paperH = ::GetDeviceCaps(printer, PHYSICALHEIGHT);
  int offX = ::GetDeviceCaps(printer, PHYSICALOFFSETX), offY = ::GetDeviceCaps(printer, PHYSICALOFFSETY);
  int dotsX = ::GetDeviceCaps(printer, HORZRES), dotsY = ::GetDeviceCaps(printer, VERTRES);
  for (UINT i = 0; i < m_nPages; ++i) {
    PAGE_INFO& page = m_pPageInfo[i];
    if (page.sizeScaleRatio.cx == 0 || paperW <= 0 || paperH <= 0) continue;
    CRect paper = page.rectScreen;
    paper.OffsetRect(-m_ptScroll.x, -m_ptScroll.y);
    CRect shadow = paper;
    shadow.OffsetRect(kShadow, kShadow);
    dc->FillSolidRect(shadow, RGB(64, 64, 64));
    dc->FillSolidRect(paper, RGB(255, 255, 255));
    // Recorded afresh for each painting, so that what the page shows follows the page set-up.
    HENHMETAFILE recording = RecordPage(i);
    if (recording) {
      // The recording covers the printable area, which starts at the printer's offsets.
      CRect area(paper.left + MulDiv(offX, paper.Width(), paperW),
                 paper.top + MulDiv(offY, paper.Height(), paperH),
                 paper.left + MulDiv(offX + dotsX, paper.Width(), paperW),
                 paper.top + MulDiv(offY + dotsY, paper.Height(), paperH));
      int saved = dc->SaveDC();
      dc->IntersectClipRect(paper);
      dc->PlayMetaFile(recording, area);
      dc->RestoreDC(saved);
      ::DeleteEnhMetaFile(recording);
    }
    CBrush black;
    black.CreateSolidBrush(RGB(0, 0, 0));
    dc->FrameRect(paper, &black);
  }
}

void CPreviewView::OnSize(UINT, int, int) {
  // The whole-page scale follows the view's size.
  ClearPages();
  OnPrepareDC(nullptr, nullptr);
  Invalidate(FALSE);
}

void CPreviewView::OnHScroll(UINT code, UINT, CScrollBar*) {
  SCROLLINFO si = {sizeof si, SIF_ALL};
  ::GetScrollInfo(m_hWnd, SB_HORZ, &si);
  int pos = si.nPos;
  switch (code) {
    case SB_LINELEFT: pos -= 16; break;
    case SB_LINERIGHT: pos += 16; break;
    case SB_PAGELEFT: pos -= (int)si.nPage; break;
    case SB_PAGERIGHT: pos += (int)si.nPage; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = si.nTrackPos; break;
    default: return;
  }
  m_ptScroll.x = pos;
  UpdateScrollBars();
  Invalidate(FALSE);
}

void CPreviewView::OnVScroll(UINT code, UINT, CScrollBar*) {
  SCROLLINFO si = {sizeof si, SIF_ALL};
  ::GetScrollInfo(m_hWnd, SB_VERT, &si);
  int pos = si.nPos;
  switch (code) {
    case SB_LINEUP: pos -= 16; break;
    case SB_LINEDOWN: pos += 16; break;
    case SB_PAGEUP: pos -= (int)si.nPage; break;
    case SB_PAGEDOWN: pos += (int)si.nPage; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = si.nTrackPos; break;
    default: return;
  }
  m_ptScroll.y = pos;
  UpdateScrollBars();
  Invalidate(FALSE);
}

void CPreviewView::OnZoomIn() {
  if (m_nZoomState >= ZOOM_MAX) return;
  ++m_nZoomState;
  OnSize(0, 0, 0);
}

void CPreviewView::OnZoomOut() {
  if (m_nZoomState <= ZOOM_OUT) return;
  --m_nZoomState;
  OnSize(0, 0, 0);
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* ui) {
  ui->Enable(m_nZoomState < ZOOM_MAX);
}

void CPreviewView::OnUpdateZoomOut(CCmdUI* ui) {
  ui->Enable(m_nZoomState > ZOOM_OUT);
}

void CPreviewView::OnPreviewClose() {
  if (m_pPrintView && ::IsWindow(m_pPrintView->m_hWnd))
    m_pPrintView->OnEndPrintPreview(&m_dcPrint, m_pPreviewInfo, CPoint(0, 0), this);
  else
    ClosePreview();
}

void CPreviewView::OnPreviewPrint() {
  CView* printView = m_pPrintView;
  CFrameWnd* frame = m_pPreviewFrame;
  OnPreviewClose();  // this view is gone from here on
  if (frame && frame->m_hWnd && printView && ::IsWindow(printView->m_hWnd))
    ::SendMessageA(frame->m_hWnd, WM_COMMAND, ID_FILE_PRINT, 0);
}

void CPreviewView::ClosePreview() {
  CFrameWnd* frame = m_pPreviewFrame;
  CView* printView = m_pPrintView;
  CPrintPreviewState* state = m_pPreviewState;
  ::SetWindowLongPtrA(m_hWnd, GWLP_ID, 0);
  ::ShowWindow(m_hWnd, SW_HIDE);
  if (m_pToolBar) {
    m_pToolBar->DestroyWindow();
    m_pToolBar = nullptr;
  }
  if (frame && frame->m_hWnd) frame->OnSetPreviewMode(FALSE, state);
  DestroyWindow();  // deletes this view, and with it the state
  if (printView && ::IsWindow(printView->m_hWnd)) {
    CFrameWnd* child = printView->GetParentFrame();
    if (child && child != frame) {
      child->ActivateFrame();
      child->SetActiveView(printView);
    }
    ::SetFocus(printView->m_hWnd);
  }
}

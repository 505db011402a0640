// Print preview: CPrintPreviewState (what the frame showed before) and CPreviewView, the view
// that shows a view's printed page. Each time it paints, the page is recorded into an
// enhanced metafile against the printer (so the view's OnPrint sees the printer's resolution
// and paper) and played back scaled into a white page on the screen.
#pragma once

#include <vector>

#include "framework/win/DeviceContext.h"
#include "framework/win/Printing.h"
#include "framework/win/View.h"

class CControlBar;
class CDialogBar;
class CFrameWnd;

struct CPrintPreviewState {
  // The bars of the frame and whether each was visible.
  std::vector<std::pair<CControlBar*, BOOL>> bars;
  HWND hWndMainPane = NULL;
  HMENU hMenu = NULL;
  HACCEL hAccelTable = NULL;
  CView* pViewActiveOld = nullptr;
  // Ends the preview (the frame calls it when it is closed during the preview).
  void (*lpfnCloseProc)(CFrameWnd* frame) = nullptr;
  // The preview did not open because of a reason already shown to the user (no printer).
  BOOL bAlreadyReported = FALSE;
};

class CPreviewView : public CView {
  DECLARE_DYNCREATE(CPreviewView)
 public:
  CPreviewView();
  ~CPreviewView() override;

  // Prepares printView's printing for the preview (its OnPreparePrinting, which takes the
  // default printer, and OnBeginPrinting). FALSE when printView refuses.
  virtual BOOL SetPrintView(CView* printView);
  // Measures and places the pages not placed yet (a cleared scale ratio).
  void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;
  // The background, then each page: shadow, white paper and the recorded page.
  void OnDraw(CDC* dc) override;

  struct PAGE_INFO {
    // Screen pixels per printer dot as cx / cy; (0, 0) until the page is measured.
    CSize sizeScaleRatio;
    // The paper in screen pixels at that scale, and its place in the view.
    CRect rectScreen;
  };

  // The preview's device context: its attribute context is the printer's.
  CDC* m_pPreviewDC = nullptr;
  // The printer's device context (owned).
  CDC m_dcPrint;
  CView* m_pPrintView = nullptr;
  CPrintInfo* m_pPreviewInfo = nullptr;
  CDialogBar* m_pToolBar = nullptr;
  CPrintPreviewState* m_pPreviewState = nullptr;  // owned once the preview is open
  CFrameWnd* m_pPreviewFrame = nullptr;
  UINT m_nPages = 1;
  PAGE_INFO* m_pPageInfo = nullptr;
  // 0 shows the whole page; 1 and 2 larger, with scroll bars when the page does not fit.
  int m_nZoomState = 0;
  enum { ZOOM_OUT = 0, ZOOM_MAX = 2 };

  // Undoes the preview: the frame gets back what it showed, the bar and this view go.
  void ClosePreview();
  // Scroll ranges for the pages' size at the current zoom.
  void UpdateScrollBars();

 protected:
  // Records page index (0-based) through the print view's OnPrepareDC and OnPrint.
  HENHMETAFILE RecordPage(UINT index);
  // Forgets every page's measure: they are measured and placed again before the next paint.
  void ClearPages();
  CSize GetTotalSize() const;

  afx_msg void OnPreviewClose();
  afx_msg void OnPreviewPrint();
  afx_msg void OnZoomIn();
  afx_msg void OnZoomOut();
  afx_msg void OnUpdateZoomIn(CCmdUI* ui);
  afx_msg void OnUpdateZoomOut(CCmdUI* ui);
  afx_msg void OnSize(UINT type, int cx, int cy);
  afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
  afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* bar);

  CPoint m_ptScroll;
  DECLARE_MESSAGE_MAP()
};

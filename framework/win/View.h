// CView: a child window showing a document; CFormView: a view made from a dialog
// template. CCreateContext: what a frame needs to create its view.
#pragma once

#include <vector>

#include "framework/win/Wnd.h"

class CDC;
class CDocument;
class CDocTemplate;
class CFrameWnd;
class CPreviewView;
class CPrintInfo;
class CView;
struct CPrintPreviewState;

struct CCreateContext {
  CRuntimeClass* m_pNewViewClass = nullptr;
  CDocument* m_pCurrentDoc = nullptr;
  CDocTemplate* m_pNewDocTemplate = nullptr;
  CView* m_pLastView = nullptr;
  CFrameWnd* m_pCurrentFrame = nullptr;
};

class CView : public CWnd {
  DECLARE_DYNAMIC(CView)
 public:
  CView();
  ~CView() override;

  CDocument* GetDocument() const { return m_pDocument; }
  CFrameWnd* GetParentFrame() const;

  virtual void OnInitialUpdate();
  virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject);
  virtual void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView);
  // How the framework calls OnActivateView: a view is told it is deactivated once after
  // being activated, however many of the windows around it report the change (a document
  // window deactivated, then destroyed).
  void NotifyActivateView(BOOL activate, CView* activateView, CView* deactiveView);
  virtual void OnActivateFrame(UINT state, CFrameWnd* frame) { (void)state, (void)frame; }
  virtual void OnDraw(CDC* dc) { (void)dc; }

  // Printing. The print and preview commands call OnPreparePrinting (which normally returns
  // DoPreparePrinting), then for the job OnBeginPrinting, per page OnPrepareDC and OnPrint
  // (which draws with OnDraw unless overridden), and OnEndPrinting. OnPrepareDC also runs
  // before OnDraw when the view paints, with no CPrintInfo.
  virtual BOOL OnPreparePrinting(CPrintInfo* info);
  // The printer for the job: the default printer for a preview or a direct print, else the
  // print dialog (what the user picks becomes the application's printer). Without a printer
  // it says so and returns FALSE; FALSE also when the dialog is cancelled.
  BOOL DoPreparePrinting(CPrintInfo* info);
  virtual void OnBeginPrinting(CDC* dc, CPrintInfo* info);
  virtual void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr);
  virtual void OnPrint(CDC* dc, CPrintInfo* info);
  virtual void OnEndPrinting(CDC* dc, CPrintInfo* info);
  // The preview is closing: OnEndPrinting, then the frame gets its bars and panes back.
  virtual void OnEndPrintPreview(CDC* dc, CPrintInfo* info, POINT point, CPreviewView* view);
  // Shows printView's pages in a view of previewViewClass (a CPreviewView) in place of the
  // top-level frame's panes, with the dialog bar of template idDlgBar on top. The state
  // belongs to the preview when it opens; FALSE (nothing changed) when it cannot open.
  BOOL DoPrintPreview(UINT idDlgBar, CView* printView, CRuntimeClass* previewViewClass,
                      CPrintPreviewState* state);

  // ID_FILE_PRINT (with the dialog) and ID_FILE_PRINT_DIRECT (default printer); views map
  // them to these handlers.
  afx_msg void OnFilePrint();
  // ID_FILE_PRINT_PREVIEW with a plain CPreviewView and the framework's preview bar.
  afx_msg void OnFilePrintPreview();

  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) override;
  void PostNcDestroy() override;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnDestroy();
  afx_msg void OnPaint();
  afx_msg int OnMouseActivate(CWnd* desktop, UINT hitTest, UINT message);

  CDocument* m_pDocument = nullptr;
  BOOL m_bActivationNotified = FALSE;  // the last activation told was TRUE
  friend class CDocument;
  DECLARE_MESSAGE_MAP()
};

class CFormView : public CView {
  DECLARE_DYNAMIC(CFormView)
 public:
  explicit CFormView(UINT templateId);
  explicit CFormView(LPCSTR templateName);

  // Creates the form as a child window from its dialog template.
  BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
              UINT id, LPVOID createContext = NULL) override;
  void OnInitialUpdate() override;
  BOOL PreTranslateMessage(MSG* msg) override;
  // The size of the form from its template.
  SIZE GetTemplateSize() const { return m_sizeTemplate; }

  // Scrolling (MM_TEXT only: the total size is in pixels). While the window is smaller than
  // the total, scroll bars show and the controls move with the scroll position; the wheel
  // scrolls vertically. Without a call the form does not scroll.
  void SetScrollSizes(int mapMode, SIZE total);
  SIZE GetTotalSize() const { return m_totalSize; }
  POINT GetScrollPosition() const { return m_scrollPos; }
  // Scrolls so that pt of the form is at the window's top-left corner (kept inside the range).
  void ScrollToPosition(POINT pt);

 protected:
  // The private copy of the template, before the form is made from it (a form may leave
  // controls out to make later).
  virtual void PrepareTemplate(std::vector<BYTE>& dialogTemplate) { (void)dialogTemplate; }
  afx_msg void OnSize(UINT type, int cx, int cy);
  afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
  afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
  afx_msg BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
  // The wheel over one of the form's edits, buttons or statics scrolls the form.
  BOOL PreTranslateWheel(MSG* msg);
  // Shows or hides the bars for the window's size and keeps the position inside the range.
  void UpdateBars();
  // The new position for a scroll bar code (bar: SB_HORZ or SB_VERT).
  int ScrollTarget(int bar, UINT code) const;

  LPCSTR m_lpszTemplateName;
  SIZE m_sizeTemplate = {0, 0};
  BOOL m_bScrolls = FALSE;
  SIZE m_totalSize = {0, 0};
  POINT m_scrollPos = {0, 0};
  BOOL m_bInUpdateBars = FALSE;
  DECLARE_MESSAGE_MAP()
};

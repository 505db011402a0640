// CView: a child window showing a document; CFormView: a view made from a dialog
// template. CCreateContext: what a frame needs to create its view.
#pragma once

#include "framework/win/Wnd.h"

class CDocument;
class CDocTemplate;
class CFrameWnd;
class CView;

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

 protected:
  LPCSTR m_lpszTemplateName;
  SIZE m_sizeTemplate = {0, 0};
};

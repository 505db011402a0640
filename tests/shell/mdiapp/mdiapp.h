// The small MDI test application: a document type, a view, an MDI frame with a tool bar,
// a status bar, a docked sizing bar holding a form view, the window tab strip, owner-drawn
// menus and the recent lists.
#pragma once

#include <vector>

#include "controls/OwnerDrawMenu.h"
#include "controls/SizingControlBar.h"
#include "framework/win/WinApp.h"
#include "framework/win/Document.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/MDIFrames.h"
#include "framework/win/ToolBar.h"
#include "framework/win/View.h"
#include "shell/RecentFolders.h"
#include "shell/WindowTabs.h"
#include "tests/shell/mdiapp/mdiappres.h"

namespace mdiapp {

const char kTabsKey[] = "Software\\Quarvex Tests FW2\\Preferences";

class CAppDoc : public CDocument {
  DECLARE_DYNCREATE(CAppDoc)
};

class CAppView;

// What the framework told the views: updates (with their sender and hint) and activations.
struct ViewEvent {
  CAppView* view;
  enum Kind { kUpdate, kActivate, kDeactivate } kind;
  CView* sender;  // updates: the sender
  LPARAM hint;    // updates: the hint
};
extern std::vector<ViewEvent> g_viewEvents;

class CAppView : public CView {
  DECLARE_DYNCREATE(CAppView)
 public:
  void OnDraw(CDC* dc) override;
  void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
  void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
};

class CAppChild : public CMDIChildWnd {
  DECLARE_DYNCREATE(CAppChild)
};

class CSideForm : public CFormView {
  DECLARE_DYNCREATE(CSideForm)
 public:
  CSideForm() : CFormView(IDD_TESTFORM) {}
  // The bar's width from the group box's width.
  int GetPanelWidth();
};

class CAppFrame : public CMDIFrameWnd {
  DECLARE_DYNCREATE(CAppFrame)
 public:
  void OnUpdateFrameTitle(BOOL addToTitle) override;

  CToolBar m_wndToolBar;
  CStatusBar m_wndStatusBar;
  CViewBar m_wndSideBar;
  CMDITabManager m_tabs;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
  afx_msg LRESULT OnMenuChar(UINT ch, UINT flags, CMenu* menu);
  DECLARE_MESSAGE_MAP()
};

class CApp : public CWinApp {
 public:
  CApp();
  ~CApp() override;
  // Template, owner-drawn menus, main frame; FALSE when anything fails.
  BOOL Start();
  void Stop();
  CAppDoc* NewDocument();
  CAppFrame* Frame() const { return static_cast<CAppFrame*>(m_pMainWnd); }

  CMultiDocTemplate* m_pTemplate = nullptr;
  COwnerDrawMenu m_menuDocument;
  COwnerDrawMenu m_menuMain;
};

}  // namespace mdiapp

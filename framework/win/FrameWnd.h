// CFrameWnd: a frame with a menu, accelerators, control bars laid out around a
// central pane, command routing to its active view, and delayed (idle) updates of
// its title, menu and layout.
#pragma once

#include <vector>

#include "framework/win/FrameworkIds.h"
#include "framework/win/View.h"
#include "framework/win/Wnd.h"

class CControlBar;
class CDockBar;
struct CPrintPreviewState;
class CDocument;
class CMenu;
class CFrameWnd;

// Frame styles.
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS 0x00002000L

// Layout protocol: the frame sends WM_SIZEPARENT to each direct child in z-order; each child
// takes its place from rect (through hDWP) and shrinks rect by what it takes.
#define WM_SIZEPARENT 0x0361
// wParam: string id (0: text in lParam); shown in the message pane.
#define WM_SETMESSAGESTRING 0x0362

struct AFX_SIZEPARENTPARAMS {
  HDWP hDWP;
  RECT rect;
  SIZE sizeTotal;
  BOOL bStretch;
};

// Whether a frame object still exists (frames delete themselves with their window).
BOOL AfxIsFrameAlive(const CFrameWnd* frame);

// Moves hWnd to rect within a layout pass (deferred when hDWP is set).
void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* layout, HWND hWnd, LPCRECT rect);

class CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)
 public:
  CFrameWnd();
  ~CFrameWnd() override;

  static const RECT rectDefault;
  enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
  enum RepositionFlags { reposDefault = 0, reposQuery = 1, reposExtra = 2 };

  using CWnd::Create;
  virtual BOOL Create(LPCSTR className, LPCSTR title, DWORD style, const RECT& rect,
                      CWnd* parent = nullptr, LPCSTR menuName = nullptr, DWORD exStyle = 0,
                      CCreateContext* context = nullptr);
  // Title (first line of string idResource), icon, menu and accelerators of idResource.
  virtual BOOL LoadFrame(UINT idResource, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         CWnd* parent = nullptr, CCreateContext* context = nullptr);
  CWnd* CreateView(CCreateContext* context, UINT id = AFX_IDW_PANE_FIRST);

  // Views and documents.
  virtual CFrameWnd* GetActiveFrame() { return this; }
  CView* GetActiveView() const { return m_pViewActive; }
  void SetActiveView(CView* view, BOOL notify = TRUE);
  virtual CDocument* GetActiveDocument();
  // The frame that holds this one (MDI children, hosted frames), or this frame.
  CFrameWnd* GetTopLevelFrame();
  // The nearest frame among a window's parents.
  static CFrameWnd* GetParentFrameOf(HWND hWnd);
  virtual void ActivateFrame(int cmdShow = -1);
  virtual void InitialUpdateFrame(CDocument* doc, BOOL makeVisible);

  // Layout.
  virtual void RecalcLayout(BOOL notify = TRUE);
  void DelayRecalcLayout(BOOL notify = TRUE);
  void RepositionBars(UINT idFirst, UINT idLast, UINT idLeftOver, UINT flags = reposDefault,
                      LPRECT rectParam = nullptr, LPCRECT rectClient = nullptr,
                      BOOL stretch = TRUE);

  // Titles and menus.
  virtual void OnUpdateFrameTitle(BOOL addToTitle);
  void UpdateFrameTitleForDocument(LPCSTR docName);
  void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
  void DelayUpdateFrameMenu(HMENU menuAlt);
  virtual void OnUpdateFrameMenu(HMENU menuAlt);
  HMENU GetDefaultMenu() const { return m_hMenuDefault; }
  virtual HACCEL GetDefaultAccelerator();
  void SetTitle(LPCSTR title) { m_strTitle = title; }
  CString GetTitle() const { return m_strTitle; }

  // The message pane.
  void SetMessageText(LPCSTR text);
  void SetMessageText(UINT id);
  CWnd* GetMessageBar();

  // Control bars and docking.
  void EnableDocking(DWORD dockStyle);
  void DockControlBar(CControlBar* bar, UINT dockBarId = 0, LPCRECT rect = nullptr);
  void ShowControlBar(CControlBar* bar, BOOL show, BOOL delay);
  CControlBar* GetControlBar(UINT id);
  void AddControlBar(CControlBar* bar);
  void RemoveControlBar(CControlBar* bar);
  CDockBar* GetDockBar(UINT dockBarId);

  // Idle work: delayed title, menu and layout, then the bars' update handlers.
  virtual void OnIdleUpdateCmdUI();
  // Sends the idle command-UI message to the control bars and frames among the descendants,
  // the only windows that act on it.
  void SendIdleUpdateCmdUI();

  // Print preview: the frame keeps in state what it shows (bars, menu, accelerators, the main
  // pane, the active view) and hides it; leaving puts it all back. While in preview, commands
  // go to the active view (the preview) and the frame, and closing the frame ends the
  // preview instead.
  virtual void OnSetPreviewMode(BOOL preview, CPrintPreviewState* state);
  BOOL IsInPreviewMode() const { return m_pPreviewState != nullptr; }
  CPrintPreviewState* m_pPreviewState = nullptr;

  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override;

  std::vector<CControlBar*> m_listControlBars;
  HMENU m_hMenuDefault = nullptr;
  HACCEL m_hAccelTable = nullptr;
  BOOL m_bAutoMenuEnable = TRUE;
  UINT m_nIdleFlags = 0;
  UINT m_nIDHelp = 0;
  // Whether this frame is hosted inside another window (a bar) rather than top level or MDI.
  BOOL m_bChildHosted = FALSE;

 protected:
  virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* context);
  // Help id and title (first line of string idResource); the icon of idResource.
  HICON LoadFrameBasics(UINT idResource);
  int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* context);
  // Updates the items of a pull-down through the command routing (CCmdUI pull).
  void UpdatePopupItems(CMenu* popup, BOOL sysMenu);

  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnDestroy();
  afx_msg void OnClose();
  afx_msg void OnSize(UINT type, int cx, int cy);
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg void OnSetFocus(CWnd* old);
  afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
  afx_msg void OnMenuSelect(UINT itemId, UINT flags, HMENU menu);
  // The tip of a tool-bar button (or any tool asking its owner): TRUE when one was found.
  afx_msg BOOL OnToolTipText(UINT id, NMHDR* hdr, LRESULT* result);
  afx_msg void OnActivate(UINT state, CWnd* other, BOOL minimized);
  afx_msg void OnDropFiles(HDROP drop);
  afx_msg BOOL OnQueryEndSession();
  afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnNcActivateMessage(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnRecalcLayoutMessage(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnExitMenuLoop(WPARAM wParam, LPARAM lParam);
  // The shell's DDE open (see ddeserver.h); only the application's main frame answers.
  afx_msg LRESULT OnDDEInitiate(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDDEExecute(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDDETerminate(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnEnterIdleMessage(WPARAM wParam, LPARAM lParam);

  CView* m_pViewActive = nullptr;
  CString m_strTitle;
  HMENU m_hMenuAlt = nullptr;
  BOOL m_bInRecalcLayout = FALSE;
  BOOL m_bLayoutPosted = FALSE;
  UINT m_nIDTracking = 0;

  DECLARE_MESSAGE_MAP()
};

// CMDIFrameWnd / CMDIChildWnd: the multiple-document main frame with its MDI client,
// and the document windows inside it.
#pragma once

#include "framework/win/FrameWnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMDIFrameWnd)
 public:
  CMDIFrameWnd() = default;

  // Creates the MDI client (id AFX_IDW_PANE_FIRST) with the Window menu of menu.
  virtual BOOL CreateClient(LPCREATESTRUCT lpcs, CMenu* windowMenu);
  // The pull-down of menu that lists the document windows (the last-but-one pull-down,
  // or the one titled "&Window").
  virtual HMENU GetWindowMenuPopup(HMENU menuBar);

  CMDIChildWnd* MDIGetActive(BOOL* maximized = nullptr) const;
  void MDIActivate(CWnd* child);
  void MDIMaximize(CWnd* child);
  void MDINext();
  void MDICascade();
  void MDITile(UINT how);
  HMENU MDISetMenu(HMENU frameMenu, HMENU windowMenu);

  CFrameWnd* GetActiveFrame() override;
  CDocument* GetActiveDocument() override;
  // The program's name alone while the active child is maximised (the system then adds
  // " - [child title]" itself), else the name with the active document's.
  void OnUpdateFrameTitle(BOOL addToTitle) override;
  void OnUpdateFrameMenu(HMENU menuAlt) override;
  void RecalcLayout(BOOL notify = TRUE) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  HACCEL GetDefaultAccelerator() override;

  HWND m_hWndMDIClient = nullptr;

 protected:
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* context) override;
  afx_msg void OnDestroy();
  afx_msg void OnSize(UINT type, int cx, int cy);
  afx_msg void OnWindowCascade();
  afx_msg void OnWindowTileHorz();
  afx_msg void OnWindowTileVert();
  afx_msg void OnWindowArrange();
  afx_msg void OnUpdateMDIWindowCmd(CCmdUI* ui);

  DECLARE_MESSAGE_MAP()
};

class CMDIChildWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMDIChildWnd)
 public:
  CMDIChildWnd() = default;

  using CFrameWnd::Create;
  BOOL Create(LPCSTR className, LPCSTR title, DWORD style, const RECT& rect, CWnd* parent = nullptr,
              LPCSTR menuName = nullptr, DWORD exStyle = 0,
              CCreateContext* context = nullptr) override;
  BOOL LoadFrame(UINT idResource, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* parent = nullptr, CCreateContext* context = nullptr) override;
  BOOL DestroyWindow() override;
  void MDIDestroy() { DestroyWindow(); }
  void MDIActivate();
  void MDIMaximize();
  CMDIFrameWnd* GetMDIFrame() const;

  void ActivateFrame(int cmdShow = -1) override;
  void OnUpdateFrameTitle(BOOL addToTitle) override;
  void OnUpdateFrameMenu(BOOL activate, CWnd* activateWnd, HMENU menuAlt);
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  HMENU m_hMenuShared = nullptr;  // the document type's menu

 protected:
  afx_msg void OnMDIActivate(BOOL activate, CWnd* activateWnd, CWnd* deactivateWnd);
  afx_msg void OnSize(UINT type, int cx, int cy);
  afx_msg void OnWindowPosChanging(WINDOWPOS* pos);
  afx_msg void OnClose();
  afx_msg void OnDestroy();

  DECLARE_MESSAGE_MAP()
};

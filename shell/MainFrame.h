// CMainFrame: the program's main window: the tool bar with a drop-down on File Open, the status
// bar, the docked side bar that holds the parameter form, the window tabs and the owner-drawn
// menus. It answers the side-bar, Preferences and page set-up commands and keeps the current
// folder and the side bar's size for the next start.
#pragma once

#include "controls/OwnerDrawMenu.h"
#include "controls/SizingControlBar.h"
#include "core/document/SideBarSink.h"
#include "framework/win/MDIFrames.h"
#include "framework/win/ToolBar.h"
#include "shell/WindowTabs.h"

// WM_PAGESETUP_CHANGED: sent by the page set-up dialog (wParam) after every change; the frame
// copies the dialog's record into the application's.
#define WM_PAGESETUP_CHANGED (WM_APP + 400)

struct PageSetupRecord;

// The page set-up dialog answers this with its working record (the dialog implements it).
class IPageSetupSource {
 public:
  virtual ~IPageSetupSource() = default;
  virtual const PageSetupRecord& GetWorkingRecord() const = 0;
};

class CMainFrame : public CMDIFrameWnd, public ISideBarHost {
  DECLARE_DYNCREATE(CMainFrame)
 public:
  CMainFrame();
  ~CMainFrame() override;

  BOOL DestroyWindow() override;
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  void OnUpdateFrameTitle(BOOL addToTitle) override;

  // The owner-drawn menus (document menu 143, no-document menu 142); the handles go to the
  // template and the frame, which destroy them.
  HMENU LoadDocumentMenu();
  HMENU LoadMainMenu();
  int CreateSideBar(CCreateContext* context);
  // Loads (FALSE) or stores (TRUE) which side the side bar docks on.
  void ExchangeSideBarSide(BOOL store);
  void LoadMenuStyle();
  void SaveMenuStyle();
  BOOL SaveCurrentDirectory();
  static void SetDropDownButton(CToolBar& toolBar, UINT commandId);

  ISideBarSink* GetSideBar() override { return m_pDockForm; }
  void SetSideBar(ISideBarSink* sideBar) override { m_pDockForm = sideBar; }

  COwnerDrawMenu m_menuDocument;
  COwnerDrawMenu m_menuMain;
  ISideBarSink* m_pDockForm = nullptr;
  CString m_strSettingsKey;
  CStatusBar m_wndStatusBar;
  CToolBar m_wndToolBar;
  CViewBar m_wndSideBar;
  BYTE m_bSideBarLeft = 1;
  CMDITabManager m_tabManager;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg LRESULT OnMenuChar(UINT ch, UINT flags, CMenu* menu);
  afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
  afx_msg void OnMeasureItem(int idCtl, LPMEASUREITEMSTRUCT mis);
  afx_msg void OnViewSideBar();
  afx_msg void OnUpdateViewSideBar(CCmdUI* ui);
  afx_msg void OnClose();
  afx_msg void OnSideBarLeft();
  afx_msg void OnUpdateSideBarLeft(CCmdUI* ui);
  afx_msg void OnSideBarRight();
  afx_msg void OnUpdateSideBarRight(CCmdUI* ui);
  afx_msg void OnFilePreferences();
  afx_msg LRESULT OnPageSetupChanged(WPARAM wParam, LPARAM lParam);
  afx_msg void OnToolBarDropDown(NMHDR* hdr, LRESULT* result);
  void DockSideBar();
  DECLARE_MESSAGE_MAP()
};

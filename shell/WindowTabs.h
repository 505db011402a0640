// The window tab strip: one tab per document window, laid out along the bottom (or top)
// of the main frame's client area, and the manager that switches it on and off.
#pragma once

#include <vector>

#include "framework/win/TabCtrl.h"
#include "framework/win/FrameWnd.h"
#include "shell/WindowTabsLogic.h"
#include "shell/WindowTabsPaint.h"

class CMDITabBar : public CTabCtrl {
  DECLARE_DYNAMIC(CMDITabBar)
 public:
  CMDITabBar() = default;
  ~CMDITabBar() override;

  // flags: bit 0 top, bit 1 icons, bit 2 shown only from two windows on.
  BOOL Create(CFrameWnd* frame, int flags);
  // Reconciles the tabs with the document windows (see wintabs::Reconcile).
  void UpdateTabs();
  static HICON GetChildIcon(HWND window, BOOL small);
  // The window of tab i, or NULL.
  HWND GetTabWindow(int i) const;
  BOOL IsStripVisible() const { return m_hWnd && (GetStyle() & WS_VISIBLE); }

  HWND m_hWndMDIClient = nullptr;
  int m_nHeight = 0;
  int m_nWidth = 0;
  int m_nMinTabs = 1;
  BYTE m_bIcons = 0;
  BYTE m_bTop = 0;

 protected:
  std::vector<HWND> ChildWindows() const;
  afx_msg void OnSelChange(NMHDR* hdr, LRESULT* result);
  afx_msg void OnContextMenu(CWnd* wnd, CPoint pt);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint pt);
  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  afx_msg void OnPaint();
  afx_msg void OnNcPaint();
  afx_msg LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
  wintabs::StripSize PaintSize() const;

  HIMAGELIST m_imageList = nullptr;
  // The icon each picture of the image list was made from, by picture index.
  std::vector<HICON> m_imageIcons;
  wintabs::Flags m_flags;
  DECLARE_MESSAGE_MAP()
};

// Where the on/off switch "MDI_Tabs_On" is kept: an integer of the program's settings
// (CRegistryKey); tests may give their own.
class CTabSwitchStore {
 public:
  virtual ~CTabSwitchStore() = default;
  // FALSE when the key or the value is missing.
  virtual BOOL Read(const CString& key, int& value);
  // Creates the key when missing.
  virtual BOOL Write(const CString& key, int value);
};

class CMDITabManager {
 public:
  CMDITabManager() = default;
  virtual ~CMDITabManager();

  void SetStore(CTabSwitchStore* store) { m_pStore = store; }
  // Reads the switch (missing: defaultOn) and creates the strip when on.
  void Create(LPCSTR key, CFrameWnd* frame, int flags, int defaultOn);
  void Toggle();
  void Show(BOOL show);
  BOOL IsShown() const { return m_pTabBar != nullptr; }
  void Refresh();
  CMDITabBar* GetTabBar() const { return m_pTabBar; }

  CString m_strKey;
  int m_nFlags = 6;
  CFrameWnd* m_pFrame = nullptr;
  CMDITabBar* m_pTabBar = nullptr;

 protected:
  BOOL CreateStrip();
  CTabSwitchStore m_defaultStore;
  CTabSwitchStore* m_pStore = &m_defaultStore;
};

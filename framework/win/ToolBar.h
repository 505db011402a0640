// CToolBar: the system tool bar as a control bar, loaded from a tool-bar resource, its
// buttons updated at idle through the command routing. CStatusBar: the status line whose
// first pane shows the message text.
#pragma once

#include "framework/win/ControlBar.h"

class CToolBar : public CControlBar {
  DECLARE_DYNAMIC(CToolBar)
 public:
  CToolBar() = default;
  ~CToolBar() override;

  BOOL CreateEx(CWnd* parent, DWORD ctrlStyle = TBSTYLE_FLAT,
                DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                CRect borders = CRect(0, 0, 0, 0), UINT id = AFX_IDW_TOOLBAR);
  // Buttons and pictures of a tool-bar resource and the bitmap of the same id; pictures in
  // the background colour 0xC0C0C0 are transparent.
  BOOL LoadToolBar(UINT id);
  void SetSizes(SIZE button, SIZE image);
  void SetBorders(int left, int top, int right, int bottom);
  int GetCount() const;
  UINT GetItemID(int index) const;
  int CommandToIndex(UINT id) const;
  // FALSE for a hidden button, which has no rectangle.
  BOOL GetItemRect(int index, LPRECT rect) const;
  UINT GetButtonStyle(int index) const;
  void SetButtonStyle(int index, UINT style);
  BOOL IsButtonEnabled(UINT id) const;
  BOOL IsButtonChecked(UINT id) const;

  CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
  void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

 protected:
  // The command id of button index (0 for a separator or no button) and its state.
  UINT GetItemIDAndState(int index, BYTE& state) const;
  HIMAGELIST m_images = nullptr;
};

class CStatusBar : public CControlBar {
  DECLARE_DYNAMIC(CStatusBar)
 public:
  CStatusBar() = default;
  BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
              UINT id = AFX_IDW_STATUS_BAR);
  // Panes for the ids (ID_SEPARATOR: the stretching message pane).
  BOOL SetIndicators(const UINT* ids, int count);
  BOOL SetPaneText(int index, LPCSTR text);
  CString GetPaneText(int index) const;
  CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;

 protected:
  afx_msg void OnSize(UINT type, int cx, int cy);
  void LayoutPanes();
  int m_nCount = 1;
  DECLARE_MESSAGE_MAP()
};

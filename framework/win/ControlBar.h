// CControlBar: a bar that takes its place along a frame's edge in the layout pass and
// updates its items at idle; CDockBar: the frame's docking rows along one edge.
#pragma once

#include <vector>

#include "framework/win/FrameWnd.h"

// Bar styles (the low word and CBRS_GRIPPER / CBRS_BORDER_3D are bar styles; the rest
// are window styles).
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_BORDER_3D 0x00800000L
#define CBRS_ALL 0x0040FFFFL
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)

// Layout modes of CalcDynamicLayout.
#define LM_STRETCH 0x01
#define LM_HORZ 0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY 0x20
#define LM_COMMIT 0x40

class CDockBar;

class CControlBar : public CWnd {
  DECLARE_DYNAMIC(CControlBar)
 public:
  CControlBar();
  ~CControlBar() override;

  enum StateFlags { delayHide = 1, delayShow = 2 };

  virtual CSize CalcFixedLayout(BOOL stretch, BOOL horz);
  virtual CSize CalcDynamicLayout(int length, DWORD mode);
  virtual void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler);
  virtual BOOL IsDockBar() const { return FALSE; }

  DWORD GetBarStyle() const { return m_dwStyle; }
  virtual void SetBarStyle(DWORD style);
  void EnableDocking(DWORD dockStyle);
  BOOL IsFloating() const { return (m_dwStyle & CBRS_FLOATING) != 0; }
  BOOL IsVisible() const;
  CFrameWnd* GetDockingFrame() const { return m_pDockSite; }
  // Shows or hides at the next layout pass.
  void DelayShow(BOOL show);
  // Applies a pending delayed show or hide; returns the window style that results.
  DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* layout);

  DWORD m_dwStyle = 0;
  DWORD m_dwDockStyle = 0;
  CFrameWnd* m_pDockSite = nullptr;
  CDockBar* m_pDockBar = nullptr;
  void* m_pDockContext = nullptr;  // drag docking is not supported
  UINT m_nStateFlags = 0;
  int m_cxLeftBorder = 0, m_cxRightBorder = 0, m_cyTopBorder = 0, m_cyBottomBorder = 0;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnDestroy();
  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()
};

// The bars docked along one edge of a frame, in rows separated by null entries.
class CDockBar : public CControlBar {
  DECLARE_DYNAMIC(CDockBar)
 public:
  CDockBar() = default;
  BOOL Create(CWnd* parent, DWORD style, UINT id);

  CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
  BOOL IsDockBar() const override { return TRUE; }
  void PostNcDestroy() override { delete this; }  // made by the frame's EnableDocking
  // Adds the bar at the end of the last row (a new row when the bar list is empty).
  void DockControlBar(CControlBar* bar, LPCRECT rect = nullptr);
  BOOL RemoveControlBar(CControlBar* bar);
  int GetDockedCount() const;
  int FindBar(CControlBar* bar) const;
  BOOL IsHorizontal() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }

  // Bars and row separators (nullptr); always starts with a separator.
  std::vector<CControlBar*> m_arrBars{nullptr};
  RECT m_rectLayout{0, 0, 0, 0};
  BOOL m_bLayoutQuery = FALSE;

 protected:
  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

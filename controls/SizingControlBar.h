// CSizingControlBar: a docking bar the user resizes by dragging its edges, that shares its
// dock row with other sizing bars, can collapse to a narrow strip, and keeps its sizes in
// the profile. CViewBar: a sizing bar hosting a frame with a view of any view class.
#pragma once

#include <vector>

#include "controls/SizingControlBarLayout.h"
#include "framework/win/ControlBar.h"

class CSizingControlBar : public CControlBar {
  DECLARE_DYNAMIC(CSizingControlBar)
 public:
  CSizingControlBar();

  virtual BOOL Create(LPCSTR title, CWnd* parent, UINT id, DWORD style);
  virtual BOOL Create(LPCSTR title, CWnd* parent, SIZE defaultSize, BOOL unused, UINT id,
                      DWORD style);

  CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
  CSize CalcDynamicLayout(int length, DWORD mode) override;
  void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

  void EnableMinimize(BOOL enable);
  void EnableDragging(BOOL enable) { m_bDragging = enable; }
  BOOL IsMinimized() const { return m_bMinimized; }
  void ToggleMinimized();
  BOOL IsHorzDocked() const { return sizingbar::IsHorizontalDock(m_nDockBarID); }
  BOOL IsVertDocked() const { return sizingbar::IsVerticalDock(m_nDockBarID); }

  // Sizes in the profile section "<profile>-SCBar-<id>"; loaded sizes stay within the
  // minimums and the screen.
  virtual void LoadState(LPCSTR profile);
  virtual void SaveState(LPCSTR profile);
  static void LoadBarStates(CFrameWnd* frame, LPCSTR profile);
  static void SaveBarStates(CFrameWnd* frame, LPCSTR profile);

  // Whether an edge is being dragged (for tests and the frame).
  BOOL IsTracking() const { return m_bTracking; }
  DWORD GetEdgeFlags() const { return m_dwSCBStyle; }

  SIZE m_szHorz{255, 200}, m_szVert{255, 200}, m_szFloat{255, 200};
  SIZE m_szMinHorz{33, 32}, m_szMinVert{33, 32}, m_szMinFloat{37, 32};
  SIZE m_szMaxVert{14, 0};  // the expanded vertical size while collapsed
  UINT m_nDockBarID = 0;
  int m_cxEdge = 9;
  BOOL m_bKeepSize = FALSE;
  BOOL m_bDragShowContent = FALSE;

 protected:
  virtual void BeginEdgeDrag(UINT edge, POINT screen);
  virtual void EndEdgeDrag();
  virtual void UpdateEdgeDrag(POINT screen);
  virtual void InvertDragLine();
  virtual void DrawNonClientExtras(CDC*, const RECT&) {}
  virtual void DrawMinimizeButton(HDC dc, const RECT& button);
  virtual void AlignRowBars();

  // The dock bar's list as a row model (bars are the entries' tags) and back.
  std::vector<sizingbar::RowEntry> RowModel() const;
  void ApplyModel(const std::vector<sizingbar::RowEntry>& model, bool listChanged);
  int IndexInModel(const std::vector<sizingbar::RowEntry>& model) const;
  RECT ButtonRect() const;  // window coordinates of the collapse button
  void ReadDragSetting();

  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnSettingChange(UINT flags, LPCSTR section);
  afx_msg void OnWindowPosChanging(WINDOWPOS* pos);
  afx_msg void OnNcCalcSize(BOOL calcValid, NCCALCSIZE_PARAMS* params);
  afx_msg LRESULT OnNcHitTest(CPoint pt);
  afx_msg void OnNcPaint();
  afx_msg void OnPaint();
  afx_msg void OnNcLButtonDown(UINT hit, CPoint pt);
  afx_msg void OnLButtonDown(UINT flags, CPoint pt);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint pt);
  afx_msg void OnLButtonUp(UINT flags, CPoint pt);
  afx_msg void OnRButtonDown(UINT flags, CPoint pt);
  afx_msg void OnMouseMove(UINT flags, CPoint pt);
  afx_msg void OnCaptureChanged(CWnd* wnd);
  afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hit, UINT message);
  afx_msg void OnClose() {}

  DWORD m_dwSCBStyle = 0;  // edge flags
  BOOL m_bParentSizing = FALSE;
  BOOL m_bTracking = FALSE;
  BOOL m_bMinimize = FALSE;
  BOOL m_bMinimized = FALSE;
  BOOL m_bDragging = TRUE;
  int m_nEdgeOffset = 0;
  sizingbar::DragState m_drag;
  std::vector<sizingbar::RowEntry> m_dragRow;
  int m_dragSelf = 0;

  DECLARE_MESSAGE_MAP()
};

class CViewBar : public CSizingControlBar {
  DECLARE_DYNAMIC(CViewBar)
 public:
  CViewBar();
  ~CViewBar() override;

  using CSizingControlBar::Create;
  virtual BOOL Create(CFrameWnd* parent, CRuntimeClass* viewClass, CCreateContext* context,
                      LPCSTR title, DWORD style, UINT id);
  void SetBarWidth(int cx);
  CFrameWnd* GetHostedFrame() const { return m_pFrame; }

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnSize(UINT type, int cx, int cy);

  CFrameWnd* m_pFrame = nullptr;
  CCreateContext m_context;
  DECLARE_MESSAGE_MAP()
};

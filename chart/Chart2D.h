// CChart2D: the child window that shows one chart. Create makes the window, then the chart, then
// binds them; the destructor destroys the window, then the chart. Messages come through the
// framework's message map: the window paints the chart (double-buffered) and forgets it when
// the window goes.
#ifndef QUARVEX_CHART_CHART2D_H
#define QUARVEX_CHART_CHART2D_H

#include <windows.h>

#include <memory>

#include "chart/Chart.h"
#include "framework/win/Wnd.h"

// The registered window class of chart windows, under the name callers know chart windows by.
extern const char kChart2DClassName[];

class CChart2D : public CWnd {
  DECLARE_DYNAMIC(CChart2D)
 public:
  CChart2D();
  ~CChart2D() override;

  // TRUE when the window and the chart were both made; on failure nothing is left behind.
  // FALSE while the window exists. A chart left over from a window that went with its parent
  // is replaced.
  BOOL Create(LPCSTR title, DWORD style, const RECT& rect, CWnd* parent, UINT id);

  // Destroys the window, then the chart; safe to call again and on a chart never created.
  void Destroy();

  // The chart handle; null until created.
  qxchart::Chart* GetChart() const { return m_chart.get(); }

  // Notifications reflected from the parent are not handled.
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 protected:
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnPaint();
  afx_msg void OnNcDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  std::unique_ptr<qxchart::Chart> m_chart;
};

#endif

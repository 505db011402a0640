// CChart2D: the child window that shows one chart. Create makes the window, then the chart, then
// binds them; the destructor destroys the window, then the chart.
#ifndef QUARVEX_CHART_CHART2D_H
#define QUARVEX_CHART_CHART2D_H

#include <windows.h>

#include "chart/chart.h"

// The registered window class of chart windows.
extern const char kChart2DClassName[];

class CChart2D {
 public:
  CChart2D() = default;
  ~CChart2D();
  CChart2D(const CChart2D&) = delete;
  CChart2D& operator=(const CChart2D&) = delete;

  // TRUE when the window and the chart were both made. On failure nothing is left behind.
  BOOL Create(LPCSTR title, DWORD style, const RECT& rect, HWND parent, UINT id);

  // Destroys the window, then the chart; safe to call again and on a chart never created.
  void Destroy();

  HWND GetSafeHwnd() const { return m_hWnd; }
  // The chart handle; null until created.
  qxchart::Chart* GetChart() const { return m_hChart; }

  // Notifications reflected from the parent are not handled.
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    (void)message, (void)wParam, (void)lParam, (void)result;
    return 0;
  }

  HWND m_hWnd = nullptr;

 private:
  qxchart::Chart* m_hChart = nullptr;
};

#endif

// Helpers of the view's whole-program tests: project files written for a test, the active
// chart view, and the view painted into a bitmap as it paints on screen.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "core/document/KelProject.h"
#include "core/document/KelStrengthDoc.h"
#include "tests/chart/gdi_canvas.h"
#include "framework/win/DeviceContext.h"
#include "tests/support/ProgramHarness.h"
#include "view/KelStrengthView.h"

namespace viewtest {

// Writes a project made by setUp (criterion, parameters, data) to path.
inline bool WriteProject(const std::string& path, const std::function<void(CKelProject&)>& setUp) {
  CKelProject project;
  setUp(project);
  CString error;
  return project.WriteProject(path.c_str(), "3.0.1.5", error) != FALSE;
}

inline CKelStrengthView* ActiveChartView(qxtest::CProgramHarness& program) {
  return dynamic_cast<CKelStrengthView*>(program.ActiveView());
}

// The view's client area as its painting composes it.
inline std::unique_ptr<qxchart::Canvas> PaintView(CKelStrengthView* view) {
  RECT rc;
  view->GetClientRect(&rc);
  auto canvas = std::make_unique<qxchart::Canvas>(rc.right, rc.bottom);
  view->DrawOffscreen(CDC::FromHandle(canvas->Dc()));
  return canvas;
}

// Where a data point of a chart lands in the view's client area.
inline POINT ViewPixel(CKelStrengthView* view, CChart2D& chart, double x, double y) {
  const qxchart::ChartMapResult r = chart.GetChart()->Unmap(x, y);
  POINT p = {r.pixelX, r.pixelY};
  ::MapWindowPoints(chart.m_hWnd, view->m_hWnd, &p, 1);
  return p;
}

// Whether a pixel of colour c lies within d pixels of p.
inline bool ColourNear(const qxchart::Canvas& c, POINT p, COLORREF colour, int d = 1) {
  for (int y = p.y - d; y <= p.y + d; ++y)
    for (int x = p.x - d; x <= p.x + d; ++x)
      if (c.Pixel(x, y) == colour) return true;
  return false;
}

}  // namespace viewtest

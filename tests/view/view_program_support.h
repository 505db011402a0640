// Helpers of the view's whole-program tests: the projects they open, the active chart view, and
// the view painted into a bitmap as it paints on screen.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "core/document/KelProject.h"
#include "document/KelStrengthDoc.h"
#include "framework/win/DeviceContext.h"
#include "tests/chart/gdi_canvas.h"
#include "tests/support/ProgramHarness.h"
#include "tests/support/TestProjects.h"
#include "view/KelStrengthView.h"

namespace viewtest {

// Hoek-Brown with four lab points on its envelope, in a custom range.
inline void HoekBrownProject(CKelProject& p) {
  p.SetCriterion(CRITERION_HOEK_BROWN);
  p.m_strTitle = "Quarry face";
  p.m_hoekBrown.SetParameters(60, 12, 55, 0);
  p.m_hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, 10, 0.026, 50);
  const double x[] = {0, 3, 6, 9};
  double y[4];
  for (int i = 0; i < 4; ++i) y[i] = p.m_hoekBrown.GetSig1(x[i]);
  p.m_hoekBrown.SetLabData(4, x, y);
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

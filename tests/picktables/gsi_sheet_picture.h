// What the GSI chart window draws of its sheet, for tests that read its pixels.
#pragma once

#include <memory>

#include "framework/win/DeviceContext.h"
#include "picktables/GsiChartWnd.h"
#include "tests/chart/gdi_canvas.h"

// The chart's DrawSheet into a memory bitmap of its sheet's size, over a background colour
// (what the picture leaves uncovered keeps it).
inline std::unique_ptr<qxchart::Canvas> DrawnSheet(CGsiChartWnd& chart, COLORREF background) {
  const CGsiChartSheet& sheet = GsiChartSheet(chart.GetSheet());
  auto canvas = std::make_unique<qxchart::Canvas>(sheet.width, sheet.height, background);
  chart.DrawSheet(CDC::FromHandle(canvas->Dc()));
  return canvas;
}

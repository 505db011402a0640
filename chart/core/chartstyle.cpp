#include "chart/core/chartstyle.h"

#include <algorithm>

namespace qxchart {

ChartStyle DefaultDataStyle(int set) {
  static const ChartColor kPalette[] = {
      ChartRgb(255, 0, 0),   ChartRgb(0, 0, 255),  ChartRgb(0, 160, 0), ChartRgb(255, 0, 255),
      ChartRgb(0, 160, 160), ChartRgb(160, 96, 0), ChartRgb(0, 0, 0),   ChartRgb(128, 128, 128)};
  const int n = static_cast<int>(sizeof kPalette / sizeof kPalette[0]);
  ChartStyle s;
  s.lineColor = s.pointColor = kPalette[(set % n + n) % n];
  return s;
}

ChartStyle DefaultAxisStyle() {
  ChartStyle s;
  s.pointSymbol = kSymbolNone;
  return s;
}

int ClampedLineWidth(int width) {
  return std::max(1, std::min(kMaxLineWidth, width));
}

int ClampedPointSize(int size) {
  return std::max(1, std::min(kMaxPointSize, size));
}

DashPattern DashFor(int linePattern) {
  DashPattern d;
  switch (linePattern) {
    case kLineLongDash:
      d.count = 2;
      d.lengths[0] = 12;
      d.lengths[1] = 6;
      break;
    case kLineDotted:
      d.count = 2;
      d.lengths[0] = 2;
      d.lengths[1] = 3;
      break;
    case kLineDashed:
      d.count = 2;
      d.lengths[0] = 6;
      d.lengths[1] = 4;
      break;
    case kLineDashDot:
      d.count = 4;
      d.lengths[0] = 10;
      d.lengths[1] = 4;
      d.lengths[2] = 2;
      d.lengths[3] = 4;
      break;
    default:
      break;
  }
  return d;
}

}  // namespace qxchart

#include "chart/core/ChartStyle.h"

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
  static const struct {
    int pattern;
    DashPattern dash;
  } kDashes[] = {
      {kLineLongDash, {2, {12, 6}}},
      {kLineDotted, {2, {2, 3}}},
      {kLineDashed, {2, {6, 4}}},
      {kLineDashDot, {4, {10, 4, 2, 4}}},
  };
  for (const auto& d : kDashes) {
    if (d.pattern == linePattern) return d.dash;
  }
  return DashPattern();
}

}  // namespace qxchart

// The style record of a data set or an axis, and the line patterns and point symbols it names.
#ifndef QUARVEX_CHART_CORE_CHARTSTYLE_H
#define QUARVEX_CHART_CORE_CHARTSTYLE_H

#include "chart/core/ChartIds.h"

namespace qxchart {

// Line patterns.
enum LinePattern {
  kLineNone = 1,
  kLineSolid = 2,
  kLineLongDash = 3,
  kLineDotted = 4,
  kLineDashed = 5,
  kLineDashDot = 6,
};

// Point symbols. Any other value draws a box.
enum PointSymbol {
  kSymbolNone = 1,
  kSymbolDot = 2,
  kSymbolBox = 3,
  kSymbolTriangle = 4,
  kSymbolDiamond = 5,
  kSymbolStar = 6,
  kSymbolCross = 7,
  kSymbolCircle = 8,
};

constexpr int kMaxLineWidth = 20;
constexpr int kMaxPointSize = 50;

// Seven fields, in the order callers know them. For an axis only the line colour and the line
// width (the fourth field) are used.
struct ChartStyle {
  int linePattern = kLineSolid;
  int fillPattern = 1;
  ChartColor lineColor = 0;
  int lineWidth = 1;
  int pointSymbol = kSymbolBox;
  ChartColor pointColor = 0;
  int pointSize = 5;

  bool operator==(const ChartStyle& o) const {
    return linePattern == o.linePattern && fillPattern == o.fillPattern &&
           lineColor == o.lineColor && lineWidth == o.lineWidth && pointSymbol == o.pointSymbol &&
           pointColor == o.pointColor && pointSize == o.pointSize;
  }
  bool operator!=(const ChartStyle& o) const { return !(*this == o); }
};

// The style a data set has before anyone sets one: solid line and box markers in a colour
// picked by the set's index.
ChartStyle DefaultDataStyle(int set);

// The style of an axis before anyone sets one: black, one pixel.
ChartStyle DefaultAxisStyle();

// Width and size kept to what can be drawn: width 1..kMaxLineWidth, size 1..kMaxPointSize.
int ClampedLineWidth(int width);
int ClampedPointSize(int size);

// On-off lengths of a dashed pattern, in pixels at 1:1 (for a line one pixel wide); empty for a
// solid line and for no line.
struct DashPattern {
  int count = 0;
  double lengths[6] = {0, 0, 0, 0, 0, 0};
};
DashPattern DashFor(int linePattern);

}  // namespace qxchart

#endif

// Property ids of the chart component, the kind of value each one holds, and the codes the
// map call reports. The numbers are fixed: callers store and pass them as they are.
#ifndef QUARVEX_CHART_CORE_CHARTIDS_H
#define QUARVEX_CHART_CORE_CHARTIDS_H

#include <cstdint>

namespace qxchart {

// COLORREF layout (0x00BBGGRR) without the Windows headers.
typedef std::uint32_t ChartColor;

inline constexpr ChartColor ChartRgb(int r, int g, int b) {
  return static_cast<ChartColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// The kinds of value a property holds. Each typed setter and getter accepts only its own kind.
enum class PropKind { None, Int, Color, Double, String, Font, Data, Style, TextLines };

namespace prop {
// Chart: behaviour.
constexpr int kRepaint = 0x100;     // int: 0 never invalidates the window, 1 repaints on change
constexpr int kOption104 = 0x104;   // int: accepted, no visible effect
constexpr int kFrame = 0x109;       // int: frame around the plot area
constexpr int kUpdatesOn = 0x111;   // int: 0 holds repaints back, 1 repaints
constexpr int kBackground = 0x20C;  // colour (chart background, text-area background)

// Data objects and styles.
constexpr int kData = 0x300;        // data: primary data (x axis, y axis)
constexpr int kData2 = 0x301;       // data: secondary data (x axis, y2 range)
constexpr int kXAxisStyle = 0x407;  // style record; line colour and width
constexpr int kYAxisStyle = 0x408;

// Accepted settings with no visible effect: the second y axis is never drawn, both data
// objects are always drawn as x-y plots, and no header, footer or legend is drawn.
constexpr int kY2Option4302 = 0x4302;
constexpr int kY2Option4600 = 0x4600;
constexpr int kY2OptionF02 = 0xF02;
constexpr int kDataTypeOption4F01 = 0x4F01;
constexpr int kDataShown5100 = 0x5100;
constexpr int kData2Shown5101 = 0x5101;
constexpr int kDecoration608 = 0x608;
constexpr int kDecoration609 = 0x609;
constexpr int kDecoration60A = 0x60A;
constexpr int kDecoration60B = 0x60B;
constexpr int kDecoration60C = 0x60C;

// Data bounds of the primary data (read only).
constexpr int kDataXMin = 0x700;
constexpr int kDataXMax = 0x703;
constexpr int kDataYMax = 0x704;

// Axes (doubles).
constexpr int kXTickSpacing = 0x709;
constexpr int kYTickSpacing = 0x70A;
constexpr int kXGridSpacing = 0x711;
constexpr int kYGridSpacing = 0x712;
constexpr int kXMax = 0x713;
constexpr int kYMax = 0x714;
constexpr int kY2Max = 0x715;
constexpr int kXMin = 0x716;
constexpr int kYMin = 0x717;
constexpr int kY2Min = 0x718;

// Fonts.
constexpr int kFont = 0x800;       // set from "Face,Size[,Bold][,Italic]"; read as a font handle
constexpr int kTitleFont = 0x802;  // font handle for the axis titles

// Tick-label precision (decimals, ints).
constexpr int kXPrecision = 0x900;
constexpr int kYPrecision = 0x901;

// Plot-area margins in pixels (ints).
constexpr int kMarginBottom = 0xB08;
constexpr int kMarginLeft = 0xB09;
constexpr int kMarginRight = 0xB0A;
constexpr int kMarginTop = 0xB0B;

// Axis titles (strings).
constexpr int kXTitle = 0xC00;
constexpr int kYTitle = 0xC01;

// "Automatic" flags (ints; setting 1 returns the value to automatic).
constexpr int kXRangeAuto = 0xE10;
constexpr int kYRangeAuto = 0xE11;  // also returns the y2 range to following the y range
constexpr int kXPrecisionAuto = 0xE13;
constexpr int kYPrecisionAuto = 0xE14;
constexpr int kXGridAuto = 0xE1E;  // 1: grid at the tick spacing; 0: grid at 0x711 (0 = none)
constexpr int kYGridAuto = 0xE1F;
constexpr int kXSpacingAuto = 0xE20;  // also returns the x precision to automatic
constexpr int kYSpacingAuto = 0xE21;  // also returns the y precision to automatic
constexpr int kMarginBottomAuto = 0xE23;
constexpr int kMarginLeftAuto = 0xE24;
constexpr int kMarginRightAuto = 0xE25;
constexpr int kMarginTopAuto = 0xE26;

// Text areas.
constexpr int kAreaAttach = 0x5300;  // int: 1 = position in data units
constexpr int kAreaBorder = 0x90D;   // int: accepted
constexpr int kAreaAdjust = 0x4505;  // int: accepted
constexpr int kAreaShown = 0x611;    // int: 0 hides the area
constexpr int kAreaAnchor = 0x4201;  // int: kAnchorRight or kAnchorLeft
constexpr int kAreaX = 0x71D;        // double, data units
constexpr int kAreaY = 0x71E;        // double, data units
constexpr int kAreaFont = 0x804;     // font handle
constexpr int kAreaLines = 0xD06;    // null-ended list of lines; null hides the area
}  // namespace prop

// Text-area anchors: text to the right or to the left of its point.
constexpr int kAnchorRight = 0x11;
constexpr int kAnchorLeft = 0x22;

// Actions.
constexpr int kActionResetZoom = 10;

// Regions reported by the map call.
constexpr int kRegionNone = 0;          // no valid layout
constexpr int kRegionPlotArea = -100;   // inside the plot area
constexpr int kRegionChartArea = -101;  // inside the window, outside the plot area
constexpr int kRegionOutside = -102;    // outside the window

// What an unmappable point reports in its data fields.
constexpr double kUnmappable = 1e308;

// The kind of a chart property; None for ids the chart does not know.
PropKind ChartPropKind(int id);

// The kind of a text-area property; None for ids a text area does not know.
PropKind TextAreaPropKind(int id);

}  // namespace qxchart

#endif

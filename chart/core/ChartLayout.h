// Geometry of a chart: margins, plot rectangle, axis mapping and the map results.
#ifndef QUARVEX_CHART_CORE_CHARTLAYOUT_H
#define QUARVEX_CHART_CORE_CHARTLAYOUT_H

#include <cstddef>
#include <string>

namespace qxchart {

// Text measurement in one font, in pixels at 1:1.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int TextWidth(const std::string& text) const = 0;
  virtual int LineHeight() const = 0;
};

// A fixed-pitch measure: every character the same width. Used when no font can be measured.
class FixedTextMeasure : public TextMeasure {
 public:
  FixedTextMeasure(int charWidth, int lineHeight)
      : m_charWidth(charWidth), m_lineHeight(lineHeight) {}
  int TextWidth(const std::string& text) const override {
    return static_cast<int>(text.size()) * m_charWidth;
  }
  int LineHeight() const override { return m_lineHeight; }

 private:
  int m_charWidth;
  int m_lineHeight;
};

struct Margins {
  int bottom = 0;
  int left = 0;
  int right = 0;
  int top = 0;
};

// Pixel rectangle; for the plot area the data range maps onto [left, right] x [top, bottom]
// (both edges included).
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// Spacing figures derived from the font: gaps, tick length.
struct FontSpacing {
  int gap = 2;
  int tick = 4;
  int numberWidth = 0;  // room kept for a tick label
};
FontSpacing SpacingFor(const TextMeasure& numbers);

// Automatic margins for a window of w x h: from the fonts and the window size only (never from
// ranges or labels). When the margins would take more than half the width (height), they are
// shrunk in proportion to half of it.
Margins AutoMargins(const TextMeasure& numbers, const TextMeasure& titles, int w, int h);

// Linear map of an axis: value lo lands on pixel p0, hi on p1.
struct AxisMap {
  double lo = 0, hi = 1;
  double p0 = 0, p1 = 1;
  double ToPixel(double v) const { return p0 + (v - lo) / (hi - lo) * (p1 - p0); }
  double ToData(double p) const { return lo + (p - p0) / (p1 - p0) * (hi - lo); }
};

// Nearest whole pixel, as drawing and mapping both round.
int RoundPixel(double v);

// What map and unmap report.
struct ChartMapResult {
  bool valid = false;
  int pixelX = 0;
  int pixelY = 0;
  int region = 0;  // kRegion... of chartids.h
  double x = 0;    // data coordinates (kUnmappable when not valid)
  double y = 0;
};

}  // namespace qxchart

#endif

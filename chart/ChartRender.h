// Plays a chart scene onto any device context (screen, memory bitmap, printer, metafile) at a
// given offset and scale. The window's own painting and drawing elsewhere both come here.
#ifndef QUARVEX_CHART_CHARTRENDER_H
#define QUARVEX_CHART_CHARTRENDER_H

#include <windows.h>

#include <map>
#include <utility>
#include <vector>

#include "chart/core/ChartScene.h"

namespace qxchart {

// Device point = (ox + x * sx, oy + y * sy), rounded to the nearest whole unit.
struct RenderTransform {
  double ox = 0, oy = 0;
  double sx = 1, sy = 1;
};

class ChartRenderer {
 public:
  // numberFont and titleFont are the chart's fonts at 1:1; they are scaled as needed.
  ChartRenderer(HDC dc, const RenderTransform& t, HFONT numberFont, HFONT titleFont);
  ~ChartRenderer();
  ChartRenderer(const ChartRenderer&) = delete;
  ChartRenderer& operator=(const ChartRenderer&) = delete;

  void Play(const Scene& scene);

 private:
  int X(double x) const;
  int Y(double y) const;
  int Thickness(int width, double scale) const;
  HFONT ScaledFont(HFONT base, bool rotated);
  HBRUSH Brush(COLORREF color);
  HPEN Pen(COLORREF color, int width);
  void FillRect(const SceneItem& it);
  void Rule(const SceneItem& it);
  void Polyline(const SceneItem& it);
  void Marker(const SceneItem& it);
  void FlushBoxes();
  void Text(const SceneItem& it);
  void ClipToPlot(const PixelRect& plot);
  void EndClip();  // undoes the last ClipToPlot

  HDC m_dc;
  RenderTransform m_t;
  HFONT m_numberFont;
  HFONT m_titleFont;
  // Made for this drawing, deleted after.
  std::map<std::pair<HFONT, bool>, HFONT> m_fonts;
  std::map<COLORREF, HBRUSH> m_brushes;
  std::map<std::pair<COLORREF, int>, HPEN> m_pens;
  int m_clipLevel = 0;
  std::vector<POINT> m_boxPoints;  // box markers waiting to be filled
  std::vector<INT> m_boxCounts;
  COLORREF m_boxColor = 0;
};

}  // namespace qxchart

#endif

// The picture of a chart as a list of simple drawing items in window pixels (doubles), built
// from the model and its layout. A renderer plays the list onto a device at any scale; the
// list itself is the same for the window's own painting and for drawing elsewhere.
#ifndef QUARVEX_CHART_CORE_CHARTSCENE_H
#define QUARVEX_CHART_CORE_CHARTSCENE_H

#include <string>
#include <vector>

#include "chart/core/ChartClip.h"
#include "chart/core/ChartModel.h"

namespace qxchart {

// The drawing kinds first, then the clip kinds (the renderer relies on the order).
enum class SceneKind {
  FillRect,  // rect filled with color
  Rule,      // axis-aligned line from a to b (both ends included), width px
  Polyline,  // points, width px, line pattern
  Marker,    // symbol of size px at a
  Text,      // text at a, aligned by align, in font
  ClipPlot,  // from here on, clip to the plot area
  ClipEnd,   // end of the plot clip
};

enum class SceneFont { Numbers, Titles, Area };

// Horizontal alignment of text at its point; the point is always the top of the text (for
// rotated text: its left side, the text reading upwards).
enum class TextAlign { Left, Center, Right };

struct SceneItem {
  SceneKind kind = SceneKind::FillRect;
  ChartColor color = 0;
  RectD rect;                  // FillRect
  PointD a, b;                 // Rule ends; Marker and Text point
  std::vector<PointD> points;  // Polyline
  int width = 1;               // Rule, Polyline, Marker outline
  int pattern = kLineSolid;    // Polyline
  int symbol = kSymbolNone;    // Marker
  int size = 0;                // Marker
  std::string text;            // Text
  SceneFont font = SceneFont::Numbers;
  void* areaFont = nullptr;  // SceneFont::Area
  TextAlign align = TextAlign::Left;
  bool rotated = false;
};

struct Scene {
  int width = 0;
  int height = 0;
  PixelRect plot;
  std::vector<SceneItem> items;
};

constexpr ChartColor kGridColor = 0xC0C0C0;
constexpr ChartColor kTextColor = 0x000000;
constexpr ChartColor kFrameColor = 0x000000;

// Builds the picture for the given layout. With a layout that is not valid only the background
// (and the titles) are drawn.
void BuildScene(const ChartModel& model, const ChartLayout& layout, Scene* scene);

}  // namespace qxchart

#endif

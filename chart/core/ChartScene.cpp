#include "chart/core/ChartScene.h"

#include <algorithm>
#include <cmath>

#include "chart/core/ChartScale.h"

namespace qxchart {

namespace {

constexpr long long kMaxTicks = 1000;
constexpr long long kMaxGridLines = 2000;

class SceneBuilder {
 public:
  SceneBuilder(const ChartModel& model, const ChartLayout& layout, Scene* scene)
      : m_model(model), m_l(layout), m_scene(scene) {}

  void Build();

 private:
  SceneItem& Add(SceneKind kind) {
    m_scene->items.emplace_back();
    m_scene->items.back().kind = kind;
    return m_scene->items.back();
  }
  void FillRect(double x0, double y0, double x1, double y1, ChartColor color);
  void Rule(double ax, double ay, double bx, double by, int width, ChartColor color);
  void Text(double x, double y, const std::string& text, SceneFont font, TextAlign align,
            bool rotated = false, void* areaFont = nullptr);
  void Grid();
  void DataSets(const ChartData* data, int which, const AxisLayout& yAxis);
  void Axes();
  void Frame();
  void Titles();
  void TextAreas();

  const ChartModel& m_model;
  const ChartLayout& m_l;
  Scene* m_scene;
};

void SceneBuilder::FillRect(double x0, double y0, double x1, double y1, ChartColor color) {
  SceneItem& it = Add(SceneKind::FillRect);
  it.rect = RectD{x0, y0, x1, y1};
  it.color = color;
}

void SceneBuilder::Rule(double ax, double ay, double bx, double by, int width, ChartColor color) {
  SceneItem& it = Add(SceneKind::Rule);
  it.a = PointD{ax, ay};
  it.b = PointD{bx, by};
  it.width = width;
  it.color = color;
}

void SceneBuilder::Text(double x, double y, const std::string& text, SceneFont font,
                        TextAlign align, bool rotated, void* areaFont) {
  if (text.empty()) return;
  SceneItem& it = Add(SceneKind::Text);
  it.a = PointD{x, y};
  it.text = text;
  it.font = font;
  it.align = align;
  it.rotated = rotated;
  it.areaFont = areaFont;
  it.color = kTextColor;
}

void SceneBuilder::Grid() {
  const PixelRect& p = m_l.plot;
  if (m_l.x.grid > 0) {
    const TickIndices t = TicksInRange(m_l.x.min, m_l.x.max, m_l.x.grid, kMaxGridLines);
    for (long long i = t.first; i <= t.last && t.count > 0; ++i) {
      const double px = m_l.x.map.ToPixel(TickValue(i, m_l.x.grid));
      Rule(px, p.top, px, p.bottom, 1, kGridColor);
    }
  }
  if (m_l.y.grid > 0) {
    const TickIndices t = TicksInRange(m_l.y.min, m_l.y.max, m_l.y.grid, kMaxGridLines);
    for (long long i = t.first; i <= t.last && t.count > 0; ++i) {
      const double py = m_l.y.map.ToPixel(TickValue(i, m_l.y.grid));
      Rule(p.left, py, p.right, py, 1, kGridColor);
    }
  }
}

void SceneBuilder::DataSets(const ChartData* data, int which, const AxisLayout& yAxis) {
  if (!data || !yAxis.valid) return;
  const RectD range{m_l.x.min, yAxis.min, m_l.x.max, yAxis.max};
  const int n = data->Points();
  std::vector<PolyRun> runs;
  for (int set = 0; set < data->Sets(); ++set) {
    ChartStyle style;
    m_model.GetDataStyle(which, set, &style);
    const double* xs = data->XRow(set);
    const double* ys = data->YRow(set);
    if (style.linePattern != kLineNone) {
      runs.clear();
      ClipPolyline(xs, ys, n, range, &runs);
      for (const PolyRun& run : runs) {
        SceneItem& it = Add(SceneKind::Polyline);
        it.points.reserve(run.size());
        for (const PointD& q : run)
          it.points.push_back(PointD{m_l.x.map.ToPixel(q.x), yAxis.map.ToPixel(q.y)});
        it.width = ClampedLineWidth(style.lineWidth);
        it.pattern = style.linePattern;
        it.color = style.lineColor & 0xFFFFFF;
      }
    }
    if (style.pointSymbol != kSymbolNone) {
      for (int i = 0; i < n; ++i) {
        const double x = xs[i], y = ys[i];
        if (!(x >= range.x0 && x <= range.x1 && y >= range.y0 && y <= range.y1))
          continue;  // holes (NaN) fail every comparison
        SceneItem& it = Add(SceneKind::Marker);
        it.a = PointD{m_l.x.map.ToPixel(x), yAxis.map.ToPixel(y)};
        it.symbol = style.pointSymbol;
        it.size = ClampedPointSize(style.pointSize);
        it.color = style.pointColor & 0xFFFFFF;
      }
    }
  }
}

void SceneBuilder::Axes() {
  const PixelRect& p = m_l.plot;
  const FontSpacing& s = m_l.spacing;
  const ChartStyle& xs = m_model.AxisStyle(0);
  const ChartStyle& ys = m_model.AxisStyle(1);
  const int xw = ClampedLineWidth(xs.lineWidth);
  const int yw = ClampedLineWidth(ys.lineWidth);
  const ChartColor xc = xs.lineColor & 0xFFFFFF;
  const ChartColor yc = ys.lineColor & 0xFFFFFF;
  Rule(p.left, p.bottom, p.right, p.bottom, xw, xc);
  Rule(p.left, p.top, p.left, p.bottom, yw, yc);

  const TickIndices tx = TicksInRange(m_l.x.min, m_l.x.max, m_l.x.step, kMaxTicks);
  for (long long i = tx.first; i <= tx.last && tx.count > 0; ++i) {
    const double v = TickValue(i, m_l.x.step);
    const double px = m_l.x.map.ToPixel(v);
    Rule(px, p.bottom, px, p.bottom + s.tick, xw, xc);
    Text(px, p.bottom + s.tick + s.gap, FormatTickLabel(v, m_l.x.precision), SceneFont::Numbers,
         TextAlign::Center);
  }
  const TickIndices ty = TicksInRange(m_l.y.min, m_l.y.max, m_l.y.step, kMaxTicks);
  for (long long i = ty.first; i <= ty.last && ty.count > 0; ++i) {
    const double v = TickValue(i, m_l.y.step);
    const double py = m_l.y.map.ToPixel(v);
    Rule(p.left - s.tick, py, p.left, py, yw, yc);
    Text(p.left - s.tick - s.gap, py - m_l.numberHeight / 2, FormatTickLabel(v, m_l.y.precision),
         SceneFont::Numbers, TextAlign::Right);
  }
}

void SceneBuilder::Frame() {
  const PixelRect& p = m_l.plot;
  Rule(p.left, p.top, p.right, p.top, 1, kFrameColor);
  Rule(p.left, p.bottom, p.right, p.bottom, 1, kFrameColor);
  Rule(p.left, p.top, p.left, p.bottom, 1, kFrameColor);
  Rule(p.right, p.top, p.right, p.bottom, 1, kFrameColor);
}

void SceneBuilder::Titles() {
  const PixelRect& p = m_l.plot;
  const int gap = m_l.spacing.gap;
  Text((p.left + p.right) / 2.0, m_l.height - gap - m_l.titleHeight, m_model.Title(0),
       SceneFont::Titles, TextAlign::Center);
  Text(gap, (p.top + p.bottom) / 2.0, m_model.Title(1), SceneFont::Titles, TextAlign::Center, true);
}

void SceneBuilder::TextAreas() {
  const int pad = 2;
  const int gap = m_l.spacing.gap;
  for (const auto& area : m_model.TextAreas()) {
    if (!area->Shown()) continue;
    const double px = m_l.x.map.ToPixel(area->X());
    const double py = m_l.y.map.ToPixel(area->Y());
    if (!(std::fabs(px) < 1e9) || !(std::fabs(py) < 1e9)) continue;
    const TextMeasure& m = m_model.AreaMeasure(area->Font());
    const int lineH = std::max(1, m.LineHeight());
    int textW = 0;
    for (const std::string& line : area->Lines()) textW = std::max(textW, m.TextWidth(line));
    const double w = textW + 2 * pad;
    const double h = lineH * static_cast<double>(area->Lines().size()) + 2 * pad;
    double x0 = area->Anchor() == kAnchorLeft ? px - gap - w : px + gap;
    double y0 = py - h / 2;
    // Keep the box inside the chart where it fits.
    x0 = std::max(0.0, std::min(x0, m_l.width - w));
    y0 = std::max(0.0, std::min(y0, m_l.height - h));
    x0 = std::floor(x0);
    y0 = std::floor(y0);
    FillRect(x0, y0, x0 + w, y0 + h, area->Background());
    if (area->Border() != 0) {
      Rule(x0, y0, x0 + w - 1, y0, 1, kFrameColor);
      Rule(x0, y0 + h - 1, x0 + w - 1, y0 + h - 1, 1, kFrameColor);
      Rule(x0, y0, x0, y0 + h - 1, 1, kFrameColor);
      Rule(x0 + w - 1, y0, x0 + w - 1, y0 + h - 1, 1, kFrameColor);
    }
    for (std::size_t i = 0; i < area->Lines().size(); ++i)
      Text(x0 + pad, y0 + pad + lineH * static_cast<double>(i), area->Lines()[i], SceneFont::Area,
           TextAlign::Left, false, area->Font());
  }
}

void SceneBuilder::Build() {
  m_scene->width = m_l.width;
  m_scene->height = m_l.height;
  m_scene->plot = m_l.plot;
  m_scene->items.clear();
  FillRect(0, 0, m_l.width, m_l.height, m_model.Background());
  if (!m_l.valid) return;
  Grid();
  Add(SceneKind::ClipPlot);
  DataSets(m_model.Data(1), 1, m_l.y);
  DataSets(m_model.Data(2), 2, m_l.y2);
  Add(SceneKind::ClipEnd);
  Axes();
  if (m_model.Frame()) Frame();
  Titles();
  TextAreas();
}

}  // namespace

void BuildScene(const ChartModel& model, const ChartLayout& layout, Scene* scene) {
  SceneBuilder(model, layout, scene).Build();
}

}  // namespace qxchart

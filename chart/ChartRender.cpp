#include "chart/ChartRender.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/core/ChartLayout.h"
#include "chart/core/ChartStyle.h"
#include "chart/ChartGdiObjects.h"

namespace qxchart {

namespace {

// Keeps a device coordinate inside what GDI can take; scene coordinates are already clipped,
// so this only guards against absurd offsets or scales.
int ClampDevice(double v) {
  const double kLimit = 1 << 27;
  if (!(v > -kLimit)) return -(1 << 27);
  if (!(v < kLimit)) return 1 << 27;
  return RoundPixel(v);
}

// The device units [lo, hi) covered from a to b (either order) by a line `width` units thick
// with square ends: the band is centred on the line and reaches half the width past each end.
void Span(int a, int b, int width, LONG* lo, LONG* hi) {
  *lo = std::min(a, b) - (width - 1) / 2;
  *hi = std::max(a, b) - (width - 1) / 2 + width;
}

}  // namespace

ChartRenderer::ChartRenderer(HDC dc, const RenderTransform& t, HFONT numberFont, HFONT titleFont)
    : m_dc(dc), m_t(t), m_numberFont(numberFont), m_titleFont(titleFont) {}

ChartRenderer::~ChartRenderer() {
  for (auto& f : m_fonts) {
    if (f.second != f.first.first) DeleteObject(f.second);
  }
  for (auto& b : m_brushes) DeleteObject(b.second);
  for (auto& p : m_pens) DeleteObject(p.second);
}

HBRUSH ChartRenderer::Brush(COLORREF color) {
  auto it = m_brushes.find(color);
  if (it != m_brushes.end()) return it->second;
  HBRUSH b = CreateSolidBrush(color);
  if (b) m_brushes.emplace(color, b);
  return b;
}

// Width 1: a cosmetic pen; wider: a geometric pen with round ends and joins.
HPEN ChartRenderer::Pen(COLORREF color, int width) {
  const auto key = std::make_pair(color, width);
  auto it = m_pens.find(key);
  if (it != m_pens.end()) return it->second;
  HPEN p;
  if (width <= 1) {
    p = CreatePen(PS_SOLID, 1, color);
  } else {
    LOGBRUSH lb = {BS_SOLID, color, 0};
    p = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                     static_cast<DWORD>(width), &lb, 0, nullptr);
  }
  if (p) m_pens.emplace(key, p);
  return p;
}

int ChartRenderer::X(double x) const {
  return ClampDevice(m_t.ox + x * m_t.sx);
}

int ChartRenderer::Y(double y) const {
  return ClampDevice(m_t.oy + y * m_t.sy);
}

int ChartRenderer::Thickness(int width, double scale) const {
  return std::max(1, RoundPixel(width * scale));
}

HFONT ChartRenderer::ScaledFont(HFONT base, bool rotated) {
  if (!base) base = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  const auto key = std::make_pair(base, rotated);
  auto it = m_fonts.find(key);
  if (it != m_fonts.end()) return it->second;
  HFONT made = base;
  if (rotated || m_t.sy != 1.0 || m_t.sx != 1.0) {
    LOGFONTA lf;
    if (GetObjectA(base, sizeof lf, &lf) == sizeof lf) {
      lf.lfHeight = lf.lfHeight == 0 ? 0
                                     : (lf.lfHeight < 0 ? -1 : 1) *
                                           std::max(1, RoundPixel(std::abs(lf.lfHeight) * m_t.sy));
      lf.lfWidth = RoundPixel(lf.lfWidth * m_t.sx);
      if (rotated) {
        lf.lfEscapement = lf.lfOrientation = 900;
        lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
      }
      HFONT f = CreateFontIndirectA(&lf);
      if (f) made = f;
    }
  }
  m_fonts.emplace(key, made);
  return made;
}

void ChartRenderer::FillRect(const SceneItem& it) {
  RECT r = {X(it.rect.x0), Y(it.rect.y0), X(it.rect.x1), Y(it.rect.y1)};
  if (r.right <= r.left || r.bottom <= r.top) return;
  ::FillRect(m_dc, &r, Brush(it.color));
}

// An axis-aligned line as a filled band: both ends included, square ends as wide as the line,
// so that crossing lines meet without gaps at any scale.
void ChartRenderer::Rule(const SceneItem& it) {
  RECT r;
  Span(X(it.a.x), X(it.b.x), Thickness(it.width, m_t.sx), &r.left, &r.right);
  Span(Y(it.a.y), Y(it.b.y), Thickness(it.width, m_t.sy), &r.top, &r.bottom);
  ::FillRect(m_dc, &r, Brush(it.color));
}

void ChartRenderer::Polyline(const SceneItem& it) {
  const double scale = (m_t.sx + m_t.sy) / 2;
  const int width = Thickness(it.width, scale);
  SelectGuard selectPen(m_dc, Pen(it.color, width));

  // Device coordinates in double; dashes are cut here so their lengths scale with the line.
  PolyRun run;
  run.reserve(it.points.size());
  for (const PointD& p : it.points)
    run.push_back(PointD{m_t.ox + p.x * m_t.sx, m_t.oy + p.y * m_t.sy});
  std::vector<PolyRun> pieces;
  const DashPattern dash = DashFor(it.pattern);
  DashRun(run, dash.lengths, dash.count, scale * std::max(1, it.width), &pieces);

  // All pieces in one call.
  std::vector<POINT> pts;
  std::vector<DWORD> counts;
  for (const PolyRun& piece : pieces) {
    const std::size_t start = pts.size();
    for (const PointD& p : piece) {
      const POINT q = {ClampDevice(p.x), ClampDevice(p.y)};
      if (pts.size() == start || q.x != pts.back().x || q.y != pts.back().y) pts.push_back(q);
    }
    if (pts.size() - start == 1)
      pts.push_back(POINT{pts.back().x + 1, pts.back().y});  // a dot still shows
    counts.push_back(static_cast<DWORD>(pts.size() - start));
  }
  if (counts.empty()) return;
  PolyPolyline(m_dc, pts.data(), counts.data(), static_cast<DWORD>(counts.size()));
  // A cosmetic line leaves out its last pixel; an unbroken line ends there, so put it in.
  if (width <= 1 && counts.size() == 1) SetPixelV(m_dc, pts.back().x, pts.back().y, it.color);
}

void ChartRenderer::FlushBoxes() {
  if (m_boxCounts.empty()) return;
  SelectGuard selectPen(m_dc, GetStockObject(NULL_PEN));
  SelectGuard selectBrush(m_dc, Brush(m_boxColor));
  // Without a pen a polygon fills [left, right) x [top, bottom), as FillRect does.
  PolyPolygon(m_dc, m_boxPoints.data(), m_boxCounts.data(), static_cast<int>(m_boxCounts.size()));
  m_boxPoints.clear();
  m_boxCounts.clear();
}

void ChartRenderer::Marker(const SceneItem& it) {
  const double scale = (m_t.sx + m_t.sy) / 2;
  const int cx = X(it.a.x), cy = Y(it.a.y);
  const int d = std::max(1, RoundPixel(it.size * scale));
  const int h = d / 2;
  HBRUSH brush = Brush(it.color);
  if (it.symbol != kSymbolDot && it.symbol != kSymbolTriangle && it.symbol != kSymbolDiamond &&
      it.symbol != kSymbolCircle && it.symbol != kSymbolStar && it.symbol != kSymbolCross) {
    // Boxes are gathered and filled together (one record in a metafile).
    if (!m_boxCounts.empty() && m_boxColor != it.color) FlushBoxes();
    m_boxColor = it.color;
    const int l = cx - h, t = cy - h, r = l + d, b = t + d;
    const POINT q[4] = {{l, t}, {r, t}, {r, b}, {l, b}};
    m_boxPoints.insert(m_boxPoints.end(), q, q + 4);
    m_boxCounts.push_back(4);
    return;
  }
  FlushBoxes();
  SelectGuard selectPen(m_dc, Pen(it.color, Thickness(1, scale)));
  // Box, triangle, diamond and dot are filled; circle outlined; star and cross are lines.
  switch (it.symbol) {
    case kSymbolDot: {
      SelectGuard selectBrush(m_dc, brush);
      const int r = std::max(1, h * 2 / 3);
      Ellipse(m_dc, cx - r, cy - r, cx + r + 1, cy + r + 1);
      break;
    }
    case kSymbolTriangle: {
      SelectGuard selectBrush(m_dc, brush);
      const POINT p[3] = {{cx, cy - h}, {cx + h, cy + h}, {cx - h, cy + h}};
      Polygon(m_dc, p, 3);
      break;
    }
    case kSymbolDiamond: {
      SelectGuard selectBrush(m_dc, brush);
      const POINT p[4] = {{cx, cy - h}, {cx + h, cy}, {cx, cy + h}, {cx - h, cy}};
      Polygon(m_dc, p, 4);
      break;
    }
    case kSymbolCircle: {
      SelectGuard selectBrush(m_dc, GetStockObject(NULL_BRUSH));
      Ellipse(m_dc, cx - h, cy - h, cx + h + 1, cy + h + 1);
      break;
    }
    case kSymbolStar:
    case kSymbolCross: {
      const POINT v[2] = {{cx, cy - h}, {cx, cy + h + 1}};
      const POINT hz[2] = {{cx - h, cy}, {cx + h + 1, cy}};
      ::Polyline(m_dc, v, 2);
      ::Polyline(m_dc, hz, 2);
      if (it.symbol == kSymbolStar) {
        const POINT a[2] = {{cx - h, cy - h}, {cx + h + 1, cy + h + 1}};
        const POINT b[2] = {{cx + h, cy - h}, {cx - h - 1, cy + h + 1}};
        ::Polyline(m_dc, a, 2);
        ::Polyline(m_dc, b, 2);
      }
      break;
    }
    default:
      break;
  }
}

void ChartRenderer::Text(const SceneItem& it) {
  HFONT base = it.font == SceneFont::Numbers  ? m_numberFont
               : it.font == SceneFont::Titles ? m_titleFont
                                              : static_cast<HFONT>(it.areaFont);
  if (it.font == SceneFont::Area && !base) base = m_numberFont;
  SelectGuard selectFont(m_dc, ScaledFont(base, it.rotated));
  // Placed by the baseline: metafile playback puts top-aligned text a pixel off.
  TEXTMETRICA tm;
  const int ascent = GetTextMetricsA(m_dc, &tm) ? tm.tmAscent : 0;
  UINT align = TA_BASELINE | TA_NOUPDATECP;
  align |= it.align == TextAlign::Center  ? TA_CENTER
           : it.align == TextAlign::Right ? TA_RIGHT
                                          : TA_LEFT;
  SetTextAlign(m_dc, align);
  SetTextColor(m_dc, it.color);
  int x = X(it.a.x), y = Y(it.a.y);
  if (it.rotated)
    x += ascent;  // the text reads upwards; its top is on the left
  else
    y += ascent;
  TextOutA(m_dc, x, y, it.text.c_str(), static_cast<int>(it.text.size()));
}

void ChartRenderer::ClipToPlot(const PixelRect& p) {
  if (SaveDC(m_dc)) ++m_clipLevel;
  IntersectClipRect(m_dc, X(p.left), Y(p.top), X(p.right) + Thickness(1, m_t.sx),
                    Y(p.bottom) + Thickness(1, m_t.sy));
}

void ChartRenderer::EndClip() {
  if (m_clipLevel == 0) return;
  RestoreDC(m_dc, -1);
  --m_clipLevel;
}

void ChartRenderer::Play(const Scene& scene) {
  // The drawing calls in the order of SceneKind's drawing kinds.
  static void (ChartRenderer::*const kDraw[])(const SceneItem&) = {
      &ChartRenderer::FillRect, &ChartRenderer::Rule, &ChartRenderer::Polyline,
      &ChartRenderer::Marker, &ChartRenderer::Text};
  static_assert(sizeof kDraw / sizeof kDraw[0] == static_cast<std::size_t>(SceneKind::ClipPlot),
                "every drawing kind has its call; the clip kinds come last");
  SavedDC saved(m_dc);
  SetBkMode(m_dc, TRANSPARENT);
  // Nothing leaves the chart's rectangle.
  IntersectClipRect(m_dc, X(0), Y(0), X(scene.width), Y(scene.height));
  for (const SceneItem& it : scene.items) {
    if (it.kind != SceneKind::Marker) FlushBoxes();
    if (it.kind == SceneKind::ClipPlot)
      ClipToPlot(scene.plot);
    else if (it.kind == SceneKind::ClipEnd)
      EndClip();
    else
      (this->*kDraw[static_cast<int>(it.kind)])(it);
  }
  FlushBoxes();
  while (m_clipLevel > 0) EndClip();
}

}  // namespace qxchart

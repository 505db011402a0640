#include "chart/Chart.h"

#include "chart/ChartRender.h"
#include "chart/core/ChartScene.h"
#include "chart/ChartGdiObjects.h"

namespace qxchart {

namespace {
const char kDefaultFont[] = "Arial,8";
}

Chart::Chart() : m_model(nullptr) {
  m_measureDC = CreateCompatibleDC(nullptr);
  m_model.SetEnvironment(this);
}

Chart::~Chart() {
  m_model.SetEnvironment(nullptr);
  m_measures.clear();
  if (m_measureDC) DeleteDC(m_measureDC);
}

void Chart::AttachWindow(HWND window) {
  m_window = window;
  OnChanged();
}

void Chart::SetSize(int width, int height) {
  m_width = width;
  m_height = height;
}

void Chart::ClientSize(int* width, int* height) const {
  if (m_window) {
    RECT r;
    if (GetClientRect(m_window, &r)) {
      *width = r.right - r.left;
      *height = r.bottom - r.top;
      return;
    }
    *width = *height = 0;
    return;
  }
  *width = m_width;
  *height = m_height;
}

void Chart::OnChanged() {
  int repaint = 0, updates = 0;
  m_model.GetInt(prop::kRepaint, &repaint);
  m_model.GetInt(prop::kUpdatesOn, &updates);
  if (m_window && repaint && updates) InvalidateRect(m_window, nullptr, FALSE);
}

bool Chart::GetColor(int id, COLORREF* value) const {
  ChartColor c = 0;
  if (!m_model.GetColor(id, &c)) return false;
  *value = c;
  return true;
}

// ---- fonts ----------------------------------------------------------------------------------

HFONT Chart::NumberFont() const {
  if (!m_numberFont) {
    FontDesc desc;
    ParseFontDesc(kDefaultFont, &desc);
    m_numberFont = m_fontCache.FontFor(desc);
  }
  return m_numberFont;
}

HFONT Chart::TitleFont() const {
  return m_titleFont ? m_titleFont : NumberFont();
}

void Chart::FontsChanged() {
  m_measures.clear();
  m_model.NotifyChanged();
}

bool Chart::SetFontText(int id, const char* text) {
  FontDesc desc;
  if (id != prop::kFont || !ParseFontDesc(text, &desc)) return false;
  HFONT font = m_fontCache.FontFor(desc);
  if (!font) return false;
  m_numberFont = font;
  FontsChanged();
  return true;
}

bool Chart::SetFont(int id, HFONT font) {
  if (id != prop::kTitleFont) return false;
  m_titleFont = font;
  FontsChanged();
  return true;
}

bool Chart::GetFont(int id, HFONT* font) const {
  if (id == prop::kFont)
    *font = NumberFont();
  else if (id == prop::kTitleFont)
    *font = TitleFont();
  else
    return false;
  return true;
}

const TextMeasure& Chart::MeasureFor(HFONT font) const {
  auto it = m_measures.find(font);
  if (it != m_measures.end()) return *it->second;
  auto m = std::unique_ptr<GdiTextMeasure>(new GdiTextMeasure(m_measureDC, font));
  const TextMeasure& ref = *m;
  m_measures.emplace(font, std::move(m));
  return ref;
}

const TextMeasure& Chart::NumberMeasure() const {
  return MeasureFor(NumberFont());
}

const TextMeasure& Chart::TitleMeasure() const {
  return MeasureFor(TitleFont());
}

const TextMeasure& Chart::AreaMeasure(void* font) const {
  return MeasureFor(font ? static_cast<HFONT>(font) : NumberFont());
}

// ---- drawing --------------------------------------------------------------------------------

bool Chart::DrawToDC(HDC dc, int /*a*/, int b, int x, int y, int w, int h) {
  if (!dc || w <= 0 || h <= 0) return false;
  const ChartLayout layout = m_model.Layout();
  if (layout.width <= 0 || layout.height <= 0) return false;
  Scene scene;
  BuildScene(m_model, layout, &scene);

  SavedDC saved(dc);
  if (b == kDrawDeviceUnits) {
    SetMapMode(dc, MM_TEXT);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetWindowOrgEx(dc, 0, 0, nullptr);
  }
  RenderTransform t;
  t.ox = x;
  t.oy = y;
  t.sx = static_cast<double>(w) / layout.width;
  t.sy = static_cast<double>(h) / layout.height;
  ChartRenderer(dc, t, NumberFont(), TitleFont()).Play(scene);
  return true;
}

void Chart::PaintBuffered(HDC dc) {
  int w = 0, h = 0;
  ClientSize(&w, &h);
  if (!dc || w <= 0 || h <= 0) return;
  MemoryDC mem(dc);
  GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, w, h));
  if (mem.Get() && bitmap) {
    SelectGuard select(mem.Get(), bitmap.Get());
    DrawToDC(mem.Get(), 3, 1, 0, 0, w, h);
    BitBlt(dc, 0, 0, w, h, mem.Get(), 0, 0, SRCCOPY);
  } else {
    DrawToDC(dc, 3, 1, 0, 0, w, h);
  }
}

}  // namespace qxchart

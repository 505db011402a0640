#include "chart/ChartFonts.h"

#include <cstring>

#include "chart/ChartGdiObjects.h"

namespace qxchart {

LOGFONTA LogFontFor(const FontDesc& desc) {
  LOGFONTA lf;
  std::memset(&lf, 0, sizeof lf);
  lf.lfHeight = -FontPixelHeight(desc.points);
  lf.lfWeight = desc.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = desc.italic ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_TT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = ANTIALIASED_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  std::strncpy(lf.lfFaceName, desc.face.c_str(), LF_FACESIZE - 1);
  return lf;
}

ChartFontCache::~ChartFontCache() {
  for (auto& f : m_fonts) {
    if (f.second) DeleteObject(f.second);
  }
}

HFONT ChartFontCache::FontFor(const FontDesc& desc) {
  for (auto& f : m_fonts) {
    if (f.first == desc) return f.second;
  }
  const LOGFONTA lf = LogFontFor(desc);
  HFONT font = CreateFontIndirectA(&lf);
  if (font) m_fonts.emplace_back(desc, font);
  return font;
}

GdiTextMeasure::GdiTextMeasure(HDC dc, HFONT font)
    : m_dc(dc), m_font(font), m_lineHeight(14), m_charWidth(7) {
  if (!m_dc) return;
  SelectGuard select(m_dc, m_font);
  TEXTMETRICA tm;
  if (GetTextMetricsA(m_dc, &tm)) {
    m_lineHeight = tm.tmHeight;
    m_charWidth = tm.tmAveCharWidth;
  }
}

int GdiTextMeasure::TextWidth(const std::string& text) const {
  auto it = m_widths.find(text);
  if (it != m_widths.end()) return it->second;
  int width = static_cast<int>(text.size()) * m_charWidth;
  if (m_dc) {
    SelectGuard select(m_dc, m_font);
    SIZE size;
    if (GetTextExtentPoint32A(m_dc, text.c_str(), static_cast<int>(text.size()), &size))
      width = size.cx;
  }
  if (m_widths.size() < 4096) m_widths.emplace(text, width);
  return width;
}

}  // namespace qxchart

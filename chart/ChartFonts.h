// Fonts of a chart: a cache of fonts made from font texts, whose handles stay valid until the
// chart is destroyed, and text measurement in a given font.
#ifndef QUARVEX_CHART_CHARTFONTS_H
#define QUARVEX_CHART_CHARTFONTS_H

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "chart/core/ChartFontDesc.h"
#include "chart/core/ChartLayout.h"

namespace qxchart {

// The LOGFONT of a font text: height from the point size at 96 pixels per inch, TrueType, so
// that rotated titles work.
LOGFONTA LogFontFor(const FontDesc& desc);

class ChartFontCache {
 public:
  ChartFontCache() = default;
  ~ChartFontCache();
  ChartFontCache(const ChartFontCache&) = delete;
  ChartFontCache& operator=(const ChartFontCache&) = delete;

  // The font for desc, made once; null only when GDI cannot make it.
  HFONT FontFor(const FontDesc& desc);

 private:
  std::vector<std::pair<FontDesc, HFONT>> m_fonts;
};

// Measures text in one font on a measuring DC (96 dpi, like the screen).
class GdiTextMeasure : public TextMeasure {
 public:
  GdiTextMeasure(HDC dc, HFONT font);
  int TextWidth(const std::string& text) const override;
  int LineHeight() const override { return m_lineHeight; }

 private:
  HDC m_dc;
  HFONT m_font;
  int m_lineHeight;
  int m_charWidth;  // fallback when the font cannot be selected
  mutable std::map<std::string, int> m_widths;
};

}  // namespace qxchart

#endif

// The chart font text: "Face,Size[,Bold][,Italic]", size in points.
#ifndef QUARVEX_CHART_CORE_CHARTFONTDESC_H
#define QUARVEX_CHART_CORE_CHARTFONTDESC_H

#include <string>

namespace qxchart {

struct FontDesc {
  std::string face = "Arial";
  int points = 8;
  bool bold = false;
  bool italic = false;

  bool operator==(const FontDesc& o) const {
    return face == o.face && points == o.points && bold == o.bold && italic == o.italic;
  }
};

constexpr int kMaxFontPoints = 500;
constexpr std::size_t kMaxFaceLength = 31;

// False (out untouched) for a missing or too long face, a size that is not a whole number of
// 1..kMaxFontPoints points, or a part other than Bold and Italic (either case).
bool ParseFontDesc(const char* text, FontDesc* out);

// Character height in pixels for a size in points at 96 pixels per inch.
int FontPixelHeight(int points);

}  // namespace qxchart

#endif

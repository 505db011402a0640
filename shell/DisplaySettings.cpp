#include "shell/DisplaySettings.h"

#include <cstring>

#include "core/document/KelProject.h"
#include "core/registry/SettingsKey.h"

LOGFONT DefaultChartFont() {
  LOGFONT lf;
  std::memset(&lf, 0, sizeof lf);
  lf.lfHeight = 80;
  lf.lfWeight = 400;
  std::strcpy(lf.lfFaceName, "Arial");
  return lf;
}

CDisplaySettings::CDisplaySettings()
    : m_strNormalStressTitle("Normal stress "),
      m_strShearStressTitle("Shear stress "),
      m_strMinorStressTitle("Minor principal stress "),
      m_strMajorStressTitle("Major principal stress "),
      m_lfChartFont(DefaultChartFont()),
      m_nFontPointSize(8),
      m_nLineWidth(1),
      m_nAxesLineWidth(1),
      m_nDecimalPlaces(-1),
      m_nPlotPointsIndex(3),
      m_bProjectData(1),
      m_bGridOverlay(1),
      m_bBoundingBox(0),
      m_bCropAxes(1),
      m_bShowTitle(1),
      m_bShowMogi(0),
      m_bShowIcons(1),
      m_nJustify(JUSTIFY_LEFT) {}

CDisplaySettings::~CDisplaySettings() = default;

bool CDisplaySettings::operator==(const CDisplaySettings& o) const {
  return m_strNormalStressTitle == o.m_strNormalStressTitle &&
         m_strShearStressTitle == o.m_strShearStressTitle &&
         m_strMinorStressTitle == o.m_strMinorStressTitle &&
         m_strMajorStressTitle == o.m_strMajorStressTitle &&
         std::memcmp(&m_lfChartFont, &o.m_lfChartFont, sizeof m_lfChartFont) == 0 &&
         m_nFontPointSize == o.m_nFontPointSize && m_nLineWidth == o.m_nLineWidth &&
         m_nAxesLineWidth == o.m_nAxesLineWidth && m_nDecimalPlaces == o.m_nDecimalPlaces &&
         m_nPlotPointsIndex == o.m_nPlotPointsIndex && m_bProjectData == o.m_bProjectData &&
         m_bGridOverlay == o.m_bGridOverlay && m_bBoundingBox == o.m_bBoundingBox &&
         m_bCropAxes == o.m_bCropAxes && m_bShowTitle == o.m_bShowTitle &&
         m_bShowMogi == o.m_bShowMogi && m_bShowIcons == o.m_bShowIcons &&
         m_nJustify == o.m_nJustify;
}

int CDisplaySettings::PlotPointCount(int index) {
  static const int kCounts[] = {10, 20, 50, 100, 200, 500};
  return index >= 0 && index < 6 ? kCounts[index] : 100;
}

CString FormatFontDescription(const LOGFONT& font, int pointSize) {
  char face[sizeof font.lfFaceName + 1];
  std::memcpy(face, font.lfFaceName, sizeof font.lfFaceName);
  face[sizeof font.lfFaceName] = 0;
  CString text;
  text.Format(" %s, %d pt", face, pointSize);
  if (font.lfWeight >= 700) text += ", Bold";
  if (font.lfItalic) text += ", Italic";
  return text;
}

namespace {

static_assert(sizeof(LOGFONT) == 60, "the chart font is stored as the 60-byte LOGFONTA");

// An int value kept only when it lies in [low, high]; otherwise the field's default.
void ReadRanged(CSettingsKey& key, const char* name, int& field, int low, int high, int fallback) {
  const int value = key.ReadInt(name, field);
  field = value >= low && value <= high ? value : fallback;
}

void ReadFlag(CSettingsKey& key, const char* name, BOOL& field) {
  field = key.ReadInt(name, field) != 0 ? 1 : 0;
}

// A stored colour is an RGB value with a zero top byte; any other value reads as the default.
void ReadColour(CSettingsKey& key, const char* name, COLORREF& colour, COLORREF fallback) {
  const COLORREF value = static_cast<COLORREF>(key.ReadInt(name, static_cast<int>(colour)));
  colour = (value & 0xFF000000u) == 0 ? value : fallback;
}

// A stored font is taken only when it could be a font: a terminated, printable, non-empty face
// name, a weight of 0-1000 and a height that is not absurd.
bool PlausibleFont(LOGFONT& lf) {
  lf.lfFaceName[sizeof lf.lfFaceName - 1] = 0;
  const size_t length = std::strlen(lf.lfFaceName);
  if (length == 0) return false;
  for (size_t i = 0; i < length; ++i)
    if (static_cast<unsigned char>(lf.lfFaceName[i]) < 0x20) return false;
  if (lf.lfWeight < 0 || lf.lfWeight > 1000) return false;
  if (lf.lfHeight < -1000 || lf.lfHeight > 1000) return false;
  if (lf.lfWidth < -1000 || lf.lfWidth > 1000) return false;
  return true;
}

}  // namespace

BOOL LoadDisplaySettings(ISettingsStore& store, CDisplaySettings& s, CurveColours& c) {
  CSettingsKey key(store);
  if (!key.SetKey(kSettingsKey, FALSE, settings::kAccessAll)) return FALSE;
  const CDisplaySettings defaults;
  const CurveColours defaultColours;
  ReadColour(key, "hbcolor", c.hoekBrown, defaultColours.hoekBrown);
  ReadColour(key, "mccolor", c.mohrCoulomb, defaultColours.mohrCoulomb);
  ReadColour(key, "hbcolor_gray", c.hoekBrownGray, defaultColours.hoekBrownGray);
  ReadColour(key, "mccolor_gray", c.mohrCoulombGray, defaultColours.mohrCoulombGray);
  ReadFlag(key, "grid_overlay", s.m_bGridOverlay);
  ReadFlag(key, "bounding_box", s.m_bBoundingBox);
  ReadFlag(key, "crop", s.m_bCropAxes);
  ReadFlag(key, "show_title", s.m_bShowTitle);
  ReadFlag(key, "show_mogi", s.m_bShowMogi);
  ReadFlag(key, "show_icons", s.m_bShowIcons);
  ReadFlag(key, "project_data", s.m_bProjectData);
  ReadRanged(key, "line_width", s.m_nLineWidth, 1, 20, defaults.m_nLineWidth);
  ReadRanged(key, "axes_line_width", s.m_nAxesLineWidth, 1, 20, defaults.m_nAxesLineWidth);
  ReadRanged(key, "font_point_size", s.m_nFontPointSize, 1, 72, defaults.m_nFontPointSize);
  ReadRanged(key, "num_decimal_places", s.m_nDecimalPlaces, -1, 8, defaults.m_nDecimalPlaces);
  ReadRanged(key, "num_pts_in_plot_index", s.m_nPlotPointsIndex, 0, 5,
             defaults.m_nPlotPointsIndex);
  ReadRanged(key, "justify", s.m_nJustify, JUSTIFY_LEFT, JUSTIFY_RIGHT, defaults.m_nJustify);
  LOGFONT font;
  if (key.ReadBinary("chart_font", &font, sizeof font) && PlausibleFont(font))
    s.m_lfChartFont = font;
  return TRUE;
}

BOOL SaveDisplaySettings(ISettingsStore& store, const CDisplaySettings& s, const CurveColours& c) {
  CSettingsKey key(store);
  if (!key.SetKey(kSettingsKey, TRUE, settings::kAccessAll)) return FALSE;
  key.WriteInt("hbcolor", static_cast<int>(c.hoekBrown));
  key.WriteInt("mccolor", static_cast<int>(c.mohrCoulomb));
  key.WriteInt("hbcolor_gray", static_cast<int>(c.hoekBrownGray));
  key.WriteInt("mccolor_gray", static_cast<int>(c.mohrCoulombGray));
  key.WriteInt("grid_overlay", s.m_bGridOverlay);
  key.WriteInt("bounding_box", s.m_bBoundingBox);
  key.WriteInt("crop", s.m_bCropAxes);
  key.WriteInt("show_title", s.m_bShowTitle);
  key.WriteInt("show_mogi", s.m_bShowMogi);
  key.WriteInt("show_icons", s.m_bShowIcons);
  key.WriteInt("project_data", s.m_bProjectData);
  key.WriteInt("line_width", s.m_nLineWidth);
  key.WriteInt("axes_line_width", s.m_nAxesLineWidth);
  key.WriteInt("font_point_size", s.m_nFontPointSize);
  key.WriteInt("num_decimal_places", s.m_nDecimalPlaces);
  key.WriteInt("num_pts_in_plot_index", s.m_nPlotPointsIndex);
  key.WriteInt("justify", s.m_nJustify);
  LOGFONT font = s.m_lfChartFont;
  font.lfFaceName[sizeof font.lfFaceName - 1] = 0;
  key.WriteBinary("chart_font", &font, sizeof font);
  return TRUE;
}

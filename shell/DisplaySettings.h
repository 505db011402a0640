// CDisplaySettings: how the charts and the side bar look (axis titles, chart font, line widths,
// decimal places, points per curve, what is shown, plot justification), and the curve colours
// kept beside it. Both are held by the application, stored per user in the registry and read
// back validated: a stored value out of range reads as its default.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include "framework/base/WinTypes.h"
// The platform's LOGFONTA, field for field (60 bytes), for the builds without Windows headers.
struct LOGFONTA {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  CHAR lfFaceName[32];
};
typedef LOGFONTA LOGFONT;
#endif

#include "core/registry/SettingsStore.h"
#include "framework/base/CString.h"

// Plot justification (combo "Plot Justification:").
enum PlotJustification {
  JUSTIFY_LEFT = 0,
  JUSTIFY_LEFT_CENTER,
  JUSTIFY_CENTER,
  JUSTIFY_RIGHT_CENTER,
  JUSTIFY_RIGHT
};

class CDisplaySettings {
 public:
  CDisplaySettings();
  virtual ~CDisplaySettings();
  CDisplaySettings(const CDisplaySettings&) = default;
  CDisplaySettings& operator=(const CDisplaySettings&) = default;
  bool operator==(const CDisplaySettings& other) const;
  bool operator!=(const CDisplaySettings& other) const { return !(*this == other); }

  // Envelope points per curve of a points index: 10, 20, 50, 100, 200, 500; 100 otherwise.
  static int PlotPointCount(int index);
  int GetPlotPointCount() const { return PlotPointCount(m_nPlotPointsIndex); }

  // Axis titles (fixed; no control and no registry value).
  CString m_strNormalStressTitle;  // "Normal stress "
  CString m_strShearStressTitle;   // "Shear stress "
  CString m_strMinorStressTitle;   // "Minor principal stress "
  CString m_strMajorStressTitle;   // "Major principal stress "
  // Chart font: face, weight and italic flag. Its height is not a size: drawing takes the size
  // from m_nFontPointSize.
  LOGFONT m_lfChartFont;
  int m_nFontPointSize;    // 8 (1-72)
  int m_nLineWidth;        // 1 (1-20)
  int m_nAxesLineWidth;    // 1 (1-20)
  int m_nDecimalPlaces;    // -1 = default format, else 0-8
  int m_nPlotPointsIndex;  // 3 (0-5)
  BOOL m_bProjectData;     // 1
  BOOL m_bGridOverlay;     // 1
  BOOL m_bBoundingBox;     // 0
  BOOL m_bCropAxes;        // 1
  BOOL m_bShowTitle;       // 1
  BOOL m_bShowMogi;        // 0
  BOOL m_bShowIcons;       // 1
  int m_nJustify;          // PlotJustification, 0
};

// The default chart font: height 80, weight 400, face "Arial", all else 0.
LOGFONT DefaultChartFont();
// " Arial, 8 pt", then ", Bold" for a weight of 700 or more, then ", Italic".
CString FormatFontDescription(const LOGFONT& font, int pointSize);

// The four stored curve colours, in their registry order.
struct CurveColours {
  COLORREF hoekBrown = 0x0000FF;      // "hbcolor", red
  COLORREF mohrCoulomb = 0xFF0000;    // "mccolor", blue
  COLORREF hoekBrownGray = 0x000000;  // "hbcolor_gray", black
  COLORREF mohrCoulombGray = 0x808080;  // "mccolor_gray", gray
};

// Reads the 18 values under the settings key (no key created). A missing or unreadable value
// leaves its field as it was; a value out of range reads as the field's default. FALSE when
// the key cannot be opened (nothing changed).
BOOL LoadDisplaySettings(ISettingsStore& store, CDisplaySettings& settings, CurveColours& colours);
// Writes the 18 values (the key created when missing); FALSE when the key cannot be opened.
BOOL SaveDisplaySettings(ISettingsStore& store, const CDisplaySettings& settings,
                         const CurveColours& colours);

// The chart handle: a chart model with its fonts, bound to a window (or to a size of its own
// when it has none), drawing itself with GDI into any device context.
#ifndef QUARVEX_CHART_CHART_H
#define QUARVEX_CHART_CHART_H

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "chart/ChartFonts.h"
#include "chart/core/ChartModel.h"

namespace qxchart {

// DrawToDC's b argument: the rectangle is in device units (clipboard, printer).
constexpr int kDrawDeviceUnits = 4;

class Chart final : private ChartEnvironment {
 public:
  Chart();
  ~Chart();
  Chart(const Chart&) = delete;
  Chart& operator=(const Chart&) = delete;

  // Binds the chart to a window: its client size lays the chart out, and changes invalidate it
  // (while 0x100 and 0x111 allow). Null unbinds.
  void AttachWindow(HWND window);
  HWND Window() const { return m_window; }
  // The size used while no window is bound.
  void SetSize(int width, int height);

  // Typed properties (ids in chart/core/ChartIds.h); false for an id of another kind or a value
  // out of its domain.
  bool SetInt(int id, int value) { return m_model.SetInt(id, value); }
  bool GetInt(int id, int* value) const { return m_model.GetInt(id, value); }
  bool SetColor(int id, COLORREF value) { return m_model.SetColor(id, value); }
  bool GetColor(int id, COLORREF* value) const;
  bool SetDouble(int id, double value) { return m_model.SetDouble(id, value); }
  bool GetDouble(int id, double* value) const { return m_model.GetDouble(id, value); }
  bool SetString(int id, const char* value) { return m_model.SetString(id, value); }
  bool GetString(int id, std::string* value) const { return m_model.GetString(id, value); }
  bool SetData(int id, ChartData* data) { return m_model.SetData(id, data); }
  bool GetData(int id, ChartData** data) const { return m_model.GetData(id, data); }
  bool SetStyle(int id, const ChartStyle& style) { return m_model.SetStyle(id, style); }
  bool GetStyle(int id, ChartStyle* style) const { return m_model.GetStyle(id, style); }

  // Fonts. 0x800 is set from "Face,Size[,Bold][,Italic]" and read as a font handle that stays
  // valid until the chart is destroyed; 0x802 takes a font handle (null: the 0x800 font).
  bool SetFontText(int id, const char* text);
  bool SetFont(int id, HFONT font);
  bool GetFont(int id, HFONT* font) const;

  // Style records of set n of the primary data (which = 1, 0x300) or of the secondary data
  // (which = 2, 0x301); the Nth calls name the data object in their name.
  bool SetDataStyle(int which, int n, const ChartStyle& style) {
    return m_model.SetDataStyle(which, n, style);
  }
  bool GetDataStyle(int which, int n, ChartStyle* style) const {
    return m_model.GetDataStyle(which, n, style);
  }
  bool GetNthDataStyle(int n, ChartStyle* style) const { return GetDataStyle(1, n, style); }
  bool SetNthDataStyle(int n, const ChartStyle& style) { return SetDataStyle(1, n, style); }
  bool GetNthDataStyle2(int n, ChartStyle* style) const { return GetDataStyle(2, n, style); }
  bool SetNthDataStyle2(int n, const ChartStyle& style) { return SetDataStyle(2, n, style); }

  // Text areas belong to the chart; they go with it. Set their values through ChartTextArea
  // (fonts as HFONT).
  ChartTextArea* CreateTextArea() { return m_model.CreateTextArea(); }
  bool DestroyTextArea(ChartTextArea* area) { return m_model.DestroyTextArea(area); }

  ChartMapResult Unmap(double x, double y) const { return m_model.Unmap(x, y); }
  ChartMapResult Map(int px, int py) const { return m_model.Map(px, py); }
  bool CallAction(int action) { return m_model.CallAction(action); }

  // Draws the chart, laid out for its window size, into the rectangle (x, y, w, h) of dc,
  // scaled by w / width and h / height. With b == kDrawDeviceUnits the rectangle is in device
  // units: the DC's mapping is set to MM_TEXT with origins 0 for the drawing and restored
  // after. a is accepted. False when there is nothing to draw into.
  bool DrawToDC(HDC dc, int a, int b, int x, int y, int w, int h);

  // Paints the chart at its window size into dc (a paint DC) through a memory bitmap, so that
  // the window never shows a half-drawn picture.
  void PaintBuffered(HDC dc);

  const ChartModel& Model() const { return m_model; }
  // The model, for code that builds a chart through the window-free interface; changes made
  // there invalidate the window as the setters above do.
  ChartModel& Model() { return m_model; }
  ChartLayout Layout() const { return m_model.Layout(); }

 private:
  // ChartEnvironment
  void ClientSize(int* width, int* height) const override;
  const TextMeasure& NumberMeasure() const override;
  const TextMeasure& TitleMeasure() const override;
  const TextMeasure& AreaMeasure(void* font) const override;
  void OnChanged() override;

  HFONT NumberFont() const;
  HFONT TitleFont() const;
  const TextMeasure& MeasureFor(HFONT font) const;
  void FontsChanged();

  ChartModel m_model;
  HWND m_window = nullptr;
  int m_width = 0;
  int m_height = 0;
  mutable ChartFontCache m_fontCache;
  mutable HFONT m_numberFont = nullptr;  // from the cache
  HFONT m_titleFont = nullptr;           // the caller's; not owned
  HDC m_measureDC = nullptr;
  mutable std::map<HFONT, std::unique_ptr<GdiTextMeasure>> m_measures;
};

}  // namespace qxchart

#endif

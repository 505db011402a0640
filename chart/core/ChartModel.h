// Everything a chart holds except its window and fonts: typed properties with their automatic
// flags, the two data objects and their styles, the text areas, and the layout worked out on
// demand for the current window size, fonts and data.
#ifndef QUARVEX_CHART_CORE_CHARTMODEL_H
#define QUARVEX_CHART_CORE_CHARTMODEL_H

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "chart/core/ChartData.h"
#include "chart/core/ChartIds.h"
#include "chart/core/ChartLayout.h"
#include "chart/core/ChartStyle.h"
#include "chart/core/ChartTextArea.h"

namespace qxchart {

// What the model asks of the window side: size, font measures, and a signal after a change.
class ChartEnvironment {
 public:
  virtual void ClientSize(int* width, int* height) const = 0;
  virtual const TextMeasure& NumberMeasure() const = 0;
  virtual const TextMeasure& TitleMeasure() const = 0;
  // Measure of a text area's font (null: the chart font).
  virtual const TextMeasure& AreaMeasure(void* font) const = 0;
  virtual void OnChanged() = 0;

 protected:
  ~ChartEnvironment() = default;
};

struct AxisLayout {
  bool valid = false;  // the range is usable (finite, min < max)
  double min = 0;
  double max = 1;
  double step = 1;
  int precision = 0;
  double grid = 0;  // grid spacing; 0 draws no grid
  AxisMap map;
};

struct ChartLayout {
  bool valid = false;  // the window has a size, the plot area too, and both ranges are usable
  int width = 0;
  int height = 0;
  Margins margins;
  PixelRect plot;
  AxisLayout x, y, y2;
  FontSpacing spacing;
  int numberHeight = 0;
  int titleHeight = 0;
};

class ChartModel : public ChartDataHolder {
 public:
  explicit ChartModel(ChartEnvironment* env = nullptr);
  ~ChartModel();
  ChartModel(const ChartModel&) = delete;
  ChartModel& operator=(const ChartModel&) = delete;

  void SetEnvironment(ChartEnvironment* env) { m_env = env; }

  // Typed access. A setter returns false and changes nothing for an id of another kind, a
  // read-only id, or a value out of its domain (non-finite doubles, spacings not above 0,
  // precisions outside 0..15, negative margins). Setting an explicit value of a computed
  // property clears its automatic flag. Getters return false for an id of another kind.
  bool SetInt(int id, int value);
  bool GetInt(int id, int* value) const;
  bool SetColor(int id, ChartColor value);
  bool GetColor(int id, ChartColor* value) const;
  bool SetDouble(int id, double value);
  bool GetDouble(int id, double* value) const;
  bool SetString(int id, const char* value);  // null clears
  bool GetString(int id, std::string* value) const;
  bool SetData(int id, ChartData* data);  // null detaches
  bool GetData(int id, ChartData** data) const;
  bool SetStyle(int id, const ChartStyle& style);
  bool GetStyle(int id, ChartStyle* style) const;

  // Style records of the sets of the primary (which = 1) or secondary (which = 2) data.
  bool SetDataStyle(int which, int set, const ChartStyle& style);
  bool GetDataStyle(int which, int set, ChartStyle* style) const;

  ChartTextArea* CreateTextArea();
  bool DestroyTextArea(ChartTextArea* area);  // false for an area this chart does not own
  const std::vector<std::unique_ptr<ChartTextArea>>& TextAreas() const { return m_areas; }

  // Worked out now, for the environment's current window size and fonts.
  ChartLayout Layout() const;

  // Data to client pixels of the window; not valid without a valid layout, for non-finite
  // input or for a pixel that would not fit the coordinate range.
  ChartMapResult Unmap(double x, double y) const;
  ChartMapResult Unmap(const ChartLayout& layout, double x, double y) const;
  // Client pixels to data; region kRegionPlotArea inside the plot area.
  ChartMapResult Map(int px, int py) const;

  // Action 10 (reset zoom) is accepted and does nothing; others are refused.
  bool CallAction(int action);

  ChartData* Data(int which) const { return which == 2 ? m_data[1] : m_data[0]; }
  int Frame() const { return Int(prop::kFrame); }
  ChartColor Background() const { return m_background; }
  const std::string& Title(int axis) const { return m_titles[axis == 1 ? 1 : 0]; }
  const ChartStyle& AxisStyle(int axis) const { return m_axisStyle[axis == 1 ? 1 : 0]; }

  const TextMeasure& NumberMeasure() const;
  const TextMeasure& TitleMeasure() const;
  const TextMeasure& AreaMeasure(void* font) const;

  // Called after every change (also by the text areas).
  void NotifyChanged();

  void OnDataDestroyed(const ChartData* data) override;

 private:
  struct AxisSettings {
    bool minAuto = true, maxAuto = true;
    double min = 0, max = 1;
    bool stepAuto = true;
    double step = 1;
    bool precisionAuto = true;
    int precision = 0;
    bool gridAuto = false;
    double grid = 0;
  };

  int Int(int id) const;
  void ClientSize(int* w, int* h) const;
  AxisLayout ComputeAxis(const AxisSettings& s, double dataLo, double dataHi, bool isY,
                         double pixelLength) const;
  double AutoStep(bool isY, double lo, double hi, double pixelLength) const;
  void Freeze(int autoFlagId);

  ChartEnvironment* m_env;
  std::map<int, int> m_ints;  // plain int settings
  AxisSettings m_x, m_y;
  bool m_y2Auto = true;
  double m_y2Min = 0, m_y2Max = 1;
  bool m_marginAuto[4] = {true, true, true, true};  // bottom, left, right, top
  int m_margin[4] = {0, 0, 0, 0};
  ChartColor m_background;
  ChartStyle m_axisStyle[2];
  ChartData* m_data[2] = {nullptr, nullptr};
  std::vector<ChartStyle> m_styles[2];
  std::string m_titles[2];
  std::vector<std::unique_ptr<ChartTextArea>> m_areas;
};

}  // namespace qxchart

#endif

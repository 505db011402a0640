#include "chart/core/ChartModel.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "chart/core/ChartScale.h"

namespace qxchart {

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Measure used when there is no environment: 7 x 14 pixel characters.
const FixedTextMeasure& FallbackMeasure() {
  static const FixedTextMeasure m(7, 14);
  return m;
}

int MarginIndex(int id) {
  switch (id) {
    case prop::kMarginBottom:
    case prop::kMarginBottomAuto:
      return 0;
    case prop::kMarginLeft:
    case prop::kMarginLeftAuto:
      return 1;
    case prop::kMarginRight:
    case prop::kMarginRightAuto:
      return 2;
    case prop::kMarginTop:
    case prop::kMarginTopAuto:
      return 3;
    default:
      return -1;
  }
}

int MarginOf(const Margins& m, int index) {
  const int v[4] = {m.bottom, m.left, m.right, m.top};
  return v[index];
}

}  // namespace

ChartModel::ChartModel(ChartEnvironment* env) : m_env(env), m_background(ChartRgb(255, 255, 255)) {
  m_axisStyle[0] = m_axisStyle[1] = DefaultAxisStyle();
  m_ints[prop::kRepaint] = 1;
  m_ints[prop::kUpdatesOn] = 1;
  m_ints[prop::kFrame] = 1;
}

ChartModel::~ChartModel() {
  for (ChartData* d : m_data) {
    if (d) d->RemoveHolder(this);
  }
}

void ChartModel::NotifyChanged() {
  if (m_env) m_env->OnChanged();
}

void ChartModel::OnDataDestroyed(const ChartData* data) {
  bool changed = false;
  for (ChartData*& d : m_data) {
    if (d == data) {
      d = nullptr;
      changed = true;
    }
  }
  if (changed) NotifyChanged();
}

int ChartModel::Int(int id) const {
  auto it = m_ints.find(id);
  return it == m_ints.end() ? 0 : it->second;
}

void ChartModel::ClientSize(int* w, int* h) const {
  *w = *h = 0;
  if (m_env) m_env->ClientSize(w, h);
  *w = std::max(0, *w);
  *h = std::max(0, *h);
}

const TextMeasure& ChartModel::NumberMeasure() const {
  return m_env ? m_env->NumberMeasure() : FallbackMeasure();
}

const TextMeasure& ChartModel::TitleMeasure() const {
  return m_env ? m_env->TitleMeasure() : FallbackMeasure();
}

const TextMeasure& ChartModel::AreaMeasure(void* font) const {
  return m_env ? m_env->AreaMeasure(font) : FallbackMeasure();
}

// ---- typed properties ----------------------------------------------------------------------

bool ChartModel::SetInt(int id, int value) {
  using namespace prop;
  if (ChartPropKind(id) != PropKind::Int) return false;
  switch (id) {
    case kXPrecision:
    case kYPrecision: {
      if (value < 0 || value > kMaxPrecision) return false;
      AxisSettings& a = id == kXPrecision ? m_x : m_y;
      a.precision = value;
      a.precisionAuto = false;
      break;
    }
    case kMarginBottom:
    case kMarginLeft:
    case kMarginRight:
    case kMarginTop: {
      if (value < 0) return false;
      const int i = MarginIndex(id);
      m_margin[i] = value;
      m_marginAuto[i] = false;
      break;
    }
    case kXRangeAuto:
    case kYRangeAuto:
    case kXSpacingAuto:
    case kYSpacingAuto:
    case kXPrecisionAuto:
    case kYPrecisionAuto:
    case kMarginBottomAuto:
    case kMarginLeftAuto:
    case kMarginRightAuto:
    case kMarginTopAuto: {
      if (value == 0) {
        Freeze(id);
        break;
      }
      switch (id) {
        case kXRangeAuto:
          m_x.minAuto = m_x.maxAuto = true;
          break;
        case kYRangeAuto:
          m_y.minAuto = m_y.maxAuto = true;
          m_y2Auto = true;
          break;
        case kXSpacingAuto:
          m_x.stepAuto = m_x.precisionAuto = true;
          break;
        case kYSpacingAuto:
          m_y.stepAuto = m_y.precisionAuto = true;
          break;
        case kXPrecisionAuto:
          m_x.precisionAuto = true;
          break;
        case kYPrecisionAuto:
          m_y.precisionAuto = true;
          break;
        default:
          m_marginAuto[MarginIndex(id)] = true;
          break;
      }
      break;
    }
    case kXGridAuto:
    case kYGridAuto: {
      AxisSettings& a = id == kXGridAuto ? m_x : m_y;
      a.gridAuto = value != 0;
      if (!a.gridAuto) a.grid = 0;
      break;
    }
    default:
      m_ints[id] = value;
      break;
  }
  NotifyChanged();
  return true;
}

// Fixes a computed value at what it is now, so that turning a flag off keeps the picture.
void ChartModel::Freeze(int autoFlagId) {
  using namespace prop;
  const ChartLayout l = Layout();
  switch (autoFlagId) {
    case kXRangeAuto:
    case kYRangeAuto: {
      AxisSettings& a = autoFlagId == kXRangeAuto ? m_x : m_y;
      const AxisLayout& al = autoFlagId == kXRangeAuto ? l.x : l.y;
      a.min = al.min;
      a.max = al.max;
      a.minAuto = a.maxAuto = false;
      break;
    }
    case kXSpacingAuto:
    case kYSpacingAuto: {
      AxisSettings& a = autoFlagId == kXSpacingAuto ? m_x : m_y;
      a.step = (autoFlagId == kXSpacingAuto ? l.x : l.y).step;
      a.stepAuto = false;
      break;
    }
    case kXPrecisionAuto:
    case kYPrecisionAuto: {
      AxisSettings& a = autoFlagId == kXPrecisionAuto ? m_x : m_y;
      a.precision = (autoFlagId == kXPrecisionAuto ? l.x : l.y).precision;
      a.precisionAuto = false;
      break;
    }
    default: {
      const int i = MarginIndex(autoFlagId);
      m_margin[i] = MarginOf(l.margins, i);
      m_marginAuto[i] = false;
      break;
    }
  }
}

bool ChartModel::GetInt(int id, int* value) const {
  using namespace prop;
  if (ChartPropKind(id) != PropKind::Int) return false;
  switch (id) {
    case kXPrecision:
    case kYPrecision: {
      const AxisSettings& a = id == kXPrecision ? m_x : m_y;
      *value =
          a.precisionAuto ? (id == kXPrecision ? Layout().x : Layout().y).precision : a.precision;
      return true;
    }
    case kMarginBottom:
    case kMarginLeft:
    case kMarginRight:
    case kMarginTop: {
      const int i = MarginIndex(id);
      *value = m_marginAuto[i] ? MarginOf(Layout().margins, i) : m_margin[i];
      return true;
    }
    case kXRangeAuto:
      *value = m_x.minAuto && m_x.maxAuto;
      return true;
    case kYRangeAuto:
      *value = m_y.minAuto && m_y.maxAuto;
      return true;
    case kXSpacingAuto:
      *value = m_x.stepAuto;
      return true;
    case kYSpacingAuto:
      *value = m_y.stepAuto;
      return true;
    case kXPrecisionAuto:
      *value = m_x.precisionAuto;
      return true;
    case kYPrecisionAuto:
      *value = m_y.precisionAuto;
      return true;
    case kXGridAuto:
      *value = m_x.gridAuto;
      return true;
    case kYGridAuto:
      *value = m_y.gridAuto;
      return true;
    case kMarginBottomAuto:
    case kMarginLeftAuto:
    case kMarginRightAuto:
    case kMarginTopAuto:
      *value = m_marginAuto[MarginIndex(id)];
      return true;
    default:
      *value = Int(id);
      return true;
  }
}

bool ChartModel::SetColor(int id, ChartColor value) {
  if (ChartPropKind(id) != PropKind::Color) return false;
  m_background = value & 0xFFFFFF;
  NotifyChanged();
  return true;
}

bool ChartModel::GetColor(int id, ChartColor* value) const {
  if (ChartPropKind(id) != PropKind::Color) return false;
  *value = m_background;
  return true;
}

bool ChartModel::SetDouble(int id, double value) {
  using namespace prop;
  if (ChartPropKind(id) != PropKind::Double || !std::isfinite(value)) return false;
  switch (id) {
    case kXTickSpacing:
    case kYTickSpacing: {
      if (!(value > 0)) return false;
      AxisSettings& a = id == kXTickSpacing ? m_x : m_y;
      a.step = value;
      a.stepAuto = false;
      break;
    }
    case kXGridSpacing:
    case kYGridSpacing: {
      if (value < 0) return false;
      AxisSettings& a = id == kXGridSpacing ? m_x : m_y;
      a.grid = value;
      a.gridAuto = false;
      break;
    }
    case kXMin:
    case kXMax:
    case kYMin:
    case kYMax: {
      AxisSettings& a = id == kXMin || id == kXMax ? m_x : m_y;
      const bool isMin = id == kXMin || id == kYMin;
      (isMin ? a.min : a.max) = value;
      (isMin ? a.minAuto : a.maxAuto) = false;
      break;
    }
    case kY2Min:
    case kY2Max:
      if (m_y2Auto) {
        // The other end starts from where the y2 range stood while it followed y.
        const ChartLayout l = Layout();
        m_y2Min = l.y2.min;
        m_y2Max = l.y2.max;
        m_y2Auto = false;
      }
      (id == kY2Min ? m_y2Min : m_y2Max) = value;
      break;
    default:
      return false;  // data bounds are read only
  }
  NotifyChanged();
  return true;
}

bool ChartModel::GetDouble(int id, double* value) const {
  using namespace prop;
  if (ChartPropKind(id) != PropKind::Double) return false;
  switch (id) {
    case kDataXMin:
    case kDataXMax:
    case kDataYMax: {
      const DataBounds b = m_data[0] ? m_data[0]->Bounds() : DataBounds();
      *value = !b.any ? 0.0 : id == kDataXMin ? b.xMin : id == kDataXMax ? b.xMax : b.yMax;
      return true;
    }
    default:
      break;
  }
  // Everything else is read from the layout.
  static const struct {
    int id;
    AxisLayout ChartLayout::*axis;
    double AxisLayout::*field;
  } kFromLayout[] = {
      {kXTickSpacing, &ChartLayout::x, &AxisLayout::step},
      {kYTickSpacing, &ChartLayout::y, &AxisLayout::step},
      {kXGridSpacing, &ChartLayout::x, &AxisLayout::grid},
      {kYGridSpacing, &ChartLayout::y, &AxisLayout::grid},
      {kXMin, &ChartLayout::x, &AxisLayout::min},
      {kXMax, &ChartLayout::x, &AxisLayout::max},
      {kYMin, &ChartLayout::y, &AxisLayout::min},
      {kYMax, &ChartLayout::y, &AxisLayout::max},
      {kY2Min, &ChartLayout::y2, &AxisLayout::min},
      {kY2Max, &ChartLayout::y2, &AxisLayout::max},
  };
  for (const auto& f : kFromLayout) {
    if (f.id == id) {
      const ChartLayout l = Layout();
      *value = (l.*f.axis).*f.field;
      return true;
    }
  }
  return false;
}

bool ChartModel::SetString(int id, const char* value) {
  if (ChartPropKind(id) != PropKind::String) return false;
  m_titles[id == prop::kYTitle ? 1 : 0] = value ? value : "";
  NotifyChanged();
  return true;
}

bool ChartModel::GetString(int id, std::string* value) const {
  if (ChartPropKind(id) != PropKind::String) return false;
  *value = m_titles[id == prop::kYTitle ? 1 : 0];
  return true;
}

bool ChartModel::SetData(int id, ChartData* data) {
  if (ChartPropKind(id) != PropKind::Data) return false;
  ChartData*& slot = m_data[id == prop::kData2 ? 1 : 0];
  ChartData* other = m_data[id == prop::kData2 ? 0 : 1];
  if (slot != data) {
    if (slot && slot != other) slot->RemoveHolder(this);
    slot = data;
    if (data) data->AddHolder(this);
  }
  NotifyChanged();
  return true;
}

bool ChartModel::GetData(int id, ChartData** data) const {
  if (ChartPropKind(id) != PropKind::Data) return false;
  *data = m_data[id == prop::kData2 ? 1 : 0];
  return true;
}

bool ChartModel::SetStyle(int id, const ChartStyle& style) {
  if (ChartPropKind(id) != PropKind::Style) return false;
  m_axisStyle[id == prop::kYAxisStyle ? 1 : 0] = style;
  NotifyChanged();
  return true;
}

bool ChartModel::GetStyle(int id, ChartStyle* style) const {
  if (ChartPropKind(id) != PropKind::Style) return false;
  *style = m_axisStyle[id == prop::kYAxisStyle ? 1 : 0];
  return true;
}

bool ChartModel::SetDataStyle(int which, int set, const ChartStyle& style) {
  if ((which != 1 && which != 2) || set < 0 || set >= ChartData::kMaxSets) return false;
  std::vector<ChartStyle>& v = m_styles[which - 1];
  while (static_cast<int>(v.size()) <= set)
    v.push_back(DefaultDataStyle(static_cast<int>(v.size())));
  v[set] = style;
  NotifyChanged();
  return true;
}

bool ChartModel::GetDataStyle(int which, int set, ChartStyle* style) const {
  if ((which != 1 && which != 2) || set < 0 || set >= ChartData::kMaxSets) return false;
  const std::vector<ChartStyle>& v = m_styles[which - 1];
  *style = set < static_cast<int>(v.size()) ? v[set] : DefaultDataStyle(set);
  return true;
}

ChartTextArea* ChartModel::CreateTextArea() {
  m_areas.push_back(std::unique_ptr<ChartTextArea>(new ChartTextArea(this)));
  NotifyChanged();
  return m_areas.back().get();
}

bool ChartModel::DestroyTextArea(ChartTextArea* area) {
  auto it =
      std::find_if(m_areas.begin(), m_areas.end(),
                   [area](const std::unique_ptr<ChartTextArea>& p) { return p.get() == area; });
  if (it == m_areas.end()) return false;
  m_areas.erase(it);
  NotifyChanged();
  return true;
}

bool ChartModel::CallAction(int action) {
  return action == kActionResetZoom;
}

// ---- layout ---------------------------------------------------------------------------------

double ChartModel::AutoStep(bool isY, double lo, double hi, double pixelLength) const {
  const TextMeasure& numbers = NumberMeasure();
  const int numH = std::max(1, numbers.LineHeight());
  if (isY) {
    const double need = 2.0 * numH;
    return ChooseTickStep(lo, hi, pixelLength, need,
                          [&](double step) { return step / (hi - lo) * pixelLength >= need; });
  }
  return ChooseTickStep(lo, hi, pixelLength, 2.0 * numH, [&](double step) {
    // The widest labels are those of the ends (most digits, the sign).
    const TickIndices t = TicksInRange(lo, hi, step, 100000);
    if (t.count == 0) return false;
    const int p = StepPrecision(step);
    const int w = std::max(numbers.TextWidth(FormatTickLabel(TickValue(t.first, step), p)),
                           numbers.TextWidth(FormatTickLabel(TickValue(t.last, step), p)));
    return step / (hi - lo) * pixelLength >= w + numH;
  });
}

AxisLayout ChartModel::ComputeAxis(const AxisSettings& s, double dataLo, double dataHi, bool isY,
                                   double pixelLength) const {
  AxisLayout a;
  auto stepFor = [&](double lo, double hi) {
    return s.stepAuto ? AutoStep(isY, lo, hi, pixelLength) : s.step;
  };
  AxisRange r;
  a.valid = AutoRange(dataLo, dataHi, s.minAuto ? kNaN : s.min, s.maxAuto ? kNaN : s.max, isY,
                      stepFor, &r);
  if (a.valid) {
    a.min = r.lo;
    a.max = r.hi;
  } else {
    a.min = s.minAuto ? 0.0 : s.min;
    a.max = s.maxAuto ? 1.0 : s.max;
  }
  if (!s.stepAuto)
    a.step = s.step;
  else if (a.valid)
    a.step = AutoStep(isY, a.min, a.max, pixelLength);
  else
    a.step = 1.0;
  a.precision = s.precisionAuto ? StepPrecision(a.step) : s.precision;
  a.grid = s.gridAuto ? a.step : s.grid;
  a.map.lo = a.min;
  a.map.hi = a.max;
  return a;
}

ChartLayout ChartModel::Layout() const {
  ChartLayout l;
  ClientSize(&l.width, &l.height);
  const TextMeasure& numbers = NumberMeasure();
  const TextMeasure& titles = TitleMeasure();
  l.spacing = SpacingFor(numbers);
  l.numberHeight = std::max(1, numbers.LineHeight());
  l.titleHeight = std::max(1, titles.LineHeight());
  const Margins automatic = AutoMargins(numbers, titles, l.width, l.height);
  int m[4];
  for (int i = 0; i < 4; ++i) m[i] = m_marginAuto[i] ? MarginOf(automatic, i) : m_margin[i];
  l.margins.bottom = m[0];
  l.margins.left = m[1];
  l.margins.right = m[2];
  l.margins.top = m[3];
  l.plot.left = m[1];
  l.plot.top = m[3];
  l.plot.right = l.width - m[2];
  l.plot.bottom = l.height - m[0];

  const DataBounds b = m_data[0] ? m_data[0]->Bounds() : DataBounds();
  const double xLo = b.any ? b.xMin : kNaN, xHi = b.any ? b.xMax : kNaN;
  const double yLo = b.any ? b.yMin : kNaN, yHi = b.any ? b.yMax : kNaN;
  l.x = ComputeAxis(m_x, xLo, xHi, false, l.plot.Width());
  l.y = ComputeAxis(m_y, yLo, yHi, true, l.plot.Height());
  l.x.map.p0 = l.plot.left;
  l.x.map.p1 = l.plot.right;
  l.y.map.p0 = l.plot.bottom;
  l.y.map.p1 = l.plot.top;
  l.y2 = l.y;
  if (!m_y2Auto) {
    l.y2.min = m_y2Min;
    l.y2.max = m_y2Max;
    l.y2.valid = m_y2Min < m_y2Max && std::isfinite(m_y2Max - m_y2Min);
    l.y2.map.lo = m_y2Min;
    l.y2.map.hi = m_y2Max;
  }
  l.valid = l.width > 0 && l.height > 0 && l.plot.Width() > 0 && l.plot.Height() > 0 && l.x.valid &&
            l.y.valid;
  return l;
}

// ---- mapping --------------------------------------------------------------------------------

namespace {

int RegionOf(const ChartLayout& l, int px, int py) {
  if (px >= l.plot.left && px <= l.plot.right && py >= l.plot.top && py <= l.plot.bottom)
    return kRegionPlotArea;
  if (px >= 0 && px < l.width && py >= 0 && py < l.height) return kRegionChartArea;
  return kRegionOutside;
}

ChartMapResult Unmappable() {
  ChartMapResult r;
  r.x = r.y = kUnmappable;
  return r;
}

}  // namespace

ChartMapResult ChartModel::Unmap(double x, double y) const {
  return Unmap(Layout(), x, y);
}

ChartMapResult ChartModel::Unmap(const ChartLayout& l, double x, double y) const {
  if (!l.valid || !std::isfinite(x) || !std::isfinite(y)) return Unmappable();
  const double px = l.x.map.ToPixel(x);
  const double py = l.y.map.ToPixel(y);
  const double kLimit = 1e9;
  if (!(std::fabs(px) < kLimit) || !(std::fabs(py) < kLimit)) return Unmappable();
  ChartMapResult r;
  r.valid = true;
  r.pixelX = RoundPixel(px);
  r.pixelY = RoundPixel(py);
  r.region = RegionOf(l, r.pixelX, r.pixelY);
  r.x = x;
  r.y = y;
  return r;
}

ChartMapResult ChartModel::Map(int px, int py) const {
  const ChartLayout l = Layout();
  if (!l.valid) {
    ChartMapResult r = Unmappable();
    r.pixelX = px;
    r.pixelY = py;
    return r;
  }
  ChartMapResult r;
  r.valid = true;
  r.pixelX = px;
  r.pixelY = py;
  r.region = RegionOf(l, px, py);
  r.x = l.x.map.ToData(px);
  r.y = l.y.map.ToData(py);
  return r;
}

}  // namespace qxchart

#include "view/PlotBuilder.h"

#include "view/AxisCropping.h"
#include "view/PlotGeometry.h"
#include "view/PlotSeries.h"

using namespace qxchart;

namespace {

// The axis-default flags, in the order they are switched back on.
const int kAxisDefaults[] = {prop::kXSpacingAuto,     prop::kYSpacingAuto,    prop::kXRangeAuto,
                             prop::kYRangeAuto,       prop::kMarginTopAuto,   prop::kMarginBottomAuto,
                             prop::kMarginLeftAuto,   prop::kMarginRightAuto, prop::kXPrecisionAuto,
                             prop::kYPrecisionAuto};

void ResetAxisDefaults(ChartModel& chart) {
  for (int id : kAxisDefaults) chart.SetInt(id, 1);
}

SeriesOptions OptionsFor(const PlotBuildContext& c) {
  SeriesOptions o;
  o.pointCount = c.pointCount;
  o.plotTestData = c.state.plotTestData;
  o.mohrCoulombOverlay = c.state.mohrCoulombOverlay;
  o.showMogi = c.display.showMogi;
  return o;
}

void StyleSets(ChartModel& chart, const PlotSeriesSet& sets, bool shearPlot,
               const PlotDisplay& display) {
  for (size_t i = 0; i < sets.series.size(); ++i) {
    ChartStyle current;
    chart.GetDataStyle(1, static_cast<int>(i), &current);
    const SeriesKind kind = sets.series[i].kind;
    chart.SetDataStyle(1, static_cast<int>(i),
                       SeriesStyle(kind, shearPlot && kind == SeriesKind::kTestData, current,
                                   display));
  }
}

// Axis line widths and the data shown.
void SetAxisLines(ChartModel& chart, const PlotDisplay& display) {
  for (int id : {prop::kXAxisStyle, prop::kYAxisStyle}) {
    ChartStyle axis;
    chart.GetStyle(id, &axis);
    axis.lineWidth = display.axesLineWidth;
    chart.SetStyle(id, axis);
  }
  chart.SetInt(prop::kDataShown5100, 1);
}

// Grid, frame, titles and the settings of the data area; then the new data.
void FinishChart(ChartModel& chart, const PlotDisplay& display, const CString& xTitle,
                 const CString& yTitle, std::unique_ptr<ChartData>& data,
                 std::unique_ptr<ChartData> fresh) {
  if (display.gridOverlay) {
    chart.SetInt(prop::kXGridAuto, 1);
    chart.SetInt(prop::kYGridAuto, 1);
  } else {
    chart.SetInt(prop::kXGridAuto, 0);
    chart.SetInt(prop::kYGridAuto, 0);
    chart.SetDouble(prop::kXGridSpacing, 0.0);
    chart.SetDouble(prop::kYGridSpacing, 0.0);
  }
  chart.SetInt(prop::kFrame, display.boundingBox ? 1 : 0);
  chart.SetString(prop::kXTitle, xTitle);
  chart.SetString(prop::kYTitle, yTitle);
  chart.SetInt(prop::kDataTypeOption4F01, 2);
  for (int id : {prop::kDecoration60B, prop::kDecoration609, prop::kDecoration60C,
                 prop::kDecoration608, prop::kDecoration60A})
    chart.SetInt(id, 0);
  // The chart lets go of the old data object before it is freed.
  chart.SetData(prop::kData, fresh.get());
  data = std::move(fresh);
}

void SetRanges(ChartModel& chart, const AxisRanges& r) {
  chart.SetDouble(prop::kXMin, r.xMin);
  chart.SetDouble(prop::kXMax, r.xMax);
  chart.SetDouble(prop::kYMin, r.yMin);
  chart.SetDouble(prop::kYMax, r.yMax);
}

struct ChartSteps {
  AxisStep x, y;
};

ChartSteps ReadSteps(const ChartModel& chart) {
  ChartSteps s;
  chart.GetDouble(prop::kXTickSpacing, &s.x.step);
  chart.GetDouble(prop::kYTickSpacing, &s.y.step);
  chart.GetInt(prop::kXPrecision, &s.x.precision);
  chart.GetInt(prop::kYPrecision, &s.y.precision);
  return s;
}

void SetStep(ChartModel& chart, const AxisStep& x, const AxisStep& y) {
  chart.SetDouble(prop::kXTickSpacing, x.step);
  chart.SetInt(prop::kXPrecision, x.precision);
  chart.SetDouble(prop::kYTickSpacing, y.step);
  chart.SetInt(prop::kYPrecision, y.precision);
}

CString UnitTitle(const char* name, const CStrengthCriterion* m) {
  return CString(name) + m->GetStressUnitLabel(TRUE);
}

ExtentsMode ModeFor(const PlotViewState& s, const PlotExtents* lockedCopy) {
  ExtentsMode m;
  m.surfaceMode = s.surfaceMode;
  m.mohrCoulombOverlay = s.mohrCoulombOverlay;
  m.zoomFactor = s.zoomFactor;
  m.locked = s.axesLocked;
  m.lockedCopy = lockedCopy;
  return m;
}

}  // namespace

CornerPixels ChartCorners(const ChartModel& chart) {
  CornerPixels c;
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
  chart.GetDouble(prop::kXMin, &xMin);
  chart.GetDouble(prop::kXMax, &xMax);
  chart.GetDouble(prop::kYMin, &yMin);
  chart.GetDouble(prop::kYMax, &yMax);
  const ChartLayout layout = chart.Layout();
  const ChartMapResult p1 = chart.Unmap(layout, xMin, yMin);
  const ChartMapResult p2 = chart.Unmap(layout, xMax, yMax);
  const ChartMapResult p3 = chart.Unmap(layout, xMin, yMax);
  c.valid = p1.valid && p2.valid && p3.valid;
  c.p1x = p1.pixelX;
  c.p1y = p1.pixelY;
  c.p2x = p2.pixelX;
  c.p2y = p2.pixelY;
  c.p3x = p3.pixelX;
  c.p3y = p3.pixelY;
  return c;
}

void BuildPrincipalPlot(ChartModel& chart, std::unique_ptr<ChartData>& data,
                        const PlotBuildContext& c) {
  PlotViewState& state = c.state;
  const CStrengthCriterion* model = c.doc.Active();
  if (state.lastPlottedCriterion == -1) {
    state.lastPlottedCriterion = c.doc.criterion;
  } else if (state.lastPlottedCriterion != c.doc.criterion) {
    c.hooks.ResetSamplers();
    state.lastPlottedCriterion = c.doc.criterion;
  }
  const bool mayMove = AxesMayMove(state.axesLocked, c.doc.redrawHint, state.surfaceMode);
  if (mayMove) ResetAxisDefaults(chart);

  const PlotSeriesSet sets = PrincipalSeries(c.doc, OptionsFor(c));
  StyleSets(chart, sets, false, c.display);
  SetAxisLines(chart, c.display);
  c.hooks.SetChartFonts(1);
  FinishChart(chart, c.display, UnitTitle("Minor principal stress ", model),
              UnitTitle("Major principal stress ", model), data, MakeChartData(sets));

  if (mayMove) {
    ComputePrincipalExtents(c.doc, ModeFor(state, &state.lockedPrincipalExtents), sets.yLimit,
                            &state.principalExtents);
    AxisRanges r;
    if (ScaleToEqualStress(ChartCorners(chart), false, &state.principalExtents, &r)) {
      if (c.doc.criterion == CRITERION_POWER_CURVE) r.yMin = -c.doc.PowerCurveD();
      state.principalRanges = r;
      state.hasPrincipalRanges = true;
    } else if (state.hasPrincipalRanges) {
      r = state.principalRanges;
    }
    SetRanges(chart, r);
    const ChartSteps steps = ReadSteps(chart);
    CropChartAxes(chart, CropChart::kPrincipal,
                  state.showPrincipalPlot && c.display.crop && state.surfaceMode,
                  c.display.justify);
    const AxisStep equal = EqualAxisStep(steps.x, steps.y);
    SetStep(chart, equal, equal);
  }
  c.hooks.RefreshSamplers(1);
}

void BuildNormalShearPlot(ChartModel& chart, const ChartModel& principal,
                          std::unique_ptr<ChartData>& data, const PlotBuildContext& c) {
  PlotViewState& state = c.state;
  const CStrengthCriterion* model = c.doc.Active();
  const bool mayMove = AxesMayMove(state.axesLocked, c.doc.redrawHint, state.surfaceMode);
  if (mayMove) {
    ResetAxisDefaults(chart);
    chart.SetInt(prop::kYSpacingAuto, 1);
    chart.SetInt(prop::kXSpacingAuto, 1);
  }

  const PlotSeriesSet sets = NormalShearSeries(c.doc, OptionsFor(c));
  StyleSets(chart, sets, true, c.display);
  SetAxisLines(chart, c.display);
  c.hooks.SetChartFonts(2);
  FinishChart(chart, c.display, UnitTitle("Normal stress ", model),
              UnitTitle("Shear stress ", model), data, MakeChartData(sets));

  if (mayMove) {
    double principalYMax = 0.0;
    const bool followPrincipal = state.showPrincipalPlot;
    if (followPrincipal) principal.GetDouble(prop::kYMax, &principalYMax);
    ComputeNormalShearExtents(c.doc, ModeFor(state, &state.lockedShearExtents), sets.yLimit,
                              followPrincipal ? &principalYMax : nullptr, &state.shearExtents);
    const bool keepX = model->GetDataType(nullptr) == DATA_DIRECT_SHEAR;
    AxisRanges r;
    if (ScaleToEqualStress(ChartCorners(chart), keepX, &state.shearExtents, &r)) {
      state.shearRanges = r;
      state.hasShearRanges = true;
    } else if (state.hasShearRanges) {
      r = state.shearRanges;
    }
    SetRanges(chart, r);
    const ChartSteps principalSteps = ReadSteps(principal);
    const ChartSteps ownSteps = ReadSteps(chart);
    CropChartAxes(chart, CropChart::kNormalShear,
                  state.showShearPlot && c.display.crop && state.surfaceMode, c.display.justify);
    if (followPrincipal) {
      // The principal plot's steps, already one for both of its axes.
      SetStep(chart, AxisStep{principalSteps.y.step, principalSteps.x.precision},
              AxisStep{principalSteps.x.step, principalSteps.y.precision});
    } else {
      // Without the principal plot its steps mean nothing: the shear chart's own, made one.
      const AxisStep equal = EqualAxisStep(ownSteps.x, ownSteps.y);
      SetStep(chart, equal, equal);
    }
  }
  c.hooks.RefreshSamplers(2);
}

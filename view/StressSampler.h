// The two stress samplers of a chart view: a vertical line on each chart that reads the
// failure envelope at a stress chosen with the mouse, labelled with the envelope's stresses
// there; the instantaneous Mohr-Coulomb sampler adds the envelope's tangent and labels its
// cohesion and friction angle. Moving the line on one chart moves the other chart's line to
// the matching point of the envelope. The lines are a second data object on each chart, drawn
// against its own y range, and the labels are the charts' text areas. Everything here works
// on the chart models; the view adds the mouse capture, the cursor and the repaints.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "chart/core/ChartModel.h"
#include "view/PlotInputs.h"

// The three points of a tangent line, with the instantaneous cohesion and friction angle.
struct TangentLine {
  double x[3] = {0, 0, 0};
  double y[3] = {0, 0, 0};
  double cohesion = 0;  // DBL_MAX when the tangent is vertical
  double friction = 0;  // radians; pi/2 when vertical
};

enum SamplerChartId { kPrincipalSamplerChart = 0, kShearSamplerChart = 1 };

// The tangent of the envelope of the document's criterion at x (sig3 on the principal chart,
// sigN on the shear chart). False for Mohr-Coulomb, whose envelope is its own tangent.
bool ComputeTangentLine(const PlotDocument& doc, int chart, double x, TangentLine* line);

// What the label of a chart says.
struct SamplerLabelInput {
  int chart = kPrincipalSamplerChart;
  int criterion = CRITERION_HOEK_BROWN;
  bool instantaneous = false;
  bool mohrCoulombOverlay = false;
  double x = 0;  // sig3 or sigN
  double y = 0;  // sig1 or tau of the envelope at x
  double cohesion = 0;
  double friction = 0;  // radians
  double equivalentY = 0;  // the equivalent Mohr-Coulomb line at x (used when y > 0)
};
std::vector<std::string> SamplerLabelLines(const SamplerLabelInput& in);

// The label stands right of its line up to half of the chart's largest x, left of it beyond.
int SamplerLabelAnchor(double x, double chartXMax);

// A view-client point in shear-chart pixels: with both plots shown and a shear chart, the
// chart's offset in the view is taken off, and a point above or left of the chart fails. In
// any other case the point stays as it is.
bool ViewToShearChartPoint(int* x, int* y, bool bothShown, bool shearChartExists, int offsetX,
                           int offsetY);

// One chart as the sampler sees it.
struct SamplerChart {
  qxchart::ChartModel* model = nullptr;     // null while the chart window does not exist
  qxchart::ChartTextArea* label = nullptr;  // the chart's label area (owned by the chart)
  void* font = nullptr;                     // the chart's font (0x800), for the label
  bool plotShown = false;
};

// What the sampler reads of its view each time.
struct SamplerContext {
  const PlotDocument* doc = nullptr;  // null: the view has no document
  SamplerChart principal;
  SamplerChart shear;
  bool mohrCoulombOverlay = false;
  bool grayscale = false;
  // Where the shear chart lies in the view (view-client pixels of its top-left corner).
  int shearOffsetX = 0;
  int shearOffsetY = 0;
};

class StressSampler {
 public:
  StressSampler() = default;
  ~StressSampler();
  StressSampler(const StressSampler&) = delete;
  StressSampler& operator=(const StressSampler&) = delete;

  // Analysis > Stress Sampler: from the instantaneous sampler to the stress sampler, else on
  // and off.
  void OnStressSamplerCommand(const SamplerContext& ctx);
  // Analysis > Instantaneous MC Sampler: from the stress sampler to the instantaneous one,
  // else on and off.
  void OnInstantaneousSamplerCommand(const SamplerContext& ctx);
  bool StressSamplerChecked() const { return m_bSamplerShown && !m_bInstantaneousMode; }
  bool InstantaneousSamplerChecked() const { return m_bInstantaneousMode; }
  static bool InstantaneousSamplerEnabled(int criterion);

  // Switches the overlay on (each line in the middle of its chart's x range) or off.
  void Show(bool on, const SamplerContext& ctx);
  // Off, and the instantaneous mode cleared (the criterion changed).
  void Reset(const SamplerContext& ctx);
  // After a plot was rebuilt: the line follows the new axes and envelope.
  void RefreshPrincipal(const SamplerContext& ctx);
  void RefreshShear(const SamplerContext& ctx);

  // A mouse position in view-client pixels: the principal chart takes it when its plot is
  // shown and the point lies in its plot area, else the shear chart (tried also after the
  // principal chart took it when alsoShear). Returns whether a chart took the point; the
  // line moves (with the other chart's line) when the stress differs from the stored one.
  bool TakePoint(int x, int y, const SamplerContext& ctx, bool alsoShear);

  // Moves the principal line to sig3 (the shear line follows when that plot is shown), or
  // the shear line to sigN (the principal line follows when that plot is shown).
  void MovePrincipalTo(double sig3, const SamplerContext& ctx);
  void MoveShearTo(double sigN, const SamplerContext& ctx);

  // Detaches and frees both overlays (before the charts go).
  void Release(const SamplerContext& ctx);

  bool IsShown() const { return m_bSamplerShown; }
  bool IsInstantaneous() const { return m_bInstantaneousMode; }
  double PrincipalX() const { return m_dPrincipalSampleX; }
  double ShearX() const { return m_dShearSampleX; }
  double InstantCohesion() const { return m_dInstantCohesion; }
  double InstantFriction() const { return m_dInstantFriction; }
  const qxchart::ChartData* PrincipalData() const { return m_pPrincipalSamplerData.get(); }
  const qxchart::ChartData* ShearData() const { return m_pShearSamplerData.get(); }

 private:
  struct Side;
  Side SideOf(int chart, const SamplerContext& ctx);
  void ShowOn(Side side, const SamplerContext& ctx);
  void Refresh(Side side, const SamplerContext& ctx);
  // Series 0 at x up to top, series 1 the tangent in instantaneous mode; attaches the data.
  void DrawLine(Side side, double x, double top, const SamplerContext& ctx);
  void UpdateLabel(Side side, double x, double y, const SamplerContext& ctx);
  // The line at x up to the chart's value of topProperty, labelled with (x, y).
  void PlaceLine(Side side, double x, double y, int topProperty, const SamplerContext& ctx);
  void ClearChart(Side side);
  bool MapIntoPlot(const SamplerChart& chart, int px, int py, double* x) const;

  bool m_bSamplerShown = false;
  bool m_bInstantaneousMode = false;
  double m_dPrincipalSampleX = 0;
  double m_dShearSampleX = 0;
  double m_dInstantCohesion = 0;
  double m_dInstantFriction = 0;
  std::unique_ptr<qxchart::ChartData> m_pPrincipalSamplerData;
  std::unique_ptr<qxchart::ChartData> m_pShearSamplerData;
};

// The stress samplers over real chart models: the tangent of each criterion on each chart, the
// labels, the command states, switching on and off, following a rebuild, the coupling of the
// two lines and the mouse positions the charts take.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <memory>

#include "tests/chart/core_fakeenv.h"
#include "tests/view/view_test_support.h"
#include "view/PlotBuilder.h"
#include "view/StressSampler.h"

namespace {

using namespace qxchart;
using viewtest::Models;

constexpr double kHalfPi = 1.57079632679489661923;

double Get(const ChartModel& chart, int id) {
  double v = 0;
  chart.GetDouble(id, &v);
  return v;
}

// A view's two charts with their label areas, built by the plot builders, whose hooks drive
// the sampler as the view does.
struct SamplerView : PlotBuildHooks {
  FakeEnvironment principalEnv{400, 500}, shearEnv{600, 500};
  ChartModel principal{&principalEnv}, shear{&shearEnv};
  ChartTextArea* principalLabel = principal.CreateTextArea();
  ChartTextArea* shearLabel = shear.CreateTextArea();
  std::unique_ptr<ChartData> principalData, shearData;
  PlotViewState state;
  PlotDisplay display;
  PlotDocument doc;
  StressSampler sampler;
  bool grayscale = false;

  explicit SamplerView(const PlotDocument& d) : doc(d) { Build(); }
  ~SamplerView() { sampler.Release(Context()); }

  SamplerContext Context() {
    SamplerContext c;
    c.doc = &doc;
    c.principal = {&principal, principalLabel, nullptr, state.showPrincipalPlot};
    c.shear = {&shear, shearLabel, nullptr, state.showShearPlot};
    c.mohrCoulombOverlay = state.mohrCoulombOverlay;
    c.grayscale = grayscale;
    c.shearOffsetX = 400;
    return c;
  }
  void Build() {
    PlotBuildContext c{doc, display, state, 100, *this};
    if (state.showPrincipalPlot) BuildPrincipalPlot(principal, principalData, c);
    if (state.showShearPlot) BuildNormalShearPlot(shear, principal, shearData, c);
  }
  void SetChartFonts(int) override {}
  void ResetSamplers() override { sampler.Reset(Context()); }
  void RefreshSamplers(int which) override {
    if (which == 1) sampler.RefreshPrincipal(Context());
    if (which == 2) sampler.RefreshShear(Context());
  }
  std::vector<std::string> Lines(const ChartTextArea* area) { return area->Lines(); }
  ChartData* Overlay(const ChartModel& chart) {
    ChartData* d = nullptr;
    chart.GetData(prop::kData2, &d);
    return d;
  }
};

// Checks that the tangent touches the envelope at x and that its three points lie on it.
void ExpectTangent(const PlotDocument& doc, int chart, double x, double envelopeY) {
  TangentLine t;
  ASSERT_TRUE(ComputeTangentLine(doc, chart, x, &t));
  ASSERT_LT(t.cohesion, DBL_MAX);
  const double c = t.cohesion, phi = t.friction;
  auto lineAt = [&](double s) {
    if (chart == kShearSamplerChart) return c + s * std::tan(phi);
    const double k = (1 + std::sin(phi)) / (1 - std::sin(phi));
    return k * s + 2 * c * std::cos(phi) / (1 - std::sin(phi));
  };
  EXPECT_EQ(t.y[0], 0.0);
  EXPECT_EQ(t.x[0], t.x[1]);
  EXPECT_NEAR(t.y[1], lineAt(t.x[1]), 1e-9 * (1 + std::fabs(t.y[1])));
  EXPECT_NEAR(t.y[2], lineAt(t.x[2]), 1e-9 * (1 + std::fabs(t.y[2])));
  EXPECT_NEAR(lineAt(x), envelopeY, 1e-5 * (1 + std::fabs(envelopeY))) << "not tangent at " << x;
}

TEST(SamplerTangent, TouchesTheEnvelopeOfEachCurvedCriterionOnBothCharts) {
  Models m;
  const PlotDocument hb = m.Doc(CRITERION_HOEK_BROWN);
  ExpectTangent(hb, kPrincipalSamplerChart, 2.0, m.hoekBrown.GetSig1(2.0));
  double tau = 0;
  m.hoekBrown.CalcTauAtSigN(3.0, &tau);
  ExpectTangent(hb, kShearSamplerChart, 3.0, tau);
  TangentLine t;
  ComputeTangentLine(hb, kPrincipalSamplerChart, 2.0, &t);
  EXPECT_EQ(t.x[0], m.hoekBrown.GetMinSig3());
  EXPECT_EQ(t.x[2], m.hoekBrown.GetSig3Max());

  m.bartonBandis.SetParameters(25, 10, 50);
  const PlotDocument bb = m.Doc(CRITERION_BARTON_BANDIS);
  ExpectTangent(bb, kShearSamplerChart, 1.5, m.bartonBandis.GetTau(1.5));
  ExpectTangent(bb, kPrincipalSamplerChart, 1.0, m.bartonBandis.GetSig1(1.0));
  ComputeTangentLine(bb, kShearSamplerChart, 1.5, &t);
  EXPECT_EQ(t.x[0], 0.0);
  EXPECT_EQ(t.x[2], m.bartonBandis.GetSignMax());

  for (int type : {DATA_TRIAXIAL, DATA_DIRECT_SHEAR}) {
    m.powerCurve.SetDataType(type);
    m.powerCurve.SetParameters(1.2, 0.4, 0.7);
    const PlotDocument pc = m.Doc(CRITERION_POWER_CURVE);
    tau = 0;
    m.powerCurve.CalcTauAtSigN(2.0, &tau);
    ExpectTangent(pc, kShearSamplerChart, 2.0, tau);
    ExpectTangent(pc, kPrincipalSamplerChart, 1.0, m.powerCurve.GetSig1(1.0));
    ComputeTangentLine(pc, kShearSamplerChart, 2.0, &t);
    EXPECT_EQ(t.x[0], -0.4);
    EXPECT_EQ(t.x[2], type == DATA_TRIAXIAL ? m.powerCurve.GetSigNAtSig3(m.powerCurve.GetSig3Max())
                                            : m.powerCurve.GetSignMax());
  }
  // Mohr-Coulomb is its own tangent.
  EXPECT_FALSE(ComputeTangentLine(m.Doc(CRITERION_MOHR_COULOMB), kPrincipalSamplerChart, 1, &t));
}

TEST(SamplerTangent, CollapsesToAVerticalLineWhereTheEnvelopeStarts) {
  Models m;
  TangentLine t;
  // Hoek-Brown below its tensile strength.
  const double m3 = m.hoekBrown.GetMinSig3();
  ASSERT_TRUE(ComputeTangentLine(m.Doc(CRITERION_HOEK_BROWN), kPrincipalSamplerChart, m3 - 1, &t));
  EXPECT_EQ(t.cohesion, DBL_MAX);
  EXPECT_EQ(t.friction, kHalfPi);
  for (double x : t.x) EXPECT_EQ(x, m3);
  EXPECT_EQ(t.y[1], 0.0);
  EXPECT_EQ(t.y[2], m.hoekBrown.GetSig1(m.hoekBrown.GetSig3Max()));
  ComputeTangentLine(m.Doc(CRITERION_HOEK_BROWN), kShearSamplerChart, m3 - 1, &t);
  EXPECT_EQ(t.y[2], m.hoekBrown.GetTauAtSig3(m.hoekBrown.GetSig3Max()));
  // Barton-Bandis below 1e-5.
  ComputeTangentLine(m.Doc(CRITERION_BARTON_BANDIS), kShearSamplerChart, 5e-6, &t);
  EXPECT_EQ(t.cohesion, DBL_MAX);
  EXPECT_EQ(t.x[2], 0.0);
  EXPECT_EQ(t.y[2], m.bartonBandis.GetTau(m.bartonBandis.GetSignMax()));
  ComputeTangentLine(m.Doc(CRITERION_BARTON_BANDIS), kShearSamplerChart, 2e-5, &t);
  EXPECT_LT(t.cohesion, DBL_MAX);
  // Power curve at its vertex -d.
  m.powerCurve.SetParameters(1, 0.5, 0.7);
  ComputeTangentLine(m.Doc(CRITERION_POWER_CURVE), kShearSamplerChart, -0.5, &t);
  EXPECT_EQ(t.cohesion, DBL_MAX);
  EXPECT_EQ(t.x[1], -0.5);
  ComputeTangentLine(m.Doc(CRITERION_POWER_CURVE), kPrincipalSamplerChart,
                     m.powerCurve.GetMinSig3(), &t);
  EXPECT_EQ(t.friction, kHalfPi);
  EXPECT_EQ(t.y[2], m.powerCurve.GetSig1(m.powerCurve.GetSignMax()));
}

TEST(SamplerLabels, TextsOfEveryMode) {
  SamplerLabelInput in;
  in.x = 2.5;
  in.y = 31.25;
  EXPECT_EQ(SamplerLabelLines(in), std::vector<std::string>{"sig3=2.5,sig1=31.25"});
  in.chart = kShearSamplerChart;
  EXPECT_EQ(SamplerLabelLines(in), std::vector<std::string>{"sign=2.5,sigtau=31.25"});

  in.mohrCoulombOverlay = true;
  in.equivalentY = 12.3456;
  in.criterion = CRITERION_BARTON_BANDIS;
  EXPECT_EQ(SamplerLabelLines(in),
            (std::vector<std::string>{"BB: sign=2.5,sigtau=31.25", "MC: sign=2.5,sigtau=12.35"}));
  // A non-positive envelope value is repeated on the Mohr-Coulomb line.
  in.chart = kPrincipalSamplerChart;
  in.criterion = CRITERION_POWER_CURVE;
  in.y = -0.5;
  EXPECT_EQ(SamplerLabelLines(in),
            (std::vector<std::string>{"PC: sig3=2.5,sig1=-0.5", "MC: sig3=2.5,sig1=-0.5"}));
  in.criterion = CRITERION_HOEK_BROWN;
  in.y = 1234567;
  EXPECT_EQ(SamplerLabelLines(in)[0], "HB: sig3=2.5,sig1=1.235e+06");
  // The overlay flag left on for Mohr-Coulomb: the plain line.
  in.criterion = CRITERION_MOHR_COULOMB;
  EXPECT_EQ(SamplerLabelLines(in), std::vector<std::string>{"sig3=2.5,sig1=1.235e+06"});

  in.criterion = CRITERION_HOEK_BROWN;
  in.instantaneous = true;
  in.y = 10;
  in.cohesion = 1.5;
  in.friction = kHalfPi / 3;  // 30 degrees
  EXPECT_EQ(SamplerLabelLines(in), (std::vector<std::string>{"sig3=2.5,sig1=10", "c=1.5,phi=30"}));
  in.cohesion = DBL_MAX;
  EXPECT_EQ(SamplerLabelLines(in)[1], "phi=90");
}

TEST(SamplerLabels, SideFlipsPastHalfTheLargestX) {
  EXPECT_EQ(SamplerLabelAnchor(5.0, 10.0), kAnchorRight);
  EXPECT_EQ(SamplerLabelAnchor(5.0000001, 10.0), kAnchorLeft);
  EXPECT_EQ(SamplerLabelAnchor(-1.0, 10.0), kAnchorRight);
}

TEST(SamplerPoints, ViewPointsInShearChartPixels) {
  int x = 450, y = 30;
  EXPECT_TRUE(ViewToShearChartPoint(&x, &y, true, true, 400, 0));
  EXPECT_EQ(x, 50);
  EXPECT_EQ(y, 30);
  x = 399, y = 30;
  EXPECT_FALSE(ViewToShearChartPoint(&x, &y, true, true, 400, 0));
  x = 450, y = 5;
  EXPECT_FALSE(ViewToShearChartPoint(&x, &y, true, true, 400, 10));
  // One plot shown, or no shear chart: the point stays.
  x = 10, y = 20;
  EXPECT_TRUE(ViewToShearChartPoint(&x, &y, false, true, 400, 0));
  EXPECT_TRUE(ViewToShearChartPoint(&x, &y, true, false, 400, 0));
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 20);
}

TEST(SamplerCommands, StressInstantaneousAndOff) {
  Models m;
  SamplerView v(m.Doc(CRITERION_HOEK_BROWN));
  StressSampler& s = v.sampler;
  EXPECT_FALSE(s.StressSamplerChecked());
  s.OnStressSamplerCommand(v.Context());
  EXPECT_TRUE(s.StressSamplerChecked());
  EXPECT_FALSE(s.InstantaneousSamplerChecked());
  EXPECT_EQ(v.Overlay(v.principal)->Sets(), 1);
  // Stress -> instantaneous: two series of three points.
  s.OnInstantaneousSamplerCommand(v.Context());
  EXPECT_TRUE(s.IsShown());
  EXPECT_FALSE(s.StressSamplerChecked());
  EXPECT_TRUE(s.InstantaneousSamplerChecked());
  EXPECT_EQ(v.Overlay(v.shear)->Sets(), 2);
  EXPECT_EQ(v.Overlay(v.shear)->Points(), 3);
  // Instantaneous -> stress sampler through 41018.
  s.OnStressSamplerCommand(v.Context());
  EXPECT_TRUE(s.StressSamplerChecked());
  EXPECT_FALSE(s.IsInstantaneous());
  // And off.
  s.OnStressSamplerCommand(v.Context());
  EXPECT_FALSE(s.IsShown());
  EXPECT_EQ(v.Overlay(v.principal), nullptr);
  EXPECT_EQ(v.Overlay(v.shear), nullptr);
  EXPECT_FALSE(v.principalLabel->Shown());
  // Instantaneous on and off again through 41021.
  s.OnInstantaneousSamplerCommand(v.Context());
  s.OnInstantaneousSamplerCommand(v.Context());
  EXPECT_FALSE(s.IsShown());
  EXPECT_FALSE(s.IsInstantaneous());

  EXPECT_FALSE(StressSampler::InstantaneousSamplerEnabled(CRITERION_MOHR_COULOMB));
  EXPECT_TRUE(StressSampler::InstantaneousSamplerEnabled(CRITERION_POWER_CURVE));
}

TEST(SamplerShow, LinesStartMidRangeWithLabelsAndTheirOwnYRange) {
  Models m;
  SamplerView v(m.Doc(CRITERION_HOEK_BROWN));
  v.sampler.Show(true, v.Context());
  const double low = Get(v.principal, prop::kDataXMin), high = Get(v.principal, prop::kDataXMax);
  const double x = (low + high) / 2;
  EXPECT_EQ(v.sampler.PrincipalX(), x);
  EXPECT_EQ(v.sampler.ShearX(),
            (Get(v.shear, prop::kDataXMin) + Get(v.shear, prop::kDataXMax)) / 2);
  const ChartData* d = v.Overlay(v.principal);
  ASSERT_EQ(d, v.sampler.PrincipalData());
  EXPECT_EQ(d->X(0, 0), x);
  EXPECT_EQ(d->Y(0, 0), 0.0);
  EXPECT_EQ(d->Y(0, 1), Get(v.principal, prop::kYMax));
  EXPECT_EQ(Get(v.principal, prop::kY2Min), 0.0);
  EXPECT_EQ(Get(v.principal, prop::kY2Max), Get(v.principal, prop::kYMax));
  ChartStyle st;
  v.principal.GetDataStyle(2, 0, &st);
  EXPECT_EQ(st.linePattern, kLineDashed);
  EXPECT_EQ(st.pointSymbol, kSymbolNone);
  EXPECT_EQ(st.lineColor, ChartRgb(0, 0, 0));
  char text[64];
  std::snprintf(text, sizeof text, "sig3=%.4g,sig1=%.4g", x, m.hoekBrown.GetSig1(x));
  EXPECT_EQ(v.Lines(v.principalLabel), std::vector<std::string>{text});
  EXPECT_EQ(v.principalLabel->X(), x);
  EXPECT_EQ(v.principalLabel->Y(), m.hoekBrown.GetSig1(x));
  EXPECT_EQ(v.principalLabel->Background(), ChartRgb(255, 251, 240));
  // The primary data stays where it was.
  ChartData* primary = nullptr;
  v.principal.GetData(prop::kData, &primary);
  EXPECT_EQ(primary, v.principalData.get());
}

TEST(SamplerShow, InstantaneousTangentInMagentaOrGray) {
  Models m;
  SamplerView v(m.Doc(CRITERION_POWER_CURVE));
  v.grayscale = true;
  v.sampler.OnInstantaneousSamplerCommand(v.Context());
  ChartStyle st;
  v.shear.GetDataStyle(2, 1, &st);
  EXPECT_EQ(st.linePattern, kLineSolid);
  EXPECT_EQ(st.lineColor, ChartRgb(128, 128, 128));
  EXPECT_EQ(v.shearLabel->Background(), ChartRgb(255, 255, 255));
  TangentLine t;
  ComputeTangentLine(v.doc, kShearSamplerChart, v.sampler.ShearX(), &t);
  const ChartData* d = v.Overlay(v.shear);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(d->Y(1, i), t.y[i]);
  EXPECT_EQ(v.sampler.InstantCohesion(), t.cohesion);
  ASSERT_EQ(v.Lines(v.shearLabel).size(), 2u);

  v.grayscale = false;
  v.Build();  // a rebuild restyles the tangent
  v.shear.GetDataStyle(2, 1, &st);
  EXPECT_EQ(st.lineColor, ChartRgb(255, 0, 255));
}

TEST(SamplerRebuild, CriterionChangeSwitchesOffAndARefreshClampsIntoTheNewRange) {
  Models m;
  SamplerView v(m.Doc(CRITERION_HOEK_BROWN));
  v.sampler.OnInstantaneousSamplerCommand(v.Context());
  v.sampler.MovePrincipalTo(Get(v.principal, prop::kDataXMax), v.Context());
  // A smaller envelope: the line is pulled back inside.
  m.hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, 2.0, 0, 0);
  v.Build();
  EXPECT_TRUE(v.sampler.IsShown());
  EXPECT_LE(v.sampler.PrincipalX(), Get(v.principal, prop::kDataXMax));
  EXPECT_EQ(v.Overlay(v.principal)->X(0, 0), v.sampler.PrincipalX());
  EXPECT_EQ(Get(v.principal, prop::kY2Max), Get(v.principal, prop::kYMax));

  v.doc = m.Doc(CRITERION_BARTON_BANDIS);
  v.Build();
  EXPECT_FALSE(v.sampler.IsShown());
  EXPECT_FALSE(v.sampler.IsInstantaneous());
  EXPECT_EQ(v.Overlay(v.principal), nullptr);
  EXPECT_FALSE(v.shearLabel->Shown());
}

TEST(SamplerCoupling, PrincipalMovesTheShearLine) {
  Models m;
  SamplerView v(m.Doc(CRITERION_HOEK_BROWN));
  v.sampler.Show(true, v.Context());
  v.sampler.MovePrincipalTo(3.0, v.Context());
  EXPECT_EQ(v.sampler.ShearX(), m.hoekBrown.GetSigNAtSig3(3.0));
  const ChartData* d = v.Overlay(v.shear);
  EXPECT_EQ(d->X(0, 1), v.sampler.ShearX());
  EXPECT_EQ(d->Y(0, 1), Get(v.shear, prop::kDataYMax));  // moved through the other chart
  EXPECT_EQ(v.shearLabel->Y(), m.hoekBrown.GetTauAtSig3(3.0));
  // Left of the envelope's start (sig1 <= 0): the shear line at sigN = sig3 with tau 0.
  const double left = m.hoekBrown.GetMinSig3() - 0.5;
  v.sampler.MovePrincipalTo(left, v.Context());
  EXPECT_EQ(v.sampler.ShearX(), left);
  EXPECT_EQ(v.shearLabel->Y(), 0.0);
  // With the shear plot hidden its line stays.
  v.state.showShearPlot = false;
  v.sampler.MovePrincipalTo(2.0, v.Context());
  EXPECT_EQ(v.sampler.ShearX(), left);
}

TEST(SamplerCoupling, ShearMovesThePrincipalLine) {
  Models m;
  m.powerCurve.SetParameters(1, 0.5, 0.7);
  SamplerView v(m.Doc(CRITERION_POWER_CURVE));
  v.sampler.Show(true, v.Context());
  v.sampler.MoveShearTo(2.0, v.Context());
  const double sig3 = m.powerCurve.GetSig3AtSigN(2.0);
  EXPECT_EQ(v.sampler.PrincipalX(), sig3);
  EXPECT_EQ(v.principalLabel->Y(), m.powerCurve.GetSig1(sig3));
  EXPECT_EQ(v.Overlay(v.principal)->Y(0, 1), Get(v.principal, prop::kDataYMax));
  // At the vertex tau is 0: the principal line at sig3 = sigN, labelled sig1 = -d.
  v.sampler.MoveShearTo(-0.5, v.Context());
  EXPECT_EQ(v.sampler.PrincipalX(), -0.5);
  EXPECT_EQ(v.principalLabel->Y(), -0.5);
  EXPECT_EQ(v.Lines(v.principalLabel)[0], "sig3=-0.5,sig1=-0.5");
}

// A Hoek-Brown model for which no failure circle touches the envelope anywhere.
struct NoCircleModel : CHoekBrownCriterion {
  double GetSig3AtSigN(double) const override { return DBL_MAX; }
};

TEST(SamplerCoupling, NoFailureCircleLeavesThePrincipalLine) {
  Models m;
  NoCircleModel odd;
  PlotDocument doc = m.Doc(CRITERION_HOEK_BROWN);
  doc.hoekBrown = &odd;
  SamplerView v(doc);
  v.sampler.Show(true, v.Context());
  const double before = v.sampler.PrincipalX();
  v.sampler.MoveShearTo(3.0, v.Context());
  EXPECT_EQ(v.sampler.ShearX(), 3.0);
  EXPECT_EQ(v.sampler.PrincipalX(), before);
}

TEST(SamplerMouse, ThePlotAreaUnderThePointerTakesIt) {
  Models m;
  SamplerView v(m.Doc(CRITERION_HOEK_BROWN));
  // Off: the mouse is not taken.
  const ChartMapResult p = v.principal.Unmap(2.0, 1.0);
  ASSERT_TRUE(p.valid);
  EXPECT_FALSE(v.sampler.TakePoint(p.pixelX, p.pixelY, v.Context(), false));
  v.sampler.Show(true, v.Context());
  ASSERT_TRUE(v.sampler.TakePoint(p.pixelX, p.pixelY, v.Context(), false));
  const ChartMapResult back = v.principal.Map(p.pixelX, p.pixelY);
  EXPECT_EQ(v.sampler.PrincipalX(), back.x);
  EXPECT_NEAR(v.sampler.PrincipalX(), 2.0, 0.1);
  EXPECT_EQ(v.sampler.ShearX(), m.hoekBrown.GetSigNAtSig3(back.x));
  // Outside every plot area: not taken, nothing moves.
  EXPECT_FALSE(v.sampler.TakePoint(1, 1, v.Context(), false));
  EXPECT_EQ(v.sampler.PrincipalX(), back.x);
  // A point of the shear chart, in view pixels (the shear chart starts at x = 400).
  const ChartMapResult s = v.shear.Unmap(5.0, 1.0);
  ASSERT_TRUE(s.valid);
  ASSERT_TRUE(v.sampler.TakePoint(s.pixelX + 400, s.pixelY, v.Context(), false));
  EXPECT_NEAR(v.sampler.ShearX(), 5.0, 0.1);
  // Past the envelope's end the line stops at the data's last x.
  const ChartMapResult far = v.principal.Unmap(Get(v.principal, prop::kXMax) * 0.999, 1.0);
  ASSERT_TRUE(v.sampler.TakePoint(far.pixelX, far.pixelY, v.Context(), false));
  EXPECT_EQ(v.sampler.PrincipalX(), Get(v.principal, prop::kDataXMax));
  // Without a document the mouse is ignored.
  SamplerContext none = v.Context();
  none.doc = nullptr;
  EXPECT_FALSE(v.sampler.TakePoint(p.pixelX, p.pixelY, none, false));
}

}  // namespace

// The lab-data fit of the Hoek-Brown dialog.
#include <gtest/gtest.h>

#include <cmath>

#include "fit_test_support.h"
#include "fitdialogs/logic/HoekBrownFitSession.h"

namespace {
// Exact intact-rock data: sig1 = sig3 + sigci sqrt(mi sig3 / sigci + 1).
std::vector<FitRowText> IntactRows(double mi, double sigci, std::vector<double> sig3) {
  std::vector<double> sig1;
  for (double s : sig3) sig1.push_back(s + sigci * std::sqrt(mi * s / sigci + 1.0));
  return RowsOf(sig3, sig1);
}
}  // namespace

TEST(HoekBrownFitSession, RecoversKnownParametersByEveryMethod) {
  const auto rows = IntactRows(12.3456789, 87.654321, {0, 2, 5, 10, 15, 20, 30});
  for (int method = 0; method < 3; ++method) {
    CHoekBrownCriterion model;
    CHoekBrownFitSession session(model);
    session.SetMethod(method);
    const RecomputeResult r = RecomputeRows(session, rows);
    EXPECT_EQ(0, r.invertedRows);
    EXPECT_TRUE(r.message.IsEmpty());
    EXPECT_NEAR(12.3456789, session.Mi(), 1e-6) << method;
    EXPECT_NEAR(87.654321, session.Sigci(), 1e-5) << method;
    EXPECT_LT(session.Residual(), 1e-8) << method;
    EXPECT_GE(session.Residual(), 0.0) << method;
    // The model follows the dialog's data, method and residual, not yet its parameters.
    EXPECT_EQ(7, model.GetLabCount());
    EXPECT_EQ(method, model.GetCurveFitMethod(nullptr));
    EXPECT_EQ(session.Residual(), model.GetResiduals());
    double mi = 0;
    model.GetParameters(nullptr, &mi, nullptr, nullptr);
    EXPECT_EQ(10.0, mi);
    // Apply writes the fitted values at full precision.
    const ApplyResult apply = session.Apply(rows);
    ASSERT_EQ(ApplyResult::APPLIED, apply.kind) << apply.message;
    double sigci = 0;
    model.GetParameters(&sigci, &mi, nullptr, nullptr);
    EXPECT_EQ(session.Mi(), mi);
    EXPECT_EQ(session.Sigci(), sigci);
  }
}

TEST(HoekBrownFitSession, FailedFitTakesTheModelsParameters) {
  for (int method = 0; method < 3; ++method) {
    CHoekBrownCriterion model;
    model.SetParameters(44.0, 17.0, 60.0, 0.2);
    CHoekBrownFitSession session(model);
    session.SetMethod(method);
    // One point: the points are plotted, with no envelope, and the fit fails silently.
    RecomputeResult r = RecomputeRows(session, TextRows({{"5", "60"}}));
    EXPECT_TRUE(r.message.IsEmpty());
    EXPECT_EQ(17.0, session.Mi()) << method;
    EXPECT_EQ(44.0, session.Sigci()) << method;
    EXPECT_EQ(-1.0, session.Residual()) << method;
    EXPECT_EQ(-1.0, model.GetResiduals()) << method;
    ASSERT_EQ(1u, session.Plot().series.size());
    EXPECT_EQ(1u, session.Plot().series[0].x.size());
    // A successful fit, then data that cannot be fitted: no stale results stay.
    RecomputeRows(session, IntactRows(8.0, 50.0, {0, 5, 10}));
    ASSERT_NE(17.0, session.Mi());
    r = RecomputeRows(session, TextRows({{"1e200", "2e200"}, {"3e200", "4e200"}}));
    EXPECT_EQ(17.0, session.Mi()) << method;
    EXPECT_EQ(44.0, session.Sigci()) << method;
    EXPECT_EQ(-1.0, session.Residual()) << method;
  }
}

TEST(HoekBrownFitSession, ZeroTestsEmptyTheDataAndApplyTheModelsOwnValues) {
  CHoekBrownCriterion model;
  const double x[2] = {1, 2}, y[2] = {30, 40};
  model.SetLabData(2, x, y);
  model.SetFieldDataFlag(SOURCE_ROCK_MASS);
  model.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_TUNNELS, 0.0, 0.026, 50.0);
  const double sig3max = model.GetSig3Max();
  CHoekBrownFitSession session(model);
  RecomputeRows(session, {});
  EXPECT_EQ(0, model.GetLabCount());
  EXPECT_TRUE(session.Plot().IsEmpty());
  EXPECT_EQ(-1.0, session.Residual());
  EXPECT_EQ(10.0, session.Mi());
  ASSERT_EQ(ApplyResult::APPLIED, session.Apply({}).kind);
  int application = -1;
  model.GetEnvelopeRange(&application, nullptr, nullptr, nullptr);
  EXPECT_EQ(CHoekBrownCriterion::APPLICATION_TUNNELS, application);
  EXPECT_EQ(sig3max, model.GetSig3Max());
  BYTE source = 9;
  model.GetFieldDataFlag(&source);
  EXPECT_EQ(SOURCE_LAB, source);
}

TEST(HoekBrownFitSession, ApplyBounds) {
  // Without tests the values checked are the model's own.
  struct Case {
    double mi, sigci;
    bool accepted;
    const char* message;
  } cases[] = {{50.0, 30.0, true, ""},
               {1.0, 1e-7, true, ""},
               {50.01, 30.0, false, "mi = 50.01\nThis is invalid.\n(mi should be in the range 1-50 for rock)"},
               {0.99, 30.0, false, "mi = 0.99\nThis is invalid.\n(mi should be in the range 1-50 for rock)"},
               {10.0, 0.0, false, "Invalid sigci, sigci should be greater than 1.e-007 for rock"}};
  for (const Case& c : cases) {
    CHoekBrownCriterion model;
    model.SetParameters(c.sigci, c.mi, 50.0, 0.0);
    CHoekBrownFitSession session(model);
    const ApplyResult apply = session.Apply({});
    EXPECT_EQ(c.accepted ? ApplyResult::APPLIED : ApplyResult::REFUSED, apply.kind) << c.mi;
    EXPECT_STREQ(c.message, apply.message);
  }
}

TEST(HoekBrownFitSession, ApplyWithTestsSetsACustomRangeAtTheLargestSig3) {
  CHoekBrownCriterion model;
  model.SetFieldDataFlag(SOURCE_ROCK_MASS);
  model.SetParameters(30.0, 10.0, 65.0, 0.3);
  CHoekBrownFitSession session(model);
  EXPECT_EQ(model.GetSig3Max(), session.LargestSig3());
  const auto rows = IntactRows(15.0, 60.0, {1, 4, 12.5, 8});
  session.SetTestCount(4);
  ASSERT_EQ(ApplyResult::APPLIED, session.Apply(rows).kind);
  EXPECT_EQ(12.5, session.LargestSig3());
  double sigci, mi, GSI, D, sig3max;
  int application;
  model.GetParameters(&sigci, &mi, &GSI, &D);
  model.GetEnvelopeRange(&application, &sig3max, nullptr, nullptr);
  EXPECT_NEAR(15.0, mi, 1e-6);
  EXPECT_EQ(65.0, GSI);  // GSI and D stay the model's
  EXPECT_EQ(0.3, D);
  EXPECT_EQ(CHoekBrownCriterion::APPLICATION_CUSTOM, application);
  EXPECT_EQ(12.5, sig3max);
  BYTE source = 9;
  model.GetFieldDataFlag(&source);
  EXPECT_EQ(SOURCE_LAB, source);
  // One test is enough.
  model.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_TUNNELS, 5.0, 0.026, 40.0);
  session.SetTestCount(1);
  ASSERT_EQ(ApplyResult::APPLIED, session.Apply(IntactRows(15.0, 60.0, {2})).kind);
  model.GetEnvelopeRange(&application, &sig3max, nullptr, nullptr);
  EXPECT_EQ(CHoekBrownCriterion::APPLICATION_CUSTOM, application);
  EXPECT_EQ(2.0, sig3max);
}

TEST(HoekBrownFitSession, CancelAfterApplyRestoresTheModel) {
  CHoekBrownCriterion model;
  model.SetUnits(UNITS_KPA);
  const double x[2] = {100, 2000}, y[2] = {30000, 40000};
  model.SetLabData(2, x, y);
  model.SetCurveFitMethod(CHoekBrownCriterion::FIT_SIMPLEX);
  model.SetResiduals(123.0);
  model.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_SLOPES, 0.0, 26.0, 70.0);
  const CHoekBrownCriterion before = model;

  CHoekBrownFitSession session(model);
  session.SetMethod(CHoekBrownCriterion::FIT_LINEAR_REGRESSION);
  session.SetTestCount(3);
  ASSERT_EQ(ApplyResult::APPLIED, session.Apply(IntactRows(9.0, 45000.0, {0, 500, 5000})).kind);
  model.SetUnits(UNITS_MPA);  // as a units change elsewhere would
  session.Cancel();

  EXPECT_EQ(UNITS_KPA, model.GetUnits());
  double bx[2], by[2];
  ASSERT_EQ(2, model.GetLabData(bx, by));
  EXPECT_EQ(2000.0, bx[1]);
  EXPECT_EQ(40000.0, by[1]);
  EXPECT_EQ(CHoekBrownCriterion::FIT_SIMPLEX, model.GetCurveFitMethod(nullptr));
  EXPECT_EQ(123.0, model.GetResiduals());
  double mi = 0, expectedMi = 0;
  model.GetParameters(nullptr, &mi, nullptr, nullptr);
  before.GetParameters(nullptr, &expectedMi, nullptr, nullptr);
  EXPECT_EQ(expectedMi, mi);
  int application = -1;
  model.GetEnvelopeRange(&application, nullptr, nullptr, nullptr);
  EXPECT_EQ(CHoekBrownCriterion::APPLICATION_SLOPES, application);
  EXPECT_EQ(before.GetSig3Max(), model.GetSig3Max());
}

TEST(HoekBrownFitSession, ChartLayout) {
  CHoekBrownCriterion model;
  CHoekBrownFitSession session(model);
  session.SetChartAspect(0.8);
  session.SetMogiLine(true);
  RecomputeRows(session, IntactRows(10.0, 50.0, {0, 5, 10, 20}));
  const FitPlot& plot = session.Plot();
  ASSERT_EQ(3u, plot.series.size());
  EXPECT_EQ(100, plot.pointsPerSeries);
  EXPECT_EQ(qxchart::kLineNone, plot.series[0].style.linePattern);
  EXPECT_EQ(qxchart::kSymbolBox, plot.series[0].style.pointSymbol);
  EXPECT_EQ(3, plot.series[0].style.pointSize);
  // The intact envelope: 100 rows from the tensile strength -sigci/mi to the largest sig3.
  const FitSeries& envelope = plot.series[1];
  ASSERT_EQ(100u, envelope.x.size());
  EXPECT_NEAR(-50.0 / 10.0, envelope.x.front(), 1e-6);
  EXPECT_NEAR(20.0, envelope.x.back(), 1e-9);
  EXPECT_NEAR(20.0 + 50.0 * std::sqrt(10.0 * 20.0 / 50.0 + 1.0), envelope.y.back(), 1e-6);
  // Equal scales with the y axis from 0, over the envelope's reach (x from -5).
  EXPECT_NEAR(-5.0, plot.axes.xMin, 1e-6);
  EXPECT_EQ(0.0, plot.axes.yMin);
  EXPECT_NEAR((plot.axes.xMax - plot.axes.xMin) / 0.8, plot.axes.yMax, 1e-9 * plot.axes.yMax);
  // Mogi's line ends at the top of the y axis.
  EXPECT_EQ(plot.axes.yMax * 0.29411764705882354, plot.series[2].x[1]);
  EXPECT_STREQ("Minor principal stress (MPa)", plot.xTitle);
  EXPECT_STREQ("Major principal stress (MPa)", plot.yTitle);
  // More points than 100: each series has room for them all.
  std::vector<double> sig3;
  for (int i = 0; i < 150; ++i) sig3.push_back(i * 0.1);
  RecomputeRows(session, IntactRows(10.0, 50.0, sig3));
  EXPECT_EQ(150, session.Plot().pointsPerSeries);
}

TEST(HoekBrownFitSession, MethodStartsFromTheModel) {
  CHoekBrownCriterion model;
  model.SetCurveFitMethod(CHoekBrownCriterion::FIT_LINEAR_REGRESSION);
  EXPECT_EQ(2, CHoekBrownFitSession(model).Method());
  model.SetCurveFitMethod(7);
  EXPECT_EQ(0, CHoekBrownFitSession(model).Method());
  EXPECT_EQ(3u, CHoekBrownFitSession(model).MethodNames().size());
}

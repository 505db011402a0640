// The Barton-Bandis fit: JRC and JCS with the basic friction angle held.
#include <gtest/gtest.h>

#include <cmath>

#include "fit_test_support.h"
#include "fitdialogs/logic/BartonBandisFitSession.h"

namespace {
// Exact joint data: tau = sigN tan(phib + JRC log10(JCS / sigN)).
std::vector<FitRowText> JointRows(double phib, double jrc, double jcs) {
  std::vector<double> x = {0.5, 1, 2, 3, 5, 8}, y;
  for (double s : x)
    y.push_back(s * std::tan((phib + jrc * std::log10(jcs / s)) * 3.14159265358979323846 / 180.0));
  return RowsOf(x, y);
}
}  // namespace

TEST(BartonBandisFitSession, RecoversJrcAndJcsByBothMethods) {
  for (int method = 0; method < 2; ++method) {
    CBartonBandisCriterion model;
    CBartonBandisFitSession session(model);
    session.SetMethod(method);
    session.SetPhir(28.0);
    const auto rows = JointRows(28.0, 9.5, 85.0);
    const RecomputeResult r = RecomputeRows(session, rows);
    EXPECT_TRUE(r.message.IsEmpty());
    EXPECT_EQ(0, r.invertedRows);  // shear stress above normal stress is no error
    EXPECT_NEAR(9.5, session.Jrc(), 1e-5) << method;
    EXPECT_NEAR(85.0, session.Jcs(), 1e-3) << method;
    ASSERT_EQ(ApplyResult::APPLIED, session.Apply(rows).kind);
    double phib, jrc, jcs;
    model.GetParameters(&phib, &jrc, &jcs);
    EXPECT_EQ(28.0, phib);
    EXPECT_EQ(session.Jrc(), jrc);
    EXPECT_EQ(session.Jcs(), jcs);
    int application;
    double signmax;
    model.GetEnvelopeRange(&application, &signmax, nullptr, nullptr);
    EXPECT_EQ(APPLICATION_CUSTOM, application);
    EXPECT_EQ(8.0, signmax);
  }
}

TEST(BartonBandisFitSession, OpensOnTheModelsMethod) {
  CBartonBandisCriterion model;
  model.SetCurveFitMethod(FIT_SIMPLEX);
  EXPECT_EQ(FIT_SIMPLEX, CBartonBandisFitSession(model).Method());
}

TEST(BartonBandisFitSession, FailedFitKeepsThePhirTypedAndDrawsWithIt) {
  for (int method = 0; method < 2; ++method) {
    CBartonBandisCriterion model;
    model.SetParameters(30.0, 5.0, 50.0);
    CBartonBandisFitSession session(model);
    session.SetMethod(method);
    session.SetPhir(20.0);
    RecomputeResult r = RecomputeRows(session, TextRows({{"1", "1"}}));
    EXPECT_TRUE(r.message.IsEmpty()) << method;
    r = RecomputeRows(session, TextRows({{"1e200", "1"}, {"2e200", "1"}, {"3e200", "1"}}));
    EXPECT_STREQ(
        "Invalid analysis.\nBarton-Bandis model could not be fit to data.\nCurve on plot will not "
        "be the best fit.",
        r.message)
        << method;
    EXPECT_EQ(20.0, session.Phir());
    EXPECT_EQ(5.0, session.Jrc());
    EXPECT_EQ(50.0, session.Jcs());
    EXPECT_EQ(-1.0, session.Residual());
  }
  // The curve of a failed fit uses the typed phir with the model's JRC and JCS.
  CBartonBandisCriterion model;
  model.SetParameters(30.0, 5.0, 50.0);
  CBartonBandisFitSession session(model);
  session.SetPhir(20.0);
  const RecomputeResult r =
      RecomputeRows(session, TextRows({{"1e200", "1"}, {"2e200", "1"}, {"3e200", "1"}}));
  ASSERT_FALSE(r.message.IsEmpty());
  const FitSeries& envelope = session.Plot().series.at(1);
  const double sigN = envelope.x.back();
  const double expected =
      sigN * std::tan((20.0 + 5.0 * std::log10(50.0 / sigN)) * 3.14159265358979323846 / 180.0);
  EXPECT_NEAR(expected, envelope.y.back(), 1e-9 * std::fabs(expected));
}

TEST(BartonBandisFitSession, ApplyChecks) {
  struct Case {
    double phir, jcs;
    const char* message;
  } cases[] = {{0.0, 50.0, ""},
               {90.0, 1e-7, ""},
               {90.5, 50.0, "phib = 90.5\nThis is invalid.\n(phib should be in the range 0-90)"},
               {-1.0, 50.0, "phib = -1\nThis is invalid.\n(phib should be in the range 0-90)"},
               {30.0, 0.0, "Invalid JCS, JCS should be greater than 1.e-007 for rock"}};
  for (const Case& c : cases) {
    CBartonBandisCriterion model;
    model.SetParameters(30.0, 5.0, c.jcs);
    CBartonBandisFitSession session(model);
    session.SetPhir(c.phir);
    EXPECT_STREQ(c.message, session.Apply({}).message) << c.phir;
  }
  // One test is enough for Apply to write the parameters with a custom range.
  CBartonBandisCriterion model;
  EXPECT_EQ(APPLICATION_CUSTOM,
            (ApplicationAfterApplyingOneTest<CBartonBandisFitSession>(model, "2", "1.5")));
}

TEST(BartonBandisFitSession, ReplotWritesTheRangeIntoTheModel) {
  CBartonBandisCriterion model;
  CBartonBandisFitSession session(model);
  session.SetPhir(28.0);
  RecomputeRows(session, JointRows(28.0, 9.5, 85.0));
  EXPECT_EQ(8.0, model.GetSignMax());
  EXPECT_EQ(model.GetSig1FromShear(8.0), model.GetSig3Max());
  EXPECT_GE(session.Plot().series[1].x.back(), 8.0 - 1e-9);
  EXPECT_STREQ("sign (MPa)", session.Heading(1));
  EXPECT_STREQ("sigt (MPa)", session.Heading(2));
  EXPECT_STREQ("Normal stress (MPa)", session.XAxisTitle());
}

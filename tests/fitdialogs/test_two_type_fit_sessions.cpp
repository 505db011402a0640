// The Mohr-Coulomb and power-curve fits, which take triaxial or direct-shear data.
#include <gtest/gtest.h>

#include <cmath>

#include "fit_test_support.h"
#include "fitdialogs/logic/MohrCoulombFitSession.h"
#include "fitdialogs/logic/PowerCurveFitSession.h"

namespace {
const double kPi = 3.14159265358979323846;

// Exact Mohr-Coulomb data: sig1 = sigc + k sig3 (k = tan^2(45 + phi/2), sigc = 2c sqrt(k)), or
// tau = c + sigN tan(phi).
std::vector<FitRowText> MohrCoulombRows(int dataType, double c, double phi) {
  const double t = std::tan((45.0 + phi / 2.0) * kPi / 180.0);
  std::vector<double> x = {0.5, 1, 2, 4, 7, 10}, y;
  for (double v : x)
    y.push_back(dataType == DATA_TRIAXIAL ? 2.0 * c * t + t * t * v
                                          : c + v * std::tan(phi * kPi / 180.0));
  return RowsOf(x, y);
}

// Exact power-curve data: tau = a (sigN + d)^b, or the circles touching that curve.
std::vector<FitRowText> PowerCurveRows(int dataType, double a, double d, double b) {
  std::vector<double> x, y;
  for (double t : {0.2, 0.5, 1.0, 2.0, 3.0, 5.0, 7.0, 10.0}) {
    if (dataType == DATA_DIRECT_SHEAR) {
      x.push_back(t);
      y.push_back(a * std::pow(t + d, b));
    } else {
      double sig1, sig3;
      CPowerCurveCriterion::TangentCircle(a, d, b, t, &sig1, &sig3);
      x.push_back(sig3);
      y.push_back(sig1);
    }
  }
  return RowsOf(x, y);
}
}  // namespace

TEST(MohrCoulombFitSession, EveryDataTypeAndMethodRecoversCAndPhi) {
  for (int type : {DATA_TRIAXIAL, DATA_DIRECT_SHEAR}) {
    for (int method = 0; method < 2; ++method) {
      CMohrCoulombCriterion model;
      CMohrCoulombFitSession session(model);
      session.SetDataType(type);
      session.SetMethod(method);
      const auto rows = MohrCoulombRows(type, 0.0042, 33.3);
      RecomputeRows(session, rows);
      EXPECT_NEAR(0.0042, session.C(), 1e-8) << type << method;
      EXPECT_NEAR(33.3, session.Phi(), 1e-6) << type << method;
      ASSERT_EQ(ApplyResult::APPLIED, session.Apply(rows).kind);
      double c, phi, sigt;
      model.GetParameters(&c, &phi, &sigt);
      // A soil cohesion in MPa keeps its digits.
      EXPECT_EQ(session.C(), c);
      EXPECT_EQ(session.Phi(), phi);
      EXPECT_EQ(type, model.GetDataType(nullptr));
      int application;
      model.GetEnvelopeRange(&application, nullptr, nullptr, nullptr);
      EXPECT_EQ(APPLICATION_CUSTOM, application);
    }
  }
}

TEST(MohrCoulombFitSession, FailedFitTakesTheModelsParametersSilently) {
  for (int type : {DATA_TRIAXIAL, DATA_DIRECT_SHEAR}) {
    for (int method = 0; method < 2; ++method) {
      CMohrCoulombCriterion model;
      model.SetParameters(0.7, 27.0, 0.1);
      CMohrCoulombFitSession session(model);
      session.SetDataType(type);
      session.SetMethod(method);
      RecomputeRows(session, MohrCoulombRows(type, 2.0, 40.0));
      ASSERT_NE(0.7, session.C());
      // One test, then tests that cannot be fitted: no stale results, no message.
      for (const auto& rows : {TextRows({{"1", "5"}}), TextRows({{"1e200", "3e200"}, {"2e200", "5e200"}})}) {
        const RecomputeResult r = RecomputeRows(session, rows);
        EXPECT_TRUE(r.message.IsEmpty());
        EXPECT_EQ(0.7, session.C()) << type << method;
        EXPECT_EQ(27.0, session.Phi()) << type << method;
        EXPECT_EQ(0.1, session.Sigt()) << type << method;
        EXPECT_EQ(-1.0, session.Residual()) << type << method;
        EXPECT_EQ(-1.0, model.GetResiduals());
      }
    }
  }
}

TEST(MohrCoulombFitSession, HeadingsTitlesAndTheRowCheckFollowTheDataType) {
  CMohrCoulombCriterion model;
  CMohrCoulombFitSession session(model);
  EXPECT_EQ(-1.0, session.Residual());
  EXPECT_STREQ("sig3 (MPa)", session.Heading(1));
  EXPECT_STREQ("Minor principal stress (MPa)", session.XAxisTitle());
  session.SetDataType(DATA_DIRECT_SHEAR);
  EXPECT_EQ(DATA_DIRECT_SHEAR, model.GetDataType(nullptr));
  EXPECT_STREQ("sigN (MPa)", session.Heading(1));
  EXPECT_STREQ("sigT (MPa)", session.Heading(2));
  EXPECT_STREQ("Normal stress (MPa)", session.XAxisTitle());
  EXPECT_STREQ("Shear stress (MPa)", session.YAxisTitle());
  // Shear stress below the normal stress is no error; no Mogi line for shear data.
  session.SetMogiLine(true);
  const RecomputeResult r = RecomputeRows(session, TextRows({{"10", "6"}, {"20", "11"}, {"30", "17"}}));
  EXPECT_EQ(0, r.invertedRows);
  EXPECT_TRUE(session.StatusText().IsEmpty());
  EXPECT_EQ(2u, session.Plot().series.size());
  session.SetDataType(DATA_TRIAXIAL);
  EXPECT_EQ(3, RecomputeRows(session, TextRows({{"10", "6"}, {"20", "11"}, {"30", "17"}})).invertedRows);
}

TEST(MohrCoulombFitSession, ReplotWritesTheRangeIntoTheModelAndCancelRestoresIt) {
  CMohrCoulombCriterion model;
  const double sig3max = model.GetSig3Max(), signmax = model.GetSignMax();
  CMohrCoulombFitSession session(model);
  RecomputeRows(session, MohrCoulombRows(DATA_TRIAXIAL, 1.0, 30.0));
  EXPECT_EQ(10.0, model.GetSig3Max());
  // The envelope ends at or past the largest measured sig3.
  EXPECT_GE(session.Plot().series[1].x.back(), 10.0 - 1e-12);
  // All sig3 negative: sig3max 0.
  RecomputeRows(session, TextRows({{"-1", "5"}, {"-0.5", "6"}}));
  EXPECT_EQ(0.0, model.GetSig3Max());
  session.SetDataType(DATA_DIRECT_SHEAR);
  RecomputeRows(session, MohrCoulombRows(DATA_DIRECT_SHEAR, 1.0, 30.0));
  EXPECT_EQ(10.0, model.GetSignMax());
  EXPECT_EQ(model.GetSig1FromShear(10.0), model.GetSig3Max());
  EXPECT_NEAR(10.0, session.Plot().series[1].x.back(), 1e-9);
  // The shear envelope: its last point is the shear stress of c 1, phi 30 degrees there.
  EXPECT_NEAR(1.0 + 10.0 * std::tan(30.0 * kPi / 180.0), session.Plot().series[1].y.back(), 1e-6);
  session.Cancel();
  EXPECT_EQ(sig3max, model.GetSig3Max());
  EXPECT_EQ(signmax, model.GetSignMax());
  EXPECT_EQ(DATA_TRIAXIAL, model.GetDataType(nullptr));
}

TEST(MohrCoulombFitSession, TriaxialEnvelopeEndsNearTheLargestSig1) {
  CMohrCoulombCriterion model;
  CMohrCoulombFitSession session(model);
  // Points far below the line: its sig1 passes the largest measured sig1 soon after the largest
  // sig3, and the envelope stops there instead of running on.
  RecomputeRows(session, TextRows({{"0", "10"}, {"1", "14"}, {"2", "18"}, {"3", "22"}}));
  const FitSeries& envelope = session.Plot().series[1];
  EXPECT_GE(envelope.x.back(), 3.0 - 1e-9);
  EXPECT_LE(envelope.x.back(), 3.3);
}

TEST(MohrCoulombFitSession, ApplyChecks) {
  CMohrCoulombCriterion model;
  model.SetParameters(0.0, 30.0, 0.0);
  CMohrCoulombFitSession zero(model);
  EXPECT_EQ(ApplyResult::APPLIED, zero.Apply({}).kind);
  model.SetParameters(1.0, 0.0, 0.0);  // phi 0 is a friction angle too
  EXPECT_EQ(ApplyResult::APPLIED, CMohrCoulombFitSession(model).Apply({}).kind);
  model.SetParameters(-0.5, 30.0, 0.0);
  ApplyResult apply = CMohrCoulombFitSession(model).Apply({});
  EXPECT_EQ(ApplyResult::REFUSED, apply.kind);
  EXPECT_STREQ("c = -0.5\nThis is invalid.\n(cohesion should be a positive value)", apply.message);
  for (double phi : {90.0, 120.0, -1.0}) {
    model.SetParameters(1.0, phi, 0.0);
    apply = CMohrCoulombFitSession(model).Apply({});
    EXPECT_EQ(ApplyResult::REFUSED, apply.kind) << phi;
    EXPECT_NE(-1, apply.message.Find("phi")) << phi;
  }
}

// One test is enough for Apply to write the parameters with a custom range.
TEST(MohrCoulombFitSession, ApplyWithOneTestSetsACustomRange) {
  CMohrCoulombCriterion mc;
  EXPECT_EQ(APPLICATION_CUSTOM, (ApplicationAfterApplyingOneTest<CMohrCoulombFitSession>(mc, "1", "5")));
  CPowerCurveCriterion pc;
  EXPECT_EQ(APPLICATION_CUSTOM, (ApplicationAfterApplyingOneTest<CPowerCurveFitSession>(pc, "1", "5")));
}

TEST(MohrCoulombFitSession, ApplyWithoutTestsChangesNothing) {
  CMohrCoulombCriterion model;
  model.SetParameters(2.0, 25.0, 0.5);
  model.SetEnvelopeRange(APPLICATION_TUNNELS, 0.0, 0.026, 40.0);
  model.SetDataType(DATA_DIRECT_SHEAR);
  const double signmax = model.GetSignMax();
  CMohrCoulombFitSession session(model);
  EXPECT_EQ(ApplyResult::APPLIED, session.Apply({}).kind);
  double c, phi, sigt;
  model.GetParameters(&c, &phi, &sigt);
  EXPECT_EQ(2.0, c);
  EXPECT_EQ(25.0, phi);
  int application;
  model.GetEnvelopeRange(&application, nullptr, nullptr, nullptr);
  EXPECT_EQ(APPLICATION_TUNNELS, application);
  EXPECT_EQ(signmax, model.GetSignMax());
  EXPECT_EQ(DATA_DIRECT_SHEAR, model.GetDataType(nullptr));
}

TEST(PowerCurveFitSession, EveryDataTypeAndMethodRecoversABAndD) {
  for (int type : {DATA_TRIAXIAL, DATA_DIRECT_SHEAR}) {
    for (int method = 0; method < 2; ++method) {
      CPowerCurveCriterion model;
      CPowerCurveFitSession session(model);
      session.SetDataType(type);
      session.SetMethod(method);
      const auto rows = PowerCurveRows(type, 1.2, 0.3, 0.75);
      const RecomputeResult r = RecomputeRows(session, rows);
      EXPECT_TRUE(r.message.IsEmpty());
      EXPECT_NEAR(1.2, session.A(), 1e-6) << type << method;
      EXPECT_NEAR(0.3, session.D(), 1e-6) << type << method;
      EXPECT_NEAR(0.75, session.B(), 1e-7) << type << method;
      ASSERT_EQ(ApplyResult::APPLIED, session.Apply(rows).kind);
      double a, d, b;
      model.GetParameters(&a, &d, &b);
      EXPECT_EQ(session.A(), a);
      EXPECT_EQ(session.B(), b);
    }
  }
}

TEST(PowerCurveFitSession, FailureMessageOnlyWithTwoOrMorePoints) {
  for (int type : {DATA_TRIAXIAL, DATA_DIRECT_SHEAR}) {
    for (int method = 0; method < 2; ++method) {
      CPowerCurveCriterion model;
      model.SetParameters(2.5, 0.1, 0.6);
      CPowerCurveFitSession session(model);
      session.SetDataType(type);
      session.SetMethod(method);
      RecomputeResult r = RecomputeRows(session, TextRows({{"1", "3"}}));
      EXPECT_TRUE(r.message.IsEmpty());
      EXPECT_EQ(2.5, session.A());
      EXPECT_EQ(-1.0, session.Residual());
      r = RecomputeRows(session, TextRows({{"1e200", "2e200"}, {"3e200", "4e200"}}));
      EXPECT_STREQ(
          "Invalid analysis.\nPower Curve model could not be fit to data due to numerical "
          "instabilities.",
          r.message)
          << type << method;
      EXPECT_EQ(2.5, session.A());
      EXPECT_EQ(0.1, session.D());
      EXPECT_EQ(0.6, session.B());
      EXPECT_EQ(-1.0, session.Residual());
    }
  }
}

TEST(PowerCurveFitSession, ApplyBoundsAndTheDataType) {
  struct Case {
    double a, b;
    bool accepted;
  } cases[] = {{0.0, 0.0, true}, {1.0, 1.0, true}, {1.0, 1.0001, false}, {1.0, -0.01, false},
               {-0.001, 0.5, false}};
  for (const Case& c : cases) {
    CPowerCurveCriterion model;
    model.SetParameters(c.a, 0.0, c.b);
    model.SetDataType(DATA_TRIAXIAL);
    CPowerCurveFitSession session(model);
    session.SetDataType(DATA_DIRECT_SHEAR);
    model.SetDataType(DATA_TRIAXIAL);  // the data type comes back from the dialog at Apply
    session.SetDataType(DATA_DIRECT_SHEAR);
    const ApplyResult apply = session.Apply({});
    EXPECT_EQ(c.accepted ? ApplyResult::APPLIED : ApplyResult::REFUSED, apply.kind) << c.a << " " << c.b;
    if (c.accepted) {
      EXPECT_EQ(DATA_DIRECT_SHEAR, model.GetDataType(nullptr));
    }
  }
  CPowerCurveCriterion model;
  model.SetParameters(1.0, 0.0, 2.0);
  EXPECT_STREQ("Invalid b, b should be from 0 to 1", CPowerCurveFitSession(model).Apply({}).message);
  model.SetParameters(-2.0, 0.0, 0.5);
  EXPECT_STREQ("a = -2\nThis is invalid.\n(a should not be negative)",
               CPowerCurveFitSession(model).Apply({}).message);
}

TEST(PowerCurveFitSession, NoMogiLineForShearData) {
  CPowerCurveCriterion model;
  CPowerCurveFitSession session(model);
  session.SetMogiLine(true);
  RecomputeRows(session, PowerCurveRows(DATA_TRIAXIAL, 1.2, 0.3, 0.75));
  EXPECT_EQ(3u, session.Plot().series.size());
  session.SetDataType(DATA_DIRECT_SHEAR);
  RecomputeRows(session, PowerCurveRows(DATA_DIRECT_SHEAR, 1.2, 0.3, 0.75));
  EXPECT_EQ(2u, session.Plot().series.size());
  EXPECT_EQ(10.0, model.GetSignMax());
}

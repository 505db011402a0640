// The rock-mass fit: mi and GSI with sigci and D held.
#include <gtest/gtest.h>

#include <cmath>

#include "fit_test_support.h"
#include "fitdialogs/logic/RockMassFitSession.h"

namespace {
// Exact rock-mass data of the generalised criterion.
std::vector<FitRowText> RockMassRows(double sigci, double mi, double GSI, double D) {
  const double mb = mi * std::exp((GSI - 100.0) / (28.0 - 14.0 * D));
  const double s = std::exp((GSI - 100.0) / (9.0 - 3.0 * D));
  const double a = 0.5 + (std::exp(-GSI / 15.0) - std::exp(-20.0 / 3.0)) / 6.0;
  std::vector<double> sig3 = {0.5, 1, 2, 4, 6, 8, 10}, sig1;
  for (double x : sig3) sig1.push_back(x + sigci * std::pow(mb * x / sigci + s, a));
  return RowsOf(sig3, sig1);
}
}  // namespace

TEST(RockMassFitSession, RecoversMiAndGsiByBothMethodsWithDHeld) {
  for (int method = 0; method < 2; ++method) {
    for (double D : {0.0, 0.7, 1.0}) {
      CHoekBrownCriterion model;
      CRockMassFitSession session(model);
      session.SetMethod(method);
      session.SetInputs(75.0, D);
      const auto rows = RockMassRows(75.0, 14.0, 45.0, D);
      RecomputeRows(session, rows);
      EXPECT_NEAR(14.0, session.Mi(), 1e-4) << method << " " << D;
      EXPECT_NEAR(45.0, session.GSI(), 1e-4) << method << " " << D;
      EXPECT_LT(session.Residual(), 1e-8);
      // The data went into the rock-mass set, not the lab set.
      EXPECT_EQ(7, model.GetRockMassCount());
      EXPECT_EQ(0, model.GetLabCount());
      ASSERT_EQ(ApplyResult::APPLIED, session.Apply(rows).kind);
      double sigci, mi, GSI, storedD;
      model.GetParameters(&sigci, &mi, &GSI, &storedD);
      EXPECT_EQ(75.0, sigci);
      EXPECT_EQ(D, storedD);
      EXPECT_EQ(session.Mi(), mi);
      EXPECT_EQ(session.GSI(), GSI);
      BYTE source = 0;
      model.GetFieldDataFlag(&source);
      EXPECT_EQ(SOURCE_ROCK_MASS, source);
      int application = -1;
      model.GetEnvelopeRange(&application, nullptr, nullptr, nullptr);
      EXPECT_EQ(CHoekBrownCriterion::APPLICATION_CUSTOM, application);
      EXPECT_EQ(10.0, model.GetSig3Max());
      // mb, s and a shown are those of the fitted mi and GSI.
      double mb, s, a;
      model.GetRockMassConstants(nullptr, &mb, &s, &a);
      EXPECT_NEAR(mb, session.Mb(), 1e-12 * mb);
      EXPECT_NEAR(s, session.S(), 1e-12 * s);
      EXPECT_NEAR(a, session.A(), 1e-12);
    }
  }
}

TEST(RockMassFitSession, FailedFitKeepsTheTypedInputs) {
  for (int method = 0; method < 2; ++method) {
    CHoekBrownCriterion model;
    model.SetParameters(40.0, 12.0, 55.0, 0.1);
    CRockMassFitSession session(model);
    session.SetMethod(method);
    session.SetInputs(90.0, 0.6);
    RecomputeRows(session, TextRows({{"2", "20"}}));
    EXPECT_EQ(90.0, session.Sigci()) << method;
    EXPECT_EQ(0.6, session.D()) << method;
    EXPECT_EQ(12.0, session.Mi()) << method;
    EXPECT_EQ(55.0, session.GSI()) << method;
    EXPECT_EQ(-1.0, session.Residual()) << method;
    EXPECT_EQ(-1.0, model.GetResiduals()) << method;
    double mb;
    model.GetRockMassConstants(nullptr, &mb, nullptr, nullptr);
    EXPECT_EQ(mb, session.Mb());
  }
}

TEST(RockMassFitSession, ApplyWithoutTestsKeepsTheDataSource) {
  CHoekBrownCriterion model;
  model.SetFieldDataFlag(SOURCE_LAB);
  CRockMassFitSession session(model);
  session.SetInputs(75.0, 0.5);
  ASSERT_EQ(ApplyResult::APPLIED, session.Apply({}).kind);
  BYTE source = 9;
  model.GetFieldDataFlag(&source);
  EXPECT_EQ(SOURCE_LAB, source);
  double sigci, D;
  model.GetParameters(&sigci, nullptr, nullptr, &D);
  EXPECT_EQ(30.0, sigci);  // the model's own values
  EXPECT_EQ(0.0, D);
}

TEST(RockMassFitSession, SigciBoundAndNoMiBound) {
  CHoekBrownCriterion model;
  CRockMassFitSession session(model);
  session.SetInputs(0.0, 0.0);
  ApplyResult apply = session.Apply({});
  EXPECT_EQ(ApplyResult::REFUSED, apply.kind);
  EXPECT_STREQ("Invalid sigci, sigci should be greater than 1.e-007 for rock", apply.message);
  session.SetInputs(1e-7, 0.0);
  EXPECT_EQ(ApplyResult::APPLIED, session.Apply({}).kind);
  // An mi past 50 is applied as it is (here the model's, as the fit of one test fails).
  CHoekBrownCriterion wide;
  wide.SetParameters(20.0, 70.0, 50.0, 0.0);
  CRockMassFitSession fit(wide);
  const auto rows = TextRows({{"1", "30"}});
  fit.SetTestCount(1);
  ASSERT_EQ(ApplyResult::APPLIED, fit.Apply(rows).kind);
  double mi = 0;
  wide.GetParameters(nullptr, &mi, nullptr, nullptr);
  EXPECT_EQ(70.0, mi);
}

TEST(RockMassFitSession, CancelRestoresTheRockMassPoints) {
  CHoekBrownCriterion model;
  const double x[3] = {1, 2, 3}, y[3] = {10, 14, 17};
  model.SetRockMassData(3, x, y);
  CRockMassFitSession session(model);
  RecomputeRows(session, TextRows({{"5", "50"}}));
  EXPECT_EQ(1, model.GetRockMassCount());
  session.Cancel();
  double bx[3], by[3];
  ASSERT_EQ(3, model.GetRockMassData(bx, by));
  EXPECT_EQ(17.0, by[2]);
}

TEST(RockMassFitSession, LinearRegressionInTheModelStartsOnLevenbergMarquardt) {
  CHoekBrownCriterion model;
  model.SetCurveFitMethod(CHoekBrownCriterion::FIT_LINEAR_REGRESSION);
  EXPECT_EQ(0, CRockMassFitSession(model).Method());
  model.SetCurveFitMethod(CHoekBrownCriterion::FIT_SIMPLEX);
  EXPECT_EQ(1, CRockMassFitSession(model).Method());
}

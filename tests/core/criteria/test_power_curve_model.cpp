// Power-curve envelope, vertex, root searches, ranges and Mohr-Coulomb lines.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "core/criteria/PowerCurveCriterion.h"
#include "criteria_test_support.h"

using criteria_test::ExpectTableFinite;
using criteria_test::kDeg;
using criteria_test::Rel;

namespace {
CPowerCurveCriterion Model(double a, double d, double b, int dataType = DATA_TRIAXIAL) {
  CPowerCurveCriterion m;
  m.SetDataType(dataType);
  m.SetParameters(a, d, b);
  return m;
}
}  // namespace

TEST(PowerCurveModel, NewModelAndTheCurveThroughTheOrigin) {
  CPowerCurveCriterion m;
  double a, d, b;
  m.GetParameters(&a, &d, &b);
  EXPECT_EQ(1.0, a);
  EXPECT_EQ(0.0, d);
  EXPECT_EQ(0.7, b);
  EXPECT_EQ(CRITERION_POWER_CURVE, m.GetCriterionType());
  EXPECT_EQ(DATA_TRIAXIAL, m.GetDataType(nullptr));
  EXPECT_EQ(10.0, m.GetSignMax());
  EXPECT_NEAR(0.6616027, m.GetSig3Max(), 1e-7);
  EXPECT_EQ(0.101, m.GetAtmosphericPressure());
  EXPECT_EQ(-1.0, m.GetResiduals());
  EXPECT_EQ(-2.0, m.GetBestFitResiduals());
  EXPECT_FALSE(m.IsLinear());
  EXPECT_EQ(0.0, m.GetPrincipalSlopeAngle());

  // d = 0: the envelope starts at the origin, with no negative zeros.
  EXPECT_EQ(0.0, m.GetMinSig3());
  EXPECT_EQ(0.0, m.GetUniaxialStrength());
  EXPECT_EQ(0.0, m.GetMinSigN());
  EXPECT_FALSE(std::signbit(m.GetMinSigN()));
  EXPECT_EQ(0.0, m.GetSig1(0.0));
  EXPECT_FALSE(std::signbit(m.GetSig1(0.0)));
  EXPECT_EQ(0.0, m.GetSig1(5e-5));
  EXPECT_NEAR(std::pow(2.0, 0.7), m.GetTau(2.0), 1e-15);
  const EnvelopePoint* rows = m.BuildPrincipalEnvelope(5);
  EXPECT_EQ(0.0, rows[0].sig1);
  EXPECT_EQ(0.0, rows[0].sig3);
  EXPECT_NEAR(m.GetSig3Max(), rows[4].sig3, 1e-15);
}

TEST(PowerCurveModel, UnitDefaultsResetOnlyWithoutLabPoints) {
  CPowerCurveCriterion m;
  m.SetParameters(2.0, 0.5, 0.8);
  EXPECT_FALSE(m.SetUnits(UNITS_MPA));
  EXPECT_FALSE(m.SetUnits(8));

  ASSERT_TRUE(m.SetUnits(UNITS_PSF));
  double a, d, b;
  m.GetParameters(&a, &d, &b);
  EXPECT_EQ(2.0, a);
  EXPECT_EQ(0.0, d);
  EXPECT_EQ(0.8, b);
  EXPECT_EQ(2115.7, m.GetAtmosphericPressure());
  int app;
  double range, gamma, H;
  m.GetEnvelopeRange(&app, &range, &gamma, &H);
  EXPECT_EQ(166.0, gamma);
  EXPECT_EQ(150.0, H);
  EXPECT_NEAR(7013.2275, m.GetSig3Max(), 1e-4);
  EXPECT_EQ(m.GetSig3Max(), range);
  EXPECT_DOUBLE_EQ(m.GetSigNAtSig3(m.GetSig3Max()), m.GetSignMax());

  // psi divides gamma H by 144.
  ASSERT_TRUE(m.SetUnits(UNITS_PSI));
  EXPECT_NEAR(0.517 * std::pow(166.0 * 150.0 * 0.00694444444, 0.94), m.GetSig3Max(), 1e-9);
  EXPECT_EQ(14.7, m.GetAtmosphericPressure());

  // With lab points only the atmospheric pressure follows the units.
  const double x[2] = {1.0, 2.0};
  const double y[2] = {5.0, 8.0};
  m.SetParameters(2.0, 0.5, 0.8);
  m.SetLabData(2, x, y);
  const double sig3max = m.GetSig3Max();
  EXPECT_TRUE(m.SetUnits(UNITS_KPA));
  m.GetParameters(&a, &d, &b);
  EXPECT_EQ(0.5, d);
  EXPECT_EQ(101.3, m.GetAtmosphericPressure());
  EXPECT_EQ(sig3max, m.GetSig3Max());
}

TEST(PowerCurveModel, EnvelopeRangeFollowsTheDataType) {
  CPowerCurveCriterion m;
  m.SetEnvelopeRange(APPLICATION_CUSTOM, 7.5, 0.026, 50.0);
  EXPECT_EQ(7.5, m.GetSig3Max());
  EXPECT_EQ(10.0, m.GetSignMax());

  m.SetDataType(DATA_DIRECT_SHEAR);
  m.SetEnvelopeRange(APPLICATION_CUSTOM, 6.5, 0.026, 50.0);
  EXPECT_EQ(6.5, m.GetSignMax());
  EXPECT_EQ(7.5, m.GetSig3Max());
  int app;
  double range, gamma, H;
  m.GetEnvelopeRange(&app, &range, &gamma, &H);
  EXPECT_EQ(6.5, range);
  m.SetEnvelopeRange(APPLICATION_SLOPES, 0.0, 0.026, 50.0);
  EXPECT_DOUBLE_EQ(m.GetSigNAtSig3(0.828 * std::pow(1.3, 0.91)), m.GetSignMax());
  EXPECT_EQ(7.5, m.GetSig3Max());
  // Any other application leaves both ranges.
  m.SetEnvelopeRange(9, 1.0, 0.026, 50.0);
  EXPECT_EQ(7.5, m.GetSig3Max());
  EXPECT_DOUBLE_EQ(m.GetSigNAtSig3(0.828 * std::pow(1.3, 0.91)), m.GetSignMax());
  // UpdateSig3Max sets both, whatever the data type.
  m.SetEnvelopeRange(APPLICATION_TUNNELS, 0.0, 0.026, 50.0);
  m.UpdateSig3Max();
  EXPECT_NEAR(0.6616027, m.GetSig3Max(), 1e-7);
  EXPECT_DOUBLE_EQ(m.GetSigNAtSig3(m.GetSig3Max()), m.GetSignMax());
  m.SetSig3Max(3.0);
  m.SetSignMax(4.0);
  EXPECT_EQ(3.0, m.GetSig3Max());
  EXPECT_EQ(4.0, m.GetSignMax());
}

TEST(PowerCurveModel, TheVertexIsAPointCircleAndNeverANaN) {
  CPowerCurveCriterion m = Model(1.0, 0.5, 0.7);
  double tau = 42.0;
  EXPECT_FALSE(m.CalcTauAtSigN(-0.6, &tau));
  EXPECT_EQ(42.0, tau);
  EXPECT_TRUE(m.CalcTauAtSigN(-0.5, &tau));
  EXPECT_EQ(0.0, tau);
  EXPECT_EQ(0.0, m.GetTau(-0.7));
  EXPECT_EQ(-0.5, m.GetMinSigN());
  EXPECT_EQ(-0.5, m.GetSig1FromShear(-0.5));
  EXPECT_EQ(-0.5, m.GetSig3FromShear(-0.5));
  EXPECT_EQ(-0.7, m.GetSig3AtSigN(-0.7));
  // No circle has sig3 below the vertex.
  EXPECT_EQ(-0.5, m.GetSigNAtSig3(-0.6));
  EXPECT_EQ(-0.5, m.GetSig1(-0.49995));
  const double minSig3 = m.GetMinSig3();
  EXPECT_GT(minSig3, -0.5);
  EXPECT_LT(minSig3, 0.0);
  EXPECT_NEAR(0.0, m.GetSig1(minSig3), 1e-9);
  EXPECT_NEAR(0.0, m.GetSig3AtSigN(m.GetSigNAtSig3(0.0)), 1e-5);
  EXPECT_NEAR(m.GetSig1(0.0), m.GetUniaxialStrength(), 1e-12);
  for (double sig3 : {1e-6, 2.9e-5, 1e-4}) {
    EXPECT_TRUE(std::isfinite(m.GetSigNAtSig3(sig3)));
    EXPECT_TRUE(std::isfinite(m.GetSig1(sig3)));
  }
  double c, phi;
  m.GetInstantaneousMC(-0.5, &c, &phi);
  EXPECT_TRUE(std::isfinite(c));
  EXPECT_NEAR(90.0, phi / kDeg, 1e-3);

  // b = 0.5: sig1 tends to -d + a^2 at the vertex, so the envelope starts
  // at sig3 = -d with sig1 above 0, and sig1 stays on the circles there.
  CPowerCurveCriterion h = Model(1.0, 0.5, 0.5);
  EXPECT_EQ(-0.5, h.GetMinSig3());
  for (double sig3 : {-0.49, -0.3, -0.1, 0.0}) {
    const double t = h.GetSigNAtSig3(sig3);
    EXPECT_NEAR(h.GetSig1FromShear(t), h.GetSig1(sig3), 1e-4) << sig3;
    EXPECT_GT(h.GetSig1(sig3), 0.5);
  }
  EXPECT_NEAR(1.0 + std::sqrt(2.0), h.GetUniaxialStrength(), 1e-9);
}

TEST(PowerCurveModel, FailureCirclesTouchTheCurve) {
  const double params[][3] = {{1.0, 0.0, 0.7}, {1.2, 0.3, 0.75}, {0.5, 2.0, 0.5}, {2.0, 0.5, 1.0}};
  for (const auto& p : params) {
    CPowerCurveCriterion m = Model(p[0], p[1], p[2]);
    for (double u = 1e-3; u < 60.0; u *= 1.8) {
      const double sigN = u - p[1];
      const double tau = m.GetTau(sigN);
      const double s1 = m.GetSig1FromShear(sigN);
      const double s3 = m.GetSig3FromShear(sigN);
      ASSERT_GT(s1, s3);
      const double c = 0.5 * (s1 + s3);
      const double r = 0.5 * (s1 - s3);
      const double slope = p[0] * p[2] * std::pow(u, p[2] - 1.0);
      EXPECT_NEAR(r, std::hypot(sigN - c, tau), 1e-10 * r);
      EXPECT_NEAR(0.0, ((sigN - c) + tau * slope) / r, 1e-9);
      double c2, phi;
      m.GetInstantaneousMC(sigN, &c2, &phi);
      EXPECT_NEAR(slope, std::tan(phi), 1e-9 * slope);
      EXPECT_NEAR(tau, c2 + sigN * std::tan(phi), 1e-9 * (1.0 + tau));
    }
  }
}

TEST(PowerCurveModel, Sig1AndSigNAtSig3AreConsistent) {
  const double ds[] = {0.0, 0.5};
  const double bs[] = {0.5, 0.7, 1.0};
  for (double d : ds)
    for (double b : bs) {
      CPowerCurveCriterion m = Model(1.3, d, b);
      for (double sig3 = 1e-5; sig3 <= 100.0; sig3 *= 1.3) {
        const double t = m.GetSigNAtSig3(sig3);
        const double sig1 = m.GetSig1(sig3);
        ASSERT_TRUE(std::isfinite(t) && std::isfinite(sig1));
        if (sig3 + d <= 1e-4) {
          // Next to the vertex sig1 is taken as the vertex.
          EXPECT_EQ(-d, sig1);
          continue;
        }
        EXPECT_GT(sig1, sig3) << d << " " << b << " " << sig3;
        // The search holds t to 1e-5 (relative below 1).
        const double scale = std::fabs(sig3) + std::fabs(t) + d;
        EXPECT_NEAR(sig3, m.GetSig3AtSigN(t), 1e-4 * scale) << d << " " << b << " " << sig3;
        EXPECT_LT(Rel(m.GetSig1FromShear(t), sig1), 1e-4) << d << " " << b << " " << sig3;
        EXPECT_EQ(m.GetTau(t), m.GetTauAtSig3(sig3));
        // The report's tangent-point search is the same search.
        EXPECT_EQ(t, CPowerCurveCriterion::ClosestCurvePoint(1.3, d, b, sig3));
      }
      // Between the vertex and 0 the scan finds the tangent point.
      for (double sig3 = -0.45 * d; sig3 < 0.0; sig3 += 0.1)
        EXPECT_NEAR(sig3, m.GetSig3AtSigN(m.GetSigNAtSig3(sig3)), 1e-5) << d << " " << b;
    }
}

TEST(PowerCurveModel, EquivalentMohrCoulombIsTheLeastSquaresLine) {
  const double params[][3] = {{1.0, 0.0, 0.7}, {1.2, 0.3, 0.75}, {0.5, 2.0, 0.5}, {2.0, 0.5, 1.0}};
  for (int dataType : {DATA_TRIAXIAL, DATA_DIRECT_SHEAR})
    for (const auto& p : params) {
      CPowerCurveCriterion m = Model(p[0], p[1], p[2], dataType);
      m.SetSig3Max(5.0);
      m.SetSignMax(8.0);
      double tau = 0.0;
      EXPECT_EQ(DBL_MAX, *m.GetEquivMCTau(1.0, &tau));
      EXPECT_EQ(DBL_MAX, m.GetEquivMCSig1(1.0));
      double c = 0.0, phi = 0.0;
      ASSERT_TRUE(m.CalcEquivalentMC(&c, &phi));

      // Dense reference: Simpson on panels halving towards the vertex.
      const double x0 = -p[1];
      const double x1 = dataType == DATA_TRIAXIAL ? m.GetSigNAtSig3(5.0) : 8.0;
      double f0 = 0.0, f1 = 0.0;
      double hi = x1;
      for (int k = 0; k < 80; k++) {
        const double lo = k == 79 ? x0 : x0 + 0.5 * (hi - x0);
        const int n = 400;
        const double h = (hi - lo) / n;
        for (int i = 0; i <= n; i++) {
          const double s = lo + i * h;
          const double w = (i == 0 || i == n ? 1.0 : (i % 2 ? 4.0 : 2.0)) * h / 3.0;
          f0 += w * m.GetTau(s);
          f1 += w * s * m.GetTau(s);
        }
        hi = lo;
      }
      const double l3 = std::pow(x1 - x0, 3.0);
      const double tanRef = (12.0 * f1 - 6.0 * (x1 + x0) * f0) / l3;
      const double cRef = (4.0 * (x1 * x1 + x1 * x0 + x0 * x0) * f0 - 6.0 * (x1 + x0) * f1) / l3;
      const double scale = m.GetTau(x1);
      EXPECT_NEAR(cRef, c, 1e-6 * std::max(std::fabs(cRef), 1e-3 * scale)) << p[1] << " " << p[2];
      EXPECT_NEAR(std::atan(tanRef) / kDeg, phi, 1e-6 * phi) << p[1] << " " << p[2];

      EXPECT_NEAR(c + 2.0 * std::tan(phi * kDeg), *m.GetEquivMCTau(2.0, &tau), 1e-12);
      for (double sig3 : {0.0, 0.5, 3.0}) {
        const double sig1 = m.GetEquivMCSig1(sig3);
        const double centre = 0.5 * (sig1 + sig3);
        const double radius = 0.5 * (sig1 - sig3);
        EXPECT_NEAR(radius, (c + centre * std::tan(phi * kDeg)) * std::cos(phi * kDeg),
                    1e-12 * (1 + sig1));
      }
    }

  // An empty range has no line: outputs untouched, cache cleared.
  CPowerCurveCriterion m = Model(1.0, 0.5, 0.7, DATA_DIRECT_SHEAR);
  double c = 1.0, phi = 2.0;
  ASSERT_TRUE(m.CalcEquivalentMC(&c, &phi));
  m.SetSignMax(-0.5);
  c = 11.0;
  phi = 12.0;
  EXPECT_FALSE(m.CalcEquivalentMC(&c, &phi));
  EXPECT_EQ(11.0, c);
  EXPECT_EQ(12.0, phi);
  EXPECT_EQ(DBL_MAX, m.GetEquivMCSig1(1.0));
  CPowerCurveCriterion t = Model(1.0, 0.5, 0.7, DATA_TRIAXIAL);
  t.SetSig3Max(-2.0);
  EXPECT_FALSE(t.CalcEquivalentMC(&c, &phi));
}

TEST(PowerCurveModel, TablesAreFiniteOverTheParameterSweep) {
  const double ds[] = {0.0, 1e-8, 0.5, 50.0};
  const double bs[] = {0.5, 0.7, 1.0};
  const double as[] = {0.2, 1.0, 4.0};
  for (int units = 0; units < UNITS_COUNT; units++)
    for (int dataType : {DATA_TRIAXIAL, DATA_DIRECT_SHEAR})
      for (double a : as)
        for (double d : ds)
          for (double b : bs) {
            CPowerCurveCriterion m;
            m.SetDataType(dataType);
            m.SetUnits(units);
            m.SetParameters(a, d, b);
            m.SetEnvelopeRange(b == 0.7 ? APPLICATION_SLOPES : APPLICATION_TUNNELS, 1.0, 0.026,
                               50.0);
            m.UpdateSig3Max();
            m.BuildPrincipalEnvelope(25);
            ExpectTableFinite(m, "principal");
            m.BuildShearEnvelope(25);
            ExpectTableFinite(m, "shear");
            m.BuildTauEnvelope(25);
            ExpectTableFinite(m, "tau");
            double c = 0.0, phi = 0.0;
            ASSERT_TRUE(m.CalcEquivalentMC(&c, &phi));
            ASSERT_TRUE(std::isfinite(c) && std::isfinite(phi));
            ASSERT_TRUE(std::isfinite(m.GetMinSig3()) && std::isfinite(m.GetUniaxialStrength()));
            m.GetInstantaneousMC(-d, &c, &phi);
            ASSERT_TRUE(std::isfinite(c) && std::isfinite(phi)) << units << " " << d << " " << b;
          }
}

TEST(PowerCurveModel, ResidualsOfTheCurrentParameters) {
  // Direct shear: points left of the vertex contribute nothing.
  CPowerCurveCriterion m = Model(1.2, 0.3, 0.75, DATA_DIRECT_SHEAR);
  const double x[3] = {-1.0, 1.0, 4.0};
  const double y[3] = {7.0, m.GetTau(1.0) + 0.1, m.GetTau(4.0) - 0.2};
  m.CalcResiduals(3, x, y);
  EXPECT_NEAR(0.05, m.GetResiduals(), 1e-12);
  m.CalcResiduals(0, nullptr, nullptr);
  EXPECT_EQ(0.0, m.GetResiduals());

  // Triaxial: points on the envelope leave (almost) nothing.
  CPowerCurveCriterion t = Model(1.2, 0.3, 0.75);
  double s3[4], s1[4];
  const double ts[4] = {0.5, 1.0, 3.0, 8.0};
  for (int i = 0; i < 4; i++)
    CPowerCurveCriterion::TangentCircle(1.2, 0.3, 0.75, ts[i], &s1[i], &s3[i]);
  t.CalcResiduals(4, s3, s1);
  EXPECT_LT(t.GetResiduals(), 1e-8);
  EXPECT_LT(CPowerCurveCriterion::FitSumOfSquares(DATA_TRIAXIAL, 1.2, 0.3, 0.75, 4, s3, s1), 1e-8);
  // The tangent-point search reads no model: the model is as it was.
  double a, d, b;
  t.GetParameters(&a, &d, &b);
  EXPECT_EQ(1.2, a);
  EXPECT_EQ(0.3, d);
  EXPECT_EQ(0.75, b);
  EXPECT_EQ(-0.3, CPowerCurveCriterion::ClosestCurvePoint(1.2, 0.3, 0.75, -0.4));
}

TEST(PowerCurveModel, PrincipalValuesDoNotDependOnWhatWasAskedBefore) {
  // GetSig1, GetSigNAtSig3 and GetTauAtSig3 share one tangent-point search
  // per sig3; the answers are those of a fresh model whatever came before,
  // and follow the parameters.
  CPowerCurveCriterion m = Model(1.2, 0.3, 0.75);
  const double sig3s[] = {-0.1, 0.0, 0.4, 2.0, 0.4};
  for (double s : sig3s) {
    CPowerCurveCriterion fresh = Model(1.2, 0.3, 0.75);
    m.GetSig1(s + 1.0);
    EXPECT_EQ(fresh.GetSigNAtSig3(s), m.GetSigNAtSig3(s)) << s;
    EXPECT_EQ(Model(1.2, 0.3, 0.75).GetSig1(s), m.GetSig1(s)) << s;
    EXPECT_EQ(Model(1.2, 0.3, 0.75).GetTauAtSig3(s), m.GetTauAtSig3(s)) << s;
  }
  const double before = m.GetSig1(2.0);
  m.SetParameters(1.0, 0.3, 0.75);
  EXPECT_EQ(Model(1.0, 0.3, 0.75).GetSig1(2.0), m.GetSig1(2.0));
  EXPECT_NE(before, m.GetSig1(2.0));
  m.SetUnits(UNITS_KPA);  // resets d to 0
  CPowerCurveCriterion k = Model(1.0, 0.0, 0.75);
  EXPECT_EQ(k.GetSigNAtSig3(2.0), m.GetSigNAtSig3(2.0));
}

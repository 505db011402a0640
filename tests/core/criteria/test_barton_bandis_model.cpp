// Barton-Bandis envelope, circles, root searches, ranges and Mohr-Coulomb lines.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "core/criteria/BartonBandisCriterion.h"
#include "criteria_test_support.h"

using criteria_test::ExpectTableFinite;
using criteria_test::kDeg;
using criteria_test::Rel;

namespace {
// Twice the integrals of tau and sigN tau over [a, b] by Simpson's rule on
// panels that halve towards a: an independent check of the quadrature.
void ReferenceIntegrals(const CBartonBandisCriterion& m, double a, double b, double* j1,
                        double* j2) {
  double phib, jrc, jcs;
  m.GetParameters(&phib, &jrc, &jcs);
  auto tau = [&](double s) {
    return s > 0.0 ? s * std::tan(CBartonBandisCriterion::Theta(phib, jrc, jcs, s) * kDeg) : 0.0;
  };
  double s1 = 0.0, s2 = 0.0;
  auto simpson = [&](double lo, double hi) {
    const int n = 2000;
    const double h = (hi - lo) / n;
    for (int i = 0; i <= n; i++) {
      const double s = lo + i * h;
      const double w = (i == 0 || i == n) ? 1.0 : (i % 2 ? 4.0 : 2.0);
      s1 += w * h / 3.0 * tau(s);
      s2 += w * h / 3.0 * s * tau(s);
    }
  };
  double hi = b;
  while (a > 0.0 && hi / 2.0 > a && hi > b * 1e-25) {
    simpson(hi / 2.0, hi);
    hi /= 2.0;
  }
  simpson(a, hi);
  *j1 = 2.0 * s1;
  *j2 = 2.0 * s2;
}
}  // namespace

TEST(BartonBandisModel, NewModelAndTheSeventyDegreeRule) {
  CBartonBandisCriterion m;
  double phib, jrc, jcs;
  m.GetParameters(&phib, &jrc, &jcs);
  EXPECT_EQ(28.0, phib);
  EXPECT_EQ(10.0, jrc);
  EXPECT_EQ(30.0, jcs);
  EXPECT_EQ(CRITERION_BARTON_BANDIS, m.GetCriterionType());
  EXPECT_EQ(DATA_DIRECT_SHEAR, m.GetDataType(nullptr));
  EXPECT_EQ(-1.0, m.GetResiduals());
  EXPECT_EQ(-2.0, m.GetBestFitResiduals());
  EXPECT_FALSE(m.IsLinear());
  EXPECT_EQ(0.0, m.GetMinSig3());
  EXPECT_EQ(0.0, m.GetUniaxialStrength());
  EXPECT_EQ(0.0, m.GetPrincipalSlopeAngle());
  // The range rule runs at construction; sig3max waits for the unit defaults.
  EXPECT_EQ(0.0, m.GetSig3Max());
  EXPECT_NEAR(1.1932131, m.GetSignMax(), 1e-5);
  int app;
  double signmax, gamma, H;
  m.GetEnvelopeRange(&app, &signmax, &gamma, &H);
  EXPECT_EQ(APPLICATION_TUNNELS, app);
  EXPECT_EQ(m.GetSignMax(), signmax);
  EXPECT_EQ(0.026, gamma);
  EXPECT_EQ(50.0, H);

  // sigNmin = 30 / 10^4.2; the cut is strict: at sigNmin theta is 70 degrees.
  const double sigNmin = m.GetMinSigN();
  EXPECT_NEAR(0.0018929, sigNmin, 1e-7);
  EXPECT_NEAR(70.0, CBartonBandisCriterion::Theta(28, 10, 30, sigNmin), 1e-9);
  EXPECT_NEAR(sigNmin * std::tan(70.0 * kDeg), m.GetTau(sigNmin), 1e-15);
  EXPECT_EQ(0.0, m.GetTau(sigNmin * (1.0 - 1e-12)));
  EXPECT_EQ(0.0, m.GetTau(0.001));
  EXPECT_NEAR(0.92508, m.GetTau(1.0), 5e-6);
  EXPECT_NEAR(42.771, CBartonBandisCriterion::Theta(28, 10, 30, 1.0), 5e-4);

  // CalcTauAtSigN has no cut, only the 1e-5 floor.
  double tau = -1.0;
  EXPECT_TRUE(m.CalcTauAtSigN(0.001, &tau));
  EXPECT_NEAR(0.0032247, tau, 5e-8);
  EXPECT_NEAR(72.771, CBartonBandisCriterion::Theta(28, 10, 30, 0.001), 5e-4);
  EXPECT_TRUE(m.CalcTauAtSigN(1e-6, &tau));
  EXPECT_EQ(0.0, tau);

  // Below sig3 = 1e-5 every principal quantity is the origin.
  EXPECT_EQ(0.0, m.GetSigNAtSig3(5e-6));
  EXPECT_EQ(0.0, m.GetTauAtSig3(5e-6));
  EXPECT_EQ(0.0, m.GetSig1(5e-6));
  EXPECT_EQ(0.0, m.GetSig1(-1.0));
}

TEST(BartonBandisModel, UnitDefaultsApplyOnlyWithoutLabPoints) {
  CBartonBandisCriterion m;
  EXPECT_FALSE(m.SetUnits(UNITS_MPA));
  EXPECT_FALSE(m.SetUnits(8));
  EXPECT_FALSE(m.SetUnits(-1));

  ASSERT_TRUE(m.SetUnits(UNITS_KPA));
  double phib, jrc, jcs;
  m.GetParameters(&phib, &jrc, &jcs);
  EXPECT_EQ(28.0, phib);
  EXPECT_EQ(10.0, jrc);
  EXPECT_EQ(30000.0, jcs);
  int app;
  double signmax, gamma, H;
  m.GetEnvelopeRange(&app, &signmax, &gamma, &H);
  EXPECT_EQ(26.0, gamma);
  EXPECT_EQ(50.0, H);
  EXPECT_NEAR(437.1166, m.GetSig3Max(), 1e-4);
  EXPECT_NEAR(0.517 * std::pow(1300.0, 0.94), m.GetSig3Max(), 1e-9);
  EXPECT_DOUBLE_EQ(m.GetSigNAtSig3(m.GetSig3Max()), m.GetSignMax());

  // ksi divides gamma H by 144.
  ASSERT_TRUE(m.SetUnits(UNITS_KSI));
  EXPECT_NEAR(0.517 * std::pow(0.166 * 150.0 / 144.0, 0.94), m.GetSig3Max(), 1e-9);
  m.GetParameters(&phib, &jrc, &jcs);
  EXPECT_EQ(3.0, jcs);

  // With lab points only the units change.
  const double x[2] = {1.0, 2.0};
  const double y[2] = {1.0, 1.5};
  m.SetLabData(2, x, y);
  const double sig3max = m.GetSig3Max();
  const double signmaxBefore = m.GetSignMax();
  EXPECT_TRUE(m.SetUnits(UNITS_PSF));
  EXPECT_EQ(UNITS_PSF, m.GetUnits());
  m.GetParameters(&phib, &jrc, &jcs);
  EXPECT_EQ(3.0, jcs);
  EXPECT_EQ(sig3max, m.GetSig3Max());
  EXPECT_EQ(signmaxBefore, m.GetSignMax());
}

TEST(BartonBandisModel, EnvelopeRangeByApplication) {
  CBartonBandisCriterion m;
  m.SetEnvelopeRange(APPLICATION_CUSTOM, 7.5, 0.03, 80.0);
  EXPECT_EQ(7.5, m.GetSignMax());
  EXPECT_EQ(0.0, m.GetSig3Max());
  m.SetEnvelopeRange(APPLICATION_SLOPES, 7.5, 0.026, 50.0);
  EXPECT_DOUBLE_EQ(m.GetSigNAtSig3(0.828 * std::pow(1.3, 0.91)), m.GetSignMax());
  // An unknown application stores its inputs and leaves signmax.
  const double signmax = m.GetSignMax();
  m.SetEnvelopeRange(5, 99.0, 0.02, 10.0);
  int app;
  double s, gamma, H;
  m.GetEnvelopeRange(&app, &s, &gamma, &H);
  EXPECT_EQ(5, app);
  EXPECT_EQ(signmax, s);
  EXPECT_EQ(0.02, gamma);
  EXPECT_EQ(10.0, H);
  // UpdateSig3Max follows the application; Custom changes nothing.
  m.SetEnvelopeRange(APPLICATION_CUSTOM, 3.0, 0.026, 50.0);
  m.UpdateSig3Max();
  EXPECT_EQ(3.0, m.GetSignMax());
  EXPECT_EQ(0.0, m.GetSig3Max());
  m.SetApplication(APPLICATION_TUNNELS);
  m.UpdateSig3Max();
  EXPECT_NEAR(0.6616027, m.GetSig3Max(), 1e-7);
  EXPECT_NEAR(1.1932131, m.GetSignMax(), 1e-5);
  // A zero or negative load gives a zero range, not a NaN.
  m.SetEnvelopeRange(APPLICATION_TUNNELS, 1.0, -0.026, 50.0);
  EXPECT_EQ(0.0, m.GetSignMax());
}

TEST(BartonBandisModel, FailureCirclesTouchTheEnvelope) {
  const double params[][3] = {{28, 10, 30}, {30, 20, 100}, {25, 0, 30}, {35, 3, 5}, {10, 15, 1e4}};
  for (const auto& p : params) {
    CBartonBandisCriterion m;
    m.SetParameters(p[0], p[1], p[2]);
    const double start = std::max(1.01 * m.GetMinSigN(), 1e-3);
    for (double sigN = start; sigN < 50.0; sigN *= 1.7) {
      const double tau = m.GetTau(sigN);
      const double s1 = m.GetSig1FromShear(sigN);
      const double s3 = m.GetSig3FromShear(sigN);
      ASSERT_GT(s1, s3);
      EXPECT_EQ(s3, m.GetSig3AtSigN(sigN));
      const double c = 0.5 * (s1 + s3);
      const double r = 0.5 * (s1 - s3);
      // (sigN, tau) lies on the circle ...
      EXPECT_NEAR(r, std::hypot(sigN - c, tau), 1e-10 * r) << p[1] << " " << sigN;
      // ... and the radius there is normal to the envelope.
      const double h = 1e-6 * sigN;
      const double slope = (m.GetTau(sigN + h) - m.GetTau(sigN - h)) / (2.0 * h);
      EXPECT_NEAR(0.0, ((sigN - c) + tau * slope) / r, 1e-6) << p[1] << " " << sigN;
    }
  }
}

TEST(BartonBandisModel, Sig1AndSigNAtSig3AreConsistent) {
  const double params[][3] = {{28, 10, 30}, {30, 20, 1e4}, {30, 0, 30}, {20, 5, 1e-3}, {0, 20, 1}};
  for (const auto& p : params) {
    CBartonBandisCriterion m;
    m.SetParameters(p[0], p[1], p[2]);
    const double sigNmin = m.GetMinSigN();
    for (double sig3 = 1e-5; sig3 <= 100.0; sig3 *= 1.35) {
      const double sigN = m.GetSigNAtSig3(sig3);
      const double sig1 = m.GetSig1(sig3);
      const double tau = m.GetTauAtSig3(sig3);
      ASSERT_TRUE(std::isfinite(sigN) && std::isfinite(sig1) && std::isfinite(tau)) << sig3;
      EXPECT_EQ(m.GetTau(sigN), tau);
      // Past sigN = JCS 10^(phib/JRC) the friction angle turns negative, and
      // so does the shear strength: the formula holds no more, only the
      // searches must.
      if (tau >= 0.0) {
        EXPECT_GT(sig1, sig3) << p[1] << " " << sig3;
      }
      if (tau != 0.0) {
        // Above the cut both searches find the same tangent point.
        EXPECT_LT(Rel(m.GetSig3FromShear(sigN), sig3), 1e-4) << p[1] << " " << sig3;
        EXPECT_LT(Rel(m.GetSig1FromShear(sigN), sig1), 1e-4) << p[1] << " " << sig3;
      } else {
        // Below it the circle is the point sigN = sig3 (or the step at sigNmin).
        EXPECT_TRUE(Rel(sigN, sig3) < 1e-4 || Rel(sigN, sigNmin) < 1e-4) << p[1] << " " << sig3;
      }
    }
  }
}

TEST(BartonBandisModel, EquivalentMohrCoulombIsTheLeastSquaresLine) {
  const double params[][3] = {{28, 10, 30},   {30, 20, 100}, {45, 5, 1e-3},
                              {70, 20, 1e-3}, {20, 0, 30},   {10, 1, 10}};
  for (const auto& p : params) {
    CBartonBandisCriterion m;
    m.SetParameters(p[0], p[1], p[2]);
    m.SetEnvelopeRange(APPLICATION_TUNNELS, 0.0, 0.026, 50.0);
    double tau = 0.0;
    EXPECT_EQ(DBL_MAX, *m.GetEquivMCTau(1.0, &tau));
    EXPECT_EQ(DBL_MAX, m.GetEquivMCSig1(1.0));

    double c = 0.0, phi = 0.0;
    ASSERT_TRUE(m.CalcEquivalentMC(&c, &phi));
    const double a = m.GetMinSigN();
    const double b = m.GetSignMax();
    double j1, j2;
    ReferenceIntegrals(m, a, b, &j1, &j2);
    const double l3 = std::pow(b - a, 3.0);
    const double cRef = -(3.0 * j2 * (a + b) - 2.0 * j1 * (a * a + a * b + b * b)) / l3;
    const double phiRef = std::atan(-3.0 * ((a + b) * j1 - 2.0 * j2) / l3) / kDeg;
    const double scale = m.GetTau(b);
    EXPECT_NEAR(cRef, c, 1e-6 * std::max(std::fabs(cRef), 1e-3 * scale)) << p[1];
    EXPECT_NEAR(phiRef, phi, 1e-6 * phiRef) << p[1];

    // The cached line, and the principal-stress circle that touches it.
    EXPECT_NEAR(c + 2.0 * std::tan(phi * kDeg), *m.GetEquivMCTau(2.0, &tau), 1e-12);
    for (double sig3 : {0.0, 0.5, 3.0}) {
      const double sig1 = m.GetEquivMCSig1(sig3);
      const double centre = 0.5 * (sig1 + sig3);
      const double radius = 0.5 * (sig1 - sig3);
      EXPECT_NEAR(radius, (c + centre * std::tan(phi * kDeg)) * std::cos(phi * kDeg),
                  1e-12 * (1 + sig1));
    }
  }
}

TEST(BartonBandisModel, EmptyOrReversedRangeHasNoEquivalentLine) {
  CBartonBandisCriterion m;
  double c = 0.0, phi = 0.0;
  ASSERT_TRUE(m.CalcEquivalentMC(&c, &phi));
  double c2 = 123.0, phi2 = 456.0;
  m.SetSignMax(m.GetMinSigN());
  EXPECT_FALSE(m.CalcEquivalentMC(&c2, &phi2));
  EXPECT_EQ(123.0, c2);
  EXPECT_EQ(456.0, phi2);
  double tau = 0.0;
  EXPECT_EQ(DBL_MAX, *m.GetEquivMCTau(1.0, &tau));
  EXPECT_EQ(DBL_MAX, m.GetEquivMCSig1(1.0));
  m.SetSignMax(0.0);
  EXPECT_FALSE(m.CalcEquivalentMC(&c2, &phi2));
  EXPECT_EQ(123.0, c2);
}

TEST(BartonBandisModel, InstantaneousMohrCoulombIsTheTangent) {
  CBartonBandisCriterion m;
  for (double sigN : {0.01, 0.3, 1.0, 5.0}) {
    double c, phi;
    m.GetInstantaneousMC(sigN, &c, &phi);
    const double h = 1e-6 * sigN;
    const double slope = (m.GetTau(sigN + h) - m.GetTau(sigN - h)) / (2.0 * h);
    EXPECT_NEAR(slope, std::tan(phi), 1e-6 * (1.0 + slope));
    EXPECT_NEAR(m.GetTau(sigN), c + sigN * std::tan(phi), 1e-12);
  }
  double c = -1.0, phi = -1.0;
  m.GetInstantaneousMC(0.0, &c, &phi);
  EXPECT_EQ(0.0, c);
  EXPECT_EQ(0.0, phi);
}

TEST(BartonBandisModel, ZeroRoughnessAndZeroJcsStayFinite) {
  // JRC = 0: a straight line through the origin at phib.
  CBartonBandisCriterion m;
  m.SetParameters(30.0, 0.0, 30.0);
  EXPECT_EQ(0.0, m.GetMinSigN());
  EXPECT_NEAR(2.0 * std::tan(30.0 * kDeg), m.GetTau(2.0), 1e-15);
  EXPECT_EQ(0.0, m.GetTau(0.0));
  EXPECT_EQ(0.0, m.GetTau(-1.0));
  double c, phi;
  m.GetInstantaneousMC(1.0, &c, &phi);
  EXPECT_NEAR(30.0 * kDeg, phi, 1e-15);
  EXPECT_NEAR(0.0, c, 1e-15);

  // JRC = 0 above 70 degrees: nothing obeys the rule; the tables collapse
  // to signmax and stay finite.
  m.SetParameters(75.0, 0.0, 30.0);
  EXPECT_EQ(m.GetSignMax(), m.GetMinSigN());
  EXPECT_EQ(0.0, m.GetTau(1.0));
  const double x[2] = {1.0, 2.0};
  const double y[2] = {1.0, 2.0};
  m.CalcResiduals(2, x, y);
  EXPECT_EQ(-1.0, m.GetResiduals());
  EXPECT_FALSE(m.CalcEquivalentMC(&c, &phi));

  // JCS = 0 (the side bar accepts it) is read as the smallest JCS.
  CBartonBandisCriterion z;
  z.SetParameters(30.0, 10.0, 0.0);
  EXPECT_TRUE(std::isfinite(z.GetMinSigN()));
  EXPECT_TRUE(std::isfinite(z.GetTau(1.0)));
  EXPECT_TRUE(std::isfinite(z.GetSig1(1.0)));

  for (CBartonBandisCriterion* model : {&m, &z}) {
    model->SetSig3Max(5.0);
    model->BuildPrincipalEnvelope(30);
    ExpectTableFinite(*model, "principal");
    model->BuildShearEnvelope(30);
    ExpectTableFinite(*model, "shear");
    model->BuildTauEnvelope(30);
    ExpectTableFinite(*model, "tau");
  }
}

TEST(BartonBandisModel, TablesAreFiniteOverTheParameterSweep) {
  const double jrcs[] = {0.0, 0.5, 5.0, 10.0, 20.0};
  const double jcsFactors[] = {1e-3, 1.0, 30.0, 1e4};
  const double phibs[] = {0.0, 28.0, 45.0, 70.0, 90.0};
  for (int units = 0; units < UNITS_COUNT; units++) {
    for (double jrc : jrcs)
      for (double jcs : jcsFactors)
        for (double phib : phibs) {
          CBartonBandisCriterion m;
          m.SetUnits(units);
          m.SetParameters(phib, jrc, jcs);
          m.SetEnvelopeRange(jrc == 5.0 ? APPLICATION_SLOPES : APPLICATION_TUNNELS, 1.0, 0.026,
                             50.0);
          m.UpdateSig3Max();
          m.BuildPrincipalEnvelope(25);
          ExpectTableFinite(m, "principal");
          m.BuildShearEnvelope(25);
          ExpectTableFinite(m, "shear");
          m.BuildTauEnvelope(25);
          ExpectTableFinite(m, "tau");
          double c = 0.0, phi = 0.0;
          if (m.CalcEquivalentMC(&c, &phi)) {
            ASSERT_TRUE(std::isfinite(c) && std::isfinite(phi));
          }
          m.GetInstantaneousMC(m.GetSignMax(), &c, &phi);
          ASSERT_TRUE(std::isfinite(c) && std::isfinite(phi)) << units << " " << jrc << " " << phib;
        }
  }
}

TEST(BartonBandisModel, ResidualsFollowTheSeventyDegreeRule) {
  CBartonBandisCriterion m;
  const double x[3] = {0.001, 1.0, 4.0};  // the first lies below sigNmin
  const double y[3] = {50.0, m.GetTau(1.0) + 0.1, m.GetTau(4.0) - 0.2};
  m.CalcResiduals(3, x, y);
  EXPECT_NEAR(0.05, m.GetResiduals(), 1e-12);
  m.CalcResiduals(1, x, y);
  EXPECT_EQ(-1.0, m.GetResiduals());
  m.CalcResiduals(0, nullptr, nullptr);
  EXPECT_EQ(-1.0, m.GetResiduals());

  // A copy is independent and complete.
  m.SetParameters(31.0, 7.0, 44.0);
  CBartonBandisCriterion copy(m);
  m.SetParameters(1.0, 1.0, 1.0);
  double phib, jrc, jcs;
  copy.GetParameters(&phib, &jrc, &jcs);
  EXPECT_EQ(31.0, phib);
  EXPECT_EQ(7.0, jrc);
  EXPECT_EQ(44.0, jcs);
  EXPECT_EQ(-1.0, copy.GetResiduals());
}

TEST(BartonBandisModel, PrincipalValuesDoNotDependOnWhatWasAskedBefore) {
  // GetSig1, GetSigNAtSig3 and GetTauAtSig3 share one tangent-point search
  // per sig3; the answers are those of a fresh model whatever came before,
  // and follow the parameters.
  auto fresh = [](double phib, double jrc, double jcs) {
    CBartonBandisCriterion f;
    f.SetParameters(phib, jrc, jcs);
    return f;
  };
  CBartonBandisCriterion m;
  for (double s : {0.001, 0.05, 1.0, 7.0, 0.05}) {
    m.GetSig1(s * 3.0);
    EXPECT_EQ(fresh(28, 10, 30).GetSigNAtSig3(s), m.GetSigNAtSig3(s)) << s;
    EXPECT_EQ(fresh(28, 10, 30).GetSig1(s), m.GetSig1(s)) << s;
    EXPECT_EQ(fresh(28, 10, 30).GetTauAtSig3(s), m.GetTauAtSig3(s)) << s;
  }
  const double before = m.GetSig1(2.0);
  m.SetParameters(28.0, 12.0, 30.0);
  EXPECT_EQ(fresh(28, 12, 30).GetSig1(2.0), m.GetSig1(2.0));
  EXPECT_NE(before, m.GetSig1(2.0));
  // Above sigNmin the cut envelope's tangent point is the uncut one.
  const double sigN = m.GetSigNAtSig3(2.0);
  EXPECT_NEAR(2.0, m.GetSig3FromShear(sigN), 1e-12);
  EXPECT_NEAR(m.GetSig1(2.0), m.GetSig1FromShear(sigN), 1e-12);
}

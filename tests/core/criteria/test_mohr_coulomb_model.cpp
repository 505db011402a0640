// Mohr-Coulomb envelope, ranges, units and residuals.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/criteria/CriterionMath.h"
#include "core/criteria/MohrCoulombCriterion.h"
#include "criteria_test_support.h"

using criteria::kPi;

using criteria_test::kDeg;

TEST(MohrCoulomb, NewModel) {
  CMohrCoulombCriterion mc;
  double c, phi, sigt;
  mc.GetParameters(&c, &phi, &sigt);
  EXPECT_EQ(1.0, c);
  EXPECT_EQ(35.0, phi);
  EXPECT_EQ(-0.5, sigt);
  EXPECT_EQ(-0.5, mc.GetMinSig3());  // cut-off above -2c/K = -1.0411
  EXPECT_NEAR(3.8419642539, mc.GetUniaxialStrength(), 1e-10);
  EXPECT_NEAR(0.652045, mc.GetSig3Max(), 1e-6);
  EXPECT_EQ(10.0, mc.GetSignMax());
  EXPECT_TRUE(mc.IsLinear());
  EXPECT_EQ(CRITERION_MOHR_COULOMB, mc.GetCriterionType());
  EXPECT_EQ(-1.0, mc.GetResiduals());
  EXPECT_EQ(-2.0, mc.GetBestFitResiduals());
  int app;
  double range, gamma, H;
  mc.GetEnvelopeRange(&app, &range, &gamma, &H);
  EXPECT_EQ(APPLICATION_TUNNELS, app);
  EXPECT_EQ(mc.GetSig3Max(), range);
  EXPECT_EQ(0.026, gamma);
  EXPECT_EQ(50.0, H);
  const double k = std::tan(kPi / 4 + 17.5 * kDeg);
  EXPECT_NEAR(std::atan(k * k) / kDeg, mc.GetPrincipalSlopeAngle(), 1e-12);
  // Equivalent-line getters hand back their input.
  double tau = 0;
  EXPECT_EQ(&tau, mc.GetEquivMCTau(2.5, &tau));
  EXPECT_EQ(2.5, tau);
  EXPECT_EQ(-3.0, mc.GetEquivMCSig1(-3.0));
}

TEST(MohrCoulomb, EnvelopeRelations) {
  CMohrCoulombCriterion mc;
  mc.SetParameters(1.0, 35.0, -10.0);
  const double k = std::tan(kPi / 4 + 17.5 * kDeg);
  const double m = -2.0 / k;
  EXPECT_NEAR(-1.0411341, m, 1e-7);
  EXPECT_NEAR(m, mc.GetMinSig3(), 1e-15);
  EXPECT_NEAR(0.0, mc.GetSig1(m), 1e-14);
  // Below the minimum the value at the minimum; shear has no cut-off.
  EXPECT_EQ(mc.GetSig1(m), mc.GetSig1(m - 5.0));
  EXPECT_NEAR(1.0 - 5.0 * std::tan(35 * kDeg), mc.GetTau(-5.0), 1e-14);
  double tau = 0;
  EXPECT_TRUE(mc.CalcTauAtSigN(-5.0, &tau));
  EXPECT_EQ(mc.GetTau(-5.0), tau);

  // Circle consistency along sig3, and the shear-side inverses.
  for (double s3 = -0.9; s3 < 20; s3 += 1.3) {
    const double s1 = mc.GetSig1(s3);
    const double sn = mc.GetSigNAtSig3(s3);
    const double t = mc.GetTauAtSig3(s3);
    const double centre = (s1 + s3) / 2, radius = (s1 - s3) / 2;
    EXPECT_NEAR(radius * radius, (sn - centre) * (sn - centre) + t * t, 1e-9 * radius * radius);
    EXPECT_NEAR(mc.GetTau(sn), t, 1e-10);
    EXPECT_NEAR(s3, mc.GetSig3AtSigN(sn), 1e-10);
    EXPECT_NEAR(s1, mc.GetSig1FromShear(sn), 1e-9);
    EXPECT_NEAR(s3, mc.GetSig3FromShear(sn), 1e-10);
  }
  EXPECT_EQ(mc.GetMinSig3(), mc.GetSig3AtSigN(-50.0));
  EXPECT_EQ(mc.GetMinSig3(), mc.GetSigNAtSig3(-50.0));
  EXPECT_NEAR(1.0 + m * std::tan(35 * kDeg), mc.GetTauAtSig3(-50.0), 1e-14);
}

TEST(MohrCoulomb, SetUnitsAndRanges) {
  CMohrCoulombCriterion mc;
  EXPECT_TRUE(mc.SetUnits(UNITS_KPA));
  double c, phi, sigt;
  mc.GetParameters(&c, &phi, &sigt);
  EXPECT_EQ(100.0, c);
  EXPECT_EQ(35.0, phi);
  EXPECT_EQ(-50.0, sigt);
  EXPECT_EQ(100.0, mc.GetSig3Max());
  EXPECT_EQ(100.0, mc.GetSignMax());
  EXPECT_FALSE(mc.SetUnits(UNITS_KPA));
  EXPECT_FALSE(mc.SetUnits(8));
  // tsm takes the kPa numbers.
  EXPECT_TRUE(mc.SetUnits(UNITS_TSM));
  mc.GetParameters(&c, nullptr, nullptr);
  EXPECT_EQ(100.0, c);

  // With lab points the units change, nothing else, and the result is FALSE.
  CMohrCoulombCriterion withLab;
  const double x[2] = {1, 2}, y[2] = {5, 9};
  withLab.SetLabData(2, x, y);
  EXPECT_FALSE(withLab.SetUnits(UNITS_KPA));
  EXPECT_EQ(UNITS_KPA, withLab.GetUnits());
  withLab.GetParameters(&c, nullptr, &sigt);
  EXPECT_EQ(1.0, c);
  EXPECT_EQ(-0.5, sigt);
  // Rock-mass points are not consulted.
  CMohrCoulombCriterion withRock;
  withRock.SetRockMassData(2, x, y);
  EXPECT_TRUE(withRock.SetUnits(UNITS_PSF));

  // Triaxial data: only sig3max changes; Custom takes the range.
  CMohrCoulombCriterion r;
  r.SetEnvelopeRange(APPLICATION_SLOPES, 0.0, 0.026, 50.0);
  const double sigcm = r.GetUniaxialStrength();
  EXPECT_NEAR(0.72 * sigcm * std::pow(sigcm / 1.3, -0.91), r.GetSig3Max(), 1e-14);
  r.SetEnvelopeRange(APPLICATION_CUSTOM, 7.5, 0.026, 50.0);
  EXPECT_EQ(7.5, r.GetSig3Max());
  EXPECT_EQ(10.0, r.GetSignMax());
  r.SetSig3Max(3.25);
  EXPECT_EQ(3.25, r.GetSig3Max());
  // Direct shear: only signmax changes.
  r.SetDataType(DATA_DIRECT_SHEAR);
  r.SetEnvelopeRange(APPLICATION_TUNNELS, 0.0, 0.026, 50.0);
  const double s3 = 0.47 * sigcm * std::pow(sigcm / 1.3, -0.94);
  EXPECT_NEAR(r.GetSigNAtSig3(s3), r.GetSignMax(), 1e-14);
  EXPECT_EQ(3.25, r.GetSig3Max());
  r.SetEnvelopeRange(APPLICATION_CUSTOM, 4.0, 0.026, 50.0);
  EXPECT_EQ(4.0, r.GetSignMax());
  double range = 0;
  r.GetEnvelopeRange(nullptr, &range, nullptr, nullptr);
  EXPECT_EQ(4.0, range);
  r.SetEnvelopeRange(9, 4.0, 0.026, 50.0);
  EXPECT_EQ(1.0, r.GetSignMax());
}

TEST(MohrCoulomb, SideBarExtremesStayFinite) {
  // c = 0 with Tunnels or Slopes: the range is 0, not 0 * infinity.
  for (int app : {APPLICATION_TUNNELS, APPLICATION_SLOPES}) {
    for (int type : {DATA_TRIAXIAL, DATA_DIRECT_SHEAR}) {
      CMohrCoulombCriterion mc;
      mc.SetDataType(type);
      mc.SetParameters(0.0, 35.0, -0.5);
      mc.SetEnvelopeRange(app, 5.0, 0.026, 50.0);
      EXPECT_TRUE(std::isfinite(mc.GetSig3Max()));
      EXPECT_TRUE(std::isfinite(mc.GetSignMax()));
    }
  }
  CMohrCoulombCriterion zero;
  zero.SetParameters(0.0, 35.0, -0.5);
  zero.SetEnvelopeRange(APPLICATION_TUNNELS, 5.0, 0.026, 50.0);
  EXPECT_EQ(0.0, zero.GetSig3Max());
  // gamma H = 0 is finite too.
  zero.SetParameters(1.0, 35.0, -0.5);
  zero.SetEnvelopeRange(APPLICATION_TUNNELS, 5.0, 0.0, 50.0);
  EXPECT_EQ(0.0, zero.GetSig3Max());

  // phi = 90: every evaluation, both tables and the residuals stay finite.
  CMohrCoulombCriterion steep;
  steep.SetParameters(1.0, 90.0, -0.5);
  steep.SetEnvelopeRange(APPLICATION_TUNNELS, 5.0, 0.026, 50.0);
  steep.SetSignMax(10.0);
  const double values[] = {steep.GetUniaxialStrength(),
                           steep.GetMinSig3(),
                           steep.GetSig1(1.0),
                           steep.GetSigNAtSig3(1.0),
                           steep.GetTauAtSig3(1.0),
                           steep.GetSig3AtSigN(1.0),
                           steep.GetTau(1.0),
                           steep.GetSig1FromShear(1.0),
                           steep.GetSig3FromShear(1.0),
                           steep.GetSig3Max(),
                           steep.GetPrincipalSlopeAngle()};
  for (double v : values) EXPECT_TRUE(std::isfinite(v));
  for (int build = 0; build < 2; build++) {
    const EnvelopePoint* rows =
        build ? steep.BuildShearEnvelope(50) : steep.BuildPrincipalEnvelope(50);
    for (int i = 0; i < 50; i++)
      EXPECT_TRUE(std::isfinite(rows[i].sig1) && std::isfinite(rows[i].sig3) &&
                  std::isfinite(rows[i].sigN) && std::isfinite(rows[i].tau));
  }
  const double x[2] = {0, 1}, y[2] = {5, 9};
  steep.CalcResiduals(2, x, y);
  EXPECT_TRUE(std::isfinite(steep.GetResiduals()));
}

TEST(MohrCoulomb, StraightShearTableStartsWherePrincipalColumnsMeetTheCutOff) {
  CMohrCoulombCriterion mc;
  for (double phi : {5.0, 20.0, 35.0, 60.0, 85.0}) {
    mc.SetParameters(2.0, phi, -0.5);
    mc.SetSignMax(10.0);
    const EnvelopePoint* rows = mc.BuildShearEnvelope(11);
    ASSERT_NE(nullptr, rows);
    const double min3 = mc.GetMinSig3();
    EXPECT_EQ(min3, rows[0].sigN);
    EXPECT_EQ(10.0, rows[10].sigN);
    EXPECT_EQ(mc.GetTau(rows[3].sigN), rows[3].tau);
    // Row 0 of the principal columns: the circle with sig3 = sigt, when
    // the cut-off lies above -2c/K (all but the steepest angle here).
    if (min3 == -0.5) {
      EXPECT_NEAR(-0.5, rows[0].sig3, 1e-12);
    }
    for (int i = 0; i < 11; i++) EXPECT_GE(rows[i].sig3, -0.5);
  }
  // The first-row abscissa has GetSig3FromShear == sigt (cut-off above -2c/K).
  mc.SetParameters(1.0, 35.0, -0.5);
  const double t = std::tan(35 * kDeg), p = 1 + t * t, q = std::sqrt(p);
  const double lower2 = -(-0.5 - t * 1.0 + q * 1.0) / (q * t - p);
  EXPECT_NEAR(-0.5, mc.GetSig3FromShear(lower2), 1e-12);
}

TEST(MohrCoulomb, ResidualsByDataType) {
  CMohrCoulombCriterion mc;
  const double x[3] = {-1, 0, 4};
  const double y[3] = {2, 5, 20};
  mc.CalcResiduals(3, x, y);
  const double sn = std::sin(35 * kDeg), cs = std::cos(35 * kDeg);
  double expected = 0;
  for (int i = 0; i < 3; i++) {
    const double m = x[i] * (1 + sn) / (1 - sn) + 2 * cs / (1 - sn);
    expected += (y[i] - m) * (y[i] - m);
  }
  EXPECT_NEAR(expected, mc.GetResiduals(), 1e-12);
  mc.SetDataType(DATA_DIRECT_SHEAR);
  mc.CalcResiduals(3, x, y);
  expected = 0;
  for (int i = 0; i < 3; i++) {
    const double m = 1.0 + x[i] * std::tan(35 * kDeg);
    expected += (y[i] - m) * (y[i] - m);
  }
  EXPECT_NEAR(expected, mc.GetResiduals(), 1e-12);
  mc.CalcResiduals(0, x, y);
  EXPECT_EQ(0.0, mc.GetResiduals());
}

// Hoek-Brown derived values, modulus, ranges, envelopes and Mohr-Coulomb lines.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "core/criteria/CriterionMath.h"
#include "core/criteria/HoekBrownCriterion.h"
#include "criteria_test_support.h"

using criteria_test::ExpectRel;

TEST(HoekBrown, DefaultModelDerivedValues) {
  CHoekBrownCriterion hb;
  double sigci, mb, s, a;
  hb.GetRockMassConstants(&sigci, &mb, &s, &a);
  EXPECT_EQ(30.0, sigci);
  EXPECT_NEAR(1.6767724875, mb, 1e-10);
  EXPECT_NEAR(0.0038659201, s, 1e-10);
  EXPECT_NEAR(0.5057335599, a, 1e-10);
  double sigc, sigt, Em, sigcm;
  hb.GetRockMassStrengths(&sigc, &sigt, &Em, &sigcm);
  EXPECT_NEAR(-0.0691671679, sigt, 1e-10);
  EXPECT_NEAR(1.8068165655, sigc, 1e-10);
  EXPECT_NEAR(5.2300044164, sigcm, 1e-10);
  EXPECT_NEAR(9340.700472, Em, 1e-6);
  EXPECT_EQ(7.5, hb.GetSig3Max());
  EXPECT_EQ(15000.0, hb.GetIntactModulus());
  EXPECT_EQ(CRITERION_HOEK_BROWN, hb.GetCriterionType());
  EXPECT_FALSE(hb.IsLinear());
  EXPECT_EQ(DBL_MAX, hb.GetSignMax());
  EXPECT_EQ(-1.0, hb.GetResiduals());
  EXPECT_EQ(-2.0, hb.GetBestFitResiduals());
  EXPECT_EQ(0, hb.GetDataType(nullptr));
  BYTE flag = 9;
  hb.GetFieldDataFlag(&flag);
  EXPECT_EQ(SOURCE_LAB, flag);
  EXPECT_EQ(0.0, hb.GetMinSigN());
  EXPECT_EQ(3.5, hb.GetTau(3.5));
  EXPECT_EQ(3.5, hb.GetSig1FromShear(3.5));
  EXPECT_EQ(3.5, hb.GetSig3FromShear(3.5));
  // The base's three-argument GetParameters writes nothing here.
  double p1 = 7, p2 = 7, p3 = 7;
  static_cast<const CStrengthCriterion&>(hb).GetParameters(&p1, &p2, &p3);
  EXPECT_EQ(7.0, p1);
  EXPECT_EQ(7.0, p2);
  EXPECT_EQ(7.0, p3);
}

TEST(HoekBrown, ModulusMethodsAndUnits) {
  CHoekBrownCriterion hb;
  double Em = 0;
  hb.SetModulusMethod(MODULUS_HOEK_CARRANZA_TORRES_CORKUM, 0.0);
  hb.GetRockMassStrengths(nullptr, nullptr, &Em, nullptr);
  EXPECT_NEAR(5477.2255751, Em, 1e-6);
  hb.SetModulusMethod(MODULUS_HOEK_DIEDERICHS, 15000.0);
  hb.GetRockMassStrengths(nullptr, nullptr, &Em, nullptr);
  EXPECT_NEAR(4607.7885207, Em, 1e-6);
  hb.SetModulusMethod(7, 0.0);
  hb.GetRockMassStrengths(nullptr, nullptr, &Em, nullptr);
  EXPECT_EQ(0.0, Em);

  // kPa: the same methods give 1000 times the MPa values.
  const double mpa[3] = {9340.700472, 5477.2255751, 4607.7885207};
  for (int method = 0; method < 3; method++) {
    CHoekBrownCriterion k;
    EXPECT_TRUE(k.SetUnits(UNITS_KPA));
    double sigci = 0;
    k.GetParameters(&sigci, nullptr, nullptr, nullptr);
    EXPECT_EQ(30000.0, sigci);
    k.SetModulusMethod(method, CHoekBrownCriterion::GetDefaultIntactModulus(UNITS_KPA));
    k.GetRockMassStrengths(nullptr, nullptr, &Em, nullptr);
    ExpectRel(1000.0 * mpa[method], Em, 1e-9);
  }

  const double ei[8] = {15000, 1.5e7, 1.5e6, 2000, 300000, 2.175e6, 3e8, 150000};
  for (int u = 0; u < 8; u++) EXPECT_EQ(ei[u], CHoekBrownCriterion::GetDefaultIntactModulus(u));
  EXPECT_EQ(0.0, CHoekBrownCriterion::GetDefaultIntactModulus(8));
}

TEST(HoekBrown, ModulusOfDisturbedRock) {
  // Em of the defaults (sigci 30, GSI 50) at D = 0.5 and D = 1 by each method: the disturbance
  // enters the exponent (75 + 25D, 60 + 15D) and the factor (1 - D/2).
  const struct {
    double D;
    double Em[3];
  } cases[] = {{0.5, {2400.9417143776413, 4107.919181288746, 2204.1303673503817}},
               {1.0, {525.1922256642708, 2738.6127875258303, 1000.552535376241}}};
  for (const auto& c : cases) {
    for (int method = 0; method < 3; method++) {
      for (int units : {UNITS_MPA, UNITS_KPA}) {
        CHoekBrownCriterion hb;
        hb.SetUnits(units);
        const double k = units == UNITS_KPA ? 1000.0 : 1.0;
        hb.SetParameters(30.0 * k, 10.0, 50.0, c.D);
        hb.SetModulusMethod(method, 15000.0 * k);
        double Em = 0;
        hb.GetRockMassStrengths(nullptr, nullptr, &Em, nullptr);
        ExpectRel(c.Em[method] * k, Em, 1e-12);
      }
    }
  }
}

TEST(HoekBrown, SetModulusMethodRecalculatesOnlyOnChange) {
  CHoekBrownCriterion hb;
  hb.SetModulusMethod(MODULUS_HOEK_DIEDERICHS, 15000.0);
  double Em1 = 0, Em2 = 0;
  hb.GetRockMassStrengths(nullptr, nullptr, &Em1, nullptr);
  hb.SetModulusMethod(MODULUS_HOEK_DIEDERICHS, 15000.0);
  hb.GetRockMassStrengths(nullptr, nullptr, &Em2, nullptr);
  EXPECT_EQ(Em1, Em2);
  hb.SetModulusMethod(MODULUS_HOEK_DIEDERICHS, 30000.0);
  hb.GetRockMassStrengths(nullptr, nullptr, &Em2, nullptr);
  EXPECT_NEAR(2.0 * Em1, Em2, 1e-9);
  EXPECT_EQ(30000.0, hb.GetIntactModulus());
  // Another method keeps Ei.
  hb.SetModulusMethod(MODULUS_SIMPLIFIED_HOEK_DIEDERICHS, 1.0);
  EXPECT_EQ(30000.0, hb.GetIntactModulus());
  EXPECT_EQ(MODULUS_SIMPLIFIED_HOEK_DIEDERICHS, hb.GetModulusMethod());
}

TEST(HoekBrown, ModulusChangeKeepsEnvelopeRange) {
  // A Custom sig3max (from a file or Project Settings) survives a change
  // of modulus method, and so do Tunnels and Slopes values.
  CHoekBrownCriterion hb;
  hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, 12.0, 0.026, 50.0);
  hb.SetModulusMethod(MODULUS_HOEK_CARRANZA_TORRES_CORKUM, 0.0);
  EXPECT_EQ(12.0, hb.GetSig3Max());
  int app = -1;
  hb.GetEnvelopeRange(&app, nullptr, nullptr, nullptr);
  EXPECT_EQ(CHoekBrownCriterion::APPLICATION_CUSTOM, app);

  hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_TUNNELS, 0.0, 0.026, 50.0);
  hb.SetModulusMethod(MODULUS_HOEK_DIEDERICHS, 20000.0);
  EXPECT_NEAR(0.6642242582, hb.GetSig3Max(), 1e-10);
}

TEST(HoekBrown, EnvelopeRangeByApplication) {
  CHoekBrownCriterion hb;
  hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_TUNNELS, 99.0, 0.026, 50.0);
  EXPECT_NEAR(0.6642242582, hb.GetSig3Max(), 1e-10);
  hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_SLOPES, 99.0, 0.026, 50.0);
  EXPECT_NEAR(1.0609285388, hb.GetSig3Max(), 1e-10);
  hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_GENERAL, 99.0, 0.026, 50.0);
  EXPECT_EQ(7.5, hb.GetSig3Max());
  hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, 99.0, 0.5, 70.0);
  int app;
  double s3, g, H;
  hb.GetEnvelopeRange(&app, &s3, &g, &H);
  EXPECT_EQ(3, app);
  EXPECT_EQ(99.0, s3);
  EXPECT_EQ(0.5, g);
  EXPECT_EQ(70.0, H);
  // Recalculation puts sig3max back to sigci/4; UpdateSig3Max leaves Custom.
  hb.SetSigci(40.0);
  EXPECT_EQ(10.0, hb.GetSig3Max());
  hb.UpdateSig3Max();
  EXPECT_EQ(10.0, hb.GetSig3Max());

  // psi uses k = 1/144 on gamma H.
  CHoekBrownCriterion psi;
  ASSERT_TRUE(psi.SetUnits(UNITS_PSI));
  psi.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_TUNNELS, 0, 166.0, 150.0);
  ExpectRel(88.80894375787508, psi.GetSig3Max(), 1e-12);
}

TEST(HoekBrown, EquivalentAndInstantaneousMohrCoulomb) {
  CHoekBrownCriterion hb;
  double c = 0, phi = 0;
  hb.CalcEquivalentMC(&c, &phi);
  EXPECT_NEAR(1.4941390871, c, 1e-9);
  EXPECT_NEAR(30.5151229, phi, 1e-7);
  double tau = 0;
  EXPECT_EQ(&tau, hb.GetEquivMCTau(2.0, &tau));
  EXPECT_NEAR(2.6729402837190914, tau, 1e-9);
  EXPECT_NEAR(14.419323253220465, hb.GetEquivMCSig1(3.0), 1e-9);

  // The instantaneous line at sig3 passes through (sig3, sig1) with slope d.
  double ci = 0, phii = 0;
  hb.GetInstantaneousMC(2.0, &ci, &phii);
  EXPECT_NEAR(1.3840116774433011, ci, 1e-12);
  EXPECT_NEAR(0.584596384911377, phii, 1e-12);
  EXPECT_NEAR(12.07683139475617, hb.GetSig1(2.0), 1e-12);
  const double k = std::tan(criteria::kPi / 4 + phii / 2);
  EXPECT_NEAR(hb.GetSig1(2.0), 2 * ci * k + k * k * 2.0, 1e-9);
  // Below the tensile limit: the tangent at the limit, finite.
  hb.GetInstantaneousMC(-5.0, &ci, &phii);
  EXPECT_TRUE(std::isfinite(ci) && std::isfinite(phii));
}

TEST(HoekBrown, EquivalentLineWithEmptyRangeIsDefined) {
  CHoekBrownCriterion hb;
  double sigt = 0;
  hb.GetRockMassStrengths(nullptr, &sigt, nullptr, nullptr);
  for (double s3 : {sigt, 2.0 * sigt, -1.0, 0.999999999999 * sigt}) {
    hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, s3, 0.026, 50.0);
    double c = 7, phi = 7, tau = 7;
    hb.CalcEquivalentMC(&c, &phi);
    EXPECT_TRUE(std::isfinite(c) && std::isfinite(phi));
    hb.GetEquivMCTau(1.0, &tau);
    EXPECT_TRUE(std::isfinite(tau));
    EXPECT_TRUE(std::isfinite(hb.GetEquivMCSig1(1.0)));
  }
  hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, 2.0 * sigt, 0.026, 50.0);
  double c = 7, phi = 7;
  hb.CalcEquivalentMC(&c, &phi);
  EXPECT_EQ(0.0, c);
  EXPECT_EQ(0.0, phi);
  // Before CalcEquivalentMC the getters still give the line, not the marker.
  CHoekBrownCriterion fresh;
  double tau = 0;
  fresh.GetEquivMCTau(0.0, &tau);
  EXPECT_NEAR(1.4941390871, tau, 1e-9);
}

TEST(HoekBrown, PrincipalEnvelopeAtTheLimits) {
  CHoekBrownCriterion hb;
  double sigc, sigt;
  hb.GetRockMassStrengths(&sigc, &sigt, nullptr, nullptr);
  EXPECT_EQ(0.0, hb.GetSig1(sigt));
  EXPECT_EQ(sigc, hb.GetSig1(0.0));
  EXPECT_EQ(sigt, hb.GetSigNAtSig3(2.0 * sigt));
  EXPECT_EQ(0.0, hb.GetTauAtSig3(2.0 * sigt));
  EXPECT_EQ(sigt, hb.GetMinSig3());
}

TEST(HoekBrown, ClosedFormAgreesWithSecantAtGsi100) {
  CHoekBrownCriterion hb;
  hb.SetParameters(30.0, 10.0, 100.0, 0.0);
  double mb, s, a;
  hb.GetRockMassConstants(nullptr, &mb, &s, &a);
  ASSERT_EQ(0.5, a);
  const double sigN[4] = {0.5, 2.0, 10.0, 40.0};
  const double expected[4] = {6.2166146, 8.0302614, 15.766543, 35.567747};
  for (int i = 0; i < 4; i++) {
    double closed = 0, secant = 0, viaVirtual = 0;
    ASSERT_TRUE(hb.CalcTauAtSigNClosedForm(sigN[i], &closed));
    ASSERT_TRUE(hb.SolveTauAtSigN(sigN[i], &secant));
    ASSERT_TRUE(hb.CalcTauAtSigN(sigN[i], &viaVirtual));
    EXPECT_NEAR(expected[i], closed, 1e-6);
    EXPECT_NEAR(closed, secant, 1e-8 * closed);
    EXPECT_EQ(closed, viaVirtual);
  }
  // Far in tension the closed form gives 0.
  double tau = 5;
  EXPECT_TRUE(hb.CalcTauAtSigNClosedForm(-100.0, &tau));
  EXPECT_EQ(0.0, tau);

  // Only a == 0.5 bit for bit takes the closed form.
  hb.SetRockMassConstants(30.0, mb, s, 0.5000000001);
  tau = 5;
  EXPECT_FALSE(hb.CalcTauAtSigNClosedForm(2.0, &tau));
  EXPECT_EQ(5.0, tau);
  double viaVirtual = 0, secant = 0;
  ASSERT_TRUE(hb.CalcTauAtSigN(2.0, &viaVirtual));
  ASSERT_TRUE(hb.SolveTauAtSigN(2.0, &secant));
  EXPECT_EQ(secant, viaVirtual);
}

TEST(HoekBrown, SecantSolutionBelowTheFloor) {
  CHoekBrownCriterion hb;
  double sigt = 0;
  hb.GetRockMassStrengths(nullptr, &sigt, nullptr, nullptr);
  double tau = 5;
  EXPECT_TRUE(hb.SolveTauAtSigN(0.9999 * sigt, &tau));
  EXPECT_EQ(0.0, tau);
  EXPECT_EQ(sigt, hb.GetSolvedSig3());
  EXPECT_EQ(sigt, hb.GetSig3AtSigN(sigt * 2.0));
  // sigN = 0 starts the secant from sigci/100.
  EXPECT_TRUE(hb.SolveTauAtSigN(0.0, &tau));
  EXPECT_GT(tau, 0.0);
}

TEST(HoekBrown, SetUnitsResetsDefaultsOnlyWithoutPoints) {
  CHoekBrownCriterion hb;
  EXPECT_TRUE(hb.SetUnits(UNITS_KPA));
  double sigci, gamma, H, s3;
  int app;
  hb.GetParameters(&sigci, nullptr, nullptr, nullptr);
  hb.GetEnvelopeRange(&app, &s3, &gamma, &H);
  EXPECT_EQ(30000.0, sigci);
  EXPECT_EQ(26.0, gamma);
  EXPECT_EQ(50.0, H);
  EXPECT_EQ(7500.0, s3);
  EXPECT_FALSE(hb.SetUnits(UNITS_KPA));
  EXPECT_FALSE(hb.SetUnits(8));
  EXPECT_FALSE(hb.SetUnits(-1));

  // Points in either set: units change, nothing else; TRUE.
  CHoekBrownCriterion withPoints;
  const double x[1] = {1.0}, y[1] = {10.0};
  withPoints.SetRockMassData(1, x, y);
  EXPECT_TRUE(withPoints.SetUnits(UNITS_PSF));
  EXPECT_EQ(UNITS_PSF, withPoints.GetUnits());
  withPoints.GetParameters(&sigci, nullptr, nullptr, nullptr);
  EXPECT_EQ(30.0, sigci);
  EXPECT_EQ(7.5, withPoints.GetSig3Max());

  // mi, GSI, D, Ei, application and modulus method are never reset.
  CHoekBrownCriterion keep;
  keep.SetParameters(30.0, 17.0, 60.0, 0.5);
  keep.SetModulusMethod(MODULUS_HOEK_DIEDERICHS, 12345.0);
  keep.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_SLOPES, 0, 0.026, 50.0);
  EXPECT_TRUE(keep.SetUnits(UNITS_KSI));
  double mi, GSI, D;
  keep.GetParameters(&sigci, &mi, &GSI, &D);
  EXPECT_EQ(4.0, sigci);
  EXPECT_EQ(17.0, mi);
  EXPECT_EQ(60.0, GSI);
  EXPECT_EQ(0.5, D);
  EXPECT_EQ(12345.0, keep.GetIntactModulus());
  keep.GetEnvelopeRange(&app, &s3, &gamma, &H);
  EXPECT_EQ(CHoekBrownCriterion::APPLICATION_SLOPES, app);
  EXPECT_EQ(0.166, gamma);
  EXPECT_EQ(150.0, H);
  ExpectRel(0.1438747247088033, s3, 1e-12);
}

TEST(HoekBrown, ResidualsByDataSource) {
  CHoekBrownCriterion hb;
  hb.SetParameters(30.0, 10.0, 50.0, 0.0);
  const double x[3] = {0.0, 5.0, -4.0};  // -4 lies below -sigci/mi = -3
  const double y[3] = {31.0, 60.0, 0.0};
  hb.CalcResiduals(3, x, y);
  EXPECT_NEAR(37.12256587700819, hb.GetResiduals(), 1e-12);
  // GSI, D and the rock-mass constants do not enter the lab rule.
  hb.SetParameters(30.0, 10.0, 20.0, 1.0);
  hb.CalcResiduals(3, x, y);
  EXPECT_NEAR(37.12256587700819, hb.GetResiduals(), 1e-12);

  // The rock-mass rule: mb, s and a of GSI 50, D 0; the point at -4 counts (t raised to 0).
  hb.SetFieldDataFlag(SOURCE_ROCK_MASS);
  hb.SetParameters(30.0, 10.0, 50.0, 0.0);
  hb.CalcResiduals(3, x, y);
  EXPECT_NEAR(2400.688947046754, hb.GetResiduals(), 1e-9);
  hb.CalcResiduals(0, nullptr, nullptr);
  EXPECT_EQ(0.0, hb.GetResiduals());
}

TEST(HoekBrown, SetRockMassConstantsKeepsOtherDerivedValues) {
  CHoekBrownCriterion hb;
  double Em0, sigcm0;
  hb.GetRockMassStrengths(nullptr, nullptr, &Em0, &sigcm0);
  hb.SetRockMassConstants(20.0, 2.0, 0.25, 0.5);
  double sigc, sigt, Em, sigcm;
  hb.GetRockMassStrengths(&sigc, &sigt, &Em, &sigcm);
  EXPECT_EQ(-0.25 * 20.0 / 2.0, sigt);
  EXPECT_EQ(20.0 * 0.5, sigc);
  EXPECT_EQ(Em0, Em);
  EXPECT_EQ(sigcm0, sigcm);
  double mi, GSI;
  hb.GetParameters(nullptr, &mi, &GSI, nullptr);
  EXPECT_EQ(10.0, mi);
  EXPECT_EQ(50.0, GSI);
}
